// The letterboxed base screen: the canvas fitted to windows of several shapes, a minimised
// window skipped, and the logo and the two round buttons placed on the canvas.
#include <filesystem>

#include "fixture_png.h"
#include "framework/playfield.h"
#include "framework/scene_fixture.h"
#include "framework/shared_assets.h"
#include "gui/button_variants.h"
#include "gui/engine_resizable.h"
#include "gui/image_widget.h"
#include "platform/app.h"
#include "platform/case_folder.h"
#include "platform/diag.h"
#include "platform/files.h"

namespace {

class ResizableTest : public SceneTest {
  protected:
    void SetUp() override {
        SceneTest::SetUp();
        ResetLetterboxGlobals();
        ResetSharedAssets();
        platform::SetPrintSink([](const String&) {});
    }
    void TearDown() override {
        platform::SetPrintSink(nullptr);
        ResetLetterboxGlobals();
        ResetSharedAssets();
        SceneTest::TearDown();
    }
};

class Screen : public iEngineResizable {
  public:
    std::shared_ptr<iPlayfield> principal = std::make_shared<iPlayfield>();
};

} // namespace

TEST_F(ResizableTest, TheCanvasIsScaledUniformlyAndCentred) {
    iPlayfield background;
    iPlayfield main;

    ResetStage(1134, 680);
    iEngineResizable::FitToWindow(&background, &main);
    EXPECT_NEAR(main.scaleX, 0.885417f, 1e-5);
    EXPECT_FLOAT_EQ(main.scaleY, main.scaleX);
    EXPECT_NEAR(main.x, 0.333f, 1e-3);
    EXPECT_NEAR(main.y, 0, 1e-4);
    EXPECT_EQ(main.width, 1280);
    EXPECT_EQ(main.height, 768);
    EXPECT_FLOAT_EQ(main.handleX, 640);
    EXPECT_FLOAT_EQ(main.handleY, 384);
    EXPECT_EQ(background.width, 1134);
    EXPECT_EQ(background.viewportHeight, 680);
    EXPECT_TRUE(WindowResized);

    ResetStage(1280, 768);
    iEngineResizable::FitToWindow(&background, &main);
    EXPECT_FLOAT_EQ(main.scaleX, 1.0f);
    EXPECT_FLOAT_EQ(main.x, 0);
    EXPECT_FLOAT_EQ(main.y, 0);

    ResetStage(1000, 1000);
    iEngineResizable::FitToWindow(&background, &main);
    EXPECT_FLOAT_EQ(main.scaleX, 0.78125f);
    EXPECT_FLOAT_EQ(main.x, 0);
    EXPECT_FLOAT_EQ(main.y, 200);
    EXPECT_EQ(main.viewportWidth, 1000);

    // A minimised window leaves the layout alone.
    WindowResized = false;
    ResetStage(0, 0);
    iEngineResizable::FitToWindow(&background, &main);
    EXPECT_FLOAT_EQ(main.scaleX, 0.78125f);
    EXPECT_EQ(background.width, 1000);
    EXPECT_FALSE(WindowResized);
}

TEST_F(ResizableTest, LogoAndRoundButtonsSitOnTheCanvas) {
    const auto folder = CaseFolder("app-buttons");
    ASSERT_TRUE(WriteSolidPng(folder / "boutonprofil.png", 64, 48, 255, 255, 255));
    ASSERT_TRUE(WriteSolidPng(folder / "boutonflecheback.png", 48, 48, 255, 255, 255));
    platform::SetDataFolder(platform::FromUtf8(folder.string()));

    ResetStage(1134, 680);
    auto screen = std::make_shared<Screen>();
    screen->Create();
    screen->principal->New();
    screen->principal->AddToEngine(*screen);
    iEngineResizable::FitToWindow(nullptr, screen->principal.get());

    imglogo = platform::CreateImage(120, 60, std::vector<std::uint8_t>(120 * 60 * 4, 255));
    screen->logo = std::make_shared<iGuiImage>();
    screen->logo->New();
    screen->AddLogo(screen->principal);
    EXPECT_FLOAT_EQ(screen->logo->x, 1216 - 60);
    EXPECT_FLOAT_EQ(screen->logo->y, 8);
    EXPECT_EQ(screen->logo->GetPlayfield(), screen->principal);

    screen->CreateCommonButtons(screen->principal);
    platform::SetDataFolder(u"");
    const auto& profile = *screen->profileButton;
    const auto& back = *screen->backButton;
    EXPECT_FLOAT_EQ(profile.x, 1280 - 64 - 12);
    EXPECT_FLOAT_EQ(profile.y, 768 - 48 - 6);
    EXPECT_FLOAT_EQ(profile.baseWidth, 64);
    // Six units left of the profile button.
    EXPECT_FLOAT_EQ(back.x, 1262 - 64 - 48);
    EXPECT_FLOAT_EQ(back.x + back.Width() + 6, profile.x);
    EXPECT_FLOAT_EQ(back.baseX, back.x);
    EXPECT_FLOAT_EQ(back.y, 768 - 48 - 6);
    EXPECT_EQ(screen->principal->CurrentPageList()->Count(), 3);
}
