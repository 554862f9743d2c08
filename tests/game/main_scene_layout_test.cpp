// The grid of terrains at the window sizes a child's screen may have, the canvas letterbox, the
// zoom of one terrain and back, and a resize while a terrain is enlarged.
#include "main_scene_fixture.h"

namespace {

struct Fenetre {
    int w, h;
    // Places 0 and 1 of the grid; the place of a single terrain.
    float x0, y0, x1, y1, seulX, seulY;
};

const Fenetre Fenetres[] = {{1280, 768, 0, 0, 640, 384, 320, 192},
                            {1134, 680, 0, 0, 567, 340, 283.5f, 170},
                            {1600, 768, 158, 0, 800, 384, 558, 192},
                            {1280, 1000, 0, 116, 640, 500, 320, 366}};

} // namespace

TEST_F(MainSceneTest, TheGridAndTheCanvasAtEveryWindowSize) {
    for (const Fenetre& f : Fenetres) {
        SCOPED_TRACE(std::to_string(f.w) + "x" + std::to_string(f.h));
        Open(0, 3, 3, 2, f.w, f.h);
        const float places[4][2] = {{f.x0, f.y0}, {f.x1, f.y1}, {f.x1, f.y0}, {f.x0, f.y1}};
        for (int t = 0; t < 4; ++t) {
            EXPECT_EQ(std::tuple(T(t).xRepos, T(t).yRepos, T(t).x, T(t).y, T(t).enVignette,
                                 T(t).viewportWidth, T(t).viewportHeight),
                      std::tuple(places[t][0], places[t][1], places[t][0], places[t][1], 1, f.w / 2,
                                 f.h / 2));
        }
        // Each terrain fills its quarter of the canvas: the canvas's own letterbox.
        const iPlayfield& toile = *scene->playfieldPrincipal;
        EXPECT_FLOAT_EQ(T(0).scaleX * 1280, toile.scaleX * 640);
        EXPECT_NEAR(T(1).x, toile.x + 640 * toile.scaleX, 1);
        EXPECT_NEAR(T(1).y, toile.y + 384 * toile.scaleY, 1);

        // One terrain: over the whole window, its rest place the centre quarter.
        Open(1, 0, 2, 2, f.w, f.h);
        EXPECT_EQ(std::tuple(T(0).xRepos, T(0).yRepos, T(0).enVignette, T(0).viewportWidth),
                  std::tuple(f.seulX, f.seulY, 0, f.w));
        const iPlayfield& seule = *scene->playfieldPrincipal;
        EXPECT_EQ(std::tuple(T(0).x, T(0).y, T(0).scaleX),
                  std::tuple(seule.x, seule.y, seule.scaleX));
    }
}

TEST_F(MainSceneTest, ATerrainEnlargedAndBackAndAResizeMeanwhile) {
    Open(0, 2, 3, 2, 1134, 680);
    EnPlace();
    iPlayFieldTerrainAction& barre = T(2);
    const float clip = barre.boutonClip->x;
    const float pause = barre.boutonPause->x;
    platform::Input().Press(65);

    // A tap on terrain 1 makes it the one acted on, then enlarges it.
    scene->numter = 1;
    scene->AnimeTerrains(1);
    EXPECT_EQ(std::tuple(scene->tousLesTerrains, scene->playfieldPrincipal->status, T(0).status,
                         T(1).status, T(2).status, T(1).enVignette, T(1).viewportWidth,
                         Tag(0).status, barre.boutonClip->status, barre.boutonPause->x,
                         barre.boutonPause->baseX, platform::KeyDown(65)),
              std::tuple(false, 0, 0, 1, 0, 0, 1134, 0, 0, pause + 310, pause + 310, false));

    // The window grows while terrain 1 is enlarged: it alone is fitted again, centred like the
    // canvas; the hidden terrains keep their size.
    Resize(1600, 768);
    EXPECT_EQ(std::tuple(T(1).viewportWidth, T(1).viewportHeight, T(1).scaleX, T(1).x, T(1).y),
              std::tuple(1600, 768, 1.0f, 160.0f, 0.0f));
    EXPECT_EQ(std::tuple(T(0).viewportWidth, T(2).viewportWidth), std::tuple(1134, 1134));
    EXPECT_EQ(std::tuple(scene->playfieldPrincipal->x, scene->playfieldPrincipal->scaleX),
              std::tuple(160.0f, 1.0f));

    // Back to the grid of the new window; the full bar's play buttons take their grid places.
    scene->AnimeTerrains(1);
    for (int t = 0; t < 3; ++t) {
        EXPECT_EQ(std::tuple(T(t).status, T(t).enVignette, T(t).x, T(t).viewportWidth, T(t).scaleX),
                  std::tuple(1, 1, t == 0 ? 158.0f : 800.0f, 800, 0.5f));
    }
    EXPECT_EQ(std::tuple(scene->tousLesTerrains, scene->boutonPresse, Tag(0).status,
                         barre.boutonClip->status, barre.boutonPause->x, barre.boutonRecule->x),
              std::tuple(true, true, 1, 1, clip - 186, clip - 186 - 124));
    // Cards thrown away do not come back with the grid, nor cards that have not come in.
    Tag(3).verrouillee = true;
    scene->etiquettesApparues = 2;
    scene->AnimeTerrains(0);
    scene->AnimeTerrains(0);
    EXPECT_EQ(std::tuple(Tag(0).status, Tag(2).status, Tag(3).status), std::tuple(1, 0, 0));
}

// No card place hides a button of a terrain's control bar, whatever the game, the number of
// terrains and sentences or the window (one terrain over the whole canvas has its bar along the
// canvas's top right).
TEST_F(MainSceneTest, CardsStayClearOfTheControlBars) {
    struct Rect {
        float gauche, haut, droite, bas;
        bool Coupe(const Rect& o) const {
            return gauche < o.droite && o.gauche < droite && haut < o.bas && o.haut < bas;
        }
    };
    // The child's own sentence, for the game that acts it.
    structureChoisie = std::make_shared<StructureAction>();
    structureChoisie->GroupeNominal1 = u"perso_dame_f";
    structureChoisie->Action = u"i_courir";
    phraseChoisie = u"La dame court.";
    for (const auto& [w, h] : {std::pair{1134, 680}, std::pair{1600, 768}, std::pair{1280, 1000}}) {
        for (const auto& [mode, na, np] :
             {std::tuple{1, 0, 3}, std::tuple{1, 0, 1}, std::tuple{1, 0, 0}, std::tuple{2, 0, 0},
              std::tuple{3, 0, 0}, std::tuple{0, 1, 3}, std::tuple{0, 3, 3}}) {
            Open(mode, na, np, 2, w, h);
            EnPlace();
            const iPlayfield& toile = *scene->playfieldPrincipal;
            std::vector<Rect> boutons;
            for (int t = 0; t <= nombredanimations; ++t) {
                const iPlayFieldTerrainAction& terrain = T(t);
                for (const auto& b : {terrain.boutonRecule, terrain.boutonLecture, terrain.boutonPause,
                                      terrain.boutonAvance, terrain.boutonClip, terrain.boutonCache,
                                      terrain.boutonSansImage, terrain.boutonPhoto, terrain.bouton}) {
                    // Shown, and on a page of its terrain: a button the child can press.
                    const auto holder = b ? b->GetPlayfield() : nullptr;
                    if (!b || b->status != 1 || !holder ||
                        std::none_of(holder->guiPages.begin(), holder->guiPages.end(),
                                     [&](const auto& page) {
                                         return page && page->IndexOf(b.get()) >= 0;
                                     })) {
                        continue;
                    }
                    const float x = terrain.x + (b->x - b->handleX * b->scaleX) * terrain.scaleX;
                    const float y = terrain.y + (b->y - b->handleY * b->scaleY) * terrain.scaleY;
                    const float bw = b->Width() * b->scaleX * terrain.scaleX;
                    const float bh = b->Height() * b->scaleY * terrain.scaleY;
                    boutons.push_back({(x - toile.x) / toile.scaleX, (y - toile.y) / toile.scaleY,
                                       (x + bw - toile.x) / toile.scaleX,
                                       (y + bh - toile.y) / toile.scaleY});
                }
            }
            ASSERT_FALSE(boutons.empty()) << mode << " " << na << " " << np;
            for (int p = 0; p <= nombredephrases; ++p) {
                const float cx = scene->etiquettesX[std::size_t(p)];
                const float cy = scene->etiquettesY[std::size_t(p)];
                const Rect carte{cx - Tag(0).Width() / 2, cy - Tag(0).Height() / 2,
                                 cx + Tag(0).Width() / 2, cy + Tag(0).Height() / 2};
                for (const Rect& bouton : boutons) {
                    EXPECT_FALSE(carte.Coupe(bouton))
                        << "place " << p << ", game " << mode << ", " << na + 1 << " terrain(s), "
                        << np + 1 << " sentence(s), " << w << "x" << h;
                }
            }
        }
    }
}
