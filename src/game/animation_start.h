#pragma once
// The hand-over of the child's sentence to the main game, which acts it out (game mode 3).
#include <memory>

#include "platform/text.h"
#include "sentence/structure_action.h"

// The sentence to act out: the build-a-sentence scene's own structure (not a copy; it keeps
// that scene alive while held) and its French text. Written by "voir l'animation".
extern std::shared_ptr<StructureAction> structureChoisie;
extern String phraseChoisie;

// Starts the main game (kept in engine1) that acts out structureChoisie and phraseChoisie; it
// becomes current at the next frame, and quitting it leads back to ecranchoixdephrase.
void LanceAnimationPhrase();
