#pragma once
// A tag scene on a headless stage: its canvas letterboxed into a window of the chosen size, the
// real caption font from the data folder, a plain card picture of the catalogue's size, a
// recording audio device, the start vocabulary and seed, debug lines silenced.
#include <functional>
#include <memory>

#include "framework/bitmap_font.h"
#include "framework/letterbox.h"
#include "framework/playfield.h"
#include "framework/scene_fixture.h"
#include "framework/shared_assets.h"
#include "game/tag_scene.h"
#include "gui/text_field.h"
#include "platform/audio.h"
#include "platform/diag.h"
#include "platform/files.h"
#include "platform/random.h"
#include "sentence/vocabulary.h"

class TagScene : public iEngineEtiq {
  public:
    // The scene's per-frame hook, written by each test.
    std::function<void(TagScene&)> parTrame;
    int OnUpdate() override {
        if (parTrame) {
            parTrame(*this);
        }
        return 0;
    }
};

class TagTest : public SceneTest {
  protected:
    void SetUp() override { Scene(1280, 768); }

    void TearDown() override {
        ResetSharedAssets();
        ResetLetterboxGlobals();
        platform::SetAudioDevice(nullptr);
        platform::SetDataFolder(u"");
        platform::SetPrintSink(nullptr);
        InitVocabulary();
        SceneTest::TearDown();
    }

    void Scene(int w, int h) {
        ResetStage(w, h);
        ResetSharedAssets();
        InitVocabulary();
        platform::SetSeed(platform::StartSeed);
        platform::SetPrintSink([](const String&) {});
        platform::SetAudioDevice(&audio);
        audio.events.clear();
        platform::SetDataFolder(platform::FromUtf8(MQ_TEST_DATA_DIR));
        fontoregano30 = iBitmapFont::New(u"fonts_oregano_30.txt");
        sonpop1 = std::make_shared<platform::Sound>();
        sonpop1->samples = {0, 0};
        scene = std::make_shared<TagScene>();
        scene->Create();
        canvas = std::make_shared<iPlayfield>();
        canvas->New();
        canvas->AddToEngine(*scene);
        FitToWindow(nullptr, canvas.get());
        scene->playfieldPrincipal = canvas;
        scene->imageEtiquette =
            platform::CreateImage(100, 52, std::vector<std::uint8_t>(100 * 52 * 4, 255));
        SwitchScene(scene);
        Step();
    }

    // The pointer over a canvas point, through the letterbox.
    void PointOnCanvas(float cx, float cy) const {
        platform::Input().MoveMouse(canvas->x + cx * canvas->scaleX,
                                    canvas->y + cy * canvas->scaleY);
    }

    std::size_t PlayedOn(int channel) const {
        std::size_t found = 0;
        for (const auto& event : audio.events) {
            found +=
                event.kind == platform::RecordingAudio::Event::Play && event.channel == channel;
        }
        return found;
    }

    platform::RecordingAudio audio;
    std::shared_ptr<TagScene> scene;
    std::shared_ptr<iPlayfield> canvas;
};
