// The letterboxed base screen.
#include "gui/engine_resizable.h"

#include "framework/graphics_state.h"
#include "framework/playfield.h"
#include "framework/shared_assets.h"
#include "gui/button_variants.h"
#include "gui/image_widget.h"
#include "gui/screen_handover.h"
#include "platform/diag.h"

namespace {

constexpr int LogoPercent = 95;
constexpr float LogoY = 8;
constexpr float RightMargin = 12;
constexpr float BottomMargin = 6;
constexpr float ButtonGap = 6;

} // namespace

void iEngineResizable::FitMenuScreens() {
    for (const auto& screen : TheScreenHandover.ecransDurables()) {
        if (screen) {
            FitToWindow(screen->BackgroundPlayfield(), screen->MainPlayfield());
        }
    }
}

bool iEngineResizable::RefitIfWindowChanged(iPlayfield* background, iPlayfield* main) {
    const int w = WindowWidth();
    const int h = WindowHeight();
    if (!main || w <= 0 || h <= 0 || (main->viewportWidth == w && main->viewportHeight == h)) {
        return false;
    }
    FitToWindow(background, main);
    return true;
}

int iEngineResizable::AddLogo(const std::shared_ptr<iPlayfield>& target) {
    // A screen that forgot its logo still gets one rather than a crash.
    if (!logo) {
        logo = std::make_shared<iGuiImage>();
        logo->New();
    }
    logo->SetImage(imglogo);
    platform::Print(platform::Str(static_cast<double>(logo->Width())) + u" oioioioioio " +
                    platform::Str(static_cast<double>(target ? target->ViewportWidth() : 0.0f)));
    logo->SetPlayfield(target);
    logo->SetXPercent(LogoPercent);
    logo->y = LogoY;
    return 0;
}

int iEngineResizable::CreateCommonButtons(const std::shared_ptr<iPlayfield>& target) {
    profileButton = std::make_shared<iGuiButton2>();
    profileButton->New();
    profileButton->SetPlayfield(target);
    profileButton->LoadImage(u"boutonprofil.png");
    profileButton->x = CanvasWidth - profileButton->Width() - RightMargin;
    profileButton->baseX = profileButton->x;
    profileButton->baseWidth = profileButton->Width();
    profileButton->y = CanvasHeight - profileButton->Height() - BottomMargin;

    backButton = std::make_shared<iGuiButton2>();
    backButton->New();
    backButton->SetPlayfield(target);
    backButton->LoadImage(u"boutonflecheback.png");
    backButton->x =
        CanvasWidth - RightMargin - ButtonGap - profileButton->Width() - backButton->Width();
    backButton->baseX = backButton->x;
    backButton->baseWidth = backButton->Width();
    backButton->y = CanvasHeight - backButton->Height() - BottomMargin;
    return 0;
}
