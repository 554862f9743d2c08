// Cost of one frame of a busy room: four puppets and two animals in motion (a walk with a dog on
// the lead, a run past a crocodile going by, a guitarist and a looker standing), animated by
// AnimePersos and drawn on the recording device. Replayed from its start once it has finished.
#include <benchmark/benchmark.h>

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/random.h"
#include "puppets/puppets_playfield.h"

namespace {

std::shared_ptr<Pantin> Perso(int type, const String& verbe, int code, float x, float xDepart,
                              const String& promene, const String& regarde) {
    auto p = std::make_shared<Pantin>();
    p->choix = {type, 1, type % 4, 0, type % 4};
    p->couleurHabit = {80, 140, 220};
    p->Fabrique(1280, 768, u"", verbe, u"", u"", u"", u"", promene, u"", regarde, u"", 0.0f);
    p->xArrivee = x;
    p->xDepart = xDepart;
    p->action1 = code;
    p->Repos(x);
    return p;
}

void AnimeEtDessineUnTerrain(benchmark::State& state) {
    platform::SetDataFolder(platform::FromUtf8(MQ_BENCH_DATA_DIR));
    platform::SetSeed(platform::StartSeed);
    platform::ManualClock horloge;
    platform::SetClockSource(&horloge);
    platform::RecordingGraphics graphics;
    platform::SetGraphicsDevice(&graphics);

    auto terrain = std::make_shared<iPlayfieldFin>();
    terrain->width = 1280;
    terrain->height = 768;
    terrain->largeur = 1280;
    terrain->hauteur = 768;
    terrain->CouleurFondAuHasard();
    terrain->MeublesAuHasard();
    using namespace CodeAction;
    terrain->persos = {Perso(0, u"a_promener", Promener, 1530, 40, u"animal_chien_m", u""),
                       Perso(8, u"i_courir", Courir, 1530, 100, u"", u"animal_crocodile_m"),
                       Perso(4, u"i_jouer de la musique", JouerMusique, 900, 0, u"", u""),
                       Perso(5, u"po_regarder", RegarderObjet, 700, 0, u"", u"")};
    terrain->dernierPerso = 3;
    terrain->deuxiemePerso = terrain->troisiemePerso = terrain->quatriemePerso = true;
    for (auto& p : terrain->persos) {
        p->MemoriseEtatDepart();
    }
    for (auto _ : state) {
        horloge.Advance(17);
        terrain->AnimePersos();
        graphics.BeginFrame(1280, 768);
        terrain->OnRender();
        benchmark::DoNotOptimize(graphics.commands.data());
        if (terrain->animationFinie) {
            for (auto& p : terrain->persos) {
                p->RestaureEtatDepart();
            }
        }
    }
    platform::SetGraphicsDevice(nullptr);
    platform::SetClockSource(nullptr);
}

} // namespace

BENCHMARK(AnimeEtDessineUnTerrain)->Unit(benchmark::kMicrosecond);
