// Cost of building one dressed puppet from its words once its pictures are cached (a board
// builds up to sixteen), and of one rest-pose update plus its drawing on the recording device.
#include <benchmark/benchmark.h>

#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/random.h"
#include "puppets/pantin.h"

namespace {

std::shared_ptr<Pantin> Habille(int type) {
    auto perso = std::make_shared<Pantin>();
    perso->choix = {type, 1, type % 4, 0, type % 4};
    perso->couleurHabit = {80, 140, 220};
    perso->Fabrique(1280, 768, u"perso_dame_f", u"oum_lancer", u"", u"unemain_marteau_m", u"", u"",
                    u"", u"", u"", u"", 1.0f);
    perso->sensTete = perso->sens;
    perso->Repos(640);
    return perso;
}

void Prepare() {
    platform::SetDataFolder(platform::FromUtf8(MQ_BENCH_DATA_DIR));
    platform::SetSeed(platform::StartSeed);
    // Every body type once, so that the pictures are in the cache.
    for (int type = 0; type < NombreDeTypes; ++type) {
        Habille(type);
    }
}

void FabriqueUnPantin(benchmark::State& state) {
    Prepare();
    int type = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Habille(type).get());
        type = (type + 1) % NombreDeTypes;
    }
}

void ReposEtDessin(benchmark::State& state) {
    Prepare();
    platform::RecordingGraphics graphics;
    platform::SetGraphicsDevice(&graphics);
    const auto perso = Habille(5);
    for (auto _ : state) {
        perso->Repos(640);
        graphics.BeginFrame(1280, 768);
        perso->Dessine();
        perso->DessineBrasAvant();
        benchmark::DoNotOptimize(graphics.commands.data());
    }
    platform::SetGraphicsDevice(nullptr);
}

} // namespace

BENCHMARK(FabriqueUnPantin)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReposEtDessin)->Unit(benchmark::kMicrosecond);
