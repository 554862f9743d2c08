// The preferences file: where each value lies, damaged files, failed writes; and the check of
// what the enabled words allow, alone and after a profile is loaded.
#include <signal.h>
#include <sys/resource.h>

#include <cstring>
#include <functional>
#include <utility>

#include "framework/mutator.h"
#include "game_folder_fixture.h"
#include "screens/preferences.h"
#include "screens/sentence_feasibility.h"
#include "sentence/generation.h"

namespace {

using Preferences = GameFolderTest;

// Little-endian integers: {count, value} runs.
std::string Entiers(std::initializer_list<std::pair<int, int>> runs) {
    std::string s;
    for (auto [count, value] : runs)
        for (int i = 0; i < count * 4; ++i)
            s += char(static_cast<unsigned>(value) >> (8 * (i % 4)));
    return s;
}

const std::string Depart = Entiers({{5, 0}, {66, 1}});

} // namespace

TEST_F(Preferences, EveryValueHasItsOwnPlaceAndComesBack) {
    const std::string file = game + "_defaut/preferences";
    std::vector<std::function<void()>> changes;
    for (int* n : {&queok, &passiveok, &emphatiqueok, &expansiongn1ok, &expansiongn2ok,
                   &adjectifsok, &codok, &renversableok, &renversablegn1ok, &renversablegn2ok})
        changes.push_back([n] { *n = 2; });
    for (bool* b : {&PassiveEnchasseeOk, &PassiveFinOk, &OrdreVerbeSujetOk, &OrdreSujetVerbeOk,
                    &AccentAgentOk, &AccentPatientOk})
        changes.push_back([b] { *b = false; });
    for (FlagArray* a :
         {&PersosCoches, &VerbesIntransitifsCoches, &VerbeJouerMusiqueCoches, &VerbeRegarderCoches,
          &VerbeLancerCoches, &VerbeSouleverCoches, &VerbeTenirCoches, &VerbePromenerCoches,
          &VerbePoursuivreCoches, &VerbesLancerSurACoches, &VerbePorterSurEpaulesCoches,
          &VerbePorterHabitCoches, &ObjetsUneMainCoches, &ObjetsDeuxMainsCoches, &AnimauxCoches,
          &HabitsCoches, &ChapeauxCoches, &CouleursCoches, &QuiCoches})
        for (std::size_t k = 0; k < a->size(); ++k)
            changes.push_back([a, k] { (*a)[k] = false; });
    ASSERT_TRUE(EcritPreferences());
    EXPECT_EQ(Read(file), Depart);
    ASSERT_EQ(changes.size(), 71u);
    // One value changed at a time: only its integer moves, and a read gives it back.
    for (std::size_t i = 0; i < changes.size(); ++i) {
        InitVocabulary();
        changes[i]();
        ASSERT_TRUE(EcritPreferences());
        std::string expected = Depart;
        expected[i * 4] = i < 10 ? 2 : 0;
        ASSERT_EQ(Read(file), expected) << "integer " << i;
        InitVocabulary();
        ASSERT_TRUE(LitPreferences() && EcritPreferences());
        ASSERT_EQ(Read(file), expected) << "integer " << i;
    }
}

TEST_F(Preferences, DamagedFilesAndFailedWritesChangeNothing) {
    const std::string folder = game + "_defaut/", file = folder + "preferences";
    const std::string own = Entiers({{10, 2}, {61, 0}});
    Write(file, own + "reste"); // bytes after the record are ignored
    ASSERT_TRUE(LitPreferences());
    for (const std::string& bad :
         {std::string(), own.substr(0, 283), Entiers({{4, 0}, {1, 3}}) + own.substr(20),
          Entiers({{9, 0}, {1, -1}}) + own.substr(40)}) {
        Write(file, bad);
        EXPECT_FALSE(LitPreferences()) << bad.size();
    }
    std::filesystem::remove(file);
    std::filesystem::create_directory(file); // unreadable, even for root
    EXPECT_FALSE(LitPreferences());
    std::filesystem::remove(file);
    EXPECT_FALSE(LitPreferences());
    // A disk that fills up in the middle of the write (a read-only folder does not stop root).
    Write(file, "ancien");
    signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    const rlimit small{100, before.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_FALSE(EcritPreferences());
    setrlimit(RLIMIT_FSIZE, &before);
    EXPECT_EQ(Read(file), "ancien");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
    ASSERT_TRUE(EcritPreferences());
    EXPECT_EQ(Read(file), own);
}

// Damaged copies of the kept preferences files, from a fixed seed: each loads whole, levels as
// they are and yes/no values as 1 or 0, or not at all, the profile's choices then left as they
// were. A fixed number of runs: the same files on any machine.
TEST_F(Preferences, DamagedFilesLoadWholeOrNotAtAll) {
    const std::string file = game + "_defaut/preferences";
    const String copie = platform::GameFolder() + u"copie/";
    ASSERT_TRUE(platform::CreateDir(copie));
    // The choices held now, as the file that stores them.
    const auto choix = [&] {
        const String profil = dossierprofil;
        dossierprofil = copie;
        EXPECT_TRUE(EcritPreferences());
        dossierprofil = profil;
        return Read(platform::ToUtf8(copie) + "preferences");
    };
    const auto seeds = CorpusFiles("preferences");
    ASSERT_GE(seeds.size(), 2u);
    ASSERT_EQ(seeds[0].size(), 284u);
    Mutator mutator(20261206);
    const int runs = 150;
    int loaded = 0;
    for (int run = 0; run < runs; ++run) {
        const auto bytes =
            mutator.MutateBytes(seeds[static_cast<std::size_t>(run) % seeds.size()]);
        const std::string before = choix();
        Write(file, std::string(bytes.begin(), bytes.end()));
        if (!LitPreferences()) {
            ASSERT_EQ(choix(), before);
            continue;
        }
        ++loaded;
        ASSERT_GE(bytes.size(), 284u);
        const std::string after = choix();
        for (std::size_t i = 0; i < 71; ++i) {
            std::int32_t read = 0, kept = 0;
            std::memcpy(&read, bytes.data() + 4 * i, 4);
            std::memcpy(&kept, after.data() + 4 * i, 4);
            ASSERT_EQ(kept, i < 10 ? read : read == 1 ? 1 : 0) << "integer " << i;
        }
    }
    EXPECT_GT(loaded, runs / 4) << loaded;
}

// Profiles whose words allow sentences and variations (2), sentences only (1) or nothing (0):
// everything off, one person and no verb, throwing at someone with nothing to throw, one boy
// who can only sleep. Loading each checks it; the check alone gives the same.
TEST_F(Preferences, TheCheckTellsWhichGamesTheWordsAllow) {
    const auto options = Entiers({{5, 0}, {5, 1}, {6, 1}});
    const std::pair<std::string, int> cases[] = {
        {Depart, 2},
        {options + Entiers({{55, 0}}), 0},
        {options + Entiers({{1, 1}, {54, 0}}), 0},
        {options + Entiers({{4, 1}, {14, 0}, {1, 1}, {36, 0}}), 0},
        {options + Entiers({{2, 0}, {1, 1}, {7, 0}, {1, 1}, {44, 0}}), 1}};
    for (const auto& [bytes, allowed] : cases) {
        Write(game + "_defaut/preferences", bytes);
        variationspossibles = allowed != 2;
        ASSERT_TRUE(LitPreferences());
        EXPECT_EQ(variationspossibles, allowed == 2) << allowed;
        platform::SetSeed(platform::StartSeed);
        const PhrasesPossibles p = VerifiePhrasesPossibles();
        EXPECT_EQ(p.phrases + p.variations, allowed);
        // All 21 structures are drawn even after a success; counting draws nothing.
        const std::uint32_t after = platform::GetSeed();
        platform::SetSeed(platform::StartSeed);
        StructureAction s;
        for (int n = 0; n < 21; ++n)
            GenereStructureAction(s, false, true);
        EXPECT_EQ(platform::GetSeed(), after);
    }
}
