// The check of a composed sentence: subject, relative clause on the subject, main verb, object
// with its colour, throwing construction, relative clauses on the object, and the remarks.
#include "sentence/sentence_check.h"

#include <algorithm>
#include <vector>

#include "sentence/clause_parsers.h"
#include "sentence/sentence_debug.h"

using namespace analyse;

namespace {

String Statut(const String& resultat) { return platform::Split(resultat, u"|")[0]; }

} // namespace

String AnalysePhrase(int last, const StringArray& phrase, StructureAction& s) {
    // Slots missing from the array are empty: the sentence cannot run past them.
    last = std::clamp(last, -1, static_cast<int>(phrase.size()) - 1);
    auto mot = [&](int i) { return MotDe(phrase, last, i); };
    String message;
    s.Vide();
    // Positions taken into a role; a word nobody took is out of place.
    MotsPris pris(last >= 0 ? static_cast<std::size_t>(last) + 1 : 0, false);
    auto prend = [&](int i) {
        if (i >= 0 && i <= last)
            pris[i] = true;
    };

    // --- Subject ---
    if (EstPersonne(mot(0))) {
        s.GroupeNominal1 = mot(0);
        s.SujetPresent = true;
        prend(0);
        if (last == 1 && EstRelatif(mot(1)))
            message += u"Il faut compléter le groupe nominal sujet.\n";
    } else if (EstNomNonPersonne(mot(0))) {
        message += u"Le sujet devrait être un personnage (fille, garçon...).\n";
    } else {
        message += u"Il y a un problème avec le sujet.\n";
    }

    // --- Verbs, left to right; position 0 is the subject's ---
    std::vector<int> tabverbes;
    for (int p = 1; p <= last; ++p)
        if (EstVerbeCode(mot(p)))
            tabverbes.push_back(p);
    const int nombreVerbes = static_cast<int>(tabverbes.size());

    if (!s.SujetPresent)
        return message;
    if (tabverbes.empty()) {
        message += u"On dirait qu'il n'y a pas de verbe.\n";
        return message;
    }

    // --- Relative clause on the subject ---
    const int f = tabverbes[0];
    if (EstRelatif(mot(f - 1))) {
        prend(f - 1);
        const int b = nombreVerbes >= 2 ? tabverbes[1] : f;
        const String statut = Statut(parsedetecteproposition(f, b, phrase, last, s, 1, &pris));
        if (statut == u"True") {
            s.Complement1Complet = true;
        } else if (statut == u"ManqueObjet" || statut == u"ManquePersoObjet") {
            s.Complement1PresqueComplet = true;
            message += u"Il manque un personnage ou un objet dans la proposition qui complète le "
                       u"sujet.\n";
        } else {
            s.Complement1Incomplet = true;
            message += u"La proposition qui complète le sujet est bizarre.\n";
        }
    }

    // --- Main verb: the last verb that follows the subject or its relative clause ---
    int numeroverbeaction = 0;
    for (int k = 0; k < nombreVerbes; ++k) {
        const int p = tabverbes[k];
        if (EstRelatif(mot(p - 1))) {
            if (nombreVerbes == 1)
                message += u"Je crois qu'il manque un verbe.\n";
        } else if (p == 1 || s.Complement1Complet || s.Complement1PresqueComplet) {
            s.Action = mot(p);
            s.ActionPresente = true;
            numeroverbeaction = k;
            if (EstIntransitif(mot(p)))
                s.PropositionPrincipale = true;
        }
    }

    if (s.ActionPresente) {
        const int v = tabverbes[numeroverbeaction];
        prend(v);
        if (v == last) {
            if (!EstIntransitif(mot(v))) {
                s.GN2Incomplet = true;
                message += u"Il manque un COD après le verbe.\n";
            }
        } else {
            // --- Object, throwing construction, colour ---
            if (EstNomCode(mot(v + 1))) {
                s.GroupeNominal2 = mot(v + 1);
                s.GN2Present = true;
                prend(v + 1);
                if (EstVerbeLancer(mot(v))) {
                    const int b =
                        numeroverbeaction + 1 < nombreVerbes ? tabverbes[numeroverbeaction + 1] : v;
                    if (parsedetectelancesur(v, b, phrase, last, s, 0, &pris) != u"True")
                        message += u"Il y a un problème avec le verbe lancer.\n";
                }
            }
            if (last > v + 1 && EstCouleurMot(mot(v + 2)) && EstNomColorable(mot(v + 1))) {
                s.GroupeNominalAdjectif2 = mot(v + 2);
                prend(v + 2);
            }

            // --- Relative clauses on the object ---
            if (s.GN2Present) {
                for (int j = numeroverbeaction + 1; j < nombreVerbes; ++j) {
                    const int p = tabverbes[j];
                    if (!EstRelatif(mot(p - 1)))
                        continue;
                    prend(p - 1);
                    const String statut =
                        Statut(parsedetecteproposition(p, p, phrase, last, s, 2, &pris));
                    if (statut == u"True") {
                        s.Complement2Complet = true;
                    } else if (statut == u"ManquePersoObjet") {
                        s.Complement2PresqueComplet = true;
                        message += u"Il manque un objet dans la proposition qui complète le COD.\n";
                    } else {
                        s.Complement2Incomplet = true;
                        message += u"Il manque des mots dans la proposition qui complète le COD.\n";
                    }
                }
                if (!s.Complement2Complet && !s.Complement2PresqueComplet &&
                    !s.Complement2Incomplet && last > v + 1 && EstRelatif(mot(v + 2)))
                    message += u"Le complément du nom du COD n'est pas terminé.\n";
            }
        }
    }

    // A sentence with nothing else to say about it would be animated as correct: a verb that
    // could not be the main verb, or a word no step took, must not pass silently.
    if (message.empty()) {
        bool toutPris = s.ActionPresente;
        for (int i = 0; i <= last; ++i)
            toutPris = toutPris && (pris[i] || mot(i).empty());
        if (!toutPris)
            message += u"Il y a un mot qui n'est pas à sa place.\n";
    }
    SentenceDebug(u"analyse : " + (message.empty() ? String(u"pas de remarque") : message));
    return message;
}
