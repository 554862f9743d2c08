#pragma once
// Every action a sentence can ask for, set up on a puppets playfield as the staging would, run
// frame by frame with the manual clock. Shared by the step tests and the contact sheets.
#include <ostream>
#include <string>
#include <vector>

#include "framework/shared_assets.h"
#include "platform/audio.h"
#include "puppet_fixture.h"
#include "puppets/puppets_playfield.h"

// One puppet of a scene: its verb for the building, its codes and places.
struct Acteur {
    String verbe;
    int code1 = 0;
    int code2 = 0;
    float x = 640;
    float xDepart = 0;
    // 0 keeps the built facing.
    float sens = 0;
    String uneMain;
    String deuxMains;
    String animal1;
    String animal2;
    int type = 0;
    int index = 0;
    bool dort = false;
    bool porte = false;
    bool poursuivi = false;
    bool cible = false;
    bool cibleEnMouvement = false;
    float angleBras2 = 0;
};

struct Scene {
    std::string nom;
    std::vector<Acteur> acteurs;
    // Frames the scene may take at most to finish.
    int limite = 1200;
    // Frames it runs at least (loops go on after the end).
    int duree = 0;
};

// Test names show the scene's name.
inline void PrintTo(const Scene& scene, std::ostream* os) { *os << scene.nom; }

// A puppet of body `type` with its verb and main code, standing at (or travelling to) x.
inline Acteur Role(const char16_t* verbe, int code, float x, int type) {
    Acteur a;
    a.verbe = verbe;
    a.code1 = code;
    a.x = x;
    a.type = type;
    return a;
}

inline std::vector<Scene> Scenes() {
    using namespace CodeAction;
    const float loin = 1280 + 250;
    const auto avec = [](Acteur a, auto&& change) {
        change(a);
        return a;
    };
    // A walker starts near the left edge and leaves the room on the right.
    const auto marcheur = [&](const char16_t* verbe, int code, float depart, int type) {
        return avec(Role(verbe, code, loin, type), [&](Acteur& a) { a.xDepart = depart; });
    };
    const auto lanceur = [&](const char16_t* verbe, int code, const char16_t* objet) {
        return avec(Role(verbe, code, 300, 0), [&](Acteur& a) {
            a.sens = 1;
            a.index = 1;
            a.uneMain = objet;
        });
    };
    const Acteur cible = avec(Role(u"", Aucune, 900, 5), [](Acteur& a) { a.cible = true; });

    std::vector<Scene> s;
    s.push_back({"marche", {marcheur(u"i_marcher", Marcher, 90, 0)}});
    s.push_back({"course", {marcheur(u"i_courir", Courir, 40, 0)}});
    s.push_back({"monocycle", {marcheur(u"i_pedaler", Pedaler, 60, 4)}});
    s.push_back({"laisse", {avec(marcheur(u"a_promener", Promener, 30, 6), [](Acteur& a) {
                     a.animal1 = u"animal_chien_m";
                     a.angleBras2 = -60;
                 })}});
    const auto chasseur = [&](int type) {
        return avec(Role(u"p_poursuivre", Poursuivre, 300, type), [](Acteur& a) { a.index = 1; });
    };
    const auto chasse = [](Acteur a) {
        a.poursuivi = true;
        return a;
    };
    s.push_back({"poursuite", {chasseur(2), chasse(Role(u"", Aucune, 900, 8))}, 1400});
    s.push_back(
        {"poursuite d'un souleveur",
         {chasseur(1), chasse(avec(Role(u"odm_soulever", Soulever, 900, 7),
                                   [](Acteur& a) { a.deuxMains = u"deuxmains_caisse_f"; }))},
         1400});
    s.push_back({"epaules",
                 {avec(Role(u"p_portersurepaules", PorterSurEpaules, 640, 3),
                       [](Acteur& a) {
                           a.sens = 1;
                           a.index = 1;
                       }),
                  avec(Role(u"", Aucune, 640, 4), [](Acteur& a) {
                      a.sens = 1;
                      a.porte = true;
                  })}});
    s.push_back(
        {"un bras",
         {avec(Role(u"i_lever un bras", LeverUnBras, 700, 5), [](Acteur& a) { a.xDepart = 620; })},
         1200,
         150});
    s.push_back({"deux bras",
                 {avec(Role(u"i_lever les bras", LeverLesBras, 500, 8),
                       [](Acteur& a) { a.xDepart = 420; })},
                 1200,
                 150});
    s.push_back({"soulever", {avec(Role(u"odm_soulever", Soulever, 400, 0), [](Acteur& a) {
                     a.deuxMains = u"deuxmains_gateau_m";
                 })}});
    s.push_back({"lancer sur", {lanceur(u"p_lancer sur", LancerSur, u"unemain_balle_f"), cible}});
    // The same the other way: the flight and the landing mirror.
    s.push_back({"lancer sur vers la gauche",
                 {avec(lanceur(u"p_lancer sur", LancerSur, u"unemain_pomme_f"),
                       [](Acteur& a) {
                           a.x = 950;
                           a.sens = -1;
                       }),
                  avec(cible, [](Acteur& a) {
                      a.x = 350;
                      a.sens = 1;
                  })}});
    s.push_back({"lancer a",
                 {lanceur(u"p_lancer a", LancerA, u"unemain_pomme_f"),
                  avec(cible, [](Acteur& a) { a.cible = false; })}});
    s.push_back({"lancer", {avec(Role(u"oum_lancer", LancerObjet, 500, 3), [](Acteur& a) {
                     a.xDepart = 420;
                     a.uneMain = u"unemain_marteau_m";
                 })}});
    // The target walks across; the thrower waits until it is far enough ahead.
    s.push_back({"lancer sur qui marche",
                 {avec(lanceur(u"p_lancer sur", LancerSur, u"unemain_banane_f"),
                       [](Acteur& a) { a.cibleEnMouvement = true; }),
                  avec(cible, [&](Acteur& a) {
                      a.verbe = u"i_marcher";
                      a.code1 = Marcher;
                      a.x = loin;
                  })}});
    s.push_back({"guitare", {Role(u"i_jouer de la musique", JouerMusique, 640, 1)}, 240, 200});
    s.push_back(
        {"cuisine",
         {avec(Role(u"i_cuisiner", Cuisiner, 640, 6), [](Acteur& a) { a.uneMain = u"poele"; })},
         240,
         200});
    s.push_back(
        {"dodo", {avec(Role(u"", Aucune, 640, 7), [](Acteur& a) { a.dort = true; })}, 240, 420});
    s.push_back({"regard",
                 {avec(Role(u"po_regarder", RegarderPersonne, 350, 2),
                       [](Acteur& a) {
                           a.sens = 1;
                           a.index = 1;
                       }),
                  avec(Role(u"", Aucune, 950, 8), [](Acteur& a) { a.sens = -1; })},
                 120,
                 150});
    s.push_back({"elephant",
                 {avec(Role(u"po_regarder", RegarderObjet, 300, 4),
                       [](Acteur& a) {
                           a.sens = 1;
                           a.animal2 = u"animal_elephant_m";
                       })},
                 800});
    return s;
}

// A puppets playfield that plays the shared guitar loop and aims its lookers as the terrain does.
class ScenePersos : public iPlayfieldFin {
  public:
    platform::SoundPtr SonGuitare() const override { return songuitare1; }

    // The room as the terrain draws it, watched animals included.
    int OnRender() override {
        platform::Cls(static_cast<float>(couleurFond[0]) / 255,
                      static_cast<float>(couleurFond[1]) / 255,
                      static_cast<float>(couleurFond[2]) / 255);
        DessineSol();
        DessineAnimaux(true);
        DessinePersos();
        DessineObjetsEnVol();
        DessineRegardsEtEtoiles();
        return 0;
    }

    // The heads of the lookers toward their target, once per frame after AnimePersos.
    void Vise() {
        for (int i = 0; i <= dernierPerso; ++i) {
            Pantin* p = persos[static_cast<std::size_t>(i)].get();
            if (!p) {
                continue;
            }
            if (p->AAction(CodeAction::RegarderPersonne)) {
                const Pantin& q = *persos[static_cast<std::size_t>(p->indexRegarde)];
                p->Vise(q.tete->x, q.tete->y - 50);
            } else if (p->AAction(CodeAction::RegarderObjet) && p->animal2) {
                p->Vise(p->animal2->ventre->x, p->animal2->ventre->y - 200);
            }
        }
    }
};

// Builds the scene's puppets in order on a 1280 by 768 room, codes and places as the staging
// sets them, and saves their start state.
inline std::shared_ptr<ScenePersos> Monte(const Scene& scene) {
    auto terrain = std::make_shared<ScenePersos>();
    terrain->width = 1280;
    terrain->height = 768;
    terrain->largeur = 1280;
    terrain->hauteur = 768;
    terrain->couleurFond = {224, 129, 219};
    terrain->couleurSol = {209, 114, 204};
    terrain->dernierPerso = static_cast<int>(scene.acteurs.size()) - 1;
    terrain->deuxiemePerso = scene.acteurs.size() > 1;
    for (std::size_t i = 0; i < scene.acteurs.size(); ++i) {
        const Acteur& a = scene.acteurs[i];
        auto p = std::make_shared<Pantin>();
        p->choix = {a.type, static_cast<int>(i % 3), static_cast<int>(i + 1) % 4,
                    (i + 1) % 4 == 3 ? 1 : 0, i == 0 ? 2 : AucunChoix};
        p->couleurPeau = {233, 198, 175};
        p->couleurCheveux = {166, 94, 46};
        p->couleurHabit = i == 0 ? Couleur{80, 140, 220} : Couleur{230, 120, 60};
        p->couleurChapeau = {220, 60, 60};
        p->dort = a.dort;
        p->porte = a.porte;
        p->Fabrique(1280, 768, u"", a.verbe, u"", a.uneMain, a.deuxMains, u"", a.animal1, u"marron",
                    a.animal2, u"gris", a.sens);
        p->xArrivee = a.x;
        p->xDepart = a.xDepart;
        p->action1 = a.code1;
        p->action2 = a.code2;
        p->indexPoursuivi = p->indexCible = p->indexPorte = p->indexRegarde = a.index;
        p->poursuivi = a.poursuivi;
        p->lancerSurPersonne = a.cible;
        p->cibleEnMouvement = a.cibleEnMouvement;
        if (a.angleBras2 != 0) {
            p->angleBras2 = a.angleBras2;
        }
        p->Repos(a.x);
        terrain->persos[i] = p;
    }
    for (int i = 0; i <= terrain->dernierPerso; ++i) {
        Pantin& p = *terrain->persos[static_cast<std::size_t>(i)];
        p.sensTete = p.sens;
        p.MemoriseEtatDepart();
    }
    return terrain;
}

// The puppets' fixture with the shared sounds loaded and played on a recording mixer.
class ActionTest : public PuppetTest {
  protected:
    void SetUp() override {
        PuppetTest::SetUp();
        LoadSharedAssets();
        platform::SetSeed(platform::StartSeed);
        platform::SetAudioDevice(&audio);
    }
    void TearDown() override {
        platform::SetAudioDevice(nullptr);
        ResetSharedAssets();
        PuppetTest::TearDown();
    }

    // One frame: the clock, the animation, the aim. Returns animationFinie.
    bool Avance(ScenePersos& terrain) {
        clock.Advance(17);
        terrain.AnimePersos();
        terrain.Vise();
        return terrain.animationFinie;
    }

    platform::RecordingAudio audio;
};
