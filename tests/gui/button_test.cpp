// The game's button: the click test with its bounce and sound under injected presses, and the
// skin image names that flag their cache entry.
#include "fixture_png.h"
#include "framework/config.h"
#include "framework/content_manager.h"
#include "gui/button_variants.h"
#include "gui_fixture.h"

namespace {

class ButtonTest : public GuiTest {
  protected:
    std::shared_ptr<iGuiButton2> Button(float x, float y) {
        auto button = Add<iGuiButton2>(x, y);
        button->SetImage(Solid(200, 50, u"bouton"));
        button->baseX = x;
        button->baseWidth = button->Width();
        return button;
    }

    // One screen frame: the screen polls the button, then the update ends. Returns the first
    // frame (0 = the press) whose answer was true, -1 when none was.
    static int FirstClick(iGuiButton2& button, bool immediate, int frames) {
        int first = -1;
        for (int frame = 0; frame < frames; ++frame) {
            if (button.Clicked(immediate) && first < 0) {
                first = frame;
            }
            platform::Input().EndUpdate();
        }
        return first;
    }
};

} // namespace

TEST_F(ButtonTest, ClicksAnswerAtThePressOrWhenTheBounceEnds) {
    sonpop1 = TestSound(u"pop1.wav");
    auto button = Button(100, 100);
    Point(150, 120);
    Press();
    EXPECT_EQ(FirstClick(*button, true, 15), 0);
    ASSERT_EQ(PlayedOn(3), 1u);
    EXPECT_EQ(audio.events[0].sound, u"pop1.wav");
    EXPECT_FALSE(audio.events[0].loop);

    Release();
    Press();
    EXPECT_EQ(FirstClick(*button, false, 20), 11);
    EXPECT_FALSE(button->bouncing);
    EXPECT_NEAR(button->scaleX, 0.98f, 1e-6);
    // The bounce keeps the button centred on its rest box.
    EXPECT_FLOAT_EQ(button->x + button->Width() * 0.5f, 200);

    // A bounce the screen starts itself lasts as long.
    button->bouncing = true;
    button->shrinking = true;
    button->bounceScale = 1.0f;
    int frames = 0;
    for (; button->bouncing && frames < 100; ++frames) {
        button->Bounce();
    }
    EXPECT_EQ(frames, 11);
}

TEST_F(ButtonTest, InactiveButtonsEdgesAndTakenPressesNeverFire) {
    sonpop1 = TestSound(u"pop1.wav");
    auto button = Button(100, 100);
    auto covered = Button(120, 110);
    button->SetStatus(0);
    Point(150, 120);
    Press();
    EXPECT_FALSE(button->Clicked(true));
    EXPECT_FALSE(button->bouncing);
    EXPECT_TRUE(audio.events.empty());

    // The first of two overlapping buttons takes the press; the second no longer sees it.
    button->SetStatus(1);
    EXPECT_TRUE(button->Clicked(true));
    EXPECT_FALSE(covered->Clicked(true));
    EXPECT_FALSE(platform::KeyDown(1));

    // The box is open: its very edge is outside.
    Release();
    Point(120, 120);
    Press();
    EXPECT_FALSE(covered->Clicked(true));
}

TEST_F(ButtonTest, WithoutTheClickSoundAClickStillBounces) {
    auto button = Button(100, 100);
    Point(150, 120);
    Press();
    EXPECT_EQ(FirstClick(*button, false, 13), 11);
    EXPECT_TRUE(audio.events.empty());
}

TEST_F(ButtonTest, SkinImageNamesEndingInAnExclamationMarkAreFlagged) {
    const std::string folder = CaseFolder("gui-skin-images").string();
    ASSERT_TRUE(WriteSolidPng(folder + "/carre.png", 16, 8, 0, 200, 0));
    platform::SetDataFolder(platform::FromUtf8(folder));
    auto button = Add<iGuiButton>(0, 0);
    iConfig config;
    config.Parse(u"imagePointer = carre.png!\nghostImagePointer = car!re.png\ntextred = 10");
    button->LoadSkin(config, u"");
    ASSERT_TRUE(button->image);
    EXPECT_EQ(button->image->Width(), 16);
    auto entry = TheContentManager->Find(u"carre.png");
    ASSERT_TRUE(entry);
    EXPECT_TRUE(entry->flag);
    // A "!" elsewhere is part of the name, so nothing is found.
    EXPECT_FALSE(button->ghostImage);
    // Caption keys count only with a "text" key.
    EXPECT_FLOAT_EQ(button->textRed, 255);
}
