#include "platform/diag.h"

#include <cstdio>
#include <set>
#include <string>

namespace platform {

namespace {

PrintSink& Sink() {
    static PrintSink sink;
    return sink;
}

std::set<String>& Warned() {
    static std::set<String> warned;
    return warned;
}

} // namespace

void Error(const String& message) {
    // The message goes out at once, so that it is seen even if whoever catches the signal
    // says nothing more.
    if (!message.empty()) {
        std::fprintf(stderr, "%s\n", ToUtf8(message).c_str());
        std::fflush(stderr);
    }
    throw QuitSignal{message, message.empty() ? 0 : 1};
}

void Print(const String& line) {
    if (Sink()) {
        Sink()(line);
        return;
    }
    std::string bytes = ToUtf8(line);
    bytes += '\n';
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

PrintSink SetPrintSink(PrintSink sink) {
    PrintSink previous = std::move(Sink());
    Sink() = std::move(sink);
    return previous;
}

void Warn(const String& message) {
    std::fprintf(stderr, "%s\n", ToUtf8(message).c_str());
    std::fflush(stderr);
}

void WarnOnce(const String& key, const String& message) {
    if (Warned().insert(key).second) {
        Warn(message);
    }
}

void ResetWarnings() { Warned().clear(); }

} // namespace platform
