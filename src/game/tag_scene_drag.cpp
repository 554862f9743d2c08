// Dragging cards: grab, follow the pointer, release.
//
// Index:
//   DeplaceEtiquettes   one frame of the drag of one list
//   SaisitEtiquette     grab or move
//   LacheEtiquette      the release
//   RemetEtiquette      a drop with no place
#include <algorithm>

#include "framework/playfield.h"
#include "framework/shared_assets.h"
#include "game/tag_scene.h"
#include "gui/text_field.h"
#include "platform/audio.h"
#include "platform/diag.h"
#include "platform/input.h"

namespace {

constexpr int LeftButton = 1;
constexpr int TouchZero = platform::TouchBase;
// The card's centre stays this far inside every edge of the canvas.
constexpr float CanvasInset = 4;
// A held card shrinks to this scale, by this step per frame.
constexpr float HeldScale = 0.95f;
constexpr float HeldStep = 0.005f;
constexpr float FadedAlpha = 0.2f;
constexpr int DropChannel = 3;

iGuiEtiquette* At(ListeEtiquettes& list, int index) {
    if (index < 0 || index >= static_cast<int>(list.size())) {
        return nullptr;
    }
    return list[static_cast<std::size_t>(index)].get();
}

void SetAlphaWithCaption(iGuiEtiquette& tag, float value) {
    tag.alpha = value;
    if (tag.legende) {
        tag.legende->alpha = value;
    }
}

void SetZWithCaption(iGuiEtiquette& tag, float value) {
    tag.z = value;
    if (tag.legende) {
        tag.legende->z = value;
    }
}

void CentreHandles(iGuiEtiquette& tag) {
    if (tag.image) {
        tag.handleX = tag.image->Width() / 2;
        tag.handleY = tag.image->Height() / 2;
    }
    if (tag.legende) {
        tag.legende->MidHandle();
    }
}

} // namespace

int iEngineEtiq::DeplaceEtiquettes(ListeEtiquettes& list, int listNumber) {
    int result = 0;
    if (platform::KeyDown(LeftButton) || listeSaisie >= 1) {
        if (SaisitEtiquette(list, listNumber)) {
            result = 1;
        }
    }
    if (platform::KeyDown(TouchZero) || platform::TouchHits(0) > 0 ||
        listeEtiquetteSaisie != listNumber) {
        return result;
    }
    LacheEtiquette(list);
    return 2;
}

bool iEngineEtiq::SaisitEtiquette(ListeEtiquettes& list, int listNumber) {
    bool found = false;
    const int count = static_cast<int>(list.size());
    for (int i = 0; i < count; ++i) {
        iGuiEtiquette* tag = At(list, i);
        if (!tag) {
            continue;
        }
        const bool candidate = (tag->status == 1 && tag->EstTouchee()) || listeSaisie == listNumber;
        if (!candidate) {
            SetZWithCaption(*tag, 1.0f);
            continue;
        }
        found = true;
        const int followed = derniereSaisie;
        if (listeSaisie == 0) {
            platform::Print(platform::Str(static_cast<double>(tag->x)) + u" " +
                            platform::Str(static_cast<double>(tag->y)) +
                            u" = le no de l'etiquetteabouger " + platform::Str(i));
        }
        listeSaisie = listNumber;
        // Once a drag is under way, only the card that follows the pointer moves.
        if (followed != i && followed <= count - 1) {
            continue;
        }
        platform::Print(u" <boucleetiq = un test = cliquetiquette > " + platform::Str(i));
        if (tag->scaleY > HeldScale) {
            // Lifted, a card shows all of itself: a caption moved into the part of it in sight
            // comes back to its middle (the frame places it again when it is let go).
            tag->decalageX = 0;
            const float s = tag->scaleY;
            tag->scaleY = s - HeldStep;
            tag->scaleX = tag->echelle * s - HeldStep;
            if (tag->legende) {
                tag->legende->SetScale(s - 2 * HeldStep);
            }
            CentreHandles(*tag);
        }
        float canvasWidth = iEngineResizable::CanvasWidth;
        float canvasHeight = iEngineResizable::CanvasHeight;
        float px = 0;
        float py = 0;
        if (playfieldPrincipal) {
            canvasWidth = playfieldPrincipal->Width();
            canvasHeight = playfieldPrincipal->Height();
            px = playfieldPrincipal->MouseX();
            py = playfieldPrincipal->MouseY();
        }
        tag->x = std::clamp(px, CanvasInset, std::max(CanvasInset, canvasWidth - CanvasInset));
        tag->y = std::clamp(py, CanvasInset, std::max(CanvasInset, canvasHeight - CanvasInset));
        SetZWithCaption(*tag, 0.0f);
        tag->PlaceLegende();
        derniereSaisie = i;
        for (int k = 0; k < count; ++k) {
            if (iGuiEtiquette* other = At(list, k); other && k != i) {
                SetAlphaWithCaption(*other, FadedAlpha);
            }
        }
        listeEtiquetteSaisie = listNumber;
        indiceSaisie = i;
        platform::Print(u"on vient de lacher le num " + platform::Str(i));
    }
    return found;
}

bool iEngineEtiq::LacheEtiquette(ListeEtiquettes& list) {
    listeSaisie = 0;
    platform::ResetInput();
    if (sonpop1) {
        platform::PlaySound(sonpop1, DropChannel, 0);
    }
    if (iGuiEtiquette* tag = At(list, indiceSaisie)) {
        tag->scaleX = tag->echelle;
        tag->scaleY = 1.0f;
        if (tag->legende) {
            tag->legende->SetScale(tag->echelleLegende);
        }
        CentreHandles(*tag);
        tag->PlaceLegende();
        tag->saisie = false;
    }
    for (auto& tag : list) {
        if (tag) {
            SetAlphaWithCaption(*tag, 1.0f);
        }
    }
    return true;
}

void iEngineEtiq::RemetEtiquette(ListeEtiquettes& list) {
    if (iGuiEtiquette* tag = At(list, indiceSaisie)) {
        tag->x = tag->origineX;
        tag->y = tag->origineY;
        tag->PlaceLegende();
    }
    listeEtiquetteSaisie = 0;
    derniereSaisie = std::max(Aucune, static_cast<int>(list.size()));
}
