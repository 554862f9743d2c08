// Variants of one sentence: the garment rule, the substitutions of a colour, a verb or a noun,
// all substitutions of a structure, the pronoun move and the shuffles of the persons.
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "platform/random.h"
#include "sentence/pronoun_moves.h"
#include "sentence/sentence_debug.h"
#include "sentence/shuffles.h"
#include "sentence/variations.h"
#include "sentence/vocabulary.h"
#include "sentence_test_support.h"

namespace {

using platform::StartsWith;

using Variations = SentenceTest;

// A structure as Structure() reads it, with the agent and a person patient counted.
StructureAction Phrase(const String& description) {
    StructureAction s = Structure(description);
    s.NombrePersos = StartsWith(s.GroupeNominal2, u"perso_") ? 2 : 1;
    return s;
}

const String DameRegardeMonsieur = u"GN1=perso_dame_f;Action=po_regarder;GN2=perso_monsieur_m";

// Every structure a verb substitution of the main clause can give.
std::vector<StructureAction> ActionsSubstituees(const StructureAction& s) {
    StructureAction lu = s;
    const int n = substitueverbe(lu, false, 0, u"Action", s.Action, s.VerbeComplement1, u"",
                                 s.VerbeComplement2, s.GroupeNominal2, s.ObjetComplement1);
    std::vector<StructureAction> v(n, s);
    for (int i = 0; i < n; ++i)
        substitueverbe(v[i], true, i, u"Action", s.Action, s.VerbeComplement1, u"",
                       s.VerbeComplement2, s.GroupeNominal2, s.ObjetComplement1);
    return v;
}

// Every word a noun substitution can write, without the ground marker.
std::vector<String> NomsProposes(const StructureAction& s, const String& role,
                                 const String& gouverne, const String& extension,
                                 const std::vector<String>& exclus) {
    StructureAction lu = s;
    const int n = SubstitueGroupeNominal(lu, false, 0, role, gouverne, extension, exclus);
    std::vector<String> noms;
    for (int i = 0; i < n; ++i) {
        StructureAction v = s;
        SubstitueGroupeNominal(v, true, i, role, gouverne, extension, exclus);
        const auto avant = Roles(s), apres = Roles(v);
        for (std::size_t r = 0; r < avant.size(); ++r)
            if (avant[r] != apres[r])
                noms.push_back(SansParTerre(apres[r]));
    }
    EXPECT_EQ(static_cast<int>(noms.size()), n) << "each candidate writes one role";
    return noms;
}

} // namespace

// --- Colours ---

// Who may wear what is checked over every board and below for the nouns offered.
TEST_F(Variations, ColourCandidatesSkipBothObjectsColoursAndUntickedOnes) {
    StructureAction s;
    const auto graine = platform::GetSeed();
    ASSERT_EQ(SubstitueAdjectif(s, false, 0, u"ObjetComplementAdjectif1", u"rouge", u"bleu"), 7);
    std::vector<String> couleurs;
    for (int i = 0; i < 7; ++i) {
        SubstitueAdjectif(s, true, i, u"ObjetComplementAdjectif1", u"rouge", u"bleu");
        couleurs.push_back(s.ObjetComplementAdjectif1);
    }
    EXPECT_EQ(couleurs, (std::vector<String>{u"vert", u"gris", u"jaune", u"violet", u"blanc",
                                             u"marron", u"rose"}));
    EXPECT_EQ(platform::GetSeed(), graine);
    CouleursCoches[2] = false;
    EXPECT_EQ(SubstitueAdjectif(s, false, 0, u"ObjetComplementAdjectif2", u"", u"bleu"), 7);
}

// --- Verb of a clause ---

TEST_F(Variations, VerbCandidatesSuitTheObjectAndTheLevels) {
    // An intransitive verb gives way to the seven other intransitive verbs only.
    const auto marche = ActionsSubstituees(Phrase(u"GN1=perso_dame_f;Action=i_marcher"));
    EXPECT_EQ(marche.size(), 7u);
    for (const StructureAction& v : marche)
        EXPECT_TRUE(StartsWith(v.Action, u"i_") && v.Action != u"i_marcher");
    codok = 2;
    EXPECT_TRUE(ActionsSubstituees(Phrase(u"GN1=perso_dame_f;Action=i_marcher")).empty());

    // "Si possible" on the reversal level: only verbs acting on a person.
    codok = 1;
    renversableok = 2;
    for (const StructureAction& v : ActionsSubstituees(Phrase(DameRegardeMonsieur)))
        EXPECT_TRUE(StartsWith(v.Action, u"p_")) << platform::ToUtf8(v.Action);

    // Walking an animal follows the main clause's level even in a relative clause.
    renversableok = 1;
    expansiongn1ok = 1;
    for (int niveau : {0, 1}) {
        codok = niveau;
        StructureAction chien;
        substitueverbe(chien, false, 0, u"VerbeComplement1", u"po_regarder", u"i_dormir", u"", u"",
                       u"animal_chien_m", u"");
        EXPECT_EQ(VerbePromener.size(), static_cast<std::size_t>(niveau));
    }
}

TEST_F(Variations, NewVerbKeepsColoursOnlyWhereTheyShowAndKeepsAThrownObject) {
    StructureAction chien =
        Phrase(u"GN1=perso_dame_f;Action=po_regarder;GN2=animal_chien_m;Adj2=rouge");
    for (const StructureAction& v : ActionsSubstituees(chien))
        EXPECT_EQ(v.GroupeNominalAdjectif2, u"rouge");
    StructureAction balle = chien;
    balle.GroupeNominal2 = u"unemain_balle_f";
    for (const StructureAction& v : ActionsSubstituees(balle))
        EXPECT_EQ(v.GroupeNominalAdjectif2, u"");

    // A throw at someone keeps the object already thrown but still takes its draw; counting
    // draws nothing and changes nothing.
    StructureAction s = Phrase(DameRegardeMonsieur + u";Lance1=unemain_rose_f");
    StructureAction lu = s;
    auto graine = platform::GetSeed();
    const int n =
        substitueverbe(lu, false, 0, u"Action", s.Action, u"", u"", u"", s.GroupeNominal2, u"");
    EXPECT_EQ(Roles(lu), Roles(s));
    EXPECT_EQ(platform::GetSeed(), graine);
    int lancers = 0;
    for (int i = 0; i < n; ++i) {
        StructureAction v = s;
        graine = platform::GetSeed();
        substitueverbe(v, true, i, u"Action", s.Action, u"", u"", u"", s.GroupeNominal2, u"");
        const bool lancer = v.Action == u"p_lancer a" || v.Action == u"p_lancer sur";
        lancers += lancer;
        EXPECT_EQ(v.ObjetDonneLance1, u"unemain_rose_f");
        EXPECT_EQ(platform::GetSeed(), lancer ? UnPasPlusLoin(graine) : graine);
    }
    EXPECT_EQ(lancers, 2);
}

TEST_F(Variations, ThrowWithNothingTickedToThrowLeavesTheThrownObjectAlone) {
    std::fill(ObjetsUneMainCoches.begin(), ObjetsUneMainCoches.end(), false);
    int lancers = 0;
    for (const StructureAction& v : ActionsSubstituees(Phrase(DameRegardeMonsieur))) {
        if (v.Action == u"p_lancer a" || v.Action == u"p_lancer sur") {
            ++lancers;
            EXPECT_EQ(v.ObjetDonneLance1, u"");
        }
    }
    EXPECT_EQ(lancers, 2);
}

// --- Noun of a role ---

TEST_F(Variations, NounCandidatesFollowTheGoverningVerbAndTheClothingRule) {
    const StructureAction s = Phrase(DameRegardeMonsieur);
    // The subject: persons only, whatever the options.
    renversableok = 0;
    EXPECT_EQ(NomsProposes(s, u"GroupeNominal1", u"null", u"",
                           {u"perso_dame_f", u"perso_monsieur_m", u"", u"", u"", u""}),
              (std::vector<String>{u"perso_petit garcon_m", u"perso_petite fille_f"}));
    // Looking at: persons, objects and animals; with a clause of its own, persons only.
    renversableok = 1;
    const std::vector<String> exclus = {u"perso_monsieur_m", u"perso_dame_f", u"", u"", u"", u""};
    EXPECT_EQ(NomsProposes(s, u"GroupeNominal2", u"po_regarder", u"", exclus).size(),
              2u + 5u + 6u + 4u);
    for (const String& n : NomsProposes(s, u"GroupeNominal2", u"po_regarder", u"i_courir", exclus))
        EXPECT_TRUE(StartsWith(n, u"perso_"));
    // Thrown objects: ticked one-hand objects not already used.
    ObjetsUneMainCoches[1] = false;
    EXPECT_EQ(NomsProposes(s, u"ObjetDonneLance1", u"p_lancer a", u"",
                           {u"unemain_pomme_f", u"", u"", u"", u"", u""}),
              (std::vector<String>{u"unemain_balle_f", u"unemain_rose_f", u"unemain_marteau_m"}));

    // A dress worn by the subject: only a woman or a girl can take her place.
    EXPECT_EQ(NomsProposes(Phrase(u"GN1=perso_dame_f;Action=h_wear;GN2=habit_robe_f"),
                           u"GroupeNominal1", u"null", u"",
                           {u"perso_dame_f", u"habit_robe_f", u"", u"", u"", u""}),
              (std::vector<String>{u"perso_petite fille_f"}));
    // A man is never given a dress; a shirt is fine.
    const auto habits = NomsProposes(Phrase(u"GN1=perso_monsieur_m;Action=h_wear;GN2=habit_pull_m"),
                                     u"GroupeNominal2", u"h_wear", u"",
                                     {u"habit_pull_m", u"perso_monsieur_m", u"", u"", u"", u""});
    EXPECT_EQ(std::count(habits.begin(), habits.end(), u"habit_robe_f"), 0);
    EXPECT_EQ(std::count(habits.begin(), habits.end(), u"habit_chemise_f"), 1);
    // The patient wears a shirt in its own clause: no woman or girl can become the patient.
    for (const String& n :
         NomsProposes(s, u"GroupeNominal2", u"po_regarder", u"h_wear",
                      {u"perso_monsieur_m", u"perso_dame_f", u"", u"", u"habit_chemise_f", u""}))
        EXPECT_FALSE(platform::EndsWith(n, u"_f")) << platform::ToUtf8(n);
}

// That an object lying on the ground is never offered again as itself shows on every board.

// --- All substitutions of a structure ---

TEST_F(Variations, SubstitutionsOfAStructureAreEachUsedOnce) {
    // Agent and intransitive verb: three other persons and seven other intransitive verbs.
    const StructureAction s = Phrase(u"GN1=perso_dame_f;Action=i_marcher");
    std::vector<StructureAction> rien;
    EXPECT_EQ(SubsitueDansStructureaction(false, s, rien), 10);

    // More variants than substitutions: nothing is changed.
    std::vector<StructureAction> trop(11, s);
    EXPECT_EQ(SubsitueDansStructureaction(true, s, trop), 10);
    for (const StructureAction& v : trop)
        EXPECT_EQ(Roles(v), Roles(s));

    // Exactly as many: each substitution once, one role each.
    std::vector<StructureAction> toutes(10, s);
    EXPECT_EQ(SubsitueDansStructureaction(true, s, toutes), 10);
    std::set<std::vector<String>> vues;
    for (const StructureAction& v : toutes) {
        vues.insert(Roles(v));
        EXPECT_EQ((v.GroupeNominal1 != s.GroupeNominal1) + (v.Action != s.Action), 1);
    }
    EXPECT_EQ(vues.size(), 10u);
}

TEST_F(Variations, SubstitutedVariantsAreTidied) {
    // She looks at a red dog in her clause and chases a man.
    StructureAction s =
        Phrase(u"GN1=perso_dame_f;Action=p_poursuivre;GN2=perso_monsieur_m;VC1=po_regarder;"
               u"OC1=animal_chien_m;OCAdj1=rouge");
    std::vector<StructureAction> rien;
    std::vector<StructureAction> v(SubsitueDansStructureaction(false, s, rien), s);
    SubsitueDansStructureaction(true, s, v);
    bool objetVu = false, personneVue = false;
    for (const StructureAction& x : v) {
        // A dog may stay red, a thing in the hand may not.
        if (StartsWith(x.ObjetComplement1, u"unemain") || StartsWith(x.ObjetComplement1, u"deux")) {
            objetVu = true;
            EXPECT_EQ(x.ObjetComplementAdjectif1, u"");
        }
        int personnes = 1;
        for (const String* r : {&x.GroupeNominal2, &x.ObjetComplement1, &x.ObjetComplement2})
            personnes += StartsWith(*r, u"perso_");
        EXPECT_EQ(x.NombrePersos, personnes);
        personneVue = personneVue || x.NombrePersos == 3;
        // A thrown object exactly with a throw.
        EXPECT_EQ(x.ObjetDonneLance1.empty(),
                  x.Action != u"p_lancer a" && x.Action != u"p_lancer sur");
    }
    EXPECT_TRUE(objetVu);
    EXPECT_TRUE(personneVue);
}

// --- Pronoun move ---

TEST_F(Variations, PronounMoveTakesOneDrawAndMovesTheClause) {
    StructureAction s = Phrase(DameRegardeMonsieur + u";VC1=p_poursuivre;OC1=perso_petit garcon_m");
    choixvariations = 1;
    StructureAction v;
    const auto graine = platform::GetSeed();
    EXPECT_EQ(ChoisitDeplacementPronom(s, v), PasDeDeplacement);
    EXPECT_EQ(platform::GetSeed(), UnPasPlusLoin(graine));
    EXPECT_EQ(Roles(v), Roles(StructureAction()));

    // "La dame qui poursuit le petit garçon regarde le monsieur" becomes "la dame poursuit le
    // petit garçon qui regarde le monsieur".
    choixvariations = 0;
    ASSERT_EQ(ChoisitDeplacementPronom(s, v), PronomDeplace);
    EXPECT_EQ(Roles(v), (std::vector<String>{u"perso_dame_f", u"", u"", u"", u"", u"p_poursuivre",
                                             u"perso_petit garcon_m", u"", u"po_regarder",
                                             u"perso_monsieur_m", u"", u"", u""}));

    // Neither clause or both: nothing to move. A man who would wear the dress: no move.
    StructureAction deux = s;
    deux.VerbeComplement2 = u"i_marcher";
    StructureAction robe =
        Phrase(u"GN1=perso_dame_f;Action=h_wear;GN2=habit_robe_f;VC1=po_regarder;"
               u"OC1=perso_monsieur_m");
    for (const StructureAction& r : {Phrase(DameRegardeMonsieur), deux, robe}) {
        StructureAction w;
        EXPECT_EQ(ChoisitDeplacementPronom(r, w), PasDeDeplacement);
    }

    // From the patient to the agent with both thrown objects: the second one stays.
    StructureAction lance = Phrase(
        DameRegardeMonsieur + u";VC2=p_lancer sur;OC2=perso_petit garcon_m;Lance1=unemain_pomme_f;"
                              u"Lance2=unemain_balle_f");
    StructureAction x;
    ASSERT_EQ(ChoisitDeplacementPronom(lance, x), PronomDeplace);
    EXPECT_EQ(x.Action, u"p_lancer sur");
    EXPECT_EQ(x.ObjetDonneLance1, u"unemain_balle_f");
}

TEST_F(Variations, PassiveAndQueFormsAreRewritten) {
    // A passive presentative sentence is rewritten whatever the one-in-five draw says.
    StructureAction p = Phrase(u"GN1=perso_dame_f;Action=p_poursuivre;GN2=perso_monsieur_m");
    p.Passive = p.PassiveOuQue = p.Presentatif = true;
    p.VerbeComplement1 = u"i_lever un bras";
    p.VerbeComplement2 = u"po_regarder";
    p.ObjetComplement2 = u"animal_chien_m";
    p.ObjetComplementAdjectif2 = u"vert";
    for (int i = 0; i < 10; ++i) {
        StructureAction v;
        ASSERT_EQ(ChoisitDeplacementPronom(p, v), FormeChangee);
        EXPECT_FALSE(v.Passive);
        EXPECT_TRUE(v.Presentatif);
        EXPECT_EQ(Roles(v),
                  (std::vector<String>{u"perso_monsieur_m", u"", u"po_regarder", u"animal_chien_m",
                                       u"vert", u"p_poursuivre", u"perso_dame_f", u"",
                                       u"i_lever un bras", u"", u"", u"", u""}));
        EXPECT_EQ(v.NombrePersos, 2);
    }

    // "Le monsieur que la dame regarde court": the man now looks at the lady and runs.
    StructureAction q = Phrase(DameRegardeMonsieur);
    q.RelativeQue = q.PassiveOuQue = true;
    q.VerbeComplement2 = u"i_courir";
    StructureAction v;
    ASSERT_EQ(ChoisitDeplacementPronom(q, v), FormeChangee);
    EXPECT_FALSE(v.RelativeQue);
    EXPECT_EQ(Roles(v),
              (std::vector<String>{u"perso_monsieur_m", u"", u"po_regarder", u"perso_dame_f", u"",
                                   u"i_courir", u"", u"", u"", u"", u"", u"", u""}));
    // Not with a clause on the agent too, nor for a presentative in the one-animation game.
    StructureAction avecAgent = q;
    avecAgent.VerbeComplement1 = u"i_marcher";
    StructureAction w;
    EXPECT_EQ(ChoisitDeplacementPronom(avecAgent, w), PasDeDeplacement);
    q.Presentatif = true;
    modedejeu = 1;
    for (int i = 0; i < 20; ++i) {
        StructureAction x;
        EXPECT_EQ(ChoisitDeplacementPronom(q, x), PasDeDeplacement);
    }
}

// --- Shuffles ---

TEST_F(Variations, ShufflesCountDistinctAcceptableArrangementsOfPersons) {
    std::vector<StructureAction> rien;
    const auto compte = [&](const StructureAction& s, const StructureAction& evitee) {
        return BousculeStructureaction(false, false, s, rien, evitee);
    };
    // Nobody else, a garment, a lone person in the patient's clause: nothing to shuffle.
    const StructureAction seul = Phrase(u"GN1=perso_dame_f;Action=i_marcher");
    const StructureAction habit = Phrase(u"GN1=perso_dame_f;Action=h_wear;GN2=habit_robe_f");
    StructureAction loin =
        Phrase(u"GN1=perso_dame_f;Action=po_regarder;GN2=animal_chien_m;VC2=po_regarder;"
               u"OC2=perso_monsieur_m");
    for (const StructureAction& s : {seul, habit, loin})
        EXPECT_EQ(compte(s, s), 0);

    // The man looking at the lady, unless that is the sentence to avoid; nothing drawn.
    const StructureAction s = Phrase(DameRegardeMonsieur);
    const auto graine = platform::GetSeed();
    EXPECT_EQ(compte(s, s), 1);
    EXPECT_EQ(platform::GetSeed(), graine);
    std::vector<StructureAction> une(1);
    ASSERT_EQ(BousculeStructureaction(true, false, s, une, s), 1);
    EXPECT_EQ(une[0].GroupeNominal1, u"perso_monsieur_m");
    EXPECT_EQ(une[0].GroupeNominal2, u"perso_dame_f");
    EXPECT_EQ(compte(s, une[0]), 0);

    // No man in the lady's dress, no woman in the man's shirt.
    StructureAction robe = s;
    robe.VerbeComplement1 = u"h_wear";
    robe.ObjetComplement1 = u"habit_robe_f";
    StructureAction chemise = s;
    chemise.VerbeComplement2 = u"h_wear";
    chemise.ObjetComplement2 = u"habit_chemise_f";
    EXPECT_EQ(compte(robe, robe), 0);
    EXPECT_EQ(compte(chemise, chemise), 0);

    // Four persons: every other order once; one person in two roles gives fewer orders.
    StructureAction quatre = s;
    quatre.VerbeComplement1 = quatre.VerbeComplement2 = u"po_regarder";
    quatre.ObjetComplement1 = u"perso_petit garcon_m";
    quatre.ObjetComplement2 = u"perso_petite fille_f";
    EXPECT_EQ(compte(quatre, StructureAction()), 23);
    quatre.ObjetComplement2 = u"perso_monsieur_m";
    EXPECT_EQ(compte(quatre, StructureAction()), 11);
}

TEST_F(Variations, ShuffledSlotsAreAllDifferentAndCarryNoForm) {
    // Three acceptable shuffles: the dress must stay on a woman or a girl.
    StructureAction s =
        Phrase(u"GN1=perso_monsieur_m;Action=po_regarder;GN2=perso_dame_f;VC1=p_poursuivre;"
               u"OC1=perso_petite fille_f;VC2=h_wear;OC2=habit_robe_f");
    s.NombrePersos = 3;
    s.Passive = s.Presentatif = s.AccentSurAgent = s.PassiveALaFin = s.OrdreVerbeSujet = true;
    for (int graine = 0; graine < 50; ++graine) {
        platform::SetSeed(static_cast<std::int64_t>(graine) * 123456789);
        std::vector<StructureAction> slots(3);
        ASSERT_EQ(BousculeStructureaction(true, false, s, slots, s), 3);
        std::set<std::vector<String>> vues;
        for (const StructureAction& x : slots) {
            vues.insert(Roles(x));
            EXPECT_TRUE(HabitConvient(x.GroupeNominal2, x.ObjetComplement2));
            EXPECT_FALSE(x.Passive || x.RelativeQue || x.Presentatif || x.AccentSurAgent ||
                         x.PassiveALaFin || x.OrdreVerbeSujet);
            EXPECT_EQ(x.NombrePersos, 3);
        }
        EXPECT_EQ(vues.size(), 3u);
    }

    // Too few shuffles for the slots: the slots stay as they were and nothing is drawn.
    std::vector<StructureAction> quatre(4, s);
    const auto graine = platform::GetSeed();
    EXPECT_EQ(BousculeStructureaction(true, false, s, quatre, s), 3);
    EXPECT_EQ(platform::GetSeed(), graine);
    for (const StructureAction& x : quatre)
        EXPECT_EQ(Roles(x), Roles(s));
}

TEST_F(Variations, PassiveReferenceAlwaysGivesTheFirstShuffleFirst) {
    StructureAction s = Phrase(DameRegardeMonsieur + u";VC1=po_regarder;OC1=perso_petit garcon_m");
    std::set<std::vector<String>> premiers[2];
    for (int passive = 0; passive < 2; ++passive)
        for (int graine = 0; graine < 30; ++graine) {
            platform::SetSeed(static_cast<std::int64_t>(graine) * 123456789);
            std::vector<StructureAction> slots(2);
            ASSERT_EQ(BousculeStructureaction(true, passive == 1, s, slots, s), 5);
            premiers[passive].insert(Roles(slots[0]));
            EXPECT_NE(Roles(slots[0]), Roles(slots[1]));
        }
    EXPECT_EQ(premiers[1].size(), 1u);
    EXPECT_GT(premiers[0].size(), 1u);
}
