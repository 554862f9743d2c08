#include "sentence/sentence_debug.h"

#include "platform/diag.h"

// The engine's debug lines are the game's debug lines: one route, one sink.
void SentenceDebug(const String &line) { platform::Print(line); }

SentenceDebugSink SetSentenceDebugSink(SentenceDebugSink newSink) {
    return platform::SetPrintSink(std::move(newSink));
}

void SilenceSentenceDebug() {
    SetSentenceDebugSink([](const String &) {});
}
