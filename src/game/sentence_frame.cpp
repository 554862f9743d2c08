// The sentence frame of the build-a-sentence game: the row of word cards, its order and the
// forms its captions take as the words meet.
//
// Index:
//   the row: layout and analysis
//   CopieEtiquette     a word moved inside the frame
//   TrouvePersos       "à" + "le monsieur" = "au monsieur"
//   DecomposePhrase    captions of a sentence
#include <algorithm>

#include "framework/bitmap_font.h"
#include "framework/playfield.h"
#include "game/tag_scene.h"
#include "gui/text_field.h"
#include "sentence/agreement.h"
#include "sentence/lexicon.h"
#include "sentence/sentence_check.h"

using platform::Contains;
using platform::EndsWith;
using platform::StartsWith;

namespace {

// The words keep this far from the canvas's left and right edges: inside the frame's border.
constexpr float MargeDuCadre = 30;
// Of the 10 blank pixels before a word card's caption, what the card before it may cover.
constexpr float MargeLegende = 8;
// A shrunk caption keeps this far from the edges of the part of its card in sight.
constexpr float MargeVisible = 5;

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

// The frame's cards drawn in reverse reading order, each caption over its own card: a card
// that lies partly under the one before it is drawn first, as the press on it is taken by the
// card before (the lowest index under the pointer), so what the child sees is what it takes.
void EmpileLeCadre(iPlayfield* playfield, const ListeEtiquettes& cartes) {
    if (!playfield) {
        return;
    }
    for (const auto& page : playfield->guiPages) {
        if (!page) {
            continue;
        }
        std::vector<std::shared_ptr<iGuiObject>> ordre;
        for (auto carte = cartes.rbegin(); carte != cartes.rend(); ++carte) {
            if (*carte && page->IndexOf(carte->get()) >= 0) {
                ordre.push_back(*carte);
                if ((*carte)->legende && page->IndexOf((*carte)->legende.get()) >= 0) {
                    ordre.push_back((*carte)->legende);
                }
            }
        }
        std::vector<int> rangs;
        for (const auto& widget : ordre) {
            rangs.push_back(page->IndexOf(widget.get()));
        }
        std::sort(rangs.begin(), rangs.end());
        for (std::size_t k = 0; k < rangs.size(); ++k) {
            page->array[static_cast<std::size_t>(rangs[k])] = ordre[k];
        }
    }
}

} // namespace

// --- the rows: layout and analysis ---

std::vector<iEngineEtiq::PlaceDeMot> iEngineEtiq::PlacesDesMots() const {
    const int n = std::min(nombrePlacees, static_cast<int>(etiquettesMots.size()));
    std::vector<float> largeurs;
    for (int i = 0; i < n; ++i) {
        // Resting widths: a word may still be popping.
        largeurs.push_back(etiquettesMots[i] ? etiquettesMots[i]->LargeurAuRepos() : 0.0f);
    }
    std::vector<PlaceDeMot> places(static_cast<std::size_t>(n));
    if (n == 0) {
        return places;
    }
    // Every row starts where the first word starts: centred at x 100, or further right for a
    // word too wide to stand there inside the frame.
    const float gauche = std::max(RangeeGauche - largeurs[0] / 2, MargeDuCadre);
    const float droite = static_cast<float>(CanvasWidth) - MargeDuCadre;
    // The words laid in at most `rangees` rows, each after the first of its row `serrage`
    // closer to the card before than the 4-pixel gap would put it, and taking at most `pas` of
    // the row's length (the rest of it under the card before); false when they do not all fit.
    const auto pose = [&](float serrage, float pas, int rangees, float y0, float dy) {
        int rangee = 0;
        float bout = 0;
        for (int i = 0; i < n; ++i) {
            const float w = largeurs[static_cast<std::size_t>(i)];
            bool premier = i == 0;
            float fin = premier ? gauche + w
                                : std::max(bout + std::min(w + RangeeEcart - serrage, pas),
                                           gauche + w);
            if (!premier && fin > droite) {
                if (++rangee == rangees) {
                    return false;
                }
                premier = true;
                fin = gauche + w;
            }
            PlaceDeMot& place = places[static_cast<std::size_t>(i)];
            place.x = fin - w / 2;
            place.y = y0 + dy * static_cast<float>(rangee);
            place.gaucheVisible = premier ? gauche : std::max(fin - w, bout);
            place.droite = fin;
            bout = fin;
        }
        return true;
    };
    const float pleinPas = *std::max_element(largeurs.begin(), largeurs.end()) + RangeeEcart;
    if (pose(0, pleinPas, 1, RangeeUniqueY, 0)) {
        return places;
    }
    const auto deuxRangees = [&](float serrage, float pas) {
        return pose(serrage, pas, 2, RangeeHauteY, RangeeBasseY - RangeeHauteY);
    };
    // Two rows. A crowded frame first closes the gaps and lays each card over the blank margin
    // before the next card's caption, which every caption keeps whole; then it narrows the part
    // in sight of the widest cards, until the last word is inside the frame and within reach.
    constexpr float SerrageLibre = RangeeEcart + MargeLegende;
    for (float serrage = 0; serrage <= SerrageLibre; serrage += 1) {
        if (deuxRangees(serrage, pleinPas)) {
            return places;
        }
    }
    for (float pas = pleinPas; pas > 1; pas -= 1) {
        if (deuxRangees(SerrageLibre, pas)) {
            return places;
        }
    }
    deuxRangees(SerrageLibre, 1);
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
        const PlaceDeMot& place = places[static_cast<std::size_t>(i)];
        tag.origineX = place.x;
        tag.origineY = place.y;
        // A caption that the card before would cover shrinks into the part in sight, whole.
        const float ecrit = tag.legende && tag.legende->font
                                ? tag.legende->font->TextWidth(Legende(tag))
                                : 0.0f;
        const float enVue = place.droite - place.gaucheVisible - 2 * MargeVisible;
        const bool couverte = place.gaucheVisible + MargeVisible > place.x - ecrit / 2;
        tag.echelleLegende = couverte && ecrit > enVue && ecrit > 0 ? enVue / ecrit : 1.0f;
        tag.decalageX = couverte ? (place.gaucheVisible + place.droite) / 2 - place.x : 0.0f;
        if (tag.legende) {
            tag.legende->SetScale(tag.echelleLegende);
        }
    }
    tag.x = tag.origineX;
    tag.y = tag.origineY;
    tag.PlaceLegende();
    // Where the end of a pop puts it, shrunk or not.
    tag.LegendeAuDessus();
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
    EmpileLeCadre(playfieldPrincipal.get(), etiquettesMots);
}

int iEngineEtiq::MotsAvant(float x, float y, int sauf) const {
    const auto places = PlacesDesMots();
    const int n = static_cast<int>(places.size());
    const bool deuxRangees = n > 0 && places.back().y == RangeeBasseY;
    // With two rows, the lower half of the frame is the second row.
    const auto rangee = [&](float py) {
        return deuxRangees && py > (RangeeHauteY + RangeeBasseY) / 2 ? 1 : 0;
    };
    int avant = 0;
    for (int i = 0; i < n; ++i) {
        if (i == sauf || !etiquettesMots[i]) {
            continue;
        }
        const PlaceDeMot& mot = places[static_cast<std::size_t>(i)];
        const int r = rangee(mot.y);
        avant += r < rangee(y) || (r == rangee(y) && (mot.gaucheVisible + mot.droite) / 2 < x);
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

String iEngineEtiq::TexteDuCadre() const {
    const int n = std::min(nombrePlacees, static_cast<int>(etiquettesMots.size()));
    String lue;
    for (int i = 0; i < n; ++i) {
        if (etiquettesMots[i]) {
            lue += (lue.empty() ? u"" : u" ") + Legende(*etiquettesMots[i]);
        }
    }
    return lue;
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
