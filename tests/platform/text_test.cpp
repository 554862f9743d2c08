// French text through the String helpers: UTF-8 both ways, slicing, numbers in any locale,
// accented case change.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "platform/text.h"

using namespace platform;

TEST(Utf8, FrenchTextRoundTrips) {
    const std::string utf8 = "Le garçon à l'école mange où ? éèêàâçô ÉÀ";
    const String text = FromUtf8(utf8);
    EXPECT_EQ(text, u"Le garçon à l'école mange où ? éèêàâçô ÉÀ");
    EXPECT_EQ(ToUtf8(text), utf8);
    // Indexing is per unit: one unit per accented letter.
    EXPECT_EQ(FromUtf8("é").size(), 1u);
    EXPECT_EQ(FromUtf8("é")[0], 0xE9);
}

TEST(Utf8, ByteOrderMarkIsSkippedAndInvalidBytesKeptAsLatin1) {
    EXPECT_EQ(FromUtf8("\xEF\xBB\xBFphrase"), u"phrase");
    // An old Latin-1 file: "é" is the single byte E9, "ç" E7.
    EXPECT_EQ(FromUtf8("caf\xE9 gar\xE7on"), u"café garçon");
    // A lead byte without its continuation, an overlong form, a lone continuation byte.
    EXPECT_EQ(FromUtf8("a\xC3"), (String{u'a', 0xC3}));
    EXPECT_EQ(FromUtf8("\xC0\xAF"), (String{0xC0, 0xAF}));
    EXPECT_EQ(FromUtf8("\x80z"), (String{0x80, u'z'}));
    // No terminator and no mark are written.
    EXPECT_EQ(ToUtf8(u"à"), "\xC3\xA0");
}

TEST(Utf8, SurrogatePairsBecomeOneFourByteSequence) {
    const String emoji = FromUtf8("\xF0\x9F\x99\x82");
    ASSERT_EQ(emoji.size(), 2u);
    EXPECT_EQ(ToUtf8(emoji), "\xF0\x9F\x99\x82");
}

TEST(Slicing, NegativeIndexesCountFromTheEnd) {
    const String word = u"éléphant";
    EXPECT_EQ(Slice(word, 1), u"léphant");
    EXPECT_EQ(Slice(word, 0, -1), u"éléphan");
    EXPECT_EQ(Slice(word, -4), u"hant");
    EXPECT_EQ(Slice(word, -100, 2), u"él");
    EXPECT_EQ(Slice(word, 5, 2), u"");
    EXPECT_EQ(Slice(u"", -1), u"");
    EXPECT_EQ(Left(word, 100), word);
    EXPECT_EQ(Left(word, -3), u"");
}

// Exactness is the round trip's business below; this is the form of the text.
TEST(Numbers, FloatTextHasSeventeenDigitsAtMostAndAPoint) {
    const std::pair<double, const char16_t*> cases[] = {
        {1.0, u"1.0"},
        {-3.0, u"-3.0"},
        {0.885417, u"0.885417"},
        // A float widened to double shows all the digits that tell it apart.
        {static_cast<double>(0.1f), u"0.10000000149011612"},
        // Trailing zeros stay digits; an exponent only below -4 or from 17 up, and needs no ".0".
        {1280.0, u"1280.0"},
        {1e16, u"10000000000000000.0"},
        {0.0001, u"0.0001"},
        {1e20, u"1e+20"},
        {0.00001, u"1e-05"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(ToUtf8(Str(value)), ToUtf8(text));
    EXPECT_EQ(Str(-42), u"-42");
}

// Any double written and read back by the C library in the "C" locale is the same double.
TEST(Numbers, FloatTextReadsBackExactly) {
    std::mt19937_64 random(1234);
    for (int i = 0; i < 20000; ++i) {
        std::uint64_t bits = random();
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value))
            continue;
        const std::string text = ToUtf8(Str(value));
        ASSERT_EQ(std::strtod(text.c_str(), nullptr), value) << text;
        ASSERT_NE(text.find_first_of(".e"), std::string::npos) << text;
    }
}

// Whatever the damage, ToFloat reads what strtof reads in the "C" locale (no "inf", "nan" or
// hexadecimal: "0x" stops at the "x"), ToInt what a strtol held to the int range reads.
TEST(Numbers, ReadingLikeAtoiAndAtof) {
    // Exponents past the int range saturate instead of wrapping.
    EXPECT_EQ(ToFloat(u"1e4294967296"), HUGE_VALF);
    EXPECT_EQ(ToFloat(u"-1e2147483648"), -HUGE_VALF);
    EXPECT_EQ(ToFloat(u"5e-99999999999999999999"), 0.0f);
    EXPECT_EQ(ToFloat(u"inf"), 0.0f);
    const std::string pieces[] = {"0",
                                  "7",
                                  "9",
                                  ".",
                                  "e",
                                  "E",
                                  "-",
                                  "+",
                                  " ",
                                  "z",
                                  ",",
                                  "e9999999999",
                                  "12345678901234567890",
                                  "3.4028236e38",
                                  "1e-46"};
    std::mt19937 random(20261206);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        for (int n = 1 + static_cast<int>(random() % 6); n > 0; --n)
            text += pieces[random() % std::size(pieces)];
        ASSERT_EQ(ToFloat(FromUtf8(text)), std::strtof(text.c_str(), nullptr)) << text;
        const long wide = std::strtol(text.c_str(), nullptr, 10);
        ASSERT_EQ(ToInt(FromUtf8(text)), std::clamp<long>(wide, INT_MIN, INT_MAX)) << text;
    }
}

// Under a French locale the C library writes and reads "0,5"; the game's texts must not change.
TEST(Numbers, IndependentOfAFrenchLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "fr_FR.UTF-8") == nullptr) {
        GTEST_SKIP() << "fr_FR.UTF-8 locale not installed";
    }
    const String written = Str(0.5);
    const float read = ToFloat(u"0.75");
    const String big = Str(1234.25);
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(written, u"0.5");
    EXPECT_EQ(big, u"1234.25");
    EXPECT_FLOAT_EQ(read, 0.75f);
}

TEST(CaseChange, Latin1LettersChangeCaseBothWays) {
    EXPECT_EQ(ToUpper(u"éléphant à ç"), u"ÉLÉPHANT À Ç");
    EXPECT_EQ(ToLower(u"ÉLÉPHANT À Ç ÔÊ"), u"éléphant à ç ôê");
    // ÷ and × are not letters; ß and ÿ have no Latin-1 capital.
    EXPECT_EQ(ToUpper(u"÷ßÿ"), u"÷ßÿ");
    EXPECT_EQ(ToLower(u"×"), u"×");
    EXPECT_EQ(ToUpperUnit(u'à'), u'À');
    EXPECT_EQ(ToLowerUnit(u'É'), u'é');
}

TEST(Pieces, SplitKeepsEmptyPiecesAndJoinUndoesIt) {
    const auto pieces = Split(u"a**b****c", u"**");
    ASSERT_EQ(pieces.size(), 4u);
    EXPECT_EQ(pieces[2], u"");
    EXPECT_EQ(Join(pieces, u"**"), u"a**b****c");
    EXPECT_EQ(Split(u"", u",").size(), 1u);
    EXPECT_EQ(Replace(u"aaa", u"a", u"aa"), u"aaaaaa");
    EXPECT_EQ(Replace(u"le  chat  .", u"  ", u" "), u"le chat .");
    EXPECT_EQ(Trim(u"\t\r\n mot \n"), u"mot");
    EXPECT_EQ(Find(u"le chat", u"chat", 4), -1);
    EXPECT_EQ(Find(u"le chat", u"", 100), -1);
}
