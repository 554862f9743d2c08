#pragma once
// iLayerObject: the base of everything drawn on a layer. Layer bookkeeping, a bounds cache, a
// rectangle collision model with hit points and score, and eight debug text lines drawn under
// the object.
#include <array>
#include <memory>
#include <vector>

#include "framework/graph.h"
#include "framework/lists.h"

class iLayer;
class iLayerGroup;

class iLayerObject : public iGraph {
  public:
    // Written by CacheBounds: |height|, scale, scale, rotation, |width|, x, y.
    std::array<float, 7> boundsCache{};
    std::weak_ptr<iLayerGroup> group;
    std::weak_ptr<iLayer> layer;
    // Never collided with, and credited with the score this object earns.
    std::weak_ptr<iLayerObject> owner;
    // Offset of the collision centre (degrees and distances).
    float offsetAngleX = 0;
    float offsetDistanceX = 0;
    float offsetAngleY = 0;
    float offsetDistanceY = 0;
    int hitPoints = 1;
    bool invulnerable = false;
    int hitCount = 0;
    // Its destruction in a collision counts in the engine's destroyedCount.
    bool counted = false;
    int score = 0;
    int points = 0;
    // Counted in the engine's liveCount while active.
    bool countedLive = false;
    bool inCollisionsA = false;
    bool inCollisionsB = false;
    int cellColumn = 0;
    int cellRow = 0;
    std::vector<String> textLines = std::vector<String>(8);

    // Makes sure an engine, its default playfield and its default layer exist, and joins
    // that layer.
    iLayerObject();

    void Remove() override;
    void Destroy() override;

    virtual void Render() {}
    virtual void CacheBounds();
    virtual void Update() {}

    void New();
    std::shared_ptr<iLayer> EffectiveLayer() const;
    // Drawing alpha and colour through the engine's, the drawn playfield's and the layer's
    // factors. (The field setters SetAlpha/SetColor of iGraph keep their meaning.)
    void SetDrawAlpha(float a) const;
    void SetDrawColor(float r, float g, float b) const;
    // Blend mode (changed only when it differs), alpha and colour of the normal or ghost look.
    void ApplyLook(bool ghostLook) const;
    bool HasLook() const { return scaleX != 0 && scaleY != 0 && alpha != 0; }

    // Collision model.
    float CentreX() const;
    float CentreY() const;
    bool Overlaps(const iLayerObject& other) const;
    bool OverlapsBox(const iLayerObject& other) const;
    void Collide(iLayerObject& other);
    // The group step: the object is updated (or counts down while waiting) in this object's
    // space, moved, turned, scaled and faded with it, then put back in its own, so that what
    // it changed in itself persists in its own coordinates. A flat or invisible object updates
    // nothing.
    void UpdateChild(iLayerObject& child);
    // The group step on each element of the list, walked with the list's cursor; this object
    // itself is skipped.
    void CollideWithList(iList3& list);

    // Joining the engine's collision lists and its live count.
    void AddToCollisionsA();
    void AddToCollisionsB();
    void SetCountedLive(bool live);

    void ClearTextLines();
    void DrawTextLines() const;

    float OffsetAngleX() const { return offsetAngleX; }
    float OffsetDistanceX() const { return offsetDistanceX; }
    float OffsetAngleY() const { return offsetAngleY; }
    float OffsetDistanceY() const { return offsetDistanceY; }
    float OffsetCosX() const;
    float OffsetSinY() const;
};

// A collision took the last hit points of `destroyed`: 0 hit points, the engine's count, its
// points to the destroyer's owner (else the destroyer), then its removal.
void CreditDestruction(iLayerObject& destroyed, iLayerObject& destroyer);

// Makes sure a current engine, its default playfield and its default layer exist; returns that
// layer.
std::shared_ptr<iLayer> EnsureDefaultLayer();
