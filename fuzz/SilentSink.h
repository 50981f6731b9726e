#pragma once

#include "core/MessageSink.h"

#include <string>

// Swallows messages so that a fuzzing run is not slowed by printing; counts them for a sanity check.
class SilentSink : public MessageSink {
public:
    void show(Kind, const std::string &text) override { lastLength = text.size(); }
    size_t lastLength = 0;
};
