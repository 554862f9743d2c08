// The numbers the game's code relies on for every picture (sizes, frames, pivots, attach points),
// and the list type the picture families fill. The generator checks the art against these
// numbers, so a drawing that breaks them fails the build.
#pragma once

#include "style.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace cat {

using art::Pt;

// ---- Puppets -------------------------------------------------------------------------------

struct TorsoGeo {
    int w, h;
    Pt handle, neck, front, back, hip1, hip2, seat;
};
struct HeadGeo {
    int w, h;
    Pt pivot, hat;
    int hatWidth;
    int cellW, cellH;
    Pt eye1, eye2;
};
struct ArmGeo {
    int w, h;
    Pt pivot, hand;
};
enum class Person { Man, Boy, Lady, Girl };
struct BodyType {
    const char* suffix;
    Person person;
    int legClass;
    TorsoGeo torso;
    HeadGeo head;
    ArmGeo front; // brasd: nearer the viewer
    ArmGeo back;  // brasg
};
extern const std::array<BodyType, 9> kBodies;

struct LegGeo {
    const char* file;
    int w, h;
    Pt hip;
    int cellW, cellH;
};
extern const std::array<LegGeo, 3> kLegs;

// The unicycle's crank axle. The code hangs a rider's legs 15 px above its torso's handle, the
// torso resting on the saddle, and draws the pedals 80 % of a leg lower, turning round a point
// 68 px from the picture's left edge and, by body type, 1 to 46 px under its top (20 for the
// boy, 15 to 22 for most): the crank sits there.
inline const Pt kUnicycleCrank = {68, 20};

// ---- Animals -------------------------------------------------------------------------------

struct AnimalGeo {
    const char* key; // file suffix: ventre_{key}.png ...
    int bodyW, bodyH;
    Pt bodyHandle;
    int headW, headH;
    Pt headPivot, headAt;
    int legW, legH;
    Pt legHip;
    std::array<Pt, 4> legAt;
    int tailW, tailH;
    Pt tailPivot, tailAt;
};
extern const std::array<AnimalGeo, 3> kAnimals; // dog, crocodile, elephant
inline constexpr int kFishFrameW = 220;
inline constexpr int kFishFrameH = 181;
inline constexpr int kFishFrames = 6;
inline const Pt kFishHandle = {120, 62};
inline const Pt kFishLead = {67, 14};

// ---- Objects, hats, furniture --------------------------------------------------------------

struct ObjectGeo {
    const char* file;
    int w, h;
    Pt grip;
};
extern const std::array<ObjectGeo, 12> kObjects; // one-hand then two-hand objects
struct HatGeo {
    const char* file;
    int w, h;
    Pt handle;
};
extern const std::array<HatGeo, 4> kHats;
struct FurnitureGeo {
    const char* file;
    int w, h;
    int d;
};
extern const std::array<FurnitureGeo, 8> kFurniture;
inline constexpr int kPaintingW = 320;
inline constexpr int kPaintingH = 252;
inline constexpr int kPaintings = 10;

inline constexpr int kSignW = 116;
inline constexpr int kSignH = 102;
inline const Pt kSignGrip = {34, 92};
// The praises the end screen spells; the sign letters are derived from them.
extern const std::array<const char*, 24> kPraises;
struct SignLetter {
    std::string code;  // file name part
    std::string glyph; // what the board shows (UTF-8)
};
std::vector<SignLetter> SignLetters();

// ---- The picture list ----------------------------------------------------------------------

enum class Layout { Single, Row, Grid };

// Read access to a rendered picture (cairo's premultiplied ARGB32).
class Pixels {
  public:
    Pixels(const uint8_t* data, int width, int height, int stride)
        : data_(data), width_(width), height_(height), stride_(stride) {}
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Alpha 0-255; 0 outside the picture.
    int Alpha(int x, int y) const;
    // Straight (unpremultiplied) colour channel 0-255.
    int Channel(int x, int y, int channel) const;
    // True when any pixel of the rectangle has alpha above `min`.
    bool AnyInk(int x, int y, int w, int h, int min = 0) const;

  private:
    const uint8_t* data_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
};

// Collects the failures of one picture's checks.
class Checker {
  public:
    explicit Checker(const Pixels& px) : px_(px) {}
    // The point must be covered (alpha above 200 by default).
    void Opaque(Pt p, const std::string& what, int min = 200);
    void Clear(Pt p, const std::string& what, int max = 0);
    // Nothing drawn inside the rectangle.
    void ClearRect(int x, int y, int w, int h, const std::string& what);
    void InkInRect(int x, int y, int w, int h, const std::string& what);
    void Expect(bool ok, const std::string& what);
    const std::vector<std::string>& Failures() const { return failures_; }
    const Pixels& Px() const { return px_; }

  private:
    const Pixels& px_;
    std::vector<std::string> failures_;
};

struct Picture {
    std::string name;
    int width = 0;
    int height = 0;
    int frames = 1;
    Layout layout = Layout::Single;
    int frameW = 0; // cell size of Row and Grid layouts
    int frameH = 0;
    std::function<void(cairo_t*)> draw;
    std::function<void(Checker&)> check;
};
using PictureList = std::vector<Picture>;

// Helpers for family files.
Picture Single(std::string name, int w, int h, std::function<void(cairo_t*)> draw);
// Draws each frame with the origin moved to the frame's cell.
Picture Frames(std::string name, int frames, int columns, int cellW, int cellH, Layout layout,
               std::function<void(cairo_t*, int frame)> drawFrame);

// One manifest line: "name width height frames layout".
std::string ManifestLine(const Picture& p);

// The picture families.
void AddPuppets(PictureList& list);
void AddClothesAndHats(PictureList& list);
void AddAnimals(PictureList& list);
void AddObjects(PictureList& list);
void AddFurniture(PictureList& list);
void AddWidgets(PictureList& list);
void AddTitleArt(PictureList& list);
void AddSceneButtons(PictureList& list);

PictureList AllPictures();
inline constexpr size_t kPictureCount = 279;

} // namespace cat
