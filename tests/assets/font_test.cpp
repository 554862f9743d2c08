// The generated bitmap fonts, read by the game's own loader (which drops every broken record):
// every printable Latin-1 code and the French characters beyond it have their glyphs, every glyph
// picture lies on the one page without bleeding into a neighbour, and the screens built around
// these fonts keep their texts inside their boxes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assets/data_folder.h"
#include "framework/bitmap_font.h"
#include "platform/text.h"

namespace {

using assets_test::DataBuilt;
using assets_test::DataFolder;

std::shared_ptr<iBitmapFont> LoadFont(const std::string& name) {
    return iBitmapFont::New(platform::FromUtf8((DataFolder() / (name + ".txt")).string()));
}

// Latin-1's printable codes, and the places of the French characters beyond Latin-1.
bool Printable(int code) {
    for (const char16_t beyond : std::u16string(u"\u2019\u0153\u0152\u2026"))
        if (iBitmapFont::GlyphCode(beyond) == code)
            return true;
    return (code >= 32 && code <= 126) || (code >= 160 && code <= 255);
}

class FontTest : public ::testing::TestWithParam<const char*> {
  protected:
    void SetUp() override {
        if (!DataBuilt())
            GTEST_SKIP() << assets_test::NotBuilt;
        font = LoadFont(GetParam());
    }
    std::shared_ptr<iBitmapFont> font;
};

TEST_P(FontTest, EveryPrintableLatin1CodeHasAGlyphAndNoOtherCodeDoes) {
    for (int code = 0; code < iBitmapFont::GlyphCount; ++code) {
        SCOPED_TRACE("code " + std::to_string(code));
        const bool picture = font->images[static_cast<std::size_t>(code)] != nullptr;
        const int advance = font->advance[static_cast<std::size_t>(code)];
        if (!Printable(code)) {
            EXPECT_FALSE(picture || advance != 0) << "unexpected record";
            continue;
        }
        EXPECT_GT(advance, 0) << "does not move the pen";
        // Spaces carry metrics only; every visible character has a picture (the soft hyphen
        // may be invisible).
        if (code == 32 || code == 160) {
            EXPECT_FALSE(picture);
        } else if (code != 173) {
            EXPECT_TRUE(picture) << "no picture, or a record the loader dropped as broken";
        }
    }
    EXPECT_EQ(font->advance[32], font->advance[160]) << "no-break space differs";
}

TEST_P(FontTest, GlyphsAreFullLineHeightWhiteAndApartOnOnePage) {
    ASSERT_GT(font->height, 0.0f);
    std::vector<platform::FrameRect> glyphs;
    const platform::Surface* page = nullptr;
    for (int code = 0; code < iBitmapFont::GlyphCount; ++code) {
        const platform::ImagePtr& image = font->images[static_cast<std::size_t>(code)];
        if (!image)
            continue;
        SCOPED_TRACE("code " + std::to_string(code));
        const platform::FrameRect r = image->Frame(0);
        glyphs.push_back(r);
        if (!page) {
            page = image->GetSurface().get();
            ASSERT_TRUE(platform::EnsurePixels(*image->GetSurface()));
        }
        EXPECT_EQ(image->GetSurface().get(), page) << "a second page";
        // One height and one baseline row for all: buttons centre captions on this height.
        EXPECT_EQ(static_cast<float>(r.h), font->height);
        EXPECT_EQ(font->yOffset[static_cast<std::size_t>(code)], 0);
        // White glyphs, coverage in alpha (premultiplied): every text colour comes from the tint.
        bool ink = false;
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x) {
                const std::uint8_t* px = &page->rgba[(std::size_t(y) * page->width + x) * 4];
                ink = ink || px[3] != 0;
                if (px[0] != px[3] || px[1] != px[3] || px[2] != px[3]) {
                    ADD_FAILURE() << "coloured pixel at " << x << ", " << y;
                    return;
                }
            }
        EXPECT_TRUE(ink || code == 173) << "empty glyph picture";
        // Text is drawn scaled: a ring of transparent pixels keeps neighbours from bleeding.
        const auto alpha = [page](int x, int y) {
            return x >= 0 && y >= 0 && x < page->width && y < page->height
                       ? page->rgba[(std::size_t(y) * page->width + x) * 4 + 3]
                       : 0;
        };
        int bleeding = 0;
        for (int x = r.x - 1; x <= r.x + r.w; ++x)
            bleeding += (alpha(x, r.y - 1) != 0) + (alpha(x, r.y + r.h) != 0);
        for (int y = r.y; y < r.y + r.h; ++y)
            bleeding += (alpha(r.x - 1, y) != 0) + (alpha(r.x + r.w, y) != 0);
        EXPECT_EQ(bleeding, 0) << "ink just outside the rectangle";
    }
    for (std::size_t i = 0; i < glyphs.size(); ++i)
        for (std::size_t j = i + 1; j < glyphs.size(); ++j) {
            const platform::FrameRect& a = glyphs[i];
            const platform::FrameRect& b = glyphs[j];
            EXPECT_TRUE(a.x + a.w <= b.x || b.x + b.w <= a.x || a.y + a.h <= b.y ||
                        b.y + b.h <= a.y)
                << "rectangles overlap at " << a.x << ", " << a.y;
        }
}

INSTANTIATE_TEST_SUITE_P(DataFolder, FontTest,
                         ::testing::Values("fonts_oregano_48", "fonts_oregano_45",
                                           "fonts_oregano_42", "fonts_oregano_39",
                                           "fonts_oregano_36", "fonts_oregano_33",
                                           "fonts_oregano_30", "fonts_yesteryear_21"));

// The sentence cards step down through these sizes until every sentence of a board fits: each
// step must be smaller than the one before, or a board would stay in a size that does not fit
// or skip one that does.
TEST(CardFonts, EachStepIsSmallerThanTheOneBefore) {
    if (!DataBuilt())
        GTEST_SKIP() << assets_test::NotBuilt;
    const char* const steps[] = {"fonts_oregano_48", "fonts_oregano_45", "fonts_oregano_42",
                                 "fonts_oregano_39", "fonts_oregano_36", "fonts_oregano_33",
                                 "fonts_oregano_30"};
    std::shared_ptr<iBitmapFont> before;
    for (const char* step : steps) {
        SCOPED_TRACE(step);
        auto font = LoadFont(step);
        ASSERT_GT(font->height, 0.0f);
        if (before) {
            const String sample = u"La petite fille qui promène un éléphant regarde le monsieur.";
            EXPECT_LT(font->height, before->height);
            EXPECT_LT(font->TextWidth(sample), before->TextWidth(sample));
        }
        before = font;
    }
}

// -------------------------------------------------------------------------------------------
// Layouts built around the two fonts the child reads

class ReadingFontLayout : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!DataBuilt())
            GTEST_SKIP() << assets_test::NotBuilt;
        big = LoadFont("fonts_oregano_48");
        small = LoadFont("fonts_oregano_30");
    }
    static int Width(const iBitmapFont& font, const char* utf8) {
        return static_cast<int>(font.TextWidth(platform::FromUtf8(utf8)));
    }
    int Small(const char* utf8) const { return Width(*small, utf8); }
    int Big(const char* utf8) const { return Width(*big, utf8); }
    std::shared_ptr<iBitmapFont> big;
    std::shared_ptr<iBitmapFont> small;
};

TEST_F(ReadingFontLayout, OptionsScreenOneFitsTheCanvas) {
    const int line = static_cast<int>(small->height);
    // Rows pitch at line height + 20: the 44-px small button and the 34-px boxes fit a row.
    EXPECT_GE(line + 20, 44);
    // Ten rows from y 10, the example 33 below on up to two lines, "retour" (80 px) 30 below.
    EXPECT_LE(10 + 9 * (line + 20) + line + 33 + 2 * line + 30 + 80, 768);
    // The passive row: 220-px button at x 44, heading 28 to its right, box 120 further, its
    // label 4 after the 34-px box, the second box 40 further, its label: all within 1280.
    const int passive = 44 + 220 + 28 + Small("phrases passives et assimilées") + 120 + 34 + 4 +
                        Small("passive enchâssée") + 40 + 34 + 4 +
                        Small("passive en fin de phrase");
    EXPECT_LE(passive, 1280);
}

TEST_F(ReadingFontLayout, OptionsScreenTwoRowsFitTheScrollBox) {
    // The widest rows: boxes 34 wide, each label 20 right of its box, the gaps of the screen.
    auto row = [&](std::vector<std::pair<const char*, int>> items) {
        int x = 50;
        for (auto [label, gap] : items)
            x += gap + 34 + 20 + Small(label);
        return x;
    };
    EXPECT_LE(row({{"regarder", 0},
                   {"lancer", 20},
                   {"soulever", 20},
                   {"tenir", 20},
                   {"poursuivre", 20},
                   {"lancer (...) sur", 20},
                   {"promener", 20}}),
              1230);
    EXPECT_LE(row({{"marcher", 0},
                   {"courir", 50},
                   {"lever les bras", 50},
                   {"lever un bras", 50},
                   {"jouer de la musique", 50}}),
              1230);
    EXPECT_LE(row({{"rouge", 0},
                   {"bleu", 50},
                   {"vert", 50},
                   {"gris", 50},
                   {"jaune", 50},
                   {"violet", 50},
                   {"blanc", 50},
                   {"rose", 20}}),
              1230);
    EXPECT_LE(row({{"pull", 0},
                   {"T-shirt", 20},
                   {"chemise", 20},
                   {"robe", 20},
                   {"manteau", 20},
                   {"chapeau", 20},
                   {"bonnet", 20},
                   {"casquette", 20}}),
              1230);
}

TEST_F(ReadingFontLayout, CaptionsAndMessagesStayInsideTheirPictures) {
    // The small button is 220 wide; its widest caption.
    EXPECT_LT(Small(" exporter la phrase "), 220);
    // The big button is 720 x 80.
    EXPECT_LT(Big("choisir les personnages et les objets"), 720 - 20);
    EXPECT_LT(big->height, 80);
    // One-line messages inside the 900-px message box.
    EXPECT_LT(Big("Souhaitez-vous vraiment effacer ce profil?"), 900 - 40);
    EXPECT_LT(Big("Ca fait quatorze bonnes réponses d'affilée !"), 900 - 40);
}

} // namespace
