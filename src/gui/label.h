#pragma once
// iGuiLabel: one line of bitmap-font text, unchanged; a passive widget (never claims the
// pointer). Without a font it draws nothing and measures 0 by 0.
#include <functional>
#include <memory>

#include "gui/gui_object.h"

class iBitmapFont;

// A dark rim around the letters of a text widget, so that pale text reads over a moving
// picture (the menus' drifting furniture): the text drawn first in this colour, `width` units
// around in eight directions.
struct TextOutline {
    bool on = false;
    float red = 25;
    float green = 30;
    float blue = 25;
    float alpha = 0.85f;
    float width = 2;
};
// Calls draw(dx, dy) with each offset of the rim, the rim's colour applied; nothing when off.
void DrawTextOutline(const iGuiObject& widget, const TextOutline& outline,
                     const std::function<void(float dx, float dy)>& draw);

class iGuiLabel : public iGuiObject {
  public:
    std::shared_ptr<iBitmapFont> font;
    String text;
    TextOutline outline;

    float Height() const override;
    float Width() const override;
    void RenderGhost() override;
    void Render() override;
    int OnCreate() override;
    bool LoadSkin(iConfig& config, const String& prefix) override;
    void MidHandle() override;

    // Neither the width nor the handle follows: call MidHandle again when needed.
    void SetText(const String& value) { text = value; }
    void SetFont(const std::shared_ptr<iBitmapFont>& value) { font = value; }
};

// The two skin keys of the text widgets: "bitmapFont" (only when no font is set yet) and "text".
void ReadTextSkin(iConfig& config, const String& prefix, std::shared_ptr<iBitmapFont>& font,
                  String& text);
