// Rows of word cards made from real generated sentences: the pieces of the word-order game and
// the word codes of the build-a-sentence bank.
#include "sentence/generation.h"
#include "sentence/lexicon.h"
#include "sentence/realisation.h"
#include "sentence/word_classes.h"
#include "tag_fixture.h"

namespace {

using platform::EndsWith;
using platform::StartsWith;

// The word groups of a sentence written with the word-order markup, markers dropped.
std::vector<String> Pieces(const String& marked) {
    std::vector<String> pieces;
    for (String piece : platform::Split(marked, MarqueFinEtiquette)) {
        for (const char16_t* marker :
             {MarquePropositionA, MarquePropositionB, MarqueVerbeApresQue, MarqueVerbeVersLaFin}) {
            piece = platform::Replace(piece, marker, u"");
        }
        piece = platform::Trim(piece);
        if (!piece.empty() && piece != u".") {
            pieces.push_back(piece);
        }
    }
    return pieces;
}

class WordTagsTest : public TagTest {
  protected:
    // Every card of the list laid out as the rows say: after its neighbour with the gap, or
    // 60 lower, centred at x 100, when it would come within 100 pixels of the right edge.
    void ExpectRows(const ListeEtiquettes& list, std::size_t count, float x0, float y0, float gap) {
        for (std::size_t i = 0; i < count; ++i) {
            const iGuiEtiquette& card = *list[i];
            const float left = i == 0 ? x0 : list[i - 1]->x + list[i - 1]->Width() / 2 + gap;
            const float top = i == 0 ? y0 : list[i - 1]->y;
            if (left + card.Width() / 2 + card.Width() / 2 > 1180) {
                EXPECT_EQ(std::pair(card.x, card.y), std::pair(100.0f, top + 60)) << i;
            } else {
                EXPECT_EQ(std::pair(card.x, card.y), std::pair(left + card.Width() / 2, top)) << i;
            }
            EXPECT_EQ(std::pair(card.origineX, card.origineY), std::pair(card.x, card.y));
            EXPECT_EQ(card.numero, static_cast<int>(i));
            EXPECT_GE(card.x - card.Width() / 2, 0) << platform::ToUtf8(card.legende->GetText());
            EXPECT_LE(card.x + card.Width() / 2, 1280);
        }
    }
    // A fresh page and empty lists between two sentences.
    void Clear() {
        canvas->guiPages[0] = std::make_shared<iList4>();
        scene->etiquettes.clear();
        scene->etiquettesMots.assign(iEngineEtiq::PlacesDuCadre, nullptr);
    }
};

} // namespace

TEST_F(WordTagsTest, RealSentencesGiveOneCardPerWordInWrappedRows) {
    const std::vector<int*> levels = {&expansiongn1ok, &expansiongn2ok, &adjectifsok, &queok,
                                      &passiveok,      &emphatiqueok,   &codok};
    std::size_t twoRows = 0;
    for (int seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(seed);
        for (std::size_t k = 0; k < levels.size(); ++k) {
            *levels[k] = (seed >> k) % 3;
        }
        platform::SetSeed(seed);
        StructureAction structure;
        ASSERT_TRUE(GenereStructureAction(structure, false, false));
        const String sentence = PhraseDeStructure(false, structure, false);

        // The word-order game: each group of words on a pale card, as it stands.
        Clear();
        const std::vector<String> pieces = Pieces(PhraseDeStructure(false, structure, true));
        const int made = scene->FabriqueEtiquettes(scene->etiquettesMots, 0, pieces, canvas, false,
                                                   true, 20, 240, 4);
        ASSERT_EQ(made, static_cast<int>(pieces.size()));
        ExpectRows(scene->etiquettesMots, pieces.size(), 20, 240, 4);
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            const iGuiEtiquette& card = *scene->etiquettesMots[i];
            EXPECT_EQ(card.legende->GetText(), pieces[i]);
            EXPECT_GE(card.couleurRouge, 220);
            // The caption fits its card on one line.
            EXPECT_EQ(WordWrap(fontoregano30.get(), card.legende->width, pieces[i]).size(), 1u);
        }
        twoRows += scene->etiquettesMots[pieces.size() - 1]->y > 240;

        // The bank: the sentence's word codes in two lists, the second continuing the row of
        // the first.
        Clear();
        std::vector<String> codes;
        for (const String* role :
             {&structure.GroupeNominal1, &structure.GroupeNominalAdjectif1, &structure.Action,
              &structure.VerbeComplement1, &structure.ObjetComplement1, &structure.GroupeNominal2,
              &structure.ObjetComplementAdjectif1, &structure.VerbeComplement2,
              &structure.ObjetComplement2, &structure.ObjetDonneLance1}) {
            if (!role->empty()) {
                codes.push_back(platform::Split(*role, u"|")[0]);
            }
        }
        const std::vector<String> persons(codes.begin(), codes.begin() + 1);
        const std::vector<String> others(codes.begin() + 1, codes.end());
        const int first = scene->FabriqueEtiquettes(scene->etiquettes, 0, persons, canvas, true,
                                                    true, 100, 220, 20);
        const int next = scene->FabriqueEtiquettes(scene->etiquettes, first, others, canvas, true,
                                                   false, 100, 220, 20);
        std::size_t c = 0;
        for (const String& code : codes) {
            if (code == u"p_lancer sur" || code == u"p_lancer a") {
                continue;
            }
            const bool neutral = static_cast<int>(c) >= first;
            const iGuiEtiquette& card = *scene->etiquettes[c++];
            const String caption = card.legende->GetText();
            EXPECT_EQ(card.texte, code);
            const int kind = CategorieNom(code);
            const bool feminine = EndsWith(code, u"_f");
            if (kind == 1 || kind == 2) {
                EXPECT_EQ(caption, (feminine ? u"la " : u"le ") + MotFrancais(false, true, code));
                EXPECT_EQ(card.couleurBleu, 255);
                // The person is named so in the sentence, or after "à" as "au".
                const String lower = platform::ToLower(sentence);
                EXPECT_TRUE(platform::Contains(lower, caption) ||
                            platform::Contains(lower, u"au " + MotFrancais(false, true, code)));
            } else if (kind > 2) {
                EXPECT_EQ(caption, (feminine ? u"une " : u"un ") + MotFrancais(false, true, code));
                EXPECT_TRUE(platform::Contains(sentence, MotFrancais(false, true, code)));
            } else if (EstVerbe(code, false)) {
                EXPECT_TRUE(StartsWith(caption, MotFrancais(false, true, code)));
                EXPECT_EQ(std::tuple(card.couleurRouge, card.couleurVert), std::tuple(255, 200));
            } else {
                const bool agrees =
                    EndsWith(code, u"bleu") || EndsWith(code, u"vert") || EndsWith(code, u"gris");
                EXPECT_EQ(EndsWith(caption, u"(e)"), agrees) << platform::ToUtf8(caption);
                EXPECT_EQ(card.couleurVert, 255);
            }
            // Cards of the second list wait in the neutral colour.
            EXPECT_FLOAT_EQ(card.blue, neutral ? iGuiEtiquette::NeutreBleu : card.couleurBleu);
        }
        EXPECT_EQ(next, static_cast<int>(c));
        ExpectRows(scene->etiquettes, c, 100, 220, 20);
    }
    // Long sentences wrapped into a second row, and not only once.
    EXPECT_GE(twoRows, 5u);
}

TEST(WordCaptionTest, ArticlesAndFeminineEndings) {
    EXPECT_EQ(LegendeDeMot(u"perso_monsieur_m", u"homme"), u"l'homme");
    EXPECT_EQ(LegendeDeMot(u"perso_monsieur_m"), u"le monsieur");
    EXPECT_EQ(LegendeDeMot(u"perso_petite fille_f"), u"la petite fille");
    EXPECT_EQ(LegendeDeMot(u"animal_elephant_m"), u"un (vrai) éléphant");
    EXPECT_EQ(LegendeDeMot(u"chapeau_casquette_f"), u"une casquette");
    EXPECT_EQ(LegendeDeMot(u"h_wear"), u"porte [habit]");
    EXPECT_EQ(LegendeDeMot(u"p_portersurepaules"), u"porte [quelqu'un]");
    EXPECT_EQ(LegendeDeMot(u"vert"), u"vert(e)");
    EXPECT_EQ(LegendeDeMot(u"violet"), u"violet(te)");
    EXPECT_EQ(LegendeDeMot(u"blanc"), u"blanc(he)");
    EXPECT_EQ(LegendeDeMot(u"rouge"), u"rouge");
    EXPECT_EQ(LegendeDeMot(u"à"), u"à");
}
