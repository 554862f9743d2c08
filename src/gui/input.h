#pragma once
// iGuiInput: the one-line text entry. A text in a bitmap font, centred in the widget, with a
// cursor character after it that blinks while the input has the keyboard, over an optional
// surface (a rectangle or a skin image). It takes every character typed since the last
// update, in order.
#include <memory>
#include <vector>

#include "gui/gui_object.h"
#include "gui/skin_drawing.h"
#include "platform/image.h"

class iBitmapFont;

class iGuiInput : public iGuiObject {
  public:
    bool surface = false;
    float surfaceRed = 255;
    float surfaceGreen = 255;
    float surfaceBlue = 255;
    float surfaceGhostRed = 255;
    float surfaceGhostGreen = 255;
    float surfaceGhostBlue = 255;
    // Most characters typing may produce; 0: as many as the width holds.
    int maxChar = 0;
    // Without one the input draws nothing and takes no typing.
    std::shared_ptr<iBitmapFont> font;
    int cursorRed = 255;
    int cursorGreen = 255;
    int cursorBlue = 255;
    String text;
    platform::ImagePtr surfaceImage;
    // Character code of the cursor ("_").
    int cursor = 95;
    ImageData surfaceImageData;
    // Offset of the text from its centred place, unscaled.
    float textX = 0;
    float textY = 0;
    // Updates the cursor is shown; it is hidden for one more.
    int cursorDelay = 20;
    float cursorAlpha = 1.0f;
    int cursorBlend = 0;
    float surfaceAlpha = 1.0f;
    int surfaceBlend = 0;
    float surfaceGhostAlpha = 1.0f;
    int surfaceGhostBlend = 0;
    // Margin the width rule keeps free, unscaled.
    int borders = 0;
    int blinkCounter = -1;

    float Height() const override;
    int SetHeight(float h) override;
    float Width() const override;
    int SetWidth(float w) override;
    void RenderGhost() override;
    void Render() override;
    void Update() override;
    bool LoadSkin(iConfig& config, const String& prefix) override;
    void MidHandle() override;

    // Cut to `maxChar` when it is above 0, so the input never holds more than its limit.
    void SetText(const String& value);
    const String& GetText() const { return text; }
    void SetFont(const std::shared_ptr<iBitmapFont>& value) { font = value; }
    void SetMaxChar(int count);
    void SetCursorColor(float r, float g, float b);
    void SetSurfaceColor(float r, float g, float b);
    void SetSurfaceGhostColor(float r, float g, float b);
    // Freezes the current size, then keeps the data.
    void SetSurfaceImageData(const ImageData& data);
    // Its focusTag is the focus value of its playfield.
    bool Focused() const;
    // Whether the cursor shows in this frame.
    bool CursorShown() const { return Focused() && blinkCounter < cursorDelay; }

  private:
    // Whether typing may add code c now.
    bool Accepts(int c) const;
    void Draw(bool ghostLook);
};
