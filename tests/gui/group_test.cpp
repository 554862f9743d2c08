// Groups and items scripts: sections split at empty lines whatever the line ends, unknown or
// non-widget classes dropped, automatic placement after the previous child, content size over
// active children only, children taking the pointer before their group; the object factory;
// scripts bounded and kept in the data folder, and damaged scripts read without harm.
#include "fixture_png.h"
#include "framework/config.h"
#include "framework/layer.h"
#include "framework/layer_shapes.h"
#include "framework/mutator.h"
#include "gui/button.h"
#include "gui/group.h"
#include "gui/label.h"
#include "gui/object_factory.h"
#include "gui/scroll_box.h"
#include "gui/shapes.h"
#include "gui/slider.h"
#include "gui_fixture.h"

#include <climits>
#include <fstream>

namespace {

class GroupTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        group = Add<iGuiGroup>(100, 100);
    }

    std::shared_ptr<iGuiGroup> group;
};

std::shared_ptr<iObject> Make(const String& section) {
    iConfig config;
    config.Parse(section);
    return iEngine::CreateObject(config);
}

} // namespace

TEST_F(GroupTest, SectionsSplitAtEmptyLinesWhateverTheLineEnds) {
    group->ParseItemsScript(u"class=iGuiRectangle\r\nname=un\r\n\r\nclass=iGuiRectangle\r\n"
                            u"name=deux\r\n");
    ASSERT_EQ(group->children.Count(), 2);
    EXPECT_EQ(group->children.Get(1)->name, u"deux");
    EXPECT_EQ(group->children.Get(1)->skinConfig->GetString(u"name"), u"deux");

    // Four line feeds leave an empty section, three no extra one.
    EXPECT_EQ(SplitItemSections(u"class=a\n\n\n\nclass=b").size(), 2u);
    EXPECT_EQ(SplitItemSections(u"class=a\n\n\nclass=b").size(), 2u);
    EXPECT_EQ(SplitItemSections(u"class=a\n  \nclass=b").size(), 1u);
    EXPECT_EQ(SplitItemSections(u"class=a\r\rclass=b").size(), 2u);
    EXPECT_TRUE(SplitItemSections(u"").empty());
}

TEST_F(GroupTest, OnlyWidgetClassesBecomeChildren) {
    group->ParseItemsScript(u"class=iLayerSprite\n\nclass=iGuiBouton\n\nname=sans classe\n\n"
                            u"class=iguilabel\n\nclass=iGuiLabel\nname=gardé");
    ASSERT_EQ(group->children.Count(), 1);
    EXPECT_EQ(group->children.Get(0)->name, u"gardé");
    EXPECT_EQ(group->children.Get(0)->GetParent(), group);
}

TEST_F(GroupTest, AutoPlacementFollowsThePreviousChild) {
    group->ParseItemsScript(u"class=iGuiRectangle\nx=10\ny=20\nheight=40\nwidth=50\n\n"
                            u"class=iGuiRectangle\nheight=5\nwidth=5\nautoy=4");
    ASSERT_EQ(group->children.Count(), 2);
    auto second = group->children.Get(1);
    EXPECT_FLOAT_EQ(second->x, 10);
    EXPECT_FLOAT_EQ(second->y, 64);
}

TEST_F(GroupTest, ItemsScriptNamedByTheSkinNestsGroups) {
    const std::string folder = CaseFolder("items_script").string();
    platform::SetDataFolder(platform::FromUtf8(folder));
    std::ofstream(folder + "/panneau.txt")
        << "class=iGuiGroup\nname=sous\nitemsScript=interieur.txt\n\nclass=iGuiRectangle\n";
    std::ofstream(folder + "/interieur.txt") << "class=iGuiRectangle\nname=profond\n";
    iConfig skin;
    skin.Parse(u"itemsScript=panneau.txt");
    EXPECT_TRUE(group->LoadSkin(skin, u""));
    ASSERT_EQ(group->children.Count(), 2);
    auto inner = std::dynamic_pointer_cast<iGuiGroup>(group->children.Get(0));
    ASSERT_TRUE(inner);
    ASSERT_EQ(inner->children.Count(), 1);
    EXPECT_EQ(inner->children.Get(0)->GetPlayfield(), playfield);
    group->FindByName(u"profond");
    EXPECT_EQ(FoundObject, inner->children.Get(0));

    // A script that names itself ends after a few levels.
    std::ofstream(folder + "/boucle.txt") << "class=iGuiGroup\nitemsScript=boucle.txt\n";
    auto loop = Add<iGuiGroup>(0, 0);
    loop->LoadItemsScript(u"boucle.txt");
    int depth = 0;
    for (auto level = loop; level && level->children.Count() == 1; ++depth) {
        level = std::dynamic_pointer_cast<iGuiGroup>(level->children.Get(0));
    }
    EXPECT_EQ(depth, 8);

    // A missing script adds nothing.
    skin.Parse(u"itemsScript=absent.txt");
    EXPECT_TRUE(group->LoadSkin(skin, u""));
    EXPECT_EQ(group->children.Count(), 2);
}

TEST_F(GroupTest, ContentSizeCountsActiveChildrenOnly) {
    EXPECT_EQ(group->ContentHeight(), 0);
    auto top = std::make_shared<iGuiRectangle>();
    top->New();
    top->SetParent(group);
    top->SetSize(30, 40);
    auto lower = std::make_shared<iGuiRectangle>();
    lower->New();
    lower->SetParent(group);
    lower->SetSize(90, 30);
    lower->SetPosition(20, 50);
    EXPECT_EQ(group->ContentHeight(), 80);
    EXPECT_EQ(group->ContentWidth(), 110);
    lower->Deactivate();
    EXPECT_EQ(group->ContentHeight(), 40);
    EXPECT_EQ(group->ContentWidth(), 30);
}

TEST_F(GroupTest, ChildrenTakeThePointerBeforeTheGroup) {
    group->SetSize(300, 200);
    auto button = std::make_shared<iGuiButton>();
    button->New();
    button->SetParent(group);
    button->SetPosition(10, 10);
    button->SetSize(50, 50);
    Point(120, 120);
    Step();
    EXPECT_TRUE(button->over);
    EXPECT_FALSE(group->over);
    Point(300, 250);
    Step();
    EXPECT_FALSE(button->over);
    EXPECT_TRUE(group->over);
}

TEST_F(GroupTest, FactoryBuildsExactClassNamesOnly) {
    screen->frameCount = 42;
    auto label = std::dynamic_pointer_cast<iGuiLabel>(Make(u"class=iGuiLabel\ntext=ignoré"));
    ASSERT_TRUE(label);
    EXPECT_EQ(label->creationFrame, 42);
    EXPECT_TRUE(label->text.empty());
    EXPECT_FALSE(label->exclusive);

    EXPECT_EQ(Make(u"class=iguilabel"), nullptr);
    EXPECT_EQ(Make(u"name=rien"), nullptr);
    for (const char16_t* name :
         {u"iGuiButton", u"iGuiCheckBox", u"iGuiEllipse", u"iGuiGroup", u"iGuiImage", u"iGuiInput",
          u"iGuiLink", u"iGuiProgressBarH", u"iGuiRectangle", u"iGuiScrollBox", u"iGuiSliderH",
          u"iGuiSliderV", u"iGuiTextField"}) {
        EXPECT_TRUE(std::dynamic_pointer_cast<iGuiObject>(CreateObjectOfClass(name)))
            << platform::ToUtf8(name);
    }

    auto ellipse = std::dynamic_pointer_cast<iLayerEllipse>(Make(u"class=iLayerEllipse"));
    ASSERT_TRUE(ellipse);
    EXPECT_EQ(ellipse->width, 8);
    auto field = std::dynamic_pointer_cast<iPlayfield>(Make(u"CLASS=iPlayfield"));
    ASSERT_TRUE(field);
    EXPECT_EQ(screen->defaultPlayfield, field);
    auto layer = std::dynamic_pointer_cast<iLayer>(Make(u"class=iLayer"));
    ASSERT_TRUE(layer);
    EXPECT_EQ(screen->defaultLayer, layer);
}

namespace {

int CountWidgets(const iGuiGroup& group) {
    int count = group.children.Count();
    for (int i = 0; i < group.children.Count(); ++i)
        if (auto inner = std::dynamic_pointer_cast<iGuiGroup>(group.children.Get(i)))
            count += CountWidgets(*inner);
    return count;
}

} // namespace

TEST_F(GroupTest, ItemsScriptsStayInTheDataFolderAndTheirTreeIsBounded) {
    const auto folder = CaseFolder("items_script_bounds");
    platform::SetDataFolder(platform::FromUtf8(folder.string()));
    // Four groups that each read the script again: 4^8 groups once, now a bounded tree.
    std::ofstream(folder / "quatre.txt") << "class=iGuiGroup\nitemsScript=quatre.txt\n\n"
                                            "class=iGuiGroup\nitemsScript=quatre.txt\n\n"
                                            "class=iGuiGroup\nitemsScript=quatre.txt\n\n"
                                            "class=iGuiGroup\nitemsScript=quatre.txt\n";
    group->LoadItemsScript(u"quatre.txt");
    EXPECT_EQ(CountWidgets(*group), 1000);
    // The next tree starts its own count.
    group->ParseItemsScript(u"class=iGuiRectangle");
    EXPECT_EQ(CountWidgets(*group), 1001);

    // Nothing outside the data folder, and no file that never ends.
    std::ofstream(folder / "un.txt") << "class=iGuiRectangle\n";
    auto outside = Add<iGuiGroup>(0, 0);
    for (const String& path :
         {String(u"/dev/zero"), String(u"../un.txt"), String(u"sous/../un.txt"),
          platform::FromUtf8((folder / "un.txt").string())})
        outside->LoadItemsScript(path);
    EXPECT_EQ(outside->children.Count(), 0);
    outside->LoadItemsScript(u"un.txt");
    EXPECT_EQ(outside->children.Count(), 1);
}

TEST_F(GroupTest, ContentFarAwayIsHeldWithinTheIntRange) {
    auto box = Add<iGuiScrollBox>(0, 0);
    box->ParseItemsScript(u"class=iGuiRectangle\ny=2147483600\nheight=1000\n\n"
                          u"class=iGuiRectangle\nx=10\nscalex=1e30\nwidth=5");
    box->SetSize(100, 100);
    box->CreateSliderV();
    EXPECT_EQ(box->ContentHeight(), INT_MAX);
    EXPECT_EQ(box->ContentWidth(), INT_MAX);
    Step(2);
    EXPECT_EQ(box->MaxCameraY(), INT_MAX - 100);
}

// Damaged items scripts from a fixed seed, read into a scroll box that is then updated and drawn.
TEST_F(GroupTest, DamagedItemsScriptsNeverHurt) {
    const auto folder = CaseFolder("items_script_fuzz");
    platform::SetDataFolder(platform::FromUtf8(folder.string()));
    ASSERT_TRUE(WriteSolidPng((folder / "carre.png").string(), 8, 8, 200, 100, 50));
    // The panel kept for the libFuzzer target.
    const auto corpus = CorpusFiles("items");
    ASSERT_FALSE(corpus.empty());
    const String seed = platform::FromUtf8(std::string(corpus[0].begin(), corpus[0].end()));
    std::ofstream(folder / "dedans.txt") << "class=iGuiButton\nwidth=30\n\nclass=iGuiLink\n";
    Mutator mutator(20261206);
    // What a box holds with no items at all: the scripts' items come on top.
    std::ofstream(folder / "script.txt") << "";
    auto empty = Add<iGuiScrollBox>(50, 50);
    iConfig emptySkin;
    emptySkin.Parse(u"itemsScript=script.txt\nsliderV.width=10");
    empty->LoadSkin(emptySkin, u"");
    const int bare = CountWidgets(*empty);
    empty->Remove();
    Step();
    // A fixed number of runs: the same scripts on any machine, about a second under the
    // sanitizers.
    const int runs = 200;
    int withItems = 0;
    for (int run = 0; run < runs; ++run) {
        std::ofstream(folder / "script.txt") << platform::ToUtf8(mutator.Mutate(seed));
        auto box = Add<iGuiScrollBox>(50, 50);
        box->SetSize(400, 300);
        iConfig skin;
        skin.Parse(u"itemsScript=script.txt\nsliderV.width=10");
        box->LoadSkin(skin, u"");
        const int widgets = CountWidgets(*box);
        ASSERT_LE(widgets, 1000);
        withItems += widgets > bare;
        Step();
        Frame();
        box->Remove();
        Step();
    }
    // The damage leaves many scripts readable: the runs reach the items, not only the parser.
    EXPECT_GT(withItems, runs / 4) << withItems;
}
