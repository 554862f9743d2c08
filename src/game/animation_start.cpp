// Starting the main game on the child's sentence.
#include "game/animation_start.h"

#include "framework/frame_chain.h"
#include "game/main_scene.h"
#include "platform/diag.h"

std::shared_ptr<StructureAction> structureChoisie;
String phraseChoisie;

void LanceAnimationPhrase() {
    auto jeu = std::make_shared<iEngineSceneGlobale>();
    jeu->Create();
    engine1 = jeu;
    platform::Print(u"engine1");
    SwitchScene(jeu);
}
