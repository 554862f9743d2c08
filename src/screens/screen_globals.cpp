#include "screens/screen_globals.h"

#include "screens/sentence_feasibility.h"

void ResetScreenGlobals() {
    ecrantitre.reset();
    ecranintro.reset();
    ecranoptions1.reset();
    ecranoptions2.reset();
    ecranprofils.reset();
    ecranfin.reset();
    ResetPhrasesPossibles();
}
