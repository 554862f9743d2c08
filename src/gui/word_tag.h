#pragma once
// iGuiEtiquette: the card the child drags in the sentence games, holding a whole sentence or one
// word, with its caption (a text field kept at an offset from the card). The card knows how to
// set itself up, slide in from above, pop, show and hide, copy another card and tell whether the
// pointer is on it; grabbing and dropping belong to the tag scene.
#include <memory>
#include <vector>

#include "gui/image_widget.h"

class iBitmapFont;
class iGuiTextField;

class iGuiEtiquette : public iGuiImage {
  public:
    // Made by whoever builds the card; both join the same GUI page.
    std::shared_ptr<iGuiTextField> legende;
    // The card's own colour, kept apart from the colour shown: a scene may show every card in
    // the neutral colour first and switch each to its own colour later.
    int couleurBleu = 0;
    int couleurRouge = 0;
    int couleurVert = 0;
    // Home: where the card belongs on its board; a slide-in ends there.
    float origineX = 0;
    float origineY = 0;
    // Caption offset from the card's centre.
    float decalageX = 0;
    float decalageY = 0;
    int numero = 0;
    // The word code or the sentence the card stands for; the caption shows its display form.
    String texte;
    // Horizontal scale at rest: the card body is stretched to its caption.
    float echelle = 0;
    // Scale of the caption at rest: below 1 only on a card partly covered in a crowded row,
    // whose caption then shrinks into the part in sight (decalageX moves it there).
    float echelleLegende = 1;
    bool saisie = false;
    // Offered as a possible next word of the child's sentence.
    bool proposee = false;
    // A pop is to run; Grossit clears it when the pop is over.
    bool aGrossir = false;
    // 0 idle, 1 growing, 2 shrinking.
    int etatZoom = 0;
    // Keeps a card taken out of play hidden through BasculeVisible.
    bool verrouillee = false;
    bool enGlissement = false;
    // The answer check's verdict for this card.
    bool bienPlacee = false;

    static constexpr float NeutreRouge = 155;
    static constexpr float NeutreVert = 155;
    static constexpr float NeutreBleu = 140;

    // The body: image, number and home; shows its own colour or the neutral one.
    void Initialise(const platform::ImagePtr& image, int number, float px, float py, float r,
                    float g, float b, bool useOwnColour);
    // The caption; a width of 0 fits it to the text with 10 pixels on each side.
    void PrepareLegende(const std::shared_ptr<iBitmapFont>& font, const String& text, float offsetX,
                        float offsetY, float captionWidth);
    void PlaceLegende();
    // One step of the slide-in: 200 pixels above home, down by 17 each call, 4 pixels past home
    // on the twelfth call, on home on the thirteenth.
    void Glisse();
    void BasculeVisible();
    // One step of the pop: from scale 1 only, up by 0.1 past 1.05, then down by 0.05 to 1.
    void Grossit();
    void AfficheTexte(const iGuiEtiquette& source);
    // Becomes a copy of the source; without keepColour it shows and owns white.
    void EcritTexte(const iGuiEtiquette& source, bool keepColour);
    void EffaceTexte();
    // The pointer on the card, with a margin of 8 pixels left, right and below, 4 above.
    bool EstTouchee() const;

    // The body stretched to the caption's text, as the word cards are made: a caption that
    // changed its form ("à" read as "au") keeps its card's margins.
    void AjusteALaLegende();

    // The caption written in another font, wrapped again at its width; the card keeps its size.
    void EcritLegendeEn(const std::shared_ptr<iBitmapFont>& font);

    // Width at the resting scale (echelle), whatever pop or drag is under way.
    float LargeurAuRepos() const;

    // Both the card and its caption.
    void MontreAvecLegende();
    void CacheAvecLegende();

    // Caption centred on the card (moved along it by decalageX), 15 % of the card's height
    // above its middle, as a pop leaves it, whatever the caption's scale.
    void LegendeAuDessus();

  private:
    void ImageAuCentre();
    void LegendeEchelle(float scale);
};

// A list of cards as the scenes keep them: a slot may be empty until the scene fills it.
using ListeEtiquettes = std::vector<std::shared_ptr<iGuiEtiquette>>;

// The first of the fonts (largest first) in which every text, wrapped `largeur` wide, keeps its
// lines within `largeur` and `hauteur`; the last one when none does. Fonts that did not load
// (no line height) are passed over; none when no font loaded.
std::shared_ptr<iBitmapFont> PoliceCommune(const std::vector<std::shared_ptr<iBitmapFont>>& polices,
                                           const std::vector<String>& textes, float largeur,
                                           float hauteur);
