// Progress bars: the fill width in single precision, clamped, empty for a maximum of 0; the
// surface is drawn even when the bar is not.
#include "gui/progress_bar.h"
#include "gui_fixture.h"

namespace {

class ProgressBarTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        bar = Add<iGuiProgressBarH>(10, 10);
    }

    int Fill(int value, int maximum, int fullWidth) {
        bar->value = value;
        bar->maximum = maximum;
        bar->barWidth = fullWidth;
        return bar->FillWidth();
    }

    std::shared_ptr<iGuiProgressBarH> bar;
};

} // namespace

TEST_F(ProgressBarTest, FillWidthCases) {
    EXPECT_EQ(Fill(50, 100, 200), 100);
    EXPECT_EQ(Fill(150, 100, 200), 200);
    EXPECT_EQ(Fill(0, 100, 200), 0);
    EXPECT_EQ(Fill(-1, 100, 200), 0);
    EXPECT_EQ(Fill(99, 100, 3), 2);
    EXPECT_EQ(Fill(100, 100, 3), 3);
    // The quotient falls just short in single precision.
    EXPECT_EQ(Fill(30, 30, 100), 99);
    EXPECT_EQ(Fill(100, 100, 350), 349);
    EXPECT_EQ(Fill(50, 0, 200), 0);
    EXPECT_EQ(Fill(0, 0, 200), 0);
    EXPECT_EQ(Fill(50, 100, 0), 0);
}

TEST_F(ProgressBarTest, TheBarImageWinsOverTheBarWidth) {
    bar->image = Solid(300, 20, u"barre");
    EXPECT_EQ(Fill(50, 100, 100), 150);
}

TEST_F(ProgressBarTest, NegativeValueDrawsTheSurfaceOnly) {
    bar->width = 200;
    bar->height = 20;
    bar->value = -1;
    Frame();
    int rects = 0;
    for (const auto& command : graphics.commands) {
        rects += command.kind == platform::DrawCommand::Rect;
    }
    EXPECT_EQ(rects, 1);
}
