// The build-a-sentence screen: its playfields and decor, the sentence frame, the four buttons,
// the bank of word cards and the message box.
//
// Index:
//   globals and opening
//   OnCreate and its steps
//   render and resize
#include <numeric>

#include "framework/frame_chain.h"
#include "framework/playfield.h"
#include "framework/shared_assets.h"
#include "game/animation_start.h"
#include "game/phrase_scene.h"
#include "gui/button_variants.h"
#include "gui/image_widget.h"
#include "gui/message_box.h"
#include "gui/text_field.h"
#include "platform/diag.h"
#include "puppets/decor_playfields.h"
#include "puppets/screen_entry.h"
#include "sentence/vocabulary.h"
#include "sentence/working_lists.h"

// --- globals and opening ---

std::shared_ptr<iEnginePhraseAuChoix> ecranchoixdephrase;

void ResetPhraseGlobals() {
    ecranchoixdephrase.reset();
    structureChoisie.reset();
    phraseChoisie.clear();
}

std::shared_ptr<iEnginePhraseAuChoix> OuvrePhraseAuChoix() {
    auto scene = std::make_shared<iEnginePhraseAuChoix>();
    scene->Create();
    ecranchoixdephrase = scene;
    platform::Print(u"ecranchoixdephrase");
    SwitchScene(scene);
    return scene;
}

std::shared_ptr<iEnginePhraseAuChoix> iEnginePhraseAuChoix::Create() {
    Set();
    OnCreate();
    return SelfAs<iEnginePhraseAuChoix>();
}

iPlayfield* iEnginePhraseAuChoix::BackgroundPlayfield() { return fond.get(); }

// --- OnCreate and its steps ---

namespace {

constexpr float CadreHaut = 8;
constexpr int HauteurCadre = 160;
constexpr float ZoneBas = 150;
constexpr float BoutonsY = 668;
constexpr float EcartBoutons = 10;
constexpr float BanqueX = 100;
constexpr float BanqueY = 220;
constexpr float EcartBanque = 20;
// The title takes two lines: narrower and higher than the box puts it, it clears the panel's
// corner stars and stays inside the dark band.
constexpr float LargeurTitre = 900;
constexpr float HautTitre = 22;
constexpr float LargeurMessage = 900;
constexpr float HauteMessage = 142;

std::shared_ptr<iGuiImage> Image(const platform::ImagePtr& picture,
                                 const std::shared_ptr<iPlayfield>& target) {
    auto widget = std::make_shared<iGuiImage>();
    widget->New();
    widget->SetImage(picture);
    widget->SetPosition(0, CadreHaut);
    widget->SetPlayfield(target);
    return widget;
}

std::shared_ptr<iGuiButton2> Bouton(const String& caption, float x,
                                    const std::shared_ptr<iPlayfield>& target) {
    auto button = std::make_shared<iGuiButton2>();
    button->New();
    button->SetPlayfield(target);
    button->LoadImage(u"petitbouton1a.png");
    button->SetColor(247, 194, 92);
    button->SetMouseOverColor(247, 194, 92);
    button->SetTextRed(240);
    button->SetTextGreen(250);
    button->SetTextBlue(230);
    button->SetTextMouseOverRed(240);
    button->SetTextMouseOverGreen(250);
    button->SetTextMouseOverBlue(230);
    button->x = x;
    button->baseX = x;
    button->baseWidth = button->Width();
    button->y = BoutonsY;
    button->SetFont(fontoregano30);
    button->SetText(caption);
    button->CenterText(0, 0);
    return button;
}

// The bank's word lists, in the order of their rows.
std::vector<const StringArray*> ListesDeLaBanque() {
    static const StringArray SurEtA = {u"sur", u"à"};
    return {&Persos,
            &Qui,
            &SurEtA,
            &ActionsIntransitif,
            &VerbeJouerMusique,
            &VerbeLancer,
            &VerbeTenir,
            &VerbeSoulever,
            &VerbePromener,
            &VerbePoursuivre,
            &VerbesLancerSurA,
            &VerbePorterSurEpaules,
            &VerbePorterHabit,
            &VerbeRegarder,
            &ObjetsUneMain,
            &ObjetsDeuxMains,
            &Animaux,
            &Habits,
            &Chapeaux,
            &Couleurs};
}

// One card per check box of the vocabulary at most.
std::size_t PlacesDeLaBanque() {
    std::size_t total = 0;
    for (const FlagArray* flags :
         {&PersosCoches, &VerbesIntransitifsCoches, &VerbeJouerMusiqueCoches, &VerbeRegarderCoches,
          &VerbeLancerCoches, &VerbeSouleverCoches, &VerbeTenirCoches, &VerbePromenerCoches,
          &VerbePoursuivreCoches, &VerbesLancerSurACoches, &VerbePorterSurEpaulesCoches,
          &VerbePorterHabitCoches, &ObjetsUneMainCoches, &ObjetsDeuxMainsCoches, &AnimauxCoches,
          &HabitsCoches, &ChapeauxCoches, &CouleursCoches, &QuiCoches}) {
        total += flags->size();
    }
    return total;
}

} // namespace

int iEnginePhraseAuChoix::OnCreate() {
    fond = std::make_shared<iPlayfieldFond>();
    fond->New();
    fond->AddToEngine(*this);
    fond->FixeCouleur(false, 250, 55, 75);
    etiquettes = ListeEtiquettes(PlacesDeLaBanque());

    decor = std::make_shared<iPlayfieldDecore>();
    decor->New();
    decor->AddToEngine(*this);
    playfieldPrincipal = decor;
    FitToWindow(fond.get(), decor.get());
    decor->SetClearColor(255, 60, 80);
    InstalleDecor(*decor, false);

    imageCadre =
        platform::LoadImageFrames(u"cadresphraseauchoix.png", CanvasWidth, HauteurCadre, 2);
    imageCadreFond = platform::LoadImage(u"cadresphraseauchoixfond.png");
    cadreFond = Image(imageCadreFond, decor);
    cadre = Image(imageCadre, decor);

    // The four buttons in one row, centred under the canvas.
    boutonRetour = Bouton(u" retour ", 0, decor);
    const float w = boutonRetour->Width();
    boutonRetour->x = boutonRetour->baseX = (decor->Width() - 4 * w - 20) * 0.5f;
    boutonEffacer = Bouton(u" effacer", boutonRetour->x + w + EcartBoutons, decor);
    boutonExporter = Bouton(u" exporter la phrase ", boutonEffacer->x + w + EcartBoutons, decor);
    boutonAnimation = Bouton(u" voir l'animation ", boutonExporter->x + w + EcartBoutons, decor);

    // The working lists: exactly the words the profile's options enable.
    structurePhrase = StructureAction();
    ReinitialiseListesNoms();
    FiltreListes(1);
    ReinitialiseListesVerbes();
    filtreverbe(1, 1, false);
    imageEtiquette = platform::LoadImage(u"etiquettemot.png");

    etiquettesMots.resize(PlacesDuCadre);
    for (auto& slot : etiquettesMots) {
        slot = std::make_shared<iGuiEtiquette>();
        slot->New();
        slot->SetPlayfield(decor);
        slot->legende = std::make_shared<iGuiTextField>();
        slot->legende->New();
        slot->legende->SetFont(fontoregano30);
        slot->legende->SetPlayfield(decor);
        slot->CacheAvecLegende();
    }
    zonePhrase = std::make_shared<SlotPlayfield>()->New();
    zonePhrase->droite = decor->Width();
    zonePhrase->bas = ZoneBas;
    nombrePlacees = 0;

    int made = 0;
    bool first = true;
    for (const StringArray* words : ListesDeLaBanque()) {
        StringArray enabled;
        std::copy_if(words->begin(), words->end(), std::back_inserter(enabled),
                     [](const String& code) { return !code.empty(); });
        made = FabriqueEtiquettes(etiquettes, made, enabled, decor, true, first, BanqueX, BanqueY,
                                  EcartBanque);
        first = false;
    }
    etiquettes.resize(static_cast<std::size_t>(made));
    derniereSaisie = std::max(Aucune, made);

    boiteMessage = std::make_shared<MessageBox>();
    boiteMessage->New();
    boiteMessage->Create(CanvasWidth, CanvasHeight, false, decor, u"message_large.png",
                         fontoregano30, TitreExplication, u"D'accord", u"");
    boiteMessage->titre->SetWidth(LargeurTitre);
    boiteMessage->titre->y = boiteMessage->y + HautTitre;
    auto& message = *boiteMessage->message;
    message.SetWidth(LargeurMessage);
    message.SetColor(20, 20, 20);
    message.SetCentred(false);
    message.x = boiteMessage->x + boiteMessage->Width() / 2 - message.Width() / 2;
    message.y = boiteMessage->y + HauteMessage;
    return 0;
}

// --- render and resize ---

int iEnginePhraseAuChoix::OnRenderHook() {
    // The hook runs in every playfield; the decor belongs to the canvas.
    if (decor && currentPlayfield == decor) {
        DessineDecor(*decor);
    }
    return 0;
}

int iEnginePhraseAuChoix::OnResize() {
    FitToWindow(fond.get(), decor.get());
    FitMenuScreens();
    return 0;
}
