// The card's own motions at 60 updates a second, its hit area, and copies of bank cards.
#include <vector>

#include "tag_fixture.h"

namespace {

class WordTagTest : public TagTest {
  protected:
    // One card made as the scenes make them, for the word code.
    iGuiEtiquette& Card(const String& code) {
        scene->FabriqueEtiquettes(scene->etiquettes, 0, {code}, canvas, true, true, 300, 300, 20);
        return *scene->etiquettes[0];
    }
};

} // namespace

TEST_F(WordTagTest, SlidesInOverThirteenUpdatesAndPopsOnlyFromRest) {
    iGuiEtiquette& card = Card(u"perso_dame_f");
    std::vector<float> ys;
    scene->parTrame = [&](TagScene&) {
        card.Glisse();
        ys.push_back(card.y);
    };
    Step();
    while (card.enGlissement) {
        Step();
    }
    ASSERT_EQ(ys.size(), 13u);
    for (std::size_t k = 0; k < 12; ++k) {
        EXPECT_FLOAT_EQ(ys[k], 300 - 200 + 17 * (k + 1.0f));
    }
    EXPECT_FLOAT_EQ(ys[11], 304);
    EXPECT_FLOAT_EQ(card.y, 300);
    EXPECT_EQ(card.status, 1);
    EXPECT_EQ(card.legende->status, 1);

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
        EXPECT_FALSE(card.aGrossir);
        EXPECT_EQ(updates, 16);
        EXPECT_GT(peak, 1.05f);
        EXPECT_FLOAT_EQ(card.scaleX, card.echelle);
        EXPECT_FLOAT_EQ(card.scaleY, 1.0f);
        EXPECT_FLOAT_EQ(card.legende->scaleX, 1.0f);
    }
    EXPECT_EQ(PlayedOn(0), 1u);

    // A card still shrunk by a drag does not pop.
    card.scaleY = 0.96f;
    card.aGrossir = true;
    Step(5);
    EXPECT_EQ(card.etatZoom, 0);
    EXPECT_FLOAT_EQ(card.scaleY, 0.96f);
}

TEST_F(WordTagTest, HitAreaReachesFourPixelsAboveAndEightElsewhere) {
    iGuiEtiquette& card = Card(u"perso_dame_f");
    card.x = 400;
    card.y = 300;
    const float halfW = card.Width() / 2;
    const float halfH = card.Height() / 2;
    const auto hits = [&](float cx, float cy) {
        PointOnCanvas(cx, cy);
        return card.EstTouchee();
    };
    EXPECT_TRUE(hits(400 - halfW - 7.5f, 300));
    EXPECT_FALSE(hits(400 - halfW - 8, 300));
    EXPECT_TRUE(hits(400 + halfW + 7.5f, 300));
    EXPECT_FALSE(hits(400 + halfW + 8, 300));
    EXPECT_TRUE(hits(400, 300 - halfH - 3.5f));
    EXPECT_FALSE(hits(400, 300 - halfH - 4));
    EXPECT_TRUE(hits(400, 300 + halfH + 7.5f));
    EXPECT_FALSE(hits(400, 300 + halfH + 8));
    card.BasculeVisible();
    EXPECT_FALSE(hits(400, 300));
    card.verrouillee = true;
    card.BasculeVisible();
    EXPECT_EQ(card.status, 0);
}

TEST_F(WordTagTest, CopyOfAWearingVerbReadsPorteOnACardItsSize) {
    scene->FabriqueEtiquettes(scene->etiquettes, 0, {u"h_wear", u"p_portersurepaules"}, canvas,
                              true, true, 100, 220, 20);
    scene->FabriqueEtiquettes(scene->etiquettesMots, 0, {u"perso_dame_f", u"perso_monsieur_m"},
                              canvas, true, true, 100, 60, 20);
    iGuiEtiquette& frame = *scene->etiquettesMots[0];
    const float porte = fontoregano30->TextWidth(u"porte") + 20;
    for (const auto& bank : scene->etiquettes) {
        frame.EcritTexte(*bank, true);
        EXPECT_EQ(frame.legende->GetText(), u"porte");
        EXPECT_EQ(frame.legende->Width(), static_cast<int>(porte));
        EXPECT_FLOAT_EQ(frame.Width(), porte);
        EXPECT_EQ(frame.texte, bank->texte);
        EXPECT_FLOAT_EQ(frame.red, bank->red);
    }
    // Without the placeholder the caption is copied as it stands, in white.
    scene->etiquettes[0]->legende->SetText(u"porte un habit");
    frame.AfficheTexte(*scene->etiquettes[0]);
    EXPECT_EQ(frame.legende->GetText(), u"porte un habit");
    EXPECT_EQ(frame.couleurBleu, 255);
    frame.EffaceTexte();
    EXPECT_EQ(frame.status, 0);
    EXPECT_TRUE(frame.texte.empty());
}
