// The base of the menu screens with a drifting decor.
#include "screens/menu_screen.h"

#include "framework/frame_chain.h"
#include "framework/playfield.h"
#include "framework/shared_assets.h"
#include "gui/button_variants.h"
#include "gui/image_widget.h"
#include "gui/scroll_box.h"
#include "platform/diag.h"
#include "puppets/decor_playfields.h"
#include "puppets/screen_entry.h"
#include "screens/end_screen.h"
#include "screens/gallery_screen.h"
#include "screens/hub_screen.h"
#include "screens/mode_screen.h"
#include "screens/options1_screen.h"
#include "screens/options2_screen.h"
#include "screens/profiles_screen.h"
#include "screens/setup_screens.h"
#include "screens/title_screen.h"

iPlayfield* iEngineMenuDecore::BackgroundPlayfield() { return background.get(); }

iPlayfield* iEngineMenuDecore::MainPlayfield() { return decor.get(); }

int iEngineMenuDecore::OnRenderHook() {
    if (decor && currentPlayfield == decor) {
        DessineDecor(*decor);
    }
    return 0;
}

int iEngineMenuDecore::OnResize() {
    FitToWindow(background.get(), decor.get());
    FitMenuScreens();
    return 0;
}

void iEngineMenuDecore::ConstruitFondEtDecor(int fondRouge, int fondVert, int fondBleu,
                                             int decorRouge, int decorVert, int decorBleu) {
    // The hub loads them before any of these screens is built; a screen built without it
    // still gets its fonts and pictures.
    LoadSharedAssets();
    background = std::make_shared<iPlayfieldFond>();
    background->New();
    background->AddToEngine(*this);
    background->FixeCouleur(false, fondRouge, fondVert, fondBleu);

    decor = std::make_shared<iPlayfieldDecore>();
    decor->New();
    decor->AddToEngine(*this);
    FitToWindow(background.get(), decor.get());
    decor->SetClearColor(decorRouge, decorVert, decorBleu);

    logo = std::make_shared<iGuiImage>();
    logo->New();
    AddLogo(decor);
    InstalleDecor(*decor, false);
}

void HabilleBouton(iGuiButton2& bouton, const String& image,
                   const std::shared_ptr<iBitmapFont>& police, const String& texte,
                   const CouleursBouton& couleurs) {
    bouton.LoadImage(image);
    bouton.SetFont(police);
    bouton.SetText(texte);
    bouton.CenterText(0, 0);
    const auto [r, g, b] = couleurs.teinte;
    bouton.SetColor(static_cast<float>(r), static_cast<float>(g), static_cast<float>(b));
    bouton.SetMouseOverColor(static_cast<float>(r), static_cast<float>(g), static_cast<float>(b));
    bouton.SetTextRed(static_cast<float>(couleurs.texte[0]));
    bouton.SetTextGreen(static_cast<float>(couleurs.texte[1]));
    bouton.SetTextBlue(static_cast<float>(couleurs.texte[2]));
    bouton.SetTextMouseOverRed(static_cast<float>(couleurs.texteSurvol[0]));
    bouton.SetTextMouseOverGreen(static_cast<float>(couleurs.texteSurvol[1]));
    bouton.SetTextMouseOverBlue(static_cast<float>(couleurs.texteSurvol[2]));
}

std::shared_ptr<iGuiButton2> NouveauBouton(const std::shared_ptr<iPlayfield>& playfield,
                                           const String& image,
                                           const std::shared_ptr<iBitmapFont>& police,
                                           const String& texte, const CouleursBouton& couleurs) {
    auto bouton = std::make_shared<iGuiButton2>();
    bouton->New();
    bouton->SetPlayfield(playfield);
    HabilleBouton(*bouton, image, police, texte, couleurs);
    return bouton;
}

void PoseBouton(iGuiButton2& bouton) {
    bouton.baseX = bouton.x;
    bouton.baseWidth = bouton.Width();
}

String NomEcran(const iScene* ecran) {
    const std::pair<const iScene*, const char16_t*> ecrans[] = {
        {ecrantitre.get(), u"ecrantitre"},
        {ecranintro.get(), u"ecranintro"},
        {ecranchoixdujeu.get(), u"ecranchoixdujeu"},
        {ecranoptions1.get(), u"ecranoptions1"},
        {ecranoptions2.get(), u"ecranoptions2"},
        {ecranprofils.get(), u"ecranprofils"},
        {ecrangalerie.get(), u"ecrangalerie"},
        {ecrannombreitems1.get(), u"ecrannombreitems1"},
        {ecrannombreitems2.get(), u"ecrannombreitems2"},
        {ecranfin.get(), u"ecranfin"}};
    for (const auto& [scene, nom] : ecrans) {
        if (ecran && scene == ecran) {
            return nom;
        }
    }
    return u"";
}

void AnnonceEcran(const std::shared_ptr<iScene>& ecran) {
    if (const String nom = NomEcran(ecran.get()); !nom.empty()) {
        platform::Print(nom);
    }
}

void VaVersEcranAnnonce(const std::shared_ptr<iScene>& ecran) {
    AnnonceEcran(ecran);
    VaVersEcran(ecran);
}

namespace {
constexpr int MargeBasListe = 16;
}

std::shared_ptr<iGuiImage> AjouteMargeBas(const std::shared_ptr<iGuiScrollBox>& liste) {
    auto marge = std::make_shared<iGuiImage>();
    marge->New();
    marge->SetParent(liste);
    marge->SetWidth(1);
    marge->SetHeight(MargeBasListe);
    marge->visible = false;
    return marge;
}

void PoseMarge(iGuiImage& marge, const iGuiObject& dernier) {
    marge.x = dernier.x;
    marge.y = dernier.y - static_cast<float>(dernier.handleY) * dernier.scaleY + dernier.Height();
}
