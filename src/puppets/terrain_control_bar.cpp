// The control bar of a terrain, laid out when a sentence is staged on it.
#include "framework/shared_assets.h"
#include "gui/button_variants.h"
#include "puppets/terrain_playfield.h"
#include "puppets/terrain_staging.h"
#include "sentence/vocabulary.h"

namespace {

using Bouton = std::shared_ptr<iGuiButton2>;

// Positioned buttons stand at the top of the terrain and keep their rest box for the bounce.
void Place(const Bouton& b, float x) {
    if (b) {
        b->SetX(x);
        b->baseX = b->X();
        b->baseWidth = b->Width();
        b->SetY(10);
    }
}

void Pose(const Bouton& b, const std::shared_ptr<iPlayFieldTerrainAction>& terrain) {
    if (b) {
        b->SetPlayfield(terrain);
    }
}

void Image(const Bouton& b, const platform::ImagePtr& image) {
    if (b) {
        b->SetImage(image);
    }
}

} // namespace

void DisposeBarre(int indexTerrain, const std::shared_ptr<iPlayFieldTerrainAction>& terrain) {
    if (!terrain) {
        return;
    }
    iPlayFieldTerrainAction& t = *terrain;
    const float w = t.Width();
    // The full bar stands on the third terrain of a board (the second of two), and on every
    // terrain of the other modes.
    const int i0 = nombredanimations == 1 ? 1 : 2;
    const bool courte = indexTerrain != i0 && modedejeu <= 0;
    const float g = modedejeu == 3 ? 64.0f : 250.0f;

    float xPause = w - 64;
    float xLecture = w - 126;
    float xRecule = w - 178;
    if (!courte) {
        Pose(t.bouton, terrain);
        Pose(t.boutonRecule, terrain);
        Pose(t.boutonCache, terrain);
        if (indexTerrain == i0 || modedejeu == 1 || modedejeu == 2) {
            Pose(t.boutonAvance, terrain);
            Pose(t.boutonClip, terrain);
            Pose(t.boutonSansImage, terrain);
        }
        Image(t.bouton, imgboutonrtn);
        Image(t.boutonRecule, imgboutonrwd);
        Image(t.boutonAvance, imgboutonfwd);
        Image(t.boutonCache, imgboutonhide);
        Image(t.boutonSansImage, imgboutonnopic);
        Image(t.boutonClip, imgboutonclip);
        if (t.bouton) {
            t.bouton->SetX(w - 64);
            t.bouton->SetY(10);
        }
        if (modedejeu == 3) {
            Place(t.boutonCache, w - 128);
        } else {
            Place(t.boutonAvance, w - 126);
            Place(t.boutonClip, w - 190);
            Place(t.boutonCache, w - 254);
            Place(t.boutonSansImage, w - 318);
        }
        xPause = w - 126 - g;
        xLecture = w - 178 - g;
        xRecule = w - 240 - g;
    }
    Pose(t.boutonPause, terrain);
    Image(t.boutonPause, imgboutonpause);
    Place(t.boutonPause, xPause);
    Pose(t.boutonLecture, terrain);
    Image(t.boutonLecture, imgboutonplay);
    Place(t.boutonLecture, xLecture);
    // On the full bar the rewind button joined the terrain first; it joins only once.
    if (courte) {
        Pose(t.boutonRecule, terrain);
    }
    Image(t.boutonRecule, imgboutonrwd);
    Place(t.boutonRecule, xRecule);
    // The return button keeps its rest box where it stands (nowhere on the short bar).
    if (t.bouton) {
        t.bouton->baseX = t.bouton->X();
        t.bouton->baseWidth = t.bouton->Width();
    }
    if (!courte && modedejeu == 3) {
        Pose(t.boutonRecharge, terrain);
        Image(t.boutonRecharge, imgboutonreload);
        Place(t.boutonRecharge, w - 359);
    }
    Pose(t.boutonPhoto, terrain);
    Image(t.boutonPhoto, imgboutonphoto);
    Place(t.boutonPhoto, courte           ? w - 236
                         : modedejeu == 3 ? w - 414
                         : modedejeu == 0 ? w - 236
                                          : w - 548);
}
