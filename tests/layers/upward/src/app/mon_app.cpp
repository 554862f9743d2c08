#include "screens/hub_screen.h"
#include "game/game_start.h"
