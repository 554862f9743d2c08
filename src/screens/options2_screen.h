#pragma once
// Options screen 2: which persons, actions, objects, animals, garments, hats and colours the
// sentences may use. One check box per word, each tied to one flag of the vocabulary's box
// arrays, in six groups whose own box switches the whole group; the list scrolls. Leaving
// checks that the words still allow sentences, and variations of them for the matching game,
// and says so in French when they do not.
#include <memory>
#include <vector>

#include "screens/menu_screen.h"

class MessageBox;
class iGuiCheckBox2;
class iGuiLabel;
class iGuiScrollBox;

class iEngineOptions2 : public iEngineMenuDecore {
  public:
    // Element i belongs to the word at index i of the vocabulary list, whatever the order in
    // which the boxes are shown.
    using Cases = std::vector<std::shared_ptr<iGuiCheckBox2>>;
    using Etiquettes = std::vector<std::shared_ptr<iGuiLabel>>;

    // Holds the list over the whole canvas; it has the decor's letterbox.
    std::shared_ptr<iPlayfieldDecore> listPlayfield;
    std::shared_ptr<iGuiScrollBox> scrollBox;
    std::shared_ptr<iGuiLabel> titleLabel;
    std::shared_ptr<iGuiCheckBox2> persosGroupBox;
    std::shared_ptr<iGuiLabel> persosGroupLabel;
    Cases persosBoxes;
    Etiquettes persosLabels;
    std::shared_ptr<iGuiCheckBox2> actionsGroupBox;
    std::shared_ptr<iGuiLabel> actionsGroupLabel;
    Cases intransitifsBoxes;
    Etiquettes intransitifsLabels;
    Cases jouerMusiqueBoxes;
    Etiquettes jouerMusiqueLabels;
    Cases regarderBoxes;
    Etiquettes regarderLabels;
    Cases lancerBoxes;
    Etiquettes lancerLabels;
    Cases souleverBoxes;
    Etiquettes souleverLabels;
    Cases tenirBoxes;
    Etiquettes tenirLabels;
    Cases poursuivreBoxes;
    Etiquettes poursuivreLabels;
    Cases lancerSurABoxes;
    Etiquettes lancerSurALabels;
    Cases promenerBoxes;
    Etiquettes promenerLabels;
    Cases porterEpaulesBoxes;
    Etiquettes porterEpaulesLabels;
    Cases porterHabitBoxes;
    Etiquettes porterHabitLabels;
    std::shared_ptr<iGuiCheckBox2> objetsGroupBox;
    std::shared_ptr<iGuiLabel> objetsGroupLabel;
    Cases uneMainBoxes;
    Etiquettes uneMainLabels;
    Cases deuxMainsBoxes;
    Etiquettes deuxMainsLabels;
    std::shared_ptr<iGuiCheckBox2> animauxGroupBox;
    std::shared_ptr<iGuiLabel> animauxGroupLabel;
    Cases animauxBoxes;
    Etiquettes animauxLabels;
    std::shared_ptr<iGuiCheckBox2> habitsGroupBox;
    std::shared_ptr<iGuiLabel> habitsGroupLabel;
    Cases habitsBoxes;
    Etiquettes habitsLabels;
    Cases chapeauxBoxes;
    Etiquettes chapeauxLabels;
    std::shared_ptr<iGuiCheckBox2> couleursGroupBox;
    std::shared_ptr<iGuiLabel> couleursGroupLabel;
    Cases couleursBoxes;
    Etiquettes couleursLabels;
    // "retour" is the inherited backButton, at the end of the list.
    std::shared_ptr<MessageBox> messageBox;
    // Dismissing the message leads to the hub.
    bool leaveAfterMessage = false;

    int OnCreate() override;
    int OnUpdate() override;
    // The furniture drifts on but is not drawn: the list covers the canvas.
    int OnRenderHook() override { return 0; }
    int OnResize() override;
    // Every word box shows its flag, every group box its group.
    int AfficheOptions();

  private:
    // The list playfield takes the decor's place and scale.
    void AjusteListe();
    // The first box pressed in this frame, in the order of the groups, switches its flag (or
    // its whole group).
    void BasculeCases();
    // "retour" or Escape: the choice is checked, and the screen left when it allows a game;
    // otherwise the message says why. "retour" keeps the choice in the profile (enregistre),
    // Escape leaves it in memory only; a choice that could not be kept is told before the hub.
    void Quitte(bool enregistre);
};

// Whether each group's box is on; not saved.
extern bool groupepersos;
extern bool groupeactions;
extern bool groupeobjets;
extern bool groupeanimaux;
extern bool groupehabits;
extern bool groupecouleurs;
void ResetGroupesOptions2();

// Created once by the application and switched to again and again.
extern std::shared_ptr<iEngineOptions2> ecranoptions2;
