// The sentence frame of the build-a-sentence game: the row of word cards, its order and the
// forms its captions take as the words meet.
//
// Index:
//   the row: layout and analysis
//   CopieEtiquette     a word moved inside the frame
//   TrouvePersos       "à" + "le monsieur" = "au monsieur"
//   DecomposePhrase    captions of a sentence
#include <algorithm>

#include "game/tag_scene.h"
#include "gui/text_field.h"
#include "sentence/agreement.h"
#include "sentence/lexicon.h"
#include "sentence/sentence_check.h"

using platform::Contains;
using platform::EndsWith;
using platform::StartsWith;

namespace {

String Legende(const iGuiEtiquette& tag) { return tag.legende ? tag.legende->GetText() : String(); }

void EcritLegende(iGuiEtiquette& tag, const String& text) {
    if (tag.legende && tag.legende->GetText() != text) {
        tag.legende->SetText(text);
    }
}

// A person whose article is "le" contracts with "à".
bool ArticleContractable(const String& code) {
    return StartsWith(code, u"perso_") && StartsWith(LegendeDeMot(code), u"le ");
}

bool EstA(const String& code) { return Contains(code, u"à"); }

// The colours whose written form changes after a feminine noun (bleue, verte, ...).
bool CouleurQuiSAccorde(const String& code) {
    return code == u"bleu" || code == u"vert" || code == u"gris" || code == u"violet" ||
           code == u"blanc";
}

} // namespace

// --- the row: layout and analysis ---

void iEngineEtiq::PlaceDansLeCadre(int i) {
    if (i < 0 || i >= static_cast<int>(etiquettesMots.size()) || !etiquettesMots[i]) {
        return;
    }
    iGuiEtiquette& tag = *etiquettesMots[i];
    tag.MontreAvecLegende();
    tag.origineX = CadreGauche;
    if (i > 0 && etiquettesMots[i - 1]) {
        const iGuiEtiquette& before = *etiquettesMots[i - 1];
        // Resting widths: a neighbour may still be popping.
        tag.origineX =
            before.origineX + before.LargeurAuRepos() / 2 + tag.LargeurAuRepos() / 2 + CadreEcart;
    }
    tag.origineY = CadreY;
    tag.x = tag.origineX;
    tag.y = tag.origineY;
    tag.PlaceLegende();
}

String iEngineEtiq::AnalyseCadre() {
    const int count = std::clamp(nombrePlacees, 0, static_cast<int>(etiquettesMots.size()));
    StringArray codes;
    codes.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        codes.push_back(etiquettesMots[i] ? etiquettesMots[i]->texte : String());
    }
    // An empty frame has no last word: the analysis then only resets the structure.
    return AnalysePhrase(count - 1, codes, structurePhrase);
}

// --- CopieEtiquette ---

void iEngineEtiq::CopieEtiquette() {
    const int n = std::min(nombrePlacees, static_cast<int>(etiquettesMots.size()));
    const int d = indiceSaisie;
    if (d < 0 || d >= n) {
        return;
    }
    auto moved = etiquettesMots[d];
    const float dropX = moved->x;
    // Left of the first word's right edge the word comes first; elsewhere it follows every
    // other word whose centre lies left of the drop.
    int place = 0;
    const iGuiEtiquette& first = *etiquettesMots[0];
    if (d == 0 || dropX >= first.x + first.LargeurAuRepos() / 2) {
        for (int i = 0; i < n; ++i) {
            place += i != d && etiquettesMots[i]->x < dropX;
        }
    }
    if (place == d) {
        moved->x = moved->origineX;
        moved->y = moved->origineY;
        moved->PlaceLegende();
        return;
    }
    const auto from = etiquettesMots.begin() + d;
    const auto to = etiquettesMots.begin() + place;
    if (place < d) {
        std::rotate(to, from, from + 1);
    } else {
        std::rotate(from, from + 1, to + 1);
    }
    for (int i = std::min(d, place); i < n; ++i) {
        PlaceDansLeCadre(i);
    }
    indiceAGrossir = place;
    moved->aGrossir = true;
    moved->etatZoom = 0;
    AnalyseCadre();
}

// --- TrouvePersos ---

void iEngineEtiq::TrouvePersos(ListeEtiquettes& tags, int count) {
    count = std::min(count, static_cast<int>(tags.size()));
    for (int i = 0; i < count; ++i) {
        if (!tags[i]) {
            continue;
        }
        iGuiEtiquette& tag = *tags[i];
        if (EstA(tag.texte)) {
            const bool contracte =
                i + 1 < count && tags[i + 1] && ArticleContractable(tags[i + 1]->texte);
            EcritLegende(tag, contracte ? u"au" : u"à");
        } else if (ArticleContractable(tag.texte)) {
            const bool apresA = i > 0 && tags[i - 1] && EstA(tags[i - 1]->texte);
            const String complet = LegendeDeMot(tag.texte);
            // "le monsieur" without its "le ".
            EcritLegende(tag, apresA ? complet.substr(3) : complet);
        }
    }
}

// --- DecomposePhrase ---

void iEngineEtiq::DecomposePhrase() {
    const int n = std::min(nombrePlacees, static_cast<int>(etiquettesMots.size()));
    if (n < 1) {
        return;
    }
    TrouvePersos(etiquettesMots, n);
    for (int i = 0; i < n; ++i) {
        iGuiEtiquette& tag = *etiquettesMots[i];
        String text = Legende(tag);
        if (EndsWith(text, u".")) {
            text.pop_back();
        }
        text = CasePremiereLettre(false, text);
        if (i > 0 && CouleurQuiSAccorde(tag.texte)) {
            text = AccordeCouleur(tag.texte, etiquettesMots[i - 1]->texte);
        }
        EcritLegende(tag, text);
    }
    iGuiEtiquette& first = *etiquettesMots[0];
    EcritLegende(first, CasePremiereLettre(true, Legende(first)));
    iGuiEtiquette& last = *etiquettesMots[n - 1];
    if (VerifiePhrase().empty() && !EndsWith(Legende(last), u".")) {
        EcritLegende(last, Legende(last) + u".");
    }
}
