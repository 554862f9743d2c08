// A card let go in the build-a-sentence game: a bank word joins the sentence where it was
// dropped, a word of the sentence snaps back, moves inside the frame or leaves the sentence.
//
// Index:
//   PlacePhrase   the release step of each frame
//   AjouteMot     a bank card dropped on the frame
//   DeplaceMot    a frame card dropped inside the frame
//   RetireMot     a frame card dropped outside it
#include <algorithm>
#include <cmath>

#include "game/phrase_scene.h"

// --- PlacePhrase ---

void iEnginePhraseAuChoix::PlacePhrase() {
    const int bank = static_cast<int>(etiquettes.size());
    if (listeEtiquetteSaisie == 1 && indiceSaisie >= 0 && indiceSaisie < bank) {
        listeEtiquetteSaisie = 0;
        iGuiEtiquette& card = *etiquettes[static_cast<std::size_t>(indiceSaisie)];
        // The frame keeps a free slot after the last word: a twentieth word goes back.
        if (zonePhrase->Contient(card.x, card.y) && nombrePlacees < MotsDuCadre) {
            AjouteMot(card);
        }
        DecomposePhrase();
        card.x = card.origineX;
        card.y = card.origineY;
        card.PlaceLegende();
        AnnonceCadre();
    } else if (listeEtiquetteSaisie == 2 && indiceSaisie >= 0 && indiceSaisie < nombrePlacees) {
        phraseModifiee = true;
        listeEtiquetteSaisie = 0;
        const iGuiEtiquette& card = *etiquettesMots[static_cast<std::size_t>(indiceSaisie)];
        if (zonePhrase->Contient(card.x, card.y)) {
            DeplaceMot();
        } else {
            RetireMot();
        }
        DecomposePhrase();
        AnnonceCadre();
    }
    listeEtiquetteSaisie = 0;
    // Past both lists, so that the next card pressed in either is the one that follows.
    derniereSaisie = std::max(Aucune, bank);
}

// --- AjouteMot ---

void iEnginePhraseAuChoix::AjouteMot(iGuiEtiquette& bankCard) {
    const int n = nombrePlacees;
    auto slot = [this](int i) -> iGuiEtiquette& {
        return *etiquettesMots[static_cast<std::size_t>(i)];
    };
    // It goes after every word read before the point where it was let go.
    const int p = MotsAvant(bankCard.x, bankCard.y, -1);
    // The free slot after the last word comes to place p; the words from p on move right.
    std::rotate(etiquettesMots.begin() + p, etiquettesMots.begin() + n,
                etiquettesMots.begin() + n + 1);
    slot(p).AfficheTexte(bankCard);
    nombrePlacees = n + 1;
    DisposeLeCadre();
    AnalyseCadre();
    indiceAGrossir = p;
    slot(p).aGrossir = true;
    slot(p).etatZoom = 0;
    phraseModifiee = true;
}

// --- DeplaceMot ---

void iEnginePhraseAuChoix::DeplaceMot() {
    const int k = indiceSaisie;
    const int n = nombrePlacees;
    iGuiEtiquette& card = *etiquettesMots[static_cast<std::size_t>(k)];
    // A small drag, within the card's part in sight and half of each neighbour's, puts the card
    // back.
    const auto places = PlacesDesMots();
    const auto enVue = [&places](int i) {
        const PlaceDeMot& p = places[static_cast<std::size_t>(i)];
        return p.droite - p.gaucheVisible;
    };
    const bool surSaPlace = [&] {
        if (k >= static_cast<int>(places.size())) {
            return false;
        }
        const PlaceDeMot& ici = places[static_cast<std::size_t>(k)];
        const float gauche = ici.gaucheVisible - (k > 0 ? enVue(k - 1) / 2 : 0);
        const float droite = ici.droite + (k < n - 1 ? enVue(k + 1) / 2 : 0);
        return std::abs(card.y - card.origineY) < (RangeeBasseY - RangeeHauteY) / 2 &&
               gauche < card.x && card.x < droite;
    }();
    if (surSaPlace) {
        card.x = card.origineX;
        card.y = card.origineY;
        card.PlaceLegende();
        phraseModifiee = false;
        return;
    }
    CopieEtiquette();
}

// --- RetireMot ---

void iEnginePhraseAuChoix::RetireMot() {
    const int k = indiceSaisie;
    const int n = nombrePlacees;
    if (n <= 1) {
        nombrePlacees = 0;
        etiquettesMots[0]->EffaceTexte();
        phraseModifiee = false;
        ProposeLesPersonnages();
        AnalyseCadre();
        return;
    }
    // The card leaves for the end of the row, where it is emptied; the words after it close up,
    // the first one included.
    std::rotate(etiquettesMots.begin() + k, etiquettesMots.begin() + k + 1,
                etiquettesMots.begin() + n);
    nombrePlacees = n - 1;
    DisposeLeCadre();
    etiquettesMots[static_cast<std::size_t>(n - 1)]->EffaceTexte();
    AnalyseCadre();
}
