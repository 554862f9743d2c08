#pragma once
// iGuiProgressBarH: an integer value out of a maximum, shown as a bar filling from the left
// over a surface; each is a skin image or a plain rectangle. It never claims the pointer and
// raises no events.
#include "gui/gui_object.h"
#include "platform/image.h"

class iGuiProgressBarH : public iGuiObject {
  public:
    float surfaceRed = 255;
    float surfaceGreen = 255;
    float surfaceBlue = 255;
    float surfaceGhostRed = 255;
    float surfaceGhostGreen = 255;
    float surfaceGhostBlue = 255;
    // The bar's corner from the widget's corner, unscaled.
    int barX = 0;
    int barY = 0;
    // Full size of a bar without image; 0: the widget's own.
    int barWidth = 0;
    int barHeight = 0;
    platform::ImagePtr image;
    platform::ImagePtr ghostImage;
    platform::ImagePtr surfaceImage;
    platform::ImagePtr surfaceGhostImage;
    float surfaceAlpha = 1.0f;
    int surfaceBlend = 0;
    float surfaceGhostAlpha = 1.0f;
    int surfaceGhostBlend = 0;
    int maximum = 100;
    // Below 0 the bar is not drawn at all.
    int value = 0;

    float Height() const override;
    int SetHeight(float h) override;
    float Width() const override;
    int SetWidth(float w) override;
    void RenderGhost() override;
    void Render() override;
    int OnCreate() override;
    bool LoadSkin(iConfig& config, const String& prefix) override;
    void MidHandle() override;

    void SetSurfaceColor(float r, float g, float b);
    void SetSurfaceGhostColor(float r, float g, float b);
    // Full bar size, unscaled: the bar image's, else barWidth/barHeight, else the widget's.
    int FullWidth() const;
    int FullHeight() const;
    // Filled width in unscaled pixels, 0..FullWidth.
    int FillWidth() const;

  private:
    void Draw(bool ghostLook);
};
