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

// The words keep this far from the canvas's left and right edges.
constexpr float MargeDuCadre = 16;

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

// --- the rows: layout and analysis ---

std::vector<std::pair<float, float>> iEngineEtiq::PlacesDesMots() const {
    const int n = std::min(nombrePlacees, static_cast<int>(etiquettesMots.size()));
    std::vector<float> largeurs;
    for (int i = 0; i < n; ++i) {
        // Resting widths: a word may still be popping.
        largeurs.push_back(etiquettesMots[i] ? etiquettesMots[i]->LargeurAuRepos() : 0.0f);
    }
    const float droite = static_cast<float>(CanvasWidth) - MargeDuCadre;
    // The centres of the words from `debut` on, on a row that starts at x 100 (further right
    // for a word wider than 200), each next one 4 pixels after the one before.
    const auto rangee = [&](int debut, int fin) {
        std::vector<float> centres;
        for (int i = debut; i < fin; ++i) {
            const float w = largeurs[static_cast<std::size_t>(i)];
            centres.push_back(i == debut ? std::max(RangeeGauche, w / 2 + MargeDuCadre)
                                         : centres.back() + largeurs[i - 1] / 2 + w / 2 +
                                               RangeeEcart);
        }
        return centres;
    };
    const std::vector<float> toutes = rangee(0, n);
    // The first row takes every word that fits; the second row the rest.
    int coupure = 0;
    while (coupure < n && toutes[coupure] + largeurs[coupure] / 2 <= droite) {
        ++coupure;
    }
    std::vector<std::pair<float, float>> places;
    for (int i = 0; i < coupure; ++i) {
        places.emplace_back(toutes[i], coupure == n ? RangeeUniqueY : RangeeHauteY);
    }
    if (coupure == n) {
        return places;
    }
    // A second row too long for the canvas draws its words closer, overlapping if need be,
    // so that the last one stays inside and within reach.
    const std::vector<float> seconde = rangee(coupure, n);
    const float premier = seconde.front();
    const float dernier = seconde.back();
    const float butee = droite - largeurs.back() / 2;
    const float serrement =
        dernier > butee && dernier > premier ? (butee - premier) / (dernier - premier) : 1.0f;
    for (const float centre : seconde) {
        places.emplace_back(premier + (centre - premier) * serrement, RangeeBasseY);
    }
    return places;
}

void iEngineEtiq::PlaceDansLeCadre(int i) {
    if (i < 0 || i >= static_cast<int>(etiquettesMots.size()) || !etiquettesMots[i]) {
        return;
    }
    iGuiEtiquette& tag = *etiquettesMots[i];
    tag.MontreAvecLegende();
    const auto places = PlacesDesMots();
    if (i < static_cast<int>(places.size())) {
        tag.origineX = places[static_cast<std::size_t>(i)].first;
        tag.origineY = places[static_cast<std::size_t>(i)].second;
    }
    tag.x = tag.origineX;
    tag.y = tag.origineY;
    tag.PlaceLegende();
}

void iEngineEtiq::DisposeLeCadre() {
    const int n = std::min(nombrePlacees, static_cast<int>(etiquettesMots.size()));
    for (int i = 0; i < n; ++i) {
        if (etiquettesMots[i]) {
            etiquettesMots[i]->AjusteALaLegende();
        }
    }
    for (int i = 0; i < n; ++i) {
        PlaceDansLeCadre(i);
    }
}

int iEngineEtiq::MotsAvant(float x, float y, int sauf) const {
    const int n = std::min(nombrePlacees, static_cast<int>(etiquettesMots.size()));
    const bool deuxRangees = n > 0 && etiquettesMots[n - 1] &&
                             etiquettesMots[n - 1]->origineY == RangeeBasseY;
    // With two rows, the lower half of the frame is the second row.
    const auto rangee = [&](float py) {
        return deuxRangees && py > (RangeeHauteY + RangeeBasseY) / 2 ? 1 : 0;
    };
    int avant = 0;
    for (int i = 0; i < n; ++i) {
        if (i == sauf || !etiquettesMots[i]) {
            continue;
        }
        const iGuiEtiquette& mot = *etiquettesMots[i];
        const int r = rangee(mot.origineY);
        avant += r < rangee(y) || (r == rangee(y) && mot.origineX < x);
    }
    return avant;
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
    // other word read before the drop.
    int place = MotsAvant(dropX, moved->y, d);
    const iGuiEtiquette& first = *etiquettesMots[0];
    if (d != 0 && place <= 1 && dropX < first.x + first.LargeurAuRepos() / 2) {
        place = 0;
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
    DisposeLeCadre();
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
    // The markers that tell a toy elephant from a real one, only while both are in the
    // sentence, as on a board.
    String lue;
    for (int i = 0; i < n; ++i) {
        lue += LegendeDeMot(etiquettesMots[i]->texte) + u" ";
    }
    const bool reperes = SansReperesElephants(lue) == lue;
    for (int i = 0; i < n; ++i) {
        iGuiEtiquette& tag = *etiquettesMots[i];
        String text = Legende(tag);
        if (Contains(tag.texte, u"elephant")) {
            text = LegendeDeMot(tag.texte);
            text = reperes ? text : SansReperesElephants(text);
        }
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
    DisposeLeCadre();
}
