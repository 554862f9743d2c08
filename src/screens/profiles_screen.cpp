#include "screens/profiles_screen.h"

std::shared_ptr<iEngineProfils> ecranprofils;

iEngineProfils::iEngineProfils() {
    clearRed = 245;
    clearGreen = 170;
    clearBlue = 160;
}
