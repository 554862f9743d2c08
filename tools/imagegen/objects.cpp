// Held objects (one-hand and two-hand), the end screen's letter signs, the guitars and the
// cook's food and steam. All drawn in their final colours.
//
// Index: one-hand objects · two-hand objects · signs · guitars and cooking · the list.
#include "catalogue.h"

#include <cmath>

namespace {

using art::Pt;
using art::Rgb;
using cat::Checker;
namespace pal = art::pal;

void Fill(cairo_t* cr, Rgb c, double alpha = 1) {
    art::SetColour(cr, c, alpha);
    cairo_fill(cr);
}

// ---- one-hand objects ----------------------------------------------------------------------

void Apple(cairo_t* cr) {
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Smooth(c, {{31, 16},
                            {46, 11},
                            {58, 26},
                            {54, 50},
                            {40, 60},
                            {31, 57},
                            {22, 60},
                            {8, 50},
                            {4, 28},
                            {16, 11}});
        },
        pal::Red, art::kLine, 0.12);
    art::Gloss(cr, 18, 26, 5, 8, 0.6);
    art::Line(cr, {{31, 17}, {32, 9}, {35, 3}}, pal::DarkWood, 3.5);
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Smooth(c, {{35, 8}, {46, 2}, {56, 6}, {46, 12}}, 0.8);
        },
        pal::Green, 2, 0);
}

void Hammer(cairo_t* cr) {
    art::Solid(
        cr, [](cairo_t* c) { art::RoundRect(c, 4, 24, 82, 12, 6); }, pal::LightWood, art::kLine,
        0.15);
    art::Line(cr, {{14, 30}, {30, 29}}, pal::Brown, 2);
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Polygon(c, {{78, 8}, {100, 8}, {104, 16}, {104, 44}, {100, 52}, {78, 52}});
        },
        art::C(150, 155, 170), art::kLine, 0.15);
    art::Gloss(cr, 86, 20, 3, 10, 0.5);
}

void Rose(cairo_t* cr) {
    art::Line(cr, {{4, 21}, {40, 22}, {84, 22}}, pal::Ink, 9);
    art::Line(cr, {{4, 21}, {40, 22}, {84, 22}}, pal::DarkGreen, 4);
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Smooth(c, {{36, 22}, {48, 8}, {62, 10}, {50, 20}}, 0.8);
            art::Smooth(c, {{54, 23}, {62, 36}, {74, 36}, {66, 25}}, 0.8);
        },
        pal::Green, 2, 0);
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Smooth(c, {{82, 22}, {88, 6}, {104, 4}, {113, 14}, {112, 32}, {100, 42}, {88, 38}},
                        0.9);
        },
        art::C(225, 45, 70), art::kLine, 0.12);
    art::Line(cr, {{96, 14}, {104, 18}, {100, 28}, {92, 24}, {96, 18}}, art::C(150, 20, 50), 2.5);
}

void Banana(cairo_t* cr) {
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Smooth(c,
                        {{8, 40},
                         {20, 16},
                         {46, 5},
                         {72, 12},
                         {88, 34},
                         {82, 36},
                         {66, 24},
                         {46, 19},
                         {26, 26},
                         {14, 42}},
                        0.9);
        },
        pal::Yellow, art::kLine, 0.12);
    art::Line(cr, {{20, 28}, {46, 14}, {74, 22}}, art::C(220, 170, 60), 2.5);
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Circle(c, {9, 41}, 3.5);
        },
        pal::DarkWood, 1.5, 0);
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Circle(c, {86, 35}, 3.5);
        },
        pal::DarkWood, 1.5, 0);
}

void Ball(cairo_t* cr) {
    const Pt c = {23, 22};
    art::Solid(
        cr, [&](cairo_t* cc) { art::Circle(cc, c, 19); }, pal::Blue, art::kLine, 0);
    // Bright segments.
    const Rgb cols[3] = {pal::Red, pal::Yellow, pal::Green};
    for (int i = 0; i < 3; ++i) {
        cairo_save(cr);
        cairo_new_path(cr);
        art::Circle(cr, c, 19);
        cairo_clip(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, c.x, c.y);
        cairo_arc(cr, c.x, c.y, 22, i * 2 * M_PI / 3, i * 2 * M_PI / 3 + M_PI / 3);
        cairo_close_path(cr);
        Fill(cr, cols[i]);
        cairo_restore(cr);
    }
    art::Shade(
        cr, [&](cairo_t* cc) { art::Circle(cc, c, 19); }, pal::Ink, 5, 5, 0.2);
    art::Gloss(cr, 16, 14, 5, 4, 0.7);
}

void Pan(cairo_t* cr) {
    art::Solid(
        cr, [](cairo_t* c) { art::RoundRect(c, 2, 5, 74, 9, 4.5); }, art::C(60, 45, 40), art::kLine,
        0);
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Smooth(c, {{70, 7}, {198, 7}, {190, 24}, {176, 27}, {92, 27}, {78, 24}}, 0.6);
        },
        art::C(70, 72, 82), art::kLine, 0.15);
    art::Line(cr, {{76, 9}, {192, 9}}, art::C(150, 150, 160), 2, false);
}

// ---- two-hand objects ----------------------------------------------------------------------

void Crate(cairo_t* cr) {
    Rgb wood = art::C(214, 160, 92);
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Polygon(c, {{8, 40}, {40, 8}, {226, 8}, {194, 40}});
        },
        art::Lighter(wood, 0.2), art::kLine, 0);
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Polygon(c, {{194, 40}, {226, 8}, {226, 170}, {194, 202}});
        },
        art::Darker(wood, 0.85), art::kLine, 0);
    art::Solid(
        cr, [](cairo_t* c) { cairo_rectangle(c, 8, 40, 186, 162); }, wood, art::kLine, 0);
    for (int i = 1; i < 4; ++i)
        art::Line(cr, {{10, 40 + i * 40.5}, {192, 40 + i * 40.5}}, art::Darker(wood, 0.7), 2.5,
                  false);
    // Diagonal braces and corner nails.
    art::Line(cr, {{16, 194}, {186, 48}}, art::Darker(wood, 0.75), 9, false);
    art::Line(cr, {{16, 194}, {186, 48}}, art::Lighter(wood, 0.15), 5, false);
    for (Pt p : {Pt{18, 50}, Pt{184, 50}, Pt{18, 192}, Pt{184, 192}}) {
        cairo_new_path(cr);
        art::Circle(cr, p, 3);
        Fill(cr, art::C(90, 80, 80));
    }
}

void Gift(cairo_t* cr) {
    Rgb box = art::C(90, 170, 230);
    Rgb ribbon = art::C(240, 80, 110);
    art::Solid(
        cr, [](cairo_t* c) { cairo_rectangle(c, 12, 78, 172, 130); }, box, art::kLine, 0.08);
    art::Solid(
        cr, [](cairo_t* c) { art::RoundRect(c, 4, 56, 188, 28, 4); }, art::Lighter(box, 0.15),
        art::kLine, 0.1);
    art::Solid(
        cr, [](cairo_t* c) { cairo_rectangle(c, 86, 56, 24, 152); }, ribbon, 2.5, 0);
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Smooth(c, {{98, 54}, {60, 12}, {44, 30}, {70, 54}}, 0.9);
            art::Smooth(c, {{98, 54}, {136, 12}, {152, 30}, {126, 54}}, 0.9);
            art::Circle(c, {98, 50}, 10);
        },
        ribbon, art::kLine, 0.12);
    for (int i = 0; i < 5; ++i) {
        cairo_new_path(cr);
        art::Circle(cr, {34.0 + (i % 3) * 22, 110.0 + i * 18}, 5);
        Fill(cr, pal::Yellow);
    }
}

void Cake(cairo_t* cr) {
    Rgb sponge = art::C(250, 220, 180);
    Rgb icing = art::C(250, 160, 190);
    art::Solid(
        cr, [](cairo_t* c) { art::Ellipse(c, 121, 230, 114, 10); }, art::Grey(235), art::kLine, 0);
    struct Tier {
        double x, y, w, h;
    };
    const Tier tiers[3] = {{16, 150, 210, 76}, {46, 92, 150, 62}, {76, 44, 90, 52}};
    for (const auto& t : tiers) {
        art::Solid(
            cr, [&](cairo_t* c) { art::RoundRect(c, t.x, t.y, t.w, t.h, 8); }, sponge, art::kLine,
            0.08);
        // Icing dripping over the top edge.
        art::Solid(
            cr,
            [&](cairo_t* c) {
                std::vector<Pt> pts = {
                    {t.x - 2, t.y + 4}, {t.x + t.w / 2, t.y - 4}, {t.x + t.w + 2, t.y + 4}};
                for (int i = 5; i >= 0; --i) {
                    double x = t.x + t.w * (i + 0.5) / 6;
                    pts.push_back({x + t.w / 24, t.y + 14});
                    pts.push_back({x, t.y + 22});
                    pts.push_back({x - t.w / 24, t.y + 14});
                }
                art::Smooth(c, pts, 0.7);
            },
            icing, art::kLine, 0);
        for (int i = 0; i < 4; ++i) {
            cairo_new_path(cr);
            art::Circle(cr, {t.x + t.w * (0.15 + 0.23 * i), t.y + t.h * 0.62}, 4);
            Fill(cr, i % 2 ? pal::Red : pal::Blue);
        }
    }
    for (int i = 0; i < 4; ++i) {
        double x = 88 + i * 22;
        art::Solid(
            cr, [x](cairo_t* c) { cairo_rectangle(c, x, 20, 7, 26); },
            i % 2 ? pal::SkyBlue : pal::Yellow, 2, 0);
        art::Solid(
            cr,
            [x](cairo_t* c) {
                art::Smooth(c, {{x + 3.5, 4}, {x + 8, 12}, {x + 3.5, 18}, {x - 1, 12}}, 0.8);
            },
            pal::Orange, 1.5, 0);
    }
}

void EiffelTower(cairo_t* cr) {
    Rgb iron = art::C(160, 112, 70);
    auto legs = [](cairo_t* c) {
        art::Polygon(c, {{18, 378}, {60, 378}, {104, 150}, {96, 130}});
        art::Polygon(c, {{219, 378}, {177, 378}, {133, 150}, {141, 130}});
        art::Polygon(c, {{96, 140}, {141, 140}, {126, 30}, {111, 30}});
        art::Polygon(c, {{113, 34}, {124, 34}, {118.5, 2}});
    };
    art::Solid(cr, legs, iron, art::kLine, 0.1);
    // The arch between the feet and the platforms.
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Polygon(c, {{40, 262}, {197, 262}, {192, 282}, {44, 282}});
        },
        art::Darker(iron, 0.85), art::kLine, 0);
    art::Line(cr, {{58, 378}, {80, 320}, {118, 296}, {156, 320}, {178, 378}}, pal::Ink, 4);
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Polygon(c, {{88, 146}, {149, 146}, {146, 160}, {91, 160}});
        },
        art::Darker(iron, 0.85), art::kLine, 0);
    for (int i = 0; i < 6; ++i) {
        double y = 180 + i * 14.0;
        art::Line(cr, {{100 - i * 6.0, y}, {137 + i * 6.0, y + 12}}, art::Darker(iron, 0.7), 2,
                  false);
        art::Line(cr, {{137 + i * 6.0, y}, {100 - i * 6.0, y + 12}}, art::Darker(iron, 0.7), 2,
                  false);
    }
}

void ToyElephant(cairo_t* cr) {
    Rgb plush = art::C(150, 200, 240);
    // A wooden base on wheels: clearly a toy.
    art::Solid(
        cr, [](cairo_t* c) { art::RoundRect(c, 14, 150, 224, 20, 6); }, pal::LightWood, art::kLine,
        0.15);
    for (double x : {44.0, 208.0})
        art::Solid(
            cr,
            [x](cairo_t* c) {
                art::Circle(c, {x, 174}, 15);
            },
            pal::Red, art::kLine, 0);
    for (double x : {44.0, 208.0}) {
        cairo_new_path(cr);
        art::Circle(cr, {x, 174}, 5);
        Fill(cr, pal::Yellow);
    }
    auto body = [](cairo_t* c) {
        art::Smooth(c,
                    {{20, 110}, {40, 56}, {110, 44}, {160, 60}, {170, 120}, {150, 148}, {40, 148}});
        for (double x : {40.0, 80.0, 120.0, 150.0})
            art::RoundRect(c, x - 12, 110, 24, 42, 8);
        art::Circle(c, {180, 70}, 42);
        art::Smooth(c, {{200, 90}, {228, 100}, {242, 130}, {232, 140}, {214, 112}, {196, 106}},
                    0.8);
    };
    art::Solid(cr, body, plush, art::kLine, 0.1);
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Smooth(c, {{160, 40}, {130, 36}, {120, 80}, {146, 104}, {168, 90}}, 0.9);
        },
        art::C(245, 170, 200), art::kLine, 0.1);
    // Button eye and stitched patch.
    cairo_new_path(cr);
    art::Circle(cr, {196, 62}, 6);
    Fill(cr, pal::Charcoal);
    art::Gloss(cr, 198, 60, 2, 2, 0.9);
    art::Solid(
        cr, [](cairo_t* c) { art::RoundRect(c, 56, 70, 36, 30, 6); }, pal::Yellow, 2, 0);
    cairo_save(cr);
    double dash[] = {4, 4};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_new_path(cr);
    art::RoundRect(cr, 60, 74, 28, 22, 4);
    art::SetColour(cr, pal::Ink);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void Statue(cairo_t* cr) {
    Rgb stone = art::C(205, 205, 198);
    art::Solid(
        cr, [](cairo_t* c) { cairo_rectangle(c, 14, 184, 156, 64); }, stone, art::kLine, 0.1);
    art::Solid(
        cr, [](cairo_t* c) { cairo_rectangle(c, 6, 170, 172, 18); }, art::Lighter(stone, 0.3),
        art::kLine, 0);
    art::Solid(
        cr, [](cairo_t* c) { cairo_rectangle(c, 6, 240, 172, 10); }, art::Lighter(stone, 0.3),
        art::kLine, 0);
    // A thinker-like figure standing with a raised arm.
    auto figure = [](cairo_t* c) {
        art::Circle(c, {96, 34}, 20);
        art::Smooth(c, {{70, 60}, {122, 60}, {128, 110}, {118, 168}, {74, 168}, {64, 110}}, 0.9);
        art::Limb(c, {118, 70}, {146, 30}, 9, 7);
        art::Limb(c, {72, 70}, {58, 120}, 9, 7);
    };
    art::Solid(cr, figure, stone, art::kLine, 0.1);
    art::Line(cr, {{96, 110}, {96, 166}}, art::Darker(stone, 0.7), 2.5);
    art::Solid(
        cr, [](cairo_t* c) { art::RoundRect(c, 60, 204, 64, 20, 3); }, pal::Gold, 2, 0);
}

// ---- signs ---------------------------------------------------------------------------------

const Rgb kSignInk[4] = {art::C(30, 50, 110), art::C(140, 30, 40), art::C(30, 100, 50),
                         art::C(90, 40, 120)};

void Sign(cairo_t* cr, const std::string& glyph, int index) {
    art::Solid(
        cr, [](cairo_t* c) { art::RoundRect(c, 30, 60, 9, 41, 3); }, pal::LightWood, art::kLine, 0);
    art::Solid(
        cr, [](cairo_t* c) { art::RoundRect(c, 4, 4, 108, 66, 9); }, pal::Cream, art::kLine, 0.05);
    if (!glyph.empty()) {
        art::TextStyle st;
        st.family = "Andika";
        st.size = glyph == "'" ? 70 : 54;
        st.fill = kSignInk[index % 4];
        TextCentred(cr, glyph, 58, glyph == "'" ? 30 : 37, st);
    }
}

// ---- guitars and cooking -------------------------------------------------------------------

void Guitar(cairo_t* cr, bool electric) {
    Rgb body = electric ? art::C(220, 50, 50) : art::C(222, 140, 60);
    Rgb neck = pal::DarkWood;
    double hy = 110 - (electric ? 42 : 40);
    // Neck and head pointing right.
    art::Solid(
        cr, [hy](cairo_t* c) { art::RoundRect(c, 96, hy - 7, 130, 14, 4); }, neck, art::kLine, 0);
    art::Solid(
        cr,
        [hy](cairo_t* c) {
            art::Polygon(c, {{222, hy - 11}, {250, hy - 16}, {250, hy + 14}, {222, hy + 10}});
        },
        art::Darker(neck, 0.8), art::kLine, 0);
    for (int i = 0; i < 3; ++i) {
        cairo_new_path(cr);
        art::Circle(cr, {230.0 + i * 7, hy - 14.0}, 3);
        art::Circle(cr, {230.0 + i * 7, hy + 13.0}, 3);
        Fill(cr, art::Grey(220));
    }
    for (int i = 0; i < 6; ++i)
        art::Line(cr, {{112.0 + i * 19, hy - 7}, {112.0 + i * 19, hy + 7}}, art::Grey(200), 1.5,
                  false);
    if (electric) {
        art::Solid(
            cr,
            [](cairo_t* c) {
                art::Smooth(c, {{8, 100},
                                {20, 50},
                                {60, 58},
                                {86, 36},
                                {110, 52},
                                {96, 80},
                                {112, 112},
                                {96, 150},
                                {40, 152},
                                {10, 136}});
            },
            body, art::kLine, 0.1);
        art::Solid(
            cr,
            [](cairo_t* c) {
                art::Smooth(c, {{30, 96}, {50, 74}, {80, 80}, {84, 120}, {46, 130}}, 0.9);
            },
            pal::White, 2, 0);
        for (double x : {60.0, 80.0})
            art::Solid(
                cr, [x, hy](cairo_t* c) { art::RoundRect(c, x, hy - 8, 10, 16, 2); }, pal::Charcoal,
                1.5, 0);
        for (int i = 0; i < 2; ++i) {
            cairo_new_path(cr);
            art::Circle(cr, {36.0 + i * 16, 128}, 5);
            Fill(cr, art::Grey(230));
        }
    } else {
        art::Solid(
            cr,
            [](cairo_t* c) {
                art::Smooth(c, {{6, 80},
                                {24, 30},
                                {70, 34},
                                {84, 56},
                                {104, 40},
                                {120, 70},
                                {118, 120},
                                {84, 150},
                                {40, 154},
                                {10, 128}});
            },
            body, art::kLine, 0.1);
        cairo_new_path(cr);
        art::Circle(cr, {88, hy + 6}, 16);
        Fill(cr, art::C(70, 40, 25));
        art::Solid(
            cr, [](cairo_t* c) { art::RoundRect(c, 30, 96, 12, 34, 3); }, neck, 2, 0);
    }
    // Strings along the neck.
    for (int i = 0; i < 3; ++i)
        art::Line(cr, {{36, hy - 4 + i * 4.0}, {222, hy - 4 + i * 4.0}}, art::Grey(235), 1, false);
}

void Food(cairo_t* cr) {
    art::Solid(
        cr,
        [](cairo_t* c) {
            art::Smooth(c, {{4, 12}, {14, 4}, {46, 4}, {56, 12}, {48, 20}, {12, 20}}, 0.8);
        },
        art::C(238, 190, 100), art::kLine, 0.2);
    for (Pt p : {Pt{18, 10}, Pt{32, 14}, Pt{42, 9}}) {
        cairo_new_path(cr);
        art::Ellipse(cr, p.x, p.y, 4, 2);
        Fill(cr, art::C(190, 120, 50));
    }
}

void Smoke(cairo_t* cr, int frame) {
    // From a small dense puff to faint wisps.
    const double alpha[4] = {0.75, 0.6, 0.42, 0.22};
    const double size[4] = {34, 58, 82, 96};
    const double spread[4] = {14, 26, 40, 56};
    Pt c = {111, 109};
    // One soft cloud: a rim of light grey round a paler middle, so it reads on light walls too.
    auto cloud = [&](cairo_t* cc) {
        for (int i = 0; i < 7; ++i) {
            double a = i * 2 * M_PI / 7 + frame;
            double r = size[frame] * (0.45 + 0.12 * ((i * 3) % 4));
            art::Circle(cc, c + Pt{std::cos(a) * spread[frame], std::sin(a) * spread[frame] * 0.8},
                        std::min(r, 100.0 - spread[frame]));
        }
    };
    cairo_push_group(cr);
    art::Outlined(cr, cloud, art::Grey(238), art::Grey(175), 3);
    art::Shade(cr, cloud, art::Grey(205), 8, 8);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha[frame]);
}

} // namespace

// ---- the list ------------------------------------------------------------------------------

namespace cat {

void AddObjects(PictureList& list) {
    void (*draw[12])(cairo_t*) = {Apple, Hammer, Rose, Banana,      Ball,        Pan,
                                  Crate, Gift,   Cake, EiffelTower, ToyElephant, Statue};
    for (int i = 0; i < 12; ++i) {
        const ObjectGeo& g = kObjects[i];
        Picture p = Single(g.file, g.w, g.h, draw[i]);
        p.check = [&g](Checker& c) { c.Opaque(g.grip, "grip"); };
        list.push_back(p);
    }
    auto letters = SignLetters();
    for (size_t i = 0; i < letters.size(); ++i) {
        std::string glyph = letters[i].glyph;
        int index = static_cast<int>(i);
        Picture p = Single("pancarte_" + letters[i].code + ".png", kSignW, kSignH,
                           [glyph, index](cairo_t* cr) { Sign(cr, glyph, index); });
        p.check = [glyph](Checker& c) {
            c.Opaque(kSignGrip, "grip on the stick");
            // The letter is dark on the light board.
            bool dark = false;
            for (int y = 10; y < 64 && !dark; ++y)
                for (int x = 20; x < 96 && !dark; ++x)
                    dark = c.Px().Channel(x, y, 1) < 120;
            c.Expect(dark == !glyph.empty(),
                     glyph.empty() ? "the blank board shows a letter" : "no letter on the board");
        };
        list.push_back(p);
    }
    Picture g1 = Single("guitare.png", 254, 159, [](cairo_t* cr) { Guitar(cr, false); });
    g1.check = [](Checker& c) { c.Opaque({54, 110}, "handle on the body"); };
    list.push_back(g1);
    Picture g2 = Single("guitare2.png", 254, 155, [](cairo_t* cr) { Guitar(cr, true); });
    g2.check = [](Checker& c) { c.Opaque({75, 110}, "handle on the body"); };
    list.push_back(g2);
    Picture food = Single("nourriture.png", 60, 24, Food);
    food.check = [](Checker& c) { c.Opaque({30, 6}, "food under its handle"); };
    list.push_back(food);
    Picture smoke = Frames("fumee.png", 4, 4, 222, 218, Layout::Row, Smoke);
    smoke.check = [](Checker& c) {
        c.Opaque({111, 109}, "frame 0 dense at its centre", 150);
        c.Expect(c.Px().Alpha(3 * 222 + 111, 109) < c.Px().Alpha(111, 109),
                 "the last frame fades out");
    };
    list.push_back(smoke);
}

} // namespace cat
