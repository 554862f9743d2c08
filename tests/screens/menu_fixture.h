#pragma once
// The menus as the application builds them, without a window: the real data folder, a
// temporary home with the default profile current, the start vocabulary, recorded sounds and
// silenced debug lines. Widgets are pressed where they are drawn, through the input device.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/mon_app.h"
#include "framework/frame_chain.h"
#include "framework/letterbox.h"
#include "framework/playfield.h"
#include "framework/scene_fixture.h"
#include "framework/shared_assets.h"
#include "platform/audio.h"
#include "platform/diag.h"
#include "platform/files.h"
#include "puppets/decor_playfields.h"
#include "puppets/sprite.h"
#include "screens/screen_globals.h"
#include "sentence/sentence_debug.h"
#include "sentence/vocabulary.h"

class MenuTest : public SceneTest {
  protected:
    void SetUp() override {
        ResetStage(1134, 680);
        std::string pattern = std::filesystem::temp_directory_path() / "mq-menu-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        home = pattern;
        setenv("HOME", home.c_str(), 1);
        unsetenv("USERPROFILE");
        platform::SetDataFolder(platform::FromUtf8(MQ_TEST_DATA_DIR));
        platform::SetAudioDevice(&audio);
        platform::SetPrintSink([this](const String& line) { printed.push_back(line); });
        SilenceSentenceDebug();
        InitVocabulary();
        app.OnCreate();
    }
    void TearDown() override {
        ResetScreenGlobals();
        ResetSharedAssets();
        ResetDecorGlobals();
        ResetLetterboxGlobals();
        ResetImagesDeSprites();
        InitVocabulary();
        SetSentenceDebugSink(nullptr);
        platform::SetPrintSink(nullptr);
        platform::SetAudioDevice(nullptr);
        platform::SetDataFolder(u"");
        std::filesystem::remove_all(home);
        setenv("HOME", savedHome.c_str(), 1);
        SceneTest::TearDown();
    }

    // The pointer over the middle of a widget, in window pixels.
    static void Survole(const iGuiObject& widget, float dx = 0) {
        const auto playfield = widget.GetPlayfield();
        platform::Input().MoveMouse(
            playfield->x + playfield->scaleX * (widget.Left() + widget.Width() / 2 + dx),
            playfield->y + playfield->scaleY * (widget.Top() + widget.Height() / 2));
    }
    // Press and release on the widget, one update each.
    void Clique(const iGuiObject& widget) {
        Survole(widget);
        platform::Input().Press(1);
        Step();
        platform::Input().Release(1);
        Step();
    }
    // Updates until the pending scene is the one given; the number of updates it took.
    int AttendScene(const std::shared_ptr<iScene>& scene, int maximum = 30) {
        for (int n = 1; n <= maximum; ++n) {
            Step();
            if (PendingScene == scene) {
                return n;
            }
        }
        return -1;
    }
    // Into a screen made at start the way the menus switch to it.
    void Entre(const std::shared_ptr<iScene>& scene) {
        NouvelEcran = true;
        SwitchScene(scene);
        Step();
    }
    int Joues(const char16_t* fichier, int canal) const {
        int n = 0;
        for (const auto& event : audio.events) {
            n += event.kind == platform::RecordingAudio::Event::Play && event.channel == canal &&
                 platform::EndsWith(event.sound, fichier);
        }
        return n;
    }

    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    std::string home;
    platform::RecordingAudio audio;
    std::vector<String> printed;
    MonApp app;
};
