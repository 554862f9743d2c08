// Drawing the verb and the patient of one clause, the held objects and the immobile test, the
// copy of a structure.
#include <algorithm>
#include <set>

#include "platform/random.h"
#include "sentence/sentence_debug.h"
#include "sentence/structure_action.h"
#include "sentence/vocabulary.h"
#include "sentence_test_support.h"

namespace {

using StructureDAction = SentenceTest;

// The verbs a role can receive over many draws.
std::set<String> VerbesTires(StructureAction s, const String& role, int renversables, int objet,
                             int adjectifs, int tirages = 400) {
    std::set<String> vus;
    for (int i = 0; i < tirages; ++i) {
        s.ChoisitVerbe(role, renversables, objet, adjectifs);
        vus.insert(role == u"Action"             ? s.Action
                   : role == u"VerbeComplement1" ? s.VerbeComplement1
                                                 : s.VerbeComplement2);
    }
    return vus;
}

TEST_F(StructureDAction, CopieSansPassiveOuQueNiAnalyse) {
    StructureAction source =
        Structure(u"PassiveOuQue;RelativeQue;Presentatif;GN1=perso_dame_f;Lance2=unemain_balle_f");
    source.NombrePersos = 3;
    source.Immobile = true;
    source.GN2Present = true;
    StructureAction cible;
    cible.Complement1Complet = true;
    CopieStructureaction(source, cible);
    source.PassiveOuQue = false;
    EXPECT_EQ(Resume(cible), Resume(source));
    // The analysis flags are the check's, not the copy's.
    EXPECT_EQ(U8(DrapeauxVrais(cible)), "Complement1Complet");
}

TEST_F(StructureDAction, ChoisitVerbeSansVerbePossibleLaisseLeRoleVideEtTireUneFois) {
    AucunVerbe();
    StructureAction s;
    s.Action = u"i_marcher";
    s.ChoisitVerbe(u"Action", 1, 1, 1);
    EXPECT_EQ(s.Action, u"");
    EXPECT_EQ(platform::GetSeed(), UnPasPlusLoin(platform::StartSeed));

    // An unknown role changes no field, and still takes its step.
    InitVocabulary();
    StructureAction t;
    t.ChoisitVerbe(u"GroupeNominal2", 1, 1, 1);
    t.ChoisitVerbe(u"action", 1, 1, 1);
    EXPECT_EQ(t.Action, u"");
    EXPECT_EQ(t.GroupeNominal2, u"");
}

TEST_F(StructureDAction, ChoisitVerbeSuitLesNiveaux) {
    StructureAction s;
    s.PassiveOuQue = true;
    EXPECT_EQ(VerbesTires(s, u"Action", 0, 0, 1),
              (std::set<String>{u"po_regarder", u"p_poursuivre", u"p_lancer sur", u"p_lancer a",
                                u"p_portersurepaules"}));
    // No verb acting on a person where no person may be the patient.
    s.PassiveOuQue = false;
    for (const String& v : VerbesTires(s, u"Action", 0, 1, 1))
        EXPECT_FALSE(platform::StartsWith(v, u"p_")) << platform::ToUtf8(v);
    // Reversible required forces a patient even when none was asked for.
    for (const String& v : VerbesTires(s, u"VerbeComplement2", 2, 0, 1))
        EXPECT_TRUE(v == u"po_regarder" || platform::StartsWith(v, u"p_")) << platform::ToUtf8(v);
    // A clause that must carry the colour.
    propositionadjectif = 1;
    EXPECT_EQ(VerbesTires(s, u"VerbeComplement1", 1, 1, 2),
              (std::set<String>{u"po_regarder", u"a_promener", u"h_wear"}));
    // Not this clause: every verb can come.
    EXPECT_EQ(VerbesTires(s, u"Action", 1, 1, 2, 2000).size(), 18u);
}

TEST_F(StructureDAction, UnePassiveNeTirePasLancerAQuelquUn) {
    StructureAction s;
    s.PassiveOuQue = true;
    s.Passive = true;
    std::set<String> vus = VerbesTires(s, u"Action", 1, 1, 1);
    EXPECT_EQ(vus.count(u"p_lancer a"), 0u);
    EXPECT_EQ(vus.count(u"p_lancer sur"), 1u);
    // With the "throw to" box alone among the two, it is still left out...
    VerbesLancerSurACoches = {false, true};
    vus = VerbesTires(s, u"Action", 1, 1, 1);
    EXPECT_EQ(vus.count(u"p_lancer a"), 0u);
    EXPECT_EQ(vus.count(u"po_regarder"), 1u);
    // ...and "throw at" alone, which has a passive, can be drawn.
    VerbesLancerSurACoches = {true, false};
    vus = VerbesTires(s, u"Action", 1, 1, 1);
    EXPECT_EQ(vus.count(u"p_lancer sur"), 1u);
    // Only the main clause of a passive is concerned.
    VerbesLancerSurACoches = {true, true};
    vus = VerbesTires(s, u"VerbeComplement1", 1, 1, 1);
    EXPECT_EQ(vus.count(u"p_lancer a"), 1u);
}

TEST_F(StructureDAction, UnObjetRegardeParQuelquUnAuxMainsOccupeesEstParTerre) {
    StructureAction s;
    s.GroupeNominal1 = u"perso_dame_f";
    int parTerre = 0;
    for (int i = 0; i < 300; ++i) {
        s.ChoisitObjet(u"po_regarder", 1, 1, u"ObjetComplement1", u"i_cuisiner", u"", 1, true);
        const String& o = s.ObjetComplement1;
        if (platform::StartsWith(o, u"unemain") || platform::StartsWith(o, u"deuxmains")) {
            EXPECT_TRUE(platform::EndsWith(o, u"|par_terre")) << platform::ToUtf8(o);
            ++parTerre;
        }
    }
    EXPECT_GT(parTerre, 0);
}

// Who may wear what is checked on every board; here, nobody gets a second garment or hat.
TEST_F(StructureDAction, DejaHabilleOnPrendUnChapeauEtInversement) {
    StructureAction s;
    s.GroupeNominal1 = u"perso_dame_f";
    for (int i = 0; i < 300; ++i) {
        s.ChoisitObjet(u"h_wear", 1, 1, u"ObjetComplement1", u"h_wear", u"habit_pull_m", 1, true);
        EXPECT_TRUE(platform::StartsWith(s.ObjetComplement1, u"chapeau_"));
        s.ChoisitObjet(u"h_wear", 1, 1, u"ObjetComplement1", u"h_wear", u"chapeau_bonnet_m", 1,
                       true);
        EXPECT_TRUE(platform::StartsWith(s.ObjetComplement1, u"habit_"));
    }
}

TEST_F(StructureDAction, LObjetLanceSurQuelquUn) {
    StructureAction s;
    std::set<String> lances;
    for (int i = 0; i < 400; ++i) {
        s.ChoisitObjet(u"p_lancer sur", 1, 1, u"GroupeNominal2", u"", u"", 1, true);
        lances.insert(s.ObjetDonneLance1);
    }
    EXPECT_EQ(lances.count(u"unemain_marteau_m"), 0u);
    EXPECT_EQ(lances.size(), 4u);
    lances.clear();
    for (int i = 0; i < 400; ++i) {
        s.ChoisitObjet(u"p_lancer a", 1, 1, u"ObjetComplement2", u"", u"", 1, true);
        lances.insert(s.ObjetDonneLance2);
    }
    EXPECT_EQ(lances.size(), 5u);
    ObjetsUneMainCoches = {false, false, false, false, true};
    s.ChoisitObjet(u"p_lancer sur", 1, 1, u"ObjetComplement1", u"", u"", 1, true);
    EXPECT_EQ(s.ObjetDonneLance1, u"unemain_marteau_m");
}

TEST_F(StructureDAction, UnVerbeSansObjetPossibleLeSignale) {
    StructureAction s;
    s.GroupeNominal1 = u"perso_dame_f";
    ToutDecocher(ObjetsUneMainCoches);
    EXPECT_EQ(s.ChoisitObjet(u"oum_lancer", 1, 1, u"GroupeNominal2", u"", u"", 1, true),
              u"objetsinterdits");
    EXPECT_EQ(s.GroupeNominal2, u"");
    EXPECT_EQ(s.ChoisitObjet(u"p_lancer a", 1, 1, u"GroupeNominal2", u"", u"", 1, true),
              u"objetsinterdits");
    EXPECT_EQ(s.ChoisitObjet(u"p_poursuivre", 0, 1, u"ObjetComplement1", u"", u"", 1, true),
              u"objetsinterdits");
    EXPECT_EQ(s.ChoisitObjet(u"oum_lancer", 1, 1, u"GroupeNominal2", u"", u"", 1, false),
              u"objetsinterdits");
}

TEST_F(StructureDAction, AucunTirageDansUneListeVide) {
    StructureAction s;
    s.GroupeNominal1 = u"perso_dame_f";
    // A colour required on a clause with no animal enabled: something else is looked at.
    ToutDecocher(AnimauxCoches);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(s.ChoisitObjet(u"po_regarder", 0, 2, u"GroupeNominal2", u"", u"", 2, true), u"0");
        EXPECT_FALSE(s.GroupeNominal2.empty());
    }
    // Colours all disabled: the animal comes without one.
    InitVocabulary();
    ToutDecocher(CouleursCoches);
    for (int i = 0; i < 100; ++i) {
        s.ChoisitObjet(u"a_promener", 1, 2, u"GroupeNominal2", u"", u"", 2, true);
        EXPECT_TRUE(platform::StartsWith(s.GroupeNominal2, u"animal_"));
        EXPECT_EQ(s.GroupeNominalAdjectif2, u"");
        s.ChoisitObjet(u"po_regarder", 0, 2, u"GroupeNominal2", u"", u"", 2, true);
        EXPECT_EQ(s.GroupeNominalAdjectif2, u"");
        s.ChoisitObjet(u"h_wear", 1, 2, u"GroupeNominal2", u"", u"", 2, true);
        EXPECT_EQ(s.GroupeNominalAdjectif2, u"");
    }
    // No person enabled while the other verb throws at somebody.
    InitVocabulary();
    ToutDecocher(PersosCoches);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(s.ChoisitObjet(u"po_regarder", 1, 1, u"ObjetComplement1", u"p_lancer sur", u"", 1,
                                 true),
                  u"0");
        EXPECT_FALSE(s.ObjetComplement1.empty());
    }
}

TEST_F(StructureDAction, LeChoixDUnHabitSArreteQuandRienNeConvient) {
    StructureAction s;
    ToutDecocher(HabitsCoches);
    ToutDecocher(ChapeauxCoches);
    HabitsCoches[1] = true; // habit_chemise_f only
    s.GroupeNominal1 = u"perso_dame_f";
    EXPECT_EQ(s.ChoisitObjet(u"h_wear", 1, 1, u"GroupeNominal2", u"", u"", 1, true),
              u"objetsinterdits");
    EXPECT_EQ(s.GroupeNominal2, u"");
    EXPECT_EQ(s.GroupeNominalAdjectif2, u"");
    EXPECT_EQ(s.ChoisitObjet(u"h_wear", 1, 1, u"GroupeNominal2", u"", u"", 0, false),
              u"objetsinterdits");
    // A boy can wear it.
    s.GroupeNominal1 = u"perso_petit garcon_m";
    EXPECT_EQ(s.ChoisitObjet(u"h_wear", 1, 1, u"GroupeNominal2", u"", u"", 1, true), u"0");
    EXPECT_EQ(s.GroupeNominal2, u"habit_chemise_f");
    // Already in a hat with no garment enabled: nothing more to put on.
    ToutDecocher(HabitsCoches);
    ChapeauxCoches[0] = true;
    EXPECT_EQ(s.ChoisitObjet(u"h_wear", 1, 1, u"ObjetComplement1", u"h_wear", u"chapeau_bonnet_m",
                             1, true),
              u"objetsinterdits");
    EXPECT_EQ(s.ObjetComplement1, u"");
}

TEST_F(StructureDAction, PlaceObjets) {
    // Looked at by somebody whose hands are busy: on the ground, marked once.
    StructureAction s = Structure(u"Action=po_regarder;GN2=unemain_pomme_f;VC1=ouodm_tenir");
    s.PlaceObjets();
    EXPECT_EQ(s.GroupeNominal2, u"unemain_pomme_f|par_terre");
    s.PlaceObjets();
    EXPECT_EQ(s.GroupeNominal2, u"unemain_pomme_f|par_terre");

    for (const char16_t* autre : {u"VC1=po_regarder", u""}) {
        StructureAction t =
            Structure(u"Action=po_regarder;GN2=deuxmains_caisse_f;" + String(autre));
        t.PlaceObjets();
        EXPECT_EQ(t.GroupeNominal2, u"deuxmains_caisse_f");
    }
    StructureAction u = Structure(u"Action=po_regarder;GN2=animal_chien_m;VC1=i_cuisiner;"
                                  u"VC2=po_regarder;OC2=unemain_balle_f");
    u.PlaceObjets();
    EXPECT_EQ(u.GroupeNominal2, u"animal_chien_m");
    EXPECT_EQ(u.ObjetComplement2, u"unemain_balle_f");
    u.Action = u"p_lancer a";
    u.PlaceObjets();
    EXPECT_EQ(u.ObjetComplement2, u"unemain_balle_f|par_terre");
}

TEST_F(StructureDAction, EstDansLesListes) {
    StructureAction s =
        Structure(u"GN1=perso_dame_f;Action=po_regarder;GN2=unemain_pomme_f|par_terre;VC1=h_wear;"
                  u"OC1=habit_pull_m;VC2=p_portersurepaules;OC2=perso_monsieur_m");
    EXPECT_TRUE(s.EstDansLesListes());
    s.GroupeNominal2 = u"animal_chien_m";
    EXPECT_FALSE(s.EstDansLesListes());
    s.GroupeNominal2 = u"animal_chien_m|par_terre";
    EXPECT_TRUE(s.EstDansLesListes());
    // A disabled verb still moves.
    VerbesIntransitifsCoches[0] = false;
    s.VerbeComplement2 = u"i_marcher";
    EXPECT_FALSE(s.EstDansLesListes());
    s.VerbeComplement2.clear();
    s.VerbeComplement1 = u"i_jouer de la musique";
    EXPECT_FALSE(s.EstDansLesListes());
}

} // namespace
