// The graphics state stack and the scissor clamped to the window.
#include <array>

#include "framework/graphics_state.h"
#include "framework/scene_fixture.h"

using GraphicsStateTest = SceneTest;

TEST_F(GraphicsStateTest, ScissorIsCutToTheWindow) {
    // Asked x, y, w, h, then the rectangle kept inside the 800 x 600 window.
    const std::array<float, 4> cases[][2] = {{{-10, 20, 50, 30}, {0, 20, 40, 30}},
                                             {{790, 590, 50, 50}, {790, 590, 10, 10}},
                                             {{-60, -5, 50, 10}, {0, 0, 0, 5}},
                                             {{900, 700, 20, 20}, {800, 600, 0, 0}}};
    for (const auto& [asked, kept] : cases) {
        SetClippedScissor(asked[0], asked[1], asked[2], asked[3]);
        ExpectScissor(kept[0], kept[1], kept[2], kept[3]);
    }
}

TEST_F(GraphicsStateTest, PopRestoresEveryPartOfThePushedState) {
    platform::SetColor(10, 20, 30);
    platform::SetAlpha(0.5f);
    platform::SetBlend(1);
    platform::Translate(5, 7);
    SetClippedScissor(10, 10, 100, 100);
    PushGraphicsState();
    EXPECT_EQ(GraphicsStateDepth(), 1);

    platform::SetColor(200, 200, 200);
    platform::SetAlpha(1);
    platform::SetBlend(0);
    platform::Scale(3, 3);
    SetClippedScissor(0, 0, 800, 600);
    PushGraphicsState();
    platform::Rotate(30);
    PopGraphicsState();
    EXPECT_FLOAT_EQ(platform::GetMatrix().ix, 3);
    PopGraphicsState();

    EXPECT_EQ(GraphicsStateDepth(), 0);
    EXPECT_FLOAT_EQ(platform::GetColor()[1], 20);
    EXPECT_FLOAT_EQ(platform::GetAlpha(), 0.5f);
    EXPECT_EQ(platform::GetBlend(), 1);
    EXPECT_FLOAT_EQ(platform::GetMatrix().ix, 1);
    EXPECT_FLOAT_EQ(platform::GetMatrix().tx, 5);
    ExpectScissor(10, 10, 100, 100);
}

TEST_F(GraphicsStateTest, UnmatchedPopChangesNothing) {
    platform::SetColor(1, 2, 3);
    PopGraphicsState();
    EXPECT_EQ(GraphicsStateDepth(), 0);
    EXPECT_FLOAT_EQ(platform::GetColor()[2], 3);
    for (int i = 0; i < 11; ++i) {
        PushGraphicsState();
    }
    for (int i = 0; i < 12; ++i) {
        PopGraphicsState();
    }
    EXPECT_EQ(GraphicsStateDepth(), 0);
}
