#pragma once
// A playfield: one viewport of an engine. A rectangle of the window with its own position,
// virtual size, scale, pivot (handle), zoom, rotation and camera, holding an ordered list of
// layers and one GUI page of widgets drawn on top of them.
#include <memory>
#include <vector>

#include "framework/object.h"

class iEngine;

// Every rotation of a playfield or an iGraph enters the drawing and the pointer mapping
// multiplied by it, so that a positive rotation looks clockwise on the y-down screen.
extern int RotationSign;

class iPlayfield : public iEngineObject {
  public:
    // Alpha and colour factors of everything drawn in the layers (and of the clear colour).
    float alpha = 1.0f;
    float colorFactor = 1.0f;
    bool visible = true;
    // Top-left corner in window pixels.
    float x = 0;
    float y = 0;
    // Virtual size.
    int width = 0;
    // Window pixels per virtual unit.
    float scaleX = 1.0f;
    int height = 0;
    float scaleY = 1.0f;
    // Clear the rectangle before drawing (only when the engine clips playfields).
    bool clearBackground = true;
    float clearRed = 0;
    float clearGreen = 0;
    float clearBlue = 0;
    // Pivot of zoom and rotation, virtual units.
    float handleX = 0;
    float handleY = 0;
    float zoomX = 1.0f;
    float zoomY = 1.0f;
    // Degrees about the handle.
    float rotation = 0;
    // Subtracted when drawing, virtual units.
    float cameraX = 0;
    float cameraY = 0;
    iList2 layers;
    // The layer being drawn.
    std::shared_ptr<iLayer> currentLayer;
    // Window client size in device pixels, taken at Init.
    int viewportWidth = 0;
    int viewportHeight = 0;
    bool drawGui = true;
    // One widget list per page; exactly one page exists.
    std::vector<std::shared_ptr<iList4>> guiPages = std::vector<std::shared_ptr<iList4>>(1);
    int guiPage = 0;
    // While set, this widget alone gets the GUI update and is drawn over a veil.
    std::shared_ptr<iGuiObject> modalObject;
    // Page switched to at the next GUI update; -1 = none.
    int pendingGuiPage = -1;
    float guiAlpha = 1.0f;
    float guiColorFactor = 1.0f;
    // focusTag of the text input that owns the keyboard on this playfield.
    int focusedInputId = 0;

    void FindByName(const String& searched) override;
    void CollectByName(const String& searched, iObjectList& list) override;
    void Remove() override;

    virtual void SetAlpha(float a);
    virtual void SetColor(float r, float g, float b);
    // Called inside the camera transform before the layers.
    virtual int OnRender() { return 0; }
    virtual void SetAsCurrent();
    virtual int OnCreate() { return 0; }
    virtual int OnUpdate() { return 0; }

    // Set-up, in the order screens call it: construct, New (or Init), optionally
    // SetVirtualSize, DisableClear or SetClearColor, AddToEngine.
    std::shared_ptr<iPlayfield> New();
    void Init();
    void AddToEngine(iEngine& engine);
    // Always the 1280 by 768 canvas, letterboxed into the viewport.
    void SetVirtualSize(int virtualWidth, int virtualHeight, bool centre);
    void CentreInWindow();
    void CentreHorizontally();
    void CentreVertically();
    void CentreHandle();
    void SetHandleX(float v) { handleX = v; }
    void SetHandleY(float v) { handleY = v; }
    void SetViewportWidth(float w);
    void SetViewportHeight(float h);
    float ViewportWidth() const { return static_cast<float>(viewportWidth); }
    float ViewportHeight() const { return static_cast<float>(viewportHeight); }
    float Width() const { return static_cast<float>(width); }
    float Height() const { return static_cast<float>(height); }
    void SetX(float v) { x = v; }
    float X() const { return x; }
    void SetY(float v) { y = v; }
    float Y() const { return y; }
    void SetCameraX(float v) { cameraX = v; }
    float CameraX() const { return cameraX; }
    float CameraY() const { return cameraY; }
    void SetAlphaFactor(float a) { alpha = a; }
    void DisableClear() { clearBackground = false; }
    void SetClearColor(int r, int g, int b);
    void SetGuiColor(float r, float g, float b);

    // The pointer in this playfield's virtual units.
    float MouseX() const;
    float MouseY() const;
    // The same without zoom and camera.
    float LocalMouseX() const;
    float LocalMouseY() const;
    bool IsTouchInside() const;
    // Clips drawing to a rectangle in virtual units, cut to the virtual size.
    int SetScissor(float sx, float sy, float sw, float sh);

    // Per update and per frame, called by the engine.
    void UpdateStep();
    void Update();
    void Render();
    void RenderGui();

    void EnsureGuiPages();
    void ResetGuiPages();
    int CurrentGuiPage() const { return pendingGuiPage != -1 ? pendingGuiPage : guiPage; }
    // The widget list of the current page; none when that page does not exist.
    iList4* CurrentPageList();

  private:
    // Shared by MouseX/MouseY: false when the mapping would divide by zero.
    bool MapPointer(float& outX, float& outY, bool withZoomAndCamera) const;
};

void ResetGuiPlayfield();
std::shared_ptr<iPlayfield> GetGuiPlayfield();
// Makes sure a current engine and its default playfield exist; returns that playfield.
std::shared_ptr<iPlayfield> GetDefaultPlayfield();
