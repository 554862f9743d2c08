// Drawing a puppet back to front, its stars and gaze, and the aim of its head.
#include <algorithm>
#include <cmath>

#include "platform/graphics.h"
#include "puppets/pantin.h"

namespace {

// Parts that exist only with a flag may be missing.
template <class T> void DessineSi(const std::shared_ptr<T>& sprite) {
    if (sprite) {
        sprite->Draw();
    }
}

} // namespace

void Pantin::DessineDerriereLaTete() const {
    // A thing held in both hands is in front of the body but behind the head: a crate held at
    // chest height is taller than a child's whole head, and drawn over it hid the face. The
    // front hand still grips over it, drawn next when the arm goes behind the head, else with
    // the front arm after the body.
    if (objetDeuxMainsTenu || penche) {
        DessineSi(objetDeuxMains);
    }
    if (!BrasLeveDerriereLaTete()) {
        return;
    }
    // The hand grips over what it holds, as it does at rest.
    if (objetUneMainTenu) {
        DessineSi(objetUneMain);
    }
    DessineSi(mainDroite);
    DessineSi(brasDroit);
}

void Pantin::Dessine() const {
    const bool cuisine = AAction(CodeAction::Cuisiner);
    const bool leve = BrasLeveDerriereLaTete();
    DessineSi(mainGauche);
    DessineSi(brasGauche);
    DessineSi(jambe2);
    if (AAction(CodeAction::Pedaler)) {
        DessineSi(pedale1);
        DessineSi(monocycle);
        DessineSi(pedale2);
    }
    DessineSi(jambe1);
    DessineSi(buste);
    DessineDerriereLaTete();
    DessineSi(tete);
    DessineSi(cheveux);
    if (dort) {
        DessineSi(zzz);
    }
    if (avecChapeau) {
        DessineSi(chapeau);
    }
    DessineSi(visage);
    // The food shows only once tossed above the pan.
    if (cuisine && nourriture && nourriture->rotation < -43) {
        nourriture->Draw();
    }
    if (objetUneMainTenu && !leve) {
        DessineSi(objetUneMain);
    }
    if (cuisine) {
        DessineSi(fumee);
    }
    if (avecGuitare) {
        DessineSi(guitare);
    }
}

void Pantin::DessineBrasAvant() const {
    if (avecGuitare) {
        DessineSi(guitare);
    }
    if (!BrasLeveDerriereLaTete()) {
        DessineSi(mainDroite);
        DessineSi(brasDroit);
    }
}

void Pantin::DessineObjets() const {
    const bool cuisine = AAction(CodeAction::Cuisiner);
    DessineSi(jambe1);
    if (cuisine && nourriture && nourriture->rotation < -43) {
        nourriture->Draw();
    }
    // An arm behind the head came with the body, what it holds in its hand too.
    if (objetUneMainTenu && !BrasLeveDerriereLaTete()) {
        DessineSi(objetUneMain);
    }
    if (cuisine) {
        DessineSi(fumee);
    }
    if (dort) {
        DessineSi(zzz);
    }
}

void Pantin::DessineCorps() const {
    DessineSi(mainGauche);
    DessineSi(brasGauche);
    DessineSi(jambe2);
    DessineSi(jambe1);
    DessineSi(buste);
    DessineDerriereLaTete();
    DessineSi(tete);
    DessineSi(cheveux);
    if (avecChapeau) {
        DessineSi(chapeau);
    }
    DessineSi(visage);
}

void Pantin::DessineEtoiles() const {
    if (!etoilesActives || !etoiles[0] || !etoiles[0]->visible) {
        return;
    }
    for (const auto& etoile : etoiles) {
        DessineSi(etoile);
    }
}

void Pantin::DessineRegard() const {
    if (!regard || !visage) {
        return;
    }
    platform::SetColor(regard->red, regard->green, regard->blue);
    platform::SetAlpha(alphaRegard);
    const Visage& v = *visage;
    // Beams 6 pixels wide at the eye, 40 at the target.
    for (const auto& [ex, ey] : {std::pair{v.xOeil1, v.yOeil1}, std::pair{v.xOeil2, v.yOeil2}}) {
        platform::DrawPoly(
            {ex, ey + 3, ex, ey - 3, v.xCible, v.yCible - 20, v.xCible, v.yCible + 20});
    }
    regard->Draw();
    platform::SetAlpha(1.0f);
}

void Pantin::Vise(float tx, float ty) {
    if (!tete || !visage || !regard || !buste) {
        return;
    }
    using namespace CodeAction;
    if (action1 == LancerSur && action2 == LancerSur) {
        tete->rotation = 0;
    } else {
        tete->rotation = std::clamp(AtanDegres(tete->y - ty, tete->x - tx), -18.0f, 18.0f);
    }
    regard->scaleX = sens;

    // The head turns round when the target passes behind it.
    const float avant = visage->xCible;
    const bool droite =
        sens > 0 ? (tete->x < avant || avant == 0) : !(avant < tete->x || avant == 0);
    const float s = droite ? 1.0f : -1.0f;
    tete->scaleX = s;
    visage->scaleX = s;
    if (cheveux) {
        cheveux->scaleX = s;
    }
    if (avecChapeau && chapeau) {
        chapeau->scaleX = s * chapeau->echelle;
    }
    sensTete = s;
    regard->scaleX = s;

    const auto oeil = [&](float ox, float& x, float& y) {
        const DecalageTourne t = TourneDecalage(ox * sensTete, visage->yeuxY, tete->rotation, 1);
        x = tete->x + t.distance * std::sin(t.angle);
        y = tete->y - t.distance * std::cos(t.angle);
    };
    oeil(visage->oeil1X, visage->xOeil1, visage->yOeil1);
    oeil(visage->oeil2X, visage->xOeil2, visage->yOeil2);
    visage->xCible = tx;
    visage->yCible = ty;
    SuitMembres();
    PlaceObjetUneMain();
    TourneGuitare();
    PlaceChapeau();

    // The gaze pulses between 0.12 and 0.5.
    if (regardMonte) {
        alphaRegard += 0.01f;
        if (alphaRegard >= 0.5f) {
            alphaRegard = 0.5f;
            regardMonte = false;
        }
    } else {
        alphaRegard -= 0.01f;
        if (alphaRegard <= 0.12f) {
            alphaRegard = 0.12f;
            regardMonte = true;
        }
    }
    const float d = tx > tete->x ? 1.0f : -1.0f;
    regard->scaleX = d;
    regard->x = tx - 8 * d;
    regard->y = ty - 21;
    regard->alpha = 2 * alphaRegard;
}

bool Pantin::EstVisible() const {
    if (!buste) {
        return false;
    }
    const float w = buste->largeur;
    return buste->x > -w && buste->x < w + 1280;
}
