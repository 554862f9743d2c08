#pragma once
// iEngineEtiq: the common base of the sentence-game scenes. It holds what both games need to put
// word or sentence cards on the canvas and let the child drag them: the playfield the cards
// stand on, two card lists, the card picture, the structure of the child's sentence and the
// state of the current drag. The derived scenes supply the hooks and fill the fields in their
// create hook.
#include <memory>
#include <vector>

#include "gui/engine_resizable.h"
#include "gui/word_tag.h"
#include "sentence/structure_action.h"

class iPlayfield;

class iEngineEtiq : public iEngineResizable {
  public:
    // The sentence frame of the build-a-sentence game has this many slots.
    static constexpr int PlacesDuCadre = 20;
    // Card index meaning "none"; also past the end of every list the games keep.
    static constexpr int Aucune = 99;
    // The sentence frame keeps one slot free after the last word: at most 19 words.
    static constexpr int MotsDuCadre = PlacesDuCadre - 1;
    // The frame's words: the first centred at x 100, the others 4 pixels apart, on one row at
    // y 75 while they fit inside the frame, else on two rows at y 60 and 116, both starting where
    // the first word starts. (Named apart from the constants of the scenes' own files, which they
    // would hide.)
    static constexpr float RangeeGauche = 100;
    static constexpr float RangeeEcart = 4;
    static constexpr float RangeeUniqueY = 75;
    static constexpr float RangeeHauteY = 60;
    static constexpr float RangeeBasseY = 116;

    // The 1280 by 768 canvas: the cards and their captions are on its GUI page, and the drag
    // maps the pointer into it.
    std::shared_ptr<iPlayfield> playfieldPrincipal;
    // List number 1: the sentence cards of the matching game, the word bank of the
    // build-a-sentence game.
    ListeEtiquettes etiquettes;
    // Filled from the child's composed sentence.
    StructureAction structurePhrase;
    // The word card picture ("etiquettemot.png"), given to every card FabriqueEtiquettes makes.
    platform::ImagePtr imageEtiquette;
    // List number 2: the word cards of the word-order game, the sentence frame of the
    // build-a-sentence game.
    ListeEtiquettes etiquettesMots = ListeEtiquettes(PlacesDuCadre);
    int nombrePlacees = 0;
    // The list (1 or 2) whose card is being dragged; 0 while no drag is under way.
    int listeSaisie = 0;
    // The card that follows the pointer; past the list, the next card pressed may be taken.
    // A scene puts it past the list whenever any card may be grabbed afresh.
    int derniereSaisie = 0;
    // The list of the last grab: only the drag step of that list ends the drag.
    int listeEtiquetteSaisie = 0;
    // The card being dragged, or last dragged: the release restores it.
    int indiceSaisie = 0;
    // The card whose pop runs.
    int indiceAGrossir = 0;

    iPlayfield* MainPlayfield() override { return playfieldPrincipal.get(); }

    // --- Drag and drop (tag_scene_drag.cpp) ---

    // Once per frame for one list: 0 nothing, 1 a card of the list follows the pointer, 2 the
    // card was let go this frame. The release is reported again every frame until the scene,
    // having handled it, sets listeEtiquetteSaisie to 0 and derniereSaisie past the list.
    int DeplaceEtiquettes(ListeEtiquettes& list, int listNumber);
    // Picks the pressed card (the one drawn on top under the pointer) or moves the one being
    // dragged, kept 4 pixels inside the canvas; the other cards fade. The card in hand is drawn
    // over every card of both lists and stays there once let go, until another card is taken.
    // True when a card of the list is under the pointer or the drag of this list is under way.
    bool SaisitEtiquette(ListeEtiquettes& list, int listNumber);
    // The shown card under the pointer that is drawn last, or -1.
    int CarteDessus(const ListeEtiquettes& list) const;
    // The card and its caption drawn after every card and caption of both lists, below what
    // the scene laid over the cards.
    void MetDessus(const iGuiEtiquette& carte);
    // The release alone: card back to its resting scale, every card opaque, input cleared, pop.
    bool LacheEtiquette(ListeEtiquettes& list);
    // A drop that found no place: the card goes back to its home (origineX, origineY) with its
    // caption, and the drop is closed so that it is not released again on the next frames.
    void RemetEtiquette(ListeEtiquettes& list);

    // --- Word cards (tag_scene_words.cpp) ---

    // A row of cards for the words, from startIndex on, laid out from (x0, y0) left to right
    // with `gap` between cards and wrapped 60 pixels lower when a card would come within 100
    // pixels of the canvas's right edge; a call that starts past 0 continues after the card
    // before startIndex. categoryCaptions: word codes, coloured by category with a caption for
    // the child; otherwise sentence pieces shown as they are on random pale cards. Returns the
    // index after the last card made; the list grows when it is too short.
    int FabriqueEtiquettes(ListeEtiquettes& list, int startIndex, const std::vector<String>& words,
                           const std::shared_ptr<iPlayfield>& playfield, bool categoryCaptions,
                           bool useOwnColour, float x0, float y0, float gap);

    // --- The sentence frame (sentence_frame.cpp) ---
    // Its words are the cards of etiquettesMots 0 to nombrePlacees - 1, left to right.

    // The frame card at indiceSaisie, dropped inside the frame away from its place, moves to the
    // place its x designates among the other words and pops there; the row is laid out again
    // and analysed. A drop that designates its own place puts the card back.
    void CopieEtiquette();
    // The captions of the frame read as a sentence: "au" for "à le", a capital on the first
    // word only, colours agreed with a feminine noun before them, and the full stop while the
    // check has nothing to say.
    void DecomposePhrase();
    // "à" followed by a person whose article is "le" reads "au" and the person loses the
    // article; everywhere else "à" and the article are written out again.
    void TrouvePersos(ListeEtiquettes& tags, int count);
    // Frame slot i shown at its place in the rows (its home), caption included.
    void PlaceDansLeCadre(int i);
    // Every word of the frame on its place, each card fitted to its caption first.
    void DisposeLeCadre();
    // Where a word of the frame stands: its centre (its home), and the span of it in sight.
    // In a frame too crowded for two rows, each card of a row but the first lies partly under
    // the one before it (drawn over it), showing at least the same width as its wide neighbours.
    struct PlaceDeMot {
        float x = 0;
        float y = 0;
        float gaucheVisible = 0;
        float droite = 0;
    };
    // The place of each of the frame's words, in reading order.
    std::vector<PlaceDeMot> PlacesDesMots() const;
    // How many of the frame's words, `sauf` left out, a child reads before a point of the
    // frame: those of an upper row, and those of its row whose part in sight lies left of it.
    int MotsAvant(float x, float y, int sauf) const;
    // The analysis of the words in the frame into structurePhrase; its remarks.
    String AnalyseCadre();
    // The frame's captions as the child reads them, one space apart.
    String TexteDuCadre() const;

    // --- The check of the child's sentence (sentence_verdict.cpp) ---

    // What cannot be acted out, in French, one sentence per line: the analysis's remarks, then
    // objects that do not suit their verbs and verbs that cannot go together. "" when the
    // sentence may be animated.
    String VerifiePhrase();
    // The object's code is of a kind the verb takes in that role ("GroupeNominal2",
    // "ObjetComplement1" or "ObjetComplement2").
    bool TesteObjet(const String& objet, const String& verbe, const String& role,
                    const String& texteA, const String& texteB);
};

// Where a widget comes in the drawing of its playfield's GUI page; -1 on no page.
int RangDeDessin(const iGuiObject& widget);

// The caption a child reads on the card of a word code: the French word with its article, the
// placeholder of what some verbs need, the feminine ending of a colour in brackets.
String LegendeDeMot(const String& code);
// The same from a display word already found for the code.
String LegendeDeMot(const String& code, const String& motFrancais);
