// The one-line label.
#include "gui/label.h"

#include <cmath>

#include "framework/bitmap_font.h"
#include "framework/config.h"
#include "framework/content_manager.h"
#include "gui/skin_drawing.h"
#include "platform/graphics.h"

float iGuiLabel::Height() const { return font ? font->height * scaleY : 0.0f; }

float iGuiLabel::Width() const { return font ? font->TextWidth(text, scaleX) : 0.0f; }

int iGuiLabel::OnCreate() {
    exclusive = false;
    return 0;
}

void iGuiLabel::MidHandle() {
    if (font) {
        handleX = platform::TruncToInt(font->TextWidth(text, 1.0f) * 0.5f);
        handleY = platform::TruncToInt(font->height * 0.5f);
    }
}

void iGuiLabel::Render() {
    if (!font) {
        return;
    }
    PushWidgetRotation(*this);
    DrawTextOutline(*this, outline, [this](float dx, float dy) {
        font->DrawText(text, Left() + dx, Top() + dy, scaleX, scaleY);
    });
    if (visualState == 1) {
        ApplyLook(*this, mouseOverBlend, mouseOverAlpha, mouseOverRed, mouseOverGreen,
                  mouseOverBlue);
    } else {
        ApplyLook(*this, blend, alpha, red, green, blue);
    }
    font->DrawText(text, Left(), Top(), scaleX, scaleY);
    platform::PopMatrix();
    DrawDebugText();
}

void DrawTextOutline(const iGuiObject& widget, const TextOutline& outline,
                     const std::function<void(float dx, float dy)>& draw) {
    if (!outline.on) {
        return;
    }
    ApplyLook(widget, widget.blend, widget.alpha * outline.alpha, outline.red, outline.green,
              outline.blue);
    const float dx = outline.width * widget.scaleX;
    const float dy = outline.width * widget.scaleY;
    for (int oy = -1; oy <= 1; ++oy) {
        for (int ox = -1; ox <= 1; ++ox) {
            if (ox != 0 || oy != 0) {
                draw(static_cast<float>(ox) * dx, static_cast<float>(oy) * dy);
            }
        }
    }
}

void iGuiLabel::RenderGhost() {
    if (!font) {
        return;
    }
    PushWidgetRotation(*this);
    ApplyLook(*this, ghostBlend, ghostAlpha, ghostRed, ghostGreen, ghostBlue);
    font->DrawText(text, Left(), Top(), scaleX, scaleY);
    platform::PopMatrix();
}

void ReadTextSkin(iConfig& config, const String& prefix, std::shared_ptr<iBitmapFont>& font,
                  String& text) {
    if (!font) {
        if (!TheContentManager) {
            ResetContentManager();
        }
        font = TheContentManager->GetFont(config.GetString(prefix + u"bitmapFont", u""));
    }
    text = config.GetString(prefix + u"text", text);
}

bool iGuiLabel::LoadSkin(iConfig& config, const String& prefix) {
    ReadTextSkin(config, prefix, font, text);
    return iGuiObject::LoadSkin(config, prefix);
}
