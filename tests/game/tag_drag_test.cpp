// Pressing, dragging and dropping cards with injected pointer input, through the letterbox of
// windows of several shapes, and dropping them on the canvas places.
#include "game/slot_playfield.h"
#include "tag_fixture.h"

namespace {

class TagDragTest : public TagTest {
  protected:
    // Three word cards in a row; the scene closes each drop as the games do.
    void Cards() {
        scene->FabriqueEtiquettes(scene->etiquettes, 0, {u"perso_dame_f", u"po_regarder", u"qui"},
                                  playfield, true, true, 100, 220, 20);
        scene->derniereSaisie = iEngineEtiq::Aucune;
        scene->parTrame = [this](TagScene& s) {
            if (s.DeplaceEtiquettes(s.etiquettes, 1) == 2) {
                s.listeEtiquetteSaisie = 0;
                s.derniereSaisie = iEngineEtiq::Aucune;
            }
        };
    }
    iGuiEtiquette& Card(int i) { return *scene->etiquettes[static_cast<std::size_t>(i)]; }
    void DragTo(float cx, float cy, int held = 3) {
        PointOnCanvas(Card(0).x, Card(0).y);
        Press();
        Step();
        PointOnCanvas(cx, cy);
        Step(held);
        Release();
        Step(10);
    }
};

} // namespace

TEST_F(TagDragTest, TheCardFollowsThePointerInsideTheCanvasAtEveryWindowShape) {
    for (const auto& [w, h] : {std::pair{1134, 680}, std::pair{1000, 1000}, std::pair{1600, 768}}) {
        SCOPED_TRACE(testing::Message() << w << "x" << h);
        Scene(w, h);
        Cards();
        // The hit area reaches 8 pixels left, right and below, 4 above.
        const float cw = Card(0).Width() / 2 + 8;
        const float ch = Card(0).Height() / 2;
        const auto hits = [&](float dx, float dy) {
            PointOnCanvas(Card(0).x + dx, Card(0).y + dy);
            return Card(0).EstTouchee();
        };
        EXPECT_TRUE(hits(-cw + .1f, 0) && hits(cw - .1f, 0) && hits(0, -ch - 3.9f) &&
                    hits(0, ch + 7.9f));
        EXPECT_FALSE(hits(-cw - .1f, 0) || hits(cw + .1f, 0) || hits(0, -ch - 4.1f) ||
                     hits(0, ch + 8.1f));

        // Three cards on one spot: the hidden first one is never taken, the one drawn on top
        // of the two in sight is.
        for (int i : {1, 2}) {
            Card(i).x = Card(0).x + 6.0f * i;
            Card(i).y = Card(0).y;
        }
        Card(0).BasculeVisible();
        const float secondX = Card(1).x;
        DragTo(600, 500, 20);
        EXPECT_EQ(std::tuple(PlayedOn(3), scene->indiceSaisie, Card(1).x, Card(0).x),
                  std::tuple(1u, 2, secondX, Card(0).origineX));
        EXPECT_NEAR(Card(2).x, 600, 0.01);
        EXPECT_NEAR(Card(2).y, 500, 0.01);
        EXPECT_EQ(std::tuple(Card(2).scaleX, Card(2).scaleY, Card(1).alpha),
                  std::tuple(Card(2).echelle, 1.0f, 1.0f));

        // Held: shrunk, the others faded; past the canvas, in the letterbox or beyond the
        // window, 4 pixels inside the rim.
        PointOnCanvas(600, 500);
        Press();
        Step();
        Point(-40, -40);
        Step(20);
        EXPECT_NEAR(Card(2).scaleY, 0.95f, 0.006f);
        EXPECT_EQ(std::tuple(Card(2).x, Card(2).y, Card(1).alpha), std::tuple(4.0f, 4.0f, 0.2f));
        Point(static_cast<float>(w) + 40, static_cast<float>(h) + 40);
        Step();
        EXPECT_EQ(std::tuple(Card(2).x, Card(2).y), std::tuple(1276.0f, 764.0f));
        Release();
        Step();
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
    // The release stays pending until the scene finds the card a place or sends it home.
    scene->parTrame = [&](TagScene& s) {
        s.DeplaceEtiquettes(s.etiquettes, 1);
        if (s.listeEtiquetteSaisie == 1 && !platform::TouchDown(0)) {
            place = TrouveSlot(slots, Card(s.indiceSaisie).x, Card(s.indiceSaisie).y);
            if (place >= 0) {
                s.listeEtiquetteSaisie = 0;
                s.derniereSaisie = iEngineEtiq::Aucune;
            } else {
                s.RemetEtiquette(s.etiquettes);
            }
        }
    };
    DragTo(640, 384);
    EXPECT_EQ(place, 0);
    DragTo(640.5f, 100);
    EXPECT_EQ(std::tuple(place, PlayedOn(3)), std::tuple(2, 2u));
    slots.resize(1);
    DragTo(300, 600);
    EXPECT_EQ(std::tuple(place, PlayedOn(3), Card(0).x, Card(0).y),
              std::tuple(-1, 3u, Card(0).origineX, Card(0).origineY));
}
