// Working lists built from the check boxes, and the tests of what can be built.
#include <algorithm>

#include "sentence/vocabulary.h"
#include "sentence/working_lists.h"
#include "sentence_test_support.h"

namespace {

using ListesDeTravail = SentenceTest;

void AucunNom() {
    for (FlagArray* f : {&PersosCoches, &HabitsCoches, &ChapeauxCoches, &ObjetsUneMainCoches,
                         &ObjetsDeuxMainsCoches, &AnimauxCoches})
        ToutDecocher(*f);
}

TEST_F(ListesDeTravail, LesListesGardentLesMotsCochesDansLOrdreSansTrou) {
    FiltreListes(1);
    EXPECT_EQ(Persos, PersosTous);
    EXPECT_EQ(Couleurs, CouleursTous);
    EXPECT_EQ(Qui, QuiTous);
    EXPECT_EQ(ObjetsDeuxMains, ObjetsDeuxMainsTous);
    filtreverbe(1, 1, false);
    EXPECT_EQ(ActionsIntransitif, VerbesIntransitifsTous);
    EXPECT_EQ(VerbesLancerSurA, VerbesLancerSurATous);

    PersosCoches = {false, true, false, true};
    FiltreListes(1);
    EXPECT_EQ(Persos, (StringArray{u"perso_monsieur_m", u"perso_petite fille_f"}));
    FiltreListes(0);
    EXPECT_TRUE(Persos.empty());

    // The resets give back the full length, keeping what fits.
    ReinitialiseListesNoms();
    EXPECT_EQ(Persos.size(), 4u);
    EXPECT_EQ(ObjetsDonnesLances.size(), 5u);
    filtreverbe(2, 2, false);
    ReinitialiseListesVerbes();
    EXPECT_EQ(ActionsIntransitif.size(), 7u);
    EXPECT_EQ(VerbeRegarder[0], u"po_regarder");
}

TEST_F(ListesDeTravail, LesCouleursRetrecieesPuisRecocheesReviennentToutes) {
    ToutDecocher(CouleursCoches);
    CouleursCoches[3] = true;
    FiltreListes(1);
    EXPECT_EQ(Couleurs, StringArray{u"gris"});

    // Emptied once, then every colour enabled again: all nine come back.
    ToutDecocher(CouleursCoches);
    ToutDecocher(QuiCoches);
    FiltreListes(1);
    EXPECT_TRUE(Couleurs.empty());
    EXPECT_TRUE(Qui.empty());
    std::fill(CouleursCoches.begin(), CouleursCoches.end(), true);
    QuiCoches[0] = true;
    FiltreListes(1);
    EXPECT_EQ(Couleurs, CouleursTous);
    EXPECT_EQ(Qui, QuiTous);

    // Growing from a shorter list never writes past it.
    ToutDecocher(CouleursCoches);
    CouleursCoches[0] = CouleursCoches[8] = true;
    FiltreListes(1);
    EXPECT_EQ(Couleurs, (StringArray{u"rouge", u"rose"}));
    ToutDecocher(CouleursCoches);
    CouleursCoches[1] = CouleursCoches[2] = CouleursCoches[5] = CouleursCoches[7] = true;
    FiltreListes(1);
    EXPECT_EQ(Couleurs, (StringArray{u"bleu", u"vert", u"violet", u"marron"}));
}

// What each verb level lets through shows in the generated structures; here, only the ticked
// verbs are kept, and a list emptied once is refilled.
TEST_F(ListesDeTravail, FiltreverbeNeGardeQueLesVerbesCoches) {
    VerbesIntransitifsCoches = {false, true, false, false, false, false, true};
    VerbesLancerSurACoches = {false, true};
    VerbeRegarderCoches[0] = false;
    filtreverbe(1, 1, false);
    EXPECT_EQ(ActionsIntransitif, (StringArray{u"i_courir", u"i_dormir"}));
    EXPECT_EQ(VerbesLancerSurA, StringArray{u"p_lancer a"});
    EXPECT_TRUE(VerbeRegarder.empty());
    VerbeRegarderCoches[0] = true;
    filtreverbe(1, 1, false);
    EXPECT_EQ(VerbeRegarder, StringArray{u"po_regarder"});
}

// Whether transitive or intransitive structures come at all is checked against the generator;
// these are the finer tests of what the words allow.
TEST_F(ListesDeTravail, CeQuOnPeutConstruire) {
    EXPECT_TRUE(AdjectifsPossibles());

    // Look at with one person and no object: nothing transitive.
    AucunVerbe();
    AucunNom();
    VerbeRegarderCoches[0] = true;
    PersosCoches[1] = true;
    EXPECT_FALSE(TransitifPersoPossible());
    // A second person makes it possible; so does an object.
    PersosCoches[2] = true;
    EXPECT_TRUE(TransitifPersoPossible());
    PersosCoches[2] = false;
    ObjetsDeuxMainsCoches[4] = true;
    EXPECT_TRUE(TransitifObjetPossible());
    EXPECT_FALSE(TransitifPersoPossible());

    // Wear with only the beanie among garments and hats.
    AucunVerbe();
    AucunNom();
    VerbePorterHabitCoches[0] = true;
    ChapeauxCoches[1] = true;
    EXPECT_TRUE(TransitifObjetPossible());

    // Hold with one object and throw disabled; lift needs a two-hand object.
    AucunVerbe();
    AucunNom();
    VerbeTenirCoches[0] = true;
    ObjetsUneMainCoches[0] = true;
    EXPECT_TRUE(TransitifObjetPossible());
    VerbeTenirCoches[0] = false;
    VerbeSouleverCoches[0] = true;
    EXPECT_FALSE(TransitifObjetPossible());

    // Colours need a verb whose patient can carry one.
    AucunVerbe();
    VerbeJouerMusiqueCoches[0] = true;
    EXPECT_TRUE(IntransitifPossible());
    EXPECT_FALSE(AdjectifsPossibles());
    VerbePromenerCoches[0] = true;
    EXPECT_TRUE(AdjectifsPossibles());
    ToutDecocher(CouleursCoches);
    EXPECT_FALSE(AdjectifsPossibles());
}

} // namespace
