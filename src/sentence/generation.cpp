// Random drawing of one sentence structure.
//
//   Levels       local copies of the options, lowered or raised by what the words allow
//   Forms        passive, relative "que", presentative and accent
//   Clauses      main clause, clause on the agent, clause on the patient
//
// Every random step is taken in a fixed order, including draws whose value is not used, so a
// seed and a set of options always give the same structures.
#include "sentence/generation.h"

#include "platform/random.h"
#include "sentence/realisation.h"
#include "sentence/sentence_debug.h"
#include "sentence/verb_compatibility.h"
#include "sentence/vocabulary.h"
#include "sentence/working_lists.h"

namespace {

// A clause whose verb or object cannot be found in this many attempts is given up.
constexpr int EssaisMax = 21;

int TireEntier(int n) { return static_cast<int>(platform::RandomFloat(static_cast<float>(n))); }

float Tire(int n) { return platform::RandomFloat(static_cast<float>(n)); }

// The generator's working copies of the option levels.
struct Niveaux {
    int complement = codok;
    int propositionAgent = expansiongn1ok;
    int propositionPatient = expansiongn2ok;
    int adjectif = adjectifsok;
    int renversement = renversableok;
    int renversementAgent = renversablegn1ok;
    int renversementPatient = renversablegn2ok;
};

// The colour level of one clause: 2 it must carry the colour, 1 it may, 0 it does not.
int NiveauCouleur(const Niveaux& n, int proposition) {
    if (n.adjectif == 2 && propositionadjectif == proposition)
        return 2;
    return propositionadjectif != 4 ? 1 : 0;
}

bool EstLancerAQuelquun(const String& verbe) {
    return verbe == u"p_lancer sur" || verbe == u"p_lancer a";
}

void RemplitPersos() {
    Persos.clear();
    for (std::size_t i = 0; i < PersosTous.size() && i < PersosCoches.size(); ++i)
        if (PersosCoches[i])
            Persos.push_back(PersosTous[i]);
}

String Oui(bool b) { return b ? u"True" : u"False"; }

} // namespace

bool GenereStructureAction(StructureAction& s, bool returnMoveFlag, bool moveAllowed) {
    // --- Levels ---
    SentenceDebug(u"---------------- GENERATION D'UNE STRUCTURE ----------------");
    ReinitialiseListesNoms();
    ReinitialiseListesVerbes();

    Niveaux n;
    if (queok == 2 && expansiongn2ok > 0)
        n.propositionPatient = 2;
    if (expansiongn2ok == 2 && codok > 0 && renversableok > 0) {
        n.renversement = 2;
        n.complement = 2;
    }
    if (!AdjectifsPossibles()) {
        n.adjectif = 0;
        SentenceDebug(u"pas d'adjectifs :(");
    }
    bool intransitifPossible = false;
    if (!IntransitifPossible()) {
        n.complement = codok == 0 ? 2 : codok;
        n.renversement = renversableok;
    } else {
        intransitifPossible = true;
    }
    bool intransitifSeul = false;
    if (!TransitifPossible()) {
        n.complement = 0;
        n.propositionAgent = 0;
        n.propositionPatient = 0;
        intransitifSeul = intransitifPossible;
    }
    if (!TransitifPersoPossible()) {
        n.renversement = 0;
        n.renversementAgent = 0;
        n.renversementPatient = 0;
    }
    if (!TransitifObjetPossible()) {
        // Only persons can be acted upon: the sentence has to be reversible. Without a
        // patient allowed at all it stays intransitive; the player's own option is untouched.
        n.renversement = renversableok == 0 ? 2 : renversableok;
        if (n.complement == 0)
            n.renversement = 0;
        n.renversementAgent =
            n.propositionAgent == 0 ? 0 : (renversablegn1ok == 0 ? 2 : renversablegn1ok);
        n.renversementPatient =
            n.propositionPatient == 0 ? 0 : (renversablegn2ok == 0 ? 2 : renversablegn2ok);
    }

    // --- Forms ---
    s.PassiveOuQue = false;
    s.Passive = false;
    s.RelativeQue = false;
    s.PassiveALaFin = false;
    s.Presentatif = false;
    s.OrdreVerbeSujet = false;
    s.AccentSurAgent = false;
    int a = TireEntier(3);
    int b = TireEntier(3);
    Tire(1);
    const float f1 = Tire(4);
    const float f2 = Tire(4);
    const float f3 = Tire(4);

    // Passive against "que".
    const int p = passiveok;
    const int q = queok;
    const bool emphaseTiree = emphatiqueok == 1 && f3 < 1;
    bool queChoisi = false;
    bool queGagne = false;
    auto essaieQue = [&]() {
        queChoisi = true;
        queGagne = true;
        if (n.propositionPatient == 0 && emphatiqueok != 2 && !emphaseTiree) {
            queChoisi = false;
            queGagne = false;
        }
    };
    if (p == q && p > 0) {
        if (f2 <= f1)
            essaieQue();
    } else if ((p < 2 && q == 2) || (p == 0 && q == 1)) {
        essaieQue();
    }
    if ((p == 2 && !queGagne) || (p == 1 && !queGagne && f1 < 1)) {
        s.PassiveOuQue = true;
        s.Passive = true;
        if (PassiveEnchasseeOk && !PassiveFinOk)
            s.PassiveALaFin = false;
        else if (PassiveFinOk && !PassiveEnchasseeOk)
            s.PassiveALaFin = true;
        else
            s.PassiveALaFin = TireEntier(3) != 0;
    }

    // Relative "que".
    if ((q == 2 && queChoisi) ||
        (q == 1 && queChoisi && f2 < 1 &&
         (n.propositionPatient > 0 || emphatiqueok == 2 || emphaseTiree))) {
        s.RelativeQue = true;
        s.PassiveOuQue = true;
        if (OrdreVerbeSujetOk && !OrdreSujetVerbeOk)
            s.OrdreVerbeSujet = true;
        else if (OrdreSujetVerbeOk && !OrdreVerbeSujetOk)
            s.OrdreVerbeSujet = false;
        else
            s.OrdreVerbeSujet = TireEntier(3) < 1;
    }

    // Presentative and accent.
    if (emphatiqueok == 2 || (emphaseTiree && n.renversement > 0)) {
        s.Presentatif = true;
        const int r = TireEntier(3);
        bool surAgent = r == 1;
        bool surPatient = r == 2;
        if (AccentAgentOk && !AccentPatientOk) {
            surAgent = true;
            surPatient = false;
        } else if (AccentPatientOk && !AccentAgentOk) {
            surAgent = false;
            surPatient = true;
        }
        if (surAgent) {
            s.AccentSurAgent = true;
            if (s.RelativeQue) {
                if (AccentPatientOk || !AccentAgentOk) {
                    s.AccentSurAgent = false;
                } else if (passiveok == 2) {
                    s.Passive = true;
                    s.RelativeQue = false;
                } else if (passiveok == 1 && TireEntier(2) != 0) {
                    s.Passive = true;
                    s.RelativeQue = false;
                } else {
                    s.Passive = false;
                    s.RelativeQue = false;
                }
                // A structure that lost both forms must not keep asking for a person patient.
                s.PassiveOuQue = s.Passive || s.RelativeQue;
            }
        } else if (surPatient) {
            s.AccentSurAgent = false;
            if (!s.Passive && !s.RelativeQue) {
                if (!queChoisi || (passiveok > 0 && queok == 0)) {
                    if (passiveok > 0) {
                        s.PassiveOuQue = true;
                        s.Passive = true;
                    }
                } else if ((queChoisi || (queok > 0 && passiveok == 0)) && queok > 0) {
                    s.PassiveOuQue = true;
                    s.RelativeQue = true;
                }
            }
        }
    }

    // Which relative clauses are asked for.
    if (n.propositionAgent == 2)
        a = 1;
    if ((n.complement >= 1 && n.propositionPatient == 2) || s.RelativeQue)
        b = 1;
    // "C'est" puts one noun forward, and a clause of that noun's own would stand between it and
    // the pronoun of "C'est ... qui", which then reads as said of the clause's last noun. A
    // clause the options only allow is not drawn; one they require wins over "C'est", which
    // goes before the patient is drawn (it lets the patient be a person).
    if (s.Presentatif) {
        const bool agentEnAvant = (!s.Passive && !s.RelativeQue) || s.AccentSurAgent;
        int& clause = agentEnAvant ? a : b;
        if ((agentEnAvant ? n.propositionAgent : n.propositionPatient) < 2) {
            clause = 0;
        } else {
            SentenceDebug(u"proposition exigée : pas de présentatif");
            s.Presentatif = false;
        }
    }

    // Pronoun move: the structure is built so that a board can move the relative pronoun.
    bool deplacement = false;
    if (moveAllowed && n.propositionAgent > 0 && n.renversementAgent > 0 && !s.PassiveOuQue &&
        a == 1) {
        const int d = TireEntier(3);
        const bool deuxNiveaux = n.propositionAgent == 2 && n.propositionPatient == 2;
        if (deuxNiveaux ? d > 2 : d > 0) {
            a = 1;
            b = 0;
            n.renversementAgent = 2;
            n.propositionPatient = 0;
            deplacement = true;
        }
    }

    // The clause that carries the colour.
    if (deplacement || (a == 1 && b == 0)) {
        propositionadjectif = n.complement < 1 ? 1 : TireEntier(2);
    } else if (a == 1) {
        propositionadjectif = TireEntier(3);
    } else if (a == 0 && b == 0) {
        propositionadjectif = n.complement > 0 ? 0 : 4;
    } else if (b == 1) {
        if (n.complement < 1)
            propositionadjectif = 4;
        else
            propositionadjectif = TireEntier(2) == 1 ? 2 : 0;
    }

    // --- Subject ---
    bool succes = true;
    bool objetsInterdits = false;
    RemplitPersos();
    for (String* role :
         {&s.GroupeNominal1, &s.GroupeNominalAdjectif1, &s.VerbeComplement1, &s.ObjetComplement1,
          &s.ObjetComplementAdjectif1, &s.Action, &s.GroupeNominal2, &s.GroupeNominalAdjectif2,
          &s.VerbeComplement2, &s.ObjetComplement2, &s.ObjetComplementAdjectif2,
          &s.ObjetDonneLance1, &s.ObjetDonneLance2})
        role->clear();
    {
        const int i = platform::RandomIndex(static_cast<int>(Persos.size()));
        if (Persos.empty())
            succes = false;
        else
            s.GroupeNominal1 = Persos[i];
    }

    // --- Main clause ---
    int essais = 0;
    do {
        ++essais;
        s.NombrePersos = 1;
        s.ChoisitVerbe(u"Action", n.renversement, n.complement, n.adjectif);
        if (!VerbesCompatibles(true, s.Action, s.VerbeComplement1, String(), s.VerbeComplement2,
                               String()))
            s.Action.clear();
    } while (s.Action.empty() && essais < EssaisMax);
    if (essais >= EssaisMax) {
        succes = false;
        SentenceDebug(u" ACTION IMPOSS");
    }

    String resultat;
    essais = 0;
    for (;;) {
        ++essais;
        resultat = s.ChoisitObjet(s.Action, n.renversement, n.adjectif, u"GroupeNominal2", String(),
                                  String(), NiveauCouleur(n, 0), true);
        if (resultat == u"objetsinterdits")
            objetsInterdits = true;
        const bool memePersonne = (n.propositionAgent == 0 || n.propositionPatient == 0) &&
                                  s.GroupeNominal2 == s.GroupeNominal1;
        if (!memePersonne || essais >= EssaisMax)
            break;
        s.GroupeNominal2.clear();
    }
    if (essais >= EssaisMax)
        succes = false;
    else
        s.NombrePersos += platform::ToInt(resultat);

    // --- Clause on the agent ---
    if (n.propositionAgent > 0 || intransitifSeul) {
        ReinitialiseListesNoms();
        ReinitialiseListesVerbes();
        if (a > 0 || n.propositionAgent == 2 || intransitifSeul) {
            int essaisVerbe = 0;
            int essaisObjet = 0;
            do {
                ++essaisVerbe;
                s.ChoisitVerbe(u"VerbeComplement1", n.renversementAgent, 1, n.adjectif);
                if (!VerbesCompatibles(false, s.VerbeComplement1, s.Action, String(), String(),
                                       s.GroupeNominal2))
                    s.VerbeComplement1.clear();
                if (deplacement && s.VerbeComplement1 == u"p_portersurepaules" &&
                    (s.Action == u"p_poursuivre" || s.Action == u"a_promener" ||
                     s.Action == u"odm_soulever" || s.Action == u"i_marcher" ||
                     s.Action == u"i_courir" || s.Action == u"i_pedaler")) {
                    SentenceDebug(u"ON RECOMMENCE POUR POUVOIR AVOIR UN TRANSFERT DE PRONOM");
                    s.VerbeComplement1.clear();
                }
                if (s.VerbeComplement1.empty())
                    continue;
                for (;;) {
                    ++essaisObjet;
                    resultat = s.ChoisitObjet(s.VerbeComplement1, n.renversementAgent, n.adjectif,
                                              u"ObjetComplement1", s.Action, s.GroupeNominal2,
                                              NiveauCouleur(n, 1), true);
                    if (resultat == u"objetsinterdits")
                        objetsInterdits = true;
                    // The check of a composed sentence asks for the pair the other way round,
                    // with this object: something watched in the hand keeps that hand busy.
                    const bool repete =
                        s.ObjetComplement1 == s.GroupeNominal1 ||
                        (!s.GroupeNominal2.empty() && s.ObjetComplement1 == s.GroupeNominal2) ||
                        !VerbesCompatibles(true, s.Action, s.VerbeComplement1, String(), String(),
                                           s.ObjetComplement1, s.GroupeNominal2);
                    if (!repete || essaisObjet >= EssaisMax)
                        break;
                    s.ObjetComplement1.clear();
                    s.ObjetComplementAdjectif1.clear();
                }
            } while (s.VerbeComplement1.empty() && essaisVerbe < EssaisMax);
            if (essaisVerbe >= EssaisMax || essaisObjet >= EssaisMax) {
                s.VerbeComplement1.clear();
                s.ObjetComplement1.clear();
                s.ObjetComplementAdjectif1.clear();
                // The thrown object of a dropped clause must not stay behind.
                if (!EstLancerAQuelquun(s.Action))
                    s.ObjetDonneLance1.clear();
            } else {
                s.NombrePersos += platform::ToInt(resultat);
            }
        }
    }

    // --- Clause on the patient ---
    if (platform::StartsWith(s.GroupeNominal2, u"perso") &&
        (n.propositionPatient > 0 || intransitifSeul)) {
        ReinitialiseListesNoms();
        ReinitialiseListesVerbes();
        if (b > 0 || n.propositionPatient == 2 || intransitifSeul) {
            int essaisVerbe = 0;
            int essaisObjet = 0;
            do {
                ++essaisVerbe;
                s.ChoisitVerbe(u"VerbeComplement2", n.renversementPatient, 1, n.adjectif);
                if (!VerbesCompatibles(false, s.VerbeComplement2, String(), s.Action, String(),
                                       String()))
                    s.VerbeComplement2.clear();
                if (s.VerbeComplement2.empty())
                    continue;
                for (;;) {
                    ++essaisObjet;
                    resultat = s.ChoisitObjet(s.VerbeComplement2, n.renversementPatient, n.adjectif,
                                              u"ObjetComplement2", String(), String(),
                                              NiveauCouleur(n, 2), true);
                    if (resultat == u"objetsinterdits")
                        objetsInterdits = true;
                    const bool repete =
                        s.ObjetComplement2 == s.GroupeNominal1 ||
                        (!s.GroupeNominal2.empty() && s.ObjetComplement2 == s.GroupeNominal2) ||
                        (!s.ObjetComplement1.empty() && s.ObjetComplement2 == s.ObjetComplement1 &&
                         s.ObjetComplementAdjectif2 == s.ObjetComplementAdjectif1);
                    if (!repete || essaisObjet >= EssaisMax)
                        break;
                    s.ObjetComplement2.clear();
                    s.ObjetComplementAdjectif2.clear();
                }
            } while (s.VerbeComplement2.empty() && essaisVerbe < EssaisMax);
            if (essaisVerbe >= EssaisMax || essaisObjet >= EssaisMax) {
                s.VerbeComplement2.clear();
                s.ObjetComplement2.clear();
                s.ObjetComplementAdjectif2.clear();
                s.ObjetDonneLance2.clear();
            } else {
                s.NombrePersos += platform::ToInt(resultat);
            }
        }
    }

    // --- Finishing ---
    // Nor "C'est" with a clause drawn all the same (when no transitive sentence is possible).
    if (PresentatifEquivoque(s)) {
        SentenceDebug(u"présentatif équivoque : on le retire");
        s.Presentatif = false;
    }
    // A "que" relative makes the patient the head of the sentence and needs the patient's own
    // clause as its verb ("La dame que le monsieur regarde marche"), unless "C'est" carries
    // it. The patient's clause is drawn for a person only and may be given up: without it the
    // sentence is told in the active voice rather than left without a main verb.
    if (s.RelativeQue && !s.Presentatif && s.VerbeComplement2.empty()) {
        SentenceDebug(u"relative sans verbe principal : on la dit à l'actif");
        s.RelativeQue = false;
        s.OrdreVerbeSujet = false;
        s.PassiveOuQue = s.Passive;
    }
    s.PlaceObjets();
    if (objetsInterdits) {
        succes = false;
        SentenceDebug(u" o o o o o o o GENERATION NON NON o o o o o o o ");
    }
    s.Immobile = s.EstDansLesListes();
    SentenceDebug(s.Immobile ? u"génère immobile" : u"génère mobile");
    SentenceDebug(u"GN1 = " + s.GroupeNominal1 + u" | adj1 = " + s.GroupeNominalAdjectif1 +
                  u" | verbe1 = " + s.VerbeComplement1 + u" | objet1 = " + s.ObjetComplement1 +
                  u" | adjobjet1 = " + s.ObjetComplementAdjectif1 + u" | action = " + s.Action +
                  u" | GN2 = " + s.GroupeNominal2 + u" | adj2 = " + s.GroupeNominalAdjectif2 +
                  u" | verbe2 = " + s.VerbeComplement2 + u" | objet2 = " + s.ObjetComplement2 +
                  u" | adjobjet2 = " + s.ObjetComplementAdjectif2 + u" | lance1 = " +
                  s.ObjetDonneLance1 + u" | lance2 = " + s.ObjetDonneLance2 + u" | persos = " +
                  platform::Str(s.NombrePersos) + u" | passive = " + Oui(s.Passive) + u" | que = " +
                  Oui(s.RelativeQue) + u" | presentatif = " + Oui(s.Presentatif));
    return returnMoveFlag ? deplacement : succes;
}
