#pragma once
// Every action a sentence can ask for, set up on a terrain as the staging would, run frame by
// frame with the manual clock. Shared by the step tests, the capture tests and the sheets.
#include <cctype>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "framework/shared_assets.h"
#include "platform/audio.h"
#include "puppet_fixture.h"
#include "puppets/terrain_playfield.h"
#include "puppets/terrain_staging.h"

// One puppet of a scene: its verb for the building, its codes, places, props and partner.
struct Acteur {
    String verbe;
    int code1 = 0;
    float x = 640;
    int type = 0;
    float xDepart = 0;
    // 0 keeps the built facing.
    float sens = 0;
    String uneMain;
    String deuxMains;
    String animal1;
    String animal2;
    int index = 0;
    bool dort = false;
    bool porte = false;
    bool poursuivi = false;
    bool cible = false;
    bool cibleEnMouvement = false;
    float angleBras2 = 0;
    // -1: the first puppet wears the woolly hat, the others none.
    int chapeau = -1;
    // -1: hair and clothes go round with the puppet's index.
    int coiffure = -1;
    int habit = -1;

    Acteur& En(float v) { return x = v, *this; }
    Acteur& Depart(float v) { return xDepart = v, *this; }
    Acteur& Sens(float v) { return sens = v, *this; }
    Acteur& Vers(int i) { return index = i, *this; }
    Acteur& Tient(const char16_t* mot) { return uneMain = mot, *this; }
    Acteur& Souleve(const char16_t* mot) { return deuxMains = mot, *this; }
    Acteur& Promene(const char16_t* mot) { return animal1 = mot, angleBras2 = -60, *this; }
    Acteur& Regarde(const char16_t* mot) { return animal2 = mot, *this; }
    // Sets one of the flags above.
    Acteur& Avec(bool Acteur::*drapeau) { return this->*drapeau = true, *this; }
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
inline std::string NomDeScene(const ::testing::TestParamInfo<Scene>& info) {
    std::string n;
    for (char c : info.param.nom) {
        n += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return n;
}

// A puppet of body `type` with its verb and main code, standing at (or travelling to) x.
inline Acteur Role(const char16_t* verbe, int code, float x, int type) {
    Acteur a;
    a.verbe = verbe;
    a.code1 = code;
    a.type = type;
    return a.En(x);
}

inline std::vector<Scene> Scenes() {
    using namespace CodeAction;
    // Walkers start near the left edge and leave the room on the right.
    const float loin = 1280 + 250;
    const Acteur cible = Role(u"", Aucune, 900, 5).Avec(&Acteur::cible);
    const Acteur chasse = Role(u"", Aucune, 900, 8).Avec(&Acteur::poursuivi);
    return {
        {"marche", {Role(u"i_marcher", Marcher, loin, 0).Depart(90)}},
        {"course", {Role(u"i_courir", Courir, loin, 0).Depart(40)}},
        {"monocycle", {Role(u"i_pedaler", Pedaler, loin, 4).Depart(60)}},
        {"laisse", {Role(u"a_promener", Promener, loin, 6).Depart(30).Promene(u"animal_chien_m")}},
        {"poursuite", {Role(u"p_poursuivre", Poursuivre, 300, 2).Vers(1), chasse}, 1400},
        {"poursuite d'un souleveur",
         {Role(u"p_poursuivre", Poursuivre, 300, 1).Vers(1), Role(u"odm_soulever", Soulever, 900, 7)
                                                                 .Souleve(u"deuxmains_caisse_f")
                                                                 .Avec(&Acteur::poursuivi)},
         1400},
        {"epaules",
         {Role(u"p_portersurepaules", PorterSurEpaules, 640, 3).Sens(1).Vers(1),
          Role(u"", Aucune, 640, 4).Sens(1).Avec(&Acteur::porte)}},
        {"un bras", {Role(u"i_lever un bras", LeverUnBras, 700, 5).Depart(620)}, 1200, 150},
        {"deux bras", {Role(u"i_lever les bras", LeverLesBras, 500, 8).Depart(420)}, 1200, 150},
        {"soulever", {Role(u"odm_soulever", Soulever, 400, 0).Souleve(u"deuxmains_gateau_m")}},
        {"lancer sur",
         {Role(u"p_lancer sur", LancerSur, 300, 0).Sens(1).Vers(1).Tient(u"unemain_balle_f"),
          cible}},
        // The same the other way: the flight and the landing mirror.
        {"lancer sur vers la gauche",
         {Role(u"p_lancer sur", LancerSur, 950, 0).Sens(-1).Vers(1).Tient(u"unemain_pomme_f"),
          Acteur(cible).En(350).Sens(1)}},
        {"lancer a",
         {Role(u"p_lancer a", LancerA, 300, 0).Sens(1).Vers(1).Tient(u"unemain_pomme_f"),
          Role(u"", Aucune, 900, 5)}},
        {"lancer",
         {Role(u"oum_lancer", LancerObjet, 500, 3).Depart(420).Tient(u"unemain_marteau_m")}},
        // The target walks across; the thrower waits until it is far enough ahead.
        {"lancer sur qui marche",
         {Role(u"p_lancer sur", LancerSur, 300, 0)
              .Sens(1)
              .Vers(1)
              .Tient(u"unemain_banane_f")
              .Avec(&Acteur::cibleEnMouvement),
          Role(u"i_marcher", Marcher, loin, 5).Avec(&Acteur::cible)}},
        {"guitare", {Role(u"i_jouer de la musique", JouerMusique, 640, 1)}, 240, 200},
        {"cuisine", {Role(u"i_cuisiner", Cuisiner, 640, 6).Tient(u"poele")}, 240, 200},
        {"dodo", {Role(u"", Aucune, 640, 7).Avec(&Acteur::dort)}, 240, 420},
        {"regard",
         {Role(u"po_regarder", RegarderPersonne, 350, 2).Sens(1).Vers(1),
          Role(u"", Aucune, 950, 8).Sens(-1)},
         120,
         150},
        {"elephant",
         {Role(u"po_regarder", RegarderObjet, 300, 4).Sens(1).Regarde(u"animal_elephant_m")},
         800},
    };
}

// Builds the scene's puppets in order on a terrain, codes and places as the staging sets them,
// and saves their start state.
inline std::shared_ptr<iPlayFieldTerrainAction> Monte(const Scene& scene) {
    auto terrain = std::make_shared<iPlayFieldTerrainAction>();
    terrain->New();
    terrain->width = terrain->largeur = 1280;
    terrain->height = terrain->hauteur = 768;
    terrain->couleurFond = {224, 129, 219};
    terrain->couleurSol = {209, 114, 204};
    terrain->sonGuitare = songuitare1;
    terrain->dernierPerso = static_cast<int>(scene.acteurs.size()) - 1;
    terrain->deuxiemePerso = scene.acteurs.size() > 1;
    for (std::size_t i = 0; i < scene.acteurs.size(); ++i) {
        const Acteur& a = scene.acteurs[i];
        auto p = std::make_shared<Pantin>();
        const int chapeau = a.chapeau >= 0 ? a.chapeau : i == 0 ? 2 : AucunChoix;
        const int habit = a.habit >= 0 ? a.habit : static_cast<int>(i + 1) % 4;
        p->choix = {a.type, a.coiffure >= 0 ? a.coiffure : static_cast<int>(i % 3), habit,
                    habit == 3 ? 1 : 0, chapeau};
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
        p->indexPoursuivi = p->indexCible = p->indexPorte = p->indexRegarde = a.index;
        p->poursuivi = a.poursuivi;
        p->lancerSurPersonne = a.cible;
        p->cibleEnMouvement = a.cibleEnMouvement;
        p->angleBras2 = a.angleBras2 != 0 ? a.angleBras2 : p->angleBras2;
        p->Repos(a.x);
        p->sensTete = p->sens;
        terrain->persos[i] = p;
    }
    for (int i = 0; i <= terrain->dernierPerso; ++i) {
        terrain->persos[static_cast<std::size_t>(i)]->MemoriseEtatDepart();
    }
    return terrain;
}

// A terrain as the game scene makes it: four new puppets dressed for the sentence, then staged
// (joining `scene` when there is one).
inline std::shared_ptr<iPlayFieldTerrainAction> Stage(const StructureAction& s,
                                                      iEngine* scene = nullptr, int index = 0) {
    auto t = std::make_shared<iPlayFieldTerrainAction>();
    t->New();
    for (auto& p : t->persos) {
        p = std::make_shared<Pantin>();
    }
    HabilleLesPersos(t->persos, &s);
    FabriqueTerrain(scene, index, t, s);
    return t;
}

// A fingerprint of a drawn frame. The face, sleep and fish pictures follow the clock, which a
// replay does not rewind.
inline std::size_t Empreinte(const std::vector<platform::DrawCommand>& commandes) {
    std::size_t h = 0;
    const auto mele = [&h](std::size_t v) { h ^= v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2); };
    for (const auto& c : commandes) {
        mele(std::hash<String>{}(c.image) + static_cast<std::size_t>(c.kind));
        const bool horloge = platform::Contains(c.image, u"visage") ||
                             platform::Contains(c.image, u"zzz") ||
                             platform::Contains(c.image, u"poisson");
        mele(horloge ? 0 : static_cast<std::size_t>(c.frame));
        for (float v : c.points) {
            mele(static_cast<std::size_t>(std::lround(v * 100)));
        }
        mele(static_cast<std::size_t>(std::lround(c.alpha * 1000)));
    }
    return h;
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
    bool Avance(iPlayFieldTerrainAction& terrain) {
        clock.Advance(17);
        terrain.AnimePersos();
        terrain.VisePersos();
        return terrain.animationFinie;
    }

    platform::RecordingAudio audio;
};
