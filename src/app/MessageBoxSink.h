#pragma once

#include "core/MessageSink.h"

class QWidget;

// The program's message sink: every message becomes a modal box of its kind with one OK button.
class MessageBoxSink : public MessageSink {
public:
    explicit MessageBoxSink(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }
    void show(Kind kind, const std::string &text) override;

private:
    QWidget *m_parent;
};
