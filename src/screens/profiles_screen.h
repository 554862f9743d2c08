#pragma once
// The profiles screen ("ecranprofils"): one row per profile folder (its name, "effacer",
// "utiliser", "voir la galerie") on a scrolling panel, under a field for the name of a new
// profile with "ajouter" and "utiliser", and "retour" below the list. Deleting asks first.
//
// Set-up and the placement of the rows are in profiles_screen.cpp, the per-frame behaviour in
// profiles_play.cpp.
#include <memory>
#include <vector>

#include "gui/engine_resizable.h"
#include "platform/text.h"

class iGuiButton2;
class iGuiInput;
class iGuiScrollBox;
class iGuiTextField;
class iPlayfieldDecore;
class iPlayfieldFond;
class MessageBox;

class iEngineProfils : public iEngineResizable {
  public:
    std::shared_ptr<iPlayfieldFond> background;
    std::shared_ptr<iPlayfieldDecore> decor;
    // The panel's own playfield, fitted like decor.
    std::shared_ptr<iPlayfieldDecore> listPlayfield;
    std::shared_ptr<iGuiScrollBox> scrollBox;
    // Rows in use; the slots past them are hidden and taken again by the next profile added.
    int rowCount = 0;
    std::shared_ptr<iGuiInput> nameInput;
    std::shared_ptr<iGuiButton2> addButton;
    std::shared_ptr<iGuiButton2> useNewButton;
    std::vector<std::shared_ptr<iGuiTextField>> nameFields;
    std::vector<std::shared_ptr<iGuiButton2>> deleteButtons;
    // "utiliser" on the rows made at start, "charger" on the rows added since.
    std::vector<std::shared_ptr<iGuiButton2>> useButtons;
    std::vector<std::shared_ptr<iGuiButton2>> galleryButtons;
    // The folder each row in use stands for (the name field may show it shortened, and shows
    // the default one as "_par défaut_").
    std::vector<String> rowFolders;
    // Beside rowFolders: whether the row was added on this screen (its "charger" look).
    std::vector<bool> rowAdded;
    // Room below "retour", which follows it.
    std::shared_ptr<iGuiImage> bottomMargin;
    // "retour" is the inherited backButton.
    std::shared_ptr<MessageBox> confirmBox;
    int rowToDelete = -1;
    // Says that a profile could not be created or deleted.
    std::shared_ptr<MessageBox> failureBox;

    int OnCreate() override;
    int OnResize() override;
    int OnUpdate() override;

    // "retour" 16 above the bottom of the panel while the list is short, below its last row
    // once it is longer.
    int PlaceSousLaListe();

    iPlayfield* BackgroundPlayfield() override;
    iPlayfield* MainPlayfield() override;

  private:
    // A new slot of four widgets at the end of the row arrays.
    void AjouteEmplacement(bool ajoute);
    // A slot of a row added on this screen says "charger" and takes another colour when pressed.
    void HabilleEmplacement(std::size_t i, bool ajoute);
    // The texts and looks of the rows in use from rowFolders and rowAdded, every widget of
    // every row placed again, the slots past them hidden, then "retour" below the list.
    void PlaceLignes();
    // The panel's playfield gets the window's letterbox.
    void AjusteListe();
    // Only the rows inside the panel are drawn: a long list costs no more than a short one.
    void MontreLignesVisibles();

    // Per frame (profiles_play.cpp).
    void Molette();
    void Lignes();
    void BoutonsDuHaut();
    void Confirmation();
    void AjouteProfil(bool utiliser);
    void EffaceLigne(int ligne);
    void MontreEchec(const String& texte);
    // A question left open would greet the next visit, over another child's row: leaving the
    // screen answers it "Annuler".
    void FermeQuestion();
    void VersHub();
};

// The question asked before a profile is deleted, naming it as its row shows it.
String QuestionEffacer(const String& nom);

// Created once by the application and switched to again and again.
extern std::shared_ptr<iEngineProfils> ecranprofils;
