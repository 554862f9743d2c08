#pragma once
// The gallery ("ecrangalerie"): the photos the child took during the games, framed and hung on
// the wall of a long room, three to a page after a first page where a puppet waits. Touching a
// picture shows it enlarged, touching its name plate shows its sentence on a card, touching
// anywhere else makes the puppet walk there; the room scrolls a page when the puppet walks
// toward an edge. Built anew at every visit from the profile folder: the "<name>.bmp" captures
// and the "phrases.txt" list that ties each capture name to its sentence.
//
// Set-up, the room's drawing and the reading of the profile folder are in gallery_screen.cpp,
// the per-frame behaviour in gallery_play.cpp.
#include <memory>
#include <vector>

#include "gui/engine_resizable.h"
#include "platform/image.h"
#include "platform/text.h"
#include "puppets/puppets_playfield.h"

class iBitmapFont;
class iGuiEtiquette;
class iGuiTextField;
class iPlayfieldDecore;
class iPlayfieldFond;
class iSprite;

// One framed picture on the wall, in room coordinates.
class Tableau {
  public:
    std::shared_ptr<iSprite> sprite;
    // The capture's file name without ".bmp": its key in "phrases.txt".
    String nom;
    float cadreX = 0;
    float cadreY = 0;
    // The touch box of the picture, from the sprite's top-left.
    float largeur = 0;
    float hauteur = 0;
    // The touch box of the name plate.
    float etiquetteLargeur = 0;
    float etiquetteHauteur = 0;
    float etiquetteX = 0;
    float etiquetteY = 0;

    void CreeSprite();
};

// The room. Its one puppet is the inherited persos[0]; its back button the inherited `bouton`.
class iPlayFieldGalerie : public iPlayfieldPersos {
  public:
    // The pictures found, newest first.
    std::vector<std::shared_ptr<Tableau>> tableaux = std::vector<std::shared_ptr<Tableau>>(20);
    // The first page and one page per three pictures.
    int nombreDePages = 0;
    platform::ImagePtr cadre;
    platform::ImagePtr etiquetteImage;
    // The picture shown enlarged in the middle of the screen.
    platform::ImagePtr imageAgrandie;
    // The card showing a picture's sentence.
    std::shared_ptr<iGuiEtiquette> legende;
    // 1-based indexes of the picture whose sentence or enlargement is shown; 0 none.
    int numeroLegende = 0;
    int numeroAgrandi = 0;
    bool legendeAffichee = false;

    // The wall, the floor along every page, the furniture, the pictures and their plates, the
    // puppet, then the enlarged picture over everything, in the middle of the view.
    int OnRender() override;
    int OnCreate() override { return 0; }
};

class iEngineGalerie : public iEngineResizable {
  public:
    std::shared_ptr<iPlayfieldFond> background;
    std::shared_ptr<iPlayFieldGalerie> galerie;
    // The whole of "phrases.txt".
    String texte;
    // Holds nothing: the last playfield made, so that nothing built later lands on the room.
    std::shared_ptr<iPlayfieldDecore> decor;
    // The touch in room coordinates.
    float toucheX = 0;
    float toucheY = 0;
    // 0 no touch, 1 scrolling right, 2 scrolling left, 3 walking inside the page.
    int marche = 0;
    // A picture or a name plate was touched in this frame.
    bool touche = false;
    bool defileDroite = false;
    bool defileGauche = false;
    // How far the running scroll has gone.
    float compteurDefilement = 0;
    // The current press closed an enlarged picture or a sentence: it neither walks nor scrolls.
    bool pressionFermante = false;
    // The camera moved in the previous frame: its place is told once it rests.
    bool cameraEnMouvement = false;

    // Set, then OnCreate.
    std::shared_ptr<iEngineGalerie> Create();
    int OnCreate() override;
    int OnUpdate() override;
    int OnResize() override;
    iPlayfield* BackgroundPlayfield() override;
    iPlayfield* MainPlayfield() override;

    // How many pictures hang on the wall.
    int NombreDeTableaux() const;

  private:
    // The newest readable captures on the wall, three to a page after the first, and the number
    // of pages.
    void AccrocheTableaux();
    // The card that shows a picture's sentence, hidden until a plate is touched.
    void PrepareCarte();

    // Per frame (gallery_play.cpp).
    void Toucher();
    void ToucheTableaux();
    void MarcheVers(float x);
    void Defilement();
    void MontreLegendeOuImage();
    void Clavier();
    // Tells where the view rests once it stops, for the plays that aim at a picture.
    void AnnonceCamera(float avant);
    void FermeTout();
    // The camera stays on the room, from its first page to its last.
    void BorneCamera();
    // The floor's length: every page.
    float LargeurPiece() const;
};

// Made anew each time the profiles screen opens the gallery.
extern std::shared_ptr<iEngineGalerie> ecrangalerie;

// At most this many pictures hang in the gallery: the newest ones that can be read, among the
// first forty capture files.
inline constexpr int TableauxGalerieMax = 20;

// The capture files of a profile folder: names ending with ".bmp" (as the game writes them),
// newest first. Capture names carry the date and time in a fixed-width form, so the name order
// is the order in which the photos were taken.
std::vector<String> CapturesDuDossier(const String& dossier);
// The sentence of a capture in the text of "phrases.txt": the rest of the line that starts
// with the name and "|" (the last such line: a photo taken twice in the same second replaced
// the first picture). A carriage return before the line feed is dropped. "" when no line names
// the capture.
String PhraseDeCapture(const String& texte, const String& nom);
// A capture at most as large as the gallery ever shows it (the enlarged view), averaged down
// when the file holds more; null when the file is not a capture as the game writes them (an
// uncompressed 24-bit BMP no larger than a screen) or cannot be read. However large a file
// declares itself, a wall of pictures keeps bounded memory.
platform::ImagePtr ChargeCapture(const String& chemin);
// The end of the profile's "phrases.txt": the lines of the newest photos, however long the list
// has grown (a line cut by the start of what is read is left out). "" when it cannot be read.
String LitListeDesPhrases(const String& dossier);
// The sentence put in the card's field so that it fits the card of that height: cut when far
// longer than a sentence, words wider than the card cut, the text made smaller until its lines
// fit, and if they still do not, the lines that fit ended by "...". Gives the scale.
float AjusteTexteCarte(iGuiTextField& champ, const String& phrase, float hauteurCarte);
// The text without the characters the font cannot draw, even through a stand-in; spaces and
// line feeds stay.
String TexteDessinable(const iBitmapFont& police, const String& texte);
