// The board of sentences.
//
//   MelangeTableauEntiers
//   helpers: complete first structure, elephants, distinct sentences
//   SentenceBoardHost::HasardStructuresEtPhrases
//     first structure, counts, balance, substitutions, shuffles, elephants, closing lines
#include "sentence/board.h"

#include <algorithm>

#include "platform/random.h"
#include "sentence/generation.h"
#include "sentence/lexicon.h"
#include "sentence/pronoun_moves.h"
#include "sentence/realisation.h"
#include "sentence/sentence_debug.h"
#include "sentence/shuffles.h"
#include "sentence/variations.h"
#include "sentence/vocabulary.h"

void MelangeTableauEntiers(std::vector<int>& tableau) {
    std::vector<int> reste = tableau;
    for (std::size_t i = 0; i < tableau.size(); ++i) {
        const int k = platform::RandomIndex(static_cast<int>(reste.size()));
        tableau[i] = reste[k];
        reste.erase(reste.begin() + k);
    }
}

namespace {

using platform::Str;

bool EstLancerSurA(const String& verbe) {
    return verbe == u"p_lancer sur" || verbe == u"p_lancer a";
}

// A structure that a child can be shown and the puppets can act: a person acting, a main verb
// (in the passive only when the verb has one; after "que" the patient's own clause or "C'est"),
// every transitive verb with its object, every throw with the thing thrown and a puppet for
// every person named. The generator leaves a failed structure half filled, and a board must
// never be built on it.
bool StructureComplete(const StructureAction& s) {
    if (!platform::StartsWith(s.GroupeNominal1, u"perso_") || s.Action.empty())
        return false;
    if (s.Passive && (s.RelativeQue || !AUnPassif(s.Action)))
        return false;
    if (s.RelativeQue && !s.Presentatif && s.VerbeComplement2.empty())
        return false;
    const std::pair<const String*, const String*> clauses[] = {
        {&s.Action, &s.GroupeNominal2},
        {&s.VerbeComplement1, &s.ObjetComplement1},
        {&s.VerbeComplement2, &s.ObjetComplement2}};
    for (const auto& [verbe, objet] : clauses)
        if (!verbe->empty() && !platform::StartsWith(*verbe, u"i_") && objet->empty())
            return false;
    if ((EstLancerSurA(s.Action) || EstLancerSurA(s.VerbeComplement1)) &&
        s.ObjetDonneLance1.empty())
        return false;
    if (EstLancerSurA(s.VerbeComplement2) && s.ObjetDonneLance2.empty())
        return false;
    // A patient the generator could not tell from the agent is kept without its puppet (only
    // one person ticked): "La dame lance une balle sur la dame" would be staged with nobody to
    // throw at.
    int personnes = 1;
    for (const String* nom : {&s.GroupeNominal2, &s.ObjetComplement1, &s.ObjetComplement2})
        personnes += platform::StartsWith(*nom, u"perso_");
    return s.NombrePersos == personnes;
}

// Two structures that the child could not tell apart: the same words in the same places and
// the same form.
bool MemeStructure(const StructureAction& a, const StructureAction& b) {
    const auto roles = [](const StructureAction& s) {
        return std::vector<String>{SansParTerre(s.GroupeNominal1),
                                   s.GroupeNominalAdjectif1,
                                   s.VerbeComplement1,
                                   SansParTerre(s.ObjetComplement1),
                                   s.ObjetComplementAdjectif1,
                                   s.Action,
                                   SansParTerre(s.GroupeNominal2),
                                   s.GroupeNominalAdjectif2,
                                   s.VerbeComplement2,
                                   SansParTerre(s.ObjetComplement2),
                                   s.ObjetComplementAdjectif2,
                                   s.ObjetDonneLance1,
                                   s.ObjetDonneLance2};
    };
    return roles(a) == roles(b) && a.Passive == b.Passive && a.RelativeQue == b.RelativeQue &&
           a.PassiveALaFin == b.PassiveALaFin && a.Presentatif == b.Presentatif &&
           a.OrdreVerbeSujet == b.OrdreVerbeSujet && a.AccentSurAgent == b.AccentSurAgent;
}

bool TousDifferents(const std::vector<StructureAction>& structures,
                    const std::vector<String>& phrases, int m, int s) {
    for (int i = 0; i <= m; ++i)
        for (int j = i + 1; j <= m; ++j)
            if (MemeStructure(structures[i], structures[j]) || (j <= s && phrases[i] == phrases[j]))
                return false;
    return true;
}

bool ToutesCompletes(const std::vector<StructureAction>& structures, int m) {
    for (int k = 0; k <= m; ++k)
        if (!StructureComplete(structures[k]))
            return false;
    return true;
}

// Marks a toy elephant and a real one on the board; an object on the ground is the same toy.
void RepereElephants(const std::vector<StructureAction>& structures, int m) {
    fauxeleph = false;
    vraieleph = false;
    for (int k = 0; k <= m; ++k)
        for (const String* nom : {&structures[k].GroupeNominal2, &structures[k].ObjetComplement1,
                                  &structures[k].ObjetComplement2}) {
            const String mot = SansParTerre(*nom);
            if (mot == u"deuxmains_elephant_m")
                fauxeleph = true;
            if (mot == u"animal_elephant_m")
                vraieleph = true;
        }
}

// A variant whose verb changed may have no passive: it is then told in the active voice.
void GardePassivePossible(StructureAction& s) {
    if (s.Passive && !AUnPassif(s.Action)) {
        s.Passive = false;
        s.PassiveOuQue = s.RelativeQue;
    }
}

void CopieFormeDeLaPremiere(const StructureAction& premiere, StructureAction& s) {
    s.Passive = premiere.Passive;
    s.PassiveOuQue = premiere.PassiveOuQue;
    s.RelativeQue = premiere.RelativeQue;
    s.PassiveALaFin = premiere.PassiveALaFin;
    s.OrdreVerbeSujet = premiere.OrdreVerbeSujet;
}

// A variant takes "C'est" from the first sentence only where it reads one way.
void PresentatifCommeLaPremiere(const StructureAction& premiere, StructureAction& v) {
    if (premiere.Presentatif)
        v.Presentatif = true;
    if (PresentatifEquivoque(v))
        v.Presentatif = false;
}

// True one time in two.
bool PileOuFace() { return platform::RandomFloat() > 0.5f; }

} // namespace

bool SentenceBoardHost::HasardStructuresEtPhrases() {
    // A board cut short last time asks again for what the set-up screen chose.
    if (reduit && nombredanimations == animationsReduites && nombredephrases == phrasesReduites) {
        nombredanimations = animationsDemandees;
        nombredephrases = phrasesDemandees;
    }
    reduit = false;
    const int animationsEntree = nombredanimations;
    const int phrasesEntree = nombredephrases;
    const bool motsEnOrdre = modedejeu == 2;

    for (int essai = 1;; ++essai) {
        const bool dernierEssai = essai >= TableauxMax;
        SentenceDebug(u"DEBUT HASARD STRUCTURES ET PHRASES");
        nombredanimations = animationsEntree;
        nombredephrases = phrasesEntree;
        int a = std::max(nombredanimations, 0);
        int s = std::max(nombredephrases, 0);
        int m = std::max(a, s);
        if (static_cast<int>(structures.size()) < m + 1)
            structures.resize(m + 1);
        if (static_cast<int>(phrases.size()) < m + 1)
            phrases.resize(m + 1);

        // Planned substitutions.
        int n = 0;
        for (int i = 0; i < m; ++i)
            if (platform::RandomFloat() >= seuilvariation)
                ++n;

        // First structure; a failed one is drawn again.
        StructureAction& premiere = structures[0];
        premiere = StructureAction();
        if (GenereStructureAction(premiere, true, true))
            SentenceDebug(u"------------------ MODE DEPLACEMENT -------------");
        if (!StructureComplete(premiere)) {
            SentenceDebug(u"première structure impossible, on recommence");
            if (!dernierEssai)
                continue;
            SentenceDebug(u"aucune phrase possible avec ces options : tableau vide");
            premiere = StructureAction();
            phrases[0].clear();
            fauxeleph = vraieleph = false;
            nombreDeSubstitutions = nombreDePermutations = codeDeplacement = 0;
            animationsDemandees = animationsEntree;
            phrasesDemandees = phrasesEntree;
            nombredanimations = animationsReduites = 0;
            nombredephrases = phrasesReduites = 0;
            reduit = animationsEntree > 0 || phrasesEntree > 0;
            return false;
        }
        phrases[0] = PhraseDeStructure(true, premiere, motsEnOrdre);

        int substitutions = 0;
        int permutations = 0;
        int code = 0;
        bool complet = true;
        if (m > 0) {
            StructureAction deplacee;
            code = ChoisitDeplacementPronom(premiere, deplacee);
            SentenceDebug(code == 0 ? u" codehack 0" : u"codehack >0");
            std::vector<StructureAction> rien;
            const int ps = SubsitueDansStructureaction(false, premiere, rien);
            int pb = BousculeStructureaction(false, premiere.Passive, premiere, rien, deplacee);
            if (code > 0 && premiere.VerbeComplement1.empty() && premiere.VerbeComplement2.empty())
                pb = 0;
            const int h = ps + pb;
            SentenceDebug(u"substitutions possibles = " + Str(ps) + u" permutations possibles = " +
                          Str(pb) + u" variantes possibles = " + Str(h));

            // Too few variants: draw the board again, or at the bound keep what is possible.
            if (h < m) {
                if (!dernierEssai)
                    continue;
                complet = false;
                a = std::min(a, h);
                s = std::min(s, h);
                m = std::max(a, s);
                n = std::min(n, m);
                SentenceDebug(u"pas assez de variantes après " + Str(essai) +
                              u" tableaux : ce tableau n'aura que " + Str(s + 1) + u" phrases et " +
                              Str(a + 1) + u" animations");
            }
            if (premiere.Passive && n == m && m > 0)
                n = m - 1;
            substitutions = n;
            permutations = m - n;

            // Balance the two kinds against what is possible.
            if (ps < substitutions && h >= m) {
                substitutions = ps;
                permutations = m - ps;
            }
            if (pb < permutations) {
                substitutions = m - pb;
                permutations = pb;
            }
            SentenceDebug(u"nombre de subst step 3 " + Str(substitutions));

            std::vector<StructureAction> substituees(substitutions);
            std::vector<StructureAction> bousculees(permutations);
            for (StructureAction& v : substituees)
                CopieStructureaction(premiere, v);
            for (StructureAction& v : bousculees)
                CopieStructureaction(premiere, v);

            if (!substituees.empty()) {
                SentenceDebug(u"On peut bien substituer!!!!!!!!!!!!!!!...........");
                SubsitueDansStructureaction(true, premiere, substituees);
            }
            for (int k = 1; k <= substitutions; ++k) {
                StructureAction& v = structures[k];
                v = StructureAction();
                CopieStructureaction(substituees[k - 1], v);
                if (premiere.Passive) {
                    if (passiveok > 0) {
                        if (PileOuFace() && AUnPassif(v.Action)) {
                            v.Passive = v.PassiveOuQue = true;
                            SentenceDebug(u"on la passe en passive! (subst)");
                        } else {
                            v.Passive = false;
                            SentenceDebug(u"on reste actif!!");
                        }
                    }
                } else {
                    v.Passive = v.PassiveOuQue = false;
                }
                if (premiere.RelativeQue) {
                    if (queok > 0) {
                        if (PileOuFace()) {
                            v.RelativeQue = v.PassiveOuQue = true;
                            SentenceDebug(u"on la passe en relative en que! (subst)");
                        } else {
                            v.RelativeQue = false;
                            SentenceDebug(u"on reste en qui!!");
                        }
                    }
                } else {
                    v.RelativeQue = v.PassiveOuQue = false;
                }
                if (k == 1 && (code == PronomDeplace || code == FormeChangee)) {
                    v = StructureAction();
                    CopieStructureaction(deplacee, v);
                    v.RelativeQue = v.PassiveOuQue = false;
                    v.NombrePersos = premiere.NombrePersos;
                    // The moved sentence has the same verbs and nouns: it is immobile exactly
                    // when they say so, not because the flag was never set.
                    v.Immobile = v.EstDansLesListes();
                    SentenceDebug(code == PronomDeplace
                                      ? u"hacking la premiere substitution deplacement pronom"
                                      : u"hacking la premiere substitution modification passive");
                }
                if (choixvariations == 1)
                    CopieFormeDeLaPremiere(premiere, v);
                GardePassivePossible(v);
                PresentatifCommeLaPremiere(premiere, v);
                phrases[k] = PhraseDeStructure(true, v, false);
            }

            if (!bousculees.empty()) {
                SentenceDebug(u" On peut bien swapper !!!!!!!!!!!!!!!!!!!...................");
                BousculeStructureaction(true, premiere.Passive, premiere, bousculees,
                                        code == 0 ? premiere : deplacee);
            }
            for (int i = 0; i < permutations; ++i) {
                StructureAction& v = structures[substitutions + 1 + i];
                v = StructureAction();
                CopieStructureaction(bousculees[i], v);
                if (premiere.RelativeQue && queok > 0) {
                    SentenceDebug(u" c'est une autre phrase que la première qui est modifiée");
                    if (PileOuFace())
                        v.RelativeQue = v.PassiveOuQue = true;
                    else
                        v.RelativeQue = false;
                }
                if (premiere.Passive) {
                    if (passiveok > 0) {
                        if (PileOuFace())
                            v.Passive = v.PassiveOuQue = true;
                        else
                            v.Passive = false;
                    } else {
                        v.Passive = v.PassiveOuQue = false;
                    }
                } else if (!premiere.RelativeQue) {
                    v.Passive = v.PassiveOuQue = false;
                }
                if (choixvariations == 1)
                    CopieFormeDeLaPremiere(premiere, v);
                PresentatifCommeLaPremiere(premiere, v);
                phrases[substitutions + 1 + i] = PhraseDeStructure(true, v, false);
            }
        }

        // A variant the puppets cannot act makes the board unplayable; at the bound the first
        // sentence, which can be acted, is shown alone.
        if (!ToutesCompletes(structures, m)) {
            SentenceDebug(u"une phrase du tableau est incomplète, on recommence");
            if (!dernierEssai)
                continue;
            complet = false;
            a = s = m = 0;
            substitutions = permutations = code = 0;
        }

        // The "(vrai)" and "(faux)" markers are kept only when both elephants share the board.
        RepereElephants(structures, m);
        if (!(fauxeleph && vraieleph))
            for (int k = 0; k <= s; ++k)
                phrases[k] = platform::Replace(platform::Replace(phrases[k], u"(vrai) ", u""),
                                               u"(faux) ", u"");

        // Two sentences the child cannot tell apart make the board unplayable.
        if (!TousDifferents(structures, phrases, m, s)) {
            SentenceDebug(u"deux phrases du tableau sont pareilles, on recommence");
            if (!dernierEssai)
                continue;
            complet = false;
        }

        for (int k = 0; k <= m; ++k) {
            SentenceDebug(Str(structures[k].NombrePersos) + u" persos");
            SentenceDebug(Str(k) + u" = la phrase " + phrases[k]);
        }
        nombreDeSubstitutions = substitutions;
        nombreDePermutations = permutations;
        codeDeplacement = code;
        nombredanimations = a;
        nombredephrases = s;
        if (a != animationsEntree || s != phrasesEntree) {
            reduit = true;
            animationsDemandees = animationsEntree;
            phrasesDemandees = phrasesEntree;
            animationsReduites = a;
            phrasesReduites = s;
        }
        SentenceDebug(u"Fin de la méthode HasardStructuresEtPhrases");
        return complet;
    }
}
