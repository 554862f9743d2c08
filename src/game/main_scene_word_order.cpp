// The word-order game: the marked-up sentence of the board cut into shuffled word cards, the
// sentence shown on card 0, and the word orders the check accepts.
//
// The sentence engine writes each word group followed by "**"; a group of the first clause ends
// with "\PROPA", one of the second with "\PROPB", and the verb of the first clause may start with
// "|verbeapresque|" (it stands right after "que") or "|verbeverslafin|" (it closes the clause).
// Besides the sentence as written, the check accepts its two clauses the other way round and,
// when the verb may stand at either place, both clause orders with the verb moved.
//
// Index:
//   reading the markup
//   PrepareMotsEnVrac
//   MelangeChaines
//   DerangeSiEnOrdre
#include <algorithm>

#include "framework/shared_assets.h"
#include "game/main_scene.h"
#include "gui/text_field.h"
#include "platform/random.h"
#include "sentence/agreement.h"
#include "sentence/realisation.h"

namespace {

using platform::Contains;
using platform::Find;
using platform::Mid;
using platform::StartsWith;

const String FinDeMot = MarqueFinEtiquette;
const String PropA = MarquePropositionA;
const String PropB = MarquePropositionB;
const String VerbeApresQue = MarqueVerbeApresQue;
const String VerbeVersLaFin = MarqueVerbeVersLaFin;
const String Que = u" que";

// --- reading the markup ---

// The text of a group before its first marker.
String Mot(const String& piece) {
    const int i = Find(piece, u"\\");
    return i < 0 ? piece : Mid(piece, 0, i);
}

String ApresMarque(const String& texte, const String& marque) {
    const int i = Find(texte, marque);
    return i < 0 ? texte : Mid(texte, i + static_cast<int>(marque.size()));
}

// "que" before a vowel is "qu'", and "qu'" before anything else is "que": a moved verb changes
// the word that follows the pronoun.
String Elide(const String& texte) {
    std::vector<String> mots;
    for (const String& mot : platform::Split(texte, u" ")) {
        if (!mot.empty()) {
            mots.push_back(mot);
        }
    }
    for (std::size_t i = 0; i + 1 < mots.size(); ++i) {
        if (mots[i] == u"que" || mots[i] == u"qu'") {
            mots[i] = CommenceParVoyelle(mots[i + 1]) ? u"qu'" : u"que";
        }
    }
    String resultat;
    for (const String& mot : mots) {
        resultat += u" " + mot;
    }
    return resultat;
}

// The verb moved in the variant of the first clause: after the clause for a verb that stands
// after "que", right after "que" for one that closes the clause.
String DeplaceVerbe(const String& variante, const String& verbe) {
    if (StartsWith(verbe, VerbeApresQue)) {
        return Elide(variante + u" " + ApresMarque(verbe, VerbeApresQue));
    }
    if (StartsWith(verbe, VerbeVersLaFin)) {
        const int i = Find(variante, Que);
        if (i < 0) {
            return variante;
        }
        const String apres = Mid(variante, i + static_cast<int>(Que.size()));
        const int j = Find(apres, Que);
        return Elide(Mid(variante, 0, i) + Que + ApresMarque(verbe, VerbeVersLaFin) +
                     (j < 0 ? apres : Mid(apres, 0, j)));
    }
    return variante;
}

String SansDoublesEspaces(String texte) {
    while (Contains(texte, u"  ")) {
        texte = platform::Replace(texte, u"  ", u" ");
    }
    return platform::Replace(texte, u" .", u".");
}

} // namespace

// --- PrepareMotsEnVrac ---

void iEngineSceneGlobale::PrepareMotsEnVrac() {
    iGuiEtiquette& carte = *etiquettes[0];
    carte.CacheAvecLegende();
    imageEtiquette = platform::LoadImage(u"etiquettemot.png");
    const String balisee = phrases[0];
    phrasesvracok = {};
    etiquettesMots.clear();
    // No sentence under the options: no words, and nothing accepted.
    if (balisee.empty()) {
        carte.legende->SetText(u"");
        return;
    }
    std::vector<String> pieces = platform::Split(balisee, FinDeMot);
    if (!pieces.empty()) {
        pieces.pop_back();
    }

    // The clauses of the sentence.
    const bool avecPropositions = Contains(balisee, PropA) || Contains(balisee, PropB);
    String ouverture;
    String propositionA;
    String variante;
    String verbe;
    String propositionB;
    if (avecPropositions) {
        std::size_t k = 0;
        for (; k < pieces.size() && !Contains(pieces[k], PropA) && !Contains(pieces[k], PropB);
             ++k) {
            ouverture += u" " + pieces[k];
        }
        for (String& piece : pieces) {
            if (!Contains(piece, PropA)) {
                continue;
            }
            bool verbeTrouve = false;
            for (const String& marque : {VerbeApresQue, VerbeVersLaFin}) {
                if (Contains(piece, marque)) {
                    verbe = Mot(piece);
                    piece = ApresMarque(piece, marque);
                    verbeTrouve = true;
                }
            }
            propositionA += u" " + Mot(piece);
            if (!verbeTrouve) {
                variante += u" " + Mot(piece);
            }
        }
        variante = variante != propositionA ? DeplaceVerbe(variante, verbe) : String();
    }
    if (Contains(balisee, PropB)) {
        for (const String& piece : pieces) {
            if (Contains(piece, PropB)) {
                propositionB += u" " + Mot(piece);
            }
        }
    }
    const StructureAction& s = structures[0];
    const bool qui = s.Presentatif && !s.RelativeQue &&
                     !(s.Passive ? s.VerbeComplement2 : s.VerbeComplement1).empty();
    const String pronom = qui ? u"qui " : u"";

    // The sentence the card shows.
    String affichee;
    if (avecPropositions) {
        affichee = ouverture + propositionA + u" " + pronom + propositionB + u".";
    } else {
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            affichee += (i > 0 ? u" " : u"") + pieces[i];
        }
        affichee += u".";
    }
    phrases[0] = platform::Trim(SansDoublesEspaces(affichee));
    carte.legende->SetText(phrases[0]);
    carte.legende->MidHandle();
    carte.PlaceLegende();

    // The accepted orders; an order that does not exist accepts nothing.
    if (avecPropositions) {
        phrasesvracok[0] = SansEspaces(ouverture + propositionA + pronom + propositionB);
        phrasesvracok[1] = SansEspaces(ouverture + propositionB + pronom + propositionA);
        if (!variante.empty()) {
            phrasesvracok[2] = SansEspaces(ouverture + variante + pronom + propositionB);
            phrasesvracok[3] = SansEspaces(ouverture + propositionB + pronom + variante);
        }
    } else {
        phrasesvracok[0] = SansEspaces(Mid(affichee, 0, std::max(0, Find(affichee, u"."))));
    }

    // The word cards, shuffled, in rows from the top left, shown at once; each pops in.
    std::vector<String> mots;
    for (const String& piece : pieces) {
        if (const String mot = platform::Trim(Mot(piece)); !mot.empty()) {
            mots.push_back(mot);
        }
    }
    MelangeChaines(mots);
    DerangeSiEnOrdre(mots);
    nombrePlacees = 0;
    FabriqueEtiquettes(etiquettesMots, 0, mots, playfieldPrincipal, false, true, 20, 240, 4);
    for (auto& mot : etiquettesMots) {
        mot->aGrossir = true;
        mot->etatZoom = 0;
    }
}

// --- MelangeChaines ---

void iEngineSceneGlobale::MelangeChaines(std::vector<String>& tableau) {
    const int n = static_cast<int>(tableau.size());
    std::vector<int> reserve(tableau.size());
    for (int i = 0; i < n; ++i) {
        reserve[static_cast<std::size_t>(i)] = i;
    }
    std::vector<String> melange(tableau.size());
    for (int k = 0; k < n; ++k) {
        const int j = platform::RandomIndex(n - k);
        melange[static_cast<std::size_t>(k)] =
            tableau[static_cast<std::size_t>(reserve[static_cast<std::size_t>(j)])];
        reserve[static_cast<std::size_t>(j)] = reserve[static_cast<std::size_t>(n - 1 - k)];
    }
    tableau = std::move(melange);
}

// --- DerangeSiEnOrdre ---

void iEngineSceneGlobale::DerangeSiEnOrdre(std::vector<String>& mots) const {
    // The cards are dealt in rows, read as the check reads them: in the order of the list.
    const auto acceptee = [this](const std::vector<String>& essai) {
        String lue;
        for (const String& mot : essai) {
            lue += mot;
        }
        return OrdreAccepte(SansEspaces(lue));
    };
    if (!acceptee(mots)) {
        return;
    }
    const std::vector<String> donne = mots;
    // A child praised for pressing OK on the deal learns nothing. The cards turn by one place,
    // and again, so that the generator gives the same next boards for a seed.
    for (std::size_t tour = 1; tour < mots.size(); ++tour) {
        std::rotate(mots.begin(), mots.begin() + 1, mots.end());
        if (!acceptee(mots)) {
            return;
        }
    }
    // Every turn reads as an accepted order (two clauses that swap): the other orders, each
    // distinct one once; only a few of them can read as one of the four accepted orders.
    std::vector<String> essai = mots;
    std::sort(essai.begin(), essai.end());
    do {
        if (!acceptee(essai)) {
            mots = std::move(essai);
            return;
        }
    } while (std::next_permutation(essai.begin(), essai.end()));
    mots = donne;
}
