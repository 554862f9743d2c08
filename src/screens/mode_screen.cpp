// The game-mode screen.
#include "screens/mode_screen.h"

#include <array>

#include "framework/shared_assets.h"
#include "gui/button_variants.h"
#include "gui/message_box.h"
#include "gui/screen_handover.h"
#include "platform/audio.h"
#include "platform/input.h"
#include "puppets/decor_playfields.h"
#include "puppets/screen_entry.h"
#include "screens/hub_screen.h"
#include "screens/menu_message.h"
#include "screens/profiles_screen.h"
#include "screens/sentence_feasibility.h"
#include "screens/setup_screens.h"
#include "sentence/vocabulary.h"

std::shared_ptr<iEngineChoixDuMode> ecranchoixdujeu;

namespace {

constexpr float HautPremierBouton = 127;
constexpr int EcartBoutons = 20;

struct BoutonDeJeu {
    const char16_t* texte;
    CouleursBouton couleurs;
};
const BoutonDeJeu BoutonsDeJeu[3] = {
    {u"associer des phrases et des images", {{235, 160, 73}, {239, 226, 171}, {210, 240, 220}}},
    {u"remettre les mots dans l'ordre", {{151, 115, 127}, {239, 226, 171}, {239, 226, 171}}},
    {u"fabriquer une phrase", {{87, 106, 73}, {239, 226, 171}, {210, 240, 220}}}};

} // namespace

int iEngineChoixDuMode::OnCreate() {
    ConstruitFondEtDecor(234, 221, 166, 239, 226, 171);
    std::shared_ptr<iGuiButton2>* boutons[3] = {&associerButton, &remettreButton, &fabriquerButton};
    for (int n = 0; n < 3; ++n) {
        auto& bouton = *boutons[n];
        bouton = NouveauBouton(decor, u"grosbouton1a.png", fontoregano48, BoutonsDeJeu[n].texte,
                               BoutonsDeJeu[n].couleurs);
        bouton->SetXPercent(50);
        if (n == 0) {
            bouton->y = HautPremierBouton;
        } else {
            bouton->PlaceBelowPrevious(EcartBoutons);
        }
        PoseBouton(*bouton);
    }
    CreateCommonButtons(decor);
    messageBox = CreeMessageMenu(decor);
    return 0;
}

int iEngineChoixDuMode::OnUpdate() {
    EntreeEcran(background.get(), *decor);
    if (platform::KeyHits(27) > 0) {
        VaVersEcranAnnonce(ecranintro);
    }
    const std::array<iGuiButton2*, 3> boutons = {associerButton.get(), remettreButton.get(),
                                                 fabriquerButton.get()};
    if (MessageAffiche(*messageBox)) {
        // Nothing else is pressed until the child has read why.
        FermeMessage(*messageBox);
    } else {
        for (iGuiButton2* bouton : boutons) {
            if (bouton->Hit()) {
                if (sonpop1 && !sonpop1->samples.empty()) {
                    platform::PlaySound(sonpop1, 0, 0);
                }
                bouton->bouncing = true;
                bouton->shrinking = true;
                bouton->bounceScale = 1.0f;
                break;
            }
        }
        for (int n = 0; n < 3; ++n) {
            iGuiButton2& bouton = *boutons[static_cast<std::size_t>(n)];
            if (!bouton.bouncing) {
                continue;
            }
            bouton.Bounce();
            if (!bouton.shrinking && bouton.bounceScale > 0.97f) {
                LanceJeu(n);
            }
            break;
        }
        if (profileButton->Clicked(false)) {
            VaVersEcranAnnonce(ecranprofils);
        } else if (backButton->Clicked(false)) {
            VaVersEcranAnnonce(ecranintro);
        }
    }
    DeriveDecor(*decor);
    return 0;
}

void iEngineChoixDuMode::LanceJeu(int n) {
    // The words may have changed since options screen 2 checked them (another profile, options
    // screen 1): the check runs again, so that no game starts on a board that cannot be built.
    const PhrasesPossibles possibles = VerifiePhrasesPossibles();
    if (!possibles.phrases) {
        MontreMessage(*messageBox, MessagePasDePhrase);
        return;
    }
    if (n == 0 && !possibles.variations) {
        MontreMessage(*messageBox, MessagePasDeVariation);
        return;
    }
    if (n == 0) {
        modedejeu = 0;
        ecrannombreitems1 = std::make_shared<iEngineNombreItems1>();
        ecrannombreitems1->Create();
        VaVersEcranAnnonce(ecrannombreitems1);
    } else if (n == 1) {
        ecrannombreitems2 = std::make_shared<iEngineNombreItems2>();
        ecrannombreitems2->Create();
        VaVersEcranAnnonce(ecrannombreitems2);
    } else {
        NouvelEcran = true;
        modedejeu = 3;
        TheScreenHandover.LancePhraseAuChoix();
    }
}
