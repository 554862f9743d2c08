#include "screens/gallery_start.h"

#include <memory>

#include "framework/engine.h"
#include "framework/frame_chain.h"
#include "platform/input.h"
#include "screens/profiles_screen.h"

namespace {

constexpr int Escape = 27;

class GalerieEnAttente : public iEngine {
  public:
    GalerieEnAttente() {
        clearRed = 70;
        clearGreen = 110;
        clearBlue = 150;
    }
    int OnUpdate() override {
        if (platform::KeyHits(Escape) > 0 || platform::TouchHits(0) > 0) {
            SwitchScene(ecranprofils);
        }
        return 0;
    }
};

} // namespace

void OuvreGalerie() {
    auto galerie = std::make_shared<GalerieEnAttente>();
    galerie->Create();
    SwitchScene(galerie);
}
