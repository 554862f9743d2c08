#include "framework/bitmap_font.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "framework/config.h"
#include "platform/graphics.h"

namespace {

// A record line split at ","; 4 pieces give metrics, 9 pieces a glyph cut from a page.
struct GlyphRecord {
    int numbers[9] = {};
    int size = 0;
};

bool ReadRecord(const String& line, GlyphRecord& record) {
    const std::vector<String> pieces = platform::Split(line, u",");
    if (pieces.size() != 4 && pieces.size() != 9)
        return false;
    record.size = static_cast<int>(pieces.size());
    for (int i = 0; i < record.size; ++i)
        record.numbers[i] = platform::ToInt(pieces[static_cast<std::size_t>(i)]);
    // Codes outside the tables cannot be held.
    return record.numbers[0] >= 0 && record.numbers[0] < iBitmapFont::GlyphCount;
}

// Folder part of a description path with its separator, "" when it has none.
String FolderPrefix(const String& path) {
    std::size_t slash = path.find_last_of(u'/');
    if (slash == String::npos)
        slash = path.find_last_of(u'\\');
    return slash == String::npos ? String() : path.substr(0, slash) + u"/";
}

// The characters beyond Latin-1 that the fonts hold, at their Windows-1252 places.
struct ExtraGlyph {
    char16_t unit;
    int code;
    const char16_t* standIn;
};
constexpr ExtraGlyph ExtraGlyphs[] = {{u'\u2019', 0x92, u"'"},
                                      {u'\u0152', 0x8C, u"OE"},
                                      {u'\u0153', 0x9C, u"oe"},
                                      {u'\u2026', 0x85, u"..."}};

const ExtraGlyph* FindExtra(char16_t unit) {
    for (const ExtraGlyph& extra : ExtraGlyphs)
        if (extra.unit == unit)
            return &extra;
    return nullptr;
}

} // namespace

int iBitmapFont::GlyphCode(char16_t unit) {
    if (unit < GlyphCount)
        return unit;
    const ExtraGlyph* extra = FindExtra(unit);
    return extra ? extra->code : -1;
}

const char16_t* iBitmapFont::StandIn(char16_t unit) {
    const ExtraGlyph* extra = FindExtra(unit);
    return extra ? extra->standIn : nullptr;
}

bool iBitmapFont::Missing(int code) const { return !images[static_cast<std::size_t>(code)]; }

bool iBitmapFont::HasGlyph(char16_t unit) const {
    const int code = GlyphCode(unit);
    if (code < 0)
        return false;
    const char16_t* standIn = StandIn(unit);
    if (standIn && Missing(code)) {
        for (const char16_t* c = standIn; *c; ++c)
            if (!images[static_cast<std::size_t>(*c)])
                return false;
        return true;
    }
    return images[static_cast<std::size_t>(code)] != nullptr;
}

template <class Step> void iBitmapFont::ForEachGlyph(const String& text, Step step) const {
    for (const char16_t unit : text) {
        const int code = GlyphCode(unit);
        if (code < 0)
            continue;
        const char16_t* standIn = StandIn(unit);
        if (standIn && Missing(code)) {
            for (const char16_t* c = standIn; *c; ++c)
                step(static_cast<std::size_t>(*c));
        } else {
            step(static_cast<std::size_t>(code));
        }
    }
}

std::shared_ptr<iBitmapFont> iBitmapFont::New(const String& path) {
    auto font = std::make_shared<iBitmapFont>();
    font->Load(path);
    return font;
}

void iBitmapFont::Load(const String& path) {
    iConfig config;
    config.Load(path);
    const String loader = config.GetString(u"loader", u"char");
    if (loader == u"bitmap")
        LoadPages(path, config);
    else if (loader == u"char")
        LoadChars(path, config);
}

void iBitmapFont::RaiseHeight(const platform::ImagePtr& image) {
    if (image && static_cast<float>(image->Height()) > height)
        height = static_cast<float>(image->Height());
}

void iBitmapFont::LoadPages(const String& path, const iConfig& config) {
    // More pages than glyph codes could never be used; the cap also keeps a broken count from
    // trying billions of file names.
    const int pageCount = std::min(config.GetInt(u"bitmaps", 0), GlyphCount);
    const String format = config.GetString(u"format", u"png");
    const String stem = FolderPrefix(path) + platform::StripAll(path) + u"_";
    std::vector<platform::ImagePtr> pages;
    for (int page = 0; page < pageCount; ++page)
        pages.push_back(platform::LoadImage(stem + platform::Str(page) + u"." + format, 1, 0));

    GlyphRecord record;
    for (const String& line : config.lines) {
        if (!ReadRecord(line, record))
            continue;
        const std::size_t code = static_cast<std::size_t>(record.numbers[0]);
        if (record.size == 9) {
            const int page = record.numbers[4];
            if (page < 0 || page >= static_cast<int>(pages.size()) ||
                !pages[static_cast<std::size_t>(page)])
                continue;
            const int w = record.numbers[7];
            const int h = record.numbers[8];
            // An empty rectangle is a glyph with nothing to draw; one that leaves its page is
            // a broken record and is dropped whole.
            if (w > 0 && h > 0) {
                const platform::ImagePtr& sheet = pages[static_cast<std::size_t>(page)];
                const int x = record.numbers[5];
                const int y = record.numbers[6];
                // Checked here without overflow: the numbers come straight from the file.
                if (x < 0 || y < 0 || w > sheet->Width() - x || h > sheet->Height() - y)
                    continue;
                platform::ImagePtr glyph = platform::GrabImage(sheet, x, y, w, h, 1, 0);
                if (!glyph)
                    continue;
                RaiseHeight(glyph);
                images[code] = std::move(glyph);
            }
        }
        xOffset[code] = record.numbers[1];
        yOffset[code] = record.numbers[2];
        advance[code] = record.numbers[3];
    }
}

void iBitmapFont::LoadChars(const String& path, const iConfig& config) {
    const String format = config.GetString(u"format", u"png");
    const String folder = platform::StripExt(path) + u"/";
    GlyphRecord record;
    for (const String& line : config.lines) {
        if (!ReadRecord(line, record) || record.size != 4)
            continue;
        const int code = record.numbers[0];
        const std::size_t index = static_cast<std::size_t>(code);
        // The space is never drawn, so it has no picture to load.
        if (code != 32) {
            images[index] = platform::LoadImage(folder + platform::Str(code) + u"." + format, 1, 0);
            RaiseHeight(images[index]);
        }
        xOffset[index] = record.numbers[1];
        yOffset[index] = record.numbers[2];
        advance[index] = record.numbers[3];
    }
}

void iBitmapFont::DrawText(const String& text, float x, float y, float scaleX, float scaleY) const {
    float pen = x;
    ForEachGlyph(text, [&](std::size_t code) {
        if (images[code]) {
            platform::DrawImageTransformed(
                images[code], pen + static_cast<float>(xOffset[code]) * scaleX,
                y + static_cast<float>(yOffset[code]) * scaleY, 0.0f, scaleX, scaleY, 0);
        }
        pen += static_cast<float>(static_cast<std::int64_t>(advance[code]) + spacing) * scaleX;
    });
}

float iBitmapFont::TextWidth(const String& text, float scale) const {
    // Summed as an integer like the pen's steps; wide enough that no description overflows it.
    std::int64_t width = 0;
    ForEachGlyph(text, [&](std::size_t code) {
        width += static_cast<std::int64_t>(advance[code]) + spacing;
    });
    return static_cast<float>(width) * scale;
}

float iBitmapFont::TextHeight(const String&, float scale) const { return height * scale; }
