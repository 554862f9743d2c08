#pragma once
// The look of the menu screens: a background that clears the window with one colour, and the
// decor playfield on the 1280 by 768 canvas, where two pieces of furniture on a floor strip
// glide across the screen and are replaced by a new random pair once they have left. The decor
// lives in globals, so that it carries on from one menu screen to the next.
#include <array>
#include <memory>

#include "framework/playfield.h"
#include "puppets/sprite.h"

class iPlayfieldFond : public iPlayfield {
  public:
    // 0..255 as the screens give them; the correction may push one beyond, which is clamped only
    // when the colour is used.
    int rouge = 0;
    int vert = 0;
    int bleu = 0;

    // Always 0. With correction, a channel far stronger or weaker than the others is tempered.
    int FixeCouleur(bool correction, int r, int g, int b);
    // Clears the window with the colour.
    int OnRender() override;
};

class iPlayfieldDecore : public iPlayfield {
  public:
    // Supplied by the screen (none on the title screen, which shows no parade).
    std::shared_ptr<iSprite> meuble1;
    std::shared_ptr<iSprite> meuble2;
    std::shared_ptr<iSprite> sol;
    // The side the pair enters from: 0 from below (moving up), 1 from above (moving down), 2
    // from the right (moving left), 3 from the left (moving right).
    int disposition = 0;
    // Per furniture picture of imgmeubles: a reference height and a lift. The picture's vertical
    // handle is height - lift; a negative lift hangs the piece on the wall.
    std::array<std::array<int, 2>, 9> mesures = {{{269, 20},
                                                  {524, 0},
                                                  {533, 20},
                                                  {373, 20},
                                                  {222, 20},
                                                  {510, 20},
                                                  {248, -200},
                                                  {250, -215},
                                                  {252, -200}}};

    // A new random pair placed outside the canvas on its entry side, kept in the globals.
    // Nothing happens while the sprites are missing.
    void DecorAuHasard();
    // The pair, handles and position kept in the globals; draws no random number.
    void RestaureDecor();
    // On a screen's first frame (NouvelEcran): the decor kept in the globals, and the playfields
    // fitted again when the window was resized meanwhile. Leaves NouvelEcran to the screen.
    int ReprendDecor(iPlayfield* fond);
    // The second piece beside the first, the floor strip `recul` units left of it.
    void AttacheSuiveurs(float recul);
};

// The decor kept across screens.
extern int DecorDisposition;
extern int DecorMeuble1;
extern int DecorMeuble2;
extern float DecorPoigneeY1;
extern float DecorPoigneeY2;
// Position of meuble1, written by DecorAuHasard and by the screens after each frame's move.
extern float DecorX;
extern float DecorY;
// Set by a screen right before it switches to one that must do its entry work (restore the
// decor, refit after a resize, refresh what it shows); that screen clears it.
extern bool NouvelEcran;

// Every decor global back to its start value (tests).
void ResetDecorGlobals();
