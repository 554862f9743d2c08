#pragma once
// The frame chain between the application object and the scenes: the delta timer, the dispatch
// of the current scene per update, its render and resize, and the scene switch.
#include <memory>

#include "framework/delta_timer.h"
#include "framework/scene.h"
#include "platform/text.h"

// Advanced once per application update.
extern iDeltaTimer TheDeltaTimer;
// Scene dispatches per application update.
extern int DispatchesPerUpdate;
// The update rate last asked of the platform (0 before the first switch).
extern int UpdateRate;
// Folder of the current profile, ending with a slash.
extern String dossierprofil;

// The delta timer, then the current scene's dispatch DispatchesPerUpdate times (a switch made
// by one dispatch sends the following ones to the new scene).
void UpdateScenes();
// Draws the current scene when its render countdown is 1, else counts it down.
void RenderCurrentScene();
void ResizeCurrentScene();

// The scene becomes current at the top of the next dispatch; the update rate is set to 60 when
// it differs.
void SwitchScene(std::shared_ptr<iScene> scene);
// The same, leaving the update rate alone.
void SwitchSceneKeepRate(std::shared_ptr<iScene> scene);

void ResetFrameChainGlobals();
