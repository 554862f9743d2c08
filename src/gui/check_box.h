#pragma once
// iGuiCheckBox: a two-state image widget (0 off, 1 on) in four looks (normal, mouse-over,
// mouse-down, ghost) that flips its state when a press that began on it is released on it.
// iGuiCheckBox2, the options screens' box, also plays the check-box sound when its hit is read.
#include <array>

#include "gui/gui_object.h"
#include "platform/image.h"

class iGuiCheckBox : public iGuiObject {
  public:
    using ImagePair = std::array<platform::ImagePtr, 2>;

    ImagePair images{};
    int checkState = 0;
    ImagePair mouseOverImages{};
    ImagePair mouseDownImages{};
    ImagePair ghostImages{};
    float mouseDownAlpha = 1.0f;
    int mouseDownBlend = 0;
    float mouseDownBlue = 255;
    float mouseDownGreen = 255;
    float mouseDownRed = 255;
    // True: hover and press looks (mouse); false: the press look only (touch).
    bool desktop = false;

    // The current state's picture times the scale; without it the widget's own size.
    float Height() const override;
    float Width() const override;
    void RenderGhost() override;
    void Render() override;
    // A ghosted box neither raises events nor flips.
    void UpdateGhost() override {}
    void Update() override;
    bool LoadSkin(iConfig& config, const String& prefix) override;
    void MidHandle() override;

    void SetChecked(int value) { checkState = value; }
    void SetImage(int index, const platform::ImagePtr& image);

  protected:
    // The state's picture of a look, or the normal one when the look has none.
    const platform::ImagePtr& Pick(const ImagePair& look) const;
    // Both pictures of the normal look are set.
    bool HasImages() const { return images[0] && images[1]; }
    int State() const { return checkState == 1 ? 1 : 0; }
};

class iGuiCheckBox2 : public iGuiCheckBox {
  public:
    // Reads and clears the hit flag; on a hit the check-box sound plays on channel 0.
    bool Hit();
};
