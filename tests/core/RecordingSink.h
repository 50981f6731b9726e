#pragma once

#include "core/MessageSink.h"

#include <string>
#include <vector>

// A message sink for tests: records every message and installs itself for its lifetime.
class RecordingSink : public MessageSink {
public:
    struct Message {
        Kind kind;
        std::string text;
    };

    RecordingSink() { MessageSink::install(this); }
    ~RecordingSink() override { MessageSink::install(nullptr); }
    RecordingSink(const RecordingSink &) = delete;
    RecordingSink &operator=(const RecordingSink &) = delete;

    void show(Kind kind, const std::string &text) override { messages.push_back({kind, text}); }

    // The only message's text, or a description of what was recorded instead.
    std::string only() const
    {
        if (messages.size() == 1)
            return messages.front().text;
        return "<" + std::to_string(messages.size()) + " messages>";
    }

    std::vector<Message> messages;
};
