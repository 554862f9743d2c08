#pragma once
// A 1280 by 768 stage with one playfield for widget tests, a recording audio device, a font
// made in code (every glyph 10 wide, lines 20 high, no pictures) and solid pictures.
#include <memory>
#include <vector>

#include "framework/bitmap_font.h"
#include "framework/playfield.h"
#include "framework/scene_fixture.h"
#include "framework/shared_assets.h"
#include "platform/audio.h"
#include "platform/files.h"

class GuiTest : public SceneTest {
  protected:
    void SetUp() override { Stage(1280, 768); }

    void TearDown() override {
        ResetSharedAssets();
        platform::SetAudioDevice(nullptr);
        platform::SetDataFolder(u"");
        SceneTest::TearDown();
    }

    void Stage(int width, int height) {
        ResetStage(width, height);
        ResetSharedAssets();
        platform::SetAudioDevice(&audio);
        screen = std::make_shared<iEngine>();
        screen->Create();
        playfield = std::make_shared<iPlayfield>();
        playfield->New();
        playfield->AddToEngine(*screen);
        SwitchScene(screen);
        Step();
    }

    template <class T> std::shared_ptr<T> Add(float x, float y) {
        auto widget = std::make_shared<T>();
        widget->New();
        widget->SetPosition(x, y);
        widget->SetPlayfield(playfield);
        return widget;
    }

    static std::shared_ptr<iBitmapFont> TestFont() {
        auto font = std::make_shared<iBitmapFont>();
        font->advance.fill(10);
        font->height = 20;
        return font;
    }

    static platform::ImagePtr Solid(int w, int h, const String& name) {
        return platform::CreateImage(w, h, std::vector<std::uint8_t>(w * h * 4, 200), name);
    }

    static platform::SoundPtr TestSound(const String& name) {
        auto sound = std::make_shared<platform::Sound>();
        sound->name = name;
        sound->samples = {0, 0};
        return sound;
    }

    static void Point(float x, float y) { platform::Input().MoveMouse(x, y); }
    static void Press() { platform::Input().Press(1); }
    static void Release() { platform::Input().Release(1); }

    std::size_t PlayedOn(int channel) const {
        std::size_t found = 0;
        for (const auto& event : audio.events) {
            found +=
                event.kind == platform::RecordingAudio::Event::Play && event.channel == channel;
        }
        return found;
    }

    platform::RecordingAudio audio;
    std::shared_ptr<iEngine> screen;
    std::shared_ptr<iPlayfield> playfield;
};
