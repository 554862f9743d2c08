// The set-up screens.
//
// Index: shared parts · the matching game's screen · the word-order game's screen
#include "screens/setup_screens.h"

#include <algorithm>
#include <utility>

#include "framework/shared_assets.h"
#include "gui/button_variants.h"
#include "gui/label.h"
#include "gui/screen_handover.h"
#include "platform/diag.h"
#include "platform/input.h"
#include "puppets/decor_playfields.h"
#include "puppets/screen_entry.h"
#include "screens/mode_screen.h"
#include "screens/profiles_screen.h"
#include "sentence/vocabulary.h"

std::shared_ptr<iEngineNombreItems1> ecrannombreitems1;
std::shared_ptr<iEngineNombreItems2> ecrannombreitems2;

namespace {

// The values and their arrows stand in one column; the headings are centred further left.
constexpr float ColonneValeurs = 800;
constexpr int ColonneTitres = 40;
constexpr float HautFlecheHaut = -100;
constexpr float BasFlecheBas = 20;
constexpr float HautPremierTitre = 150;
constexpr float EcartTitres = 140;
constexpr int EcartCommencer = 50;
constexpr float HautCommencerSeul = 688;

constexpr int Bleu[3] = {117, 160, 205};
constexpr CouleursBouton CouleursCommencer = {{117, 160, 205}, {210, 240, 220}, {210, 240, 220}};
constexpr CouleursBouton CouleursVariations = {{255, 238, 170}, {30, 40, 30}, {30, 40, 30}};

// Most rounds of a game; sentences and animations per board are stored one less than shown.
constexpr int ToursMax = 10;
constexpr int NombreMax = 3;

void Affiche(iGuiLabel& valeur, int n) {
    valeur.SetText(platform::Str(n));
    valeur.SetHandle(valeur.Width() / 2, 0);
}

// An arrow press moves the counter within its bounds; a press at a bound still clicks and
// bounces but changes nothing. True when one of the two arrows was pressed.
bool Compte(iGuiButton2& up, iGuiButton2& down, int& n, int min, int max, iGuiLabel& valeur,
            int decalage) {
    if (up.Clicked(true)) {
        n = std::min(n + 1, max);
    } else if (down.Clicked(true)) {
        n = std::max(n - 1, min);
    } else {
        return false;
    }
    Affiche(valeur, n + decalage);
    return true;
}

} // namespace

// ---- shared parts ----------------------------------------------------------------------------

int iEngineNombreItems::FabriqueFleches(const std::shared_ptr<iGuiButton2>& up,
                                        const std::shared_ptr<iGuiButton2>& down,
                                        const std::shared_ptr<iPlayfield>& playfield,
                                        const iGuiLabel& label) {
    for (const auto& [fleche, image] :
         {std::pair{up, u"fleche_up.png"}, std::pair{down, u"fleche_down.png"}}) {
        fleche->SetPlayfield(playfield);
        fleche->LoadImage(image);
        fleche->x = ColonneValeurs - fleche->Width() / 2;
        PoseBouton(*fleche);
        const auto [r, g, b] = Bleu;
        fleche->SetColor(r, g, b);
        fleche->SetMouseOverColor(r, g, b);
    }
    up->y = label.y + label.Height() + HautFlecheHaut;
    down->y = label.y + label.Height() + BasFlecheBas;
    return 0;
}

std::shared_ptr<iGuiLabel> iEngineNombreItems::Titre(const String& texte) {
    auto titre = std::make_shared<iGuiLabel>();
    titre->New();
    titre->SetPlayfield(decor);
    titre->SetFont(fontoregano48);
    titre->SetText(texte);
    // The furniture drifts under the white text: a dark rim keeps it readable.
    titre->outline.on = true;
    titre->SetXPercent(ColonneTitres);
    return titre;
}

std::shared_ptr<iGuiLabel> iEngineNombreItems::Valeur(int valeur, const iGuiLabel& titre) {
    auto label = std::make_shared<iGuiLabel>();
    label->New();
    label->SetPlayfield(decor);
    label->SetFont(fontoregano48);
    label->outline.on = true;
    label->x = ColonneValeurs;
    label->y = titre.y;
    Affiche(*label, valeur);
    return label;
}

void iEngineNombreItems::CreeCommencer() {
    commencerButton =
        NouveauBouton(decor, u"petitbouton1a.png", fontoregano30, u"commencer", CouleursCommencer);
    commencerButton->SetXPercent(50);
    PoseBouton(*commencerButton);
}

bool iEngineNombreItems::Sorties() {
    if (profileButton->Clicked(false)) {
        VaVersEcranAnnonce(ecranprofils);
        return true;
    }
    if (backButton->Clicked(false)) {
        VaVersEcranAnnonce(ecranchoixdujeu);
        return true;
    }
    return false;
}

// ---- the matching game's screen --------------------------------------------------------------

int iEngineNombreItems1::OnCreate() {
    ConstruitFondEtDecor(22, 89, 45, 27, 94, 50);
    toursLabel = Titre(u"nombre de tours");
    toursLabel->y = HautPremierTitre;
    toursUp = std::make_shared<iGuiButton2>();
    toursUp->New();
    toursDown = std::make_shared<iGuiButton2>();
    toursDown->New();
    FabriqueFleches(toursUp, toursDown, decor, *toursLabel);

    phrasesLabel = Titre(u"nombre de phrases");
    phrasesLabel->PlaceBelow(EcartTitres, *toursLabel);
    phrasesUp = std::make_shared<iGuiButton2>();
    phrasesUp->New();
    phrasesDown = std::make_shared<iGuiButton2>();
    phrasesDown->New();
    FabriqueFleches(phrasesUp, phrasesDown, decor, *phrasesLabel);

    animationsLabel = Titre(u"nombre d'animations");
    animationsLabel->PlaceBelow(EcartTitres, *phrasesLabel);
    toursValue = Valeur(nombredetours, *toursLabel);
    phrasesValue = Valeur(nombredephrases + 1, *phrasesLabel);
    animationsValue = Valeur(nombredanimations + 1, *animationsLabel);
    animationsUp = std::make_shared<iGuiButton2>();
    animationsUp->New();
    animationsDown = std::make_shared<iGuiButton2>();
    animationsDown->New();
    FabriqueFleches(animationsUp, animationsDown, decor, *animationsLabel);

    CreeCommencer();
    commencerButton->PlaceBelowPrevious(EcartCommencer);

    variationsLabel = std::make_shared<iGuiLabel>();
    variationsLabel->New();
    variationsLabel->SetPlayfield(decor);
    variationsLabel->SetFont(fontoregano30);
    variationsLabel->SetText(u"variations plutôt");
    variationsLabel->outline.on = true;
    variationsLabel->outline.width = 1.25f;
    variationsLabel->outline.alpha = 0.7f;
    variationsLabel->x = 10;
    variationsLabel->y = commencerButton->y + 6;

    variationsButton = std::make_shared<iGuiButton2Choix>();
    variationsButton->New();
    variationsButton->SetPlayfield(decor);
    HabilleBouton(*variationsButton, u"petitbouton1a.png", fontoregano30, u"", CouleursVariations);
    variationsButton->PlaceRightOfPrevious(10);
    PoseBouton(*variationsButton);
    variationsButton->y = commencerButton->y;
    variationsButton->SetState(choixvariations);

    CreateCommonButtons(decor);
    CorrigeNombres();
    return 0;
}

void iEngineNombreItems1::CorrigeNombres() {
    if (nombredephrases == 0 && nombredanimations == 0) {
        platform::Print(u"correction nombre items");
        nombredephrases = NombreMax;
        nombredanimations = NombreMax;
        Affiche(*phrasesValue, nombredephrases + 1);
        Affiche(*animationsValue, nombredanimations + 1);
    }
}

int iEngineNombreItems1::BasculeVariations() {
    const int suivant = (choixvariations + 1) % 2;
    variationsButton->SetState(suivant);
    return suivant;
}

int iEngineNombreItems1::OnUpdate() {
    EntreeEcran(background.get(), *decor, [this] {
        platform::Print(u"entrée nombre items 1");
        variationsButton->SetState(choixvariations);
        CorrigeNombres();
    });
    if (platform::KeyHits(27) > 0) {
        VaVersEcranAnnonce(ecranchoixdujeu);
    }
    if (commencerButton->Clicked(false)) {
        // One animation is a game of its own: the sentences are matched to a single picture.
        modedejeu = nombredanimations == 0 ? 1 : 0;
        platform::Print(modedejeu == 1 ? u"une seule anim" : u"plusieurs anims");
        TheScreenHandover.LanceSceneGlobale();
    }
    if (!Compte(*animationsUp, *animationsDown, nombredanimations, 0, NombreMax, *animationsValue,
                1) &&
        !Compte(*phrasesUp, *phrasesDown, nombredephrases, 0, NombreMax, *phrasesValue, 1) &&
        !Compte(*toursUp, *toursDown, nombredetours, 1, ToursMax, *toursValue, 0) && !Sorties() &&
        variationsButton->Clicked(true)) {
        choixvariations = BasculeVariations();
        seuilvariation = choixvariations == 0 ? 0.7f : 0.3f;
    }
    DeriveDecor(*decor);
    return 0;
}

// ---- the word-order game's screen ------------------------------------------------------------

int iEngineNombreItems2::OnCreate() {
    ConstruitFondEtDecor(22, 89, 45, 27, 94, 50);
    toursLabel = Titre(u"nombre de tours");
    toursLabel->SetYPercent(50);
    toursUp = std::make_shared<iGuiButton2>();
    toursUp->New();
    toursDown = std::make_shared<iGuiButton2>();
    toursDown->New();
    FabriqueFleches(toursUp, toursDown, decor, *toursLabel);
    toursValue = Valeur(nombredetours, *toursLabel);
    CreeCommencer();
    commencerButton->y = HautCommencerSeul;
    CreateCommonButtons(decor);
    return 0;
}

int iEngineNombreItems2::OnUpdate() {
    EntreeEcran(background.get(), *decor, [] { platform::Print(u"entrée nombre items 2"); });
    if (platform::KeyHits(27) > 0) {
        VaVersEcranAnnonce(ecranchoixdujeu);
    }
    if (commencerButton->Clicked(false)) {
        // One sentence on one animation per board.
        modedejeu = 2;
        nombredephrases = 0;
        nombredanimations = 0;
        TheScreenHandover.LanceSceneGlobale();
    }
    if (!Compte(*toursUp, *toursDown, nombredetours, 1, ToursMax, *toursValue, 0)) {
        Sorties();
    }
    DeriveDecor(*decor);
    return 0;
}
