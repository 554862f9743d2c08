// Options screen 2: each frame, and the check on leaving.
#include "screens/options2_screen.h"

#include "framework/frame_chain.h"
#include "framework/shared_assets.h"
#include "gui/button_variants.h"
#include "gui/check_box.h"
#include "gui/message_box.h"
#include "gui/scroll_box.h"
#include "gui/slider.h"
#include "platform/diag.h"
#include "platform/input.h"
#include "puppets/decor_playfields.h"
#include "puppets/screen_entry.h"
#include "screens/hub_screen.h"
#include "screens/menu_message.h"
#include "screens/options2_table.h"
#include "screens/preferences.h"
#include "screens/profiles.h"
#include "screens/sentence_feasibility.h"

std::shared_ptr<iEngineOptions2> ecranoptions2;

int iEngineOptions2::OnUpdate() {
    EntreeEcran(background.get(), *decor, [this] {
        AjusteListe();
        scrollBox->sliderV->value = 0;
        AfficheOptions();
    });
    // Escape leaves without keeping the choice, as on options screen 1; "retour" keeps it.
    if (platform::KeyHits(27) > 0 && !MessageAffiche(*messageBox)) {
        Quitte(false);
    }
    // One step per frame, however far the wheel turned.
    const float molette = platform::MouseZ();
    platform::ResetMouseZ();
    scrollBox->ScrollWheel(molette);
    // The boxes stay live around the message: it only hides what lies under it.
    BasculeCases();
    if (MessageAffiche(*messageBox)) {
        if (FermeMessage(*messageBox) && leaveAfterMessage) {
            VaVersEcranAnnonce(ecranintro);
        }
    } else if (backButton->ClickedScrolled(*scrollBox)) {
        Quitte(true);
    }
    // A press that slides off a box before its release must not leave box and flag apart.
    AfficheOptions();
    DeriveDecor(*decor);
    return 0;
}

void iEngineOptions2::BasculeCases() {
    for (const GroupeDeMots& groupe : GroupesOptions2()) {
        if ((this->*groupe.caseGroupe)->Hit()) {
            const bool actif = !*groupe.actif;
            *groupe.actif = actif;
            for (const ListeDeMots& liste : groupe.listes) {
                liste.coches->assign(liste.coches->size(), actif);
            }
            if (actif && groupe.actif == &groupecouleurs) {
                Couleurs = CouleursTous;
            }
            return;
        }
        for (const ListeDeMots& liste : groupe.listes) {
            const Cases& cases = this->*liste.cases;
            for (std::size_t k = 0; k < cases.size() && k < liste.coches->size(); ++k) {
                if (cases[k]->Hit()) {
                    (*liste.coches)[k] = !(*liste.coches)[k];
                    return;
                }
            }
        }
    }
}

void iEngineOptions2::Quitte(bool enregistre) {
    const PhrasesPossibles possibles = VerifiePhrasesPossibles();
    if (!possibles.phrases) {
        platform::Print(u"aucune phrase possible");
        leaveAfterMessage = false;
        MontreMessage(*messageBox, MessagePasDePhrase);
        return;
    }
    // A choice that allows sentences is kept, with or without variations. The default profile
    // starts from the game's own choices every time, so it keeps nothing.
    const bool garde = !enregistre || ProfilParDefautCourant() || EcritPreferences();
    if (!garde) {
        platform::Warn(u"erreur : impossible d'écrire " + dossierprofil + u"preferences");
    }
    // Both are told when both happen: the hub follows either.
    String message = garde ? u"" : MessageEchecEnregistrement;
    if (!possibles.variations) {
        platform::Print(u"pas de variations possibles");
        message += garde ? MessagePasDeVariation : u"\n" + String(MessagePasDeVariation);
    }
    if (!message.empty()) {
        leaveAfterMessage = true;
        MontreMessage(*messageBox, message);
        return;
    }
    VaVersEcranAnnonce(ecranintro);
}

int iEngineOptions2::OnResize() {
    FitToWindow(background.get(), decor.get());
    AjusteListe();
    return 0;
}
