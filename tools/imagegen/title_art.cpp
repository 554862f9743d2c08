// Title screen lettering, credit line and studio logo, the set-up arrows and the gallery's
// picture frame and name plate.
//
// Index: title pieces · arrows · gallery · the list.
#include "catalogue.h"

#include <cmath>

namespace {

using art::Pt;
using art::Rgb;
using cat::Checker;
namespace pal = art::pal;

// ---- title pieces --------------------------------------------------------------------------

const std::vector<Rgb> kTitleColours = {art::C(240, 80, 70),   art::C(250, 170, 40),
                                        art::C(120, 200, 70),  art::C(70, 160, 230),
                                        art::C(170, 100, 210), art::C(250, 120, 170)};

void TitleWord(cairo_t* cr, const char* text, int w, int h, int firstColour) {
    art::TextStyle st;
    st.outline = std::max(4.0, h * 0.055);
    std::vector<Rgb> cols;
    for (size_t i = 0; i < kTitleColours.size(); ++i)
        cols.push_back(kTitleColours[(i + firstColour) % kTitleColours.size()]);
    art::FitLetters(cr, text, 0, 0, w, h, st, cols, true, 1.0, true);
}

void Credit(cairo_t* cr) {
    art::TextStyle st;
    st.outline = 3;
    st.ink = art::C(60, 50, 70);
    art::FitLetters(cr, "par Movral", 10, 6, 280, 48, st, {art::C(255, 240, 200)}, false);
}

void StudioLogo(cairo_t* cr) {
    // A sun-like badge and the studio name.
    auto badge = [](cairo_t* c) { art::RoundRect(c, 3, 8, 194, 84, 30); };
    art::Solid(cr, badge, art::C(50, 70, 110), art::kLine, 0.06);
    auto sun = [](cairo_t* c) {
        for (int i = 0; i < 8; ++i) {
            double a = i * M_PI / 4;
            art::Circle(c, {44 + std::cos(a) * 18, 50 + std::sin(a) * 18}, 7);
        }
        art::Circle(c, {44, 50}, 18);
    };
    art::Solid(cr, sun, pal::Yellow, 2.5, 0.1);
    art::TextStyle st;
    st.outline = 2.5;
    art::FitLetters(cr, "Ondrix", 74, 30, 112, 40, st, {pal::White}, false);
}

// ---- arrows --------------------------------------------------------------------------------

void Arrow(cairo_t* cr, bool up) {
    auto tri = [up](cairo_t* c) {
        if (up)
            art::Smooth(c, {{32, 3}, {61, 36}, {3, 36}}, 0.25);
        else
            art::Smooth(c, {{3, 4}, {61, 4}, {32, 37}}, 0.25);
    };
    art::Tinted(cr, tri, art::kLine, 0.12);
}

// ---- gallery -------------------------------------------------------------------------------

// The window where the capture shows through: x 44-282, y 132-275.
constexpr double kWinX = 44, kWinY = 132, kWinW = 238, kWinH = 143;

void GalleryFrame(cairo_t* cr) {
    // Nail and string.
    art::Line(cr, {{163, 18}, {60, 122}}, art::C(120, 90, 60), 3, false);
    art::Line(cr, {{163, 18}, {266, 122}}, art::C(120, 90, 60), 3, false);
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Circle(c, {163, 16}, 8);
        },
        art::Grey(150), 2.5, 0.2);
    // The moulding round the window.
    Rgb wood = art::C(200, 140, 70);
    auto moulding = [](cairo_t* c) {
        cairo_new_sub_path(c);
        art::RoundRect(c, 20, 108, 286, 191, 6);
    };
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    moulding(cr);
    cairo_rectangle(cr, kWinX, kWinY, kWinW, kWinH);
    art::SetColour(cr, wood);
    cairo_fill_preserve(cr);
    art::SetColour(cr, pal::Ink);
    cairo_set_line_width(cr, art::kLine);
    cairo_stroke(cr);
    cairo_restore(cr);
    // Bevel lines and corner studs.
    cairo_new_path(cr);
    cairo_rectangle(cr, 31, 119, 264, 169);
    art::SetColour(cr, art::Lighter(wood, 0.4));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    for (Pt p : {Pt{31, 119}, Pt{295, 119}, Pt{31, 288}, Pt{295, 288}}) {
        cairo_new_path(cr);
        art::Circle(cr, p, 4);
        art::SetColour(cr, pal::Gold);
        cairo_fill(cr);
    }
}

void NamePlate(cairo_t* cr) {
    auto plate = [](cairo_t* c) { art::RoundRect(c, 2, 2, 151, 34, 8); };
    art::Solid(cr, plate, art::C(220, 180, 80), 2.5, 0.12);
    art::Gloss(cr, 60, 10, 44, 4, 0.5);
    for (double x : {12.0, 143.0}) {
        cairo_new_path(cr);
        art::Circle(cr, {x, 19}, 3.5);
        art::SetColour(cr, art::C(150, 110, 40));
        cairo_fill(cr);
    }
}

} // namespace

// ---- the list ------------------------------------------------------------------------------

namespace cat {

void AddTitleArt(PictureList& list) {
    struct Word {
        const char* file;
        const char* text;
        int w, h;
    };
    const Word words[4] = {{"mir.png", "Mir", 220, 96},
                           {"elv.png", "elv", 140, 52},
                           {"an.png", "an", 150, 80},
                           {"quibs.png", "Quibs", 440, 199}};
    for (int i = 0; i < 4; ++i) {
        Word wd = words[i];
        Picture p = Single(wd.file, wd.w, wd.h,
                           [wd, i](cairo_t* cr) { TitleWord(cr, wd.text, wd.w, wd.h, i * 2); });
        // The handle is the bottom-left corner: the letters stand on the bottom edge.
        p.check = [wd](Checker& c) { c.InkInRect(0, wd.h - 6, wd.w, 6, "letters on the bottom"); };
        list.push_back(p);
    }
    list.push_back(Single("par_movral.png", 300, 60, Credit));
    list.push_back(Single("logo_ondrix.png", 200, 100, StudioLogo));
    for (bool up : {true, false}) {
        Picture p = Single(up ? "fleche_up.png" : "fleche_down.png", 64, 40,
                           [up](cairo_t* cr) { Arrow(cr, up); });
        p.check = [](Checker& c) { c.Opaque({32, 20}, "arrow body"); };
        list.push_back(p);
    }
    Picture frame = Single("tabgal.png", 326, 320, GalleryFrame);
    frame.check = [](Checker& c) {
        c.ClearRect(int(kWinX) + 2, int(kWinY) + 2, int(kWinW) - 4, int(kWinH) - 4,
                    "window for the capture");
        c.Opaque({kWinX - 10, kWinY + 60}, "moulding left of the window");
        c.Opaque({kWinX + kWinW + 10, kWinY + 60}, "moulding right of the window");
    };
    list.push_back(frame);
    Picture plate = Single("tabgal2.png", 155, 38, NamePlate);
    plate.check = [](Checker& c) { c.Opaque({77, 19}, "plate"); };
    list.push_back(plate);
}

} // namespace cat
