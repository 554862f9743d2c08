#pragma once
// The two shape widgets: iGuiRectangle (filled, or a border of `outlined` pixels; the upper-left
// corner at its position) and iGuiEllipse (filled, centred on its position, width and height
// being the radii). Neither claims the pointer nor raises events.
#include "gui/gui_object.h"

class iGuiRectangle : public iGuiObject {
  public:
    // 0 filled; above 0 only a border that many pixels wide.
    int outlined = 0;

    int OnCreate() override;
    void Render() override;
    void RenderGhost() override;
    bool LoadSkin(iConfig& config, const String& prefix) override;
};

class iGuiEllipse : public iGuiObject {
  public:
    int OnCreate() override;
    using iGuiObject::New;
    // Creation frame and OnCreate, then the radii.
    std::shared_ptr<iGuiEllipse> New(int w, int h);
    void Render() override;
    void RenderGhost() override;
};
