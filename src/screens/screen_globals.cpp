#include "screens/screen_globals.h"

#include "screens/gallery_screen.h"
#include "screens/mode_screen.h"
#include "screens/sentence_feasibility.h"
#include "screens/setup_screens.h"

void ResetScreenGlobals() {
    ecrantitre.reset();
    ecranintro.reset();
    ecranoptions1.reset();
    ecranoptions2.reset();
    ecranprofils.reset();
    ecranfin.reset();
    ecrangalerie.reset();
    ecranchoixdujeu.reset();
    ecrannombreitems1.reset();
    ecrannombreitems2.reset();
    ResetGroupesOptions2();
    ResetPhrasesPossibles();
}
