// The text input.
#include "gui/input.h"

#include <climits>
#include <cmath>

#include "framework/bitmap_font.h"
#include "framework/config.h"
#include "framework/content_manager.h"
#include "framework/playfield.h"
#include "gui/skin.h"
#include "platform/graphics.h"
#include "platform/input.h"

namespace {

// The font tables cover codes 0..255 only.
constexpr int LastCode = 255;

String CursorText(int code) {
    return String(1, static_cast<char16_t>(code >= 0 && code <= LastCode ? code : 95));
}

} // namespace

float iGuiInput::Height() const {
    if (height != 0) {
        return static_cast<float>(height) * scaleY;
    }
    if (surfaceImage || !font) {
        return 0;
    }
    return font->height * scaleY;
}

int iGuiInput::SetHeight(float h) {
    height = static_cast<int>(h);
    return height;
}

float iGuiInput::Width() const {
    if (width != 0) {
        return static_cast<float>(width) * scaleX;
    }
    if (surfaceImage || !font) {
        return 0;
    }
    return font->TextWidth(text + CursorText(cursor), scaleX);
}

int iGuiInput::SetWidth(float w) {
    width = static_cast<int>(w);
    return width;
}

void iGuiInput::SetText(const String& value) {
    text = value;
    if (maxChar > 0 && static_cast<int>(text.size()) > maxChar) {
        text.resize(static_cast<std::size_t>(maxChar));
    }
}

void iGuiInput::SetMaxChar(int count) { maxChar = count; }

void iGuiInput::SetCursorColor(float r, float g, float b) {
    cursorRed = static_cast<int>(r);
    cursorGreen = static_cast<int>(g);
    cursorBlue = static_cast<int>(b);
}

void iGuiInput::SetSurfaceColor(float r, float g, float b) {
    surfaceRed = r;
    surfaceGreen = g;
    surfaceBlue = b;
}

void iGuiInput::SetSurfaceGhostColor(float r, float g, float b) {
    surfaceGhostRed = r;
    surfaceGhostGreen = g;
    surfaceGhostBlue = b;
}

void iGuiInput::SetSurfaceImageData(const ImageData& data) {
    width = static_cast<int>(Width());
    height = static_cast<int>(Height());
    surfaceImageData = data;
}

bool iGuiInput::Focused() const {
    auto holder = GetPlayfield();
    return holder && holder->focusedInputId == focusTag;
}

bool iGuiInput::Accepts(int c) const {
    // Beyond Latin-1, what the font can draw too ("œ", the typographic apostrophe).
    if (c < 32 || c > 0xFFFF) {
        return false;
    }
    if (c != 32 && !font->HasGlyph(static_cast<char16_t>(c))) {
        return false;
    }
    if (maxChar != 0) {
        // A negative limit accepts nothing.
        return static_cast<int>(text.size()) < maxChar;
    }
    const String cursorText = CursorText(cursor);
    return font->TextWidth(text + cursorText, scaleX) + font->TextWidth(cursorText, scaleX) +
               static_cast<float>(borders) * scaleX <
           static_cast<float>(width) * scaleX;
}

void iGuiInput::Update() {
    iGuiObject::Update();
    UpdateEvents();
    if (over && released) {
        if (auto holder = GetPlayfield()) {
            holder->focusedInputId = focusTag;
        }
    }
    if (!Focused() || !font) {
        return;
    }
    // Every character typed since the last update, in order: the queue is emptied after each
    // update, and several keys can come between two of them.
    for (int c = platform::GetChar(); c != 0; c = platform::GetChar()) {
        if (c == 8) {
            if (!text.empty()) {
                text.pop_back();
            }
        } else if (c != 13 && c != 27 && Accepts(c)) {
            text += static_cast<char16_t>(c);
        }
    }
    // Counted wide: a skin may give any delay.
    blinkCounter = blinkCounter < INT_MAX ? blinkCounter + 1 : 0;
    if (blinkCounter > 2LL * cursorDelay) {
        blinkCounter = 0;
    }
}

void iGuiInput::Draw(bool ghostLook) {
    if (!font) {
        return;
    }
    PushWidgetRotation(*this);
    const float left = Left();
    const float top = Top();
    if (testMode) {
        ApplyLook(*this, testBlend, testAlpha, testRed, testGreen, testBlue);
        DrawRectOutline(platform::TruncToInt(Width() + 2), platform::TruncToInt(Height() + 2), 1,
                        std::trunc(left - 1), std::trunc(top - 1));
    }
    if (surface) {
        if (ghostLook) {
            ApplyLook(*this, surfaceGhostBlend, surfaceGhostAlpha, surfaceGhostRed,
                      surfaceGhostGreen, surfaceGhostBlue);
        } else {
            ApplyLook(*this, surfaceBlend, surfaceAlpha, surfaceRed, surfaceGreen, surfaceBlue);
        }
        if (surfaceImage) {
            DrawSkinImage(surfaceImage, 0, left, top, 0, scaleX, scaleY, surfaceImageData, width,
                          height);
        } else {
            platform::DrawRect(left, top, Width(), Height());
        }
    }
    const float textWidth = font->TextWidth(text, scaleX);
    const float tx = left + Width() / 2 - textWidth / 2 + textX * scaleX;
    const float ty = top + Height() / 2 - font->TextHeight(text, scaleY) / 2 + textY * scaleY;
    if (ghostLook) {
        ApplyLook(*this, ghostBlend, ghostAlpha, ghostRed, ghostGreen, ghostBlue);
    } else {
        ApplyLook(*this, blend, alpha, red, green, blue);
    }
    font->DrawText(text, tx, ty, scaleX, scaleY);
    if (!ghostLook && CursorShown()) {
        ApplyLook(*this, cursorBlend, cursorAlpha, static_cast<float>(cursorRed),
                  static_cast<float>(cursorGreen), static_cast<float>(cursorBlue));
        font->DrawText(CursorText(cursor), tx + textWidth, ty, scaleX, scaleY);
    }
    platform::PopMatrix();
}

void iGuiInput::Render() {
    Draw(false);
    DrawDebugText();
}

void iGuiInput::RenderGhost() { Draw(true); }

void iGuiInput::MidHandle() {
    if (width != 0 || height != 0) {
        handleX = width / 2;
        handleY = height / 2;
    }
    if (!surfaceImage && font) {
        handleX = static_cast<int>(font->TextWidth(text, 1.0f) * 0.5f);
        handleY = static_cast<int>(font->TextHeight(text, 1.0f) * 0.5f);
    }
}

bool iGuiInput::LoadSkin(iConfig& config, const String& prefix) {
    const auto key = [&prefix](const char16_t* k) { return prefix + k; };
    surfaceImage = ReadSkinImage(config, key(u"surfaceImagePointer"), surfaceImage);
    const std::vector<int> data = config.GetIntArray(key(u"surfaceImagedata"), u",", {});
    if (!data.empty()) {
        SetSurfaceImageData(data);
    }
    if (!font) {
        if (!TheContentManager) {
            ResetContentManager();
        }
        font = TheContentManager->GetFont(config.GetString(key(u"bitmapFont"), u""));
    }
    SetText(config.GetString(key(u"text"), text));
    textX = config.GetFloat(key(u"textX"), textX);
    textY = config.GetFloat(key(u"textY"), textY);
    cursor = config.GetInt(key(u"cursor"), cursor);
    cursorDelay = config.GetInt(key(u"cursorDelay"), cursorDelay);
    maxChar = config.GetInt(key(u"maxChar"), maxChar);
    cursorAlpha = config.GetFloat(key(u"cursorAlpha"), cursorAlpha);
    cursorBlend = config.GetInt(key(u"cursorBlend"), cursorBlend);
    cursorBlue = config.GetInt(key(u"cursorBlue"), cursorBlue);
    cursorGreen = config.GetInt(key(u"cursorGreen"), cursorGreen);
    cursorRed = config.GetInt(key(u"cursorRed"), cursorRed);
    surfaceAlpha = config.GetFloat(key(u"surfaceAlpha"), surfaceAlpha);
    surfaceBlend = config.GetInt(key(u"surfaceBlend"), surfaceBlend);
    surfaceBlue = ReadSkinColour(config, key(u"surfaceBlue"), surfaceBlue);
    surfaceGreen = ReadSkinColour(config, key(u"surfaceGreen"), surfaceGreen);
    surfaceRed = ReadSkinColour(config, key(u"surfaceRed"), surfaceRed);
    surfaceGhostAlpha = config.GetFloat(key(u"surfaceghostAlpha"), surfaceGhostAlpha);
    surfaceGhostBlend = config.GetInt(key(u"surfaceghostBlend"), surfaceGhostBlend);
    surfaceGhostBlue = ReadSkinColour(config, key(u"surfaceghostBlue"), surfaceGhostBlue);
    surfaceGhostGreen = ReadSkinColour(config, key(u"surfaceghostGreen"), surfaceGhostGreen);
    surfaceGhostRed = ReadSkinColour(config, key(u"surfaceghostRed"), surfaceGhostRed);
    surface = config.GetBool(key(u"surface"), surface);
    borders = config.GetInt(key(u"borders"), borders);
    // A limit read after the text still holds.
    SetText(text);
    return iGuiObject::LoadSkin(config, prefix);
}
