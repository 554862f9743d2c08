#pragma once
// The error routine and the debug lines.
#include <functional>
#include <stdexcept>

#include "platform/text.h"

namespace platform {

// Thrown by Error and caught by the main loop (or a test) so that the program ends cleanly:
// an empty message is a quiet quit with exit code 0, anything else a failure.
struct QuitSignal {
    String message;
    int exitCode = 0;
};

[[noreturn]] void Error(const String& message);

// One debug line on standard output (UTF-8, flushed). Tests may capture or silence them.
void Print(const String& line);
using PrintSink = std::function<void(const String&)>;
// Returns the previous sink; an empty sink restores standard output.
PrintSink SetPrintSink(PrintSink sink);

// Reports a problem on standard error, every time.
void Warn(const String& message);
// Reports a problem once per key on standard error (missing asset files and the like).
void WarnOnce(const String& key, const String& message);
void ResetWarnings();

} // namespace platform
