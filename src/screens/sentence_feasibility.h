#pragma once
// Whether the words and constructions the child enabled still allow sentences, and variations
// of them. Options screen 2 asks before the child leaves it, and loading a profile asks again,
// so that the game-mode screen never offers a game whose board cannot be built.
#include <vector>

// False when the enabled words allow no sentence or no variation of a sentence: the matching
// game then cannot fill a board. True at start.
extern bool variationspossibles;

struct PhrasesPossibles {
    // At least one of the draws gave a sentence.
    bool phrases = false;
    // At least one of those sentences has more than three variations.
    bool variations = false;
};

// Draws 21 sentences from the shared generator, always all 21, and counts the variations of
// each one that succeeds (counting draws nothing). Sets variationspossibles to
// phrases && variations.
PhrasesPossibles VerifiePhrasesPossibles();

// variationspossibles back to its start value (tests).
void ResetPhrasesPossibles();
