#pragma once
// Working lists built from the check-box flags, and the tests that say beforehand whether a kind
// of sentence can be built from what is enabled.
#include "platform/text.h"

// Give the verb (resp. noun) working lists the length of their full lists, keeping the entries
// that fit and filling new slots with "".
void ReinitialiseListesVerbes();
void ReinitialiseListesNoms();

// Rebuilds Persos, Habits, Chapeaux, ObjetsUneMain, ObjetsDeuxMains, Animaux, Couleurs and Qui as
// their enabled entries in full-list order; Persos only when persosok >= 1 (else it ends empty).
// Returns "0".
String FiltreListes(int persosok);

// Rebuilds the eleven verb working lists as the enabled verbs allowed by the levels:
// renversablesok 0/1/2 the clause may not / may / must have a person as patient; objetok 0/1/2
// it may not / may / must have a patient; avecadjectif keeps only verbs whose patient can take a
// colour. Returns "0".
String filtreverbe(int renversablesok, int objetok, bool avecadjectif);

// Read only the flags, change nothing.
bool TransitifObjetPossible();
bool TransitifPersoPossible();
bool TransitifPossible();
bool IntransitifPossible();
bool AdjectifsPossibles();
