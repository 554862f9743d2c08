#pragma once
// The title screen ("ecrantitre"), the first screen the child sees. Its opening spells the
// game's name out in four pieces, each with a jingle while a puppet head fades in, shows the
// credit line with a last jingle and a hit, then bounces the letters once while the heads fade
// away and the studio logo appears. A press at any moment goes to the hub; Escape quits.
#include <array>
#include <memory>

#include "gui/engine_resizable.h"
#include "platform/audio.h"

class iGuiImage;
class Pantin;
class iPlayfieldDecore;
class iPlayfieldFond;

class iEngineEcranTitre : public iEngineResizable {
  public:
    std::shared_ptr<iPlayfieldFond> Fond;
    // The canvas only: the title shows no furniture.
    std::shared_ptr<iPlayfieldDecore> Decor;
    // The opening's pieces are built at the first update and kept for the run.
    bool Construit = false;
    // Heads only.
    std::array<std::shared_ptr<Pantin>, 5> Pantins;
    std::shared_ptr<iGuiImage> Lettre1;
    std::shared_ptr<iGuiImage> Lettre2;
    std::shared_ptr<iGuiImage> Lettre3;
    platform::SoundPtr Jingle1;
    platform::SoundPtr Jingle2;
    platform::SoundPtr Jingle3;
    platform::SoundPtr Jingle4;
    platform::SoundPtr Jingle5;
    platform::SoundPtr SonCoup;
    std::shared_ptr<iGuiImage> Lettre4;
    std::shared_ptr<iGuiImage> Credits;
    std::shared_ptr<iGuiImage> LogoStudio;
    // The clock at the last timed step of the opening.
    int Temps = 0;
    // Each jingle starts once in the whole run, so a later visit resumes without it.
    bool JingleJoue1 = false;
    bool JingleJoue2 = false;
    bool JingleJoue3 = false;
    bool JingleJoue4 = false;
    bool JingleJoue5 = false;
    // The letters' bounce: 0 not started, 1 growing, 2 shrinking, 3 done.
    int Etape = 0;
    // How much each of the five heads shows, 0 to 1.
    std::array<float, 5> AlphaTetes{};

    int OnCreate() override;
    int OnRenderHook() override;
    int OnResize() override;
    int OnUpdate() override;

    iPlayfield* BackgroundPlayfield() override;
    iPlayfield* MainPlayfield() override;

  private:
    void FabriquePieces();
    // The five heads: built with the pieces, drawn under the letters at AlphaTetes.
    void FabriqueTetes();
    void DessineTetes();
    // One update of the opening.
    void Ouverture();
};

// Created once by the application and switched to again and again.
extern std::shared_ptr<iEngineEcranTitre> ecrantitre;
