#pragma once
// The lexicon: the French text a child sees for a word or verb code, and the synonyms that let
// one board say "femme" where another says "dame".
#include "platform/text.h"

// synonyme: use the synonym currently drawn for codes that have a synonym list.
// formeactive: false asks for the passive of the verbs that have one (others ignore it).
// Object codes match by prefix, so "unemain_pomme_f|par_terre" gives "pomme"; persons, animals
// and verbs match whole. A code the lexicon does not hold gives "", except that a code holding
// "à" comes back unchanged.
String MotFrancais(bool synonyme, bool formeactive, const String& code);

// Whether the verb has a passive form in the lexicon ("po_regarder", "p_poursuivre",
// "p_lancer sur", "p_portersurepaules"): a sentence is put in the passive only with one of them.
bool AUnPassif(const String& verbe);

// Draws the current synonym of each of the eighteen synonym lists, in their fixed order:
// exactly one random step per list.
void TireSynonymes();

// The sentence without the markers "(vrai) " and "(faux) " that tell a real elephant from a toy
// one, unless it holds both: alone, an elephant needs no marker.
String SansReperesElephants(const String& phrase);
