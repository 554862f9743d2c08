// Options screen 1, per frame: entry, Escape, the three-state buttons, the boxes, "retour" and
// "exemple", the decor; the example sentence; resize.
#include "framework/frame_chain.h"
#include "framework/playfield.h"
#include "gui/button_variants.h"
#include "gui/check_box.h"
#include "gui/text_field.h"
#include "platform/diag.h"
#include "platform/input.h"
#include "puppets/decor_playfields.h"
#include "puppets/screen_entry.h"
#include "screens/menu_message.h"
#include "screens/options1_screen.h"
#include "screens/preferences.h"
#include "screens/profiles.h"
#include "screens/screen_globals.h"
#include "sentence/generation.h"
#include "sentence/lexicon.h"
#include "sentence/realisation.h"

namespace {

constexpr int Escape = 27;

} // namespace

int iEngineOptions1::OnUpdate() {
    // After a failed save the screen waits for the adult to read why.
    if (MessageAffiche(*MessageEchec)) {
        if (FermeMessage(*MessageEchec)) {
            RetourAuHub();
        }
        DeriveDecor(*decor);
        return 0;
    }

    EntreeEcran(background.get(), *decor, [this] {
        platform::Print(u"yes");
        AfficheOptions();
    });

    // Leaving with Escape keeps the changes in memory without saving them.
    if (platform::KeyHits(Escape) > 0) {
        RetourAuHub();
    }

    for (const auto& [bouton, niveau] : Boutons) {
        if (bouton->Clicked(true)) {
            *niveau = ChoixSuivant(*bouton, *niveau);
            FabriqueExemple();
            break;
        }
    }

    for (const auto& [box, oui] : Cases) {
        if (box->Hit()) {
            *oui = !*oui;
            break;
        }
    }

    if (BoutonRetour->Clicked(false)) {
        Quitte();
    } else if (BoutonExemple->Clicked(true)) {
        FabriqueExemple();
    }

    DeriveDecor(*decor);
    // A box flips itself when a press on it is released on it; a press dragged off it flipped
    // the option only. Whatever the pointer did, the box shows its option.
    AfficheCases();
    return 0;
}

void iEngineOptions1::Quitte() {
    platform::Print(dossierprofil + u" = le profil");
    if (ProfilParDefautCourant()) {
        platform::Print(u" ya un répertoire defaut");
    } else if (EcritPreferences()) {
        platform::Print(u"on vient d'écrire Prefs1");
    } else {
        platform::Warn(u"Impossible d'écrire " + dossierprofil + u"preferences");
        MontreMessage(*MessageEchec, MessageEchecEnregistrement);
        return;
    }
    RetourAuHub();
}

void iEngineOptions1::RetourAuHub() {
    platform::Print(u"ecranintro");
    VaVersEcran(ecranintro);
}

int iEngineOptions1::FabriqueExemple() {
    GenereStructureAction(StructureExemple, true, false);
    PhraseExemple = SansReperesElephants(PhraseDeStructure(true, StructureExemple, false));
    ChampExemple->SetText(PhraseExemple);
    return 0;
}

int iEngineOptions1::OnResize() {
    iEngineMenuDecore::OnResize();
    platform::Print(platform::Str(decor->viewportWidth));
    return 0;
}
