// Puppet people: heads, hair, faces, arms, hands, legs, and the puppet effects (hit star, gaze
// cap, sleep Zs, unicycle and pedal).
//
// Index: heads · hair · faces · arms and hands · legs · effects · the list.
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

// ---- heads ---------------------------------------------------------------------------------

void HeadPath(cairo_t* cr, const cat::HeadGeo& g, const puppet::HeadShape& s) {
    art::Smooth(cr, s.outline);
    // The neck runs from under the jaw down past the pivot into the collar.
    art::Limb(cr, {g.pivot.x, s.chinY - s.neckR},
              {g.pivot.x - 2, std::max(s.chinY - s.neckR, g.h - s.neckR - 3)}, s.neckR, s.neckR);
    art::Ellipse(cr, s.ear.x, s.ear.y, s.earRx, s.earRy);
}

void DrawHead(cairo_t* cr, const cat::BodyType& b) {
    const auto& g = b.head;
    auto s = puppet::MakeHead(g);
    auto head = [&](cairo_t* c) { HeadPath(c, g, s); };
    art::Tinted(cr, head, art::kLine, 0);
    // Soft shading on the back of the head, away from the face.
    art::Shade(cr, head, pal::TintShade, -6, 3);
    // The jaw line separates head and neck; a soft shadow sits under the chin.
    cairo_save(cr);
    cairo_new_path(cr);
    art::Limb(cr, {g.pivot.x, s.chinY - s.neckR},
              {g.pivot.x - 2, std::max(s.chinY - s.neckR, g.h - s.neckR - 3)}, s.neckR - 1,
              s.neckR - 1);
    cairo_clip(cr);
    // ... only below the jaw, never on the face.
    cairo_new_path(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_rectangle(cr, -10, -10, g.w + 20, g.h + 20);
    art::Smooth(cr, s.outline);
    cairo_clip(cr);
    cairo_new_path(cr);
    art::Ellipse(cr, (s.outline[5].x + s.outline[6].x) / 2, s.chinY, s.neckR * 2.2, 9);
    art::SetColour(cr, pal::TintShade);
    cairo_fill(cr);
    cairo_restore(cr);
    art::Line(cr, {s.outline[4], s.outline[5], s.outline[6]}, pal::TintInk, art::kLine);
    // Ear: its outline is redrawn over the head, with an inner curl.
    cairo_save(cr);
    cairo_new_path(cr);
    art::Ellipse(cr, s.ear.x, s.ear.y, s.earRx, s.earRy);
    art::SetColour(cr, pal::White);
    cairo_fill_preserve(cr);
    art::SetColour(cr, pal::TintInk);
    cairo_set_line_width(cr, art::kLine);
    cairo_stroke(cr);
    cairo_restore(cr);
    art::Line(cr,
              {{s.ear.x + s.earRx * 0.3, s.ear.y - s.earRy * 0.5},
               {s.ear.x - s.earRx * 0.35, s.ear.y - s.earRy * 0.1},
               {s.ear.x + s.earRx * 0.1, s.ear.y + s.earRy * 0.45}},
              pal::TintInk, 2.0);
}

void CheckHead(Checker& c, const cat::BodyType& b) {
    const auto& g = b.head;
    c.Opaque(g.pivot, "neck pivot");
    c.Opaque({g.hat.x, g.hat.y + 4}, "crown under the hat point");
    if (g.hat.y >= 10)
        c.Clear({g.hat.x, g.hat.y - 9}, "space above the hat point");
    c.Opaque(g.eye1, "eye 1 on the skin");
    c.Opaque(g.eye2, "eye 2 on the skin");
}

// ---- hair ----------------------------------------------------------------------------------

enum class Hair { Short, Curly, Balding, Spiky, Bowl, Bob, Bun, Ponytail, SpaceBuns, Pigtails };

Hair HairStyle(Person p, int variant, int type) {
    switch (p) {
    case Person::Man:
        return variant == 0 ? Hair::Short : variant == 1 ? Hair::Curly : Hair::Balding;
    case Person::Boy:
        return variant == 0 ? Hair::Short : variant == 1 ? Hair::Spiky : Hair::Bowl;
    case Person::Lady:
        // Lady 2 wears variant b with her dress only: that one is the dressy bun.
        if (type == 6)
            return variant == 0 ? Hair::Bob : variant == 1 ? Hair::Bun : Hair::Ponytail;
        return variant == 0 ? Hair::Bob : variant == 1 ? Hair::Ponytail : Hair::Bun;
    case Person::Girl:
        // Variant c goes under every hat: nothing on the crown.
        return variant == 0 ? Hair::Ponytail : variant == 1 ? Hair::SpaceBuns : Hair::Pigtails;
    }
    return Hair::Short;
}

Pt Outward(const puppet::HeadShape& s, Pt p, double by) {
    Pt centre = {(s.left + s.right) / 2, (s.top + s.chinY) / 2 + 6};
    Pt d = p - centre;
    double len = std::max(1.0, std::hypot(d.x, d.y));
    return p + d * (by / len);
}

// The hair cap: over the crown and down the back to the nape, with a fringe over the forehead.
std::vector<Pt> Cap(const cat::HeadGeo& g, const puppet::HeadShape& s, double volume, double fringe,
                    bool longBack, bool locks = false) {
    double up = s.eyeY - s.top;
    double w = s.right - s.left;
    const auto& o = s.outline;
    double fringeY = s.top + up * fringe;
    std::vector<Pt> pts = {
        Outward(s, o[7], volume * 0.7),
        Outward(s, o[8], volume),
        Outward(s, o[0], volume),
        Outward(s, o[1], volume * 0.8),
        {s.right + volume * 0.3, s.top + up * 0.45},
    };
    if (locks) {
        // A fringe of a few locks rather than one straight edge.
        double x0 = s.right - w * 0.1, x1 = g.hat.x + w * 0.1;
        for (int i = 0; i < 5; ++i) {
            double t = i / 4.0;
            pts.push_back({x0 + (x1 - x0) * t, fringeY + ((i % 2) ? up * 0.1 : -up * 0.02)});
        }
    } else {
        pts.push_back({s.right - w * 0.12, fringeY});
        pts.push_back({g.hat.x + w * 0.12, fringeY - up * 0.06});
    }
    // The temple: the hairline stays above the near eye, then passes over the ear.
    pts.push_back({std::min(g.hat.x, g.eye1.x - s.eyeR * 1.2), s.eyeY - s.eyeR * 2.4});
    pts.push_back({s.ear.x + s.earRx * 1.2, s.ear.y - s.earRy * 1.25});
    pts.push_back({s.ear.x - s.earRx * 0.3, s.ear.y - s.earRy * 1.25});
    if (longBack) {
        pts.push_back({s.ear.x - s.earRx * 1.5, s.ear.y + s.earRy * 0.2});
        pts.push_back({s.ear.x - s.earRx * 1.6, s.chinY + 2});
        pts.push_back({s.left - volume * 0.6, s.chinY + 4});
    } else {
        // Behind the ear down to the nape, leaving the ear free.
        pts.push_back({s.ear.x - s.earRx * 1.35, s.ear.y - s.earRy * 0.3});
        pts.push_back({s.ear.x - s.earRx * 1.5, s.ear.y + s.earRy * 0.9});
        pts.push_back({s.left + 2, s.ear.y + s.earRy * 0.8});
    }
    // The hair stays inside the head picture: a cut edge would show.
    for (Pt& p : pts) {
        p.x = std::clamp(p.x, 4.0, g.w - 4.0);
        p.y = std::clamp(p.y, 3.0, g.h - 3.0);
    }
    return pts;
}

void HairPath(cairo_t* cr, const cat::HeadGeo& g, const puppet::HeadShape& s, Hair style) {
    double w = s.right - s.left;
    double up = s.eyeY - s.top;
    const auto& o = s.outline;
    switch (style) {
    case Hair::Short:
        art::Smooth(cr, Cap(g, s, 5, 0.42, false, true));
        break;
    case Hair::Curly: {
        auto cap = Cap(g, s, 7, 0.4, false);
        art::Smooth(cr, cap);
        // Curls along the top and back.
        double r = std::max(8.0, w * 0.085);
        for (int i = 0; i <= 7; ++i) {
            size_t a = i / 2, b2 = a + 1;
            Pt p = art::Lerp(cap[a], cap[b2], (i % 2) * 0.5);
            p.y = std::max(p.y, r + 3);
            p.x = std::clamp(p.x, r + 3, g.w - r - 3);
            art::Circle(cr, p, r);
        }
        break;
    }
    case Hair::Balding:
        // The short cap; DrawHair cuts the bare crown out of it.
        art::Smooth(cr, Cap(g, s, 5, 0.42, false));
        break;
    case Hair::Spiky: {
        auto cap = Cap(g, s, 5, 0.4, false);
        art::Smooth(cr, cap);
        for (int i = 0; i < 5; ++i) {
            Pt base = art::Lerp(cap[1], cap[4], i / 4.0);
            Pt out = Outward(s, base, 14 + (i % 2) * 5);
            out.y = std::max(out.y, 2.0);
            Pt side = {(out.y - base.y) * 0.35, -(out.x - base.x) * 0.35};
            art::Polygon(cr, {base - side * 1.6, out, base + side * 1.6});
        }
        break;
    }
    case Hair::Bowl: {
        auto cap = Cap(g, s, 7, 0.62, false);
        cap[5].y = cap[6].y = s.top + up * 0.66;
        art::Smooth(cr, cap, 0.8);
        break;
    }
    case Hair::Bob:
        art::Smooth(cr, Cap(g, s, 8, 0.45, true, true));
        break;
    case Hair::Bun: {
        art::Smooth(cr, Cap(g, s, 6, 0.4, false, true));
        double r = std::max(14.0, w * 0.15);
        Pt bun = Outward(s, art::Lerp(o[8], o[0], 0.3), 14);
        bun.y = std::max(bun.y, r + 3);
        art::Circle(cr, bun, r);
        break;
    }
    case Hair::Ponytail: {
        art::Smooth(cr, Cap(g, s, 6, 0.42, false, true));
        // A thick tail tied at the back of the crown, falling behind the neck.
        Pt root = Outward(s, art::Lerp(o[7], o[8], 0.6), 2);
        double r = std::max(13.0, w * 0.13);
        double tipX = std::max(8.0, root.x - r * 1.3);
        double tipY = std::min(g.h - 6.0, root.y + up * 1.25);
        art::Smooth(cr,
                    {root + Pt{r * 0.4, -r * 0.8},
                     root + Pt{-r * 1.1, -r * 0.6},
                     {std::max(r * 0.8 + 3, root.x - r * 1.7), root.y + up * 0.6},
                     {tipX, tipY},
                     {tipX + r * 0.9, tipY - up * 0.25},
                     root + Pt{r * 0.2, r * 0.9}},
                    0.9);
        art::Ellipse(cr, root.x - r * 0.2, root.y, r * 0.55, r * 0.45);
        break;
    }
    case Hair::SpaceBuns: {
        art::Smooth(cr, Cap(g, s, 6, 0.44, false, true));
        double r = std::max(12.0, w * 0.12);
        for (Pt p : {Outward(s, o[8], r * 0.7), Outward(s, art::Lerp(o[0], o[1], 0.6), r * 0.7)}) {
            p.y = std::max(p.y, r + 3);
            art::Circle(cr, p, r);
        }
        break;
    }
    case Hair::Pigtails: {
        // A bob under the hat line and two bunches: the crown stays bare for the hat.
        auto cap = Cap(g, s, 4, 0.42, true, true);
        art::Smooth(cr, cap);
        double r = std::max(11.0, w * 0.1);
        art::Smooth(cr,
                    {{s.left + 2, s.eyeY - 4},
                     {s.left - r * 0.2, s.eyeY + r},
                     {std::max(r + 3, s.left - r * 0.6), std::min(g.h - 4.0, s.chinY + r * 0.6)},
                     {s.left + r * 1.1, s.eyeY + r * 1.6}});
        break;
    }
    }
}

void DrawHair(cairo_t* cr, const cat::BodyType& b, int variant, int type) {
    const auto& g = b.head;
    auto s = puppet::MakeHead(g);
    Hair style = HairStyle(b.person, variant, type);
    auto hair = [&](cairo_t* c) { HairPath(c, g, s, style); };
    if (style == Hair::Balding) {
        // Hair round the back and sides only: the crown is bare.
        double up = s.eyeY - s.top;
        double w = s.right - s.left;
        auto bald = [&](cairo_t* c) {
            art::Ellipse(c, g.hat.x + w * 0.22, s.top + up * 0.12, w * 0.48, up * 0.62);
        };
        cairo_save(cr);
        cairo_new_path(cr);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_rectangle(cr, 0, 0, g.w, g.h);
        bald(cr);
        cairo_clip(cr);
        art::Tinted(cr, hair, art::kLine, 0.05);
        cairo_restore(cr);
        // The hair's edge along the bare crown.
        cairo_save(cr);
        cairo_new_path(cr);
        hair(cr);
        cairo_clip(cr);
        cairo_new_path(cr);
        bald(cr);
        art::SetColour(cr, pal::TintInk);
        cairo_set_line_width(cr, art::kLine * 2);
        cairo_stroke(cr);
        cairo_restore(cr);
        return;
    }
    art::Tinted(cr, hair, art::kLine, 0.05);
    // A few strands give the hair its direction (never on a bare crown).
    double up = s.eyeY - s.top;
    double w = s.right - s.left;
    Pt crown = {g.hat.x, s.top + up * 0.15};
    cairo_save(cr);
    cairo_new_path(cr);
    HairPath(cr, g, s, style);
    cairo_clip(cr);
    for (int i = 0; i < 3; ++i) {
        double k = (i - 1) * 0.14;
        art::Line(cr,
                  {crown + Pt{w * k, 2}, crown + Pt{w * (k + 0.1), up * 0.2},
                   crown + Pt{w * (k + 0.22), up * 0.3}},
                  pal::TintShade, 2.5);
    }
    cairo_restore(cr);
}

void CheckHair(Checker& c, const cat::BodyType& b, int variant, int type) {
    const auto& g = b.head;
    if (HairStyle(b.person, variant, type) == Hair::Balding) {
        auto s = puppet::MakeHead(g);
        c.Clear({g.hat.x, g.hat.y + 6}, "bare crown");
        c.InkInRect(int(s.ear.x - s.earRx * 2), int(s.ear.y - s.earRy * 1.6), int(s.earRx * 3),
                    int(s.earRy), "hair above the ear");
        return;
    }
    c.InkInRect(static_cast<int>(g.hat.x) - 10, static_cast<int>(g.hat.y), 20, 30, "hair");
    if (b.person == Person::Girl && variant == 2) {
        // This one is worn under hats: nothing may stand above the crown.
        c.ClearRect(0, 0, g.w, std::max(0, static_cast<int>(g.hat.y) - 12), "above the hat line");
    }
}

// ---- faces ---------------------------------------------------------------------------------

const Rgb kEyeInk = art::C(52, 38, 38);
const Rgb kMouth = art::C(150, 40, 50);

void Eye(cairo_t* cr, Pt e, double r, double squash, bool open, int expr, bool lady, bool near) {
    if (open) {
        double rx = r * (near ? 0.86 : 0.76);
        double ry = r * squash;
        Pt pupil = {e.x + r * 0.15, e.y + r * 0.08};
        cairo_save(cr);
        cairo_new_path(cr);
        art::Ellipse(cr, e.x, e.y, rx, ry);
        art::SetColour(cr, pal::White);
        cairo_fill_preserve(cr);
        art::SetColour(cr, kEyeInk);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
        cairo_new_path(cr);
        art::Ellipse(cr, e.x, e.y, rx, ry);
        cairo_clip(cr);
        cairo_new_path(cr);
        art::Circle(cr, pupil, r * 0.55);
        art::SetColour(cr, kEyeInk);
        cairo_fill(cr);
        cairo_restore(cr);
        art::Gloss(cr, pupil.x + r * 0.18, pupil.y - r * 0.2, r * 0.17, r * 0.17, 0.95);
        // The mischievous grin half-closes the lids.
        if (expr == 2) {
            cairo_save(cr);
            cairo_new_path(cr);
            art::Ellipse(cr, e.x, e.y, rx + 1, ry + 1);
            cairo_clip(cr);
            cairo_new_path(cr);
            cairo_rectangle(cr, e.x - rx - 2, e.y - ry - 2, 2 * rx + 4, ry * 0.85);
            art::SetColour(cr, art::C(236, 196, 180));
            cairo_fill(cr);
            cairo_restore(cr);
            art::Line(cr, {{e.x - rx, e.y - ry * 0.15}, {e.x + rx, e.y - ry * 0.15}}, kEyeInk, 2.5);
        }
        if (lady) {
            for (int i = 0; i < 2; ++i)
                art::Line(cr,
                          {{e.x + rx * (0.35 + 0.4 * i), e.y - ry * (0.9 - 0.3 * i)},
                           {e.x + rx * (0.65 + 0.55 * i), e.y - ry * (1.35 - 0.3 * i)}},
                          kEyeInk, 2.0);
        }
    } else if (expr == 1) {
        // Squeezed shut: a sideways V.
        art::Line(cr,
                  {{e.x - r * 0.7, e.y - r * 0.45},
                   {e.x + r * 0.5, e.y},
                   {e.x - r * 0.7, e.y + r * 0.45}},
                  kEyeInk, 3.0, false);
    } else {
        // Peaceful closed lid through the eye point.
        art::Line(
            cr,
            {{e.x - r * 0.8, e.y - r * 0.1}, {e.x, e.y + r * 0.25}, {e.x + r * 0.8, e.y - r * 0.1}},
            kEyeInk, 3.0);
        if (lady)
            art::Line(cr, {{e.x + r * 0.6, e.y}, {e.x + r * 1.05, e.y + r * 0.35}}, kEyeInk, 2);
    }
}

void Brow(cairo_t* cr, Pt e, double r, int expr, bool near, bool raise) {
    double y = e.y - r * 1.55;
    double w = r * (near ? 0.95 : 0.8);
    double inner = 0, outer = 0;
    if (expr == 1) {
        // Worried: the inner ends rise.
        inner = near ? r * 0.5 : r * 0.5;
        outer = -r * 0.1;
    } else if (expr == 2) {
        inner = raise ? r * 0.5 : -r * 0.2;
        outer = raise ? r * 0.5 : r * 0.25;
    } else if (expr == 3) {
        inner = r * 0.35;
        outer = r * 0.35;
    }
    // The inner end is on the side of the other eye.
    double sign = near ? 1 : -1;
    Pt pin = {e.x + sign * w, y - (near ? inner : outer) + (near ? 0 : 0)};
    Pt pout = {e.x - sign * w, y - (near ? outer : inner)};
    if (!near)
        std::swap(pin, pout);
    art::Line(cr, {pout, {e.x, y - r * 0.25 - (inner + outer) / 2}, pin}, kEyeInk, 3.2);
}

void DrawFace(cairo_t* cr, const cat::BodyType& b, int frame) {
    const auto& g = b.head;
    auto s = puppet::MakeHead(g);
    int expr = frame % 4;
    bool open = frame < 4;
    bool lady = b.person == Person::Lady || b.person == Person::Girl;
    bool child = b.person == Person::Boy || b.person == Person::Girl;
    double r = s.eyeR;
    double d = g.eye2.x - g.eye1.x;
    double down = s.chinY - s.eyeY;
    double squash = expr == 3 ? 0.95 : 1.1;

    // Cheeks first, under everything.
    double blush = child ? 0.32 : lady ? 0.26 : 0.16;
    cairo_new_path(cr);
    art::Ellipse(cr, g.eye1.x - d * 0.22, s.eyeY + down * 0.42, r * 1.05, r * 0.62);
    art::Ellipse(cr, g.eye2.x + d * 0.12, s.eyeY + down * 0.4, r * 0.65, r * 0.5);
    art::SetColour(cr, art::C(240, 110, 110), expr == 1 ? blush * 0.4 : blush);
    cairo_fill(cr);

    Eye(cr, g.eye1, r, squash, open, expr, lady, true);
    Eye(cr, g.eye2, r, squash, open, expr, lady, false);
    Brow(cr, g.eye1, r, expr, true, false);
    Brow(cr, g.eye2, r, expr, false, true);

    // Nose: a hook between the eyes towards the front of the face.
    Pt tip = {g.eye1.x + d * 0.78 + r * 0.3, s.eyeY + down * 0.36};
    art::Line(cr,
              {{g.eye1.x + d * 0.6, s.eyeY + r * 0.7},
               {tip.x + r * 0.45, tip.y - r * 0.1},
               {tip.x, tip.y + r * 0.45},
               {tip.x - r * 0.55, tip.y + r * 0.25}},
              kEyeInk, 2.6);

    // Mouth.
    Pt m = {g.eye1.x + d * 0.6, s.eyeY + down * 0.68};
    double mw = std::clamp(d * 0.95, 20.0, 42.0);
    Rgb lips = lady ? art::C(200, 60, 80) : kMouth;
    switch (expr) {
    case 0:
        art::Line(cr,
                  {{m.x - mw * 0.5, m.y - mw * 0.06},
                   {m.x, m.y + mw * 0.2},
                   {m.x + mw * 0.5, m.y - mw * 0.12}},
                  lady ? lips : kEyeInk, 3.2);
        break;
    case 1: {
        // Ouch: a small wobbly open mouth.
        cairo_new_path(cr);
        art::Smooth(cr, {{m.x - mw * 0.25, m.y},
                         {m.x - mw * 0.05, m.y - mw * 0.14},
                         {m.x + mw * 0.22, m.y - mw * 0.02},
                         {m.x + mw * 0.1, m.y + mw * 0.26},
                         {m.x - mw * 0.18, m.y + mw * 0.22}});
        art::SetColour(cr, kMouth);
        cairo_fill_preserve(cr);
        art::SetColour(cr, kEyeInk);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
        break;
    }
    case 2:
        // Lopsided grin, higher towards the front.
        art::Line(cr,
                  {{m.x - mw * 0.45, m.y + mw * 0.02},
                   {m.x + mw * 0.05, m.y + mw * 0.14},
                   {m.x + mw * 0.55, m.y - mw * 0.22}},
                  lady ? lips : kEyeInk, 3.2);
        art::Line(cr, {{m.x + mw * 0.47, m.y - mw * 0.3}, {m.x + mw * 0.62, m.y - mw * 0.12}},
                  kEyeInk, 2.5);
        break;
    case 3: {
        // The open laugh: teeth on top, tongue below.
        auto path = [&](cairo_t* c) {
            cairo_new_sub_path(c);
            cairo_move_to(c, m.x - mw * 0.5, m.y - mw * 0.12);
            cairo_curve_to(c, m.x - mw * 0.15, m.y - mw * 0.05, m.x + mw * 0.2, m.y - mw * 0.08,
                           m.x + mw * 0.52, m.y - mw * 0.18);
            cairo_curve_to(c, m.x + mw * 0.45, m.y + mw * 0.45, m.x - mw * 0.4, m.y + mw * 0.5,
                           m.x - mw * 0.5, m.y - mw * 0.12);
            cairo_close_path(c);
        };
        cairo_save(cr);
        cairo_new_path(cr);
        path(cr);
        art::SetColour(cr, kMouth);
        cairo_fill_preserve(cr);
        cairo_clip(cr);
        cairo_new_path(cr);
        art::Ellipse(cr, m.x, m.y + mw * 0.38, mw * 0.3, mw * 0.16);
        art::SetColour(cr, art::C(240, 120, 130));
        cairo_fill(cr);
        cairo_new_path(cr);
        cairo_rectangle(cr, m.x - mw, m.y - mw * 0.4, 2 * mw, mw * 0.36);
        art::SetColour(cr, pal::White);
        cairo_fill(cr);
        cairo_restore(cr);
        cairo_save(cr);
        cairo_new_path(cr);
        path(cr);
        art::SetColour(cr, kEyeInk);
        cairo_set_line_width(cr, 2.6);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
        cairo_restore(cr);
        break;
    }
    }
    // The boy has freckles.
    if (b.person == Person::Boy) {
        for (int i = 0; i < 3; ++i) {
            cairo_new_path(cr);
            art::Circle(cr, {g.eye1.x - d * 0.3 + i * 5.0, s.eyeY + down * 0.36 + (i % 2) * 4.0},
                        1.6);
            art::SetColour(cr, art::C(190, 110, 80), 0.8);
            cairo_fill(cr);
        }
    }
}

void CheckFace(Checker& c, const cat::BodyType& b) {
    const auto& g = b.head;
    for (int f = 0; f < 8; ++f) {
        double ox = (f % 4) * g.cellW, oy = (f / 4) * g.cellH;
        std::string frame = "frame " + std::to_string(f);
        if (f < 4) {
            c.Opaque({ox + g.eye1.x, oy + g.eye1.y}, frame + " eye 1");
            c.Opaque({ox + g.eye2.x, oy + g.eye2.y}, frame + " eye 2");
        } else {
            c.InkInRect(int(ox + g.eye1.x) - 6, int(oy + g.eye1.y) - 6, 12, 12,
                        frame + " closed eye 1");
        }
        // The art stays in the logical head area of its cell.
        c.ClearRect(int(ox) + g.w, int(oy), g.cellW - g.w, g.cellH, frame + " right of the head");
        c.ClearRect(int(ox), int(oy) + g.h, g.cellW, g.cellH - g.h, frame + " below the head");
    }
}

// ---- arms and hands ------------------------------------------------------------------------

enum class ArmPart { LongSleeve, ShortSleeve, Hand, BareArm };

void DrawArm(cairo_t* cr, const cat::ArmGeo& g, ArmPart part) {
    auto a = puppet::MakeArm(g);
    double shortT = 0.42;
    Pt shortEnd = art::Lerp(a.shoulder, a.hand, shortT);
    auto hand = [&](cairo_t* c) {
        art::Limb(c, a.cuff - a.dir * 6, a.hand, a.armR * 0.62, a.handR * 0.8);
        art::Circle(c, a.hand, a.handR);
        // The thumb on the front side of the fist.
        Pt side = {-a.dir.y, a.dir.x};
        if (side.x < 0)
            side = side * -1;
        art::Ellipse(c, a.hand.x + side.x * a.handR * 0.8 - a.dir.x * a.handR * 0.3,
                     a.hand.y + side.y * a.handR * 0.8 - a.dir.y * a.handR * 0.45, a.handR * 0.42,
                     a.handR * 0.52);
    };
    switch (part) {
    case ArmPart::LongSleeve: {
        auto sleeve = [&](cairo_t* c) {
            art::Limb(c, a.shoulder, a.cuff, a.shoulderR, a.armR * 0.92);
        };
        art::Tinted(cr, sleeve, art::kLine, 0.1);
        // Cuff and elbow crease.
        Pt side = {-a.dir.y, a.dir.x};
        Pt cuffTop = a.cuff - a.dir * 9;
        art::Line(cr, {cuffTop + side * (a.armR * 0.9), cuffTop - side * (a.armR * 0.9)},
                  art::pal::TintInk, 2.2);
        Pt elbow = art::Lerp(a.shoulder, a.cuff, 0.55);
        art::Line(cr, {elbow + side * (a.armR * 0.5), elbow + side * (a.armR * 0.1) + a.dir * 4},
                  art::pal::TintShade, 2.5);
        break;
    }
    case ArmPart::ShortSleeve: {
        auto sleeve = [&](cairo_t* c) {
            art::Limb(c, a.shoulder, shortEnd, a.shoulderR, a.armR * 1.05);
        };
        art::Tinted(cr, sleeve, art::kLine, 0.1);
        break;
    }
    case ArmPart::Hand:
        art::Tinted(cr, hand, art::kLine, 0.08);
        break;
    case ArmPart::BareArm: {
        auto bare = [&](cairo_t* c) {
            art::Limb(c, art::Lerp(a.shoulder, a.hand, shortT - 0.12), a.cuff, a.armR * 0.8,
                      a.armR * 0.62);
            hand(c);
        };
        art::Tinted(cr, bare, art::kLine, 0.08);
        break;
    }
    }
    // Fingers curled round the grip.
    if (part == ArmPart::Hand || part == ArmPart::BareArm) {
        Pt side = {-a.dir.y, a.dir.x};
        if (side.x > 0)
            side = side * -1;
        for (int i = 0; i < 2; ++i) {
            Pt p = a.hand + side * (a.handR * 0.2) + a.dir * (a.handR * (0.05 + 0.4 * i));
            art::Line(cr, {p + side * (a.handR * 0.55), p + side * (a.handR * 0.9)},
                      art::pal::TintInk, 2);
        }
    }
}

void CheckArm(Checker& c, const cat::ArmGeo& g, ArmPart part) {
    auto a = puppet::MakeArm(g);
    switch (part) {
    case ArmPart::LongSleeve:
        c.Opaque(art::Lerp(a.shoulder, a.cuff, 0.1), "sleeve near the shoulder");
        c.Opaque(art::Lerp(a.shoulder, a.cuff, 0.9), "sleeve near the cuff");
        c.Clear(g.hand, "hand point (left to the hand picture)", 30);
        break;
    case ArmPart::ShortSleeve:
        c.Opaque(art::Lerp(a.shoulder, a.hand, 0.15), "short sleeve");
        c.Clear(art::Lerp(a.shoulder, a.hand, 0.75), "forearm (left to the bare arm)");
        break;
    case ArmPart::Hand:
    case ArmPart::BareArm:
        if (g.hand.y < g.h)
            c.Opaque(g.hand, "hand point");
        else
            c.Opaque({g.hand.x, g.h - 2.0}, "hand reaching the bottom edge");
        if (part == ArmPart::BareArm)
            c.Opaque(art::Lerp(a.shoulder, a.hand, 0.5), "bare forearm");
        break;
    }
}

// ---- legs ----------------------------------------------------------------------------------

struct LegLook {
    Rgb cloth;
    Rgb shoe;
    Rgb sole;
    double hipR, ankleR;
    bool socks;
};

LegLook LookOf(int legClass) {
    switch (legClass) {
    case 0:
        return {art::C(52, 52, 62), art::C(40, 32, 30), art::C(70, 60, 55), 15, 12.5, false};
    case 1:
        return {art::C(58, 56, 80), art::C(34, 30, 36), art::C(60, 55, 62), 11, 8.5, false};
    default:
        return {art::C(78, 120, 185), art::C(225, 70, 60), art::C(250, 250, 250), 13, 11, true};
    }
}

void DrawLeg(cairo_t* cr, const cat::LegGeo& g, int legClass, int frame) {
    LegLook look = LookOf(legClass);
    double len = g.h - g.hip.y;
    double shoeH = std::clamp(len * 0.17, 11.0, 17.0);
    Pt hip = g.hip;
    Pt knee, ankle;
    double soleY;
    if (frame == 0) {
        soleY = g.h;
        knee = {hip.x + 1, hip.y + len * 0.5};
        ankle = {hip.x, soleY - shoeH * 0.8};
    } else {
        // The swinging leg: knee forward, foot lifted to 80 % of the leg height.
        soleY = 0.8 * g.h;
        knee = {std::min(hip.x + len * 0.33, g.w - look.hipR - 6.0), hip.y + len * 0.42};
        ankle = {knee.x - len * 0.12, soleY - shoeH * 0.8};
    }
    Pt toe = {std::min(g.w - 4.0, ankle.x + look.ankleR + 20), soleY - shoeH * 0.35};
    // The sole is the last row: nothing may show below it.
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, g.w, soleY);
    cairo_clip(cr);
    auto trousers = [&](cairo_t* c) {
        art::Limb(c, {hip.x, hip.y - 30}, knee, look.hipR, look.hipR * 0.93);
        art::Limb(c, knee, ankle, look.hipR * 0.93, look.ankleR);
    };
    art::Solid(cr, trousers, look.cloth, art::kLine, 0.1);
    // A crease down the front of the trouser leg.
    art::Line(cr,
              {art::Lerp(hip, knee, 0.4) + Pt{look.hipR * 0.35, 0}, knee + Pt{look.hipR * 0.3, 2}},
              art::Lighter(look.cloth, 0.25), 2);
    if (look.socks) {
        auto sock = [&](cairo_t* c) {
            art::Limb(c, ankle - Pt{0, shoeH * 0.9}, ankle, look.ankleR * 0.92, look.ankleR * 0.92);
        };
        art::Solid(cr, sock, art::C(250, 250, 250), art::kLine, 0);
    }
    auto shoe = [&](cairo_t* c) {
        double back = ankle.x - look.ankleR - 3;
        art::Smooth(c,
                    {{back, soleY - shoeH * 0.95},
                     {ankle.x + look.ankleR * 0.6, soleY - shoeH * 1.05},
                     {toe.x - 4, toe.y - shoeH * 0.35},
                     {toe.x, soleY - 3},
                     {toe.x - 6, soleY - 1.5},
                     {back + 2, soleY - 1.5},
                     {back - 1, soleY - shoeH * 0.4}},
                    0.7);
    };
    art::Solid(cr, shoe, look.shoe, art::kLine, 0.0);
    // The sole: a flat band so the foot stands exactly on the bottom row.
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, ankle.x - look.ankleR - 4, soleY - 4, toe.x - ankle.x + look.ankleR + 4, 4);
    art::SetColour(cr, look.sole);
    cairo_fill(cr);
    cairo_restore(cr);
    art::Gloss(cr, toe.x - 12, soleY - shoeH * 0.7, 5, 2.5, 0.35);
    cairo_restore(cr);
}

void CheckLeg(Checker& c, const cat::LegGeo& g) {
    // Frame 0 stands on its bottom row; nothing below the logical height, nothing to the right.
    c.InkInRect(0, g.h - 1, g.w, 1, "frame 0 sole on the bottom row");
    c.ClearRect(0, g.h, g.cellW, g.cellH - g.h, "frame 0 below the sole");
    c.ClearRect(g.w, 0, g.cellW - g.w, g.cellH, "frame 0 right of the leg");
    int lift = static_cast<int>(0.8 * g.h);
    c.InkInRect(g.cellW, lift - 2, g.w, 2, "frame 1 foot at 80 % of the height");
    c.ClearRect(g.cellW, lift + 1, g.cellW, g.cellH - lift - 1, "frame 1 below the lifted foot");
    c.Opaque(g.hip, "hip pivot");
    c.Opaque({g.cellW + g.hip.x, g.hip.y}, "frame 1 hip pivot");
}

// ---- effects -------------------------------------------------------------------------------

void StarPath(cairo_t* cr, Pt c, double outer, double inner, double turn) {
    std::vector<Pt> pts;
    for (int i = 0; i < 10; ++i) {
        double a = turn - M_PI / 2 + i * M_PI / 5;
        double r = (i % 2) ? inner : outer;
        pts.push_back({c.x + r * std::cos(a), c.y + r * std::sin(a)});
    }
    art::Polygon(cr, pts);
}

void DrawZ(cairo_t* cr, Pt c, double size, double alpha) {
    if (size <= 0)
        return;
    std::vector<Pt> pts = {{c.x - size * 0.5, c.y - size * 0.5},
                           {c.x + size * 0.5, c.y - size * 0.5},
                           {c.x - size * 0.5, c.y + size * 0.5},
                           {c.x + size * 0.5, c.y + size * 0.5}};
    double w = std::max(3.0, size * 0.2);
    cairo_push_group(cr);
    art::Line(cr, pts, art::pal::Navy, w + 5, false);
    art::Line(cr, pts, art::C(215, 235, 255), w, false);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha);
}

void DrawZzz(cairo_t* cr, int frame) {
    // Zs rise from the handle (45, 184) towards the upper right, more and bigger each frame.
    int f = frame % 5;
    const Pt base = {45, 184};
    struct Z {
        Pt at;
        double size;
    };
    std::vector<Z> zs;
    double grow = 1.0 + 0.18 * std::max(0, f - 2);
    zs.push_back({base + Pt{10, -16}, 20 * grow});
    if (f >= 1)
        zs.push_back({base + Pt{32, -58}, 30 * grow});
    if (f >= 2)
        zs.push_back({base + Pt{52, -110.0 - 8.0 * std::max(0, f - 2)}, 40 * grow});
    double alpha = f == 4 ? 0.75 : 1.0;
    for (const auto& z : zs) {
        Pt at = z.at + Pt{f == 4 ? 6.0 : 0.0, f == 4 ? -8.0 : 0.0};
        at.x = std::min(at.x, 128 - z.size * 0.5 - 6);
        at.y = std::max(at.y, z.size * 0.5 + 6);
        DrawZ(cr, at, z.size, alpha);
    }
}

// A toothed wheel with a cap on its axle.
void Sprocket(cairo_t* cr, Pt c, double r, int teeth) {
    auto ring = [&](cairo_t* k) {
        std::vector<Pt> pts;
        for (int i = 0; i < 2 * teeth; ++i) {
            double a = i * M_PI / teeth;
            double rr = (i % 2) ? r - 2.5 : r;
            pts.push_back({c.x + rr * std::cos(a), c.y + rr * std::sin(a)});
        }
        art::Polygon(k, pts);
    };
    art::Solid(cr, ring, art::C(175, 178, 190), art::kLineThin, 0.15, art::C(60, 60, 70));
    auto cap = [&](cairo_t* k) { art::Circle(k, c, r * 0.4); };
    art::Solid(cr, cap, art::C(90, 90, 100), art::kLineThin, 0, art::C(50, 50, 58));
}

// A wheel whose axle lay where the riders' feet turn, just under the saddle, could not reach the
// floor: the cranks turn a chainring there and a chain drives the wheel, as on a tall circus
// unicycle.
void DrawUnicycle(cairo_t* cr) {
    const double wheelR = 44;
    const Pt hub = {60, 127 - wheelR};
    const Pt crank = cat::kUnicycleCrank;
    // Tyre, rim and spokes.
    auto tyre = [&](cairo_t* c) { art::Circle(c, hub, wheelR - 1.5); };
    art::Solid(cr, tyre, art::C(45, 45, 52), art::kLine, 0);
    cairo_new_path(cr);
    art::Circle(cr, hub, wheelR - 9);
    art::SetColour(cr, art::C(210, 215, 225));
    cairo_fill(cr);
    cairo_new_path(cr);
    art::Circle(cr, hub, wheelR - 13);
    art::SetColour(cr, art::C(250, 250, 252));
    cairo_fill(cr);
    for (int i = 0; i < 8; ++i) {
        double a = i * M_PI / 4;
        art::Line(cr, {hub, hub + Pt{std::cos(a) * (wheelR - 10), std::sin(a) * (wheelR - 10)}},
                  art::C(150, 155, 165), 2, false);
    }
    // The bottom of the tyre is the floor line.
    cairo_new_path(cr);
    cairo_rectangle(cr, hub.x - 10, 124, 20, 4);
    art::SetColour(cr, art::C(45, 45, 52));
    cairo_fill(cr);
    // Frame: from under the saddle past the chainring down to the wheel's axle.
    auto frame = [&](cairo_t* c) {
        art::Limb(c, {60, 8}, {60, 28}, 5, 5);
        art::Limb(c, {60, 28}, hub, 4.5, 4.5);
        art::Limb(c, {58, 26}, crank, 4, 4);
    };
    art::Solid(cr, frame, art::pal::Red, art::kLine, 0.1);
    // The chain, on the near side, from the chainring round the wheel's small sprocket.
    const double ringR = 10.5;
    const double smallR = 5.5;
    const Rgb chain = art::C(70, 70, 80);
    for (double side : {-1.0, 1.0}) {
        art::Line(cr, {crank + Pt{side * ringR, 0}, hub + Pt{side * smallR, 0}}, art::C(40, 40, 46),
                  4.5, false);
        art::Line(cr, {crank + Pt{side * ringR, 0}, hub + Pt{side * smallR, 0}}, chain, 2.5, false);
    }
    Sprocket(cr, hub, smallR + 1.5, 8);
    Sprocket(cr, crank, ringR + 1.5, 12);
    // Saddle on the top edge.
    auto saddle = [&](cairo_t* c) {
        art::Smooth(c, {{26, 6}, {60, 2}, {96, 4}, {92, 11}, {60, 12}, {30, 11}}, 0.8);
    };
    art::Solid(cr, saddle, art::C(60, 50, 60), art::kLine, 0.15);
    art::Gloss(cr, 48, 5.5, 12, 2, 0.4);
}

void DrawPedal(cairo_t* cr) {
    auto bar = [&](cairo_t* c) { art::RoundRect(c, 2, 2, 36, 6, 3); };
    art::Solid(cr, bar, art::C(60, 60, 68), 2, 0);
    for (int i = 0; i < 5; ++i) {
        cairo_new_path(cr);
        cairo_rectangle(cr, 7 + i * 6.5, 3.5, 2.5, 3);
        art::SetColour(cr, art::C(170, 170, 180));
        cairo_fill(cr);
    }
}

} // namespace

// ---- the list ------------------------------------------------------------------------------

namespace cat {

void AddPuppets(PictureList& list) {
    for (int t = 0; t < 9; ++t) {
        const BodyType& b = kBodies[t];
        std::string s = b.suffix;
        const auto& h = b.head;
        Picture head =
            Single("tete" + s + ".png", h.w, h.h, [&b](cairo_t* cr) { DrawHead(cr, b); });
        head.check = [&b](Checker& c) { CheckHead(c, b); };
        list.push_back(head);

        const char* hairNames[3] = {"", "b", "c"};
        for (int v = 0; v < 3; ++v) {
            Picture hair = Single("cheveux" + s + hairNames[v] + ".png", h.w, h.h,
                                  [&b, v, t](cairo_t* cr) { DrawHair(cr, b, v, t); });
            hair.check = [&b, v, t](Checker& c) { CheckHair(c, b, v, t); };
            list.push_back(hair);
        }

        Picture face = Frames("visage" + s + "x.png", 8, 4, h.cellW, h.cellH, Layout::Grid,
                              [&b](cairo_t* cr, int f) { DrawFace(cr, b, f); });
        face.check = [&b](Checker& c) { CheckFace(c, b); };
        list.push_back(face);

        struct ArmFile {
            const char* prefix;
            const char* variant;
            bool back;
            ArmPart part;
        };
        const ArmFile arms[] = {
            {"brasd", "", false, ArmPart::LongSleeve}, {"brasd", "b", false, ArmPart::ShortSleeve},
            {"brasg", "", true, ArmPart::LongSleeve},  {"brasg", "b", true, ArmPart::ShortSleeve},
            {"maind", "", false, ArmPart::Hand},       {"maind", "b", false, ArmPart::BareArm},
            {"maing", "", true, ArmPart::Hand},        {"maing", "b", true, ArmPart::BareArm},
        };
        for (const auto& a : arms) {
            const ArmGeo& g = a.back ? b.back : b.front;
            Picture p = Single(std::string(a.prefix) + s + a.variant + ".png", g.w, g.h,
                               [&g, a](cairo_t* cr) { DrawArm(cr, g, a.part); });
            p.check = [&g, a](Checker& c) { CheckArm(c, g, a.part); };
            list.push_back(p);
        }
    }

    for (int l = 0; l < 3; ++l) {
        const LegGeo& g = kLegs[l];
        Picture p = Frames(g.file, 2, 2, g.cellW, g.cellH, Layout::Grid,
                           [&g, l](cairo_t* cr, int f) { DrawLeg(cr, g, l, f); });
        p.check = [&g](Checker& c) { CheckLeg(c, g); };
        list.push_back(p);
    }

    Picture star = Single("etoile.png", 32, 32, [](cairo_t* cr) {
        art::Tinted(
            cr,
            [](cairo_t* c) {
                StarPath(c, {16, 16.8}, 14, 6, 0);
            },
            art::kLineThin, 0.1);
    });
    star.check = [](Checker& c) { c.Opaque({16, 16}, "star centre"); };
    list.push_back(star);

    Picture cap = Single("demicercle.png", 32, 42, [](cairo_t* cr) {
        // A soft half disc: straight side on x = 8, bulging right, radius 21.
        cairo_pattern_t* glow = cairo_pattern_create_radial(8, 21, 0, 8, 21, 21);
        cairo_pattern_add_color_stop_rgba(glow, 0, 1, 1, 1, 1);
        cairo_pattern_add_color_stop_rgba(glow, 0.7, 1, 1, 1, 0.85);
        cairo_pattern_add_color_stop_rgba(glow, 1, 1, 1, 1, 0);
        cairo_rectangle(cr, 8, 0, 24, 42);
        cairo_set_source(cr, glow);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
    });
    cap.check = [](Checker& c) {
        c.ClearRect(0, 0, 8, 42, "columns 0-7");
        c.Opaque({10, 21}, "straight side");
        c.Clear({30, 21}, "outside the radius", 10);
    };
    list.push_back(cap);

    Picture zzz = Frames("zzz.png", 6, 6, 128, 192, Layout::Row, DrawZzz);
    zzz.check = [](Checker& c) {
        c.InkInRect(45, 150, 40, 42, "first z beside the handle");
        // Frame 5 repeats frame 0.
        bool same = true;
        for (int y = 0; y < 192 && same; y += 3)
            for (int x = 0; x < 128 && same; x += 3)
                same = c.Px().Alpha(x, y) == c.Px().Alpha(5 * 128 + x, y);
        c.Expect(same, "frame 5 must show frame 0");
    };
    list.push_back(zzz);

    Picture uni = Single("monocycle.png", 120, 128, DrawUnicycle);
    uni.check = [](Checker& c) {
        c.InkInRect(20, 0, 80, 6, "saddle on the top edge");
        c.InkInRect(40, 127, 40, 1, "wheel on the floor line");
        c.Opaque(kUnicycleCrank, "chainring where the pedals turn");
    };
    list.push_back(uni);

    Picture pedal = Single("pedale.png", 40, 10, DrawPedal);
    list.push_back(pedal);
}

} // namespace cat
