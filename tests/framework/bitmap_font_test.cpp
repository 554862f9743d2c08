// Bitmap fonts: both loaders and their file naming, broken records, measuring and drawing
// (through the recording graphics device), the characters beyond Latin-1. That spaces and other
// units above 255 draw nothing and that the width is the sum of the advances is the
// damaged-description runs' business.
#include <gtest/gtest.h>

#include "fixture_files.h"
#include "framework/bitmap_font.h"
#include "platform/files.h"
#include "platform/graphics.h"

namespace {

class BitmapFontTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = CaseFolder("bitmap_font");
        platform::SetGraphicsDevice(&graphics);
        graphics.BeginFrame(640, 480);
    }
    void TearDown() override {
        platform::SetGraphicsDevice(nullptr);
        platform::SetDataFolder(u"");
    }
    String Description(const std::string& name, const std::string& text) {
        return fixture::WriteFile(folder, name, text);
    }
    // Two 64 x 32 pages for "fonts_t.txt" and the description with good and broken records.
    String PagedFont() {
        fixture::WritePng(folder / "fonts_t_0.png", 64, 32, {{0, 0, 8, 20}});
        fixture::WritePng(folder / "fonts_t_1.png", 64, 32, {{40, 0, 18, 32}});
        return Description("fonts_t.txt", "// test font\n"
                                          "loader = bitmap\n"
                                          "bitmaps = 2\n"
                                          "32,0,0,12\n"
                                          "65, 1, 2, 10, 0, 0, 0, 8, 20\n"
                                          "66,0,0,20,1,40,0,18,32\n"
                                          "67,0,0,5,0,60,0,10,10\n" // leaves page 0
                                          "68,0,0,7,5,0,0,4,4\n"    // page 5 does not exist
                                          "69,0,0,6,0,10,0,0,0\n"   // nothing to cut
                                          "300,0,0,9,0,0,0,4,4\n"   // beyond the tables
                                          "-1,0,0,9\n"
                                          "70,0,0,3,-1,0,0,4,4\n" // negative page
                                          "71,0,0,3,0,-2,0,4,4\n" // negative x
                                          "72,0,0,3,0,2147483647,0,2147483647,4\n");
    }
    std::filesystem::path folder;
    platform::RecordingGraphics graphics;
};

} // namespace

TEST_F(BitmapFontTest, BitmapLoaderCutsGlyphsFromTheNamedPages) {
    const auto font = iBitmapFont::New(PagedFont());
    ASSERT_TRUE(font->images[65]);
    ASSERT_TRUE(font->images[66]);
    EXPECT_NE(font->images[66]->Name().find(u"fonts_t_1.png"), String::npos);
    const platform::FrameRect& b = font->images[66]->Frame(0);
    EXPECT_EQ(b.x, 40);
    EXPECT_EQ(b.w, 18);
    EXPECT_EQ(b.h, 32);
    EXPECT_FLOAT_EQ(font->height, 32.0f);
    EXPECT_FLOAT_EQ(font->TextHeight(u"whatever", 2.0f), 64.0f);
    EXPECT_EQ(font->xOffset[65], 1);
    EXPECT_EQ(font->yOffset[65], 2);
    EXPECT_EQ(font->advance[65], 10);
    EXPECT_FALSE(font->images[32]);
    EXPECT_EQ(font->advance[32], 12);
}

TEST_F(BitmapFontTest, BrokenRecordsAreSkippedWithoutEndingTheGame) {
    const auto font = iBitmapFont::New(PagedFont());
    // A rectangle outside its page, a page that does not exist: the whole record goes.
    for (int code : {67, 68, 70, 71, 72}) {
        EXPECT_FALSE(font->images[code]) << code;
        EXPECT_EQ(font->advance[code], 0) << code;
    }
    // An empty rectangle keeps its metrics.
    EXPECT_FALSE(font->images[69]);
    EXPECT_EQ(font->advance[69], 6);
    // Codes outside 0..255 touch nothing (the record of 300 would have set 9 somewhere).
    for (int code = 0; code < iBitmapFont::GlyphCount; ++code)
        EXPECT_NE(font->advance[code], 9) << code;
}

TEST_F(BitmapFontTest, DrawTextPlacesGlyphsWhereTheMeasureSays) {
    const auto font = iBitmapFont::New(PagedFont());
    platform::SetColor(10, 20, 30);
    platform::SetAlpha(0.5f);
    platform::SetBlend(1);
    font->DrawText(u"AB", 100, 50, 2.0f, 3.0f);
    platform::Flush();
    ASSERT_EQ(graphics.commands.size(), 2u);
    const auto& a = graphics.commands[0].points;
    const auto& b = graphics.commands[1].points;
    // A: top-left at pen + offsets times the scale, 8 x 20 scaled.
    EXPECT_FLOAT_EQ(a[0], 102.0f);
    EXPECT_FLOAT_EQ(a[1], 56.0f);
    EXPECT_FLOAT_EQ(a[4], 118.0f);
    EXPECT_FLOAT_EQ(a[5], 116.0f);
    // B: the pen has moved by A's advance times scaleX.
    EXPECT_FLOAT_EQ(b[0], 120.0f);
    EXPECT_FLOAT_EQ(b[1], 50.0f);
    EXPECT_FLOAT_EQ(b[4], 156.0f);
    EXPECT_FLOAT_EQ(font->TextWidth(u"AB", 2.0f), 60.0f);
    // The caller's colour, alpha and blend are used and left alone.
    EXPECT_FLOAT_EQ(graphics.commands[0].color[0], 10.0f);
    EXPECT_FLOAT_EQ(graphics.commands[0].alpha, 0.5f);
    EXPECT_EQ(graphics.commands[0].blend, 1);
    EXPECT_FLOAT_EQ(platform::GetAlpha(), 0.5f);
    EXPECT_EQ(platform::GetBlend(), 1);
}

TEST_F(BitmapFontTest, CharLoaderReadsOneFilePerCodeBesideTheDescription) {
    fixture::WritePng(folder / "fonts_c" / "65.png", 6, 14, {{0, 0, 6, 14}});
    fixture::WritePng(folder / "fonts_c" / "32.png", 30, 40, {{0, 0, 30, 40}});
    fixture::WritePng(folder / "fonts_c" / "67.png", 30, 50, {{0, 0, 30, 50}});
    iBitmapFont font;
    font.Load(Description("fonts_c.txt", "65,0,1,7\n"
                                         "32,0,0,4\n"
                                         "66,0,0,9\n"                // no picture: keeps spacing
                                         "67,0,0,5,0,0,0,30,50\n")); // 9 numbers: not here
    ASSERT_TRUE(font.images[65]);
    EXPECT_EQ(font.images[65]->Width(), 6);
    // The space never gets a picture, even when one lies there.
    EXPECT_FALSE(font.images[32]);
    EXPECT_FALSE(font.images[66]);
    EXPECT_FALSE(font.images[67]);
    EXPECT_FLOAT_EQ(font.height, 14.0f);
    EXPECT_FLOAT_EQ(font.TextWidth(u"A B", 1.0f), 20.0f);
    EXPECT_EQ(font.advance[67], 0);
}

TEST_F(BitmapFontTest, LaterRecordsOverwriteAndUnknownLoadersLoadNothing) {
    fixture::WritePng(folder / "fonts_o_0.png", 32, 32, {{0, 0, 4, 4}});
    const auto font = iBitmapFont::New(Description("fonts_o.txt", "loader = bitmap\nbitmaps=1\n"
                                                                  "65,0,0,3,0,0,0,4,4\n"
                                                                  "65,1,1,8\n"));
    EXPECT_EQ(font->advance[65], 8);
    EXPECT_EQ(font->xOffset[65], 1);

    const auto capital = iBitmapFont::New(Description("fonts_o.txt", "loader = Bitmap\nbitmaps=1\n"
                                                                     "65,0,0,3,0,0,0,4,4\n"));
    EXPECT_FALSE(capital->images[65]);
    EXPECT_EQ(capital->advance[65], 0);
}

TEST_F(BitmapFontTest, MissingDescriptionGivesAnEmptyFont) {
    const auto font = iBitmapFont::New(fixture::ToString(folder / "nothing.txt"));
    EXPECT_FLOAT_EQ(font->TextWidth(u"Bonjour", 1.0f), 0.0f);
    EXPECT_FLOAT_EQ(font->TextHeight(u"Bonjour", 1.0f), 0.0f);
    font->DrawText(u"Bonjour", 0, 0);
    platform::Flush();
    EXPECT_TRUE(graphics.commands.empty());
}

TEST_F(BitmapFontTest, ADescriptionWithoutFolderFindsItsPagesInTheDataFolder) {
    fixture::WritePng(folder / "fonts_r_0.png", 16, 16, {{0, 0, 5, 9}});
    Description("fonts_r.txt", "loader=bitmap\nbitmaps=1\n65,0,0,6,0,0,0,5,9\n");
    platform::SetDataFolder(fixture::ToString(folder));
    const auto font = iBitmapFont::New(u"fonts_r.txt");
    ASSERT_TRUE(font->images[65]);
    EXPECT_FLOAT_EQ(font->height, 9.0f);
}

// The few characters beyond Latin-1 that French needs draw from the control codes' places
// (Windows-1252's), or, in a font without them, as their Latin-1 stand-ins.
TEST_F(BitmapFontTest, FrenchCharactersBeyondLatinOneDrawFromTheirPlacesOrAsStandIns) {
    fixture::WritePng(folder / "fonts_f_0.png", 64, 16, {{0, 0, 4, 10}, {10, 0, 6, 10}});
    const String with = Description("fonts_f.txt", "loader=bitmap\nbitmaps=1\n"
                                                   "39,0,0,3,0,0,0,4,10\n"   // '
                                                   "111,0,0,5,0,10,0,6,10\n" // o
                                                   "101,0,0,4,0,10,0,6,10\n" // e
                                                   "146,0,0,2,0,0,0,4,10\n"  // ’
                                                   "156,0,0,9,0,10,0,6,10\n" // œ
                                                   "32,0,0,3\n");
    const auto font = iBitmapFont::New(with);
    EXPECT_FLOAT_EQ(font->TextWidth(u"l\u2019\u0153"), 11.0f);
    EXPECT_TRUE(font->HasGlyph(u'\u2019') && font->HasGlyph(u'\u0153'));
    // Not "?", not nothing: the typographic apostrophe is drawn with its own glyph.
    font->DrawText(u"\u2019\u0153", 0, 0);
    platform::Flush();
    ASSERT_EQ(graphics.commands.size(), 2u);
    EXPECT_FLOAT_EQ(graphics.commands[1].points[0], 2.0f);
    EXPECT_EQ(iBitmapFont::GlyphCode(u'\u0153'), 0x9C);
    EXPECT_EQ(iBitmapFont::GlyphCode(u'\u0152'), 0x8C);
    EXPECT_EQ(iBitmapFont::GlyphCode(u'\u2026'), 0x85);
    EXPECT_EQ(iBitmapFont::GlyphCode(u'\u20AC'), -1);

    // Without them: "'" and "oe"; "OE" and "..." have no glyphs here, so draw nothing.
    fixture::WritePng(folder / "fonts_g_0.png", 64, 16, {{0, 0, 4, 10}, {10, 0, 6, 10}});
    const auto plain = iBitmapFont::New(Description("fonts_g.txt", "loader=bitmap\nbitmaps=1\n"
                                                                   "39,0,0,3,0,0,0,4,10\n"
                                                                   "111,0,0,5,0,10,0,6,10\n"
                                                                   "101,0,0,4,0,10,0,6,10\n"));
    EXPECT_FLOAT_EQ(plain->TextWidth(u"\u2019\u0153"), plain->TextWidth(u"'oe"));
    EXPECT_TRUE(plain->HasGlyph(u'\u2019') && plain->HasGlyph(u'\u0153'));
    EXPECT_FALSE(plain->HasGlyph(u'\u0152') || plain->HasGlyph(u'\u2026'));
    graphics.commands.clear();
    plain->DrawText(u"\u0153", 0, 0);
    platform::Flush();
    EXPECT_EQ(graphics.commands.size(), 2u);
}
