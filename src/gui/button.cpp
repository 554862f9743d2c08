// The image button.
//
// Index:
//   size and caption placement
//   update
//   drawing
//   skin
#include "gui/button.h"

#include <cmath>

#include "framework/bitmap_font.h"
#include "framework/config.h"
#include "framework/content_manager.h"
#include "gui/skin.h"
#include "gui/skin_drawing.h"
#include "platform/graphics.h"

// --- size and caption placement ---

float iGuiButton::Width() const {
    if (width != 0) {
        return static_cast<float>(width) * scaleX;
    }
    if (image) {
        return static_cast<float>(image->Width()) * scaleX;
    }
    return font ? TextWidth() : 0.0f;
}

float iGuiButton::Height() const {
    if (height != 0) {
        return static_cast<float>(height) * scaleY;
    }
    if (image) {
        return static_cast<float>(image->Height()) * scaleY;
    }
    return font ? TextHeight() : 0.0f;
}

float iGuiButton::TextWidth() const { return font ? font->TextWidth(text, textScaleX) : 0.0f; }

float iGuiButton::TextHeight() const { return font ? font->height * textScaleY : 0.0f; }

void iGuiButton::MidHandle() {
    if (image) {
        handleX = image->Width() / 2;
        handleY = image->Height() / 2;
    } else {
        handleX = width / 2;
        handleY = height / 2;
    }
}

void iGuiButton::LoadImage(const String& imageName) {
    if (!TheContentManager) {
        ResetContentManager();
    }
    image = TheContentManager->GetImage(imageName, 1, 0);
}

void iGuiButton::CenterText(int dx, int dy) {
    const int w = width != 0 ? width : (image ? image->Width() : 0);
    const int h = height != 0 ? height : (image ? image->Height() : 0);
    if (w != 0) {
        textX = static_cast<float>(w) * 0.5f - TextWidth() * 0.5f + static_cast<float>(dx);
    }
    if (h != 0) {
        textY = static_cast<float>(h) * 0.5f - TextHeight() * 0.5f + static_cast<float>(dy);
    }
}

void iGuiButton::SetTextGhostColor(float r, float g, float b) {
    textGhostRed = r;
    textGhostGreen = g;
    textGhostBlue = b;
}

void iGuiButton::SetImageData(const std::vector<int>& data) {
    width = platform::TruncToInt(Width());
    height = platform::TruncToInt(Height());
    imageData = data;
}

// --- update ---

void iGuiButton::Update() {
    iGuiObject::Update();
    UpdateEvents();
    if (desktop) {
        visualState = over ? 1 : 0;
        return;
    }
    if (hit && over) {
        visualState = 1;
    }
    if (released || !over) {
        visualState = 0;
    }
}

// --- drawing ---

void iGuiButton::DrawLook(const Look& look) const {
    PushWidgetRotation(*this);
    const float left = Left();
    const float top = Top();
    ApplyLook(*this, look.blend, look.alpha, look.red, look.green, look.blue);
    const platform::ImagePtr& picture = *look.picture ? *look.picture : image;
    if (picture) {
        DrawSkinImage(picture, frame, left, top, 0, scaleX, scaleY, imageData, width, height);
    } else if (fillWhenEmpty) {
        platform::DrawRect(left, top, Width(), Height());
    }
    // A caption without a font has nothing to be drawn with.
    if (!text.empty() && font) {
        ApplyLook(*this, look.textBlend, look.textAlpha, look.textRed, look.textGreen,
                  look.textBlue);
        font->DrawText(text, left + textX * scaleX, top + textY * scaleY, textScaleX * scaleX,
                       textScaleY * scaleY);
    }
    if (testMode) {
        ApplyLook(*this, testBlend, testAlpha, testRed, testGreen, testBlue);
        const float l = std::trunc(left - 1);
        const float t = std::trunc(top - 1);
        DrawRectOutline(platform::TruncToInt(Width() + 2), platform::TruncToInt(Height() + 2), 1, l,
                        t);
    }
    platform::PopMatrix();
}

void iGuiButton::Render() {
    if (visualState == 1) {
        DrawLook({mouseOverBlend, mouseOverAlpha, mouseOverRed, mouseOverGreen, mouseOverBlue,
                  &mouseOverImage, textMouseOverBlend, textMouseOverAlpha, textMouseOverRed,
                  textMouseOverGreen, textMouseOverBlue});
    } else {
        DrawLook({blend, alpha, red, green, blue, &image, textBlend, textAlpha, textRed, textGreen,
                  textBlue});
    }
    DrawDebugText();
}

void iGuiButton::RenderGhost() {
    DrawLook({ghostBlend, ghostAlpha, ghostRed, ghostGreen, ghostBlue, &ghostImage, textGhostBlend,
              textGhostAlpha, textGhostRed, textGhostGreen, textGhostBlue});
}

// --- skin ---

bool iGuiButton::LoadSkin(iConfig& config, const String& prefix) {
    const auto key = [&prefix](const char16_t* k) { return prefix + k; };
    image = ReadSkinImage(config, key(u"imagePointer"), image);
    mouseOverImage = ReadSkinImage(config, key(u"mouseOverImagePointer"), mouseOverImage);
    ghostImage = ReadSkinImage(config, key(u"ghostImagePointer"), ghostImage);
    const std::vector<int> data = config.GetIntArray(key(u"imagedata"), u",", {});
    if (!data.empty()) {
        SetImageData(data);
    }
    frame = config.GetInt(key(u"frame"), frame);
    desktop = config.GetBool(key(u"desktop"), desktop);
    iGuiObject::LoadSkin(config, prefix);
    if (!config.HasKey(key(u"text"))) {
        return true;
    }
    text = config.GetString(key(u"text"), text);
    if (!font) {
        if (!TheContentManager) {
            ResetContentManager();
        }
        font = TheContentManager->GetFont(config.GetString(key(u"bitmapFont"), u""));
    }
    textX = ReadSkinColour(config, key(u"textX"), textX);
    textY = ReadSkinColour(config, key(u"textY"), textY);
    textScaleX = config.GetFloat(key(u"textScaleX"), textScaleX);
    textScaleY = config.GetFloat(key(u"textScaleY"), textScaleY);
    textAlpha = config.GetFloat(key(u"textalpha"), textAlpha);
    textBlend = config.GetInt(key(u"textblend"), textBlend);
    textBlue = ReadSkinColour(config, key(u"textblue"), textBlue);
    textGreen = ReadSkinColour(config, key(u"textgreen"), textGreen);
    textRed = ReadSkinColour(config, key(u"textred"), textRed);
    textGhostAlpha = config.GetFloat(key(u"textghostalpha"), textGhostAlpha);
    textGhostBlend = config.GetInt(key(u"textghostblend"), textGhostBlend);
    textGhostBlue = ReadSkinColour(config, key(u"textghostblue"), textGhostBlue);
    textGhostGreen = ReadSkinColour(config, key(u"textghostgreen"), textGhostGreen);
    textGhostRed = ReadSkinColour(config, key(u"textghostred"), textGhostRed);
    textMouseOverAlpha = config.GetFloat(key(u"textmouseoveralpha"), textMouseOverAlpha);
    textMouseOverBlend = config.GetInt(key(u"textmouseoverblend"), textMouseOverBlend);
    textMouseOverBlue = ReadSkinColour(config, key(u"textmouseoverblue"), textMouseOverBlue);
    textMouseOverGreen = ReadSkinColour(config, key(u"textmouseovergreen"), textMouseOverGreen);
    textMouseOverRed = ReadSkinColour(config, key(u"textmouseoverred"), textMouseOverRed);
    if (config.HasKey(key(u"textcenter"))) {
        const std::vector<String> pieces =
            platform::Split(config.GetString(key(u"textcenter"), u""), u",");
        if (pieces.size() == 2) {
            CenterText(platform::ToInt(platform::Trim(pieces[0])),
                       platform::ToInt(platform::Trim(pieces[1])));
        }
    }
    return true;
}
