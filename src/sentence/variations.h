#pragma once
// Substitution variants of a sentence: one word of a structure replaced by another word of the
// same kind that the child's options allow, and the garment rule that keeps a dress off a man
// and a shirt off a woman.
//
// The single-constituent substitutions work in two passes. A counting pass (apply false) returns
// the number of admissible words and changes nothing; an applying pass (apply true, 0 <= index <
// count) writes the word at that index. Both passes build the same list in the same order.
#include <vector>

#include "platform/text.h"
#include "sentence/structure_action.h"

// Marker of an object lying on the ground, appended to its code.
inline constexpr char16_t MarqueParTerre[] = u"|par_terre";

// The code without its "|par_terre" marker: two codes name the same word when these are equal.
String SansParTerre(const String& code);

// Whether person may be shown wearing garment: no "habit_robe_f" on a code ending in "_m", no
// "habit_chemise_f" on one ending in "_f". The garment is compared whole.
bool HabitConvient(const String& person, const String& garment);

// Replaces the colour of "ObjetComplementAdjectif1" or "ObjetComplementAdjectif2" by a ticked
// colour other than current and other. Returns the number of candidates.
int SubstitueAdjectif(StructureAction& structure, bool apply, int index, const String& role,
                      const String& current, const String& other);

// Replaces the verb of "Action", "VerbeComplement1" or "VerbeComplement2" by an enabled verb that
// differs from current and second, suits the verb's object and passes VerbesCompatibles with
// (Action?, candidate, second, context6, context7, context9). Applying also clears the object's
// colour unless it is a hat, a garment or an animal, draws a thrown object for a throw verb and
// places the objects. Leaves the verb working lists holding the candidates.
int substitueverbe(StructureAction& structure, bool apply, int index, const String& role,
                   const String& current, const String& second, const String& context6,
                   const String& context7, const String& object, const String& context9);

// Replaces the noun of one of "GroupeNominal1", "ObjetComplement1", "ObjetDonneLance1",
// "GroupeNominal2", "ObjetComplement2", "ObjetDonneLance2". governing is the verb whose subject
// or object the noun is ("null" for the subject), extension the verb of the noun's own relative
// clause. excluded[0] is the current noun, the others the sentence's other nouns; none is ever
// proposed. Leaves the noun working lists holding the candidates.
int SubstitueGroupeNominal(StructureAction& structure, bool apply, int index, const String& role,
                           const String& governing, const String& extension,
                           const std::vector<String>& excluded);

// Counts the single substitutions of source over all its roles and, when apply is true and there
// are at least as many as variants, gives each variant (a copy of source) a different one, in an
// order shuffled by MelangeTableauEntiers. Returns the count in both modes; counting does not
// read variants.
int SubsitueDansStructureaction(bool apply, const StructureAction& source,
                                std::vector<StructureAction>& variants, int unused = 0);
