// The layer shapes.
//
// Index:
//   text, rectangle, point
//   sprite and line
//   group
//   ellipse
#include "framework/layer_shapes.h"

#include <cmath>

#include "framework/bitmap_font.h"
#include "framework/playfield.h"
#include "platform/graphics.h"

namespace {

constexpr float DegreesToRadians = 0.017453292f;
constexpr float RadiansToDegrees = 57.29578f;

// Rotation about the object's position, as every rotated shape turns.
void RotateAbout(float x, float y, float rotation) {
    platform::Translate(x, y);
    platform::Rotate(static_cast<float>(RotationSign) * rotation);
    platform::Translate(-x, -y);
}

// trunc(fmod(value, count)), brought into 0..count-1 when the value is negative.
int WrapIndex(float value, int count) {
    if (count <= 0 || !std::isfinite(value)) {
        return 0;
    }
    int index = platform::TruncToInt(std::fmod(value, static_cast<float>(count)));
    if (index < 0) {
        index += count;
    }
    return index < count ? index : 0;
}

} // namespace

// --- text, rectangle, point ---

float iLayerText::Height() const { return font ? font->TextHeight(text, scaleY) : 0.0f; }

float iLayerText::Width() const { return font ? font->TextWidth(text, scaleX) : 0.0f; }

void iLayerText::Render() {
    platform::PushMatrix();
    RotateAbout(x, y, rotation);
    if (font) {
        ApplyLook(false);
        const float h = font->TextHeight(text, scaleY);
        const float w = font->TextWidth(text, scaleX);
        font->DrawText(text, CentreX() - w * 0.5f, CentreY() - h * 0.5f, scaleX, scaleY);
    }
    platform::PopMatrix();
}

void iLayerRectangle::Render() {
    platform::PushMatrix();
    RotateAbout(x, y, rotation);
    ApplyLook(false);
    const float w = static_cast<float>(width) * scaleX;
    const float h = static_cast<float>(height) * scaleY;
    const float left = x - w * 0.5f;
    const float top = y - h * 0.5f;
    if (lineWidth == 0) {
        platform::DrawRect(left, top, w, h);
    } else {
        const float t = static_cast<float>(lineWidth);
        const float wi = std::trunc(w);
        const float hi = std::trunc(h);
        platform::DrawRect(left, top, wi, t);
        platform::DrawRect(left, top + t, t, hi - 2 * t);
        platform::DrawRect(left, top - t + hi, wi, t);
        platform::DrawRect(left - t + wi, top + t, t, hi - 2 * t);
    }
    platform::PopMatrix();
}

void iLayerPoint::Render() {
    ApplyLook(false);
    platform::DrawPoint(CentreX(), CentreY());
}

// --- sprite and line ---

void iLayerSprite::Destroy() {
    iLayerObject::Destroy();
    images.assign(1, nullptr);
    images2.assign(1, nullptr);
    ghostImages.assign(1, nullptr);
}

int iLayerSprite::CurrentImageIndex() const {
    if (images.empty()) {
        return -1;
    }
    return WrapIndex(imageIndex, static_cast<int>(images.size()));
}

platform::ImagePtr iLayerSprite::CurrentImage() const {
    const int i = CurrentImageIndex();
    return i < 0 ? nullptr : images[static_cast<std::size_t>(i)];
}

bool iLayerSprite::HasImage() const { return CurrentImage() != nullptr; }

int iLayerSprite::CurrentFrame() const {
    auto image = CurrentImage();
    return image ? WrapIndex(frame, image->Frames()) : 0;
}

float iLayerSprite::Height() const {
    auto image = CurrentImage();
    return image ? std::fabs(static_cast<float>(image->Height()) * scaleY) : 0.0f;
}

float iLayerSprite::Width() const {
    auto image = CurrentImage();
    return image ? std::fabs(static_cast<float>(image->Width()) * scaleX) : 0.0f;
}

void iLayerSprite::Render() {
    const int i = CurrentImageIndex();
    auto image = CurrentImage();
    if (!image) {
        return;
    }
    const int f = CurrentFrame();
    const float angle = static_cast<float>(RotationSign) * rotation;
    if (ghost) {
        ApplyLook(true);
        if (i < static_cast<int>(ghostImages.size())) {
            platform::DrawImageTransformed(ghostImages[static_cast<std::size_t>(i)], CentreX(),
                                           CentreY(), angle, scaleX, scaleY, f);
        }
        // The ghost look lasts one drawn frame after each hit.
        ghost = false;
    } else {
        ApplyLook(false);
        platform::DrawImageTransformed(image, CentreX(), CentreY(), angle, scaleX, scaleY, f);
    }
    DrawTextLines();
}

void iLayerLine::Render() {
    ApplyLook(false);
    const float sx = CentreX();
    const float sy = CentreY();
    const float ex = x2 + (sx - x);
    const float ey = y2 + (sy - y);
    auto image = CurrentImage();
    if (!image) {
        platform::DrawLine(sx, sy, ex, ey);
        return;
    }
    const float imageWidth = static_cast<float>(image->Width());
    float length = stretch ? std::trunc(std::hypot(ex - sx, ey - sy)) : imageWidth;
    if (length > imageWidth) {
        length = imageWidth;
    }
    float angle = std::atan2(ey - sy, ex - sx) * RadiansToDegrees;
    if (angle < 0) {
        angle += 360.0f;
    }
    platform::DrawImageRect(image, sx, sy, 0, 0, length, static_cast<float>(image->Height()),
                            -angle, scaleX, scaleY, CurrentFrame());
}

// --- group ---

void iLayerGroup::FindByName(const String& searched) {
    iObject::FindByName(searched);
    for (int i = 0; i < children.Count(); ++i) {
        children.Get(i)->FindByName(searched);
    }
}

void iLayerGroup::CollectByName(const String& searched, iObjectList& list) {
    iObject::CollectByName(searched, list);
    for (int i = 0; i < children.Count(); ++i) {
        children.Get(i)->CollectByName(searched, list);
    }
}

void iLayerGroup::AddChild(const std::shared_ptr<iLayerObject>& child) {
    if (!child || child.get() == this) {
        return;
    }
    child->group = SelfAs<iLayerGroup>();
    child->layer = layer;
    children.AddLast(child);
}

void iLayerGroup::CacheBounds() {
    boundsCache = {std::fabs(static_cast<float>(height) * scaleY), scaleX, scaleX, rotation,
                   std::fabs(static_cast<float>(width) * scaleX),  x,      y};
    CacheBoundsChildren(children);
}

void iLayerGroup::CacheBoundsChildren(iList3& list) {
    for (auto child = list.First(); child; child = list.Next()) {
        const float savedX = child->x;
        const float savedY = child->y;
        const float savedRotation = child->rotation;
        const float savedScaleX = child->scaleX;
        const float savedScaleY = child->scaleY;
        child->x = child->x * scaleX + x;
        child->y = child->y * scaleY + y;
        child->rotation += rotation;
        child->scaleX *= scaleX;
        child->scaleY *= scaleY;
        const float dx = child->x - x;
        const float dy = child->y - y;
        const float d = std::sqrt(dx * dx + dy * dy);
        const float a =
            (std::atan2(dy, dx) * RadiansToDegrees - static_cast<float>(RotationSign) * rotation) *
            DegreesToRadians;
        child->x = x + d * std::cos(a);
        child->y = y + d * std::sin(a);
        child->CacheBounds();
        child->x = savedX;
        child->y = savedY;
        child->rotation = savedRotation;
        child->scaleX = savedScaleX;
        child->scaleY = savedScaleY;
    }
}

void iLayerGroup::Update() {
    for (auto child = children.First(); child; child = children.Next()) {
        UpdateChild(*child);
    }
}

void iLayerGroup::Render() { RenderChildren(children); }

void iLayerGroup::RenderChildren(iList3& list) {
    for (auto child = list.First(); child; child = list.Next()) {
        child->layer = layer;
        if (child->status != 1 || !child->visible) {
            continue;
        }
        platform::PushMatrix();
        platform::Translate(CentreX(), CentreY());
        platform::Rotate(static_cast<float>(RotationSign) * rotation);
        platform::Scale(scaleX, scaleY);
        const float savedAlpha = child->alpha;
        child->alpha *= alpha;
        child->Render();
        child->alpha = savedAlpha;
        platform::PopMatrix();
    }
}

// --- ellipse ---

void iLayerEllipse::Render() {
    ApplyLook(false);
    const float rx = static_cast<float>(width) * scaleX;
    const float ry = static_cast<float>(height) * scaleY;
    platform::DrawOval(CentreX() - rx, CentreY() - ry, 2 * rx, 2 * ry);
    DrawTextLines();
}
