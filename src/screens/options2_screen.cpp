#include "screens/options2_screen.h"

std::shared_ptr<iEngineOptions2> ecranoptions2;

iEngineOptions2::iEngineOptions2() {
    clearRed = 200;
    clearGreen = 170;
    clearBlue = 230;
}
