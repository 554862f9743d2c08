// Sprites and puppet parts.
//
//   1. The picture cache
//   2. iSprite
//   3. Part loaders
#include "puppets/sprite.h"

#include <cmath>
#include <unordered_map>

#include "platform/graphics.h"
#include "platform/random.h"

// ---------------------------------------------------------------------------------------------
// 1. The picture cache

namespace {

// Keyed by file name and layout; a missing file is remembered too, so that building a board of
// puppets asks the disk once per file.
std::unordered_map<String, platform::ImagePtr>& Cache() {
    static std::unordered_map<String, platform::ImagePtr> cache;
    return cache;
}

platform::ImagePtr Copie(const platform::ImagePtr& image) {
    return image ? std::make_shared<platform::Image>(*image) : nullptr;
}

template <class Load> platform::ImagePtr Cached(const String& key, Load load) {
    auto& cache = Cache();
    auto found = cache.find(key);
    if (found == cache.end()) {
        found = cache.emplace(key, load()).first;
    }
    return Copie(found->second);
}

// The remainder in [0, count), as an index; a value that is not finite gives 0.
int Wrap(float value, int count) {
    if (count <= 0) {
        return 0;
    }
    float r = std::fmod(value, static_cast<float>(count));
    if (!std::isfinite(r)) {
        return 0;
    }
    // Steps that count down must not fall off the first frame.
    if (r < 0) {
        r += static_cast<float>(count);
    }
    const int index = static_cast<int>(r);
    return index >= count ? count - 1 : index;
}

} // namespace

platform::ImagePtr ImageDeSprite(const String& fichier, int images) {
    return Cached(fichier + u"#" + platform::Str(images),
                  [&] { return platform::LoadImage(fichier, images, 0); });
}

platform::ImagePtr ImageDeSpriteEnGrille(const String& fichier, int largeur, int hauteur,
                                         int nombre) {
    return Cached(fichier + u"#" + platform::Str(largeur) + u"x" + platform::Str(hauteur) + u"x" +
                      platform::Str(nombre),
                  [&] { return platform::LoadImageFrames(fichier, largeur, hauteur, nombre, 0); });
}

void ResetImagesDeSprites() { Cache().clear(); }

int TaillePuissanceDeDeux(int valeur) {
    for (int i = 1; i <= 12; ++i) {
        const int bas = 1 << i;
        const int haut = bas << 1;
        if (valeur > bas && haut > valeur) {
            return haut;
        }
    }
    return valeur;
}

// ---------------------------------------------------------------------------------------------
// 2. iSprite

void iSprite::SetColor(float r, float g, float b) {
    red = r;
    green = g;
    blue = b;
}

const platform::ImagePtr& iSprite::CurrentImage() const {
    static const platform::ImagePtr none;
    if (images.empty()) {
        return none;
    }
    return images[static_cast<std::size_t>(Wrap(imageIndex, static_cast<int>(images.size())))];
}

float iSprite::ImageFrame() const {
    const auto& image = CurrentImage();
    const int count = image ? image->Frames() : 0;
    return count > 0 ? std::fmod(frame, static_cast<float>(count)) : 0.0f;
}

float iSprite::ImageIndex() const {
    return images.empty() ? 0.0f : std::fmod(imageIndex, static_cast<float>(images.size()));
}

void iSprite::SetImage(const platform::ImagePtr& image) { PrendImage(Copie(image)); }

void iSprite::PrendImage(platform::ImagePtr image) {
    // A frame equal to the count stays: it wraps to 0 when drawn.
    const int count = image ? image->Frames() : 0;
    if (frame > static_cast<float>(count)) {
        frame = 0;
    }
    imageIndex = 0;
    images.resize(1);
    images[0] = std::move(image);
}

void iSprite::SetImages(const std::vector<platform::ImagePtr>& pictures) {
    frame = 0;
    imageIndex = 0;
    images.clear();
    for (const auto& picture : pictures) {
        images.push_back(Copie(picture));
    }
    if (images.empty()) {
        images.resize(1);
    }
}

void iSprite::SetFrame(int n) {
    if (images.size() < 2) {
        frame = static_cast<float>(n);
    } else {
        imageIndex = static_cast<float>(n);
    }
}

int iSprite::Frame() const {
    if (images.size() > 1) {
        return Wrap(imageIndex, static_cast<int>(images.size()));
    }
    const auto& image = CurrentImage();
    return Wrap(frame, image ? image->Frames() : 0);
}

void iSprite::SetHandle(float hx, float hy) {
    for (auto& image : images) {
        if (image) {
            image->SetHandle(hx, hy);
        }
    }
}

float iSprite::Width() const {
    const auto& image = CurrentImage();
    return image ? std::fabs(static_cast<float>(image->Width()) * scaleX) : 0.0f;
}

void iSprite::Draw() const {
    const auto& image = CurrentImage();
    if (!image || image->Frames() < 1) {
        return;
    }
    // The device flushes its batch only when the effective blending changes.
    if (platform::GetBlend() != blend) {
        platform::SetBlend(blend);
    }
    platform::SetAlpha(alpha);
    platform::SetColor(red, green, blue);
    platform::DrawImageTransformed(image, x, y, -rotation, static_cast<float>(flipX) * scaleX,
                                   static_cast<float>(flipY) * scaleY,
                                   Wrap(frame, image->Frames()));
}

// ---------------------------------------------------------------------------------------------
// 3. Part loaders

void Buste::Charge(const String& fichier, float hx, float hy, float px, float repere1,
                   float repere2, int r, int g, int b, float largeurBuste, float hauteurBuste) {
    PrendImage(ImageDeSprite(fichier, largeurBuste == 220.0f ? 6 : 1));
    SetHandle(hx, hy);
    poigneeX = hx;
    poigneeY = hy;
    x = px;
    repereX = repere1;
    repereY = repere2;
    largeur = largeurBuste;
    hauteur = hauteurBuste;
    SetColor(static_cast<float>(r), static_cast<float>(g), static_cast<float>(b));
}

void Visage::Charge(const String& fichier, int images, float hx, float hy, float oeil1, float oeil2,
                    float yeux, int largeurImage, int hauteurImage) {
    PrendImage(ImageDeSpriteEnGrille(fichier, TaillePuissanceDeDeux(largeurImage),
                                     TaillePuissanceDeDeux(hauteurImage), images));
    SetHandle(hx, hy);
    oeil1X = oeil1;
    oeil2X = oeil2;
    yeuxY = yeux;
    // Expression 1 never starts a face: 0 takes its share of the draw (twice as likely).
    int depart = platform::RandomIndex(4);
    if (depart == 1) {
        depart = 0;
    }
    SetFrame(depart);
}

void Extremite::Charge(const String& fichier, int r, int g, int b, float hx, float hy) {
    PrendImage(ImageDeSprite(fichier, 1));
    SetHandle(hx, hy);
    SetColor(static_cast<float>(r), static_cast<float>(g), static_cast<float>(b));
}

void Accessoire::Charge(const String& fichier, int images, float hx, float hy, float largeurObjet,
                        float hauteurObjet) {
    PrendImage(images > 1 ? ImageDeSpriteEnGrille(fichier, static_cast<int>(largeurObjet),
                                                  static_cast<int>(hauteurObjet), images)
                          : ImageDeSprite(fichier, 1));
    SetHandle(hx, hy);
    poigneeX = hx;
    poigneeY = hy;
    poigneeYDepart = hy;
    largeur = largeurObjet;
    hauteur = hauteurObjet;
}

void Accessoire::CopieDe(const Accessoire& autre) {
    SetImages(autre.images);
    poigneeX = autre.poigneeX;
    poigneeY = autre.poigneeY;
    scaleX = autre.ScaleX();
    scaleY = autre.ScaleY();
    rotation = autre.rotation;
    poigneeYDepart = autre.poigneeYDepart;
    supplement1 = autre.supplement1;
    supplement2 = autre.supplement2;
    decalageX = autre.decalageX;
    decalageY = autre.decalageY;
    reposX = autre.reposX;
    reposY = autre.reposY;
    largeur = autre.largeur;
    hauteur = autre.hauteur;
    x = autre.x;
    y = autre.y;
}

void Chapeau::Charge(float sensTete, const String& fichier, float largeurChapeau,
                     float hauteurChapeau, int images, float hx, float hy, int modeEchelle,
                     int modeCouleur, int r, int g, int b, float taille) {
    Accessoire::Charge(fichier, images, hx, hy, largeurChapeau, hauteurChapeau);
    const float s = modeEchelle == 1 && largeurChapeau != 0 ? taille / largeurChapeau : 1.0f;
    echelle = s;
    // The picture keeps its handle in picture pixels: the drawing scales about it, so the
    // hat's anchor lands on the head's hat point at any scale. The fields give the drawn size.
    poigneeX = s * hx;
    poigneeY = s * hy;
    poigneeYDepart = poigneeY;
    hauteur = s * hauteurChapeau;
    largeur = s * largeurChapeau;
    // Only the width follows the head's facing: a hat is never turned upside down.
    if (modeEchelle == 1) {
        scaleX = s * sensTete;
        scaleY = s;
    }
    if (modeCouleur == 1) {
        SetColor(static_cast<float>(r), static_cast<float>(g), static_cast<float>(b));
    }
}
