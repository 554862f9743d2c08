// One terrain enlarged over the whole window, and back to the grid with the cards. The change is
// immediate; the tap that asked for it acts no further.
#include "game/main_scene.h"
#include "gui/button_variants.h"
#include "gui/text_field.h"
#include "platform/app.h"
#include "platform/diag.h"
#include "platform/input.h"
#include "puppets/terrain_playfield.h"
#include "sentence/vocabulary.h"

namespace {

// The play buttons of the full bar stand this much further right while a terrain is enlarged,
// where the buttons hidden then stood.
constexpr float DecalageBarre = 310;

void Montre(iGuiButton2* bouton) {
    if (bouton) {
        bouton->SetStatus(1);
    }
}

void Cache(iGuiButton2* bouton) {
    if (bouton) {
        bouton->Deactivate();
    }
}

void Decale(iGuiButton2* bouton, float dx) {
    if (bouton) {
        bouton->x += dx;
        bouton->baseX += dx;
    }
}

void PoseA(iGuiButton2* bouton, float x) {
    if (bouton) {
        bouton->x = bouton->baseX = x;
    }
}

// The sentence cards in play (slid in, not thrown away) shown or hidden with their captions.
void MontreCartes(ListeEtiquettes& cartes, int derniere, int apparues, bool montre) {
    for (int i = 0; i <= derniere && i < static_cast<int>(cartes.size()); ++i) {
        iGuiEtiquette* carte = cartes[static_cast<std::size_t>(i)].get();
        if (!carte) {
            continue;
        }
        if (!montre) {
            carte->CacheAvecLegende();
        } else if (!carte->verrouillee && i < apparues) {
            carte->MontreAvecLegende();
        }
    }
}

} // namespace

void iEngineSceneGlobale::AnimeTerrains(int i) {
    iPlayFieldTerrainAction* choisi = Terrain(i);
    const int barre = modedejeu <= 2 ? TerrainBarreComplete() : -1;
    iPlayFieldTerrainAction* complet = Terrain(barre);
    const int w = platform::DeviceWidth();
    const int h = platform::DeviceHeight();
    if (tousLesTerrains || modedejeu >= 3) {
        platform::Print(u"terrain agrandi " + platform::Str(i));
        tousLesTerrains = false;
        if (modedejeu == 0) {
            playfieldPrincipal->Deactivate();
        }
        if (choisi) {
            Montre(choisi->boutonPhoto.get());
        }
        if (complet) {
            for (auto* b : {&complet->bouton, &complet->boutonAvance, &complet->boutonCache,
                            &complet->boutonClip, &complet->boutonSansImage}) {
                Cache(b->get());
            }
            for (auto* b :
                 {&complet->boutonPause, &complet->boutonLecture, &complet->boutonRecule}) {
                Decale(b->get(), DecalageBarre);
            }
        }
        for (int t = 0; t <= nombredanimations; ++t) {
            iPlayFieldTerrainAction* terrain = Terrain(t);
            if (!terrain) {
                continue;
            }
            if (t != i) {
                terrain->Deactivate();
                for (auto* b : {&terrain->boutonRecule, &terrain->boutonLecture,
                                &terrain->boutonPause, &terrain->boutonPhoto}) {
                    Cache(b->get());
                }
            }
            terrain->enVignette = 0;
            Agrandit(*terrain);
        }
        if (modedejeu == 0) {
            MontreCartes(etiquettes, nombredephrases, etiquettesApparues, false);
        }
    } else {
        platform::Print(u"retour à la grille");
        boutonPresse = true;
        tousLesTerrains = modedejeu == 0;
        playfieldPrincipal->SetStatus(1);
        if (complet) {
            for (auto* b : {&complet->bouton, &complet->boutonAvance, &complet->boutonClip,
                            &complet->boutonCache, &complet->boutonSansImage}) {
                Montre(b->get());
            }
            const float export_ = complet->boutonClip ? complet->boutonClip->x : 0;
            PoseA(complet->boutonPause.get(), export_ - 186);
            const float pause = complet->boutonPause ? complet->boutonPause->x : 0;
            PoseA(complet->boutonLecture.get(), pause - 62);
            const float lecture = complet->boutonLecture ? complet->boutonLecture->x : 0;
            PoseA(complet->boutonRecule.get(), lecture - 62);
        } else if (choisi) {
            Montre(choisi->bouton.get());
        }
        if (choisi) {
            Montre(choisi->boutonPhoto.get());
        }
        for (int t = 0; t <= nombredanimations; ++t) {
            iPlayFieldTerrainAction* terrain = Terrain(t);
            if (!terrain) {
                continue;
            }
            terrain->SetStatus(1);
            for (auto* b :
                 {&terrain->boutonRecule, &terrain->boutonLecture, &terrain->boutonPause}) {
                Montre(b->get());
            }
            if (modedejeu == 0) {
                Cache(terrain->boutonPhoto.get());
                terrain->enVignette = 1;
                terrain->x = terrain->xRepos;
                terrain->y = terrain->yRepos;
            } else if (t == 0) {
                terrain->enVignette = 0;
                Agrandit(*terrain);
            }
            terrain->AnimePersos();
            terrain->VisePersos();
            if (modedejeu == 0) {
                terrain->viewportWidth = w / 2;
                terrain->viewportHeight = h / 2;
                terrain->SetVirtualSize(1280, 768, false);
            }
        }
        if (modedejeu == 0) {
            MontreCartes(etiquettes, nombredephrases, etiquettesApparues, true);
        }
        Montre(boutonOk.get());
    }
    platform::ResetInput();
}
