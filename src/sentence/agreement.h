#pragma once
// Putting French words together: elision, articles, colour agreement and the capital letter.
// They work on the word codes of the vocabulary ("perso_dame_f", "unemain_pomme_f|par_terre")
// and on the French words the lexicon gives for them. No state.
#include "platform/text.h"

// True when the word starts with a, e, é, è, ê, i, o, u or h (lower case only; h always counts,
// y never does).
bool CommenceParVoyelle(const String& word);

// True when the code names a feminine noun: its gender suffix, before any "|..." placement
// suffix, is "_f".
bool EstCodeFeminin(const String& code);

// The colour word agreed with the noun whose code is given: bleue, verte, grise, violette,
// blanche for a feminine noun; every other colour, and any colour of a masculine noun, unchanged.
String AccordeCouleur(const String& colour, const String& noun);

// The text with its first unit in upper case (upper true) or lower case; the rest unchanged.
String CasePremiereLettre(bool upper, const String& text);

// The article to write before a word made from a code: "le "/"la " before a person, "un "/"une "
// before anything else, "l'" instead of "le " before a vowel, "" for a code without gender.
String Article(const String& word, const String& code);
