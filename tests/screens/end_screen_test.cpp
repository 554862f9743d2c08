// The end screen: the praise its puppets spell, the rebuild on H, the way back to the hub.
#include <algorithm>

#include "menu_fixture.h"
#include "puppets/puppets_playfield.h"
#include "screens/end_screen.h"

// Each visit and each H spells a praise of the table with one puppet per letter, holding the
// sign of that letter, running to its evenly spread place; the previous room and puppets go
// (nothing piles up). The room keeps the window's letterbox. A click or Escape, even mid-run,
// leads to the hub.
TEST_F(MenuTest, EndScreenSpellsPraisesRebuildsInPlaceAndLeavesForTheHub) {
    for (const char16_t* f : Felicitations) {
        for (const char16_t c : String(f)) {
            EXPECT_TRUE(platform::LoadImage(u"pancarte_" + CodeLettre(c) + u".png"));
        }
    }
    EXPECT_EQ(CodeLettre(u' ') + CodeLettre(u'\'') + CodeLettre(u'à') + CodeLettre(u'é') +
                  CodeLettre(u'è') + CodeLettre(u'x'),
              u"espapoa_acce_ac1e_ac2x");
    Stage(1920, 1080);
    ecranfin = std::make_shared<iEngineFin>();
    ecranfin->Create();
    const iEngineFin& fin = *ecranfin;
    std::weak_ptr<iPlayfieldFin> ancien;
    const auto entre = [&](int touche) {
        ancien = fin.terrain;
        if (touche == 0) {
            SwitchScene(ecranfin);
        } else {
            platform::Input().KeyPress(touche);
        }
        Step(2);
        if (touche != 0) {
            platform::Input().Release(touche);
        }
        ASSERT_TRUE(fin.animationFaite && ancien.expired());
        ASSERT_EQ(fin.playfields.Count(), 2);
        ASSERT_EQ(fin.terrain->persos.size(), fin.phrase.size());
        EXPECT_NE(std::find(std::begin(Felicitations), std::end(Felicitations), fin.phrase),
                  std::end(Felicitations));
        const int espacement = 1280 / (fin.nbLettres + 1);
        for (std::size_t i = 0; i < fin.phrase.size(); ++i) {
            const Pantin& p = *fin.terrain->persos[i];
            EXPECT_EQ(p.textePancarte, CodeLettre(fin.phrase[i]));
            EXPECT_TRUE(p.objetDeuxMainsTenu && p.objetDeuxMains->FirstImage());
            EXPECT_TRUE(p.angleBras1 == 180 && p.angleBras2 == 180);
            EXPECT_NEAR(p.xArrivee, espacement * static_cast<float>(i + 1), 10);
            EXPECT_TRUE(p.xDepart >= -500 && p.xDepart <= p.xArrivee - 80);
        }
    };
    entre(0);
    EXPECT_FLOAT_EQ(fin.terrain->scaleX, 1080.0f / 768);
    platform::SetDeviceSize(1134, 680);
    platform::CheckResize();
    ResizeCurrentScene();
    EXPECT_FLOAT_EQ(fin.terrain->scaleX, 680.0f / 768);
    Step(1000);
    for (std::size_t i = 0; i < fin.phrase.size(); ++i) {
        const Pantin& p = *fin.terrain->persos[i];
        EXPECT_EQ(p.action1, CodeAction::Aucune);
        EXPECT_NEAR(p.buste->x, fin.xlettres[i], 2);
    }
    for (int fois = 0; fois < 5; ++fois) {
        entre(72);
    }
    for (const int touche : {1, 27}) {
        Step(5);
        if (touche == 1) {
            platform::Input().Press(1);
        } else {
            platform::Input().KeyPress(touche);
        }
        Step(2);
        platform::Input().Release(touche);
        EXPECT_EQ(CurrentScene, ecranintro);
        EXPECT_FALSE(fin.animationFaite);
        entre(0);
    }
}
