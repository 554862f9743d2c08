// The check of a sentence composed from word tags: the remarks, roles and analysis flags of
// faulty sentences and of the edges of the slot range (correct sentences are the round trip's).
#include <vector>

#include "sentence/sentence_check.h"
#include "sentence/working_lists.h"
#include "sentence_test_support.h"

namespace {

class Verification : public SentenceTest {
  protected:
    void SetUp() override {
        SentenceTest::SetUp();
        // The build-a-sentence scene fills the working lists when it opens.
        ReinitialiseListesNoms();
        FiltreListes(1);
    }
};

const String PasDeSujet = u"Il y a un problème avec le sujet.\n";
const String PasDeVerbe = u"On dirait qu'il n'y a pas de verbe.\n";
const String HorsDePlace = u"Il y a un mot qui n'est pas à sa place.\n";
const String Lancer = u"Il y a un problème avec le verbe lancer.\n";

struct Cas {
    const char* nom;
    String mots; // words separated by commas
    String remarques;
    String drapeaux;
    // Roles described as for Structure(): roles not listed must be empty.
    String roles;
    int last = -2; // -2: the last word of mots
};

TEST_F(Verification, PhrasesTypesRemarquesRolesEtDrapeaux) {
    const std::vector<Cas> cas = {
        {"case vide", u"", PasDeSujet, u"", u"", 0},
        {"personne seule", u"perso_dame_f", PasDeVerbe, u"SujetPresent", u"GN1=perso_dame_f"},
        {"sujet et qui", u"perso_dame_f,qui",
         u"Il faut compléter le groupe nominal sujet.\n" + PasDeVerbe, u"SujetPresent",
         u"GN1=perso_dame_f"},
        {"animal sujet", u"animal_chien_m,i_dormir",
         u"Le sujet devrait être un personnage (fille, garçon...).\n", u"", u""},
        {"pronom en tete", u"qui,i_dormir", PasDeSujet, u"", u""},
        {"COD manquant", u"perso_dame_f,po_regarder", u"Il manque un COD après le verbe.\n",
         u"SujetPresent ActionPresente GN2Incomplet", u"GN1=perso_dame_f;Action=po_regarder"},
        {"couleur apres une personne",
         u"perso_petite fille_f,qui,i_courir,po_regarder,perso_monsieur_m,marron", HorsDePlace,
         u"SujetPresent Complement1Complet ActionPresente GN2Present",
         u"GN1=perso_petite fille_f;VC1=i_courir;Action=po_regarder;GN2=perso_monsieur_m"},
        {"relative sur le sujet sans objet", u"perso_dame_f,qui,po_regarder,i_dormir",
         u"Il manque un personnage ou un objet dans la proposition qui complète le sujet.\n",
         u"SujetPresent PropositionPrincipale Complement1PresqueComplet ActionPresente",
         u"GN1=perso_dame_f;VC1=po_regarder;Action=i_dormir"},
        {"seul verbe dans la relative", u"perso_dame_f,qui,po_regarder,perso_monsieur_m",
         u"Je crois qu'il manque un verbe.\n", u"SujetPresent Complement1Complet",
         u"GN1=perso_dame_f;VC1=po_regarder;OC1=perso_monsieur_m"},
        {"relative bizarre", u"perso_dame_f,qui,po_regarder,rouge,i_dormir",
         u"La proposition qui complète le sujet est bizarre.\n",
         u"SujetPresent Complement1Incomplet", u"GN1=perso_dame_f;VC1=po_regarder"},
        {"pronom apres le COD sans verbe", u"perso_dame_f,po_regarder,perso_monsieur_m,qui",
         u"Le complément du nom du COD n'est pas terminé.\n",
         u"SujetPresent ActionPresente GN2Present",
         u"GN1=perso_dame_f;Action=po_regarder;GN2=perso_monsieur_m"},
        {"relative sur le COD sans objet",
         u"perso_dame_f,po_regarder,perso_monsieur_m,qui,po_regarder",
         u"Il manque des mots dans la proposition qui complète le COD.\n",
         u"SujetPresent ActionPresente GN2Present Complement2Incomplet",
         u"GN1=perso_dame_f;Action=po_regarder;GN2=perso_monsieur_m;VC2=po_regarder"},
        {"lancer sur dans la relative du COD sans cible",
         u"perso_monsieur_m,po_regarder,perso_dame_f,qui,oum_lancer,unemain_balle_f,sur",
         u"Il manque un objet dans la proposition qui complète le COD.\n",
         u"SujetPresent ActionPresente GN2Present Complement2PresqueComplet",
         u"GN1=perso_monsieur_m;Action=po_regarder;GN2=perso_dame_f;VC2=p_lancer "
         u"sur;Lance2=unemain_balle_f"},
        {"lancer sur sans cible", u"perso_monsieur_m,oum_lancer,unemain_balle_f,sur", Lancer,
         u"SujetPresent ActionPresente GN2Present",
         u"GN1=perso_monsieur_m;Action=p_lancer sur;Lance1=unemain_balle_f"},
        {"lancer sur suivi de qui",
         u"perso_monsieur_m,oum_lancer,unemain_balle_f,sur,perso_dame_f,qui", Lancer,
         u"SujetPresent ActionPresente GN2Present",
         u"GN1=perso_monsieur_m;Action=p_lancer sur;Lance1=unemain_balle_f;GN2=perso_dame_f"},
        {"lancer une personne", u"perso_monsieur_m,oum_lancer,perso_dame_f", Lancer,
         u"SujetPresent ActionPresente GN2Present",
         u"GN1=perso_monsieur_m;Action=oum_lancer;GN2=perso_dame_f"},
        {"lancer sur sans cible dans la relative du sujet",
         u"perso_dame_f,qui,oum_lancer,unemain_balle_f,sur,po_regarder,perso_monsieur_m",
         u"Il manque un personnage ou un objet dans la proposition qui complète le sujet.\n",
         u"SujetPresent Complement1PresqueComplet ActionPresente GN2Present",
         u"GN1=perso_dame_f;VC1=p_lancer "
         u"sur;Lance1=unemain_balle_f;Action=po_regarder;GN2=perso_monsieur_m"},
        // A verb that is not the main verb, or a word no step takes, is out of place.
        {"couleur entre sujet et verbe", u"perso_dame_f,rouge,i_dormir", HorsDePlace,
         u"SujetPresent", u"GN1=perso_dame_f"},
        {"second verbe apres le COD", u"perso_dame_f,po_regarder,perso_monsieur_m,po_regarder",
         HorsDePlace, u"SujetPresent ActionPresente GN2Present",
         u"GN1=perso_dame_f;Action=po_regarder;GN2=perso_monsieur_m"},
        {"deux verbes a la suite", u"perso_dame_f,i_dormir,i_courir", HorsDePlace,
         u"SujetPresent PropositionPrincipale ActionPresente", u"GN1=perso_dame_f;Action=i_dormir"},
        {"mot en trop dans la relative du sujet",
         u"perso_dame_f,qui,i_dormir,rouge,po_regarder,perso_monsieur_m", HorsDePlace,
         u"SujetPresent Complement1Complet ActionPresente GN2Present",
         u"GN1=perso_dame_f;VC1=i_dormir;Action=po_regarder;GN2=perso_monsieur_m"},
        {"deux relatives sans verbe principal",
         u"perso_dame_f,qui,i_dormir,perso_monsieur_m,qui,i_courir", HorsDePlace,
         u"SujetPresent Complement1Complet", u"GN1=perso_dame_f;VC1=i_dormir;OC1=perso_monsieur_m"},
        // Only slots 0 to last belong to the sentence.
        {"phrase vide", u"perso_dame_f,i_dormir", PasDeSujet, u"", u"", -1},
        {"cases apres last ignorees", u"perso_dame_f,i_dormir,perso_monsieur_m,qui", u"",
         u"SujetPresent PropositionPrincipale ActionPresente", u"GN1=perso_dame_f;Action=i_dormir",
         1},
        {"last au-dela des cases", u"perso_dame_f,po_regarder",
         u"Il manque un COD après le verbe.\n", u"SujetPresent ActionPresente GN2Incomplet",
         u"GN1=perso_dame_f;Action=po_regarder", 40},
    };

    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        StructureAction s;
        // Whatever the structure held before must not leak into the result.
        s.VerbeComplement2 = u"i_courir";
        s.Complement2Complet = true;
        const StringArray mots = Mots(c.mots);
        const int last = c.last == -2 ? static_cast<int>(mots.size()) - 1 : c.last;
        EXPECT_EQ(U8(AnalysePhrase(last, mots, s)), U8(c.remarques));
        EXPECT_EQ(U8(DrapeauxVrais(s)), U8(c.drapeaux));
        auto attendus = RolesDecrits(c.roles);
        for (const auto& [role, valeur] : RolesParNom(s))
            EXPECT_EQ(U8(valeur), U8(attendus[role])) << U8(role);
    }
}

TEST_F(Verification, LaVerificationGardeLesFormesEtRienDAutre) {
    StructureAction s;
    s.Presentatif = true;
    s.OrdreVerbeSujet = true;
    s.AccentSurAgent = true;
    s.PassiveALaFin = true;
    s.Passive = true;
    s.PassiveOuQue = true;
    s.RelativeQue = true;
    s.NombrePersos = 3;
    s.Immobile = true;
    AnalysePhrase(1, {u"perso_dame_f", u"i_dormir"}, s);
    EXPECT_TRUE(s.Presentatif && s.OrdreVerbeSujet && s.AccentSurAgent && s.PassiveALaFin);
    EXPECT_FALSE(s.Passive || s.PassiveOuQue || s.RelativeQue || s.Immobile);
    EXPECT_EQ(s.NombrePersos, 0);
}

TEST_F(Verification, ChaqueRemarqueFinitParUnRetourALaLigne) {
    // Every sentence of up to four words over a small alphabet: each remark is a line.
    const std::vector<String> alphabet = {
        u"",           u"perso_dame_f",    u"qui", u"po_regarder", u"i_dormir",
        u"oum_lancer", u"unemain_balle_f", u"sur", u"rouge",       u"chapeau_bonnet_m"};
    const int n = static_cast<int>(alphabet.size());
    int phrases = 0;
    for (int longueur = 1; longueur <= 4; ++longueur) {
        int total = 1;
        for (int i = 0; i < longueur; ++i)
            total *= n;
        for (int code = 0; code < total; ++code) {
            std::vector<String> mots;
            for (int i = 0, c = code; i < longueur; ++i, c /= n)
                mots.push_back(alphabet[c % n]);
            StructureAction s;
            const String m = AnalysePhrase(longueur - 1, mots, s);
            ++phrases;
            if (!m.empty()) {
                ASSERT_EQ(m.back(), u'\n') << U8(m);
            } else {
                // A sentence passed as correct has a subject and a main verb.
                ASSERT_TRUE(s.SujetPresent && s.ActionPresente);
            }
        }
    }
    EXPECT_GT(phrases, 10000);
}

} // namespace
