#pragma once

#include <string>

// Where every message of the program goes: the program shows modal boxes, the headless runner prints them,
// a test records them. One sink is installed per process; until one is, messages go to standard error.
class MessageSink {
public:
    enum class Kind { Information, Error, Warning };

    virtual ~MessageSink() = default;
    // A "\r" in the text starts a new line. Returns when the user has closed the message.
    virtual void show(Kind kind, const std::string &text) = 0;

    // Installs sink for the whole process (not owned; nullptr restores the standard-error sink).
    static void install(MessageSink *sink);
    static MessageSink &current();
};

void InfoOKDialog(const std::string &text);
void InfoErrorDialog(const std::string &text);
void InfoWarningDialog(const std::string &text);
