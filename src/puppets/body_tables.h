#pragma once
// The numbers of the nine body types: picture suffixes, the sizes and pivots of each part, and
// the joint points on the torso picture. Shared by the dressing and the head-alone build.
#include "platform/text.h"

namespace corps {

struct Point {
    float x;
    float y;
};

// A limb picture: size, frames, pivot and the offset of the next part from the pivot.
struct Membre {
    float largeur;
    float hauteur;
    int images;
    float hx;
    float hy;
    float dx;
    float dy;
};

struct Type {
    const char16_t* suffixe;
    // 0 long black trousers, 1 legs under a skirt or long trousers, 2 a child's short legs.
    int classeJambes;
    Membre tete;
    // The width a scaled hat is brought to.
    float largeurChapeau;
    Membre brasDroit;
    Membre brasGauche;
    // Eye 1 x, eyes y, eye 2 x, from the face's pivot.
    float oeil1;
    float yeux;
    float oeil2;
    // The torso: size, handle, joint points of head, front arm, back arm, the two legs, and the
    // seat of a partner carried on the shoulders: its hips go this far behind and above the
    // front shoulder, just under the top of the head (a child seated lower would hide behind a
    // head as tall as itself).
    float busteLargeur;
    float busteHauteur;
    Point buste;
    Point jointTete;
    Point jointBrasDroit;
    Point jointBrasGauche;
    Point jointJambe1;
    Point jointJambe2;
    Point repere;
};

// clang-format off
// Suffix, leg class; head and hat width; front arm; back arm; eyes; torso size, handle, joints of
// head, front arm, back arm, leg 1, leg 2; seat.
inline constexpr Type Types[9] = {
    {u"2",       0, {151, 171, 1,  77, 146,  -2, -115}, 157, {60, 164, 1, 43, 12,   3, 132}, {71, 174, 1, 47, 16,   2, 144},
     -4, -55, 36, 160, 205, {79, 165}, {90, 2},  {50, 47}, {104, 40}, {72, 185}, {100, 185}, {20, 150}},
    {u"_b",      0, {214, 159, 1, 121, 136,   0, -115}, 172, {53, 142, 1, 35,  9,   0, 122}, {63, 155, 1, 19,  6,  17, 128},
     -2, -46, 58, 178, 212, {92, 172}, {109, 29}, {44, 60}, {114, 52}, {78, 180}, {106, 180}, {20, 136}},
    {u"_g",      0, {165, 162, 1, 102, 130, -18, -112}, 142, {73, 220, 1, 60, 19,   0, 180}, {74, 200, 1, 45, 17, -26, 170},
     -9, -70, 24, 182, 238, {90, 219}, {113, 2}, {38, 24}, {127, 25}, {70, 212}, {96, 212},  {20, 124}},
    {u"_m",      1, {117, 161, 1,  67, 148, -16, -114}, 126, {64, 190, 1, 59,  5, -33, 163}, {42, 173, 1, 24,  5,  -1, 155},
     -4, -69, 34,  87, 231, {53, 197}, {64, 4},  {33, 31}, {57, 33},  {17, 207}, {62, 207},  {25, 131}},
    {u"_gosse1", 2, {142, 124, 1,  67, 107,  -2, -100}, 134, {53,  90, 1, 43,  5, -22,  87}, {44,  80, 1, 15,  6,  16,  68},
     15, -53, 44, 126, 133, {62, 113}, {68, 22}, {40, 39}, {87, 44},  {46, 111}, {76, 111},  {25, 107}},
    {u"_dm1",    1, {178, 163, 1,  89, 151, -13, -124}, 111, {52, 180, 1, 51,  3, -28, 161}, {67, 172, 1, 36,  2, -31, 156},
      2, -68, 42, 147, 225, {78, 161}, {81, 4},  {57, 18}, {93, 24},  {48, 184}, {86, 184},  {24, 128}},
    {u"_dm2",    1, {174, 174, 1, 100, 154, -25, -124}, 130, {70, 159, 1, 61, 11, -34, 136}, {43, 128, 1, 26,  3,  12, 112},
     -3, -80, 21, 166, 229, {91, 150}, {104, 12}, {47, 38}, {129, 42}, {61, 167}, {107, 167}, {20, 140}},
    {u"_dm3",    1, {118, 150, 1,  75, 133, -26, -114}, 111, {39, 170, 1, 32,  5, -10, 161}, {45, 171, 1, 19,  4,  21, 159},
     -7, -66, 18, 115, 236, {68, 178}, {83, 8},  {64, 33}, {85, 32},  {43, 185}, {76, 185},  {20, 129}},
    {u"_fille",  2, {176, 122, 1, 103, 116, -24,  -93}, 138, {39,  90, 1, 34,  4,  10, -77}, {33,  89, 1, 12,  4,   9,  75},
     -7, -42, 29, 116, 120, {58, 95},  {64, 15}, {33, 23}, {78, 24},  {45, 95},  {74, 92},   {30, 91}},
};

// Where each arm's pictures meet, in pixels down its pictures from the shoulder pivot, front arm
// then back arm: how far the long sleeve reaches, how far the short one does, and where the fist
// begins to show past the long sleeve. The hand's picture (with the bare forearm under a short
// sleeve) starts well before either sleeve ends.
struct Manches {
    float longue;
    float courte;
    float poing;
};
inline constexpr Manches FinsDeManches[9][2] = {
    {{125, 75, 117}, {134, 79, 126}}, {{111, 71, 105}, {121, 77, 112}},
    {{170, 91, 164}, {159, 89, 151}}, {{153, 104, 144}, {144, 89, 136}},
    {{69, 52, 62}, {61, 41, 52}},     {{147, 101, 138}, {146, 92, 138}},
    {{125, 92, 115}, {105, 69, 97}},  {{135, 92, 128}, {143, 89, 134}},
    {{70, 53, 65}, {70, 48, 63}}};

// Both legs use the same picture and row.
inline constexpr const char16_t* FichiersJambes[3] = {u"jambe2bnoir.png", u"jambes_m.png", u"jambes_p.png"};
inline constexpr Membre Jambes[3] = {{87, 92, 2, 50, 8, 0, 0}, {87, 141, 2, 44, 24, 0, 0}, {87, 70, 2, 44, 7, 0, 0}};
// clang-format on

// The picture of a part for a body type: "tete" + "2" + ".png"; the face adds "x".
inline String NomPartie(const char16_t* prefixe, int type, const char16_t* fin = u".png") {
    return String(prefixe) + Types[type].suffixe + fin;
}

// "buste_m.png" with "b" gives "buste_mb.png".
inline String Variante(const String& nom, const char16_t* lettre) {
    return platform::StripExt(nom) + lettre + u".png";
}

} // namespace corps
