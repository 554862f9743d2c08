#include "screens/end_screen.h"

std::shared_ptr<iEngineFin> ecranfin;

iEngineFin::iEngineFin() {
    clearRed = 250;
    clearGreen = 235;
    clearBlue = 200;
}
