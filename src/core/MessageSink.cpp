#include "core/MessageSink.h"

#include <cstdio>

namespace {

class StandardErrorSink : public MessageSink {
public:
    void show(Kind kind, const std::string &text) override
    {
        const char *prefix = kind == Kind::Error ? "Error: " : kind == Kind::Warning ? "Warning: " : "";
        std::string lines = text;
        for (char &c : lines)
            if (c == '\r')
                c = '\n';
        std::fprintf(stderr, "%s%s\n", prefix, lines.c_str());
    }
};

StandardErrorSink g_standardError;
MessageSink *g_sink = &g_standardError;

} // namespace

void MessageSink::install(MessageSink *sink) { g_sink = sink ? sink : &g_standardError; }
MessageSink &MessageSink::current() { return *g_sink; }

void InfoOKDialog(const std::string &text) { MessageSink::current().show(MessageSink::Kind::Information, text); }
void InfoErrorDialog(const std::string &text) { MessageSink::current().show(MessageSink::Kind::Error, text); }
void InfoWarningDialog(const std::string &text) { MessageSink::current().show(MessageSink::Kind::Warning, text); }
