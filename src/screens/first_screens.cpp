#include "screens/first_screens.h"

#include "platform/diag.h"
#include "platform/input.h"

std::shared_ptr<iEngineEcranTitre> ecrantitre;
std::shared_ptr<iEngineChoixConstituantsPersosMode> ecranintro;
std::shared_ptr<iEngineOptions1> ecranoptions1;
std::shared_ptr<iEngineOptions2> ecranoptions2;
std::shared_ptr<iEngineProfils> ecranprofils;
std::shared_ptr<iEngineFin> ecranfin;

void ResetScreenGlobals() {
    ecrantitre.reset();
    ecranintro.reset();
    ecranoptions1.reset();
    ecranoptions2.reset();
    ecranprofils.reset();
    ecranfin.reset();
}

namespace {

void SetClear(iEngine& screen, float r, float g, float b) {
    screen.clearRed = r;
    screen.clearGreen = g;
    screen.clearBlue = b;
}

} // namespace

// A soft sky blue behind the title.
iEngineEcranTitre::iEngineEcranTitre() { SetClear(*this, 120, 190, 235); }

int iEngineEcranTitre::OnUpdate() {
    // Escape on the title screen quits quietly.
    if (platform::KeyHits(27) > 0) {
        platform::Error(u"");
    }
    return 0;
}

iEngineChoixConstituantsPersosMode::iEngineChoixConstituantsPersosMode() {
    SetClear(*this, 250, 215, 120);
}

iEngineOptions1::iEngineOptions1() { SetClear(*this, 160, 220, 150); }

iEngineOptions2::iEngineOptions2() { SetClear(*this, 200, 170, 230); }

iEngineProfils::iEngineProfils() { SetClear(*this, 245, 170, 160); }

iEngineFin::iEngineFin() { SetClear(*this, 250, 235, 200); }
