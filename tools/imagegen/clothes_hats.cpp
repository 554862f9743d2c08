// Clothes (the three torso pictures of each body type: jumper or top, shirt or dress, coat) and
// the four hats.
//
// Index: torso silhouette · garment details · hats · the list.
#include "catalogue.h"
#include "puppet_shapes.h"

#include <algorithm>
#include <cmath>

namespace {

using art::Pt;
using art::Rgb;
using cat::Checker;
using cat::Person;
namespace pal = art::pal;

// ---- torso silhouette ----------------------------------------------------------------------

enum class Garment { Plain, ShirtOrDress, Coat };

struct TorsoShape {
    std::vector<Pt> outline;
    double neckY = 0; // bottom of the head's neck, where the collar is
    double neckR = 0;
    double waistY = 0;
    double left = 0, right = 0;
    bool skirt = false;
};

TorsoShape MakeTorso(const cat::BodyType& b, Garment g) {
    const auto& t = b.torso;
    TorsoShape s;
    auto head = puppet::MakeHead(b.head);
    auto fa = puppet::MakeArm(b.front);
    auto ba = puppet::MakeArm(b.back);
    double rf = std::max(9.0, fa.shoulderR);
    double rb = std::max(9.0, ba.shoulderR);
    s.neckR = head.neckR;
    // The head's neck reaches this far below the neck joint and covers the collar.
    s.neckY = t.neck.y + (b.head.h - b.head.pivot.y) - 3;
    double hipY = std::max(t.hip1.y, t.hip2.y);
    double shoulderY = std::min(t.front.y, t.back.y);
    s.waistY = shoulderY + (hipY - shoulderY) * 0.58;
    s.skirt = b.person == Person::Lady || b.person == Person::Girl;
    bool wide = b.person == Person::Man && t.w > 150;
    s.left = std::max(3.0, std::min(t.front.x - rf - 2, std::min(t.hip1.x, t.hip2.x) - 16));
    s.right = t.w - 3.0;
    double collarY = std::max(t.neck.y + 1, s.neckY - s.neckR * 1.3);
    double bottom = t.h - 3.0;
    double waistIn = s.skirt ? 0.12 : 0.0;
    double w = s.right - s.left;
    s.outline = {
        {t.neck.x - s.neckR * 1.1, collarY},
        {t.neck.x + s.neckR * 1.1, collarY - 1},
        {t.back.x + rb * 0.2, t.back.y - rb - 1},
        {std::min(s.right, t.back.x + rb + 3), t.back.y + rb * 0.4},
        {s.right - w * (wide ? 0.0 : 0.03) - w * waistIn, s.waistY},
    };
    if (s.skirt) {
        // Top, narrower waist, then the skirt flares down to the bottom edge.
        s.outline.push_back({s.right - w * waistIn * 0.6, hipY - (hipY - s.waistY) * 0.2});
        s.outline.push_back({s.right, bottom - 2});
        s.outline.push_back({(s.left + s.right) / 2, bottom});
        s.outline.push_back({s.left, bottom - 2});
        s.outline.push_back({s.left + w * waistIn * 0.6, hipY - (hipY - s.waistY) * 0.2});
        s.outline.push_back({s.left + w * waistIn, s.waistY});
    } else if (g == Garment::Coat) {
        // A coat hangs lower and flares a little at the hem.
        s.outline.push_back({s.right, bottom - 4});
        s.outline.push_back({s.right - 4, bottom});
        s.outline.push_back({std::max(3.0, s.left - 2) + 4, bottom});
        s.outline.push_back({std::max(3.0, s.left - 2), bottom - 4});
        s.outline.push_back({s.left, s.waistY});
    } else {
        s.outline.push_back({s.right - 2, bottom - 6});
        s.outline.push_back({s.right - 10, bottom});
        s.outline.push_back({s.left + 8, bottom});
        s.outline.push_back({s.left, bottom - 8});
        s.outline.push_back({s.left, s.waistY});
    }
    s.outline.push_back({std::max(s.left, t.front.x - rf - 3), t.front.y + rf * 0.5});
    s.outline.push_back({t.front.x - rf * 0.2, t.front.y - rf - 1});
    return s;
}

// ---- garment details -----------------------------------------------------------------------

void Button(cairo_t* cr, Pt p, double r) {
    cairo_new_path(cr);
    art::Circle(cr, p, r);
    art::SetColour(cr, pal::White);
    cairo_fill_preserve(cr);
    art::SetColour(cr, pal::TintInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void DrawTorso(cairo_t* cr, const cat::BodyType& b, Garment g) {
    const auto& t = b.torso;
    TorsoShape s = MakeTorso(b, g);
    const Rgb ink = pal::TintInk;
    const Rgb seam = art::Grey(170);
    art::Tinted(
        cr, [&](cairo_t* c) { art::Smooth(c, s.outline, 0.9); }, art::kLine, 0.07);

    double cx = t.neck.x - 2;
    double hipY = std::max(t.hip1.y, t.hip2.y);
    double chestX = std::min(s.right - 14, cx + 4);
    bool dress = g == Garment::ShirtOrDress && s.skirt;
    bool shirt = g == Garment::ShirtOrDress && !s.skirt;

    // Neckline: a round band just outside the head's neck.
    double nr = s.neckR + 4;
    if (g == Garment::Plain || dress) {
        art::Line(cr,
                  {{cx - nr, s.neckY - nr * 0.9},
                   {cx - nr * 0.55, s.neckY - nr * 0.1},
                   {cx + nr * 0.5, s.neckY - nr * 0.1},
                   {cx + nr, s.neckY - nr * 0.9}},
                  ink, 2.5);
    }
    if (g == Garment::Plain && !s.skirt) {
        // Jumper/T-shirt: a ribbed hem.
        art::Line(cr, {{s.left + 6, t.h - 14.0}, {s.right - 6, t.h - 15.0}}, seam, 2.5);
    }
    if (g == Garment::Plain && s.skirt) {
        // Top over a skirt: waistband and a few pleats.
        double y = s.waistY + (hipY - s.waistY) * 0.25;
        art::Line(cr, {{s.left + 12, y}, {(s.left + s.right) / 2, y + 3}, {s.right - 12, y}}, ink,
                  2.5);
        for (int i = 1; i < 4; ++i) {
            double x = s.left + (s.right - s.left) * i / 4.0;
            art::Line(cr, {{x, y + 10}, {x + (i - 2) * 6.0, t.h - 8.0}}, seam, 2.5);
        }
    }
    if (shirt) {
        // Collar points, button placket, belt with buckle, a chest pocket.
        for (int side = -1; side <= 1; side += 2) {
            auto collar = [&](cairo_t* c) {
                art::Polygon(c, {{cx + side * nr * 0.2, s.neckY - nr * 0.1},
                                 {cx + side * nr * 1.15, s.neckY - nr * 1.05},
                                 {cx + side * nr * 0.75, s.neckY + nr * 0.75}});
            };
            art::Tinted(cr, collar, 2.2, 0);
        }
        double beltY = hipY - 10;
        art::Line(cr, {{chestX, s.neckY + nr * 0.4}, {chestX + 2, beltY - 4}}, ink, 2);
        for (double y = s.neckY + nr * 1.0; y < beltY - 14; y += 32)
            Button(cr, {chestX + 6, y}, 3);
        auto belt = [&](cairo_t* c) {
            cairo_rectangle(c, s.left + 1, beltY - 5, s.right - s.left - 2, 10);
        };
        art::Outlined(cr, belt, art::Grey(200), ink, 2);
        auto buckle = [&](cairo_t* c) { art::RoundRect(c, chestX - 6, beltY - 8, 14, 16, 3); };
        art::Outlined(cr, buckle, pal::White, ink, 2);
        art::Line(cr, {{t.back.x - 2, t.back.y + 30}, {t.back.x + 20, t.back.y + 29}}, seam, 2.5);
    }
    if (dress) {
        // A sash at the waist with a bow, and folds in the skirt.
        double y = s.waistY + 4;
        auto sash = [&](cairo_t* c) {
            cairo_rectangle(c, s.left + 6, y - 5, s.right - s.left - 12, 10);
        };
        art::Outlined(cr, sash, art::Grey(225), ink, 2);
        Pt bow = {s.left + (s.right - s.left) * 0.3, y};
        auto bowPath = [&](cairo_t* c) {
            art::Polygon(c, {bow, bow + Pt{-13, -9}, bow + Pt{-13, 9}});
            art::Polygon(c, {bow, bow + Pt{13, -9}, bow + Pt{13, 9}});
            art::Circle(c, bow, 4);
        };
        art::Outlined(cr, bowPath, pal::White, ink, 2);
        for (int i = 1; i < 4; ++i) {
            double x = s.left + (s.right - s.left) * i / 4.0;
            art::Line(cr, {{x, y + 12}, {x + (i - 2) * 8.0, t.h - 8.0}}, seam, 2.5);
        }
    }
    if (g == Garment::Coat) {
        // Lapels, a double row of buttons, pocket flaps, the hem slit.
        for (int side = -1; side <= 1; side += 2) {
            auto lapel = [&](cairo_t* c) {
                art::Polygon(c, {{cx + side * nr * 0.3, s.neckY - nr * 0.5},
                                 {cx + side * nr * 1.3, s.neckY - nr * 0.9},
                                 {cx + side * nr * 1.5, s.neckY + nr * 0.6},
                                 {cx + side * nr * 0.2, s.neckY + nr * 2.6}});
            };
            art::Tinted(cr, lapel, 2.2, 0);
        }
        double top = s.neckY + nr * 2.4;
        for (int i = 0; i < 3; ++i) {
            double y = top + (hipY - top) * (0.1 + 0.3 * i);
            Button(cr, {cx - 8, y}, 3.5);
            Button(cr, {cx + 12, y}, 3.5);
        }
        art::Line(cr, {{cx + 2, top}, {cx + 2, t.h - 4.0}}, ink, 2);
        double py = hipY - 18;
        for (double px : {s.left + 10, std::min(s.right - 34, cx + 24)})
            art::Line(cr, {{px, py}, {px + 24, py}}, ink, 2.5, false);
        art::Line(cr, {{s.left + 6, t.h - 20.0}, {s.right - 6, t.h - 22.0}}, seam, 2.5);
    }
}

void CheckTorso(Checker& c, const cat::BodyType& b) {
    const auto& t = b.torso;
    c.Opaque(t.handle, "torso handle");
    c.Opaque(t.front, "front shoulder");
    c.Opaque(t.back, "back shoulder");
    c.Opaque({t.hip1.x, t.hip1.y - 2}, "hip of the front leg");
    c.Opaque({t.hip2.x, t.hip2.y - 2}, "hip of the back leg");
    c.InkInRect(static_cast<int>(t.neck.x) - 8, static_cast<int>(t.neck.y), 16, 40,
                "collar under the neck joint");
    c.Opaque({t.front.x + 4, t.front.y - 2}, "shoulder line over the front arm");
}

// ---- hats ----------------------------------------------------------------------------------

void DrawTopHat(cairo_t* cr, const cat::HatGeo& g) {
    // A black top hat with a red band, as is, centred on its contact point: the brim's ellipse
    // is the inner rim seen from slightly above.
    Pt h = g.handle;
    Rgb felt = art::C(48, 44, 52);
    double r = std::min(h.x, g.w - h.x) - 3;
    auto brim = [&](cairo_t* c) { art::Ellipse(c, h.x, h.y + 2, r, 11); };
    art::Solid(cr, brim, felt, art::kLine, 0.15, pal::Ink);
    auto crown = [&](cairo_t* c) {
        art::Smooth(c,
                    {{h.x - r * 0.66, h.y + 2},
                     {h.x - r * 0.72, 8},
                     {h.x, 4},
                     {h.x + r * 0.72, 8},
                     {h.x + r * 0.66, h.y + 2},
                     {h.x, h.y + 7}},
                    0.5);
    };
    art::Solid(cr, crown, felt, art::kLine, 0.12, pal::Ink);
    auto band = [&](cairo_t* c) {
        art::Smooth(c,
                    {{h.x - r * 0.68, h.y - 18},
                     {h.x, h.y - 14},
                     {h.x + r * 0.68, h.y - 18},
                     {h.x + r * 0.67, h.y - 4},
                     {h.x, h.y},
                     {h.x - r * 0.67, h.y - 4}},
                    0.4);
    };
    art::Solid(cr, band, art::C(210, 50, 50), 2, 0, pal::Ink);
    art::Gloss(cr, h.x - r * 0.35, 30, r * 0.12, 14, 0.3);
}

void DrawTyrolean(cairo_t* cr, const cat::HatGeo& g) {
    // The brim's front edge comes down past the contact point, so the hat sits on the head.
    Pt h = g.handle + Pt{0, 8};
    auto hat = [&](cairo_t* c) {
        art::Smooth(c,
                    {{6, h.y - 6},
                     {h.x - 38, h.y - 16},
                     {h.x - 30, h.y - 40},
                     {h.x - 6, h.y - 50},
                     {h.x + 10, h.y - 42},
                     {h.x + 34, h.y - 44},
                     {h.x + 40, h.y - 16},
                     {g.w - 5.0, h.y - 14},
                     {g.w - 10.0, h.y + 2},
                     {h.x, h.y + 8},
                     {14, h.y + 6}},
                    0.8);
    };
    art::Tinted(cr, hat, art::kLine, 0.1);
    // The band and a feather stuck in it.
    art::Line(cr, {{h.x - 36, h.y - 16}, {h.x, h.y - 13}, {h.x + 38, h.y - 17}}, pal::TintInk, 2.5);
    auto feather = [&](cairo_t* c) {
        art::Smooth(c,
                    {{h.x - 30, h.y - 18},
                     {h.x - 50, h.y - 46},
                     {h.x - 46, h.y - 52},
                     {h.x - 26, h.y - 26}},
                    0.8);
    };
    art::Outlined(cr, feather, art::C(70, 140, 80), pal::Ink, 2);
    art::Line(cr, {{h.x - 30, h.y - 18}, {h.x - 46, h.y - 48}}, art::C(40, 90, 50), 1.5);
}

void DrawBeanie(cairo_t* cr, const cat::HatGeo& g) {
    Pt h = g.handle + Pt{0, 14};
    double r = g.w - h.x - 6;
    auto dome = [&](cairo_t* c) {
        art::Smooth(c,
                    {{h.x - r - 8, h.y - 4},
                     {h.x - r - 6, h.y - 60},
                     {h.x - r * 0.3, h.y - 98},
                     {h.x + r * 0.6, h.y - 88},
                     {h.x + r, h.y - 40},
                     {h.x + r, h.y - 4}},
                    0.9);
    };
    art::Tinted(cr, dome, art::kLine, 0.1);
    // Knit ribs.
    for (int i = -3; i <= 3; ++i) {
        double x = h.x + i * r * 0.28;
        art::Line(cr, {{x, h.y - 20}, {x - i * 2.0, h.y - 70 + std::abs(i) * 6.0}}, pal::TintShade,
                  2.5);
    }
    auto cuff = [&](cairo_t* c) {
        art::RoundRect(c, h.x - r - 12, h.y - 26, 2 * r + 16, std::min(28.0, g.h - h.y + 24), 10);
    };
    art::Tinted(cr, cuff, art::kLine, 0.1);
    for (int i = 0; i < 9; ++i) {
        double x = h.x - r - 2 + i * (2 * r) / 8.0;
        art::Line(cr, {{x, h.y - 16}, {x, h.y - 2}}, pal::TintShade, 2.5, false);
    }
    // Pompom on top.
    auto pom = [&](cairo_t* c) {
        for (int i = 0; i < 8; ++i) {
            double a = i * M_PI / 4;
            art::Circle(c, {h.x - r * 0.25 + 14 * std::cos(a), 26 + 13 * std::sin(a)}, 9);
        }
        art::Circle(c, {h.x - r * 0.25, 26}, 16);
    };
    art::Tinted(cr, pom, art::kLine, 0.12);
}

void DrawCap(cairo_t* cr, const cat::HatGeo& g) {
    Pt h = g.handle;
    double r = 62;
    double rim = std::min(h.y, g.h - 4.0);
    auto peak = [&](cairo_t* c) {
        art::Smooth(c,
                    {{h.x + r * 0.2, rim - 24},
                     {g.w - 6.0, rim - 22},
                     {g.w - 4.0, rim - 10},
                     {h.x + r * 0.6, rim - 2},
                     {h.x + r * 0.1, rim - 8}},
                    0.8);
    };
    auto dome = [&](cairo_t* c) {
        art::Smooth(c,
                    {{h.x - r - 10, rim - 4},
                     {h.x - r - 12, rim - 60},
                     {h.x - r * 0.2, rim - 104},
                     {h.x + r * 0.7, rim - 84},
                     {h.x + r * 0.95, rim - 24},
                     {h.x + r * 0.9, rim - 4}},
                    0.9);
    };
    art::Tinted(cr, dome, art::kLine, 0.1);
    art::Tinted(cr, peak, art::kLine, 0.2);
    // Panel seams and the button on top.
    art::Line(cr,
              {{h.x - r * 0.2, rim - 102}, {h.x - r * 0.05, rim - 50}, {h.x + r * 0.3, rim - 6}},
              pal::TintShade, 2.5);
    art::Line(cr, {{h.x - r * 0.2, rim - 102}, {h.x - r * 0.7, rim - 50}, {h.x - r * 0.8, rim - 6}},
              pal::TintShade, 2.5);
    auto button = [&](cairo_t* c) { art::Ellipse(c, h.x - r * 0.2, rim - 104, 9, 5); };
    art::Tinted(cr, button, 2, 0);
    art::Line(cr, {{h.x - r - 10, rim - 12}, {h.x + r * 0.9, rim - 12}}, pal::TintShade, 2.5);
}

void CheckHat(Checker& c, const cat::HatGeo& g) {
    // The contact point is the middle of the inner rim: the hat is drawn right above it.
    Pt h = g.handle;
    if (h.y < g.h)
        c.InkInRect(int(h.x) - 10, int(h.y) - 14, 20, 14, "rim above the contact point");
    else
        c.InkInRect(int(h.x) - 10, g.h - 16, 20, 16, "rim above the contact point");
    c.InkInRect(int(h.x) - 20, 0, 40, int(std::min<double>(h.y, g.h)) - 30, "crown above it");
}

} // namespace

// ---- the list ------------------------------------------------------------------------------

namespace cat {

void AddClothesAndHats(PictureList& list) {
    for (const BodyType& b : kBodies) {
        const char* variant[3] = {"", "b", "c"};
        for (int v = 0; v < 3; ++v) {
            Garment g = static_cast<Garment>(v);
            Picture p = Single(std::string("buste") + b.suffix + variant[v] + ".png", b.torso.w,
                               b.torso.h, [&b, g](cairo_t* cr) { DrawTorso(cr, b, g); });
            p.check = [&b](Checker& c) { CheckTorso(c, b); };
            list.push_back(p);
        }
    }
    void (*draw[4])(cairo_t*, const HatGeo&) = {DrawTopHat, DrawTyrolean, DrawBeanie, DrawCap};
    for (int i = 0; i < 4; ++i) {
        const HatGeo& g = kHats[i];
        auto fn = draw[i];
        Picture p = Single(g.file, g.w, g.h, [&g, fn](cairo_t* cr) { fn(cr, g); });
        p.check = [&g](Checker& c) { CheckHat(c, g); };
        list.push_back(p);
    }
}

} // namespace cat
