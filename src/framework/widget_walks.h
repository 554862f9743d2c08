#pragma once
// The walks over the widgets of a GUI page that the engine and the playfields run each update
// and each frame. The widgets are gui's, a layer above the framework, so the framework never
// calls a widget itself: the widget base fills this table when a widget is first made. Until
// then the entries do nothing, as no page holds a widget to walk.
#include "framework/lists.h"
#include "platform/text.h"

class iGuiObject;
class iPlayfield;

struct WidgetWalks {
    // Bounds cached and the pointer offered, topmost (last added) widget first; then each live
    // widget updated in drawing order. With `countDown`, a waiting status counts down.
    void (*updatePage)(iList4& page, bool countDown);
    // A modal widget alone: bounds, pointer and update.
    void (*updateModal)(iGuiObject& modal);
    // Each live widget in its look, in drawing order; `visibleOnly` skips the hidden ones.
    void (*renderPage)(iList4& page, bool visibleOnly);
    // A live and visible modal widget, on a veil over the whole playfield.
    void (*renderModal)(iPlayfield& playfield, iGuiObject& modal);
    // The name searches of iObject, on a widget.
    void (*findByName)(iGuiObject& widget, const String& searched);
    void (*collectByName)(iGuiObject& widget, const String& searched, iObjectList& list);
};

extern WidgetWalks TheWidgetWalks;
