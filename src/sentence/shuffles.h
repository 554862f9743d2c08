#pragma once
// Shuffle variants of a sentence: the same verbs, objects and colours with the persons in other
// places (who does what to whom).
#include <vector>

#include "sentence/structure_action.h"

// Counts the distinct shuffles of reference's persons that differ from reference and from
// avoided and dress nobody in a garment that does not suit. With build true and at least as many
// shuffles as slots, writes a different shuffle, drawn at random, into each slot (form flags all
// false, the reference's NombrePersos, its own Immobile); passive puts the first shuffle in the
// first slot. Nothing is drawn when counting. Returns the count.
int BousculeStructureaction(bool build, bool passive, const StructureAction& reference,
                            std::vector<StructureAction>& slots, const StructureAction& avoided);
