#pragma once
// A scene: one screen of the game with its hooks and its per-update dispatch. The switch
// protocol lives here: a switch only records PendingScene, which becomes current at the top of
// the next dispatch.
#include <memory>

#include "framework/object.h"

class iScene : public iObject {
  public:
    // Render runs only while it is 1; above 1 each frame counts it down instead of drawing.
    int renderCountdown = 1;
    // Set by the dispatch while the scene is current; cleared (with an input reset) when it
    // hands over to a pending scene.
    bool started = false;
    // Cleared by the scene's first dispatch as current scene.
    bool fresh = true;
    // Skips the scene logic (an engine still updates its GUI page).
    bool paused = false;

    virtual void Set();
    virtual int OnCreate() { return 0; }
    virtual int OnRenderHook() { return 0; }
    virtual void Render() { OnRenderHook(); }
    virtual int OnResize() { return 0; }
    virtual int OnUpdate() { return 0; }
    virtual void Dispatch();

    // Set, then OnCreate: everything OnCreate builds attaches to this scene.
    std::shared_ptr<iScene> Create();
};

extern std::shared_ptr<iScene> CurrentScene;
extern std::shared_ptr<iScene> PendingScene;

// All 512 key-down states and hit counts, the hit queue and the typed characters.
void ResetInputState();
// The first steps of every dispatch: a pending scene becomes current, the input being reset only
// when the scene being left (`receiver`) had started. Returns true when a switch happened.
bool TakePendingScene(iScene& receiver);
