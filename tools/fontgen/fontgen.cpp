// Bitmap-font generator: rasterises every printable Latin-1 glyph of a font file, and the few
// French characters beyond it (see ExtraCodes), with FreeType onto one page picture (white,
// coverage in alpha) and writes the description file the game's bitmap-font loader reads.
//
//   mq_fontgen --font FILE --size PX --name NAME --out DIR --page WxH [--layout big|small]
//              [--fallback FILE]
//   mq_fontgen --font FILE --measure [--layout big|small]   largest size the layout allows
//
// Index: command line · rasterising · page packing · layout checks · writing · main.
// Every check is a hard failure (exit 1) so that a font that breaks a screen never ships.
#include <ft2build.h>
#include FT_FREETYPE_H

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb/stb_image_write.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

[[noreturn]] void Fail(const std::string& message) {
    std::fprintf(stderr, "mq_fontgen: %s\n", message.c_str());
    std::exit(1);
}

// ---------------------------------------------------------------------------------------------
// Command line

struct Options {
    std::string font;
    std::string fallback; // for the few codes a decorative font lacks
    int size = 0;
    std::string name;
    std::string out;
    int pageWidth = 0;
    int pageHeight = 0;
    std::string layout = "none";
    bool measure = false;
};

Options ParseArguments(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                Fail("missing value after " + arg);
            return argv[++i];
        };
        if (arg == "--font") {
            options.font = value();
        } else if (arg == "--fallback") {
            options.fallback = value();
        } else if (arg == "--size") {
            options.size = std::atoi(value().c_str());
        } else if (arg == "--name") {
            options.name = value();
        } else if (arg == "--out") {
            options.out = value();
        } else if (arg == "--page") {
            std::string page = value();
            if (std::sscanf(page.c_str(), "%dx%d", &options.pageWidth, &options.pageHeight) != 2)
                Fail("page size must read WxH: " + page);
        } else if (arg == "--layout") {
            options.layout = value();
        } else if (arg == "--measure") {
            options.measure = true;
        } else {
            Fail("unknown argument " + arg);
        }
    }
    if (options.font.empty())
        Fail("--font is required");
    if (options.layout != "none" && options.layout != "big" && options.layout != "small")
        Fail("layout must be none, big or small");
    if (!options.measure) {
        if (options.size <= 0 || options.name.empty() || options.out.empty())
            Fail("--size, --name and --out are required");
        auto powerOfTwo = [](int v) { return v > 0 && (v & (v - 1)) == 0; };
        if (!powerOfTwo(options.pageWidth) || !powerOfTwo(options.pageHeight))
            Fail("page sides must be powers of two");
    }
    return options;
}

// ---------------------------------------------------------------------------------------------
// Rasterising

// The characters beyond Latin-1 that French texts and typed names need, at the places
// Windows-1252 gives them among the control codes 128-159 (the game's loader maps them there).
struct ExtraCode {
    int code;
    unsigned long character;
};
constexpr ExtraCode ExtraCodes[] = {{0x85, 0x2026}, {0x8C, 0x152}, {0x92, 0x2019}, {0x9C, 0x153}};

// The printable Latin-1 codes, 32-126 and 160-255, and the extra ones (195 codes).
std::vector<int> PrintableCodes() {
    std::vector<int> codes;
    for (int c = 32; c <= 126; ++c)
        codes.push_back(c);
    for (const ExtraCode& extra : ExtraCodes)
        codes.push_back(extra.code);
    for (int c = 160; c <= 255; ++c)
        codes.push_back(c);
    return codes;
}

// The character a glyph code stands for.
unsigned long CharacterOf(int code) {
    for (const ExtraCode& extra : ExtraCodes)
        if (extra.code == code)
            return extra.character;
    return static_cast<unsigned long>(code);
}

struct Glyph {
    int code = 0;
    int left = 0;  // ink left edge from the pen
    int top = 0;   // ink top above the baseline
    int width = 0; // ink size
    int rows = 0;
    int advance = 0; // whole pixels
    std::vector<unsigned char> coverage;
    // Place on the page, filled by the packer.
    int pageX = 0;
    int pageY = 0;
};

struct Face {
    std::vector<Glyph> glyphs;
    int ascent = 0;  // tallest ink above the baseline
    int descent = 0; // deepest ink below it
    int xHeight = 0; // ink height of "x": how big the text reads
    int CellHeight() const { return ascent + descent; }
    const Glyph* Find(int code) const {
        for (const Glyph& g : glyphs)
            if (g.code == code)
                return &g;
        return nullptr;
    }
};

FT_Face OpenFace(FT_Library library, const std::string& path, int size) {
    FT_Face face = nullptr;
    if (FT_New_Face(library, path.c_str(), 0, &face))
        Fail("cannot open font " + path);
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(size)))
        Fail("cannot set size " + std::to_string(size));
    return face;
}

Face Rasterise(const std::string& path, int size, const std::string& fallbackPath = "") {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library))
        Fail("FreeType does not start");
    FT_Face main = OpenFace(library, path, size);
    FT_Face fallback = fallbackPath.empty() ? nullptr : OpenFace(library, fallbackPath, size);

    Face result;
    for (int code : PrintableCodes()) {
        FT_Face face = main;
        FT_UInt index = FT_Get_Char_Index(face, CharacterOf(code));
        // The no-break space may be missing from a font: it is a space all the same.
        if (index == 0 && code == 160)
            index = FT_Get_Char_Index(face, 32);
        if (index == 0 && fallback) {
            face = fallback;
            index = FT_Get_Char_Index(face, CharacterOf(code));
        }
        if (index == 0)
            Fail("font " + path + " has no glyph for code " + std::to_string(code));
        // Light hinting keeps the shapes of a display font and sharpens the horizontals.
        if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT))
            Fail("cannot render code " + std::to_string(code));
        FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY && bitmap.rows > 0)
            Fail("unexpected bitmap mode for code " + std::to_string(code));
        Glyph glyph;
        glyph.code = code;
        glyph.left = slot->bitmap_left;
        glyph.top = slot->bitmap_top;
        glyph.width = static_cast<int>(bitmap.width);
        glyph.rows = static_cast<int>(bitmap.rows);
        glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
        glyph.coverage.resize(static_cast<size_t>(glyph.width) * glyph.rows);
        for (int y = 0; y < glyph.rows; ++y)
            std::memcpy(&glyph.coverage[static_cast<size_t>(y) * glyph.width],
                        bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch, glyph.width);
        // Spaces have no ink: they become metric-only records.
        if (code == 32 || code == 160) {
            glyph.width = 0;
            glyph.rows = 0;
            glyph.coverage.clear();
        }
        if (glyph.rows > 0) {
            result.ascent = std::max(result.ascent, glyph.top);
            result.descent = std::max(result.descent, glyph.rows - glyph.top);
        }
        if (code == 'x')
            result.xHeight = glyph.rows;
        result.glyphs.push_back(std::move(glyph));
    }
    if (fallback)
        FT_Done_Face(fallback);
    FT_Done_Face(main);
    FT_Done_FreeType(library);
    return result;
}

// ---------------------------------------------------------------------------------------------
// Page packing

// Two transparent pixels around every rectangle: scaled text must not bleed its neighbours.
constexpr int Margin = 2;

// Rows of full-cell rectangles; false when the page is too small.
bool Pack(Face& face, int pageWidth, int pageHeight) {
    const int cell = face.CellHeight();
    int x = Margin;
    int y = Margin;
    for (Glyph& g : face.glyphs) {
        if (g.width == 0)
            continue;
        if (g.width + 2 * Margin > pageWidth)
            return false;
        if (x + g.width + Margin > pageWidth) {
            x = Margin;
            y += cell + 2 * Margin;
        }
        g.pageX = x;
        g.pageY = y;
        x += g.width + 2 * Margin;
    }
    return y + cell + Margin <= pageHeight;
}

// ---------------------------------------------------------------------------------------------
// Layout checks: the screens place fixed-width pictures beside texts of these fonts.

// The game's texts are UTF-8 in this source and Latin-1 in the fonts.
std::vector<int> Latin1(const std::string& utf8) {
    std::vector<int> codes;
    for (size_t i = 0; i < utf8.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            codes.push_back(c);
        } else if ((c & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
            codes.push_back(((c & 0x1F) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
        } else {
            Fail("text outside Latin-1: " + utf8);
        }
    }
    return codes;
}

int TextWidth(const Face& face, const std::string& text) {
    int width = 0;
    for (int code : Latin1(text)) {
        const Glyph* g = face.Find(code);
        if (!g)
            Fail("no glyph for a code of \"" + text + "\"");
        width += g->advance;
    }
    return width;
}

// Where the ink of a text ends, from the pen start: what a neighbour must not touch.
int InkWidth(const Face& face, const std::string& text) {
    std::vector<int> codes = Latin1(text);
    if (codes.empty())
        return 0;
    const Glyph* last = face.Find(codes.back());
    if (!last)
        Fail("no glyph for a code of \"" + text + "\"");
    return TextWidth(face, text) - last->advance + last->left + last->width;
}

// Clear space kept between a text's ink and the next widget of its row.
constexpr int InkGap = 2;

struct Check {
    std::string what;
    int value = 0;
    int limit = 0;
    bool Holds() const { return value <= limit; }
};

// Widths the small font (30) must respect.
std::vector<Check> SmallChecks(const Face& f) {
    std::vector<Check> checks;
    auto W = [&](const std::string& t) { return TextWidth(f, t); };
    auto Ink = [&](const std::string& t) { return InkWidth(f, t) + InkGap; };
    const int h = f.CellHeight();
    const int button = 220; // "petitbouton1a.png"
    const int box = 34;     // check-box pictures

    // Options screen 1: a 44-px button and 34-px boxes must fit a row pitched at line + 20; ten
    // rows, the example sentence on up to two lines and the 80-px "retour" must fit 768 px.
    checks.push_back({"small button taller than a row", 44, h + 20});
    checks.push_back(
        {"options 1 taller than the canvas", 10 + 9 * (h + 20) + h + 33 + 2 * h + 30 + 80, 768});
    // The passive row: button, heading, two boxes and their labels, within 1280 px.
    const int passive = W("phrases passives et assimilées");
    const int box1 = 44 + button + 28 + passive + 120;
    const int box2 = box1 + box + 4 + W("passive enchâssée") + 40;
    for (const char* label :
         {"passive en fin de phrase", "ordre = sujet-verbe", "accent mis sur le patient"})
        checks.push_back({std::string("options 1 row ends past 1280: ") + label,
                          box2 + box + 4 + W(label), 1280});
    for (const char* label : {"passive enchâssée", "ordre = verbe-sujet", "accent mis sur l'agent"})
        checks.push_back({std::string("options 1 first-box label meets the second box: ") + label,
                          box1 + box + 4 + Ink(label), box2});
    for (const char* heading : {"relatives en  ''que'' / ''sur lequel/laquelle''", "emphatiques"})
        checks.push_back({std::string("options 1 heading meets the first box: ") + heading,
                          52 + button + 28 + Ink(heading), box1});
    for (const char* heading :
         {"phrase de base avec agent et avec patient", "complément de l'agent renversable",
          "complément du patient renversable"})
        checks.push_back({std::string("options 1 heading too long: ") + heading,
                          44 + button + 28 + W(heading), 1280});

    // Options screen 2: rows of boxes with labels 20 px right of them, in the 1230-px box.
    struct Item {
        const char* label;
        int gap; // before the box; the first box of a row stands at x 50
    };
    const std::vector<std::vector<Item>> rows = {
        {{"dame", 0}, {"monsieur", 50}, {"petit garçon", 50}, {"petite fille", 50}},
        {{"marcher", 0},
         {"courir", 50},
         {"lever les bras", 50},
         {"lever un bras", 50},
         {"jouer de la musique", 50}},
        {{"regarder", 0},
         {"lancer", 20},
         {"soulever", 20},
         {"tenir", 20},
         {"poursuivre", 20},
         {"lancer (...) sur", 20},
         {"promener", 20}},
        {{"porter sur les épaules", 0},
         {"porter (habit)", 20},
         {"pédaler", 50},
         {"cuisiner", 50},
         {"dormir", 50}},
        {{"pomme", 0},
         {"banane", 50},
         {"marteau", 50},
         {"balle", 50},
         {"rose", 50},
         {"caisse", 20},
         {"gâteau", 20}},
        {{"paquet-cadeau", 0}, {"tour Eiffel", 50}, {"éléphant", 50}, {"statue", 50}},
        {{"chien", 0}, {"crocodile", 20}, {"éléphant", 20}, {"poisson", 20}},
        {{"pull", 0},
         {"T-shirt", 20},
         {"chemise", 20},
         {"robe", 20},
         {"manteau", 20},
         {"chapeau", 20},
         {"bonnet", 20},
         {"casquette", 20}},
        {{"rouge", 0},
         {"bleu", 50},
         {"vert", 50},
         {"gris", 50},
         {"jaune", 50},
         {"violet", 50},
         {"blanc", 50},
         {"rose", 20}},
    };
    for (const auto& row : rows) {
        int x = 50;
        for (const Item& item : row)
            x += item.gap + box + 20 + W(item.label);
        checks.push_back(
            {std::string("options 2 row too wide from ") + row.front().label, x, 1230});
    }
    checks.push_back({"options 2 title too wide",
                      50 + W("Choix des personnages, des actions, des animaux et des objets"),
                      1230});

    // Captions of the small buttons, with a little room to spare.
    for (const char* caption :
         {" exporter la phrase ", " voir l'animation ", " effacer", " retour ", "pourquoi pas",
          "si possible", " non ", ">> exemple <<", "voir la galerie", "ajouter", "utiliser",
          "charger", "effacer", "commencer", "D'accord", "Annuler", "OK"})
        checks.push_back(
            {std::string("small-button caption too wide: ") + caption, W(caption) + 8, button});
    return checks;
}

// Widths the big font (48) must respect.
std::vector<Check> BigChecks(const Face& f) {
    std::vector<Check> checks;
    auto W = [&](const std::string& t) { return TextWidth(f, t); };
    // Captions of "grosbouton1a.png" (720 x 80), with margin on both sides.
    for (const char* caption :
         {"choisir les constituants syntaxiques", "choisir les personnages et les objets",
          "choisir un mode de jeu", "associer des phrases et des images",
          "remettre les mots dans l'ordre", "fabriquer une phrase", "retour"})
        checks.push_back(
            {std::string("big-button caption too wide: ") + caption, W(caption) + 40, 720});
    checks.push_back({"caption taller than the big button", f.CellHeight() + 16, 80});
    // One-line messages and the title inside "message.png" (900 wide, 20-px margins).
    for (const char* message :
         {"Souhaitez-vous vraiment effacer ce profil?",
          "Ca fait quatorze bonnes réponses d'affilée !",
          "Ca fait quatorze bonnes réponses de suite !", "Changer de tableau?",
          "Quitter la partie en cours?", "Un message de MirelvanQuibs", "Bravo !"})
        checks.push_back(
            {std::string("message wider than its box: ") + message, W(message) + 40, 900});
    return checks;
}

std::vector<Check> LayoutChecks(const Face& face, const std::string& layout) {
    if (layout == "small")
        return SmallChecks(face);
    if (layout == "big")
        return BigChecks(face);
    return {};
}

bool LayoutHolds(const Face& face, const std::string& layout, bool report) {
    bool holds = true;
    for (const Check& check : LayoutChecks(face, layout)) {
        if (check.Holds())
            continue;
        holds = false;
        if (report)
            std::fprintf(stderr, "mq_fontgen: %s (%d > %d)\n", check.what.c_str(), check.value,
                         check.limit);
    }
    return holds;
}

// ---------------------------------------------------------------------------------------------
// Writing

void WritePage(const Face& face, const std::string& path, int width, int height) {
    // White everywhere, so filtering at a glyph's edge never darkens it; coverage in alpha.
    std::vector<unsigned char> rgba(static_cast<size_t>(width) * height * 4, 255);
    for (size_t i = 3; i < rgba.size(); i += 4)
        rgba[i] = 0;
    for (const Glyph& g : face.glyphs) {
        // The ink sits in its full-cell rectangle with the baseline at the same row for all.
        const int top = g.pageY + face.ascent - g.top;
        for (int y = 0; y < g.rows; ++y)
            for (int x = 0; x < g.width; ++x)
                rgba[(static_cast<size_t>(top + y) * width + g.pageX + x) * 4 + 3] =
                    g.coverage[static_cast<size_t>(y) * g.width + x];
    }
    if (!stbi_write_png(path.c_str(), width, height, 4, rgba.data(), width * 4))
        Fail("cannot write " + path);
}

void WriteDescription(const Face& face, const Options& options, const std::string& path) {
    std::vector<std::string> lines;
    std::string fontFile = options.font.substr(options.font.find_last_of('/') + 1);
    lines.push_back("// " + options.name + ": " + fontFile + " at " + std::to_string(options.size) +
                    " px, generated at build time, do not edit");
    lines.push_back("loader = bitmap");
    lines.push_back("format = png");
    lines.push_back("bitmaps = 1");
    for (const Glyph& g : face.glyphs) {
        std::string record = std::to_string(g.code) + "," + std::to_string(g.left) + ",0," +
                             std::to_string(g.advance);
        if (g.width > 0)
            record += ",0," + std::to_string(g.pageX) + "," + std::to_string(g.pageY) + "," +
                      std::to_string(g.width) + "," + std::to_string(face.CellHeight());
        lines.push_back(record);
    }
    // The reader cuts every line at its first apostrophe or double slash.
    for (size_t i = 1; i < lines.size(); ++i)
        if (lines[i].find('\'') != std::string::npos || lines[i].find("//") != std::string::npos)
            Fail("a data line of " + path + " holds a comment marker");
    std::ofstream out(path, std::ios::binary);
    for (const std::string& line : lines)
        out << line << '\n';
    if (!out.good())
        Fail("cannot write " + path);
}

// The numbers the game relies on: every code present, spaces without pictures, every
// rectangle one full cell high, on the page, not overlapping another.
void Verify(const Face& face, int pageWidth, int pageHeight) {
    if (face.glyphs.size() != PrintableCodes().size())
        Fail("expected " + std::to_string(PrintableCodes().size()) + " glyphs");
    for (const Glyph& g : face.glyphs) {
        // Only the spaces and the soft hyphen may be blank.
        bool space = g.code == 32 || g.code == 160;
        bool mayBeBlank = space || g.code == 173;
        if (space ? g.width != 0 : (g.width == 0 && !mayBeBlank))
            Fail("code " + std::to_string(g.code) + " has no ink");
        if (g.advance <= 0)
            Fail("code " + std::to_string(g.code) + " does not advance");
        if (g.width == 0)
            continue;
        if (g.pageX < Margin || g.pageY < Margin || g.pageX + g.width + Margin > pageWidth ||
            g.pageY + face.CellHeight() + Margin > pageHeight)
            Fail("code " + std::to_string(g.code) + " off the page");
        if (face.ascent - g.top < 0 || face.ascent - g.top + g.rows > face.CellHeight())
            Fail("code " + std::to_string(g.code) + " ink outside its cell");
    }
    for (size_t i = 0; i < face.glyphs.size(); ++i)
        for (size_t j = i + 1; j < face.glyphs.size(); ++j) {
            const Glyph& a = face.glyphs[i];
            const Glyph& b = face.glyphs[j];
            if (a.width == 0 || b.width == 0)
                continue;
            bool apart = a.pageX + a.width + 2 * Margin <= b.pageX ||
                         b.pageX + b.width + 2 * Margin <= a.pageX ||
                         a.pageY + face.CellHeight() + 2 * Margin <= b.pageY ||
                         b.pageY + face.CellHeight() + 2 * Margin <= a.pageY;
            if (!apart)
                Fail("glyph rectangles overlap");
        }
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Main

int main(int argc, char** argv) {
    Options options = ParseArguments(argc, argv);
    if (options.measure) {
        // The largest pixel size the layout accepts, with the figures that decide readability.
        int best = 0;
        for (int size = 10; size <= 80; ++size)
            if (LayoutHolds(Rasterise(options.font, size), options.layout, false))
                best = size;
        if (best == 0)
            Fail("no size fits the layout");
        Face face = Rasterise(options.font, best);
        std::printf("%s: size %d, cell %d, x-height %d, lowercase alphabet %d px\n",
                    options.font.c_str(), best, face.CellHeight(), face.xHeight,
                    TextWidth(face, "abcdefghijklmnopqrstuvwxyz"));
        return 0;
    }
    Face face = Rasterise(options.font, options.size, options.fallback);
    if (!LayoutHolds(face, options.layout, true))
        Fail("size " + std::to_string(options.size) + " breaks the screen layouts");
    if (!Pack(face, options.pageWidth, options.pageHeight))
        Fail("the glyphs do not fit a " + std::to_string(options.pageWidth) + "x" +
             std::to_string(options.pageHeight) + " page");
    Verify(face, options.pageWidth, options.pageHeight);
    WritePage(face, options.out + "/" + options.name + "_0.png", options.pageWidth,
              options.pageHeight);
    WriteDescription(face, options, options.out + "/" + options.name + ".txt");
    return 0;
}
