#pragma once
// What may come next in the build-a-sentence game: the nouns a verb may take, and the
// grammatical function the analysed sentence has reached at its end.
#include "platform/text.h"
#include "sentence/structure_action.h"

// Fills ListeComplementsPossibles with the enabled nouns that may follow verbe, in the order of
// the noun working lists (persons, one-hand objects, two-hand objects, animals; garments then
// hats for "h_wear"). dejaPorte is what the wearer already wears ("habit..." rules out the
// garments, "chapeau..." the hats), or "". A verb with no complement leaves the list empty.
void ComplementsPossibles(const String& verbe, const String& dejaPorte);

// The function reached by the last word of the sentence analysed into s by AnalysePhrase:
// "GN1", "action", "GN2", "ObjetDonneLance1_GN2", "GNcomplement1", "adjectifcomplement1",
// "ObjetDonneLance1_Complement1", "GNcomplement2", "adjectifcomplement2", "ObjetDonneLance2",
// "verbecomplement1", "verbecomplement2", or "" when none applies. Changes nothing.
String FonctionDerniere(const StructureAction& s);
