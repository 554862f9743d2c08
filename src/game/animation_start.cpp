// Starting the main game on the child's sentence. Until the main game scene exists, a plain
// screen shows the sentence and goes back to the sentence frame on Escape or a click.
#include "game/animation_start.h"

#include "framework/frame_chain.h"
#include "framework/playfield.h"
#include "framework/shared_assets.h"
#include "game/phrase_scene.h"
#include "gui/text_field.h"
#include "platform/diag.h"
#include "platform/input.h"
#include "screens/engine_resizable.h"

std::shared_ptr<StructureAction> structureChoisie;
String phraseChoisie;

namespace {

class ScenePhraseJouee : public iEngineResizable {
  public:
    std::shared_ptr<iPlayfield> fond;
    std::shared_ptr<iPlayfield> scene;

    int OnCreate() override {
        fond = std::make_shared<iPlayfield>()->New();
        fond->AddToEngine(*this);
        fond->SetClearColor(250, 55, 75);
        scene = std::make_shared<iPlayfield>()->New();
        scene->AddToEngine(*this);
        FitToWindow(fond.get(), scene.get());
        scene->SetClearColor(255, 238, 170);
        auto texte = std::make_shared<iGuiTextField>();
        texte->New();
        texte->SetFont(fontoregano48);
        texte->SetWidth(CanvasWidth - 200);
        texte->SetCentred(true);
        texte->SetText(phraseChoisie);
        texte->SetPosition(100, CanvasHeight / 2 - 30);
        texte->SetColor(20, 20, 20);
        texte->SetPlayfield(scene);
        return 0;
    }
    int OnUpdate() override {
        RefitIfWindowChanged(fond.get(), scene.get());
        if (platform::KeyHits(27) != 0 || platform::TouchHits(0) != 0) {
            platform::Print(u"ecranchoixdephrase");
            SwitchScene(ecranchoixdephrase);
        }
        return 0;
    }
    int OnResize() override {
        FitToWindow(fond.get(), scene.get());
        return 0;
    }
    iPlayfield* BackgroundPlayfield() override { return fond.get(); }
    iPlayfield* MainPlayfield() override { return scene.get(); }
};

} // namespace

void LanceAnimationPhrase() {
    auto jeu = std::make_shared<ScenePhraseJouee>();
    jeu->Create();
    platform::Print(u"engine1");
    SwitchScene(jeu);
}
