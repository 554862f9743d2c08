// Click test, bounce and choice captions of the game's buttons.
#include "gui/button_variants.h"

#include <algorithm>
#include <cmath>

#include "framework/playfield.h"
#include "framework/shared_assets.h"
#include "platform/audio.h"
#include "platform/diag.h"
#include "platform/input.h"

namespace {

// The bounce steps in hundredths, so that it lasts the same 11 frames whatever rounding the
// scale picks up: 1.00 down by 0.02 to below 0.90, then up by 0.02 to above 0.97.
constexpr int BounceStep = 2;
constexpr int BounceLowest = 90;
constexpr int BounceHighest = 97;

} // namespace

bool iGuiButton2::PointerInside() const {
    const float px = PointerX();
    const float py = PointerY();
    return x < px && px < x + Width() && y < py && py < y + Height();
}

bool iGuiButton2::OnItsPage() const {
    if (GetParent()) {
        return true;
    }
    const auto holder = playfield.lock();
    if (!holder) {
        return false;
    }
    return std::any_of(holder->guiPages.begin(), holder->guiPages.end(),
                       [this](const auto& page) { return page && page->IndexOf(this) >= 0; });
}

bool iGuiButton2::PressedInside() const {
    return platform::TouchHits(0) != 0 && OnItsPage() && PointerInside();
}

bool iGuiButton2::Clicked(bool immediate) {
    if (platform::TouchHits(0) != 0 && status == 1 && OnItsPage() && PointerInside()) {
        // One press reaches one button.
        platform::ResetInput();
        if (sonpop1 && !sonpop1->samples.empty()) {
            platform::PlaySound(sonpop1, 3, 0);
        }
        bouncing = true;
        shrinking = true;
        bounceScale = 1.0f;
        return immediate;
    }
    if (bouncing) {
        Bounce();
        return !immediate && !shrinking && bounceScale > 0.97f;
    }
    return false;
}

void iGuiButton2::Bounce() {
    // Screens start bounces themselves by writing bounceScale, so read the step back from it.
    int scale = static_cast<int>(std::lround(bounceScale * 100.0f));
    if (shrinking) {
        scale -= BounceStep;
        if (scale < BounceLowest) {
            shrinking = false;
        }
    } else {
        scale += BounceStep;
        if (scale > BounceHighest) {
            bouncing = false;
            shrinking = false;
        }
    }
    bounceScale = static_cast<float>(scale) / 100.0f;
    scaleX = bounceScale;
    scaleY = bounceScale;
    x = baseX + (baseWidth - Width()) * 0.5f;
}

int iGuiButton2Choix::SetState(int n) {
    state = n;
    if (n == 0) {
        SetText(u"syntaxiques");
    } else if (n == 1) {
        SetText(u"lexicales");
    }
    CenterText(0, 0);
    platform::Print(u"iGuiButton2Choix state " + platform::Str(n));
    return 0;
}

int iGuiButton3Choix::SetState(int n) {
    state = n;
    if (n == 0) {
        SetText(u" non ");
    } else if (n == 1) {
        SetText(u"pourquoi pas");
    } else if (n == 2) {
        SetText(u"si possible");
    }
    CenterText(0, 0);
    platform::Print(u"iGuiButton3Choix state " + platform::Str(n));
    return 0;
}
