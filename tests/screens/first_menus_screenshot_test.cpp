// The title's opening, the hub and options screen 1 drawn for real by OpenGL at the window's start
// size and at full HD; the furniture placed under the white labels of options screen 1, where
// their dark rim has to keep them readable.
#include "app/mon_app.h"
#include "screens/options1_screen.h"
#include "screens/title_screen.h"
#include "screenshot_fixture.h"

namespace {

class FirstMenusScreenshotTest : public ScreenshotTest {};

} // namespace

TEST_P(FirstMenusScreenshotTest, TitleHubAndConstructions) {
    if (!OuvreFenetre()) {
        GTEST_SKIP() << "no display, no OpenGL context or not that window size";
    }
    MonApp app;
    app.OnCreate();
    // The letters coming in, the heads and the last letters, the finished title.
    for (const auto& [updates, nom] : {std::pair{30, "titre_lettres"}, std::pair{60, "titre_tetes"},
                                       std::pair{90, "titre_fini"}}) {
        Step(updates);
        Shoot("menus", nom);
    }
    // A window and a lamp standing under the labels, drifting right.
    DecorDisposition = 3;
    DecorMeuble1 = 2;
    DecorMeuble2 = 5;
    DecorX = 330;
    DecorY = 740;
    Entre(ecranintro);
    Step(3);
    Shoot("menus", "hub");
    Entre(ecranoptions1);
    Step(3);
    Shoot("menus", "options1_decor");
}

INSTANTIATE_TEST_SUITE_P(StartAndFullHd, FirstMenusScreenshotTest,
                         ::testing::Values(std::pair{1134, 680}, std::pair{1920, 1080}));
