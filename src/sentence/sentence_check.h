#pragma once
// The check of a sentence the child composes from word tags in the build-a-sentence game.
#include "platform/text.h"
#include "sentence/structure_action.h"
#include "sentence/vocabulary.h"

// Analyses the word codes of the sentence slots 0 to last (last = -1 for an empty sentence;
// slots after last, and slots missing from the array, read as empty). The structure is reset
// with Vide, then given the roles and analysis flags found. Returns the remarks for the child,
// French sentences each ending with "\n"; "" when nothing is wrong.
String AnalysePhrase(int last, const StringArray& phrase, StructureAction& structure);
