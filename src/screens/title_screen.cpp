// The title screen: set-up, the opening's pieces, the opening's timeline, drawing and resize.
#include "screens/title_screen.h"

#include <algorithm>
#include <vector>

#include "framework/frame_chain.h"
#include "gui/image_widget.h"
#include "platform/clock.h"
#include "platform/diag.h"
#include "platform/input.h"
#include "platform/random.h"
#include "puppets/decor_playfields.h"
#include "puppets/pantin.h"
#include "screens/screen_globals.h"

std::shared_ptr<iEngineEcranTitre> ecrantitre;

namespace {

constexpr int Escape = 27;

// The pieces on the canvas, in drawing order. A letter's handle is its bottom-left corner, so
// that it stands on its baseline while it stretches.
struct Piece {
    std::shared_ptr<iGuiImage> iEngineEcranTitre::*champ;
    const char16_t* image;
    float x, y;
    float poigneeY;
};
constexpr Piece Pieces[] = {
    {&iEngineEcranTitre::Lettre1, u"mir.png", 228, 384, 96},
    {&iEngineEcranTitre::Lettre2, u"elv.png", 448, 394, 52},
    {&iEngineEcranTitre::Lettre3, u"an.png", 588, 379, 80},
    {&iEngineEcranTitre::Lettre4, u"quibs.png", 738, 399, 199},
    {&iEngineEcranTitre::Credits, u"par_movral.png", 493, 480, 0},
    {&iEngineEcranTitre::LogoStudio, u"logo_ondrix.png", 1038, 645, 0},
};

// Where the five heads show, scattered around the name.
constexpr float PlaceTetes[5][2] = {{1020, 170}, {282, 720}, {455, 244}, {1100, 650}, {150, 200}};

// Per timed step: a letter and its head fade in by PasLettre, the credit line by PasCredits.
// The heads fade out by PasSortieTete per update.
constexpr float PasLettre = 0.06f;
constexpr float PasCredits = 0.03f;
constexpr float PasSortieTete = 0.03f;
// The bounce, per timed step and per letter: "elv" stretches furthest.
constexpr float Etirement[4] = {0.031f, 0.062f, 0.0465f, 0.0372f};
constexpr float Tassement[4] = {0.036f, 0.072f, 0.054f, 0.0432f};
constexpr float EtirementMax = 1.8f;
constexpr float TassementMin = 0.95f;
constexpr float PasLogoStudio = 0.03f;

void Joue(const platform::SoundPtr& son) { platform::PlaySound(son, 0, 0); }

// A head's sprites in drawing order.
std::vector<iSprite*> PartiesTete(const Pantin& pantin) {
    std::vector<iSprite*> parties;
    for (iSprite* partie :
         {static_cast<iSprite*>(pantin.tete.get()), static_cast<iSprite*>(pantin.cheveux.get()),
          static_cast<iSprite*>(pantin.visage.get())}) {
        if (partie) {
            parties.push_back(partie);
        }
    }
    return parties;
}

} // namespace

int iEngineEcranTitre::OnCreate() {
    Fond = std::make_shared<iPlayfieldFond>();
    Fond->New();
    Fond->AddToEngine(*this);
    Decor = std::make_shared<iPlayfieldDecore>();
    Decor->New();
    Decor->AddToEngine(*this);

    // A new colour each time of day, to the second.
    const auto date = platform::GetDate();
    const int graine = ((date[3] * 60 + date[4]) * 60 + date[5]) * 1000;
    platform::SetSeed(graine);
    platform::Print(platform::Str(static_cast<int>(graine)));
    const int rouge = static_cast<int>(platform::RandomFloat(180) + 20);
    const int vert = static_cast<int>(platform::RandomFloat(180) + 20);
    const int bleu = static_cast<int>(platform::RandomFloat(180) + 20);
    Fond->FixeCouleur(true, rouge, vert, bleu);

    FitToWindow(Fond.get(), Decor.get());
    // The canvas and the margins show one colour.
    Decor->SetClearColor(std::clamp(Fond->rouge, 0, 255), std::clamp(Fond->vert, 0, 255),
                         std::clamp(Fond->bleu, 0, 255));
    Construit = false;
    return 0;
}

void iEngineEcranTitre::FabriquePieces() {
    FabriqueTetes();
    for (const auto& piece : Pieces) {
        auto image = std::make_shared<iGuiImage>();
        image->New();
        image->LoadImage(piece.image);
        image->SetPlayfield(Decor);
        image->SetPosition(piece.x, piece.y);
        image->SetHandle(0, piece.poigneeY);
        image->alpha = 0;
        this->*piece.champ = image;
    }
    Jingle1 = platform::LoadSound(u"jingle1.wav");
    Jingle2 = platform::LoadSound(u"jingle2.wav");
    Jingle3 = platform::LoadSound(u"jingle3.wav");
    Jingle4 = platform::LoadSound(u"jingle4.wav");
    Jingle5 = platform::LoadSound(u"jingle5.wav");
    const int coup = platform::RandomIndex(4);
    SonCoup = platform::LoadSound(u"hit" + platform::Str(coup + 1) + u".wav");
    Temps = platform::Milliseconds();
    Construit = true;
}

void iEngineEcranTitre::FabriqueTetes() {
    for (std::size_t n = 0; n < Pantins.size(); ++n) {
        auto pantin = std::make_shared<Pantin>();
        pantin->tete = std::make_shared<Membre>();
        pantin->FabriqueTete();
        for (iSprite* partie : PartiesTete(*pantin)) {
            partie->alpha = 0;
            partie->x = PlaceTetes[n][0];
            partie->y = PlaceTetes[n][1];
        }
        Pantins[n] = pantin;
        AlphaTetes[n] = 0;
    }
}

void iEngineEcranTitre::DessineTetes() {
    for (std::size_t n = 0; n < Pantins.size(); ++n) {
        if (!Pantins[n]) {
            continue;
        }
        for (iSprite* partie : PartiesTete(*Pantins[n])) {
            partie->alpha = AlphaTetes[n];
            partie->Draw();
        }
    }
}

int iEngineEcranTitre::OnUpdate() {
    if (platform::KeyHits(Escape) > 0) {
        platform::Error(u"");
    }
    if (!Construit) {
        FabriquePieces();
    }
    Ouverture();
    // Whatever the opening is doing; it waits, as it is, for the next visit.
    if (platform::KeyHits(platform::TouchBase) > 0) {
        platform::Print(u"ecranintro");
        SwitchScene(ecranintro);
    }
    return 0;
}

// The opening's phases are tested in order at every update, each running while its condition
// holds. A timed step needs the clock to have moved 2 ms since the last one, so the updates that
// the loop runs back to back to catch up do not hurry the opening.
void iEngineEcranTitre::Ouverture() {
    const auto pasPermis = [this] { return platform::Milliseconds() > Temps + 1; };
    const auto pasFait = [this] { Temps = platform::Milliseconds(); };
    iGuiImage* const lettres[4] = {Lettre1.get(), Lettre2.get(), Lettre3.get(), Lettre4.get()};
    const platform::SoundPtr* const jingles[5] = {&Jingle1, &Jingle2, &Jingle3, &Jingle4, &Jingle5};
    bool* const joues[5] = {&JingleJoue1, &JingleJoue2, &JingleJoue3, &JingleJoue4, &JingleJoue5};
    const auto debute = [&](int n) {
        if (!*joues[n]) {
            *joues[n] = true;
            Joue(*jingles[n]);
        }
    };

    // Each letter with its head, once the letters before it are fully shown.
    bool precedentes = true;
    for (int n = 0; n < 4; ++n) {
        iGuiImage& lettre = *lettres[n];
        if (precedentes && lettre.alpha < 1 && pasPermis()) {
            debute(n);
            lettre.alpha += PasLettre;
            AlphaTetes[n] += PasLettre;
            if (lettre.alpha > 1) {
                lettre.alpha = 1;
                AlphaTetes[n] = 1;
            }
            pasFait();
        }
        precedentes = precedentes && lettre.alpha == 1.0f;
    }
    if (!precedentes) {
        return;
    }

    // The credit line with the fifth head, then the hit.
    if (Credits->alpha < 1) {
        if (pasPermis()) {
            debute(4);
            Credits->alpha += PasCredits;
            AlphaTetes[4] = std::min(AlphaTetes[4] + PasLettre, 1.0f);
            if (Credits->alpha > 1) {
                Credits->alpha = 1;
                Joue(SonCoup);
                Etape = 1;
            }
            pasFait();
        }
    }
    if (Credits->alpha != 1.0f || Etape < 1) {
        return;
    }

    // The heads leave, and the letters bounce once while the studio logo comes in.
    for (float& tete : AlphaTetes) {
        tete = std::max(tete - PasSortieTete, 0.0f);
    }
    if (Etape == 1 && pasPermis()) {
        if (Lettre2->scaleY < EtirementMax) {
            for (int n = 0; n < 4; ++n) {
                lettres[n]->scaleY += Etirement[n];
            }
        } else {
            Etape = 2;
        }
        pasFait();
    }
    if (Etape == 2 && pasPermis()) {
        if (Lettre2->scaleY > TassementMin) {
            for (int n = 0; n < 4; ++n) {
                lettres[n]->scaleY -= Tassement[n];
            }
            if (LogoStudio->alpha < 1) {
                LogoStudio->alpha += PasLogoStudio;
            }
        } else {
            Etape = 3;
            for (iGuiImage* lettre : lettres) {
                lettre->scaleY = 1.0f;
            }
            LogoStudio->alpha = 1;
        }
        pasFait();
    }
}

int iEngineEcranTitre::OnRenderHook() {
    // Under the letters; the background clears over anything drawn on it.
    if (currentPlayfield == Decor) {
        DessineTetes();
    }
    return 0;
}

int iEngineEcranTitre::OnResize() {
    FitToWindow(Fond.get(), Decor.get());
    FitMenuScreens();
    return 0;
}

iPlayfield* iEngineEcranTitre::BackgroundPlayfield() { return Fond.get(); }
iPlayfield* iEngineEcranTitre::MainPlayfield() { return Decor.get(); }
