// Text input: every character typed since the last update taken in order, Backspace, the length
// limit, only codes the font can draw, and the cursor blinking 20 updates shown and 21 hidden.
#include "gui/input.h"
#include "gui_fixture.h"

namespace {

class InputTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        font = TestFont();
        for (int c = 'a'; c <= 'z'; ++c) {
            font->images[static_cast<std::size_t>(c)] = Solid(10, 20, u"glyphe");
        }
        input = Add<iGuiInput>(100, 100);
        input->SetFont(font);
        input->width = 350;
        input->SetMaxChar(20);
    }

    void Type(int code) {
        platform::Input().Type(code);
        Step();
    }

    std::shared_ptr<iBitmapFont> font;
    std::shared_ptr<iGuiInput> input;
};

} // namespace

// Fast typing, or a loaded machine, brings several characters between two updates: none is
// lost, and a Backspace among them takes back the character before it.
TEST_F(InputTest, EveryCharacterTypedSinceTheLastUpdateIsTakenInOrder) {
    for (int code : {int{'l'}, int{'e'}, int{'x'}, 8, int{'o'}}) {
        platform::Input().Type(code);
    }
    Step();
    EXPECT_EQ(input->GetText(), u"leo");
    Step();
    EXPECT_EQ(input->GetText(), u"leo");
    input->SetText(u"a");
    Type('c');
    Type(8);
    Type(8);
    Type(8);
    EXPECT_EQ(input->GetText(), u"");
    for (int code : {13, 27, 9, platform::SpecialCharBase + 37}) {
        Type(code);
    }
    EXPECT_EQ(input->GetText(), u"");
}

TEST_F(InputTest, NeverHoldsMoreThanItsLimit) {
    for (int i = 0; i < 25; ++i) {
        Type('a' + i);
    }
    EXPECT_EQ(input->GetText(), u"abcdefghijklmnopqrst");
    Type(8);
    EXPECT_EQ(input->GetText().size(), 19u);
    input->SetText(u"un nom bien trop long pour la case");
    EXPECT_EQ(input->GetText(), u"un nom bien trop lon");

    input->SetMaxChar(-1);
    input->SetText(u"");
    Type('a');
    EXPECT_EQ(input->GetText(), u"");
}

TEST_F(InputTest, WithoutALimitTheWidthDecides) {
    input->SetMaxChar(0);
    // Text plus cursor plus one more cursor must stay under 100: eight letters.
    input->width = 100;
    for (int i = 0; i < 12; ++i) {
        Type('a');
    }
    EXPECT_EQ(input->GetText().size(), 8u);
}

TEST_F(InputTest, OnlyCodesTheFontCanDrawAreTaken) {
    Type(233);
    Type(0x263A);
    Type(0x0152);
    Type(127);
    Type(31);
    EXPECT_EQ(input->GetText(), u"");
    // Space needs no glyph; é does.
    Type(' ');
    font->images[233] = Solid(10, 20, u"glyphe");
    Type(233);
    EXPECT_EQ(input->GetText(), u" é");
    // "œ" in a font that draws it only as "oe", then "’" with a glyph of its own: both kept as
    // typed. ("Œ" above had neither glyph nor "O" and "E".)
    Type(0x0153);
    font->images[0x92] = Solid(4, 20, u"glyphe");
    Type(0x2019);
    EXPECT_EQ(input->GetText(), u" é\u0153\u2019");
}

TEST_F(InputTest, CursorBlinksTwentyShownTwentyOneHidden) {
    EXPECT_TRUE(input->CursorShown());
    std::u16string pattern;
    for (int i = 0; i < 42; ++i) {
        Step();
        pattern += input->CursorShown() ? u'1' : u'0';
    }
    EXPECT_EQ(pattern, std::u16string(20, u'1') + std::u16string(21, u'0') + u"1");

    // Another input's focus stops the typing and hides the cursor.
    playfield->focusedInputId = 7;
    Type('z');
    EXPECT_EQ(input->GetText(), u"");
    EXPECT_FALSE(input->CursorShown());
    // Pressed and released on it, the input takes the keyboard back.
    Point(110, 110);
    Press();
    Step();
    Release();
    Step();
    EXPECT_EQ(playfield->focusedInputId, 0);
    Type('z');
    EXPECT_EQ(input->GetText(), u"z");
}
