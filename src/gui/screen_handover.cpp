#include "gui/screen_handover.h"

ScreenHandover TheScreenHandover;
