// Boards as a child meets them, drawn for real by OpenGL at the start size and at 1920 by 1080,
// for a person to look at: two surplus cards let go on terrains, a board of one animation (its
// control bar clear of the cards), the longest card sentences with every extension on, the
// word-order hint card and the child's own sentence acted out.
#include <string>

#include "game/animation_start.h"
#include "gl_shot.h"
#include "main_scene_fixture.h"

namespace {

// The puppets a second into their acts, every terrain shown.
void Joue(iEngineSceneGlobale& scene) {
    for (int t = 0; t <= nombredanimations; ++t) {
        iPlayFieldTerrainAction& terrain = *scene.terrains[static_cast<std::size_t>(t)];
        terrain.SetStatus(1);
        for (int k = 0; k < 60; ++k) {
            terrain.AnimePersos();
            terrain.VisePersos();
        }
    }
}

} // namespace

class ChildBoardsTest : public MainSceneTest, public testing::WithParamInterface<std::pair<int, int>> {
  protected:
    std::string Nom(const std::string& quoi) const {
        return quoi + "_" + std::to_string(GetParam().first) + "x" +
               std::to_string(GetParam().second) + ".png";
    }
    void Ouvre(int mode, int animations, int sentences, std::uint32_t seed) {
        Open(mode, animations, sentences, 2, GetParam().first, GetParam().second, seed);
        EnPlace();
    }
};

TEST_P(ChildBoardsTest, AsTheChildSeesThem) {
    if (!HiddenGlWindow() || !GlWindowResize(GetParam().first, GetParam().second)) {
        GTEST_SKIP() << "no display, no OpenGL context or no window of that size";
    }
    // Four sentences, two terrains: both surplus cards let go on the terrains.
    Ouvre(0, 1, 3, 7);
    for (int i : {2, 3}) {
        const iPlayFieldTerrainAction& terrain = T(i - 2);
        Drag(Tag(i).x, Tag(i).y, (terrain.zoneGauche + terrain.zoneDroite) / 2,
             (terrain.zoneHaut + terrain.zoneBas) / 2 - 40);
        Step(20);
    }
    Joue(*scene);
    EXPECT_TRUE(ShootGl(Nom("cards_surplus_on_terrains"), graphics));

    // One animation and four sentences, and one animation with its one sentence.
    Ouvre(1, 0, 3, 11);
    Joue(*scene);
    EXPECT_TRUE(ShootGl(Nom("cards_one_animation"), graphics));
    Ouvre(1, 0, 0, 11);
    Joue(*scene);
    EXPECT_TRUE(ShootGl(Nom("cards_one_animation_one_sentence"), graphics));

    // The word-order game's hint card (shown by the hide button), and the child's sentence.
    Ouvre(2, 0, 0, 5);
    for (auto& mot : scene->etiquettesMots) {
        while (mot->aGrossir) {
            mot->Grossit();
        }
    }
    // Space shows the card, as the child shows it.
    platform::Input().KeyPress(32);
    Step(2);
    Joue(*scene);
    EXPECT_TRUE(ShootGl(Nom("cards_word_order_hint"), graphics));
    structureChoisie = std::make_shared<StructureAction>();
    structureChoisie->GroupeNominal1 = u"perso_petite fille_f";
    structureChoisie->Action = u"po_regarder";
    structureChoisie->GroupeNominal2 = u"perso_monsieur_m";
    structureChoisie->NombrePersos = 2;
    phraseChoisie = u"La petite fille regarde le monsieur.";
    Ouvre(3, 0, 0, 5);
    platform::Input().KeyPress(32);
    Step(2);
    Joue(*scene);
    EXPECT_TRUE(ShootGl(Nom("cards_own_sentence"), graphics));

    // Every extension on: the board whose longest sentence takes the most room on its card.
    for (int* niveau : {&queok, &passiveok, &emphatiqueok, &adjectifsok, &expansiongn1ok,
                        &expansiongn2ok}) {
        *niveau = 2;
    }
    std::uint32_t longue = 1;
    std::size_t plusLongue = 0;
    for (std::uint32_t seed = 1; seed < 60; ++seed) {
        Open(0, 3, 3, 2, GetParam().first, GetParam().second, seed);
        for (int i = 0; i <= nombredephrases; ++i) {
            if (Tag(i).legende->GetText().size() > plusLongue) {
                plusLongue = Tag(i).legende->GetText().size();
                longue = seed;
            }
        }
    }
    Ouvre(0, 3, 3, longue);
    Joue(*scene);
    EXPECT_TRUE(ShootGl(Nom("cards_longest_sentences"), graphics));
}

INSTANTIATE_TEST_SUITE_P(Sizes, ChildBoardsTest,
                         testing::Values(std::pair{1134, 680}, std::pair{1920, 1080}),
                         [](const auto& info) {
                             return std::to_string(info.param.first) + "x" +
                                    std::to_string(info.param.second);
                         });
