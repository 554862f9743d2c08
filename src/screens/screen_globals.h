#pragma once
// The six long-lived screens that the application creates at start and keeps in globals.
#include "screens/end_screen.h"
#include "screens/hub_screen.h"
#include "screens/options1_screen.h"
#include "screens/options2_screen.h"
#include "screens/profiles_screen.h"
#include "screens/title_screen.h"

// Every screen global back to none and the menus' flags to their start values (tests). The
// games' globals have their own resets (ResetMainSceneGlobals, ResetPhraseGlobals).
void ResetScreenGlobals();
