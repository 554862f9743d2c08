// The widget base: hit testing, pointer claims between overlapping widgets, the press state
// machine with its events, and widgets cut off from any playfield.
#include <memory>
#include <vector>

#include "framework/playfield.h"
#include "gui_fixture.h"

namespace {

// A widget that reacts to the pointer, as buttons do.
class Pressable : public iGuiObject {
  public:
    int updates = 0;
    bool removeSelfOnUpdate = false;
    void Update() override {
        ++updates;
        iGuiObject::Update();
        UpdateEvents();
        if (removeSelfOnUpdate) {
            Remove();
        }
    }
    void Render() override { platform::DrawRect(x, y, 1, 1); }
};

class WidgetTest : public GuiTest {
  protected:
    std::shared_ptr<iPlayfield> AddPlayfield() {
        auto added = std::make_shared<iPlayfield>();
        added->New();
        added->AddToEngine(*screen);
        return added;
    }

    std::shared_ptr<Pressable> AddWidget(const String& name, float x, float y) {
        auto widget = Add<Pressable>(x, y);
        widget->name = name;
        widget->SetSize(100, 50);
        return widget;
    }

    static std::vector<String> EventNames() {
        std::vector<String> names;
        for (int i = 0; i < TheEventList.Count(); ++i) {
            names.push_back(TheEventList.Get(i)->name);
        }
        return names;
    }
};

} // namespace

TEST_F(WidgetTest, OnlyTheLaterOfTwoOverlappingWidgetsIsOver) {
    auto below = AddWidget(u"dessous", 100, 100);
    auto above = AddWidget(u"dessus", 150, 120);
    Point(160, 130);
    Step();
    EXPECT_TRUE(above->over);
    EXPECT_FALSE(below->over);
    Press();
    Step();
    EXPECT_TRUE(above->hit);
    EXPECT_FALSE(below->hit);
    EXPECT_FALSE(below->entered);
    EXPECT_EQ(EventNames(),
              (std::vector<String>{u"dessus.Entered", u"dessus.Hit", u"dessus.Down"}));

    // A widget that only shows something does not shield the one below it.
    Release();
    Step();
    above->exclusive = false;
    Press();
    Step();
    EXPECT_TRUE(below->hit);
}

TEST_F(WidgetTest, PressStateMachine) {
    auto button = AddWidget(u"ok", 100, 100);

    // Pressed outside, slid on, released: neither Hit nor Released.
    Point(50, 50);
    Press();
    Step();
    Point(120, 120);
    Step();
    EXPECT_TRUE(button->entered);
    EXPECT_FALSE(button->hit);
    Release();
    Step();
    EXPECT_FALSE(button->released);
    EXPECT_EQ(button->pressState, 0);

    // Pressed on it: Hit and Down in the first frame, Released over it.
    Press();
    Step();
    EXPECT_TRUE(button->hit && button->down);
    EXPECT_TRUE(button->Hit());
    EXPECT_FALSE(button->Hit());
    Step();
    EXPECT_TRUE(button->down);
    EXPECT_FALSE(button->hit);
    Release();
    Step();
    EXPECT_TRUE(button->released);

    // Leaving for two frames while held, then coming back: Left, Entered, no second Hit.
    Press();
    Step();
    Point(10, 10);
    Step();
    EXPECT_TRUE(button->left);
    Step();
    Point(120, 120);
    Step();
    EXPECT_TRUE(button->entered);
    EXPECT_FALSE(button->hit);
    Release();
    Step();
    EXPECT_FALSE(button->released);

    // Coming back in the very next frame counts as a new press.
    Press();
    Step();
    Point(10, 10);
    Step();
    Point(120, 120);
    Step();
    EXPECT_TRUE(button->hit);
    Release();
    Step();

    // Becoming active while the touch is held over it: Hit in its first frame.
    button->SetStatus(0);
    Press();
    Step();
    button->status = 1;
    Step();
    EXPECT_TRUE(button->hit);
}

TEST_F(WidgetTest, AWidgetBackFromABreakForgetsItsPressAndAttachingTwiceChangesNothing) {
    auto button = AddWidget(u"ok", 100, 100);
    Point(120, 120);
    Press();
    Step();
    EXPECT_TRUE(button->Hit());
    // Taken off while held; the press ends and a new one starts meanwhile: a Hit on return.
    button->SetStatus(0);
    Release();
    Step();
    Press();
    Step();
    button->SetStatus(1);
    Step();
    EXPECT_TRUE(button->Hit());
    // Ghosted while held and back after the release: no Released without a Hit.
    button->ghost = true;
    Release();
    Step(2);
    button->ghost = false;
    Step();
    EXPECT_FALSE(button->released);

    button->SetPlayfield(playfield);
    EXPECT_EQ(playfield->CurrentPageList()->Count(), 1);
    Press();
    Step();
    EXPECT_TRUE(button->Hit());
}

TEST_F(WidgetTest, HitTestEdgesRotationAndPlayfieldScale) {
    auto button = AddWidget(u"", 100, 100);
    button->CacheBounds();
    Point(200, 150);
    EXPECT_TRUE(button->HitTest(0));
    Point(200.5f, 150);
    EXPECT_FALSE(button->HitTest(0));

    // Turned by 90 degrees its width runs downwards from its position.
    button->rotation = 90;
    button->CacheBounds();
    Point(98, 130);
    EXPECT_TRUE(button->HitTest(0));
    Point(130, 102);
    EXPECT_FALSE(button->HitTest(0));

    // Touch coordinates are the playfield's units.
    button->rotation = 0;
    button->CacheBounds();
    playfield->scaleX = playfield->scaleY = 0.5f;
    playfield->x = 20;
    Point(20 + 0.5f * 150, 0.5f * 120);
    EXPECT_FLOAT_EQ(button->TouchX(0), 150);
    EXPECT_TRUE(button->HitTest(0));
}

TEST_F(WidgetTest, PlayfieldUnderAnotherOneIsNotHitUnlessItIsTheGuiPlayfield) {
    auto button = AddWidget(u"cache", 100, 100);
    auto cover = AddPlayfield();
    Point(120, 120);
    Press();
    Step();
    EXPECT_FALSE(button->hit);
    Release();
    Step();

    GuiPlayfield = playfield;
    Press();
    Step();
    EXPECT_TRUE(button->hit);
    GuiPlayfield.reset();

    button->checkPlayfield = false;
    EXPECT_TRUE(button->HitTest(0));
}

TEST_F(WidgetTest, EventNamesCarryTheGroupPathAndAreNotRepeated) {
    auto group = AddWidget(u"menu", 0, 0);
    auto unnamed = std::make_shared<Pressable>();
    unnamed->parent = group;
    auto named = std::make_shared<Pressable>();
    named->name = u"ok";
    named->parent = group;
    unnamed->RaiseEvent(u"Hit");
    named->RaiseEvent(u"Hit");
    named->RaiseEvent(u"Hit");
    named->RaiseEvent(u"");
    group->RaiseEvent(u"Left");
    EXPECT_EQ(EventNames(), (std::vector<String>{u"menu.Hit", u"menu.ok.Hit", u"menu.Left"}));

    // A child's playfield is its root group's.
    EXPECT_EQ(named->GetPlayfield(), playfield);
}

TEST_F(WidgetTest, WidgetWithoutPlayfieldIsNeverReached) {
    auto orphan = AddWidget(u"seul", 100, 100);
    orphan->Destroy();
    EXPECT_EQ(orphan->GetPlayfield(), nullptr);
    Point(120, 120);
    Press();
    orphan->CacheBounds();
    orphan->UpdatePointer();
    EXPECT_FALSE(orphan->over);
    EXPECT_FALSE(orphan->HitTest(0));
    EXPECT_EQ(PointerOwner, nullptr);
    orphan->UpdateEvents();
    EXPECT_FALSE(orphan->Hit());
    EXPECT_FLOAT_EQ(orphan->TouchX(0), 120);
    orphan->Remove();
    EXPECT_EQ(orphan->status, 0);
}

TEST_F(WidgetTest, RemovalDuringTheGuiPassSkipsNobody) {
    auto first = AddWidget(u"a", 0, 0);
    auto leaving = AddWidget(u"b", 0, 0);
    auto last = AddWidget(u"c", 0, 0);
    leaving->removeSelfOnUpdate = true;
    leaving->destroyOnRemove = true;
    Step();
    EXPECT_EQ(first->updates, 1);
    EXPECT_EQ(leaving->updates, 1);
    EXPECT_EQ(last->updates, 1);
    EXPECT_EQ(playfield->CurrentPageList()->Count(), 2);
    EXPECT_TRUE(leaving->playfield.expired());
    Step();
    EXPECT_EQ(last->updates, 2);
}

TEST_F(WidgetTest, ModalWidgetAloneIsUpdatedButAllAreDrawn) {
    auto page = AddWidget(u"page", 0, 0);
    auto dialog = AddWidget(u"boite", 300, 300);
    playfield->modalObject = dialog;
    Step();
    EXPECT_EQ(page->updates, 0);
    EXPECT_EQ(dialog->updates, 1);
    Frame();
    // The page widgets, the veil, then the modal widget.
    const auto& drawn = graphics.commands;
    ASSERT_GE(drawn.size(), 4u);
    EXPECT_NEAR(drawn[drawn.size() - 2].alpha, 0.75f, 1e-6);
    EXPECT_FLOAT_EQ(drawn.back().points[0], 300);

    dialog->Remove();
    EXPECT_EQ(playfield->modalObject, nullptr);
}

TEST(WidgetShapesTest, RotatedRectangleAndOverlapHelpers) {
    EXPECT_TRUE(PointInRotatedRect(0, 0, 10, 10, 10, 10, 0, 0, 0));
    EXPECT_FALSE(PointInRotatedRect(0, 0, 10, 10, 10.5f, 5, 0, 0, 0));
    // Rectangles that only touch do not overlap.
    EXPECT_FALSE(RectsOverlap(0, 0, 10, 10, 10, 0, 10, 10));
    EXPECT_TRUE(RectsOverlap(0, 0, 10, 10, 9, 0, 10, 10));
}
