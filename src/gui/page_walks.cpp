// The walks over a GUI page that the framework hands to the widgets.
#include "gui/page_walks.h"

#include "framework/playfield.h"
#include "framework/widget_walks.h"
#include "gui/gui_object.h"
#include "platform/graphics.h"

namespace {

void UpdatePage(iList4& page, bool countDown) {
    // The topmost widget (drawn last) gets the first chance to claim the pointer.
    for (auto widget = page.Last(); widget; widget = page.Previous()) {
        widget->CacheBounds();
        if (widget->status == 1 && !widget->ghost) {
            widget->UpdatePointer();
        }
    }
    // Updates run in drawing order.
    for (auto widget = page.First(); widget; widget = page.Next()) {
        if (widget->status == 1) {
            if (widget->ghost) {
                widget->UpdateGhost();
            } else {
                widget->Update();
            }
        } else if (countDown && widget->status > 1) {
            widget->status -= 1;
        }
    }
}

void UpdateModal(iGuiObject& modal) {
    modal.CacheBounds();
    if (modal.status == 1) {
        if (!modal.ghost) {
            modal.UpdatePointer();
            modal.Update();
        } else {
            modal.UpdateGhost();
        }
    }
}

void RenderWidget(iGuiObject& widget) {
    if (widget.ghost) {
        widget.RenderGhost();
    } else {
        widget.Render();
    }
}

void RenderPage(iList4& page, bool visibleOnly) {
    for (auto widget = page.First(); widget; widget = page.Next()) {
        if (widget->status == 1 && (widget->visible || !visibleOnly)) {
            RenderWidget(*widget);
        }
    }
}

void RenderModal(iPlayfield& playfield, iGuiObject& modal) {
    if (modal.status != 1 || !modal.visible) {
        return;
    }
    platform::SetAlpha(0.75f);
    platform::Flush();
    platform::SetBlend(0);
    platform::SetColor(1, 1, 1);
    platform::DrawRect(0, 0, static_cast<float>(playfield.width),
                       static_cast<float>(playfield.height));
    RenderWidget(modal);
}

void FindByName(iGuiObject& widget, const String& searched) { widget.FindByName(searched); }

void CollectByName(iGuiObject& widget, const String& searched, iObjectList& list) {
    widget.CollectByName(searched, list);
}

} // namespace

void InstallWidgetWalks() {
    TheWidgetWalks = {UpdatePage, UpdateModal, RenderPage, RenderModal, FindByName, CollectByName};
}
