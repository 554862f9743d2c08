// The link.
#include "gui/link.h"

#include "framework/bitmap_font.h"
#include "framework/config.h"
#include "gui/label.h"
#include "gui/skin_drawing.h"
#include "platform/graphics.h"

float iGuiLink::Height() const {
    if (!font) {
        return 0;
    }
    float h = font->TextHeight(text, scaleY);
    if (underline) {
        h += static_cast<float>(underlineOffset + 1) * scaleY;
    }
    return h;
}

float iGuiLink::Width() const { return font ? font->TextWidth(text, scaleX) : 0.0f; }

bool iGuiLink::HitTest(int touch) { return font && iGuiObject::HitTest(touch); }

void iGuiLink::Update() {
    iGuiObject::Update();
    UpdateEvents();
    if (desktop) {
        visualState = over ? 1 : 0;
    } else if (released || !over) {
        visualState = 0;
    } else if (hit) {
        visualState = 1;
    }
}

void iGuiLink::Render() {
    if (font) {
        PushWidgetRotation(*this);
        const float left = Left();
        const float top = Top();
        if (visualState == 1) {
            ApplyLook(*this, mouseOverBlend, mouseOverAlpha, mouseOverRed, mouseOverGreen,
                      mouseOverBlue);
            if (underline) {
                const float u =
                    top + font->TextHeight(text, scaleY) + static_cast<float>(underlineOffset);
                platform::DrawLine(left, u, left + font->TextWidth(text, scaleX), u);
            }
        } else {
            ApplyLook(*this, blend, alpha, red, green, blue);
        }
        font->DrawText(text, left, top, scaleX, scaleY);
        platform::PopMatrix();
    }
    DrawDebugText();
}

void iGuiLink::RenderGhost() {
    if (!font) {
        return;
    }
    PushWidgetRotation(*this);
    ApplyLook(*this, ghostBlend, ghostAlpha, ghostRed, ghostGreen, ghostBlue);
    font->DrawText(text, Left(), Top(), scaleX, scaleY);
    platform::PopMatrix();
}

void iGuiLink::MidHandle() {
    if (!font) {
        return;
    }
    handleX = static_cast<int>(font->TextWidth(text, 1.0f) * 0.5f);
    handleY = static_cast<int>(font->height * 0.5f);
}

bool iGuiLink::LoadSkin(iConfig& config, const String& prefix) {
    String ignored;
    // Only the font: the text key comes last in a link's skin.
    ReadTextSkin(config, prefix, font, ignored);
    desktop = config.GetBool(prefix + u"desktop", desktop);
    underline = config.GetBool(prefix + u"underline", underline);
    underlineOffset = config.GetInt(prefix + u"underlineOffset", underlineOffset);
    text = config.GetString(prefix + u"text", text);
    return iGuiObject::LoadSkin(config, prefix);
}
