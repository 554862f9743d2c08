// The horizontal progress bar.
#include "gui/progress_bar.h"

#include <cmath>

#include "framework/config.h"
#include "gui/skin.h"
#include "gui/skin_drawing.h"
#include "platform/graphics.h"

float iGuiProgressBarH::Width() const {
    if (width != 0) {
        return static_cast<float>(width) * scaleX;
    }
    if (surfaceImage) {
        return static_cast<float>(surfaceImage->Width()) * scaleX;
    }
    return image ? static_cast<float>(image->Width()) * scaleX : 0.0f;
}

float iGuiProgressBarH::Height() const {
    if (height != 0) {
        return static_cast<float>(height) * scaleY;
    }
    if (surfaceImage) {
        return static_cast<float>(surfaceImage->Height()) * scaleY;
    }
    return image ? static_cast<float>(image->Height()) * scaleY : 0.0f;
}

int iGuiProgressBarH::SetWidth(float w) {
    width = static_cast<int>(w);
    return width;
}

int iGuiProgressBarH::SetHeight(float h) {
    height = static_cast<int>(h);
    return height;
}

int iGuiProgressBarH::OnCreate() {
    exclusive = false;
    return 0;
}

void iGuiProgressBarH::SetSurfaceColor(float r, float g, float b) {
    surfaceRed = r;
    surfaceGreen = g;
    surfaceBlue = b;
}

void iGuiProgressBarH::SetSurfaceGhostColor(float r, float g, float b) {
    surfaceGhostRed = r;
    surfaceGhostGreen = g;
    surfaceGhostBlue = b;
}

int iGuiProgressBarH::FullWidth() const {
    if (image) {
        return image->Width();
    }
    return barWidth != 0 ? barWidth : width;
}

int iGuiProgressBarH::FullHeight() const {
    if (image) {
        return image->Height();
    }
    return barHeight != 0 ? barHeight : height;
}

int iGuiProgressBarH::FillWidth() const {
    const int full = FullWidth();
    if (full <= 0) {
        return 0;
    }
    // In single precision and in this order, so a full value may fall a pixel short.
    const float q = static_cast<float>(maximum) / static_cast<float>(full);
    const float f = static_cast<float>(value) / q;
    // A maximum of 0 gives an infinite or undefined quotient: an empty bar.
    if (!std::isfinite(f)) {
        return 0;
    }
    if (f <= 0) {
        return 0;
    }
    if (f >= static_cast<float>(full)) {
        return full;
    }
    return static_cast<int>(f);
}

void iGuiProgressBarH::Draw(bool ghostLook) {
    PushWidgetRotation(*this);
    const float left = Left();
    const float top = Top();
    if (testMode) {
        ApplyLook(*this, testBlend, testAlpha, testRed, testGreen, testBlue);
        DrawRectOutline(platform::TruncToInt(Width() + 2), platform::TruncToInt(Height() + 2), 1,
                        std::trunc(left - 1), std::trunc(top - 1));
    }
    const platform::ImagePtr& surfacePicture =
        ghostLook && surfaceGhostImage ? surfaceGhostImage : surfaceImage;
    if (ghostLook) {
        ApplyLook(*this, surfaceGhostBlend, surfaceGhostAlpha, surfaceGhostRed, surfaceGhostGreen,
                  surfaceGhostBlue);
    } else {
        ApplyLook(*this, surfaceBlend, surfaceAlpha, surfaceRed, surfaceGreen, surfaceBlue);
    }
    if (surfacePicture) {
        platform::DrawImageTransformed(surfacePicture, left, top, 0, scaleX, scaleY);
    } else {
        platform::DrawRect(left, top, static_cast<float>(width) * scaleX,
                           static_cast<float>(height) * scaleY);
    }
    const int fill = FillWidth();
    const float bx = left + static_cast<float>(barX) * scaleX;
    const float by = top + static_cast<float>(barY) * scaleY;
    if (value >= 0) {
        const platform::ImagePtr& picture = ghostLook && ghostImage ? ghostImage : image;
        if (ghostLook) {
            ApplyLook(*this, ghostBlend, ghostAlpha, ghostRed, ghostGreen, ghostBlue);
        } else {
            ApplyLook(*this, blend, alpha, red, green, blue);
        }
        if (picture) {
            // The bar image is cut, not stretched.
            if (fill > 0) {
                platform::DrawImageRect(picture, bx, by, 0, 0, static_cast<float>(fill),
                                        static_cast<float>(picture->Height()), 0, scaleX, scaleY);
            }
        } else {
            platform::DrawRect(bx, by, static_cast<float>(fill) * scaleX,
                               static_cast<float>(FullHeight()) * scaleY);
        }
    }
    if (testMode && fill != 0) {
        ApplyLook(*this, testBlend, testAlpha, testRed, testGreen, testBlue);
        DrawRectOutline(platform::TruncToInt(static_cast<float>(fill) * scaleX),
                        platform::TruncToInt(static_cast<float>(FullHeight()) * scaleY), 1, bx, by);
    }
    platform::PopMatrix();
}

void iGuiProgressBarH::Render() {
    Draw(false);
    DrawDebugText();
}

void iGuiProgressBarH::RenderGhost() { Draw(true); }

void iGuiProgressBarH::MidHandle() {
    handleX = static_cast<int>(Width() * 0.5f);
    handleY = static_cast<int>(Height() * 0.5f);
}

bool iGuiProgressBarH::LoadSkin(iConfig& config, const String& prefix) {
    const auto key = [&prefix](const char16_t* k) { return prefix + k; };
    image = ReadSkinImage(config, key(u"imagePointer"), image);
    ghostImage = ReadSkinImage(config, key(u"ghostImagePointer"), ghostImage);
    surfaceImage = ReadSkinImage(config, key(u"surfaceImagePointer"), surfaceImage);
    surfaceGhostImage = ReadSkinImage(config, key(u"surfaceGhostImagePointer"), surfaceGhostImage);
    surfaceAlpha = config.GetFloat(key(u"surfacealpha"), surfaceAlpha);
    surfaceBlend = config.GetInt(key(u"surfaceblend"), surfaceBlend);
    surfaceBlue = ReadSkinColour(config, key(u"surfaceblue"), surfaceBlue);
    surfaceGreen = ReadSkinColour(config, key(u"surfacegreen"), surfaceGreen);
    surfaceRed = ReadSkinColour(config, key(u"surfacered"), surfaceRed);
    surfaceGhostAlpha = config.GetFloat(key(u"surfaceghostalpha"), surfaceGhostAlpha);
    surfaceGhostBlend = config.GetInt(key(u"surfaceghostblend"), surfaceGhostBlend);
    surfaceGhostBlue = ReadSkinColour(config, key(u"surfaceghostblue"), surfaceGhostBlue);
    surfaceGhostGreen = ReadSkinColour(config, key(u"surfaceghostgreen"), surfaceGhostGreen);
    surfaceGhostRed = ReadSkinColour(config, key(u"surfaceghostred"), surfaceGhostRed);
    barX = config.GetInt(key(u"barX"), barX);
    barY = config.GetInt(key(u"barY"), barY);
    barWidth = config.GetInt(key(u"barWidth"), barWidth);
    barHeight = config.GetInt(key(u"barHeight"), barHeight);
    maximum = config.GetInt(key(u"maximum"), maximum);
    value = config.GetInt(key(u"value"), value);
    return iGuiObject::LoadSkin(config, prefix);
}
