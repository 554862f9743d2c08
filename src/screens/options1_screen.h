#pragma once
// Options screen 1 ("ecranoptions1"): the adult chooses which constructions the sentences of the
// current profile may use. Ten constructions, each with a three-state button (" non ",
// "pourquoi pas", "si possible"); six yes/no sub-options as check boxes on the rows they refine;
// an example sentence drawn under the current choices. Every widget edits its option global of
// the sentence engine directly; "retour" saves them in the profile's preferences file.
//
// Set-up and the display of the options are in options1_screen.cpp, the per-frame behaviour in
// options1_play.cpp.
#include <memory>
#include <utility>
#include <vector>

#include "screens/menu_screen.h"
#include "sentence/structure_action.h"

class iGuiButton3Choix;
class iGuiCheckBox2;
class iGuiLabel;
class iGuiTextField;
class MessageBox;

class iEngineOptions1 : public iEngineMenuDecore {
  public:
    StructureAction StructureExemple;
    String PhraseExemple;

    std::shared_ptr<iGuiButton3Choix> BoutonCod;
    std::shared_ptr<iGuiLabel> TexteCod;
    std::shared_ptr<iGuiButton3Choix> BoutonExpansionGN1;
    std::shared_ptr<iGuiLabel> TexteExpansionGN1;
    std::shared_ptr<iGuiButton3Choix> BoutonExpansionGN2;
    std::shared_ptr<iGuiLabel> TexteExpansionGN2;
    std::shared_ptr<iGuiButton3Choix> BoutonAdjectifs;
    std::shared_ptr<iGuiLabel> TexteAdjectifs;
    std::shared_ptr<iGuiButton3Choix> BoutonRenversable;
    std::shared_ptr<iGuiLabel> TexteRenversable;
    std::shared_ptr<iGuiButton3Choix> BoutonRenversableGN1;
    std::shared_ptr<iGuiLabel> TexteRenversableGN1;
    std::shared_ptr<iGuiButton3Choix> BoutonRenversableGN2;
    std::shared_ptr<iGuiLabel> TexteRenversableGN2;
    std::shared_ptr<iGuiButton3Choix> BoutonPassive;
    std::shared_ptr<iGuiLabel> TextePassive;
    std::shared_ptr<iGuiCheckBox2> CasePassiveEnchassee;
    std::shared_ptr<iGuiLabel> TextePassiveEnchassee;
    std::shared_ptr<iGuiCheckBox2> CasePassiveFin;
    std::shared_ptr<iGuiLabel> TextePassiveFin;
    std::shared_ptr<iGuiButton3Choix> BoutonQue;
    std::shared_ptr<iGuiLabel> TexteQue;
    std::shared_ptr<iGuiCheckBox2> CaseOrdreVerbeSujet;
    std::shared_ptr<iGuiLabel> TexteOrdreVerbeSujet;
    std::shared_ptr<iGuiCheckBox2> CaseOrdreSujetVerbe;
    std::shared_ptr<iGuiLabel> TexteOrdreSujetVerbe;
    std::shared_ptr<iGuiButton3Choix> BoutonEmphatique;
    std::shared_ptr<iGuiLabel> TexteEmphatique;
    std::shared_ptr<iGuiCheckBox2> CaseAccentAgent;
    std::shared_ptr<iGuiLabel> TexteAccentAgent;
    std::shared_ptr<iGuiCheckBox2> CaseAccentPatient;
    std::shared_ptr<iGuiLabel> TexteAccentPatient;
    std::shared_ptr<iGuiButton2> BoutonExemple;
    std::shared_ptr<iGuiTextField> ChampExemple;
    std::shared_ptr<iGuiButton2> BoutonRetour;
    // Shown when the profile's file could not be written; "retour" then waits for its button.
    std::shared_ptr<MessageBox> MessageEchec;

    // Each button with the level it edits and each box with its yes/no, in the order the
    // per-frame hook asks them.
    std::vector<std::pair<std::shared_ptr<iGuiButton3Choix>, int*>> Boutons;
    std::vector<std::pair<std::shared_ptr<iGuiCheckBox2>, bool*>> Cases;

    int OnCreate() override;
    int OnResize() override;
    int OnUpdate() override;

    // The buttons and boxes show the option globals.
    int AfficheOptions();
    // The next level after `etat` (0, 1, 2, then 0 again), shown on the button.
    static int ChoixSuivant(iGuiButton3Choix& bouton, int etat);
    // A new example sentence under the current options.
    int FabriqueExemple();

  private:
    // The boxes only: after every frame's logic they show their options again, so a box and
    // its option never disagree.
    void AfficheCases();
    // Saves the options (outside the default profile) and goes back to the hub; on a failed
    // write the message box is shown instead and the hub waits for its button.
    void Quitte();
    void RetourAuHub();
};

// Created once by the application and switched to again and again.
extern std::shared_ptr<iEngineOptions1> ecranoptions1;
