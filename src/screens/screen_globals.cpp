#include "screens/screen_globals.h"

void ResetScreenGlobals() {
    ecrantitre.reset();
    ecranintro.reset();
    ecranoptions1.reset();
    ecranoptions2.reset();
    ecranprofils.reset();
    ecranfin.reset();
}
