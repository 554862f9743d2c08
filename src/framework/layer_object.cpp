// Layer objects: construction into the default layer, removal, drawing factors, the rectangle
// collision model and the debug text.
#include "framework/layer_object.h"

#include <cmath>

#include "framework/engine.h"
#include "framework/layer.h"
#include "framework/layer_shapes.h"
#include "framework/playfield.h"
#include "platform/graphics.h"

namespace {

constexpr float DegreesToRadians = 0.017453292f;
constexpr float RadiansToDegrees = 57.29578f;

} // namespace

std::shared_ptr<iLayer> EnsureDefaultLayer() {
    GetDefaultPlayfield();
    iEngine& engine = *CurrentEngine;
    if (!engine.defaultLayer) {
        auto layer = std::make_shared<iLayer>();
        layer->creationFrame = engine.frameCount;
        engine.defaultLayer = layer;
        layer->EnsureCells();
    }
    return engine.defaultLayer;
}

iLayerObject::iLayerObject() { layer = EnsureDefaultLayer(); }

void iLayerObject::New() { iEngineObject::New(); }

void iLayerObject::Remove() {
    auto owningLayer = layer.lock();
    if (!owningLayer) {
        return;
    }
    // The lists below may hold the last other reference.
    auto self = SelfAs<iLayerObject>();
    if (status == 1) {
        if (countedLive && CurrentEngine) {
            CurrentEngine->liveCount -= 1;
        }
        status = 0;
    }
    if (skipRemoveWork != 0) {
        return;
    }
    if (inCollisionsA) {
        if (CurrentEngine) {
            CurrentEngine->collisionsA.Remove(this);
        }
        inCollisionsA = false;
    }
    if (inCollisionsB) {
        if (CurrentEngine) {
            CurrentEngine->collisionsB.Remove(this);
        }
        inCollisionsB = false;
    }
    if (cellColumn >= 0 && cellColumn < owningLayer->ColumnCount()) {
        auto& column = owningLayer->cells[static_cast<std::size_t>(cellColumn)];
        if (cellRow >= 0 && cellRow < static_cast<int>(column.size()) &&
            column[static_cast<std::size_t>(cellRow)]) {
            column[static_cast<std::size_t>(cellRow)]->Remove(this);
        }
    }
    OnRemove();
    if (destroyOnRemove && self) {
        AddToDestroyList(self);
    }
}

void iLayerObject::Destroy() {
    group.reset();
    layer.reset();
    owner.reset();
    textLines.clear();
}

void iLayerObject::CacheBounds() {
    boundsCache = {std::fabs(Height()), scaleX, scaleX, rotation, std::fabs(Width()), x, y};
}

std::shared_ptr<iLayer> iLayerObject::EffectiveLayer() const {
    if (auto holder = group.lock()) {
        return holder->layer.lock();
    }
    return layer.lock();
}

void iLayerObject::SetDrawAlpha(float a) const {
    float factor = GetAlphaFactor();
    if (CurrentEngine && CurrentEngine->currentPlayfield) {
        factor *= CurrentEngine->currentPlayfield->alpha;
    }
    if (auto owningLayer = layer.lock()) {
        factor *= owningLayer->alpha;
    }
    platform::SetAlpha(a * factor);
}

void iLayerObject::SetDrawColor(float r, float g, float b) const {
    float factor = GetColorFactor();
    if (CurrentEngine && CurrentEngine->currentPlayfield) {
        factor *= CurrentEngine->currentPlayfield->colorFactor;
    }
    if (auto owningLayer = layer.lock()) {
        factor *= owningLayer->colorFactor;
    }
    platform::SetColor(r * factor, g * factor, b * factor);
}

void iLayerObject::ApplyLook(bool ghostLook) const {
    const int mode = ghostLook ? ghostBlend : blend;
    if (platform::GetBlend() != mode) {
        platform::Flush();
        platform::SetBlend(mode);
    }
    if (ghostLook) {
        SetDrawAlpha(ghostAlpha);
        SetDrawColor(ghostRed, ghostGreen, ghostBlue);
    } else {
        SetDrawAlpha(alpha);
        SetDrawColor(red, green, blue);
    }
}

float iLayerObject::CentreX() const {
    return x + std::cos(offsetAngleX * DegreesToRadians) * offsetDistanceX;
}

float iLayerObject::CentreY() const {
    return y + std::sin(offsetAngleY * DegreesToRadians) * offsetDistanceY;
}

float iLayerObject::OffsetCosX() const { return std::cos(offsetAngleX * DegreesToRadians); }
float iLayerObject::OffsetSinY() const { return std::sin(offsetAngleY * DegreesToRadians); }

bool iLayerObject::OverlapsBox(const iLayerObject& other) const {
    const int w1 = platform::TruncToInt(Width());
    const int h1 = platform::TruncToInt(Height());
    const int w2 = platform::TruncToInt(other.Width());
    const int h2 = platform::TruncToInt(other.Height());
    const float left1 = CentreX() - static_cast<float>(w1 / 2);
    const float top1 = CentreY() - static_cast<float>(h1 / 2);
    const float left2 = other.CentreX() - static_cast<float>(w2 / 2);
    const float top2 = other.CentreY() - static_cast<float>(h2 / 2);
    return !(left2 >= left1 + static_cast<float>(w1) || top2 >= top1 + static_cast<float>(h1) ||
             left1 >= left2 + static_cast<float>(w2) || top1 >= top2 + static_cast<float>(h2));
}

bool iLayerObject::Overlaps(const iLayerObject& other) const {
    if (status != 1 || other.status != 1 || &other == this) {
        return false;
    }
    if (owner.lock().get() == &other) {
        return false;
    }
    return OverlapsBox(other);
}

void CreditDestruction(iLayerObject& destroyed, iLayerObject& destroyer) {
    destroyed.hitPoints = 0;
    if (destroyed.counted && CurrentEngine) {
        CurrentEngine->destroyedCount += 1;
    }
    if (auto credited = destroyer.owner.lock()) {
        credited->score += destroyed.points;
    } else {
        destroyer.score += destroyed.points;
    }
    destroyed.Remove();
}

void iLayerObject::Collide(iLayerObject& other) {
    auto keepThis = Self();
    auto keepOther = other.Self();
    const int before = hitPoints;
    if (other.status == 1) {
        if (!invulnerable) {
            hitPoints -= other.hitPoints;
            hitCount += 1;
            ghost = true;
        } else {
            other.hitPoints = 0;
        }
    }
    if (status == 1) {
        if (!other.invulnerable) {
            other.hitPoints -= before;
            other.hitCount += 1;
            other.ghost = true;
        } else {
            hitPoints = 0;
        }
    }
    if (hitPoints < 1) {
        CreditDestruction(*this, other);
    }
    if (other.hitPoints < 1) {
        CreditDestruction(other, *this);
    }
}

void iLayerObject::UpdateChild(iLayerObject& child) {
    child.layer = layer;
    // Nothing of a flat or invisible group is updated; nothing is divided by zero either.
    if (scaleX == 0 || scaleY == 0 || alpha == 0) {
        return;
    }
    const float cx = CentreX();
    const float cy = CentreY();
    child.x = child.x * scaleX + cx;
    child.y = child.y * scaleY + cy;
    child.rotation += rotation;
    child.scaleX *= scaleX;
    child.scaleY *= scaleY;
    child.alpha *= alpha;
    float shiftX = 0;
    float shiftY = 0;
    if (rotation != 0) {
        const float dx = child.x - x;
        const float dy = child.y - y;
        const float d = std::sqrt(dx * dx + dy * dy);
        const float a =
            (std::atan2(dy, dx) * RadiansToDegrees - static_cast<float>(RotationSign) * rotation) *
            DegreesToRadians;
        const float turnedX = x + d * std::cos(a);
        const float turnedY = y + d * std::sin(a);
        shiftX = turnedX - child.x;
        shiftY = turnedY - child.y;
        child.x = turnedX;
        child.y = turnedY;
    }
    if (child.status == 1) {
        child.Update();
    } else {
        child.UpdateWaiting();
        if (child.status > 1) {
            child.status -= 1;
        }
    }
    // What the child changed in itself persists in its own coordinates.
    child.x -= shiftX;
    child.y -= shiftY;
    child.x = (child.x - cx) / scaleX;
    child.y = (child.y - cy) / scaleY;
    child.rotation -= rotation;
    child.scaleX /= scaleX;
    child.scaleY /= scaleY;
    child.alpha /= alpha;
}

void iLayerObject::CollideWithList(iList3& list) {
    for (auto element = list.First(); element; element = list.Next()) {
        if (element.get() != this) {
            UpdateChild(*element);
        }
    }
}

void iLayerObject::AddToCollisionsA() {
    if (CurrentEngine && !inCollisionsA) {
        CurrentEngine->collisionsA.AddLast(SelfAs<iLayerObject>());
        inCollisionsA = true;
    }
}

void iLayerObject::AddToCollisionsB() {
    if (CurrentEngine && !inCollisionsB) {
        CurrentEngine->collisionsB.AddLast(SelfAs<iLayerObject>());
        inCollisionsB = true;
    }
}

void iLayerObject::SetCountedLive(bool live) {
    if (live != countedLive && status == 1 && CurrentEngine) {
        CurrentEngine->liveCount += live ? 1 : -1;
    }
    countedLive = live;
}

void iLayerObject::ClearTextLines() {
    if (textLines.empty() || textLines[0].empty()) {
        return;
    }
    for (auto& line : textLines) {
        line.clear();
    }
}

void iLayerObject::DrawTextLines() const {
    if (textLines.empty() || textLines[0].empty()) {
        return;
    }
    if (platform::GetBlend() != 0) {
        platform::Flush();
        platform::SetBlend(0);
    }
    SetDrawAlpha(1.0f);
    SetDrawColor(255, 255, 255);
    const float left = std::trunc(CentreX() - Width() * 0.5f);
    for (std::size_t i = 0; i < textLines.size() && i < 8; ++i) {
        if (!textLines[i].empty()) {
            const float top =
                std::trunc(CentreY() + Height() * 0.5f + 12.0f * static_cast<float>(i));
            platform::DrawText(textLines[i], left, top);
        }
    }
}
