#pragma once
// iGuiLabel: one line of bitmap-font text, unchanged; a passive widget (never claims the
// pointer). Without a font it draws nothing and measures 0 by 0.
#include <memory>

#include "gui/gui_object.h"

class iBitmapFont;

class iGuiLabel : public iGuiObject {
  public:
    std::shared_ptr<iBitmapFont> font;
    String text;

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
