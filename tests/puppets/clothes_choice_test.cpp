// The choice of clothes and hats: what a sentence names is worn by its person, men never get a
// dress, forced clashes end, and one seed gives the same puppets twice.
#include "puppet_fixture.h"
#include "puppets/clothes_choice.h"
#include "sentence/board.h"
#include "sentence/lexicon.h"
#include "sentence/sentence_debug.h"
#include "sentence/vocabulary.h"

namespace {

class ClothesTest : public PuppetTest {
  protected:
    void SetUp() override {
        PuppetTest::SetUp();
        InitVocabulary();
        SilenceSentenceDebug();
    }
    void TearDown() override {
        SetSentenceDebugSink(nullptr);
        InitVocabulary();
        PuppetTest::TearDown();
    }

    static ListePersos Quatre() {
        ListePersos persos;
        for (int i = 0; i < 4; ++i) {
            persos.push_back(std::make_shared<Pantin>());
        }
        return persos;
    }
};

// What the sentence names for the person itself (index 0 or 1), as a word and its colour.
std::pair<String, String> Propre(const StructureAction& s, int index, const String& genre) {
    std::pair<String, String> mot;
    const auto lit = [&](const String& role, const String& adjectif) {
        if (role.starts_with(genre)) {
            mot = {role, adjectif.empty() ? mot.second : adjectif};
        }
    };
    if (index == 0) {
        lit(s.GroupeNominal2, s.GroupeNominalAdjectif2);
        lit(s.ObjetComplement1, s.ObjetComplementAdjectif1);
    } else {
        lit(s.ObjetComplement2, s.ObjetComplementAdjectif2);
    }
    return mot;
}

} // namespace

TEST_F(ClothesTest, ChoicesThatClashWithTheOtherPersonInEveryDrawStillEnd) {
    StructureAction s;
    s.GroupeNominal1 = u"perso_monsieur_m";
    s.Action = u"h_wear";
    s.ObjetComplement1 = u"habit_pull_m";
    auto persos = Quatre();
    // The other person wears a pull too, and a bonnet.
    ChoisitHabit(persos, 0, &s, u"", u"habit_pull_m", u"", u"");
    EXPECT_EQ(persos[0]->choix[2], 0);
    s.ObjetComplement1 = u"chapeau_bonnet_m";
    ChoisitChapeau(persos, 0, &s, u"", u"chapeau_bonnet_m", u"", u"");
    EXPECT_EQ(persos[0]->choix[4], 2);

    // No structure counts as an empty one; a slot beyond the terrain is skipped.
    HabilleLesPersos(persos, nullptr);
    EXPECT_LT(persos[0]->choix[2], 4);
    ChoisitHabit(persos, 7, nullptr, u"", u"", u"", u"");
    persos[1].reset();
    ChoisitChapeau(persos, 1, &s, u"", u"", u"", u"");
}

TEST_F(ClothesTest, NamedClothesAreWornMenWearNoDressAndOneSeedGivesTheSamePuppets) {
    TireSynonymes();
    for (int* niveau :
         {&queok, &passiveok, &emphatiqueok, &expansiongn1ok, &expansiongn2ok, &adjectifsok, &codok,
          &renversableok, &renversablegn1ok, &renversablegn2ok}) {
        *niveau = 1;
    }
    nombredanimations = 3;
    nombredephrases = 3;
    SentenceBoardHost board;
    PuppetDressingHost host;
    int named = 0;
    for (int b = 0; b < 60; ++b) {
        board.HasardStructuresEtPhrases();
        for (const StructureAction& s : board.structures) {
            auto persos = Quatre();
            host.HabilleLesPersos(persos, &s);
            for (int index = 0; index < 2; ++index) {
                const Pantin& p = *persos[static_cast<std::size_t>(index)];
                if (const auto [habit, couleur] = Propre(s, index, u"habit"); !habit.empty()) {
                    ++named;
                    EXPECT_EQ(p.choix[2], host.IndiceVetement(habit)) << platform::ToUtf8(habit);
                    if (couleur == u"rouge") {
                        EXPECT_GE(p.couleurHabit[0], 220);
                        EXPECT_EQ(p.couleurHabit[1], p.couleurHabit[2]);
                    }
                }
                const auto [chapeau, teinte] = Propre(s, index, u"chapeau");
                if (chapeau == u"chapeau_bonnet_m" || chapeau == u"chapeau_casquette_f") {
                    EXPECT_EQ(p.choix[4], host.IndiceVetement(chapeau));
                } else if (!chapeau.empty() && !teinte.empty()) {
                    // A hat named with a colour is the one that takes a tint.
                    EXPECT_EQ(p.choix[4], 1);
                }
            }
            // Every man and boy has a man's or a boy's body: its second garment is a shirt,
            // never a dress.
            std::vector<String> mots = {s.GroupeNominal1};
            for (const String& mot : {s.GroupeNominal2, s.ObjetComplement1, s.ObjetComplement2}) {
                if (mot.starts_with(u"perso")) {
                    mots.push_back(mot);
                }
            }
            for (std::size_t i = 0; i < mots.size(); ++i) {
                if (mots[i].ends_with(u"_m")) {
                    EXPECT_LE(persos[i]->choix[0], 4) << platform::ToUtf8(mots[i]);
                }
            }
        }
    }
    EXPECT_GT(named, 10);

    // Dressed and built from one structure at the start seed, twice.
    const StructureAction s = board.structures[0];
    std::vector<std::string> runs[2];
    for (auto& run : runs) {
        platform::SetSeed(platform::StartSeed);
        auto persos = Quatre();
        HabilleLesPersos(persos, &s);
        for (const auto& p : persos) {
            p->Fabrique(1280, 768, s.GroupeNominal1, s.Action, u"", u"", u"", u"", u"", u"", u"",
                        u"", 1.0f);
            std::string line;
            for (int v : p->choix) {
                line += std::to_string(v) + " ";
            }
            for (const Couleur& c : {p->couleurPeau, p->couleurCheveux, p->couleurHabit,
                                     p->couleurChapeau, Couleur{p->intervalleClignement}}) {
                line += std::to_string(c[0]) + "," + std::to_string(c[1]) + "," +
                        std::to_string(c[2]) + " ";
            }
            run.push_back(line);
        }
    }
    EXPECT_EQ(runs[0], runs[1]);
}
