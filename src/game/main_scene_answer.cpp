// The child's answer and the turnover of boards: the two checks, the undo, the next board, the
// veil's fade, and two small helpers of the board building.
//
// Index:
//   VerifieReponse (matching)
//   VerifieOrdre (word order)
//   ReinitialiseEtiquettes
//   TableauSuivant, Fondu
//   SansEspaces, MelangeEntiers
#include <algorithm>
#include <cmath>

#include "game/main_scene.h"
#include "gui/shapes.h"
#include "gui/text_field.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/diag.h"
#include "platform/random.h"
#include "puppets/decor_playfields.h"
#include "puppets/terrain_playfield.h"
#include "sentence/vocabulary.h"

namespace {

constexpr float Juste[3] = {120, 220, 120};
constexpr float Faux[3] = {220, 120, 120};
constexpr int CanalGuitare = 8;

bool DansLeTerrain(const iGuiEtiquette& tag, const iPlayFieldTerrainAction& t) {
    return tag.x > t.zoneGauche && tag.x < t.zoneDroite && tag.y > t.zoneHaut && tag.y < t.zoneBas;
}

} // namespace

// --- VerifieReponse (matching) ---

bool iEngineSceneGlobale::VerifieReponse() {
    const int n = nombredanimations;
    const int q = nombreetiqact;
    int justes = 0;
    for (int i = 0; i <= nombredephrases; ++i) {
        iGuiEtiquette* tag = Etiquette(i);
        if (!tag || tag->status != 1 || q > n) {
            continue;
        }
        const String& texte = tag->legende->GetText();
        bool trouve = false;
        if (n > 0 && i <= q) {
            for (int t = 0; t <= n; ++t) {
                const iPlayFieldTerrainAction* terrain = Terrain(t);
                trouve = trouve ||
                         (terrain && DansLeTerrain(*tag, *terrain) && texte == terrain->phrase);
            }
        }
        const iGuiEtiquette* premiere = Etiquette(0);
        const iPlayFieldTerrainAction* sien =
            i <= q && i <= n ? Terrain(terrainDePhrase[static_cast<std::size_t>(i)]) : nullptr;
        const bool juste = (premiere && premiere->status == 1 && n == 0 && q == 0) ||
                           (i <= q && n > 0 && sien && DansLeTerrain(*tag, *sien)) || trouve;
        const float* couleur = juste ? Juste : Faux;
        tag->SetColor(couleur[0], couleur[1], couleur[2]);
        tag->bienPlacee = juste;
        justes += juste ? 1 : 0;
        platform::Print(u"etiquette " + platform::Str(i) + (juste ? u" juste" : u" fausse"));
    }
    const int attendues = nombredephrases > n
                              ? n + 1
                              : std::min(static_cast<int>(etiquettes.size()), nombredephrases + 1);
    if (justes == attendues && q <= n) {
        ++reponsesdesuite;
        return true;
    }
    reponsesdesuite = 0;
    return false;
}

// --- VerifieOrdre (word order) ---

bool iEngineSceneGlobale::VerifieOrdre() {
    struct Mot {
        int indice;
        int x;
        int y;
    };
    std::vector<Mot> mots;
    for (std::size_t k = 0; k < etiquettesMots.size(); ++k) {
        if (const iGuiEtiquette* tag = etiquettesMots[k].get()) {
            mots.push_back({static_cast<int>(k), static_cast<int>(std::trunc(tag->x)),
                            static_cast<int>(std::trunc(tag->y))});
        }
    }
    // Left to right; words at the same x keep their order.
    const auto parX = [](const Mot& a, const Mot& b) { return a.x < b.x; };
    std::stable_sort(mots.begin(), mots.end(), parX);
    // The two leftmost words one above the other: two rows, the lower read after the upper.
    if (mots.size() > 1) {
        const iGuiEtiquette& a = *etiquettesMots[static_cast<std::size_t>(mots[0].indice)];
        const iGuiEtiquette& b = *etiquettesMots[static_cast<std::size_t>(mots[1].indice)];
        const int largeur = static_cast<int>(std::trunc(std::max(a.Width(), b.Width())));
        if (std::abs(mots[0].x - mots[1].x) < largeur + 50 &&
            static_cast<float>(std::abs(mots[0].y - mots[1].y)) > a.Height()) {
            const int limite = std::min(mots[0].y, mots[1].y) + 40;
            // The lower row goes past the whole canvas (the words stand on it), whatever the
            // size of the window.
            const int decalage = static_cast<int>(playfieldPrincipal->Width());
            for (Mot& mot : mots) {
                if (mot.y > limite) {
                    mot.x += decalage;
                }
            }
            std::stable_sort(mots.begin(), mots.end(), parX);
        }
    }
    String lue;
    for (const Mot& mot : mots) {
        lue += etiquettesMots[static_cast<std::size_t>(mot.indice)]->legende->GetText();
    }
    lue = SansEspaces(lue);
    platform::Print(u"phrase lue : " + lue);
    const bool juste = OrdreAccepte(lue);
    reponsesdesuite = juste ? reponsesdesuite + 1 : 0;
    return juste;
}

bool iEngineSceneGlobale::OrdreAccepte(const String& lue) const {
    return !lue.empty() &&
           std::find(phrasesvracok.begin(), phrasesvracok.end(), lue) != phrasesvracok.end();
}

// --- ReinitialiseEtiquettes ---

int iEngineSceneGlobale::ReinitialiseEtiquettes() {
    // Every card back on the place it started from, so that the places and the cards' numbers
    // agree again for the next swap.
    for (int p = 0; p <= nombredephrases && p < Quatre; ++p) {
        iGuiEtiquette* tag = Etiquette(ordreEtiquettes[static_cast<std::size_t>(p)]);
        if (!tag) {
            continue;
        }
        tag->MontreAvecLegende();
        tag->verrouillee = false;
        tag->numero = p;
        PlaceEtiquette(*tag, p);
        tag->MidHandle();
        tag->legende->MidHandle();
        tag->PlaceLegende();
        tag->SetColor(255, 255, 255);
    }
    etiquettesDesPlaces = ordreEtiquettes;
    echangeEnCours = false;
    nombreetiqact = nombredephrases;
    return 0;
}

// --- TableauSuivant, Fondu ---

int iEngineSceneGlobale::TableauSuivant(bool changement) {
    platform::Print(u"tableau suivant");
    for (int i = 0; i <= nombredephrases; ++i) {
        if (iGuiEtiquette* tag = Etiquette(i)) {
            tag->Remove();
            tag->legende->Remove();
        }
    }
    // The board's playfields, with every widget on them, stay alive until the end of this
    // frame: the frame may still be walking them.
    std::vector<iPlayfield*> partants;
    for (int t = 0; t <= nombredanimations; ++t) {
        partants.push_back(Terrain(t));
    }
    partants.push_back(playfieldPrincipal.get());
    partants.push_back(playfieldEchec.get());
    partants.push_back(fond.get());
    for (iPlayfield* playfield : partants) {
        if (playfield) {
            playfield->destroyOnRemove = true;
            playfield->Remove();
        }
    }
    // The board's music goes with it.
    platform::StopChannel(CanalGuitare);
    if (!changement) {
        ++numeroTableau;
    }
    listeSaisie = listeEtiquetteSaisie = 0;
    echangeEnCours = false;
    fonduEnCours = fonduMonte = fonduDescendu = false;
    AlloueObjets();
    FabriqueTableau();
    return 0;
}

int iEngineSceneGlobale::Fondu() {
    const int maintenant = platform::Milliseconds();
    if (maintenant <= tempsFondu + 8) {
        return 0;
    }
    iGuiRectangle& voile = *rectangleFondu;
    if (!fonduMonte && !fonduDescendu) {
        voile.alpha += 0.003f;
        tempsFondu = platform::Milliseconds();
        if (voile.alpha > 0.7f) {
            voile.alpha = 0.7f;
            fonduMonte = true;
        }
    } else if (fonduMonte && !fonduDescendu) {
        voile.alpha -= 0.003f;
        tempsFondu = platform::Milliseconds();
        if (voile.alpha < 0) {
            voile.alpha = 0;
            fonduDescendu = true;
        }
    } else if (fonduMonte && fonduDescendu) {
        fonduEnCours = fonduMonte = fonduDescendu = false;
        voile.Deactivate();
    }
    return 0;
}

// --- SansEspaces, MelangeEntiers ---

String iEngineSceneGlobale::SansEspaces(const String& s) {
    String resultat;
    resultat.reserve(s.size());
    std::copy_if(s.begin(), s.end(), std::back_inserter(resultat),
                 [](char16_t c) { return c != u' '; });
    return resultat;
}

int iEngineSceneGlobale::MelangeEntiers(std::vector<int>& tableau) {
    const int n = static_cast<int>(tableau.size());
    std::vector<int> reserve(tableau.size());
    for (int i = 0; i < n; ++i) {
        reserve[static_cast<std::size_t>(i)] = i;
    }
    for (int i = 0, reste = n; i < n; ++i, --reste) {
        const int k = platform::RandomIndex(reste);
        tableau[static_cast<std::size_t>(i)] = reserve[static_cast<std::size_t>(k)];
        reserve[static_cast<std::size_t>(k)] = reserve[static_cast<std::size_t>(reste - 1)];
    }
    return 0;
}
