#pragma once
// iGuiTextField: a text broken into lines that fit its width, optionally centred line by line
// and limited to a number of lines; a passive widget. Its `width` is the wrapping width in
// unscaled pixels and its `height` the maximum line count (0: no limit).
#include <memory>
#include <vector>

#include "gui/gui_object.h"
#include "gui/label.h"

class iBitmapFont;

using StringList = std::vector<String>;

// Breaks the text at spaces into lines narrower than maxWidth (never inside a word) and at line
// feeds. Lines ended by the width keep one trailing space; lines ended by a line feed are
// trimmed. A word wider than maxWidth stands alone on its line. Never empty for an empty text.
StringList WordWrap(const iBitmapFont* font, int maxWidth, const String& text);
// The text whole when it is narrower than maxWidth, else its longest start that is, with "…"
// after it. Without a font the text is whole.
String CutWithEllipsis(const iBitmapFont* font, float maxWidth, const String& text);

class iGuiTextField : public iGuiObject {
  public:
    std::shared_ptr<iBitmapFont> font;
    String text;
    bool centred = false;
    TextOutline outline;
    // None: wrap again at the next update.
    std::shared_ptr<StringList> lines;
    // The text the last update saw.
    String lastText;

    // Pixels: the line count (or the maximum) times the font height, not scaled.
    float Height() const override;
    // Stores the maximum line count.
    int SetHeight(float h) override;
    float Width() const override { return static_cast<float>(width); }
    int SetWidth(float w) override;
    void RenderGhost() override;
    void Render() override;
    // A ghosted field keeps wrapping.
    void UpdateGhost() override { Update(); }
    void Update() override;
    int OnCreate() override;
    bool LoadSkin(iConfig& config, const String& prefix) override;
    void MidHandle() override;

    // Re-wrapped by the next update.
    void SetText(const String& value) { text = value; }
    const String& GetText() const { return text; }
    // Lines already wrapped stay.
    void SetFont(const std::shared_ptr<iBitmapFont>& value) { font = value; }
    const std::shared_ptr<iBitmapFont>& GetFont() const { return font; }
    void SetCentred(bool value) { centred = value; }

  private:
    void DrawLines(float dx = 0, float dy = 0) const;
    // The text wrapped at the width with the font, wrapped again only when one of them (or
    // the font's spacing) changed since the last time.
    const StringList& Wrapped() const;

    struct WrapCache {
        bool valid = false;
        String text;
        std::weak_ptr<iBitmapFont> font;
        bool hadFont = false;
        int spacing = 0;
        int width = 0;
        StringList lines;
    };
    mutable WrapCache wrapCache_;
};
