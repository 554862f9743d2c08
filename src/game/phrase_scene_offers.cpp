// The words that may come next in the child's sentence, lit in their own colours in the bank.
// The offer follows the last word and the grammatical function the sentence has reached; each
// rule that applies decides the offer afresh for every card, so the last one wins.
#include <algorithm>
#include <functional>

#include "game/phrase_scene.h"
#include "sentence/complements.h"
#include "sentence/verb_compatibility.h"
#include "sentence/vocabulary.h"
#include "sentence/word_classes.h"

using platform::Contains;
using platform::StartsWith;

namespace {

bool EstSurOuA(const String& code) { return code == u"sur" || Contains(code, u"à"); }

bool EstVerbeQuelconque(const String& code) { return EstVerbe(code, false); }

} // namespace

void iEnginePhraseAuChoix::ProposeMotsSuivants() {
    if (nombrePlacees < 1) {
        phraseModifiee = false;
        return;
    }
    const String& dernier = etiquettesMots[static_cast<std::size_t>(nombrePlacees - 1)]->texte;
    const String fonction = FonctionDerniere(structurePhrase);
    const StructureAction& a = structurePhrase;
    const auto propose = [this](const std::function<bool(const String&)>& test) {
        for (auto& card : etiquettes) {
            card->proposee = test(card->texte);
        }
    };
    const bool lanceObjet1 = StartsWith(fonction, u"ObjetDonneLance1");

    // A noun ends the sentence: a throw's target, a verb of the main or relative clause, a
    // relative pronoun, a colour for an animal, a garment or a hat.
    const int nom = CategorieNom(dernier);
    if (nom > 0 &&
        (fonction == u"GN1" || fonction == u"GN2" || fonction == u"GNcomplement1" ||
         fonction == u"GNcomplement2" || fonction == u"ObjetDonneLance2" || lanceObjet1)) {
        const bool verbesPossibles =
            fonction != u"GNcomplement2" && fonction != u"GN2" &&
            (StartsWith(dernier, u"perso") ||
             (a.Complement1Complet && (fonction == u"GNcomplement1" || lanceObjet1)));
        propose([&](const String& w) {
            if ((lanceObjet1 || fonction == u"ObjetDonneLance2") && EstSurOuA(w)) {
                return true;
            }
            if (EstVerbeQuelconque(w) && verbesPossibles) {
                if (fonction == u"GNcomplement1" || fonction == u"ObjetDonneLance1_Complement1") {
                    if (VerbesCompatibles(true, w, a.VerbeComplement1, u"", a.VerbeComplement2,
                                          u"")) {
                        return true;
                    }
                } else if (fonction == u"GN1" &&
                           VerbesCompatibles(false, w, a.Action, u"", u"", u"")) {
                    return true;
                }
            }
            if (StartsWith(w, u"qu") &&
                (fonction == u"GN1" || (fonction == u"GN2" && StartsWith(dernier, u"perso")))) {
                return true;
            }
            return (nom == 5 || nom == 6 || nom == 7) && adjectifsok > 0 && EstCouleur(w);
        });
    }

    // A transitive verb ends the sentence: the nouns it may take. An intransitive verb ending
    // the clause on the subject: the verbs that may follow it.
    if (EstVerbe(dernier, true)) {
        ComplementsPossibles(dernier, fonction == u"action" ? a.ObjetComplement1 : String());
        propose([](const String& w) {
            return CategorieNom(w) > 0 &&
                   std::find(ListeComplementsPossibles.begin(), ListeComplementsPossibles.end(),
                             w) != ListeComplementsPossibles.end();
        });
    } else if (EstVerbeQuelconque(dernier) && StartsWith(dernier, u"i_") &&
               fonction == u"verbecomplement1") {
        propose([&](const String& w) {
            return EstVerbeQuelconque(w) &&
                   VerbesCompatibles(true, w, a.VerbeComplement1, u"", a.VerbeComplement2, u"");
        });
    }

    // After "qui", a verb.
    if (EstPronomRelatif(dernier)) {
        propose([&](const String& w) {
            return EstVerbeQuelconque(w) &&
                   (fonction != u"GN2" ||
                    VerbesCompatibles(false, w, u"", a.Action, u"", a.ObjetComplement1));
        });
    }

    // After "sur" or "à", the person thrown at or to.
    if (EstSurOuA(dernier)) {
        propose([](const String& w) { return StartsWith(w, u"perso"); });
    }

    // A colour closing the clause on the subject: the main verb.
    if (EstCouleur(dernier) && a.Complement1Complet && fonction == u"adjectifcomplement1") {
        propose(EstVerbeQuelconque);
    }

    ColorieEtiquettes(etiquettes);
    phraseModifiee = false;
}

void iEnginePhraseAuChoix::ProposeLesPersonnages() {
    for (auto& card : etiquettes) {
        card->proposee = StartsWith(card->texte, u"perso");
    }
    ColorieEtiquettes(etiquettes);
}

int iEnginePhraseAuChoix::ColorieEtiquettes(ListeEtiquettes& tags) {
    const bool choix = std::any_of(tags.begin(), tags.end(),
                                   [](const auto& card) { return card && !card->proposee; });
    for (auto& card : tags) {
        if (!card) {
            continue;
        }
        if (card->proposee && choix) {
            card->SetColor(static_cast<float>(card->couleurRouge),
                           static_cast<float>(card->couleurVert),
                           static_cast<float>(card->couleurBleu));
        } else {
            card->SetColor(iGuiEtiquette::NeutreRouge, iGuiEtiquette::NeutreVert,
                           iGuiEtiquette::NeutreBleu);
            card->proposee = true;
        }
    }
    return 0;
}
