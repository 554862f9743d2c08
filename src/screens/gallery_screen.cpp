// The gallery: reading the profile folder, building the room, drawing it.
//
//   1. The captures and their sentences
//   2. Building the screen
//   3. Drawing the room
#include "screens/gallery_screen.h"

#include <algorithm>
#include <cmath>

#include "framework/bitmap_font.h"
#include "framework/frame_chain.h"
#include "framework/graphics_state.h"
#include "framework/letterbox.h"
#include "framework/shared_assets.h"
#include "gui/button_variants.h"
#include "gui/text_field.h"
#include "gui/word_tag.h"
#include "platform/capture_picture.h"
#include "platform/clock.h"
#include "platform/diag.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/random.h"
#include "puppets/clothes_choice.h"
#include "puppets/decor_playfields.h"

std::shared_ptr<iEngineGalerie> ecrangalerie;

namespace {

constexpr char16_t ExtensionCapture[] = u".bmp";

const char16_t* const Personnes[4] = {u"perso_monsieur_m", u"perso_petit garcon_m", u"perso_dame_f",
                                      u"perso_petite fille_f"};

// The first page belongs to the puppet; the pictures start on the second, 400 apart.
constexpr float PremierTableauX = 1404;
constexpr float EcartTableaux = 400;
// The capture sits in the frame's window, 44 right of and 132 below its top-left.
constexpr float FenetreCadreX = 44;
constexpr float FenetreCadreY = 132;
constexpr float LargeurTableau = 238;
constexpr float HauteurTableau = 152;
constexpr float LargeurPlaque = 155;
constexpr float HauteurPlaque = 38;
constexpr float HauteurSol = 60;
// An enlarged capture bigger than this (a photo taken in a large window) is shown smaller, so
// that it stays whole on the canvas.
constexpr float AgrandiMaxLargeur = 1200;
constexpr float AgrandiMaxHauteur = 720;

constexpr int LargeurLegende = 595;
// The card's text stays this far inside the card's top and bottom edges.
constexpr float MargeCarte = 10;
// Below this the sentence would no longer read; what still does not fit is cut.
constexpr float EchelleCarteMin = 0.55f;
// A sentence of the game is far shorter; anything longer is not one, and is cut.
constexpr std::size_t PhraseMax = 300;
// The list only grows, a line per photo: its end holds the lines of the newest ones.
constexpr std::size_t FinDeListeMax = 256 * 1024;
// One opening looks at this many files at most, refused ones included: a folder full of files
// that are no captures (or of captures that cannot be read) cannot hold the child waiting.
constexpr int FichiersExaminesMax = 2 * TableauxGalerieMax;
// Past this, no more pictures are hung: a safety net for a folder of many huge captures on a
// slow machine. It never decides what a test sees, whose clock stands still.
constexpr int DureeAccrochageMaxMs = 3000;

// Words wider than the card are cut into pieces that fit it.
String CoupeLesMotsLongs(const iBitmapFont& police, const String& texte, float largeur) {
    String resultat;
    for (const String& mot : platform::Split(texte, u" ")) {
        String morceau;
        for (const char16_t c : mot) {
            if (!morceau.empty() && police.TextWidth(morceau + c, 1.0f) > largeur) {
                resultat += morceau + u" ";
                morceau.clear();
            }
            morceau.push_back(c);
        }
        resultat += morceau + u" ";
    }
    return platform::Trim(resultat);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// 1. The captures and their sentences

std::vector<String> CapturesDuDossier(const String& dossier) {
    std::vector<String> captures;
    for (const String& nom : platform::LoadDir(dossier)) {
        platform::Print(nom);
        if (platform::EndsWith(nom, ExtensionCapture) && nom.size() > 4 &&
            platform::FileType(dossier + nom) == 1) {
            captures.push_back(nom);
        }
    }
    std::reverse(captures.begin(), captures.end());
    return captures;
}

String PhraseDeCapture(const String& texte, const String& nom) {
    const String debut = nom + u"|";
    String phrase;
    for (const String& ligne : platform::Split(texte, u"\n")) {
        if (platform::StartsWith(ligne, debut)) {
            phrase = ligne.substr(debut.size());
        }
    }
    if (!phrase.empty() && phrase.back() == u'\r') {
        phrase.pop_back();
    }
    return phrase;
}

platform::ImagePtr ChargeCapture(const String& chemin) {
    return platform::LoadCapture(chemin, static_cast<int>(AgrandiMaxLargeur),
                                 static_cast<int>(AgrandiMaxHauteur));
}

String LitListeDesPhrases(const String& dossier) {
    std::vector<std::uint8_t> octets;
    if (!platform::LoadFileEnd(dossier + u"phrases.txt", octets, FinDeListeMax)) {
        return u"";
    }
    std::string_view texte(reinterpret_cast<const char*>(octets.data()), octets.size());
    // Cut inside a line: that line is not whole, and goes.
    if (octets.size() == FinDeListeMax) {
        const auto saut = texte.find('\n');
        texte = saut == std::string_view::npos ? std::string_view() : texte.substr(saut + 1);
    }
    return platform::FromUtf8(texte);
}

float AjusteTexteCarte(iGuiTextField& champ, const String& phrase, float hauteurCarte) {
    const iBitmapFont& police = *champ.font;
    const float largeur = static_cast<float>(LargeurLegende);
    String texte = phrase.size() > PhraseMax ? phrase.substr(0, PhraseMax) + u"..." : phrase;
    texte = CoupeLesMotsLongs(police, texte, largeur);
    const float place = hauteurCarte - 2 * MargeCarte;
    float echelle = 1.0f;
    StringList lignes = WordWrap(&police, LargeurLegende, texte);
    while (static_cast<float>(lignes.size()) * police.height * echelle > place &&
           echelle > EchelleCarteMin) {
        echelle = std::max(EchelleCarteMin, echelle - 0.05f);
        lignes = WordWrap(&police, static_cast<int>(largeur / echelle), texte);
    }
    // Still too long at the smallest size: the lines that fit, the last one ended by "...".
    const auto tiennent =
        static_cast<std::size_t>(std::max(1.0f, std::floor(place / (police.height * echelle))));
    if (lignes.size() > tiennent) {
        lignes.resize(tiennent);
        lignes.back() = platform::Trim(lignes.back()) + u"...";
        texte = platform::Join(lignes, u"\n");
    }
    champ.SetText(texte);
    champ.scaleX = echelle;
    champ.scaleY = echelle;
    champ.SetWidth(std::ceil(largeur / echelle));
    champ.lines.reset();
    return echelle;
}

String TexteDessinable(const iBitmapFont& police, const String& texte) {
    String dessinable;
    dessinable.reserve(texte.size());
    for (const char16_t unite : texte) {
        const bool blanc = unite == u' ' || unite == u'\n';
        // Asked of the font, as it draws: "’" and "œ" from their own places or as stand-ins.
        if (blanc || police.HasGlyph(unite)) {
            dessinable.push_back(unite);
        }
    }
    return dessinable;
}

// ---------------------------------------------------------------------------------------------
// 2. Building the screen

void Tableau::CreeSprite() { sprite = std::make_shared<iSprite>(); }

std::shared_ptr<iEngineGalerie> iEngineGalerie::Create() {
    return std::static_pointer_cast<iEngineGalerie>(iScene::Create());
}

iPlayfield* iEngineGalerie::BackgroundPlayfield() { return background.get(); }

iPlayfield* iEngineGalerie::MainPlayfield() { return galerie.get(); }

int iEngineGalerie::OnCreate() {
    // The hub loads them first in the game; a gallery built on its own still gets them.
    LoadSharedAssets();
    const String personne = Personnes[platform::RandomIndex(4)];

    background = std::make_shared<iPlayfieldFond>();
    background->New();
    background->FixeCouleur(false, 211, 227, 126);
    background->AddToEngine(*this);

    galerie = std::make_shared<iPlayFieldGalerie>();
    galerie->New();
    galerie->persos.assign(1, nullptr);
    galerie->dernierPerso = 0;
    galerie->largeur = CanvasWidth;
    galerie->hauteur = CanvasHeight;
    galerie->AddToEngine(*this);
    FitToWindow(background.get(), galerie.get());
    galerie->CouleurFondAuHasard();
    galerie->MeublesAuHasard();

    auto perso = std::make_shared<Pantin>();
    galerie->persos[0] = perso;
    const StructureAction vide;
    HabillePerso(galerie->persos, &vide, *perso, 0, personne, u"", u"", u"", u"", u"", u"", u"",
                 u"");
    perso->Fabrique(CanvasWidth, CanvasHeight, personne, u"i_marcher", u"", u"", u"", u"", u"", u"",
                    u"", u"", 1.0f);
    perso->xDepart = perso->xArrivee = CanvasWidth / 2;
    perso->action1 = CodeAction::Aucune;
    perso->Repos(perso->xArrivee);

    AccrocheTableaux();
    galerie->cadre = platform::LoadImage(u"tabgal.png");
    galerie->etiquetteImage = platform::LoadImage(u"tabgal2.png");
    galerie->imageAgrandie = std::make_shared<platform::Image>();

    texte = LitListeDesPhrases(dossierprofil);

    PrepareCarte();

    decor = std::make_shared<iPlayfieldDecore>();
    decor->New();
    FitToWindow(nullptr, decor.get());
    decor->DisableClear();
    decor->AddToEngine(*this);

    auto retour = std::make_shared<iGuiButton2>();
    retour->New();
    retour->SetPlayfield(galerie);
    retour->LoadImage(u"bouton_rtn.png");
    retour->x = CanvasWidth - 64;
    retour->y = 10;
    retour->baseX = retour->x;
    retour->baseWidth = retour->Width();
    galerie->bouton = retour;
    return 0;
}

void iEngineGalerie::AccrocheTableaux() {
    // A capture that cannot be read is passed over; the next one takes its place.
    auto& tableaux = galerie->tableaux;
    tableaux.clear();
    const int debut = platform::Milliseconds();
    int examines = 0;
    for (const String& nom : CapturesDuDossier(dossierprofil)) {
        if (static_cast<int>(tableaux.size()) == TableauxGalerieMax ||
            examines == FichiersExaminesMax ||
            platform::Milliseconds() - debut > DureeAccrochageMaxMs) {
            break;
        }
        ++examines;
        const platform::ImagePtr image =
            ChargeCapture(platform::Replace(dossierprofil + nom, u"\\", u"/"));
        if (!image || image->Width() <= 0 || image->Height() <= 0) {
            platform::Print(nom + u" : image illisible, pas de tableau");
            continue;
        }
        auto t = std::make_shared<Tableau>();
        t->CreeSprite();
        t->nom = platform::StripExt(nom);
        t->sprite->PrendImage(image);
        const float x = PremierTableauX + EcartTableaux * static_cast<float>(tableaux.size());
        t->cadreX = x - FenetreCadreX;
        t->cadreY = 80 + 120 * platform::RandomFloat();
        t->sprite->scaleX = t->sprite->scaleY = LargeurTableau / static_cast<float>(image->Width());
        t->largeur = LargeurTableau;
        t->hauteur = HauteurTableau;
        t->etiquetteLargeur = LargeurPlaque;
        t->etiquetteHauteur = HauteurPlaque;
        t->sprite->x = x;
        t->sprite->y = t->cadreY + FenetreCadreY;
        t->etiquetteX = x + 46 + (8 * platform::RandomFloat() - 4);
        t->etiquetteY = t->cadreY + 329 + (30 * platform::RandomFloat() - 15);
        // Where its name plate hangs, in room coordinates: plays can aim at it.
        platform::Print(u"plaque " + t->nom + u" " + platform::Str(t->etiquetteX) + u" " +
                        platform::Str(t->etiquetteY));
        tableaux.push_back(t);
    }
    const int n = static_cast<int>(tableaux.size());
    galerie->nombreDePages = 1 + (n + 2) / 3;
    platform::Print(n % 3 == 0 ? u"cas numero 2+0" : u"cas numero+1");
}

void iEngineGalerie::PrepareCarte() {
    auto carte = std::make_shared<iGuiEtiquette>();
    carte->New();
    carte->SetPlayfield(galerie);
    carte->Initialise(imgrectrep, 0, CanvasWidth / 2, CanvasHeight / 2, 255, 255, 255, true);
    auto texteCarte = std::make_shared<iGuiTextField>();
    texteCarte->New();
    texteCarte->SetPlayfield(galerie);
    carte->legende = texteCarte;
    carte->PrepareLegende(fontoregano48, u"phrase", 0, 0, LargeurLegende);
    carte->status = 0;
    texteCarte->status = 0;
    galerie->legende = carte;
}

int iEngineGalerie::OnResize() {
    FitToWindow(background.get(), galerie.get());
    if (decor) {
        decor->viewportWidth = decor->width = WindowWidth();
        decor->viewportHeight = decor->height = WindowHeight();
    }
    FitMenuScreens();
    return 0;
}

// ---------------------------------------------------------------------------------------------
// 3. Drawing the room

int iPlayFieldGalerie::OnRender() {
    platform::Cls(static_cast<float>(couleurFond[0]) / 255,
                  static_cast<float>(couleurFond[1]) / 255,
                  static_cast<float>(couleurFond[2]) / 255, 1.0f);
    SetColor(static_cast<float>(couleurSol[0]), static_cast<float>(couleurSol[1]),
             static_cast<float>(couleurSol[2]));
    platform::DrawRect(0, static_cast<float>(CanvasHeight) - HauteurSol,
                       static_cast<float>(nombreDePages * CanvasWidth), HauteurSol);
    for (const auto& m : {meuble1, meuble2}) {
        if (m) {
            m->Draw();
        }
    }
    for (int i = dernierPerso; i >= 0; --i) {
        const auto index = static_cast<std::size_t>(i);
        const Pantin* p = index < persos.size() ? persos[index].get() : nullptr;
        if (p && p->objetPose && p->table) {
            p->table->Draw();
            if (p->objetSurTable) {
                p->objetSurTable->Draw();
            }
        }
    }
    for (const auto& t : tableaux) {
        t->sprite->Draw();
        SetColor(255, 255, 255);
        platform::DrawImage(cadre, t->cadreX, t->cadreY);
        platform::DrawImage(etiquetteImage, t->etiquetteX, t->etiquetteY);
    }
    DessineAnimaux(false);
    DessinePersos();
    DessineRegardsEtEtoiles();
    if (numeroAgrandi > 0 && imageAgrandie && imageAgrandie->Width() > 0) {
        const float w = static_cast<float>(imageAgrandie->Width());
        const float h = static_cast<float>(imageAgrandie->Height());
        const float echelle = std::min({1.0f, AgrandiMaxLargeur / w, AgrandiMaxHauteur / h});
        SetColor(255, 255, 255);
        platform::DrawImageTransformed(
            imageAgrandie, cameraX + std::floor(CanvasWidth / 2 - w * echelle / 2),
            std::floor(CanvasHeight / 2 - h * echelle / 2), 0, echelle, echelle);
    }
    if (numeroLegende > 0) {
        SetColor(255, 255, 255);
    }
    return 0;
}
