#pragma once
// The end screen, after the last board of a game: a short word of praise spelled by a row of
// puppets, one per letter, each holding up a sign with its letter. They run in from the left
// to their places in a small room. A click or Escape goes back to the hub; H spells another
// praise. The screen is made once at start and builds its animation on the first frame of each
// visit.
#include <array>
#include <memory>

#include "gui/engine_resizable.h"
#include "platform/text.h"

class iPlayfieldFin;
class iPlayfieldFond;

class iEngineFin : public iEngineResizable {
  public:
    // The animation of this visit has been built.
    bool animationFaite = false;
    // The praise being spelled, one puppet per UTF-16 unit.
    String phrase;
    int nbLettres = 0;
    // Where each letter's puppet stops, in canvas pixels.
    std::array<float, 20> xlettres{};
    std::shared_ptr<iPlayfieldFond> background;
    std::shared_ptr<iPlayfieldFin> terrain;

    int OnUpdate() override;
    // The room keeps the letterbox of the window.
    int OnResize() override;
    iPlayfield* BackgroundPlayfield() override;
    iPlayfield* MainPlayfield() override;

    // A new praise and its puppets; the playfields of the previous one go.
    void FabriqueAnimationFin();
};

// The praises, and the code a letter's sign picture is named with ("pancarte_" + code +
// ".png"): the letter itself, or a name for the space, the apostrophe and the accented letters.
inline constexpr int NombreDeFelicitations = 24;
extern const char16_t* const Felicitations[NombreDeFelicitations];
String CodeLettre(char16_t lettre);

// Created once by the application and switched to again and again.
extern std::shared_ptr<iEngineFin> ecranfin;
