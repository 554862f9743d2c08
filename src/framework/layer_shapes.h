#pragma once
// The concrete layer objects: text, rectangle, point, sprite, line, group and ellipse. All
// positions are in the virtual units of the playfield that draws them.
#include <memory>
#include <vector>

#include "framework/layer_object.h"
#include "platform/image.h"

class iBitmapFont;

// A text centred on its collision centre; without a font it has no size and draws nothing.
class iLayerText : public iLayerObject {
  public:
    std::shared_ptr<iBitmapFont> font;
    String text;

    float Height() const override;
    float Width() const override;
    void Render() override;
};

// Centred on its position; filled, or outlined `lineWidth` thick.
class iLayerRectangle : public iLayerObject {
  public:
    int lineWidth = 0;

    void Render() override;
};

class iLayerPoint : public iLayerObject {
  public:
    float Height() const override { return scaleY; }
    float Width() const override { return scaleX; }
    void Render() override;
};

// An image (one of `images`, one of its frames) drawn about its handle; after a hit it is drawn
// once with the ghost look and `ghostImages`.
class iLayerSprite : public iLayerObject {
  public:
    std::vector<platform::ImagePtr> images = std::vector<platform::ImagePtr>(1);
    std::vector<platform::ImagePtr> images2 = std::vector<platform::ImagePtr>(1);
    std::vector<platform::ImagePtr> ghostImages = std::vector<platform::ImagePtr>(1);
    // Which image and which frame; both wrap around their counts.
    float imageIndex = 0;
    float frame = 0;

    void Destroy() override;
    float Height() const override;
    float Width() const override;
    void Render() override;
    void Update() override { ClearTextLines(); }

    // Index of the current image, -1 when there are no images.
    int CurrentImageIndex() const;
    bool HasImage() const;
    // The current image, none when its entry is empty.
    platform::ImagePtr CurrentImage() const;
    // Frame of the current image to draw (0 when there is none).
    int CurrentFrame() const;
};

// A line from its position to (x2, y2), or its image cut to the line's length.
class iLayerLine : public iLayerSprite {
  public:
    bool stretch = true;
    float x2 = 0;
    float y2 = 0;

    void Render() override;
};

// Child layer objects drawn and updated in the group's space.
class iLayerGroup : public iLayerObject {
  public:
    iList3 children;

    void FindByName(const String& searched) override;
    void CollectByName(const String& searched, iObjectList& list) override;
    void CacheBounds() override;
    void Update() override;
    void Render() override;

    // Joins the group: the child shares the group's layer.
    void AddChild(const std::shared_ptr<iLayerObject>& child);
    void CacheBoundsChildren(iList3& list);
    void RenderChildren(iList3& list);
};

// A filled oval whose width and height are its radii.
class iLayerEllipse : public iLayerObject {
  public:
    void Render() override;
    void Update() override { ClearTextLines(); }
};
