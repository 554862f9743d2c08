// The build-a-sentence game, frame by frame: entry, the blinking frame, Escape, the message box
// or the drag and the buttons, a card let go, the next words, the pops, the decor.
//
// Index:
//   OnUpdate
//   the frame, Escape and the message box
//   the buttons: animation, clear, export
//   the pops
#include "framework/frame_chain.h"
#include "framework/letterbox.h"
#include "framework/shared_assets.h"
#include "game/animation_start.h"
#include "game/phrase_scene.h"
#include "gui/button_variants.h"
#include "gui/image_widget.h"
#include "gui/message_box.h"
#include "gui/screen_handover.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/diag.h"
#include "platform/files.h"
#include "platform/input.h"
#include "puppets/decor_playfields.h"
#include "puppets/screen_entry.h"
#include "sentence/lexicon.h"
#include "sentence/realisation.h"
#include "sentence/vocabulary.h"

namespace {

constexpr int Echap = 27;
constexpr int DemiPeriodeClignotement = 250;
constexpr int CanalBoutons = 3;
const char16_t* const FichierDesPhrases = u"mirelvanquibs_phrases.txt";

} // namespace

// --- OnUpdate ---

int iEnginePhraseAuChoix::OnUpdate() {
    EntreeEcran(fond.get(), *decor);
    // Back from the main game no entry flag is set: a resize made meanwhile is caught up here.
    RefitIfWindowChanged(fond.get(), decor.get());
    FaitClignoterLeCadre();
    if (platform::KeyHits(Echap) != 0) {
        RetourAuChoixDuJeu();
    }
    if (boiteMessage->status == 1) {
        ReponseALaBoite();
    } else {
        if (listeSaisie != 2) {
            DeplaceEtiquettes(etiquettes, 1);
        }
        if (listeSaisie != 1) {
            DeplaceEtiquettes(etiquettesMots, 2);
        }
        ReagitAuxBoutons();
    }
    if (!platform::TouchDown(0) && platform::TouchHits(0) == 0) {
        PlacePhrase();
    }
    if (phraseModifiee) {
        ProposeMotsSuivants();
    }
    FaitGrossirLesMots();
    DeriveDecor(*decor);
    AnnonceBanque();
    return 0;
}

// --- the frame, Escape and the message box ---

void iEnginePhraseAuChoix::FaitClignoterLeCadre() {
    const int now = platform::Milliseconds();
    if (now > tempsClignotement + DemiPeriodeClignotement && listeSaisie > 0) {
        tempsClignotement = now;
        cadre->SetFrame(1 - cadre->frame);
    }
}

void iEnginePhraseAuChoix::RetourAuChoixDuJeu() {
    // Escape and " retour " alike: the menu screen takes up the decor where this one left it
    // and catches up a resize made here. The hub, should the game-mode screen be gone.
    if (auto choixDuJeu = TheScreenHandover.ecranchoixdujeu()) {
        platform::Print(u"ecranchoixdujeu");
        VaVersEcran(choixDuJeu);
    } else {
        platform::Print(u"ecranintro");
        VaVersEcran(TheScreenHandover.ecranintro());
    }
}

void iEnginePhraseAuChoix::ReponseALaBoite() {
    iGuiButton2& ok = *boiteMessage->bouton1;
    if (ok.Hit()) {
        if (sonpop1) {
            platform::PlaySound(sonpop1, CanalBoutons, 0);
        }
        ok.bouncing = true;
        ok.shrinking = true;
        ok.bounceScale = 1.0f;
    }
    if (ok.bouncing) {
        ok.Bounce();
        if (!ok.shrinking && ok.bounceScale > 0.97f) {
            for (iObject* part :
                 {static_cast<iObject*>(boiteMessage.get()), static_cast<iObject*>(&ok),
                  static_cast<iObject*>(boiteMessage->titre.get()),
                  static_cast<iObject*>(boiteMessage->message.get())}) {
                part->Deactivate();
            }
        }
    }
}

// --- the buttons: animation, clear, export ---

void iEnginePhraseAuChoix::ReagitAuxBoutons() {
    if (boutonAnimation->Clicked(false)) {
        VoirLAnimation();
    } else if (boutonEffacer->Clicked(true)) {
        Efface();
    } else if (boutonExporter->Clicked(true)) {
        ExportePhrase();
    } else if (boutonRetour->Clicked(false)) {
        RetourAuChoixDuJeu();
    }
}

void iEnginePhraseAuChoix::VoirLAnimation() {
    const String message = VerifiePhrase();
    if (message.empty()) {
        // The scene's own structure, kept alive with the scene while the main game reads it.
        structureChoisie =
            std::shared_ptr<StructureAction>(SelfAs<iEnginePhraseAuChoix>(), &structurePhrase);
        structureChoisie->PlaceObjets();
        phraseChoisie = SansReperesElephants(PhraseDeStructure(false, structurePhrase, false));
        NouvelEcran = true;
        modedejeu = 3;
        LanceAnimationPhrase();
        return;
    }
    MontreMessage(TitreExplication, message);
    platform::Print(u"explication : " + platform::Replace(message, u"\n", u" "));
}

void iEnginePhraseAuChoix::MontreMessage(const String& titre, const String& message) {
    boiteMessage->SetStatus(1);
    boiteMessage->bouton1->SetStatus(1);
    boiteMessage->titre->SetStatus(1);
    boiteMessage->message->SetStatus(1);
    boiteMessage->titre->SetText(titre);
    boiteMessage->message->SetText(message);
    const iGuiButton2& ok = *boiteMessage->bouton1;
    platform::Print(
        u"bouton ok " +
        platform::Str(static_cast<int>(ok.x + ok.Width() / 2 -
                                       static_cast<float>(ok.handleX) * ok.scaleX)) +
        u" " +
        platform::Str(static_cast<int>(ok.y + ok.Height() / 2 -
                                       static_cast<float>(ok.handleY) * ok.scaleY)));
}

void iEnginePhraseAuChoix::Efface() {
    for (auto& slot : etiquettesMots) {
        slot->EffaceTexte();
    }
    nombrePlacees = 0;
    ProposeLesPersonnages();
    AnalyseCadre();
    AnnonceCadre();
}

void iEnginePhraseAuChoix::ExportePhrase() {
    // What the child reads in the frame, full stop or none: the check may refuse the sentence.
    const String phrase = TexteDuCadre();
    if (platform::Trim(phrase).empty()) {
        return;
    }
    // A game folder that is missing, read-only or full: one line on the error output, and the
    // adult who asked for the export reads it on the screen.
    const String chemin = platform::GameFolder() + FichierDesPhrases;
    auto stream = platform::FileStream::Open(chemin, u"a");
    if (!stream || !stream->WriteString(phrase + u" \n") || !stream->Close()) {
        platform::Warn(u"erreur : impossible d'écrire dans " + chemin);
        MontreMessage(TitreExport, MessageExport);
        return;
    }
    platform::Print(u"phrase exportée : " + phrase);
}

// --- the pops ---

void iEnginePhraseAuChoix::FaitGrossirLesMots() {
    // A word moved while another still pops: each finishes its own pop.
    for (auto& slot : etiquettesMots) {
        if (slot->aGrossir) {
            slot->Grossit();
        }
    }
}

// --- the debug lines ---

void iEnginePhraseAuChoix::AnnonceBanque() {
    if (banqueAnnoncee) {
        return;
    }
    banqueAnnoncee = true;
    for (const auto& carte : etiquettes) {
        platform::Print(u"banque " + platform::Str(static_cast<int>(carte->x)) + u" " +
                        platform::Str(static_cast<int>(carte->y)) + u" " + carte->texte + u" : " +
                        carte->legende->GetText());
    }
    for (const auto& [nom, bouton] :
         {std::pair{u"retour", boutonRetour.get()}, std::pair{u"effacer", boutonEffacer.get()},
          std::pair{u"exporter", boutonExporter.get()},
          std::pair{u"animation", boutonAnimation.get()}}) {
        const float cx = bouton->x + bouton->Width() / 2 -
                         static_cast<float>(bouton->handleX) * bouton->scaleX;
        const float cy = bouton->y + bouton->Height() / 2 -
                         static_cast<float>(bouton->handleY) * bouton->scaleY;
        platform::Print(u"bouton " + String(nom) + u" " + platform::Str(static_cast<int>(cx)) +
                        u" " + platform::Str(static_cast<int>(cy)));
    }
    platform::Print(u"fin de la banque");
}

void iEnginePhraseAuChoix::AnnonceCadre() {
    for (int i = 0; i < nombrePlacees; ++i) {
        const iGuiEtiquette& mot = *etiquettesMots[static_cast<std::size_t>(i)];
        platform::Print(u"cadre " + platform::Str(i) + u" " +
                        platform::Str(static_cast<int>(mot.origineX)) + u" " +
                        platform::Str(static_cast<int>(mot.origineY)) + u" : " +
                        mot.legende->GetText());
    }
    platform::Print(u"le cadre lit : " + TexteDuCadre());
}
