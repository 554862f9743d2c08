#pragma once
// The images, bitmap fonts and sounds that many screens share, loaded once by the hub's create
// hook into these globals and only read afterwards. Each is none until then.
#include <array>
#include <memory>
#include <vector>

#include "platform/audio.h"
#include "platform/image.h"

class iBitmapFont;

// Control bar of the game terrains.
extern platform::ImagePtr imgboutonrwd;
extern platform::ImagePtr imgboutonrtn;
extern platform::ImagePtr imgboutonfwd;
extern platform::ImagePtr imgboutonclip;
extern platform::ImagePtr imgboutonplay;
extern platform::ImagePtr imgboutonpause;
extern platform::ImagePtr imgboutonreload;
extern platform::ImagePtr imgboutonphoto;
extern platform::ImagePtr imgboutonhide;
extern platform::ImagePtr imgboutonnopic;

extern std::shared_ptr<iBitmapFont> fontoregano48;
extern std::shared_ptr<iBitmapFont> fontoregano30;
extern std::shared_ptr<iBitmapFont> fontyesteryear21;
// The print sizes of the sentence cards, largest first: fontoregano48, the steps between, then
// fontoregano30. A board writes all of its cards in the first one in which they all fit.
extern std::vector<std::shared_ptr<iBitmapFont>> policesDesCartes;

extern platform::SoundPtr sonpop1;
extern platform::SoundPtr sonclic1;
extern platform::SoundPtr sonclicclac;
extern platform::SoundPtr sonpfiou1;
extern platform::SoundPtr sonpfiou2;
extern platform::SoundPtr sonhit1;
extern platform::SoundPtr sonhit2;
extern platform::SoundPtr sonhit3;
extern platform::SoundPtr sonhit4;
extern platform::SoundPtr sonstep1a;
extern platform::SoundPtr sonstep1b;
extern platform::SoundPtr sonstep2a;
extern platform::SoundPtr sonstep2b;
extern platform::SoundPtr sonstep3a;
extern platform::SoundPtr sonstep3b;
extern platform::SoundPtr sonsqueak1;
extern platform::SoundPtr sonsqueak2;
extern platform::SoundPtr sonsqueak3;
extern platform::SoundPtr sonsqueak4;
extern platform::SoundPtr sonsqueak5;
extern platform::SoundPtr sonelephant1;
extern platform::SoundPtr sonelephant2;
extern platform::SoundPtr soncuisine;
extern platform::SoundPtr songuitare1;
extern platform::SoundPtr sonzzz;
extern platform::SoundPtr sonplop;

extern platform::ImagePtr imgcheckbox1;
extern platform::ImagePtr imgcheckbox2;
extern platform::ImagePtr imgrectrep;
extern platform::ImagePtr imgsol;
extern platform::ImagePtr imglogo;
// Furniture of the menu decor: entries 0..8 are filled, entry 9 stays none.
extern std::array<platform::ImagePtr, 10> imgmeubles;

// The loading sequence: reseeds the random generator from the clock, then loads every shared
// asset from the data folder. Runs once; later calls do nothing. A missing file is reported on
// standard error; the floor and the furniture then get a plain placeholder of their size, so
// the decor always has a picture to show.
void LoadSharedAssets();
bool SharedAssetsLoaded();
// Every global back to none (tests).
void ResetSharedAssets();
