// The hand-over to the games, with a stand-in scene until the games exist.
#include "screens/game_start.h"

#include <memory>

#include "framework/engine.h"
#include "framework/frame_chain.h"
#include "game/phrase_scene.h"
#include "platform/input.h"
#include "screens/hub_screen.h"
#include "screens/menu_screen.h"

namespace {

class iEngineJeuProvisoire : public iEngine {
  public:
    iEngineJeuProvisoire(int r, int g, int b) {
        clearRed = static_cast<float>(r);
        clearGreen = static_cast<float>(g);
        clearBlue = static_cast<float>(b);
    }
    int OnUpdate() override {
        if (platform::KeyHits(27) > 0 || platform::TouchHits(0) > 0) {
            VaVersEcran(ecranintro);
        }
        return 0;
    }
};

std::shared_ptr<iEngine> jeuEnCours;

void Lance(int r, int g, int b) {
    jeuEnCours = std::make_shared<iEngineJeuProvisoire>(r, g, b);
    jeuEnCours->Create();
    SwitchScene(jeuEnCours);
}

} // namespace

void LanceSceneGlobale() { Lance(70, 110, 160); }

void LancePhraseAuChoix() { OuvrePhraseAuChoix(); }
