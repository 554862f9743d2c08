// The prototype look: scroll boxes gain both sliders beside them, sizes change only where the
// look says, and subclasses get their base class's look.
#include "gui/check_box.h"
#include "gui/label.h"
#include "gui/progress_bar.h"
#include "gui/prototype_skin.h"
#include "gui/scroll_box.h"
#include "gui/slider.h"
#include "gui_fixture.h"

TEST_F(GuiTest, PrototypeScrollBoxGetsBothSliders) {
    auto box = Add<iGuiScrollBox>(25, 0);
    ApplyPrototypeSkin(*box, 1230, 768);
    EXPECT_EQ(box->width, 1230);
    EXPECT_EQ(box->height, 768);
    ASSERT_TRUE(box->sliderV && box->sliderH);
    EXPECT_FLOAT_EQ(box->sliderV->x, 4);
    EXPECT_FLOAT_EQ(box->sliderV->y, 1);
    EXPECT_EQ(box->sliderV->sliderLength, 768);
    EXPECT_EQ(box->sliderV->height, 766);
    EXPECT_EQ(box->sliderV->grabHeight, 64);
    EXPECT_FLOAT_EQ(box->sliderH->x, 1);
    EXPECT_EQ(box->sliderH->sliderLength, 1230);
    EXPECT_EQ(box->sliderH->grabWidth, 64);
    EXPECT_EQ(box->children.Count(), 0);
}

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
