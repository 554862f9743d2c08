// Links: highlighted on hover (desktop) or only while pressed, the underline only in the
// highlighted look, and no size (so no hit) without a font.
#include "gui/link.h"
#include "gui_fixture.h"

namespace {

class LinkTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        link = Add<iGuiLink>(100, 100);
        link->font = TestFont();
        link->text = u"aide";
    }

    int Lines() const {
        int found = 0;
        for (const auto& command : graphics.commands) {
            found += command.kind == platform::DrawCommand::Line;
        }
        return found;
    }

    std::shared_ptr<iGuiLink> link;
};

} // namespace

TEST_F(LinkTest, HighlightFollowsHoverOrPress) {
    Point(110, 110);
    Step();
    EXPECT_EQ(link->visualState, 0);
    Press();
    Step();
    EXPECT_EQ(link->visualState, 1);
    Release();
    Step();
    EXPECT_EQ(link->visualState, 0);

    link->desktop = true;
    Step();
    EXPECT_EQ(link->visualState, 1);
    Point(300, 300);
    Step();
    EXPECT_EQ(link->visualState, 0);
}

TEST_F(LinkTest, UnderlineOnlyWhenHighlighted) {
    link->underline = true;
    link->underlineOffset = 3;
    link->scaleY = 2;
    // The line height of 20 plus 8 for the underline.
    EXPECT_FLOAT_EQ(link->Height(), 48);
    Frame();
    EXPECT_EQ(Lines(), 0);
    Point(110, 110);
    Press();
    Step();
    Frame();
    EXPECT_EQ(Lines(), 1);
    link->ghost = true;
    Frame();
    EXPECT_EQ(Lines(), 0);
}

TEST_F(LinkTest, WithoutAFontItCannotBeHit) {
    link->font.reset();
    EXPECT_FLOAT_EQ(link->Width(), 0);
    Point(100, 100);
    Press();
    Step();
    EXPECT_FALSE(link->hit);
}
