// The word and sentence card.
//
// Index:
//   set-up: body and caption
//   slide-in and pop
//   show, hide, copy
//   pointer test
#include "gui/word_tag.h"

#include <algorithm>
#include <cmath>

#include "framework/bitmap_font.h"
#include "framework/shared_assets.h"
#include "gui/text_field.h"
#include "platform/audio.h"
#include "platform/text.h"
#include "sentence/vocabulary.h"

namespace {

constexpr float CaptionRed = 20;
constexpr float CaptionGreen = 20;
constexpr float CaptionBlue = 20;
constexpr float CaptionMargin = 20;
constexpr float SlideHeight = 200;
constexpr float SlideStep = 17;
constexpr float SlideOvershoot = 4;
constexpr int CaptionAbovePercent = -15;

// Width of a text in the caption's font at scale 1, plus the card's margins.
float FittedWidth(const iGuiTextField& caption, const String& text) {
    const float measured = caption.font ? caption.font->TextWidth(text, 1.0f) : 0.0f;
    return measured + CaptionMargin;
}

} // namespace

// --- set-up: body and caption ---

void iGuiEtiquette::Initialise(const platform::ImagePtr& picture, int number, float px, float py,
                               float r, float g, float b, bool useOwnColour) {
    image = picture;
    if (useOwnColour) {
        SetColor(r, g, b);
    } else {
        SetColor(NeutreRouge, NeutreVert, NeutreBleu);
    }
    couleurBleu = static_cast<int>(b);
    couleurRouge = static_cast<int>(r);
    couleurVert = static_cast<int>(g);
    SetMouseOverColor(100, 100, 100);
    MidHandle();
    numero = number;
    x = origineX = px;
    y = origineY = py;
}

void iGuiEtiquette::PrepareLegende(const std::shared_ptr<iBitmapFont>& font, const String& text,
                                   float offsetX, float offsetY, float captionWidth) {
    if (!legende) {
        return;
    }
    legende->SetFont(font);
    legende->MidHandle();
    legende->SetCentred(false);
    decalageX = offsetX;
    decalageY = offsetY;
    legende->SetText(text);
    if (captionWidth == 0) {
        captionWidth = FittedWidth(*legende, text);
    }
    legende->SetWidth(captionWidth);
    legende->SetColor(CaptionRed, CaptionGreen, CaptionBlue);
    PlaceLegende();
}

void iGuiEtiquette::PlaceLegende() {
    if (legende) {
        legende->x = x + decalageX;
        legende->y = y + decalageY;
    }
}

void iGuiEtiquette::ImageAuCentre() {
    if (image) {
        handleX = image->Width() / 2;
        handleY = image->Height() / 2;
    }
}

void iGuiEtiquette::LegendeEchelle(float scale) {
    if (legende) {
        legende->SetScale(scale);
    }
}

void iGuiEtiquette::EcritLegendeEn(const std::shared_ptr<iBitmapFont>& font) {
    if (legende && font) {
        legende->SetFont(font);
        // Lines wrapped in the former font would stay otherwise.
        legende->lines.reset();
    }
}

std::shared_ptr<iBitmapFont> PoliceCommune(const std::vector<std::shared_ptr<iBitmapFont>>& polices,
                                           const std::vector<String>& textes, float largeur,
                                           float hauteur) {
    const auto tient = [&](const iBitmapFont& police) {
        return std::all_of(textes.begin(), textes.end(), [&](const String& texte) {
            const StringList lignes = WordWrap(&police, platform::TruncToInt(largeur), texte);
            const bool etroites =
                std::all_of(lignes.begin(), lignes.end(), [&](const String& ligne) {
                    return police.TextWidth(platform::Trim(ligne)) <= largeur;
                });
            return etroites && static_cast<float>(lignes.size()) * police.height <= hauteur;
        });
    };
    std::shared_ptr<iBitmapFont> derniere;
    for (const auto& police : polices) {
        if (!police || police->height <= 0) {
            continue;
        }
        if (tient(*police)) {
            return police;
        }
        derniere = police;
    }
    return derniere;
}

void iGuiEtiquette::LegendeAuDessus() {
    if (legende) {
        legende->SetPositionRelative(0, CaptionAbovePercent, *this);
        legende->x += decalageX;
        legende->SetCentred(true);
    }
}

// --- slide-in and pop ---

void iGuiEtiquette::Glisse() {
    if (!enGlissement) {
        y = origineY - SlideHeight;
        enGlissement = true;
        MontreAvecLegende();
    }
    if (y < origineY + SlideOvershoot) {
        y += SlideStep;
    } else {
        enGlissement = false;
        y = origineY;
    }
    PlaceLegende();
    if (legende) {
        legende->SetPositionRelative(0, 0, *this);
    }
}

void iGuiEtiquette::Grossit() {
    const float s = scaleY;
    if (etatZoom == 0 && s == 1.0f) {
        etatZoom = 1;
        scaleY = 0.1f;
        scaleX = echelle * 0.1f;
        LegendeEchelle(0.1f);
        if (legende) {
            legende->x = x + decalageX * 0.1f;
            legende->y = y + decalageY * 0.1f;
            legende->SetCentred(false);
        }
        return;
    }
    if (etatZoom == 1 && s > 1.05f) {
        etatZoom = 2;
        return;
    }
    if (etatZoom == 2 && s <= 1.0f) {
        scaleX = echelle;
        scaleY = 1.0f;
        LegendeEchelle(echelleLegende);
        PlaceLegende();
        LegendeAuDessus();
        etatZoom = 0;
        aGrossir = false;
        // In the word-order game every word card lands with a pop.
        if (modedejeu == 2 && sonpop1) {
            platform::PlaySound(sonpop1, 0, 0);
        }
        return;
    }
    if (etatZoom == 1) {
        scaleX = echelle * s + 0.1f;
        scaleY = s + 0.1f;
        LegendeEchelle(s + 0.2f);
    } else if (etatZoom == 2) {
        scaleX = echelle * s - 0.05f;
        scaleY = s - 0.05f;
        LegendeEchelle(s - 0.1f);
    } else {
        return;
    }
    MidHandle();
    if (legende) {
        legende->MidHandle();
    }
    LegendeAuDessus();
}

// --- show, hide, copy ---

void iGuiEtiquette::MontreAvecLegende() {
    SetStatus(1);
    if (legende) {
        legende->SetStatus(1);
    }
}

void iGuiEtiquette::CacheAvecLegende() {
    status = 0;
    if (legende) {
        legende->status = 0;
    }
}

void iGuiEtiquette::BasculeVisible() {
    if (status == 1) {
        CacheAvecLegende();
    } else if (!verrouillee) {
        MontreAvecLegende();
    }
}

void iGuiEtiquette::AfficheTexte(const iGuiEtiquette& source) {
    MontreAvecLegende();
    EcritTexte(source, false);
}

void iGuiEtiquette::EcritTexte(const iGuiEtiquette& source, bool keepColour) {
    image = source.image;
    x = source.x;
    y = source.y;
    origineX = source.origineX;
    origineY = source.origineY;
    handleX = source.handleX;
    handleY = source.handleY;
    if (keepColour) {
        SetColor(source.red, source.green, source.blue);
        couleurRouge = source.couleurRouge;
        couleurVert = source.couleurVert;
        couleurBleu = source.couleurBleu;
    } else {
        SetColor(255, 255, 255);
        couleurRouge = couleurVert = couleurBleu = 255;
    }
    decalageX = source.decalageX;
    decalageY = source.decalageY;
    numero = source.numero;
    SetMouseOverColor(source.mouseOverRed, source.mouseOverGreen, source.mouseOverBlue);
    scaleX = source.scaleX;
    scaleY = source.scaleY;
    echelle = source.echelle;
    echelleLegende = source.echelleLegende;
    texte = source.texte;
    if (!legende || !source.legende) {
        return;
    }
    const iGuiTextField& from = *source.legende;
    legende->handleX = from.handleX;
    legende->handleY = from.handleY;
    legende->SetFont(fontoregano30);
    legende->SetText(from.GetText());
    legende->x = from.x;
    legende->y = from.y;
    legende->SetWidth(from.Width());
    legende->SetHeight(1);
    legende->SetColor(from.red, from.green, from.blue);
    legende->SetCentred(from.centred);

    // A bank card carries a placeholder for what the verb needs; in the sentence it reads as
    // the verb alone, and the body shrinks to it.
    const String& caption = from.GetText();
    const bool porteHabit =
        platform::EndsWith(source.texte, u"wear") && platform::EndsWith(caption, u" [habit]");
    const bool porteQuelquUn = platform::EndsWith(source.texte, u"epaules") &&
                               platform::EndsWith(caption, u" [quelqu'un]");
    if (porteHabit || porteQuelquUn) {
        legende->SetText(u"porte");
        AjusteALaLegende();
    }
}

void iGuiEtiquette::AjusteALaLegende() {
    if (!legende || !image || image->Width() <= 0) {
        return;
    }
    const float fitted = FittedWidth(*legende, legende->GetText());
    if (legende->Width() != fitted) {
        legende->SetWidth(fitted);
        // Centred on the card whatever its new width.
        legende->handleX = platform::TruncToInt(fitted * 0.5f);
    }
    echelle = fitted / static_cast<float>(image->Width());
    scaleX = echelle * scaleY;
    PlaceLegende();
}

void iGuiEtiquette::EffaceTexte() {
    CacheAvecLegende();
    if (legende) {
        legende->SetText(u"");
    }
    texte.clear();
}

float iGuiEtiquette::LargeurAuRepos() const {
    if (!image || width != 0) {
        return Width();
    }
    return static_cast<float>(image->Width()) * echelle;
}

// --- pointer test ---

bool iGuiEtiquette::EstTouchee() const {
    if (status != 1) {
        return false;
    }
    const float halfW = Width() / 2;
    const float halfH = Height() / 2;
    const float px = PointerX();
    const float py = PointerY();
    return x - halfW - 8 < px && px < x + halfW + 8 && y - halfH - 4 < py && py < y + halfH + 8;
}
