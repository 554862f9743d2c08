// The lexicon: objects on the ground keep their word, passives follow the drawn synonym, and the
// synonyms are drawn in a fixed number of random steps.
#include <algorithm>
#include <set>

#include "platform/random.h"
#include "sentence/lexicon.h"
#include "sentence/vocabulary.h"
#include "sentence_test_support.h"

namespace {

using Lexique = SentenceTest;

// Most words and passives show in the worked sentences; these are the codes they do not reach.
TEST_F(Lexique, MotSelonLeCodeLeSynonymeEtLaVoix) {
    SynonymeRose = u"rose";
    SynonymeTenir = SynonymePorter = u"a";
    SynonymeLancerA = u"passe";
    struct Cas {
        bool synonymes, actif;
        const char16_t* code;
        const char16_t* mot;
    };
    const Cas cas[] = {
        // An object on the ground keeps its word, a person or an animal does not.
        {false, true, u"deuxmains_caisse_f|par_terre", u"caisse"},
        {true, true, u"unemain_rose_f|par_terre", u"rose"},
        {false, true, u"perso_dame_f|par_terre", u""},
        {false, true, u"animal_chien_m|par_terre", u""},
        // Before any draw of synonyms the plain word stands in: no sentence loses its subject.
        {true, true, u"perso_dame_f", u"dame"},
        {true, false, u"po_regarder", u"est regardé"},
        // The flower and the colour are two words; the two elephants are told apart.
        {false, true, u"unemain_rose_f", u"fleur"},
        {false, true, u"rose", u"rose"},
        {false, true, u"animal_elephant_m", u"(vrai) éléphant"},
        {false, true, u"deuxmains_elephant_m", u"(faux) éléphant"},
        // A common noun, without a capital in mid-sentence.
        {false, true, u"deuxmains_toureiffel_f", u"tour Eiffel"},
        {true, true, u"ouodm_tenir", u"a"},
        {true, true, u"h_wear", u"a"},
        {false, true, u"h_wear", u"porte"},
        // Unknown codes, codes in another case, and codes holding "à".
        {false, true, u"perso_Dame_f", u""},
        {false, true, u"unemain_pom", u""},
        {false, true, u"à côté", u"à côté"},
        // Throwing to somebody has no passive; other verbs without one and nouns ignore the voice.
        {true, false, u"p_lancer a", u"passe"},
        {false, false, u"p_lancer a", u"lance"},
        {false, false, u"i_marcher", u"marche"},
        {false, false, u"perso_monsieur_m", u"monsieur"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(U8(MotFrancais(c.synonymes, c.actif, c.code)), U8(c.mot)) << U8(c.code);

    // A sentence keeps the elephants' markers only when it holds both elephants.
    EXPECT_EQ(SansReperesElephants(u"La fillette a un (faux) éléphant."),
              u"La fillette a un éléphant.");
    const String lesDeux = u"La dame qui a un (faux) éléphant regarde un (vrai) éléphant.";
    EXPECT_EQ(SansReperesElephants(lesDeux), lesDeux);

    // The passive of "throw at" follows the drawn synonym; one it does not know stays as it is.
    for (const auto& [synonyme, passif] : {std::pair<String, String>{u"lance", u"se fait lancer"},
                                           {u"envoie", u"se fait envoyer"},
                                           {u"catapulte", u"catapulte"}}) {
        SynonymeLancerSur = synonyme;
        EXPECT_EQ(MotFrancais(true, false, u"p_lancer sur"), passif);
        EXPECT_EQ(MotFrancais(true, true, u"p_lancer sur"), synonyme);
    }
}

TEST_F(Lexique, TireSynonymesAvanceLeGenerateurDeDixHuitPas) {
    TireSynonymes();
    const std::uint32_t apres = platform::GetSeed();
    platform::SetSeed(platform::StartSeed);
    for (int i = 0; i < 18; ++i)
        platform::RandomFloat();
    EXPECT_EQ(apres, platform::GetSeed());

    // Every current synonym is an entry of its list.
    const std::pair<const StringArray*, const String*> listes[] = {
        {&SynonymesCaisse, &SynonymeCaisse},     {&SynonymesPorter, &SynonymePorter},
        {&SynonymesMonsieur, &SynonymeMonsieur}, {&SynonymesPedaler, &SynonymePedaler},
        {&SynonymesDame, &SynonymeDame},         {&SynonymesLancerA, &SynonymeLancerA}};
    for (const auto& [liste, courant] : listes)
        EXPECT_NE(std::find(liste->begin(), liste->end(), *courant), liste->end());

    // The same seed draws the same words.
    const String dame = SynonymeDame;
    const String cadeau = SynonymeCadeau;
    const String pedaler = SynonymePedaler;
    platform::SetSeed(platform::StartSeed);
    TireSynonymes();
    EXPECT_EQ(SynonymeDame, dame);
    EXPECT_EQ(SynonymeCadeau, cadeau);
    EXPECT_EQ(SynonymePedaler, pedaler);
}

TEST_F(Lexique, LesTirageDeSynonymesParcourentToutesLesEntrees) {
    // Over many draws each entry of a three-word list comes up: no index is skipped.
    std::set<String> vus;
    for (int i = 0; i < 200; ++i) {
        TireSynonymes();
        vus.insert(SynonymeMonsieur);
    }
    EXPECT_EQ(vus.size(), 3u);
}

} // namespace
