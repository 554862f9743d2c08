// Animals: dog, crocodile, elephant (body, head, legs, tail tinted; the face as is) and the
// swimming fish (six frames of body and face).
//
// Index: dog · crocodile · elephant · fish · checks · the list.
#include "catalogue.h"

#include <cmath>

namespace {

using art::Pt;
using art::Rgb;
using cat::Checker;
namespace pal = art::pal;

const Rgb kEye = art::C(40, 30, 30);

void Dot(cairo_t* cr, Pt p, double r, Rgb c, double alpha = 1) {
    cairo_new_path(cr);
    art::Circle(cr, p, r);
    art::SetColour(cr, c, alpha);
    cairo_fill(cr);
}

void FaceEye(cairo_t* cr, Pt p, double r) {
    auto white = [&](cairo_t* c) { art::Ellipse(c, p.x, p.y, r * 0.85, r); };
    art::Outlined(cr, white, pal::White, kEye, 2.2);
    Dot(cr, p + Pt{r * 0.25, r * 0.1}, r * 0.55, kEye);
    Dot(cr, p + Pt{r * 0.4, -r * 0.15}, r * 0.18, pal::White);
}

// A red collar with a gold tag around a neck point (the lead is tied there).
void Collar(cairo_t* cr, Pt c, double rx, double ry) {
    auto band = [&](cairo_t* cc) {
        art::Limb(cc, c + Pt{-rx * 0.25, -ry}, c + Pt{rx * 0.25, ry}, 3.5, 3.5);
    };
    art::Solid(cr, band, pal::Red, 2.2, 0.1);
    auto tag = [&](cairo_t* cc) { art::Circle(cc, c + Pt{rx * 0.3, ry + 4}, 4.5); };
    art::Solid(cr, tag, pal::Gold, 2, 0);
}

// ---- dog -----------------------------------------------------------------------------------

void DogBody(cairo_t* cr) {
    auto body = [](cairo_t* c) {
        art::Smooth(c, {{10, 22},
                        {40, 10},
                        {100, 9},
                        {148, 14},
                        {154, 32},
                        {140, 48},
                        {80, 49},
                        {20, 47},
                        {6, 36}});
    };
    art::Tinted(cr, body, art::kLine, 0.1);
    art::Line(cr, {{120, 40}, {132, 30}}, pal::TintShade, 2.5);
}
void DogHead(cairo_t* cr) {
    auto head = [](cairo_t* c) {
        art::Circle(c, {42, 24}, 20);
        art::Smooth(c, {{48, 10}, {84, 16}, {101, 26}, {98, 40}, {70, 44}, {46, 40}}, 0.8);
        art::Limb(c, {30, 30}, {24, 44}, 12, 11);
    };
    art::Tinted(cr, head, art::kLine, 0.1);
    auto ear = [](cairo_t* c) {
        art::Smooth(c, {{40, 8}, {54, 7}, {53, 28}, {45, 39}, {36, 28}}, 0.8);
    };
    art::Tinted(cr, ear, art::kLine, 0.15);
}
void DogFace(cairo_t* cr) {
    FaceEye(cr, {62, 21}, 6);
    auto nose = [](cairo_t* c) { art::Ellipse(c, 99, 27, 6.5, 5); };
    art::Solid(cr, nose, kEye, 1.5, 0);
    art::Gloss(cr, 98, 25, 2.5, 1.5, 0.7);
    art::Line(cr, {{98, 33}, {90, 39}, {80, 38}}, kEye, 2.5);
    auto tongue = [](cairo_t* c) { art::Ellipse(c, 86, 42, 5, 6); };
    art::Solid(cr, tongue, art::C(240, 110, 120), 2, 0);
    Collar(cr, {26, 34}, 13, 12);
}
void DogLeg(cairo_t* cr) {
    auto leg = [](cairo_t* c) {
        art::Limb(c, {10, 2}, {10, 30}, 7, 6.5);
        art::Ellipse(c, 13, 33, 9, 5.5);
    };
    art::Tinted(cr, leg, art::kLine, 0.1);
    cairo_new_path(cr);
    cairo_rectangle(cr, 4, 35, 16, 4);
    art::SetColour(cr, pal::TintInk);
    cairo_fill(cr);
}
void DogTail(cairo_t* cr) {
    auto tail = [](cairo_t* c) {
        art::Limb(c, {40, 36}, {24, 22}, 6, 5);
        art::Limb(c, {24, 22}, {10, 8}, 5, 4);
    };
    art::Tinted(cr, tail, art::kLine, 0.1);
}

// ---- crocodile -----------------------------------------------------------------------------

void CrocBody(cairo_t* cr) {
    auto body = [](cairo_t* c) {
        art::Smooth(c, {{6, 34},
                        {40, 16},
                        {120, 10},
                        {200, 14},
                        {230, 26},
                        {228, 46},
                        {190, 56},
                        {100, 58},
                        {30, 54}});
    };
    art::Tinted(cr, body, art::kLine, 0.12);
    // Scutes along the back.
    for (int i = 0; i < 9; ++i) {
        double x = 34 + i * 21.0;
        auto bump = [x](cairo_t* c) { art::Ellipse(c, x, 16 - std::sin(x / 70.0) * 2, 7, 5); };
        art::Tinted(cr, bump, 2.2, 0);
    }
    for (int i = 0; i < 6; ++i)
        art::Line(cr, {{40 + i * 30.0, 44}, {48 + i * 30.0, 52}}, pal::TintShade, 2.5);
}
void CrocHead(cairo_t* cr) {
    auto head = [](cairo_t* c) {
        art::Smooth(
            c, {{4, 30}, {18, 10}, {40, 12}, {100, 28}, {106, 36}, {100, 46}, {40, 52}, {8, 50}},
            0.8);
        art::Ellipse(c, 30, 13, 11, 9);
    };
    art::Tinted(cr, head, art::kLine, 0.12);
    art::Line(cr, {{30, 38}, {70, 37}, {104, 36}}, pal::TintInk, 2.5);
}
void CrocFace(cairo_t* cr) {
    auto eye = [](cairo_t* c) { art::Ellipse(c, 31, 12, 7, 6.5); };
    art::Outlined(cr, eye, art::C(230, 220, 90), kEye, 2);
    cairo_new_path(cr);
    art::Ellipse(cr, 33, 12, 1.8, 5);
    art::SetColour(cr, kEye);
    cairo_fill(cr);
    Dot(cr, {96, 27}, 2.2, kEye);
    // Teeth along the jaw line.
    for (int i = 0; i < 7; ++i) {
        double x = 44 + i * 8.5;
        auto tooth = [x](cairo_t* c) { art::Polygon(c, {{x, 37}, {x + 6, 37}, {x + 3, 43}}); };
        art::Outlined(cr, tooth, pal::White, art::Grey(110), 1.2);
    }
    art::Line(cr, {{24, 36}, {30, 40}}, kEye, 2.5);
}
void CrocLeg(cairo_t* cr) {
    auto leg = [](cairo_t* c) {
        art::Limb(c, {10, 6}, {8, 24}, 7, 6);
        art::Limb(c, {8, 24}, {12, 33}, 6, 5);
        art::Ellipse(c, 13, 34, 8, 4);
    };
    art::Tinted(cr, leg, art::kLine, 0.1);
    cairo_new_path(cr);
    cairo_rectangle(cr, 5, 35, 16, 3);
    art::SetColour(cr, pal::TintInk);
    cairo_fill(cr);
}
void CrocTail(cairo_t* cr) {
    auto tail = [](cairo_t* c) {
        art::Smooth(c, {{84, 30}, {86, 54}, {50, 52}, {4, 38}, {40, 30}}, 0.8);
    };
    art::Tinted(cr, tail, art::kLine, 0.12);
    for (int i = 0; i < 4; ++i) {
        double x = 30 + i * 14.0;
        auto bump = [x](cairo_t* c) { art::Ellipse(c, x, 32 + (4 - x / 20), 5, 4); };
        art::Tinted(cr, bump, 2, 0);
    }
}

// ---- elephant ------------------------------------------------------------------------------

void ElephantBody(cairo_t* cr) {
    auto body = [](cairo_t* c) {
        art::Smooth(c, {{20, 200},
                        {70, 90},
                        {200, 56},
                        {340, 62},
                        {440, 130},
                        {450, 260},
                        {400, 352},
                        {230, 364},
                        {60, 352},
                        {18, 290}});
    };
    art::Tinted(cr, body, art::kLine, 0.05);
    art::Line(cr, {{110, 250}, {140, 320}}, pal::TintShade, 4);
    art::Line(cr, {{330, 250}, {350, 330}}, pal::TintShade, 4);
}
void ElephantHead(cairo_t* cr) {
    auto head = [](cairo_t* c) {
        art::Smooth(c,
                    {{60, 90},
                     {120, 30},
                     {210, 26},
                     {270, 80},
                     {280, 160},
                     {250, 230},
                     {170, 240},
                     {90, 200}},
                    0.9);
        // The trunk curls down towards the floor.
        art::Smooth(c,
                    {{215, 200},
                     {270, 200},
                     {282, 300},
                     {300, 380},
                     {330, 400},
                     {340, 424},
                     {300, 426},
                     {258, 390},
                     {232, 300}},
                    0.9);
    };
    art::Tinted(cr, head, art::kLine, 0.06);
    for (int i = 0; i < 6; ++i)
        art::Line(cr, {{252 + i * 4.0, 260 + i * 26.0}, {280 + i * 5.0, 258 + i * 26.0}},
                  pal::TintShade, 3);
    // The big ear flap, over the back of the head.
    auto ear = [](cairo_t* c) {
        art::Smooth(
            c, {{120, 60}, {60, 40}, {10, 110}, {24, 210}, {90, 250}, {140, 200}, {150, 120}}, 0.9);
    };
    art::Tinted(cr, ear, art::kLine, 0.1);
}
void ElephantFace(cairo_t* cr) {
    FaceEye(cr, {205, 112}, 13);
    art::Line(cr, {{190, 88}, {205, 84}, {220, 88}}, kEye, 3);
    // The ear's inner fold.
    art::Line(cr, {{110, 80}, {60, 80}, {40, 140}, {70, 210}, {120, 200}}, art::Grey(120), 3);
    auto tusk = [](cairo_t* c) {
        art::Smooth(c, {{226, 226}, {262, 250}, {300, 248}, {292, 258}, {252, 262}, {222, 240}},
                    0.8);
    };
    art::Outlined(cr, tusk, art::C(255, 252, 240), art::Grey(110), 3);
    art::Line(cr, {{196, 206}, {210, 216}, {224, 212}}, kEye, 3);
}
void ElephantLeg(cairo_t* cr) {
    auto leg = [](cairo_t* c) { art::RoundRect(c, 4, -20, 44, 99, 14); };
    art::Tinted(cr, leg, art::kLine, 0.1);
    for (int i = 0; i < 3; ++i) {
        auto nail = [i](cairo_t* c) { art::Ellipse(c, 16 + i * 11, 72, 4.5, 4); };
        art::Tinted(cr, nail, 2, 0);
    }
    cairo_new_path(cr);
    cairo_rectangle(cr, 6, 76, 40, 3);
    art::SetColour(cr, pal::TintInk);
    cairo_fill(cr);
}
void ElephantTail(cairo_t* cr) {
    art::Tinted(
        cr,
        [](cairo_t* c) {
            art::Limb(c, {156, 17}, {110, 100}, 9, 6);
            art::Limb(c, {110, 100}, {70, 180}, 6, 5);
        },
        art::kLine, 0.1);
    // The tuft.
    art::Tinted(
        cr,
        [](cairo_t* c) {
            art::Smooth(c, {{78, 170}, {70, 206}, {54, 210}, {58, 180}}, 0.8);
        },
        art::kLine, 0.1);
}

// ---- fish ----------------------------------------------------------------------------------

struct FishPose {
    double tail;  // tail fin swing, -1..1
    double fin;   // pectoral fin flap, 0..1
    double mouth; // 0 shut .. 1 open
};
FishPose PoseOf(int frame) {
    static const double tail[6] = {0, 0.8, 1, 0, -0.8, -1};
    static const double fin[6] = {0, 0.5, 1, 0.5, 0, 0.3};
    static const double mouth[6] = {0, 0.3, 1, 1, 0.3, 0};
    return {tail[frame], fin[frame], mouth[frame]};
}

void FishBody(cairo_t* cr, int frame) {
    FishPose p = PoseOf(frame);
    double ty = p.tail * 22;
    auto tail = [&](cairo_t* c) {
        art::Smooth(c,
                    {{54, 88},
                     {18, 52 + ty},
                     {8, 60 + ty},
                     {20, 92 + ty * 0.5},
                     {8, 124 + ty},
                     {18, 130 + ty}},
                    0.8);
    };
    art::Tinted(cr, tail, art::kLine, 0.1);
    auto dorsal = [&](cairo_t* c) {
        art::Smooth(c, {{80, 48}, {92, 24}, {130, 28}, {150, 48}}, 0.8);
    };
    art::Tinted(cr, dorsal, art::kLine, 0.1);
    auto body = [&](cairo_t* c) {
        art::Smooth(c,
                    {{40, 92}, {80, 45}, {150, 40}, {196, 76}, {198, 100}, {150, 135}, {80, 136}});
    };
    art::Tinted(cr, body, art::kLine, 0.08);
    // Scales.
    for (int row = 0; row < 3; ++row)
        for (int i = 0; i < 4 - row % 2; ++i) {
            double x = 80 + i * 20.0 + (row % 2) * 10, y = 70 + row * 20.0;
            cairo_new_path(cr);
            cairo_arc(cr, x, y, 8, M_PI * 0.25, M_PI * 0.75);
            cairo_set_line_width(cr, 2.5);
            art::SetColour(cr, pal::TintShade);
            cairo_stroke(cr);
        }
    auto pectoral = [&](cairo_t* c) {
        art::Smooth(c, {{140, 100}, {118, 112 + p.fin * 12}, {112, 124 + p.fin * 14}, {134, 114}},
                    0.8);
    };
    art::Tinted(cr, pectoral, art::kLine, 0.1);
    auto belly = [&](cairo_t* c) {
        art::Smooth(c, {{100, 134}, {118, 152}, {140, 150}, {140, 134}}, 0.8);
    };
    art::Tinted(cr, belly, art::kLine, 0.1);
}

void FishFace(cairo_t* cr, int frame) {
    FishPose p = PoseOf(frame);
    FaceEye(cr, {164, 70}, 11);
    // Gill line and mouth.
    art::Line(cr, {{132, 56}, {126, 86}, {134, 116}}, art::Grey(120), 3);
    if (p.mouth > 0.5) {
        auto mouth = [&](cairo_t* c) { art::Ellipse(c, 192, 96, 5, 4 + 4 * p.mouth); };
        art::Outlined(cr, mouth, art::C(150, 40, 50), kEye, 2);
    } else {
        art::Line(cr, {{182, 94}, {190, 98 + p.mouth * 3}, {197, 94}}, kEye, 3);
    }
    // The lead's bow on top of the fish.
    Pt k = cat::kFishLead;
    auto bow = [&](cairo_t* c) {
        art::Polygon(c, {k, k + Pt{-13, -8}, k + Pt{-13, 9}});
        art::Polygon(c, {k, k + Pt{13, -8}, k + Pt{13, 9}});
        art::Circle(c, k, 5);
    };
    art::Solid(cr, bow, pal::Red, 2, 0.1);
    art::Line(cr, {k + Pt{0, 4}, {70, 44}}, art::Grey(120), 2.5, false);
}

// ---- checks --------------------------------------------------------------------------------

void CheckBody(Checker& c, const cat::AnimalGeo& g) {
    c.Opaque(g.bodyHandle, "body handle");
    for (size_t i = 0; i < g.legAt.size(); ++i)
        c.Opaque({g.legAt[i].x, g.legAt[i].y - 2}, "leg attachment " + std::to_string(i + 1));
    c.Opaque(g.tailAt + Pt{4, 4}, "tail root");
}

} // namespace

// ---- the list ------------------------------------------------------------------------------

namespace cat {

void AddAnimals(PictureList& list) {
    using Fn = void (*)(cairo_t*);
    struct Kind {
        Fn body, head, face, leg, tail;
    };
    const Kind kinds[3] = {
        {DogBody, DogHead, DogFace, DogLeg, DogTail},
        {CrocBody, CrocHead, CrocFace, CrocLeg, CrocTail},
        {ElephantBody, ElephantHead, ElephantFace, ElephantLeg, ElephantTail},
    };
    for (int k = 0; k < 3; ++k) {
        const AnimalGeo& g = kAnimals[k];
        std::string key = g.key;
        Picture body = Single("ventre_" + key + ".png", g.bodyW, g.bodyH, kinds[k].body);
        body.check = [&g](Checker& c) { CheckBody(c, g); };
        list.push_back(body);
        Picture head = Single("tete_" + key + ".png", g.headW, g.headH, kinds[k].head);
        head.check = [&g](Checker& c) {
            if (g.headPivot.y < g.headH)
                c.Opaque(g.headPivot, "head pivot (neck)");
            else
                c.InkInRect(int(g.headPivot.x) - 10, g.headH - 12, 20, 12, "neck above the pivot");
        };
        list.push_back(head);
        list.push_back(Single("visage_" + key + ".png", g.headW, g.headH, kinds[k].face));
        Picture leg = Single("patte_" + key + ".png", g.legW, g.legH, kinds[k].leg);
        leg.check = [&g](Checker& c) {
            c.Opaque(g.legHip, "hip");
            c.InkInRect(0, g.legH - 1, g.legW, 1, "foot on the bottom row");
        };
        list.push_back(leg);
        Picture tail = Single("queue_" + key + ".png", g.tailW, g.tailH, kinds[k].tail);
        tail.check = [&g](Checker& c) { c.Opaque(g.tailPivot, "tail root"); };
        list.push_back(tail);
    }
    Picture fish = Frames("ventre_poisson.png", kFishFrames, kFishFrames, kFishFrameW, kFishFrameH,
                          Layout::Row, FishBody);
    fish.check = [](Checker& c) {
        for (int f = 0; f < kFishFrames; ++f)
            c.Opaque({f * kFishFrameW + kFishHandle.x, kFishHandle.y}, "fish handle");
    };
    list.push_back(fish);
    Picture face = Frames("visage_poisson.png", kFishFrames, kFishFrames, kFishFrameW, kFishFrameH,
                          Layout::Row, FishFace);
    face.check = [](Checker& c) {
        for (int f = 0; f < kFishFrames; ++f)
            c.Opaque({f * kFishFrameW + kFishLead.x, kFishLead.y}, "bow of the lead");
    };
    list.push_back(face);
}

} // namespace cat
