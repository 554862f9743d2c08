// The input device as the window callbacks and the scene tests drive it.
#include <gtest/gtest.h>

#include <GLFW/glfw3.h>

#include "platform/input.h"

using namespace platform;

namespace {
class InputTest : public ::testing::Test {
  protected:
    void SetUp() override { Input() = InputDevice{}; }
    void TearDown() override { Input() = InputDevice{}; }
};
} // namespace

TEST_F(InputTest, LeftButtonAndTouchZeroAreOnePointer) {
    Input().MoveMouse(120.5f, 64.0f);
    Input().Press(1);
    EXPECT_TRUE(KeyDown(1));
    EXPECT_TRUE(TouchDown(0));
    EXPECT_EQ(KeyHits(1), 1);
    EXPECT_EQ(TouchHits(0), 1);
    EXPECT_FLOAT_EQ(TouchX(0), 120.5f);
    EXPECT_FLOAT_EQ(TouchY(0), 64.0f);
    // Releasing through the touch code releases the button as well.
    Input().Release(TouchBase);
    EXPECT_FALSE(KeyDown(1));
    EXPECT_FALSE(TouchDown(0));
    // The other touches never exist on a desktop.
    EXPECT_FALSE(TouchDown(1));
    EXPECT_FLOAT_EQ(TouchX(1), 0.0f);
    // The right button is not a touch.
    Input().Press(2);
    EXPECT_EQ(TouchHits(0), 1);
    EXPECT_EQ(GetKeyHit(), 1);
    EXPECT_EQ(GetKeyHit(), TouchBase);
    EXPECT_EQ(GetKeyHit(), 2);
    EXPECT_EQ(GetKeyHit(), 0);
}

TEST_F(InputTest, ResetForgetsAHeldKeyUntilItIsPressedAgain) {
    Input().MoveMouse(10, 20);
    Input().Wheel(2);
    Input().Press(1);
    Input().Type('a');
    ResetInput();
    EXPECT_FALSE(KeyDown(1));
    EXPECT_FALSE(TouchDown(0));
    EXPECT_EQ(KeyHits(1), 0);
    EXPECT_EQ(GetChar(), 0);
    EXPECT_EQ(GetKeyHit(), 0);
    // The pointer and the wheel stay.
    EXPECT_FLOAT_EQ(MouseX(), 10.0f);
    EXPECT_FLOAT_EQ(MouseZ(), 2.0f);
    // The button is physically still held: its release changes nothing, a new press counts.
    Input().Release(1);
    EXPECT_FALSE(KeyDown(1));
    Input().Press(1);
    EXPECT_TRUE(TouchDown(0));
    EXPECT_EQ(TouchHits(0), 1);
}

TEST_F(InputTest, CodesOutOfRangeReadAsUp) {
    Input().Press(0);
    Input().Press(512);
    Input().Press(-3);
    Input().Release(9999);
    EXPECT_FALSE(KeyDown(512));
    EXPECT_EQ(KeyHits(-1), 0);
    EXPECT_FALSE(TouchDown(32));
    EXPECT_FALSE(TouchDown(-1));
    EXPECT_EQ(TouchHits(40), 0);
    EXPECT_FLOAT_EQ(TouchY(99), 0.0f);
    EXPECT_EQ(GetKeyHit(), 0);
    // The last valid codes work.
    Input().Press(511);
    EXPECT_TRUE(KeyDown(511));
    Input().Press(TouchBase + 31);
    EXPECT_TRUE(TouchDown(31));
}

TEST_F(InputTest, KeysQueueTheirCharactersAndRepeatsOnlyCharacters) {
    Input().KeyPress(8);
    Input().Type(u'é');
    Input().KeyPress(8, true);
    Input().KeyPress(8, true);
    Input().KeyPress(39);
    Input().KeyPress(46);
    Input().KeyPress(77); // M: its letter comes from the text input, not from the key
    EXPECT_EQ(KeyHits(8), 1);
    EXPECT_EQ(GetChar(), 8);
    EXPECT_EQ(GetChar(), 0xE9);
    EXPECT_EQ(GetChar(), 8);
    EXPECT_EQ(GetChar(), 8);
    EXPECT_EQ(GetChar(), SpecialCharBase + 39);
    EXPECT_EQ(GetChar(), 127);
    EXPECT_EQ(GetChar(), 0);
    // A held Escape repeating is still one hit.
    Input().KeyPress(27);
    Input().KeyPress(27, true);
    EXPECT_EQ(KeyHits(27), 1);
    Input().EndUpdate();
    EXPECT_EQ(KeyHits(27), 0);
    EXPECT_TRUE(KeyDown(27));
    EXPECT_EQ(GetChar(), 0);
}

TEST_F(InputTest, WheelAccumulatesUntilTheReaderClearsIt) {
    Input().Wheel(1);
    Input().Wheel(0.5f);
    Input().EndUpdate();
    EXPECT_FLOAT_EQ(MouseZ(), 1.5f);
    ResetMouseZ();
    EXPECT_FLOAT_EQ(MouseZ(), 0.0f);
}

// Without a running GLFW no layout is known: the positional table answers. The codes are the
// ones the game reads.
TEST(KeyCodes, KeysTheGameReadsGetTheirVirtualKeyNumbers) {
    const std::pair<int, int> keys[] = {{GLFW_KEY_ESCAPE, 27},
                                        {GLFW_KEY_KP_ENTER, 13},
                                        {GLFW_KEY_BACKSPACE, 8},
                                        {GLFW_KEY_SPACE, 32},
                                        {GLFW_KEY_LEFT, 37},
                                        {GLFW_KEY_RIGHT, 39},
                                        {GLFW_KEY_RIGHT_CONTROL, 17},
                                        {GLFW_KEY_H, 72},
                                        {GLFW_KEY_M, 77},
                                        {GLFW_KEY_R, 82},
                                        {GLFW_KEY_UNKNOWN, 0},
                                        {GLFW_KEY_WORLD_1, 0}};
    for (const auto& [glfwKey, code] : keys) {
        EXPECT_EQ(KeyCodeFromGlfw(glfwKey, 0), code) << "GLFW key " << glfwKey;
    }
}
