#pragma once
// Debug lines of the sentence engine. The player never sees them: they go through the game's
// debug-line route (platform::Print), which tests may capture or silence.
#include <functional>

#include "platform/text.h"

using SentenceDebugSink = std::function<void(const String &)>;

void SentenceDebug(const String &line);
// Returns the previous sink. An empty sink restores standard output.
SentenceDebugSink SetSentenceDebugSink(SentenceDebugSink sink);
// Convenience for tests and benchmarks: drops every debug line.
void SilenceSentenceDebug();
