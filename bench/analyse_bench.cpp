// The check of a composed sentence runs after every word the child places: it must stay far
// below one frame even on a long sentence.
#include <benchmark/benchmark.h>

#include "sentence/sentence_check.h"
#include "sentence/sentence_debug.h"
#include "sentence/vocabulary.h"
#include "sentence/working_lists.h"

namespace {

// 13 words: a coloured garment in the clause on the subject, a throw to somebody, and a
// coloured animal in the clause on the object.
const StringArray PhraseLongue = {u"perso_dame_f",
                                  u"qui",
                                  u"h_wear",
                                  u"habit_robe_f",
                                  u"bleu",
                                  u"oum_lancer",
                                  u"unemain_balle_f",
                                  u"à",
                                  u"perso_monsieur_m",
                                  u"qui",
                                  u"a_promener",
                                  u"animal_chien_m",
                                  u"marron"};

void BM_AnalysePhraseLongue(benchmark::State& state) {
    InitVocabulary();
    ReinitialiseListesNoms();
    FiltreListes(1);
    SilenceSentenceDebug();
    StructureAction s;
    // The game's sentence frame has 20 slots; the words fill the first ones.
    StringArray cases = PhraseLongue;
    cases.resize(20);
    const int last = static_cast<int>(PhraseLongue.size()) - 1;
    if (!AnalysePhrase(last, cases, s).empty())
        state.SkipWithError("la phrase de mesure devrait être correcte");
    for (auto _ : state) {
        String remarques = AnalysePhrase(last, cases, s);
        benchmark::DoNotOptimize(remarques);
        benchmark::DoNotOptimize(s);
    }
    SetSentenceDebugSink(nullptr);
}
BENCHMARK(BM_AnalysePhraseLongue);

} // namespace
