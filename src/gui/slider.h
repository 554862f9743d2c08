#pragma once
// Sliders: a track ("surface"), an optional fill ("indicator") from the start of the track to
// the knob, and a knob dragged by the pointer, holding a value from 0 to `maximum`.
// iGuiSliderV runs along y (0 at the top), iGuiSliderH along x (0 at the left). The knob follows
// the pointer's motion, not its position; only the grab area under the knob takes a press.
#include <vector>

#include "gui/gui_object.h"
#include "gui/skin_drawing.h"
#include "platform/image.h"

class iGuiSlider : public iGuiObject {
  public:
    bool surface = true;
    float surfaceRed = 255;
    float surfaceGreen = 255;
    float surfaceBlue = 255;
    float surfaceGhostRed = 255;
    float surfaceGhostGreen = 255;
    float surfaceGhostBlue = 255;
    int surfaceWidth = 0;
    int surfaceHeight = 0;
    // The knob's travel along the axis, knob included.
    int sliderLength = 0;
    int knobX = 0;
    int knobY = 0;
    int grabWidth = 0;
    int grabHeight = 0;
    float value = 0;
    int maximum = 1000;
    platform::ImagePtr knobImage;
    platform::ImagePtr mouseOverKnobImage;
    platform::ImagePtr ghostKnobImage;
    platform::ImagePtr surfaceImage;
    platform::ImagePtr surfaceGhostImage;
    platform::ImagePtr indicatorImage;
    platform::ImagePtr indicatorGhostImage;
    int knobWidth = 0;
    int knobHeight = 0;
    ImageData knobImageData;
    // Across the axis; along it the indicator follows the knob.
    int indicatorWidth = 0;
    int indicatorHeight = 0;
    ImageData indicatorImageData;
    ImageData surfaceImageData;
    // The grab area at value 0, from the widget's position.
    int grabX = 0;
    int grabY = 0;
    bool indicator = true;
    float indicatorAlpha = 1.0f;
    int indicatorBlend = 0;
    float indicatorBlue = 255;
    float indicatorGreen = 255;
    float indicatorRed = 255;
    int indicatorX = 0;
    int indicatorY = 0;
    float indicatorGhostAlpha = 1.0f;
    int indicatorGhostBlend = 0;
    float indicatorGhostBlue = 255;
    float indicatorGhostGreen = 255;
    float indicatorGhostRed = 255;
    // The knob shows its mouse-over look on hover, not only while dragged.
    bool desktop = false;
    // Ignores the pointer altogether.
    bool noGrab = false;
    float surfaceAlpha = 1.0f;
    int surfaceBlend = 0;
    float surfaceGhostAlpha = 1.0f;
    int surfaceGhostBlend = 0;
    int surfaceX = 0;
    int surfaceY = 0;
    bool dragging = false;
    // Pointer coordinate along the axis at the previous update; 0 counts as none.
    float lastPointer = 0;

    void RenderGhost() override;
    void Render() override;
    void UpdatePointer() override;
    bool LoadSkin(iConfig& config, const String& prefix) override;
    // The base machine without "Down" (the drag raises it).
    void UpdateEvents() override;
    // A drag in progress ends with the press.
    void DropPress() override;

    virtual void DrawIndicatorGhost() {}
    // Top-left corner of the grab area, drawing coordinates.
    virtual float KnobX() const { return 0; }
    virtual void SetGrabX(float v) { grabX = static_cast<int>(v); }
    virtual float KnobY() const { return 0; }
    virtual void SetGrabY(float v) { grabY = static_cast<int>(v); }
    virtual void DrawIndicator() {}
    // Distance from the position to the middle of the grab area along the axis.
    virtual float KnobCentre(bool /*scaled*/) const { return 0; }

    float GetValue() const { return value; }
    void SetValue(float v) { value = v; }
    int GetMaximum() const { return maximum; }
    void SetSurfaceColor(float r, float g, float b);
    void SetSurfaceGhostColor(float r, float g, float b);
    float KnobDrawX() const { return KnobX() + static_cast<float>(knobX) * scaleX; }
    float KnobDrawY() const { return KnobY() + static_cast<float>(knobY) * scaleY; }

  protected:
    // value / maximum; 0 when the slider has no room to move (maximum or travel not above 0).
    float Fraction() const;
    // Travel of the grab area along the axis, unscaled.
    virtual int Travel() const { return 0; }
    // One drag step along the axis: p is the raw pointer coordinate, scale the widget's and
    // the playfield's on that axis.
    void DragStep(float p, float grabExtent, float widgetScale, float fieldScale);
    // The shared Update of both kinds; `vertical` picks the axis.
    void UpdateDrag(bool vertical);
    bool HitGrab(int touch) const;
    void DrawTestOutline(float left, float top, float w, float h) const;

  private:
    void DrawSurface(bool ghostLook);
    void DrawKnob(bool ghostLook);
};

class iGuiSliderV : public iGuiSlider {
  public:
    bool HitTest(int touch) override { return HitGrab(touch); }
    void Update() override { UpdateDrag(true); }
    void DrawIndicatorGhost() override;
    float KnobX() const override;
    float KnobY() const override;
    void DrawIndicator() override;
    float KnobCentre(bool scaled) const override;

  protected:
    // Skins may hold any numbers: the difference is held within the int range.
    int Travel() const override {
        return platform::TruncToInt(static_cast<double>(sliderLength) - grabHeight);
    }

  private:
    void DrawFill(bool ghostLook);
};

class iGuiSliderH : public iGuiSlider {
  public:
    bool HitTest(int touch) override { return HitGrab(touch); }
    void Update() override { UpdateDrag(false); }
    void DrawIndicatorGhost() override;
    float KnobX() const override;
    float KnobY() const override;
    void DrawIndicator() override;
    float KnobCentre(bool scaled) const override;

  protected:
    int Travel() const override {
        return platform::TruncToInt(static_cast<double>(sliderLength) - grabWidth);
    }

  private:
    void DrawFill(bool ghostLook);
};
