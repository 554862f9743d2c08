// Cost of drawing one sentence structure, under the start options and with every word and every
// construction enabled (the heaviest case: relative clauses on both persons, passives, "que",
// presentatives and colours all drawn).
#include <benchmark/benchmark.h>

#include "platform/random.h"
#include "sentence/generation.h"
#include "sentence/sentence_debug.h"
#include "sentence/vocabulary.h"

namespace {

void Genere(benchmark::State& state) {
    StructureAction s;
    for (auto _ : state) {
        benchmark::DoNotOptimize(GenereStructureAction(s, true, true));
        benchmark::DoNotOptimize(s.Action.data());
    }
}

void GenerationOptionsDeDepart(benchmark::State& state) {
    InitVocabulary();
    SilenceSentenceDebug();
    platform::SetSeed(platform::StartSeed);
    Genere(state);
}

void GenerationToutPermis(benchmark::State& state) {
    InitVocabulary();
    SilenceSentenceDebug();
    platform::SetSeed(platform::StartSeed);
    for (int* niveau : {&queok, &passiveok, &emphatiqueok, &expansiongn1ok, &expansiongn2ok,
                        &adjectifsok, &codok, &renversableok, &renversablegn1ok, &renversablegn2ok})
        *niveau = 1;
    Genere(state);
    InitVocabulary();
}

} // namespace

BENCHMARK(GenerationOptionsDeDepart);
BENCHMARK(GenerationToutPermis);
