// The hub: set-up, per-frame hook, drawing and resize.
#include "screens/hub_screen.h"

#include "framework/frame_chain.h"
#include "framework/shared_assets.h"
#include "gui/button_variants.h"
#include "gui/image_widget.h"
#include "platform/diag.h"
#include "platform/input.h"
#include "puppets/decor_playfields.h"
#include "screens/screen_entry.h"
#include "screens/screen_globals.h"

std::shared_ptr<iEngineChoixConstituantsPersosMode> ecranintro;

namespace {

constexpr int Escape = 27;

// The three big buttons, top to bottom: caption, tint (also under the pointer) and the centre
// of the button in percent of the canvas width, a little off the middle so that the column
// looks hand-placed.
struct GrosBouton {
    std::shared_ptr<iGuiButton2> iEngineChoixConstituantsPersosMode::*champ;
    const char16_t* legende;
    float rouge, vert, bleu;
    int pourcent;
};
constexpr GrosBouton GrosBoutons[] = {
    {&iEngineChoixConstituantsPersosMode::BoutonConstituants,
     u"choisir les constituants syntaxiques", 232, 157, 70, 50},
    {&iEngineChoixConstituantsPersosMode::BoutonPersos, u"choisir les personnages et les objets",
     232, 157, 131, 51},
    {&iEngineChoixConstituantsPersosMode::BoutonModeDeJeu, u"choisir un mode de jeu", 156, 157, 152,
     49},
};
constexpr float PremierY = 127;
constexpr int Ecart = 20;

// The screens made at start do their entry work when they see NouvelEcran.
void VersEcran(const std::shared_ptr<iScene>& ecran, const char16_t* nom) {
    NouvelEcran = true;
    platform::Print(nom);
    SwitchScene(ecran);
}

} // namespace

int iEngineChoixConstituantsPersosMode::OnCreate() {
    LoadSharedAssets();

    Fond = std::make_shared<iPlayfieldFond>();
    Fond->New();
    Fond->AddToEngine(*this);
    Fond->FixeCouleur(false, 206, 222, 121);

    Decor = std::make_shared<iPlayfieldDecore>();
    Decor->New();
    Decor->AddToEngine(*this);
    FitToWindow(Fond.get(), Decor.get());
    Decor->SetClearColor(211, 227, 126);

    logo = std::make_shared<iGuiImage>();
    logo->New();
    AddLogo(Decor);

    // The hub is the first screen to show a decor: it draws the first pair of the run.
    InstalleDecor(*Decor, true);

    bool premier = true;
    for (const auto& modele : GrosBoutons) {
        auto bouton = std::make_shared<iGuiButton2>();
        bouton->New();
        bouton->SetPlayfield(Decor);
        bouton->LoadImage(u"grosbouton1a.png");
        bouton->SetColor(modele.rouge, modele.vert, modele.bleu);
        bouton->SetMouseOverColor(modele.rouge, modele.vert, modele.bleu);
        bouton->SetFont(fontoregano48);
        bouton->SetText(modele.legende);
        bouton->SetTextRed(241);
        bouton->SetTextGreen(228);
        bouton->SetTextBlue(131);
        bouton->SetTextMouseOverRed(241);
        bouton->SetTextMouseOverGreen(228);
        bouton->SetTextMouseOverBlue(131);
        bouton->CenterText(0, 0);
        bouton->SetXPercent(modele.pourcent);
        bouton->baseX = bouton->x;
        bouton->baseWidth = bouton->Width();
        if (premier) {
            bouton->y = PremierY;
        } else {
            bouton->PlaceBelowPrevious(Ecart);
        }
        premier = false;
        this->*modele.champ = bouton;
    }

    CreateCommonButtons(Decor);
    return 0;
}

int iEngineChoixConstituantsPersosMode::OnUpdate() {
    EntreeEcran(Fond.get(), *Decor);

    if (platform::KeyHits(Escape) > 0) {
        VersEcran(ecrantitre, u"ecrantitre");
    }

    // One button per update, in this order; a button asked later may still be bouncing.
    if (BoutonModeDeJeu->Clicked(false)) {
        // The game-mode screen is made afresh at each press and restores the decor itself.
        platform::Print(u"ecranchoixdujeu");
    } else if (BoutonConstituants->Clicked(false)) {
        VersEcran(ecranoptions1, u"ecranoptions1");
    } else if (BoutonPersos->Clicked(false)) {
        VersEcran(ecranoptions2, u"ecranoptions2");
    } else if (profileButton->Clicked(false)) {
        VersEcran(ecranprofils, u"ecranprofils");
    } else if (backButton->Clicked(false)) {
        VersEcran(ecrantitre, u"ecrantitre");
    }

    DeriveDecor(*Decor);
    return 0;
}

int iEngineChoixConstituantsPersosMode::OnRenderHook() {
    // Under the widgets of the canvas; the background clears over anything drawn on it.
    if (currentPlayfield == Decor) {
        DessineDecor(*Decor);
    }
    return 0;
}

int iEngineChoixConstituantsPersosMode::OnResize() {
    FitToWindow(Fond.get(), Decor.get());
    FitMenuScreens();
    return 0;
}

iPlayfield* iEngineChoixConstituantsPersosMode::BackgroundPlayfield() { return Fond.get(); }
iPlayfield* iEngineChoixConstituantsPersosMode::MainPlayfield() { return Decor.get(); }
