// Check boxes.
#include "gui/check_box.h"

#include "framework/config.h"
#include "framework/playfield.h"
#include "gui/skin.h"
#include "gui/skin_drawing.h"
#include "platform/audio.h"
#include "platform/graphics.h"
#include "framework/shared_assets.h"

float iGuiCheckBox::Height() const {
    const auto& image = images[static_cast<std::size_t>(State())];
    return (image ? static_cast<float>(image->Height()) : static_cast<float>(height)) * scaleY;
}

float iGuiCheckBox::Width() const {
    const auto& image = images[static_cast<std::size_t>(State())];
    return (image ? static_cast<float>(image->Width()) : static_cast<float>(width)) * scaleX;
}

void iGuiCheckBox::SetImage(int index, const platform::ImagePtr& image) {
    if (index == 0 || index == 1) {
        images[static_cast<std::size_t>(index)] = image;
    }
}

const platform::ImagePtr& iGuiCheckBox::Pick(const ImagePair& look) const {
    const auto i = static_cast<std::size_t>(State());
    return look[i] ? look[i] : images[i];
}

void iGuiCheckBox::Update() {
    iGuiObject::Update();
    UpdateEvents();
    if (desktop) {
        visualState = over ? (down ? 2 : 1) : 0;
    } else {
        if (hit && over) {
            visualState = 1;
        }
        if (released || !over) {
            visualState = 0;
        }
    }
    if (released) {
        checkState = checkState == 0 ? 1 : 0;
    }
}

void iGuiCheckBox::Render() {
    if (HasImages()) {
        const platform::ImagePtr* image = &images[static_cast<std::size_t>(State())];
        if (visualState == 1) {
            ApplyLook(*this, mouseOverBlend, mouseOverAlpha, mouseOverRed, mouseOverGreen,
                      mouseOverBlue);
            image = &Pick(mouseOverImages);
        } else if (visualState == 2) {
            ApplyLook(*this, mouseDownBlend, mouseDownAlpha, mouseDownRed, mouseDownGreen,
                      mouseDownBlue);
            image = &Pick(mouseDownImages);
        } else {
            ApplyLook(*this, blend, alpha, red, green, blue);
        }
        platform::DrawImageTransformed(*image, x, y, static_cast<float>(RotationSign) * rotation,
                                       scaleX, scaleY, 0);
    }
    DrawDebugText();
}

void iGuiCheckBox::RenderGhost() {
    ApplyLook(*this, ghostBlend, ghostAlpha, ghostRed, ghostGreen, ghostBlue);
    if (HasImages()) {
        platform::DrawImageTransformed(Pick(ghostImages), x, y,
                                       static_cast<float>(RotationSign) * rotation, scaleX, scaleY,
                                       0);
    } else {
        platform::DrawRect(x, y, static_cast<float>(width), static_cast<float>(height));
    }
}

void iGuiCheckBox::MidHandle() {
    for (ImagePair* look : {&images, &mouseOverImages, &mouseDownImages}) {
        for (auto& image : *look) {
            if (image) {
                image->SetHandle(static_cast<float>(image->Width() / 2),
                                 static_cast<float>(image->Height() / 2));
            }
        }
    }
    if (images[0]) {
        handleX = images[0]->Width() / 2;
        handleY = images[0]->Height() / 2;
    }
}

bool iGuiCheckBox::LoadSkin(iConfig& config, const String& prefix) {
    const auto key = [&prefix](const char16_t* k) { return prefix + k; };
    images[0] = ReadSkinImage(config, key(u"imagePointer [0]"), images[0]);
    images[1] = ReadSkinImage(config, key(u"imagePointer [1]"), images[1]);
    mouseOverImages[0] =
        ReadSkinImage(config, key(u"mouseOverImagePointer [0]"), mouseOverImages[0]);
    mouseOverImages[1] =
        ReadSkinImage(config, key(u"mouseOverImagePointer [1]"), mouseOverImages[1]);
    mouseDownImages[0] =
        ReadSkinImage(config, key(u"mouseDownImagePointer [0]"), mouseDownImages[0]);
    mouseDownImages[1] =
        ReadSkinImage(config, key(u"mouseDownImagePointer [1]"), mouseDownImages[1]);
    ghostImages[0] = ReadSkinImage(config, key(u"ghostImagePointer [0]"), ghostImages[0]);
    ghostImages[1] = ReadSkinImage(config, key(u"ghostImagePointer [1]"), ghostImages[1]);
    mouseDownAlpha = config.GetFloat(key(u"mousedownalpha"), mouseDownAlpha);
    mouseDownBlend = config.GetInt(key(u"mousedownblend"), mouseDownBlend);
    mouseDownBlue = ReadSkinColour(config, key(u"mousedownblue"), mouseDownBlue);
    mouseDownGreen = ReadSkinColour(config, key(u"mousedowngreen"), mouseDownGreen);
    mouseDownRed = ReadSkinColour(config, key(u"mousedownred"), mouseDownRed);
    desktop = config.GetBool(key(u"desktop"), desktop);
    return iGuiObject::LoadSkin(config, prefix);
}

bool iGuiCheckBox2::Hit() {
    if (!hit) {
        return false;
    }
    hit = false;
    if (sonclicclac && !sonclicclac->samples.empty()) {
        platform::PlaySound(sonclicclac, 0, 0);
    }
    return true;
}
