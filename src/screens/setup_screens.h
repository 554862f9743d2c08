#pragma once
// The set-up screens before a game: how many rounds (both), how many sentences and animations
// per board and which kind of variations (matching game only). Each counter has a heading, its
// value and two arrows; "commencer" writes the board settings and starts the game.
#include <memory>

#include "screens/menu_screen.h"

class iGuiButton2Choix;
class iGuiLabel;

class iEngineNombreItems : public iEngineMenuDecore {
  public:
    std::shared_ptr<iGuiLabel> toursLabel;
    std::shared_ptr<iGuiButton2> toursUp;
    std::shared_ptr<iGuiButton2> toursDown;
    std::shared_ptr<iGuiLabel> toursValue;
    std::shared_ptr<iGuiButton2> commencerButton;

    // The two arrows of a counter, centred on the value's column at the heading's row: the up
    // arrow above the value, the down arrow below it.
    int FabriqueFleches(const std::shared_ptr<iGuiButton2>& up,
                        const std::shared_ptr<iGuiButton2>& down,
                        const std::shared_ptr<iPlayfield>& playfield, const iGuiLabel& label);

  protected:
    // A heading in the large font at 40 per cent of the canvas width.
    std::shared_ptr<iGuiLabel> Titre(const String& texte);
    // The value of a counter, centred under its arrows on the heading's row.
    std::shared_ptr<iGuiLabel> Valeur(int valeur, const iGuiLabel& titre);
    void CreeCommencer();
    // The profile and back buttons; true when one of them was pressed.
    bool Sorties();
};

// For "associer des phrases et des images".
class iEngineNombreItems1 : public iEngineNombreItems {
  public:
    std::shared_ptr<iGuiLabel> phrasesLabel;
    std::shared_ptr<iGuiButton2> phrasesUp;
    std::shared_ptr<iGuiButton2> phrasesDown;
    std::shared_ptr<iGuiLabel> animationsLabel;
    std::shared_ptr<iGuiLabel> phrasesValue;
    std::shared_ptr<iGuiLabel> animationsValue;
    std::shared_ptr<iGuiButton2> animationsUp;
    std::shared_ptr<iGuiButton2> animationsDown;
    std::shared_ptr<iGuiLabel> variationsLabel;
    std::shared_ptr<iGuiButton2Choix> variationsButton;

    int OnCreate() override;
    int OnUpdate() override;
    // The choice after choixvariations (0 "syntaxiques", 1 "lexicales"), shown on the button;
    // stores nothing.
    int BasculeVariations();

  private:
    // The word-order game leaves one sentence and one animation; this game wants four of each.
    void CorrigeNombres();
};

// For "remettre les mots dans l'ordre".
class iEngineNombreItems2 : public iEngineNombreItems {
  public:
    int OnCreate() override;
    int OnUpdate() override;
};

// Made anew by the game-mode screen each time.
extern std::shared_ptr<iEngineNombreItems1> ecrannombreitems1;
extern std::shared_ptr<iEngineNombreItems2> ecrannombreitems2;
