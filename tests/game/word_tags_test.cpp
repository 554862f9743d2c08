// Rows of word cards made from real generated sentences: the word groups of the word-order game
// and the word codes of the build-a-sentence bank.
#include "sentence/generation.h"
#include "sentence/lexicon.h"
#include "sentence/word_classes.h"
#include "tag_fixture.h"

namespace {

class WordTagsTest : public TagTest {
  protected:
    // Each card after its neighbour with the gap, or 60 lower centred at x 100 when it would
    // come within 100 pixels of the right edge; always whole on the canvas, at home.
    static void ExpectRows(const ListeEtiquettes& list, int count, float x0, float y0, float gap) {
        for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
            const iGuiEtiquette& card = *list[i];
            const float half = card.Width() / 2;
            const float left = i == 0 ? x0 : list[i - 1]->x + list[i - 1]->Width() / 2 + gap;
            const float top = i == 0 ? y0 : list[i - 1]->y;
            const bool wraps = left + half + half > 1180;
            EXPECT_EQ(std::tuple(card.x, card.y, card.origineX, card.origineY, card.numero),
                      wraps ? std::tuple(100.0f, top + 60, 100.0f, top + 60, int(i))
                            : std::tuple(left + half, top, left + half, top, int(i)));
            EXPECT_TRUE(card.x - half >= 0 && card.x + half <= 1280);
        }
    }
};

} // namespace

TEST_F(WordTagsTest, RealSentencesGiveOneCardPerWordInWrappedRows) {
    const std::vector<int*> levels = {&expansiongn1ok, &expansiongn2ok, &adjectifsok, &queok,
                                      &passiveok,      &emphatiqueok,   &codok};
    int twoRows = 0;
    for (int seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(seed);
        for (std::size_t k = 0; k < levels.size(); ++k) {
            *levels[k] = (seed >> k) % 3;
        }
        platform::SetSeed(seed);
        StructureAction s;
        ASSERT_TRUE(GenereStructureAction(s, false, false));
        const String sentence = platform::ToLower(PhraseDeStructure(false, s, false));
        playfield->guiPages[0] = std::make_shared<iList4>();

        // The word-order game: each group on a pale card, as it stands, on one line.
        ListeEtiquettes groups;
        const std::vector<String> pieces = Pieces(PhraseDeStructure(false, s, true));
        const int made =
            scene->FabriqueEtiquettes(groups, 0, pieces, playfield, false, true, 20, 240, 4);
        ASSERT_EQ(made, static_cast<int>(pieces.size()));
        ExpectRows(groups, made, 20, 240, 4);
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            const iGuiTextField& caption = *groups[i]->legende;
            EXPECT_EQ(caption.GetText(), pieces[i]);
            EXPECT_EQ(WordWrap(fontoregano30.get(), caption.width, pieces[i]).size(), 1u);
            EXPECT_GE(groups[i]->couleurRouge, 220);
        }
        twoRows += groups.back()->y > 240;

        // The bank: the sentence's codes in two calls, the second continuing the first's row
        // in the neutral colour.
        ListeEtiquettes bank;
        std::vector<String> codes;
        for (const String* role :
             {&s.GroupeNominal1, &s.GroupeNominalAdjectif1, &s.Action, &s.VerbeComplement1,
              &s.ObjetComplement1, &s.GroupeNominal2, &s.ObjetComplementAdjectif1,
              &s.VerbeComplement2, &s.ObjetComplement2, &s.ObjetDonneLance1}) {
            if (!role->empty() && *role != u"p_lancer sur" && *role != u"p_lancer a") {
                codes.push_back(platform::Split(*role, u"|")[0]);
            }
        }
        const int first =
            scene->FabriqueEtiquettes(bank, 0, {codes[0]}, playfield, true, true, 100, 220, 20);
        ASSERT_EQ(scene->FabriqueEtiquettes(bank, first, {codes.begin() + 1, codes.end()},
                                            playfield, true, false, 100, 220, 20),
                  static_cast<int>(codes.size()));
        ExpectRows(bank, static_cast<int>(codes.size()), 100, 220, 20);
        for (std::size_t i = 0; i < codes.size(); ++i) {
            const iGuiEtiquette& card = *bank[i];
            const String word = platform::ToLower(MotFrancais(false, true, codes[i]));
            EXPECT_EQ(std::tuple(card.texte, card.legende->GetText()),
                      std::tuple(codes[i], LegendeDeMot(codes[i])));
            EXPECT_FLOAT_EQ(card.blue, i == 0 ? card.couleurBleu : iGuiEtiquette::NeutreBleu);
            // The sentence names each noun and colour so ("à le" reads "au").
            EXPECT_TRUE(EstVerbe(codes[i], false) || platform::Contains(sentence, word));
        }
    }
    EXPECT_GE(twoRows, 5);
}

TEST(WordCaptionTest, ArticlesAndFeminineEndings) {
    std::vector<String> captions;
    for (const String& code : platform::Split(u"perso_monsieur_m,perso_petite fille_f,"
                                              u"animal_elephant_m,chapeau_casquette_f,h_wear,"
                                              u"p_portersurepaules,vert,violet,blanc,rouge,à",
                                              u",")) {
        captions.push_back(LegendeDeMot(code));
    }
    EXPECT_EQ(platform::ToUtf8(platform::Join(captions, u",")),
              "le monsieur,la petite fille,un (vrai) éléphant,une casquette,porte [habit],"
              "porte [quelqu'un],vert(e),violet(te),blanc(he),rouge,à");
    EXPECT_EQ(LegendeDeMot(u"perso_monsieur_m", u"homme"), u"l'homme");
}
