// The title's opening on a manual clock at 60 updates per second: its steps at their updates,
// a press at any moment, a later visit that resumes it.
#include <map>

#include "gui/image_widget.h"
#include "puppets/pantin.h"
#include "screens/menu_fixture.h"

TEST_F(MenusAppTest, TitleOpeningRunsOnItsTimeline) {
    auto& t = *ecrantitre;
    // Update n: the sound it started, and the looks that the timeline names.
    std::map<int, String> sons;
    std::map<int, std::vector<float>> vu;
    for (int n = 1; n <= 136; ++n) {
        const std::size_t avant = audio.events.size();
        Step();
        Frame();
        for (std::size_t i = avant; i < audio.events.size(); ++i) {
            EXPECT_EQ(audio.events[i].channel, 0);
            sons[n] += platform::StripAll(audio.events[i].sound);
        }
        vu[n] = {t.Lettre1->alpha,          t.Lettre2->alpha,
                 t.Lettre3->alpha,          t.Lettre4->alpha,
                 t.Credits->alpha,          t.LogoStudio->alpha,
                 t.Lettre2->scaleY,         static_cast<float>(t.Etape),
                 t.Pantins[0]->tete->alpha, t.Pantins[4]->visage->alpha};
    }
    // The hit is one of four, drawn when the pieces are built.
    sons[103] = sons[103].substr(0, 3);
    EXPECT_EQ(sons, (std::map<int, String>{{2, u"jingle1"},
                                           {19, u"jingle2"},
                                           {36, u"jingle3"},
                                           {53, u"jingle4"},
                                           {70, u"jingle5"},
                                           {103, u"hit"}}));
    // Letter, credits, studio logo, stretch of "elv", bounce stage, heads 1 and 5.
    const std::map<int, std::vector<float>> attendus = {
        {1, {0, 0, 0, 0, 0, 0, 1, 0, 0, 0}},
        {2, {0.06f, 0, 0, 0, 0, 0, 1, 0, 0.06f, 0}},
        {18, {1, 0, 0, 0, 0, 0, 1, 0, 1, 0}},
        {69, {1, 1, 1, 1, 0, 0, 1, 0, 1, 0}},
        {86, {1, 1, 1, 1, 0.51f, 0, 1, 0, 1, 1}},
        {103, {1, 1, 1, 1, 1, 0, 1, 1, 0.97f, 0.97f}},
        {116, {1, 1, 1, 1, 1, 0, 1.806f, 1, 0.58f, 0.58f}},
        {117, {1, 1, 1, 1, 1, 0, 1.806f, 2, 0.55f, 0.55f}},
        {129, {1, 1, 1, 1, 1, 0.36f, 0.942f, 2, 0.19f, 0.19f}},
        {130, {1, 1, 1, 1, 1, 1, 1, 3, 0.16f, 0.16f}},
        {136, {1, 1, 1, 1, 1, 1, 1, 3, 0, 0}}};
    for (const auto& [n, valeurs] : attendus) {
        for (std::size_t i = 0; i < valeurs.size(); ++i) {
            EXPECT_NEAR(vu[n][i], valeurs[i], 1e-4) << "update " << n << ", value " << i;
        }
    }
}

TEST_F(MenusAppTest, TitlePressGoesToTheHubAndALaterVisitResumes) {
    Step(40);
    const float lettre3 = ecrantitre->Lettre3->alpha;
    // Updates run back to back within 1 ms of the last timed step do not move the opening.
    UpdateScenes();
    EXPECT_EQ(ecrantitre->Lettre3->alpha, lettre3);
    platform::Input().Press(1);
    EXPECT_EQ(AttendScene(ecranintro), 1);
    platform::Input().Release(1);
    EXPECT_FALSE(NouvelEcran);
    // The opening waits while the hub is current, then goes on from there.
    const float laisse = ecrantitre->Lettre3->alpha;
    Step(50);
    EXPECT_EQ(ecrantitre->Lettre3->alpha, laisse);
    SwitchScene(ecrantitre);
    Step();
    EXPECT_NEAR(ecrantitre->Lettre3->alpha, laisse + 0.06f, 1e-5);
    Step(200);
    EXPECT_EQ(ecrantitre->Etape, 3);
    for (const char16_t* jingle : {u"jingle1", u"jingle2", u"jingle3", u"jingle4", u"jingle5"}) {
        EXPECT_EQ(Joues(jingle, 0), 1);
    }
}
