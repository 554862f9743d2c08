#include "app/screen_handover_setup.h"

#include "game/game_start.h"
#include "gui/screen_handover.h"
#include "screens/mode_screen.h"
#include "screens/screen_globals.h"
#include "screens/setup_screens.h"

void InstallScreenHandover() {
    TheScreenHandover.ecranintro = []() -> std::shared_ptr<iEngineResizable> { return ecranintro; };
    TheScreenHandover.ecranchoixdujeu = []() -> std::shared_ptr<iEngineResizable> {
        return ecranchoixdujeu;
    };
    TheScreenHandover.ecrannombreitems1 = []() -> std::shared_ptr<iEngineResizable> {
        return ecrannombreitems1;
    };
    TheScreenHandover.ecranfin = []() -> std::shared_ptr<iEngineResizable> { return ecranfin; };
    TheScreenHandover.ecransDurables = [] {
        return std::vector<std::shared_ptr<iEngineResizable>>{
            ecrantitre, ecranoptions1, ecranoptions2, ecranintro, ecranprofils};
    };
    TheScreenHandover.LanceSceneGlobale = LanceSceneGlobale;
    TheScreenHandover.LancePhraseAuChoix = LancePhraseAuChoix;
}
