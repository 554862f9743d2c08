// The pause a child sees between two boards of the matching game: the old board dropped and a
// board of 4 terrains and 4 sentences built (sentences, puppets dressed and staged, cards, boxes),
// the pictures already cached. One seed per iteration; the median and the slowest board are
// reported in milliseconds.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "framework/frame_chain.h"
#include "framework/shared_assets.h"
#include "game/main_scene.h"
#include "platform/app.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/diag.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/random.h"
#include "sentence/sentence_debug.h"
#include "sentence/vocabulary.h"

namespace {

void TableauSuivant(benchmark::State& state) {
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
    // Every word, every construction possible.
    InitVocabulary();
    for (int* niveau :
         {&queok, &passiveok, &emphatiqueok, &expansiongn1ok, &expansiongn2ok, &adjectifsok, &codok,
          &renversableok, &renversablegn1ok, &renversablegn2ok}) {
        *niveau = 1;
    }
    modedejeu = 0;
    nombredanimations = nombredephrases = 3;
    nombredetours = 10;
    auto scene = std::make_shared<iEngineSceneGlobale>();
    scene->Create();
    // Every picture of the vocabulary's puppets in the cache.
    for (int i = 0; i < 50; ++i) {
        scene->TableauSuivant(true);
    }
    std::vector<double> durees;
    // What was built: a board drawn smaller than asked would flatter the timings.
    double terrains = 0;
    double phrases = 0;
    std::uint32_t graine = 1;
    for (auto _ : state) {
        platform::SetSeed(graine++);
        const auto debut = std::chrono::steady_clock::now();
        scene->TableauSuivant(true);
        // The old board goes at the end of the frame.
        DrainDestroyList();
        durees.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut)
                .count());
        terrains += nombredanimations + 1;
        phrases += nombredephrases + 1;
    }
    std::sort(durees.begin(), durees.end());
    state.counters["median_ms"] = durees[durees.size() / 2];
    state.counters["worst_ms"] = durees.back();
    state.counters["terrains"] = terrains / static_cast<double>(durees.size());
    state.counters["phrases"] = phrases / static_cast<double>(durees.size());
    scene.reset();
    DrainDestroyList();
    platform::SetAudioDevice(nullptr);
    platform::SetGraphicsDevice(nullptr);
    platform::SetClockSource(nullptr);
    platform::SetPrintSink(nullptr);
}

} // namespace

BENCHMARK(TableauSuivant)->Unit(benchmark::kMillisecond)->Iterations(300);
