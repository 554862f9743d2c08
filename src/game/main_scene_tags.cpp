// The cards moved by the child: the selection band over a card, the drag with the band and the
// bin for surplus sentences, the drop on a place (the card there takes the dropped card's
// place), and the slide of the card so displaced.
//
// Index:
//   SelectionneEtiquette
//   DeplaceLesEtiquettes
//   RelacheLePointeur, Echange
//   GlisseEtiquetteEchangee
#include <algorithm>

#include "framework/playfield.h"
#include "framework/shared_assets.h"
#include "game/main_scene.h"
#include "gui/button_variants.h"
#include "gui/image_widget.h"
#include "gui/text_field.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/input.h"
#include "sentence/vocabulary.h"

namespace {

constexpr int BoutonGauche = 1;
constexpr int CanalDepot = 3;
constexpr int Clignotement = 250;
// The band stops this far below its first corner.
constexpr float HauteurBande = 60;
// Slide steps per frame: vertical, horizontal, slanted.
constexpr float PasVertical = 32;
constexpr float PasHorizontal = 64;
constexpr float PasOblique = 48;

void Depot() {
    if (sonpop1) {
        platform::PlaySound(sonpop1, CanalDepot, 0);
    }
}

void EffaceBande(RectangleSelection& bande) {
    bande.SetWidth(0);
    bande.SetHeight(0);
    bande.departX = bande.departY = bande.finX = bande.finY = 0;
    bande.Deactivate();
}

void SuitSaCarte(iGuiEtiquette& tag) {
    tag.legende->MidHandle();
    tag.PlaceLegende();
}

} // namespace

// --- SelectionneEtiquette ---

void iEngineSceneGlobale::SelectionneEtiquette() {
    RectangleSelection& bande = *rectangleSelection;
    if (!platform::KeyDown(BoutonGauche)) {
        bande.enCours = false;
        if (bande.status == 1) {
            EffaceBande(bande);
        }
        return;
    }
    const float px = playfieldPrincipal->MouseX();
    const float py = playfieldPrincipal->MouseY();
    for (int i = 0; i <= nombredephrases; ++i) {
        iGuiEtiquette* tag = Etiquette(i);
        if (!tag) {
            continue;
        }
        if (!bande.enCours && tag->status == 1 && tag->EstTouchee()) {
            bande.departX = px;
            bande.departY = py;
            bande.enCours = true;
            bande.SetStatus(1);
            bande.etiquette = i;
        }
        if (bande.enCours) {
            const iGuiEtiquette* sienne = Etiquette(bande.etiquette);
            if (!sienne) {
                continue;
            }
            bande.finX = px;
            if (py - bande.departY > 0) {
                bande.finY = bande.departY + HauteurBande;
            }
            const float demiL = sienne->Width() / 2;
            const float demiH = sienne->Height() / 2;
            bande.finX = std::clamp(bande.finX, sienne->x - demiL, sienne->x + demiL);
            bande.finY = std::clamp(bande.finY, sienne->y - demiH, sienne->y + demiH);
            bande.Normalise();
        }
    }
}

// --- DeplaceLesEtiquettes ---

void iEngineSceneGlobale::DeplaceLesEtiquettes() {
    if (modedejeu == 2) {
        // Each card still due to pop pops; one the child took meanwhile finishes its own pop.
        for (auto& mot : etiquettesMots) {
            if (mot->aGrossir) {
                mot->Grossit();
            }
        }
        DeplaceEtiquettes(etiquettesMots, 1);
        return;
    }
    // The sentence cards move once they have all come in, while the whole board is in view.
    if (!(tousLesTerrains || nombredanimations == 0) || etiquettesApparues <= nombredephrases) {
        return;
    }
    const int r = DeplaceEtiquettes(etiquettes, 1);
    if (nombreetiqact <= nombredanimations) {
        return;
    }
    // A surplus card held: the bin takes it, and blinks.
    if (r == 1) {
        cadre->SetStatus(1);
        cadreFond->SetStatus(1);
        poubelle->SetStatus(1);
        boutonOk->Deactivate();
        if (boutonAnnuler) {
            boutonAnnuler->Deactivate();
        }
        const int maintenant = platform::Milliseconds();
        if (maintenant > tempsPhoto + Clignotement) {
            tempsPhoto = maintenant;
            cadre->SetFrame(cadre->frame == 0 ? 1 : 0);
            poubelle->SetFrame(poubelle->frame == 0 ? 1 : 0);
        }
    } else if (r == 2) {
        cadre->Deactivate();
        cadreFond->Deactivate();
        poubelle->Deactivate();
        boutonOk->SetStatus(1);
        if (boutonAnnuler) {
            boutonAnnuler->SetStatus(1);
        }
    }
}

// --- RelacheLePointeur, Echange ---

void iEngineSceneGlobale::RelacheLePointeur() {
    if (platform::TouchDown(0) || platform::TouchHits(0) > 0) {
        return;
    }
    boutonPresse = false;
    if (listeEtiquetteSaisie == 1) {
        iGuiEtiquette* g = modedejeu == 2 ? nullptr : Etiquette(indiceSaisie);
        if (modedejeu == 2) {
            // A word stays where it is let go.
            listeEtiquetteSaisie = 0;
        } else if (g && nombreetiqact > nombredanimations && g->status == 1 && g->y > cadre->y) {
            // Into the bin, for this board: the place it stood on is free.
            g->CacheAvecLegende();
            g->verrouillee = true;
            --nombreetiqact;
            for (int& carte : etiquettesDesPlaces) {
                carte = carte == indiceSaisie ? Aucune : carte;
            }
            listeEtiquetteSaisie = 0;
            Depot();
        } else if (nombredanimations == 0) {
            // One terrain: the card stays where it is let go.
            listeEtiquetteSaisie = 0;
            Depot();
        } else if (const int j = TrouveSlot(slots, g ? g->x : -1, g ? g->y : -1); j >= 0) {
            listeEtiquetteSaisie = 0;
            Depot();
            Echange(indiceSaisie, j);
        } else {
            RemetEtiquette(etiquettes);
        }
        // The places as they now stand, for whoever follows the game.
        tableauAnnonce = false;
    }
    derniereSaisie = Aucune;
}

void iEngineSceneGlobale::Echange(int g, int j) {
    iGuiEtiquette& carte = *Etiquette(g);
    const int d = carte.numero;
    if (d == j) {
        // Back on its own place. A single sentence whose card stood centred over the grid
        // takes the top left place from now on.
        const float demiW = imgrectrep ? static_cast<float>(imgrectrep->Width() / 2) : 0;
        const float demiH = imgrectrep ? static_cast<float>(imgrectrep->Height() / 2) : 0;
        if (nombredephrases == 0 && etiquettesX[0] == playfieldPrincipal->Width() * 0.25f + demiW) {
            etiquettesX[0] = demiW + 8;
            etiquettesY[0] = demiH + 36;
        }
        PlaceEtiquette(carte, j);
        return;
    }
    const int o = etiquettesDesPlaces[static_cast<std::size_t>(j)];
    carte.numero = j;
    if (o != Aucune) {
        Etiquette(o)->numero = d;
    }
    etiquettesDesPlaces[static_cast<std::size_t>(d)] = o;
    etiquettesDesPlaces[static_cast<std::size_t>(j)] = g;
    for (int s = 0; s < Quatre; ++s) {
        const int k = etiquettesDesPlaces[static_cast<std::size_t>(s)];
        if (s != d && k != Aucune) {
            PlaceEtiquette(*Etiquette(k), s);
        }
    }
    if (o == Aucune) {
        for (auto& tag : etiquettes) {
            SuitSaCarte(*tag);
        }
        return;
    }
    // The card that stood there slides to the place the dropped card left.
    echangeEnCours = true;
    etiquetteEchangee = o;
    echangeDepartX = etiquettesX[static_cast<std::size_t>(j)];
    echangeDepartY = etiquettesY[static_cast<std::size_t>(j)];
    echangeArriveeX = etiquettesX[static_cast<std::size_t>(d)];
    echangeArriveeY = etiquettesY[static_cast<std::size_t>(d)];
    if (echangeDepartX == echangeArriveeX) {
        echangePas = echangeArriveeY > echangeDepartY ? PasVertical : -PasVertical;
    } else if (echangeDepartY == echangeArriveeY) {
        echangePente = 0;
        echangePas = echangeArriveeX > echangeDepartX ? PasHorizontal : -PasHorizontal;
    } else {
        echangePente = (echangeArriveeY - echangeDepartY) / (echangeArriveeX - echangeDepartX);
        echangePas = echangeArriveeX > echangeDepartX ? PasOblique : -PasOblique;
    }
}

// --- GlisseEtiquetteEchangee ---

void iEngineSceneGlobale::GlisseEtiquetteEchangee() {
    if (!echangeEnCours) {
        return;
    }
    iGuiEtiquette* carte = Etiquette(etiquetteEchangee);
    if (!carte) {
        echangeEnCours = false;
        return;
    }
    bool arrivee = false;
    if (echangeDepartX == echangeArriveeX) {
        carte->x = echangeArriveeX;
        carte->y += echangePas;
        arrivee = echangePas < 0 ? carte->y < echangeArriveeY : carte->y > echangeArriveeY;
    } else {
        carte->x += echangePas;
        carte->y = echangePente * (carte->x - echangeDepartX) + echangeDepartY;
        arrivee = echangePas < 0 ? carte->x < echangeArriveeX : carte->x > echangeArriveeX;
    }
    if (arrivee) {
        // On its new place, which becomes its home.
        echangeEnCours = false;
        PlaceEtiquette(*carte, carte->numero);
        tableauAnnonce = false;
    }
    for (auto& tag : etiquettes) {
        tag->legende->MidHandle();
    }
    SuitSaCarte(*carte);
}
