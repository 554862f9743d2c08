// Dragging cards with injected pointer input, through the letterbox of windows of several
// shapes, and dropping them on the canvas places.
#include "game/slot_playfield.h"
#include "tag_fixture.h"

namespace {

class TagDragTest : public TagTest {
  protected:
    // Three word cards in a row; the scene handles each drop as the games do.
    void Cards() {
        scene->FabriqueEtiquettes(scene->etiquettes, 0, {u"perso_dame_f", u"po_regarder", u"qui"},
                                  canvas, true, true, 100, 220, 20);
        scene->derniereSaisie = iEngineEtiq::Aucune;
        scene->parTrame = [this](TagScene& s) {
            if (s.DeplaceEtiquettes(s.etiquettes, 1) == 2) {
                ++drops;
                s.listeEtiquetteSaisie = 0;
                s.derniereSaisie = iEngineEtiq::Aucune;
            }
        };
    }
    iGuiEtiquette& Card(int i) { return *scene->etiquettes[static_cast<std::size_t>(i)]; }
    int drops = 0;
};

} // namespace

TEST_F(TagDragTest, TheCardFollowsThePointerInsideTheCanvasAtEveryWindowShape) {
    for (const auto& [w, h] : {std::pair{1134, 680}, std::pair{1000, 1000}, std::pair{1600, 768}}) {
        SCOPED_TRACE(testing::Message() << w << "x" << h);
        Scene(w, h);
        Cards();
        drops = 0;
        // Three cards on one spot: the hidden first one is never taken, the second is.
        for (int i : {1, 2}) {
            Card(i).x = Card(0).x + 6.0f * i;
            Card(i).y = Card(0).y;
        }
        Card(0).BasculeVisible();
        const float thirdX = Card(2).x;
        PointOnCanvas(Card(0).x + 8, Card(0).y);
        platform::Input().Press(1);
        Step();
        EXPECT_EQ(scene->listeSaisie, 1);
        EXPECT_EQ(scene->indiceSaisie, 1);

        PointOnCanvas(600, 500);
        Step(20);
        EXPECT_NEAR(Card(1).x, 600, 0.01);
        EXPECT_NEAR(Card(1).y, 500, 0.01);
        EXPECT_NEAR(Card(1).scaleY, 0.95f, 0.006f);
        EXPECT_FLOAT_EQ(Card(2).x, thirdX);
        EXPECT_FLOAT_EQ(Card(2).alpha, 0.2f);
        EXPECT_FLOAT_EQ(Card(0).x, Card(0).origineX);

        // Out of the canvas, into the letterbox and past the window: 4 pixels inside the rim.
        platform::Input().MoveMouse(-40, -40);
        Step();
        EXPECT_FLOAT_EQ(Card(1).x, 4);
        EXPECT_FLOAT_EQ(Card(1).y, 4);
        platform::Input().MoveMouse(static_cast<float>(w) + 40, static_cast<float>(h) + 40);
        Step();
        EXPECT_FLOAT_EQ(Card(1).x, 1276);
        EXPECT_FLOAT_EQ(Card(1).y, 764);

        platform::Input().Release(1);
        Step(10);
        EXPECT_EQ(drops, 1);
        EXPECT_EQ(PlayedOn(3), 1u);
        EXPECT_EQ(scene->listeSaisie, 0);
        EXPECT_FLOAT_EQ(Card(1).scaleY, 1.0f);
        EXPECT_FLOAT_EQ(Card(1).scaleX, Card(1).echelle);
        EXPECT_FLOAT_EQ(Card(2).alpha, 1.0f);
        EXPECT_NEAR(Card(1).legende->x, Card(1).x, 1);
    }
}

TEST_F(TagDragTest, ADropOnTheMiddleLinesFindsAPlaceAndOneWithoutGoesHomeOnce) {
    Cards();
    std::vector<std::shared_ptr<SlotPlayfield>> slots;
    for (int p = 0; p < 4; ++p) {
        slots.push_back(std::make_shared<SlotPlayfield>()->New());
        slots.back()->Quadrant(p, 1280, 768);
    }
    int place = -1;
    scene->parTrame = [&](TagScene& s) {
        s.DeplaceEtiquettes(s.etiquettes, 1);
        if (s.listeEtiquetteSaisie == 1 && !platform::KeyDown(platform::TouchBase)) {
            const iGuiEtiquette& dropped = *s.etiquettes[static_cast<std::size_t>(s.indiceSaisie)];
            place = TrouveSlot(slots, dropped.x, dropped.y);
            if (place >= 0) {
                s.listeEtiquetteSaisie = 0;
                s.derniereSaisie = iEngineEtiq::Aucune;
            } else {
                s.RemetEtiquette(s.etiquettes);
            }
        }
    };
    const auto dragTo = [&](float cx, float cy) {
        PointOnCanvas(Card(0).x, Card(0).y);
        platform::Input().Press(1);
        Step();
        PointOnCanvas(cx, cy);
        Step(3);
        platform::Input().Release(1);
        Step(10);
    };
    // The strips between the quadrants belong to a place: right and bottom edges count in.
    dragTo(640, 384);
    EXPECT_EQ(place, 0);
    dragTo(640.5f, 100);
    EXPECT_EQ(place, 2);
    EXPECT_EQ(PlayedOn(3), 2u);

    // Places that leave the lower half uncovered: the card goes back home, with one sound.
    slots.resize(1);
    dragTo(300, 600);
    EXPECT_EQ(place, -1);
    EXPECT_FLOAT_EQ(Card(0).x, Card(0).origineX);
    EXPECT_FLOAT_EQ(Card(0).y, Card(0).origineY);
    EXPECT_EQ(PlayedOn(3), 3u);
    EXPECT_EQ(scene->listeEtiquetteSaisie, 0);
}
