#pragma once
// Reading the clauses of a sentence the child composes from word tags: a relative clause
// introduced by "qui", and the throwing construction "lance <objet> sur/à <personne>".
// The sentence is the list of word codes of its slots, position 0 first; only positions 0 to
// `last` belong to it, every other position reads as the empty code.
#include <vector>

#include "platform/text.h"
#include "sentence/structure_action.h"
#include "sentence/vocabulary.h"

// The helpers of the check live in their own namespace: their names are too common to be
// left at global scope beside the game's.
namespace analyse {

// Which positions of the sentence the analysis has taken into a role, so that a word it never
// looked at can be reported. Optional everywhere: pass nullptr when nobody asks.
using MotsPris = std::vector<bool>;

// The word at position i, or "" outside 0..last and outside the slots.
String MotDe(const StringArray& phrase, int last, int i);

// --- Word tests of the check, on the code alone ---
bool EstPersonne(const String& mot);
// Any of the six noun categories, with their underscore.
bool EstNomCode(const String& mot);
// A noun that cannot be the subject (category prefix without underscore).
bool EstNomNonPersonne(const String& mot);
bool EstVerbeCode(const String& mot);
bool EstIntransitif(const String& mot);
bool EstRelatif(const String& mot);
bool EstVerbeLancer(const String& mot);
// The nine colour words, whatever colours the options enable.
bool EstCouleurMot(const String& mot);
// A hat, a garment or an animal: the nouns a colour may follow.
bool EstNomColorable(const String& mot);
// "sur", or a word holding "à".
bool EstPreposition(const String& mot);

} // namespace analyse

// Reads the relative clause whose verb is at position v; b is the position of the next verb (v
// itself when the clause runs to the end of the sentence). clause 1 fills the roles of the
// clause on the subject, clause 2 those of the clause on GroupeNominal2.
// Result "status|label|position": status "True", "False", "ManqueObjet" or, after a throwing
// verb, the status of parsedetectelancesur; label the last role filled
// ("objetcomplement1", "objetcomplementadjectif2", ...) or ""; position the last word taken.
String parsedetecteproposition(int v, int b, const StringArray& phrase, int last,
                               StructureAction& structure, int clause,
                               analyse::MotsPris* pris = nullptr);

// Reads the throwing construction after the throwing verb at position v (clause 0 the main
// clause, 1 and 2 as above). Result "" (not recognised), "True", "ManqueObjet" (no object to
// throw) or "ManquePersoObjet" (nobody to throw at or to).
String parsedetectelancesur(int v, int b, const StringArray& phrase, int last,
                            StructureAction& structure, int clause,
                            analyse::MotsPris* pris = nullptr);
