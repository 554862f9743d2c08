#pragma once
// A board of the matching and ordering games: a first random structure and its variants, each
// written in French.
#include <vector>

#include "platform/text.h"
#include "sentence/structure_action.h"

// Permutes the array in place: position after position takes an element drawn from those not
// yet placed (one random step each). An empty array stays as it is.
void MelangeTableauEntiers(std::vector<int>& tableau);

// How many times a board is drawn again, at most, before it is built with what is possible.
inline constexpr int TableauxMax = 200;

// The arrays of a board, which the game scene owns (or derives from). Element 0 is the first
// structure and its text; elements 1 to max(nombredanimations, nombredephrases) its variants:
// first the substitution variants, then the shuffle variants.
struct SentenceBoardHost {
    std::vector<StructureAction> structures = std::vector<StructureAction>(4);
    std::vector<String> phrases = std::vector<String>(4);

    // What the last board holds: its substitution and shuffle variants, and the pronoun-move
    // code of its first structure (0 none, 1 relative moved, 2 form changed).
    int nombreDeSubstitutions = 0;
    int nombreDePermutations = 0;
    int codeDeplacement = 0;

    // Builds a new board from the option globals and the board settings. Returns false when
    // the options did not allow the board asked for within TableauxMax draws: the board then
    // holds fewer sentences and animations, and nombredephrases and nombredanimations say how
    // many (minus one) until the next board, which asks again for the numbers first set. With
    // no sentence possible at all the board holds one empty structure and an empty text.
    bool HasardStructuresEtPhrases();

  private:
    // The numbers a cut-short board could not give, asked for again by the next board unless
    // the set-up changed them in between.
    bool reduit = false;
    int animationsDemandees = 0;
    int phrasesDemandees = 0;
    int animationsReduites = 0;
    int phrasesReduites = 0;
};
