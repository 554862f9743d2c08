// The check of a sentence composed from word tags: remarks, roles and analysis flags, and the
// two clause parsers' results.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

#include "sentence/clause_parsers.h"
#include "sentence/sentence_check.h"
#include "sentence/sentence_debug.h"
#include "sentence/vocabulary.h"
#include "sentence/working_lists.h"

namespace {

class Verification : public ::testing::Test {
  protected:
    void SetUp() override {
        InitVocabulary();
        SilenceSentenceDebug();
        // The build-a-sentence scene fills the working lists when it opens.
        ReinitialiseListesNoms();
        FiltreListes(1);
    }
    void TearDown() override { SetSentenceDebugSink(nullptr); }
};

// The analysis flags that are true, in declaration order, separated by spaces.
String DrapeauxVrais(const StructureAction& s) {
    const std::vector<std::pair<const char16_t*, bool>> drapeaux = {
        {u"SujetPresent", s.SujetPresent},
        {u"PropositionPrincipale", s.PropositionPrincipale},
        {u"Complement1Complet", s.Complement1Complet},
        {u"Complement1PresqueComplet", s.Complement1PresqueComplet},
        {u"Complement1Incomplet", s.Complement1Incomplet},
        {u"ActionPresente", s.ActionPresente},
        {u"GN2Present", s.GN2Present},
        {u"Complement2Complet", s.Complement2Complet},
        {u"Complement2PresqueComplet", s.Complement2PresqueComplet},
        {u"Complement2Incomplet", s.Complement2Incomplet},
        {u"GN2Incomplet", s.GN2Incomplet}};
    String vrais;
    for (const auto& [nom, valeur] : drapeaux)
        if (valeur)
            vrais += (vrais.empty() ? u"" : u" ") + String(nom);
    return vrais;
}

// Every role by its field name.
std::map<String, String> Roles(const StructureAction& s) {
    return {{u"GroupeNominal1", s.GroupeNominal1},
            {u"GroupeNominalAdjectif1", s.GroupeNominalAdjectif1},
            {u"VerbeComplement1", s.VerbeComplement1},
            {u"ObjetComplement1", s.ObjetComplement1},
            {u"ObjetComplementAdjectif1", s.ObjetComplementAdjectif1},
            {u"Action", s.Action},
            {u"GroupeNominal2", s.GroupeNominal2},
            {u"GroupeNominalAdjectif2", s.GroupeNominalAdjectif2},
            {u"VerbeComplement2", s.VerbeComplement2},
            {u"ObjetComplement2", s.ObjetComplement2},
            {u"ObjetComplementAdjectif2", s.ObjetComplementAdjectif2},
            {u"ObjetDonneLance1", s.ObjetDonneLance1},
            {u"ObjetDonneLance2", s.ObjetDonneLance2}};
}

const String PasDeSujet = u"Il y a un problème avec le sujet.\n";
const String PasDeVerbe = u"On dirait qu'il n'y a pas de verbe.\n";
const String HorsDePlace = u"Il y a un mot qui n'est pas à sa place.\n";
const String Lancer = u"Il y a un problème avec le verbe lancer\n";

struct Cas {
    const char* nom;
    std::vector<String> mots;
    String remarques;
    String drapeaux;
    // "Role=code;Role=code": roles not listed must be empty.
    String roles;
    int last = -2; // -2: the last word of mots
};

TEST_F(Verification, PhrasesTypesRemarquesRolesEtDrapeaux) {
    const std::vector<Cas> cas = {
        {"case vide", {u""}, PasDeSujet, u"", u"", 0},
        {"personne seule",
         {u"perso_dame_f"},
         PasDeVerbe,
         u"SujetPresent",
         u"GroupeNominal1=perso_dame_f"},
        {"sujet et qui",
         {u"perso_dame_f", u"qui"},
         u"Il faut compléter le groupe nominal sujet.\n" + PasDeVerbe,
         u"SujetPresent",
         u"GroupeNominal1=perso_dame_f"},
        {"animal sujet",
         {u"animal_chien_m", u"i_dormir"},
         u"Le sujet devrait être un personnage (fille, garçon...).\n",
         u"",
         u""},
        {"pronom en tete", {u"qui", u"i_dormir"}, PasDeSujet, u"", u""},
        {"sujet verbe COD",
         {u"perso_dame_f", u"po_regarder", u"perso_monsieur_m"},
         u"",
         u"SujetPresent ActionPresente GN2Present",
         u"GroupeNominal1=perso_dame_f;Action=po_regarder;GroupeNominal2=perso_monsieur_m"},
        {"COD manquant",
         {u"perso_dame_f", u"po_regarder"},
         u"Il manque un COD après le verbe.\n",
         u"SujetPresent ActionPresente GN2Incomplet",
         u"GroupeNominal1=perso_dame_f;Action=po_regarder"},
        {"intransitif",
         {u"perso_dame_f", u"i_dormir"},
         u"",
         u"SujetPresent PropositionPrincipale ActionPresente",
         u"GroupeNominal1=perso_dame_f;Action=i_dormir"},
        {"relative sur le sujet et couleur du COD",
         {u"perso_petite fille_f", u"qui", u"i_courir", u"po_regarder", u"animal_chien_m",
          u"marron"},
         u"",
         u"SujetPresent Complement1Complet ActionPresente GN2Present",
         u"GroupeNominal1=perso_petite "
         u"fille_f;VerbeComplement1=i_courir;Action=po_regarder;GroupeNominal2=animal_chien_m;"
         u"GroupeNominalAdjectif2=marron"},
        {"couleur apres une personne",
         {u"perso_petite fille_f", u"qui", u"i_courir", u"po_regarder", u"perso_monsieur_m",
          u"marron"},
         HorsDePlace,
         u"SujetPresent Complement1Complet ActionPresente GN2Present",
         u"GroupeNominal1=perso_petite "
         u"fille_f;VerbeComplement1=i_courir;Action=po_regarder;GroupeNominal2=perso_monsieur_m"},
        {"relative sur le sujet sans objet",
         {u"perso_dame_f", u"qui", u"po_regarder", u"i_dormir"},
         u"Il manque un personnage ou un objet dans la proposition qui complète le sujet.\n",
         u"SujetPresent PropositionPrincipale Complement1PresqueComplet ActionPresente",
         u"GroupeNominal1=perso_dame_f;VerbeComplement1=po_regarder;Action=i_dormir"},
        {"seul verbe dans la relative",
         {u"perso_dame_f", u"qui", u"po_regarder", u"perso_monsieur_m"},
         u"Je crois qu'il manque un verbe.\n",
         u"SujetPresent Complement1Complet",
         u"GroupeNominal1=perso_dame_f;VerbeComplement1=po_regarder;ObjetComplement1=perso_"
         u"monsieur_m"},
        {"relative bizarre",
         {u"perso_dame_f", u"qui", u"po_regarder", u"rouge", u"i_dormir"},
         u"La proposition qui complète le sujet est bizarre.\n",
         u"SujetPresent Complement1Incomplet",
         u"GroupeNominal1=perso_dame_f;VerbeComplement1=po_regarder"},
        {"habit colore dans la relative",
         {u"perso_dame_f", u"qui", u"po_regarder", u"habit_robe_f", u"rouge", u"i_dormir"},
         u"",
         u"SujetPresent PropositionPrincipale Complement1Complet ActionPresente",
         u"GroupeNominal1=perso_dame_f;VerbeComplement1=po_regarder;ObjetComplement1=habit_robe_f;"
         u"ObjetComplementAdjectif1=rouge;Action=i_dormir"},
        {"pronom apres le COD sans verbe",
         {u"perso_dame_f", u"po_regarder", u"perso_monsieur_m", u"qui"},
         u"Le complément du nom du COD n'est pas terminé.\n",
         u"SujetPresent ActionPresente GN2Present",
         u"GroupeNominal1=perso_dame_f;Action=po_regarder;GroupeNominal2=perso_monsieur_m"},
        {"relative sur le COD",
         {u"perso_dame_f", u"po_regarder", u"perso_monsieur_m", u"qui", u"i_dormir"},
         u"",
         u"SujetPresent ActionPresente GN2Present Complement2Complet",
         u"GroupeNominal1=perso_dame_f;Action=po_regarder;GroupeNominal2=perso_monsieur_m;"
         u"VerbeComplement2=i_dormir"},
        {"relative sur le COD sans objet",
         {u"perso_dame_f", u"po_regarder", u"perso_monsieur_m", u"qui", u"po_regarder"},
         u"Il manque des mots dans la proposition qui complète le COD.\n",
         u"SujetPresent ActionPresente GN2Present Complement2Incomplet",
         u"GroupeNominal1=perso_dame_f;Action=po_regarder;GroupeNominal2=perso_monsieur_m;"
         u"VerbeComplement2=po_regarder"},
        {"lancer sur dans la relative du COD sans cible",
         {u"perso_monsieur_m", u"po_regarder", u"perso_dame_f", u"qui", u"oum_lancer",
          u"unemain_balle_f", u"sur"},
         u"Il manque un objet dans la proposition qui complète le COD.\n",
         u"SujetPresent ActionPresente GN2Present Complement2PresqueComplet",
         u"GroupeNominal1=perso_monsieur_m;Action=po_regarder;GroupeNominal2=perso_dame_f;"
         u"VerbeComplement2=p_lancer sur;ObjetDonneLance2=unemain_balle_f"},
        {"lancer sur",
         {u"perso_monsieur_m", u"oum_lancer", u"unemain_balle_f", u"sur", u"perso_dame_f"},
         u"",
         u"SujetPresent ActionPresente GN2Present",
         u"GroupeNominal1=perso_monsieur_m;Action=p_lancer "
         u"sur;ObjetDonneLance1=unemain_balle_f;GroupeNominal2=perso_dame_f"},
        {"lancer a",
         {u"perso_petite fille_f", u"oum_lancer", u"unemain_pomme_f", u"à", u"perso_dame_f"},
         u"",
         u"SujetPresent ActionPresente GN2Present",
         u"GroupeNominal1=perso_petite fille_f;Action=p_lancer "
         u"a;ObjetDonneLance1=unemain_pomme_f;GroupeNominal2=perso_dame_f"},
        {"lancer sur sans cible",
         {u"perso_monsieur_m", u"oum_lancer", u"unemain_balle_f", u"sur"},
         Lancer,
         u"SujetPresent ActionPresente GN2Present",
         u"GroupeNominal1=perso_monsieur_m;Action=p_lancer sur;ObjetDonneLance1=unemain_balle_f"},
        {"lancer sur suivi de qui",
         {u"perso_monsieur_m", u"oum_lancer", u"unemain_balle_f", u"sur", u"perso_dame_f", u"qui"},
         Lancer,
         u"SujetPresent ActionPresente GN2Present",
         u"GroupeNominal1=perso_monsieur_m;Action=p_lancer "
         u"sur;ObjetDonneLance1=unemain_balle_f;GroupeNominal2=perso_dame_f"},
        {"lancer une personne",
         {u"perso_monsieur_m", u"oum_lancer", u"perso_dame_f"},
         Lancer,
         u"SujetPresent ActionPresente GN2Present",
         u"GroupeNominal1=perso_monsieur_m;Action=oum_lancer;GroupeNominal2=perso_dame_f"},
        {"lancer sans cible",
         {u"perso_monsieur_m", u"oum_lancer", u"unemain_balle_f"},
         u"",
         u"SujetPresent ActionPresente GN2Present",
         u"GroupeNominal1=perso_monsieur_m;Action=oum_lancer;GroupeNominal2=unemain_balle_f"},
        {"lancer sur dans la relative du COD",
         {u"perso_monsieur_m", u"po_regarder", u"perso_dame_f", u"qui", u"oum_lancer",
          u"unemain_pomme_f", u"sur", u"perso_monsieur_m"},
         u"",
         u"SujetPresent ActionPresente GN2Present Complement2Complet",
         u"GroupeNominal1=perso_monsieur_m;Action=po_regarder;GroupeNominal2=perso_dame_f;"
         u"VerbeComplement2=p_lancer "
         u"sur;ObjetDonneLance2=unemain_pomme_f;ObjetComplement2=perso_monsieur_m"},
        {"lancer sans cible dans la relative du sujet, puis une personne",
         {u"perso_dame_f", u"qui", u"oum_lancer", u"unemain_balle_f", u"po_regarder",
          u"perso_monsieur_m"},
         u"",
         u"SujetPresent Complement1Complet ActionPresente GN2Present",
         u"GroupeNominal1=perso_dame_f;VerbeComplement1=oum_lancer;ObjetComplement1=unemain_balle_"
         u"f;Action=po_regarder;GroupeNominal2=perso_monsieur_m"},
        {"lancer a dans la relative du sujet",
         {u"perso_dame_f", u"qui", u"oum_lancer", u"unemain_balle_f", u"à", u"perso_monsieur_m",
          u"i_dormir"},
         u"",
         u"SujetPresent PropositionPrincipale Complement1Complet ActionPresente",
         u"GroupeNominal1=perso_dame_f;VerbeComplement1=p_lancer "
         u"a;ObjetDonneLance1=unemain_balle_f;ObjetComplement1=perso_monsieur_m;Action=i_dormir"},
        {"lancer sur sans cible dans la relative du sujet",
         {u"perso_dame_f", u"qui", u"oum_lancer", u"unemain_balle_f", u"sur", u"po_regarder",
          u"perso_monsieur_m"},
         u"Il manque un personnage ou un objet dans la proposition qui complète le sujet.\n",
         u"SujetPresent Complement1PresqueComplet ActionPresente GN2Present",
         u"GroupeNominal1=perso_dame_f;VerbeComplement1=p_lancer "
         u"sur;ObjetDonneLance1=unemain_balle_f;Action=po_regarder;GroupeNominal2=perso_monsieur_"
         u"m"},
        // A verb that is not the main verb, or a word no step takes, is out of place.
        {"couleur entre sujet et verbe",
         {u"perso_dame_f", u"rouge", u"i_dormir"},
         HorsDePlace,
         u"SujetPresent",
         u"GroupeNominal1=perso_dame_f"},
        {"second verbe apres le COD",
         {u"perso_dame_f", u"po_regarder", u"perso_monsieur_m", u"po_regarder"},
         HorsDePlace,
         u"SujetPresent ActionPresente GN2Present",
         u"GroupeNominal1=perso_dame_f;Action=po_regarder;GroupeNominal2=perso_monsieur_m"},
        {"deux verbes a la suite",
         {u"perso_dame_f", u"i_dormir", u"i_courir"},
         HorsDePlace,
         u"SujetPresent PropositionPrincipale ActionPresente",
         u"GroupeNominal1=perso_dame_f;Action=i_dormir"},
        {"mot en trop dans la relative du sujet",
         {u"perso_dame_f", u"qui", u"i_dormir", u"rouge", u"po_regarder", u"perso_monsieur_m"},
         HorsDePlace,
         u"SujetPresent Complement1Complet ActionPresente GN2Present",
         u"GroupeNominal1=perso_dame_f;VerbeComplement1=i_dormir;Action=po_regarder;GroupeNominal2="
         u"perso_monsieur_m"},
        {"deux relatives sans verbe principal",
         {u"perso_dame_f", u"qui", u"i_dormir", u"perso_monsieur_m", u"qui", u"i_courir"},
         HorsDePlace,
         u"SujetPresent Complement1Complet",
         u"GroupeNominal1=perso_dame_f;VerbeComplement1=i_dormir;ObjetComplement1=perso_monsieur_"
         u"m"},
        // Only slots 0 to last belong to the sentence.
        {"phrase vide", {u"perso_dame_f", u"i_dormir"}, PasDeSujet, u"", u"", -1},
        {"cases apres last ignorees",
         {u"perso_dame_f", u"i_dormir", u"perso_monsieur_m", u"qui"},
         u"",
         u"SujetPresent PropositionPrincipale ActionPresente",
         u"GroupeNominal1=perso_dame_f;Action=i_dormir",
         1},
        {"last au-dela des cases",
         {u"perso_dame_f", u"po_regarder"},
         u"Il manque un COD après le verbe.\n",
         u"SujetPresent ActionPresente GN2Incomplet",
         u"GroupeNominal1=perso_dame_f;Action=po_regarder",
         40},
    };

    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        StructureAction s;
        // Whatever the structure held before must not leak into the result.
        s.VerbeComplement2 = u"i_courir";
        s.Complement2Complet = true;
        const int last = c.last == -2 ? static_cast<int>(c.mots.size()) - 1 : c.last;
        EXPECT_EQ(platform::ToUtf8(AnalysePhrase(last, c.mots, s)), platform::ToUtf8(c.remarques));
        EXPECT_EQ(platform::ToUtf8(DrapeauxVrais(s)), platform::ToUtf8(c.drapeaux));
        std::map<String, String> attendus;
        for (const String& paire : platform::Split(c.roles, u";"))
            if (!paire.empty())
                attendus[platform::Split(paire, u"=")[0]] = platform::Split(paire, u"=")[1];
        for (const auto& [role, valeur] : Roles(s))
            EXPECT_EQ(platform::ToUtf8(valeur), platform::ToUtf8(attendus[role]))
                << platform::ToUtf8(role);
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
                ASSERT_EQ(m.back(), u'\n') << platform::ToUtf8(m);
            } else {
                // A sentence passed as correct has a subject and a main verb.
                ASSERT_TRUE(s.SujetPresent && s.ActionPresente);
            }
        }
    }
    EXPECT_GT(phrases, 10000);
}

TEST_F(Verification, ResultatsDesAnalyseursDePropositions) {
    struct CasParseur {
        const char* nom;
        std::vector<String> mots;
        int v, b, clause;
        bool lancer;
        String resultat;
        std::function<void(const StructureAction&)> verifie;
    };
    const std::vector<CasParseur> cas = {
        {"intransitif",
         {u"perso_dame_f", u"qui", u"i_dormir"},
         2,
         2,
         1,
         false,
         u"True||",
         [](const StructureAction& s) { EXPECT_EQ(s.VerbeComplement1, u"i_dormir"); }},
        {"verbe en fin",
         {u"perso_dame_f", u"qui", u"po_regarder"},
         2,
         2,
         1,
         false,
         u"ManqueObjet||",
         nullptr},
        {"rien avant le verbe suivant",
         {u"perso_dame_f", u"qui", u"po_regarder", u"i_dormir"},
         2,
         3,
         1,
         false,
         u"ManqueObjet||",
         nullptr},
        {"couleur sans nom",
         {u"perso_dame_f", u"qui", u"po_regarder", u"rouge", u"i_dormir"},
         2,
         4,
         1,
         false,
         u"False||",
         nullptr},
        {"habit colore",
         {u"perso_dame_f", u"qui", u"po_regarder", u"habit_robe_f", u"rouge", u"i_dormir"},
         2,
         5,
         1,
         false,
         u"True|objetcomplementadjectif1|4",
         [](const StructureAction& s) {
             EXPECT_EQ(s.ObjetComplement1, u"habit_robe_f");
             EXPECT_EQ(s.ObjetComplementAdjectif1, u"rouge");
         }},
        {"personne non coloree",
         {u"perso_dame_f", u"qui", u"po_regarder", u"perso_monsieur_m", u"rouge", u"i_dormir"},
         2,
         5,
         1,
         false,
         u"True|objetcomplement1|3",
         [](const StructureAction& s) { EXPECT_EQ(s.ObjetComplementAdjectif1, u""); }},
        {"animal colore sur le COD",
         {u"perso_dame_f", u"po_regarder", u"perso_monsieur_m", u"qui", u"a_promener",
          u"animal_chien_m", u"vert"},
         4,
         4,
         2,
         false,
         u"True|objetcomplementadjectif2|6",
         [](const StructureAction& s) {
             EXPECT_EQ(s.VerbeComplement2, u"a_promener");
             EXPECT_EQ(s.ObjetComplement2, u"animal_chien_m");
             EXPECT_EQ(s.ObjetComplementAdjectif2, u"vert");
         }},
        {"lancer dans la relative",
         {u"perso_monsieur_m", u"po_regarder", u"perso_dame_f", u"qui", u"oum_lancer",
          u"unemain_pomme_f", u"sur", u"perso_monsieur_m"},
         4,
         4,
         2,
         false,
         u"True|objetcomplement2|",
         nullptr},
        {"lancer simple, proposition principale",
         {u"perso_monsieur_m", u"oum_lancer", u"unemain_balle_f"},
         1,
         1,
         0,
         true,
         u"True",
         [](const StructureAction& s) { EXPECT_EQ(s.Action, u""); }},
        {"lancer sur sans personne",
         {u"perso_monsieur_m", u"oum_lancer", u"unemain_balle_f", u"sur"},
         1,
         1,
         0,
         true,
         u"ManquePersoObjet",
         nullptr},
        {"lancer une personne",
         {u"perso_monsieur_m", u"oum_lancer", u"perso_dame_f"},
         1,
         1,
         0,
         true,
         u"",
         nullptr},
        {"verbe en fin de phrase",
         {u"perso_monsieur_m", u"oum_lancer"},
         1,
         1,
         0,
         true,
         u"ManqueObjet",
         nullptr},
    };
    for (const CasParseur& c : cas) {
        SCOPED_TRACE(c.nom);
        StructureAction s;
        const int last = static_cast<int>(c.mots.size()) - 1;
        const String r = c.lancer ? parsedetectelancesur(c.v, c.b, c.mots, last, s, c.clause)
                                  : parsedetecteproposition(c.v, c.b, c.mots, last, s, c.clause);
        EXPECT_EQ(platform::ToUtf8(r), platform::ToUtf8(c.resultat));
        if (c.verifie)
            c.verifie(s);
    }
}

} // namespace
