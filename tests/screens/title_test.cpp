// The title's opening on a manual clock at 60 updates per second: its steps at their updates,
// a press at any moment, a later visit that resumes it, Escape before anything is built.
#include <map>

#include "gui/image_widget.h"
#include "puppets/pantin.h"
#include "screens/menu_fixture.h"

namespace {

// What the opening looks like after one update.
struct Instant {
    float lettres[4];
    float credits, logo, etirement, tete1, tete5;
    int etape;
};

Instant Regarde(const iEngineEcranTitre& titre) {
    return {
        {titre.Lettre1->alpha, titre.Lettre2->alpha, titre.Lettre3->alpha, titre.Lettre4->alpha},
        titre.Credits->alpha,
        titre.LogoStudio->alpha,
        titre.Lettre2->scaleY,
        titre.AlphaTetes[0],
        titre.AlphaTetes[4],
        titre.Etape};
}

} // namespace

TEST_F(MenusAppTest, TitleOpeningRunsOnItsTimeline) {
    // Update n of the title: the sounds it started and how it looks.
    std::map<int, std::vector<String>> sons;
    std::map<int, Instant> vu;
    float tete4 = -1;
    for (int n = 1; n <= 140; ++n) {
        const std::size_t avant = audio.events.size();
        Step();
        for (std::size_t i = avant; i < audio.events.size(); ++i) {
            ASSERT_EQ(audio.events[i].channel, 0);
            sons[n].push_back(platform::StripAll(audio.events[i].sound));
        }
        vu[n] = Regarde(*ecrantitre);
        if (n == 60) {
            Frame();
            tete4 = ecrantitre->Pantins[3]->visage->alpha;
        }
    }
    // The hit is one of four, drawn when the pieces are built.
    const std::map<int, String> attendus = {{2, u"jingle1"},  {19, u"jingle2"}, {36, u"jingle3"},
                                            {53, u"jingle4"}, {70, u"jingle5"}, {103, u"hit"}};
    ASSERT_EQ(sons.size(), attendus.size());
    for (const auto& [n, joue] : attendus) {
        ASSERT_EQ(sons[n].size(), 1u) << n;
        EXPECT_TRUE(platform::StartsWith(sons[n][0], joue)) << n;
    }

    EXPECT_TRUE(ecrantitre->Construit);
    EXPECT_FLOAT_EQ(vu[1].lettres[0], 0);
    EXPECT_FLOAT_EQ(vu[2].lettres[0], 0.06f);
    // Each letter with its head is in after 17 steps; the next one starts at the update after.
    for (int l = 0; l < 4; ++l) {
        EXPECT_LT(vu[17 + 17 * l].lettres[l], 1) << l;
        EXPECT_EQ(vu[18 + 17 * l].lettres[l], 1) << l;
        if (l < 3) {
            EXPECT_EQ(vu[18 + 17 * l].lettres[l + 1], 0) << l;
        }
    }
    EXPECT_EQ(vu[18].tete1, 1);
    // The heads are drawn as they fade in: the fourth at update 60 is 8 steps in.
    EXPECT_NEAR(tete4, 0.48f, 1e-5);
    EXPECT_EQ(vu[86].tete5, 1);
    EXPECT_LT(vu[102].credits, 1);
    EXPECT_EQ(vu[102].etape, 0);
    EXPECT_EQ(vu[103].credits, 1);
    EXPECT_EQ(vu[103].etape, 1);
    // The letters grow for 13 steps, then shrink for 12 while the studio logo comes in.
    EXPECT_FLOAT_EQ(vu[103].etirement, 1);
    EXPECT_NEAR(vu[116].etirement, 1.806f, 1e-4);
    EXPECT_EQ(vu[116].etape, 1);
    EXPECT_EQ(vu[117].etape, 2);
    EXPECT_NEAR(vu[117].etirement, 1.806f, 1e-4);
    EXPECT_NEAR(vu[129].etirement, 0.942f, 1e-4);
    EXPECT_NEAR(vu[129].logo, 0.36f, 1e-4);
    EXPECT_EQ(vu[130].etape, 3);
    EXPECT_EQ(vu[130].etirement, 1);
    EXPECT_EQ(vu[130].logo, 1);
    // The heads leave at every update from the hit on.
    EXPECT_GT(vu[135].tete1, 0);
    EXPECT_EQ(vu[136].tete1, 0);
    EXPECT_EQ(vu[136].tete5, 0);
}

TEST_F(MenusAppTest, TitlePressGoesToTheHubAndALaterVisitResumes) {
    // Updates that run back to back within 1 ms of the last timed step do not move the opening.
    Step(40);
    const Instant milieu = Regarde(*ecrantitre);
    UpdateScenes();
    platform::Input().EndUpdate();
    EXPECT_EQ(Regarde(*ecrantitre).lettres[2], milieu.lettres[2]);

    platform::Input().Press(1);
    EXPECT_EQ(AttendScene(ecranintro), 1);
    platform::Input().Release(1);
    // The title does not ask the hub for its entry work.
    EXPECT_FALSE(NouvelEcran);
    Step(50);
    EXPECT_EQ(CurrentScene, ecranintro);
    EXPECT_GT(Regarde(*ecrantitre).lettres[2], milieu.lettres[2]);
    EXPECT_LT(Regarde(*ecrantitre).lettres[2], 1);

    SwitchScene(ecrantitre);
    Step(200);
    EXPECT_EQ(ecrantitre->Etape, 3);
    for (const char16_t* jingle :
         {u"jingle1.wav", u"jingle2.wav", u"jingle3.wav", u"jingle4.wav", u"jingle5.wav"}) {
        EXPECT_EQ(Joues(jingle, 0), 1) << platform::ToUtf8(jingle);
    }

    // A finished opening stays as it is, silent.
    const std::size_t sons = audio.events.size();
    platform::Input().Press(1);
    Step();
    platform::Input().Release(1);
    SwitchScene(ecrantitre);
    Step(100);
    EXPECT_EQ(audio.events.size(), sons);
    EXPECT_EQ(ecrantitre->LogoStudio->alpha, 1);
}

TEST_F(MenusAppTest, TitleEscapeOnTheFirstUpdateQuitsBeforeAnythingIsBuilt) {
    platform::Input().Press(27);
    try {
        Step();
        FAIL() << "Escape did not quit";
    } catch (const platform::QuitSignal& quit) {
        EXPECT_EQ(quit.exitCode, 0);
        EXPECT_TRUE(quit.message.empty());
    }
    EXPECT_FALSE(ecrantitre->Construit);
    EXPECT_EQ(ecrantitre->Decor->CurrentPageList()->Count(), 0);
}
