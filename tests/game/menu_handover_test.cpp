// The games reach the menus only through the hand-over the application fills: a resize during a
// game is caught up by the long-lived menus and, in the matching game, by the set-up screen that
// started it.
#include "main_scene_fixture.h"
#include "screens/hub_screen.h"
#include "screens/setup_screens.h"

TEST_F(MainSceneTest, AResizeDuringAGameReachesTheMenusItLeadsBackTo) {
    ecranintro = std::make_shared<iEngineChoixConstituantsPersosMode>();
    ecranintro->Create();
    ecrannombreitems1 = std::make_shared<iEngineNombreItems1>();
    ecrannombreitems1->Create();
    const auto fenetre = [](iEngineResizable& ecran) {
        const iPlayfield& canvas = *ecran.MainPlayfield();
        return std::pair(canvas.viewportWidth, canvas.viewportHeight);
    };

    Open(0, 3, 3);
    Resize(1600, 900);
    EXPECT_EQ(fenetre(*ecranintro), std::pair(1600, 900));
    EXPECT_EQ(fenetre(*ecrannombreitems1), std::pair(1600, 900));

    // The word-order game has a set-up screen of its own; the matching game's is left as it was.
    Open(2, 0, 0, 2, 1600, 900);
    Resize(1000, 700);
    EXPECT_EQ(fenetre(*ecranintro), std::pair(1000, 700));
    EXPECT_EQ(fenetre(*ecrannombreitems1), std::pair(1600, 900));
}
