#pragma once
// Random drawing of one sentence structure under the enabled words and the option levels.
#include "sentence/structure_action.h"

// Overwrites structure (except its analysis flags) with a random structure. Returns the
// pronoun-move flag when returnMoveFlag is true, otherwise whether the generation succeeded.
// moveAllowed lets the generator build the structure for a moved relative pronoun.
// The option globals are the same after the call as before; propositionadjectif is written.
bool GenereStructureAction(StructureAction &structure, bool returnMoveFlag, bool moveAllowed);
