#pragma once
// Puppet tests: the generated data folder's pictures on a recording device, the random
// generator at its start seed, and a puppet built and set at rest as the staging would.
#include <gtest/gtest.h>

#include <memory>

#include "framework/scene_fixture.h"
#include "platform/files.h"
#include "platform/random.h"
#include "puppets/animal.h"
#include "puppets/pantin.h"
#include "puppets/puppets_playfield.h"

// One puppet of the sheets and the geometry tests.
struct Commande {
    int type = 0;
    float sens = 1.0f;
    int habit = 0;
    int manches = 0;
    int coiffure = 0;
    // 99: no hat.
    int chapeau = AucunChoix;
    String verbe1 = u"i_marcher";
    String uneMain;
    String deuxMains;
    String surTable;
    String animal;
    String pancarte;
};

class PuppetTest : public SceneTest {
  protected:
    void SetUp() override {
        ResetStage(1280, 768);
        platform::SetDataFolder(platform::FromUtf8(MQ_TEST_DATA_DIR));
        ResetImagesDeSprites();
        platform::SetSeed(platform::StartSeed);
    }
    void TearDown() override {
        ResetImagesDeSprites();
        platform::SetDataFolder(u"");
        SceneTest::TearDown();
    }

    // Built on a 1280 by 768 terrain, standing at `x`, head facing the body, at rest.
    static std::shared_ptr<Pantin> Construit(const Commande& c, float x = 640) {
        auto perso = std::make_shared<Pantin>();
        perso->choix = {c.type, c.coiffure, c.habit, c.manches, c.chapeau};
        perso->couleurPeau = {233, 198, 175};
        perso->couleurCheveux = {166, 94, 46};
        perso->couleurHabit = {80, 140, 220};
        perso->couleurChapeau = {220, 60, 60};
        perso->textePancarte = c.pancarte;
        perso->Fabrique(1280, 768, u"perso_dame_f", c.verbe1, u"", c.uneMain, c.deuxMains,
                        c.surTable, c.animal, u"", u"", u"", c.sens);
        perso->sensTete = perso->sens;
        perso->xArrivee = x;
        perso->Repos(x);
        return perso;
    }

    // A puppet of the end screen: its letter's sign held up in both hands, about to run to `x`
    // from `recul` pixels behind it.
    static std::shared_ptr<Pantin> AvecPancarte(Commande c, float x, float recul) {
        c.deuxMains = u"pancarte";
        c.pancarte = u"a";
        auto perso = Construit(c, x);
        perso->objetDeuxMainsTenu = true;
        perso->angleBras1 = perso->angleBras2 = 180;
        perso->action1 = CodeAction::Courir;
        perso->xDepart = x - recul * c.sens;
        return perso;
    }

    // The end screen's room, with these puppets in it.
    static std::shared_ptr<iPlayfieldFin> SalleDeFin(const ListePersos& persos) {
        auto salle = std::make_shared<iPlayfieldFin>();
        salle->New();
        salle->couleurFond = {210, 180, 210};
        salle->couleurSol = {195, 165, 195};
        salle->persos = persos;
        salle->dernierPerso = static_cast<int>(persos.size()) - 1;
        return salle;
    }
};
