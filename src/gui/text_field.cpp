// Word wrap and the wrapped text field.
#include "gui/text_field.h"

#include <cmath>

#include "framework/bitmap_font.h"
#include "framework/config.h"
#include "gui/label.h"
#include "gui/skin_drawing.h"
#include "platform/graphics.h"

StringList WordWrap(const iBitmapFont* font, int maxWidth, const String& text) {
    const std::vector<String> pieces =
        platform::Split(platform::Replace(text, u"\n", u" \n "), u" ");
    StringList result;
    String line;
    for (const String& piece : pieces) {
        if (platform::Contains(piece, u"\n")) {
            result.push_back(platform::Trim(line));
            line.clear();
            continue;
        }
        const float measured = font ? font->TextWidth(line + piece, 1.0f) : 0.0f;
        if (static_cast<float>(maxWidth) > measured) {
            line += piece + u" ";
        } else {
            result.push_back(line);
            line = piece + u" ";
        }
    }
    if (!line.empty()) {
        result.push_back(line);
    }
    return result;
}

String CutWithEllipsis(const iBitmapFont* font, float maxWidth, const String& text) {
    if (!font || font->TextWidth(text) < maxWidth) {
        return text;
    }
    const String ellipsis = u"\u2026";
    std::size_t kept = text.size();
    String cut;
    do {
        --kept;
        // A character written as two units stays whole.
        if (kept > 0 && text[kept] >= 0xDC00 && text[kept] < 0xE000) {
            --kept;
        }
        cut = text.substr(0, kept);
        while (!cut.empty() && (cut.back() == u' ' || cut.back() == u'\u00A0')) {
            cut.pop_back();
        }
        cut += ellipsis;
    } while (kept > 0 && font->TextWidth(cut) >= maxWidth);
    return cut;
}

int iGuiTextField::OnCreate() {
    exclusive = false;
    return 0;
}

int iGuiTextField::SetHeight(float h) {
    height = platform::TruncToInt(h);
    return height;
}

int iGuiTextField::SetWidth(float w) {
    width = platform::TruncToInt(w);
    return width;
}

float iGuiTextField::Height() const {
    const float lineHeight = font ? font->height : 0.0f;
    if (height != 0) {
        return static_cast<float>(height) * lineHeight;
    }
    if (lines) {
        return static_cast<float>(lines->size()) * lineHeight;
    }
    return static_cast<float>(Wrapped().size()) * lineHeight;
}

const StringList& iGuiTextField::Wrapped() const {
    WrapCache& c = wrapCache_;
    // Layout asks for the height many times a frame; the text rarely changes between asks.
    const int spacing = font ? font->spacing : 0;
    // Held weakly: a font that died is never taken for the one now set at the same address.
    const bool sameFont = c.hadFont == (font != nullptr) && c.font.lock() == font;
    const bool same =
        c.valid && sameFont && c.width == width && c.spacing == spacing && c.text == text;
    if (!same) {
        c.lines = WordWrap(font.get(), width, text);
        c.text = text;
        c.font = font;
        c.hadFont = font != nullptr;
        c.spacing = spacing;
        c.width = width;
        c.valid = true;
    }
    return c.lines;
}

void iGuiTextField::MidHandle() {
    handleX = platform::TruncToInt(Width() * 0.5f);
    handleY = platform::TruncToInt(Height() * 0.5f);
}

void iGuiTextField::Update() {
    iGuiObject::Update();
    // Any change re-wraps, a change from an empty text too.
    if (text != lastText) {
        lines.reset();
    }
    lastText = text;
    if (!lines) {
        StringList wrapped = Wrapped();
        if (height > 0 && wrapped.size() > static_cast<std::size_t>(height)) {
            wrapped.resize(static_cast<std::size_t>(height));
        }
        lines = std::make_shared<StringList>(std::move(wrapped));
    }
}

void iGuiTextField::DrawLines(float dx, float dy) const {
    if (!lines || !font) {
        return;
    }
    float offset = 0;
    for (const String& line : *lines) {
        float left = Left();
        if (centred) {
            left += static_cast<float>(width) * 0.5f - font->TextWidth(line, scaleX) * 0.5f;
        }
        font->DrawText(line, left + dx, Top() + offset + dy, scaleX, scaleY);
        offset += font->height * scaleY;
    }
}

void iGuiTextField::Render() {
    PushWidgetRotation(*this);
    DrawTextOutline(*this, outline, [this](float dx, float dy) { DrawLines(dx, dy); });
    ApplyLook(*this, blend, alpha, red, green, blue);
    DrawLines();
    platform::PopMatrix();
    DrawDebugText();
}

void iGuiTextField::RenderGhost() {
    PushWidgetRotation(*this);
    ApplyLook(*this, ghostBlend, ghostAlpha, ghostRed, ghostGreen, ghostBlue);
    DrawLines();
    platform::PopMatrix();
}

bool iGuiTextField::LoadSkin(iConfig& config, const String& prefix) {
    ReadTextSkin(config, prefix, font, text);
    return iGuiObject::LoadSkin(config, prefix);
}
