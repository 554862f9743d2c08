#pragma once
// iGuiLink: a clickable line of bitmap-font text, highlighted in the mouse-over look while it
// is pointed at (desktop) or pressed, and optionally underlined in that look. Its size is its
// text's; without a font it is invisible and cannot be hit.
#include <memory>

#include "gui/gui_object.h"

class iBitmapFont;

class iGuiLink : public iGuiObject {
  public:
    String text;
    std::shared_ptr<iBitmapFont> font;
    // Highlight on hovering; otherwise only while pressed.
    bool desktop = false;
    bool underline = false;
    // Pixels from the bottom of the text line down to the underline, unscaled.
    int underlineOffset = 0;

    float Height() const override;
    float Width() const override;
    // Not even the corner point of a link without a font (nothing of it is shown).
    bool HitTest(int touch) override;
    void RenderGhost() override;
    void Render() override;
    void Update() override;
    bool LoadSkin(iConfig& config, const String& prefix) override;
    void MidHandle() override;
};
