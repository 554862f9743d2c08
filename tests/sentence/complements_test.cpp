// The nouns offered after a verb and the function reached by the end of a sentence.
#include <algorithm>
#include <vector>

#include "sentence/complements.h"
#include "sentence/sentence_check.h"
#include "sentence/sentence_debug.h"
#include "sentence/vocabulary.h"
#include "sentence/working_lists.h"
#include "sentence_test_support.h"

namespace {

class Complements : public SentenceTest {
  protected:
    void SetUp() override {
        SentenceTest::SetUp();
        ReinitialiseListesNoms();
        FiltreListes(1);
    }
};

StringArray Concatene(std::initializer_list<const StringArray*> listes) {
    StringArray tout;
    for (const StringArray* l : listes)
        tout.insert(tout.end(), l->begin(), l->end());
    return tout;
}

String Fonction(std::vector<String> mots) {
    StructureAction s;
    AnalysePhrase(static_cast<int>(mots.size()) - 1, mots, s);
    return FonctionDerniere(s);
}

TEST_F(Complements, RegarderOffreLesDixNeufNomsDansLOrdre) {
    ComplementsPossibles(u"po_regarder", u"");
    const StringArray attendu = {u"perso_dame_f",
                                 u"perso_monsieur_m",
                                 u"perso_petit garcon_m",
                                 u"perso_petite fille_f",
                                 u"unemain_pomme_f",
                                 u"unemain_banane_f",
                                 u"unemain_balle_f",
                                 u"unemain_rose_f",
                                 u"unemain_marteau_m",
                                 u"deuxmains_caisse_f",
                                 u"deuxmains_paquet-cadeau_m",
                                 u"deuxmains_gateau_m",
                                 u"deuxmains_toureiffel_f",
                                 u"deuxmains_elephant_m",
                                 u"deuxmains_statue_f",
                                 u"animal_chien_m",
                                 u"animal_crocodile_m",
                                 u"animal_elephant_m",
                                 u"animal_poisson_m"};
    EXPECT_EQ(ListeComplementsPossibles, attendu);

    // Cleared boxes drop their words and keep the order of the others.
    PersosCoches[1] = false;
    ObjetsDeuxMainsCoches.assign(ObjetsDeuxMainsCoches.size(), false);
    AnimauxCoches[0] = false;
    FiltreListes(1);
    ComplementsPossibles(u"po_regarder", u"");
    StringArray reste;
    for (const String& code : attendu)
        if (code != u"perso_monsieur_m" && code.rfind(u"deuxmains", 0) != 0 &&
            code != u"animal_chien_m")
            reste.push_back(code);
    EXPECT_EQ(ListeComplementsPossibles, reste);
}

TEST_F(Complements, PorterSelonCeQueLaPersonnePorteDeja) {
    ComplementsPossibles(u"h_wear", u"chapeau_bonnet_m");
    EXPECT_EQ(ListeComplementsPossibles, Habits);
    ComplementsPossibles(u"h_wear", u"habit_robe_f");
    EXPECT_EQ(ListeComplementsPossibles, Chapeaux);
    ComplementsPossibles(u"h_wear", u"");
    EXPECT_EQ(ListeComplementsPossibles, Concatene({&Habits, &Chapeaux}));
    EXPECT_EQ(ListeComplementsPossibles.size(), 8u);
    HabitsCoches[2] = false;
    FiltreListes(1);
    ComplementsPossibles(u"h_wear", u"chapeau_casquette_f");
    EXPECT_EQ(std::count(ListeComplementsPossibles.begin(), ListeComplementsPossibles.end(),
                         String(u"habit_robe_f")),
              0);
    EXPECT_EQ(ListeComplementsPossibles.size(), 4u);
}

TEST_F(Complements, AutresVerbesEtVerbesSansComplement) {
    ComplementsPossibles(u"ouodm_tenir", u"");
    EXPECT_EQ(ListeComplementsPossibles, Concatene({&ObjetsUneMain, &ObjetsDeuxMains}));
    for (const char16_t* lancer : {u"oum_lancer", u"p_lancer sur", u"p_lancer a"}) {
        ComplementsPossibles(lancer, u"");
        EXPECT_EQ(ListeComplementsPossibles, ObjetsUneMain);
    }
    ComplementsPossibles(u"a_promener", u"");
    EXPECT_EQ(ListeComplementsPossibles, Animaux);
    ComplementsPossibles(u"p_portersurepaules", u"");
    EXPECT_EQ(ListeComplementsPossibles, Persos);

    // Whatever the list held before, a verb without complement empties it.
    for (const char16_t* verbe : {u"i_dormir", u"i_jouer de la musique", u"inconnu", u""}) {
        ComplementsPossibles(u"po_regarder", u"");
        ComplementsPossibles(verbe, u"");
        EXPECT_TRUE(ListeComplementsPossibles.empty()) << platform::ToUtf8(verbe);
    }
}

TEST_F(Complements, FonctionAtteinteApresChaqueMot) {
    EXPECT_EQ(Fonction({u"perso_dame_f"}), u"GN1");
    EXPECT_EQ(Fonction({u"perso_dame_f", u"i_dormir"}), u"action");
    EXPECT_EQ(Fonction({u"perso_dame_f", u"po_regarder"}), u"action");
    EXPECT_EQ(Fonction({u"perso_dame_f", u"po_regarder", u"perso_monsieur_m"}), u"GN2");
    EXPECT_EQ(Fonction({u"perso_monsieur_m", u"oum_lancer", u"unemain_balle_f"}),
              u"ObjetDonneLance1_GN2");
    EXPECT_EQ(Fonction({u"perso_dame_f", u"qui", u"po_regarder", u"perso_monsieur_m"}),
              u"GNcomplement1");
    EXPECT_EQ(Fonction({u"perso_dame_f", u"qui", u"po_regarder", u"animal_chien_m", u"gris"}),
              u"adjectifcomplement1");
    EXPECT_EQ(Fonction({u"perso_dame_f", u"qui", u"oum_lancer", u"unemain_balle_f"}),
              u"ObjetDonneLance1_Complement1");
    EXPECT_EQ(Fonction({u"perso_dame_f", u"qui", u"po_regarder"}), u"verbecomplement1");
    EXPECT_EQ(Fonction({u"perso_dame_f", u"qui", u"i_courir"}), u"verbecomplement1");
    EXPECT_EQ(Fonction({u"perso_dame_f", u"po_regarder", u"perso_monsieur_m", u"qui",
                        u"po_regarder", u"perso_petit garcon_m"}),
              u"GNcomplement2");
    EXPECT_EQ(Fonction({u"perso_dame_f", u"po_regarder", u"perso_monsieur_m", u"qui", u"h_wear",
                        u"chapeau_bonnet_m", u"rose"}),
              u"adjectifcomplement2");
    EXPECT_EQ(Fonction({u"perso_dame_f", u"po_regarder", u"perso_monsieur_m", u"qui", u"oum_lancer",
                        u"unemain_pomme_f"}),
              u"ObjetDonneLance2");
    // An intransitive verb closing the clause on the object wins over the earlier rules.
    EXPECT_EQ(Fonction({u"perso_dame_f", u"po_regarder", u"perso_monsieur_m", u"qui", u"i_dormir"}),
              u"verbecomplement2");
    EXPECT_EQ(FonctionDerniere(StructureAction()), u"");
}

} // namespace
