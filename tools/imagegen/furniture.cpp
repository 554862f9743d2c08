// Room furniture and decor: floor pieces (their bottom row is the floor line), wall pieces, the
// ten paintings, the small table under an object and the menu screens' floor strip.
//
// Index: helpers · floor pieces · wall pieces · paintings · table and floor strip · the list.
#include "catalogue.h"

#include <cmath>

namespace {

using art::Pt;
using art::Rgb;
using cat::Checker;
namespace pal = art::pal;

// ---- helpers -------------------------------------------------------------------------------

void Box(cairo_t* cr, double x, double y, double w, double h, Rgb c, double r = 4,
         double line = art::kLine, double shade = 0.06) {
    art::Solid(
        cr, [=](cairo_t* cc) { art::RoundRect(cc, x, y, w, h, r); }, c, line, shade);
}

void Knob(cairo_t* cr, Pt p, double r = 6) {
    art::Solid(
        cr, [=](cairo_t* c) { art::Circle(c, p, r); }, pal::Gold, 2, 0.2);
    art::Gloss(cr, p.x - r * 0.3, p.y - r * 0.3, r * 0.3, r * 0.3, 0.8);
}

void Fill(cairo_t* cr, Rgb c, double alpha = 1) {
    art::SetColour(cr, c, alpha);
    cairo_fill(cr);
}

// ---- floor pieces --------------------------------------------------------------------------

void Commode(cairo_t* cr) {
    Rgb wood = art::C(196, 120, 74);
    for (double x : {18.0, 245.0})
        Box(cr, x, 240, 18, 29, art::Darker(wood, 0.8), 3, art::kLine, 0);
    Box(cr, 12, 24, 257, 222, wood, 6);
    Box(cr, 3, 8, 275, 22, art::Lighter(wood, 0.15), 6);
    for (int i = 0; i < 3; ++i) {
        double y = 40 + i * 68.0;
        Box(cr, 26, y, 229, 58, art::Lighter(wood, 0.1), 5, 2.5, 0.08);
        Knob(cr, {100, y + 29});
        Knob(cr, {181, y + 29});
    }
}

void Door(cairo_t* cr) {
    Rgb frame = art::C(240, 236, 226);
    Rgb door = art::C(120, 170, 200);
    Box(cr, 3, 3, 317, 524, frame, 4, art::kLine, 0.02);
    Box(cr, 30, 28, 263, 500, door, 2, art::kLine, 0.03);
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            Box(cr, 58 + j * 113, 60 + i * 230, 95, 190, art::Lighter(door, 0.12), 4, 2.5, 0.1);
    Knob(cr, {266, 300}, 9);
    art::Solid(
        cr, [](cairo_t* c) { art::RoundRect(c, 258, 318, 16, 26, 4); }, pal::Gold, 2, 0);
    // The bottom edge stands exactly on the floor line.
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 520, 323, 4);
    Fill(cr, pal::Ink);
}

void Wardrobe(cairo_t* cr) {
    Rgb wood = art::C(170, 110, 70);
    for (double x : {24.0, 400.0})
        Box(cr, x, 506, 24, 27, art::Darker(wood, 0.75), 3, art::kLine, 0);
    Box(cr, 14, 36, 419, 474, wood, 6, art::kLine, 0.04);
    Box(cr, 3, 8, 441, 36, art::Lighter(wood, 0.15), 6);
    for (int j = 0; j < 2; ++j) {
        double x = 34 + j * 196.0;
        Box(cr, x, 60, 184, 360, art::Lighter(wood, 0.1), 5, 2.5, 0.04);
        Box(cr, x + 24, 84, 136, 140, art::C(200, 225, 235), 60, 2.5, 0);
        art::Line(cr, {{x + 60, 104}, {x + 90, 134}}, pal::White, 4);
        art::Line(cr, {{x + 54, 128}, {x + 70, 144}}, pal::White, 4);
        Box(cr, x + 24, 250, 136, 150, art::Lighter(wood, 0.2), 5, 2.5, 0.08);
        Knob(cr, {j == 0 ? x + 170 : x + 14, 240}, 7);
    }
    Box(cr, 34, 432, 380, 64, art::Lighter(wood, 0.1), 5, 2.5, 0.08);
    Knob(cr, {224, 464}, 7);
}

void CoatStand(cairo_t* cr) {
    Rgb wood = art::C(150, 95, 60);
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Limb(c, {58, 360}, {18, 370}, 5, 5);
            art::Limb(c, {58, 360}, {98, 370}, 5, 5);
            art::Polygon(c, {{10, 366}, {107, 366}, {107, 373}, {10, 373}});
            art::Limb(c, {58, 30}, {58, 366}, 6, 7);
            art::Limb(c, {58, 40}, {20, 22}, 4, 4);
            art::Limb(c, {58, 40}, {96, 22}, 4, 4);
            art::Circle(c, {58, 18}, 9);
        },
        wood, art::kLine, 0.1);
    // A coat hanging on the left hook and a hat on the right one.
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Smooth(c, {{22, 24}, {38, 40}, {40, 120}, {44, 196}, {6, 200}, {4, 120}, {10, 40}},
                        0.8);
        },
        art::C(90, 130, 80), art::kLine, 0.12);
    art::Line(cr, {{24, 50}, {24, 190}}, art::C(60, 90, 55), 2.5);
    for (int i = 0; i < 3; ++i) {
        cairo_new_path(cr);
        art::Circle(cr, {30, 80.0 + i * 36}, 3.5);
        Fill(cr, pal::Gold);
    }
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Smooth(c, {{76, 34}, {80, 14}, {100, 10}, {108, 30}}, 0.8);
            art::Ellipse(c, 92, 34, 22, 5);
        },
        art::C(200, 60, 60), art::kLine, 0.1);
}

void PedestalTable(cairo_t* cr) {
    Rgb wood = art::C(176, 108, 68);
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Ellipse(c, 103, 214, 62, 8);
            art::RoundRect(c, 92, 116, 22, 100, 6);
        },
        wood, art::kLine, 0.1);
    art::Solid(
        cr, [](cairo_t* c) { art::Ellipse(c, 103, 114, 96, 14); }, art::Lighter(wood, 0.15),
        art::kLine, 0.15);
    // A vase of flowers.
    const Rgb petals[3] = {pal::Red, pal::Yellow, pal::Purple};
    for (int i = 0; i < 3; ++i) {
        Pt head = {80.0 + i * 23, 22.0 + (i % 2) * 12};
        art::Line(cr, {{103, 80}, head}, pal::DarkGreen, 4);
        art::Solid(
            cr,
            [head](cairo_t* c) {
                for (int k = 0; k < 5; ++k) {
                    double a = k * 2 * M_PI / 5;
                    art::Circle(c, head + Pt{std::cos(a) * 9, std::sin(a) * 9}, 7);
                }
            },
            petals[i], 2, 0);
        cairo_new_path(cr);
        art::Circle(cr, head, 5);
        Fill(cr, i == 1 ? pal::Orange : pal::Yellow);
    }
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Smooth(c, {{90, 60}, {116, 60}, {128, 86}, {118, 108}, {88, 108}, {78, 86}}, 0.8);
        },
        art::C(80, 150, 210), art::kLine, 0.15);
    art::Gloss(cr, 92, 80, 4, 10, 0.5);
}

void Lamp(cairo_t* cr) {
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Ellipse(c, 88, 500, 48, 9);
            art::RoundRect(c, 83, 120, 10, 384, 5);
        },
        art::C(90, 84, 90), art::kLine, 0.1);
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Smooth(c, {{42, 8}, {135, 8}, {170, 126}, {88, 134}, {6, 126}}, 0.3);
        },
        art::C(250, 215, 120), art::kLine, 0.1);
    art::Line(cr, {{12, 116}, {88, 122}, {164, 116}}, art::C(220, 160, 70), 3);
    cairo_new_path(cr);
    art::Ellipse(cr, 88, 30, 30, 8);
    Fill(cr, pal::White, 0.4);
}

// ---- wall pieces ---------------------------------------------------------------------------

void Window(cairo_t* cr) {
    Rgb frame = art::C(245, 245, 240);
    Box(cr, 24, 8, 164, 212, frame, 4, art::kLine, 0);
    cairo_new_path(cr);
    cairo_rectangle(cr, 36, 20, 140, 188);
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 20, 0, 208);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.5, 0.75, 0.97);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.82, 0.93, 1.0);
    cairo_set_source(cr, sky);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);
    // A cloud and a hill seen through the glass.
    cairo_save(cr);
    cairo_rectangle(cr, 36, 20, 140, 188);
    cairo_clip(cr);
    art::Solid(
        cr, [](cairo_t* c) { art::Ellipse(c, 110, 230, 110, 60); }, pal::Green, 2, 0);
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Circle(c, {80, 64}, 14);
            art::Circle(c, {98, 56}, 18);
            art::Circle(c, {116, 66}, 12);
        },
        pal::White, 2, 0);
    cairo_restore(cr);
    art::Line(cr, {{106, 20}, {106, 208}}, frame, 8, false);
    art::Line(cr, {{36, 112}, {176, 112}}, frame, 8, false);
    // Curtains and sill.
    for (int side = 0; side < 2; ++side) {
        art::Solid(
            cr,
            [side](cairo_t* c) {
                double x0 = side ? 212 - 4 : 4;
                double s = side ? -1 : 1;
                art::Smooth(
                    c,
                    {{x0, 4}, {x0 + s * 52, 4}, {x0 + s * 40, 110}, {x0 + s * 56, 222}, {x0, 226}},
                    0.5);
            },
            art::C(230, 90, 110), art::kLine, 0.12);
    }
    art::Line(cr, {{20, 60}, {30, 120}}, art::C(190, 60, 80), 3);
    art::Line(cr, {{192, 60}, {182, 120}}, art::C(190, 60, 80), 3);
    Box(cr, 2, 0, 208, 10, art::C(150, 100, 70), 4, 2.5, 0);
    Box(cr, 14, 222, 184, 24, frame, 4, art::kLine, 0.2);
}

void WallClock(cairo_t* cr) {
    Rgb wood = art::C(150, 90, 55);
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Smooth(c,
                        {{50, 4},
                         {92, 30},
                         {92, 100},
                         {80, 120},
                         {80, 226},
                         {50, 248},
                         {20, 226},
                         {20, 120},
                         {8, 100},
                         {8, 30}},
                        0.4);
        },
        wood, art::kLine, 0.06);
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Circle(c, {50, 62}, 34);
        },
        pal::Cream, art::kLine, 0.1);
    for (int i = 0; i < 12; ++i) {
        double a = i * M_PI / 6;
        Pt p = {50 + std::cos(a) * 27, 62 + std::sin(a) * 27};
        cairo_new_path(cr);
        art::Circle(cr, p, i % 3 == 0 ? 3 : 1.8);
        Fill(cr, pal::Ink);
    }
    art::Line(cr, {{50, 62}, {50, 40}}, pal::Ink, 3.5, false);
    art::Line(cr, {{50, 62}, {66, 70}}, pal::Ink, 3.5, false);
    art::Solid(
        cr, [](cairo_t* c) { art::RoundRect(c, 32, 118, 36, 104, 14); }, art::C(230, 210, 160), 2.5,
        0);
    art::Line(cr, {{50, 118}, {56, 190}}, pal::Gold, 3, false);
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Circle(c, {56, 196}, 10);
        },
        pal::Gold, 2, 0.2);
}

// ---- paintings -----------------------------------------------------------------------------

void Sky(cairo_t* cr, Rgb top, Rgb bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 22, 0, 230);
    cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 0, 320, 252);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void Blob(cairo_t* cr, const art::PathFn& path, Rgb c) { art::Solid(cr, path, c, 2.5, 0.1); }

void PaintingScene(cairo_t* cr, int n) {
    switch (n) {
    case 0: // landscape
        Sky(cr, art::C(120, 190, 245), art::C(210, 235, 250));
        Blob(
            cr, [](cairo_t* c) { art::Ellipse(c, 90, 250, 170, 90); }, pal::Green);
        Blob(
            cr, [](cairo_t* c) { art::Ellipse(c, 260, 260, 150, 80); }, pal::DarkGreen);
        Blob(
            cr,
            [](cairo_t* c) {
                art::Circle(c, {250, 70}, 22);
            },
            pal::Yellow);
        Blob(
            cr, [](cairo_t* c) { art::RoundRect(c, 86, 120, 10, 50, 3); }, pal::Brown);
        Blob(
            cr,
            [](cairo_t* c) {
                art::Circle(c, {91, 110}, 26);
            },
            art::C(90, 170, 80));
        break;
    case 1: // sea
        Sky(cr, art::C(150, 210, 250), art::C(240, 248, 255));
        Blob(
            cr, [](cairo_t* c) { cairo_rectangle(c, 0, 140, 320, 120); }, art::C(50, 120, 200));
        for (int i = 0; i < 4; ++i)
            art::Line(cr,
                      {{30.0 + i * 70, 170.0 + (i % 2) * 20},
                       {50.0 + i * 70, 164.0 + (i % 2) * 20},
                       {70.0 + i * 70, 170.0 + (i % 2) * 20}},
                      pal::White, 3);
        Blob(
            cr,
            [](cairo_t* c) {
                art::Polygon(c, {{140, 132}, {220, 132}, {206, 150}, {152, 150}});
            },
            pal::Red);
        Blob(
            cr,
            [](cairo_t* c) {
                art::Polygon(c, {{178, 60}, {178, 128}, {226, 128}});
            },
            pal::White);
        break;
    case 2: // portrait
        Sky(cr, art::C(120, 90, 80), art::C(80, 60, 55));
        Blob(
            cr, [](cairo_t* c) { art::Ellipse(c, 160, 250, 90, 70); }, pal::Navy);
        Blob(
            cr, [](cairo_t* c) { art::Ellipse(c, 160, 120, 48, 58); }, pal::Skin);
        Blob(
            cr,
            [](cairo_t* c) {
                art::Smooth(c,
                            {{110, 110}, {120, 56}, {200, 56}, {210, 110}, {190, 80}, {130, 80}});
            },
            art::C(90, 60, 40));
        for (double x : {142.0, 178.0}) {
            cairo_new_path(cr);
            art::Circle(cr, {x, 118}, 5);
            Fill(cr, pal::Ink);
        }
        art::Line(cr, {{146, 148}, {160, 156}, {174, 148}}, art::C(170, 60, 60), 3);
        break;
    case 3: // still life
        Sky(cr, art::C(235, 220, 190), art::C(210, 190, 160));
        Blob(
            cr, [](cairo_t* c) { cairo_rectangle(c, 0, 170, 320, 90); }, art::C(170, 110, 70));
        Blob(
            cr,
            [](cairo_t* c) {
                art::Smooth(c, {{120, 170}, {110, 110}, {140, 70}, {150, 110}, {148, 170}});
            },
            art::C(90, 160, 120));
        Blob(
            cr,
            [](cairo_t* c) {
                art::Circle(c, {190, 160}, 20);
            },
            pal::Red);
        Blob(
            cr,
            [](cairo_t* c) {
                art::Circle(c, {226, 164}, 16);
            },
            pal::Orange);
        Blob(
            cr, [](cairo_t* c) { art::Ellipse(c, 80, 166, 26, 14); }, pal::Yellow);
        break;
    case 4: // flowers
        Sky(cr, art::C(250, 240, 200), art::C(250, 225, 200));
        for (int i = 0; i < 5; ++i) {
            Pt h = {70.0 + i * 45, 90.0 + (i % 2) * 40};
            art::Line(cr, {h, {160, 220}}, pal::DarkGreen, 4);
            const Rgb cols[5] = {pal::Red, pal::Pink, pal::Yellow, pal::Purple, pal::Orange};
            Blob(
                cr,
                [h](cairo_t* c) {
                    for (int k = 0; k < 6; ++k) {
                        double a = k * M_PI / 3;
                        art::Circle(c, h + Pt{std::cos(a) * 14, std::sin(a) * 14}, 10);
                    }
                },
                cols[i]);
            cairo_new_path(cr);
            art::Circle(cr, h, 8);
            Fill(cr, pal::Yellow);
        }
        Blob(
            cr,
            [](cairo_t* c) {
                art::Polygon(c, {{130, 200}, {190, 200}, {180, 240}, {140, 240}});
            },
            pal::Blue);
        break;
    case 5: // abstract
        Sky(cr, art::C(250, 250, 245), art::C(240, 240, 235));
        Blob(
            cr, [](cairo_t* c) { cairo_rectangle(c, 30, 30, 120, 100); }, pal::Red);
        Blob(
            cr, [](cairo_t* c) { cairo_rectangle(c, 170, 40, 100, 60); }, pal::Yellow);
        Blob(
            cr, [](cairo_t* c) { cairo_rectangle(c, 60, 150, 200, 60); }, pal::Blue);
        Blob(
            cr,
            [](cairo_t* c) {
                art::Circle(c, {230, 160}, 34);
            },
            pal::Green);
        break;
    case 6: // animal: a cat
        Sky(cr, art::C(200, 230, 200), art::C(170, 210, 170));
        Blob(
            cr,
            [](cairo_t* c) {
                art::Ellipse(c, 170, 180, 80, 46);
                art::Circle(c, {110, 130}, 38);
                art::Polygon(c, {{80, 110}, {86, 70}, {108, 96}});
                art::Polygon(c, {{112, 94}, {134, 70}, {140, 110}});
                art::Limb(c, {244, 180}, {276, 120}, 9, 7);
            },
            pal::Orange);
        for (double x : {98.0, 124.0}) {
            cairo_new_path(cr);
            art::Ellipse(cr, x, 126, 4, 7);
            Fill(cr, pal::Ink);
        }
        art::Line(cr, {{104, 146}, {111, 150}, {118, 146}}, pal::Ink, 2.5);
        break;
    case 7: // house
        Sky(cr, art::C(140, 200, 250), art::C(220, 240, 255));
        Blob(
            cr, [](cairo_t* c) { cairo_rectangle(c, 0, 190, 320, 70); }, pal::Green);
        Blob(
            cr, [](cairo_t* c) { cairo_rectangle(c, 100, 110, 120, 90); }, pal::Cream);
        Blob(
            cr,
            [](cairo_t* c) {
                art::Polygon(c, {{86, 114}, {160, 52}, {234, 114}});
            },
            pal::Red);
        Blob(
            cr, [](cairo_t* c) { cairo_rectangle(c, 146, 150, 28, 50); }, pal::Brown);
        Blob(
            cr, [](cairo_t* c) { cairo_rectangle(c, 112, 126, 24, 22); }, pal::SkyBlue);
        Blob(
            cr, [](cairo_t* c) { cairo_rectangle(c, 184, 126, 24, 22); }, pal::SkyBlue);
        break;
    case 8: // mountains
        Sky(cr, art::C(170, 210, 250), art::C(235, 245, 255));
        Blob(
            cr,
            [](cairo_t* c) {
                art::Polygon(c, {{-10, 240}, {100, 70}, {210, 240}});
            },
            art::C(120, 130, 160));
        Blob(
            cr,
            [](cairo_t* c) {
                art::Polygon(c, {{110, 240}, {220, 50}, {330, 240}});
            },
            art::C(100, 110, 140));
        Blob(
            cr,
            [](cairo_t* c) {
                art::Polygon(c, {{220, 50}, {246, 96}, {230, 90}, {218, 100}, {196, 92}});
            },
            pal::White);
        Blob(
            cr, [](cairo_t* c) { cairo_rectangle(c, 0, 210, 320, 50); }, pal::Green);
        break;
    default: // night sky
        Sky(cr, art::C(20, 30, 80), art::C(60, 60, 130));
        Blob(
            cr,
            [](cairo_t* c) {
                art::Circle(c, {230, 80}, 30);
            },
            pal::Cream);
        cairo_new_path(cr);
        art::Circle(cr, {246, 70}, 28);
        art::SetColour(cr, art::C(30, 38, 90));
        cairo_fill(cr);
        for (int i = 0; i < 12; ++i) {
            cairo_new_path(cr);
            art::Circle(cr, {40.0 + (i * 97) % 240, 40.0 + (i * 53) % 150}, 2.5 + (i % 3));
            Fill(cr, pal::Yellow);
        }
        Blob(
            cr, [](cairo_t* c) { art::Ellipse(c, 160, 260, 200, 50); }, art::C(30, 60, 50));
        break;
    }
}

void Painting(cairo_t* cr, int n) {
    cairo_save(cr);
    cairo_rectangle(cr, 22, 22, 276, 208);
    cairo_clip(cr);
    PaintingScene(cr, n);
    cairo_restore(cr);
    // A gilded frame with an inner bevel.
    Rgb gold = art::C(214, 168, 70);
    cairo_new_path(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    art::RoundRect(cr, 2, 2, 316, 248, 6);
    cairo_rectangle(cr, 22, 22, 276, 208);
    art::SetColour(cr, gold);
    cairo_fill_preserve(cr);
    art::SetColour(cr, pal::Ink);
    cairo_set_line_width(cr, art::kLine);
    cairo_stroke(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_new_path(cr);
    cairo_rectangle(cr, 12, 12, 296, 228);
    art::SetColour(cr, art::Lighter(gold, 0.4));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
}

// ---- table and floor strip -----------------------------------------------------------------

void ObjectTable(cairo_t* cr) {
    Rgb wood = art::C(190, 120, 75);
    for (double x : {20.0, 218.0})
        Box(cr, x, 30, 16, 164, art::Darker(wood, 0.85), 4, art::kLine, 0.15);
    Box(cr, 12, 24, 230, 30, art::Darker(wood, 0.95), 3, art::kLine, 0.1);
    // The top surface is at y = 12.
    Box(cr, 3, 12, 248, 16, art::Lighter(wood, 0.15), 5, art::kLine, 0.1);
    cairo_new_path(cr);
    cairo_rectangle(cr, 20, 190, 16, 4);
    cairo_rectangle(cr, 218, 190, 16, 4);
    Fill(cr, pal::Ink);
}

void FloorStrip(cairo_t* cr) {
    // A long rug in perspective with a patterned border and fringes.
    Rgb rug = art::C(196, 80, 70);
    auto shape = [](cairo_t* c) { art::Polygon(c, {{40, 8}, {1060, 8}, {1090, 74}, {10, 74}}); };
    art::Solid(cr, shape, rug, art::kLine, 0.03);
    auto inner = [](cairo_t* c) { art::Polygon(c, {{62, 18}, {1038, 18}, {1060, 64}, {40, 64}}); };
    art::Solid(cr, inner, art::C(240, 200, 120), 2.5, 0);
    auto centre = [](cairo_t* c) { art::Polygon(c, {{80, 26}, {1020, 26}, {1036, 56}, {64, 56}}); };
    art::Solid(cr, centre, art::C(70, 110, 160), 2.5, 0);
    for (int i = 0; i < 13; ++i) {
        double x = 120 + i * 72.0;
        art::Solid(
            cr,
            [x](cairo_t* c) {
                art::Polygon(c, {{x, 30}, {x + 18, 41}, {x, 52}, {x - 18, 41}});
            },
            art::C(240, 200, 120), 2, 0);
    }
    for (int i = 0; i < 10; ++i) {
        art::Line(cr, {{12.0 - i * 0.4, 18.0 + i * 6}, {2, 20.0 + i * 6}}, art::Grey(240), 2,
                  false);
        art::Line(cr, {{1088.0 + i * 0.4, 18.0 + i * 6}, {1098, 20.0 + i * 6}}, art::Grey(240), 2,
                  false);
    }
}

void CheckFloorPiece(Checker& c, const cat::FurnitureGeo& g) {
    c.InkInRect(0, g.h - 1, g.w, 1, "feet on the bottom row");
}

} // namespace

// ---- the list ------------------------------------------------------------------------------

namespace cat {

void AddFurniture(PictureList& list) {
    void (*draw[8])(cairo_t*) = {Commode,       Door, Wardrobe, CoatStand,
                                 PedestalTable, Lamp, Window,   WallClock};
    for (int i = 0; i < 8; ++i) {
        const FurnitureGeo& g = kFurniture[i];
        Picture p = Single(g.file, g.w, g.h, draw[i]);
        p.check = [&g](Checker& c) {
            CheckFloorPiece(c, g);
            if (g.d == 0)
                c.Opaque({g.w / 2.0, g.h - 1.0}, "door bottom on the floor line");
        };
        list.push_back(p);
    }
    for (int n = 0; n < kPaintings; ++n) {
        Picture p = Single("meuble_tableau" + std::to_string(n + 1) + ".png", kPaintingW,
                           kPaintingH, [n](cairo_t* cr) { Painting(cr, n); });
        p.check = [](Checker& c) {
            c.Opaque({4, kPaintingH - 4.0}, "frame corner");
            c.Opaque({kPaintingW / 2.0, kPaintingH / 2.0}, "canvas");
        };
        list.push_back(p);
    }
    Picture table = Single("meuble_tableobjet.png", 254, 194, ObjectTable);
    table.check = [](Checker& c) {
        c.Opaque({127, 13}, "table top at y 12");
        c.Clear({127, 8}, "nothing above the table top");
        c.InkInRect(0, 193, 254, 1, "legs on the bottom row");
    };
    list.push_back(table);
    Picture sol = Single("sol.png", 1100, 80, FloorStrip);
    sol.check = [](Checker& c) { c.Opaque({550, 40}, "floor strip"); };
    list.push_back(sol);
}

} // namespace cat
