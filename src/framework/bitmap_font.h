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

    // The pen starts at x; each glyph's image top-left goes to (pen + xOffset * scaleX,
    // y + yOffset * scaleY). Units above 255 draw nothing and do not move the pen.
    void DrawText(const String& text, float x, float y, float scaleX = 1.0f,
                  float scaleY = 1.0f) const;
    // The distance the pen moves in DrawText with scaleX = scale.
    float TextWidth(const String& text, float scale = 1.0f) const;
    float TextHeight(const String& text, float scale = 1.0f) const;

  private:
    void LoadPages(const String& path, const iConfig& config);
    void LoadChars(const String& path, const iConfig& config);
    void RaiseHeight(const platform::ImagePtr& image);
};
