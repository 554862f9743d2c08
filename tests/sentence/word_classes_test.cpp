// Classification of the word codes of a composed sentence.
#include "sentence/sentence_debug.h"
#include "sentence/vocabulary.h"
#include "sentence/word_classes.h"
#include "sentence/working_lists.h"
#include "sentence_test_support.h"

namespace {

using ClassesDeMots = SentenceTest;

TEST_F(ClassesDeMots, CategorieParPrefixe) {
    EXPECT_EQ(CategorieNom(u"perso_petit garcon_m"), 1);
    EXPECT_EQ(CategorieNom(u"perso_monsieur_m"), 1);
    EXPECT_EQ(CategorieNom(u"perso_petite fille_f"), 2);
    EXPECT_EQ(CategorieNom(u"unemain_pomme_f|par_terre"), 3);
    EXPECT_EQ(CategorieNom(u"deuxmains_paquet-cadeau_m"), 4);
    EXPECT_EQ(CategorieNom(u"animal_poisson_m"), 5);
    EXPECT_EQ(CategorieNom(u"habit_robe_f"), 6);
    EXPECT_EQ(CategorieNom(u"chapeau_bonnet_m"), 7);
    for (const char16_t* mot : {u"qui", u"rouge", u"", u"p_poursuivre", u"Perso_dame_f"})
        EXPECT_EQ(CategorieNom(mot), 0);
}

TEST_F(ClassesDeMots, VerbeParPrefixeDeValence) {
    EXPECT_FALSE(EstVerbe(u"i_dormir", true));
    EXPECT_TRUE(EstVerbe(u"i_dormir", false));
    EXPECT_TRUE(EstVerbe(u"p_lancer sur", true));
    for (const char16_t* verbe : {u"oum_lancer", u"odm_soulever", u"ouodm_tenir", u"po_regarder",
                                  u"a_promener", u"p_portersurepaules", u"h_wear"})
        EXPECT_TRUE(EstVerbe(verbe, true)) << platform::ToUtf8(verbe);
    // "p_" is not a prefix of "perso_", nor "a_" of "animal_".
    for (const char16_t* mot : {u"perso_dame_f", u"animal_chien_m", u"habit_pull_m", u"qui", u""})
        EXPECT_FALSE(EstVerbe(mot, false)) << platform::ToUtf8(mot);
}

TEST_F(ClassesDeMots, CouleurEtPronomSelonLesMotsPermis) {
    CouleursCoches[8] = false; // "rose"
    FiltreListes(1);
    EXPECT_TRUE(EstCouleur(u"rouge"));
    EXPECT_TRUE(EstCouleur(u"marron"));
    EXPECT_FALSE(EstCouleur(u"rose"));
    EXPECT_FALSE(EstCouleur(u"Rouge"));
    EXPECT_FALSE(EstCouleur(u""));
    EXPECT_TRUE(EstPronomRelatif(u"qui"));
    EXPECT_FALSE(EstPronomRelatif(u"que"));
    EXPECT_FALSE(EstPronomRelatif(u""));
}

} // namespace
