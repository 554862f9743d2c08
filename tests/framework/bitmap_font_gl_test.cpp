// A text line drawn for real through OpenGL in a hidden window: glyph pixels must appear where
// the font's measure puts them, and nowhere else. Skipped when no display is available.
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "fixture_files.h"
#include "framework/bitmap_font.h"
#include "platform/gl_graphics.h"

namespace {

constexpr int WindowW = 160;
constexpr int WindowH = 64;

// Red channel of a window pixel given from the top-left corner (read-back is BGRA, bottom up).
int RedAt(const std::vector<std::uint8_t>& pixels, int x, int yFromTop) {
    const int row = WindowH - 1 - yFromTop;
    return pixels[(static_cast<std::size_t>(row) * WindowW + x) * 4 + 2];
}

// One hidden window for this test program. It and GLFW stay until the process ends:
// terminating GLFW unloads the GL driver, whose leftovers the leak checker would then report.
GLFWwindow* SharedWindow() {
    static GLFWwindow* window = [] {
        if (glfwInit() != GLFW_TRUE)
            return static_cast<GLFWwindow*>(nullptr);
        glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
        glfwWindowHint(GLFW_RESIZABLE, GLFW_FALSE);
        return glfwCreateWindow(WindowW, WindowH, "MirelvanQuibs", nullptr, nullptr);
    }();
    return window;
}

} // namespace

TEST(BitmapFontGl, GlyphPixelsLandWhereTheMeasureSays) {
    GLFWwindow* window = SharedWindow();
    if (window == nullptr)
        GTEST_SKIP() << "no display or no OpenGL context: fonts not drawn for real";
    glfwMakeContextCurrent(window);
    int width = 0;
    int height = 0;
    glfwGetFramebufferSize(window, &width, &height);
    if (width != WindowW || height != WindowH)
        GTEST_SKIP() << "the framebuffer is scaled: probes would not fall on pixels";

    // One page with two solid glyphs: "I" 4 x 16 and "M" 10 x 16; the space only advances.
    const auto folder = CaseFolder("bitmap_font_gl");
    fixture::WritePng(folder / "fonts_gl_0.png", 32, 16, {{0, 0, 4, 16}, {8, 0, 10, 16}});
    fixture::WriteText(folder / "fonts_gl.txt", "loader = bitmap\nbitmaps = 1\n"
                                                "32,0,0,6\n"
                                                "73,1,0,6,0,0,0,4,16\n"
                                                "77,0,0,12,0,8,0,10,16\n");
    const auto font = iBitmapFont::New(fixture::ToString(folder / "fonts_gl.txt"));
    ASSERT_TRUE(font->images[73] && font->images[77]);

    std::vector<std::uint8_t> pixels;
    {
        auto device = platform::CreateOpenGlGraphics();
        platform::SetGraphicsDevice(device.get());
        device->BeginFrame(WindowW, WindowH);
        platform::Cls(0, 0, 0);
        platform::SetColor(255, 255, 255);
        // "I M" at (10, 20), twice as wide: I at 12..20, space, M from 10 + (6+6)*2 = 34 to 54.
        font->DrawText(u"I M", 10, 20, 2.0f, 1.0f);
        platform::Flush();
        pixels = device->ReadPixels(0, 0, WindowW, WindowH);
        device->EndFrame();
        platform::SetGraphicsDevice(nullptr);
    }

    ASSERT_EQ(pixels.size(), static_cast<std::size_t>(WindowW) * WindowH * 4);
    const float measured = font->TextWidth(u"I M", 2.0f);
    EXPECT_FLOAT_EQ(measured, 48.0f);
    // Inside each glyph: lit. In the gaps, above, below and past the measured width: dark.
    for (int y : {21, 28, 34}) {
        EXPECT_GT(RedAt(pixels, 13, y), 200) << y;
        EXPECT_GT(RedAt(pixels, 18, y), 200) << y;
        EXPECT_GT(RedAt(pixels, 35, y), 200) << y;
        EXPECT_GT(RedAt(pixels, 52, y), 200) << y;
        EXPECT_LT(RedAt(pixels, 10, y), 40) << y;
        EXPECT_LT(RedAt(pixels, 27, y), 40) << y;
        EXPECT_LT(RedAt(pixels, 32, y), 40) << y;
        EXPECT_LT(RedAt(pixels, 10 + static_cast<int>(measured) + 2, y), 40) << y;
    }
    EXPECT_LT(RedAt(pixels, 40, 17), 40);
    EXPECT_LT(RedAt(pixels, 40, 38), 40);
}
