// The end screen: the praise its puppets spell, the rebuild on H, the way back to the hub.
#include "menu_fixture.h"
#include "puppets/puppets_playfield.h"
#include "screens/end_screen.h"

namespace {

class EndScreenTest : public MenuTest {
  protected:
    // Made at start as the application makes it, then switched to after a game.
    void Entre() {
        if (!ecranfin) {
            ecranfin = std::make_shared<iEngineFin>();
            ecranfin->Create();
        }
        SwitchScene(ecranfin);
        Step();
    }
    static const Pantin& Perso(std::size_t i) { return *ecranfin->terrain->persos[i]; }

    // The praise is one of the table, spelled by one running puppet per letter, each holding
    // the sign of its letter, spread evenly over the canvas.
    static void VerifiePraise() {
        const iEngineFin& fin = *ecranfin;
        bool connue = false;
        for (const char16_t* f : Felicitations) {
            connue = connue || fin.phrase == f;
        }
        ASSERT_TRUE(connue) << platform::ToUtf8(fin.phrase);
        ASSERT_EQ(fin.nbLettres, static_cast<int>(fin.phrase.size()));
        ASSERT_EQ(fin.terrain->persos.size(), fin.phrase.size());
        EXPECT_EQ(fin.terrain->dernierPerso, fin.nbLettres - 1);
        const int espacement = 1280 / (fin.nbLettres + 1);
        for (std::size_t i = 0; i < fin.phrase.size(); ++i) {
            const Pantin& p = Perso(i);
            EXPECT_EQ(p.textePancarte, CodeLettre(fin.phrase[i]));
            ASSERT_TRUE(p.objetDeuxMains && p.objetDeuxMains->FirstImage());
            EXPECT_TRUE(p.objetDeuxMainsTenu);
            EXPECT_EQ(p.angleBras1, 180);
            EXPECT_EQ(p.angleBras2, 180);
            EXPECT_NEAR(fin.xlettres[i], espacement * static_cast<float>(i + 1), 10);
            EXPECT_EQ(p.xArrivee, fin.xlettres[i]);
            EXPECT_GE(p.xDepart, -500);
            EXPECT_LE(p.xDepart, fin.xlettres[i] - 80);
        }
    }
};

} // namespace

// Every letter of every praise has its sign picture, under the name its code gives.
TEST_F(EndScreenTest, EveryPraiseHasASignForEachLetter) {
    EXPECT_EQ(CodeLettre(u' '), u"esp");
    EXPECT_EQ(CodeLettre(u'\''), u"apo");
    EXPECT_EQ(CodeLettre(u'à'), u"a_acc");
    EXPECT_EQ(CodeLettre(u'é'), u"e_ac1");
    EXPECT_EQ(CodeLettre(u'è'), u"e_ac2");
    for (const char16_t* f : Felicitations) {
        const String praise = f;
        EXPECT_LE(praise.size(), 10u);
        for (const char16_t c : praise) {
            EXPECT_TRUE(platform::LoadImage(u"pancarte_" + CodeLettre(c) + u".png"))
                << platform::ToUtf8(praise);
        }
    }
}

// The puppets run to their letters and stop there. H spells another praise in place: the
// previous room and puppets are gone, never piled up under the new ones. The room keeps the
// window's letterbox at build time and on resize.
TEST_F(EndScreenTest, PuppetsRunToTheirLettersAndHRebuildsInPlace) {
    Stage(1920, 1080);
    Entre();
    ASSERT_TRUE(ecranfin->animationFaite);
    VerifiePraise();
    EXPECT_FLOAT_EQ(ecranfin->terrain->scaleX, 1080.0f / 768);
    EXPECT_FLOAT_EQ(ecranfin->terrain->x, (1920 - 1280 * 1080.0f / 768) / 2);
    platform::SetDeviceSize(1134, 680);
    platform::CheckResize();
    ResizeCurrentScene();
    EXPECT_FLOAT_EQ(ecranfin->terrain->scaleX, 680.0f / 768);

    const auto enCourse = [] {
        int n = 0;
        for (const auto& p : ecranfin->terrain->persos) {
            n += p->action1 == CodeAction::Courir ? 1 : 0;
        }
        return n;
    };
    EXPECT_EQ(enCourse(), ecranfin->nbLettres);
    for (int i = 0; i < 1000 && enCourse() > 0; ++i) {
        Step();
    }
    ASSERT_EQ(enCourse(), 0);
    for (std::size_t i = 0; i < ecranfin->phrase.size(); ++i) {
        EXPECT_NEAR(Perso(i).buste->x, ecranfin->xlettres[i], 2);
    }

    for (int fois = 0; fois < 6; ++fois) {
        const std::weak_ptr<iPlayfieldFin> ancien = ecranfin->terrain;
        const std::weak_ptr<Pantin> ancienPerso = ecranfin->terrain->persos[0];
        platform::Input().KeyPress(72);
        Step();
        platform::Input().Release(72);
        Step();
        EXPECT_TRUE(ancien.expired());
        EXPECT_TRUE(ancienPerso.expired());
        EXPECT_EQ(ecranfin->playfields.Count(), 2);
        VerifiePraise();
        EXPECT_FLOAT_EQ(ecranfin->terrain->scaleX, 680.0f / 768);
    }
}

// A click or Escape leaves for the hub at once, even mid-run; the next visit spells anew.
TEST_F(EndScreenTest, ClickOrEscapeGoesToTheHub) {
    for (const int code : {1, 27}) {
        Entre();
        Step(5);
        const std::weak_ptr<Pantin> avant = ecranfin->terrain->persos[0];
        if (code == 1) {
            platform::Input().MoveMouse(500, 300);
            platform::Input().Press(1);
        } else {
            platform::Input().KeyPress(27);
        }
        Step();
        platform::Input().Release(code);
        Step();
        EXPECT_EQ(CurrentScene, ecranintro);
        EXPECT_FALSE(ecranfin->animationFaite);
        Entre();
        EXPECT_TRUE(ecranfin->animationFaite);
        EXPECT_TRUE(avant.expired());
        EXPECT_EQ(ecranfin->playfields.Count(), 2);
    }
}
