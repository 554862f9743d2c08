// Widget pictures: the two push buttons (tinted), check boxes, the prototype check boxes, the
// message panels, the profile and back buttons and the small game logo.
//
// Index: buttons · check boxes · message panels · round buttons and logo · the list.
#include "catalogue.h"

#include <cmath>

namespace {

using art::Pt;
using art::Rgb;
using cat::Checker;
namespace pal = art::pal;

// Clickable pictures fill their rectangle: every edge must carry the shape.
void CheckFills(Checker& c, int w, int h) {
    c.Opaque({w / 2.0, 1}, "top edge");
    c.Opaque({w / 2.0, h - 2.0}, "bottom edge");
    c.Opaque({1, h / 2.0}, "left edge");
    c.Opaque({w - 2.0, h / 2.0}, "right edge");
}

// ---- buttons -------------------------------------------------------------------------------

// A pill drawn in white and greys so any tint shows: soft bevel, mid-grey rim.
void Pill(cairo_t* cr, int w, int h) {
    double r = h / 2.0 - 1;
    auto shape = [&](cairo_t* c) { art::RoundRect(c, 1.5, 1.5, w - 3, h - 3, r); };
    cairo_new_path(cr);
    shape(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(g, 0.55, 0.97, 0.97, 0.97);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.8, 0.8, 0.82);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // A highlight along the top.
    cairo_new_path(cr);
    art::RoundRect(cr, r * 0.6, h * 0.12, w - r * 1.2, h * 0.3, h * 0.15);
    art::SetColour(cr, pal::White, 0.9);
    cairo_fill(cr);
    cairo_new_path(cr);
    shape(cr);
    art::SetColour(cr, art::Grey(108));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
}

// ---- check boxes ---------------------------------------------------------------------------

void Tick(cairo_t* cr, double s, Rgb c, double width) {
    std::vector<Pt> pts = {{0.22 * s, 0.52 * s}, {0.42 * s, 0.74 * s}, {0.8 * s, 0.22 * s}};
    art::Line(cr, pts, pal::Ink, width + 3, false);
    art::Line(cr, pts, c, width, false);
}

void CheckBox(cairo_t* cr, bool ticked) {
    auto box = [](cairo_t* c) { art::RoundRect(c, 2.5, 2.5, 29, 29, 7); };
    art::Solid(cr, box, pal::Cream, 2.5, 0.1, pal::Navy);
    if (ticked)
        Tick(cr, 34, pal::Green, 5);
}

// Prototype boxes: plain greys; state 0 normal, 1 hover, 2 pressed.
void PrototypeBox(cairo_t* cr, int state, bool on) {
    const int fill[3] = {200, 225, 160};
    auto box = [](cairo_t* c) { cairo_rectangle(c, 2, 2, 28, 28); };
    art::Outlined(cr, box, art::Grey(fill[state]), art::Grey(70), 2);
    if (on) {
        std::vector<Pt> pts = {{8, 16}, {14, 23}, {25, 9}};
        art::Line(cr, pts, art::Grey(40), 4, false);
    }
}

// ---- message panels ------------------------------------------------------------------------

void Panel(cairo_t* cr, int w, int h, int band) {
    Rgb header = art::C(52, 78, 128);
    Rgb body = art::C(253, 248, 232);
    auto shape = [&](cairo_t* c) { art::RoundRect(c, 2, 2, w - 4, h - 4, 26); };
    art::Outlined(cr, shape, body, pal::Ink, 3);
    cairo_save(cr);
    cairo_new_path(cr);
    shape(cr);
    cairo_clip(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 0, w, band);
    art::SetColour(cr, header);
    cairo_fill(cr);
    // A wavy lower edge to the header and a few stars in its corners.
    cairo_new_path(cr);
    cairo_move_to(cr, 0, band - 8);
    for (int x = 0; x <= w; x += 40)
        cairo_curve_to(cr, x + 10, band + 4, x + 30, band + 4, x + 40, band - 8);
    cairo_line_to(cr, w, band - 10);
    cairo_line_to(cr, 0, band - 10);
    cairo_close_path(cr);
    art::SetColour(cr, header);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, band + 6, w, h);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, band, 0, h);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.95, 0.86, 0.7, 0.6);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
    for (int i = 0; i < 3; ++i) {
        Pt c = {w - 40.0 - i * 34, 26.0 + (i % 2) * 18};
        cairo_new_path(cr);
        for (int k = 0; k < 10; ++k) {
            double a = -M_PI / 2 + k * M_PI / 5;
            double r = (k % 2) ? 4 : 10 - i * 2;
            cairo_line_to(cr, c.x + r * std::cos(a), c.y + r * std::sin(a));
        }
        cairo_close_path(cr);
        art::SetColour(cr, pal::Yellow, 0.9);
        cairo_fill(cr);
    }
    cairo_new_path(cr);
    shape(cr);
    art::SetColour(cr, pal::Ink);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
}

// ---- round buttons and logo ----------------------------------------------------------------

void RoundButton(cairo_t* cr, Rgb base) {
    auto disc = [](cairo_t* c) { art::Circle(c, {32, 32}, 30); };
    art::Solid(cr, disc, base, 2.5, 0.08, pal::Ink);
    art::Gloss(cr, 26, 16, 16, 7, 0.35);
}

void ProfileButton(cairo_t* cr) {
    RoundButton(cr, art::C(245, 160, 60));
    auto person = [](cairo_t* c) {
        art::Circle(c, {32, 25}, 10);
        art::Smooth(c, {{14, 52}, {20, 40}, {32, 36}, {44, 40}, {50, 52}, {32, 56}}, 0.8);
    };
    art::Outlined(cr, person, pal::White, pal::Ink, 2.5);
    cairo_new_path(cr);
    art::Circle(cr, {28, 24}, 1.6);
    art::Circle(cr, {36, 24}, 1.6);
    art::SetColour(cr, pal::Ink);
    cairo_fill(cr);
    art::Line(cr, {{28, 29}, {32, 31}, {36, 29}}, pal::Ink, 1.8);
}

void BackButton(cairo_t* cr) {
    RoundButton(cr, art::C(90, 160, 220));
    auto arrow = [](cairo_t* c) {
        art::Polygon(c, {{12, 30},
                         {28, 16},
                         {28, 24},
                         {42, 24},
                         {48, 30},
                         {50, 46},
                         {44, 38},
                         {36, 36},
                         {28, 36},
                         {28, 44}});
    };
    art::Outlined(cr, arrow, pal::White, pal::Ink, 2.5);
}

void Logo(cairo_t* cr) {
    auto badge = [](cairo_t* c) { art::RoundRect(c, 2, 2, 116, 56, 16); };
    art::Solid(cr, badge, art::C(255, 246, 220), 2.5, 0.06, pal::Ink);
    art::TextStyle st;
    st.outline = 2;
    std::vector<Rgb> cols = {pal::Red, pal::Orange, pal::Green, pal::Blue, pal::Purple};
    art::FitLetters(cr, "Mirelvan", 8, 5, 104, 26, st, cols, false);
    art::FitLetters(cr, "Quibs", 22, 29, 76, 26, st, cols, false);
}

} // namespace

// ---- the list ------------------------------------------------------------------------------

namespace cat {

void AddWidgets(PictureList& list) {
    Picture small = Single("petitbouton1a.png", 220, 44, [](cairo_t* cr) { Pill(cr, 220, 44); });
    small.check = [](Checker& c) { CheckFills(c, 220, 44); };
    list.push_back(small);
    Picture big = Single("grosbouton1a.png", 720, 80, [](cairo_t* cr) { Pill(cr, 720, 80); });
    big.check = [](Checker& c) { CheckFills(c, 720, 80); };
    list.push_back(big);
    for (int i = 0; i < 2; ++i) {
        Picture box = Single("boutoncheckbox" + std::to_string(i + 1) + ".png", 34, 34,
                             [i](cairo_t* cr) { CheckBox(cr, i == 1); });
        box.check = [](Checker& c) { CheckFills(c, 34, 34); };
        list.push_back(box);
    }
    // Files 1-3: off in normal, hover, pressed; 4-6: the same, on.
    for (int n = 1; n <= 6; ++n) {
        int state = (n - 1) % 3;
        bool on = n > 3;
        list.push_back(
            Single("kestrivan_skins_gui_prototype_checkbox_" + std::to_string(n) + ".png", 32, 32,
                   [state, on](cairo_t* cr) { PrototypeBox(cr, state, on); }));
    }
    Picture msg = Single("message.png", 900, 400, [](cairo_t* cr) { Panel(cr, 900, 400, 110); });
    msg.check = [](Checker& c) {
        CheckFills(c, 900, 400);
        c.Expect(c.Px().Channel(450, 60, 0) < 100, "dark header band behind the title");
        c.Expect(c.Px().Channel(450, 142, 0) > 200, "light body behind the message");
    };
    list.push_back(msg);
    Picture large =
        Single("message_large.png", 1040, 440, [](cairo_t* cr) { Panel(cr, 1040, 440, 135); });
    large.check = [](Checker& c) {
        CheckFills(c, 1040, 440);
        c.Expect(c.Px().Channel(520, 100, 0) < 100, "dark header band to y 135");
        c.Expect(c.Px().Channel(520, 160, 0) > 200, "light body below the header");
    };
    list.push_back(large);
    Picture profile = Single("boutonprofil.png", 64, 64, ProfileButton);
    profile.check = [](Checker& c) { CheckFills(c, 64, 64); };
    list.push_back(profile);
    Picture back = Single("boutonflecheback.png", 64, 64, BackButton);
    back.check = [](Checker& c) { CheckFills(c, 64, 64); };
    list.push_back(back);
    Picture logo = Single("mirelvanquibs_logo.png", 120, 60, Logo);
    logo.check = [](Checker& c) { CheckFills(c, 120, 60); };
    list.push_back(logo);
}

} // namespace cat
