// The OpenGL device drawing for real into a hidden window (Mesa's software renderer under a
// virtual X server), read back at probe pixels.
#include <gtest/gtest.h>

#include <GLFW/glfw3.h>

#include "platform/case_folder.h"
#include "platform/gl_graphics.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

using namespace platform;

namespace {

class GlDeviceTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (!glfwInit())
            return;
        glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
        glfwWindowHint(GLFW_DOUBLEBUFFER, GLFW_TRUE);
        window = glfwCreateWindow(1134, 680, "MirelvanQuibs", nullptr, nullptr);
        if (!window) {
            glfwTerminate();
            return;
        }
        glfwMakeContextCurrent(window);
    }
    // The window and GLFW stay until the process ends: terminating GLFW unloads the GL driver,
    // and the leak checker then takes what the driver still holds for leaks.
    void SetUp() override {
        if (!window)
            GTEST_SKIP() << "no display or no OpenGL context: OpenGL device not tested";
        glfwGetFramebufferSize(window, &width, &height);
    }

    // BGRA at (x, y) counted from the top of the window.
    static std::array<int, 4> Probe(GraphicsDevice& g, int x, int y) {
        auto b = g.ReadPixels(x, g.DeviceHeight() - 1 - y, 1, 1);
        return {b[0], b[1], b[2], b[3]};
    }
    static void ExpectColour(const std::array<int, 4>& bgra, int r, int g, int b,
                             int tolerance = 2) {
        EXPECT_NEAR(bgra[2], r, tolerance);
        EXPECT_NEAR(bgra[1], g, tolerance);
        EXPECT_NEAR(bgra[0], b, tolerance);
    }

    static inline GLFWwindow* window = nullptr;
    int width = 0;
    int height = 0;
};

ImagePtr TwoColourImage(int w, int h) {
    // Left half opaque red, right half blue at half opacity (straight alpha).
    std::vector<std::uint8_t> rgba;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool left = x < w / 2;
            rgba.insert(rgba.end(), {static_cast<std::uint8_t>(left ? 255 : 0), 0,
                                     static_cast<std::uint8_t>(left ? 0 : 255),
                                     static_cast<std::uint8_t>(left ? 255 : 128)});
        }
    return CreateImage(w, h, rgba, u"two colours");
}

} // namespace

TEST_F(GlDeviceTest, RectanglesLandWhereTheTopLeftOriginSays) {
    auto g = CreateOpenGlGraphics();
    g->BeginFrame(width, height);
    EXPECT_EQ(width, 1134);
    EXPECT_EQ(height, 680);
    g->Cls(0, 0, 1);
    g->SetColor(255, 0, 0);
    g->DrawRect(10, 20, 30, 40);
    g->Translate(600, 300);
    g->Rotate(90);
    g->SetColor(0, 255, 0);
    g->DrawRect(0, 0, 50, 20); // turned up: covers x 600..620, y 250..300

    ExpectColour(Probe(*g, 11, 21), 255, 0, 0);
    ExpectColour(Probe(*g, 38, 58), 255, 0, 0);
    ExpectColour(Probe(*g, 41, 30), 0, 0, 255);
    ExpectColour(Probe(*g, 20, 61), 0, 0, 255);
    ExpectColour(Probe(*g, 610, 260), 0, 255, 0);
    ExpectColour(Probe(*g, 610, 305), 0, 0, 255);
    EXPECT_EQ(Probe(*g, 11, 21)[3], 255);

    // Rows come bottom first; outside the window reads as zeros.
    auto strip = g->ReadPixels(11, height - 21, 1, 2);
    ExpectColour({strip[0], strip[1], strip[2], strip[3]}, 255, 0, 0);
    ExpectColour({strip[4], strip[5], strip[6], strip[7]}, 0, 0, 255);
    auto outside = g->ReadPixels(-1, 0, 2, 1);
    EXPECT_EQ(outside[0] + outside[1] + outside[2] + outside[3], 0);
    EXPECT_EQ(outside[4], 255);
    g->EndFrame();
}

TEST_F(GlDeviceTest, LinesAndPointsLightWholePixelsIncludingBothEnds) {
    auto g = CreateOpenGlGraphics();
    g->BeginFrame(width, height);
    g->Cls(0, 0, 0);
    g->DrawLine(10, 50, 20, 50);
    g->DrawLine(30, 60, 30, 70);
    g->DrawPoint(40, 40);
    for (int x = 10; x <= 20; ++x)
        ExpectColour(Probe(*g, x, 50), 255, 255, 255, 40);
    ExpectColour(Probe(*g, 15, 49), 0, 0, 0, 40);
    ExpectColour(Probe(*g, 15, 51), 0, 0, 0, 40);
    ExpectColour(Probe(*g, 22, 50), 0, 0, 0, 40);
    ExpectColour(Probe(*g, 30, 60), 255, 255, 255, 40);
    ExpectColour(Probe(*g, 30, 70), 255, 255, 255, 40);
    ExpectColour(Probe(*g, 40, 40), 255, 255, 255);
    ExpectColour(Probe(*g, 41, 40), 0, 0, 0);
    ExpectColour(Probe(*g, 40, 41), 0, 0, 0);
    g->EndFrame();
}

TEST_F(GlDeviceTest, TexturedImagesBlendPremultipliedWithAndWithoutPadding) {
    for (bool anySize : {true, false}) {
        SCOPED_TRACE(anySize ? "any texture size" : "padded to powers of two");
        auto g = CreateOpenGlGraphics(anySize);
        auto image = TwoColourImage(6, 3);
        g->BeginFrame(width, height);
        g->Cls(0, 1, 0);                                     // green background
        g->DrawImageTransformed(image, 100, 100, 0, 20, 20); // 120 x 60 pixels

        ExpectColour(Probe(*g, 130, 130), 255, 0, 0);
        // Half blue over green: premultiplied source plus half the background.
        ExpectColour(Probe(*g, 200, 130), 0, 128, 128, 3);
        // The padding around the picture must not show: just outside is background.
        ExpectColour(Probe(*g, 225, 130), 0, 255, 0);
        ExpectColour(Probe(*g, 130, 165), 0, 255, 0);

        // Tint and alpha modulate the picture; additive blending adds.
        g->SetColor(255, 255, 255);
        g->SetAlpha(0.5f);
        g->DrawImageTransformed(image, 300, 100, 0, 20, 20);
        ExpectColour(Probe(*g, 330, 130), 128, 128, 0, 3);
        g->SetAlpha(1);
        g->SetBlend(1);
        g->DrawImageTransformed(image, 500, 100, 0, 20, 20);
        ExpectColour(Probe(*g, 530, 130), 255, 255, 0, 3);
        g->EndFrame();
    }
}

TEST_F(GlDeviceTest, ScissorClipsDrawingAndClearsWithTheTopLeftOrigin) {
    auto g = CreateOpenGlGraphics();
    g->BeginFrame(width, height);
    g->Cls(0, 0, 0);
    g->SetScissor(200, 100, 50, 40);
    g->Cls(0, 1, 0);
    g->SetColor(255, 0, 0);
    g->DrawRect(240, 130, 100, 100); // clipped to x 240..250, y 130..140

    ExpectColour(Probe(*g, 201, 101), 0, 255, 0);
    ExpectColour(Probe(*g, 248, 108), 0, 255, 0);
    ExpectColour(Probe(*g, 245, 135), 255, 0, 0);
    ExpectColour(Probe(*g, 255, 135), 0, 0, 0);
    ExpectColour(Probe(*g, 245, 145), 0, 0, 0);
    ExpectColour(Probe(*g, 199, 120), 0, 0, 0);
    ExpectColour(Probe(*g, 220, 99), 0, 0, 0);

    // Back to the whole window for a full clear, and a new frame starts unclipped.
    g->SetScissor(0, 0, static_cast<float>(width), static_cast<float>(height));
    g->Cls(1, 1, 1);
    ExpectColour(Probe(*g, 5, 5), 255, 255, 255);
    g->SetScissor(0, 0, 10, 10);
    g->EndFrame();
    g->BeginFrame(width, height);
    g->Cls(0, 0, 1);
    ExpectColour(Probe(*g, 500, 500), 0, 0, 255);
    g->EndFrame();
}

TEST_F(GlDeviceTest, PicturesOutliveTheirDeviceWithoutHarm) {
    auto image = TwoColourImage(4, 4);
    {
        auto g = CreateOpenGlGraphics();
        g->BeginFrame(width, height);
        g->DrawImage(image, 0, 0);
        g->EndFrame();
    }
    // A later device uploads the picture again instead of using a texture it never made.
    auto g = CreateOpenGlGraphics();
    g->BeginFrame(width, height);
    g->Cls(0, 0, 0);
    g->DrawImageTransformed(image, 50, 50, 0, 10, 10);
    ExpectColour(Probe(*g, 55, 55), 255, 0, 0);
    g->EndFrame();
    image.reset();
}

// A picture from a file keeps no pixels of its own once the driver has them; a device that
// never had its texture (the old one is gone) decodes the file again.
TEST_F(GlDeviceTest, ALostTextureIsDecodedAgainFromItsFile) {
    const auto path = CaseFolder("gl_device_test") / "green.png";
    std::vector<std::uint8_t> pixels;
    for (int i = 0; i < 16; ++i)
        pixels.insert(pixels.end(), {0, 255, 0, 255});
    ASSERT_TRUE(stbi_write_png(path.c_str(), 4, 4, 4, pixels.data(), 4 * 4));
    auto image = LoadImage(FromUtf8(path.string()));
    ASSERT_TRUE(image);
    Surface& surface = *image->GetSurface();
    {
        auto g = CreateOpenGlGraphics();
        g->BeginFrame(width, height);
        g->DrawImageTransformed(image, 20, 20, 0, 5, 5);
        ExpectColour(Probe(*g, 25, 25), 0, 255, 0);
        g->EndFrame();
        EXPECT_TRUE(surface.texture);
        EXPECT_TRUE(surface.rgba.empty());
    }
    auto g = CreateOpenGlGraphics();
    g->BeginFrame(width, height);
    g->Cls(0, 0, 0);
    g->DrawImageTransformed(image, 50, 50, 0, 10, 10);
    ExpectColour(Probe(*g, 55, 55), 0, 255, 0);
    g->EndFrame();
    EXPECT_TRUE(surface.rgba.empty());
}

// Past the texture budget, a picture left undrawn for a while loses its texture (and comes back
// whole when drawn again), while the one on screen keeps its own.
TEST_F(GlDeviceTest, TexturesUnusedForAWhileGoOnceTheBudgetIsPassed) {
    const int side = 2048; // 16 MiB of texture each: two pass the budget
    auto solid = [&](std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        std::vector<std::uint8_t> rgba;
        rgba.reserve(static_cast<std::size_t>(side) * side * 4);
        for (int i = 0; i < side * side; ++i)
            rgba.insert(rgba.end(), {r, g, b, 255});
        return CreateImage(side, side, rgba, u"solid");
    };
    auto idle = solid(255, 0, 0);
    auto shown = solid(0, 0, 255);
    auto g = CreateOpenGlGraphics();
    auto frame = [&](const ImagePtr& image) {
        g->BeginFrame(width, height);
        g->Cls(0, 0, 0);
        if (image)
            g->DrawImageTransformed(image, 40, 40, 0, 0.01f, 0.01f);
    };
    frame(idle);
    g->EndFrame();
    for (int i = 0; i < 400; ++i) {
        frame(shown);
        g->EndFrame();
    }
    EXPECT_FALSE(idle->GetSurface()->texture);
    EXPECT_TRUE(shown->GetSurface()->texture);
    frame(idle);
    ExpectColour(Probe(*g, 45, 45), 255, 0, 0);
    g->EndFrame();
}
