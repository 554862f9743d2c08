// The house style shared by every generated picture: palette, line widths, path helpers and
// the two ways of painting a shape (tinted: white and greys; as is: final colours).
#pragma once

#include <cairo.h>

#include <functional>
#include <string>
#include <vector>

namespace art {

struct Pt {
    double x = 0;
    double y = 0;
};
inline Pt operator+(Pt a, Pt b) { return {a.x + b.x, a.y + b.y}; }
inline Pt operator-(Pt a, Pt b) { return {a.x - b.x, a.y - b.y}; }
inline Pt operator*(Pt a, double k) { return {a.x * k, a.y * k}; }
Pt Lerp(Pt a, Pt b, double t);
double Dist(Pt a, Pt b);

struct Rgb {
    double r = 1;
    double g = 1;
    double b = 1;
};
Rgb C(int r, int g, int b);
Rgb Grey(int v);
Rgb Mix(Rgb a, Rgb b, double t);
Rgb Darker(Rgb c, double k = 0.72);
Rgb Lighter(Rgb c, double k = 0.35);

// Line widths: puppet-scale art is shown at about 0.44, so its outline never goes under 3 px.
inline constexpr double kLine = 3.0;
inline constexpr double kLineThin = 2.0;

// The palette. Tinted pictures use the white/grey trio; the rest are the picture-book colours.
namespace pal {
inline const Rgb White = {1, 1, 1};
inline const Rgb TintShade = {0.855, 0.855, 0.87};
inline const Rgb TintInk = {0.41, 0.41, 0.43};
inline const Rgb Ink = {0.27, 0.2, 0.2};
inline const Rgb Red = {0.9, 0.27, 0.24};
inline const Rgb Orange = {0.97, 0.58, 0.2};
inline const Rgb Yellow = {0.99, 0.83, 0.27};
inline const Rgb Green = {0.42, 0.75, 0.35};
inline const Rgb DarkGreen = {0.24, 0.52, 0.27};
inline const Rgb Blue = {0.3, 0.58, 0.86};
inline const Rgb SkyBlue = {0.6, 0.82, 0.96};
inline const Rgb Navy = {0.17, 0.24, 0.4};
inline const Rgb Purple = {0.58, 0.4, 0.75};
inline const Rgb Pink = {0.96, 0.6, 0.7};
inline const Rgb Brown = {0.6, 0.4, 0.24};
inline const Rgb LightWood = {0.85, 0.66, 0.43};
inline const Rgb DarkWood = {0.47, 0.3, 0.18};
inline const Rgb Cream = {0.99, 0.96, 0.87};
inline const Rgb Skin = {0.98, 0.82, 0.68};
inline const Rgb Charcoal = {0.2, 0.2, 0.24};
inline const Rgb Gold = {0.93, 0.74, 0.3};
} // namespace pal

// A path builder: adds sub-paths to the current cairo path.
using PathFn = std::function<void(cairo_t*)>;

void SetColour(cairo_t* cr, Rgb c, double alpha = 1.0);

// Path pieces (each adds one closed sub-path, always turning the same way so that overlapping
// pieces fill as their union).
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
void Circle(cairo_t* cr, Pt c, double r);
void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r);
void Polygon(cairo_t* cr, const std::vector<Pt>& pts);
// A smooth closed curve through the points (Catmull-Rom turned into Bézier segments).
void Smooth(cairo_t* cr, const std::vector<Pt>& pts, double tension = 1.0);
// An open smooth curve (for strokes).
void SmoothOpen(cairo_t* cr, const std::vector<Pt>& pts, double tension = 1.0);
// A limb: circles of varying radius swept from a to b, as one filled outline.
void Limb(cairo_t* cr, Pt a, Pt b, double ra, double rb);

// Painting. A shape is drawn with its outline outside the fill so that overlapping pieces of one
// shape read as a single silhouette.
void Outlined(cairo_t* cr, const PathFn& path, Rgb fill, Rgb ink, double line = kLine);
// Shading inside a shape: the part not covered by the shape moved by (dx, dy) gets `shade`
// (light comes from the upper left, so a positive offset darkens the lower right).
void Shade(cairo_t* cr, const PathFn& path, Rgb shade, double dx, double dy, double alpha = 1.0);
// Tinted look: white fill, light-grey shading, mid-grey outline.
void Tinted(cairo_t* cr, const PathFn& path, double line = kLine, double shade = 0.12);
// As-is look: base colour, darker shading, dark outline.
void Solid(cairo_t* cr, const PathFn& path, Rgb fill, double line = kLine, double shade = 0.12,
           Rgb ink = pal::Ink);
// A stroked line in the ink colour (seams, creases, details).
void Line(cairo_t* cr, const std::vector<Pt>& pts, Rgb ink, double width, bool smooth = true);
// A soft white gloss spot.
void Gloss(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha = 0.55);

// Lettering with a fat outline (bubbly title letters, sign letters, captions).
struct TextStyle {
    std::string family = "Comic Neue";
    bool bold = true;
    double size = 40;
    Rgb fill = pal::White;
    Rgb ink = pal::Ink;
    double outline = 0; // 0: no outline
};
// Draws the text with its ink box centred on (cx, cy).
void TextCentred(cairo_t* cr, const std::string& utf8, double cx, double cy,
                 const TextStyle& style);

// Lettering fitted into a box (scaled to fill it, centred), each letter with its own colour
// from `colours` in turn; a white gloss on the upper half of every letter when `gloss` is set.
// `valign` places the ink box in the free height: 0 top, 0.5 centre, 1 bottom. `fillWidth`
// widens and spaces the letters so that the word spans the whole width.
void FitLetters(cairo_t* cr, const std::string& utf8, double x, double y, double w, double h,
                const TextStyle& style, const std::vector<Rgb>& colours, bool gloss,
                double valign = 0.5, bool fillWidth = false);

} // namespace art
