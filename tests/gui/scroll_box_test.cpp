// Scroll boxes: the vertical limit follows the content, the camera comes back when the content
// shrinks, the wheel and the swipe move it (with friction and a bump at the ends), and presses
// reach the button drawn under the pointer, never one clipped away.
#include <vector>

#include "gui/button_variants.h"
#include "gui/prototype_skin.h"
#include "gui/scroll_box.h"
#include "gui/slider.h"
#include "gui_fixture.h"

namespace {

class ScrollBoxTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        // A root button behind the box's top edge, to see where presses go.
        behind = Add<iGuiButton2>(50, 0);
        behind->width = 100;
        behind->height = 60;
        box = Add<iGuiScrollBox>(25, 100);
        box->width = 400;
        box->height = 300;
        box->CreateSliderV();
        // Ten rows 50 high, 60 apart: 590 pixels of content.
        for (int i = 0; i < 10; ++i) {
            auto row = std::make_shared<iGuiButton2>();
            row->New();
            row->SetParent(box);
            row->SetPosition(0, static_cast<float>(i * 60));
            row->width = 100;
            row->height = 50;
            rows.push_back(row);
        }
        Step();
    }

    void ScrollTo(float value) {
        box->sliderV->value = value;
        Step();
    }

    std::shared_ptr<iGuiButton2> behind;
    std::shared_ptr<iGuiScrollBox> box;
    std::vector<std::shared_ptr<iGuiButton2>> rows;
};

} // namespace

TEST_F(ScrollBoxTest, LimitFollowsTheContentAndTheCameraComesBack) {
    EXPECT_EQ(box->sliderV->maximum, 290);
    EXPECT_EQ(box->sliderV->status, 1);
    ScrollTo(5000);
    EXPECT_FLOAT_EQ(box->GetCameraY(), 290);

    // The list shrinks to three rows while scrolled to its end.
    for (int i = 3; i < 10; ++i) {
        rows[static_cast<std::size_t>(i)]->SetStatus(0);
    }
    Step();
    EXPECT_EQ(box->ContentHeight(), 170);
    EXPECT_FLOAT_EQ(box->GetCameraY(), 0);
    EXPECT_EQ(box->sliderV->status, 0);

    // An empty list stays usable.
    for (auto& row : rows) {
        row->SetStatus(0);
    }
    Step(2);
    EXPECT_FLOAT_EQ(box->GetCameraY(), 0);
    EXPECT_EQ(box->MaxCameraY(), 0);
}

TEST_F(ScrollBoxTest, WheelStepsSixPixelsWithinTheList) {
    EXPECT_FALSE(box->ScrollWheel(1));
    EXPECT_TRUE(box->ScrollWheel(-1));
    Step();
    EXPECT_FLOAT_EQ(box->GetCameraY(), 6);
    ScrollTo(288);
    EXPECT_TRUE(box->ScrollWheel(-3));
    Step();
    EXPECT_FLOAT_EQ(box->GetCameraY(), 290);
    EXPECT_FALSE(box->ScrollWheel(-1));
}

TEST_F(ScrollBoxTest, SwipeGlidesWithFrictionAndBumpsAtTheTop) {
    box->swipeEnabledV = true;
    Point(300, 300);
    Press();
    Step();
    // Drawn up by 100: a tenth of it, less 6 %, scrolls the content up.
    Point(300, 200);
    Step();
    EXPECT_NEAR(box->swipe.velocityY, -9.4f, 1e-4);
    EXPECT_NEAR(box->GetCameraY(), 9.4f, 1e-4);
    Release();
    Step();
    EXPECT_NEAR(box->swipe.velocityY, -8.836f, 1e-4);
    EXPECT_NEAR(box->GetCameraY(), 18.236f, 1e-3);

    // A fast pull down past the top stops there and bounces back with a quarter of the speed.
    box->swipe.velocityY = 0;
    ScrollTo(0);
    Point(300, 150);
    Press();
    Step();
    Point(300, 350);
    Step();
    EXPECT_FLOAT_EQ(box->GetCameraY(), 0);
    EXPECT_NEAR(box->swipe.velocityY, -0.25f * 18.8f, 1e-4);
}

TEST_F(ScrollBoxTest, APressReachesTheScrolledButtonUnderThePointer) {
    ScrollTo(120);
    // Content y 250 lies in row 4 (240..290); the box starts at x 25, y 100.
    Point(75, 230);
    Press();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i]->ClickedScrolled(*box);
        EXPECT_EQ(rows[i]->bouncing, i == 4) << "row " << i;
        EXPECT_EQ(rows[i]->PressedInsideScrolled(*box), i == 4) << "row " << i;
    }
    Step();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i]->hit, i == 4) << "row " << i;
    }
    // The deferred click arrives when the bounce ends.
    Release();
    int frames = 0;
    while (!rows[4]->ClickedScrolled(*box) && frames < 20) {
        ++frames;
    }
    EXPECT_EQ(frames, 10);
}

TEST_F(ScrollBoxTest, APressOutsideTheBoxReachesNoScrolledChild) {
    ScrollTo(120);
    // Row 0 is drawn at y -20..30, above the box: clipped away, though it lies under the pointer.
    Point(75, 10);
    Press();
    EXPECT_FALSE(rows[0]->PressedInsideScrolled(*box));
    rows[0]->ClickedScrolled(*box);
    EXPECT_FALSE(rows[0]->bouncing);
    Step();
    EXPECT_FALSE(rows[0]->hit);
    EXPECT_FALSE(rows[0]->over);
    // The widget behind gets the press instead.
    EXPECT_TRUE(behind->hit);
}

TEST_F(ScrollBoxTest, ChildrenAreDrawnClippedToTheBox) {
    ScrollTo(120);
    Frame();
    int clipped = 0;
    for (const auto& command : graphics.commands) {
        const auto& s = command.scissor;
        if (s.x == 25 && s.y == 100 && s.w == 400 && s.h == 300) {
            ++clipped;
        }
    }
    // The box's own fill and its ten rows.
    EXPECT_EQ(clipped, 11);
    // Clipping off: the rows are drawn under the whole playfield's clip.
    box->clipping = false;
    Frame();
    for (const auto& command : graphics.commands) {
        EXPECT_NE(command.scissor.h, 300);
    }
}

TEST_F(ScrollBoxTest, TheVerticalSliderIsHitWhereItIsDrawn) {
    ApplyPrototypeSkin(*box, 400, 300);
    EXPECT_FLOAT_EQ(box->sliderV->x, 4);
    EXPECT_EQ(box->sliderV->sliderLength, 300);
    EXPECT_EQ(box->sliderV->grabWidth, 34);
    EXPECT_EQ(box->sliderH->grabHeight, 34);
    Step();
    // Its knob is drawn right of the box: x 25 + 400 + 4, y 100.
    Point(435, 110);
    Press();
    Step();
    EXPECT_TRUE(box->sliderV->dragging);
    Point(435, 134);
    Step();
    // 24 pixels of a 236-pixel travel over 290.
    EXPECT_NEAR(box->sliderV->value, 24.0f * 290 / 236, 1e-3);
    Release();
    Step();
    EXPECT_NEAR(box->GetCameraY(), 24.0f * 290 / 236, 1e-3);
}
