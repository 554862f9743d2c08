// Skins and placement: percentage, relative and automatic positions, scale keys, and the
// widgets remembered as "previous" at root level and inside a group.
#include "framework/config.h"
#include "gui/skin.h"
#include "gui_fixture.h"

namespace {

// The smallest group: a widget with a child list.
class Group : public iGuiObject {
  public:
    iList4 children;
    iList4* ChildList() override { return &children; }
};

class PlacementTest : public GuiTest {
  protected:
    std::shared_ptr<iGuiObject> Widget(int w, int h, float x = 0, float y = 0) {
        auto widget = Add<iGuiObject>(x, y);
        widget->SetSize(w, h);
        return widget;
    }

    static void Skin(iGuiObject& widget, const String& text) {
        iConfig config;
        config.Parse(text);
        widget.LoadSkin(config, u"");
    }
};

} // namespace

TEST_F(PlacementTest, PercentagesCountFromThePlayfieldOrTheGroup) {
    auto root = Widget(200, 100);
    Skin(*root, u"x = 50%\ny = 50%");
    EXPECT_FLOAT_EQ(root->x, 540);
    EXPECT_FLOAT_EQ(root->y, 334);

    auto group = Widget(400, 300);
    auto child = std::make_shared<iGuiObject>();
    child->New();
    child->SetSize(200, 100);
    child->SetParent(group);
    Skin(*child, u"x = 50%\ny = 100%");
    EXPECT_FLOAT_EQ(child->x, 100);
    EXPECT_FLOAT_EQ(child->y, 200);
}

TEST_F(PlacementTest, RelativePlacementFindsTheOtherWidgetByName) {
    auto frame = Widget(300, 100, 100, 50);
    frame->name = u"cadre";
    auto widget = Widget(40, 20, 7, 9);

    Skin(*widget, u"x = -10 ,  cadre\ny = 100%,cadre");
    EXPECT_FLOAT_EQ(widget->x, 90);
    EXPECT_FLOAT_EQ(widget->y, 50 + 100 - 10);

    // An unknown name or three pieces leave the coordinates alone.
    Skin(*widget, u"x = 5, personne\ny = 1, 2, cadre");
    EXPECT_FLOAT_EQ(widget->x, 90);
    EXPECT_FLOAT_EQ(widget->y, 140);

    // With two widgets of one name the one reached last wins.
    auto second = Widget(10, 10, 500, 0);
    second->name = u"cadre";
    EXPECT_EQ(FindObjectByName(u"cadre").get(), second.get());
}

TEST_F(PlacementTest, AutomaticPositionsFollowThePreviousWidgetOfTheSameLevel) {
    auto first = Widget(100, 30, 20, 40);
    auto second = Widget(100, 30);
    Skin(*second, u"autoy = 4");
    EXPECT_FLOAT_EQ(second->x, 20);
    EXPECT_FLOAT_EQ(second->y, 74);

    auto third = Widget(50, 30);
    Skin(*third, u"autox = 8");
    EXPECT_FLOAT_EQ(third->x, 128);
    EXPECT_FLOAT_EQ(third->y, 74);

    auto fourth = Widget(50, 30);
    Skin(*fourth, u"y = 5\nautox = 8");
    EXPECT_FLOAT_EQ(fourth->y, 5);
    EXPECT_FLOAT_EQ(fourth->x, 186);

    // A group's first child has no previous widget, whatever was attached at root level.
    auto group = std::make_shared<Group>();
    group->New();
    group->SetPlayfield(playfield);
    auto child = std::make_shared<iGuiObject>();
    child->New();
    child->SetParent(group);
    EXPECT_EQ(group->children.Count(), 1);
    Skin(*child, u"autox = 8\nautoy = 8");
    EXPECT_FLOAT_EQ(child->x, 0);
    EXPECT_FLOAT_EQ(child->y, 0);
    auto sibling = std::make_shared<iGuiObject>();
    sibling->New();
    sibling->SetSize(10, 10);
    sibling->SetParent(group);
    child->SetSize(60, 20);
    Skin(*sibling, u"autox = 8");
    EXPECT_FLOAT_EQ(sibling->x, 68);
}
