// Where the terrains and the cards stand: the 2 by 2 grid of terrains in the window (inside the
// letterbox of the canvas), each terrain's drop rectangle on the canvas, the layout again after
// a resize, and a card put on one of its places.
#include <algorithm>

#include "framework/letterbox.h"
#include "game/main_scene.h"
#include "gui/button_variants.h"
#include "gui/screen_handover.h"
#include "gui/text_field.h"
#include "platform/app.h"
#include "platform/diag.h"
#include "puppets/decor_playfields.h"
#include "puppets/terrain_playfield.h"
#include "sentence/vocabulary.h"

namespace {

// The canvas's width over its height, as the layout has always rounded it.
constexpr double RapportToile = 1.6667;

// Each terrain's drop rectangle on the canvas: left, right, top, bottom; terrain 0 top left,
// 1 bottom right, 2 top right, 3 bottom left.
struct Zone {
    float gauche, droite, haut, bas;
};
constexpr Zone Zones[iEngineSceneGlobale::Quatre] = {
    {0, 640, 0, 384}, {641, 1280, 385, 768}, {641, 1280, 0, 384}, {0, 640, 385, 768}};

// The terrain's playfield over `largeur` by `hauteur` device pixels of the window, showing the
// whole canvas; centred in the window or left where it stands.
void Ajuste(iPlayfield& terrain, int largeur, int hauteur, bool centre) {
    terrain.viewportWidth = largeur;
    terrain.viewportHeight = hauteur;
    terrain.SetVirtualSize(1280, 768, centre);
}

} // namespace

int iEngineSceneGlobale::DisposeTerrains() {
    const double w = platform::DeviceWidth();
    const double h = platform::DeviceHeight();
    if (w <= 0 || h <= 0) {
        return 0;
    }
    // The margins of the letterbox, cut to an even number of pixels.
    const double r = w / h;
    double mx = 0;
    double my = 0;
    if (r < RapportToile) {
        my = 2 * std::trunc((h * 0.5 - (r / RapportToile) * (h * 0.5)) * 0.5);
    } else {
        mx = 2 * std::trunc((w * 0.5 - (RapportToile / r) * (w * 0.5)) * 0.5);
    }
    if (nombredanimations >= 1) {
        positionsX = {static_cast<float>(mx), static_cast<float>(w * 0.5),
                      static_cast<float>(w * 0.5), static_cast<float>(mx)};
        positionsY = {static_cast<float>(my), static_cast<float>(h * 0.5), static_cast<float>(my),
                      static_cast<float>(h * 0.5)};
    } else {
        positionsX[0] = static_cast<float>(w * 0.25 + mx);
        positionsY[0] = static_cast<float>(h * 0.25 + my);
    }
    for (int t = 0; t <= nombredanimations && t < Quatre; ++t) {
        iPlayFieldTerrainAction* terrain = Terrain(t);
        if (!terrain) {
            continue;
        }
        const auto i = static_cast<std::size_t>(t);
        terrain->FixeRepos(positionsX[i], positionsY[i]);
        terrain->zoneGauche = Zones[i].gauche;
        terrain->zoneDroite = Zones[i].droite;
        terrain->zoneHaut = Zones[i].haut;
        terrain->zoneBas = Zones[i].bas;
    }
    return 0;
}

std::vector<Cadre> iEngineSceneGlobale::SousLesBoutons(int t) const {
    std::vector<Cadre> caches;
    if (modedejeu != 0 || t < 0 || t >= Quatre) {
        return caches;
    }
    // The terrain's cell on the canvas: its quarter of the grid, or the middle quarter alone.
    const Zone cellule =
        nombredanimations >= 1 ? Zones[static_cast<std::size_t>(t)] : Zone{320, 960, 192, 576};
    const float echelle = 1280 / (cellule.droite - cellule.gauche);
    const bool annuler = nombredephrases > nombredanimations;
    const auto couvre = [&](const platform::ImagePtr& image, float cx) {
        const float l = image ? static_cast<float>(image->Width()) : 0;
        const float h = image ? static_cast<float>(image->Height()) : 0;
        Cadre c;
        c.Ajoute((cx - l / 2 - cellule.gauche) * echelle,
                 (BoutonsY - h / 2 - cellule.haut) * echelle);
        c.Ajoute((cx + l / 2 - cellule.gauche) * echelle,
                 (BoutonsY + h / 2 - cellule.haut) * echelle);
        if (c.droite > 0 && c.gauche < 1280 && c.bas > 0 && c.haut < 768) {
            caches.push_back(c);
        }
    };
    couvre(imageBoutonOk, 640 + (annuler ? EcartAnnuler : 0));
    if (annuler) {
        couvre(imageBoutonAnnuler, 640 - EcartAnnuler);
    }
    return caches;
}

void iEngineSceneGlobale::Agrandit(iPlayFieldTerrainAction& terrain) {
    const int w = platform::DeviceWidth();
    const int h = platform::DeviceHeight();
    // The top of the buttons, on the canvas, and a few pixels between them and the room.
    float haut = 768;
    if (modedejeu == 1 || modedejeu == 2) {
        for (const iGuiButton2* b : {boutonOk.get(), boutonAnnuler.get()}) {
            if (b && b->GetPlayfield()) {
                haut = std::min(haut, b->y - b->handleY * b->scaleY - 4);
            }
        }
    }
    const iPlayfield* toile = playfieldPrincipal.get();
    if (haut >= 768 || haut <= 0 || !toile || w <= 0 || h <= 0) {
        Ajuste(terrain, w, h, true);
        return;
    }
    // The room as high as the canvas above the buttons, in the middle of the canvas's width.
    const float s = toile->scaleY * haut / 768;
    terrain.viewportWidth = static_cast<int>(1280 * s);
    terrain.viewportHeight = static_cast<int>(768 * s);
    terrain.SetVirtualSize(1280, 768, false);
    terrain.x = toile->x + (1280 * toile->scaleX - 1280 * terrain.scaleX) / 2;
    terrain.y = toile->y;
}

int iEngineSceneGlobale::OnResize() {
    const int w = platform::DeviceWidth();
    const int h = platform::DeviceHeight();
    FitToWindow(fond.get(), playfieldPrincipal.get());
    FitToWindow(nullptr, playfieldEchec.get());
    DisposeTerrains();
    String etat = platform::Str(numter);
    for (int t = 0; t <= nombredanimations; ++t) {
        if (const iPlayFieldTerrainAction* terrain = Terrain(t)) {
            etat += terrain->enVignette == 1 ? u" petit" : u" grand";
        }
    }
    platform::Print(etat);
    iPlayFieldTerrainAction* actif = Terrain(numter);
    if (actif && actif->enVignette == 1) {
        for (int t = 0; t <= nombredanimations; ++t) {
            if (iPlayFieldTerrainAction* terrain = Terrain(t)) {
                terrain->enVignette = 1;
                terrain->x = terrain->xRepos;
                terrain->y = terrain->yRepos;
                Ajuste(*terrain, w / 2, h / 2, false);
            }
        }
    } else if (actif) {
        // The enlarged terrain alone in the new window (the others are hidden and take their
        // new grid size when the grid comes back).
        Agrandit(*actif);
    }
    if (auto reglages = TheScreenHandover.ecrannombreitems1(); modedejeu < 2 && reglages) {
        FitToWindow(reglages->BackgroundPlayfield(), reglages->MainPlayfield());
    }
    FitMenuScreens();
    return 0;
}

int iEngineSceneGlobale::PlaceEtiquette(iGuiEtiquette& tag, int place) {
    if (place < 0 || place >= static_cast<int>(etiquettesX.size())) {
        return 0;
    }
    // The place becomes the card's home: a later drop that finds no place brings it back here.
    tag.x = tag.origineX = etiquettesX[static_cast<std::size_t>(place)];
    tag.y = tag.origineY = etiquettesY[static_cast<std::size_t>(place)];
    if (tag.legende) {
        tag.legende->MidHandle();
        tag.legende->x = tag.x;
        tag.legende->y = tag.y;
    }
    return 0;
}
