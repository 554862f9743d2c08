// The card's slide-in and pop at 60 updates a second.
#include "tag_fixture.h"

TEST_F(TagTest, SlidesInOverThirteenUpdatesAndPopsOnlyFromRest) {
    scene->FabriqueEtiquettes(scene->etiquettes, 0, {u"perso_dame_f"}, playfield, true, true, 300,
                              300, 20);
    iGuiEtiquette& card = *scene->etiquettes[0];
    std::vector<float> ys;
    scene->parTrame = [&](TagScene&) {
        card.Glisse();
        ys.push_back(card.y);
    };
    do {
        Step();
    } while (card.enGlissement);
    ASSERT_EQ(ys.size(), 13u);
    for (std::size_t k = 0; k < 12; ++k) {
        EXPECT_FLOAT_EQ(ys[k], 100 + 17 * (k + 1.0f));
    }
    EXPECT_EQ(std::tuple(ys[11], card.y, card.legende->status), std::tuple(304.0f, 300.0f, 1));

    // A pop in each game mode; only the word-order game sounds it.
    float peak = 0;
    int updates = 0;
    scene->parTrame = [&](TagScene&) {
        if (card.aGrossir) {
            card.Grossit();
            peak = std::max(peak, card.scaleY);
            ++updates;
        }
    };
    for (int mode : {0, 2}) {
        modedejeu = mode;
        card.aGrossir = true;
        updates = 0;
        Step(30);
        EXPECT_EQ(std::tuple(card.aGrossir, updates, card.scaleX, card.scaleY),
                  std::tuple(false, 16, card.echelle, 1.0f));
        EXPECT_GT(peak, 1.05f);
    }
    EXPECT_EQ(PlayedOn(0), 1u);
    // A card still shrunk by a drag does not pop.
    card.scaleY = 0.96f;
    card.aGrossir = true;
    Step(5);
    EXPECT_EQ(std::tuple(card.etatZoom, card.scaleY), std::tuple(0, 0.96f));
}
