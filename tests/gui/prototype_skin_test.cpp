// The prototype look: sizes change only where the look says, and subclasses get their base
// class's look. Where the scroll box's sliders land is the scroll box tests' business.
#include "gui/check_box.h"
#include "gui/label.h"
#include "gui/progress_bar.h"
#include "gui/prototype_skin.h"
#include "gui/scroll_box.h"
#include "gui_fixture.h"

TEST_F(GuiTest, PrototypeSizesOnlyWhereTheLookSays) {
    auto label = Add<iGuiLabel>(0, 0);
    label->SetFont(TestFont());
    ApplyPrototypeSkin(*label, 0, 0);
    EXPECT_EQ(label->text, u"Hello world!");
    EXPECT_FLOAT_EQ(label->scaleX, 1);
    EXPECT_FLOAT_EQ(label->ghostRed, 128);

    auto bar = Add<iGuiProgressBarH>(0, 0);
    bar->width = 50;
    ApplyPrototypeSkin(*bar, 0, 0);
    EXPECT_EQ(bar->width, 0);
    EXPECT_EQ(bar->barWidth, 2);

    auto box = Add<iGuiScrollBox>(0, 0);
    box->width = 10;
    ApplyPrototypeSkin(*box, 0, 0);
    EXPECT_EQ(box->width, 10);
    EXPECT_FALSE(box->sliderV);

    auto check = Add<iGuiCheckBox2>(0, 0);
    ApplyPrototypeSkin(*check, 0, 0);
    EXPECT_FLOAT_EQ(check->ghostRed, 128);
}
