// Drawing a puppet, back to front.
#include "puppets/pantin.h"

namespace {

// Parts that exist only with a flag may be missing.
template <class T> void DessineSi(const std::shared_ptr<T>& sprite) {
    if (sprite) {
        sprite->Draw();
    }
}

} // namespace

void Pantin::Dessine() const {
    const bool cuisine = AAction(CodeAction::Cuisiner);
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
    if (objetUneMainTenu) {
        DessineSi(objetUneMain);
    }
    if (cuisine) {
        DessineSi(fumee);
    }
    if (objetDeuxMainsTenu || penche) {
        DessineSi(objetDeuxMains);
    }
    if (avecGuitare) {
        DessineSi(guitare);
    }
}

void Pantin::DessineBrasAvant() const {
    if (avecGuitare) {
        DessineSi(guitare);
    }
    DessineSi(mainDroite);
    DessineSi(brasDroit);
}

void Pantin::DessineObjets() const {
    const bool cuisine = AAction(CodeAction::Cuisiner);
    DessineSi(jambe1);
    if (cuisine && nourriture && nourriture->rotation < -43) {
        nourriture->Draw();
    }
    if (objetUneMainTenu) {
        DessineSi(objetUneMain);
    }
    if (cuisine) {
        DessineSi(fumee);
    }
    if (objetDeuxMainsTenu) {
        DessineSi(objetDeuxMains);
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
