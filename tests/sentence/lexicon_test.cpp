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

TEST_F(Lexique, UnObjetParTerreGardeSonMotMaisPasUnePersonne) {
    EXPECT_EQ(MotFrancais(false, true, u"deuxmains_caisse_f|par_terre"), u"caisse");
    EXPECT_EQ(MotFrancais(false, true, u"unemain_pomme_f|par_terre"), u"pomme");
    EXPECT_EQ(MotFrancais(false, true, u"perso_dame_f|par_terre"), u"");
    EXPECT_EQ(MotFrancais(false, true, u"animal_chien_m|par_terre"), u"");
    SynonymeRose = u"rose";
    EXPECT_EQ(MotFrancais(true, true, u"unemain_rose_f|par_terre"), u"rose");
}

TEST_F(Lexique, MotsDeBaseEtSynonymes) {
    // Before any draw of synonyms the plain word stands in: no sentence loses its subject.
    EXPECT_EQ(MotFrancais(true, true, u"perso_dame_f"), u"dame");
    EXPECT_EQ(MotFrancais(true, false, u"po_regarder"), u"est regardé");
    EXPECT_EQ(MotFrancais(false, true, u"perso_dame_f"), u"dame");
    // The flower and the colour are two different words.
    EXPECT_EQ(MotFrancais(false, true, u"unemain_rose_f"), u"fleur");
    EXPECT_EQ(MotFrancais(false, true, u"rose"), u"rose");
    EXPECT_EQ(MotFrancais(true, true, u"perso_petit garcon_m"), u"petit garçon");
    EXPECT_EQ(MotFrancais(false, true, u"animal_elephant_m"), u"(vrai) éléphant");
    EXPECT_EQ(MotFrancais(false, true, u"deuxmains_elephant_m"), u"(faux) éléphant");
    SynonymeTenir = u"a";
    SynonymePorter = u"a";
    EXPECT_EQ(MotFrancais(true, true, u"ouodm_tenir"), u"a");
    EXPECT_EQ(MotFrancais(true, true, u"h_wear"), u"a");
    EXPECT_EQ(MotFrancais(false, true, u"h_wear"), u"porte");
    // Unknown codes, codes in another case, and codes holding "à".
    EXPECT_EQ(MotFrancais(false, true, u"perso_Dame_f"), u"");
    EXPECT_EQ(MotFrancais(false, true, u"unemain_pom"), u"");
    EXPECT_EQ(MotFrancais(false, true, u"à côté"), u"à côté");
}

TEST_F(Lexique, LePassifSuitLeSynonymeTire) {
    SynonymeRegarder = u"observe";
    EXPECT_EQ(MotFrancais(true, false, u"po_regarder"), u"est observé");
    SynonymeRegarder = u"regarde";
    EXPECT_EQ(MotFrancais(true, false, u"po_regarder"), u"est regardé");
    for (const auto& [synonyme, passif] : {std::pair<String, String>{u"lance", u"se fait lancer"},
                                           {u"envoie", u"se fait envoyer"},
                                           {u"jette", u"se fait jeter"}}) {
        SynonymeLancerSur = synonyme;
        EXPECT_EQ(MotFrancais(true, false, u"p_lancer sur"), passif);
        EXPECT_EQ(MotFrancais(true, true, u"p_lancer sur"), synonyme);
    }
    // A synonym the passive does not know comes back unchanged.
    SynonymeLancerSur = u"catapulte";
    EXPECT_EQ(MotFrancais(true, false, u"p_lancer sur"), u"catapulte");
    EXPECT_EQ(MotFrancais(true, false, u"p_poursuivre"), u"est poursuivi");
    EXPECT_EQ(MotFrancais(false, false, u"p_poursuivre"), u"est poursuivi");
    EXPECT_EQ(MotFrancais(true, false, u"p_portersurepaules"), u"est porté");
    // Throwing to somebody has no passive.
    SynonymeLancerA = u"passe";
    EXPECT_EQ(MotFrancais(true, false, u"p_lancer a"), u"passe");
    EXPECT_EQ(MotFrancais(false, false, u"p_lancer a"), u"lance");
    // Verbs without a passive and nouns ignore formeactive.
    EXPECT_EQ(MotFrancais(false, false, u"i_marcher"), u"marche");
    EXPECT_EQ(MotFrancais(false, false, u"perso_monsieur_m"), u"monsieur");
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
