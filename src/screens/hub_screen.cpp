// The hub: set-up and per-frame hook.
#include "screens/hub_screen.h"

#include "framework/frame_chain.h"
#include "framework/shared_assets.h"
#include "gui/button_variants.h"
#include "platform/diag.h"
#include "platform/input.h"
#include "puppets/decor_playfields.h"
#include "puppets/screen_entry.h"
#include "screens/mode_screen.h"
#include "screens/screen_globals.h"

std::shared_ptr<iEngineChoixConstituantsPersosMode> ecranintro;

namespace {

constexpr int Escape = 27;

// The three big buttons, top to bottom: caption, tint and the centre of the button in percent
// of the canvas width, a little off the middle so that the column looks hand-placed.
struct GrosBouton {
    std::shared_ptr<iGuiButton2> iEngineChoixConstituantsPersosMode::*champ;
    const char16_t* legende;
    int teinte[3];
    int pourcent;
};
constexpr GrosBouton GrosBoutons[] = {
    {&iEngineChoixConstituantsPersosMode::BoutonConstituants,
     u"choisir les constituants syntaxiques",
     {232, 157, 70},
     50},
    {&iEngineChoixConstituantsPersosMode::BoutonPersos,
     u"choisir les personnages et les objets",
     {232, 157, 131},
     51},
    {&iEngineChoixConstituantsPersosMode::BoutonModeDeJeu,
     u"choisir un mode de jeu",
     {156, 157, 152},
     49},
};
constexpr int Legende[3] = {241, 228, 131};
constexpr float PremierY = 127;
constexpr int Ecart = 20;

void VersEcran(const std::shared_ptr<iScene>& ecran, const char16_t* nom) {
    platform::Print(nom);
    VaVersEcran(ecran);
}

} // namespace

int iEngineChoixConstituantsPersosMode::OnCreate() {
    ConstruitFondEtDecor(206, 222, 121, 211, 227, 126);
    // The hub is the first screen to show a decor: it draws the first pair of the run.
    decor->DecorAuHasard();

    bool premier = true;
    for (const auto& modele : GrosBoutons) {
        const auto [r, g, b] = modele.teinte;
        auto bouton = NouveauBouton(decor, u"grosbouton1a.png", fontoregano48, modele.legende,
                                    {{r, g, b},
                                     {Legende[0], Legende[1], Legende[2]},
                                     {Legende[0], Legende[1], Legende[2]}});
        bouton->SetXPercent(modele.pourcent);
        PoseBouton(*bouton);
        if (premier) {
            bouton->y = PremierY;
        } else {
            bouton->PlaceBelowPrevious(Ecart);
        }
        premier = false;
        this->*modele.champ = bouton;
    }

    CreateCommonButtons(decor);
    return 0;
}

int iEngineChoixConstituantsPersosMode::OnUpdate() {
    EntreeEcran(background.get(), *decor);

    if (platform::KeyHits(Escape) > 0) {
        VersEcran(ecrantitre, u"ecrantitre");
    }

    // One button per update, in this order; a button asked later may still be bouncing.
    if (BoutonModeDeJeu->Clicked(false)) {
        // Made afresh at each press; it takes up the decor in its own create hook.
        ecranchoixdujeu = std::make_shared<iEngineChoixDuMode>();
        ecranchoixdujeu->Create();
        platform::Print(u"ecranchoixdujeu");
        SwitchScene(ecranchoixdujeu);
    } else if (BoutonConstituants->Clicked(false)) {
        VersEcran(ecranoptions1, u"ecranoptions1");
    } else if (BoutonPersos->Clicked(false)) {
        VersEcran(ecranoptions2, u"ecranoptions2");
    } else if (profileButton->Clicked(false)) {
        VersEcran(ecranprofils, u"ecranprofils");
    } else if (backButton->Clicked(false)) {
        VersEcran(ecrantitre, u"ecrantitre");
    }

    DeriveDecor(*decor);
    return 0;
}
