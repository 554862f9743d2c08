#pragma once
// The globals of the main game, apart from the scene's class so that others can hold or reset
// them without the board's headers.
#include <memory>

class iEngineSceneGlobale;

// The running game, and the boards answered right in a row (from game to game until a wrong
// answer or the game is left).
extern std::shared_ptr<iEngineSceneGlobale> engine1;
extern int reponsesdesuite;

// engine1 and the streak back to their start values (tests).
void ResetMainSceneGlobals();
