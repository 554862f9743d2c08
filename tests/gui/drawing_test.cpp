// Skin image drawing: nine slices at and below the corners' width; image widgets never take a
// press from the button under them.
#include "gui/button_variants.h"
#include "gui/image_widget.h"
#include "gui/skin_drawing.h"
#include "gui_fixture.h"

namespace {

class DrawingTest : public GuiTest {
  protected:
    std::vector<platform::DrawCommand> Draws(platform::DrawCommand::Kind kind) const {
        std::vector<platform::DrawCommand> found;
        for (const auto& command : graphics.commands) {
            if (command.kind == kind) {
                found.push_back(command);
            }
        }
        return found;
    }
    void Clear() { graphics.BeginFrame(1280, 768); }

    // 30 by 30 picture cut in 10-pixel slices.
    static ImageData Slices() {
        ImageData data;
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column) {
                data.insert(data.end(), {column * 10, row * 10, 10, 10});
            }
        }
        return data;
    }
};

} // namespace

TEST_F(DrawingTest, NineSlicesKeepTheCornersAndStretchTheRest) {
    auto image = Solid(30, 30, u"cadre");
    Clear();
    DrawNineSlice(image, 0, Slices(), 0, 0, 1, 1, 100, 50);
    auto draws = Draws(platform::DrawCommand::ImageDraw);
    ASSERT_EQ(draws.size(), 9u);
    // The bottom-right corner keeps its size at the far corner of the target.
    EXPECT_FLOAT_EQ(draws[8].points[0], 90);
    EXPECT_FLOAT_EQ(draws[8].points[1], 40);
    EXPECT_FLOAT_EQ(draws[8].points[4], 100);
    EXPECT_FLOAT_EQ(draws[8].points[5], 50);
    // The centre covers the middle, one pixel more to hide the seams.
    EXPECT_FLOAT_EQ(draws[4].points[0], 10);
    EXPECT_FLOAT_EQ(draws[4].points[4], 91);
    EXPECT_FLOAT_EQ(draws[4].points[5], 41);

    // At exactly the corners' width the middle column is empty but drawn; narrower, only the
    // left column is.
    Clear();
    DrawNineSlice(image, 0, Slices(), 0, 0, 1, 1, 20, 50);
    EXPECT_EQ(Draws(platform::DrawCommand::ImageDraw).size(), 9u);
    Clear();
    DrawNineSlice(image, 0, Slices(), 0, 0, 1, 1, 19, 50);
    EXPECT_EQ(Draws(platform::DrawCommand::ImageDraw).size(), 3u);

    // Data that is not nine rectangles draws the picture plainly.
    Clear();
    DrawNineSlice(image, 0, {1, 2, 3}, 0, 0, 1, 1, 100, 50);
    EXPECT_EQ(Draws(platform::DrawCommand::ImageDraw).size(), 1u);
}

TEST_F(DrawingTest, AnImageOverAButtonLeavesThePressToTheButton) {
    auto button = Add<iGuiButton2>(100, 100);
    button->SetImage(Solid(200, 50, u"bouton"));
    auto panel = Add<iGuiImage>(50, 50);
    panel->SetImage(Solid(400, 300, u"panneau"));
    Point(150, 120);
    Press();
    Step();
    EXPECT_TRUE(button->Hit());
    EXPECT_FALSE(panel->Hit());
}
