#include "screens/hub_screen.h"
#include "app/mon_app.h"
#include "gui/engine_resizable.h"
