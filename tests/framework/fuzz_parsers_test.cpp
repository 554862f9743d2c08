// Random mutations of settings files and font descriptions, from a fixed seed: the readers must
// neither crash nor break their own rules on damaged input. Each test makes a fixed number of
// runs: the same texts on any machine, about a second under the sanitizers.
#include <cstdint>
#include <random>

#include <gtest/gtest.h>

#include "fixture_files.h"
#include "framework/bitmap_font.h"
#include "framework/config.h"
#include "framework/mutator.h"
#include "platform/graphics.h"

namespace {

const char* const SkinSeed = "// skin\n"
                             "slider.image = !bar.png\n"
                             "Slider.Width = 12 ' note\r\n"
                             "slider.ratio = 0.75\n"
                             "slider.visible = TRUE\n"
                             "slider.margins = 1,2,3,4\n"
                             "slider.sliderV.x=3=4\n";

const String Keys[] = {u"slider.image",
                       u"slider.width",
                       u"SLIDER.RATIO",
                       u"slider.visible",
                       u"slider.margins",
                       u"slider.sliderv.x",
                       u"",
                       u"=",
                       u"slider"};
const String Separators[] = {u",", u"", u"=", u",,"};

} // namespace

TEST(FuzzParsers, SettingsReaderKeepsItsRulesOnDamagedText) {
    Mutator mutator(20261206);
    // The skin made here, and the real settings files kept for the libFuzzer target.
    std::vector<String> seeds = {platform::FromUtf8(SkinSeed)};
    for (const auto& file : CorpusFiles("settings"))
        seeds.push_back(platform::FromUtf8(std::string(file.begin(), file.end())));
    const int runs = 1000;
    int withKeys = 0;
    for (int run = 0; run < runs; ++run) {
        iConfig config;
        config.Parse(mutator.Mutate(seeds[static_cast<std::size_t>(run) % seeds.size()]));
        for (const String& line : config.lines) {
            ASSERT_FALSE(line.empty());
            ASSERT_GT(line.front(), 32);
            ASSERT_GT(line.back(), 32);
            ASSERT_EQ(line.find(u"//"), String::npos);
            ASSERT_EQ(line.find(u'\''), String::npos);
        }
        bool anyKey = false;
        for (const String& key : Keys) {
            // What HasKey finds, the getters find, and the other way round.
            const bool has = config.HasKey(key);
            anyKey = anyKey || has;
            const String value = config.GetString(key, u"\x01");
            if (platform::Trim(key) == key) {
                ASSERT_EQ(has, value != u"\x01") << platform::ToUtf8(key);
            }
            config.GetInt(key, 5);
            config.GetFloat(key, 5.0f);
            config.GetBool(key, true);
            for (const String& separator : Separators) {
                const auto numbers = config.GetIntArray(key, separator, {});
                if (!has) {
                    ASSERT_TRUE(numbers.empty());
                }
            }
            config.HasKeyPrefix(key, run % 2 == 0);
        }
        withKeys += anyKey;
    }
    // The damage leaves many keys readable: the getters see values, not only empty files.
    EXPECT_GT(withKeys, runs / 4) << withKeys;
}

TEST(FuzzParsers, FontLoadersSurviveDamagedDescriptions) {
    const auto folder = CaseFolder("fuzz_font");
    fixture::WritePng(folder / "fonts_z_0.png", 64, 64, {{0, 0, 10, 20}, {20, 0, 12, 30}});
    fixture::WritePng(folder / "fonts_z" / "65.png", 9, 17, {{0, 0, 9, 17}});
    std::vector<String> seeds = {u"loader = bitmap\nbitmaps = 1\nformat = png\n32,0,0,8\n"
                                 u"65,1,2,11,0,0,0,10,20\n66,0,-3,13,0,20,0,12,30\n",
                                 u"loader = char\n65,0,0,10\n32,0,0,6\n"};
    // A real description too (its glyphs mostly leave this small page, and are dropped).
    for (const auto& file : CorpusFiles("font"))
        seeds.push_back(platform::FromUtf8(std::string(file.begin(), file.end())));
    const String path = fixture::ToString(folder / "fonts_z.txt");

    platform::RecordingGraphics graphics;
    platform::SetGraphicsDevice(&graphics);
    String everyUnit;
    for (int code = 0; code < 300; ++code)
        everyUnit.push_back(static_cast<char16_t>(code));

    Mutator mutator(1234);
    const int runs = 250;
    int withGlyphs = 0;
    for (int run = 0; run < runs; ++run) {
        const String description =
            mutator.Mutate(seeds[static_cast<std::size_t>(run) % seeds.size()]);
        fixture::WriteText(folder / "fonts_z.txt", platform::ToUtf8(description));
        const auto font = iBitmapFont::New(path);

        // Every glyph lies inside its picture, and the line height is one of them.
        int withImage = 0;
        std::int64_t advanceSum = 0;
        for (int code = 0; code < iBitmapFont::GlyphCount; ++code) {
            const auto& image = font->images[static_cast<std::size_t>(code)];
            advanceSum += font->advance[static_cast<std::size_t>(code)];
            if (!image)
                continue;
            ++withImage;
            const auto& frame = image->Frame(0);
            ASSERT_GE(frame.x, 0);
            ASSERT_GE(frame.y, 0);
            ASSERT_LE(frame.x + frame.w, 64);
            ASSERT_LE(frame.y + frame.h, 64);
            ASSERT_LE(static_cast<float>(image->Height()), font->height);
        }
        ASSERT_LE(font->height, 64.0f);
        ASSERT_FLOAT_EQ(font->TextWidth(everyUnit, 1.0f), static_cast<float>(advanceSum));

        graphics.BeginFrame(320, 200);
        font->DrawText(everyUnit, 5, 5, 0.5f, 2.0f);
        platform::Flush();
        ASSERT_EQ(static_cast<int>(graphics.commands.size()), withImage);
        withGlyphs += withImage > 0;
    }
    platform::SetGraphicsDevice(nullptr);
    // The damage leaves many descriptions readable: glyphs are cut and drawn, not only refused.
    EXPECT_GT(withGlyphs, runs / 4) << withGlyphs;
}
