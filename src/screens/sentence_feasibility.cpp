#include "screens/sentence_feasibility.h"

#include "sentence/generation.h"
#include "sentence/shuffles.h"
#include "sentence/structure_action.h"
#include "sentence/variations.h"

bool variationspossibles = true;

namespace {

// Enough draws that a selection allowing few sentences is still found out most of the time;
// the count is part of the random sequence, so it never changes.
constexpr int Tirages = 21;
// More than three: the fullest board shows a sentence and three variations of it.
constexpr int VariationsMin = 4;

} // namespace

PhrasesPossibles VerifiePhrasesPossibles() {
    PhrasesPossibles resultat;
    // Every draw writes the same structure, as the board does; the two slots only satisfy the
    // counting calls, which never write them.
    StructureAction structure;
    std::vector<StructureAction> substitutions(1);
    std::vector<StructureAction> bousculades(1);
    for (int i = 0; i < Tirages; ++i) {
        if (!GenereStructureAction(structure, false, true)) {
            continue;
        }
        resultat.phrases = true;
        const int n =
            SubsitueDansStructureaction(false, structure, substitutions) +
            BousculeStructureaction(false, structure.Passive, structure, bousculades, structure);
        if (n >= VariationsMin) {
            resultat.variations = true;
        }
    }
    variationspossibles = resultat.phrases && resultat.variations;
    return resultat;
}

void ResetPhrasesPossibles() { variationspossibles = true; }
