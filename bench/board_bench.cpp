// Cost of building one board of 4 sentences and 4 animations, with syntactic and with lexical
// variations, every word and construction enabled; and the slowest board seen over random
// option sets of every size (those that need many regenerations, or reach the bound).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>

#include "platform/random.h"
#include "sentence/board.h"
#include "sentence/lexicon.h"
#include "sentence/sentence_debug.h"
#include "sentence/vocabulary.h"

namespace {

void ToutPermis(int variations) {
    InitVocabulary();
    SilenceSentenceDebug();
    platform::SetSeed(platform::StartSeed);
    TireSynonymes();
    for (int* niveau : {&queok, &passiveok, &emphatiqueok, &expansiongn1ok, &expansiongn2ok,
                        &adjectifsok, &codok, &renversableok, &renversablegn1ok,
                        &renversablegn2ok})
        *niveau = 1;
    nombredanimations = 3;
    nombredephrases = 3;
    choixvariations = variations;
    seuilvariation = variations == 0 ? 0.7f : 0.3f;
}

void Tableau(benchmark::State& state, int variations) {
    ToutPermis(variations);
    SentenceBoardHost hote;
    for (auto _ : state) {
        benchmark::DoNotOptimize(hote.HasardStructuresEtPhrases());
        benchmark::DoNotOptimize(hote.phrases[0].data());
    }
    InitVocabulary();
}

void TableauSyntaxiques(benchmark::State& state) { Tableau(state, 0); }
void TableauLexicales(benchmark::State& state) { Tableau(state, 1); }

// One board per iteration under options drawn as the property test draws them; the slowest
// board is reported in milliseconds.
void TableauOptionsAuHasard(benchmark::State& state) {
    std::mt19937 hasard(20261206);
    std::uniform_int_distribution<int> niveau(0, 2), taille(0, 3), mode(0, 3), piece(0, 9);
    double pire = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        InitVocabulary();
        SilenceSentenceDebug();
        TireSynonymes();
        for (FlagArray* cases :
             {&PersosCoches, &HabitsCoches, &ChapeauxCoches, &ObjetsUneMainCoches,
              &ObjetsDeuxMainsCoches, &AnimauxCoches, &CouleursCoches, &VerbesIntransitifsCoches,
              &VerbeJouerMusiqueCoches, &VerbeRegarderCoches, &VerbeLancerCoches,
              &VerbeSouleverCoches, &VerbeTenirCoches, &VerbePromenerCoches,
              &VerbePoursuivreCoches, &VerbesLancerSurACoches, &VerbePorterSurEpaulesCoches,
              &VerbePorterHabitCoches})
            for (std::size_t i = 0; i < cases->size(); ++i)
                (*cases)[i] = piece(hasard) < 7;
        for (int* n : {&queok, &passiveok, &emphatiqueok, &expansiongn1ok, &expansiongn2ok,
                       &adjectifsok, &codok, &renversableok, &renversablegn1ok,
                       &renversablegn2ok})
            *n = niveau(hasard);
        for (bool* b : {&PassiveEnchasseeOk, &PassiveFinOk, &OrdreVerbeSujetOk,
                        &OrdreSujetVerbeOk, &AccentAgentOk, &AccentPatientOk})
            *b = piece(hasard) < 6;
        nombredanimations = taille(hasard);
        nombredephrases = taille(hasard);
        modedejeu = mode(hasard);
        choixvariations = piece(hasard) < 5 ? 0 : 1;
        seuilvariation = choixvariations == 0 ? 0.7f : 0.3f;
        SentenceBoardHost hote;
        state.ResumeTiming();
        const auto debut = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(hote.HasardStructuresEtPhrases());
        const std::chrono::duration<double, std::milli> duree =
            std::chrono::steady_clock::now() - debut;
        pire = std::max(pire, duree.count());
    }
    state.counters["pire_ms"] = pire;
    InitVocabulary();
}

} // namespace

BENCHMARK(TableauSyntaxiques)->Unit(benchmark::kMicrosecond);
BENCHMARK(TableauLexicales)->Unit(benchmark::kMicrosecond);
BENCHMARK(TableauOptionsAuHasard)->Unit(benchmark::kMicrosecond)->Iterations(3000);
