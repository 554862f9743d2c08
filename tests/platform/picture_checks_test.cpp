// What the picture decoder refuses from the header and the file's length before a decoder sees
// the bytes (hostile headers, palettes that do not cover their indices), top-down BMPs, and the
// decoded pixels kept without a copy.
#include <gtest/gtest.h>

#include <array>
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

// The rows a w x h picture's compressed data inflates to, each a filter byte then `fill`; for
// an interlaced one, the rows of each of the seven passes that has pixels, in their order.
std::vector<std::uint8_t> Rows(int w, int h, int depth, int colour, std::uint8_t fill,
                               bool interlaced) {
    struct Pass {
        int x, y, stepX, stepY;
    };
    const std::vector<Pass> passes =
        interlaced ? std::vector<Pass>{{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                       {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}}
                   : std::vector<Pass>{{0, 0, 1, 1}};
    const int channels = colour == 2 ? 3 : colour == 4 ? 2 : colour == 6 ? 4 : 1;
    std::vector<std::uint8_t> raw;
    for (const Pass& p : passes) {
        const int pw = w > p.x ? (w - p.x + p.stepX - 1) / p.stepX : 0;
        const int ph = h > p.y ? (h - p.y + p.stepY - 1) / p.stepY : 0;
        for (int y = 0; pw > 0 && y < ph; ++y) {
            raw.push_back(0);
            raw.insert(raw.end(), (static_cast<std::size_t>(pw) * channels * depth + 7) / 8, fill);
        }
    }
    return raw;
}

// A PNG of w x h with the given depth, colour type and interlacing, a palette of
// `paletteEntries` colours when > 0, and `idat` for its compressed rows.
std::vector<std::uint8_t> PngOf(int w, int h, int depth, int colour, int paletteEntries,
                                bool interlaced, const std::vector<std::uint8_t>& idat) {
    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', 13, 10, 26, 10};
    std::vector<std::uint8_t> ihdr;
    PutBig(ihdr, static_cast<std::uint32_t>(w));
    PutBig(ihdr, static_cast<std::uint32_t>(h));
    ihdr.insert(ihdr.end(), {static_cast<std::uint8_t>(depth), static_cast<std::uint8_t>(colour), 0,
                             0, static_cast<std::uint8_t>(interlaced)});
    Chunk(png, "IHDR", ihdr);
    if (paletteEntries > 0) {
        std::vector<std::uint8_t> plte;
        for (int i = 0; i < paletteEntries; ++i)
            plte.insert(plte.end(), {static_cast<std::uint8_t>(i), 100, 200});
        Chunk(png, "PLTE", plte);
    }
    Chunk(png, "IDAT", idat);
    Chunk(png, "IEND", {});
    return png;
}

// A PNG of w x h with the given depth and colour type, every stored byte of its rows `fill`
// (after each row's filter byte), and a palette of `paletteEntries` colours when > 0. With
// `compressed` set, that many bytes stand for the compressed rows instead of the real ones.
std::vector<std::uint8_t> MakePng(int w, int h, int depth, int colour, std::uint8_t fill,
                                  int paletteEntries = 0, int compressed = -1,
                                  bool interlaced = false) {
    if (compressed >= 0)
        return PngOf(w, h, depth, colour, paletteEntries, interlaced,
                     std::vector<std::uint8_t>(static_cast<std::size_t>(compressed), 0));
    std::vector<std::uint8_t> raw = Rows(w, h, depth, colour, fill, interlaced);
    int length = 0;
    unsigned char* z = stbi_zlib_compress(raw.data(), static_cast<int>(raw.size()), &length, 8);
    std::vector<std::uint8_t> idat(z, z + length);
    STBIW_FREE(z);
    return PngOf(w, h, depth, colour, paletteEntries, interlaced, idat);
}

// A zlib stream of `count` zero bytes in as few bits as deflate allows: one dynamic block whose
// one-bit codes say "258 bytes more, from one byte back", some 1030 bytes out of each byte in.
std::vector<std::uint8_t> ZerosDeflated(std::size_t count) {
    std::vector<std::uint8_t> out = {0x78, 0x01};
    int used = 8;
    // Fields go out from their lowest bit, Huffman codes from their highest.
    const auto put = [&](std::uint32_t value, int bits) {
        for (int i = 0; i < bits; ++i, ++used) {
            if (used == 8) {
                out.push_back(0);
                used = 0;
            }
            out.back() = static_cast<std::uint8_t>(out.back() | (value >> i & 1) << used);
        }
    };
    const auto code = [&](std::uint32_t value, int bits) {
        for (int i = bits - 1; i >= 0; --i)
            put(value >> i & 1, 1);
    };
    put(1, 1);  // the last block
    put(2, 2);  // its own Huffman codes
    put(29, 5); // 286 literal and length codes
    put(0, 5);  // one distance code
    put(14, 4); // 18 code length codes, in the format's order, of which 18, 1 and 2 are used
    for (const int symbol : {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1})
        put(symbol == 18 ? 1 : symbol == 1 || symbol == 2 ? 2 : 0, 3);
    // Code lengths: 18 (a run of zeros) is "0", 1 is "10", 2 is "11".
    const auto length = [&](int bits) { code(bits == 1 ? 0b10 : 0b11, 2); };
    const auto none = [&](int run) {
        code(0, 1);
        put(static_cast<std::uint32_t>(run - 11), 7);
    };
    // The literal 0 and the end take 2 bits, the length 258 one; the distance 1 one.
    length(2);
    none(138);
    none(117);
    length(2);
    none(28);
    length(1);
    length(1);
    // The literal 0 is "10", the end "11", the length 258 "0", the distance 1 "0".
    code(0b10, 2);
    std::size_t written = 1;
    for (; count - written >= 258; written += 258)
        put(0, 2);
    for (; written < count; ++written)
        code(0b10, 2);
    code(0b11, 2);
    // Adler-32 of zeros: the first sum stays 1, the second grows by 1 a byte.
    PutBig(out, static_cast<std::uint32_t>(count % 65521) << 16 | 1);
    return out;
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

// A PNG of one pixel whose compressed data inflates to 80 MiB out of 80 KB is refused without
// inflating it all, or asking for a buffer anywhere near that size; so is one of 13 x 9 whose
// data goes on far past its rows. Data that ends with the rows, or a few bytes after, still
// decodes, in every layout: plain or interlaced (small sizes leave passes empty), in colour, grey
// or a palette of a few bits.
TEST(PictureChecks, CompressedPixelsInflateNoFurtherThanThePictureNeeds) {
    int w = 0, h = 0;
    PixelBytes rgba;
    const auto bomb = PngOf(1, 1, 8, 0, 0, false, ZerosDeflated(std::size_t{80} << 20));
    ASSERT_LT(bomb.size(), 100u * 1024);
    const auto watch = AllocationWatch::During(
        std::size_t{8} << 20, [&] { EXPECT_FALSE(DecodePicture(bomb, w, h, rgba)); });
    EXPECT_TRUE(rgba.empty());
    EXPECT_EQ(watch.atLeastThreshold, 0);
    EXPECT_LT(watch.largest, std::size_t{1} << 20);
    const std::size_t rows = Rows(13, 9, 8, 0, 0, true).size();
    EXPECT_FALSE(
        DecodePicture(PngOf(13, 9, 8, 0, 0, true, ZerosDeflated(rows + (1 << 20))), w, h, rgba));
    for (const std::size_t extra : {std::size_t{0}, std::size_t{100}}) {
        EXPECT_TRUE(
            DecodePicture(PngOf(1, 1, 8, 0, 0, false, ZerosDeflated(2 + extra)), w, h, rgba));
        EXPECT_TRUE(
            DecodePicture(PngOf(13, 9, 8, 0, 0, true, ZerosDeflated(rows + extra)), w, h, rgba));
    }

    struct Kind {
        int depth, colour, palette;
        std::uint8_t fill;
        std::array<std::uint8_t, 4> pixel;
    };
    for (const Kind& k :
         {Kind{8, 6, 0, 0x40, {0x40, 0x40, 0x40, 0x40}},
          Kind{8, 2, 0, 0x70, {0x70, 0x70, 0x70, 255}}, Kind{4, 0, 0, 0xff, {255, 255, 255, 255}},
          Kind{2, 3, 4, 0xaa, {2, 100, 200, 255}}}) {
        for (const auto& [pw, ph] : {std::pair{1, 1}, std::pair{3, 5}, std::pair{13, 9}}) {
            for (const bool interlaced : {false, true}) {
                SCOPED_TRACE(testing::Message() << "colour " << k.colour << ", " << pw << " x "
                                                << ph << (interlaced ? ", interlaced" : ""));
                ASSERT_TRUE(DecodePicture(
                    MakePng(pw, ph, k.depth, k.colour, k.fill, k.palette, -1, interlaced), w, h,
                    rgba));
                ASSERT_EQ(rgba.size(), static_cast<std::size_t>(pw * ph * 4));
                const auto last = rgba.end() - 4;
                EXPECT_EQ(std::vector<std::uint8_t>(last, rgba.end()),
                          std::vector<std::uint8_t>(k.pixel.begin(), k.pixel.end()));
            }
        }
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
