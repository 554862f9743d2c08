// Index: body, leg, animal, object, hat and furniture tables · praises and sign letters ·
// pixel reads and checks · picture list helpers · manifest lines.
#include "catalogue.h"

#include <algorithm>
#include <cairo.h>
#include <set>
#include <sstream>

namespace cat {

// Body types 0-8: torso (size, handle, neck, front and back shoulders, hips, seat), head (size,
// neck pivot, hat point, hat width, face cell, eyes), front arm and back arm (size, shoulder
// pivot, hand point).
// The seat is where a puppet carried on the shoulders puts its hips, so far behind and above the
// front shoulder. A head is about as tall as a seated child, and the carried puppet is drawn
// behind its carrier: seated on the shoulder line, a child would hide behind the carrier's head
// and hat. So the seat is 10 px under the crown (front shoulder to neck, plus neck pivot to hat
// point), and the child sits up on the carrier's head, face and body in sight.
const std::array<BodyType, 9> kBodies = {{
    {"2",
     Person::Man,
     0,
     {160, 205, {79, 165}, {90, 2}, {50, 47}, {104, 40}, {72, 185}, {100, 185}, {20, 150}},
     {151, 171, {77, 146}, {75, 31}, 157, 256, 256, {73, 91}, {113, 91}},
     {60, 164, {43, 12}, {46, 144}},
     {71, 174, {47, 16}, {49, 160}}},
    {"_b",
     Person::Man,
     0,
     {178, 212, {92, 172}, {109, 29}, {44, 60}, {114, 52}, {78, 180}, {106, 180}, {20, 136}},
     {214, 159, {121, 136}, {121, 21}, 172, 256, 256, {119, 90}, {179, 90}},
     {53, 142, {35, 9}, {35, 131}},
     {63, 155, {19, 6}, {36, 134}}},
    {"_g",
     Person::Man,
     0,
     {182, 238, {90, 219}, {113, 2}, {38, 24}, {127, 25}, {70, 212}, {96, 212}, {20, 124}},
     {165, 162, {102, 130}, {84, 18}, 142, 256, 256, {93, 60}, {126, 60}},
     {73, 220, {60, 19}, {60, 199}},
     {74, 200, {45, 17}, {19, 187}}},
    {"_m",
     Person::Man,
     1,
     {87, 231, {53, 197}, {64, 4}, {33, 31}, {57, 33}, {17, 207}, {62, 207}, {25, 131}},
     {117, 161, {67, 148}, {51, 34}, 126, 128, 256, {63, 79}, {101, 79}},
     {64, 190, {59, 5}, {26, 168}},
     {42, 173, {24, 5}, {23, 160}}},
    {"_gosse1",
     Person::Boy,
     2,
     {126, 133, {62, 113}, {68, 22}, {40, 39}, {87, 44}, {46, 111}, {76, 111}, {25, 107}},
     {142, 124, {67, 107}, {65, 7}, 134, 256, 128, {82, 54}, {111, 54}},
     {53, 90, {43, 5}, {21, 92}},
     {44, 80, {15, 6}, {31, 74}}},
    {"_dm1",
     Person::Lady,
     1,
     {147, 225, {78, 161}, {81, 4}, {57, 18}, {93, 24}, {48, 184}, {86, 184}, {24, 128}},
     {178, 163, {89, 151}, {76, 27}, 111, 256, 256, {91, 83}, {131, 83}},
     {52, 180, {51, 3}, {23, 164}},
     {67, 172, {36, 2}, {5, 158}}},
    {"_dm2",
     Person::Lady,
     1,
     {166, 229, {91, 150}, {104, 12}, {47, 38}, {129, 42}, {61, 167}, {107, 167}, {20, 140}},
     {174, 174, {100, 154}, {75, 30}, 130, 256, 256, {97, 74}, {121, 74}},
     {70, 159, {61, 11}, {27, 147}},
     {43, 128, {26, 3}, {38, 115}}},
    {"_dm3",
     Person::Lady,
     1,
     {115, 236, {68, 178}, {83, 8}, {64, 33}, {85, 32}, {43, 185}, {76, 185}, {20, 129}},
     {118, 150, {75, 133}, {49, 19}, 111, 128, 256, {68, 67}, {93, 67}},
     {39, 170, {32, 5}, {22, 166}},
     {45, 171, {19, 4}, {40, 163}}},
    {"_fille",
     Person::Girl,
     2,
     {116, 120, {58, 95}, {64, 15}, {33, 23}, {78, 24}, {45, 95}, {74, 92}, {30, 91}},
     {176, 122, {103, 116}, {79, 23}, 138, 256, 128, {96, 74}, {132, 74}},
     {39, 90, {34, 4}, {24, 81}},
     {33, 89, {12, 4}, {21, 79}}},
}};

const std::array<LegGeo, 3> kLegs = {{
    {"jambe2bnoir.png", 87, 92, {50, 8}, 128, 128},
    {"jambes_m.png", 87, 141, {44, 24}, 128, 256},
    {"jambes_p.png", 87, 70, {44, 7}, 128, 128},
}};

const std::array<AnimalGeo, 3> kAnimals = {{
    {"chien",
     159,
     56,
     {77, 43},
     109,
     56,
     {26, 32},
     {142, 12},
     22,
     39,
     {10, 9},
     {{{22, 35}, {32, 35}, {125, 35}, {145, 35}}},
     50,
     50,
     {40, 36},
     {17, 12}},
    {"croco",
     234,
     64,
     {77, 43},
     109,
     56,
     {20, 61},
     {217, 30},
     22,
     38,
     {10, 14},
     {{{22, 48}, {50, 48}, {165, 48}, {185, 48}}},
     88,
     60,
     {80, 45},
     {13, 36}},
    {"elephant",
     460,
     378,
     {230, 350},
     354,
     432,
     {119, 105},
     {397, 98},
     62,
     79,
     {25, 10},
     {{{77, 349}, {117, 349}, {312, 349}, {352, 349}}},
     196,
     214,
     {156, 17},
     {47, 114}},
}};

const std::array<ObjectGeo, 12> kObjects = {{
    {"pomme.png", 62, 63, {25, 25}},
    {"marteau.png", 108, 59, {46, 30}},
    {"fleur.png", 116, 46, {12, 20}},
    {"banane.png", 92, 47, {46, 10}},
    {"balle.png", 46, 44, {23, 30}},
    {"poele.png", 200, 30, {9, 9}},
    {"caisse.png", 231, 207, {40, 167}},
    {"cadeau.png", 195, 214, {39, 185}},
    {"gateau.png", 243, 243, {45, 232}},
    {"toureiffel.png", 237, 384, {70, 330}},
    {"elephant.png", 252, 193, {49, 120}},
    {"statue.png", 183, 252, {29, 225}},
}};

const std::array<HatGeo, 4> kHats = {{
    {"chapeau2b.png", 162, 108, {132, 67}},
    {"tyrolien.png", 147, 92, {68, 54}},
    {"bonnet.png", 225, 143, {160, 119}},
    {"casquette.png", 220, 143, {146, 146}},
}};

const std::array<FurnitureGeo, 8> kFurniture = {{
    {"meuble_commode.png", 281, 269, 20},
    {"meuble_porte.png", 323, 524, 0},
    {"meuble_armoire.png", 447, 533, 20},
    {"meuble_porte-manteau.png", 117, 373, 20},
    {"meuble_gueridon.png", 206, 222, 20},
    {"meuble_lampe.png", 177, 510, 20},
    {"meuble_fenetre.png", 212, 248, -200},
    {"meuble_pendule.png", 100, 250, -215},
}};

const std::array<const char*, 24> kPraises = {
    "bien joué",  "pas mal",   "c'est beau", "balèze",    "fortiche", "et voilà",
    "fini",       "chapeau",   "excellent",  "ah super",  "bravo",    "c'est bien",
    "tip top",    "ah bravo",  "très bien",  "admirable", "yeah",     "yeah man",
    "c'est fini", "c'est bon", "on a fini",  "voilà",     "wow",      "super bien",
};

std::vector<SignLetter> SignLetters() {
    // The end screen names a sign after its character, except for five that cannot be file
    // names as they are.
    static const std::vector<std::pair<std::string, std::string>> special = {
        {" ", "esp"}, {"à", "a_acc"}, {"'", "apo"}, {"é", "e_ac1"}, {"è", "e_ac2"}};
    std::set<std::string> seen;
    std::vector<SignLetter> out;
    for (const char* praise : kPraises) {
        std::string s = praise;
        for (size_t i = 0; i < s.size();) {
            size_t len = (static_cast<unsigned char>(s[i]) < 0x80) ? 1 : 2;
            std::string ch = s.substr(i, len);
            i += len;
            std::string code = ch;
            for (const auto& [c, name] : special)
                if (c == ch)
                    code = name;
            if (seen.insert(code).second)
                out.push_back({code, ch == " " ? "" : ch});
        }
    }
    std::sort(out.begin(), out.end(),
              [](const SignLetter& a, const SignLetter& b) { return a.code < b.code; });
    return out;
}

int Pixels::Alpha(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0;
    uint32_t v = *reinterpret_cast<const uint32_t*>(data_ + y * stride_ + x * 4);
    return static_cast<int>(v >> 24);
}

int Pixels::Channel(int x, int y, int channel) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0;
    uint32_t v = *reinterpret_cast<const uint32_t*>(data_ + y * stride_ + x * 4);
    int a = static_cast<int>(v >> 24);
    if (a == 0)
        return 0;
    int c = static_cast<int>((v >> (16 - 8 * channel)) & 0xff);
    return std::min(255, c * 255 / a);
}

bool Pixels::AnyInk(int x, int y, int w, int h, int min) const {
    for (int j = std::max(0, y); j < std::min(height_, y + h); ++j)
        for (int i = std::max(0, x); i < std::min(width_, x + w); ++i)
            if (Alpha(i, j) > min)
                return true;
    return false;
}

namespace {
std::string Where(Pt p) {
    std::ostringstream s;
    s << "(" << p.x << ", " << p.y << ")";
    return s.str();
}
} // namespace

void Checker::Opaque(Pt p, const std::string& what, int min) {
    int a = px_.Alpha(static_cast<int>(p.x), static_cast<int>(p.y));
    if (a < min)
        failures_.push_back(what + " at " + Where(p) + " is not drawn (alpha " + std::to_string(a) +
                            ")");
}

void Checker::Clear(Pt p, const std::string& what, int max) {
    int a = px_.Alpha(static_cast<int>(p.x), static_cast<int>(p.y));
    if (a > max)
        failures_.push_back(what + " at " + Where(p) + " should be empty (alpha " +
                            std::to_string(a) + ")");
}

void Checker::ClearRect(int x, int y, int w, int h, const std::string& what) {
    if (px_.AnyInk(x, y, w, h))
        failures_.push_back(what + ": the rectangle " + Where({double(x), double(y)}) + " " +
                            std::to_string(w) + "x" + std::to_string(h) + " should be empty");
}

void Checker::InkInRect(int x, int y, int w, int h, const std::string& what) {
    if (!px_.AnyInk(x, y, w, h, 40))
        failures_.push_back(what + ": nothing drawn in the rectangle " +
                            Where({double(x), double(y)}) + " " + std::to_string(w) + "x" +
                            std::to_string(h));
}

void Checker::Expect(bool ok, const std::string& what) {
    if (!ok)
        failures_.push_back(what);
}

Picture Single(std::string name, int w, int h, std::function<void(cairo_t*)> draw) {
    Picture p;
    p.name = std::move(name);
    p.width = w;
    p.height = h;
    p.draw = std::move(draw);
    return p;
}

Picture Frames(std::string name, int frames, int columns, int cellW, int cellH, Layout layout,
               std::function<void(cairo_t*, int)> drawFrame) {
    Picture p;
    p.name = std::move(name);
    int rows = (frames + columns - 1) / columns;
    p.width = cellW * columns;
    p.height = cellH * rows;
    p.frames = frames;
    p.layout = layout;
    p.frameW = cellW;
    p.frameH = cellH;
    p.draw = [=](cairo_t* cr) {
        for (int f = 0; f < frames; ++f) {
            cairo_save(cr);
            // Each frame stays inside its own cell: a neighbour must never bleed in.
            cairo_rectangle(cr, (f % columns) * cellW, (f / columns) * cellH, cellW, cellH);
            cairo_clip(cr);
            cairo_translate(cr, (f % columns) * cellW, (f / columns) * cellH);
            drawFrame(cr, f);
            cairo_restore(cr);
        }
    };
    return p;
}

std::string ManifestLine(const Picture& p) {
    std::ostringstream s;
    s << p.name << " " << p.width << " " << p.height << " " << p.frames << " ";
    switch (p.layout) {
    case Layout::Single:
        s << "single";
        break;
    case Layout::Row:
        s << "row";
        break;
    case Layout::Grid:
        s << "grid-" << p.frameW << "x" << p.frameH;
        break;
    }
    return s.str();
}

PictureList AllPictures() {
    PictureList list;
    AddPuppets(list);
    AddClothesAndHats(list);
    AddAnimals(list);
    AddObjects(list);
    AddFurniture(list);
    AddWidgets(list);
    AddTitleArt(list);
    AddSceneButtons(list);
    return list;
}

} // namespace cat
