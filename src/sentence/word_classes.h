#pragma once
// Classifying one word code of a sentence the child composes. EstPronomRelatif and EstCouleur
// look in the working lists (the words the options enable); EstVerbe and CategorieNom read only
// the code's prefix, so they accept any code of the right shape, enabled or not.
#include "platform/text.h"

// The word is one of the enabled relative pronouns (working list Qui).
bool EstPronomRelatif(const String& word);

// The word is one of the enabled colours (working list Couleurs).
bool EstCouleur(const String& word);

// The word is a verb code by its valency prefix; intransitive verbs ("i_") count only when
// sansIntransitifs is false.
bool EstVerbe(const String& word, bool sansIntransitifs);

// The kind of noun a code names: 1 masculine person, 2 feminine person, 3 one-hand object,
// 4 two-hand object, 5 animal, 6 garment, 7 hat, 0 not a noun.
int CategorieNom(const String& word);
