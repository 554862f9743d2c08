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

String Fonction(const StringArray& mots) {
    StructureAction s;
    AnalysePhrase(static_cast<int>(mots.size()) - 1, mots, s);
    return FonctionDerniere(s);
}

TEST_F(Complements, RegarderOffreLesNomsCochesDansLOrdre) {
    ComplementsPossibles(u"po_regarder", u"");
    EXPECT_EQ(ListeComplementsPossibles,
              Concatene({&Persos, &ObjetsUneMain, &ObjetsDeuxMains, &Animaux}));
    // Cleared boxes drop their words and keep the order of the others.
    PersosCoches[1] = false;
    ObjetsDeuxMainsCoches.assign(ObjetsDeuxMainsCoches.size(), false);
    AnimauxCoches[0] = false;
    FiltreListes(1);
    ComplementsPossibles(u"po_regarder", u"");
    EXPECT_EQ(ListeComplementsPossibles, Concatene({&Persos, &ObjetsUneMain, &Animaux}));
}

TEST_F(Complements, PorterSelonCeQueLaPersonnePorteDeja) {
    ComplementsPossibles(u"h_wear", u"chapeau_bonnet_m");
    EXPECT_EQ(ListeComplementsPossibles, Habits);
    ComplementsPossibles(u"h_wear", u"habit_robe_f");
    EXPECT_EQ(ListeComplementsPossibles, Chapeaux);
    ComplementsPossibles(u"h_wear", u"");
    EXPECT_EQ(ListeComplementsPossibles, Concatene({&Habits, &Chapeaux}));
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
    const std::pair<const char16_t*, const char16_t*> cas[] = {
        {u"perso_dame_f", u"GN1"},
        {u"perso_dame_f,i_dormir", u"action"},
        {u"perso_dame_f,po_regarder", u"action"},
        {u"perso_dame_f,po_regarder,perso_monsieur_m", u"GN2"},
        {u"perso_monsieur_m,oum_lancer,unemain_balle_f", u"ObjetDonneLance1_GN2"},
        {u"perso_dame_f,qui,po_regarder,perso_monsieur_m", u"GNcomplement1"},
        {u"perso_dame_f,qui,po_regarder,animal_chien_m,gris", u"adjectifcomplement1"},
        {u"perso_dame_f,qui,oum_lancer,unemain_balle_f", u"ObjetDonneLance1_Complement1"},
        {u"perso_dame_f,qui,po_regarder", u"verbecomplement1"},
        {u"perso_dame_f,qui,i_courir", u"verbecomplement1"},
        {u"perso_dame_f,po_regarder,perso_monsieur_m,qui,po_regarder,perso_petit garcon_m",
         u"GNcomplement2"},
        {u"perso_dame_f,po_regarder,perso_monsieur_m,qui,h_wear,chapeau_bonnet_m,rose",
         u"adjectifcomplement2"},
        {u"perso_dame_f,po_regarder,perso_monsieur_m,qui,oum_lancer,unemain_pomme_f",
         u"ObjetDonneLance2"},
        // An intransitive verb closing the clause on the object wins over the earlier rules.
        {u"perso_dame_f,po_regarder,perso_monsieur_m,qui,i_dormir", u"verbecomplement2"}};
    for (const auto& [mots, fonction] : cas)
        EXPECT_EQ(U8(Fonction(Mots(mots))), U8(fonction)) << U8(mots);
    EXPECT_EQ(FonctionDerniere(StructureAction()), u"");
}

} // namespace
