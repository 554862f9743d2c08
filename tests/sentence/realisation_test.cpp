// Worked sentences: each structure with the French a reader expects, once with the base words
// and once with a set of drawn synonyms, plus the word-order markup of the ordering game.
#include <array>

#include "platform/text.h"
#include "sentence/agreement.h"
#include "sentence/realisation.h"
#include "sentence_test_support.h"

namespace {

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

class Realisation : public SentenceTest {
  protected:
    void SetUp() override {
        SentenceTest::SetUp();
        TireSynonymesDeTest();
    }
};

struct Cas {
    const char* nom;
    const char16_t* structure;
    const char16_t* motsDeBase;
    const char16_t* synonymes;
};

const Cas Exemples[] = {
    // Basic sentences and their extensions.
    {"actif", u"GN1=perso_dame_f;Action=po_regarder;GN2=animal_chien_m",
     u"La dame regarde un chien.", u"La femme observe un chien."},
    {"actif_clause_agent_couleur",
     u"GN1=perso_monsieur_m;VC1=oum_lancer;OC1=unemain_balle_f;OCAdj1=rouge;Action=p_poursuivre;"
     u"GN2=perso_petite fille_f",
     u"Le monsieur qui lance une balle rouge poursuit la petite fille.",
     u"L'homme qui envoie une balle rouge poursuit la fillette."},
    {"actif_presentatif",
     u"Presentatif;GN1=perso_monsieur_m;VC1=oum_lancer;OC1=unemain_balle_f;OCAdj1=rouge;"
     u"Action=p_poursuivre;GN2=perso_petite fille_f",
     u"C'est le monsieur qui lance une balle rouge qui poursuit la petite fille.",
     u"C'est l'homme qui envoie une balle rouge qui poursuit la fillette."},
    {"adjectif_feminin_habit", u"GN1=perso_dame_f;Action=h_wear;GN2=habit_chemise_f;Adj2=blanc",
     u"La dame porte une chemise blanche.", u"La femme a mis une chemise blanche."},
    // Reversible sentences with a thrown object.
    {"lancer_sur",
     u"GN1=perso_dame_f;Action=p_lancer sur;GN2=perso_monsieur_m;Lance1=unemain_balle_f",
     u"La dame lance une balle sur le monsieur.", u"La femme jette une balle sur l'homme."},
    {"lancer_a", u"GN1=perso_dame_f;Action=p_lancer a;GN2=perso_monsieur_m;Lance1=unemain_balle_f",
     u"La dame lance une balle au monsieur.", u"La femme passe une balle à l'homme."},
    // Passives at the end and embedded, with the participle agreed with the patient.
    {"passive_fin",
     u"Passive;PassiveALaFin;GN1=perso_monsieur_m;Action=po_regarder;GN2=perso_dame_f",
     u"La dame est regardée par le monsieur.", u"La femme est observée par l'homme."},
    {"passive_lancer_sur",
     u"Passive;PassiveALaFin;GN1=perso_monsieur_m;Action=p_lancer sur;GN2=perso_dame_f;"
     u"Lance1=unemain_pomme_f",
     u"La dame se fait lancer une pomme dessus par le monsieur.",
     u"La femme se fait jeter une pomme dessus par l'homme."},
    {"passive_se_fait_sans_objet",
     u"Passive;PassiveALaFin;GN1=perso_monsieur_m;Action=p_lancer sur;GN2=perso_dame_f",
     u"La dame se fait lancer par le monsieur.", u"La femme se fait jeter par l'homme."},
    {"passive_enchassee",
     u"Passive;GN1=perso_monsieur_m;Action=po_regarder;GN2=perso_dame_f;VC2=i_marcher",
     u"La dame qui est regardée par le monsieur marche.",
     u"La femme qui est observée par l'homme marche."},
    {"passive_fin_clause_patient",
     u"Passive;PassiveALaFin;GN1=perso_monsieur_m;Action=p_poursuivre;GN2=perso_petite fille_f;"
     u"VC2=odm_soulever;OC2=deuxmains_gateau_m",
     u"La petite fille qui soulève un gâteau est poursuivie par le monsieur.",
     u"La fillette qui ramasse un gâteau d'anniversaire est poursuivie par l'homme."},
    // Emphasis on the patient (passive presentative) and on the agent.
    {"accent_patient_fin",
     u"Passive;PassiveALaFin;Presentatif;GN1=perso_petit garcon_m;Action=p_portersurepaules;"
     u"GN2=perso_dame_f",
     u"C'est la dame qui est portée par le petit garçon.",
     u"C'est la femme qui est portée par le petit garçon."},
    {"accent_patient_enchassee",
     u"Passive;Presentatif;GN1=perso_monsieur_m;Action=po_regarder;GN2=perso_dame_f;VC2=i_marcher",
     u"C'est la dame qui est regardée par le monsieur qui marche.",
     u"C'est la femme qui est observée par l'homme qui marche."},
    {"accent_agent",
     u"Passive;PassiveALaFin;Presentatif;AccentSurAgent;GN1=perso_monsieur_m;Action=po_regarder;"
     u"GN2=perso_dame_f",
     u"C'est par le monsieur que la dame est regardée.",
     u"C'est par l'homme que la femme est observée."},
    {"accent_agent_clauses",
     u"Passive;Presentatif;AccentSurAgent;GN1=perso_monsieur_m;VC1=i_dormir;Action=p_poursuivre;"
     u"GN2=perso_petite fille_f;VC2=i_cuisiner",
     u"C'est par le monsieur qui dort que la petite fille qui cuisine est poursuivie.",
     u"C'est par l'homme qui dort que la fillette qui fait à manger est poursuivie."},
    {"accent_agent_patient_colore",
     u"Passive;Presentatif;AccentSurAgent;GN1=perso_petit garcon_m;Action=po_regarder;"
     u"GN2=animal_crocodile_m;Adj2=vert",
     u"C'est par le petit garçon qu'un crocodile vert est regardé.",
     u"C'est par le petit garçon qu'un crocodile vert est observé."},
    {"accent_agent_lancer_sur",
     u"Passive;Presentatif;AccentSurAgent;GN1=perso_monsieur_m;Action=p_lancer sur;"
     u"GN2=perso_dame_f;Lance1=unemain_pomme_f",
     u"C'est par le monsieur que la dame se fait lancer une pomme dessus.",
     u"C'est par l'homme que la femme se fait jeter une pomme dessus."},
    {"accent_agent_lancer_a_clause",
     u"Passive;Presentatif;AccentSurAgent;GN1=perso_dame_f;VC1=p_lancer a;OC1=perso_monsieur_m;"
     u"Action=p_poursuivre;GN2=perso_petite fille_f;Lance1=unemain_balle_f",
     u"C'est par la dame qui lance une balle au monsieur que la petite fille est poursuivie.",
     u"C'est par la femme qui passe une balle à l'homme que la fillette est poursuivie."},
    // Relative "que", subject-verb and verb-subject order.
    {"relative_que",
     u"RelativeQue;GN1=perso_monsieur_m;Action=po_regarder;GN2=perso_dame_f;VC2=i_marcher",
     u"La dame que le monsieur regarde marche.", u"La femme que l'homme observe marche."},
    {"relative_verbe_sujet",
     u"RelativeQue;OrdreVerbeSujet;GN1=perso_monsieur_m;Action=po_regarder;GN2=perso_dame_f;"
     u"VC2=i_marcher",
     u"La dame que regarde le monsieur marche.", u"La femme qu'observe l'homme marche."},
    {"relative_presentatif_court",
     u"RelativeQue;Presentatif;GN1=perso_monsieur_m;Action=po_regarder;GN2=perso_dame_f",
     u"C'est la dame que le monsieur regarde.", u"C'est la femme que l'homme observe."},
    {"relative_presentatif",
     u"RelativeQue;Presentatif;GN1=perso_monsieur_m;Action=po_regarder;GN2=perso_dame_f;"
     u"VC2=i_marcher",
     u"C'est la dame que le monsieur regarde qui marche.",
     u"C'est la femme que l'homme observe qui marche."},
    {"relative_verbe_sujet_clause_agent",
     u"RelativeQue;OrdreVerbeSujet;GN1=perso_monsieur_m;VC1=oum_lancer;OC1=unemain_balle_f;"
     u"OCAdj1=bleu;Action=p_poursuivre;GN2=perso_petite fille_f;VC2=i_dormir",
     u"La petite fille que poursuit le monsieur qui lance une balle bleue dort.",
     u"La fillette que poursuit l'homme qui envoie une balle bleue dort."},
    {"relative_clause_patient_lancer_a",
     u"RelativeQue;GN1=perso_petit garcon_m;Action=po_regarder;GN2=perso_dame_f;VC2=p_lancer a;"
     u"OC2=perso_monsieur_m;Lance2=unemain_pomme_f",
     u"La dame que le petit garçon regarde lance une pomme au monsieur.",
     u"La femme que le petit garçon observe passe une pomme à l'homme."},
    {"relative_clause_patient_lancer_sur",
     u"RelativeQue;GN1=perso_petit garcon_m;Action=p_poursuivre;GN2=perso_petite fille_f;"
     u"VC2=p_lancer sur;OC2=perso_dame_f;Lance2=unemain_balle_f",
     u"La petite fille que le petit garçon poursuit lance une balle sur la dame.",
     u"La fillette que le petit garçon poursuit jette une balle sur la femme."},
    // "sur lequel / sur laquelle" and "à qui".
    {"sur_laquelle",
     u"RelativeQue;GN1=perso_monsieur_m;Action=p_lancer sur;GN2=perso_dame_f;VC2=i_courir;"
     u"Lance1=unemain_balle_f",
     u"La dame sur laquelle le monsieur lance une balle court.",
     u"La femme sur laquelle l'homme jette une balle court."},
    {"sur_lequel",
     u"RelativeQue;GN1=perso_dame_f;Action=p_lancer sur;GN2=perso_monsieur_m;VC2=i_courir;"
     u"Lance1=unemain_balle_f",
     u"Le monsieur sur lequel la dame lance une balle court.",
     u"L'homme sur lequel la femme jette une balle court."},
    {"a_qui",
     u"RelativeQue;GN1=perso_dame_f;Action=p_lancer a;GN2=perso_monsieur_m;VC2=i_marcher;"
     u"Lance1=unemain_balle_f",
     u"Le monsieur à qui la dame lance une balle marche.",
     u"L'homme à qui la femme passe une balle marche."},
    {"a_presentatif_court",
     u"RelativeQue;Presentatif;GN1=perso_dame_f;Action=p_lancer a;GN2=perso_monsieur_m;"
     u"Lance1=unemain_balle_f",
     u"C'est au monsieur que la dame lance une balle.",
     u"C'est à l'homme que la femme passe une balle."},
    // Passive and relative at once: no form, the full stop alone.
    {"passive_et_relative",
     u"Passive;RelativeQue;GN1=perso_monsieur_m;Action=po_regarder;GN2=perso_dame_f", u".", u"."},
};

TEST_F(Realisation, ExemplesAvecMotsDeBaseEtSynonymes) {
    for (const Cas& cas : Exemples) {
        SCOPED_TRACE(cas.nom);
        EXPECT_EQ(U8(PhraseDeStructure(false, Structure(cas.structure), false)),
                  U8(cas.motsDeBase));
        EXPECT_EQ(U8(PhraseDeStructure(true, Structure(cas.structure), false)), U8(cas.synonymes));
    }
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
        EXPECT_EQ(U8(PhraseDeStructure(cas.synonymes, Structure(exemple->structure), true)),
                  U8(cas.attendu));
    }
}

// The tester's two sentences, whose last "qui" reads as said of the box and of the ball, and
// forms whose "C'est" puts forward a noun without a clause of its own.
TEST_F(Realisation, PresentatifEquivoqueQuandLeNomMisEnAvantASaPropreProposition) {
    const std::pair<const char16_t*, bool> cas[] = {
        {u"Presentatif;GN1=perso_monsieur_m;VC1=odm_soulever;OC1=deuxmains_caisse_f;"
         u"Action=po_regarder;GN2=animal_chien_m;Adj2=violet",
         true},
        {u"RelativeQue;Presentatif;GN2=perso_dame_f;Action=p_lancer sur;Lance1=unemain_balle_f;"
         u"GN1=perso_petit garcon_m;VC1=a_promener;OC1=animal_elephant_m;OCAdj1=vert;"
         u"VC2=p_portersurepaules;OC2=perso_monsieur_m",
         true},
        {u"Passive;Presentatif;GN1=perso_monsieur_m;Action=po_regarder;GN2=perso_dame_f;"
         u"VC2=i_marcher",
         true},
        {u"Passive;Presentatif;AccentSurAgent;GN1=perso_monsieur_m;VC1=ouodm_tenir;"
         u"OC1=unemain_pomme_f;Action=po_regarder;GN2=perso_dame_f",
         true},
        {u"RelativeQue;OrdreVerbeSujet;Presentatif;GN1=perso_monsieur_m;Action=po_regarder;"
         u"GN2=perso_dame_f;VC2=i_marcher",
         true},
        {u"Presentatif;GN1=perso_monsieur_m;Action=po_regarder;GN2=perso_dame_f;VC2=i_marcher",
         false},
        {u"Passive;Presentatif;GN1=perso_monsieur_m;VC1=i_dormir;Action=po_regarder;"
         u"GN2=perso_dame_f",
         false},
        {u"Passive;Presentatif;AccentSurAgent;GN1=perso_monsieur_m;Action=po_regarder;"
         u"GN2=perso_dame_f;VC2=i_cuisiner",
         false},
        {u"RelativeQue;Presentatif;GN1=perso_monsieur_m;VC1=i_dormir;Action=po_regarder;"
         u"GN2=perso_dame_f",
         false},
        {u"GN1=perso_monsieur_m;VC1=odm_soulever;OC1=deuxmains_caisse_f;Action=po_regarder;"
         u"GN2=animal_chien_m",
         false},
    };
    for (const auto& [description, equivoque] : cas) {
        const StructureAction s = Structure(description);
        const String texte = PhraseDeStructure(false, s, false);
        SCOPED_TRACE(U8(texte));
        EXPECT_EQ(PresentatifEquivoque(s), equivoque);
        // The reader's count of relative pronouns says the same.
        EXPECT_EQ(PresentatifEquivoqueDansLeTexte(s, texte).empty(), !equivoque);
    }
}

// Colours and the elision of "le" over every form are the realisation properties' business.
TEST(Accord, ArticlesVoyellesEtMajuscules) {
    // Word, code, article.
    const std::array<const char16_t*, 3> articles[] = {
        {u"homme", u"perso_monsieur_m", u"l'"},
        {u"pomme", u"unemain_pomme_f|par_terre", u"une "},
        {u"(faux) éléphant", u"deuxmains_elephant_m|par_terre", u"un "},
        // Only "le" elides: "la", "un", "une" stay before a vowel.
        {u"amie", u"perso_amie_f", u"la "},
        {u"éléphant", u"animal_elephant_m", u"un "},
        {u"rouge", u"rouge", u""},
        {u"", u"", u""}};
    for (const auto& [mot, code, article] : articles)
        EXPECT_EQ(U8(Article(mot, code)), U8(article)) << U8(mot);

    for (const char16_t* mot : {u"a", u"observe", u"été", u"ère", u"être", u"homme", u"envoie"})
        EXPECT_TRUE(CommenceParVoyelle(mot)) << U8(mot);
    for (const char16_t* mot : {u"", u"Observe", u"yaourt", u"île", u"regarde", u"âne"})
        EXPECT_FALSE(CommenceParVoyelle(mot)) << U8(mot);

    EXPECT_EQ(CasePremiereLettre(true, u"éléphant"), u"Éléphant");
    EXPECT_EQ(CasePremiereLettre(false, u"Le Monsieur"), u"le Monsieur");
    EXPECT_EQ(CasePremiereLettre(true, u""), u"");
}

} // namespace
