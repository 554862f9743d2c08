#include "screens/title_screen.h"

#include "platform/diag.h"
#include "platform/input.h"

std::shared_ptr<iEngineEcranTitre> ecrantitre;

iEngineEcranTitre::iEngineEcranTitre() {
    clearRed = 120;
    clearGreen = 190;
    clearBlue = 235;
}

int iEngineEcranTitre::OnUpdate() {
    // Escape on the title screen quits quietly.
    if (platform::KeyHits(27) > 0) {
        platform::Error(u"");
    }
    return 0;
}
