// The profiles screen, per frame: entry, Escape, the wheel, "retour", then either the open
// message box or the rows and the two buttons beside the name field; adding and deleting.
#include <algorithm>
#include <cmath>

#include "framework/bitmap_font.h"
#include "framework/frame_chain.h"
#include "framework/graphics_state.h"
#include "framework/shared_assets.h"
#include "gui/button_variants.h"
#include "gui/input.h"
#include "gui/message_box.h"
#include "gui/scroll_box.h"
#include "gui/slider.h"
#include "gui/text_field.h"
#include "platform/audio.h"
#include "platform/diag.h"
#include "platform/files.h"
#include "platform/input.h"
#include "puppets/decor_playfields.h"
#include "puppets/screen_entry.h"
#include "screens/gallery_start.h"
#include "screens/menu_message.h"
#include "screens/menu_screen.h"
#include "screens/preferences.h"
#include "screens/profiles.h"
#include "screens/profiles_screen.h"
#include "screens/screen_globals.h"
#include "sentence/vocabulary.h"

namespace {

constexpr int Escape = 27;
constexpr int ModeGalerie = 4;
constexpr char16_t NomParDefaut[] = u"nouveau profil";

// The question shows or hides whole, its buttons at rest.
void MontreQuestion(MessageBox& boite, bool montree) {
    const int status = montree ? 1 : 0;
    boite.SetStatus(status);
    boite.titre->SetStatus(status);
    boite.message->SetStatus(status);
    for (iGuiButton2* bouton : {boite.bouton1.get(), boite.bouton2.get()}) {
        bouton->SetStatus(status);
        bouton->bouncing = false;
        bouton->scaleX = 1;
        bouton->scaleY = 1;
        bouton->x = bouton->baseX;
    }
}

// The question keeps clear of the panel's rounded sides, between the title band and the buttons.
constexpr float MargeQuestion = 60;
constexpr float HautQuestion = 130;
// The smallest scale at which the question still reads.
constexpr float EchelleQuestionMin = 0.6f;

// The question about the profile shown as nom, wrapped within the panel and made smaller while
// it does not fit above the buttons; a name that does not fit even then is cut, with "…".
void PoseQuestion(MessageBox& boite, const String& nom) {
    iGuiTextField& message = *boite.message;
    const iBitmapFont* police = message.font.get();
    const float largeur = boite.Width() - 2 * MargeQuestion;
    const auto& bouton = *boite.bouton1;
    const float place = bouton.y - static_cast<float>(bouton.handleY) * bouton.scaleY - 20 -
                        (boite.y + HautQuestion);
    // Every line within the width, and all of them above the buttons.
    const auto tient = [&](const String& question, float echelle) {
        if (!police) {
            return true;
        }
        const float ligneMax = std::floor(largeur / echelle);
        const StringList lignes = WordWrap(police, static_cast<int>(ligneMax), question);
        for (const String& ligne : lignes) {
            if (police->TextWidth(platform::Trim(ligne)) >= ligneMax) {
                return false;
            }
        }
        return static_cast<float>(lignes.size()) * police->height * echelle <= place;
    };
    String question = QuestionEffacer(nom);
    float echelle = 1.0f;
    while (!tient(question, echelle) && echelle > EchelleQuestionMin) {
        echelle = std::max(EchelleQuestionMin, echelle - 0.05f);
    }
    for (std::size_t garde = nom.size(); !tient(question, echelle) && garde > 0;) {
        --garde;
        // A character written as two units stays whole.
        if (garde > 0 && nom[garde] >= 0xDC00 && nom[garde] < 0xE000) {
            --garde;
        }
        question = QuestionEffacer(platform::Trim(nom.substr(0, garde)) + u"\u2026");
    }
    message.SetText(question);
    message.SetCentred(false);
    message.scaleX = echelle;
    message.scaleY = echelle;
    message.SetWidth(std::floor(largeur / echelle));
    message.lines.reset();
    message.SetHandle(0, 0);
    message.x = boite.x + MargeQuestion;
    const float hauteur =
        police ? static_cast<float>(WordWrap(police, message.width, question).size()) *
                     police->height * echelle
               : 0.0f;
    message.y = boite.y + HautQuestion + std::max(0.0f, (place - hauteur) / 2);
}

// A hit on a button of the box plays the click and starts its bounce; the number of the button
// whose bounce ends in this frame, 0 while none does. The press that opened the box may still be
// held where one of its buttons now lies: only a press made now answers it.
int Reponse(MessageBox& boite) {
    iGuiButton2* boutons[] = {boite.bouton1.get(), boite.bouton2.get()};
    const bool nouvelleTouche = platform::TouchHits(0) > 0;
    for (iGuiButton2* bouton : boutons) {
        if (bouton->Hit() && nouvelleTouche) {
            if (sonpop1 && !sonpop1->samples.empty()) {
                platform::PlaySound(sonpop1, 3, 0);
            }
            bouton->bouncing = true;
            bouton->shrinking = true;
            bouton->bounceScale = 1.0f;
            break;
        }
    }
    for (int n = 0; n < 2; ++n) {
        if (boutons[n]->bouncing) {
            boutons[n]->Bounce();
            return boutons[n]->bouncing ? 0 : n + 1;
        }
    }
    return 0;
}

} // namespace

int iEngineProfils::OnUpdate() {
    // Entry: the screen may have been resized while another one was shown; coming from the hub
    // the list starts at its top.
    if (listPlayfield->viewportWidth != WindowWidth() ||
        listPlayfield->viewportHeight != WindowHeight()) {
        AjusteListe();
    }
    if (NouvelEcran) {
        NouvelEcran = false;
        if (scrollBox->sliderV) {
            scrollBox->sliderV->value = 0;
        }
        scrollBox->cameraY = 0;
    }

    if (platform::KeyHits(Escape) > 0) {
        VersHub();
    }
    Molette();
    if (backButton->ClickedScrolled(*scrollBox)) {
        VersHub();
    }

    // Each box waits for its answer before anything else on the panel reacts.
    if (MessageAffiche(*failureBox)) {
        FermeMessage(*failureBox);
    } else if (MessageAffiche(*confirmBox)) {
        Confirmation();
    } else {
        Lignes();
        BoutonsDuHaut();
    }
    MontreLignesVisibles();
    return 0;
}

void iEngineProfils::Molette() {
    const float molette = platform::MouseZ();
    platform::ResetMouseZ();
    // Only a list that runs below the canvas scrolls.
    if (backButton->y > static_cast<float>(CanvasHeight) - backButton->Height()) {
        scrollBox->ScrollWheel(molette);
    }
}

void iEngineProfils::Lignes() {
    for (int i = 0; i < rowCount; ++i) {
        const auto ligne = static_cast<std::size_t>(i);
        if (deleteButtons[ligne]->ClickedScrolled(*scrollBox)) {
            // The default profile stays.
            if (rowFolders[ligne] != DossierDefaut) {
                rowToDelete = i;
                PoseQuestion(*confirmBox, LegendesProfils(rowFolders)[ligne]);
                MontreQuestion(*confirmBox, true);
                platform::Print(u"question : " + confirmBox->message->text);
            }
        } else if (useButtons[ligne]->ClickedScrolled(*scrollBox)) {
            dossierprofil = CheminProfil(rowFolders[ligne]);
            platform::Print(dossierprofil + u" = le profil");
            LitPreferences();
            VersHub();
        } else if (galleryButtons[ligne]->ClickedScrolled(*scrollBox)) {
            dossierprofil = CheminProfil(rowFolders[ligne]);
            LitPreferences();
            modedejeu = ModeGalerie;
            FermeQuestion();
            platform::Print(u"ecrangalerie");
            OuvreGalerie();
        }
    }
}

void iEngineProfils::BoutonsDuHaut() {
    // Both are asked every frame, so that both bounces run to their end.
    const bool utiliser = useNewButton->ClickedScrolled(*scrollBox);
    const bool ajouter = addButton->ClickedScrolled(*scrollBox);
    if (utiliser || ajouter) {
        AjouteProfil(utiliser);
    }
}

void iEngineProfils::AjouteProfil(bool utiliser) {
    const String nom = ProposeNomProfil(nameInput->GetText());
    if (!CreeProfil(nom)) {
        platform::Warn(u"erreur : impossible de créer le dossier " + platform::GameFolder() + nom);
        MontreEchec(MessageEchecCreation);
        return;
    }
    // The new profile heads the list; the rows move down one slot, a new one at the end if
    // every slot is taken.
    if (rowCount == static_cast<int>(nameFields.size())) {
        AjouteEmplacement(true);
    }
    rowFolders.insert(rowFolders.begin(), nom);
    rowAdded.insert(rowAdded.begin(), true);
    ++rowCount;
    PlaceLignes();
    nameInput->SetText(NomParDefaut);
    if (utiliser) {
        dossierprofil = CheminProfil(nom);
        platform::Print(dossierprofil + u" = le profil");
        LitPreferences();
        VersHub();
    }
}

void iEngineProfils::Confirmation() {
    const int reponse = Reponse(*confirmBox);
    if (reponse == 0) {
        return;
    }
    MontreQuestion(*confirmBox, false);
    if (reponse == 1 && rowToDelete >= 0 && rowToDelete < rowCount) {
        EffaceLigne(rowToDelete);
    }
    rowToDelete = -1;
}

void iEngineProfils::EffaceLigne(int ligne) {
    const String dossier = rowFolders[static_cast<std::size_t>(ligne)];
    // A folder already gone (removed outside the game) leaves its row too.
    const bool efface = EffaceProfil(dossier);
    if (!efface && platform::IsRealFolder(platform::GameFolder() + dossier)) {
        platform::Warn(u"erreur : impossible d'effacer le dossier " + platform::GameFolder() +
                       dossier);
        MontreEchec(MessageEchecEffacement);
        return;
    }
    rowFolders.erase(rowFolders.begin() + ligne);
    rowAdded.erase(rowAdded.begin() + ligne);
    --rowCount;
    PlaceLignes();
}

void iEngineProfils::MontreEchec(const String& texte) { MontreMessage(*failureBox, texte); }

void iEngineProfils::FermeQuestion() {
    if (MessageAffiche(*confirmBox)) {
        MontreQuestion(*confirmBox, false);
    }
    rowToDelete = -1;
}

void iEngineProfils::VersHub() {
    FermeQuestion();
    platform::Print(u"ecranintro");
    VaVersEcran(ecranintro);
}
