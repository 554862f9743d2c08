#pragma once
// iBitmapFont: the font of every text the child reads. Each glyph code 0..255 has an offset, an
// advance and an image; a text is drawn glyph by glyph through the current colour, alpha and
// blend. Described by a text file read with iConfig:
//   loader = bitmap | char      (default char; compared case-sensitively)
//   format = png                (extension of the images)
//   bitmaps = N                 (pages of the bitmap loader: <name>_0.png ... <name>_N-1.png)
//   code, xOffset, yOffset, advance                                    (metrics only)
//   code, xOffset, yOffset, advance, page, x, y, width, height         (bitmap loader: glyph
//                                                                       cut from the page)
// The char loader reads one image per code from the folder named like the description without
// its extension ("fonts_x/65.png"); the space never gets one.
//
// Codes are Latin-1 units. The few characters beyond Latin-1 that French needs (typographic
// apostrophe, oe ligatures, ellipsis) take the places Windows-1252 gives them among the control
// codes 128..159, which no text of the game draws. A font without them draws Latin-1 stand-ins.
#include <array>
#include <memory>

#include "platform/image.h"
#include "platform/text.h"

class iConfig;

class iBitmapFont {
  public:
    static constexpr int GlyphCount = 256;

    std::array<int, GlyphCount> xOffset{};
    std::array<int, GlyphCount> yOffset{};
    std::array<int, GlyphCount> advance{};
    std::array<platform::ImagePtr, GlyphCount> images{};
    // Line height: the tallest glyph image.
    float height = 0;
    // Extra pixels after every glyph.
    int spacing = 0;

    // A new font loaded from the description file.
    static std::shared_ptr<iBitmapFont> New(const String& path);
    // A missing description leaves the font empty. Records with a code outside 0..255, on a
    // page that did not load, or whose rectangle leaves its page are ignored.
    void Load(const String& path);

    // The glyph code of a text unit, -1 for a unit the tables hold no place for.
    static int GlyphCode(char16_t unit);
    // The Latin-1 text drawn for a unit of 128..159's characters when a font lacks its glyph
    // ("oe" for the ligature), nullptr for any other unit.
    static const char16_t* StandIn(char16_t unit);
    // Whether the unit draws ink in this font, through its stand-in if need be.
    bool HasGlyph(char16_t unit) const;

    // The pen starts at x; each glyph's image top-left goes to (pen + xOffset * scaleX,
    // y + yOffset * scaleY). Units without a glyph code draw nothing and do not move the pen.
    void DrawText(const String& text, float x, float y, float scaleX = 1.0f,
                  float scaleY = 1.0f) const;
    // The distance the pen moves in DrawText with scaleX = scale.
    float TextWidth(const String& text, float scale = 1.0f) const;
    float TextHeight(const String& text, float scale = 1.0f) const;

  private:
    // No picture at that glyph code: none of the characters beyond Latin-1 is a blank.
    bool Missing(int code) const;
    // Each glyph code the text draws, in order, stand-ins spelled out.
    template <class Step> void ForEachGlyph(const String& text, Step step) const;
    void LoadPages(const String& path, const iConfig& config);
    void LoadChars(const String& path, const iConfig& config);
    void RaiseHeight(const platform::ImagePtr& image);
};
