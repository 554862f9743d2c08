#pragma once
// iEnginePhraseAuChoix: the game "fabriquer une phrase". The child drags word cards from a bank
// of every enabled word into the sentence frame at the top, in any order; the captions take
// their sentence forms, the words that may come next light up in their colours, and four buttons
// go back, empty the frame, export the sentence or have it acted out by the main game (or
// explain in a message box why it cannot be).
//
// Files: phrase_scene_setup.cpp (the screen), phrase_scene_play.cpp (each frame, the buttons,
// the export), phrase_scene_drop.cpp (a card let go: into, inside or out of the frame),
// phrase_scene_offers.cpp (the next words); the frame's row and captions are the tag scene's
// (sentence_frame.cpp, sentence_verdict.cpp).
#include <memory>

#include "game/slot_playfield.h"
#include "game/tag_scene.h"

class iGuiButton2;
class iGuiImage;
class iPlayfieldDecore;
class iPlayfieldFond;
class MessageBox;

class iEnginePhraseAuChoix : public iEngineEtiq {
  public:
    std::shared_ptr<iPlayfieldFond> fond;
    // The decor playfield that is also playfieldPrincipal: every widget stands on it.
    std::shared_ptr<iPlayfieldDecore> decor;
    // Two frames of 1280 by 160: normal and highlighted.
    platform::ImagePtr imageCadre;
    platform::ImagePtr imageCadreFond;
    std::shared_ptr<iGuiImage> cadreFond;
    // Blinks while a card is dragged.
    std::shared_ptr<iGuiImage> cadre;
    std::shared_ptr<iGuiButton2> boutonRetour;
    std::shared_ptr<iGuiButton2> boutonEffacer;
    std::shared_ptr<iGuiButton2> boutonExporter;
    std::shared_ptr<iGuiButton2> boutonAnimation;
    // Where a card let go joins the sentence: the top 150 units of the canvas.
    std::shared_ptr<SlotPlayfield> zonePhrase;
    // Why the sentence cannot be acted out.
    std::shared_ptr<MessageBox> boiteMessage;
    // Milliseconds of the frame's last blink.
    int tempsClignotement = 0;
    // The sentence changed this frame: the next words are offered again.
    bool phraseModifiee = false;
    // The bank's cards were told on the debug output.
    bool banqueAnnoncee = false;

    // Titles of the message box: why the sentence cannot be acted out, why it was not exported.
    static constexpr const char16_t* TitreExplication =
        u"Je n'arrive pas à fabriquer une animation avec cette phrase\u00a0:";
    static constexpr const char16_t* TitreExport = u"Je n'arrive pas à exporter cette phrase\u00a0:";
    static constexpr const char16_t* MessageExport =
        u"Je n'ai pas pu l'écrire dans le fichier «\u00a0mirelvanquibs_phrases.txt\u00a0» du "
        u"dossier MirelvanQuibs.";

    // Set, then OnCreate.
    std::shared_ptr<iEnginePhraseAuChoix> Create();
    int OnCreate() override;
    int OnRenderHook() override;
    int OnResize() override;
    int OnUpdate() override;
    iPlayfield* BackgroundPlayfield() override;

    // The bank cards offered (proposee) show their own colour while some are not offered;
    // otherwise every card is neutral and counted as offered.
    int ColorieEtiquettes(ListeEtiquettes& tags);

    // --- Each frame (phrase_scene_play.cpp) ---
    void FaitClignoterLeCadre();
    void RetourAuChoixDuJeu();
    // The box's button hides it; nothing else answers while it shows.
    void ReponseALaBoite();
    void ReagitAuxBoutons();
    void VoirLAnimation();
    void Efface();
    // Appends the sentence as the frame shows it, a space and a line feed to the export file of
    // the game folder; a file that cannot take it is told in the message box.
    void ExportePhrase();
    // The message box shown with its title and message.
    void MontreMessage(const String& titre, const String& message);
    // Every frame card whose pop is under way.
    void FaitGrossirLesMots();
    // For whoever follows the game on the debug output: the bank's cards once, with their
    // places and captions, and the frame's words each time they change.
    void AnnonceBanque();
    void AnnonceCadre();

    // --- A card let go (phrase_scene_drop.cpp) ---
    void PlacePhrase();
    void AjouteMot(iGuiEtiquette& bankCard);
    void DeplaceMot();
    void RetireMot();

    // --- The next words (phrase_scene_offers.cpp) ---
    void ProposeMotsSuivants();
    // The persons alone: what a sentence starts with.
    void ProposeLesPersonnages();
};

// The scene of the game, made anew each time the child picks it; the main game comes back here.
extern std::shared_ptr<iEnginePhraseAuChoix> ecranchoixdephrase;

// "fabriquer une phrase" on the game-mode screen (LancePhraseAuChoix, after NouvelEcran and
// modedejeu are set): a new scene, made current and built, kept in ecranchoixdephrase and
// switched to.
std::shared_ptr<iEnginePhraseAuChoix> OuvrePhraseAuChoix();

// ecranchoixdephrase and the sentence handed to the main game back to none (tests).
void ResetPhraseGlobals();
