// Resetting a structure and moving its persons between the noun roles.
#include <array>
#include <set>

#include "sentence/sentence_debug.h"
#include "sentence/structure_action.h"
#include "sentence_test_support.h"

namespace {

class Permutations : public SentenceTest {
  protected:
    void SetUp() override {
        SentenceTest::SetUp();
        s = Structure(u"GN1=perso_dame_f;GN2=perso_monsieur_m;OC1=perso_petit garcon_m;"
                      u"OC2=perso_petite fille_f;Action=po_regarder;VC1=p_poursuivre;"
                      u"VC2=p_portersurepaules");
    }

    std::array<String, 4> Slots() const {
        return {s.GroupeNominal1, s.GroupeNominal2, s.ObjetComplement1, s.ObjetComplement2};
    }
    // The verbs must never move with the persons.
    void VerbesIntacts(const StructureAction& t) const {
        EXPECT_EQ(t.Action, u"po_regarder");
        EXPECT_EQ(t.VerbeComplement1, u"p_poursuivre");
        EXPECT_EQ(t.VerbeComplement2, u"p_portersurepaules");
    }

    StructureAction s;
};

TEST_F(Permutations, VingtTroisOrdresDistinctsSansLIdentite) {
    const auto depart = Slots();
    std::set<std::array<String, 4>> vus;
    for (int n = 0; n < 23; ++n) {
        StructureAction t = s;
        t.PermutePersos(n, t.GroupeNominal1, t.GroupeNominal2, t.ObjetComplement1,
                        t.ObjetComplement2);
        const std::array<String, 4> r = {t.GroupeNominal1, t.GroupeNominal2, t.ObjetComplement1,
                                         t.ObjetComplement2};
        EXPECT_NE(r, depart) << n;
        // A permutation: the four persons are all still there.
        EXPECT_EQ(std::set<String>(r.begin(), r.end()),
                  std::set<String>(depart.begin(), depart.end()))
            << n;
        vus.insert(r);
        VerbesIntacts(t);
    }
    EXPECT_EQ(vus.size(), 23u);

    StructureAction t = s;
    t.PermutePersos(0, t.GroupeNominal1, t.GroupeNominal2, t.ObjetComplement1, t.ObjetComplement2);
    EXPECT_EQ(t.GroupeNominal1, u"perso_monsieur_m");
    EXPECT_EQ(t.GroupeNominal2, u"perso_dame_f");
    EXPECT_EQ(t.ObjetComplement1, u"perso_petit garcon_m");
    EXPECT_EQ(t.ObjetComplement2, u"perso_petite fille_f");
    t = s;
    t.PermutePersos(22, t.GroupeNominal1, t.GroupeNominal2, t.ObjetComplement1, t.ObjetComplement2);
    EXPECT_EQ(t.GroupeNominal1, u"perso_petite fille_f");
    EXPECT_EQ(t.ObjetComplement2, u"perso_dame_f");
}

TEST_F(Permutations, NumerosHorsLimitesNeChangentRien) {
    for (int n : {-1, 23, 1000}) {
        StructureAction t = s;
        t.PermutePersos(n, t.GroupeNominal1, t.GroupeNominal2, t.ObjetComplement1,
                        t.ObjetComplement2);
        EXPECT_EQ((std::array<String, 4>{t.GroupeNominal1, t.GroupeNominal2, t.ObjetComplement1,
                                         t.ObjetComplement2}),
                  Slots());
    }
    for (int n : {-1, 5, 99}) {
        StructureAction t = s;
        t.mixe3prop(n, t.GroupeNominal1, t.GroupeNominal2, t.ObjetComplement2, u"objetcompl2perso");
        EXPECT_EQ((std::array<String, 4>{t.GroupeNominal1, t.GroupeNominal2, t.ObjetComplement1,
                                         t.ObjetComplement2}),
                  Slots());
    }
}

TEST_F(Permutations, TroisPersonnes) {
    // The five orders of three are distinct, leave the other complement alone.
    for (const char16_t* role : {u"objetcompl1perso", u"objetcompl2perso"}) {
        const bool premier = String(role) == u"objetcompl1perso";
        std::set<std::array<String, 3>> vus;
        for (int n = 0; n < 5; ++n) {
            StructureAction t = s;
            String& c = premier ? t.ObjetComplement1 : t.ObjetComplement2;
            t.mixe3prop(n, t.GroupeNominal1, t.GroupeNominal2, c, role);
            const std::array<String, 3> r = {t.GroupeNominal1, t.GroupeNominal2, c};
            const std::array<String, 3> depart = {s.GroupeNominal1, s.GroupeNominal2,
                                                  premier ? s.ObjetComplement1
                                                          : s.ObjetComplement2};
            EXPECT_NE(r, depart);
            EXPECT_EQ(premier ? t.ObjetComplement2 : t.ObjetComplement1,
                      premier ? s.ObjetComplement2 : s.ObjetComplement1);
            vus.insert(r);
            VerbesIntacts(t);
        }
        EXPECT_EQ(vus.size(), 5u);
    }
    StructureAction t = s;
    t.mixe3prop(4, t.GroupeNominal1, t.GroupeNominal2, t.ObjetComplement2, u"objetcompl2perso");
    EXPECT_EQ(t.GroupeNominal1, u"perso_petite fille_f");
    EXPECT_EQ(t.GroupeNominal2, u"perso_monsieur_m");
    EXPECT_EQ(t.ObjetComplement2, u"perso_dame_f");
    EXPECT_EQ(t.ObjetComplement1, u"perso_petit garcon_m");
}

TEST_F(Permutations, EchangeDuSujet) {
    StructureAction t = s;
    t.EchangeGN1(t.GroupeNominal1, t.GroupeNominal2, u"gn2perso");
    EXPECT_EQ(t.GroupeNominal1, u"perso_monsieur_m");
    EXPECT_EQ(t.GroupeNominal2, u"perso_dame_f");
    t = s;
    t.EchangeGN1(t.GroupeNominal1, t.ObjetComplement1, u"objetcompl1perso");
    EXPECT_EQ(t.GroupeNominal1, u"perso_petit garcon_m");
    EXPECT_EQ(t.ObjetComplement1, u"perso_dame_f");
    EXPECT_EQ(t.GroupeNominal2, u"perso_monsieur_m");
    // No second slot for any other role: only the subject changes.
    for (const char16_t* role : {u"objetcompl2perso", u"GN2PERSO", u""}) {
        t = s;
        t.EchangeGN1Avec(t.GroupeNominal1, t.ObjetComplement2, role);
        EXPECT_EQ(t.GroupeNominal1, u"perso_petite fille_f");
        EXPECT_EQ(t.GroupeNominal2, u"perso_monsieur_m");
        EXPECT_EQ(t.ObjetComplement1, u"perso_petit garcon_m");
        EXPECT_EQ(t.ObjetComplement2, u"perso_petite fille_f");
    }
}

TEST_F(Permutations, VideGardeLesQuatreFormes) {
    s.PassiveOuQue = s.Passive = s.RelativeQue = true;
    s.PassiveALaFin = s.Presentatif = s.OrdreVerbeSujet = s.AccentSurAgent = true;
    s.GroupeNominalAdjectif1 = s.ObjetComplementAdjectif1 = s.GroupeNominalAdjectif2 = u"rouge";
    s.ObjetComplementAdjectif2 = u"bleu";
    s.ObjetDonneLance1 = s.ObjetDonneLance2 = u"unemain_balle_f";
    s.NombrePersos = 4;
    s.Immobile = true;
    for (bool* f : {&s.SujetPresent, &s.PropositionPrincipale, &s.Complement1Complet,
                    &s.Complement1PresqueComplet, &s.Complement1Incomplet, &s.ActionPresente,
                    &s.GN2Present, &s.Complement2Complet, &s.Complement2PresqueComplet,
                    &s.Complement2Incomplet, &s.GN2Incomplet})
        *f = true;
    s.Vide();

    // Field by field against a fresh structure with the same four forms.
    const StructureAction attendu =
        Structure(u"PassiveALaFin;Presentatif;OrdreVerbeSujet;AccentSurAgent");
    EXPECT_EQ(Resume(s), Resume(attendu));
    EXPECT_EQ(U8(DrapeauxVrais(s)), "");
}

} // namespace
