// The application object driven like the platform's loop drives it, without a window.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/mon_app.h"
#include "framework/scene_fixture.h"
#include "platform/diag.h"
#include "platform/files.h"
#include "puppets/decor_playfields.h"
#include "screens/screen_globals.h"

namespace {

class MonAppTest : public SceneTest {
  protected:
    void SetUp() override {
        SceneTest::SetUp();
        ResetScreenGlobals();
        // The default profile's folder is created at start: never in the real home.
        for (const char* name : {"USERPROFILE", "HOME"}) {
            const char* value = std::getenv(name);
            saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
        std::string pattern = (std::filesystem::temp_directory_path() / "mq-app-XXXXXX");
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        home = pattern;
        setenv("USERPROFILE", (home + "/profil").c_str(), 1);
        setenv("HOME", home.c_str(), 1);
        previousSink =
            platform::SetPrintSink([this](const String& line) { printed.push_back(line); });
    }
    void TearDown() override {
        platform::SetPrintSink(previousSink);
        for (const auto& [name, value] : saved) {
            value ? setenv(name, value->c_str(), 1) : unsetenv(name);
        }
        std::filesystem::remove_all(home);
        ResetScreenGlobals();
        SceneTest::TearDown();
    }

    // One pass of updates as the loop runs them.
    void Update(int count = 1) {
        for (int i = 0; i < count; ++i) {
            clock.Advance(17);
            platform::RunUpdate();
        }
    }
    void Render() {
        graphics.commands.clear();
        platform::RenderFrame();
    }

    std::vector<String> printed;
    platform::PrintSink previousSink;
    std::vector<std::pair<const char*, std::optional<std::string>>> saved;
    std::string home;
};

} // namespace

TEST_F(MonAppTest, CreateBuildsTheSixScreensAndSwitchesToTheTitle) {
    MonApp app;
    app.OnCreate();
    EXPECT_EQ(dossierprofil,
              platform::FromUtf8(home) + u"/profil/Documents/MirelvanQuibs/_defaut/");
    EXPECT_TRUE(platform::IsRealFolder(dossierprofil));
    ASSERT_TRUE(ecrantitre && ecranintro && ecranoptions1 && ecranoptions2 && ecranprofils &&
                ecranfin);
    // Created in order: the end screen is the last one made current.
    EXPECT_EQ(CurrentScene, ecranfin);
    EXPECT_EQ(PendingScene, ecrantitre);
    EXPECT_EQ(UpdateRate, 60);
    EXPECT_EQ(platform::GetUpdateRate(), 60);
    // The screens print their own debug lines while they are built; the switch comes last.
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(printed.back(), u"ecrantitre");

    // Nothing of the title is drawn before its first logic step.
    Render();
    EXPECT_TRUE(graphics.commands.empty());
    Update();
    EXPECT_EQ(CurrentScene, ecrantitre);
    EXPECT_EQ(ecrantitre->frameCount, 1);
    Render();
    // The window shows the title's background colour.
    const float vert = static_cast<float>(std::min(ecrantitre->Fond->vert, 255));
    EXPECT_TRUE(std::any_of(graphics.commands.begin(), graphics.commands.end(), [&](auto& c) {
        return c.kind == platform::DrawCommand::Clear && c.color[1] == vert;
    }));
}

TEST_F(MonAppTest, ProfileFolderFallsBackToHomeWithoutUserProfile) {
    unsetenv("USERPROFILE");
    MonApp app;
    app.OnCreate();
    EXPECT_EQ(dossierprofil, platform::FromUtf8(home) + u"/Documents/MirelvanQuibs/_defaut/");
    EXPECT_TRUE(platform::IsRealFolder(dossierprofil));
}

TEST_F(MonAppTest, EscapeOnTheTitleQuitsQuietlyBeforeAnythingIsBuilt) {
    MonApp app;
    app.OnCreate();
    platform::Input().Press(27);
    try {
        Update();
        FAIL() << "Escape did not quit";
    } catch (const platform::QuitSignal& quit) {
        EXPECT_TRUE(quit.message.empty());
        EXPECT_EQ(quit.exitCode, 0);
    }
    EXPECT_FALSE(ecrantitre->Construit);
}

TEST_F(MonAppTest, EventsWithoutASceneDoNothing) {
    MonApp app;
    EXPECT_EQ(app.OnUpdate(), 0);
    EXPECT_EQ(app.OnRender(), 0);
    EXPECT_EQ(app.OnResize(), 0);
    platform::SetDeviceSize(640, 480);
    Update();
    Render();
    EXPECT_TRUE(graphics.commands.empty());
}

TEST_F(MonAppTest, MinimisedWindowIsNeitherResizedNorDrawn) {
    MonApp app;
    app.OnCreate();
    Update();
    platform::SetDeviceSize(0, 0);
    Render();
    EXPECT_TRUE(graphics.commands.empty());
    EXPECT_EQ(platform::DeviceWidth(), 800);
    platform::SetDeviceSize(1024, 700);
    Render();
    EXPECT_FALSE(graphics.commands.empty());
    EXPECT_EQ(platform::DeviceWidth(), 1024);
    // The first frame at each size is told (a minimised window draws none): plays wait on it.
    std::vector<String> tailles;
    std::copy_if(printed.begin(), printed.end(), std::back_inserter(tailles),
                 [](const String& l) { return l.rfind(u"fenêtre", 0) == 0; });
    EXPECT_EQ(tailles, std::vector<String>{u"fenêtre 1024 x 700"});
    Render();
    EXPECT_EQ(printed.back(), u"fenêtre 1024 x 700");
    EXPECT_EQ(std::count(printed.begin(), printed.end(), printed.back()), 1);
}
