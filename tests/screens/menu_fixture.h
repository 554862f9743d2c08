#pragma once
// The menu screens on a headless stage: the real data folder (pictures and fonts measure as in
// the game), a temporary home with the default profile current, the start vocabulary, recorded
// sound, debug lines silenced; presses injected where the widgets are drawn.
#include <filesystem>

#include "app/mon_app.h"
#include "app/screen_handover_setup.h"
#include "framework/letterbox.h"
#include "framework/scene_fixture.h"
#include "framework/shared_assets.h"
#include "game/main_scene_globals.h"
#include "game/phrase_scene.h"
#include "platform/audio.h"
#include "platform/diag.h"
#include "platform/files.h"
#include "platform/random.h"
#include "puppets/decor_playfields.h"
#include "screens/gallery_screen.h"
#include "screens/hub_screen.h"
#include "screens/profiles.h"
#include "screens/screen_globals.h"
#include "sentence/sentence_debug.h"
#include "sentence/vocabulary.h"

class MenuTest : public SceneTest {
  protected:
    void SetUp() override { Stage(1134, 680); }
    void TearDown() override {
        ResetScreenGlobals();
        ResetPhraseGlobals();
        ResetMainSceneGlobals();
        ResetSharedAssets();
        ResetDecorGlobals();
        ResetLetterboxGlobals();
        platform::SetAudioDevice(nullptr);
        platform::SetDataFolder(u"");
        platform::SetPrintSink(nullptr);
        SetSentenceDebugSink(nullptr);
        InitVocabulary();
        std::filesystem::remove_all(home);
        setenv("HOME", savedHome.c_str(), 1);
        SceneTest::TearDown();
    }

    void Stage(int width, int height) {
        ResetStage(width, height);
        ResetSharedAssets();
        ResetDecorGlobals();
        ResetLetterboxGlobals();
        ResetScreenGlobals();
        ResetPhraseGlobals();
        ResetMainSceneGlobals();
        InstallScreenHandover();
        InitVocabulary();
        platform::SetAudioDevice(&audio);
        platform::SetPrintSink([](const String&) {});
        SilenceSentenceDebug();
        if (home.empty()) {
            std::string pattern = std::filesystem::temp_directory_path() / "mq-menus-XXXXXX";
            ASSERT_NE(mkdtemp(pattern.data()), nullptr);
            home = pattern;
            setenv("HOME", home.c_str(), 1);
            unsetenv("USERPROFILE");
        }
        ASSERT_TRUE(CreeDossierDefaut());
        dossierprofil = CheminProfil(DossierDefaut);
        platform::SetDataFolder(platform::FromUtf8(MQ_TEST_DATA_DIR));
        LoadSharedAssets();
        // The screens go back to a whole hub; it draws its decor before the seed is set.
        ecranintro = std::make_shared<iEngineChoixConstituantsPersosMode>();
        ecranintro->Create();
        platform::SetSeed(platform::StartSeed);
    }

    // Built as the game builds it, then entered as from another screen.
    template <class Screen> std::shared_ptr<Screen> Open() {
        auto screen = std::make_shared<Screen>();
        screen->Create();
        NouvelEcran = true;
        SwitchScene(screen);
        Step();
        return screen;
    }

    // The middle of the widget where it was last drawn, in window pixels.
    static std::pair<float, float> Where(const iGuiObject& w) {
        const auto pf = w.GetPlayfield();
        const float x = w.bounds[5] - static_cast<float>(w.handleX) * w.bounds[1] + w.bounds[4] / 2;
        const float y = w.bounds[6] - static_cast<float>(w.handleY) * w.bounds[2] + w.bounds[0] / 2;
        return {pf->x + x * pf->scaleX, pf->y + y * pf->scaleY};
    }
    // Press on the widget and release there (or elsewhere), then the frames of a bounce.
    void Click(const iGuiObject& w, int after = 0, bool slideOff = false) {
        const auto [x, y] = Where(w);
        platform::Input().MoveMouse(x, y);
        platform::Input().Press(1);
        Step();
        if (slideOff) {
            platform::Input().MoveMouse(x, y - 300);
            Step();
        }
        platform::Input().Release(1);
        Step(1 + after);
    }

    // Updates until the pending scene is the one given; the number of updates it took (-1
    // when it never came).
    int AttendScene(const std::shared_ptr<iScene>& scene, int maximum = 30) {
        for (int n = 1; n <= maximum; ++n) {
            Step();
            if (PendingScene == scene) {
                return n;
            }
        }
        return -1;
    }
    // The pointer on the widget and the button down, nothing updated yet.
    static void Appuie(const iGuiObject& w) {
        const auto [x, y] = Where(w);
        platform::Input().MoveMouse(x, y);
        platform::Input().Press(1);
    }
    // Into a screen made at start, the way the menus switch to it.
    void Entre(const std::shared_ptr<iScene>& scene) {
        NouvelEcran = true;
        SwitchScene(scene);
        Step();
    }
    // The gallery made anew and shown, as the profiles screen opens it.
    iPlayFieldGalerie& OuvreGalerie() {
        ecrangalerie = std::make_shared<iEngineGalerie>();
        ecrangalerie->Create();
        SwitchScene(ecrangalerie);
        Step();
        return *ecrangalerie->galerie;
    }
    // How many times the sound file played on the channel.
    int Joues(const char16_t* fichier, int canal) const {
        int n = 0;
        for (const auto& event : audio.events) {
            n += event.kind == platform::RecordingAudio::Event::Play && event.channel == canal &&
                 platform::EndsWith(platform::StripExt(event.sound), fichier);
        }
        return n;
    }

    platform::RecordingAudio audio;
    std::string home;
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
};

// The six long-lived screens as the application makes them at start, the title current.
class MenusAppTest : public MenuTest {
  protected:
    void SetUp() override {
        MenuTest::SetUp();
        app.OnCreate();
    }
    MonApp app;
};
