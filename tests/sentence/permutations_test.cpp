// Resetting a structure and moving its persons between the noun roles.
#include <algorithm>
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

    // The verbs must never move with the persons.
    void VerbesIntacts(const StructureAction& t) const {
        EXPECT_EQ(t.Action, u"po_regarder");
        EXPECT_EQ(t.VerbeComplement1, u"p_poursuivre");
        EXPECT_EQ(t.VerbeComplement2, u"p_portersurepaules");
    }

    StructureAction s;
};

std::array<String, 4> Slots(const StructureAction& t) {
    return {t.GroupeNominal1, t.GroupeNominal2, t.ObjetComplement1, t.ObjetComplement2};
}

// PermutePersos numbers 23 orders of the four persons, mixe3prop five orders of the subject, the
// patient and one complement: every order distinct, none the identity, nothing but those persons
// moved; a number out of range changes nothing.
TEST_F(Permutations, OrdresDistinctsSansLIdentiteEtRienHorsLimites) {
    for (const auto& [ordres, role] :
         {std::pair<int, String>{23, u""}, {5, u"objetcompl1perso"}, {5, u"objetcompl2perso"}}) {
        std::set<std::array<String, 4>> vus;
        for (int n = -1; n <= ordres + 1; ++n) {
            const int numero = n == ordres + 1 ? 1000 : n;
            StructureAction t = s;
            if (role.empty())
                t.PermutePersos(numero, t.GroupeNominal1, t.GroupeNominal2, t.ObjetComplement1,
                                t.ObjetComplement2);
            else
                t.mixe3prop(numero, t.GroupeNominal1, t.GroupeNominal2,
                            role == u"objetcompl1perso" ? t.ObjetComplement1 : t.ObjetComplement2,
                            role);
            VerbesIntacts(t);
            auto r = Slots(t), depart = Slots(s);
            if (numero < 0 || numero >= ordres) {
                EXPECT_EQ(r, depart) << numero;
                continue;
            }
            EXPECT_NE(r, depart) << numero;
            vus.insert(r);
            // The complement left out of the three stays where it is.
            if (role == u"objetcompl1perso") {
                EXPECT_EQ(t.ObjetComplement2, s.ObjetComplement2);
            } else if (role == u"objetcompl2perso") {
                EXPECT_EQ(t.ObjetComplement1, s.ObjetComplement1);
            }
            std::sort(r.begin(), r.end());
            std::sort(depart.begin(), depart.end());
            EXPECT_EQ(r, depart) << numero;
        }
        EXPECT_EQ(vus.size(), static_cast<std::size_t>(ordres)) << U8(role);
    }
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
