// The sentences of boards drawn under random options, staged as the matching game stages them
// and played to their end on the manual clock: every person the sentence names acts on the
// terrain. One who stays in place is in the room from the first frame to the last, and a walked
// animal stays within reach of the one who walks it ("La femme qui promène un chien poursuit la
// femme qui dort": both women ran out, and only the dog was there).
#include <algorithm>
#include <cmath>
#include <random>
#include <string>

#include "action_scenes.h"
#include "random_options.h"
#include "sentence/board.h"
#include "sentence/lexicon.h"
#include "sentence/realisation.h"
#include "sentence/sentence_debug.h"
#include "sentence/vocabulary.h"

namespace {

// Farther than this from the one who walks it (the elephant walks some 280 ahead), an animal on
// a lead goes along alone.
constexpr float LongueurDeLaisse = 400;
// Frames a staged sentence may take at most to end.
constexpr int ImagesMax = 3000;

// Random check boxes, option levels and sub-options, a board size and a game mode, as a
// player's profile and set-up could have them.
void TireOptions(std::mt19937& alea) {
    InitVocabulary();
    TireSynonymes();
    TireCasesEtNiveaux(alea);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    std::uniform_int_distribution<int> taille(0, 3);
    for (bool* b : {&PassiveEnchasseeOk, &PassiveFinOk, &OrdreVerbeSujetOk, &OrdreSujetVerbeOk,
                    &AccentAgentOk, &AccentPatientOk}) {
        *b = u(alea) < 0.6;
    }
    nombredanimations = taille(alea);
    nombredephrases = taille(alea);
    modedejeu = u(alea) < 0.5 ? 0 : 2;
    choixvariations = u(alea) < 0.5 ? 0 : 1;
    seuilvariation = choixvariations == 0 ? 0.7f : 0.3f;
}

bool DansLaPiece(float x) { return x >= 0 && x <= 1280; }

class BoardStaging : public ActionTest, public ::testing::WithParamInterface<int> {
  protected:
    void SetUp() override {
        ActionTest::SetUp();
        SilenceSentenceDebug();
    }
    void TearDown() override {
        SetSentenceDebugSink(nullptr);
        InitVocabulary();
        ActionTest::TearDown();
    }

    // Plays the staged sentence to its end; the first fault seen, "" when it acts as it says.
    std::string Joue(iPlayFieldTerrainAction& t) {
        using namespace CodeAction;
        // Who stays in place: no walk, run, ride, lead or chase, not chased, not carried.
        std::vector<const Pantin*> surPlace;
        std::vector<const Pantin*> promeneurs;
        for (int i = 0; i <= t.dernierPerso; ++i) {
            const Pantin& p = *t.persos[static_cast<std::size_t>(i)];
            if (!p.AAction(Marcher) && !p.AAction(Courir) && !p.AAction(Promener) &&
                !p.AAction(Pedaler) && !p.AAction(Poursuivre) && !p.poursuivi && !p.porte) {
                surPlace.push_back(&p);
            }
            if (p.AAction(Promener) && p.animal1) {
                promeneurs.push_back(&p);
            }
        }
        for (int image = 0; image < ImagesMax; ++image) {
            const bool finie = Avance(t);
            const std::string quand = " at frame " + std::to_string(image);
            for (const Pantin* p : surPlace) {
                if (!DansLaPiece(p->buste->x)) {
                    return "a person who stays in place is out of the room" + quand;
                }
            }
            for (const Pantin* p : promeneurs) {
                const float chien = p->animal1->ventre->x;
                if ((DansLaPiece(chien) || DansLaPiece(p->buste->x)) &&
                    std::fabs(chien - p->buste->x) > LongueurDeLaisse) {
                    return "a walked animal is out of its walker's reach" + quand;
                }
            }
            if (finie) {
                return "";
            }
        }
        return "never ends";
    }
};

} // namespace

TEST_P(BoardStaging, EveryoneTheSentenceNamesActsOnTheTerrain) {
    std::mt19937 alea(static_cast<std::uint32_t>(20261211 + GetParam()));
    int jouees = 0;
    int fautes = 0;
    std::string exemples;
    for (int tableau = 0; tableau < 300; ++tableau) {
        TireOptions(alea);
        platform::SetSeed(static_cast<std::int64_t>(alea()));
        SentenceBoardHost hote;
        hote.HasardStructuresEtPhrases();
        if (hote.phrases[0].empty()) {
            continue;
        }
        for (int k = 0; k <= nombredanimations; ++k) {
            const StructureAction& s = hote.structures[static_cast<std::size_t>(k)];
            const auto t = Stage(s);
            const std::string faute = Joue(*t);
            ++jouees;
            if (!faute.empty() && ++fautes <= 5) {
                exemples +=
                    "\n" + platform::ToUtf8(PhraseDeStructure(false, s, false)) + ": " + faute;
            }
        }
    }
    EXPECT_GT(jouees, 400);
    EXPECT_EQ(fautes, 0) << exemples;
}

INSTANTIATE_TEST_SUITE_P(Graines, BoardStaging, ::testing::Range(0, 8));
