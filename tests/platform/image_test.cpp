// Image loading: frames, grids, sub-images, premultiplication, the decoded-pixel cache and the
// failure cases (missing, corrupt, absurdly large files).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "framework/mutator.h"
#include "platform/case_folder.h"
#include "platform/diag.h"
#include "platform/image.h"

// Under AddressSanitizer the allocations can be watched (the test build uses it in CI).
// GCC ships the sanitizer runtime without its interface headers: the one call is declared here.
#ifdef __SANITIZE_ADDRESS__
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*)(const volatile void*, std::size_t),
                                                         void (*)(const volatile void*));
#define MQ_WATCH_ALLOCATIONS 1
#endif

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

using namespace platform;

namespace {

class ImageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = CaseFolder("image_test");
        ResetWarnings();
    }
    void TearDown() override { ResetWarnings(); }

    // Writes a PNG whose pixel (x, y) is pixel(x, y), straight RGBA; returns its absolute path.
    template <typename F> String WritePng(const std::string& name, int w, int h, F pixel) {
        std::vector<std::uint8_t> rgba(static_cast<std::size_t>(w) * h * 4);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const std::array<std::uint8_t, 4> c = pixel(x, y);
                std::copy(c.begin(), c.end(), &rgba[(static_cast<std::size_t>(y) * w + x) * 4]);
            }
        const auto path = folder / name;
        EXPECT_TRUE(stbi_write_png(path.c_str(), w, h, 4, rgba.data(), w * 4));
        return FromUtf8(path.string());
    }
    String Opaque(const std::string& name, int w, int h) {
        return WritePng(name, w, h, [](int, int) {
            return std::array<std::uint8_t, 4>{10, 20, 30, 255};
        });
    }
    std::filesystem::path folder;
};

int CountLines(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

} // namespace

TEST_F(ImageTest, StripIsCutSideBySideWithIntegerFrameWidth) {
    const String path = Opaque("strip.png", 13, 4);
    auto image = LoadImage(path, 3);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->Frames(), 3);
    EXPECT_EQ(image->Width(), 4);
    EXPECT_EQ(image->Height(), 4);
    EXPECT_EQ(image->Frame(2).x, 8);
    EXPECT_EQ(image->Frame(2).w, 4);
    EXPECT_EQ(image->GetSurface()->width, 13);
    EXPECT_EQ(image->Name(), path);
    EXPECT_FLOAT_EQ(image->HandleX(), 0);

    auto centred = LoadImage(path, 2, ImageMidHandle);
    ASSERT_TRUE(centred);
    EXPECT_TRUE(centred->HandleCentred());
    EXPECT_FLOAT_EQ(centred->HandleX(), 3); // frame 6 wide
    EXPECT_FLOAT_EQ(centred->HandleY(), 2);

    // More frames than columns leaves no frame: a failed load.
    EXPECT_FALSE(LoadImage(path, 14));
    // A frame count below one means one frame.
    ASSERT_TRUE(LoadImage(path, 0));
    EXPECT_EQ(LoadImage(path, 0)->Frames(), 1);
}

TEST_F(ImageTest, GridIsRowMajorAndKeepsOnlyTheFramesThatFit) {
    const String path = Opaque("grid.png", 10, 7);
    auto image = LoadImageFrames(path, 4, 3, 5);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->Frames(), 4); // 2 columns x 2 rows
    EXPECT_EQ(image->Width(), 4);
    EXPECT_EQ(image->Height(), 3);
    EXPECT_EQ(image->Frame(1).x, 4);
    EXPECT_EQ(image->Frame(1).y, 0);
    EXPECT_EQ(image->Frame(2).x, 0);
    EXPECT_EQ(image->Frame(2).y, 3);
    EXPECT_EQ(image->Frame(3).x, 4);
    EXPECT_EQ(image->Frame(3).y, 3);

    EXPECT_EQ(LoadImageFrames(path, 4, 3, 2)->Frames(), 2);
    EXPECT_FALSE(LoadImageFrames(path, 11, 3, 1));
    EXPECT_FALSE(LoadImageFrames(path, 0, 3, 1));
    EXPECT_FALSE(LoadImageFrames(path, 4, 3, 0));
}

TEST_F(ImageTest, PixelsArePremultipliedAndBmpGetsFullAlpha) {
    const String path = WritePng("alpha.png", 2, 1, [](int x, int) {
        return x == 0 ? std::array<std::uint8_t, 4>{200, 100, 50, 128}
                      : std::array<std::uint8_t, 4>{255, 255, 255, 0};
    });
    auto image = LoadImage(path);
    ASSERT_TRUE(image && EnsurePixels(*image->GetSurface()));
    const auto& px = image->GetSurface()->rgba;
    EXPECT_EQ(std::vector<int>(px.begin(), px.end()),
              (std::vector<int>{100, 50, 25, 128, 0, 0, 0, 0}));

    const std::uint8_t rgb[6] = {1, 2, 3, 250, 251, 252};
    const auto bmp = folder / "capture.bmp";
    ASSERT_TRUE(stbi_write_bmp(bmp.c_str(), 2, 1, 3, rgb));
    auto capture = LoadImage(FromUtf8(bmp.string()));
    ASSERT_TRUE(capture && EnsurePixels(*capture->GetSurface()));
    const auto& bp = capture->GetSurface()->rgba;
    EXPECT_EQ(std::vector<int>(bp.begin(), bp.end()),
              (std::vector<int>{1, 2, 3, 255, 250, 251, 252, 255}));

    // Images made in code are premultiplied the same way.
    auto made = CreateImage(1, 1, {200, 100, 50, 128});
    ASSERT_TRUE(made);
    EXPECT_EQ(made->GetSurface()->rgba[0], 100);
    EXPECT_FALSE(CreateImage(2, 2, {1, 2, 3, 4})); // too few bytes
    EXPECT_FALSE(CreateImage(0, 2, {}));
}

TEST_F(ImageTest, EachLoadIsANewObjectWithItsOwnHandleSharingDecodedPixels) {
    const String path = Opaque("shared.png", 8, 8);
    auto first = LoadImage(path);
    auto second = LoadImage(path, 2);
    ASSERT_TRUE(first && second);
    EXPECT_NE(first, second);
    EXPECT_EQ(first->GetSurface(), second->GetSurface());
    first->SetHandle(5, 6);
    EXPECT_FLOAT_EQ(second->HandleX(), 0);
    EXPECT_EQ(second->Frames(), 2);
    EXPECT_EQ(first->Frames(), 1);
}

TEST_F(ImageTest, AFileRewrittenOnDiskIsDecodedAgain) {
    const std::string name = "rewritten.png";
    const String path = Opaque(name, 4, 4);
    auto old = LoadImage(path);
    ASSERT_TRUE(old);
    WritePng(name, 6, 2, [](int, int) { return std::array<std::uint8_t, 4>{9, 9, 9, 255}; });
    auto fresh = LoadImage(path);
    ASSERT_TRUE(fresh && EnsurePixels(*fresh->GetSurface()));
    EXPECT_EQ(fresh->Width(), 6);
    EXPECT_EQ(fresh->GetSurface()->rgba[0], 9);
    EXPECT_EQ(old->Width(), 4); // the old object is untouched
}

// A picture from a file holds its pixels only while something needs them; the file gives them
// again. One made in code has no file and keeps them.
TEST_F(ImageTest, PixelsFromAFileAreDecodedOnDemandAndCanBeLetGo) {
    const std::string name = "on_demand.png";
    const String path = WritePng(name, 3, 2, [](int x, int) {
        return std::array<std::uint8_t, 4>{static_cast<std::uint8_t>(x * 100), 0, 0, 255};
    });
    auto image = LoadImage(path, 3);
    ASSERT_TRUE(image);
    Surface& surface = *image->GetSurface();
    // The size and frames come from the header alone.
    EXPECT_EQ(image->Width(), 1);
    EXPECT_EQ(surface.height, 2);
    EXPECT_TRUE(surface.rgba.empty());
    ASSERT_TRUE(EnsurePixels(surface));
    ASSERT_EQ(surface.rgba.size(), 3u * 2 * 4);
    EXPECT_EQ(surface.rgba[8], 200);
    ReleasePixels(surface);
    EXPECT_TRUE(surface.rgba.empty());
    ASSERT_TRUE(EnsurePixels(surface));
    EXPECT_EQ(surface.rgba[4], 100);

    auto made = CreateImage(1, 1, {1, 2, 3, 255});
    ReleasePixels(*made->GetSurface());
    EXPECT_EQ(made->GetSurface()->rgba.size(), 4u);

    // Rewritten at another size after the load: the old frames no longer fit it, so it gives
    // no pixels (one line) rather than pixels cut wrongly.
    ReleasePixels(surface);
    WritePng(name, 5, 5, [](int, int) { return std::array<std::uint8_t, 4>{1, 1, 1, 255}; });
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(EnsurePixels(surface));
    EXPECT_FALSE(EnsurePixels(surface));
    EXPECT_EQ(CountLines(::testing::internal::GetCapturedStderr()), 1);
    EXPECT_TRUE(surface.rgba.empty());
}

TEST_F(ImageTest, MissingOrCorruptFilesGiveNullAndOneLineEach) {
    const String missing = FromUtf8((folder / "absent.png").string());
    const auto corruptPath = folder / "corrupt.png";
    std::ofstream(corruptPath, std::ios::binary) << "\x89PNG\r\n\x1a\nnot really a picture";
    const String corrupt = FromUtf8(corruptPath.string());
    const auto emptyPath = folder / "empty.png";
    std::ofstream(emptyPath).close();

    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(LoadImage(missing));
    EXPECT_FALSE(LoadImage(missing, 3));
    EXPECT_FALSE(LoadImageFrames(missing, 4, 4, 2));
    EXPECT_FALSE(LoadImage(corrupt));
    EXPECT_FALSE(LoadImage(corrupt));
    EXPECT_FALSE(LoadImage(FromUtf8(emptyPath.string())));
    EXPECT_FALSE(LoadImage(FromUtf8(folder.string()))); // a folder, not a file
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(CountLines(log), 4) << log;
    EXPECT_NE(log.find("absent.png"), std::string::npos);
    EXPECT_NE(log.find("corrupt.png"), std::string::npos);
}

TEST_F(ImageTest, AbsurdlyLargeImagesAreRefusedFromTheirHeader) {
    const String tooWide = Opaque("too_wide.png", MaxImageSide + 1, 1);
    const String tooTall = Opaque("too_tall.png", 1, MaxImageSide + 1);
    const String largest = Opaque("largest.png", MaxImageSide, 1);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(LoadImage(tooWide));
    EXPECT_FALSE(LoadImage(tooTall));
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(CountLines(log), 2);
    EXPECT_NE(log.find("trop grande"), std::string::npos) << log;
    EXPECT_TRUE(LoadImage(largest));

    // A header claiming a huge picture with hardly any data behind it: refused as too large,
    // not reported as a decoding failure after a giant allocation.
    std::string png = "\x89PNG\r\n\x1a\n";
    // 9000 x 9000, 8-bit RGBA, then a bare CRC and nothing else.
    const unsigned char ihdr[] = {0, 0,    0,    13, 'I', 'H', 'D', 'R', 0, 0, 0x23, 0x28, 0,
                                  0, 0x23, 0x28, 8,  6,   0,   0,   0,   0, 0, 0,    0};
    png.append(reinterpret_cast<const char*>(ihdr), sizeof ihdr);
    std::ofstream(folder / "huge.png", std::ios::binary) << png;
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(LoadImage(FromUtf8((folder / "huge.png").string())));
    const std::string hugeLog = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(hugeLog.find("trop grande"), std::string::npos) << hugeLog;
}

TEST_F(ImageTest, GrabbedImagesShareThePixelsAndRefuseRectanglesOutsideTheFrame) {
    auto page = LoadImage(Opaque("page.png", 32, 16), 2); // frames of 16 x 16
    ASSERT_TRUE(page);
    page->SetHandle(3, 3);
    auto glyph = GrabImage(page, 4, 2, 8, 10);
    ASSERT_TRUE(glyph);
    EXPECT_EQ(glyph->GetSurface(), page->GetSurface());
    EXPECT_EQ(glyph->Width(), 8);
    EXPECT_EQ(glyph->Height(), 10);
    EXPECT_EQ(glyph->Frame(0).x, 4);
    EXPECT_EQ(glyph->Frame(0).y, 2);
    EXPECT_FLOAT_EQ(glyph->HandleX(), 0);

    auto pair = GrabImage(page, 0, 0, 16, 16, 2, ImageMidHandle);
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->Frames(), 2);
    EXPECT_EQ(pair->Frame(1).x, 8);
    EXPECT_FLOAT_EQ(pair->HandleX(), 4);

    // Only the parent's single (first) frame counts, not the whole surface.
    EXPECT_FALSE(GrabImage(page, 10, 0, 8, 8));
    EXPECT_FALSE(GrabImage(page, -1, 0, 4, 4));
    EXPECT_FALSE(GrabImage(page, 0, 10, 4, 7));
    EXPECT_FALSE(GrabImage(page, 0, 0, 0, 4));
    EXPECT_FALSE(GrabImage(page, 2147483640, 0, 100, 4));
    EXPECT_FALSE(GrabImage(nullptr, 0, 0, 1, 1));
    EXPECT_FALSE(GrabImage(std::make_shared<Image>(), 0, 0, 1, 1));
}

namespace {

void Append(void* context, void* data, int size) {
    auto& bytes = *static_cast<std::vector<std::uint8_t>*>(context);
    bytes.insert(bytes.end(), static_cast<std::uint8_t*>(data),
                 static_cast<std::uint8_t*>(data) + size);
}

} // namespace

// Only PNG and BMP reach a decoder, whatever the file is called; random damage to either from a
// fixed seed gives a whole picture or none. A fixed number of runs: the same files on any
// machine, about a second under the sanitizers.
TEST_F(ImageTest, OnlyPngAndBmpAreDecodedAndDamageNeverHurts) {
    std::vector<std::uint8_t> rgba(12 * 9 * 4);
    for (std::size_t i = 0; i < rgba.size(); ++i)
        rgba[i] = static_cast<std::uint8_t>(i * 29);
    std::vector<std::uint8_t> png, bmp, jpg, hdr;
    stbi_write_png_to_func(Append, &png, 12, 9, 4, rgba.data(), 12 * 4);
    stbi_write_bmp_to_func(Append, &bmp, 12, 9, 3, rgba.data());
    stbi_write_jpg_to_func(Append, &jpg, 12, 9, 4, rgba.data(), 90);
    const std::vector<float> light(12 * 9 * 3, 0.5f);
    stbi_write_hdr_to_func(Append, &hdr, 12, 9, 3, light.data());
    int w = 0, h = 0;
    PixelBytes out;
    ASSERT_TRUE(DecodePicture(png, w, h, out));
    ASSERT_TRUE(DecodePicture(bmp, w, h, out));
    // Once a JPEG decoder wrote past its tables on these nine bytes.
    std::vector<std::uint8_t> tables = {0xff, 0xd8, 0xff, 0xc4, 0x00, 0x19, 0x00, 0x9e, 0xb7};
    for (const std::vector<std::uint8_t>* other : {&jpg, &hdr, &tables}) {
        EXPECT_FALSE(DecodePicture(*other, w, h, out));
        std::ofstream(folder / "capture.bmp", std::ios::binary)
            .write(reinterpret_cast<const char*>(other->data()),
                   static_cast<std::streamsize>(other->size()));
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(LoadImage(FromUtf8((folder / "capture.bmp").string())));
        ::testing::internal::GetCapturedStderr();
    }

    // The pictures made here, and the real ones kept for the libFuzzer target.
    std::vector<std::vector<std::uint8_t>> seeds = {png, bmp};
    for (auto& file : CorpusFiles("picture"))
        seeds.push_back(std::move(file));
    ASSERT_GE(seeds.size(), 5u);
    std::mt19937 random(20261206);
    const std::uint8_t values[] = {0, 1, 0x7f, 0x80, 0xff, 8, 32};
    const int runs = 40000;
    int decoded = 0;
    for (int run = 0; run < runs; ++run) {
        std::vector<std::uint8_t> bytes = seeds[static_cast<std::size_t>(run) % seeds.size()];
        for (int steps = 1 + static_cast<int>(random() % 4); steps > 0; --steps) {
            const std::size_t at = random() % bytes.size();
            switch (random() % 3) {
            case 0:
                bytes[at] = values[random() % std::size(values)];
                break;
            case 1:
                bytes[at] ^= static_cast<std::uint8_t>(1u << (random() % 8));
                break;
            default:
                bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.end());
                bytes.resize(std::max<std::size_t>(bytes.size(), 1));
                break;
            }
        }
        if (DecodePicture(bytes, w, h, out)) {
            ++decoded;
            ASSERT_TRUE(w > 0 && h > 0 && w <= MaxImageSide && h <= MaxImageSide);
            ASSERT_EQ(out.size(), static_cast<std::size_t>(w) * h * 4);
        }
    }
    // The damage leaves many pictures whole: the runs reach the decoders' pixel code.
    EXPECT_GT(decoded, runs / 20) << decoded;
}

// A BMP header that declares more pixel rows than the file holds is refused: 118 bytes that
// declare 8192 x 8192 would otherwise become a picture of 256 MiB. A whole BMP, and one with a
// few bytes to spare, still decode.
TEST_F(ImageTest, BmpWhoseDeclaredPixelsAreNotInTheFileIsRefused) {
    const auto bmp = [](std::int32_t w, std::int32_t h, std::size_t pixelBytes) {
        std::vector<std::uint8_t> b(54 + pixelBytes, 0x80);
        const auto put = [&](std::size_t at, std::uint32_t v, int n) {
            for (int i = 0; i < n; ++i)
                b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
        };
        b[0] = 'B';
        b[1] = 'M';
        put(2, static_cast<std::uint32_t>(b.size()), 4);
        put(6, 0, 4);
        put(10, 54, 4);
        put(14, 40, 4);
        put(18, static_cast<std::uint32_t>(w), 4);
        put(22, static_cast<std::uint32_t>(h), 4);
        put(26, 1, 2);
        put(28, 24, 2);
        put(30, 0, 4);
        put(34, static_cast<std::uint32_t>(pixelBytes), 4);
        return b;
    };
    int w = 0, h = 0;
    PixelBytes rgba;
    EXPECT_FALSE(DecodePicture(bmp(8192, 8192, 64), w, h, rgba));
    EXPECT_TRUE(rgba.empty());
    // Rows of 3 pixels take 12 bytes with their padding: 2 rows need 24.
    EXPECT_FALSE(DecodePicture(bmp(3, 2, 23), w, h, rgba));
    EXPECT_FALSE(DecodePicture(bmp(3, -2, 23), w, h, rgba));
    EXPECT_TRUE(DecodePicture(bmp(3, 2, 24), w, h, rgba));
    EXPECT_EQ(rgba.size(), 3u * 2 * 4);
    EXPECT_TRUE(DecodePicture(bmp(3, 2, 30), w, h, rgba));
}

namespace {

std::size_t largestAllocation = 0;

} // namespace

// A PNG of 310 bytes (kept in the fuzz corpus, where the libFuzzer target found it) whose
// compressed-pixel chunk declares 1.5 GB: refused before the decoder sizes a buffer for it. The
// same cut shorter still declares more than the file holds; a PNG whose chunks all fit decodes.
TEST_F(ImageTest, PngChunkLongerThanTheFileIsRefusedBeforeAnyBuffer) {
    const auto found = CorpusFiles("picture");
    const auto declared = std::find_if(found.begin(), found.end(), [](const auto& bytes) {
        return bytes.size() == 310 && bytes[1] == 'P';
    });
    ASSERT_NE(declared, found.end());
#ifdef MQ_WATCH_ALLOCATIONS
    ASSERT_NE(__sanitizer_install_malloc_and_free_hooks(
                  [](const volatile void*, std::size_t size) {
                      largestAllocation = std::max(largestAllocation, size);
                  },
                  [](const volatile void*) {}),
              0);
#endif
    int w = 0, h = 0;
    PixelBytes rgba;
    largestAllocation = 0;
    EXPECT_FALSE(DecodePicture(*declared, w, h, rgba));
#ifdef MQ_WATCH_ALLOCATIONS
    EXPECT_LT(largestAllocation, 1u << 20);
#endif

    std::vector<std::uint8_t> png;
    const std::vector<std::uint8_t> pixels(5 * 4 * 4, 200);
    stbi_write_png_to_func(Append, &png, 5, 4, 4, pixels.data(), 5 * 4);
    ASSERT_TRUE(DecodePicture(png, w, h, rgba));
    // The compressed pixels' chunk, one byte longer than the file can hold.
    const auto idat = std::search(png.begin(), png.end(), std::begin("IDAT"), std::end("IDAT") - 1);
    ASSERT_NE(idat, png.end());
    std::vector<std::uint8_t> longer = png;
    longer[static_cast<std::size_t>(idat - png.begin()) - 1] += static_cast<std::uint8_t>(
        png.end() - idat); // the last byte of the big-endian length
    EXPECT_FALSE(DecodePicture(longer, w, h, rgba));
}
