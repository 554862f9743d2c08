// The answer checks: matching cards on terrains (one terrain or several, surplus cards, the
// border of a terrain), words read in one or two rows, the streak, and the next board.
#include "main_scene_fixture.h"

namespace {

// A card thrown in the bin, as the drop on the band leaves it.
void Jette(iEngineSceneGlobale& scene, iGuiEtiquette& tag) {
    tag.CacheAvecLegende();
    tag.verrouillee = true;
    --scene.nombreetiqact;
}

} // namespace

TEST_F(MainSceneTest, MatchingCardsOnTerrains) {
    // One terrain, one sentence: right wherever the card lies.
    Open(1, 0, 0);
    Tag(0).MontreAvecLegende();
    Tag(0).x = Tag(0).y = 5;
    EXPECT_TRUE(scene->VerifieReponse());
    EXPECT_EQ(std::tuple(Tag(0).red, Tag(0).green, reponsesdesuite), std::tuple(120, 220, 1));

    // One terrain, four sentences: wrong until three are thrown away, then right only when the
    // card left is the terrain's own.
    Open(1, 0, 3);
    for (int i = 0; i < 4; ++i) {
        Tag(i).MontreAvecLegende();
    }
    EXPECT_FALSE(scene->VerifieReponse());
    Jette(*scene, Tag(0));
    Jette(*scene, Tag(1));
    Jette(*scene, Tag(2));
    EXPECT_FALSE(scene->VerifieReponse());
    EXPECT_EQ(std::tuple(Tag(3).red, reponsesdesuite), std::tuple(220, 0));
    scene->ReinitialiseEtiquettes();
    Jette(*scene, Tag(1));
    Jette(*scene, Tag(2));
    Jette(*scene, Tag(3));
    EXPECT_TRUE(scene->VerifieReponse());

    // Two terrains: each card on the terrain that acts its sentence, whatever that terrain's
    // caption; on another terrain only when that terrain's sentence reads the same.
    Open(0, 1, 1);
    const auto surTerrain = [&](int carte, int terrain) {
        Tag(carte).MontreAvecLegende();
        scene->PlaceEtiquette(Tag(carte), terrain);
    };
    surTerrain(0, scene->terrainDePhrase[0]);
    surTerrain(1, scene->terrainDePhrase[1]);
    EXPECT_TRUE(scene->VerifieReponse());
    T(scene->terrainDePhrase[0]).phrase = u"Le monsieur dort.";
    EXPECT_TRUE(scene->VerifieReponse());
    EXPECT_EQ(reponsesdesuite, 2);
    surTerrain(0, scene->terrainDePhrase[1]);
    surTerrain(1, scene->terrainDePhrase[0]);
    EXPECT_FALSE(scene->VerifieReponse());
    EXPECT_EQ(reponsesdesuite, 0);
    T(scene->terrainDePhrase[0]).phrase = Tag(1).legende->GetText();
    T(scene->terrainDePhrase[1]).phrase = Tag(0).legende->GetText();
    EXPECT_TRUE(scene->VerifieReponse());
    // On the border of its terrain a card is on neither side.
    surTerrain(0, scene->terrainDePhrase[0]);
    surTerrain(1, scene->terrainDePhrase[1]);
    Tag(0).x = T(scene->terrainDePhrase[0]).zoneDroite;
    EXPECT_FALSE(scene->VerifieReponse());
    EXPECT_EQ(std::tuple(Tag(0).bienPlacee, Tag(1).bienPlacee), std::tuple(false, true));
}

TEST_F(MainSceneTest, WordsReadInOneOrTwoRows) {
    Open(2, 0, 0, 1, 1134, 680);
    const std::vector<iGuiEtiquette*> ordre = OrdreDesMots();
    ASSERT_GE(ordre.size(), 4u);
    const auto rang = [&](std::size_t debut, std::size_t fin, float x0, float x1, float y) {
        for (std::size_t k = debut; k < fin; ++k) {
            ordre[k]->x = x0 + (x1 - x0) * float(k - debut) / float(fin - debut - 1);
            ordre[k]->y = y;
        }
    };
    // One row, whatever the heights.
    rang(0, ordre.size(), 40, 1200, 300);
    ordre[1]->y = 340;
    EXPECT_TRUE(scene->VerifieOrdre());
    // Two rows: the upper one reaches the canvas's right side, the lower one starts further
    // left; at 1134 wide the lower row is still read after the upper one.
    const std::size_t moitie = ordre.size() / 2;
    rang(0, moitie, 60, 1250, 300);
    rang(moitie, ordre.size(), 50, 600, 400);
    EXPECT_TRUE(scene->VerifieOrdre());
    EXPECT_EQ(reponsesdesuite, 2);
    // The rows the other way round, or two words swapped, are wrong.
    rang(0, moitie, 60, 1250, 400);
    rang(moitie, ordre.size(), 50, 600, 300);
    EXPECT_FALSE(scene->VerifieOrdre());
    rang(0, ordre.size(), 40, 1200, 300);
    std::swap(ordre[0]->x, ordre[2]->x);
    EXPECT_FALSE(scene->VerifieOrdre());
    EXPECT_EQ(reponsesdesuite, 0);
    // No word at all is no sentence, even where an accepted order is empty.
    scene->etiquettesMots.clear();
    EXPECT_FALSE(scene->VerifieOrdre());
}

TEST_F(MainSceneTest, TheNextBoardReplacesTheOldOneAtTheEndOfTheFrame) {
    Open(0, 1, 2);
    audio.events.clear();
    const std::weak_ptr<iPlayFieldTerrainAction> ancien = scene->terrains[0];
    const std::weak_ptr<iGuiEtiquette> carte = scene->etiquettes[0];
    const std::weak_ptr<iPlayfield> toile = scene->playfieldPrincipal;
    scene->TableauSuivant(true);
    // Changed, not counted; the old board lives on until the frame's end, out of every list,
    // and its music stops.
    EXPECT_EQ(scene->numeroTableau, 0);
    ASSERT_FALSE(ancien.expired());
    EXPECT_LT(scene->playfields.IndexOf(ancien.lock().get()), 0);
    EXPECT_LT(scene->playfields.IndexOf(toile.lock().get()), 0);
    EXPECT_EQ(std::tuple(audio.channels[8].playing, audio.events.back().kind),
              std::tuple(false, platform::RecordingAudio::Event::Stop));
    for (iPlayfield* playfield : {static_cast<iPlayfield*>(scene->playfieldPrincipal.get()),
                                  static_cast<iPlayfield*>(scene->terrains[0].get())}) {
        EXPECT_LT(playfield->guiPages[0]->IndexOf(carte.lock().get()), 0);
    }
    Step();
    EXPECT_TRUE(ancien.expired());
    EXPECT_TRUE(carte.expired());
    EXPECT_TRUE(toile.expired());
    scene->TableauSuivant(false);
    EXPECT_EQ(scene->numeroTableau, 1);
    EXPECT_EQ(scene->playfields.Count(), 4);
}
