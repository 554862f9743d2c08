// preview: contact sheets of every generated picture, and puppets and animals assembled at rest
// from the catalogue's numbers, to look at the art as the game will show it.
//
//   preview DATA_DIR OUT_DIR
//
// Index: pictures and tints · contact sheets · puppets · faces · animals · main.
#include "catalogue.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using art::Pt;
using art::Rgb;

// ---- pictures and tints --------------------------------------------------------------------

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

class Pictures {
  public:
    explicit Pictures(fs::path dir) : dir_(std::move(dir)) {}
    // The picture, or null when the file is missing.
    cairo_surface_t* Get(const std::string& name) {
        auto it = cache_.find(name);
        if (it != cache_.end())
            return it->second.get();
        cairo_surface_t* s = cairo_image_surface_create_from_png((dir_ / name).c_str());
        if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
            cairo_surface_destroy(s);
            std::cerr << "preview: missing " << name << "\n";
            cache_[name] = nullptr;
            return nullptr;
        }
        cache_[name] = Surface(s);
        return s;
    }
    // A copy multiplied by a colour, as the game's tint does.
    cairo_surface_t* Tinted(const std::string& name, Rgb tint) {
        std::string key = name + "#" + std::to_string(int(tint.r * 255)) + "," +
                          std::to_string(int(tint.g * 255)) + "," +
                          std::to_string(int(tint.b * 255));
        auto it = cache_.find(key);
        if (it != cache_.end())
            return it->second.get();
        cairo_surface_t* src = Get(name);
        if (!src)
            return nullptr;
        int w = cairo_image_surface_get_width(src), h = cairo_image_surface_get_height(src);
        cairo_surface_t* dst = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
        cairo_surface_flush(src);
        const unsigned char* in = cairo_image_surface_get_data(src);
        unsigned char* out = cairo_image_surface_get_data(dst);
        int sin = cairo_image_surface_get_stride(src), sout = cairo_image_surface_get_stride(dst);
        double k[3] = {tint.b, tint.g, tint.r};
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                for (int c = 0; c < 4; ++c) {
                    int v = in[y * sin + x * 4 + c];
                    out[y * sout + x * 4 + c] =
                        static_cast<unsigned char>(c == 3 ? v : std::min(255.0, v * k[c]));
                }
        cairo_surface_mark_dirty(dst);
        cache_[key] = Surface(dst);
        return dst;
    }

  private:
    fs::path dir_;
    std::map<std::string, Surface> cache_;
};

// Draws the part of a picture (sx, sy, w, h) with its handle at `at`, scaled by `scale`.
void Blit(cairo_t* cr, cairo_surface_t* s, Pt at, Pt handle, double scale = 1.0, double sx = 0,
          double sy = 0, double w = -1, double h = -1, double degrees = 0) {
    if (!s)
        return;
    if (w < 0)
        w = cairo_image_surface_get_width(s);
    if (h < 0)
        h = cairo_image_surface_get_height(s);
    cairo_save(cr);
    cairo_translate(cr, at.x, at.y);
    cairo_rotate(cr, degrees * M_PI / 180);
    cairo_scale(cr, scale, scale);
    cairo_translate(cr, -handle.x, -handle.y);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_clip(cr);
    cairo_set_source_surface(cr, s, -sx, -sy);
    cairo_paint(cr);
    cairo_restore(cr);
}

void Label(cairo_t* cr, const std::string& text, double x, double y, double size = 13) {
    cairo_save(cr);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_set_source_rgb(cr, 0.15, 0.15, 0.2);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, text.c_str());
    cairo_restore(cr);
}

void Background(cairo_t* cr, int w, int h, Rgb c) {
    cairo_set_source_rgb(cr, c.r, c.g, c.b);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_fill(cr);
}

bool Save(cairo_surface_t* s, const fs::path& path) {
    bool ok = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
    if (!ok)
        std::cerr << "preview: cannot write " << path << "\n";
    return ok;
}

// ---- contact sheets ------------------------------------------------------------------------

int ContactSheets(Pictures& pics, const fs::path& dataDir, const fs::path& outDir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dataDir))
        if (e.path().extension() == ".png")
            names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    const int cell = 210, cols = 8, rows = 6, perSheet = cols * rows;
    int sheets = 0;
    for (size_t first = 0; first < names.size(); first += perSheet, ++sheets) {
        int w = cols * cell, h = rows * (cell + 20);
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
        cairo_t* cr = cairo_create(s);
        Background(cr, w, h, art::C(236, 230, 214));
        for (size_t i = first; i < std::min(names.size(), first + perSheet); ++i) {
            int k = static_cast<int>(i - first);
            double x = (k % cols) * cell, y = (k / cols) * (cell + 20);
            // A checkerboard shows the transparency.
            for (int cy = 0; cy < 10; ++cy)
                for (int cx = 0; cx < 10; ++cx) {
                    double g = ((cx + cy) % 2) ? 0.78 : 0.88;
                    cairo_set_source_rgb(cr, g, g, g);
                    cairo_rectangle(cr, x + 5 + cx * 20, y + 5 + cy * 20, 20, 20);
                    cairo_fill(cr);
                }
            cairo_surface_t* p = pics.Get(names[i]);
            if (p) {
                double pw = cairo_image_surface_get_width(p),
                       ph = cairo_image_surface_get_height(p);
                double k2 = std::min(1.0, std::min(200 / pw, 200 / ph));
                Blit(cr, p, {x + 5 + (200 - pw * k2) / 2, y + 5 + (200 - ph * k2) / 2}, {0, 0}, k2);
            }
            Label(cr, names[i], x + 5, y + cell + 8, 12);
        }
        cairo_destroy(cr);
        Save(s, outDir / ("sheet_" + std::to_string(sheets + 1) + ".png"));
        cairo_surface_destroy(s);
    }
    return sheets;
}

// ---- puppets -------------------------------------------------------------------------------

struct Look {
    Rgb skin, hair, garment, hatTint;
};

const Look kLooks[9] = {
    {art::C(250, 214, 180), art::C(90, 60, 40), art::C(230, 80, 70), art::C(80, 150, 230)},
    {art::C(200, 150, 110), art::C(40, 35, 35), art::C(80, 140, 220), art::C(240, 200, 60)},
    {art::C(250, 220, 190), art::C(200, 160, 90), art::C(90, 180, 90), art::C(230, 90, 90)},
    {art::C(140, 95, 70), art::C(30, 25, 25), art::C(250, 210, 70), art::C(150, 90, 200)},
    {art::C(250, 214, 180), art::C(230, 190, 110), art::C(250, 150, 60), art::C(90, 170, 230)},
    {art::C(245, 205, 170), art::C(150, 80, 40), art::C(200, 90, 200), art::C(90, 190, 120)},
    {art::C(160, 110, 80), art::C(60, 40, 30), art::C(70, 170, 170), art::C(240, 120, 160)},
    {art::C(250, 220, 195), art::C(240, 210, 140), art::C(240, 120, 150), art::C(90, 120, 220)},
    {art::C(220, 170, 130), art::C(120, 60, 30), art::C(120, 200, 240), art::C(250, 150, 200)},
};

// Joint angles in degrees, as the game turns the parts (0: hanging, -90: forward, -180: up).
struct Pose {
    double frontArm = 0, backArm = 0, frontLeg = 0, backLeg = 0;
    int legFrame = 0;
};

// One puppet. `garment` is the class 0-3; `hat` -1 for none; `object` a picture name.
void Puppet(Pictures& pics, cairo_t* cr, int type, int garment, int hairVariant, int hat,
            const std::string& object, Pt pos, bool mirrored, int expression = 0,
            Pose pose = {}) {
    const cat::BodyType& b = cat::kBodies[type];
    const Look& look = kLooks[type];
    std::string s = b.suffix;
    const char* torsoVariant[4] = {"", "b", "c", ""};
    bool shortSleeves = garment == 3;
    std::string sleeve = shortSleeves ? "b" : "";
    const cat::TorsoGeo& t = b.torso;
    const cat::LegGeo& leg = cat::kLegs[b.legClass];
    cairo_save(cr);
    cairo_translate(cr, pos.x, pos.y);
    if (mirrored)
        cairo_scale(cr, -1, 1);
    Pt origin = Pt{0, 0} - t.handle; // torso top-left relative to the puppet position
    auto at = [&](Pt p) { return origin + p; };
    Pt frontShoulder = at(t.front), backShoulder = at(t.back), neck = at(t.neck);
    auto limb = [&](const std::string& name, Rgb tint, Pt at, Pt pivot, double deg) {
        Blit(cr, pics.Tinted(name, tint), at, pivot, 1, 0, 0, -1, -1, deg);
    };
    limb("maing" + s + sleeve + ".png", look.skin, backShoulder, b.back.pivot, pose.backArm);
    limb("brasg" + s + sleeve + ".png", look.garment, backShoulder, b.back.pivot, pose.backArm);
    double legX = pose.legFrame * leg.cellW;
    Blit(cr, pics.Get(leg.file), at(t.hip2), leg.hip, 1, legX, 0, leg.w, leg.h, pose.backLeg);
    Blit(cr, pics.Get(leg.file), at(t.hip1), leg.hip, 1, legX, 0, leg.w, leg.h, pose.frontLeg);
    Blit(cr, pics.Tinted("buste" + s + torsoVariant[garment] + ".png", look.garment), {0, 0},
         t.handle);
    Blit(cr, pics.Tinted("tete" + s + ".png", look.skin), neck, b.head.pivot);
    const char* hairVariants[3] = {"", "b", "c"};
    Blit(cr, pics.Tinted("cheveux" + s + hairVariants[hairVariant] + ".png", look.hair), neck,
         b.head.pivot);
    if (hat >= 0) {
        const cat::HatGeo& h = cat::kHats[hat];
        bool scaled = hat != 1;
        double k = scaled ? b.head.hatWidth / double(h.w) : 1.0;
        Pt hatPoint = neck - b.head.pivot + b.head.hat;
        cairo_surface_t* hs = hat == 0 ? pics.Get(h.file) : pics.Tinted(h.file, look.hatTint);
        Blit(cr, hs, hatPoint, h.handle, k);
    }
    int col = expression % 4, row = expression / 4;
    Blit(cr, pics.Get("visage" + s + "x.png"), neck, b.head.pivot, 1, col * b.head.cellW,
         row * b.head.cellH, b.head.w, b.head.h);
    // The hand point turns with the arm about the shoulder.
    Pt d = b.front.hand - b.front.pivot;
    double a = pose.frontArm * M_PI / 180;
    Pt hand = frontShoulder + Pt{d.x * std::cos(a) - d.y * std::sin(a),
                                 d.x * std::sin(a) + d.y * std::cos(a)};
    if (!object.empty()) {
        for (const auto& o : cat::kObjects)
            if (object == o.file)
                Blit(cr, pics.Get(o.file), hand, o.grip);
        if (object.rfind("pancarte_", 0) == 0)
            Blit(cr, pics.Get(object), hand, cat::kSignGrip);
    }
    limb("maind" + s + sleeve + ".png", look.skin, frontShoulder, b.front.pivot, pose.frontArm);
    limb("brasd" + s + sleeve + ".png", look.garment, frontShoulder, b.front.pivot,
         pose.frontArm);
    cairo_restore(cr);
}

void PuppetSheets(Pictures& pics, const fs::path& outDir) {
    const char* objects[9] = {"pomme.png", "marteau.png", "fleur.png", "banane.png", "balle.png",
                              "pomme.png", "fleur.png",   "balle.png", "banane.png"};
    for (int garment = 0; garment < 4; ++garment) {
        const int cell = 250, w = 9 * cell, h = 2 * 560;
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
        cairo_t* cr = cairo_create(s);
        Background(cr, w, h, art::C(246, 238, 220));
        for (int row = 0; row < 2; ++row) {
            double floor = 530 + row * 560;
            cairo_set_source_rgb(cr, 0.85, 0.78, 0.66);
            cairo_rectangle(cr, 0, floor, w, 30);
            cairo_fill(cr);
            for (int type = 0; type < 9; ++type) {
                const cat::BodyType& b = cat::kBodies[type];
                const cat::LegGeo& leg = cat::kLegs[b.legClass];
                // Stand the front leg's bottom on the floor line.
                double y = floor - (leg.h - leg.hip.y) - (b.torso.hip1.y - b.torso.handle.y);
                int hat = (type + garment) % 5 - 1;
                Puppet(pics, cr, type, garment, (type + garment) % 3, hat, objects[type],
                       {type * cell + cell / 2.0, y}, row == 1);
            }
        }
        Label(cr, "garment class " + std::to_string(garment), 10, 20, 18);
        cairo_destroy(cr);
        Save(s, outDir / ("puppets_garment" + std::to_string(garment) + ".png"));
        cairo_surface_destroy(s);
    }
}

// Each body in three poses: holding forward, arms raised with a sign, mid-stride.
void PoseSheet(Pictures& pics, const fs::path& outDir) {
    const int cell = 250, w = 9 * cell, h = 3 * 600;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* cr = cairo_create(s);
    Background(cr, w, h, art::C(246, 238, 220));
    const Pose poses[3] = {{-90, -60, 0, 0, 0}, {-180, -180, 0, 0, 0}, {25, -25, -25, 25, 1}};
    const char* objects[3] = {"balle.png", "pancarte_a.png", ""};
    for (int row = 0; row < 3; ++row) {
        double floor = 570 + row * 600;
        cairo_set_source_rgb(cr, 0.85, 0.78, 0.66);
        cairo_rectangle(cr, 0, floor, w, 30);
        cairo_fill(cr);
        for (int type = 0; type < 9; ++type) {
            const cat::BodyType& b = cat::kBodies[type];
            const cat::LegGeo& leg = cat::kLegs[b.legClass];
            double y = floor - (leg.h - leg.hip.y) - (b.torso.hip1.y - b.torso.handle.y);
            Puppet(pics, cr, type, (type + row) % 4, type % 3, -1, objects[row],
                   {type * cell + cell / 2.0, y}, false, row == 1 ? 3 : 0, poses[row]);
        }
    }
    cairo_destroy(cr);
    Save(s, outDir / "poses.png");
    cairo_surface_destroy(s);
}

// ---- faces ---------------------------------------------------------------------------------

void FaceSheet(Pictures& pics, const fs::path& outDir) {
    const int cw = 230, ch = 210, w = 8 * cw, h = 9 * ch;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* cr = cairo_create(s);
    Background(cr, w, h, art::C(246, 238, 220));
    for (int type = 0; type < 9; ++type) {
        const cat::BodyType& b = cat::kBodies[type];
        const Look& look = kLooks[type];
        std::string sfx = b.suffix;
        for (int e = 0; e < 8; ++e) {
            Pt at = {e * cw + cw / 2.0 - b.head.w / 2.0 + b.head.pivot.x, type * ch + 190.0};
            Blit(cr, pics.Tinted("tete" + sfx + ".png", look.skin), at, b.head.pivot);
            Blit(cr,
                 pics.Tinted("cheveux" + sfx +
                                 (e % 3 == 1   ? "b"
                                  : e % 3 == 2 ? "c"
                                               : "") +
                                 ".png",
                             look.hair),
                 at, b.head.pivot);
            Blit(cr, pics.Get("visage" + sfx + "x.png"), at, b.head.pivot, 1,
                 (e % 4) * b.head.cellW, (e / 4) * b.head.cellH, b.head.w, b.head.h);
            // Eye points as the gaze uses them.
            for (Pt eye : {b.head.eye1, b.head.eye2}) {
                Pt p = at - b.head.pivot + eye;
                cairo_set_source_rgba(cr, 0, 0.7, 1, 0.9);
                cairo_arc(cr, p.x, p.y, 1.5, 0, 6.283);
                cairo_fill(cr);
            }
        }
    }
    cairo_destroy(cr);
    Save(s, outDir / "faces.png");
    cairo_surface_destroy(s);
}

// ---- animals -------------------------------------------------------------------------------

void AnimalSheet(Pictures& pics, const fs::path& outDir) {
    const int w = 1700, h = 700;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* cr = cairo_create(s);
    Background(cr, w, h, art::C(246, 238, 220));
    const Rgb tints[3] = {art::C(200, 140, 80), art::C(110, 190, 90), art::C(170, 170, 200)};
    double floor = 660;
    cairo_set_source_rgb(cr, 0.85, 0.78, 0.66);
    cairo_rectangle(cr, 0, floor, w, 40);
    cairo_fill(cr);
    double x = 120;
    for (int k = 0; k < 3; ++k) {
        const cat::AnimalGeo& g = cat::kAnimals[k];
        std::string key = g.key;
        // The body handle sits so that the feet end on the floor.
        double footY = g.legAt[0].y - g.legHip.y + g.legH;
        Pt pos = {x, floor - (footY - g.bodyHandle.y)};
        Pt origin = pos - g.bodyHandle;
        Blit(cr, pics.Tinted("queue_" + key + ".png", tints[k]), origin + g.tailAt, g.tailPivot);
        for (Pt a : g.legAt)
            Blit(cr, pics.Tinted("patte_" + key + ".png", tints[k]), origin + a, g.legHip);
        Blit(cr, pics.Tinted("ventre_" + key + ".png", tints[k]), pos, g.bodyHandle);
        Blit(cr, pics.Tinted("tete_" + key + ".png", tints[k]), origin + g.headAt, g.headPivot);
        Blit(cr, pics.Get("visage_" + key + ".png"), origin + g.headAt, g.headPivot);
        x += g.bodyW + 140;
    }
    for (int f = 0; f < cat::kFishFrames; ++f) {
        Pt at = {60 + f * 240.0 + cat::kFishHandle.x, 80.0 + cat::kFishHandle.y};
        Blit(cr, pics.Tinted("ventre_poisson.png", art::C(250, 160, 70)), at, cat::kFishHandle, 1,
             f * cat::kFishFrameW, 0, cat::kFishFrameW, cat::kFishFrameH);
        Blit(cr, pics.Get("visage_poisson.png"), at, cat::kFishHandle, 1, f * cat::kFishFrameW, 0,
             cat::kFishFrameW, cat::kFishFrameH);
    }
    cairo_destroy(cr);
    Save(s, outDir / "animals.png");
    cairo_surface_destroy(s);
}

// ---- title and menu screens ----------------------------------------------------------------

// The title screen's pieces where the title places them, and a menu screen's decor and buttons.
void ScreenSheets(Pictures& pics, const fs::path& outDir) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1280, 768);
    cairo_t* cr = cairo_create(s);
    Background(cr, 1280, 768, art::C(120, 190, 230));
    struct Piece {
        const char* file;
        Pt at;
        bool bottomLeft;
    };
    const Piece pieces[] = {
        {"mir.png", {228, 384}, true},         {"elv.png", {448, 394}, true},
        {"an.png", {588, 379}, true},          {"quibs.png", {738, 399}, true},
        {"par_movral.png", {493, 480}, false}, {"logo_ondrix.png", {1038, 645}, false}};
    for (const auto& p : pieces) {
        cairo_surface_t* img = pics.Get(p.file);
        if (!img)
            continue;
        double h = cairo_image_surface_get_height(img);
        Blit(cr, img, p.at, {0, p.bottomLeft ? h : 0});
    }
    cairo_destroy(cr);
    Save(s, outDir / "title.png");
    cairo_surface_destroy(s);

    s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1280, 768);
    cr = cairo_create(s);
    Background(cr, 1280, 768, art::C(232, 200, 150));
    cairo_set_source_rgb(cr, 0.55, 0.75, 0.6);
    cairo_rectangle(cr, 0, 0, 1280, 560);
    cairo_fill(cr);
    // Decor: floor strip, two pieces 240 px apart, standing 35 px below the strip's top.
    double standY = 700;
    Blit(cr, pics.Get("sol.png"), {92, standY - 35}, {0, 0});
    cairo_surface_t* a = pics.Get("meuble_armoire.png");
    cairo_surface_t* b = pics.Get("meuble_lampe.png");
    if (a && b) {
        Blit(cr, a, {100, standY}, {0, double(cairo_image_surface_get_height(a))});
        Blit(cr, b, {100 + cairo_image_surface_get_width(a) + 240.0, standY},
             {0, double(cairo_image_surface_get_height(b))});
    }
    Blit(cr, pics.Tinted("grosbouton1a.png", art::C(232, 157, 70)), {280, 60}, {0, 0});
    Blit(cr, pics.Tinted("grosbouton1a.png", art::C(87, 106, 73)), {280, 160}, {0, 0});
    Blit(cr, pics.Tinted("petitbouton1a.png", art::C(117, 160, 205)), {280, 260}, {0, 0});
    Blit(cr, pics.Get("petitbouton1a.png"), {520, 260}, {0, 0});
    Blit(cr, pics.Get("boutoncheckbox1.png"), {760, 265}, {0, 0});
    Blit(cr, pics.Get("boutoncheckbox2.png"), {800, 265}, {0, 0});
    Blit(cr, pics.Get("mirelvanquibs_logo.png"), {1156, 8}, {0, 0});
    Blit(cr, pics.Get("boutonprofil.png"), {1204, 698}, {0, 0});
    Blit(cr, pics.Get("boutonflecheback.png"), {1134, 698}, {0, 0});
    Blit(cr, pics.Tinted("fleche_up.png", art::C(117, 160, 205)), {900, 260}, {0, 0});
    Blit(cr, pics.Tinted("etiquettemot.png", art::C(140, 200, 255)), {980, 260}, {0, 0}, 1.0);
    Blit(cr, pics.Tinted("rectrep.png", art::C(120, 220, 120)), {640, 330}, {0, 0}, 1.0);
    Blit(cr, pics.Get("message.png"), {40, 330}, {0, 0}, 0.6);
    cairo_destroy(cr);
    Save(s, outDir / "menu.png");
    cairo_surface_destroy(s);
}

// A terrain as the game lays it out (1280 x 768, floor band 60 px), drawn at full size and at
// the 0.44 scale of the 2 x 2 grid, to judge how the art reads small.
void TerrainSheet(Pictures& pics, const fs::path& outDir) {
    cairo_surface_t* room = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1280, 768);
    cairo_t* cr = cairo_create(room);
    Background(cr, 1280, 768, art::C(250, 226, 170));
    cairo_set_source_rgb(cr, 0.72, 0.52, 0.36);
    cairo_rectangle(cr, 0, 708, 1280, 60);
    cairo_fill(cr);
    auto piece = [&](const std::string& name, double x, int d) {
        cairo_surface_t* p = pics.Get(name);
        if (p)
            Blit(cr, p, {x, 708.0 + d}, {0, double(cairo_image_surface_get_height(p))});
    };
    piece("meuble_fenetre.png", 120, -200);
    piece("meuble_commode.png", 80, 20);
    piece("meuble_tableau8.png", 800, -200);
    piece("meuble_porte-manteau.png", 1120, 20);
    // A table with a cake on it, by a man, a girl walking her dog.
    cairo_surface_t* table = pics.Get("meuble_tableobjet.png");
    Blit(cr, table, {520, 758}, {0, 194});
    cairo_surface_t* cake = pics.Get("gateau.png");
    Blit(cr, cake, {520 + 127, 758 - 194 + 12 - 243 / 2.0}, {243 / 2.0, 243 / 2.0});
    auto stand = [&](int type, double x, bool mirrored, int garment, int hat,
                     const std::string& object) {
        const cat::BodyType& b = cat::kBodies[type];
        const cat::LegGeo& leg = cat::kLegs[b.legClass];
        double y = 758 - (leg.h - leg.hip.y) - (b.torso.hip1.y - b.torso.handle.y);
        Puppet(pics, cr, type, garment, 1, hat, object, {x, y}, mirrored, 3);
    };
    stand(2, 420, false, 2, -1, "");
    stand(6, 860, true, 1, 2, "fleur.png");
    stand(8, 1000, false, 3, 3, "");
    const cat::AnimalGeo& dog = cat::kAnimals[0];
    Pt pos = {1110, 768 - 17 - (dog.legAt[0].y - dog.legHip.y + dog.legH - dog.bodyHandle.y)};
    Pt origin = pos - dog.bodyHandle;
    Rgb fur = art::C(220, 170, 110);
    Blit(cr, pics.Tinted("queue_chien.png", fur), origin + dog.tailAt, dog.tailPivot);
    for (Pt a : dog.legAt)
        Blit(cr, pics.Tinted("patte_chien.png", fur), origin + a, dog.legHip);
    Blit(cr, pics.Tinted("ventre_chien.png", fur), pos, dog.bodyHandle);
    Blit(cr, pics.Tinted("tete_chien.png", fur), origin + dog.headAt, dog.headPivot);
    Blit(cr, pics.Get("visage_chien.png"), origin + dog.headAt, dog.headPivot);
    Blit(cr, pics.Get("bouton_rtn.png"), {1280 - 64, 10}, {0, 0});
    Blit(cr, pics.Get("bouton_fwd.png"), {1280 - 126, 10}, {0, 0});
    Blit(cr, pics.Get("bouton_photo.png"), {1280 - 178, 10}, {0, 0});
    cairo_destroy(cr);
    Save(room, outDir / "terrain.png");

    cairo_surface_t* small = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 564, 338);
    cr = cairo_create(small);
    cairo_scale(cr, 0.44, 0.44);
    cairo_set_source_surface(cr, room, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_destroy(cr);
    Save(small, outDir / "terrain_small.png");
    cairo_surface_destroy(small);
    cairo_surface_destroy(room);
}

} // namespace

// ---- main ----------------------------------------------------------------------------------

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: preview DATA_DIR OUT_DIR\n";
        return 2;
    }
    fs::path data = argv[1], out = argv[2];
    std::error_code ec;
    fs::create_directories(out, ec);
    Pictures pics(data);
    int sheets = ContactSheets(pics, data, out);
    PuppetSheets(pics, out);
    PoseSheet(pics, out);
    FaceSheet(pics, out);
    AnimalSheet(pics, out);
    ScreenSheets(pics, out);
    TerrainSheet(pics, out);
    std::cout << "preview: " << sheets << " contact sheets, 4 puppet sheets, faces and animals in "
              << out.string() << "\n";
    return 0;
}
