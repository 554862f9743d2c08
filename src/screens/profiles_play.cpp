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
constexpr float EchelleQuestionMin = 0.6f;
// A longer name is cut in the question: the row beside it shows it whole.
constexpr std::size_t NomQuestionMax = 60;

// The row's caption.
String NomQuestion(const String& nom) {
    return nom.size() > NomQuestionMax ? nom.substr(0, NomQuestionMax) + u"..." : nom;
}

// The question wrapped within the panel, made smaller while it does not fit
// above the buttons.
void PoseQuestion(MessageBox& boite, const String& question) {
    iGuiTextField& message = *boite.message;
    message.SetText(question);
    message.SetCentred(false);
    const float largeur = boite.Width() - 2 * MargeQuestion;
    const auto& bouton = *boite.bouton1;
    const float place = bouton.y - static_cast<float>(bouton.handleY) * bouton.scaleY - 20 -
                        (boite.y + HautQuestion);
    float echelle = 1.0f;
    std::size_t lignes = WordWrap(message.font.get(), static_cast<int>(largeur), question).size();
    while (message.font && static_cast<float>(lignes) * message.font->height * echelle > place &&
           echelle > EchelleQuestionMin) {
        echelle -= 0.05f;
        lignes = WordWrap(message.font.get(), static_cast<int>(largeur / echelle), question).size();
    }
    message.scaleX = echelle;
    message.scaleY = echelle;
    message.SetWidth(std::floor(largeur / echelle));
    message.lines.reset();
    message.SetHandle(0, 0);
    message.x = boite.x + MargeQuestion;
    const float hauteur =
        message.font ? static_cast<float>(lignes) * message.font->height * echelle : 0.0f;
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
                const String question = QuestionEffacer(NomQuestion(nameFields[ligne]->text));
                PoseQuestion(*confirmBox, question);
                MontreQuestion(*confirmBox, true);
                platform::Print(u"question : " + question);
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
        MontreEchec(u"Je n'ai pas pu créer ce profil.");
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
        MontreEchec(u"Je n'ai pas pu effacer ce profil.");
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
