#pragma once
// The terrain: the room on which one sentence is acted out, in one cell of the game screen's
// 2 by 2 grid or alone. It draws the room, its animals, puppets, gazes and stars back to front,
// writes a capture when asked, pops in with a little zoom when a board appears, and turns the
// heads of the puppets that look at something. The game scene creates it, keeps its cell and
// control bar here, and runs it every frame; the staging fills it from a sentence.
#include <memory>
#include <vector>

#include "platform/audio.h"
#include "platform/text.h"
#include "puppets/puppets_playfield.h"

class iGuiButton2;

class iPlayFieldTerrainAction : public iPlayfieldPersos {
  public:
    // The terrain's cell on the 1280 by 768 canvas.
    float zoneGauche = 0;
    float zoneDroite = 0;
    float zoneHaut = 0;
    float zoneBas = 0;
    // The control bar, created by the game scene and laid out by the staging; `bouton` (the
    // return button) is the base's.
    std::shared_ptr<iGuiButton2> boutonAvance;
    std::shared_ptr<iGuiButton2> boutonRecule;
    std::shared_ptr<iGuiButton2> boutonPause;
    std::shared_ptr<iGuiButton2> boutonLecture;
    std::shared_ptr<iGuiButton2> boutonClip;
    std::shared_ptr<iGuiButton2> boutonCache;
    std::shared_ptr<iGuiButton2> boutonSansImage;
    std::shared_ptr<iGuiButton2> boutonPhoto;
    // Only on the first terrain of the build-a-sentence game.
    std::shared_ptr<iGuiButton2> boutonRecharge;
    // The sentence has no motion.
    bool immobile = false;
    // The guitar loop, loaded by the staging when someone plays music.
    platform::SoundPtr sonGuitare;
    // The pop zoom runs; it has passed its largest size.
    bool zoomEnCours = false;
    bool zoomRetour = false;
    // File name of the next capture, without folder and extension.
    String nomCapture;
    // Whether the last capture asked for was written (the captures list names only those).
    bool captureReussie = false;
    // 1 while the terrain is shown small in the grid, 0 while enlarged.
    int enVignette = 0;
    // The sentence it acts out.
    String phrase;
    // What the game scene's buttons cover of the room (room pixels), told by the scene before
    // the staging: nothing the sentence names stands under them.
    std::vector<Cadre> sousLesBoutons;

    // Makes the capture writer.
    int OnCreate() override;
    // The room, then a capture when one was asked for.
    int OnRender() override;
    int OnUpdate() override { return 0; }
    // One step of the pop zoom for a window of the given size (device pixels): the terrain
    // grows 6 pixels a frame about its rest place to 36 more than half the window, then shrinks
    // back to half the window.
    int AnimeZoom(float largeurFenetre, float hauteurFenetre);
    // Turns the heads of the puppets that look at a person, an object or an animal.
    int VisePersos();
    platform::SoundPtr SonGuitare() const override { return sonGuitare; }
    // Puts the terrain at its rest place on screen and remembers it (xRepos, yRepos), so that
    // a shake or a zoom comes back there.
    void FixeRepos(float xPlace, float yPlace);
};
