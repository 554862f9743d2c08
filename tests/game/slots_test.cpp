// Canvas places, the rubber band and the drawing order of GUI pages.
#include <algorithm>

#include "game/gui_page_order.h"
#include "game/selection_rectangle.h"
#include "game/slot_playfield.h"
#include "gui/shapes.h"
#include "tag_fixture.h"

using SlotTest = TagTest;

TEST_F(SlotTest, EveryCanvasPointLiesInExactlyOneQuadrant) {
    SlotPlayfield quadrants[4];
    for (int p = 0; p < 4; ++p) {
        quadrants[p].Quadrant(p, 1280, 768);
    }
    // Whole and half pixels, the rims and the middle lines included.
    for (float x = 0; x <= 1280; x += 0.5f) {
        for (float y = 0; y <= 768; y += 0.5f) {
            ASSERT_EQ(std::count_if(quadrants, quadrants + 4,
                                    [&](const SlotPlayfield& q) { return q.Contient(x, y); }),
                      1)
                << x << "," << y;
        }
    }
    RectangleSelection band;
    std::tie(band.departX, band.departY, band.finX, band.finY) = std::tuple(300, 200, 250.5f, 140);
    band.Normalise();
    EXPECT_EQ(std::tuple(band.x, band.y, band.width, band.height), std::tuple(250.5f, 140, 49, 60));
}

TEST_F(SlotTest, PagesAreDrawnDeepestFirstAndEqualDepthsKeepTheirOrder) {
    std::vector<std::shared_ptr<iGuiObject>> added;
    for (float z : {0, 1, 0, 2, 1, 0}) {
        added.push_back(Add<iGuiRectangle>(0, 0));
        added.back()->z = z;
    }
    const std::vector<std::size_t> sorted{3, 1, 4, 0, 2, 5};
    for (int pass = 0; pass < 2; ++pass) {
        TriePagesGui(*playfield);
        const iList4& page = *playfield->guiPages[0];
        for (int i = 0; i < page.Count(); ++i) {
            EXPECT_EQ(page.Get(i), added[sorted[static_cast<std::size_t>(i)]]) << i;
        }
    }
}
