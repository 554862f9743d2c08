#pragma once
// iGuiScrollBox: a group whose children are seen through a window: drawn and hit shifted by a
// camera, clipped to the box. The camera follows a vertical and a horizontal slider that the box
// owns (they are not children) and lays out along its right and bottom edges, and swiping with
// inertia. With auto-limits, a slider's maximum is the part of the content that does not fit.
#include <memory>

#include "framework/events.h"
#include "gui/group.h"

class iBitmapFont;
class iGuiLabel;
class iGuiSliderH;
class iGuiSliderV;

class iGuiScrollBox : public iGuiGroup {
  public:
    float cameraX = 0;
    float cameraY = 0;
    // With clipping, fill the box in its normal look before the children.
    bool autoCls = true;
    std::shared_ptr<iGuiSliderV> sliderV;
    std::shared_ptr<iGuiSliderH> sliderH;
    // Ghost or hide a slider while its content fits.
    bool autoGhost = false;
    bool autoHide = true;
    bool autoLimitH = true;
    bool autoLimitV = true;
    // Share of its speed a swipe keeps, reversed, when it runs into a limit.
    float bump = 0.25f;
    bool clipping = true;
    bool swipeEnabledV = false;
    bool swipeEnabledH = false;
    iSwipe swipe;

    void RenderGhost() override;
    void Render() override;
    void CacheBounds() override;
    void UpdatePointer() override;
    void UpdateGhost() override;
    void Update() override;
    bool LoadSkin(iConfig& config, const String& prefix) override;
    void Destroy() override;

    void CreateSliderV();
    void CreateSliderH();
    bool LoadSliderVSkin(const String& path, const String& prefix);
    // One white-or-given label per line stacked from the top; the label when there was only
    // one, else none.
    std::shared_ptr<iGuiLabel> AddTextLines(const String& text,
                                            const std::shared_ptr<iBitmapFont>& font, float r,
                                            float g, float b, float a, int blendMode);
    void SetAutoCls(bool value) { autoCls = value; }
    const std::shared_ptr<iGuiSliderV>& GetSliderV() const { return sliderV; }
    float GetCameraX() const { return cameraX; }
    float GetCameraY() const { return cameraY; }
    int MaxCameraX() const;
    int MaxCameraY() const;
    // One wheel step of the list screens: 6 pixels up for a positive delta while the list is
    // not at its top, 6 down for a negative one while it is not at its end. True when it moved.
    bool ScrollWheel(float delta);

  private:
    void SwipeStep();
    // Limits, camera and pointer pass of one slider, moved to its place beside the box.
    void UpdateSliderH(bool ghostPass);
    void UpdateSliderV(bool ghostPass);
    void RenderSliders(bool ghostPass);
};
