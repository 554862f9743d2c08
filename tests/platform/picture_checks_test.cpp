// What the picture decoder refuses from the header and the file's length before a decoder sees
// the bytes (hostile headers, palettes that do not cover their indices), top-down BMPs, and the
// decoded pixels kept without a copy.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/case_folder.h"
#include "platform/diag.h"
#include "platform/image.h"
#include "platform/picture_bytes.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

using namespace platform;

namespace {

void PutBig(std::vector<std::uint8_t>& bytes, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<std::uint8_t>(v >> shift));
}

// One chunk: length, type, data and a checksum the decoder does not check.
void Chunk(std::vector<std::uint8_t>& png, const char* type,
           const std::vector<std::uint8_t>& data) {
    PutBig(png, static_cast<std::uint32_t>(data.size()));
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    PutBig(png, 0);
}

// A PNG of w x h with the given depth and colour type, every stored byte of its rows `fill`
// (after each row's filter byte), and a palette of `paletteEntries` colours when > 0. With
// `compressed` set, that many bytes stand for the compressed rows instead of the real ones.
std::vector<std::uint8_t> MakePng(int w, int h, int depth, int colour, std::uint8_t fill,
                                  int paletteEntries = 0, int compressed = -1) {
    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', 13, 10, 26, 10};
    std::vector<std::uint8_t> ihdr;
    PutBig(ihdr, static_cast<std::uint32_t>(w));
    PutBig(ihdr, static_cast<std::uint32_t>(h));
    ihdr.insert(ihdr.end(),
                {static_cast<std::uint8_t>(depth), static_cast<std::uint8_t>(colour), 0, 0, 0});
    Chunk(png, "IHDR", ihdr);
    if (paletteEntries > 0) {
        std::vector<std::uint8_t> plte;
        for (int i = 0; i < paletteEntries; ++i)
            plte.insert(plte.end(), {static_cast<std::uint8_t>(i), 100, 200});
        Chunk(png, "PLTE", plte);
    }
    const int channels = colour == 2 ? 3 : colour == 4 ? 2 : colour == 6 ? 4 : 1;
    const std::size_t rowBytes = (static_cast<std::size_t>(w) * channels * depth + 7) / 8;
    if (compressed >= 0) {
        Chunk(png, "IDAT", std::vector<std::uint8_t>(static_cast<std::size_t>(compressed), 0));
    } else {
        std::vector<std::uint8_t> raw;
        for (int y = 0; y < h; ++y) {
            raw.push_back(0);
            raw.insert(raw.end(), rowBytes, fill);
        }
        int length = 0;
        unsigned char* z = stbi_zlib_compress(raw.data(), static_cast<int>(raw.size()), &length, 8);
        Chunk(png, "IDAT", std::vector<std::uint8_t>(z, z + length));
        STBIW_FREE(z);
    }
    Chunk(png, "IEND", {});
    return png;
}

void PutLittle(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t v) {
    for (std::size_t i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

} // namespace

// Small files that declare large pictures, each refused before any pixel buffer is asked for;
// a whole picture of every kind the game reads still decodes.
TEST(PictureChecks, HostileHeadersAreRefusedBeforeAnyLargeBuffer) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Case> cases;
    {
        // Its pixels would start right where the file ends, after a 40-byte header cut at 29.
        auto b = BmpHeader(4000, 4000, 24, 0);
        PutLittle(b, 10, 29);
        b.resize(29);
        cases.push_back({"a 40-byte header cut at 29 bytes", b});
    }
    {
        auto b = BmpHeader(4000, 4000, 24, 0, 0x80000000u);
        PutLittle(b, 10, 34);
        b.resize(34);
        cases.push_back({"a compression field that reads as negative", b});
    }
    {
        auto b = BmpHeader(4096, 4096, 1, 2);
        b.resize(8 * 1024, 0xff);
        cases.push_back({"a 1-bit BMP of 4096 x 4096 in 8 KB", b});
    }
    cases.push_back({"a 65-byte PNG of 4096 x 4096", MakePng(4096, 4096, 8, 6, 0, 0, 8)});
    cases.push_back({"16-bit samples", MakePng(16, 16, 16, 6, 0x55)});
    cases.push_back({"a PNG of 8 KB declaring 4096 x 4096", MakePng(4096, 4096, 8, 2, 0, 0, 8000)});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        int w = 0, h = 0;
        PixelBytes rgba;
        const auto watch =
            AllocationWatch::During(0, [&] { EXPECT_FALSE(DecodePicture(c.bytes, w, h, rgba)); });
        EXPECT_TRUE(rgba.empty());
        EXPECT_LT(watch.largest, 1u << 20);
    }

    int w = 0, h = 0;
    PixelBytes rgba;
    for (const auto& whole :
         {MakePng(5, 3, 8, 6, 0x40), MakePng(5, 3, 8, 2, 0x40), MakePng(5, 3, 4, 0, 0x40),
          MakeBmp(5, 3, 24, {},
                  [](int x, int) { return 0x102030u * static_cast<std::uint32_t>(x); }),
          MakeBmp(5, -3, 8, {0x112233, 0x445566}, [](int x, int) { return x % 2u; })}) {
        ASSERT_TRUE(DecodePicture(whole, w, h, rgba));
        EXPECT_EQ(w, 5);
        EXPECT_EQ(h, 3);
        EXPECT_EQ(rgba.size(), 5u * 3 * 4);
    }
}

// The decoder takes a missing palette entry's colour from memory it never wrote: a palette
// that does not cover an index its pixels use is refused, in a BMP from the pixels themselves,
// in a PNG from the indices its depth can write.
TEST(PictureChecks, APaletteMustCoverEveryIndexItsPixelsUse) {
    int w = 0, h = 0;
    PixelBytes rgba;
    const std::vector<std::uint32_t> three = {0xff0000, 0x00ff00, 0x0000ff};
    ASSERT_TRUE(
        DecodePicture(MakeBmp(4, 2, 8, three, [](int x, int) { return x % 3u; }), w, h, rgba));
    EXPECT_EQ(std::vector<int>(rgba.begin(), rgba.begin() + 16),
              (std::vector<int>{255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 0, 0, 255}));
    EXPECT_FALSE(DecodePicture(
        MakeBmp(4, 2, 8, three, [](int x, int y) { return x == 3 && y == 1 ? 3u : 0u; }), w, h,
        rgba));
    EXPECT_TRUE(rgba.empty());
    EXPECT_TRUE(DecodePicture(MakeBmp(5, 1, 4, {0, 0xffffff}, [](int x, int) { return x % 2u; }), w,
                              h, rgba));
    EXPECT_FALSE(DecodePicture(MakeBmp(5, 1, 4, {0, 0xffffff}, [](int x, int) { return x % 3u; }),
                               w, h, rgba));
    EXPECT_FALSE(DecodePicture(MakeBmp(9, 1, 1, {0}, [](int x, int) { return x == 8 ? 1u : 0u; }),
                               w, h, rgba));
    // No room at all for a palette before the rows.
    auto none = MakeBmp(4, 1, 8, {0x102030}, [](int, int) { return 0u; });
    PutLittle(none, 10, 54);
    EXPECT_FALSE(DecodePicture(none, w, h, rgba));

    EXPECT_TRUE(DecodePicture(MakePng(4, 2, 8, 3, 7, 256), w, h, rgba));
    EXPECT_EQ(std::vector<int>(rgba.begin(), rgba.begin() + 4),
              (std::vector<int>{7, 100, 200, 255}));
    EXPECT_TRUE(DecodePicture(MakePng(4, 2, 2, 3, 0xff, 4), w, h, rgba));
    EXPECT_FALSE(DecodePicture(MakePng(4, 2, 8, 3, 7, 8), w, h, rgba));
    EXPECT_FALSE(DecodePicture(MakePng(4, 2, 2, 3, 0, 3), w, h, rgba));
}

// Some editors store the rows top first (a negative height): the picture reads the right way
// up, through the decoder and through the loader, which sizes it from the header.
TEST(PictureChecks, TopDownBmpReadsTheRightWayUp) {
    const auto folder = CaseFolder("picture_checks");
    ResetWarnings();
    // The first stored row red, the second blue.
    const auto rows = [](int, int r) { return r == 0 ? 0xff0000u : 0x0000ffu; };
    for (const bool topDown : {true, false}) {
        SCOPED_TRACE(topDown ? "top first" : "bottom first");
        const auto bytes = MakeBmp(3, topDown ? -2 : 2, 24, {}, rows);
        int w = 0, h = 0;
        PixelBytes rgba;
        ASSERT_TRUE(DecodePicture(bytes, w, h, rgba));
        EXPECT_EQ(h, 2);
        const int top = topDown ? 255 : 0;
        EXPECT_EQ(rgba[0], top);
        EXPECT_EQ(rgba[2], 255 - top);
        EXPECT_EQ(rgba[3 * 4], 255 - top);

        const auto file = folder / (topDown ? "top.bmp" : "bottom.bmp");
        WriteBytes(file, bytes);
        const auto image = LoadImage(FromUtf8(file.string()));
        ASSERT_TRUE(image);
        EXPECT_EQ(image->Height(), 2);
        ASSERT_TRUE(EnsurePixels(*image->GetSurface()));
        EXPECT_EQ(image->GetSurface()->rgba[0], top);
    }
}

// The pixels are the decoder's own block, taken over: a copy made while the decoder's block
// lives would hold the picture twice at its largest.
TEST(PictureChecks, DecodedPixelsAreNeverCopied) {
    const auto bytes = MakeBmp(
        256, 256, 24, {}, [](int x, int y) { return static_cast<std::uint32_t>(x * 65536 + y); });
    const std::size_t picture = 256u * 256 * 4;
    int w = 0, h = 0;
    PixelBytes rgba;
    const auto watch =
        AllocationWatch::During(picture, [&] { ASSERT_TRUE(DecodePicture(bytes, w, h, rgba)); });
    ASSERT_EQ(rgba.size(), picture);
    // The top row is the last one stored.
    EXPECT_EQ(rgba[7 * 4], 7);
    EXPECT_EQ(rgba[7 * 4 + 2], 255);
    if (watch.watched) {
        EXPECT_EQ(watch.atLeastThreshold, 1);
    }
}
