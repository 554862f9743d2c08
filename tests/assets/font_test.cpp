// The generated bitmap fonts, read the way the game reads them: every printable Latin-1 code
// has a record, every glyph picture lies on its page without bleeding into a neighbour, and the
// screens built around these fonts keep their texts inside their boxes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "assets/data_folder.h"
#include "assets/png_reader.h"
#include "framework/bitmap_font.h"
#include "platform/text.h"

namespace {

using assets_test::DataBuilt;
using assets_test::DataFolder;

// -------------------------------------------------------------------------------------------
// A reader of the description format, kept apart from the game's own code

struct Record {
    bool present = false;
    bool picture = false; // a 9-number record
    int xOffset = 0, yOffset = 0, advance = 0;
    int page = 0, x = 0, y = 0, width = 0, height = 0;
};

struct Description {
    std::vector<std::string> lines; // kept lines
    Record records[256];
    int height = 0; // tallest glyph rectangle

    std::string Get(const std::string& key, const std::string& fallback) const {
        for (const std::string& line : lines) {
            std::vector<std::string> pieces = Split(line, '=');
            std::string k = Trim(pieces[0]);
            std::transform(k.begin(), k.end(), k.begin(), ::tolower);
            if (pieces.size() > 1 && k == key)
                return Trim(pieces[1]);
        }
        return fallback;
    }

    int TextWidth(const std::string& utf8) const {
        int width = 0;
        for (std::size_t i = 0; i < utf8.size(); ++i) {
            unsigned code = static_cast<unsigned char>(utf8[i]);
            // The game's texts are Latin-1 written as UTF-8 here.
            if (code >= 0xC0 && i + 1 < utf8.size())
                code = ((code & 0x1F) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F);
            width += records[code].advance;
        }
        return width;
    }

    static std::string Trim(std::string s) {
        while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32)
            s.erase(s.begin());
        while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32)
            s.pop_back();
        return s;
    }
    static std::vector<std::string> Split(const std::string& s, char separator) {
        std::vector<std::string> pieces(1);
        for (char c : s) {
            if (c == separator)
                pieces.emplace_back();
            else
                pieces.back() += c;
        }
        return pieces;
    }
};

Description ReadDescription(const std::string& text) {
    Description d;
    for (std::string line : Description::Split(text, '\n')) {
        // Trimmed, cut at the first "//" and at the first apostrophe, trimmed again.
        line = Description::Trim(line);
        line = line.substr(0, line.find("//"));
        line = Description::Trim(line.substr(0, line.find('\'')));
        if (!line.empty())
            d.lines.push_back(line);
    }
    for (const std::string& line : d.lines) {
        std::vector<std::string> pieces = Description::Split(line, ',');
        if (pieces.size() != 4 && pieces.size() != 9)
            continue;
        std::vector<int> n;
        for (const std::string& piece : pieces)
            n.push_back(std::atoi(piece.c_str()));
        if (n[0] < 0 || n[0] > 255)
            continue;
        Record& r = d.records[n[0]];
        r = Record{true, pieces.size() == 9, n[1], n[2], n[3]};
        if (r.picture) {
            r.page = n[4];
            r.x = n[5];
            r.y = n[6];
            r.width = n[7];
            r.height = n[8];
            d.height = std::max(d.height, r.height);
        }
    }
    return d;
}

struct Font {
    Description description;
    assets_test::Picture page;
};

// -------------------------------------------------------------------------------------------
// Fixture

class FontTest : public ::testing::TestWithParam<const char*> {
  protected:
    void SetUp() override {
        if (!DataBuilt())
            GTEST_SKIP() << assets_test::NotBuilt;
        std::string name = GetParam();
        std::ifstream in(DataFolder() / (name + ".txt"), std::ios::binary);
        ASSERT_TRUE(in) << name << ".txt is missing";
        std::stringstream text;
        text << in.rdbuf();
        font.description = ReadDescription(text.str());
        // A description with "bitmaps = 1" reads its single page from NAME_0.png.
        ASSERT_TRUE(
            assets_test::ReadPicture((DataFolder() / (name + "_0.png")).string(), font.page))
            << name << "_0.png is missing";
    }
    Font font;
};

bool Printable(int code) { return (code >= 32 && code <= 126) || (code >= 160 && code <= 255); }

// -------------------------------------------------------------------------------------------
// Format and glyph records

TEST_P(FontTest, KeysSelectOneBitmapPageOfPng) {
    const Description& d = font.description;
    // "loader" is compared case-sensitively: any other value would load no glyph at all.
    EXPECT_EQ(d.Get("loader", "char"), "bitmap");
    EXPECT_EQ(d.Get("format", "png"), "png");
    EXPECT_EQ(d.Get("bitmaps", "0"), "1");
}

TEST_P(FontTest, EveryPrintableLatin1CodeHasARecordAndNoOtherCodeDoes) {
    const Description& d = font.description;
    for (int code = 0; code < 256; ++code) {
        const Record& r = d.records[code];
        if (!Printable(code)) {
            EXPECT_FALSE(r.present) << "unexpected record for code " << code;
            continue;
        }
        ASSERT_TRUE(r.present) << "no record for code " << code;
        EXPECT_GT(r.advance, 0) << "code " << code << " does not move the pen";
        const bool space = code == 32 || code == 160;
        // Spaces carry metrics only; every visible character has a picture (the soft hyphen
        // may be invisible).
        if (space) {
            EXPECT_FALSE(r.picture) << "code " << code;
        } else if (code != 173) {
            EXPECT_TRUE(r.picture) << "code " << code << " has no picture";
        }
    }
    EXPECT_EQ(d.records[32].advance, d.records[160].advance) << "no-break space differs";
}

TEST_P(FontTest, GlyphsAreFullLineHeightWhiteAndApartOnThePage) {
    const Description& d = font.description;
    const assets_test::Picture& page = font.page;
    ASSERT_GT(d.height, 0);
    std::vector<const Record*> glyphs;
    for (int code = 0; code < 256; ++code) {
        const Record& r = d.records[code];
        if (!r.picture)
            continue;
        glyphs.push_back(&r);
        SCOPED_TRACE("code " + std::to_string(code));
        EXPECT_EQ(r.page, 0);
        // One height and one baseline row for all: buttons centre captions on this height.
        EXPECT_EQ(r.height, d.height);
        EXPECT_EQ(r.yOffset, 0);
        // Outside the page the game stops with "Image frame outside surface".
        ASSERT_TRUE(r.x >= 0 && r.y >= 0 && r.width > 0 && r.x + r.width <= page.width &&
                    r.y + r.height <= page.height);
        // White glyphs, coverage in alpha: every text colour comes from the tint.
        bool ink = false;
        for (int y = r.y; y < r.y + r.height; ++y)
            for (int x = r.x; x < r.x + r.width; ++x) {
                const std::uint8_t* px = &page.rgba[(std::size_t(y) * page.width + x) * 4];
                if (px[3] == 0)
                    continue;
                ink = true;
                if (px[0] != 255 || px[1] != 255 || px[2] != 255) {
                    ADD_FAILURE() << "coloured pixel at " << x << ", " << y;
                    return;
                }
            }
        EXPECT_TRUE(ink || code == 173) << "empty glyph picture";
        // Text is drawn scaled: a ring of transparent pixels keeps neighbours from bleeding.
        int bleeding = 0;
        for (int x = r.x - 1; x <= r.x + r.width; ++x)
            for (int y : {r.y - 1, r.y + r.height})
                if (x >= 0 && y >= 0 && x < page.width && y < page.height && page.Alpha(x, y))
                    ++bleeding;
        for (int y = r.y; y < r.y + r.height; ++y)
            for (int x : {r.x - 1, r.x + r.width})
                if (x >= 0 && x < page.width && page.Alpha(x, y))
                    ++bleeding;
        EXPECT_EQ(bleeding, 0) << "ink just outside the rectangle";
    }
    for (std::size_t i = 0; i < glyphs.size(); ++i)
        for (std::size_t j = i + 1; j < glyphs.size(); ++j) {
            const Record& a = *glyphs[i];
            const Record& b = *glyphs[j];
            const bool apart = a.x + a.width <= b.x || b.x + b.width <= a.x ||
                               a.y + a.height <= b.y || b.y + b.height <= a.y;
            EXPECT_TRUE(apart) << "rectangles overlap at " << a.x << ", " << a.y;
        }
}

// The game's own loader on the same files: every glyph it keeps agrees with the description,
// so no record is dropped as broken and the line height is the cell height.
TEST_P(FontTest, TheGameLoaderKeepsEveryGlyph) {
    const Description& d = font.description;
    const std::string path = (DataFolder() / (std::string(GetParam()) + ".txt")).string();
    std::shared_ptr<iBitmapFont> loaded = iBitmapFont::New(platform::FromUtf8(path));
    EXPECT_FLOAT_EQ(loaded->TextHeight(u"x", 1.0f), float(d.height));
    for (int code = 32; code < 256; ++code) {
        if (!Printable(code))
            continue;
        SCOPED_TRACE("code " + std::to_string(code));
        EXPECT_EQ(loaded->advance[code], d.records[code].advance);
        EXPECT_EQ(loaded->images[code] != nullptr, d.records[code].picture);
        if (loaded->images[code]) {
            EXPECT_EQ(loaded->images[code]->Width(), d.records[code].width);
            EXPECT_EQ(loaded->images[code]->Height(), d.height);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(DataFolder, FontTest,
                         ::testing::Values("fonts_oregano_48", "fonts_oregano_30",
                                           "fonts_yesteryear_21"));

// -------------------------------------------------------------------------------------------
// Layouts built around the two fonts the child reads

class ReadingFontLayout : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!DataBuilt())
            GTEST_SKIP() << assets_test::NotBuilt;
        for (auto [name, into] :
             {std::pair{"fonts_oregano_48.txt", &big}, std::pair{"fonts_oregano_30.txt", &small}}) {
            std::ifstream in(DataFolder() / name, std::ios::binary);
            ASSERT_TRUE(in) << name << " is missing";
            std::stringstream text;
            text << in.rdbuf();
            *into = ReadDescription(text.str());
        }
    }
    Description big;
    Description small;
};

TEST_F(ReadingFontLayout, OptionsScreenOneFitsTheCanvas) {
    // Rows pitch at line height + 20: the 44-px small button and the 34-px boxes fit a row.
    EXPECT_GE(small.height + 20, 44);
    // Ten rows from y 10, the example 33 below on up to two lines, "retour" (80 px) 30 below.
    EXPECT_LE(10 + 9 * (small.height + 20) + small.height + 33 + 2 * small.height + 30 + 80, 768);
    // The passive row: 220-px button at x 44, heading 28 to its right, box 120 further, its
    // label 4 after the 34-px box, the second box 40 further, its label: all within 1280.
    const int passive = 44 + 220 + 28 + small.TextWidth("phrases passives et assimilées") + 120 +
                        34 + 4 + small.TextWidth("passive enchâssée") + 40 + 34 + 4 +
                        small.TextWidth("passive en fin de phrase");
    EXPECT_LE(passive, 1280);
}

TEST_F(ReadingFontLayout, OptionsScreenTwoRowsFitTheScrollBox) {
    // The widest rows: boxes 34 wide, each label 20 right of its box, the gaps of the screen.
    auto row = [&](std::vector<std::pair<const char*, int>> items) {
        int x = 50;
        for (auto [label, gap] : items)
            x += gap + 34 + 20 + small.TextWidth(label);
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
    EXPECT_LT(small.TextWidth(" exporter la phrase "), 220);
    // The big button is 720 x 80.
    EXPECT_LT(big.TextWidth("choisir les personnages et les objets"), 720 - 20);
    EXPECT_LT(big.height, 80);
    // One-line messages inside the 900-px message box.
    EXPECT_LT(big.TextWidth("Souhaitez-vous vraiment effacer ce profil?"), 900 - 40);
    EXPECT_LT(big.TextWidth("Ca fait quatorze bonnes réponses d'affilée !"), 900 - 40);
}

} // namespace
