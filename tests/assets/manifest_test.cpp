// The data folder after a build: every picture, sound and text file the game loads exists with
// the size and frame layout its code relies on.
//
// Index: the manifest (pictures, sounds, texts) · no name twice · pictures · sounds · texts ·
// cross-check with the image generator's own list.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "assets/data_folder.h"
#include "assets/png_reader.h"
#include "framework/config.h"
#include "platform/audio.h"
#include "platform/text.h"

namespace {

using assets_test::DataBuilt;
using assets_test::DataFolder;

// -------------------------------------------------------------------------------------------
// The manifest

struct PictureSpec {
    std::string name;
    int width = 0;
    int height = 0;
    // Frames: a picture of one frame has frame size = picture size.
    int frameWidth = 0;
    int frameHeight = 0;
    int frames = 1;
};

PictureSpec One(const std::string& name, int w, int h) { return {name, w, h, w, h, 1}; }
PictureSpec Frames(const std::string& name, int w, int h, int fw, int fh, int n) {
    return {name, w, h, fw, fh, n};
}

struct BodyType {
    const char* suffix;
    int torsoW, torsoH;
    int headW, headH;
    int faceW, faceH, cellW, cellH;
    int frontArmW, frontArmH;
    int backArmW, backArmH;
};

// Torso, head, face and arm sizes of the nine body types.
const BodyType BodyTypes[] = {
    {"2", 160, 205, 151, 171, 1024, 512, 256, 256, 60, 164, 71, 174},
    {"_b", 178, 212, 214, 159, 1024, 512, 256, 256, 53, 142, 63, 155},
    {"_g", 182, 238, 165, 162, 1024, 512, 256, 256, 73, 220, 74, 200},
    {"_m", 87, 231, 117, 161, 512, 512, 128, 256, 64, 190, 42, 173},
    {"_gosse1", 126, 133, 142, 124, 1024, 256, 256, 128, 53, 90, 44, 80},
    {"_dm1", 147, 225, 178, 163, 1024, 512, 256, 256, 52, 180, 67, 172},
    {"_dm2", 166, 229, 174, 174, 1024, 512, 256, 256, 70, 159, 43, 128},
    {"_dm3", 115, 236, 118, 150, 512, 512, 128, 256, 39, 170, 45, 171},
    {"_fille", 116, 120, 176, 122, 1024, 256, 256, 128, 39, 90, 33, 89},
};

std::vector<PictureSpec> Pictures() {
    std::vector<PictureSpec> p;
    // Puppets: the hair and the hands share the canvases of the head and the arms.
    for (const BodyType& t : BodyTypes) {
        const std::string s = t.suffix;
        p.push_back(One("tete" + s + ".png", t.headW, t.headH));
        p.push_back(Frames("visage" + s + "x.png", t.faceW, t.faceH, t.cellW, t.cellH, 8));
        for (const char* v : {"", "b", "c"}) {
            p.push_back(One("cheveux" + s + v + ".png", t.headW, t.headH));
            p.push_back(One("buste" + s + v + ".png", t.torsoW, t.torsoH));
        }
        for (const char* v : {"", "b"}) {
            p.push_back(One("brasd" + s + v + ".png", t.frontArmW, t.frontArmH));
            p.push_back(One("maind" + s + v + ".png", t.frontArmW, t.frontArmH));
            p.push_back(One("brasg" + s + v + ".png", t.backArmW, t.backArmH));
            p.push_back(One("maing" + s + v + ".png", t.backArmW, t.backArmH));
        }
    }
    p.push_back(Frames("jambe2bnoir.png", 256, 128, 128, 128, 2));
    p.push_back(Frames("jambes_m.png", 256, 256, 128, 256, 2));
    p.push_back(Frames("jambes_p.png", 256, 128, 128, 128, 2));
    p.push_back(One("etoile.png", 32, 32));
    p.push_back(One("demicercle.png", 32, 42));
    p.push_back(Frames("zzz.png", 768, 192, 128, 192, 6));
    p.push_back(One("monocycle.png", 120, 128));
    p.push_back(One("pedale.png", 40, 10));

    // Animals.
    for (const char* part :
         {"tete_chien.png", "visage_chien.png", "tete_croco.png", "visage_croco.png"})
        p.push_back(One(part, 109, 56));
    p.push_back(One("ventre_chien.png", 159, 56));
    p.push_back(One("patte_chien.png", 22, 39));
    p.push_back(One("queue_chien.png", 50, 50));
    p.push_back(One("ventre_croco.png", 234, 64));
    p.push_back(One("patte_croco.png", 22, 38));
    p.push_back(One("queue_croco.png", 88, 60));
    p.push_back(One("ventre_elephant.png", 460, 378));
    p.push_back(One("tete_elephant.png", 354, 432));
    p.push_back(One("visage_elephant.png", 354, 432));
    p.push_back(One("patte_elephant.png", 62, 79));
    p.push_back(One("queue_elephant.png", 196, 214));
    p.push_back(Frames("ventre_poisson.png", 1320, 181, 220, 181, 6));
    p.push_back(Frames("visage_poisson.png", 1320, 181, 220, 181, 6));

    // Hats.
    p.push_back(One("chapeau2b.png", 162, 108));
    p.push_back(One("tyrolien.png", 147, 92));
    p.push_back(One("bonnet.png", 225, 143));
    p.push_back(One("casquette.png", 220, 143));

    // Held objects, signs, guitars, cooking.
    p.push_back(One("pomme.png", 62, 63));
    p.push_back(One("marteau.png", 108, 59));
    p.push_back(One("fleur.png", 116, 46));
    p.push_back(One("banane.png", 92, 47));
    p.push_back(One("balle.png", 46, 44));
    p.push_back(One("poele.png", 200, 30));
    p.push_back(One("caisse.png", 231, 207));
    p.push_back(One("cadeau.png", 195, 214));
    p.push_back(One("gateau.png", 243, 243));
    p.push_back(One("toureiffel.png", 237, 384));
    p.push_back(One("elephant.png", 252, 193));
    p.push_back(One("statue.png", 183, 252));
    for (const char* code :
         {"a", "a_acc", "apo", "b", "c", "d", "e", "e_ac1", "e_ac2", "esp", "f", "h", "i", "j",
          "l", "m",     "n",   "o", "p", "r", "s", "t",     "u",     "v",   "w", "x", "y", "z"})
        p.push_back(One(std::string("pancarte_") + code + ".png", 116, 102));
    p.push_back(One("guitare.png", 254, 159));
    p.push_back(One("guitare2.png", 254, 155));
    p.push_back(One("nourriture.png", 60, 24));
    p.push_back(Frames("fumee.png", 888, 218, 222, 218, 4));

    // Furniture and decor.
    p.push_back(One("meuble_commode.png", 281, 269));
    p.push_back(One("meuble_porte.png", 323, 524));
    p.push_back(One("meuble_armoire.png", 447, 533));
    p.push_back(One("meuble_porte-manteau.png", 117, 373));
    p.push_back(One("meuble_gueridon.png", 206, 222));
    p.push_back(One("meuble_lampe.png", 177, 510));
    p.push_back(One("meuble_fenetre.png", 212, 248));
    p.push_back(One("meuble_pendule.png", 100, 250));
    for (int i = 1; i <= 10; ++i)
        p.push_back(One("meuble_tableau" + std::to_string(i) + ".png", 320, 252));
    p.push_back(One("meuble_tableobjet.png", 254, 194));
    p.push_back(One("sol.png", 1100, 80));

    // Font pages and widgets.
    p.push_back(One("fonts_oregano_48_0.png", 1024, 512));
    p.push_back(One("fonts_oregano_30_0.png", 512, 512));
    // The sentence cards' print sizes between 48 and 30.
    p.push_back(One("fonts_oregano_45_0.png", 1024, 512));
    p.push_back(One("fonts_oregano_42_0.png", 1024, 512));
    for (const char* step : {"39", "36", "33"})
        p.push_back(One(std::string("fonts_oregano_") + step + "_0.png", 512, 512));
    p.push_back(One("fonts_yesteryear_21_0.png", 512, 256));
    p.push_back(One("petitbouton1a.png", 220, 44));
    p.push_back(One("grosbouton1a.png", 720, 80));
    p.push_back(One("boutoncheckbox1.png", 34, 34));
    p.push_back(One("boutoncheckbox2.png", 34, 34));
    for (int i = 1; i <= 6; ++i)
        p.push_back(
            One("kestrivan_skins_gui_prototype_checkbox_" + std::to_string(i) + ".png", 32, 32));
    p.push_back(One("message.png", 900, 400));
    p.push_back(One("message_large.png", 1040, 440));
    p.push_back(One("boutonprofil.png", 64, 64));
    p.push_back(One("boutonflecheback.png", 64, 64));
    p.push_back(One("mirelvanquibs_logo.png", 120, 60));

    // Title, set-up and gallery art.
    p.push_back(One("mir.png", 220, 96));
    p.push_back(One("elv.png", 140, 52));
    p.push_back(One("an.png", 150, 80));
    p.push_back(One("quibs.png", 440, 199));
    p.push_back(One("par_movral.png", 300, 60));
    p.push_back(One("logo_ondrix.png", 200, 100));
    p.push_back(One("fleche_up.png", 64, 40));
    p.push_back(One("fleche_down.png", 64, 40));
    p.push_back(One("tabgal.png", 326, 320));
    p.push_back(One("tabgal2.png", 155, 38));

    // Game scenes.
    for (const char* b :
         {"rwd", "rtn", "fwd", "clip", "play", "pause", "reload", "photo", "hide", "nopic"})
        p.push_back(One(std::string("bouton_") + b + ".png", 50, 50));
    p.push_back(One("boutonok.png", 110, 90));
    p.push_back(One("boutonundo.png", 110, 90));
    p.push_back(Frames("poubelle.png", 248, 164, 124, 164, 2));
    p.push_back(Frames("cadresphraseauchoix.png", 1280, 320, 1280, 160, 2));
    p.push_back(One("cadresphraseauchoixfond.png", 1280, 160));
    p.push_back(One("etiquettemot.png", 100, 52));
    p.push_back(One("rectrep.png", 620, 170));
    return p;
}

struct SoundSpec {
    std::string name;
    double minSeconds;
    double maxSeconds;
    bool loop = false;
};

// Durations as the sounds are described: each fits the event it is tied to.
std::vector<SoundSpec> Sounds() {
    std::vector<SoundSpec> s = {
        {"pop1.wav", 0.05, 0.12},
        {"clic1.wav", 0.01, 0.04},
        {"clicclacmercikodak.wav", 0.10, 0.20},
        {"pfiou1.wav", 0.18, 0.32},
        {"pfiou2.wav", 0.18, 0.32},
        {"elephant_stomp.wav", 0.22, 0.40},
        {"elephant_stomp2.wav", 0.22, 0.40},
        {"cuisine.wav", 1.2, 1.8},
        // Twelve strums every third of a second, looped by the game.
        {"guitare1.wav", 3.99, 4.01, true},
        {"zzz.wav", 1.2, 1.8},
        {"plop.wav", 0.08, 0.16},
        {"jingle5.wav", 0.45, 0.60},
    };
    for (int i = 1; i <= 4; ++i) {
        s.push_back({"hit" + std::to_string(i) + ".wav", 0.10, 0.22});
        // Each jingle is cut by the next after 17 frames (0.28 s).
        s.push_back({"jingle" + std::to_string(i) + ".wav", 0.22, 0.32});
    }
    for (const char* step : {"1a", "1b", "2a", "2b", "3a", "3b"})
        s.push_back({std::string("step") + step + ".wav", 0.06, 0.14});
    for (int i = 1; i <= 5; ++i)
        s.push_back({"squeak" + std::to_string(i) + ".wav", 0.12, 0.28});
    return s;
}

const std::vector<std::string> TextFiles = {
    "fonts_oregano_48.txt", "fonts_oregano_45.txt", "fonts_oregano_42.txt",
    "fonts_oregano_39.txt", "fonts_oregano_36.txt", "fonts_oregano_33.txt",
    "fonts_oregano_30.txt", "fonts_yesteryear_21.txt", "sliderv.txt"};

std::string Path(const std::string& name) { return (DataFolder() / name).string(); }

std::string Join(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += "\n  " + item;
    return text;
}

class DataFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!DataBuilt())
            GTEST_SKIP() << assets_test::NotBuilt;
    }
};

// A name listed twice would hide a file the game loads under a look-alike name.
TEST(ManifestTable, HoldsEachFileOnce) {
    std::set<std::string> names(TextFiles.begin(), TextFiles.end());
    for (const auto& p : Pictures())
        names.insert(p.name);
    for (const auto& s : Sounds())
        names.insert(s.name);
    EXPECT_EQ(names.size(), Pictures().size() + Sounds().size() + TextFiles.size());
}

// -------------------------------------------------------------------------------------------
// Pictures

TEST_F(DataFolderTest, EveryPictureHasItsSizeAndFrameLayout) {
    std::vector<std::string> faults;
    for (const PictureSpec& spec : Pictures()) {
        assets_test::Picture picture;
        if (!assets_test::ReadPicture(Path(spec.name), picture)) {
            faults.push_back(spec.name + ": missing or not a picture");
            continue;
        }
        if (picture.width != spec.width || picture.height != spec.height) {
            faults.push_back(spec.name + ": " + std::to_string(picture.width) + " x " +
                             std::to_string(picture.height) + " instead of " +
                             std::to_string(spec.width) + " x " + std::to_string(spec.height));
            continue;
        }
        // Frames are read row-major from a grid of frame-sized cells.
        const int columns = picture.width / spec.frameWidth;
        const int rows = picture.height / spec.frameHeight;
        if (picture.width % spec.frameWidth != 0 || picture.height % spec.frameHeight != 0 ||
            columns * rows < spec.frames) {
            faults.push_back(spec.name + ": frames do not tile the picture");
            continue;
        }
        // A blank frame would make a part vanish on that step of its animation.
        for (int f = 0; f < spec.frames; ++f) {
            const int x0 = (f % columns) * spec.frameWidth;
            const int y0 = (f / columns) * spec.frameHeight;
            bool ink = false;
            for (int y = y0; y < y0 + spec.frameHeight && !ink; ++y)
                for (int x = x0; x < x0 + spec.frameWidth && !ink; ++x)
                    ink = picture.Alpha(x, y) > 0;
            if (!ink)
                faults.push_back(spec.name + ": frame " + std::to_string(f) + " is empty");
        }
    }
    EXPECT_TRUE(faults.empty()) << faults.size() << " picture faults:" << Join(faults);
}

// -------------------------------------------------------------------------------------------
// Sounds

TEST_F(DataFolderTest, EverySoundParsesWithASensibleLengthAndNoClipping) {
    std::vector<std::string> faults;
    for (const SoundSpec& spec : Sounds()) {
        std::ifstream in(Path(spec.name), std::ios::binary);
        std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
        platform::Sound sound;
        if (bytes.empty() || !platform::ParseWav(bytes, sound)) {
            faults.push_back(spec.name + ": missing or not a PCM WAV");
            continue;
        }
        if (sound.channels != 1 || sound.sampleRate != 44100) {
            faults.push_back(spec.name + ": not mono 44100 Hz");
            continue;
        }
        const double seconds = double(sound.samples.size()) / sound.sampleRate;
        if (seconds < spec.minSeconds || seconds > spec.maxSeconds)
            faults.push_back(spec.name + ": lasts " + std::to_string(seconds) + " s");
        int peak = 0;
        int clipped = 0;
        for (std::int16_t v : sound.samples) {
            peak = std::max(peak, std::abs(int(v)));
            if (v == 32767 || v == -32768)
                ++clipped;
        }
        if (clipped > 0)
            faults.push_back(spec.name + ": clips");
        // Audible but with headroom: between -20 dBFS and -1 dBFS.
        if (peak < 3277 || peak > 29204)
            faults.push_back(spec.name + ": peak " + std::to_string(peak) + " out of range");
        // Tied to visible events: the sound starts within 5 ms.
        const std::size_t start = std::size_t(0.005 * sound.sampleRate);
        bool early = false;
        for (std::size_t i = 0; i < std::min(start, sound.samples.size()) && !early; ++i)
            early = std::abs(int(sound.samples[i])) > peak / 50;
        if (!early)
            faults.push_back(spec.name + ": starts with silence");
        if (spec.loop) {
            // The loop point must not click: the last sample leads into the first.
            if (std::abs(int(sound.samples.back()) - int(sound.samples.front())) > peak / 8)
                faults.push_back(spec.name + ": the loop point jumps");
        } else if (std::abs(int(sound.samples.back())) > peak / 50) {
            faults.push_back(spec.name + ": ends abruptly (click)");
        }
    }
    EXPECT_TRUE(faults.empty()) << faults.size() << " sound faults:" << Join(faults);
}

// -------------------------------------------------------------------------------------------
// Texts

TEST_F(DataFolderTest, SliderSkinSurvivesTheReaderAndFitsTheCanvas) {
    std::ifstream in(Path("sliderv.txt"), std::ios::binary);
    ASSERT_TRUE(in) << "sliderv.txt is missing";
    // A comment marker after a value cuts the value off without a word: data lines hold none.
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t marker = std::min(line.find("//"), line.find('\''));
        if (marker != std::string::npos) {
            EXPECT_EQ(line.substr(0, marker).find_first_not_of(" \t\r"), std::string::npos)
                << "comment marker on a data line: " << line;
        }
    }
    iConfig skin;
    ASSERT_TRUE(skin.Load(platform::FromUtf8(Path("sliderv.txt"))));
    const auto value = [&skin](const char16_t* key) { return skin.GetInt(key, 0); };
    // Without these the prototype's black test outline stays and the knob cannot move.
    EXPECT_EQ(skin.GetString(u"testmode", u""), u"false");
    EXPECT_GT(value(u"sliderlength"), value(u"grabheight"));
    // The slider sits right of the 1230-px box that starts at x 25: it must end by x 1280.
    EXPECT_LE(25 + 1230 + value(u"x") + value(u"width"), 1280);
    EXPECT_LE(value(u"y") + value(u"height"), 768);
}

TEST_F(DataFolderTest, EveryTextFileHoldsSettings) {
    for (const std::string& name : TextFiles) {
        iConfig config;
        EXPECT_TRUE(config.Load(platform::FromUtf8(Path(name)))) << name << " is missing or empty";
    }
}

// -------------------------------------------------------------------------------------------
// Cross-check: the image generator keeps its own list of what it draws, one picture a line:
// "name width height frames layout" with layout single, row or grid-WxH (frame size). It must
// agree with the catalogue above.

TEST(ManifestTable, AgreesWithTheImageGeneratorList) {
    // The fixtures folder is tests/fixtures, which may not exist: walk up by name.
    const std::filesystem::path root =
        std::filesystem::path(MQ_TEST_FIXTURES).parent_path().parent_path();
    std::ifstream in(root / "tools" / "imagegen" / "manifest.txt");
    if (!in)
        GTEST_SKIP() << "the image generator leaves no manifest.txt";
    std::map<std::string, PictureSpec> expected;
    for (const PictureSpec& p : Pictures())
        expected[p.name] = p;
    std::set<std::string> listed;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string name, layout;
        int width = 0, height = 0, frames = 0;
        if (!(fields >> name >> width >> height >> frames >> layout)) {
            ADD_FAILURE() << "unreadable line: " << line;
            continue;
        }
        listed.insert(name);
        auto found = expected.find(name);
        if (found == expected.end()) {
            ADD_FAILURE() << name << " is drawn but the game never loads it";
            continue;
        }
        const PictureSpec& spec = found->second;
        SCOPED_TRACE(name);
        EXPECT_EQ(width, spec.width);
        EXPECT_EQ(height, spec.height);
        EXPECT_EQ(frames, spec.frames);
        // The frame size each layout implies.
        int frameWidth = width, frameHeight = height;
        if (layout == "row" && frames > 0) {
            frameWidth = width / frames;
        } else if (layout.rfind("grid-", 0) == 0) {
            ASSERT_EQ(std::sscanf(layout.c_str(), "grid-%dx%d", &frameWidth, &frameHeight), 2);
        } else {
            EXPECT_EQ(layout, "single");
        }
        EXPECT_EQ(frameWidth, spec.frameWidth);
        EXPECT_EQ(frameHeight, spec.frameHeight);
    }
    // The generator draws every picture except the font pages.
    for (const PictureSpec& p : Pictures()) {
        if (p.name.rfind("fonts_", 0) == 0)
            continue;
        EXPECT_EQ(listed.count(p.name), 1u) << p.name << " is not drawn";
    }
}

} // namespace
