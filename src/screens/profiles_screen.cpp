// The profiles screen: the playfields, the panel and its widgets, the rows and their placement,
// the two message boxes, resize.
#include "screens/profiles_screen.h"

#include <algorithm>
#include <cmath>

#include "framework/bitmap_font.h"
#include "framework/shared_assets.h"
#include "gui/button_variants.h"
#include "gui/image_widget.h"
#include "gui/input.h"
#include "gui/message_box.h"
#include "gui/prototype_skin.h"
#include "gui/scroll_box.h"
#include "gui/slider.h"
#include "gui/text_field.h"
#include "puppets/decor_playfields.h"
#include "screens/menu_message.h"
#include "screens/menu_screen.h"
#include "screens/profiles.h"

std::shared_ptr<iEngineProfils> ecranprofils;

namespace {

constexpr int PanneauLargeur = 1230;
constexpr float NomX = 100;
constexpr float SaisieY = 150;
constexpr float LargeurNom = 350;
constexpr int EcartBoutons = 8;
constexpr float EcartLignes = 24;
// A row is never closer than this to the buttons of the row above, however small its name.
constexpr float EcartBoutonsMin = 4;
// The smallest scale at which a name still reads.
constexpr float EchelleNomMin = 0.7f;
// "retour" sits this far below the top of the last row, or this far above the panel's bottom.
constexpr float RetourSousLaLigne = 72;
constexpr float RetourMarge = 16;
constexpr float RetourSousLeNom = 32;
// The slider starts below the logo.
constexpr int HautGlissiere = 76;
constexpr int BasGlissiere = 4;

constexpr CouleursBouton PetitsBoutons = {{162, 215, 199}, {38, 55, 38}, {38, 55, 38}};
constexpr CouleursBouton BoutonRetour = {{34, 56, 74}, {249, 220, 140}, {214, 225, 215}};
// Under a press, the buttons of a row added on this screen take another colour.
constexpr int Mauve[] = {172, 165, 229};
constexpr float TexteClair[] = {240, 250, 230};

template <class Widget> std::shared_ptr<Widget> Enfant(const std::shared_ptr<iGuiScrollBox>& box) {
    auto widget = std::make_shared<Widget>();
    widget->New();
    widget->SetParent(box);
    return widget;
}

// The captions are dark on these light buttons, so that they read.
std::shared_ptr<iGuiButton2> PetitBouton(const std::shared_ptr<iGuiScrollBox>& box,
                                         const String& texte) {
    auto bouton = Enfant<iGuiButton2>(box);
    HabilleBouton(*bouton, u"petitbouton1a.png", fontoregano30, texte, PetitsBoutons);
    return bouton;
}

// At rest at (x, y): a bounce still running is dropped, since the row under it has changed.
void Place(iGuiButton2& bouton, float x, float y) {
    bouton.bouncing = false;
    bouton.shrinking = false;
    bouton.scaleX = 1;
    bouton.scaleY = 1;
    bouton.x = x;
    bouton.y = y;
    PoseBouton(bouton);
}

// A name wraps at spaces within the field; a word too wide for it (a folder named outside the
// game) shrinks the whole name until that word fits, rather than run under the buttons, but
// never below a size that still reads: a word still too wide is cut there, with "…".
void AfficheNom(iGuiTextField& champ, const String& nom) {
    const std::vector<String> mots = platform::Split(nom, u" ");
    float mot = 0;
    if (champ.font) {
        for (const String& morceau : mots) {
            mot = std::max(mot, champ.font->TextWidth(morceau, 1.0f));
        }
    }
    const float echelle = mot > LargeurNom ? std::max(EchelleNomMin, LargeurNom / mot) : 1.0f;
    const float largeur = std::floor(LargeurNom / echelle);
    std::vector<String> coupes;
    for (const String& morceau : mots) {
        coupes.push_back(CutWithEllipsis(champ.font.get(), largeur, morceau));
    }
    champ.SetText(platform::Join(coupes, u" "));
    champ.lines.reset();
    champ.scaleX = echelle;
    champ.scaleY = echelle;
    champ.SetWidth(largeur);
}

float HauteurAffichee(const iGuiTextField& champ) { return champ.Height() * champ.scaleY; }

// How far a short name goes down so that it reads on the line of the captions beside it.
float DecalageNom(const iGuiButton& bouton, const iGuiTextField& champ) {
    return std::max(0.0f, (bouton.Height() - HauteurAffichee(champ)) * 0.5f);
}

} // namespace

int iEngineProfils::OnCreate() {
    // The hub loads them first; built without it, the screen still gets its fonts and pictures.
    LoadSharedAssets();
    background = std::make_shared<iPlayfieldFond>();
    background->New();
    background->AddToEngine(*this);
    background->FixeCouleur(false, 80, 148, 83);

    decor = std::make_shared<iPlayfieldDecore>();
    decor->New();
    decor->AddToEngine(*this);
    FitToWindow(background.get(), decor.get());
    decor->SetClearColor(90, 159, 93);

    listPlayfield = std::make_shared<iPlayfieldDecore>();
    listPlayfield->New();
    listPlayfield->AddToEngine(*this);
    AjusteListe();
    listPlayfield->DisableClear();

    logo = std::make_shared<iGuiImage>();
    logo->New();
    AddLogo(decor);

    scrollBox = std::make_shared<iGuiScrollBox>();
    scrollBox->New();
    scrollBox->SetPlayfield(listPlayfield);
    scrollBox->SetAutoCls(false);
    ApplyPrototypeSkin(*scrollBox, PanneauLargeur, CanvasHeight);
    scrollBox->SetSize(PanneauLargeur, CanvasHeight);
    scrollBox->Center(50, 50);
    scrollBox->SetColor(90, 159, 93);
    scrollBox->LoadSliderVSkin(u"sliderv.txt", u"");
    // The slider runs below the logo, never over it.
    iGuiSliderV& glissiere = *scrollBox->sliderV;
    glissiere.y = HautGlissiere;
    glissiere.height = CanvasHeight - HautGlissiere - BasGlissiere;
    glissiere.sliderLength = glissiere.height;
    glissiere.surfaceHeight = glissiere.height;

    nameInput = Enfant<iGuiInput>(scrollBox);
    nameInput->SetMaxChar(20);
    nameInput->SetFont(fontoregano30);
    nameInput->SetColor(TexteClair[0], TexteClair[1], TexteClair[2]);
    nameInput->SetCursorColor(TexteClair[0], TexteClair[1], TexteClair[2]);
    nameInput->x = NomX;
    nameInput->SetText(u"nouveau profil");
    nameInput->SetWidth(LargeurNom);

    addButton = PetitBouton(scrollBox, u"ajouter");
    Place(*addButton, nameInput->x + nameInput->Width() + EcartBoutons, SaisieY);
    useNewButton = PetitBouton(scrollBox, u"utiliser");
    Place(*useNewButton, addButton->x + addButton->Width() + EcartBoutons, SaisieY);
    nameInput->y = SaisieY + std::max(0.0f, (addButton->Height() - nameInput->Height()) * 0.5f);

    // The default profile is always there to go back to, even when its folder cannot be made.
    rowFolders = ListeProfils();
    const auto defaut = [this] {
        return std::find(rowFolders.begin(), rowFolders.end(), DossierDefaut) != rowFolders.end();
    };
    if (!defaut()) {
        CreeDossierDefaut();
        rowFolders = ListeProfils();
    }
    if (!defaut()) {
        rowFolders.insert(rowFolders.begin(), DossierDefaut);
    }
    rowCount = static_cast<int>(rowFolders.size());
    rowAdded.assign(rowFolders.size(), false);
    for (int i = 0; i < rowCount; ++i) {
        AjouteEmplacement(false);
    }

    backButton = Enfant<iGuiButton2>(scrollBox);
    HabilleBouton(*backButton, u"grosbouton1a.png", fontoregano48, u"retour", BoutonRetour);
    backButton->SetXPercent(50);
    Place(*backButton, backButton->x, 0);
    bottomMargin = AjouteMargeBas(scrollBox);
    PlaceLignes();

    // In the middle of the canvas, which the panel's playfield shares with the rest of the
    // screen.
    confirmBox = std::make_shared<MessageBox>();
    confirmBox->New();
    confirmBox->Create(CanvasWidth, CanvasHeight, true, listPlayfield, u"message.png",
                       fontoregano48, u"Un message de MirelvanQuibs", u"OK", u"Annuler");
    confirmBox->message->SetText(QuestionEffacer(u""));
    confirmBox->FitToText();
    failureBox = CreeMessageMenu(listPlayfield);
    return 0;
}

void iEngineProfils::AjouteEmplacement(bool ajoute) {
    auto nom = Enfant<iGuiTextField>(scrollBox);
    nom->SetFont(fontoregano30);
    nom->SetColor(255, 255, 255);
    nom->SetWidth(LargeurNom);
    nameFields.push_back(nom);
    deleteButtons.push_back(PetitBouton(scrollBox, u"effacer"));
    // Greyed where there is nothing to delete: the default profile's row.
    auto& effacer = *deleteButtons.back();
    effacer.SetGhostColor(170, 180, 175);
    effacer.ghostAlpha = 0.55f;
    effacer.SetTextGhostColor(90, 100, 95);
    useButtons.push_back(PetitBouton(scrollBox, u"utiliser"));
    galleryButtons.push_back(PetitBouton(scrollBox, u"voir la galerie"));
    HabilleEmplacement(nameFields.size() - 1, ajoute);
}

String QuestionEffacer(const String& nom) {
    return u"Souhaitez-vous vraiment effacer le profil «\u00A0" + nom + u"\u00A0»\u00A0?";
}

void iEngineProfils::HabilleEmplacement(std::size_t i, bool ajoute) {
    auto& utiliser = *useButtons[i];
    utiliser.SetText(ajoute ? u"charger" : u"utiliser");
    utiliser.CenterText(0, 0);
    const auto [r, g, b] = ajoute ? Mauve : PetitsBoutons.teinte;
    deleteButtons[i]->SetMouseOverColor(r, g, b);
    galleryButtons[i]->SetMouseOverColor(r, g, b);
}

void iEngineProfils::PlaceLignes() {
    // Each row starts below the previous name; the buttons take its top.
    float y = SaisieY + nameInput->Height() + EcartLignes;
    const std::vector<String> legendes = LegendesProfils(rowFolders);
    for (std::size_t i = 0; i < nameFields.size(); ++i) {
        const bool utilisee = static_cast<int>(i) < rowCount;
        for (iGuiObject* widget : {static_cast<iGuiObject*>(nameFields[i].get()),
                                   static_cast<iGuiObject*>(deleteButtons[i].get()),
                                   static_cast<iGuiObject*>(useButtons[i].get()),
                                   static_cast<iGuiObject*>(galleryButtons[i].get())}) {
            widget->SetStatus(utilisee ? 1 : 0);
        }
        if (!utilisee) {
            continue;
        }
        auto& nom = *nameFields[i];
        AfficheNom(nom, legendes[i]);
        HabilleEmplacement(i, rowAdded[i]);
        deleteButtons[i]->ghost = rowFolders[i] == DossierDefaut;
        nom.x = nameInput->x;
        nom.y = y + DecalageNom(*deleteButtons[i], nom);
        Place(*deleteButtons[i], addButton->x, y);
        Place(*useButtons[i], useNewButton->x, y);
        Place(*galleryButtons[i], useButtons[i]->x + useButtons[i]->Width() + EcartBoutons, y);
        y += std::max(HauteurAffichee(nom) + EcartLignes,
                      deleteButtons[i]->Height() + EcartBoutonsMin);
    }
    PlaceSousLaListe();
}

int iEngineProfils::PlaceSousLaListe() {
    float y = scrollBox->Height() - backButton->Height() - RetourMarge;
    if (rowCount > 0) {
        const auto dernier = static_cast<std::size_t>(rowCount - 1);
        const auto& nom = *nameFields[dernier];
        // A name on two lines or more pushes it further.
        y = std::max({y, deleteButtons[dernier]->y + RetourSousLaLigne,
                      nom.y + HauteurAffichee(nom) + RetourSousLeNom});
    }
    backButton->y = y;
    PoseMarge(*bottomMargin, *backButton);
    return 0;
}

void iEngineProfils::MontreLignesVisibles() {
    const float haut = scrollBox->cameraY;
    const float bas = haut + scrollBox->Height();
    for (int i = 0; i < rowCount; ++i) {
        const auto ligne = static_cast<std::size_t>(i);
        const auto& nom = *nameFields[ligne];
        const float y = deleteButtons[ligne]->y;
        const bool vue = y < bas && std::max(nom.y + HauteurAffichee(nom),
                                             y + deleteButtons[ligne]->Height()) > haut;
        for (iGuiObject* widget : {static_cast<iGuiObject*>(&*nameFields[ligne]),
                                   static_cast<iGuiObject*>(&*deleteButtons[ligne]),
                                   static_cast<iGuiObject*>(&*useButtons[ligne]),
                                   static_cast<iGuiObject*>(&*galleryButtons[ligne])}) {
            widget->visible = vue;
        }
    }
}

void iEngineProfils::AjusteListe() { FitToWindow(nullptr, listPlayfield.get()); }

int iEngineProfils::OnResize() {
    FitToWindow(background.get(), decor.get());
    AjusteListe();
    FitMenuScreens();
    return 0;
}

iPlayfield* iEngineProfils::BackgroundPlayfield() { return background.get(); }
iPlayfield* iEngineProfils::MainPlayfield() { return decor.get(); }
