// The device state machine, placement of shapes and images, scissor, clear and read-back,
// checked on the recording device (no window needed).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/graphics.h"
#include "platform/image.h"

using namespace platform;

namespace {

constexpr int W = 200;
constexpr int H = 100;

void ExpectPoints(const std::vector<float>& actual, const std::vector<float>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-3) << "coordinate " << i;
}

ImagePtr SolidImage(int w, int h, int frames = 1, const String& name = u"solid") {
    return CreateImage(w, h, std::vector<std::uint8_t>(static_cast<std::size_t>(w) * h * 4, 255),
                       name, frames);
}

// BGRA of the pixel at (x, y) counted from the top of the window.
std::array<int, 4> PixelAt(GraphicsDevice& g, int x, int y) {
    auto bytes = g.ReadPixels(x, g.DeviceHeight() - 1 - y, 1, 1);
    return {bytes[0], bytes[1], bytes[2], bytes[3]};
}

class RecordingTest : public ::testing::Test {
  protected:
    void SetUp() override { g.BeginFrame(W, H); }
    const DrawCommand& Last() { return g.commands.back(); }
    RecordingGraphics g;
};

} // namespace

TEST(MatrixTest, OperationsComposeOnTheRightWithScreenCounterClockwiseRotation) {
    RecordingGraphics g;
    g.BeginFrame(W, H);
    float x, y;

    g.Rotate(90);
    g.GetMatrix().Apply(1, 0, x, y);
    EXPECT_NEAR(x, 0, 1e-5);
    EXPECT_NEAR(y, -1, 1e-5); // y grows downwards, so up on screen: counter-clockwise

    // The last operation named applies first: scale, then rotate, then translate.
    g.SetMatrix({});
    g.Translate(10, 20);
    g.Rotate(90);
    g.Scale(2, 3);
    g.GetMatrix().Apply(1, 1, x, y);
    EXPECT_NEAR(x, 13, 1e-4);
    EXPECT_NEAR(y, 18, 1e-4);

    // Product order: a * b applies b first.
    const Matrix2D shift{1, 0, 0, 1, 5, 0};
    const Matrix2D twice{2, 0, 0, 2, 0, 0};
    (shift * twice).Apply(1, 1, x, y);
    EXPECT_FLOAT_EQ(x, 7);
    EXPECT_FLOAT_EQ(y, 2);

    // The stack restores; an unmatched pop leaves the matrix alone.
    g.PushMatrix();
    g.Rotate(33);
    g.PopMatrix();
    g.PopMatrix();
    g.GetMatrix().Apply(1, 1, x, y);
    EXPECT_NEAR(x, 13, 1e-4);
    EXPECT_NEAR(y, 18, 1e-4);
}

TEST_F(RecordingTest, ImagePlacementFollowsHandleRotationAndScale) {
    auto image = SolidImage(4, 2);
    image->SetHandle(1, 1);

    g.DrawImage(image, 100, 50);
    ExpectPoints(Last().points, {99, 49, 103, 49, 103, 51, 99, 51});
    EXPECT_EQ(Last().kind, DrawCommand::ImageDraw);
    EXPECT_EQ(Last().image, u"solid");

    // A negative scale mirrors about the handle, which stays at the drawing position.
    g.DrawImageTransformed(image, 100, 50, 0, -1, 2);
    ExpectPoints(Last().points, {101, 48, 97, 48, 97, 52, 101, 52});

    // +90 degrees: the frame's x axis points up the screen.
    image->SetHandle(0, 0);
    g.DrawImageTransformed(image, 10, 20, 90, 1, 1);
    ExpectPoints(Last().points, {10, 20, 10, 16, 12, 16, 12, 20});

    // The device matrix applies on top of the placement.
    g.Translate(50, 0);
    g.Scale(2, 2);
    g.DrawImage(image, 1, 1);
    ExpectPoints(Last().points, {52, 2, 60, 2, 60, 6, 52, 6});

    // A centred handle falls on whole pixels: 5 x 3 gives (2, 1).
    g.SetMatrix({});
    auto odd = SolidImage(5, 3);
    odd->MidHandle();
    g.DrawImage(odd, 10, 10);
    ExpectPoints(Last().points, {8, 9, 13, 9, 13, 12, 8, 12});
}

TEST_F(RecordingTest, ImageRectTakesTheHandleFromTheRectangleCorner) {
    auto image = SolidImage(20, 10, 2); // two frames of 10 x 10
    image->SetHandle(2, 3);
    g.DrawImageRect(image, 100, 50, 4, 5, 3, 2, 0, 1, 1, 1);
    ExpectPoints(Last().points, {98, 47, 101, 47, 101, 49, 98, 49});
    EXPECT_EQ(Last().frame, 1);

    // A source rectangle reaching past the frame keeps only its part inside the frame, in place,
    // so the neighbouring frame never shows.
    image->SetHandle(0, 0);
    g.DrawImageRect(image, 0, 0, 8, -2, 5, 6);
    ExpectPoints(Last().points, {0, 2, 2, 2, 2, 6, 0, 6});

    const auto before = g.commands.size();
    g.DrawImageRect(image, 0, 0, 10, 0, 4, 4); // entirely outside the frame
    g.DrawImageRect(image, 0, 0, 0, 0, 0, 4);  // empty
    EXPECT_EQ(g.commands.size(), before);
}

TEST_F(RecordingTest, MissingEmptyOrOutOfRangeImagesDrawNothing) {
    auto image = SolidImage(8, 8, 2);
    g.DrawImage(nullptr, 0, 0);
    g.DrawImage(std::make_shared<Image>(), 0, 0);
    g.DrawImage(image, 0, 0, 2);
    g.DrawImageTransformed(image, 0, 0, 0, 1, 1, -1);
    g.DrawImageRect(nullptr, 0, 0, 0, 0, 4, 4);
    EXPECT_TRUE(g.commands.empty());
    g.DrawImage(image, 0, 0, 1);
    EXPECT_EQ(g.commands.size(), 1u);
}

TEST_F(RecordingTest, StateIsClampedAndRecordedWithEachDraw) {
    g.SetColor(300, -5, 128);
    g.SetAlpha(2);
    EXPECT_EQ(g.GetColor(), (std::array<float, 3>{255, 0, 128}));
    EXPECT_FLOAT_EQ(g.GetAlpha(), 1);
    g.SetAlpha(-1);
    EXPECT_FLOAT_EQ(g.GetAlpha(), 0);
    g.SetColor(std::numeric_limits<float>::quiet_NaN(), 10, 10);
    EXPECT_FLOAT_EQ(g.GetColor()[0], 0);

    g.SetColor(10, 20, 30);
    g.SetAlpha(0.5f);
    g.SetBlend(1);
    g.SetScissor(5, 6, 7, 8);
    g.DrawRect(1, 2, 3, 4);
    EXPECT_EQ(Last().color, (std::array<float, 3>{10, 20, 30}));
    EXPECT_FLOAT_EQ(Last().alpha, 0.5f);
    EXPECT_EQ(Last().blend, 1);
    EXPECT_FLOAT_EQ(Last().scissor.w, 7);
    ExpectPoints(Last().points, {1, 2, 4, 2, 4, 6, 1, 6});

    // A new frame resets everything.
    g.BeginFrame(W, H);
    EXPECT_EQ(g.GetColor(), (std::array<float, 3>{255, 255, 255}));
    EXPECT_FLOAT_EQ(g.GetAlpha(), 1);
    EXPECT_EQ(g.GetBlend(), 0);
    EXPECT_FLOAT_EQ(g.GetScissor().w, W);
    EXPECT_TRUE(g.commands.empty());
}

TEST_F(RecordingTest, ScissorIsClampedToTheWindow) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    // Asked x, y, w, h, then the rectangle kept inside the 200 x 100 window.
    const std::array<float, 4> cases[][2] = {{{-10, -20, 50, 60}, {0, 0, 40, 40}},
                                             {{190, 90, 50, 50}, {190, 90, 10, 10}},
                                             {{500, 10, 10, -5}, {W, 10, 0, 0}},
                                             {{nan, nan, nan, nan}, {0, 0, 0, 0}}};
    for (const auto& [asked, kept] : cases) {
        g.SetScissor(asked[0], asked[1], asked[2], asked[3]);
        const ScissorRect s = g.GetScissor();
        EXPECT_EQ((std::array<float, 4>{s.x, s.y, s.w, s.h}), kept) << asked[0];
    }
}

TEST_F(RecordingTest, ClearFillsOnlyTheScissorAndIgnoresTintAndMatrix) {
    g.Cls(0, 0, 1);
    g.SetScissor(20, 10, 30, 40);
    g.SetColor(0, 0, 0);
    g.SetAlpha(0.1f);
    g.Translate(100, 100);
    g.Cls(2, 0, 0); // above 1: full intensity, never wrapped
    EXPECT_EQ(Last().kind, DrawCommand::Clear);
    EXPECT_FLOAT_EQ(Last().color[0], 255);
    ExpectPoints(Last().points, {20, 10, 50, 10, 50, 50, 20, 50});

    EXPECT_EQ(PixelAt(g, 20, 10), (std::array<int, 4>{0, 0, 255, 255})); // blue, green, red
    EXPECT_EQ(PixelAt(g, 49, 49), (std::array<int, 4>{0, 0, 255, 255}));
    EXPECT_EQ(PixelAt(g, 50, 49), (std::array<int, 4>{255, 0, 0, 255})); // outside: first clear
    EXPECT_EQ(PixelAt(g, 19, 10), (std::array<int, 4>{255, 0, 0, 255}));
    EXPECT_EQ(PixelAt(g, 20, 9), (std::array<int, 4>{255, 0, 0, 255}));
}

TEST_F(RecordingTest, ReadPixelsComposesRectanglesBottomUpInBlueGreenRedOrder) {
    g.Cls(0, 0, 1);
    g.SetColor(255, 0, 0);
    g.DrawRect(0, 0, 10, 5); // top-left corner of the window
    g.SetAlpha(0.5f);
    g.DrawRect(100, 0, 10, 10);
    g.SetAlpha(1);
    g.SetBlend(1);
    g.SetColor(0, 100, 0);
    g.DrawRect(120, 0, 10, 10);
    g.SetBlend(0);
    g.Rotate(10);
    g.DrawRect(150, 0, 10, 10); // turned: not rasterised

    // Rows come bottom first: the last row read is the top of the window.
    auto column = g.ReadPixels(2, H - 7, 1, 7);
    ASSERT_EQ(column.size(), 28u);
    EXPECT_EQ(column[0 * 4 + 0], 255); // row H-7 from the bottom = y 6: blue background
    EXPECT_EQ(column[6 * 4 + 2], 255); // y 0: red
    EXPECT_EQ(column[6 * 4 + 0], 0);

    const auto half = PixelAt(g, 105, 5); // half red over blue, premultiplied
    EXPECT_NEAR(half[2], 128, 1);
    EXPECT_NEAR(half[0], 128, 1);
    EXPECT_EQ(half[3], 255);
    EXPECT_EQ(PixelAt(g, 125, 5), (std::array<int, 4>{255, 100, 0, 255})); // added

    // Outside the window: zeros.
    auto outside = g.ReadPixels(W - 1, 0, 2, 1);
    EXPECT_EQ(outside[0], 255);
    EXPECT_EQ(outside[4], 0);
    EXPECT_EQ(outside[7], 0);
    EXPECT_TRUE(g.ReadPixels(0, 0, -3, 2).empty());
}

TEST_F(RecordingTest, PrimitivesRecordTheirTransformedPoints) {
    g.Translate(10, 10);
    g.DrawLine(0, 0, 5, 0);
    EXPECT_EQ(Last().kind, DrawCommand::Line);
    ExpectPoints(Last().points, {10, 10, 15, 10});
    g.DrawPoint(1, 2);
    ExpectPoints(Last().points, {11, 12});
    g.DrawPoly({0, 0, 4, 0, 4, 4, 0, 4});
    ExpectPoints(Last().points, {10, 10, 14, 10, 14, 14, 10, 14});
    const auto count = g.commands.size();
    g.DrawPoly({0, 0, 4, 0}); // fewer than three vertices
    g.DrawOval(0, 0, 0, 10);  // no area
    EXPECT_EQ(g.commands.size(), count);

    g.DrawEllipse(0, 0, 20, 10);
    ASSERT_EQ(Last().kind, DrawCommand::Oval);
    ASSERT_GE(Last().points.size(), 24u);
    for (std::size_t i = 0; i + 1 < Last().points.size(); i += 2) {
        const float dx = (Last().points[i] - 10) / 20;
        const float dy = (Last().points[i + 1] - 10) / 10;
        EXPECT_NEAR(dx * dx + dy * dy, 1, 1e-3);
    }
}

namespace {

// Counts what reaches the backend, to check where batches are cut.
class BatchProbe : public GraphicsDevice {
  public:
    struct Submission {
        std::size_t vertices;
        const Surface* texture;
        int blend;
        float scissorW;
    };
    std::vector<Submission> submitted;
    std::vector<std::string> order;
    std::vector<Vertex> lastVertices;

    std::vector<std::uint8_t> ReadPixels(int, int, int, int) override {
        Flush();
        order.push_back("read");
        return {};
    }

  protected:
    void SubmitTriangles(const std::shared_ptr<Surface>& texture, const std::vector<Vertex>& v,
                         const DrawCommand& info) override {
        submitted.push_back({v.size(), texture.get(), info.blend, info.scissor.w});
        order.push_back("draw");
        lastVertices = v;
    }
    void ClearRect(const ScissorRect&, float, float, float, float) override {
        order.push_back("clear");
    }
};

} // namespace

TEST(BatchingTest, DrawsMergeUntilTextureBlendScissorClearOrReadChanges) {
    BatchProbe g;
    g.BeginFrame(W, H);
    auto a = SolidImage(4, 4, 1, u"a");
    auto b = SolidImage(4, 4, 1, u"b");
    auto aAgain = GrabImage(a, 0, 0, 2, 2); // same pixels: same texture

    g.DrawImage(a, 0, 0);
    g.DrawImage(aAgain, 10, 0);
    EXPECT_TRUE(g.submitted.empty());
    g.DrawImage(b, 0, 0); // texture change
    ASSERT_EQ(g.submitted.size(), 1u);
    EXPECT_EQ(g.submitted[0].vertices, 12u);
    EXPECT_EQ(g.submitted[0].texture, a->GetSurface().get());

    g.SetBlend(0); // no change: no cut
    EXPECT_EQ(g.submitted.size(), 1u);
    g.SetBlend(1);
    EXPECT_EQ(g.submitted.size(), 2u);
    g.DrawRect(0, 0, 1, 1);
    g.SetScissor(0, 0, 10, 10);
    ASSERT_EQ(g.submitted.size(), 3u);
    EXPECT_EQ(g.submitted[2].blend, 1);
    EXPECT_FLOAT_EQ(g.submitted[2].scissorW, W); // the scissor of the draw, not the new one
    EXPECT_EQ(g.submitted[2].texture, nullptr);

    g.DrawRect(0, 0, 1, 1);
    g.Cls(0, 0, 0);
    g.DrawRect(0, 0, 1, 1);
    g.ReadPixels(0, 0, 1, 1);
    g.DrawRect(0, 0, 1, 1);
    g.EndFrame();
    EXPECT_EQ(g.order, (std::vector<std::string>{"draw", "draw", "draw", "draw", "clear", "draw",
                                                 "read", "draw"}));
}

TEST(BatchingTest, VerticesCarryPremultipliedTintAndSurfaceCoordinates) {
    BatchProbe g;
    g.BeginFrame(W, H);
    auto image = SolidImage(8, 4, 2);
    g.SetColor(200, 100, 0);
    g.SetAlpha(0.5f);
    g.DrawImage(image, 0, 0, 1);
    g.Flush();
    ASSERT_EQ(g.lastVertices.size(), 6u);
    const auto& first = g.lastVertices[0];
    EXPECT_EQ(first.r, 100);
    EXPECT_EQ(first.g, 50);
    EXPECT_EQ(first.b, 0);
    EXPECT_EQ(first.a, 128);
    // Frame 1 starts at x 4 of the surface.
    EXPECT_FLOAT_EQ(first.u, 4);
    EXPECT_FLOAT_EQ(g.lastVertices[2].u, 8);
    EXPECT_FLOAT_EQ(g.lastVertices[2].v, 4);
}

// Records are reused from frame to frame for their storage: a record must never keep a field
// of the draw it held before (a name, a text, points, a frame).
TEST(RecordingReuseTest, AFrameRecordsTheSameAsOnAFreshDevice) {
    auto strip = SolidImage(8, 4, 2, u"strip");
    const auto secondFrame = [&](GraphicsDevice& g) {
        g.BeginFrame(W, H);
        g.DrawRect(1, 2, 3, 4);
        g.DrawText(u"ok", 5, 5);
        g.DrawImage(strip, 3, 3);
        g.Cls(0.5f, 0, 0);
        g.DrawPoint(7, 7);
        g.EndFrame();
    };
    RecordingGraphics used;
    used.BeginFrame(W, H);
    used.DrawImage(strip, 10, 10, 1);
    used.DrawText(u"a longer text than the next", 0, 0);
    used.DrawOval(0, 0, 50, 50);
    used.SetAlpha(0.5f);
    used.DrawImage(strip, 0, 0, 1);
    used.DrawLine(0, 0, 9, 9);
    used.EndFrame();
    used.SetAlpha(0.25f); // the new frame starts from the start state
    secondFrame(used);

    RecordingGraphics fresh;
    secondFrame(fresh);
    ASSERT_EQ(used.commands.size(), fresh.commands.size());
    for (std::size_t i = 0; i < fresh.commands.size(); ++i) {
        const DrawCommand& a = used.commands[i];
        const DrawCommand& b = fresh.commands[i];
        EXPECT_EQ(a.kind, b.kind) << i;
        EXPECT_EQ(a.image, b.image) << i;
        EXPECT_EQ(a.frame, b.frame) << i;
        EXPECT_EQ(a.points, b.points) << i;
        EXPECT_EQ(a.color, b.color) << i;
        EXPECT_EQ(a.alpha, b.alpha) << i;
        EXPECT_EQ(a.text, b.text) << i;
    }
}

// The vertex colour is worked out when the colour or alpha changes, not at each draw: it must
// follow every change, the start of a frame included.
TEST(BatchingTest, VerticesCarryThePremultipliedTintOfTheirDraw) {
    BatchProbe g;
    g.BeginFrame(W, H);
    g.SetColor(200, 100, 300);
    g.SetAlpha(0.5f);
    g.DrawRect(0, 0, 1, 1);
    g.Flush();
    ASSERT_FALSE(g.lastVertices.empty());
    const auto& v = g.lastVertices[0];
    EXPECT_EQ((std::array<int, 4>{v.r, v.g, v.b, v.a}), (std::array<int, 4>{100, 50, 128, 128}));
    g.SetColor(10, 20, 30);
    g.DrawRect(0, 0, 1, 1);
    g.Flush();
    EXPECT_EQ(g.lastVertices[0].r, 5);
    g.BeginFrame(W, H);
    g.DrawRect(0, 0, 1, 1);
    g.Flush();
    const auto& w = g.lastVertices[0];
    EXPECT_EQ((std::array<int, 4>{w.r, w.g, w.b, w.a}), (std::array<int, 4>{255, 255, 255, 255}));
}
