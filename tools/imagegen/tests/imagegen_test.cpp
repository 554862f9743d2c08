// Tests of the picture generator's own machinery: the PNG files it writes, the shape painting
// the whole art relies on, the catalogue tables and the checks that guard them.
#include "catalogue.h"
#include "png_writer.h"
#include "puppet_shapes.h"
#include "style.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A cairo picture that frees itself.
struct Canvas {
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;
    Canvas(int w, int h)
        : surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h)),
          cr(cairo_create(surface)) {}
    ~Canvas() {
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
    }
    cat::Pixels Px() {
        cairo_surface_flush(surface);
        return cat::Pixels(
            cairo_image_surface_get_data(surface), cairo_image_surface_get_width(surface),
            cairo_image_surface_get_height(surface), cairo_image_surface_get_stride(surface));
    }
};

struct PngFile {
    int width = 0, height = 0, colourType = -1, bitDepth = 0;
    std::vector<unsigned char> rgba;
};

PngFile ReadPng(const fs::path& path) {
    PngFile out;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return out;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        std::fclose(f);
        return PngFile{};
    }
    png_init_io(png, f);
    png_read_info(png, info);
    out.width = static_cast<int>(png_get_image_width(png, info));
    out.height = static_cast<int>(png_get_image_height(png, info));
    out.colourType = png_get_color_type(png, info);
    out.bitDepth = png_get_bit_depth(png, info);
    size_t rowBytes = png_get_rowbytes(png, info);
    out.rgba.resize(rowBytes * out.height);
    for (int y = 0; y < out.height; ++y)
        png_read_row(png, out.rgba.data() + y * rowBytes, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(f);
    return out;
}

fs::path TempFile(const std::string& name) {
    fs::path dir = fs::temp_directory_path() / "mq_imagegen_test";
    fs::create_directories(dir);
    return dir / name;
}

// ---- the PNG files -------------------------------------------------------------------------

TEST(PngWriter, WritesStraightAlphaRgbaThatTheGameCanPremultiply) {
    Canvas c(3, 1);
    // Half-transparent pure red, fully transparent, opaque blue.
    cairo_set_source_rgba(c.cr, 1, 0, 0, 0.5);
    cairo_rectangle(c.cr, 0, 0, 1, 1);
    cairo_fill(c.cr);
    cairo_set_source_rgba(c.cr, 0, 0, 1, 1);
    cairo_rectangle(c.cr, 2, 0, 1, 1);
    cairo_fill(c.cr);
    cairo_surface_flush(c.surface);
    fs::path file = TempFile("alpha.png");
    ASSERT_TRUE(imagefile::WriteRgba(file, c.surface));
    PngFile png = ReadPng(file);
    ASSERT_EQ(png.width, 3);
    ASSERT_EQ(png.colourType, PNG_COLOR_TYPE_RGB_ALPHA);
    EXPECT_EQ(png.bitDepth, 8);
    // The colour of a translucent pixel stays full red: premultiplied data would read 128.
    EXPECT_EQ(png.rgba[0], 255);
    EXPECT_EQ(png.rgba[1], 0);
    EXPECT_NEAR(png.rgba[3], 128, 1);
    EXPECT_EQ(png.rgba[7], 0);
    EXPECT_EQ(png.rgba[10], 255);
    EXPECT_EQ(png.rgba[11], 255);
}

TEST(PngWriter, KeepsTheAlphaChannelOfAnOpaquePictureAndReplacesOldFiles) {
    Canvas c(4, 4);
    cairo_set_source_rgb(c.cr, 0.2, 0.4, 0.6);
    cairo_paint(c.cr);
    cairo_surface_flush(c.surface);
    fs::path file = TempFile("opaque.png");
    {
        FILE* f = std::fopen(file.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fputs("not a picture", f);
        std::fclose(f);
    }
    ASSERT_TRUE(imagefile::WriteRgba(file, c.surface));
    PngFile png = ReadPng(file);
    EXPECT_EQ(png.width, 4);
    EXPECT_EQ(png.colourType, PNG_COLOR_TYPE_RGB_ALPHA);
    EXPECT_FALSE(fs::exists(file.string() + ".tmp"));
}

TEST(PngWriter, ReportsAFolderThatCannotBeWritten) {
    Canvas c(2, 2);
    EXPECT_FALSE(imagefile::WriteRgba("/nonexistent-folder/x/y.png", c.surface));
}

// ---- painting shapes -----------------------------------------------------------------------

TEST(Painting, PiecesTurningOppositeWaysStillFillAsOneShape) {
    Canvas c(60, 30);
    // Two overlapping rectangles drawn in opposite directions: one path would cancel out where
    // they overlap and show the outline colour there.
    auto path = [](cairo_t* cr) {
        art::Polygon(cr, {{5, 5}, {35, 5}, {35, 25}, {5, 25}});
        art::Polygon(cr, {{55, 5}, {55, 25}, {25, 25}, {25, 5}});
    };
    art::Outlined(c.cr, path, art::C(255, 0, 0), art::C(0, 0, 255), 2);
    auto px = c.Px();
    EXPECT_EQ(px.Channel(30, 15, 0), 255) << "overlap filled";
    EXPECT_EQ(px.Channel(30, 15, 2), 0) << "no outline inside the union";
    EXPECT_EQ(px.Channel(30, 4, 2), 255) << "outline outside the union";
    EXPECT_EQ(px.Alpha(59, 29), 0);
}

TEST(Painting, ShadingStaysInsideTheShapeOnItsLowerRightEdge) {
    Canvas c(40, 40);
    auto path = [](cairo_t* cr) { art::Circle(cr, {20, 20}, 12); };
    art::Outlined(c.cr, path, art::pal::White, art::pal::TintInk, 0);
    art::Shade(c.cr, path, art::Grey(100), 4, 4);
    auto px = c.Px();
    EXPECT_EQ(px.Alpha(36, 36), 0) << "nothing painted outside the shape";
    EXPECT_LT(px.Channel(27, 27, 0), 130) << "lower-right edge shaded";
    EXPECT_EQ(px.Channel(13, 13, 0), 255) << "upper-left edge left light";
    EXPECT_EQ(px.Channel(20, 20, 0), 255) << "middle left light";
}

TEST(Painting, FramesNeverBleedIntoTheirNeighbours) {
    cat::Picture p = cat::Frames("t.png", 4, 2, 16, 8, cat::Layout::Grid, [](cairo_t* cr, int f) {
        if (f == 1) {
            cairo_rectangle(cr, -100, -100, 400, 400);
            cairo_fill(cr);
        }
    });
    EXPECT_EQ(p.width, 32);
    EXPECT_EQ(p.height, 16);
    Canvas c(p.width, p.height);
    p.draw(c.cr);
    auto px = c.Px();
    EXPECT_EQ(px.Alpha(20, 4), 255) << "frame 1 is the second cell of the first row";
    EXPECT_EQ(px.Alpha(4, 4), 0);
    EXPECT_EQ(px.Alpha(4, 12), 0);
    EXPECT_EQ(px.Alpha(20, 12), 0);
}

// ---- the catalogue -------------------------------------------------------------------------

TEST(Catalogue, SignsAreExactlyTheLettersOfThePraises) {
    std::set<std::string> codes;
    for (const auto& s : cat::SignLetters())
        codes.insert(s.code);
    const std::set<std::string> expected = {
        "a", "a_acc", "apo", "b", "c", "d", "e", "e_ac1", "e_ac2", "esp", "f", "h", "i", "j",
        "l", "m",     "n",   "o", "p", "r", "s", "t",     "u",     "v",   "w", "x", "y", "z"};
    EXPECT_EQ(codes, expected);
    for (const auto& s : cat::SignLetters())
        EXPECT_EQ(s.glyph.empty(), s.code == "esp") << s.code;
}

TEST(Catalogue, ListsEveryPictureOnceWithItsFrameLayout) {
    cat::PictureList list = cat::AllPictures();
    ASSERT_EQ(list.size(), cat::kPictureCount);
    std::set<std::string> names;
    for (const auto& p : list) {
        EXPECT_TRUE(names.insert(p.name).second) << p.name;
        EXPECT_TRUE(p.name.size() > 4 && p.name.substr(p.name.size() - 4) == ".png") << p.name;
        for (char ch : p.name)
            EXPECT_FALSE(ch >= 'A' && ch <= 'Z') << "upper case in " << p.name;
        if (p.frames > 1) {
            EXPECT_GE(p.width / p.frameW * (p.height / p.frameH), p.frames) << p.name;
        }
    }
    // The font pages come from the font generator, not from here.
    EXPECT_EQ(names.count("fonts_oregano_48_0.png"), 0u);
    EXPECT_EQ(names.count("pancarte.png"), 0u);
}

TEST(Catalogue, ManifestLinesGiveSizeFramesAndLayout) {
    for (const auto& p : cat::AllPictures()) {
        if (p.name == "visage2x.png") {
            EXPECT_EQ(cat::ManifestLine(p), "visage2x.png 1024 512 8 grid-256x256");
        }
        if (p.name == "zzz.png") {
            EXPECT_EQ(cat::ManifestLine(p), "zzz.png 768 192 6 row");
        }
        if (p.name == "cadresphraseauchoix.png") {
            EXPECT_EQ(cat::ManifestLine(p), "cadresphraseauchoix.png 1280 320 2 grid-1280x160");
        }
        if (p.name == "pomme.png") {
            EXPECT_EQ(cat::ManifestLine(p), "pomme.png 62 63 1 single");
        }
    }
}

int NextPowerOfTwo(int v) {
    int p = 1;
    while (p < v)
        p *= 2;
    return p;
}

TEST(Catalogue, FaceAndLegCellsAreTheLogicalSizesRoundedToPowersOfTwo) {
    for (const auto& b : cat::kBodies) {
        EXPECT_EQ(b.head.cellW, NextPowerOfTwo(b.head.w)) << b.suffix;
        EXPECT_EQ(b.head.cellH, NextPowerOfTwo(b.head.h)) << b.suffix;
    }
    for (const auto& l : cat::kLegs) {
        EXPECT_EQ(l.cellW, NextPowerOfTwo(l.w)) << l.file;
        EXPECT_EQ(l.cellH, NextPowerOfTwo(l.h)) << l.file;
    }
}

TEST(Catalogue, FrontShoulderIsLeftOfTheBackShoulderOnEveryBody) {
    // Three-quarter view turned right: the nearer arm's shoulder is on the left.
    for (const auto& b : cat::kBodies)
        EXPECT_LT(b.torso.front.x, b.torso.back.x) << b.suffix;
}

// ---- puppet geometry -----------------------------------------------------------------------

TEST(PuppetGeometry, PalmAndShoulderCapStayInsideEveryArmPicture) {
    for (const auto& b : cat::kBodies) {
        for (const cat::ArmGeo* g : {&b.front, &b.back}) {
            auto a = puppet::MakeArm(*g);
            EXPECT_GE(a.hand.x - a.handR, 0) << b.suffix;
            EXPECT_LE(a.hand.x + a.handR, g->w) << b.suffix;
            EXPECT_LE(a.hand.y + a.handR, g->h) << b.suffix;
            EXPECT_GE(a.shoulder.y - a.shoulderR, 0) << b.suffix;
            EXPECT_LE(a.shoulder.x + a.shoulderR, g->w) << b.suffix;
            // The cuff lies between shoulder and hand.
            EXPECT_LT(art::Dist(a.shoulder, a.cuff), art::Dist(a.shoulder, a.hand)) << b.suffix;
        }
    }
}

TEST(PuppetGeometry, HeadCrownIsAtTheHatPointAndTheChinAboveTheNeckPivot) {
    for (const auto& b : cat::kBodies) {
        auto h = puppet::MakeHead(b.head);
        EXPECT_NEAR(h.outline[0].x, b.head.hat.x, 0.01) << b.suffix;
        EXPECT_LE(std::abs(h.top - b.head.hat.y), 3.0) << b.suffix;
        EXPECT_LT(h.chinY, b.head.pivot.y) << b.suffix;
        EXPECT_GT(h.chinY, b.head.eye1.y) << b.suffix;
        EXPECT_GE(h.left, 0) << b.suffix;
        EXPECT_LE(h.right, b.head.w) << b.suffix;
    }
}

TEST(PuppetGeometry, ACarriedPuppetSitsOnItsCarriersCrown) {
    // Its hips a little under the top of the carrier's head: the head is as tall as a seated
    // child, which seated any lower would hide behind it.
    for (const auto& b : cat::kBodies) {
        double crown = b.torso.front.y - b.torso.neck.y + b.head.pivot.y - b.head.hat.y;
        EXPECT_GE(b.torso.seat.y, crown - 20) << b.suffix;
        EXPECT_LE(b.torso.seat.y, crown) << b.suffix;
    }
}

// ---- parts that must meet when a puppet is put together -------------------------------------

// Renders one picture of the list, keeping it alive for pixel reads.
class Rendered {
  public:
    explicit Rendered(const std::string& name) {
        static const cat::PictureList list = cat::AllPictures();
        for (const auto& p : list) {
            if (p.name == name) {
                canvas_ = std::make_unique<Canvas>(p.width, p.height);
                p.draw(canvas_->cr);
            }
        }
    }
    bool Found() const { return canvas_ != nullptr; }
    // Alpha at a point given in picture pixels (0 outside or when missing).
    int Alpha(art::Pt p) const {
        return canvas_ ? canvas_->Px().Alpha(int(std::lround(p.x)), int(std::lround(p.y))) : 0;
    }

  private:
    std::unique_ptr<Canvas> canvas_;
};

TEST(PuppetAssembly, NeckShouldersAndHipsMeetTheTorsoOnEveryBody) {
    for (const auto& b : cat::kBodies) {
        std::string s = b.suffix;
        SCOPED_TRACE(s);
        Rendered torso("buste" + s + ".png"), head("tete" + s + ".png");
        Rendered front("brasd" + s + ".png"), back("brasg" + s + ".png");
        ASSERT_TRUE(torso.Found() && head.Found() && front.Found() && back.Found());
        // The head hangs at the neck joint: the bottom of its neck lies on the torso, so the
        // head never floats above the collar.
        art::Pt neckBottom = {b.head.pivot.x - 2, b.head.h - 4.0};
        art::Pt onTorso = b.torso.neck + (neckBottom - b.head.pivot);
        EXPECT_GT(head.Alpha(neckBottom), 200);
        EXPECT_GT(torso.Alpha(onTorso), 100) << "neck bottom off the torso";
        // Each arm's shoulder cap covers its shoulder joint's neighbourhood on the torso.
        for (auto [arm, geo, joint] : {std::tuple{&front, &b.front, b.torso.front},
                                       std::tuple{&back, &b.back, b.torso.back}}) {
            auto shape = puppet::MakeArm(*geo);
            art::Pt cap = shape.shoulder;
            EXPECT_GT(arm->Alpha(cap), 200);
            EXPECT_GT(torso.Alpha(joint + (cap - geo->pivot)), 100) << "shoulder cap off the body";
        }
    }
}

TEST(PuppetAssembly, HandsReachUnderTheirSleeves) {
    for (const auto& b : cat::kBodies) {
        std::string s = b.suffix;
        for (const char* side : {"d", "g"}) {
            const cat::ArmGeo& g = side[0] == 'd' ? b.front : b.back;
            SCOPED_TRACE(s + side);
            auto shape = puppet::MakeArm(g);
            Rendered sleeve(std::string("bras") + side + s + ".png");
            Rendered hand(std::string("main") + side + s + ".png");
            Rendered shortSleeve(std::string("bras") + side + s + "b.png");
            Rendered bare(std::string("main") + side + s + "b.png");
            // Just above the cuff both the sleeve and the wrist are drawn: no gap at the wrist.
            art::Pt wrist = shape.cuff - shape.dir * 4;
            EXPECT_GT(sleeve.Alpha(wrist), 200);
            EXPECT_GT(hand.Alpha(wrist), 200);
            // The bare forearm starts under the short sleeve.
            art::Pt hem = art::Lerp(shape.shoulder, shape.hand, 0.36);
            EXPECT_GT(shortSleeve.Alpha(hem), 200);
            EXPECT_GT(bare.Alpha(hem), 200);
        }
    }
}

TEST(PuppetAssembly, LegTopsAreHiddenUnderEveryTorsoVariant) {
    for (const auto& b : cat::kBodies) {
        for (const char* v : {"", "b", "c"}) {
            std::string name = std::string("buste") + b.suffix + v + ".png";
            SCOPED_TRACE(name);
            Rendered torso(name);
            // A little below each hip joint is still torso, so no leg top shows.
            EXPECT_GT(torso.Alpha(b.torso.hip1 + art::Pt{0, 4}), 200);
            EXPECT_GT(torso.Alpha(b.torso.hip2 + art::Pt{0, 4}), 200);
        }
    }
}

// ---- the checks ----------------------------------------------------------------------------

TEST(Checks, ReportMissingAndUnwantedInk) {
    Canvas c(20, 20);
    cairo_rectangle(c.cr, 0, 0, 10, 20);
    cairo_fill(c.cr);
    auto px = c.Px();
    cat::Checker ok(px);
    ok.Opaque({5, 5}, "drawn");
    ok.Clear({15, 5}, "empty");
    ok.ClearRect(10, 0, 10, 20, "right half");
    ok.InkInRect(0, 19, 20, 1, "bottom row");
    EXPECT_TRUE(ok.Failures().empty());

    cat::Checker bad(px);
    bad.Opaque({15, 5}, "hand point");
    bad.Clear({5, 5}, "window");
    bad.ClearRect(5, 0, 10, 20, "middle");
    bad.InkInRect(12, 0, 8, 20, "right");
    bad.Expect(false, "custom");
    ASSERT_EQ(bad.Failures().size(), 5u);
    EXPECT_NE(bad.Failures()[0].find("hand point at (15, 5)"), std::string::npos);
    // Points outside the picture are never drawn.
    cat::Checker outside(px);
    outside.Opaque({-1, 5}, "outside");
    EXPECT_EQ(outside.Failures().size(), 1u);
}

} // namespace
