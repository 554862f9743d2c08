#pragma once
// The engine: a scene that owns playfields, task lists and collision lists, runs the per-update
// dispatch (switch, playfields and their layers, the screen's hook, collisions, tasks, destroy
// list) and draws its playfields. Every game screen is an engine.
#include <memory>

#include "framework/scene.h"
#include "framework/task.h"

class iConfig;
class iPlayfield;
class iLayer;
class iLayerObject;
class iGuiObject;

class iEngine : public iScene {
  public:
    // Logic steps since the engine last became current; Render draws nothing while it is 0.
    int frameCount = 0;
    bool clearScreen = true;
    float clearRed = 0;
    // Multiplies every colour set through this engine, and the clear colour.
    float colorFactor = 1.0f;
    float clearGreen = 0;
    float clearBlue = 0;
    // True: each drawn playfield calls OnRenderHook inside its transform; false, or no
    // playfield at all: OnRenderHook runs once in window space before the playfields.
    bool renderHookInPlayfields = true;
    iList playfields;
    // Cursor of the playfield passes; none after each pass.
    std::shared_ptr<iPlayfield> currentPlayfield;
    float alphaFactor = 1.0f;
    // Playfields are drawn clipped to their rectangle and may clear it first.
    bool clipPlayfields = true;
    // The engine itself updates and draws the current GUI page of GuiPlayfield.
    bool guiEnabled = false;
    iList5 tasks;
    int liveCount = 0;
    int destroyedCount = 0;
    // The playfield that new widgets and layer objects fall back to.
    std::shared_ptr<iPlayfield> defaultPlayfield;
    iList3 collisionsA;
    // The layer that new layer objects join when they name none.
    std::shared_ptr<iLayer> defaultLayer;
    iList3 collisionsB;
    float guiAlphaFactor = 1.0f;
    float guiColorFactor = 1.0f;

    void Set() override;
    void Dispatch() override;
    void Render() override;

    // The logic step of the dispatch.
    void Step();
    void UpdatePlayfields();
    void UpdateCollisions();

    // Drawing colour and alpha through the engine's (and the drawn playfield's) factors.
    void SetColor(float r, float g, float b);
    void SetAlpha(float a);

    // A playfield, layer, layer object or widget of the section's "class" (exact name), made
    // and initialised without reading its skin; none for any other name. Defined with the
    // widget classes (gui/object_factory.cpp), which it must know.
    static std::shared_ptr<iObject> CreateObject(const iConfig& config);
};

// Engine-level GUI pass over GuiPlayfield's current page; nothing when there is none.
void UpdateGui();
// The current engine's factors (1 when there is none).
float GetColorFactor();
float GetAlphaFactor();

// Objects whose Destroy runs at the end of the next engine dispatch.
void AddToDestroyList(std::shared_ptr<iEngineObject> object);
// Empties DestroyList from the front, destroying what is appended meanwhile too.
void DrainDestroyList();

extern std::shared_ptr<iEngine> CurrentEngine;
// The widget that claimed the pointer during this update; never owned, cleared by each
// engine dispatch.
extern iGuiObject* PointerOwner;
extern std::shared_ptr<iPlayfield> GuiPlayfield;
extern iList5 GlobalTasks;
extern iList6 DestroyList;

// The number of logic steps any engine has taken; it never repeats (layers and widgets tell
// from it whether they missed a step).
int LogicStep();

// Restores every global of the framework to its start value, the event list and the content
// cache included (tests call it between cases).
void ResetFrameworkGlobals();
