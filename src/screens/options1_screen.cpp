#include "screens/options1_screen.h"

std::shared_ptr<iEngineOptions1> ecranoptions1;

iEngineOptions1::iEngineOptions1() {
    clearRed = 160;
    clearGreen = 220;
    clearBlue = 150;
}
