// Canvas places, the rubber band and the drawing order of GUI pages.
#include <algorithm>
#include <tuple>

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
            int holders = 0;
            for (const SlotPlayfield& q : quadrants) {
                holders += q.Contient(x, y);
            }
            ASSERT_EQ(holders, 1) << x << "," << y;
        }
    }
    EXPECT_TRUE(quadrants[0].Contient(640, 384));
    EXPECT_TRUE(quadrants[1].Contient(640.5f, 384.5f));

    RectangleSelection band;
    band.departX = 300;
    band.departY = 200;
    band.finX = 250.5f;
    band.finY = 140;
    band.Normalise();
    EXPECT_EQ(std::tuple(band.x, band.y, band.width, band.height), std::tuple(250.5f, 140, 49, 60));
}

TEST_F(SlotTest, PagesAreDrawnDeepestFirstAndEqualDepthsKeepTheirOrder) {
    const float depths[] = {0, 1, 0, 2, 1, 0};
    std::vector<std::shared_ptr<iGuiObject>> added;
    for (float z : depths) {
        auto widget = std::make_shared<iGuiRectangle>();
        widget->New();
        widget->z = z;
        widget->SetPlayfield(canvas);
        added.push_back(widget);
    }
    const auto order = [&] {
        std::vector<std::size_t> indexes;
        const iList4& page = *canvas->guiPages[0];
        for (int i = 0; i < page.Count(); ++i) {
            const auto at = std::find(added.begin(), added.end(), page.Get(i));
            indexes.push_back(static_cast<std::size_t>(at - added.begin()));
        }
        return indexes;
    };
    TriePagesGui(*canvas);
    const std::vector<std::size_t> sorted{3, 1, 4, 0, 2, 5};
    EXPECT_EQ(order(), sorted);
    TriePagesGui(*canvas);
    EXPECT_EQ(order(), sorted);
}
