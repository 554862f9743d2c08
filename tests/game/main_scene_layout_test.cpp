// The grid of terrains at the window sizes a child's screen may have, the canvas letterbox, the
// zoom of one terrain and back, and a resize while a terrain is enlarged.
#include "main_scene_fixture.h"
#include "puppets/silhouettes.h"

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

        // One terrain, its rest place the centre quarter, enlarged: over the canvas above the
        // OK and undo buttons, in the middle of its width, so that the buttons hide nothing of
        // the room.
        Open(1, 0, 2, 2, f.w, f.h);
        EXPECT_EQ(std::tuple(T(0).xRepos, T(0).yRepos, T(0).enVignette),
                  std::tuple(f.seulX, f.seulY, 0));
        const iPlayfield& seule = *scene->playfieldPrincipal;
        EXPECT_FLOAT_EQ(T(0).y, seule.y);
        EXPECT_NEAR(T(0).x + 640 * T(0).scaleX, seule.x + 640 * seule.scaleX, 1);
        for (const iGuiButton2* b : {scene->boutonOk.get(), scene->boutonAnnuler.get()}) {
            ASSERT_TRUE(b);
            const float haut = seule.y + (b->y - b->handleY) * seule.scaleY;
            EXPECT_LE(T(0).y + 768 * T(0).scaleY, haut);
            EXPECT_GT(T(0).y + 768 * T(0).scaleY, haut - 12 * seule.scaleY);
        }
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
                for (const auto& b :
                     {terrain.boutonRecule, terrain.boutonLecture, terrain.boutonPause,
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

// At the start size and at 1920 by 1080, nothing a sentence names hides behind the OK and undo
// buttons: one terrain alone (one animation, word order) stands wholly clear of them; in the
// matching game's grid, they cover corners of the lower terrains, and every puppet, prop and
// animal is clear of them when the board comes in, the puppets that stay in the room while they
// act.
TEST_F(MainSceneTest, NothingASentenceNamesHidesBehindTheScenesButtons) {
    Silhouettes silhouettes(graphics);
    // The buttons in play, in window pixels.
    const auto boutons = [this] {
        std::vector<Boite> b;
        const iPlayfield& toile = *scene->playfieldPrincipal;
        for (const iGuiButton2* bouton : {scene->boutonOk.get(), scene->boutonAnnuler.get()}) {
            if (bouton && bouton->status == 1 && bouton->GetPlayfield()) {
                const float x = bouton->x - bouton->handleX * bouton->scaleX;
                const float y = bouton->y - bouton->handleY * bouton->scaleY;
                Boite r;
                r.Ajoute(toile.x + x * toile.scaleX, toile.y + y * toile.scaleY);
                r.Ajoute(toile.x + (x + bouton->Width()) * toile.scaleX,
                         toile.y + (y + bouton->Height()) * toile.scaleY);
                b.push_back(r);
            }
        }
        return b;
    };
    int vus = 0;
    for (const auto& [w, h] : {std::pair{1134, 680}, std::pair{1920, 1080}}) {
        for (int mode : {1, 2}) {
            SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h) + ", mode " +
                         std::to_string(mode));
            Open(mode, 0, mode == 1 ? 2 : 0, 2, w, h);
            EnPlace();
            Boite terrain;
            terrain.Ajoute(T(0).x, T(0).y);
            terrain.Ajoute(T(0).x + 1280 * T(0).scaleX, T(0).y + 768 * T(0).scaleY);
            ASSERT_FALSE(boutons().empty());
            for (const Boite& b : boutons()) {
                EXPECT_FALSE(terrain.Croise(b));
            }
        }
        for (const auto& [animations, phrases] :
             {std::pair{1, 3}, std::pair{2, 2}, std::pair{3, 3}}) {
            for (std::uint32_t graine = 1; graine <= 3; ++graine) {
                const std::string trace = std::to_string(w) + "x" + std::to_string(h) + ", " +
                                          std::to_string(animations + 1) + " terrains, " +
                                          std::to_string(phrases + 1) + " sentences, seed " +
                                          std::to_string(graine);
                Open(0, animations, phrases, 2, w, h, graine * 7919);
                EnPlace();
                const auto caches = boutons();
                ASSERT_FALSE(caches.empty()) << trace;
                for (int t = 0; t <= animations; ++t) {
                    iPlayFieldTerrainAction& terrain = T(t);
                    for (int n = 0; n < 600; ++n) {
                        for (int i = 0; i <= terrain.dernierPerso && n % 10 == 0; ++i) {
                            const Pantin& p = *terrain.persos[static_cast<std::size_t>(i)];
                            if (n > 0 && (Voyage(p) || p.porte)) {
                                continue;
                            }
                            for (const iSprite* sprite : Montre(p, n == 0)) {
                                const Boite b = silhouettes.BoiteDe(*sprite);
                                if (b.Vide()) {
                                    continue;
                                }
                                Boite ecran;
                                ecran.Ajoute(terrain.x + b.gauche * terrain.scaleX,
                                             terrain.y + b.haut * terrain.scaleY);
                                ecran.Ajoute(terrain.x + b.droite * terrain.scaleX,
                                             terrain.y + b.bas * terrain.scaleY);
                                for (const Boite& c : caches) {
                                    ASSERT_FALSE(c.Croise(ecran, 1))
                                        << trace << ", terrain " << t << ", frame " << n
                                        << ", puppet " << i << ": "
                                        << platform::ToUtf8(terrain.phrase);
                                }
                                ++vus;
                            }
                        }
                        clock.Advance(17);
                        terrain.AnimePersos();
                        terrain.VisePersos();
                    }
                }
            }
        }
    }
    EXPECT_GT(vus, 20000);
}
