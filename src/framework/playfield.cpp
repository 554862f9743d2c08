// Playfields: set-up and letterbox, pointer mapping, GUI update, drawing.
//
// Index:
//   searches and removal
//   set-up and letterbox
//   pointer mapping and scissor
//   GUI update
//   render and GUI render
#include "framework/playfield.h"

#include <cmath>

#include "framework/engine.h"
#include "framework/graphics_state.h"
#include "framework/layer.h"
#include "framework/widget_walks.h"
#include "platform/graphics.h"
#include "platform/input.h"

int RotationSign = -1;

namespace {

constexpr float DegreesToRadians = 0.017453292f;
constexpr float RadiansToDegrees = 57.29578f;

// The widget list at `page`, none when that page does not exist.
iList4* PageList(std::vector<std::shared_ptr<iList4>>& pages, int page) {
    if (page < 0 || page >= static_cast<int>(pages.size())) {
        return nullptr;
    }
    return pages[static_cast<std::size_t>(page)].get();
}

} // namespace

// --- searches and removal ---

void iPlayfield::FindByName(const String& searched) {
    iObject::FindByName(searched);
    for (int i = 0; i < layers.Count(); ++i) {
        layers.Get(i)->FindByName(searched);
    }
    for (auto& page : guiPages) {
        for (int i = 0; page && i < page->Count(); ++i) {
            TheWidgetWalks.findByName(*page->Get(i), searched);
        }
    }
    if (modalObject) {
        TheWidgetWalks.findByName(*modalObject, searched);
    }
}

void iPlayfield::CollectByName(const String& searched, iObjectList& list) {
    iObject::CollectByName(searched, list);
    for (int i = 0; i < layers.Count(); ++i) {
        layers.Get(i)->CollectByName(searched, list);
    }
    for (auto& page : guiPages) {
        for (int i = 0; page && i < page->Count(); ++i) {
            TheWidgetWalks.collectByName(*page->Get(i), searched, list);
        }
    }
}

void iPlayfield::Remove() {
    // The lists below may hold the last other reference.
    auto self = SelfAs<iEngineObject>();
    status = 0;
    if (skipRemoveWork != 0) {
        return;
    }
    if (CurrentEngine) {
        CurrentEngine->playfields.Remove(this);
    }
    if (destroyOnRemove && self) {
        AddToDestroyList(self);
    }
}

void iPlayfield::SetAlpha(float a) { platform::SetAlpha(a * GetAlphaFactor() * alpha); }

void iPlayfield::SetColor(float r, float g, float b) {
    const float factor = GetColorFactor() * colorFactor;
    platform::SetColor(r * factor, g * factor, b * factor);
}

void iPlayfield::SetGuiColor(float r, float g, float b) {
    const float factor = (CurrentEngine ? CurrentEngine->guiColorFactor : 1.0f) * guiColorFactor;
    platform::SetColor(r * factor, g * factor, b * factor);
}

void iPlayfield::SetAsCurrent() {
    if (CurrentEngine) {
        CurrentEngine->defaultPlayfield = SelfAs<iPlayfield>();
    }
}

// --- set-up and letterbox ---

std::shared_ptr<iPlayfield> iPlayfield::New() {
    iEngineObject::New();
    Init();
    return SelfAs<iPlayfield>();
}

void iPlayfield::Init() {
    SetAsCurrent();
    width = viewportWidth = WindowWidth();
    height = viewportHeight = WindowHeight();
    if (guiPages.empty()) {
        guiPages.resize(1);
    }
    guiPages[0] = std::make_shared<iList4>();
    handleX = static_cast<float>(width) * 0.5f;
    handleY = static_cast<float>(height) * 0.5f;
    OnCreate();
}

void iPlayfield::AddToEngine(iEngine& engine) { engine.playfields.AddLast(SelfAs<iPlayfield>()); }

void iPlayfield::SetVirtualSize(int, int, bool centre) {
    width = 1280;
    height = 768;
    // A minimised window (no size) keeps the last layout rather than dividing by zero.
    if (viewportWidth > 0 && viewportHeight > 0) {
        const float vw = static_cast<float>(viewportWidth);
        const float vh = static_cast<float>(viewportHeight);
        const float scale = vh / vw >= 0.6f ? vw / 1280.0f : vh / 768.0f;
        scaleX = scale;
        scaleY = scale;
        const int windowWidth = WindowWidth();
        const int windowHeight = WindowHeight();
        if (centre && windowWidth > 0 && windowHeight > 0) {
            x = static_cast<float>(windowWidth) * 0.5f - 640.0f * scaleX;
            y = static_cast<float>(windowHeight) * 0.5f - 384.0f * scaleY;
        }
    }
    handleX = 640;
    handleY = 384;
}

void iPlayfield::CentreInWindow() {
    CentreHorizontally();
    CentreVertically();
}

void iPlayfield::CentreHorizontally() {
    const int windowWidth = WindowWidth();
    if (windowWidth > 0) {
        x = static_cast<float>(windowWidth) * 0.5f - static_cast<float>(width) * 0.5f * scaleX;
    }
}

void iPlayfield::CentreVertically() {
    const int windowHeight = WindowHeight();
    if (windowHeight > 0) {
        y = static_cast<float>(windowHeight) * 0.5f - static_cast<float>(height) * 0.5f * scaleY;
    }
}

void iPlayfield::CentreHandle() {
    handleX = static_cast<float>(width) * 0.5f;
    handleY = static_cast<float>(height) * 0.5f;
}

void iPlayfield::SetViewportWidth(float w) { viewportWidth = width = platform::TruncToInt(w); }

void iPlayfield::SetViewportHeight(float h) { viewportHeight = height = platform::TruncToInt(h); }

void iPlayfield::SetClearColor(int r, int g, int b) {
    clearBackground = true;
    clearRed = static_cast<float>(r);
    clearGreen = static_cast<float>(g);
    clearBlue = static_cast<float>(b);
}

// --- pointer mapping and scissor ---

// Undoes position, scale, handle, rotation and (when asked) zoom and camera: the exact inverse
// of the drawing transform. A zero scale or zoom has no inverse: the pointer then reads 0.
bool iPlayfield::MapPointer(float& outX, float& outY, bool withZoomAndCamera) const {
    outX = 0;
    outY = 0;
    if (scaleX == 0 || scaleY == 0 || (withZoomAndCamera && (zoomX == 0 || zoomY == 0))) {
        return false;
    }
    float dx = platform::MouseX() / scaleX - x / scaleX - handleX;
    float dy = platform::MouseY() / scaleY - y / scaleY - handleY;
    if (withZoomAndCamera) {
        dx /= zoomX;
        dy /= zoomY;
    }
    const float d = std::sqrt(dx * dx + dy * dy);
    const float a =
        (std::atan2(dy, dx) * RadiansToDegrees + static_cast<float>(RotationSign) * rotation) *
        DegreesToRadians;
    outX = handleX + d * std::cos(a);
    outY = handleY + d * std::sin(a);
    if (withZoomAndCamera) {
        outX += cameraX;
        outY += cameraY;
    }
    return true;
}

float iPlayfield::MouseX() const {
    float mx = 0;
    float my = 0;
    MapPointer(mx, my, true);
    return mx;
}

float iPlayfield::MouseY() const {
    float mx = 0;
    float my = 0;
    MapPointer(mx, my, true);
    return my;
}

float iPlayfield::LocalMouseX() const {
    float mx = 0;
    float my = 0;
    MapPointer(mx, my, false);
    return mx;
}

float iPlayfield::LocalMouseY() const {
    float mx = 0;
    float my = 0;
    MapPointer(mx, my, false);
    return my;
}

bool iPlayfield::IsTouchInside() const {
    const float tx = platform::TouchX(0);
    const float ty = platform::TouchY(0);
    return x <= tx && tx <= x + static_cast<float>(width) * scaleX && y <= ty &&
           ty <= y + static_cast<float>(height) * scaleY;
}

int iPlayfield::SetScissor(float sx, float sy, float sw, float sh) {
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    if (sx < 0) {
        sw = -sx >= sw ? 0 : sw + sx;
        sx = 0;
    }
    if (sx + sw > w) {
        if (sx >= w) {
            sx = w;
            sw = 0;
        } else {
            sw = w - std::trunc(sx);
        }
    }
    if (sy < 0) {
        sh = -sy >= sh ? 0 : sh + sy;
        sy = 0;
    }
    if (sy + sh > h) {
        if (sy >= h) {
            sy = h;
            sh = 0;
        } else {
            sh = h - std::trunc(sy);
        }
    }
    SetClippedScissor(sx * scaleX + x, sy * scaleY + y, sw * scaleX, sh * scaleY);
    return 0;
}

// --- GUI update ---

void iPlayfield::EnsureGuiPages() {
    if (guiPages.empty()) {
        guiPages.resize(1);
    }
    for (auto& page : guiPages) {
        if (!page) {
            page = std::make_shared<iList4>();
        }
    }
}

void iPlayfield::ResetGuiPages() {
    EnsureGuiPages();
    pendingGuiPage = 0;
}

iList4* iPlayfield::CurrentPageList() { return PageList(guiPages, guiPage); }

void iPlayfield::UpdateStep() {
    Update();
    OnUpdate();
}

void iPlayfield::Update() {
    if (pendingGuiPage >= 0) {
        guiPage = pendingGuiPage;
        pendingGuiPage = -1;
    }
    if (auto modal = modalObject) {
        TheWidgetWalks.updateModal(*modal);
        return;
    }
    // A page that does not exist is an empty page.
    iList4* page = CurrentPageList();
    if (page == nullptr) {
        return;
    }
    TheWidgetWalks.updatePage(*page, true);
}

// --- render and GUI render ---

void iPlayfield::Render() {
    if (scaleX == 0 || scaleY == 0) {
        return;
    }
    auto engine = CurrentEngine;
    const float px = x / scaleX;
    const float py = y / scaleY;
    const float ax = px + handleX;
    const float ay = py + handleY;

    PushGraphicsState();
    if (engine && engine->clipPlayfields) {
        SetClippedScissor(x, y, static_cast<float>(width) * scaleX,
                          static_cast<float>(height) * scaleY);
        if (clearBackground) {
            const float factor = engine->colorFactor * colorFactor / 255.0f;
            platform::Cls(clearRed * factor, clearGreen * factor, clearBlue * factor, 1.0f);
        }
    }
    platform::Scale(scaleX, scaleY);
    platform::Translate(ax, ay);
    platform::Scale(zoomX, zoomY);
    platform::Translate(-ax, -ay);
    platform::Translate(ax, ay);
    platform::Rotate(static_cast<float>(RotationSign) * rotation);
    platform::Translate(-ax, -ay);

    PushGraphicsState();
    platform::Translate(px - cameraX, py - cameraY);
    if (engine && engine->renderHookInPlayfields) {
        PushGraphicsState();
        engine->SetAlpha(1.0f);
        engine->SetColor(255, 255, 255);
        engine->OnRenderHook();
        PopGraphicsState();
    }
    PushGraphicsState();
    OnRender();
    PopGraphicsState();
    PopGraphicsState();

    for (currentLayer = layers.First(); currentLayer; currentLayer = layers.Next()) {
        auto layer = currentLayer;
        if (layer->status != 0 && layer->visible) {
            layer->Render();
        }
    }
    currentLayer.reset();

    PopGraphicsState();
    if (drawGui) {
        RenderGui();
    }
}

void iPlayfield::RenderGui() {
    if (scaleX == 0 || scaleY == 0) {
        return;
    }
    PushGraphicsState();
    if (CurrentEngine && CurrentEngine->clipPlayfields) {
        SetClippedScissor(x, y, static_cast<float>(width) * scaleX,
                          static_cast<float>(height) * scaleY);
    }
    platform::Scale(scaleX, scaleY);
    platform::Translate(x / scaleX, y / scaleY);
    if (iList4* page = CurrentPageList()) {
        TheWidgetWalks.renderPage(*page, true);
    }
    if (auto modal = modalObject) {
        TheWidgetWalks.renderModal(*this, *modal);
    }
    PopGraphicsState();
}

void ResetGuiPlayfield() {
    if (GuiPlayfield) {
        GuiPlayfield->ResetGuiPages();
    }
}

std::shared_ptr<iPlayfield> GetGuiPlayfield() { return GuiPlayfield; }

std::shared_ptr<iPlayfield> GetDefaultPlayfield() {
    if (!CurrentEngine) {
        auto engine = std::make_shared<iEngine>();
        engine->Set();
        engine->OnCreate();
    }
    iEngine& engine = *CurrentEngine;
    if (!engine.defaultPlayfield) {
        // Init makes a new playfield the engine's default.
        auto created = std::make_shared<iPlayfield>();
        created->creationFrame = engine.frameCount;
        created->Init();
    }
    return engine.defaultPlayfield;
}
