// Check boxes: the state flips on a release over the box only, ghosted or inactive boxes never
// flip, and reading the hit plays the check-box sound.
#include "gui/check_box.h"
#include "gui_fixture.h"

namespace {

class CheckBoxTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        box = Add<iGuiCheckBox2>(100, 100);
        box->SetImage(0, Solid(34, 34, u"vide"));
        box->SetImage(1, Solid(34, 34, u"coche"));
        Point(110, 110);
    }

    void Click() {
        Press();
        Step();
        Release();
        Step();
    }

    std::shared_ptr<iGuiCheckBox2> box;
};

} // namespace

TEST_F(CheckBoxTest, FlipsOnTheReleaseOverTheBoxOnly) {
    Press();
    Step();
    EXPECT_EQ(box->checkState, 0);
    Release();
    Step();
    EXPECT_EQ(box->checkState, 1);
    Click();
    EXPECT_EQ(box->checkState, 0);

    // Dragged off before the release: no flip.
    Press();
    Step();
    Point(300, 300);
    Step();
    Release();
    Step();
    EXPECT_EQ(box->checkState, 0);
    EXPECT_EQ(box->visualState, 0);
}

TEST_F(CheckBoxTest, GhostedOrInactiveBoxesNeverFlip) {
    box->ghost = true;
    Click();
    EXPECT_EQ(box->checkState, 0);
    EXPECT_FALSE(box->Hit());

    box->ghost = false;
    box->SetStatus(0);
    Click();
    EXPECT_EQ(box->checkState, 0);
}

TEST_F(CheckBoxTest, TheHitPlaysTheCheckBoxSoundOnChannel0Once) {
    sonclicclac = TestSound(u"clicclacmercikodak.wav");
    Press();
    Step();
    EXPECT_TRUE(box->Hit());
    EXPECT_FALSE(box->Hit());
    ASSERT_EQ(audio.events.size(), 1u);
    EXPECT_EQ(PlayedOn(0), 1u);
    EXPECT_EQ(audio.events[0].sound, u"clicclacmercikodak.wav");

    // Without the sound the hit is still reported.
    sonclicclac.reset();
    Release();
    Step();
    Press();
    Step();
    EXPECT_TRUE(box->Hit());
}

TEST_F(CheckBoxTest, AnOutOfRangeStateStillMeasuresAndDraws) {
    box->SetChecked(5);
    EXPECT_FLOAT_EQ(box->Width(), 34);
    Frame();
    EXPECT_FALSE(graphics.commands.empty());
}
