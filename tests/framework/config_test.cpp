// The settings reader: comments, line ends, key matching, typed getters and file loading.
#include <string>

#include <gtest/gtest.h>

#include "fixture_files.h"
#include "framework/config.h"
#include "platform/files.h"

namespace {

iConfig Parsed(const std::string& utf8) {
    iConfig config;
    config.Parse(platform::FromUtf8(utf8));
    return config;
}

} // namespace

TEST(ConfigParse, CommentsCutLinesWhereverTheyStand) {
    const iConfig config = Parsed("Width = 12 // trailing note\n"
                                  "' a whole line of comment = 3\n"
                                  "// height = 99\n"
                                  "height = 40 ' the apostrophe comment\n"
                                  "caption = l'arbre\n"
                                  "url = http://example\n"
                                  "   \t  \n"
                                  "//\n");
    EXPECT_EQ(config.GetInt(u"width", 0), 12);
    EXPECT_EQ(config.GetString(u"WIDTH", u""), u"12");
    EXPECT_EQ(config.GetInt(u"height", 0), 40);
    EXPECT_FALSE(config.HasKey(u"' a whole line of comment"));
    // A marker inside a value ends it: nothing after it can ever be read.
    EXPECT_EQ(config.GetString(u"caption", u"?"), u"l");
    EXPECT_EQ(config.GetString(u"url", u"?"), u"http:");
    // Blank and comment-only lines are not kept.
    EXPECT_EQ(config.lines.size(), 4u);
    EXPECT_EQ(config.lines[0], u"Width = 12");
}

TEST(ConfigParse, CrLfTabsAndAccentsAreRead) {
    const iConfig config = Parsed("\xEF\xBB\xBF" // a byte-order mark is not part of the key
                                  "\ttitre = \xC3\xA9l\xC3\xA9phant\t\r\n"
                                  "count=7\r\n"
                                  "last = fin");
    EXPECT_EQ(config.GetString(u"titre", u""), u"éléphant");
    EXPECT_EQ(config.GetInt(u"count", 0), 7);
    EXPECT_EQ(config.GetString(u"last", u""), u"fin");
    for (const String& line : config.lines)
        EXPECT_EQ(line.find(u'\r'), String::npos);
}

TEST(ConfigParse, FirstMatchDecidesAndOnlyTheFirstEqualsSplits) {
    const iConfig config = Parsed("a = 1\nA = 2\nb = x = y\nkey only\nempty =\n");
    EXPECT_EQ(config.GetInt(u"a", 9), 1);
    EXPECT_FLOAT_EQ(config.GetFloat(u"a", 9.0f), 1.0f);
    EXPECT_EQ(config.GetString(u"a", u""), u"1");
    EXPECT_EQ(config.GetIntArray(u"a", u",", {}), std::vector<int>{1});
    EXPECT_EQ(config.GetString(u"b", u""), u"x");
    // A line without "=" is a key with an empty value, never a crash.
    EXPECT_EQ(config.GetString(u"key only", u"default"), u"");
    EXPECT_EQ(config.GetInt(u"key only", 5), 0);
    // The asked key is not trimmed, the stored one is.
    EXPECT_EQ(config.GetInt(u" a", 9), 9);
}

TEST(ConfigGetters, NumbersDefaultsAndIntArrays) {
    const iConfig config = Parsed("empty =\nword = abc\nneg = -42px\nratio = 1.25\n"
                                  "exp = 2.5e2\nlist = 4, 5,,-6\nlist2 = 7\nbig = 99999999999\n");
    EXPECT_EQ(config.GetInt(u"empty", 5), 0);
    EXPECT_EQ(config.GetInt(u"absent", 5), 5);
    EXPECT_EQ(config.GetInt(u"word", 5), 0);
    EXPECT_EQ(config.GetInt(u"neg", 0), -42);
    EXPECT_EQ(config.GetInt(u"big", 0), 2147483647);
    EXPECT_FLOAT_EQ(config.GetFloat(u"word", 3.0f), 0.0f);
    EXPECT_FLOAT_EQ(config.GetFloat(u"absent", 3.0f), 3.0f);
    // Numbers read the same under any locale: the text helpers see to it.
    EXPECT_FLOAT_EQ(config.GetFloat(u"exp", 0.0f), 250.0f);
    EXPECT_FLOAT_EQ(config.GetFloat(u"ratio", 0.0f), 1.25f);
    EXPECT_EQ(config.GetIntArray(u"list", u",", {}), (std::vector<int>{4, 5, 0, -6}));
    EXPECT_EQ(config.GetIntArray(u"list2", u",", {}), std::vector<int>{7});
    EXPECT_EQ(config.GetIntArray(u"empty", u",", {1, 2}), (std::vector<int>{1, 2}));
    EXPECT_EQ(config.GetIntArray(u"absent", u",", {3}), std::vector<int>{3});
}

TEST(ConfigGetters, BoolSkipsValuesThatAreNeitherWord) {
    const iConfig config = Parsed("flag = yes\nFlag = TRUE \nother = 1\nother = False\n"
                                  "odd = oui\n");
    EXPECT_TRUE(config.GetBool(u"flag", false));
    EXPECT_FALSE(config.GetBool(u"other", true));
    EXPECT_TRUE(config.GetBool(u"odd", true));
    EXPECT_FALSE(config.GetBool(u"odd", false));
    EXPECT_TRUE(config.GetBool(u"absent", true));
}

TEST(ConfigKeys, HasKeyAndHasKeyPrefix) {
    const iConfig config = Parsed("Button.Width = 10\nmarker\nscroll.sliderV.image = s.png\n");
    EXPECT_TRUE(config.HasKey(u" button.width "));
    EXPECT_TRUE(config.HasKey(u"MARKER"));
    EXPECT_FALSE(config.HasKey(u"button"));
    EXPECT_TRUE(config.HasKeyPrefix(u"scroll.sliderV.", true));
    EXPECT_FALSE(config.HasKeyPrefix(u"scroll.sliderv.", true));
    EXPECT_TRUE(config.HasKeyPrefix(u"SCROLL.SLIDERV.", false));
    // The whole line counts, value included.
    EXPECT_TRUE(config.HasKeyPrefix(u"s.png", true));
    EXPECT_FALSE(config.HasKeyPrefix(u"sliderH.", false));
}

class ConfigLoad : public ::testing::Test {
  protected:
    void SetUp() override { folder = CaseFolder("config_load"); }
    String File(const std::string& name, const std::string& text) {
        return fixture::WriteFile(folder, name, text);
    }
    std::filesystem::path folder;
};

TEST_F(ConfigLoad, TheSamePathIsReadOnceUntilParseReplacesIt) {
    iConfig config;
    const String path = File("skin.txt", "width = 1\n");
    ASSERT_TRUE(config.Load(path));
    EXPECT_EQ(config.path, path);
    EXPECT_EQ(config.text, u"width = 1\n");
    File("skin.txt", "width = 2\n");
    EXPECT_TRUE(config.Load(path));
    EXPECT_EQ(config.GetInt(u"width", 0), 1);

    // Text parsed after a load does not stick to that path: the file is read again.
    config.Parse(u"height = 5");
    File("skin.txt", "width = 1\n");
    ASSERT_TRUE(config.Load(path));
    EXPECT_EQ(config.GetInt(u"width", 0), 1);
    EXPECT_FALSE(config.HasKey(u"height"));
}

TEST_F(ConfigLoad, MissingOrEmptyFileLeavesNoStaleLines) {
    iConfig config;
    const String good = File("good.txt", "width = 8\n");
    const String empty = File("empty.txt", "");
    const String blank = File("blank.txt", "// only a comment\n\n");
    EXPECT_FALSE(config.Load(fixture::ToString(folder / "absent.txt")));
    EXPECT_TRUE(config.lines.empty());
    ASSERT_TRUE(config.Load(good));

    EXPECT_FALSE(config.Load(fixture::ToString(folder / "absent.txt")));
    EXPECT_EQ(config.GetInt(u"width", -1), -1);
    EXPECT_TRUE(config.text.empty());

    // After a failure the good file is read again, not answered from a forgotten path.
    ASSERT_TRUE(config.Load(good));
    EXPECT_FALSE(config.Load(empty));
    EXPECT_FALSE(config.HasKey(u"width"));

    // A file with text but no setting loads and holds nothing.
    ASSERT_TRUE(config.Load(good));
    EXPECT_FALSE(config.Load(blank));
    EXPECT_FALSE(config.HasKey(u"width"));
}

TEST_F(ConfigLoad, RelativeNamesResolveUnderTheDataFolder) {
    File("sliderv.txt", "bar.width=30\r\nbar.height=200\r\n");
    platform::SetDataFolder(fixture::ToString(folder));
    iConfig config;
    const bool loaded = config.Load(u"sliderv.txt");
    platform::SetDataFolder(u"");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(config.GetInt(u"bar.height", 0), 200);
}
