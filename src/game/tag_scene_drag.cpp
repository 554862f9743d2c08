// Dragging cards: grab, follow the pointer, release.
//
// Index:
//   DeplaceEtiquettes   one frame of the drag of one list
//   SaisitEtiquette     grab or move
//   CarteDessus         the card on top under the pointer
//   MetDessus           the card in hand over the others
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
    const int count = static_cast<int>(list.size());
    const bool enCours = listeSaisie == listNumber;
    const int dessus = enCours ? -1 : CarteDessus(list);
    if (!enCours && dessus < 0) {
        for (auto& tag : list) {
            if (tag) {
                SetZWithCaption(*tag, 1.0f);
            }
        }
        return false;
    }
    // Once a drag is under way, only the card that follows the pointer moves; a press takes
    // the card the child sees there.
    const bool suivie = derniereSaisie >= 0 && derniereSaisie <= count - 1;
    const int i = suivie ? derniereSaisie : std::max(dessus, 0);
    iGuiEtiquette* tag = At(list, i);
    if (listeSaisie == 0 && tag) {
        platform::Print(platform::Str(static_cast<double>(tag->x)) + u" " +
                        platform::Str(static_cast<double>(tag->y)) +
                        u" = le no de l'etiquetteabouger " + platform::Str(i));
    }
    listeSaisie = listNumber;
    if (!tag) {
        return true;
    }
    if (!enCours) {
        MetDessus(*tag);
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
    tag->PlaceLegende();
    derniereSaisie = i;
    // In front while held, and still once let go, until another card is taken: a scene that
    // sorts its page by depth keeps it over the others.
    for (int k = 0; k < count; ++k) {
        if (iGuiEtiquette* other = At(list, k); other && k != i) {
            SetAlphaWithCaption(*other, FadedAlpha);
            SetZWithCaption(*other, 1.0f);
        }
    }
    SetZWithCaption(*tag, 0.0f);
    listeEtiquetteSaisie = listNumber;
    indiceSaisie = i;
    platform::Print(u"on vient de lacher le num " + platform::Str(i));
    return true;
}

int iEngineEtiq::CarteDessus(const ListeEtiquettes& list) const {
    int dessus = -1;
    int rangDessus = -1;
    for (int i = 0; i < static_cast<int>(list.size()); ++i) {
        const iGuiEtiquette* tag = list[static_cast<std::size_t>(i)].get();
        if (!tag || tag->status != 1 || !tag->EstTouchee()) {
            continue;
        }
        // Equal ranks (cards on no page) leave the later card of the list on top.
        if (const int rang = RangDeDessin(*tag); rang >= rangDessus) {
            dessus = i;
            rangDessus = rang;
        }
    }
    return dessus;
}

void iEngineEtiq::MetDessus(const iGuiEtiquette& carte) {
    const auto holder = carte.GetPlayfield();
    if (!holder) {
        return;
    }
    for (const auto& page : holder->guiPages) {
        if (!page || page->IndexOf(&carte) < 0) {
            continue;
        }
        // Above every card and caption of both lists, below whatever the scene put over them
        // (its message boxes).
        int dernier = -1;
        for (const ListeEtiquettes* liste : {&etiquettes, &etiquettesMots}) {
            for (const auto& c : *liste) {
                if (c) {
                    dernier = std::max(dernier, page->IndexOf(c.get()));
                    dernier = std::max(dernier, page->IndexOf(c->legende.get()));
                }
            }
        }
        const auto monte = [&](const iGuiObject* widget) {
            const int k = page->IndexOf(widget);
            if (widget && k >= 0 && k < dernier) {
                const auto debut = page->array.begin();
                std::rotate(debut + k, debut + k + 1, debut + dernier + 1);
            }
        };
        monte(&carte);
        monte(carte.legende.get());
    }
}

int RangDeDessin(const iGuiObject& widget) {
    const auto holder = widget.GetPlayfield();
    if (!holder) {
        return -1;
    }
    for (const auto& page : holder->guiPages) {
        if (const int k = page ? page->IndexOf(&widget) : -1; k >= 0) {
            return k;
        }
    }
    return -1;
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
