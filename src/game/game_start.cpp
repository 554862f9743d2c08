// The games started from the menus.
#include "game/game_start.h"

#include "framework/frame_chain.h"
#include "game/main_scene.h"
#include "game/phrase_scene.h"
#include "platform/diag.h"

void LanceSceneGlobale() {
    auto jeu = std::make_shared<iEngineSceneGlobale>();
    jeu->Create();
    engine1 = jeu;
    platform::Print(u"engine1");
    SwitchScene(jeu);
}

void LancePhraseAuChoix() { OuvrePhraseAuChoix(); }
