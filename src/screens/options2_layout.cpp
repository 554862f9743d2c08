// Options screen 2: the table of words and groups, and the list built from it.
#include "screens/options2_table.h"

#include "framework/shared_assets.h"
#include "gui/button_variants.h"
#include "gui/check_box.h"
#include "gui/label.h"
#include "gui/prototype_skin.h"
#include "gui/scroll_box.h"
#include "gui/slider.h"
#include "puppets/decor_playfields.h"
#include "screens/menu_message.h"
#include "sentence/vocabulary.h"

bool groupepersos = true;
bool groupeactions = true;
bool groupeobjets = true;
bool groupeanimaux = true;
bool groupehabits = true;
bool groupecouleurs = true;

void ResetGroupesOptions2() {
    for (bool* groupe : {&groupepersos, &groupeactions, &groupeobjets, &groupeanimaux,
                         &groupehabits, &groupecouleurs}) {
        *groupe = true;
    }
}

namespace {

using E = iEngineOptions2;

// Gaps of the list: between groups, from a group's label to its first row, between rows, from
// a box to its label. A word's own gap to the label before it is in the table.
constexpr int EcartGroupe = 40;
constexpr int EcartPremiereLigne = 30;
constexpr int EcartLigne = 20;
constexpr int EcartEtiquette = 20;
constexpr float MargeGauche = 50;
constexpr float HautTitre = 50;
// The list: x 25 to 1255 on the canvas, its slider just right of it. It stops a little above
// the canvas's bottom edge, so that "retour" at its end never touches the window's edge, and
// its slider starts below the logo.
constexpr int LargeurListe = 1230;
constexpr int HauteurListe = 752;
constexpr float GaucheListe = 25;
constexpr int HautGlissiere = 76;
constexpr int BasGlissiere = 4;

} // namespace

// Word rows in the order they are shown. Four words stand elsewhere than in the vocabulary
// ("marteau", "gâteau", "T-shirt", "rose" the colour); the index keeps each on its own flag.
const std::vector<GroupeDeMots>& GroupesOptions2() {
    static const std::vector<GroupeDeMots> groupes = {
        {u"Personnages",
         &groupepersos,
         &E::persosGroupBox,
         &E::persosGroupLabel,
         {{&PersosCoches, &E::persosBoxes, &E::persosLabels}},
         {{u"dame", 0, 0, 0},
          {u"monsieur", 0, 1, 50},
          {u"petit garçon", 0, 2, 50},
          {u"petite fille", 0, 3, 50}}},
        {u"Actions",
         &groupeactions,
         &E::actionsGroupBox,
         &E::actionsGroupLabel,
         {{&VerbesIntransitifsCoches, &E::intransitifsBoxes, &E::intransitifsLabels},
          {&VerbeJouerMusiqueCoches, &E::jouerMusiqueBoxes, &E::jouerMusiqueLabels},
          {&VerbeRegarderCoches, &E::regarderBoxes, &E::regarderLabels},
          {&VerbeLancerCoches, &E::lancerBoxes, &E::lancerLabels},
          {&VerbeSouleverCoches, &E::souleverBoxes, &E::souleverLabels},
          {&VerbeTenirCoches, &E::tenirBoxes, &E::tenirLabels},
          {&VerbePromenerCoches, &E::promenerBoxes, &E::promenerLabels},
          {&VerbePoursuivreCoches, &E::poursuivreBoxes, &E::poursuivreLabels},
          {&VerbesLancerSurACoches, &E::lancerSurABoxes, &E::lancerSurALabels},
          {&VerbePorterSurEpaulesCoches, &E::porterEpaulesBoxes, &E::porterEpaulesLabels},
          {&VerbePorterHabitCoches, &E::porterHabitBoxes, &E::porterHabitLabels}},
         {{u"marcher", 0, 0, 0},
          {u"courir", 0, 1, 50},
          {u"lever les bras", 0, 2, 50},
          {u"lever un bras", 0, 3, 50},
          {u"jouer de la musique", 1, 0, 50},
          {u"regarder", 2, 0, 0},
          {u"lancer", 3, 0, 20},
          {u"soulever", 4, 0, 20},
          {u"tenir", 5, 0, 20},
          {u"poursuivre", 7, 0, 20},
          {u"lancer (...) sur", 8, 0, 20},
          {u"promener", 6, 0, 20},
          {u"porter sur les épaules", 9, 0, 0},
          {u"porter (habit)", 10, 0, 20},
          {u"pédaler", 0, 4, 50},
          {u"cuisiner", 0, 5, 50},
          {u"dormir", 0, 6, 50},
          {u"lancer (...) à", 8, 1, 0}}},
        {u"Objets",
         &groupeobjets,
         &E::objetsGroupBox,
         &E::objetsGroupLabel,
         {{&ObjetsUneMainCoches, &E::uneMainBoxes, &E::uneMainLabels},
          {&ObjetsDeuxMainsCoches, &E::deuxMainsBoxes, &E::deuxMainsLabels}},
         {{u"pomme", 0, 0, 0},
          {u"banane", 0, 1, 50},
          {u"marteau", 0, 4, 50},
          {u"balle", 0, 2, 50},
          {u"rose", 0, 3, 50},
          {u"caisse", 1, 0, 20},
          {u"gâteau", 1, 2, 20},
          {u"paquet-cadeau", 1, 1, 0},
          {u"tour Eiffel", 1, 3, 50},
          {u"éléphant", 1, 4, 50},
          {u"statue", 1, 5, 50}}},
        {u"Animaux",
         &groupeanimaux,
         &E::animauxGroupBox,
         &E::animauxGroupLabel,
         {{&AnimauxCoches, &E::animauxBoxes, &E::animauxLabels}},
         {{u"chien", 0, 0, 0},
          {u"crocodile", 0, 1, 20},
          {u"éléphant", 0, 2, 20},
          {u"poisson", 0, 3, 20}}},
        {u"Habits et accessoires",
         &groupehabits,
         &E::habitsGroupBox,
         &E::habitsGroupLabel,
         {{&HabitsCoches, &E::habitsBoxes, &E::habitsLabels},
          {&ChapeauxCoches, &E::chapeauxBoxes, &E::chapeauxLabels}},
         {{u"pull", 0, 0, 0},
          {u"T-shirt", 0, 4, 20},
          {u"chemise", 0, 1, 20},
          {u"robe", 0, 2, 20},
          {u"manteau", 0, 3, 20},
          {u"chapeau", 1, 0, 20},
          {u"bonnet", 1, 1, 20},
          {u"casquette", 1, 2, 20}}},
        {u"Couleurs",
         &groupecouleurs,
         &E::couleursGroupBox,
         &E::couleursGroupLabel,
         {{&CouleursCoches, &E::couleursBoxes, &E::couleursLabels}},
         {{u"rouge", 0, 0, 0},
          {u"bleu", 0, 1, 50},
          {u"vert", 0, 2, 50},
          {u"gris", 0, 3, 50},
          {u"jaune", 0, 4, 50},
          {u"violet", 0, 5, 50},
          {u"blanc", 0, 6, 50},
          {u"rose", 0, 8, 20},
          {u"marron", 0, 7, 0}}}};
    return groupes;
}

namespace {

std::shared_ptr<iGuiCheckBox2> NouvelleCase(const std::shared_ptr<iGuiScrollBox>& liste) {
    auto box = std::make_shared<iGuiCheckBox2>();
    box->New();
    box->SetParent(liste);
    box->SetImage(0, imgcheckbox1);
    box->SetImage(1, imgcheckbox2);
    return box;
}

std::shared_ptr<iGuiLabel> NouvelleEtiquette(const std::shared_ptr<iGuiScrollBox>& liste,
                                             const char16_t* texte) {
    auto label = std::make_shared<iGuiLabel>();
    label->New();
    label->SetParent(liste);
    ApplyPrototypeSkin(*label, 0, 0);
    label->SetFont(fontoregano30);
    label->SetText(texte);
    // The furniture drifts under the list: a dark rim keeps the white words readable.
    label->outline.on = true;
    // Thinner on the small letters, which a wide rim would blur.
    label->outline.width = 1.25f;
    label->outline.alpha = 0.7f;
    return label;
}

} // namespace

int iEngineOptions2::OnCreate() {
    ConstruitFondEtDecor(193, 148, 23, 198, 153, 28);
    listPlayfield = std::make_shared<iPlayfieldDecore>();
    listPlayfield->New();
    listPlayfield->AddToEngine(*this);
    listPlayfield->DisableClear();
    AjusteListe();

    scrollBox = std::make_shared<iGuiScrollBox>();
    scrollBox->New();
    scrollBox->SetPlayfield(listPlayfield);
    scrollBox->SetAutoCls(false);
    ApplyPrototypeSkin(*scrollBox, LargeurListe, HauteurListe);
    scrollBox->SetSize(LargeurListe, HauteurListe);
    scrollBox->x = GaucheListe;
    scrollBox->y = 0;
    scrollBox->SetColor(250, 50, 70);
    scrollBox->LoadSliderVSkin(u"sliderv.txt", u"");
    iGuiSliderV& glissiere = *scrollBox->sliderV;
    glissiere.y = HautGlissiere;
    glissiere.height = HauteurListe - HautGlissiere - BasGlissiere;
    glissiere.sliderLength = glissiere.height;
    glissiere.surfaceHeight = glissiere.height;

    titleLabel = NouvelleEtiquette(
        scrollBox, u"Choix des personnages, des actions, des animaux et des objets");
    titleLabel->SetPosition(MargeGauche, HautTitre);

    for (const GroupeDeMots& groupe : GroupesOptions2()) {
        auto& caseGroupe = this->*groupe.caseGroupe;
        caseGroupe = NouvelleCase(scrollBox);
        caseGroupe->x = MargeGauche;
        caseGroupe->PlaceBelowPrevious(EcartGroupe);
        this->*groupe.etiquetteGroupe = NouvelleEtiquette(scrollBox, groupe.titre);
        (this->*groupe.etiquetteGroupe)->PlaceRightOfPrevious(EcartEtiquette);

        for (const ListeDeMots& liste : groupe.listes) {
            (this->*liste.cases).assign(liste.coches->size(), nullptr);
            (this->*liste.etiquettes).assign(liste.coches->size(), nullptr);
        }
        bool premiereLigne = true;
        for (const MotCoche& mot : groupe.mots) {
            const ListeDeMots& liste = groupe.listes[static_cast<std::size_t>(mot.liste)];
            const auto indice = static_cast<std::size_t>(mot.indice);
            auto box = NouvelleCase(scrollBox);
            if (mot.ecart == 0) {
                box->x = MargeGauche;
                box->PlaceBelowPrevious(premiereLigne ? EcartPremiereLigne : EcartLigne);
                premiereLigne = false;
            } else {
                box->PlaceRightOfPrevious(mot.ecart);
            }
            auto label = NouvelleEtiquette(scrollBox, mot.texte);
            label->PlaceRightOfPrevious(EcartEtiquette);
            (this->*liste.cases)[indice] = box;
            (this->*liste.etiquettes)[indice] = label;
        }
    }

    // In the list: it scrolls with the words.
    backButton = std::make_shared<iGuiButton2>();
    backButton->New();
    backButton->SetParent(scrollBox);
    HabilleBouton(*backButton, u"grosbouton1a.png", fontoregano48, u"retour",
                  {{89, 110, 90}, {249, 220, 140}, {214, 225, 215}});
    backButton->SetXPercent(50);
    PoseBouton(*backButton);
    backButton->PlaceBelowPrevious(0);
    PoseMarge(*AjouteMargeBas(scrollBox), *backButton);

    AfficheOptions();
    messageBox = CreeMessageMenu(listPlayfield);
    return 0;
}

void iEngineOptions2::AjusteListe() {
    iPlayfield& liste = *listPlayfield;
    liste.viewportWidth = decor->viewportWidth;
    liste.viewportHeight = decor->viewportHeight;
    liste.width = decor->width;
    liste.height = decor->height;
    liste.scaleX = decor->scaleX;
    liste.scaleY = decor->scaleY;
    liste.handleX = decor->handleX;
    liste.handleY = decor->handleY;
    liste.x = decor->x;
    liste.y = decor->y;
}

int iEngineOptions2::AfficheOptions() {
    for (const GroupeDeMots& groupe : GroupesOptions2()) {
        (this->*groupe.caseGroupe)->SetChecked(*groupe.actif ? 1 : 0);
        for (const ListeDeMots& liste : groupe.listes) {
            const Cases& cases = this->*liste.cases;
            for (std::size_t k = 0; k < cases.size(); ++k) {
                cases[k]->SetChecked(k < liste.coches->size() && (*liste.coches)[k] ? 1 : 0);
            }
        }
    }
    return 0;
}
