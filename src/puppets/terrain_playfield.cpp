// The terrain playfield: drawing and capture, the pop zoom, and the aim of the lookers.
#include "puppets/terrain_playfield.h"

#include <cmath>

#include "platform/app.h"
#include "platform/graphics.h"
#include "puppets/animal.h"
#include "puppets/bmp_file.h"

int iPlayFieldTerrainAction::OnCreate() {
    bmp = std::make_shared<BmpFile>();
    return 0;
}

int iPlayFieldTerrainAction::OnRender() {
    // The clip is the terrain's rectangle: the wall fills it.
    platform::Cls(static_cast<float>(couleurFond[0]) / 255,
                  static_cast<float>(couleurFond[1]) / 255,
                  static_cast<float>(couleurFond[2]) / 255, 1.0f);
    DessineSol();
    for (int i = dernierPerso; i >= 0; --i) {
        const Pantin* p = i < static_cast<int>(persos.size())
                              ? persos[static_cast<std::size_t>(i)].get()
                              : nullptr;
        if (p && p->objetPose && p->table) {
            p->table->Draw();
            if (p->objetSurTable) {
                p->objetSurTable->Draw();
            }
        }
    }
    DessineAnimaux(true);
    DessinePersos();
    DessineObjetsEnVol();
    DessineRegardsEtEtoiles();

    if (captureDemandee) {
        // The terrain's own part of the window (it need not stand in the middle: above the
        // game's buttons, it does not).
        captureReussie =
            bmp &&
            bmp->Capture(static_cast<int>(std::trunc(x)), static_cast<int>(std::trunc(y)),
                         static_cast<int>(std::trunc(width * scaleX)),
                         static_cast<int>(std::trunc(height * scaleY))) &&
            bmp->Sauve(nomCapture);
        captureDemandee = false;
    }
    return 0;
}

int iPlayFieldTerrainAction::AnimeZoom(float largeurFenetre, float hauteurFenetre) {
    // The rest place is where the terrain stood when its first zoom began, unless the game
    // scene has said where it is.
    if (!zoomEnCours && positionConnue != 1) {
        xRepos = x;
        yRepos = y;
        positionConnue = 1;
    }
    zoomEnCours = true;
    const int pas = zoomRetour ? -6 : 6;
    viewportHeight += pas;
    viewportWidth += pas;
    const float demiL = largeurFenetre / 2;
    const float demiH = hauteurFenetre / 2;
    if (static_cast<float>(viewportWidth) > demiL + 36) {
        zoomRetour = true;
    }
    if (demiL > static_cast<float>(viewportWidth)) {
        zoomEnCours = zoomRetour = false;
        viewportWidth = static_cast<int>(std::trunc(demiL));
        viewportHeight = static_cast<int>(std::trunc(demiH));
    }
    width = 1280;
    height = 768;
    const float vl = static_cast<float>(viewportWidth);
    const float vh = static_cast<float>(viewportHeight);
    if (vl > 0) {
        const float echelle = vh / vl >= 0.6f ? vl / 1280.0f : vh / 768.0f;
        scaleX = scaleY = echelle;
    }
    handleX = 640;
    handleY = 384;
    x = xRepos - std::fabs((vl - demiL) / 2);
    y = yRepos - std::fabs((vh - demiH) / 2);
    return 0;
}

void iPlayFieldTerrainAction::FixeRepos(float xPlace, float yPlace) {
    x = xRepos = xPlace;
    y = yRepos = yPlace;
    positionConnue = 1;
}

namespace {

// Where a puppet looks for one of its codes; false when it has nothing to look at.
bool Cible(const iPlayFieldTerrainAction& t, const Pantin& p, int code, float& tx, float& ty) {
    if (code == CodeAction::RegarderPersonne) {
        const int i = p.indexRegarde;
        const Pantin* q = i >= 0 && i < static_cast<int>(t.persos.size())
                              ? t.persos[static_cast<std::size_t>(i)].get()
                              : nullptr;
        if (!q || !q->tete) {
            return false;
        }
        tx = q->tete->x;
        ty = q->tete->y - 50;
        return true;
    }
    if (code != CodeAction::RegarderObjet) {
        return false;
    }
    if (p.objetPose && p.objetSurTable) {
        tx = p.objetSurTable->x;
        ty = p.objetSurTable->y;
    } else if (p.animalRegarde && p.animal2 && p.animal2->ventre) {
        // The elephant's eyes are high above its body's handle.
        tx = p.animal2->ventre->x;
        ty = p.animal2->ventre->y - (p.animal2->estElephant ? 200.0f : 0.0f);
    } else if ((p.objetUneMainTenu || p.objetEnVol) && p.objetUneMain) {
        tx = p.objetUneMain->x;
        ty = p.objetUneMain->y;
    } else if (p.objetDeuxMainsTenu && p.objetDeuxMains) {
        tx = p.objetDeuxMains->x + p.sens * 50;
        ty = p.objetDeuxMains->y - 40;
    } else {
        return false;
    }
    return true;
}

} // namespace

int iPlayFieldTerrainAction::VisePersos() {
    const auto vise = [this](Pantin* p, int code) {
        float tx = 0;
        float ty = 0;
        if (p && Cible(*this, *p, code, tx, ty)) {
            p->Vise(tx, ty);
        }
    };
    Pantin* p0 = persos.empty() ? nullptr : persos[0].get();
    if (p0) {
        vise(p0, p0->action1);
        vise(p0, p0->action2);
    }
    if (Pantin* p1 = persos.size() > 1 ? persos[1].get() : nullptr; deuxiemePerso && p1) {
        vise(p1, p1->action1);
    }
    return 0;
}
