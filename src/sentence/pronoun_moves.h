#pragma once
// The special variant of a board's first sentence: the same words telling something else,
// because the relative clause moved from the agent to the patient or back, or because a passive
// or a "que" relative was rewritten in the active voice or with "qui".
#include "sentence/structure_action.h"

// Codes returned by ChoisitDeplacementPronom.
inline constexpr int PasDeDeplacement = 0;
inline constexpr int PronomDeplace = 1;
inline constexpr int FormeChangee = 2;

// Takes exactly one random step. Writes into variant (a freshly constructed structure) only
// when the result is not 0; reference is never changed. Reads modedejeu and choixvariations.
int ChoisitDeplacementPronom(const StructureAction& reference, StructureAction& variant);
