#pragma once
// What every menu screen with a decor does each frame: the entry step at the top of its
// per-frame hook, the decor's drift as its last step, and the decor in its render hook; and the
// way into such a screen, which asks for its entry step.
#include <functional>
#include <memory>

class iPlayfield;
class iPlayfieldDecore;
class iScene;

// Gives the decor its three sprites (the floor strip shows imgsol) and either draws a new
// random pair (the hub, the first screen to show one) or takes up the one kept in the globals.
void InstalleDecor(iPlayfieldDecore& decor, bool auHasard);

// Leaves for another screen: the one entered does its entry work. Nothing happens while the
// screen does not exist.
void VaVersEcran(const std::shared_ptr<iScene>& ecran);

// The entry step: on the first frame after a switch (NouvelEcran), the decor kept in the
// globals is restored, the playfields are fitted again when the window was resized meanwhile,
// then `entree` does the screen's own entry work. NouvelEcran is cleared in every case.
void EntreeEcran(iPlayfield* fond, iPlayfieldDecore& decor,
                 const std::function<void()>& entree = {});

// One frame of the drift: meuble1 moves one canvas unit along the decor's disposition; once the
// pair has left (thresholds in viewport pixels, compared as they are) a new random decor comes
// in; the followers are placed again and DecorX, DecorY written.
void DeriveDecor(iPlayfieldDecore& decor);

// The floor strip, then the two pieces.
void DessineDecor(const iPlayfieldDecore& decor);
