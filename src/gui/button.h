#pragma once
// iGuiButton: an image button (plain or nine-slice) with an optional one-line caption in a
// bitmap font, drawn in its normal, mouse-over or ghost look. It runs the pointer state machine
// every frame; the mouse-over look follows hovering (desktop) or a press held on it (touch).
#include <memory>
#include <vector>

#include "gui/gui_object.h"
#include "platform/image.h"

class iBitmapFont;

class iGuiButton : public iGuiObject {
  public:
    platform::ImagePtr image;
    std::shared_ptr<iBitmapFont> font;
    String text;
    // Caption position from the button's top-left corner, unscaled button units.
    float textX = 0;
    float textY = 0;
    float textRed = 255;
    float textGreen = 255;
    float textBlue = 255;
    float textMouseOverRed = 255;
    float textMouseOverGreen = 255;
    float textMouseOverBlue = 255;
    // Multiplied by the button's own scale when drawn.
    float textScaleX = 1.0f;
    float textScaleY = 1.0f;
    float textGhostRed = 255;
    float textGhostGreen = 255;
    float textGhostBlue = 255;
    platform::ImagePtr mouseOverImage;
    platform::ImagePtr ghostImage;
    // Nine-slice data used with every image of the button.
    std::vector<int> imageData;
    int frame = 0;
    bool desktop = false;
    float textAlpha = 1.0f;
    int textBlend = 0;
    float textGhostAlpha = 1.0f;
    int textGhostBlend = 0;
    float textMouseOverAlpha = 1.0f;
    int textMouseOverBlend = 0;
    // Without any image the button fills its box in its look's colour.
    bool fillWhenEmpty = true;

    float Height() const override;
    float Width() const override;
    void RenderGhost() override;
    void Render() override;
    void Update() override;
    bool LoadSkin(iConfig& config, const String& prefix) override;
    void MidHandle() override;

    void LoadImage(const String& imageName);
    void SetImage(const platform::ImagePtr& value) { image = value; }
    // Does not move the caption: call CenterText afterwards.
    void SetText(const String& value) { text = value; }
    void SetFont(const std::shared_ptr<iBitmapFont>& value) { font = value; }
    void CenterText(int dx, int dy);
    void SetTextRed(float v) { textRed = v; }
    void SetTextGreen(float v) { textGreen = v; }
    void SetTextBlue(float v) { textBlue = v; }
    void SetTextMouseOverRed(float v) { textMouseOverRed = v; }
    void SetTextMouseOverGreen(float v) { textMouseOverGreen = v; }
    void SetTextMouseOverBlue(float v) { textMouseOverBlue = v; }
    void SetTextGhostColor(float r, float g, float b);
    // The current size becomes the button's size, then the data is kept.
    void SetImageData(const std::vector<int>& data);
    float TextWidth() const;
    float TextHeight() const;
    float TextRed() const { return textRed; }
    float TextGreen() const { return textGreen; }
    float TextBlue() const { return textBlue; }
    float TextMouseOverRed() const { return textMouseOverRed; }
    float TextMouseOverGreen() const { return textMouseOverGreen; }
    float TextMouseOverBlue() const { return textMouseOverBlue; }
    float TextAlpha() const { return textAlpha; }
    float TextMouseOverAlpha() const { return textMouseOverAlpha; }
    float GetFrame() const { return static_cast<float>(frame); }

  private:
    struct Look {
        int blend;
        float alpha, red, green, blue;
        const platform::ImagePtr* picture;
        int textBlend;
        float textAlpha, textRed, textGreen, textBlue;
    };
    void DrawLook(const Look& look) const;
};
