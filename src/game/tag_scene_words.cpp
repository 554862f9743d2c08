// Rows of word cards, and the captions a child reads on them.
#include <algorithm>
#include <initializer_list>

#include "framework/playfield.h"
#include "framework/shared_assets.h"
#include "game/tag_scene.h"
#include "gui/text_field.h"
#include "platform/random.h"
#include "sentence/lexicon.h"

using platform::EndsWith;
using platform::StartsWith;

namespace {

struct Couleur {
    float r, g, b;
};

// The card colour of a word code, by the first category whose prefix the code starts with.
struct Categorie {
    std::initializer_list<const char16_t*> prefixes;
    Couleur couleur;
};

const Categorie Categories[] = {
    {{u"perso_"}, {140, 200, 255}},
    {{u"i_", u"po_", u"oum_", u"odm_", u"ouodm_", u"a_", u"p_", u"h_"}, {255, 200, 200}},
    {{u"qui", u"à", u"sur"}, {255, 255, 155}},
    {{u"habit"}, {255, 210, 255}},
    {{u"chapeau"}, {255, 190, 235}},
    {{u"unemain"}, {220, 255, 220}},
    {{u"deuxmains"}, {170, 255, 180}},
    {{u"animal"}, {230, 180, 140}},
};
// Colours and the other words.
constexpr Couleur Blanc{255, 255, 255};

Couleur CouleurDeCategorie(const String& code) {
    for (const Categorie& categorie : Categories) {
        for (const char16_t* prefix : categorie.prefixes) {
            if (StartsWith(code, prefix)) {
                return categorie.couleur;
            }
        }
    }
    return Blanc;
}

// Sentence pieces of the word-order game get pale colours, each channel drawn in turn.
Couleur CouleurPale() {
    Couleur pale{};
    for (float* channel : {&pale.r, &pale.g, &pale.b}) {
        *channel = 220 + 35 * platform::RandomFloat();
    }
    return pale;
}

// Throwing at or to somebody gets no card: the bank offers the words "sur" and "à" instead.
bool SansEtiquette(const String& code) { return code == u"p_lancer sur" || code == u"p_lancer a"; }

constexpr float CaptionOffsetY = -8;
constexpr int CaptionAbovePercent = -15;
constexpr float RightMargin = 100;
constexpr float WrappedX = 100;
constexpr float RowHeight = 60;

} // namespace

String LegendeDeMot(const String& code) {
    return LegendeDeMot(code, MotFrancais(false, true, code));
}

String LegendeDeMot(const String& code, const String& motFrancais) {
    // What the verb needs, then the feminine ending of colours.
    static const std::pair<const char16_t*, const char16_t*> Suffixes[] = {
        {u"wear", u" [habit]"}, {u"portersurepaules", u" [quelqu'un]"},
        {u"bleu", u"(e)"},      {u"vert", u"(e)"},
        {u"gris", u"(e)"},      {u"violet", u"(te)"},
        {u"blanc", u"(he)"},
    };
    String text = motFrancais;
    for (const auto& [ending, suffix] : Suffixes) {
        if (EndsWith(code, ending)) {
            text += suffix;
        }
    }
    // Persons are the ones we know ("le monsieur"); things and animals are any of their kind.
    const bool masculin = EndsWith(code, u"_m");
    const bool feminin = EndsWith(code, u"_f");
    if (StartsWith(code, u"perso_")) {
        if (masculin) {
            return (StartsWith(text, u"homme") ? u"l'" : u"le ") + text;
        }
        return feminin ? u"la " + text : text;
    }
    if (masculin) {
        return u"un " + text;
    }
    return feminin ? u"une " + text : text;
}

int iEngineEtiq::FabriqueEtiquettes(ListeEtiquettes& list, int startIndex,
                                    const std::vector<String>& words,
                                    const std::shared_ptr<iPlayfield>& playfield,
                                    bool categoryCaptions, bool useOwnColour, float x0, float y0,
                                    float gap) {
    const iPlayfield* canvas = playfieldPrincipal ? playfieldPrincipal.get() : playfield.get();
    const float canvasWidth = canvas ? canvas->Width() : static_cast<float>(CanvasWidth);
    const float imageWidth = imageEtiquette ? static_cast<float>(imageEtiquette->Width()) : 0;
    int i = std::max(startIndex, 0);
    for (const String& word : words) {
        if (SansEtiquette(word)) {
            continue;
        }
        float left = x0;
        float top = y0;
        const std::size_t before = static_cast<std::size_t>(i) - 1;
        if (i > 0 && before < list.size() && list[before]) {
            const iGuiEtiquette& previous = *list[before];
            left = previous.x + previous.Width() / 2 + gap;
            top = previous.y;
        }
        auto tag = std::make_shared<iGuiEtiquette>();
        tag->New();
        if (static_cast<int>(list.size()) <= i) {
            list.resize(static_cast<std::size_t>(i) + 1);
        }
        list[static_cast<std::size_t>(i)] = tag;
        tag->SetPlayfield(playfield);
        tag->texte = word;
        const Couleur couleur = categoryCaptions ? CouleurDeCategorie(word) : CouleurPale();
        tag->Initialise(imageEtiquette, i, left, top, couleur.r, couleur.g, couleur.b,
                        useOwnColour);

        auto caption = std::make_shared<iGuiTextField>();
        caption->New();
        tag->legende = caption;
        caption->SetPlayfield(playfield);
        tag->PrepareLegende(fontoregano30, categoryCaptions ? LegendeDeMot(word) : word, 0,
                            CaptionOffsetY, 0);
        // The body is stretched to its caption.
        tag->echelle = imageWidth > 0 ? caption->Width() / imageWidth : 1.0f;
        tag->scaleX = tag->echelle;
        tag->x = left + tag->Width() / 2;
        if (tag->x + tag->Width() / 2 > canvasWidth - RightMargin) {
            tag->x = WrappedX;
            tag->y += RowHeight;
        }
        tag->PlaceLegende();
        caption->SetPositionRelative(0, CaptionAbovePercent, *tag);
        caption->SetCentred(true);
        tag->origineX = tag->x;
        tag->origineY = tag->y;
        ++i;
    }
    return i;
}
