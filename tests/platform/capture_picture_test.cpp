// Captures read back: large ones averaged down while their rows are read, and read again from
// their file once let go. (What is refused, and rows stored top first: the gallery's tests.)
#include <gtest/gtest.h>

#include "platform/capture_picture.h"
#include "platform/case_folder.h"
#include "platform/picture_bytes.h"

using namespace platform;

namespace {

class CapturePicture : public ::testing::Test {
  protected:
    void SetUp() override { folder = CaseFolder("capture_picture"); }
    String Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
        WriteBytes(folder / name, bytes);
        return FromUtf8((folder / name).string());
    }
    std::filesystem::path folder;
};

// The top half red, the bottom half blue, whichever way the rows are stored.
std::vector<std::uint8_t> Halves(int w, int h, bool topDown) {
    return MakeBmp(w, topDown ? -h : h, 24, {}, [h, topDown](int, int r) {
        const bool top = topDown ? r < h / 2 : r >= h / 2;
        return top ? 0xff0000u : 0x0000ffu;
    });
}

} // namespace

// A capture larger than what is asked for comes at that size, each pixel the average of the
// ones it stands for, and never takes more memory than the small picture: not the file's bytes,
// not the large picture.
TEST_F(CapturePicture, LargeCapturesAreAveragedDownAsTheirRowsAreRead) {
    // Columns alternately black and white, rows alternately 0 and 200 of green.
    const auto checks = MakeBmp(4, 2, 24, {}, [](int x, int r) {
        return (x % 2 ? 0xff00ffu : 0u) | (r % 2 ? 200u << 8 : 0u);
    });
    const auto small = LoadCapture(Write("checks.bmp", checks), 2, 1);
    ASSERT_TRUE(small);
    EXPECT_EQ(small->Width(), 2);
    const PixelBytes& mean = small->GetSurface()->rgba;
    EXPECT_EQ(std::vector<int>(mean.begin(), mean.end()),
              (std::vector<int>{128, 100, 128, 255, 128, 100, 128, 255}));

    const String large = Write("large.bmp", Halves(2400, 1500, true));
    ImagePtr image;
    const std::size_t reduced = 1152u * 720 * 4;
    const auto watch =
        AllocationWatch::During(reduced + 1, [&] { image = LoadCapture(large, 1200, 720); });
    ASSERT_TRUE(image);
    EXPECT_EQ(image->Width(), 1152);
    EXPECT_EQ(image->Height(), 720);
    EXPECT_EQ(watch.atLeastThreshold, 0) << "largest " << watch.largest;
    const PixelBytes& rgba = image->GetSurface()->rgba;
    EXPECT_EQ(rgba[0], 255);
    EXPECT_EQ(rgba[reduced - 2], 255);
}

// Once the graphics device holds a capture, its pixels may go: the file gives them again, at
// the same size, or none when it is gone.
TEST_F(CapturePicture, PixelsLetGoAreReadAgainFromTheFile) {
    const String path = Write("again.bmp", Halves(300, 200, false));
    const auto image = LoadCapture(path, 150, 150);
    ASSERT_TRUE(image);
    Surface& surface = *image->GetSurface();
    const std::vector<int> before(surface.rgba.begin(), surface.rgba.end());
    ReleasePixels(surface);
    EXPECT_TRUE(surface.rgba.empty());
    ASSERT_TRUE(EnsurePixels(surface));
    EXPECT_EQ(std::vector<int>(surface.rgba.begin(), surface.rgba.end()), before);
    ReleasePixels(surface);
    std::filesystem::remove(folder / "again.bmp");
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(EnsurePixels(surface));
    ::testing::internal::GetCapturedStderr();
}
