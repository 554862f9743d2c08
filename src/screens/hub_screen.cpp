#include "screens/hub_screen.h"

std::shared_ptr<iEngineChoixConstituantsPersosMode> ecranintro;

iEngineChoixConstituantsPersosMode::iEngineChoixConstituantsPersosMode() {
    clearRed = 250;
    clearGreen = 215;
    clearBlue = 120;
}
