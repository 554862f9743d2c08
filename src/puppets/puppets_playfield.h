#pragma once
// The playfield on which puppets act: up to four puppets in a room (wall and floor colours, two
// pieces of furniture). Each frame AnimePersos runs the step of every action code, puts idle
// puppets at rest, blinks their eyes, animates the sleepers and their snoring, walks the
// animals, shakes the room when an elephant stamps, and says whether the whole animation has
// finished. The terrain of the game scene, the gallery and the end screen derive from it.
#include <array>
#include <memory>

#include "framework/playfield.h"
#include "platform/audio.h"
#include "puppets/pantin.h"
#include "puppets/room_layout.h"

class Animal;
class BmpFile;
class iGuiButton2;

class iPlayfieldPersos : public iPlayfield {
  public:
    // Index 0 is the sentence's subject, 1 the second noun group when it is a person, then the
    // persons of the complements. A slot may be empty.
    ListePersos persos = ListePersos(4);
    // Every per-puppet loop runs from 0 to this index.
    int dernierPerso = 0;
    Couleur couleurFond{};
    Couleur couleurSol{};
    // Size of the room, set by the staging.
    float largeur = 0;
    float hauteur = 0;
    // In the left and the right half of the room.
    std::shared_ptr<Meuble> meuble1;
    std::shared_ptr<Meuble> meuble2;
    // The return button of a terrain's control bar.
    std::shared_ptr<iGuiButton2> bouton;
    // An elephant stamp shakes the room.
    bool pasElephant = false;
    // Recomputed by every AnimePersos: every puppet has finished.
    bool animationFinie = false;
    // The second noun group is a person and acts its own verb; the complements are persons.
    bool deuxiemePerso = false;
    bool troisiemePerso = false;
    bool quatriemePerso = false;
    // No blinking while paused (the owner stops calling AnimePersos).
    bool enPause = false;
    // 1 once the room's rest place on screen is known (xRepos, yRepos).
    int positionConnue = 0;
    float yRepos = 0;
    // Someone plays music: the guitar loops on channel 8.
    bool avecGuitare = false;
    float xRepos = 0;
    // A capture is written at the next drawing.
    bool captureDemandee = false;
    std::shared_ptr<BmpFile> bmp;
    // The floor in sight, clear of the game scene's buttons: the staging keeps the puppets
    // between its ends, and a watched animal comes in from its left end. 0 and 0: the whole
    // floor.
    float solGauche = 0;
    float solDroite = 0;
    // Set by the staging: the furniture makes way for the puppets once they have taken their
    // first step.
    bool meublesAPlacer = false;

    // One frame of every puppet and animal. Always 0.
    int AnimePersos();
    // True when no puppet's saved codes travel or raise both arms; the guitar loop then goes on
    // after the end.
    bool BoucleGuitare() const;
    // One frame of the stamp shake: five pixels down, then back to where the shake began.
    int PasElephant();
    // A random wall colour and a floor a little darker.
    virtual int CouleurFondAuHasard();
    // Two random pieces of furniture, one in each half of the room.
    virtual void MeublesAuHasard();
    // The nine pieces a room draws from; the last, a painting, comes in ten pictures.
    static constexpr int NombreDeMeubles = 9;
    static constexpr int MeubleTableau = 8;
    // One piece standing (or hanging) on the room's floor line, its x left at 0; `tableau` is
    // the painting's number, 1 to 10.
    std::shared_ptr<Meuble> FabriqueMeuble(int piece, int tableau) const;
    int OnRender() override { return 0; }
    // The loop the music step plays; none on a plain puppets playfield.
    virtual platform::SoundPtr SonGuitare() const { return nullptr; }

  protected:
    // The drawing the room playfields share, back to front.
    void DessineSol();
    void DessineAnimaux(bool avecRegardes);
    // The lead from the walker's hand to the animal's head (the body of a fish).
    void DessineLaisse(const Animal& animal);
    void DessinePersos();
    void DessineObjetsEnVol();
    void DessineRegardsEtEtoiles();

  private:
    void PasDAction(Pantin& perso, int code);
    void AnimeVisages();
    void CalculeFin();
    Pantin* Perso(int index) const;

    // Where the running shake started.
    bool secousseEnCours = false;
    float ySecousse = 0;
};

// The end screen's playfield: it draws its room (clipped to the playfield) and its puppets.
class iPlayfieldFin : public iPlayfieldPersos {
  public:
    int OnRender() override;
};
