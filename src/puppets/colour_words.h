#pragma once
// The nine colour words as the puppets and animals wear them: each time a word is applied, a
// colour is drawn anew within that word's ranges. The puppets number the words in their own
// order: rouge 0, vert 1, bleu 2, jaune 3, blanc 4, gris 5, violet 6, marron 7, rose 8 (never the
// vocabulary's order).
#include <array>

#include "platform/text.h"

using Couleur = std::array<int, 3>;

// Draws `couleur` from the word, component by component (red, green, blue). An empty word
// first draws one of the nine and gives its index; a word outside the nine leaves `couleur` as
// it was. The result is 99 for any word that is not empty.
int TireCouleur(const String& mot, Couleur& couleur);

// The puppets' index of a colour word; 0 for any other word, the empty one included.
int IndiceCouleur(const String& mot);
