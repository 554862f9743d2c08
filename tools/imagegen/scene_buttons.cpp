// Game-scene pictures: the terrains' round control-bar buttons, OK and undo, the bin, the
// sentence frame and its background, the word tag and the sentence tag.
//
// Index: control-bar icons · OK and undo · bin · frames and tags · the list.
#include "catalogue.h"

#include <cmath>

namespace {

using art::Pt;
using art::Rgb;
using cat::Checker;
namespace pal = art::pal;

const Rgb kIcon = pal::White;

void Icon(cairo_t* cr, const art::PathFn& path) { art::Outlined(cr, path, kIcon, pal::Ink, 2.2); }

// ---- control-bar icons ---------------------------------------------------------------------

void Disc(cairo_t* cr, Rgb base) {
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Circle(c, {25, 25}, 23.5);
        },
        base, 2, 0.08);
    art::Gloss(cr, 20, 13, 12, 5, 0.35);
}

void Rewind(cairo_t* cr) {
    Disc(cr, art::C(90, 160, 220));
    Icon(cr, [](cairo_t* c) {
        cairo_rectangle(c, 13, 15, 5, 20);
        art::Polygon(c, {{19, 25}, {37, 14}, {37, 36}});
    });
}
void Return(cairo_t* cr) {
    Disc(cr, art::C(230, 90, 80));
    Icon(cr, [](cairo_t* c) { cairo_rectangle(c, 26, 12, 13, 26); });
    cairo_new_path(cr);
    art::Circle(cr, {29, 26}, 1.6);
    art::SetColour(cr, pal::Ink);
    cairo_fill(cr);
    Icon(cr, [](cairo_t* c) {
        art::Polygon(c, {{9, 25}, {18, 17}, {18, 22}, {26, 22}, {26, 28}, {18, 28}, {18, 33}});
    });
}
void Forward(cairo_t* cr) {
    Disc(cr, art::C(90, 160, 220));
    Icon(cr, [](cairo_t* c) {
        art::Polygon(c, {{13, 14}, {31, 25}, {13, 36}});
        cairo_rectangle(c, 32, 15, 5, 20);
    });
}
void Clip(cairo_t* cr) {
    Disc(cr, art::C(240, 170, 60));
    Icon(cr, [](cairo_t* c) { art::RoundRect(c, 14, 12, 22, 28, 3); });
    for (int i = 0; i < 3; ++i)
        art::Line(cr, {{18, 22.0 + i * 5}, {32, 22.0 + i * 5}}, art::Grey(150), 2, false);
    art::Solid(
        cr, [](cairo_t* c) { art::RoundRect(c, 19, 9, 12, 6, 2); }, art::Grey(180), 2, 0);
    cairo_new_path(cr);
    art::RoundRect(cr, 30, 14, 6, 14, 3);
    art::SetColour(cr, art::Grey(90));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}
void Play(cairo_t* cr) {
    Disc(cr, art::C(100, 190, 90));
    Icon(cr, [](cairo_t* c) { art::Polygon(c, {{18, 13}, {37, 25}, {18, 37}}); });
}
void Pause(cairo_t* cr) {
    Disc(cr, art::C(100, 190, 90));
    Icon(cr, [](cairo_t* c) {
        art::RoundRect(c, 15, 14, 7, 22, 2);
        art::RoundRect(c, 28, 14, 7, 22, 2);
    });
}
void Reload(cairo_t* cr) {
    Disc(cr, art::C(160, 110, 210));
    for (int k = 0; k < 2; ++k) {
        double a0 = k * M_PI + 0.3, a1 = a0 + M_PI - 0.6;
        cairo_new_path(cr);
        cairo_arc(cr, 25, 25, 11, a0, a1);
        art::SetColour(cr, pal::Ink);
        cairo_set_line_width(cr, 8);
        cairo_stroke_preserve(cr);
        art::SetColour(cr, kIcon);
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
        Pt tip = {25 + 11 * std::cos(a1), 25 + 11 * std::sin(a1)};
        Pt t = {-std::sin(a1), std::cos(a1)};
        Pt n = {std::cos(a1), std::sin(a1)};
        Icon(cr, [=](cairo_t* c) { art::Polygon(c, {tip + n * 6, tip + t * 7, tip - n * 6}); });
    }
}
void Photo(cairo_t* cr) {
    Disc(cr, art::C(60, 80, 120));
    Icon(cr, [](cairo_t* c) {
        art::RoundRect(c, 10, 17, 30, 20, 4);
        cairo_rectangle(c, 19, 13, 12, 5);
    });
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Circle(c, {25, 27}, 7);
        },
        art::C(80, 120, 180), 2, 0.2);
    art::Gloss(cr, 23, 25, 2, 2, 0.9);
}
void Hide(cairo_t* cr) {
    Disc(cr, art::C(240, 130, 170));
    Icon(cr, [](cairo_t* c) { art::RoundRect(c, 9, 16, 32, 18, 5); });
    art::Line(cr, {{16, 24}, {25, 29}, {34, 24}}, pal::Ink, 2.5);
    for (int i = -1; i <= 1; ++i)
        art::Line(cr, {{25.0 + i * 6, 28.0 - std::abs(i)}, {25.0 + i * 8, 32.0}}, pal::Ink, 2,
                  false);
}
void NoPicture(cairo_t* cr) {
    Disc(cr, art::C(120, 180, 200));
    Icon(cr, [](cairo_t* c) { art::RoundRect(c, 11, 14, 28, 22, 3); });
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Polygon(c, {{14, 33}, {22, 22}, {28, 29}, {31, 25}, {36, 33}});
        },
        pal::Green, 1.5, 0);
    art::Line(cr, {{12, 38}, {38, 12}}, pal::Ink, 7, false);
    art::Line(cr, {{12, 38}, {38, 12}}, pal::Red, 4, false);
}

// ---- OK and undo ---------------------------------------------------------------------------

void OkButton(cairo_t* cr) {
    art::Solid(
        cr, [](cairo_t* c) { art::RoundRect(c, 2, 2, 106, 86, 22); }, art::C(90, 190, 80),
        art::kLine, 0.08);
    art::Gloss(cr, 46, 16, 36, 8, 0.3);
    std::vector<Pt> tick = {{16, 46}, {30, 62}, {50, 28}};
    art::Line(cr, tick, pal::Ink, 14, false);
    art::Line(cr, tick, pal::White, 8, false);
    art::TextStyle st;
    st.outline = 3;
    art::FitLetters(cr, "OK", 54, 26, 46, 38, st, {pal::White}, false);
}

void UndoButton(cairo_t* cr) {
    art::Solid(
        cr, [](cairo_t* c) { art::RoundRect(c, 2, 2, 106, 86, 22); }, art::C(245, 160, 60),
        art::kLine, 0.08);
    art::Gloss(cr, 46, 16, 36, 8, 0.3);
    cairo_new_path(cr);
    cairo_arc(cr, 58, 52, 22, -M_PI * 0.9, M_PI * 0.35);
    art::SetColour(cr, pal::Ink);
    cairo_set_line_width(cr, 15);
    cairo_stroke_preserve(cr);
    art::SetColour(cr, pal::White);
    cairo_set_line_width(cr, 9);
    cairo_stroke(cr);
    Icon(cr, [](cairo_t* c) { art::Polygon(c, {{20, 48}, {34, 28}, {46, 52}}); });
}

// ---- bin -----------------------------------------------------------------------------------

void Bin(cairo_t* cr, int frame) {
    bool open = frame == 1;
    Rgb metal = open ? art::C(120, 200, 110) : art::C(110, 150, 170);
    if (open) {
        // A glow behind the open bin.
        cairo_pattern_t* g = cairo_pattern_create_radial(62, 90, 10, 62, 90, 70);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.95, 0.5, 0.9);
        cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.95, 0.5, 0);
        cairo_rectangle(cr, 0, 0, 124, 164);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Polygon(c, {{18, 52}, {106, 52}, {96, 158}, {28, 158}});
        },
        metal, art::kLine, 0.1);
    for (int i = 0; i < 4; ++i) {
        double x = 36 + i * 17.0;
        art::Line(cr, {{x, 64}, {x + (i - 1.5) * 2, 148}}, art::Darker(metal, 0.75), 4, false);
    }
    cairo_save(cr);
    if (open) {
        // The lid swings up and back about its left hinge.
        cairo_translate(cr, 14, 48);
        cairo_rotate(cr, -0.55);
        cairo_translate(cr, -14, -48);
    }
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::RoundRect(c, 10, 38, 104, 14, 6);
            art::RoundRect(c, 48, 28, 28, 12, 5);
        },
        art::Lighter(metal, 0.2), art::kLine, 0.1);
    cairo_restore(cr);
}

// ---- frames and tags -----------------------------------------------------------------------

void SentenceFrame(cairo_t* cr, int frame) {
    bool lit = frame == 1;
    auto shape = [](cairo_t* c) { art::RoundRect(c, 8, 8, 1264, 144, 30); };
    if (lit) {
        cairo_new_path(cr);
        shape(cr);
        art::SetColour(cr, art::C(255, 240, 120), 0.6);
        cairo_set_line_width(cr, 14);
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
    shape(cr);
    art::SetColour(cr, pal::Ink);
    cairo_set_line_width(cr, 9);
    cairo_stroke(cr);
    cairo_new_path(cr);
    shape(cr);
    art::SetColour(cr, lit ? art::C(255, 215, 60) : art::C(120, 170, 220));
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    // A dashed inner line like a ticket's edge.
    cairo_save(cr);
    double dash[] = {14, 10};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_new_path(cr);
    art::RoundRect(cr, 18, 18, 1244, 124, 22);
    art::SetColour(cr, lit ? art::C(255, 215, 60) : art::C(120, 170, 220), 0.8);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void SentenceFrameBack(cairo_t* cr) {
    cairo_new_path(cr);
    art::RoundRect(cr, 8, 8, 1264, 144, 30);
    art::SetColour(cr, pal::White, 0.5);
    cairo_fill(cr);
}

// Tags: white cards with a grey rim and a soft grey lower bevel, so every tint shows.
void Tag(cairo_t* cr, int w, int h, double r) {
    auto shape = [=](cairo_t* c) { art::RoundRect(c, 1.5, 1.5, w - 3, h - 3, r); };
    cairo_new_path(cr);
    shape(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(g, 0.7, 0.98, 0.98, 0.98);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.85, 0.85, 0.87);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_new_path(cr);
    shape(cr);
    art::SetColour(cr, art::Grey(112));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
}

void CheckFills(Checker& c, int w, int h) {
    c.Opaque({w / 2.0, 1}, "top edge");
    c.Opaque({w / 2.0, h - 2.0}, "bottom edge");
    c.Opaque({1, h / 2.0}, "left edge");
    c.Opaque({w - 2.0, h / 2.0}, "right edge");
}

} // namespace

// ---- the list ------------------------------------------------------------------------------

namespace cat {

void AddSceneButtons(PictureList& list) {
    struct Button {
        const char* file;
        void (*draw)(cairo_t*);
    };
    const Button buttons[10] = {{"bouton_rwd.png", Rewind},    {"bouton_rtn.png", Return},
                                {"bouton_fwd.png", Forward},   {"bouton_clip.png", Clip},
                                {"bouton_play.png", Play},     {"bouton_pause.png", Pause},
                                {"bouton_reload.png", Reload}, {"bouton_photo.png", Photo},
                                {"bouton_hide.png", Hide},     {"bouton_nopic.png", NoPicture}};
    for (const auto& b : buttons) {
        Picture p = Single(b.file, 50, 50, b.draw);
        p.check = [](Checker& c) { CheckFills(c, 50, 50); };
        list.push_back(p);
    }
    Picture ok = Single("boutonok.png", 110, 90, OkButton);
    ok.check = [](Checker& c) { CheckFills(c, 110, 90); };
    list.push_back(ok);
    Picture undo = Single("boutonundo.png", 110, 90, UndoButton);
    undo.check = [](Checker& c) { CheckFills(c, 110, 90); };
    list.push_back(undo);
    Picture bin = Frames("poubelle.png", 2, 2, 124, 164, Layout::Grid, Bin);
    bin.check = [](Checker& c) {
        c.Opaque({62, 120}, "bin");
        c.Opaque({124 + 62, 120}, "highlighted bin");
    };
    list.push_back(bin);
    Picture frame = Frames("cadresphraseauchoix.png", 2, 1, 1280, 160, Layout::Grid, SentenceFrame);
    frame.check = [](Checker& c) {
        c.ClearRect(40, 30, 1200, 100, "frame 0 interior");
        c.ClearRect(40, 190, 1200, 100, "frame 1 interior");
        c.Opaque({640, 8}, "frame 0 border");
        c.Opaque({640, 168}, "frame 1 border");
    };
    list.push_back(frame);
    Picture back = Single("cadresphraseauchoixfond.png", 1280, 160, SentenceFrameBack);
    back.check = [](Checker& c) {
        int a = c.Px().Alpha(640, 80);
        c.Expect(a > 60 && a < 200, "translucent background");
    };
    list.push_back(back);
    Picture word = Single("etiquettemot.png", 100, 52, [](cairo_t* cr) { Tag(cr, 100, 52, 12); });
    word.check = [](Checker& c) {
        CheckFills(c, 100, 52);
        // Straight top and bottom: the middle columns look alike, so a stretch keeps the shape.
        for (int y = 0; y < 52; ++y)
            c.Expect(c.Px().Alpha(30, y) == c.Px().Alpha(70, y), "uneven middle of the word tag");
    };
    list.push_back(word);
    Picture sentence = Single("rectrep.png", 620, 170, [](cairo_t* cr) { Tag(cr, 620, 170, 24); });
    sentence.check = [](Checker& c) { CheckFills(c, 620, 170); };
    list.push_back(sentence);
}

} // namespace cat
