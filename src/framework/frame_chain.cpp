#include "framework/frame_chain.h"

#include "platform/app.h"

iDeltaTimer TheDeltaTimer;
int DispatchesPerUpdate = 1;
int UpdateRate = 0;
String dossierprofil;

void UpdateScenes() {
    TheDeltaTimer.Update();
    for (int i = 0; i < DispatchesPerUpdate; ++i) {
        // Held here: a switch may drop the scene's last other owner mid-dispatch.
        auto scene = CurrentScene;
        if (!scene) {
            return;
        }
        scene->Dispatch();
    }
}

void RenderCurrentScene() {
    auto scene = CurrentScene;
    if (!scene || scene->status == 0) {
        return;
    }
    if (scene->renderCountdown == 1) {
        scene->Render();
    } else if (scene->renderCountdown > 1) {
        scene->renderCountdown -= 1;
    }
}

void ResizeCurrentScene() {
    auto scene = CurrentScene;
    if (scene && scene->status != 0) {
        scene->OnResize();
    }
}

void SwitchScene(std::shared_ptr<iScene> scene) {
    PendingScene = std::move(scene);
    if (UpdateRate != 60) {
        UpdateRate = 60;
        platform::SetUpdateRate(60);
    }
}

void SwitchSceneKeepRate(std::shared_ptr<iScene> scene) { PendingScene = std::move(scene); }

void ResetFrameChainGlobals() {
    TheDeltaTimer = iDeltaTimer();
    DispatchesPerUpdate = 1;
    UpdateRate = 0;
    dossierprofil.clear();
}
