// Word wrap and the wrapped text field: line breaks by width and by line feed, the maximum line
// count, and re-wrapping on every change of text.
#include "gui/label.h"
#include "gui/text_field.h"
#include "gui_fixture.h"

namespace {

class TextTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        font = TestFont();
    }

    std::shared_ptr<iGuiTextField> Field(int width, const String& text) {
        auto field = Add<iGuiTextField>(0, 0);
        field->SetFont(font);
        field->SetWidth(static_cast<float>(width));
        field->SetText(text);
        return field;
    }

    std::shared_ptr<iBitmapFont> font;
};

using Lines = std::vector<String>;

} // namespace

TEST_F(TextTest, WordWrapBreaksAtTheWidthAndKeepsOneTrailingSpace) {
    // "le chat" is 70 wide: it fits in 75, "le chat dort" does not.
    EXPECT_EQ(WordWrap(font.get(), 75, u"le chat dort"), (Lines{u"le chat ", u"dort "}));
    // A word exactly as wide as the limit does not fit: the limit must be greater.
    EXPECT_EQ(WordWrap(font.get(), 40, u"abcd"), (Lines{u"", u"abcd "}));
    // A word wider than the width stands alone, after an empty line when it comes first.
    EXPECT_EQ(WordWrap(font.get(), 50, u"anticonstitutionnellement ou"),
              (Lines{u"", u"anticonstitutionnellement ", u"ou "}));
    EXPECT_EQ(WordWrap(font.get(), 50, u"un anticonstitutionnellement"),
              (Lines{u"un ", u"anticonstitutionnellement "}));
}

TEST_F(TextTest, WordWrapBreaksAtLineFeeds) {
    EXPECT_EQ(WordWrap(font.get(), 500, u"Bonjour\n\nmonde"), (Lines{u"Bonjour", u"", u"monde "}));
    // A carriage return before the line feed is trimmed away.
    EXPECT_EQ(WordWrap(font.get(), 500, u"un\r\ndeux"), (Lines{u"un", u"deux "}));
    EXPECT_EQ(WordWrap(font.get(), 500, u"fin\n"), (Lines{u"fin", u" "}));
    EXPECT_EQ(WordWrap(font.get(), 500, u""), (Lines{u" "}));
    EXPECT_EQ(WordWrap(nullptr, 500, u"sans police"), (Lines{u"sans police "}));
}

TEST_F(TextTest, TheMaximumLineCountCutsTheLinesAndFixesTheHeight) {
    auto field = Field(500, u"a\nb\nc\nd\ne");
    EXPECT_FLOAT_EQ(field->Height(), 100);
    field->SetHeight(2);
    Step();
    ASSERT_TRUE(field->lines);
    EXPECT_EQ(*field->lines, (Lines{u"a", u"b"}));
    EXPECT_FLOAT_EQ(field->Height(), 40);

    auto empty = Field(500, u"");
    Step();
    EXPECT_FLOAT_EQ(empty->Height(), 20);
}

TEST_F(TextTest, EveryChangeOfTextIsWrappedAgainAlsoAfterAnEmptyText) {
    auto field = Field(500, u"");
    Step();
    EXPECT_EQ(*field->lines, (Lines{u" "}));
    field->SetText(u"Et voilà !");
    Step();
    EXPECT_EQ(*field->lines, (Lines{u"Et voilà ! "}));
    field->SetText(u"Suite");
    Step();
    EXPECT_EQ(*field->lines, (Lines{u"Suite "}));
    // A ghosted field keeps wrapping.
    field->ghost = true;
    field->SetText(u"");
    Step();
    EXPECT_EQ(*field->lines, (Lines{u" "}));
}

// A rim around pale text: the text drawn eight times around its place in the rim's colour,
// then once in its own; a label and a field alike, and nothing more without it.
TEST_F(TextTest, AnOutlinedTextIsDrawnInItsRimColourAllAroundThenInItsOwn) {
    font->images['a'] = Solid(10, 20, u"glyphe");
    auto field = Field(200, u"a");
    field->SetColor(255, 255, 255);
    auto label = Add<iGuiLabel>(0, 100);
    label->SetFont(font);
    label->SetText(u"a");
    for (iGuiObject* widget :
         {static_cast<iGuiObject*>(field.get()), static_cast<iGuiObject*>(label.get())}) {
        auto& outline =
            field.get() == widget ? field->outline : static_cast<iGuiLabel*>(widget)->outline;
        for (bool on : {false, true}) {
            outline.on = on;
            Step();
            graphics.commands.clear();
            Frame();
            std::vector<const platform::DrawCommand*> glyphs;
            for (const auto& c : graphics.commands) {
                if (c.kind == platform::DrawCommand::ImageDraw &&
                    (c.points[1] < 90) == (widget == field.get())) {
                    glyphs.push_back(&c);
                }
            }
            ASSERT_EQ(glyphs.size(), on ? 9u : 1u);
            EXPECT_EQ(glyphs.back()->color, (std::array<float, 3>{255, 255, 255}));
            if (on) {
                EXPECT_EQ(glyphs.front()->color, (std::array<float, 3>{25, 30, 25}));
                EXPECT_NEAR(glyphs.back()->points[0] - glyphs.front()->points[0], 2, 0.01);
            }
        }
    }
}

// Layout asks for the height of a field not yet wrapped many times a frame; the wrap it keeps
// must follow every change of text, font (another one, even one made where a dead one was, or
// another spacing) and width.
TEST_F(TextTest, TheHeightFollowsEveryChangeOfTextFontAndWidth) {
    auto field = Field(75, u"le chat dort");
    EXPECT_FLOAT_EQ(field->Height(), 40);
    field->SetText(u"le chat dort sur le tapis");
    EXPECT_FLOAT_EQ(field->Height(), 80);
    field->SetWidth(500);
    EXPECT_FLOAT_EQ(field->Height(), 20);

    auto wide = TestFont();
    wide->advance.fill(100);
    field->SetFont(wide);
    EXPECT_FLOAT_EQ(field->Height(), 120);
    wide->spacing = 500;
    EXPECT_FLOAT_EQ(field->Height(), 140);
    field->SetFont(nullptr);
    EXPECT_FLOAT_EQ(field->Height(), 0);

    // A new font of other widths in the place of one that died.
    field->SetFont(TestFont());
    EXPECT_FLOAT_EQ(field->Height(), 20);
    field->SetFont(nullptr);
    auto narrow = TestFont();
    narrow->advance.fill(1000);
    field->SetFont(narrow);
    EXPECT_FLOAT_EQ(field->Height(), 140);
    // The update wraps the same way.
    Step();
    EXPECT_EQ(field->lines->size(), 7u);
}
