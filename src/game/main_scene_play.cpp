// One frame of a running game, step by step: the keys, the board's entrance, the terrains'
// animation, the scene's buttons, the three message boxes, the cards, the control bars and the
// taps on terrains.
//
// Index:
//   OnUpdate
//   leaving, keys
//   the entrance and the animation
//   the scene's buttons and the praise
//   the message boxes
//   the control bars and the taps
//   the debug picture of the board
#include <algorithm>

#include "framework/frame_chain.h"
#include "framework/graphics_state.h"
#include "framework/shared_assets.h"
#include "game/gui_page_order.h"
#include "game/main_scene.h"
#include "game/phrase_scene.h"
#include "gui/button_variants.h"
#include "gui/engine_resizable.h"
#include "gui/message_box.h"
#include "gui/screen_handover.h"
#include "gui/text_field.h"
#include "platform/app.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/diag.h"
#include "platform/input.h"
#include "platform/random.h"
#include "puppets/decor_playfields.h"
#include "puppets/terrain_playfield.h"
#include "sentence/vocabulary.h"

namespace {

constexpr int Echap = 27;
constexpr int FlecheDroite = 39;
constexpr int Ctrl = 17;
constexpr int Espace = 32;
constexpr int ToucheR = 82;
constexpr int RetourArriere = 8;
constexpr int ToucheM = 77;
constexpr int CanalBoutons = 3;
constexpr int CanalGlissement = 4;
constexpr int CanalGuitare = 8;
// The entrance: each terrain zooms in this long after the previous one; the first card slides
// in this long after the terrains, the others this long after each other.
constexpr int DelaiTerrains = 150;
constexpr int DelaiEtiquettes = 550;
constexpr int DelaiEntreEtiquettes = 100;

const char16_t* const NombresEnLettres[] = {
    u"zéro",     u"un",     u"deux",  u"trois",    u"quatre",   u"cinq",     u"six",
    u"sept",     u"huit",   u"neuf",  u"dix",      u"onze",     u"douze",    u"treize",
    u"quatorze", u"quinze", u"seize", u"dix-sept", u"dix-huit", u"dix-neuf", u"vingt"};

void Pop(int canal = CanalBoutons) {
    if (sonpop1) {
        platform::PlaySound(sonpop1, canal, 0);
    }
}

// A button of the scene or of a box: its press sounds and starts its bounce; true in the frame
// the bounce is over, when it acts.
bool Presse(iGuiButton2* bouton, bool actif, bool& boutonPresse) {
    if (!bouton) {
        return false;
    }
    if (bouton->Hit() && actif) {
        Pop();
        bouton->bouncing = true;
        bouton->shrinking = true;
        bouton->bounceScale = 1.0f;
        boutonPresse = true;
    }
    if (!bouton->bouncing) {
        return false;
    }
    bouton->Bounce();
    return !bouton->shrinking && bouton->bounceScale > 0.97f;
}

void Bascule(iObject* objet) {
    if (objet) {
        if (objet->status == 1) {
            objet->Deactivate();
        } else {
            objet->SetStatus(1);
        }
    }
}

void MontreBoite(MessageBox& boite, const String& message) {
    for (iObject* partie :
         {static_cast<iObject*>(&boite), static_cast<iObject*>(boite.bouton1.get()),
          static_cast<iObject*>(boite.bouton2.get()), static_cast<iObject*>(boite.titre.get()),
          static_cast<iObject*>(boite.message.get())}) {
        if (partie) {
            partie->SetStatus(1);
        }
    }
    boite.message->SetText(message);
    boite.FitToText();
}

void CacheBoite(MessageBox& boite) {
    for (iObject* partie :
         {static_cast<iObject*>(&boite), static_cast<iObject*>(boite.bouton1.get()),
          static_cast<iObject*>(boite.bouton2.get()), static_cast<iObject*>(boite.titre.get()),
          static_cast<iObject*>(boite.message.get())}) {
        if (partie) {
            partie->Deactivate();
        }
    }
}

} // namespace

// --- OnUpdate ---

int iEngineSceneGlobale::OnUpdate() {
    // Nothing of a menu's entry work is ours; a window resized while another screen was
    // current is caught up.
    NouvelEcran = false;
    if (fond && (fond->viewportWidth != WindowWidth() || fond->viewportHeight != WindowHeight())) {
        OnResize();
    }
    InscritPhotos();
    if (platform::KeyHits(Echap) > 0) {
        NouvelEcran = true;
        Quitte(TheScreenHandover.ecranintro(), u"ecranintro");
    }
    if (platform::KeyHits(FlecheDroite) > 0) {
        TableauSuivant(true);
    }
    if (fonduEnCours) {
        Fondu();
    }
    const int premier = tousLesTerrains ? 0 : numter;
    const int dernier = tousLesTerrains ? nombredanimations : numter;
    if (platform::KeyHits(Ctrl) > 0) {
        BasculeTerrains();
    }
    if (platform::KeyHits(Espace) > 0 && (etiquettesApparues > nombredephrases || modedejeu > 1)) {
        BasculeEtiquettes(true);
    }
    Entree(premier, dernier);
    for (int t = premier; t <= dernier; ++t) {
        if (iPlayFieldTerrainAction* terrain = Terrain(t)) {
            if (!terrain->enPause && preAnimation > 3) {
                terrain->AnimePersos();
            }
            terrain->VisePersos();
        }
    }
    if (platform::KeyHits(ToucheR) > 0) {
        Rejoue(numter);
    }
    if (platform::KeyHits(RetourArriere) > 0) {
        ReinitialiseEtiquettes();
    }
    if (platform::KeyHits(ToucheM) > 0) {
        numeroTableau = 0;
        reponsesdesuite = 0;
        Quitte(TheScreenHandover.ecranintro(), u"ecranintro");
    }
    BoutonsDeLaScene();
    Boites();
    SelectionneEtiquette();
    // While the failure box shows, a press anywhere is for the box alone.
    if (!boutonPresse && !(boiteEchec && boiteEchec->status == 1)) {
        DeplaceLesEtiquettes();
        if (modedejeu == 3 && terrains[0] && terrains[0]->boutonRecharge &&
            terrains[0]->boutonRecharge->Clicked(false)) {
            TableauSuivant(true);
        }
        for (int i = 0; i <= nombredanimations; ++i) {
            if (Terrain(i) && !BarreDeControle(i)) {
                TapeSurTerrain(i);
            }
        }
    }
    RelacheLePointeur();
    GlisseEtiquetteEchangee();
    TriePagesGui(*playfieldPrincipal, false);
    AnnonceTableau();
    return 0;
}

// --- leaving, keys ---

void iEngineSceneGlobale::Quitte(const std::shared_ptr<iScene>& ecran, const String& nom) {
    platform::StopChannel(CanalGuitare);
    if (ecran) {
        platform::Print(nom);
        SwitchScene(ecran);
    }
}

void iEngineSceneGlobale::BasculeTerrains() {
    if (etiquettesApparues <= nombredephrases) {
        return;
    }
    for (int t = 0; t <= nombredanimations; ++t) {
        if (Terrain(t) && Terrain(t)->zoomEnCours) {
            return;
        }
    }
    for (int t = 0; t <= nombredanimations; ++t) {
        iPlayFieldTerrainAction& terrain = *Terrain(t);
        if (terrain.status == 1) {
            terrain.Deactivate();
            terrain.boutonPause->SetStatus(1);
        } else {
            terrain.SetStatus(1);
        }
    }
}

void iEngineSceneGlobale::BasculeEtiquettes(bool parEspace) {
    for (int i = 0; i <= nombredephrases && modedejeu <= 1; ++i) {
        if (Etiquette(i) && Etiquette(i)->enGlissement) {
            return;
        }
    }
    for (int i = 0; i <= nombredephrases; ++i) {
        if (iGuiEtiquette* tag = Etiquette(i)) {
            tag->BasculeVisible();
        }
    }
    if (parEspace ? modedejeu < 2 : modedejeu == 0) {
        Bascule(boutonOk.get());
    }
    if (rectangleSelection->status == 1) {
        rectangleSelection->SetWidth(0);
        rectangleSelection->SetHeight(0);
        rectangleSelection->Deactivate();
    }
    if (nombredephrases > nombredanimations) {
        Bascule(boutonAnnuler.get());
    }
}

// --- the entrance and the animation ---

void iEngineSceneGlobale::Entree(int premier, int dernier) {
    const int maintenant = platform::Milliseconds();
    if (modedejeu == 0) {
        if (preAnimation < 5) {
            for (int t = premier; t <= dernier; ++t) {
                iPlayFieldTerrainAction& terrain = *Terrain(t);
                terrain.Deactivate();
                terrain.AnimePersos();
                ++preAnimation;
                terrain.VisePersos();
            }
        } else if (terrainsApparus <= dernier) {
            iPlayFieldTerrainAction* terrain = Terrain(terrainsApparus);
            if (terrain && (terrainsApparus == 0 || terrain->zoomEnCours ||
                            maintenant > tempsApparition + DelaiTerrains)) {
                if (!terrain->zoomEnCours) {
                    Pop();
                }
                terrain->SetStatus(1);
                terrain->AnimeZoom(static_cast<float>(platform::DeviceWidth()),
                                   static_cast<float>(platform::DeviceHeight()));
                if (!terrain->zoomEnCours) {
                    ++terrainsApparus;
                    tempsApparition = maintenant;
                }
            }
        }
    } else if (modedejeu == 3) {
        iPlayFieldTerrainAction& terrain = *terrains[0];
        if (preAnimation < 4) {
            terrain.Deactivate();
            terrain.AnimePersos();
            ++preAnimation;
            terrain.VisePersos();
            if (terrain.avecGuitare) {
                platform::StopChannel(CanalGuitare);
            }
        }
        if (preAnimation >= 4) {
            terrain.SetStatus(1);
        }
    } else {
        preAnimation = 5;
    }
    if (modedejeu >= 2 || terrainsApparus < dernier || etiquettesApparues > nombredephrases) {
        return;
    }
    iGuiEtiquette* tag = Etiquette(etiquettesApparues);
    const int delai = etiquettesApparues == 0 ? DelaiEtiquettes : DelaiEntreEtiquettes;
    if (tag && (tag->enGlissement || maintenant > tempsApparition + delai)) {
        tag->SetStatus(1);
        tag->Glisse();
        if (!tag->enGlissement) {
            ++etiquettesApparues;
            if (sonpfiou1) {
                platform::PlaySound(sonpfiou1, CanalGlissement, 0);
            }
            tempsApparition = maintenant;
        }
    }
}

void iEngineSceneGlobale::Rejoue(int i) {
    iPlayFieldTerrainAction* terrain = Terrain(i);
    if (!terrain) {
        return;
    }
    for (int p = 0; p <= terrain->dernierPerso; ++p) {
        if (Pantin* perso = terrain->persos[static_cast<std::size_t>(p)].get()) {
            perso->RestaureEtatDepart();
        }
        terrain->AnimePersos();
        terrain->VisePersos();
    }
}

// --- the scene's buttons and the praise ---

void iEngineSceneGlobale::BoutonsDeLaScene() {
    if (nombredephrases > nombredanimations && Presse(boutonAnnuler.get(), true, boutonPresse)) {
        ReinitialiseEtiquettes();
    }
    // While the praise shows, the board is answered: OK waits for the next board. Its press is
    // still a press of a button, which no terrain or card beneath it may take as a tap.
    const bool bravo = boiteBravo->status == 1;
    if (bravo && boutonOk->status == 1 && boutonOk->Hit()) {
        boutonPresse = true;
    }
    const bool ok = Presse(boutonOk.get(), boutonOk->status == 1 && !bravo, boutonPresse);
    if (Presse(boutonSansImages.get(), boutonSansImages->status == 1, boutonPresse)) {
        for (int t = 0; t <= nombredanimations; ++t) {
            Bascule(Terrain(t));
        }
        Bascule(boutonSansImages.get());
    }
    if (ok && boiteBravo->status != 1 && (modedejeu == 2 ? VerifieOrdre() : VerifieReponse())) {
        MontreBravo();
    }
}

void iEngineSceneGlobale::MontreBravo() {
    const float r = platform::RandomFloat(1.0f);
    String message;
    if (reponsesdesuite > 2 && r > 0.6f && reponsesdesuite < 21) {
        const int k = platform::RandomIndex(static_cast<int>(messagesSerie.size()));
        // One pass: the number words themselves hold an "x" ("six", "deux", "dix").
        message = platform::Replace(messagesSerie[static_cast<std::size_t>(k)], u"x",
                                    NombresEnLettres[reponsesdesuite]);
        if (reponsesdesuite == 4 && platform::RandomIndex(4) > 0) {
            message = u"Quatre à la suite\u00a0!";
        }
    } else {
        message = messagesBravo[static_cast<std::size_t>(
            platform::RandomIndex(static_cast<int>(messagesBravo.size())))];
    }
    MontreBoite(*boiteBravo, message);
    platform::Print(u"bravo : " + message);
    boiteBravo->titre->SetText(u"Tableau " + platform::Str(numeroTableau + 1) + u"/" +
                               platform::Str(nombredetours));
}

// --- the message boxes ---

void iEngineSceneGlobale::Boites() {
    if (boiteBravo->status == 1) {
        iGuiButton2& suite = *boiteBravo->bouton1;
        if (suite.Hit()) {
            Pop();
            for (int t = 0; t <= nombredanimations; ++t) {
                if (Terrain(t) && Terrain(t)->avecGuitare) {
                    platform::StopChannel(CanalGuitare);
                }
            }
            suite.bouncing = suite.shrinking = true;
            suite.bounceScale = 1.0f;
            boutonPresse = true;
        }
        if (suite.bouncing) {
            suite.Bounce();
            if (!suite.shrinking && suite.bounceScale > 0.97f) {
                if (numeroTableau < nombredetours - 1) {
                    TableauSuivant(false);
                } else {
                    numeroTableau = 0;
                    reponsesdesuite = 0;
                    platform::StopChannel(CanalGuitare);
                    platform::Print(u"ecranfin");
                    SwitchSceneKeepRate(TheScreenHandover.ecranfin());
                }
                return;
            }
        }
    }
    if (boiteQuitter->status == 1) {
        if (Presse(boiteQuitter->bouton2.get(), true, boutonPresse)) {
            CacheBoite(*boiteQuitter);
        } else if (Presse(boiteQuitter->bouton1.get(), true, boutonPresse)) {
            numeroTableau = 0;
            reponsesdesuite = 0;
            if (modedejeu == 3) {
                Quitte(ecranchoixdephrase, u"ecranchoixdephrase");
            } else {
                Quitte(TheScreenHandover.ecranintro(), u"ecranintro");
            }
        }
    }
    if (boiteChangerTableau->status == 1) {
        if (Presse(boiteChangerTableau->bouton2.get(), true, boutonPresse)) {
            CacheBoite(*boiteChangerTableau);
        } else if (Presse(boiteChangerTableau->bouton1.get(), true, boutonPresse)) {
            TableauSuivant(true);
        }
    }
    if (boiteEchec && boiteEchec->status == 1 &&
        Presse(boiteEchec->bouton1.get(), true, boutonPresse)) {
        CacheBoite(*boiteEchec);
        playfieldEchec->Remove();
    }
}

void iEngineSceneGlobale::SignaleEchec(const String& message) {
    if (!boiteEchec || !playfieldEchec) {
        return;
    }
    if (playfields.IndexOf(playfieldEchec.get()) < 0) {
        playfieldEchec->AddToEngine(*this);
    }
    FitToWindow(nullptr, playfieldEchec.get());
    playfieldEchec->SetStatus(1);
    MontreBoite(*boiteEchec, message);
}

// --- the control bars and the taps ---

void iEngineSceneGlobale::JoueSeul(int i) {
    for (int t = 0; t <= nombredanimations; ++t) {
        iPlayFieldTerrainAction* terrain = Terrain(t);
        if (terrain && t != i) {
            terrain->enPause = true;
            if (terrain->avecGuitare) {
                platform::StopChannel(CanalGuitare);
            }
        }
    }
    if (Terrain(i)->avecGuitare) {
        platform::PlaySound(songuitare1, CanalGuitare, platform::SoundLoop);
    }
}

bool iEngineSceneGlobale::BarreDeControle(int i) {
    iPlayFieldTerrainAction& t = *Terrain(i);
    const bool actif = t.status == 1;
    const auto clic = [](const std::shared_ptr<iGuiButton2>& b, bool immediat) {
        return b && b->Clicked(immediat);
    };
    if (clic(t.boutonRecule, true) && actif) {
        numter = i;
        t.enPause = false;
        JoueSeul(i);
        Rejoue(i);
    } else if (clic(t.boutonLecture, true) && actif) {
        t.enPause = false;
        if (!t.animationFinie) {
            JoueSeul(i);
        } else {
            numter = i;
            Rejoue(i);
            if (t.avecGuitare) {
                platform::PlaySound(songuitare1, CanalGuitare, platform::SoundLoop);
            }
        }
    } else if (clic(t.boutonPause, true) && actif) {
        t.enPause = !t.enPause;
        if (t.avecGuitare && t.enPause) {
            platform::StopChannel(CanalGuitare);
        } else if (t.avecGuitare) {
            platform::PlaySound(songuitare1, CanalGuitare, platform::SoundLoop);
        }
    } else if (clic(t.boutonAvance, false) && actif) {
        if (t.avecGuitare) {
            platform::StopChannel(CanalGuitare);
        }
        MontreBoite(*boiteChangerTableau, u"Changer de tableau\u00a0?");
    } else if (clic(t.boutonSansImage, false) && actif) {
        for (int k = 0; k <= nombredanimations; ++k) {
            if (Terrain(k)->zoomEnCours) {
                return true;
            }
        }
        for (int k = 0; k <= nombredanimations; ++k) {
            Bascule(Terrain(k));
        }
        Bascule(boutonSansImages.get());
    } else if (clic(t.boutonCache, false) && actif) {
        BasculeEtiquettes(false);
    } else if (clic(t.boutonClip, false) && t.boutonClip->status == 1) {
        if (!ExporteTableau()) {
            SignaleEchec(EchecExport);
        }
    } else if (clic(t.bouton, false) && actif) {
        if (t.avecGuitare) {
            platform::StopChannel(CanalGuitare);
        }
        if (modedejeu == 3) {
            Quitte(ecranchoixdephrase, u"ecranchoixdephrase");
        } else {
            MontreBoite(*boiteQuitter, u"Quitter la partie en cours\u00a0?");
        }
    } else if (clic(t.boutonPhoto, true) && t.boutonPhoto->status == 1) {
        PrendPhoto(i);
    } else {
        return false;
    }
    return true;
}

void iEngineSceneGlobale::TapeSurTerrain(int i) {
    if (platform::TouchHits(0) == 0) {
        return;
    }
    if (rectangleSelection->status == 1) {
        rectangleSelection->SetWidth(0);
        rectangleSelection->SetHeight(0);
        rectangleSelection->Deactivate();
    }
    iPlayFieldTerrainAction& t = *Terrain(i);
    if (t.status != 1 || !t.IsTouchInside()) {
        return;
    }
    // A tap on a card is the card's, except over an enlarged terrain of several.
    ListeEtiquettes& cartes = modedejeu == 2 ? etiquettesMots : etiquettes;
    const int derniere = modedejeu == 2 ? static_cast<int>(cartes.size()) - 1 : nombredephrases;
    for (int k = 0; k <= derniere && k < static_cast<int>(cartes.size()); ++k) {
        if (cartes[static_cast<std::size_t>(k)] &&
            cartes[static_cast<std::size_t>(k)]->EstTouchee() &&
            (tousLesTerrains || modedejeu != 0)) {
            return;
        }
    }
    numter = i;
    if (t.immobile) {
        AnimeTerrains(i);
    } else if (t.enPause) {
        t.enPause = false;
        JoueSeul(i);
        platform::Print(u"terrain " + platform::Str(i) + u" joue");
    } else if (t.enVignette == 0) {
        t.enPause = true;
        if (t.avecGuitare) {
            platform::StopChannel(CanalGuitare);
        }
        AnimeTerrains(i);
    } else {
        if (t.avecGuitare) {
            platform::PlaySound(songuitare1, CanalGuitare, platform::SoundLoop);
        }
        AnimeTerrains(i);
    }
}

// --- the debug picture of the board ---

void iEngineSceneGlobale::AnnonceTableau() {
    const bool pret = modedejeu == 2   ? !etiquettesMots.empty() &&
                                           std::none_of(etiquettesMots.begin(), etiquettesMots.end(),
                                                        [](const auto& mot) { return mot->aGrossir; })
                      : modedejeu == 3 ? preAnimation >= 4
                                       : etiquettesApparues > nombredephrases;
    if (!pret || tableauAnnonce) {
        return;
    }
    tableauAnnonce = true;
    platform::Print(u"tableau " + platform::Str(numeroTableau + 1));
    for (int t = 0; t <= nombredanimations; ++t) {
        const iPlayFieldTerrainAction& terrain = *Terrain(t);
        platform::Print(u"terrain " + platform::Str(t) + u" " +
                        platform::Str(static_cast<int>(terrain.zoneGauche)) + u" " +
                        platform::Str(static_cast<int>(terrain.zoneHaut)) + u" : " +
                        terrain.phrase);
    }
    // Where each terrain's photo, export, back and next-board buttons stand on the canvas.
    const iPlayfield& toile = *playfieldPrincipal;
    for (int t = 0; t <= nombredanimations; ++t) {
        const iPlayFieldTerrainAction& terrain = *Terrain(t);
        for (const auto& [nom, bouton] : {std::pair{u"photo", terrain.boutonPhoto.get()},
                                          std::pair{u"exporter", terrain.boutonClip.get()},
                                          std::pair{u"retour", terrain.bouton.get()},
                                          std::pair{u"avance", terrain.boutonAvance.get()}}) {
            if (!bouton || bouton->status != 1 || toile.scaleX <= 0) {
                continue;
            }
            const float bx = terrain.x + (bouton->x + bouton->Width() / 2 -
                                          static_cast<float>(bouton->handleX) * bouton->scaleX) *
                                             terrain.scaleX;
            const float by = terrain.y + (bouton->y + bouton->Height() / 2 -
                                          static_cast<float>(bouton->handleY) * bouton->scaleY) *
                                             terrain.scaleY;
            platform::Print(u"bouton " + String(nom) + u" " + platform::Str(t) + u" " +
                            platform::Str(static_cast<int>((bx - toile.x) / toile.scaleX)) + u" " +
                            platform::Str(static_cast<int>((by - toile.y) / toile.scaleY)));
        }
    }
    const ListeEtiquettes& cartes = modedejeu == 2 ? etiquettesMots : etiquettes;
    for (std::size_t k = 0; k < cartes.size(); ++k) {
        const iGuiEtiquette& carte = *cartes[k];
        platform::Print(u"etiquette " + platform::Str(static_cast<int>(k)) + u" " +
                        platform::Str(static_cast<int>(carte.x)) + u" " +
                        platform::Str(static_cast<int>(carte.y)) + u" " +
                        platform::Str(static_cast<int>(carte.Width())) + u" " +
                        platform::Str(carte.status) + u" : " + carte.legende->GetText());
    }
    platform::Print(u"fin du tableau");
}
