#pragma once
// Writing a sentence structure as a French sentence.
#include "platform/text.h"
#include "sentence/structure_action.h"

// Word-order markup of the ordering game: "**" ends a word group (a future word tag), the clause
// marker before it tells which clause the group belongs to, and the verb markers flag a verb
// displaced in a "que" clause.
inline constexpr char16_t MarqueFinEtiquette[] = u"**";
inline constexpr char16_t MarquePropositionA[] = u"\\PROPA";
inline constexpr char16_t MarquePropositionB[] = u"\\PROPB";
inline constexpr char16_t MarqueVerbeApresQue[] = u"|verbeapresque|";
inline constexpr char16_t MarqueVerbeVersLaFin[] = u"|verbeverslafin|";

// The sentence of a structure, with a capital and a full stop. useCurrentSynonyms takes each
// word's current synonym (else its base word); markup inserts the tokens above.
// Active, passive (embedded or at the end, with or without emphasis on the agent) and relative
// "que" / "sur lequel" / "à qui" forms are chosen from the structure's form flags; a structure
// both passive and relative has no form and gives "." alone.
String PhraseDeStructure(bool useCurrentSynonyms, const StructureAction& structure, bool markup);

// Whether "C'est" would be misread: the noun it puts forward also has a clause of its own, so
// one of its two clauses starts right after the other one's words and reads as said of the
// last noun there ("C'est le bonhomme qui prend une caisse qui regarde un chien"). The noun put
// forward is the agent in the active and after "C'est par", the patient in the other passive
// and in the "que" relative. False for a structure without "C'est".
bool PresentatifEquivoque(const StructureAction& structure);
