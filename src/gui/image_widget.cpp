// The image widget.
#include "gui/image_widget.h"

#include <cmath>

#include "framework/config.h"
#include "framework/content_manager.h"
#include "gui/skin.h"
#include "gui/skin_drawing.h"
#include "platform/graphics.h"

float iGuiImage::Height() const {
    if (height != 0) {
        return static_cast<float>(height) * scaleY;
    }
    return image ? static_cast<float>(image->Height()) * scaleY : 0.0f;
}

float iGuiImage::Width() const {
    if (width != 0) {
        return static_cast<float>(width) * scaleX;
    }
    return image ? static_cast<float>(image->Width()) * scaleX : 0.0f;
}

int iGuiImage::OnCreate() {
    exclusive = false;
    return 0;
}

void iGuiImage::MidHandle() {
    if (image) {
        handleX = image->Width() / 2;
        handleY = image->Height() / 2;
    }
}

void iGuiImage::LoadImage(const String& imageName) {
    if (!TheContentManager) {
        ResetContentManager();
    }
    image = TheContentManager->GetImage(imageName, 1, 0);
}

void iGuiImage::SetImageData(const std::vector<int>& data) {
    width = platform::TruncToInt(Width());
    height = platform::TruncToInt(Height());
    imageData = data;
}

void iGuiImage::DrawLook(int lookBlend, float lookAlpha, float r, float g, float b) const {
    PushWidgetRotation(*this);
    ApplyLook(*this, lookBlend, lookAlpha, r, g, b);
    DrawSkinImage(image, frame, Left(), Top(), 0, scaleX, scaleY, imageData, width, height);
    platform::PopMatrix();
}

void iGuiImage::Render() {
    if (image) {
        DrawLook(blend, alpha, red, green, blue);
    }
    DrawDebugText();
}

void iGuiImage::RenderGhost() {
    if (image) {
        DrawLook(ghostBlend, ghostAlpha, ghostRed, ghostGreen, ghostBlue);
    }
}

bool iGuiImage::LoadSkin(iConfig& config, const String& prefix) {
    image = ReadSkinImage(config, prefix + u"imagePointer", image);
    const std::vector<int> data = config.GetIntArray(prefix + u"imagedata", u",", {});
    if (!data.empty()) {
        SetImageData(data);
    }
    frame = config.GetInt(prefix + u"frame", frame);
    return iGuiObject::LoadSkin(config, prefix);
}
