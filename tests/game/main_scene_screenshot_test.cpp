// Boards of the main game drawn for real by OpenGL, for a person to look at: four terrains with
// four sentence cards, one of them enlarged, and the word cards of a long sentence in two rows.
#include "gl_shot.h"
#include "main_scene_fixture.h"

namespace {

// Boards as they stand once they have come in, their puppets a second into their acts.
void Arrange(iEngineSceneGlobale& scene) {
    // The sentence's own card stays hidden in the word-order game.
    for (int i = 0; i <= nombredephrases && modedejeu != 2; ++i) {
        scene.etiquettes[static_cast<std::size_t>(i)]->MontreAvecLegende();
    }
    scene.etiquettesApparues = nombredephrases + 1;
    for (int t = 0; t <= nombredanimations; ++t) {
        iPlayFieldTerrainAction& terrain = *scene.terrains[static_cast<std::size_t>(t)];
        terrain.SetStatus(1);
        terrain.enPause = false;
        for (int k = 0; k < 60; ++k) {
            terrain.AnimePersos();
            terrain.VisePersos();
        }
    }
    scene.boutonOk->SetStatus(1);
}

} // namespace

TEST_F(MainSceneTest, BoardsAsTheChildSeesThem) {
    if (!HiddenGlWindow()) {
        GTEST_SKIP() << "no display or no OpenGL context: screenshot not taken";
    }
    int w = 0;
    int h = 0;
    GlWindowSize(w, h);
    Open(0, 3, 3, 2, w, h, 31);
    EnPlace();
    Arrange(*scene);
    Step();
    EXPECT_TRUE(ShootGl("main_matching_board.png", graphics));
    scene->numter = 2;
    scene->AnimeTerrains(2);
    Step();
    EXPECT_TRUE(ShootGl("main_matching_enlarged.png", graphics));

    // A long sentence: the word cards wrap into a second row.
    for (int* niveau : {&queok, &emphatiqueok, &adjectifsok, &expansiongn1ok, &expansiongn2ok}) {
        *niveau = 2;
    }
    for (std::uint32_t seed = 1; seed < 200; ++seed) {
        Open(2, 0, 0, 1, w, h, seed);
        if (scene->etiquettesMots.back()->y != scene->etiquettesMots.front()->y) {
            break;
        }
    }
    ASSERT_NE(scene->etiquettesMots.back()->y, scene->etiquettesMots.front()->y);
    Arrange(*scene);
    for (auto& mot : scene->etiquettesMots) {
        while (mot->aGrossir) {
            mot->Grossit();
        }
    }
    Step();
    EXPECT_TRUE(ShootGl("main_word_order_two_rows.png", graphics));
}
