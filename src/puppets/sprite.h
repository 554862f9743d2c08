#pragma once
// iSprite, the one drawable piece of the puppet theatre, and the part classes of the puppets,
// animals, props and furniture, with their loaders.
//
// A sprite owns its pictures: each is the sprite's own copy of a decoded picture, so the handle
// and the frames belong to this sprite alone. One file serves differently in different uses (a
// hat scaled per head, a prop held or standing on a table, furniture on a terrain or in the
// decor); only the decoded pixels are shared, through the cache below.
#include <vector>

#include "platform/image.h"
#include "platform/text.h"

// A picture for a sprite: N frames side by side, or a row-major grid of frames of the given
// size. The file is decoded once per layout and kept for the run; each call returns a new copy
// with its handle at the top left. None when the file is missing or unreadable (one line on
// standard error names it, once).
platform::ImagePtr ImageDeSprite(const String& fichier, int images = 1);
platform::ImagePtr ImageDeSpriteEnGrille(const String& fichier, int largeur, int hauteur,
                                         int nombre);
// Empties the cache (tests).
void ResetImagesDeSprites();

// A frame size for pictures cut into a grid: the next power of two above the value, from 4 to
// 8192; a value that is a power of two already, 2 or less, or above 8192 stays as it is.
int TaillePuissanceDeDeux(int valeur);

class iSprite {
  public:
    // 1 additive, anything else normal alpha blending.
    int blend = 0;
    float alpha = 1.0f;
    float red = 255.0f;
    float green = 255.0f;
    float blue = 255.0f;
    // The sprite's own pictures; a slot may be none (a file that could not be loaded).
    std::vector<platform::ImagePtr> images = std::vector<platform::ImagePtr>(1);
    // Which picture shows when there are several; wraps.
    float imageIndex = 0;
    float x = 0;
    float y = 0;
    // Degrees; the sprite is drawn turned by minus this value.
    float rotation = 0;
    int flipX = 1;
    float scaleX = 1.0f;
    int flipY = 1;
    float scaleY = 1.0f;
    // Which frame of the picture shows; wraps. Steps may add fractions to it.
    float frame = 0;

    float X() const { return x; }
    void SetX(float value) { x = value; }
    float Y() const { return y; }
    void SetY(float value) { y = value; }
    float Rotation() const { return rotation; }
    void SetRotation(float value) { rotation = value; }
    // The getters give flip times scale; the setters leave the flip alone.
    float ScaleX() const { return static_cast<float>(flipX) * scaleX; }
    void SetScaleX(float value) { scaleX = value; }
    float ScaleY() const { return static_cast<float>(flipY) * scaleY; }
    void SetScaleY(float value) { scaleY = value; }
    void SetColor(float r, float g, float b);

    const std::vector<platform::ImagePtr>& Images() const { return images; }
    const platform::ImagePtr& FirstImage() const { return images.front(); }
    // `frame` modulo the frame count of the current picture (0 without a picture).
    float ImageFrame() const;
    // `imageIndex` modulo the number of pictures.
    float ImageIndex() const;

    // The sprite keeps its own copy of the picture (see above). A frame beyond the new
    // picture's count goes back to 0; several pictures become one.
    void SetImage(const platform::ImagePtr& image);
    void SetImages(const std::vector<platform::ImagePtr>& pictures);
    // With fewer than two pictures the frame, else the picture index.
    void SetFrame(int n);
    int Frame() const;
    // On every picture of the sprite; only this sprite sees it.
    void SetHandle(float hx, float hy);
    // The current picture's width times the scale, the flip left out.
    float Width() const;

    // Blend, alpha and colour, then the current frame turned and scaled about its handle.
    // Colour and alpha stay set afterwards. A sprite without a picture draws nothing.
    void Draw() const;

    // As SetImage, for a picture made for this sprite alone (a fresh copy from the cache
    // above): it is taken as it is, not copied again.
    void PrendImage(platform::ImagePtr image);

  protected:
    // The picture that Draw shows, or none.
    const platform::ImagePtr& CurrentImage() const;
};

// A part hung on a torso or an animal's body.
class Attachable : public iSprite {
  public:
    // The size the part was loaded at.
    float largeur = 0;
    float hauteur = 0;
    // Current offset and rest offset from the torso's handle, in the unmirrored body.
    float decalageX = 0;
    float decalageY = 0;
    float reposX = 0;
    float reposY = 0;
};

// Head, arm or leg of a puppet; face, head, leg or tail of an animal.
class Membre : public Attachable {
  public:
    // The pivot it was loaded with.
    float poigneeX = 0;
    float poigneeY = 0;
    // Where the next part hangs, from the pivot: the hand end of an arm, the hat on a head.
    float attacheX = 0;
    float attacheY = 0;
    // An arm: how far down its picture from the pivot the fist begins to show, and where its
    // sleeve's picture ends (a long or a short sleeve) over the hand's picture. 0 for the other
    // parts.
    float poignet = 0;
    float finManche = 0;
    // Whole degrees, saved at the start of an animation.
    int rotationDepart = 0;

    void FixeAttache(float dx, float dy) {
        attacheX = dx;
        attacheY = dy;
    }
};

// Torso of a puppet, body of an animal: the root every part's rest offset is measured from.
class Buste : public iSprite {
  public:
    float poigneeX = 0;
    float poigneeY = 0;
    // 220 means a picture of six frames side by side.
    float largeur = 0;
    float hauteur = 0;
    // Where a partner carried on the shoulders puts its hips: behind and above the front
    // shoulder.
    float repereX = 0;
    float repereY = 0;
    float rotationDepart = 0;
    float xDepart = 0;
    float yDepart = 0;

    void Charge(const String& fichier, float hx, float hy, float px, float repere1, float repere2,
                int r, int g, int b, float largeurBuste, float hauteurBuste);
};

// The face: eight frames, expressions 0 to 3 with the eyes open, then closed (expression + 4).
class Visage : public iSprite {
  public:
    float oeil1X = 0;
    float oeil2X = 0;
    float yeuxY = 0;
    int expression = 0;
    // Written by the aim and read by the gaze drawing.
    float xOeil1 = 0;
    float yOeil1 = 0;
    float xCible = 0;
    float yCible = 0;
    float xOeil2 = 0;
    float yOeil2 = 0;
    int expressionDepart = 0;

    // Cut into frames of the size raised to powers of two; shows a random starting expression
    // (0, 2 or 3, 0 twice as likely).
    void Charge(const String& fichier, int images, float hx, float hy, float oeil1, float oeil2,
                float yeux, int largeurImage, int hauteurImage);
};

// Hands and hair.
class Extremite : public iSprite {
  public:
    void Charge(const String& fichier, int r, int g, int b, float hx, float hy);
};

// A held object, an object on a table, a guitar.
class Accessoire : public Attachable {
  public:
    // Keeps rotation 0 in the hand instead of turning with the arm (the pan).
    bool resteDroit = false;
    float poigneeX = 0;
    float poigneeY = 0;
    float poigneeYDepart = 0;
    // Carried over by CopieDe only.
    float supplement1 = 0;
    float supplement2 = 0;

    // A grid of frames of largeur x hauteur when there are several frames, else one frame.
    void Charge(const String& fichier, int images, float hx, float hy, float largeurObjet,
                float hauteurObjet);
    void CopieDe(const Accessoire& autre);
};

class Chapeau : public Accessoire {
  public:
    // Drawn size over picture size.
    float echelle = 0;

    // Scale mode 1 brings the hat's width to `taille`, mirrored by the head's facing sign
    // `sensTete`; colour mode 1 tints it.
    void Charge(float sensTete, const String& fichier, float largeurChapeau, float hauteurChapeau,
                int images, float hx, float hy, int modeEchelle, int modeCouleur, int r, int g,
                int b, float taille);
};

// One star of the burst around a hit puppet.
class Projection : public iSprite {
  public:
    bool visible = false;
};

// Room furniture and the table under an object. The horizontal handle is 0.
class Meuble : public iSprite {
  public:
    // Which of the room's pieces it is (see the room playfield); -1 for the table under an
    // object.
    int piece = -1;
    float largeur = 0;
    float poigneeY = 0;
    // Added to the floor line when the piece is placed.
    float decalageY = 0;
};
