#pragma once
// iEngineSceneGlobale: the scene of a running game of "associer des phrases et des images" and
// "remettre les mots dans l'ordre", and of the child's own sentence acted out. Each board shows
// up to four terrains, each acting one sentence, in a 2 by 2 grid (or one terrain over the whole
// window) with the sentence cards, or the shuffled word cards of one sentence, on the canvas
// above them. The child drags the cards, asks for a check with OK, and goes from board to board
// until the end screen.
//
// Files, by concern:
//   main_scene_setup.cpp       the scene, its create hook, the objects of one board
//   main_scene_board.cpp       building a board
//   main_scene_word_order.cpp  the word cards and the accepted orders of the word-order game
//   main_scene_layout.cpp      the grid of terrains, the resize, the card places
//   main_scene_zoom.cpp        one terrain enlarged, and back to the grid
//   main_scene_answer.cpp      the checks, the undo, the next board, the veil, the shuffles
//   main_scene_play.cpp        each frame: keys, entrance, buttons, boxes, control bars, taps
//   main_scene_tags.cpp        the cards moved: selection band, drag, bin, swap and slide
//   main_scene_files.cpp       the export file and the photos with their captions list
#include <array>
#include <memory>
#include <vector>

#include "game/main_scene_globals.h"
#include "game/selection_rectangle.h"
#include "game/slot_playfield.h"
#include "game/tag_scene.h"
#include "puppets/room_layout.h"
#include "puppets/terrain_staging.h"
#include "sentence/board.h"

class BmpFile;
class iGuiButton2;
class iGuiImage;
class iGuiRectangle;
class iPlayFieldTerrainAction;
class iPlayfieldDecore;
class iPlayfieldFond;
class MessageBox;

class iEngineSceneGlobale : public iEngineEtiq, public PuppetStagingHost, public SentenceBoardHost {
  public:
    // Terrains, structures and card places of a board at most.
    static constexpr int Quatre = 4;
    // What the failure box tells the adult: one line each, in the box's print.
    static constexpr const char16_t* EchecPhoto = u"Je n'ai pas pu enregistrer la photo.";
    // The picture is in the profile folder, but the gallery will show it without its sentence.
    static constexpr const char16_t* EchecPhrasePhoto =
        u"J'ai enregistré la photo, sans sa phrase.";
    static constexpr const char16_t* EchecExport = u"Je n'ai pas pu exporter les phrases.";

    std::shared_ptr<iPlayfieldFond> fond;
    // Window position (device pixels) of each place of the grid.
    std::array<float, Quatre> positionsX{};
    std::array<float, Quatre> positionsY{};
    // Entries 0 to nombredanimations are the board's.
    std::array<std::shared_ptr<iPlayFieldTerrainAction>, Quatre> terrains;
    // The terrain the child acts on: the one enlarged, the last control bar used.
    int numter = 0;
    platform::ImagePtr imageBoutonOk;
    platform::ImagePtr imageBoutonAnnuler;
    // The entrance of a board: hidden animation steps run, terrains zoomed in, cards slid in.
    int preAnimation = 0;
    int terrainsApparus = 0;
    int etiquettesApparues = 0;
    // (structures and phrases come with the board host.)
    // The four card places as drop rectangles.
    std::vector<std::shared_ptr<SlotPlayfield>> slots =
        std::vector<std::shared_ptr<SlotPlayfield>>(Quatre);
    // A black veil over the canvas, faded in and out by Fondu.
    std::shared_ptr<iGuiRectangle> rectangleFondu;
    std::shared_ptr<RectangleSelection> rectangleSelection;
    std::shared_ptr<iGuiButton2> boutonOk;
    // Brings the hidden terrains back.
    std::shared_ptr<iGuiButton2> boutonSansImages;
    // Puts the cards back; only with more sentences than terrains.
    std::shared_ptr<iGuiButton2> boutonAnnuler;
    std::shared_ptr<MessageBox> boiteBravo;
    std::shared_ptr<MessageBox> boiteQuitter;
    std::shared_ptr<MessageBox> boiteChangerTableau;
    // Tells the adult that a photo or an export could not be written, on a playfield of its own
    // over everything (the canvas is hidden while one terrain of the grid is enlarged), shown
    // only with the box: nothing beneath takes the press on its button.
    std::shared_ptr<MessageBox> boiteEchec;
    std::shared_ptr<iPlayfield> playfieldEchec;
    // Made with each board; the terrains write their captures with their own.
    std::shared_ptr<BmpFile> capture;
    // The whole grid is in view: every terrain plays, not only numter.
    bool tousLesTerrains = false;
    // Terrain index -> sentence index, and its inverse.
    std::vector<int> ordreTerrains = std::vector<int>(8);
    std::vector<int> terrainDePhrase = std::vector<int>(8);
    // Card place -> the sentence whose card starts there (Aucune: place unused), and the card
    // standing there now.
    std::vector<int> ordreEtiquettes = std::vector<int>(Quatre);
    std::vector<int> etiquettesDesPlaces = std::vector<int>(Quatre);
    // Canvas position of each card place (the card's centre).
    std::array<float, 6> etiquettesX{};
    std::array<float, 6> etiquettesY{};
    platform::ImagePtr imageCadre;
    platform::ImagePtr imageCadreFond;
    platform::ImagePtr imagePoubelle;
    // The throw-away band and the bin, shown while a surplus card is held.
    std::shared_ptr<iGuiImage> cadreFond;
    std::shared_ptr<iGuiImage> cadre;
    std::shared_ptr<iGuiImage> poubelle;
    // Sentence cards still in play, minus one.
    int nombreetiqact = 0;
    // The word orders the word-order check accepts, without spaces; "" accepts nothing.
    std::array<String, Quatre> phrasesvracok{};
    // A scene or box button was pressed: no card is grabbed, no terrain touched.
    bool boutonPresse = false;
    // Boards answered in this game.
    int numeroTableau = 0;
    bool fonduEnCours = false;
    int tempsFondu = 0;
    bool fonduMonte = false;
    bool fonduDescendu = false;
    int tempsApparition = 0;
    // "x" stands for the number of right answers in a row, in words.
    std::array<String, 6> messagesSerie{};
    std::array<String, 12> messagesBravo{};
    int tempsPhoto = 0;
    // A card displaced by a drop slides to the place the dropped card left.
    bool echangeEnCours = false;
    int etiquetteEchangee = 0;
    float echangeDepartX = 0;
    float echangeDepartY = 0;
    float echangeArriveeX = 0;
    float echangeArriveeY = 0;
    float echangePas = 0;
    float echangePente = 0;

    // A photo asked for: its line goes to the captures list once the terrain's drawing has
    // written the picture.
    struct PhotoEnAttente {
        std::weak_ptr<iPlayFieldTerrainAction> terrain;
        String nom;
        String legende;
    };
    std::vector<PhotoEnAttente> photosEnAttente;
    // The board's cards have all come in and their places were told on the debug output.
    bool tableauAnnonce = false;

    iEngineSceneGlobale();

    // --- The scene and one board's objects (main_scene_setup.cpp) ---

    // Set, then OnCreate: the first board is built at once.
    std::shared_ptr<iEngineSceneGlobale> Create();
    int OnCreate() override;
    int OnRenderHook() override { return 0; }
    iPlayfield* BackgroundPlayfield() override;
    // Fresh terrains with their puppets and control bars, cards, buttons and boxes for the
    // board sizes of the set-up; nothing is placed or shown yet.
    int AlloueObjets();
    // The objects of terrains and cards that a board drawn smaller than asked did not make,
    // then grows back to: entries still empty are made (AlloueObjets's kinds).
    void CompleteObjets();

    // --- Building a board (main_scene_board.cpp) ---
    void FabriqueTableau();
    // Every sentence card of the board in one print size: the largest in which each of their
    // sentences fits its card.
    void EcritLesCartesEnUneTaille();

    // --- The word-order game (main_scene_word_order.cpp) ---

    // Sentence 0, written with its word-order markup, becomes shuffled word cards; the card of
    // sentence 0 gets the clean sentence, and phrasesvracok the orders a check accepts.
    void PrepareMotsEnVrac();
    // A random permutation of the array in place, one random step per element.
    void MelangeChaines(std::vector<String>& tableau);
    // Shuffled words that read as an order the check accepts are dealt in another order, found
    // without a random draw; unchanged when every order of them is accepted.
    void DerangeSiEnOrdre(std::vector<String>& mots) const;
    // Words run together without spaces read as one of the orders the check accepts.
    bool OrdreAccepte(const String& lue) const;

    // --- Layout (main_scene_layout.cpp) ---

    // The OK button's centre, at the foot of the canvas; with the undo button it stands this far
    // right of the middle, the undo button as far left.
    static constexpr float BoutonsY = 768 - 54;
    static constexpr float EcartAnnuler = 68;

    // The grid places of the window and each terrain's rest place and drop rectangle.
    int DisposeTerrains();
    // What the OK and undo buttons cover of terrain t's room where it stands on the canvas, for
    // its staging to keep clear of.
    std::vector<Cadre> SousLesBoutons(int t) const;
    // The terrain alone in the window: over all of it, or, where the OK button is in play (one
    // animation, word order), over the canvas above the buttons, so that they hide nothing of
    // the room.
    void Agrandit(iPlayFieldTerrainAction& terrain);
    int OnResize() override;
    // The card and its caption on a place.
    int PlaceEtiquette(iGuiEtiquette& tag, int place);

    // --- The zoom (main_scene_zoom.cpp) ---

    // Terrain i enlarged over the whole window, or the grid again, as tousLesTerrains says.
    void AnimeTerrains(int i);

    // --- Answers and boards (main_scene_answer.cpp) ---

    // Matching: every card still in play on the terrain that acts its sentence.
    bool VerifieReponse();
    // Word order: the word cards, read left to right (upper row first), give an accepted order.
    bool VerifieOrdre();
    // Every sentence card back home, shown and white; the places as they were.
    int ReinitialiseEtiquettes();
    // The board goes and the next one is built; `changement`: not counted as played.
    int TableauSuivant(bool changement);
    // One step of the veil's fade.
    int Fondu();
    static String SansEspaces(const String& s);
    // The array becomes a random permutation of its indices, one random step per entry.
    static int MelangeEntiers(std::vector<int>& tableau);

    // --- Each frame (main_scene_play.cpp) ---

    int OnUpdate() override;
    // Leaves the game for another screen; the music stops whatever the way out.
    void Quitte(const std::shared_ptr<iScene>& ecran, const String& nom);
    // Ctrl: the terrains hidden or shown.
    void BasculeTerrains();
    // Space and the hide button: the cards (and the buttons that go with them) hidden or shown;
    // Space toggles OK in both matching games, the hide button in the one of several terrains.
    void BasculeEtiquettes(bool parEspace);
    // The board comes in: hidden steps, the terrains zoom in one by one, the cards slide in.
    void Entree(int premier, int dernier);
    // The terrain's puppets back to their start, one step after each.
    void Rejoue(int i);
    // OK, undo, and the button that brings the pictures back.
    void BoutonsDeLaScene();
    // The praise after a right answer, with the streak in words now and then.
    void MontreBravo();
    void Boites();
    // A file that could not be written, told in its box: once for each failure.
    void SignaleEchec(const String& message);
    // The control bar of terrain i, or a tap on it; false when nothing fired.
    bool BarreDeControle(int i);
    void TapeSurTerrain(int i);
    // The music of terrain i alone, or none.
    void JoueSeul(int i);
    // The cards' places and the terrains' sentences on the debug output.
    void AnnonceTableau();

    // --- The cards moved (main_scene_tags.cpp) ---

    void SelectionneEtiquette();
    void DeplaceLesEtiquettes();
    void RelacheLePointeur();
    // Card g dropped on place j: the card there goes to g's place.
    void Echange(int g, int j);
    void GlisseEtiquetteEchangee();

    // --- Files (main_scene_files.cpp) ---

    // The board's sentences appended to the export file of the game folder.
    bool ExporteTableau();
    // A photo of terrain i asked for; its name is new in the profile folder.
    void PrendPhoto(int i);
    // The photos whose pictures are written get their lines in "phrases.txt".
    void InscritPhotos();

    // The card of sentence i; none past the board's cards.
    iGuiEtiquette* Etiquette(int i) const;
    // The terrain i of the board; none past the board's terrains.
    iPlayFieldTerrainAction* Terrain(int i) const;
    // The terrain that carries the full control bar; -1 with a single terrain.
    int TerrainBarreComplete() const;
};
