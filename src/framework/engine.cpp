// The engine's dispatch and render.
//
// Index:
//   globals of the framework core
//   Set, Dispatch, Step        the per-update dispatch
//   UpdatePlayfields, UpdateGui, UpdateCollisions
//   Render, SetColor, SetAlpha
//   destroy list
//   ResetFrameworkGlobals
#include "framework/engine.h"

#include "framework/content_manager.h"
#include "framework/events.h"
#include "framework/frame_chain.h"
#include "framework/graphics_state.h"
#include "framework/layer.h"
#include "framework/layer_object.h"
#include "framework/playfield.h"
#include "framework/widget_walks.h"
#include "platform/graphics.h"

std::shared_ptr<iEngine> CurrentEngine;
iGuiObject* PointerOwner = nullptr;
std::shared_ptr<iPlayfield> GuiPlayfield;
iList5 GlobalTasks;
iList6 DestroyList;

namespace {

// Layers are stamped with this count of logic steps rather than with an engine's frameCount:
// it never repeats, so a new layer, or one met again after a switch reset frameCount, is still
// updated exactly once per step.
int logicStepStamp = 0;

} // namespace

void iEngine::Set() {
    CurrentScene = SelfAs<iScene>();
    CurrentEngine = SelfAs<iEngine>();
}

void iEngine::Dispatch() {
    // The receiver may lose its last owner when the switch below replaces it.
    auto receiver = Self();
    PointerOwner = nullptr;
    if (TakePendingScene(*this) && CurrentEngine) {
        iEngine& next = *CurrentEngine;
        next.alphaFactor = 1.0f;
        next.colorFactor = 1.0f;
        next.liveCount = 0;
        next.paused = false;
        next.destroyedCount = 0;
        next.frameCount = 0;
        ResetGuiPlayfield();
    }
    auto e = CurrentEngine;
    if (e) {
        if (e->fresh) {
            e->fresh = false;
        }
        if (!e->started) {
            e->started = true;
        }
        e->Step();
    }
    // On the dispatch that switches, these are the tasks of the engine being left.
    CountDownTasks(&tasks);
    CountDownTasks(&GlobalTasks);
    DrainDestroyList();
}

void iEngine::Step() {
    if (paused) {
        if (guiEnabled) {
            UpdateGui();
        }
    } else if (status == 1) {
        UpdatePlayfields();
        if (guiEnabled) {
            UpdateGui();
        }
        OnUpdate();
        UpdateCollisions();
        frameCount += 1;
    } else if (status > 1) {
        status -= 1;
    }
}

void iEngine::UpdatePlayfields() {
    logicStepStamp += 1;
    for (currentPlayfield = playfields.First(); currentPlayfield;
         currentPlayfield = playfields.Next()) {
        auto playfield = currentPlayfield;
        if (playfield->status != 0) {
            playfield->UpdateStep();
        }
    }
    currentPlayfield.reset();

    // A layer shared by several playfields is updated once per logic step.
    for (currentPlayfield = playfields.First(); currentPlayfield;
         currentPlayfield = playfields.Next()) {
        auto playfield = currentPlayfield;
        if (playfield->status == 0) {
            continue;
        }
        iList2& layers = playfield->layers;
        for (playfield->currentLayer = layers.First(); playfield->currentLayer;
             playfield->currentLayer = layers.Next()) {
            auto layer = playfield->currentLayer;
            if (layer->status != 0 && layer->lastFrame != logicStepStamp) {
                layer->lastFrame = logicStepStamp;
                layer->CacheBoundsAll();
                layer->UpdateObjects();
            }
        }
        playfield->currentLayer.reset();
    }
    currentPlayfield.reset();
}

void UpdateGui() {
    auto playfield = GuiPlayfield;
    if (!playfield) {
        return;
    }
    if (playfield->pendingGuiPage >= 0) {
        playfield->guiPage = playfield->pendingGuiPage;
        playfield->pendingGuiPage = -1;
    }
    iList4* page = playfield->CurrentPageList();
    if (page == nullptr) {
        return;
    }
    TheWidgetWalks.updatePage(*page, false);
}

namespace {

bool OnActiveLayer(const iLayerObject& object) {
    auto layer = object.EffectiveLayer();
    return layer && layer->status == 1;
}

} // namespace

void iEngine::UpdateCollisions() {
    for (auto a = collisionsA.First(); a; a = collisionsA.Next()) {
        if (!OnActiveLayer(*a)) {
            continue;
        }
        for (auto b = collisionsB.First(); b; b = collisionsB.Next()) {
            if (!OnActiveLayer(*b) || !a->Overlaps(*b)) {
                continue;
            }
            const int ha = a->hitPoints;
            int hb = b->hitPoints;
            if (a->invulnerable) {
                if (b->status == 1) {
                    b->hitPoints = 0;
                    hb = 0;
                }
            } else if (b->status == 1) {
                a->ghost = true;
                a->hitCount += 1;
                a->hitPoints = ha - hb;
            }
            if (a->status == 1) {
                if (b->invulnerable) {
                    a->hitPoints = 0;
                } else {
                    b->ghost = true;
                    b->hitCount += 1;
                    b->hitPoints = hb - ha;
                }
            }
            if (a->hitPoints < 1) {
                CreditDestruction(*a, *b);
            }
            if (b->hitPoints < 1) {
                CreditDestruction(*b, *a);
            }
        }
    }
}

void iEngine::Render() {
    // The first frame after a switch is drawn only after the first logic step.
    if (!CurrentEngine || CurrentEngine->frameCount == 0) {
        return;
    }
    if (clearScreen) {
        const platform::ScissorRect saved = platform::GetScissor();
        platform::SetScissor(0, 0, static_cast<float>(WindowWidth()),
                             static_cast<float>(WindowHeight()));
        platform::Cls(clearRed * colorFactor / 255.0f, clearGreen * colorFactor / 255.0f,
                      clearBlue * colorFactor / 255.0f, 1.0f);
        platform::SetScissor(saved.x, saved.y, saved.w, saved.h);
    }
    if (!renderHookInPlayfields || playfields.Count() == 0) {
        PushGraphicsState();
        SetAlpha(1.0f);
        SetColor(255, 255, 255);
        OnRenderHook();
        PopGraphicsState();
    }
    for (currentPlayfield = playfields.First(); currentPlayfield;
         currentPlayfield = playfields.Next()) {
        auto playfield = currentPlayfield;
        if (playfield->status == 1 && playfield->visible) {
            playfield->Render();
        }
    }
    currentPlayfield.reset();

    if (guiEnabled && GuiPlayfield) {
        auto playfield = GuiPlayfield;
        iList4* page = playfield->CurrentPageList();
        if (page != nullptr && playfield->scaleX != 0 && playfield->scaleY != 0) {
            PushGraphicsState();
            platform::Scale(playfield->scaleX, playfield->scaleY);
            platform::Translate(playfield->x / playfield->scaleX, playfield->y / playfield->scaleY);
            TheWidgetWalks.renderPage(*page, false);
            PopGraphicsState();
        }
    }
    CountDownRenderTasks(&tasks);
    CountDownRenderTasks(&GlobalTasks);
}

void iEngine::SetColor(float r, float g, float b) {
    if (currentPlayfield) {
        currentPlayfield->SetColor(r, g, b);
        return;
    }
    const float factor = GetColorFactor();
    platform::SetColor(r * factor, g * factor, b * factor);
}

void iEngine::SetAlpha(float a) {
    if (currentPlayfield) {
        currentPlayfield->SetAlpha(a);
        return;
    }
    platform::SetAlpha(a * GetAlphaFactor());
}

float GetColorFactor() { return CurrentEngine ? CurrentEngine->colorFactor : 1.0f; }
float GetAlphaFactor() { return CurrentEngine ? CurrentEngine->alphaFactor : 1.0f; }

void AddToDestroyList(std::shared_ptr<iEngineObject> object) {
    DestroyList.AddLast(std::move(object));
}

void DrainDestroyList() {
    if (DestroyList.Count() == 0) {
        return;
    }
    // Objects appended by a Destroy are met later in the same walk.
    for (auto object = DestroyList.First(); object; object = DestroyList.Next()) {
        DestroyList.Remove(object.get());
        if (object->skipDestroy == 0) {
            object->Destroy();
        }
    }
}

int LogicStep() { return logicStepStamp; }

void ResetFrameworkGlobals() {
    CurrentScene.reset();
    PendingScene.reset();
    CurrentEngine.reset();
    PointerOwner = nullptr;
    GuiPlayfield.reset();
    GlobalTasks.Clear();
    DestroyList.Clear();
    FoundObject.reset();
    RotationSign = -1;
    logicStepStamp = 0;
    ResetGraphicsState();
    ResetFrameChainGlobals();
    ResetEventList();
    ResetContentManager();
}
