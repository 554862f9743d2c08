// Boards built under random options in every game mode and size: each card's sentence acted by
// the terrain staged with its structure, everything on the canvas, a word-order board solvable
// from its own words and never accepting a pronoun that does not suit the next word; the
// shuffles.
#include <numeric>
#include <random>

#include "framework/bitmap_font.h"
#include "framework/shared_assets.h"
#include "main_scene_fixture.h"
#include "sentence/agreement.h"
#include "sentence/generation.h"
#include "sentence/lexicon.h"
#include "sentence/realisation.h"

namespace {

std::string U8(const String& s) { return platform::ToUtf8(s); }

// A profile's options drawn at random; `formes` asks for the forms that make clauses.
void OptionsAuHasard(std::mt19937& hasard, bool formes) {
    InitVocabulary();
    std::uniform_int_distribution<int> niveau(0, 2), piece(0, 9);
    for (FlagArray* cases :
         {&PersosCoches, &HabitsCoches, &ChapeauxCoches, &ObjetsUneMainCoches,
          &ObjetsDeuxMainsCoches, &AnimauxCoches, &CouleursCoches, &VerbesIntransitifsCoches,
          &VerbeJouerMusiqueCoches, &VerbeRegarderCoches, &VerbeLancerCoches, &VerbeSouleverCoches,
          &VerbeTenirCoches, &VerbePromenerCoches, &VerbePoursuivreCoches, &VerbesLancerSurACoches,
          &VerbePorterSurEpaulesCoches, &VerbePorterHabitCoches}) {
        for (std::size_t i = 0; i < cases->size(); ++i) {
            (*cases)[i] = piece(hasard) < 7;
        }
    }
    for (int* n : {&queok, &passiveok, &emphatiqueok, &expansiongn1ok, &expansiongn2ok,
                   &adjectifsok, &codok, &renversableok, &renversablegn1ok, &renversablegn2ok}) {
        *n = formes && n == &queok ? 2 : niveau(hasard);
    }
    for (bool* b : {&PassiveEnchasseeOk, &PassiveFinOk, &OrdreVerbeSujetOk, &OrdreSujetVerbeOk,
                    &AccentAgentOk, &AccentPatientOk}) {
        *b = piece(hasard) < 6;
    }
    choixvariations = piece(hasard) % 2;
    seuilvariation = choixvariations == 0 ? 0.7f : 0.3f;
}

bool DansLaToile(const iGuiEtiquette& tag, float x, float y) {
    return x - tag.Width() / 2 >= 0 && x + tag.Width() / 2 <= 1280 && y - tag.Height() / 2 >= 0 &&
           y + tag.Height() / 2 <= 768;
}

String SansPoint(const String& s) {
    return iEngineSceneGlobale::SansEspaces(platform::Left(s, static_cast<int>(s.size()) - 1));
}

} // namespace

class BoardTest : public MainSceneTest {
  protected:
    // What a child relies on in the board just built: the first fault found, "" when none.
    std::string Defaut(int animations, int sentences) {
        const iEngineSceneGlobale& s = *scene;
        const int na = nombredanimations;
        const int np = nombredephrases;
        if (na > animations || np > sentences || s.etiquettes.size() != std::size_t(np) + 1) {
            return "board larger than asked";
        }
        // Options that allow no sentence at all (no person ticked) give one empty board.
        if (s.phrases[0].empty()) {
            return na == 0 && np == 0 && s.structures[0].Action.empty() ? "" : "empty sentence";
        }
        for (int p = 0; p <= np; ++p) {
            const int i = s.ordreEtiquettes[std::size_t(p)];
            const iGuiEtiquette& tag = Tag(i);
            const String legende = tag.legende->GetText();
            if (tag.numero != p || tag.origineX != s.etiquettesX[std::size_t(p)] ||
                !DansLaToile(tag, tag.origineX, tag.origineY) ||
                tag.legende->Width() > tag.Width() || tag.legende->Height() > tag.Height() ||
                (modedejeu != 2 && legende != s.phrases[std::size_t(i)])) {
                return "card " + std::to_string(i) + " off its place or not its sentence";
            }
            if (i > na) {
                continue;
            }
            // Acted by the terrain staged with its structure, as the engine writes it (in the
            // word-order game, one of the orders accepted).
            const int t = s.terrainDePhrase[std::size_t(i)];
            const StructureAction& st = s.structures[std::size_t(i)];
            const String ecrite = platform::Replace(
                platform::Replace(PhraseDeStructure(true, st, false), u"(vrai) ", u""), u"(faux) ",
                u"");
            const bool lue =
                modedejeu == 3 ||
                (modedejeu == 2 ? std::count(s.phrasesvracok.begin(), s.phrasesvracok.end(),
                                             SansPoint(ecrite)) > 0
                                : platform::Replace(platform::Replace(legende, u"(vrai) ", u""),
                                                    u"(faux) ", u"") == ecrite);
            if (s.ordreTerrains[std::size_t(t)] != i || T(t).phrase != legende || !lue ||
                T(t).dernierPerso != st.NombrePersos - 1 || T(t).immobile != st.Immobile ||
                s.playfields.IndexOf(&T(t)) < 0) {
                return "sentence " + std::to_string(i) + " not acted by terrain " +
                       std::to_string(t) + ": " + U8(legende) + " / " + U8(ecrite);
            }
        }
        return modedejeu == 2 ? DefautDesMots() : "";
    }

    // The words are not dealt in an accepted order and stand on the canvas; in the order of the
    // sentence shown they are accepted; no
    // order of the words that is accepted puts "qu'" before a consonant or "que" before a vowel.
    std::string DefautDesMots() {
        if (scene->VerifieOrdre()) {
            return "dealt in an accepted order: " + U8(Tag(0).legende->GetText());
        }
        for (const auto& mot : scene->etiquettesMots) {
            if (!DansLaToile(*mot, mot->x, mot->y)) {
                return "word " + U8(mot->legende->GetText()) + " off the canvas";
            }
        }
        const String affichee = Tag(0).legende->GetText();
        const std::vector<iGuiEtiquette*> ordre = OrdreDesMots();
        if (scene->phrasesvracok[0] != SansPoint(affichee) || ordre.empty()) {
            return "no order of the words gives " + U8(affichee);
        }
        for (std::size_t k = 0; k < ordre.size(); ++k) {
            ordre[k]->x = 10 + 30 * static_cast<float>(k);
            ordre[k]->y = 400;
        }
        if (!scene->VerifieOrdre()) {
            return "the right order is refused: " + U8(affichee);
        }
        for (const String& accepte : scene->phrasesvracok) {
            const std::vector<iGuiEtiquette*> mots =
                accepte.empty() ? ordre : OrdreDesMots(accepte);
            for (std::size_t k = 0; k + 1 < mots.size(); ++k) {
                const String pronom = mots[k]->legende->GetText();
                const bool voyelle = CommenceParVoyelle(mots[k + 1]->legende->GetText());
                if ((pronom == u"que" && voyelle) || (pronom == u"qu'" && !voyelle)) {
                    return "accepts " + U8(accepte);
                }
            }
        }
        return "";
    }
};

TEST_F(BoardTest, EveryModeAndSizeUnderRandomOptions) {
    std::mt19937 hasard(20251207);
    std::uniform_int_distribution<int> taille(0, 3);
    int presentatifs = 0, relatives = 0, surplus = 0, complets = 0;
    for (int k = 0; k < 120; ++k) {
        OptionsAuHasard(hasard, k % 2 == 1);
        const int mode = k % 4;
        const int animations = mode == 0 ? 1 + taille(hasard) % 3 : 0;
        const int phrases = mode < 2 ? taille(hasard) : 0;
        if (mode == 3) {
            // The child's own sentence, with its text.
            auto s = std::make_shared<StructureAction>();
            GenereStructureAction(*s, true, false);
            structureChoisie = s;
            phraseChoisie = PhraseDeStructure(false, *s, false);
        }
        Open(mode, animations, phrases, 3, 1134, 680, 1000 + static_cast<std::uint32_t>(k));
        for (int board = 0; board < 2; ++board) {
            ASSERT_EQ(Defaut(animations, phrases), "") << "options " << k << ", board " << board;
            presentatifs += scene->structures[0].Presentatif;
            relatives += scene->structures[0].RelativeQue;
            surplus += nombredephrases > nombredanimations;
            complets += nombredanimations == animations && nombredephrases == phrases;
            scene->TableauSuivant(false);
        }
    }
    EXPECT_GT(std::min({presentatifs, relatives, surplus}), 5);
    EXPECT_GT(complets, 200);
}

TEST_F(BoardTest, WordOrderBoardsOfHundredsOfSentences) {
    // One word-order board, then its sentence drawn again and again under other options.
    Open(2, 0, 0);
    std::mt19937 hasard(77);
    int verbesDeplaces = 0, deuxRangs = 0;
    for (int k = 0; k < 600; ++k) {
        OptionsAuHasard(hasard, true);
        modedejeu = 2;
        TireSynonymes();
        scene->HasardStructuresEtPhrases();
        if (scene->phrases[0].empty()) {
            continue;
        }
        for (auto& mot : scene->etiquettesMots) {
            mot->Remove();
            mot->legende->Remove();
        }
        scene->PrepareMotsEnVrac();
        deuxRangs += Word(0).y != scene->etiquettesMots.back()->y;
        ASSERT_EQ(DefautDesMots(), "") << k;
        verbesDeplaces += !scene->phrasesvracok[2].empty();
        EXPECT_EQ(scene->phrasesvracok[2].empty(), scene->phrasesvracok[3].empty());
    }
    EXPECT_GT(verbesDeplaces, 20);
    EXPECT_GT(deuxRangs, 2);
}

TEST_F(BoardTest, ShufflesDrawOneStepPerElement) {
    // A permutation, one generator step per element, a single element included; the strings
    // follow the same draw as the indices.
    Open(1, 0, 0);
    for (int n : {0, 1, 2, 5}) {
        std::vector<int> entiers(std::size_t(n), 7);
        std::vector<String> chaines;
        for (int i = 0; i < n; ++i) {
            chaines.push_back(platform::Str(i));
        }
        platform::SetSeed(99);
        iEngineSceneGlobale::MelangeEntiers(entiers);
        const std::uint32_t apres = platform::GetSeed();
        platform::SetSeed(99);
        scene->MelangeChaines(chaines);
        EXPECT_EQ(platform::GetSeed(), apres);
        platform::SetSeed(99);
        for (int i = 0; i < n; ++i) {
            platform::RandomFloat();
            EXPECT_EQ(chaines[std::size_t(i)], platform::Str(entiers[std::size_t(i)]));
            EXPECT_EQ(std::count(entiers.begin(), entiers.end(), i), 1);
        }
        EXPECT_EQ(apres, platform::GetSeed()) << n;
    }
}

// With every extension on, the sentences of one board differ widely in length: the board is
// written in one print size all the same, the largest in which each sentence keeps to its card
// (a sentence in smaller print than its neighbours would give it away).
TEST_F(BoardTest, EveryCardOfABoardInOnePrintSize) {
    for (int* niveau : {&queok, &passiveok, &emphatiqueok, &adjectifsok, &expansiongn1ok,
                        &expansiongn2ok, &codok}) {
        *niveau = 2;
    }
    ASSERT_EQ(policesDesCartes.size(), 7u);
    const auto tient = [](const iBitmapFont& police, const String& texte) {
        return static_cast<float>(WordWrap(&police, 595, texte).size()) * police.height <= 155;
    };
    std::vector<int> tailles(policesDesCartes.size());
    for (std::uint32_t seed = 1; seed <= 24; ++seed) {
        Open(seed % 2, 3, 3, 3, 1134, 680, seed);
        for (int board = 0; board < 2; ++board) {
            SCOPED_TRACE("seed " + std::to_string(seed) + ", board " + std::to_string(board));
            const auto police = Tag(0).legende->font;
            const auto rang =
                std::find(policesDesCartes.begin(), policesDesCartes.end(), police) -
                policesDesCartes.begin();
            ASSERT_LT(rang, static_cast<long>(policesDesCartes.size()));
            ++tailles[static_cast<std::size_t>(rang)];
            bool plusGrandeTient = rang > 0;
            for (int i = 0; i <= nombredephrases; ++i) {
                const iGuiTextField& legende = *Tag(i).legende;
                EXPECT_EQ(legende.font, police) << U8(legende.GetText());
                EXPECT_LE(legende.Height(), 155) << U8(legende.GetText());
                EXPECT_TRUE(tient(*police, legende.GetText())) << U8(legende.GetText());
                plusGrandeTient =
                    plusGrandeTient && tient(*policesDesCartes[static_cast<std::size_t>(rang - 1)], legende.GetText());
            }
            EXPECT_FALSE(plusGrandeTient) << "a larger print size fits every card";
            scene->TableauSuivant(false);
        }
    }
    // Boards in full size, and boards in the sizes between.
    EXPECT_GT(tailles[0], 0);
    EXPECT_GT(std::accumulate(tailles.begin() + 1, tailles.end() - 1, 0), 0);
}

// A deal that would read as an accepted order is dealt in another order, with no random draw of
// its own: a seed gives the sentences it gave before, board after board.
TEST_F(BoardTest, AWordOrderBoardIsNeverDealtSolvedAndASeedKeepsItsSentences) {
    const std::vector<std::vector<const char*>> attendues = {
        {"La fillette regarde un éléphant jaune.", "Le petit garçon marche.",
         "Le petit garçon a un marteau.", "La petite fille lève les bras.",
         "La fillette observe un éléphant.", "La dame a une casquette rose.",
         "Le petit garçon a une banane.", "Le petit garçon poursuit le monsieur.",
         "La petite fille jette une rose sur le bonhomme.",
         "Le petit garçon lance une balle sur la petite fille.",
         "Le petit garçon joue de la guitare.", "L'homme lève les bras."},
        {"Le petit garçon qui envoie une fleur au monsieur regarde un crocodile gris.",
         "Le petit garçon qui jette une balle sur la petite fille a mis un manteau blanc.",
         "La fillette qui court a mis une casquette jaune.",
         "La fillette qui lance une balle sur l'homme regarde un crocodile gris.",
         "Le petit garçon qui regarde un poisson rouge poursuit l'homme.",
         "Le petit garçon qui observe un chien violet envoie une pomme.",
         "La femme qui porte la petite fille a mis un T-shirt rose.",
         "La dame qui lance une balle à la fillette porte un bonnet gris.",
         "La petite fille qui court dort.", "L'homme qui observe un poisson violet porte la femme.",
         "Le monsieur qui poursuit la dame a un T-shirt bleu.",
         "La petite fille qui observe un éléphant violet poursuit le bonhomme."}};
    for (std::size_t options = 0; options < attendues.size(); ++options) {
        if (options == 1) {
            queok = expansiongn1ok = adjectifsok = 2;
        }
        Open(2, 0, 0, 20);
        for (std::size_t board = 0; board < attendues[options].size(); ++board) {
            SCOPED_TRACE("options " + std::to_string(options) + ", board " + std::to_string(board));
            ASSERT_EQ(U8(scene->phrases[0]), attendues[options][board]);
            EXPECT_FALSE(scene->VerifieOrdre());
            // Every word of the sentence on a card, once.
            std::vector<String> mots;
            for (const auto& mot : scene->etiquettesMots) {
                mots.push_back(mot->legende->GetText());
            }
            EXPECT_EQ(iEngineSceneGlobale::SansEspaces(platform::Join(mots, u"")).size(),
                      SansPoint(scene->phrases[0]).size());
            scene->TableauSuivant(true);
            Step();
        }
    }
}

TEST_F(BoardTest, AWordOrderDealWhoseEveryTurnIsAcceptedTakesAnotherOrder) {
    Open(2, 0, 0);
    // Two clauses of one word each, accepted both ways: only a third word can be put apart.
    scene->phrasesvracok = {u"abc", u"bca", u"cab", u""};
    std::vector<String> mots = {u"a", u"b", u"c"};
    const std::uint32_t graine = platform::GetSeed();
    scene->DerangeSiEnOrdre(mots);
    EXPECT_EQ(platform::Join(mots, u"|"), u"a|c|b");
    // Nothing to do when every order is accepted, nor when none is.
    scene->phrasesvracok = {u"ab", u"ba", u"", u""};
    mots = {u"a", u"b"};
    scene->DerangeSiEnOrdre(mots);
    EXPECT_EQ(platform::Join(mots, u"|"), u"a|b");
    scene->phrasesvracok = {u"xyz", u"", u"", u""};
    mots = {u"b", u"a"};
    scene->DerangeSiEnOrdre(mots);
    EXPECT_EQ(platform::Join(mots, u"|"), u"b|a");
    EXPECT_EQ(platform::GetSeed(), graine);
}
