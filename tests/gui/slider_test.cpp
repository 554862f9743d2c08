// Sliders: the knob follows the pointer's motion scaled by the playfield, clamped at both ends;
// one "Released" per drag; the track does not take presses; sliders without room to move stay
// put instead of dividing by zero.
#include <cmath>

#include "gui/slider.h"
#include "gui_fixture.h"

namespace {

class SliderTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        slider = Add<iGuiSliderV>(100, 100);
        slider->width = 40;
        slider->height = 300;
        slider->sliderLength = 300;
        slider->grabWidth = 40;
        slider->grabHeight = 50;
    }

    // Presses the knob at rest (value 0) and takes the first update, which only starts the drag.
    void Grab() {
        Point(120, 120);
        Press();
        Step();
    }

    std::shared_ptr<iGuiSliderV> slider;
};

} // namespace

TEST_F(SliderTest, DragFollowsTheMotionAndClampsAtBothEnds) {
    Grab();
    EXPECT_TRUE(slider->dragging);
    EXPECT_FLOAT_EQ(slider->value, 0);

    // 25 pixels of a 250-pixel travel are a tenth of 1000.
    Point(120, 145);
    Step();
    EXPECT_FLOAT_EQ(slider->value, 100);
    EXPECT_TRUE(slider->down);
    EXPECT_FLOAT_EQ(slider->KnobY(), 125);

    Point(120, 900);
    Step();
    EXPECT_FLOAT_EQ(slider->value, 1000);
    // Motion, not position: moving back moves the value at once.
    Point(120, 875);
    Step();
    EXPECT_FLOAT_EQ(slider->value, 900);
    Point(120, 0.5f);
    Step();
    EXPECT_FLOAT_EQ(slider->value, 0);
}

TEST_F(SliderTest, DragIsScaledByThePlayfieldScale) {
    playfield->scaleX = 0.5f;
    playfield->scaleY = 0.5f;
    // The knob's 100..140 by 100..150 lies at half that in the window.
    Point(60, 60);
    Press();
    Step();
    ASSERT_TRUE(slider->dragging);
    Point(60, 85);
    Step();
    // 25 window pixels of a 125-pixel travel on screen.
    EXPECT_FLOAT_EQ(slider->value, 200);
}

TEST_F(SliderTest, OneReleasedPerDragWhereverItEnds) {
    Grab();
    Release();
    Step();
    EXPECT_TRUE(slider->released);
    EXPECT_FALSE(slider->dragging);
    Step();
    EXPECT_FALSE(slider->released);

    // Released far from the knob: the drag end raises it.
    Grab();
    Point(400, 600);
    Step();
    Release();
    Step();
    EXPECT_TRUE(slider->released);
    EXPECT_FALSE(slider->dragging);
    EXPECT_EQ(slider->pressState, 0);
}

TEST_F(SliderTest, APressOnTheTrackIsIgnored) {
    Point(120, 300);
    Press();
    Step();
    EXPECT_FALSE(slider->hit);
    Point(120, 350);
    Step(3);
    EXPECT_FALSE(slider->dragging);
    EXPECT_FLOAT_EQ(slider->value, 0);
}

TEST_F(SliderTest, NoRoomToMoveKeepsTheKnobAtTheStart) {
    for (const auto& [maximum, length] :
         {std::pair{0, 300}, std::pair{-5, 300}, std::pair{1000, 50}, std::pair{1000, 20}}) {
        slider->maximum = maximum;
        slider->sliderLength = length;
        slider->value = 0;
        Grab();
        Point(120, 200);
        Step();
        Release();
        Step();
        EXPECT_FALSE(std::isnan(slider->value));
        EXPECT_FLOAT_EQ(slider->value, 0);
        EXPECT_FLOAT_EQ(slider->KnobY(), 100);
        EXPECT_FLOAT_EQ(slider->KnobCentre(true), 25);
    }
}

TEST_F(SliderTest, HorizontalSliderRunsAlongX) {
    auto bar = Add<iGuiSliderH>(100, 400);
    bar->sliderLength = 300;
    bar->grabWidth = 50;
    bar->grabHeight = 40;
    Point(110, 410);
    Press();
    Step();
    Point(160, 410);
    Step();
    EXPECT_FLOAT_EQ(bar->value, 200);
    EXPECT_FLOAT_EQ(bar->KnobX(), 150);
}
