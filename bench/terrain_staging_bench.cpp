// Cost of staging one sentence with four persons on a terrain (its puppets dressed first, as the
// game does, the pictures already cached), and of one frame of that terrain afterwards: the
// animation, the aim and the drawing on the recording device.
#include <benchmark/benchmark.h>

#include "platform/app.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/random.h"
#include "puppets/terrain_playfield.h"
#include "puppets/terrain_staging.h"

namespace {

// "La dame qui regarde la petite fille poursuit le monsieur qui porte le petit garçon."
StructureAction QuatrePersonnes() {
    StructureAction s;
    s.GroupeNominal1 = u"perso_dame_f";
    s.VerbeComplement1 = u"po_regarder";
    s.ObjetComplement1 = u"perso_petite fille_f";
    s.Action = u"p_poursuivre";
    s.GroupeNominal2 = u"perso_monsieur_m";
    s.VerbeComplement2 = u"p_portersurepaules";
    s.ObjetComplement2 = u"perso_petit garcon_m";
    s.NombrePersos = 4;
    return s;
}

std::shared_ptr<iPlayFieldTerrainAction> Terrain(const StructureAction& s) {
    auto t = std::make_shared<iPlayFieldTerrainAction>();
    t->New();
    for (auto& p : t->persos) {
        p = std::make_shared<Pantin>();
    }
    HabilleLesPersos(t->persos, &s);
    FabriqueTerrain(nullptr, 0, t, s);
    return t;
}

struct Banc {
    Banc() {
        platform::SetDataFolder(platform::FromUtf8(MQ_BENCH_DATA_DIR));
        platform::SetDeviceSize(1280, 768);
        platform::SetClockSource(&horloge);
        platform::SetGraphicsDevice(&graphics);
        platform::SetSeed(platform::StartSeed);
        // Every picture of the sentence in the cache.
        for (int i = 0; i < 20; ++i) {
            Terrain(QuatrePersonnes());
        }
    }
    ~Banc() {
        platform::SetGraphicsDevice(nullptr);
        platform::SetClockSource(nullptr);
    }
    platform::ManualClock horloge;
    platform::RecordingGraphics graphics;
};

void FabriqueUnTerrain(benchmark::State& state) {
    Banc banc;
    const StructureAction s = QuatrePersonnes();
    for (auto _ : state) {
        benchmark::DoNotOptimize(Terrain(s).get());
    }
}

void UneImageDeTerrain(benchmark::State& state) {
    Banc banc;
    const auto t = Terrain(QuatrePersonnes());
    t->enPause = false;
    for (auto _ : state) {
        banc.horloge.Advance(17);
        t->AnimePersos();
        t->VisePersos();
        banc.graphics.BeginFrame(1280, 768);
        t->OnRender();
        benchmark::DoNotOptimize(banc.graphics.commands.data());
        if (t->animationFinie) {
            for (int i = 0; i <= t->dernierPerso; ++i) {
                t->persos[static_cast<std::size_t>(i)]->RestaureEtatDepart();
            }
        }
    }
}

} // namespace

BENCHMARK(FabriqueUnTerrain)->Unit(benchmark::kMicrosecond);
BENCHMARK(UneImageDeTerrain)->Unit(benchmark::kMicrosecond);
