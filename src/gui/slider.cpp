// Sliders.
//
// Index:
//   position and hit test
//   pointer, events and drag
//   skin
//   drawing (surface, knob, the two indicators)
#include "gui/slider.h"

#include <algorithm>
#include <cmath>

#include "framework/config.h"
#include "framework/playfield.h"
#include "gui/skin.h"
#include "platform/graphics.h"
#include "platform/input.h"

// --- position and hit test ---

float iGuiSlider::Fraction() const {
    if (maximum <= 0 || Travel() <= 0) {
        return 0;
    }
    return value / static_cast<float>(maximum);
}

void iGuiSlider::SetSurfaceColor(float r, float g, float b) {
    surfaceRed = r;
    surfaceGreen = g;
    surfaceBlue = b;
}

void iGuiSlider::SetSurfaceGhostColor(float r, float g, float b) {
    surfaceGhostRed = r;
    surfaceGhostGreen = g;
    surfaceGhostBlue = b;
}

bool iGuiSlider::HitGrab(int touch) const {
    // The grab area where it was when the bounds were cached.
    const float left = bounds[5] + (KnobX() - x);
    const float top = bounds[6] + (KnobY() - y);
    const float tx = TouchX(touch);
    const float ty = TouchY(touch);
    return left <= tx && tx <= left + static_cast<float>(grabWidth) * scaleX && top <= ty &&
           ty <= top + static_cast<float>(grabHeight) * scaleY;
}

float iGuiSliderV::KnobX() const { return x + static_cast<float>(grabX) * scaleX; }

float iGuiSliderV::KnobY() const {
    return y + static_cast<float>(grabY) * scaleY +
           Fraction() * static_cast<float>(Travel()) * scaleY;
}

float iGuiSliderV::KnobCentre(bool scaled) const {
    const float g = static_cast<float>(grabHeight);
    if (scaled) {
        return static_cast<float>(Travel()) * scaleY * Fraction() +
               static_cast<float>(grabY) * scaleY + g * scaleY * 0.5f;
    }
    return Fraction() * static_cast<float>(Travel()) + static_cast<float>(grabY) * scaleY +
           static_cast<float>(grabHeight / 2);
}

float iGuiSliderH::KnobX() const {
    return x + static_cast<float>(grabX) * scaleX +
           Fraction() * static_cast<float>(Travel()) * scaleX;
}

float iGuiSliderH::KnobY() const { return y + static_cast<float>(grabY) * scaleY; }

float iGuiSliderH::KnobCentre(bool scaled) const {
    const float g = static_cast<float>(grabWidth);
    if (scaled) {
        return static_cast<float>(Travel()) * scaleX * Fraction() +
               static_cast<float>(grabX) * scaleX + g * scaleX * 0.5f;
    }
    return Fraction() * static_cast<float>(Travel()) + static_cast<float>(grabX) * scaleX +
           static_cast<float>(grabWidth / 2);
}

// --- pointer, events and drag ---

void iGuiSlider::UpdatePointer() {
    if (!GetPlayfield()) {
        pointerDown = false;
        over = false;
        return;
    }
    // A drag stays with the touch that started it.
    if (multitouch && !dragging) {
        FindTouch();
    }
    pointerDown = platform::TouchDown(touchIndex);
    // Neither claims the pointer nor yields it.
    over = HitTest(touchIndex);
}

void iGuiSlider::DropPress() {
    iGuiObject::DropPress();
    dragging = false;
}

void iGuiSlider::UpdateEvents() {
    DropPressAfterABreak();
    down = false;
    entered = false;
    left = false;
    released = false;
    hit = false;
    if (over && !wasOver) {
        entered = true;
        RaiseEvent(u"Entered");
    } else if (!over && wasOver) {
        left = true;
        RaiseEvent(u"Left");
    }
    wasOver = over;
    if (pressState == 0 && pointerDown) {
        if (over) {
            hit = true;
            RaiseEvent(u"Hit");
            pressState = 1;
        } else {
            pressState = 2;
        }
    } else if (pressState == 1) {
        if (!pointerDown) {
            released = true;
            RaiseEvent(u"Released");
            pressState = 0;
        } else if (!over) {
            pressState = 0;
        }
    } else if (pressState == 2 && !pointerDown) {
        pressState = 0;
    }
}

void iGuiSlider::DragStep(float p, float grabExtent, float widgetScale, float fieldScale) {
    if (lastPointer != 0.0f) {
        const float span = static_cast<float>(sliderLength) * widgetScale * fieldScale -
                           grabExtent * widgetScale * fieldScale;
        // A slider with no room to move, or no value range, keeps its value.
        if (dragging && span > 0 && maximum > 0) {
            value += (p - lastPointer) * static_cast<float>(maximum) / span;
        }
        value = std::min(std::max(value, 0.0f), static_cast<float>(std::max(maximum, 0)));
    }
    lastPointer = p;
}

void iGuiSlider::UpdateDrag(bool vertical) {
    iGuiObject::Update();
    if (noGrab) {
        return;
    }
    UpdateEvents();
    auto holder = GetPlayfield();
    const float p = vertical ? platform::TouchY(touchIndex) : platform::TouchX(touchIndex);
    if (vertical) {
        DragStep(p, static_cast<float>(grabHeight), scaleY, holder ? holder->scaleY : 1.0f);
    } else {
        DragStep(p, static_cast<float>(grabWidth), scaleX, holder ? holder->scaleX : 1.0f);
    }
    if (dragging) {
        down = true;
        RaiseEvent(u"Down");
        if (!platform::TouchDown(touchIndex)) {
            if (!released) {
                released = true;
                RaiseEvent(u"Released");
                pressState = 0;
            }
            dragging = false;
        }
    } else if (hit && over) {
        // The value moves from the next update on.
        dragging = true;
    }
}

// --- skin ---

namespace {

// A non-empty list replaces the data and, with the image set, resets the drawing size.
void ReadImageData(const iConfig& config, const String& key, const platform::ImagePtr& image,
                   ImageData& data, int& w, int& h) {
    std::vector<int> read = config.GetIntArray(key, u",", {});
    if (read.empty()) {
        return;
    }
    data = std::move(read);
    if (image) {
        w = image->Width();
        h = image->Height();
    }
}

} // namespace

bool iGuiSlider::LoadSkin(iConfig& config, const String& prefix) {
    const auto key = [&prefix](const char16_t* k) { return prefix + k; };
    knobImage = ReadSkinImage(config, key(u"imagePointer"), knobImage);
    mouseOverKnobImage = ReadSkinImage(config, key(u"mouseOverImagePointer"), mouseOverKnobImage);
    ghostKnobImage = ReadSkinImage(config, key(u"ghostImagePointer"), ghostKnobImage);
    surfaceImage = ReadSkinImage(config, key(u"surfaceImagePointer"), surfaceImage);
    surfaceGhostImage = ReadSkinImage(config, key(u"surfaceGhostImagePointer"), surfaceGhostImage);
    indicatorImage = ReadSkinImage(config, key(u"indicatorImagePointer"), indicatorImage);
    indicatorGhostImage =
        ReadSkinImage(config, key(u"indicatorGhostImagePointer"), indicatorGhostImage);
    ReadImageData(config, key(u"knobImagedata"), knobImage, knobImageData, knobWidth, knobHeight);
    ReadImageData(config, key(u"indicatorImageData"), indicatorImage, indicatorImageData,
                  indicatorWidth, indicatorHeight);
    ReadImageData(config, key(u"surfaceImageData"), surfaceImage, surfaceImageData, surfaceWidth,
                  surfaceHeight);
    knobX = config.GetInt(key(u"knobX"), knobX);
    knobY = config.GetInt(key(u"knobY"), knobY);
    knobWidth = config.GetInt(key(u"knobWidth"), knobWidth);
    knobHeight = config.GetInt(key(u"knobHeight"), knobHeight);
    grabX = config.GetInt(key(u"grabX"), grabX);
    grabY = config.GetInt(key(u"grabY"), grabY);
    grabWidth = config.GetInt(key(u"grabWidth"), grabWidth);
    grabHeight = config.GetInt(key(u"grabHeight"), grabHeight);
    indicator = config.GetBool(key(u"indicator"), indicator);
    indicatorAlpha = config.GetFloat(key(u"indicatorAlpha"), indicatorAlpha);
    indicatorBlend = config.GetInt(key(u"indicatorBlend"), indicatorBlend);
    indicatorBlue = ReadSkinColour(config, key(u"indicatorBlue"), indicatorBlue);
    indicatorGreen = ReadSkinColour(config, key(u"indicatorGreen"), indicatorGreen);
    indicatorRed = ReadSkinColour(config, key(u"indicatorRed"), indicatorRed);
    indicatorX = config.GetInt(key(u"indicatorX"), indicatorX);
    indicatorY = config.GetInt(key(u"indicatorY"), indicatorY);
    indicatorGhostAlpha = config.GetFloat(key(u"indicatorGhostAlpha"), indicatorGhostAlpha);
    indicatorGhostBlend = config.GetInt(key(u"indicatorGhostBlend"), indicatorGhostBlend);
    indicatorGhostBlue = ReadSkinColour(config, key(u"indicatorGhostBlue"), indicatorGhostBlue);
    indicatorGhostGreen = ReadSkinColour(config, key(u"indicatorGhostGreen"), indicatorGhostGreen);
    indicatorGhostRed = ReadSkinColour(config, key(u"indicatorGhostRed"), indicatorGhostRed);
    indicatorHeight = config.GetInt(key(u"indicatorHeight"), indicatorHeight);
    indicatorWidth = config.GetInt(key(u"indicatorWidth"), indicatorWidth);
    desktop = config.GetBool(key(u"desktop"), desktop);
    maximum = config.GetInt(key(u"maximum"), maximum);
    noGrab = config.GetBool(key(u"noGrab"), noGrab);
    sliderLength = config.GetInt(key(u"sliderLength"), sliderLength);
    surface = config.GetBool(key(u"surface"), surface);
    surfaceAlpha = config.GetFloat(key(u"surfaceAlpha"), surfaceAlpha);
    surfaceBlend = config.GetInt(key(u"surfaceBlend"), surfaceBlend);
    surfaceBlue = ReadSkinColour(config, key(u"surfaceBlue"), surfaceBlue);
    surfaceGhostAlpha = config.GetFloat(key(u"surfaceGhostAlpha"), surfaceGhostAlpha);
    surfaceGhostBlend = config.GetInt(key(u"surfaceGhostBlend"), surfaceGhostBlend);
    surfaceGhostBlue = ReadSkinColour(config, key(u"surfaceGhostBlue"), surfaceGhostBlue);
    surfaceGhostGreen = ReadSkinColour(config, key(u"surfaceGhostGreen"), surfaceGhostGreen);
    surfaceGhostRed = ReadSkinColour(config, key(u"surfaceGhostRed"), surfaceGhostRed);
    surfaceGreen = ReadSkinColour(config, key(u"surfaceGreen"), surfaceGreen);
    surfaceHeight = config.GetInt(key(u"surfaceHeight"), surfaceHeight);
    surfaceRed = ReadSkinColour(config, key(u"surfaceRed"), surfaceRed);
    surfaceWidth = config.GetInt(key(u"surfaceWidth"), surfaceWidth);
    surfaceX = config.GetInt(key(u"surfaceX"), surfaceX);
    surfaceY = config.GetInt(key(u"surfaceY"), surfaceY);
    value = config.GetFloat(key(u"value"), value);
    return iGuiObject::LoadSkin(config, prefix);
}

// --- drawing (surface, knob, the two indicators) ---

void iGuiSlider::DrawTestOutline(float left, float top, float w, float h) const {
    if (!testMode) {
        return;
    }
    ApplyLook(*this, testBlend, testAlpha, testRed, testGreen, testBlue);
    DrawRectOutline(platform::TruncToInt(w), platform::TruncToInt(h), 1, std::trunc(left),
                    std::trunc(top));
}

void iGuiSlider::DrawSurface(bool ghostLook) {
    if (!surface) {
        return;
    }
    if (ghostLook) {
        ApplyLook(*this, surfaceGhostBlend, surfaceGhostAlpha, surfaceGhostRed, surfaceGhostGreen,
                  surfaceGhostBlue);
    } else {
        ApplyLook(*this, surfaceBlend, surfaceAlpha, surfaceRed, surfaceGreen, surfaceBlue);
    }
    const float sx = x + static_cast<float>(surfaceX) * scaleX;
    const float sy = y + static_cast<float>(surfaceY) * scaleY;
    const platform::ImagePtr& picture =
        ghostLook && surfaceGhostImage ? surfaceGhostImage : surfaceImage;
    if (picture) {
        DrawSkinImage(picture, 0, sx, sy, 0, scaleX, scaleY, surfaceImageData, surfaceWidth,
                      surfaceHeight);
        DrawTestOutline(sx - 1, sy - 1, static_cast<float>(picture->Width()) * scaleX + 2,
                        static_cast<float>(picture->Height()) * scaleY + 2);
    } else {
        platform::DrawRect(sx, sy, static_cast<float>(surfaceWidth) * scaleX,
                           static_cast<float>(surfaceHeight) * scaleY);
    }
}

void iGuiSlider::DrawKnob(bool ghostLook) {
    const platform::ImagePtr* picture = &knobImage;
    if (ghostLook) {
        ApplyLook(*this, ghostBlend, ghostAlpha, ghostRed, ghostGreen, ghostBlue);
        if (ghostKnobImage) {
            picture = &ghostKnobImage;
        }
    } else if (dragging || (desktop && over)) {
        ApplyLook(*this, mouseOverBlend, mouseOverAlpha, mouseOverRed, mouseOverGreen,
                  mouseOverBlue);
        if (mouseOverKnobImage) {
            picture = &mouseOverKnobImage;
        }
    } else {
        ApplyLook(*this, blend, alpha, red, green, blue);
    }
    const float grabW = static_cast<float>(grabWidth) * scaleX;
    const float grabH = static_cast<float>(grabHeight) * scaleY;
    if (*picture) {
        DrawSkinImage(*picture, 0, KnobDrawX(), KnobDrawY(), 0, scaleX, scaleY, knobImageData,
                      knobWidth, knobHeight);
        DrawTestOutline(KnobX(), KnobY(), grabW, grabH);
    } else {
        platform::DrawRect(KnobDrawX(), KnobDrawY(), grabW, grabH);
        DrawTestOutline(KnobDrawX(), KnobDrawY(), grabW, grabH);
    }
}

void iGuiSlider::Render() {
    DrawTestOutline(x - 1, y - 1, Width() + 2, Height() + 2);
    DrawSurface(false);
    DrawIndicator();
    DrawKnob(false);
    DrawDebugText();
}

void iGuiSlider::RenderGhost() {
    DrawTestOutline(x - 1, y - 1, Width() + 2, Height() + 2);
    DrawSurface(true);
    DrawIndicatorGhost();
    DrawKnob(true);
}

void iGuiSliderV::DrawIndicator() { DrawFill(false); }
void iGuiSliderV::DrawIndicatorGhost() { DrawFill(true); }
void iGuiSliderH::DrawIndicator() { DrawFill(false); }
void iGuiSliderH::DrawIndicatorGhost() { DrawFill(true); }

namespace {

struct FillLook {
    int blend;
    float alpha, red, green, blue;
    const platform::ImagePtr* picture;
};

FillLook IndicatorLook(const iGuiSlider& s, bool ghostLook) {
    if (ghostLook) {
        return {s.indicatorGhostBlend,
                s.indicatorGhostAlpha,
                s.indicatorGhostRed,
                s.indicatorGhostGreen,
                s.indicatorGhostBlue,
                s.indicatorGhostImage ? &s.indicatorGhostImage : &s.indicatorImage};
    }
    return {s.indicatorBlend, s.indicatorAlpha, s.indicatorRed,
            s.indicatorGreen, s.indicatorBlue,  &s.indicatorImage};
}

} // namespace

void iGuiSliderV::DrawFill(bool ghostLook) {
    if (!indicator) {
        return;
    }
    const FillLook look = IndicatorLook(*this, ghostLook);
    ApplyLook(*this, look.blend, look.alpha, look.red, look.green, look.blue);
    const int along = static_cast<int>(KnobCentre(false));
    const float ix = x + static_cast<float>(indicatorX) * scaleX;
    const float iy = y + static_cast<float>(indicatorY) * scaleY;
    const float hx = static_cast<float>(handleX) * scaleX;
    const float hy = static_cast<float>(handleY) * scaleY;
    const platform::ImagePtr& picture = *look.picture;
    if (picture && !indicatorImageData.empty()) {
        DrawSkinImage(picture, 0, ix, iy, 0, scaleX, scaleY, indicatorImageData, indicatorWidth,
                      along);
        DrawTestOutline(ix - 1, iy - 1, static_cast<float>(indicatorWidth) * scaleX + 2,
                        static_cast<float>(along) * scaleY + 2);
    } else if (picture) {
        platform::DrawImageRect(picture, ix - hx, iy - hy, 0, 0,
                                static_cast<float>(picture->Width()), static_cast<float>(along), 0,
                                scaleX, scaleY);
        DrawTestOutline(ix - hx - 1, iy - hy - 1, static_cast<float>(picture->Width()) * scaleX + 2,
                        static_cast<float>(along) * scaleY + 2);
    } else {
        const float w = static_cast<float>(indicatorWidth) * scaleX;
        const float h = KnobCentre(true);
        platform::DrawRect(ix - hx, iy - hy, w, h);
        DrawTestOutline(ix - hx - 1, iy - hy - 1, w + 2, h + 2);
    }
}

void iGuiSliderH::DrawFill(bool ghostLook) {
    if (!indicator) {
        return;
    }
    const FillLook look = IndicatorLook(*this, ghostLook);
    ApplyLook(*this, look.blend, look.alpha, look.red, look.green, look.blue);
    const int along = static_cast<int>(KnobCentre(false));
    const float ix = x + static_cast<float>(indicatorX) * scaleX;
    const float iy = y + static_cast<float>(indicatorY) * scaleY;
    const float hx = static_cast<float>(handleX) * scaleX;
    const float hy = static_cast<float>(handleY) * scaleY;
    const platform::ImagePtr& picture = *look.picture;
    if (picture && !indicatorImageData.empty()) {
        DrawSkinImage(picture, 0, ix, iy, 0, scaleX, scaleY, indicatorImageData, along,
                      indicatorHeight);
        DrawTestOutline(ix - 1, iy - 1, static_cast<float>(along) * scaleX + 2,
                        static_cast<float>(indicatorHeight) * scaleY + 2);
    } else if (picture) {
        platform::DrawImageRect(picture, ix - hx, iy - hy, 0, 0, static_cast<float>(along),
                                static_cast<float>(picture->Height()), 0, scaleX, scaleY);
        DrawTestOutline(ix - hx - 1, iy - hy - 1, static_cast<float>(along) * scaleX + 2,
                        static_cast<float>(picture->Height()) * scaleY + 2);
    } else {
        const float w = KnobCentre(true);
        const float h = static_cast<float>(indicatorHeight) * scaleY;
        platform::DrawRect(ix - hx, iy - hy, w, h);
        DrawTestOutline(ix - hx - 1, iy - hy - 1, w + 2, h + 2);
    }
}
