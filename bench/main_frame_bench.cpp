// One frame of a running matching game: four terrains playing in the grid with their four
// sentence cards, one update of the scene and one drawing on the recording device. The
// terrains start their acts again once they have finished.
#include <benchmark/benchmark.h>

#include "framework/frame_chain.h"
#include "framework/shared_assets.h"
#include "game/main_scene.h"
#include "platform/app.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/diag.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/random.h"
#include "puppets/terrain_playfield.h"
#include "sentence/sentence_debug.h"
#include "sentence/vocabulary.h"

namespace {

void UneImageDuJeu(benchmark::State& state) {
    platform::SetPrintSink([](const String&) {});
    SilenceSentenceDebug();
    platform::SetDataFolder(platform::FromUtf8(MQ_BENCH_DATA_DIR));
    platform::SetDeviceSize(1134, 680);
    platform::ManualClock horloge;
    platform::SetClockSource(&horloge);
    platform::RecordingGraphics graphics;
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
        benchmark::DoNotOptimize(graphics.commands.data());
    }
    scene.reset();
    ResetFrameworkGlobals();
    platform::SetAudioDevice(nullptr);
    platform::SetGraphicsDevice(nullptr);
    platform::SetClockSource(nullptr);
    platform::SetPrintSink(nullptr);
}

} // namespace

BENCHMARK(UneImageDuJeu)->Unit(benchmark::kMicrosecond);
