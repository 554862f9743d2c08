// Groups and their items scripts.
#include "gui/group.h"

#include <algorithm>
#include <cmath>

#include "framework/config.h"
#include "framework/engine.h"
#include "platform/files.h"
#include "platform/input.h"

void iGuiGroup::FindByName(const String& searched) {
    iObject::FindByName(searched);
    // No early stop: the last match, depth first, wins.
    for (int i = 0; i < children.Count(); ++i) {
        children.Get(i)->FindByName(searched);
    }
}

void iGuiGroup::CollectByName(const String& searched, iObjectList& list) {
    iObject::CollectByName(searched, list);
    for (int i = 0; i < children.Count(); ++i) {
        children.Get(i)->CollectByName(searched, list);
    }
}

void iGuiGroup::RenderGhost() { RenderListGhost(children, 0, 0); }

void iGuiGroup::Render() {
    if (ghost) {
        RenderListGhost(children, 0, 0);
    } else {
        RenderList(children, 0, 0);
    }
    DrawDebugText();
}

void iGuiGroup::CacheBounds() {
    iGuiObject::CacheBounds();
    CacheBoundsList(children, 0, 0);
}

void iGuiGroup::UpdatePointer() {
    if (!GetPlayfield()) {
        pointerDown = false;
        over = false;
        return;
    }
    if (multitouch) {
        FindTouch();
    }
    pointerDown = platform::TouchDown(touchIndex);
    over = HitTest(touchIndex);
    // The children come first, so one under the pointer claims it before the group.
    UpdatePointerList(children);
    if (!exclusive) {
        return;
    }
    if (PointerOwner != nullptr) {
        if (!multitouch) {
            over = false;
        }
        return;
    }
    if (over) {
        PointerOwner = this;
    }
}

void iGuiGroup::UpdateGhost() { UpdateGhostList(children); }

void iGuiGroup::Update() {
    iGuiObject::Update();
    if (ghost) {
        UpdateGhostList(children);
    } else {
        UpdateList(children);
    }
}

bool iGuiGroup::LoadSkin(iConfig& config, const String& prefix) {
    // The children are placed while the group still has its earlier position and size.
    const String script = config.GetString(prefix + u"itemsScript", u"");
    if (!script.empty()) {
        LoadItemsScript(script);
    }
    return iGuiObject::LoadSkin(config, prefix);
}

int iGuiGroup::ContentHeight() const {
    float bottom = 0;
    for (int i = 0; i < children.Count(); ++i) {
        auto child = children.Get(i);
        if (child->status == 1) {
            bottom = std::max(bottom, child->Height() + child->y);
        }
    }
    return static_cast<int>(std::trunc(bottom));
}

int iGuiGroup::ContentWidth() const {
    float right = 0;
    for (int i = 0; i < children.Count(); ++i) {
        auto child = children.Get(i);
        if (child->status == 1) {
            right = std::max(right, child->Width() + child->x);
        }
    }
    return static_cast<int>(std::trunc(right));
}

void iGuiGroup::AddChild(const std::shared_ptr<iGuiObject>& child) {
    if (!child || child.get() == this) {
        return;
    }
    children.AddLast(child);
    child->parent = SelfAs<iGuiObject>();
    child->playfield = GetPlayfield();
}

namespace {

// Scripts of nested groups read while a script is read; a script that names itself (or a
// circle of scripts) stops here instead of exhausting the stack.
int ScriptDepth = 0;
constexpr int MaxScriptDepth = 8;

} // namespace

void iGuiGroup::LoadItemsScript(const String& path) {
    if (ScriptDepth >= MaxScriptDepth) {
        return;
    }
    const String text = platform::LoadString(path);
    if (!text.empty()) {
        ScriptDepth += 1;
        ParseItemsScript(text);
        ScriptDepth -= 1;
    }
}

std::vector<String> SplitItemSections(const String& text) {
    // Lone carriage returns end lines too, so old Mac files split like the others.
    const String unified = platform::Replace(platform::Replace(text, u"\r\n", u"\n"), u"\r", u"\n");
    std::vector<String> sections;
    for (const String& piece : platform::Split(unified, u"\n\n")) {
        if (!platform::Trim(piece).empty()) {
            sections.push_back(piece);
        }
    }
    return sections;
}

void iGuiGroup::ParseItemsScript(const String& text) {
    auto self = SelfAs<iGuiObject>();
    for (const String& section : SplitItemSections(text)) {
        auto config = std::make_shared<iConfig>();
        config->Parse(section);
        // Layer objects and unknown classes are dropped, as are widgets whose skin fails.
        auto widget = std::dynamic_pointer_cast<iGuiObject>(iEngine::CreateObject(*config));
        if (!widget) {
            continue;
        }
        // Attached before its skin is read, so that "autox"/"autoy" place it after the child
        // before it and a nested group's own script finds its playfield.
        widget->SetParent(self);
        if (!widget->LoadSkin(*config, u"")) {
            children.Remove(widget.get());
            widget->parent.reset();
            continue;
        }
        widget->skinConfig = config;
    }
}
