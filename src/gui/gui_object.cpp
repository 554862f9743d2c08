// The widget base.
//
// Index:
//   construction, status, removal
//   playfield links and coordinates
//   bounds, hit test, pointer update
//   the pointer state machine and events
//   debug text
//   group operations
//   free functions
#include "gui/gui_object.h"

#include <cmath>

#include "framework/engine.h"
#include "framework/events.h"
#include "framework/playfield.h"
#include "gui/page_walks.h"
#include "gui/skin.h"
#include "platform/graphics.h"
#include "platform/input.h"

int TouchSlotCount = 8;

void ResetGuiGlobals() {
    TouchSlotCount = 8;
    ResetSkinGlobals();
}

namespace {

constexpr float DegreesToRadians = 0.017453292f;
constexpr float RadiansToDegrees = 57.29578f;

} // namespace

// --- construction, status, removal ---

iGuiObject::iGuiObject() {
    // The framework walks the GUI pages through these from the first widget on.
    InstallWidgetWalks();
    playfield = GetDefaultPlayfield();
}

std::shared_ptr<iGuiObject> iGuiObject::New() {
    iEngineObject::New();
    OnCreate();
    return SelfAs<iGuiObject>();
}

void iGuiObject::ClearEventFlags() {
    down = false;
    entered = false;
    left = false;
    released = false;
    hit = false;
}

int iGuiObject::SetStatus(int value) {
    status = value;
    if (value != 1) {
        ClearEventFlags();
    }
    return value;
}

void iGuiObject::Remove() {
    // The page lists may hold the last other reference.
    auto self = SelfAs<iGuiObject>();
    auto holder = GetPlayfield();
    if (holder && holder->modalObject.get() == this) {
        holder->modalObject.reset();
    }
    status = 0;
    if (skipRemoveWork != 0) {
        return;
    }
    OnRemove();
    if (holder) {
        for (auto& page : holder->guiPages) {
            if (page) {
                page->Remove(this);
            }
        }
    }
    if (destroyOnRemove && self) {
        AddToDestroyList(self);
    }
}

void iGuiObject::Destroy() {
    parent.reset();
    playfield.reset();
}

void iGuiObject::MidHandle() {
    handleX = width / 2;
    handleY = height / 2;
}

bool iGuiObject::Hit() {
    const bool wasHit = hit;
    hit = false;
    return wasHit;
}

// --- playfield links and coordinates ---

std::shared_ptr<iPlayfield> iGuiObject::GetPlayfield() const {
    const iGuiObject* root = this;
    std::shared_ptr<iGuiObject> holder = parent.lock();
    // A chain deeper than any screen builds means a loop: stop rather than spin.
    for (int depth = 0; holder && depth < 64; ++depth) {
        root = holder.get();
        holder = holder->parent.lock();
    }
    return root->playfield.lock();
}

void iGuiObject::SetPlayfield(const std::shared_ptr<iPlayfield>& target) {
    if (!target) {
        return;
    }
    target->EnsureGuiPages();
    const int page = target->CurrentGuiPage();
    // A page that does not exist falls back to page 0.
    const bool valid = page >= 0 && page < static_cast<int>(target->guiPages.size());
    iList4& list = *target->guiPages[static_cast<std::size_t>(valid ? page : 0)];
    // Attaching twice changes nothing: a second entry would take the pointer from the first.
    if (list.IndexOf(this) >= 0) {
        return;
    }
    list.AddLast(SelfAs<iGuiObject>());
    playfield = target;
    RegisterLast();
}

float iGuiObject::TouchX(int i) const {
    const float raw = platform::TouchX(i);
    auto holder = GetPlayfield();
    if (!CurrentEngine || !holder || holder->scaleX == 0) {
        return raw;
    }
    return (raw - holder->x) / holder->scaleX;
}

float iGuiObject::TouchY(int i) const {
    const float raw = platform::TouchY(i);
    auto holder = GetPlayfield();
    if (!CurrentEngine || !holder || holder->scaleY == 0) {
        return raw;
    }
    return (raw - holder->y) / holder->scaleY;
}

float iGuiObject::PointerX() const {
    const float raw = platform::MouseX();
    auto holder = GetPlayfield();
    if (!CurrentEngine || !holder || holder->scaleX == 0) {
        return raw;
    }
    return (raw - holder->x) / holder->scaleX;
}

float iGuiObject::PointerY() const {
    const float raw = platform::MouseY();
    auto holder = GetPlayfield();
    if (!CurrentEngine || !holder || holder->scaleY == 0) {
        return raw;
    }
    return (raw - holder->y) / holder->scaleY;
}

void iGuiObject::SetDrawColor(float r, float g, float b) const {
    float factor = GetColorFactor();
    if (auto holder = GetPlayfield()) {
        factor *= holder->colorFactor;
    }
    platform::SetColor(r * factor, g * factor, b * factor);
}

void iGuiObject::SetDrawAlpha(float a) const {
    float factor = GetAlphaFactor();
    if (auto holder = GetPlayfield()) {
        factor *= holder->alpha;
    }
    platform::SetAlpha(a * factor);
}

// --- bounds, hit test, pointer update ---

void iGuiObject::CacheBounds() {
    bounds = {std::fabs(Height()), scaleX, scaleY, rotation, std::fabs(Width()), x, y};
}

bool iGuiObject::HitTest(int touch) {
    auto holder = GetPlayfield();
    // A widget outside every playfield cannot be reached by the pointer.
    if (!holder) {
        return false;
    }
    if (checkPlayfield && holder != GuiPlayfield && holder != TopPlayfieldUnderTouch(touch)) {
        return false;
    }
    const float bx = bounds[5];
    const float by = bounds[6];
    const float a = static_cast<float>(RotationSign) * bounds[3] * DegreesToRadians;
    const float c = std::cos(a);
    const float s = std::sin(a);
    const float dx = TouchX(touch) - bx;
    const float dy = TouchY(touch) - by;
    const float px = bx + dx * c - dy * s + static_cast<float>(handleX) * std::fabs(bounds[1]);
    const float py = by + dx * s + dy * c + static_cast<float>(handleY) * std::fabs(bounds[2]);
    return bx <= px && px <= bx + bounds[4] && by <= py && py <= by + bounds[0];
}

bool iGuiObject::FindTouch() {
    int bound = 0;
    while (bound < TouchSlotCount) {
        bound += platform::TouchDown(bound) ? 2 : 1;
    }
    if (bound < 1) {
        touchIndex = 0;
        return false;
    }
    for (touchIndex = 0; touchIndex < bound; ++touchIndex) {
        if (platform::TouchDown(touchIndex) && HitTest(touchIndex)) {
            return true;
        }
    }
    return false;
}

void iGuiObject::UpdatePointer() {
    // Without a playfield no pointer reaches the widget.
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

void iGuiObject::Update() {
    if (!debugLines.empty() && !debugLines[0].empty()) {
        for (auto& line : debugLines) {
            line.clear();
        }
    }
}

// --- the pointer state machine and events ---

void iGuiObject::DropPress() {
    pressState = 0;
    wasOver = false;
}

void iGuiObject::DropPressAfterABreak() {
    // Meanwhile the pointer may have been released, or pressed again elsewhere: an old press
    // would raise no Hit for a new one, or a Released without any Hit.
    const int step = LogicStep();
    if (inputStep != step && inputStep != step - 1) {
        DropPress();
    }
    inputStep = step;
}

void iGuiObject::UpdateEvents() {
    DropPressAfterABreak();
    ClearEventFlags();
    if (over && !wasOver) {
        entered = true;
        RaiseEvent(u"Entered");
    } else if (!over && wasOver) {
        left = true;
        RaiseEvent(u"Left");
    }
    wasOver = over;

    if (pressState == 0 && pointerDown) {
        if (over) {
            hit = true;
            RaiseEvent(u"Hit");
            pressState = 1;
        } else {
            pressState = 2;
        }
    }
    if (pressState == 1) {
        if (pointerDown) {
            if (over) {
                down = true;
                RaiseEvent(u"Down");
            } else {
                // Sliding off while held ends the press silently.
                pressState = 0;
            }
        } else {
            released = true;
            RaiseEvent(u"Released");
            pressState = 0;
        }
    } else if (pressState == 2 && !pointerDown) {
        pressState = 0;
    }
}

String iGuiObject::GetPath() const {
    String path;
    std::shared_ptr<iGuiObject> ancestor = parent.lock();
    for (int depth = 0; ancestor && depth < 64; ++depth) {
        if (!path.empty()) {
            path += u".";
        }
        path += ancestor->name;
        ancestor = ancestor->parent.lock();
    }
    return path;
}

void iGuiObject::RaiseEvent(const String& eventName) {
    if (eventName.empty()) {
        return;
    }
    String fullName = eventName;
    if (!name.empty()) {
        fullName = name + u"." + fullName;
    }
    const String path = GetPath();
    if (!path.empty()) {
        fullName = path + u"." + fullName;
    }
    iEvent::Raise(this, fullName);
}

// --- debug text ---

void iGuiObject::DrawDebugText() const {
    if (debugLines.empty() || debugLines[0].empty()) {
        return;
    }
    if (platform::GetBlend() != 0) {
        platform::Flush();
        platform::SetBlend(0);
    }
    SetDrawAlpha(1.0f);
    SetDrawColor(255, 255, 255);
    const float left = std::trunc(x - static_cast<float>(handleX) * scaleX);
    for (std::size_t i = 0; i < debugLines.size() && i < 8; ++i) {
        if (!debugLines[i].empty()) {
            const float top = std::trunc(y - static_cast<float>(handleY) * scaleY + Height() +
                                         12.0f * static_cast<float>(i));
            platform::DrawText(debugLines[i], left, top);
        }
    }
}

// --- group operations ---

void iGuiObject::CacheBoundsList(iList4& list, float offsetX, float offsetY) {
    for (int i = 0; i < list.Count(); ++i) {
        auto child = list.Get(i);
        const float savedX = child->x;
        const float savedY = child->y;
        const float savedRotation = child->rotation;
        const float savedScaleX = child->scaleX;
        const float savedScaleY = child->scaleY;
        child->x = x + scaleX * child->x - offsetX;
        child->y = y + scaleY * child->y - offsetY;
        child->rotation += rotation;
        child->scaleX *= scaleX;
        child->scaleY *= scaleY;
        // Turn the position about the group's position.
        const float dx = child->x - x;
        const float dy = child->y - y;
        const float d = std::sqrt(dx * dx + dy * dy);
        const float g = std::atan2(dy, dx) * RadiansToDegrees;
        const float a = (g - static_cast<float>(RotationSign) * rotation) * DegreesToRadians;
        child->x = x + d * std::cos(a);
        child->y = y + d * std::sin(a);
        child->CacheBounds();
        child->x = savedX;
        child->y = savedY;
        child->rotation = savedRotation;
        child->scaleX = savedScaleX;
        child->scaleY = savedScaleY;
    }
}

void iGuiObject::UpdatePointerList(iList4& list) {
    for (int i = list.Count() - 1; i >= 0; --i) {
        if (auto child = list.Get(i); child && child->status == 1) {
            child->UpdatePointer();
        }
    }
}

void iGuiObject::UpdatePointerOne(iGuiObject& widget) {
    if (widget.status == 1) {
        widget.UpdatePointer();
    }
}

void iGuiObject::UpdateGhostOne(iGuiObject& widget) {
    if (widget.status == 1) {
        widget.UpdateGhost();
    }
}

void iGuiObject::UpdateOne(iGuiObject& widget) { widget.Update(); }

void iGuiObject::UpdateList(iList4& list) {
    for (int i = 0; i < list.Count(); ++i) {
        if (auto child = list.Get(i); child && child->status == 1) {
            child->Update();
        }
    }
}

void iGuiObject::UpdateGhostList(iList4& list) {
    for (int i = 0; i < list.Count(); ++i) {
        if (auto child = list.Get(i); child && child->status == 1) {
            child->UpdateGhost();
        }
    }
}

void iGuiObject::RenderList(iList4& list, float offsetX, float offsetY) {
    for (int i = 0; i < list.Count(); ++i) {
        if (auto child = list.Get(i)) {
            RenderChild(*child, offsetX, offsetY, child->ghost);
        }
    }
}

void iGuiObject::RenderListGhost(iList4& list, float offsetX, float offsetY) {
    for (int i = 0; i < list.Count(); ++i) {
        if (auto child = list.Get(i)) {
            RenderChild(*child, offsetX, offsetY, true);
        }
    }
}

void iGuiObject::RenderOne(iGuiObject& child, float offsetX, float offsetY) {
    RenderChild(child, offsetX, offsetY, false);
}

void iGuiObject::RenderOneGhost(iGuiObject& child, float offsetX, float offsetY) {
    RenderChild(child, offsetX, offsetY, true);
}

void iGuiObject::RenderChild(iGuiObject& child, float offsetX, float offsetY, bool ghostLook) {
    if (child.status != 1 || !child.visible) {
        return;
    }
    platform::PushMatrix();
    platform::Translate(x - offsetX, y - offsetY);
    platform::Rotate(static_cast<float>(RotationSign) * rotation);
    platform::Scale(scaleX, scaleY);
    // The group's alphas apply to the child for this drawing only.
    const float savedAlpha = child.alpha;
    const float savedMouseOverAlpha = child.mouseOverAlpha;
    child.alpha *= alpha;
    child.mouseOverAlpha *= mouseOverAlpha;
    if (ghostLook) {
        child.RenderGhost();
    } else {
        child.Render();
    }
    child.alpha = savedAlpha;
    child.mouseOverAlpha = savedMouseOverAlpha;
    platform::PopMatrix();
}

// --- free functions ---

std::shared_ptr<iPlayfield> TopPlayfieldUnderTouch(int touch) {
    if (!CurrentEngine) {
        return nullptr;
    }
    iEngine& engine = *CurrentEngine;
    if (engine.playfields.Count() == 0) {
        auto fallback = engine.defaultPlayfield;
        return fallback && fallback->status != 0 ? fallback : nullptr;
    }
    const float tx = platform::TouchX(touch);
    const float ty = platform::TouchY(touch);
    // By index: the engine may be walking its list with the cursor right now.
    for (int i = engine.playfields.Count() - 1; i >= 0; --i) {
        auto candidate = engine.playfields.Get(i);
        if (candidate && candidate->x <= tx &&
            tx <= candidate->x + static_cast<float>(candidate->width) * candidate->scaleX &&
            candidate->y <= ty &&
            ty <= candidate->y + static_cast<float>(candidate->height) * candidate->scaleY) {
            return candidate;
        }
    }
    return nullptr;
}

bool PointInRotatedRect(float rx, float ry, float rw, float rh, float px, float py, float angle,
                        float hx, float hy) {
    const float a = angle * DegreesToRadians;
    const float c = std::cos(a);
    const float s = std::sin(a);
    const float dx = px - rx;
    const float dy = py - ry;
    const float qx = rx + dx * c - dy * s + hx;
    const float qy = ry + dx * s + dy * c + hy;
    return rx <= qx && qx <= rx + rw && ry <= qy && qy <= ry + rh;
}

bool RectsOverlap(float x1, float y1, int w1, int h1, float x2, float y2, int w2, int h2) {
    const float left1 = x1 - static_cast<float>(w1 / 2);
    const float top1 = y1 - static_cast<float>(h1 / 2);
    const float left2 = x2 - static_cast<float>(w2 / 2);
    const float top2 = y2 - static_cast<float>(h2 / 2);
    return left2 < left1 + static_cast<float>(w1) && top2 < top1 + static_cast<float>(h1) &&
           left1 < left2 + static_cast<float>(w2) && top1 < top2 + static_cast<float>(h2);
}
