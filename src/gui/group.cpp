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
    return platform::TruncToInt(bottom);
}

int iGuiGroup::ContentWidth() const {
    float right = 0;
    for (int i = 0; i < children.Count(); ++i) {
        auto child = children.Get(i);
        if (child->status == 1) {
            right = std::max(right, child->Width() + child->x);
        }
    }
    return platform::TruncToInt(right);
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

// One script and the scripts its groups name are read as one tree. A script that names itself
// (or a circle of scripts) would grow without end: depth, reading and the widgets made are all
// bounded, far above what any panel of the game needs.
struct ScriptTree {
    int depth = 0;
    int widgets = 0;
    std::size_t units = 0;
};
ScriptTree Tree;
constexpr int MaxScriptDepth = 8;
constexpr int MaxScriptWidgets = 1000;
constexpr std::size_t MaxScriptBytes = 64 * 1024;
constexpr std::size_t MaxTreeUnits = 1024 * 1024;

} // namespace

void iGuiGroup::LoadItemsScript(const String& path) {
    // A script is part of the game's data: it never names a file outside the data folder.
    if (Tree.depth >= MaxScriptDepth || !platform::IsInDataFolder(path)) {
        return;
    }
    const std::size_t left = Tree.depth == 0 ? MaxTreeUnits : MaxTreeUnits - Tree.units;
    const String text = platform::LoadString(path, std::min(MaxScriptBytes, left));
    if (!text.empty()) {
        ParseItemsScript(text);
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
    if (Tree.depth == 0) {
        Tree = ScriptTree{};
    }
    Tree.units += text.size();
    if (Tree.units > MaxTreeUnits) {
        return;
    }
    Tree.depth += 1;
    auto self = SelfAs<iGuiObject>();
    for (const String& section : SplitItemSections(text)) {
        if (Tree.widgets >= MaxScriptWidgets) {
            break;
        }
        auto config = std::make_shared<iConfig>();
        config->Parse(section);
        // Layer objects and unknown classes are dropped, as are widgets whose skin fails.
        auto widget = std::dynamic_pointer_cast<iGuiObject>(iEngine::CreateObject(*config));
        if (!widget) {
            continue;
        }
        Tree.widgets += 1;
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
    Tree.depth -= 1;
}
