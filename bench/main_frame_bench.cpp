// One frame of a running matching game: four terrains playing in the grid with their four
// sentence cards, one update of the scene and one drawing, on the recording device (the game's
// own work) and on the OpenGL device in a hidden window (run under a virtual display; the
// frame is finished with glFinish, so the time includes the driver's drawing). The terrains
// start their acts again once they have finished.
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <memory>

#include "hidden_gl_window.h"

#include "framework/frame_chain.h"
#include "framework/shared_assets.h"
#include "game/main_scene.h"
#include "platform/app.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/diag.h"
#include "platform/files.h"
#include "platform/gl_graphics.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/random.h"
#include "puppets/terrain_playfield.h"
#include "sentence/sentence_debug.h"
#include "sentence/vocabulary.h"

namespace {

// Plays frames of the matching game on the given device; `finish` ends each frame's drawing.
void ImagesDuJeu(benchmark::State& state, platform::GraphicsDevice& graphics,
                 void (*finish)()) {
    platform::SetPrintSink([](const String&) {});
    SilenceSentenceDebug();
    platform::SetDataFolder(platform::FromUtf8(MQ_BENCH_DATA_DIR));
    platform::SetDeviceSize(1134, 680);
    platform::ManualClock horloge;
    platform::SetClockSource(&horloge);
    platform::SetGraphicsDevice(&graphics);
    platform::RecordingAudio audio;
    platform::SetAudioDevice(&audio);
    LoadSharedAssets();
    InitVocabulary();
    platform::SetSeed(platform::StartSeed);
    modedejeu = 0;
    nombredanimations = nombredephrases = 3;
    nombredetours = 10;
    auto scene = std::make_shared<iEngineSceneGlobale>();
    scene->Create();
    SwitchScene(scene);
    const auto image = [&] {
        horloge.Advance(17);
        UpdateScenes();
        platform::Input().EndUpdate();
        graphics.BeginFrame(1134, 680);
        RenderCurrentScene();
        graphics.EndFrame();
        finish();
    };
    // The board comes in; then every terrain plays.
    while (!scene->tableauAnnonce) {
        image();
    }
    for (auto& terrain : scene->terrains) {
        terrain->enPause = false;
    }
    for (auto _ : state) {
        image();
        for (auto& terrain : scene->terrains) {
            if (terrain->animationFinie) {
                for (int p = 0; p <= terrain->dernierPerso; ++p) {
                    terrain->persos[static_cast<std::size_t>(p)]->RestaureEtatDepart();
                }
            }
        }
    }
    scene.reset();
    ResetFrameworkGlobals();
    platform::SetAudioDevice(nullptr);
    platform::SetGraphicsDevice(nullptr);
    platform::SetClockSource(nullptr);
    platform::SetPrintSink(nullptr);
}

void UneImageDuJeu(benchmark::State& state) {
    platform::RecordingGraphics graphics;
    ImagesDuJeu(state, graphics, [] {});
}

void UneImageDuJeuOpenGl(benchmark::State& state) {
    GLFWwindow* window = HiddenGlWindow(state);
    if (window == nullptr)
        return;
    {
        const std::unique_ptr<platform::GraphicsDevice> graphics = platform::CreateOpenGlGraphics();
        ImagesDuJeu(state, *graphics, [] { glFinish(); });
    }
    glfwDestroyWindow(window);
}

} // namespace

BENCHMARK(UneImageDuJeu)->Unit(benchmark::kMicrosecond);
BENCHMARK(UneImageDuJeuOpenGl)->Unit(benchmark::kMicrosecond);
