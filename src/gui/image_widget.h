#pragma once
// iGuiImage: one frame of one image as a passive widget (panels, frames, decorations), plain or
// as a nine-slice image stretched to its size. It never claims the pointer and raises no events.
#include <vector>

#include "gui/gui_object.h"
#include "platform/image.h"

class iGuiImage : public iGuiObject {
  public:
    platform::ImagePtr image;
    std::vector<int> imageData;
    int frame = 0;

    float Height() const override;
    float Width() const override;
    void RenderGhost() override;
    void Render() override;
    int OnCreate() override;
    bool LoadSkin(iConfig& config, const String& prefix) override;
    // Without an image the handle stays where it is.
    void MidHandle() override;

    void LoadImage(const String& imageName);
    void SetImage(const platform::ImagePtr& value) { image = value; }
    const platform::ImagePtr& GetImage() const { return image; }
    void SetFrame(int value) { frame = value; }
    float GetFrame() const { return static_cast<float>(frame); }
    // The current size becomes the widget's size, then the data is kept.
    void SetImageData(const std::vector<int>& data);

  private:
    void DrawLook(int lookBlend, float lookAlpha, float r, float g, float b) const;
};
