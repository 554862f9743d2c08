// Rectangle and ellipse widgets.
#include "gui/shapes.h"

#include <cmath>

#include "framework/config.h"
#include "gui/skin_drawing.h"
#include "platform/graphics.h"

int iGuiRectangle::OnCreate() {
    exclusive = false;
    return 0;
}

void iGuiRectangle::Render() {
    PushWidgetRotation(*this);
    ApplyLook(*this, blend, alpha, red, green, blue);
    if (outlined == 0) {
        platform::DrawRect(x, y, Width(), Height());
    } else {
        DrawRectOutline(platform::TruncToInt(Width()), platform::TruncToInt(Height()), outlined, x,
                        y);
    }
    platform::PopMatrix();
    DrawDebugText();
}

void iGuiRectangle::RenderGhost() {
    PushWidgetRotation(*this);
    ApplyLook(*this, ghostBlend, ghostAlpha, ghostRed, ghostGreen, ghostBlue);
    platform::DrawRect(x, y, Width(), Height());
    platform::PopMatrix();
}

bool iGuiRectangle::LoadSkin(iConfig& config, const String& prefix) {
    outlined = config.GetInt(prefix + u"outlined", outlined);
    return iGuiObject::LoadSkin(config, prefix);
}

int iGuiEllipse::OnCreate() {
    exclusive = false;
    return 0;
}

std::shared_ptr<iGuiEllipse> iGuiEllipse::New(int w, int h) {
    iGuiObject::New();
    height = h;
    width = w;
    return SelfAs<iGuiEllipse>();
}

void iGuiEllipse::Render() {
    ApplyLook(*this, blend, alpha, red, green, blue);
    platform::DrawEllipse(x, y, Width(), Height());
    DrawDebugText();
}

void iGuiEllipse::RenderGhost() {
    ApplyLook(*this, ghostBlend, ghostAlpha, ghostRed, ghostGreen, ghostBlue);
    platform::DrawEllipse(x, y, Width(), Height());
}
