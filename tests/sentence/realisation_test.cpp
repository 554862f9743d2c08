// Worked sentences: each structure with the French a reader expects, once with the base words
// and once with a set of drawn synonyms, plus the word-order markup of the ordering game.
#include <gtest/gtest.h>

// Structures are written with designated initialisers naming only the roles they fill; the
// others keep their declared defaults, which is what is meant here.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

#include "platform/text.h"
#include "sentence/agreement.h"
#include "sentence/realisation.h"
#include "sentence/sentence_debug.h"
#include "sentence/vocabulary.h"

namespace {

using S = StructureAction;

// Synonyms chosen so that most words differ from their base word, elide ("l'homme") or
// start with a vowel ("observe").
void TireSynonymesDeTest() {
    SynonymeDame = u"femme";
    SynonymeMonsieur = u"homme";
    SynonymePetiteFille = u"fillette";
    SynonymeRegarder = u"observe";
    SynonymeLancerSur = u"jette";
    SynonymeLancerA = u"passe";
    SynonymeLancer = u"envoie";
    SynonymeTenir = u"apporte";
    SynonymeSoulever = u"ramasse";
    SynonymePorter = u"a mis";
    SynonymeRose = u"rose";
    SynonymeCuisiner = u"fait à manger";
    SynonymeCaisse = u"caisse en bois";
    SynonymeGateau = u"gâteau d'anniversaire";
    SynonymeCadeau = u"paquet";
    SynonymeJouer = u"joue de la musique";
    SynonymeMarteau = u"outil";
    SynonymePedaler = u"roule";
}

class Realisation : public ::testing::Test {
  protected:
    void SetUp() override {
        SilenceSentenceDebug();
        InitVocabulary();
        TireSynonymesDeTest();
    }
    void TearDown() override { InitVocabulary(); }
};

struct Cas {
    const char* nom;
    S structure;
    const char16_t* motsDeBase;
    const char16_t* synonymes;
};

// Codes used below.
const String Dame = u"perso_dame_f";
const String Monsieur = u"perso_monsieur_m";
const String Garcon = u"perso_petit garcon_m";
const String Fille = u"perso_petite fille_f";
const String Balle = u"unemain_balle_f";
const String Pomme = u"unemain_pomme_f";

const Cas Exemples[] = {
    // Basic sentences and their extensions.
    {"actif",
     S{.GroupeNominal1 = Dame, .Action = u"po_regarder", .GroupeNominal2 = u"animal_chien_m"},
     u"La dame regarde un chien.", u"La femme observe un chien."},
    {"actif_clause_agent_couleur",
     S{.GroupeNominal1 = Monsieur,
       .VerbeComplement1 = u"oum_lancer",
       .ObjetComplement1 = Balle,
       .ObjetComplementAdjectif1 = u"rouge",
       .Action = u"p_poursuivre",
       .GroupeNominal2 = Fille},
     u"Le monsieur qui lance une balle rouge poursuit la petite fille.",
     u"L'homme qui envoie une balle rouge poursuit la fillette."},
    {"actif_presentatif",
     S{.Presentatif = true,
       .GroupeNominal1 = Monsieur,
       .VerbeComplement1 = u"oum_lancer",
       .ObjetComplement1 = Balle,
       .ObjetComplementAdjectif1 = u"rouge",
       .Action = u"p_poursuivre",
       .GroupeNominal2 = Fille},
     u"C'est le monsieur qui lance une balle rouge qui poursuit la petite fille.",
     u"C'est l'homme qui envoie une balle rouge qui poursuit la fillette."},
    {"actif_clause_patient_couleur",
     S{.GroupeNominal1 = Fille,
       .Action = u"p_poursuivre",
       .GroupeNominal2 = Monsieur,
       .VerbeComplement2 = u"a_promener",
       .ObjetComplement2 = u"animal_chien_m",
       .ObjetComplementAdjectif2 = u"vert"},
     u"La petite fille poursuit le monsieur qui promène un chien vert.",
     u"La fillette poursuit l'homme qui promène un chien vert."},
    {"adjectif_feminin_habit",
     S{.GroupeNominal1 = Dame,
       .Action = u"h_wear",
       .GroupeNominal2 = u"habit_chemise_f",
       .GroupeNominalAdjectif2 = u"blanc"},
     u"La dame porte une chemise blanche.", u"La femme a mis une chemise blanche."},
    {"adjectif_feminin_chapeau",
     S{.GroupeNominal1 = Monsieur,
       .Action = u"h_wear",
       .GroupeNominal2 = u"chapeau_casquette_f",
       .GroupeNominalAdjectif2 = u"gris"},
     u"Le monsieur porte une casquette grise.", u"L'homme a mis une casquette grise."},
    {"adjectif_objet_par_terre",
     S{.GroupeNominal1 = Monsieur,
       .VerbeComplement1 = u"ouodm_tenir",
       .ObjetComplement1 = u"deuxmains_paquet-cadeau_m",
       .Action = u"po_regarder",
       .GroupeNominal2 = u"unemain_rose_f|par_terre",
       .GroupeNominalAdjectif2 = u"vert"},
     u"Le monsieur qui tient un cadeau regarde une fleur verte.",
     u"L'homme qui apporte un paquet observe une rose verte."},
    // Reversible sentences with a thrown object.
    {"lancer_sur",
     S{.GroupeNominal1 = Dame,
       .Action = u"p_lancer sur",
       .GroupeNominal2 = Monsieur,
       .ObjetDonneLance1 = Balle},
     u"La dame lance une balle sur le monsieur.", u"La femme jette une balle sur l'homme."},
    {"lancer_a",
     S{.GroupeNominal1 = Dame,
       .Action = u"p_lancer a",
       .GroupeNominal2 = Monsieur,
       .ObjetDonneLance1 = Balle},
     u"La dame lance une balle au monsieur.", u"La femme passe une balle à l'homme."},
    {"lancer_a_clause_agent",
     S{.GroupeNominal1 = Garcon,
       .VerbeComplement1 = u"p_lancer a",
       .ObjetComplement1 = Monsieur,
       .Action = u"i_courir",
       .ObjetDonneLance1 = Pomme},
     u"Le petit garçon qui lance une pomme au monsieur court.",
     u"Le petit garçon qui passe une pomme à l'homme court."},
    {"lancer_sur_clause_patient",
     S{.GroupeNominal1 = Dame,
       .Action = u"po_regarder",
       .GroupeNominal2 = Fille,
       .VerbeComplement2 = u"p_lancer sur",
       .ObjetComplement2 = Monsieur,
       .ObjetDonneLance2 = u"unemain_banane_f"},
     u"La dame regarde la petite fille qui lance une banane sur le monsieur.",
     u"La femme observe la fillette qui jette une banane sur l'homme."},
    // Passives at the end and embedded, with the participle agreed with the patient.
    {"passive_fin",
     S{.Passive = true,
       .PassiveALaFin = true,
       .GroupeNominal1 = Monsieur,
       .Action = u"po_regarder",
       .GroupeNominal2 = Dame},
     u"La dame est regardée par le monsieur.", u"La femme est observée par l'homme."},
    {"passive_masculin",
     S{.Passive = true,
       .PassiveALaFin = true,
       .GroupeNominal1 = Dame,
       .Action = u"p_poursuivre",
       .GroupeNominal2 = Monsieur},
     u"Le monsieur est poursuivi par la dame.", u"L'homme est poursuivi par la femme."},
    {"passive_lancer_sur",
     S{.Passive = true,
       .PassiveALaFin = true,
       .GroupeNominal1 = Monsieur,
       .Action = u"p_lancer sur",
       .GroupeNominal2 = Dame,
       .ObjetDonneLance1 = Pomme},
     u"La dame se fait lancer une pomme dessus par le monsieur.",
     u"La femme se fait jeter une pomme dessus par l'homme."},
    {"passive_se_fait_sans_objet",
     S{.Passive = true,
       .PassiveALaFin = true,
       .GroupeNominal1 = Monsieur,
       .Action = u"p_lancer sur",
       .GroupeNominal2 = Dame},
     u"La dame se fait lancer par le monsieur.", u"La femme se fait jeter par l'homme."},
    {"passive_enchassee",
     S{.Passive = true,
       .GroupeNominal1 = Monsieur,
       .Action = u"po_regarder",
       .GroupeNominal2 = Dame,
       .VerbeComplement2 = u"i_marcher"},
     u"La dame qui est regardée par le monsieur marche.",
     u"La femme qui est observée par l'homme marche."},
    {"passive_enchassee_musique",
     S{.Passive = true,
       .GroupeNominal1 = Dame,
       .Action = u"p_portersurepaules",
       .GroupeNominal2 = Garcon,
       .VerbeComplement2 = u"i_jouer de la musique"},
     u"Le petit garçon qui est porté par la dame joue de la guitare.",
     u"Le petit garçon qui est porté par la femme joue de la musique."},
    {"passive_fin_clause_patient",
     S{.Passive = true,
       .PassiveALaFin = true,
       .GroupeNominal1 = Monsieur,
       .Action = u"p_poursuivre",
       .GroupeNominal2 = Fille,
       .VerbeComplement2 = u"odm_soulever",
       .ObjetComplement2 = u"deuxmains_gateau_m"},
     u"La petite fille qui soulève un gâteau est poursuivie par le monsieur.",
     u"La fillette qui ramasse un gâteau d'anniversaire est poursuivie par l'homme."},
    {"passive_clause_agent_couleur",
     S{.Passive = true,
       .PassiveALaFin = true,
       .GroupeNominal1 = Monsieur,
       .VerbeComplement1 = u"h_wear",
       .ObjetComplement1 = u"chapeau_casquette_f",
       .ObjetComplementAdjectif1 = u"gris",
       .Action = u"po_regarder",
       .GroupeNominal2 = Dame},
     u"La dame est regardée par le monsieur qui porte une casquette grise.",
     u"La femme est observée par l'homme qui a mis une casquette grise."},
    // The patient's colour is said whatever the form.
    {"passive_patient_colore",
     S{.Passive = true,
       .PassiveALaFin = true,
       .GroupeNominal1 = Dame,
       .Action = u"po_regarder",
       .GroupeNominal2 = u"animal_elephant_m",
       .GroupeNominalAdjectif2 = u"blanc"},
     u"Un (vrai) éléphant blanc est regardé par la dame.",
     u"Un (vrai) éléphant blanc est observé par la femme."},
    {"relative_patient_colore",
     S{.RelativeQue = true,
       .Presentatif = true,
       .GroupeNominal1 = Monsieur,
       .Action = u"po_regarder",
       .GroupeNominal2 = u"animal_chien_m",
       .GroupeNominalAdjectif2 = u"gris"},
     u"C'est un chien gris que le monsieur regarde.", u"C'est un chien gris que l'homme observe."},
    // Emphasis on the patient (passive presentative) and on the agent.
    {"accent_patient_fin",
     S{.Passive = true,
       .PassiveALaFin = true,
       .Presentatif = true,
       .GroupeNominal1 = Garcon,
       .Action = u"p_portersurepaules",
       .GroupeNominal2 = Dame},
     u"C'est la dame qui est portée par le petit garçon.",
     u"C'est la femme qui est portée par le petit garçon."},
    {"accent_patient_enchassee",
     S{.Passive = true,
       .Presentatif = true,
       .GroupeNominal1 = Monsieur,
       .Action = u"po_regarder",
       .GroupeNominal2 = Dame,
       .VerbeComplement2 = u"i_marcher"},
     u"C'est la dame qui est regardée par le monsieur qui marche.",
     u"C'est la femme qui est observée par l'homme qui marche."},
    {"accent_agent",
     S{.Passive = true,
       .PassiveALaFin = true,
       .Presentatif = true,
       .AccentSurAgent = true,
       .GroupeNominal1 = Monsieur,
       .Action = u"po_regarder",
       .GroupeNominal2 = Dame},
     u"C'est par le monsieur que la dame est regardée.",
     u"C'est par l'homme que la femme est observée."},
    {"accent_agent_clauses",
     S{.Passive = true,
       .Presentatif = true,
       .AccentSurAgent = true,
       .GroupeNominal1 = Monsieur,
       .VerbeComplement1 = u"i_dormir",
       .Action = u"p_poursuivre",
       .GroupeNominal2 = Fille,
       .VerbeComplement2 = u"i_cuisiner"},
     u"C'est par le monsieur qui dort que la petite fille qui cuisine est poursuivie.",
     u"C'est par l'homme qui dort que la fillette qui fait à manger est poursuivie."},
    {"accent_agent_patient_colore",
     S{.Passive = true,
       .Presentatif = true,
       .AccentSurAgent = true,
       .GroupeNominal1 = Garcon,
       .Action = u"po_regarder",
       .GroupeNominal2 = u"animal_crocodile_m",
       .GroupeNominalAdjectif2 = u"vert"},
     u"C'est par le petit garçon qu'un crocodile vert est regardé.",
     u"C'est par le petit garçon qu'un crocodile vert est observé."},
    {"accent_agent_lancer_sur",
     S{.Passive = true,
       .Presentatif = true,
       .AccentSurAgent = true,
       .GroupeNominal1 = Monsieur,
       .Action = u"p_lancer sur",
       .GroupeNominal2 = Dame,
       .ObjetDonneLance1 = Pomme},
     u"C'est par le monsieur que la dame se fait lancer une pomme dessus.",
     u"C'est par l'homme que la femme se fait jeter une pomme dessus."},
    {"accent_agent_lancer_a_clause",
     S{.Passive = true,
       .Presentatif = true,
       .AccentSurAgent = true,
       .GroupeNominal1 = Dame,
       .VerbeComplement1 = u"p_lancer a",
       .ObjetComplement1 = Monsieur,
       .Action = u"p_poursuivre",
       .GroupeNominal2 = Fille,
       .ObjetDonneLance1 = Balle},
     u"C'est par la dame qui lance une balle au monsieur que la petite fille est poursuivie.",
     u"C'est par la femme qui passe une balle à l'homme que la fillette est poursuivie."},
    // Relative "que", subject-verb and verb-subject order.
    {"relative_que",
     S{.RelativeQue = true,
       .GroupeNominal1 = Monsieur,
       .Action = u"po_regarder",
       .GroupeNominal2 = Dame,
       .VerbeComplement2 = u"i_marcher"},
     u"La dame que le monsieur regarde marche.", u"La femme que l'homme observe marche."},
    {"relative_verbe_sujet",
     S{.RelativeQue = true,
       .OrdreVerbeSujet = true,
       .GroupeNominal1 = Monsieur,
       .Action = u"po_regarder",
       .GroupeNominal2 = Dame,
       .VerbeComplement2 = u"i_marcher"},
     u"La dame que regarde le monsieur marche.", u"La femme qu'observe l'homme marche."},
    {"relative_presentatif_court",
     S{.RelativeQue = true,
       .Presentatif = true,
       .GroupeNominal1 = Monsieur,
       .Action = u"po_regarder",
       .GroupeNominal2 = Dame},
     u"C'est la dame que le monsieur regarde.", u"C'est la femme que l'homme observe."},
    {"relative_presentatif",
     S{.RelativeQue = true,
       .Presentatif = true,
       .GroupeNominal1 = Monsieur,
       .Action = u"po_regarder",
       .GroupeNominal2 = Dame,
       .VerbeComplement2 = u"i_marcher"},
     u"C'est la dame que le monsieur regarde qui marche.",
     u"C'est la femme que l'homme observe qui marche."},
    {"relative_clause_agent",
     S{.RelativeQue = true,
       .GroupeNominal1 = Monsieur,
       .VerbeComplement1 = u"oum_lancer",
       .ObjetComplement1 = Balle,
       .ObjetComplementAdjectif1 = u"bleu",
       .Action = u"p_poursuivre",
       .GroupeNominal2 = Fille,
       .VerbeComplement2 = u"i_dormir"},
     u"La petite fille que le monsieur qui lance une balle bleue poursuit dort.",
     u"La fillette que l'homme qui envoie une balle bleue poursuit dort."},
    {"relative_verbe_sujet_clause_agent",
     S{.RelativeQue = true,
       .OrdreVerbeSujet = true,
       .GroupeNominal1 = Monsieur,
       .VerbeComplement1 = u"oum_lancer",
       .ObjetComplement1 = Balle,
       .ObjetComplementAdjectif1 = u"bleu",
       .Action = u"p_poursuivre",
       .GroupeNominal2 = Fille,
       .VerbeComplement2 = u"i_dormir"},
     u"La petite fille que poursuit le monsieur qui lance une balle bleue dort.",
     u"La fillette que poursuit l'homme qui envoie une balle bleue dort."},
    {"relative_clause_patient_lancer_a",
     S{.RelativeQue = true,
       .GroupeNominal1 = Garcon,
       .Action = u"po_regarder",
       .GroupeNominal2 = Dame,
       .VerbeComplement2 = u"p_lancer a",
       .ObjetComplement2 = Monsieur,
       .ObjetDonneLance2 = Pomme},
     u"La dame que le petit garçon regarde lance une pomme au monsieur.",
     u"La femme que le petit garçon observe passe une pomme à l'homme."},
    {"relative_clause_patient_lancer_sur",
     S{.RelativeQue = true,
       .GroupeNominal1 = Garcon,
       .Action = u"p_poursuivre",
       .GroupeNominal2 = Fille,
       .VerbeComplement2 = u"p_lancer sur",
       .ObjetComplement2 = Dame,
       .ObjetDonneLance2 = Balle},
     u"La petite fille que le petit garçon poursuit lance une balle sur la dame.",
     u"La fillette que le petit garçon poursuit jette une balle sur la femme."},
    // "sur lequel / sur laquelle" and "à qui".
    {"sur_laquelle",
     S{.RelativeQue = true,
       .GroupeNominal1 = Monsieur,
       .Action = u"p_lancer sur",
       .GroupeNominal2 = Dame,
       .VerbeComplement2 = u"i_courir",
       .ObjetDonneLance1 = Balle},
     u"La dame sur laquelle le monsieur lance une balle court.",
     u"La femme sur laquelle l'homme jette une balle court."},
    {"sur_lequel",
     S{.RelativeQue = true,
       .GroupeNominal1 = Dame,
       .Action = u"p_lancer sur",
       .GroupeNominal2 = Monsieur,
       .VerbeComplement2 = u"i_courir",
       .ObjetDonneLance1 = Balle},
     u"Le monsieur sur lequel la dame lance une balle court.",
     u"L'homme sur lequel la femme jette une balle court."},
    {"sur_presentatif_court",
     S{.RelativeQue = true,
       .Presentatif = true,
       .GroupeNominal1 = Monsieur,
       .Action = u"p_lancer sur",
       .GroupeNominal2 = Dame,
       .ObjetDonneLance1 = Balle},
     u"C'est sur la dame que le monsieur lance une balle.",
     u"C'est sur la femme que l'homme jette une balle."},
    {"a_qui",
     S{.RelativeQue = true,
       .GroupeNominal1 = Dame,
       .Action = u"p_lancer a",
       .GroupeNominal2 = Monsieur,
       .VerbeComplement2 = u"i_marcher",
       .ObjetDonneLance1 = Balle},
     u"Le monsieur à qui la dame lance une balle marche.",
     u"L'homme à qui la femme passe une balle marche."},
    {"a_presentatif_court",
     S{.RelativeQue = true,
       .Presentatif = true,
       .GroupeNominal1 = Dame,
       .Action = u"p_lancer a",
       .GroupeNominal2 = Monsieur,
       .ObjetDonneLance1 = Balle},
     u"C'est au monsieur que la dame lance une balle.",
     u"C'est à l'homme que la femme passe une balle."},
    // Passive and relative at once: no form, the full stop alone.
    {"passive_et_relative",
     S{.Passive = true,
       .RelativeQue = true,
       .GroupeNominal1 = Monsieur,
       .Action = u"po_regarder",
       .GroupeNominal2 = Dame},
     u".", u"."},
};

std::string EnUtf8(const String& texte) { return platform::ToUtf8(texte); }

TEST_F(Realisation, ExemplesAvecMotsDeBaseEtSynonymes) {
    for (const Cas& cas : Exemples) {
        SCOPED_TRACE(cas.nom);
        EXPECT_EQ(EnUtf8(PhraseDeStructure(false, cas.structure, false)), EnUtf8(cas.motsDeBase));
        EXPECT_EQ(EnUtf8(PhraseDeStructure(true, cas.structure, false)), EnUtf8(cas.synonymes));
    }
}

// The structure is only read: the same call twice gives the same text.
TEST_F(Realisation, SansSynonymesLeTexteNeDependPasDuTirage) {
    const S s = Exemples[1].structure;
    const String avant = PhraseDeStructure(false, s, false);
    SynonymeMonsieur = u"bonhomme";
    SynonymeLancer = u"jette";
    EXPECT_EQ(PhraseDeStructure(false, s, false), avant);
    EXPECT_EQ(EnUtf8(PhraseDeStructure(true, s, false)),
              "Le bonhomme qui jette une balle rouge poursuit la fillette.");
}

const Cas* Exemple(const char* nom) {
    for (const Cas& cas : Exemples)
        if (std::string(cas.nom) == nom)
            return &cas;
    return nullptr;
}

struct CasBalise {
    const char* exemple;
    bool synonymes;
    const char16_t* attendu;
};

// Each "**" ends a word tag; the clause marker stands right before it; the text ends with the
// last tag end and the full stop.
const CasBalise Balises[] = {
    {"relative_que", false,
     u"La dame**que\\PROPA**le monsieur\\PROPA**|verbeverslafin| regarde\\PROPA**marche\\PROPB**."},
    {"relative_verbe_sujet", true,
     u"La femme**qu'\\PROPA**|verbeapresque|observe\\PROPA**l'homme\\PROPA**marche\\PROPB**."},
    {"actif_clause_agent_couleur", false,
     u"Le monsieur**qui **lance\\PROPA**une balle\\PROPA**rouge\\PROPA**poursuit\\PROPB**"
     u"la petite fille\\PROPB**."},
    {"passive_enchassee", false,
     u"La dame**qui **est regardée\\PROPB**par\\PROPB**le monsieur\\PROPB**marche\\PROPA**."},
    // The throw in the patient's clause: every group of that clause carries its marker, and
    // "à" + "le" becomes "au" as in the plain sentence.
    {"relative_clause_patient_lancer_a", false,
     u"La dame**que\\PROPA**le petit garçon\\PROPA**|verbeverslafin| regarde\\PROPA**"
     u"lance\\PROPB**une pomme\\PROPB**au\\PROPB**monsieur\\PROPB**."},
    {"relative_clause_patient_lancer_sur", false,
     u"La petite fille**que\\PROPA**le petit garçon\\PROPA**|verbeverslafin| poursuit\\PROPA**"
     u"lance\\PROPB**une balle\\PROPB**sur\\PROPB**la dame\\PROPB**."},
    {"a_presentatif_court", false,
     u"C'est **au**monsieur**que \\PROPA**la dame\\PROPA**lance\\PROPA**une balle\\PROPA**."},
    // "que" elides before "un" even when a tag end separates them.
    {"accent_agent_patient_colore", false,
     u"C'est **par**le petit garçon**qu'**un crocodile**vert**est regardé**."},
    // Emphasis on the agent has tag ends only; "à" + "le" is contracted there too.
    {"accent_agent_lancer_a_clause", false,
     u"C'est **par**la dame**qui **lance**une balle**au**monsieur**que **la petite fille**"
     u"est poursuivie**."},
};

TEST_F(Realisation, BalisesDuJeuDOrdre) {
    for (const CasBalise& cas : Balises) {
        SCOPED_TRACE(cas.exemple);
        const Cas* exemple = Exemple(cas.exemple);
        ASSERT_NE(exemple, nullptr);
        EXPECT_EQ(EnUtf8(PhraseDeStructure(cas.synonymes, exemple->structure, true)),
                  EnUtf8(cas.attendu));
    }
}

// ---- Agreement helpers ----

TEST(Accord, CouleurSelonLeGenreDuNom) {
    struct Ligne {
        const char16_t* couleur;
        const char16_t* masculin;
        const char16_t* feminin;
    };
    const Ligne table[] = {
        {u"rouge", u"rouge", u"rouge"},   {u"bleu", u"bleu", u"bleue"},
        {u"vert", u"vert", u"verte"},     {u"gris", u"gris", u"grise"},
        {u"jaune", u"jaune", u"jaune"},   {u"violet", u"violet", u"violette"},
        {u"blanc", u"blanc", u"blanche"}, {u"marron", u"marron", u"marron"},
        {u"rose", u"rose", u"rose"},
    };
    for (const Ligne& l : table) {
        SCOPED_TRACE(EnUtf8(l.couleur));
        EXPECT_EQ(AccordeCouleur(l.couleur, u"animal_chien_m"), l.masculin);
        EXPECT_EQ(AccordeCouleur(l.couleur, u"deuxmains_elephant_m|par_terre"), l.masculin);
        EXPECT_EQ(AccordeCouleur(l.couleur, u"habit_robe_f"), l.feminin);
        // An object on the ground keeps its gender.
        EXPECT_EQ(AccordeCouleur(l.couleur, u"unemain_pomme_f|par_terre"), l.feminin);
    }
    // Whole words only: an already agreed or capitalised colour is left alone.
    EXPECT_EQ(AccordeCouleur(u"bleue", u"habit_robe_f"), u"bleue");
    EXPECT_EQ(AccordeCouleur(u"Bleu", u"habit_robe_f"), u"Bleu");
}

TEST(Accord, ArticleSelonLeCodeEtLaPremiereLettre) {
    EXPECT_EQ(Article(u"monsieur", u"perso_monsieur_m"), u"le ");
    EXPECT_EQ(Article(u"homme", u"perso_monsieur_m"), u"l'");
    EXPECT_EQ(Article(u"dame", u"perso_dame_f"), u"la ");
    EXPECT_EQ(Article(u"pomme", u"unemain_pomme_f"), u"une ");
    EXPECT_EQ(Article(u"pomme", u"unemain_pomme_f|par_terre"), u"une ");
    EXPECT_EQ(Article(u"chien", u"animal_chien_m"), u"un ");
    EXPECT_EQ(Article(u"(faux) éléphant", u"deuxmains_elephant_m|par_terre"), u"un ");
    // Only "le" elides: "la", "un", "une" stay before a vowel.
    EXPECT_EQ(Article(u"amie", u"perso_amie_f"), u"la ");
    EXPECT_EQ(Article(u"éléphant", u"animal_elephant_m"), u"un ");
    EXPECT_EQ(Article(u"rouge", u"rouge"), u"");
    EXPECT_EQ(Article(u"", u""), u"");
}

TEST(Accord, VoyellesEtPremiereLettre) {
    for (const char16_t* mot :
         {u"a", u"observe", u"été", u"ère", u"être", u"il", u"un", u"homme", u"envoie"})
        EXPECT_TRUE(CommenceParVoyelle(mot)) << EnUtf8(mot);
    for (const char16_t* mot : {u"", u"Observe", u"yaourt", u"île", u"regarde", u"âne"})
        EXPECT_FALSE(CommenceParVoyelle(mot)) << EnUtf8(mot);

    EXPECT_EQ(CasePremiereLettre(true, u"le monsieur regarde"), u"Le monsieur regarde");
    EXPECT_EQ(CasePremiereLettre(false, u"Le Monsieur"), u"le Monsieur");
    EXPECT_EQ(CasePremiereLettre(true, u"éléphant"), u"Éléphant");
    EXPECT_EQ(CasePremiereLettre(true, u""), u"");
}

} // namespace
