// The entry step and the decor drift shared by the menu screens.
#include "puppets/screen_entry.h"

#include <memory>

#include "framework/frame_chain.h"
#include "framework/shared_assets.h"
#include "platform/diag.h"
#include "puppets/decor_playfields.h"

namespace {

// The floor strip sits a little left of the first piece while the decor drifts.
constexpr float ReculSolDerive = 8;

// How far beyond the window the pair travels before a new one is drawn, per disposition.
constexpr float SortieHaut = -100;
constexpr float SortieBas = 700;
constexpr float SortieGauche = -500;
constexpr float SortieDroite = 700;

} // namespace

void InstalleDecor(iPlayfieldDecore& decor, bool auHasard) {
    decor.meuble1 = std::make_shared<iSprite>();
    decor.meuble2 = std::make_shared<iSprite>();
    decor.sol = std::make_shared<iSprite>();
    decor.sol->SetImage(imgsol);
    if (auHasard) {
        decor.DecorAuHasard();
    } else {
        decor.RestaureDecor();
    }
}

void VaVersEcran(const std::shared_ptr<iScene>& ecran) {
    if (!ecran) {
        return;
    }
    NouvelEcran = true;
    SwitchScene(ecran);
}

void EntreeEcran(iPlayfield* fond, iPlayfieldDecore& decor, const std::function<void()>& entree) {
    if (NouvelEcran) {
        decor.ReprendDecor(fond);
        if (entree) {
            entree();
        }
    }
    NouvelEcran = false;
}

void DeriveDecor(iPlayfieldDecore& decor) {
    auto& meuble1 = decor.meuble1;
    if (!meuble1 || !decor.meuble2 || !decor.sol) {
        return;
    }
    bool parti = false;
    switch (decor.disposition) {
    case 0:
        meuble1->y -= 1;
        parti = meuble1->y < SortieHaut;
        break;
    case 1:
        meuble1->y += 1;
        parti = meuble1->y > decor.ViewportHeight() + SortieBas;
        break;
    case 2:
        meuble1->x -= 1;
        // meuble2 as the previous frame left it.
        parti = decor.meuble2->x < SortieGauche;
        break;
    case 3:
        meuble1->x += 1;
        parti = meuble1->x > decor.ViewportWidth() + SortieDroite;
        break;
    default:
        break;
    }
    if (parti) {
        platform::Print(u"dispose " + platform::Str(decor.disposition));
        decor.DecorAuHasard();
    }
    decor.AttacheSuiveurs(ReculSolDerive);
    DecorX = meuble1->x;
    DecorY = meuble1->y;
}

void DessineDecor(const iPlayfieldDecore& decor) {
    for (const auto* sprite : {decor.sol.get(), decor.meuble1.get(), decor.meuble2.get()}) {
        if (sprite) {
            sprite->Draw();
        }
    }
}
