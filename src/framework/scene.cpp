#include "framework/scene.h"

#include "platform/input.h"

std::shared_ptr<iScene> CurrentScene;
std::shared_ptr<iScene> PendingScene;

void ResetInputState() { platform::ResetInput(); }

void iScene::Set() { CurrentScene = SelfAs<iScene>(); }

std::shared_ptr<iScene> iScene::Create() {
    Set();
    OnCreate();
    return SelfAs<iScene>();
}

bool TakePendingScene(iScene& receiver) {
    if (!PendingScene) {
        return false;
    }
    if (receiver.started) {
        ResetInputState();
        receiver.started = false;
    }
    // Held here: the receiver may be the scene's last owner.
    auto pending = PendingScene;
    pending->Set();
    PendingScene.reset();
    return true;
}

void iScene::Dispatch() {
    TakePendingScene(*this);
    auto s = CurrentScene;
    if (!s) {
        return;
    }
    if (s->fresh) {
        s->fresh = false;
    }
    if (!s->started) {
        s->started = true;
    }
    if (s->status == 1) {
        if (!s->paused) {
            s->OnUpdate();
        }
    } else if (s->status > 1) {
        s->status -= 1;
    }
}
