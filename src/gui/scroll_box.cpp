// The scroll box, and the click tests of buttons that lie in one.
//
// Index:
//   sliders and limits
//   pointer and swipe
//   update
//   bounds and drawing
//   skin and text lines
//   click tests of buttons in a scroll box
#include "gui/scroll_box.h"

#include <algorithm>
#include <cmath>

#include "framework/bitmap_font.h"
#include "framework/config.h"
#include "framework/content_manager.h"
#include "framework/engine.h"
#include "framework/graphics_state.h"
#include "framework/playfield.h"
#include "framework/shared_assets.h"
#include "gui/button_variants.h"
#include "gui/label.h"
#include "gui/skin.h"
#include "gui/slider.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/input.h"

// --- sliders and limits ---

void iGuiScrollBox::CreateSliderV() {
    if (sliderV) {
        return;
    }
    sliderV = std::make_shared<iGuiSliderV>();
    sliderV->New();
    // Owned by the box, not one of its children.
    sliderV->parent = SelfAs<iGuiObject>();
    sliderV->playfield = GetPlayfield();
    sliderV->height = platform::TruncToInt(Height());
    sliderV->width = 40;
    sliderV->sliderLength = sliderV->height;
    sliderV->grabWidth = 40;
    sliderV->grabHeight = 64;
    sliderV->surfaceWidth = sliderV->width;
    sliderV->surfaceHeight = sliderV->height;
}

void iGuiScrollBox::CreateSliderH() {
    if (sliderH) {
        return;
    }
    sliderH = std::make_shared<iGuiSliderH>();
    sliderH->New();
    sliderH->parent = SelfAs<iGuiObject>();
    sliderH->playfield = GetPlayfield();
    sliderH->width = platform::TruncToInt(Width());
    sliderH->height = 40;
    sliderH->sliderLength = sliderH->width;
    sliderH->grabWidth = 64;
    sliderH->grabHeight = 40;
    sliderH->surfaceWidth = sliderH->width;
    sliderH->surfaceHeight = sliderH->height;
}

bool iGuiScrollBox::LoadSliderVSkin(const String& path, const String& prefix) {
    CreateSliderV();
    return sliderV->LoadSkinFile(path, prefix);
}

void iGuiScrollBox::Destroy() {
    sliderV.reset();
    sliderH.reset();
    iGuiGroup::Destroy();
}

int iGuiScrollBox::MaxCameraX() const {
    return std::max(0, platform::TruncToInt(static_cast<double>(ContentWidth()) - Width()));
}

int iGuiScrollBox::MaxCameraY() const {
    return std::max(0, platform::TruncToInt(static_cast<double>(ContentHeight()) - Height()));
}

bool iGuiScrollBox::ScrollWheel(float delta) {
    if (!sliderV) {
        return false;
    }
    if (delta > 0 && sliderV->value > 0) {
        sliderV->value -= 6;
        return true;
    }
    if (delta < 0 && sliderV->value < static_cast<float>(sliderV->maximum)) {
        sliderV->value += 6;
        return true;
    }
    return false;
}

// --- pointer and swipe ---

namespace {

// A clipped-away child neither stays over nor keeps a claim on the pointer.
void DropOver(iGuiObject& widget) {
    widget.over = false;
    if (iList4* inner = widget.ChildList()) {
        for (int i = 0; i < inner->Count(); ++i) {
            DropOver(*inner->Get(i));
        }
    }
}

// Held to 0..limit; true when it had to be held.
bool HoldWithin(float& v, float limit) {
    const float held = std::min(std::max(v, 0.0f), std::max(limit, 0.0f));
    const bool changed = held != v;
    v = held;
    return changed;
}

} // namespace

void iGuiScrollBox::SwipeStep() {
    if (over && PointerOwner == nullptr) {
        swipe.Update(touchIndex);
    }
    swipe.ApplyFriction();
    if (swipeEnabledH) {
        bool held = false;
        if (sliderH && sliderH->status != 0) {
            sliderH->value -= swipe.velocityX;
            held = HoldWithin(sliderH->value, static_cast<float>(sliderH->maximum));
        } else {
            cameraX -= swipe.velocityX;
            held = HoldWithin(cameraX, static_cast<float>(MaxCameraX()));
        }
        if (held && std::fabs(swipe.velocityX) > 1.0f) {
            swipe.velocityX = -bump * swipe.velocityX;
        }
    }
    if (swipeEnabledV) {
        bool held = false;
        if (sliderV && sliderV->status != 0) {
            sliderV->value -= swipe.velocityY;
            held = HoldWithin(sliderV->value, static_cast<float>(sliderV->maximum));
        } else {
            cameraY -= swipe.velocityY;
            held = HoldWithin(cameraY, static_cast<float>(MaxCameraY()));
        }
        if (held && std::fabs(swipe.velocityY) > 1.0f) {
            swipe.velocityY = -bump * swipe.velocityY;
        }
    }
}

void iGuiScrollBox::UpdatePointer() {
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
    if (swipeEnabledH || swipeEnabledV) {
        SwipeStep();
    }
    iGuiObject* ownerBefore = PointerOwner;
    UpdatePointerList(children);
    // With clipping, what lies outside the box is not there to be pressed.
    if (clipping && !over) {
        for (int i = 0; i < children.Count(); ++i) {
            DropOver(*children.Get(i));
        }
        PointerOwner = ownerBefore;
    }
    if (exclusive && PointerOwner == nullptr && over) {
        PointerOwner = this;
    }
}

// --- update ---

void iGuiScrollBox::UpdateSliderH(bool ghostPass) {
    iGuiSliderH& slider = *sliderH;
    slider.playfield = GetPlayfield();
    if (autoLimitH) {
        const int content = ContentWidth();
        if (static_cast<float>(content) <= Width()) {
            // Nothing to scroll: the content stays at its start.
            slider.maximum = 0;
            if (autoGhost) {
                slider.ghost = true;
            }
            if (autoHide) {
                slider.visible = false;
            }
        } else {
            slider.maximum = platform::TruncToInt(static_cast<double>(content) - Width());
            if (autoGhost) {
                slider.ghost = false;
            }
            if (autoHide) {
                slider.visible = true;
            }
        }
    }
    HoldWithin(slider.value, static_cast<float>(slider.maximum));
    cameraX = slider.value;
    if (slider.status == 1 && !slider.ghost && !ghost && !ghostPass) {
        slider.x += x;
        slider.y += y + Height();
        slider.UpdatePointer();
        slider.Update();
        slider.x -= x;
        slider.y -= y + Height();
    }
}

void iGuiScrollBox::UpdateSliderV(bool ghostPass) {
    iGuiSliderV& slider = *sliderV;
    slider.playfield = GetPlayfield();
    if (autoLimitV) {
        const int content = ContentHeight();
        if (static_cast<float>(content) <= Height()) {
            // The top of a list that shrank must come back into view.
            slider.maximum = 0;
            if (autoGhost) {
                slider.ghost = true;
            }
            if (autoHide) {
                slider.status = 0;
            }
        } else {
            slider.maximum = platform::TruncToInt(static_cast<double>(content) - Height());
            if (autoGhost) {
                slider.ghost = false;
            }
            if (autoHide) {
                slider.status = 1;
            }
        }
    }
    HoldWithin(slider.value, static_cast<float>(slider.maximum));
    cameraY = slider.value;
    if (slider.status != 0 && !slider.ghost && !ghost && !ghostPass) {
        slider.x += x + Width();
        slider.y += y;
        slider.UpdatePointer();
        slider.Update();
        slider.x -= x + Width();
        slider.y -= y;
    }
}

void iGuiScrollBox::Update() {
    iGuiGroup::Update();
    if (sliderH) {
        UpdateSliderH(false);
    }
    if (sliderV) {
        UpdateSliderV(false);
    }
}

void iGuiScrollBox::UpdateGhost() {
    UpdateGhostList(children);
    if (sliderH) {
        UpdateSliderH(true);
    }
    if (sliderV) {
        UpdateSliderV(true);
    }
}

// --- bounds and drawing ---

void iGuiScrollBox::CacheBounds() {
    iGuiObject::CacheBounds();
    // Children are hit where they are drawn.
    CacheBoundsList(children, cameraX, cameraY);
    // The sliders are cached where they are updated and drawn: beside the box.
    if (sliderH) {
        const float dx = bounds[5];
        const float dy = bounds[6] + Height();
        sliderH->x += dx;
        sliderH->y += dy;
        sliderH->CacheBounds();
        sliderH->x -= dx;
        sliderH->y -= dy;
    }
    if (sliderV) {
        const float dx = bounds[5] + Width();
        const float dy = bounds[6];
        sliderV->x += dx;
        sliderV->y += dy;
        sliderV->CacheBounds();
        sliderV->x -= dx;
        sliderV->y -= dy;
    }
}

namespace {

// Clips to the box's rectangle as it lands in the window, within the clip already set.
void ClipTo(float left, float top, float w, float h) {
    const platform::Matrix2D m = platform::GetMatrix();
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
    m.Apply(left, top, x1, y1);
    m.Apply(left + w, top + h, x2, y2);
    const platform::ScissorRect current = platform::GetScissor();
    const float l = std::max(std::min(x1, x2), current.x);
    const float t = std::max(std::min(y1, y2), current.y);
    const float r = std::min(std::max(x1, x2), current.x + current.w);
    const float b = std::min(std::max(y1, y2), current.y + current.h);
    SetClippedScissor(l, t, std::max(0.0f, r - l), std::max(0.0f, b - t));
}

} // namespace

void iGuiScrollBox::RenderSliders(bool ghostPass) {
    if (sliderH && sliderH->status == 1 && sliderH->visible) {
        sliderH->x += x;
        sliderH->y += y + Height();
        if (ghostPass || sliderH->ghost) {
            sliderH->RenderGhost();
        } else {
            sliderH->Render();
        }
        sliderH->x -= x;
        sliderH->y -= y + Height();
    }
    const bool drawV =
        sliderV && (ghostPass ? sliderV->status != 0 : sliderV->status == 1 && sliderV->visible);
    if (drawV) {
        sliderV->x += x + Width();
        sliderV->y += y;
        if (ghostPass || sliderV->ghost) {
            sliderV->RenderGhost();
        } else {
            sliderV->Render();
        }
        sliderV->x -= x + Width();
        sliderV->y -= y;
    }
}

void iGuiScrollBox::Render() {
    PushGraphicsState();
    if (clipping) {
        ClipTo(x, y, Width(), Height());
        if (autoCls) {
            ApplyLook(*this, blend, alpha, red, green, blue);
            platform::DrawRect(x, y, Width(), Height());
        }
    }
    if (ghost) {
        RenderListGhost(children, cameraX, cameraY);
    } else {
        RenderList(children, cameraX, cameraY);
    }
    PopGraphicsState();
    RenderSliders(false);
    DrawDebugText();
}

void iGuiScrollBox::RenderGhost() {
    PushGraphicsState();
    if (clipping) {
        ClipTo(x, y, Width(), Height());
        if (autoCls) {
            ApplyLook(*this, blend, alpha, red, green, blue);
            platform::DrawRect(x, y, Width(), Height());
        }
    }
    RenderListGhost(children, cameraX, cameraY);
    PopGraphicsState();
    RenderSliders(true);
}

// --- skin and text lines ---

bool iGuiScrollBox::LoadSkin(iConfig& config, const String& prefix) {
    const auto key = [&prefix](const char16_t* k) { return prefix + k; };
    autoCls = config.GetBool(key(u"autoCls"), autoCls);
    autoGhost = config.GetBool(key(u"autoGhost"), autoGhost);
    autoHide = config.GetBool(key(u"autoHide"), autoHide);
    autoLimitH = config.GetBool(key(u"autoLimitH"), autoLimitH);
    autoLimitV = config.GetBool(key(u"autoLimitV"), autoLimitV);
    bump = config.GetFloat(key(u"bump"), bump);
    cameraX = config.GetFloat(key(u"cameraX"), cameraX);
    cameraY = config.GetFloat(key(u"cameraY"), cameraY);
    clipping = config.GetBool(key(u"clipping"), clipping);
    swipeEnabledV = config.GetBool(key(u"swipeEnabledV"), swipeEnabledV);
    swipeEnabledH = config.GetBool(key(u"swipeEnabledH"), swipeEnabledH);
    if (config.HasKey(key(u"text"))) {
        const String value = config.GetString(key(u"text"), u"");
        const std::size_t comma = value.find(u',');
        if (comma != String::npos) {
            if (!TheContentManager) {
                ResetContentManager();
            }
            const String file = platform::Trim(value.substr(0, comma));
            const String fontName = platform::Trim(value.substr(comma + 1));
            AddTextLines(platform::LoadString(file), TheContentManager->GetFont(fontName), 255, 255,
                         255, 1.0f, 0);
        }
    }
    if (!iGuiGroup::LoadSkin(config, prefix)) {
        return false;
    }
    // The sliders come after the box has its final size.
    if (config.HasKeyPrefix(prefix + u"sliderV.", true)) {
        CreateSliderV();
        sliderV->LoadSkin(config, prefix + u"sliderV.");
    }
    if (config.HasKeyPrefix(prefix + u"sliderH.", true)) {
        CreateSliderH();
        sliderH->LoadSkin(config, prefix + u"sliderH.");
    }
    return true;
}

std::shared_ptr<iGuiLabel> iGuiScrollBox::AddTextLines(const String& text,
                                                       const std::shared_ptr<iBitmapFont>& font,
                                                       float r, float g, float b, float a,
                                                       int blendMode) {
    std::vector<String> lines = platform::Split(text, u"\n");
    if (lines.size() < 2) {
        lines = {text};
    }
    auto self = SelfAs<iGuiObject>();
    std::shared_ptr<iGuiLabel> label;
    for (const String& line : lines) {
        label = std::make_shared<iGuiLabel>();
        label->New();
        label->SetParent(self);
        label->SetFont(font);
        label->SetText(line);
        label->alpha = a;
        label->red = r;
        label->green = g;
        label->blue = b;
        label->blend = blendMode;
        label->PlaceBelowPrevious(0);
    }
    return lines.size() == 1 ? label : nullptr;
}

// --- click tests of buttons in a scroll box ---

namespace {

// The button's box as the scroll box draws it, in the playfield's units.
bool InsideScrolled(const iGuiButton2& button, const iGuiScrollBox& box, float px, float py) {
    const float left = box.x + box.scaleX * button.x - box.cameraX;
    const float top = box.y + box.scaleY * button.y - box.cameraY;
    const float w = button.Width() * box.scaleX;
    const float h = button.Height() * box.scaleY;
    if (!(left < px && px < left + w && top < py && py < top + h)) {
        return false;
    }
    // What the box clips away is not there to be pressed.
    return !box.clipping ||
           (box.x <= px && px <= box.x + box.Width() && box.y <= py && py <= box.y + box.Height());
}

} // namespace

bool iGuiButton2::ClickedScrolled(const iGuiScrollBox& box) {
    if (platform::TouchHits(0) != 0 && status == 1 &&
        InsideScrolled(*this, box, PointerX(), PointerY())) {
        // The input is left alone: overlapping buttons tested in one frame both react.
        if (sonpop1 && !sonpop1->samples.empty()) {
            platform::PlaySound(sonpop1, 3, 0);
        }
        bouncing = true;
        shrinking = true;
        bounceScale = 1.0f;
        return false;
    }
    if (bouncing) {
        Bounce();
        return !shrinking && bounceScale > 0.97f;
    }
    return false;
}

bool iGuiButton2::PressedInsideScrolled(const iGuiScrollBox& box) const {
    return platform::TouchHits(0) != 0 && InsideScrolled(*this, box, PointerX(), PointerY());
}
