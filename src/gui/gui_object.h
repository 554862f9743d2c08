#pragma once
// iGuiObject: the base of every widget. A cached copy of its bounds, a rotated-rectangle hit
// test against one touch, the pointer state machine that sets one-frame event flags and posts
// named events, the mouse-over and test looks, the links to its parent group and its playfield,
// and the hooks each widget overrides (draw, update, skin).
#include <array>
#include <memory>
#include <vector>

#include "framework/graph.h"

class iConfig;
class iPlayfield;

class iGuiObject : public iGraph {
  public:
    // Taken by CacheBounds for the hit test: |height|, scale X, scale Y, rotation, |width|, x, y.
    std::array<float, 7> bounds{};
    // Follows whichever touch is held over the widget instead of one fixed touch.
    bool multitouch = false;
    // The touch followed (0 follows the mouse).
    int touchIndex = 0;
    // Hit only when its playfield is GuiPlayfield or the topmost playfield under the touch.
    bool checkPlayfield = true;
    // The group that holds it (none at root level).
    std::weak_ptr<iGuiObject> parent;
    // The playfield whose GUI page holds it.
    std::weak_ptr<iPlayfield> playfield;
    int handleX = 0;
    int handleY = 0;
    bool pointerDown = false;
    // Over the widget this frame, after exclusivity.
    bool over = false;
    // Claims the pointer when over it, so that widgets below are not over.
    bool exclusive = true;
    std::vector<String> debugLines = std::vector<String>(8);
    float mouseOverRed = 255;
    float mouseOverGreen = 255;
    float mouseOverBlue = 255;
    bool hit = false;
    float testBlue = 0;
    float testGreen = 0;
    float testRed = 255;
    bool testMode = false;
    float mouseOverAlpha = 1.0f;
    int mouseOverBlend = 0;
    int overCorrectionLeft = 0;
    int overCorrectionRight = 0;
    int overCorrectionTop = 0;
    int overCorrectionBottom = 0;
    float testAlpha = 1.0f;
    int testBlend = 0;
    bool down = false;
    bool entered = false;
    bool left = false;
    bool released = false;
    // The section of an items script the widget was built from.
    std::shared_ptr<iConfig> skinConfig;
    int visualState = 0;
    bool wasOver = false;
    // 0 idle, 1 pressed over the widget, 2 pressed elsewhere.
    int pressState = 0;
    // The logic step of the last pointer-event update.
    int inputStep = 0;
    // Compared by the text input with its playfield's focus value.
    int focusTag = 0;

    // Makes sure an engine and its default playfield exist; that playfield becomes the
    // widget's.
    iGuiObject();

    // Any value but 1 also drops the pending one-frame flags.
    int SetStatus(int value) override;
    int OnRemove() override { return 0; }
    void Remove() override;
    void Destroy() override;

    virtual void RenderGhost() {}
    virtual void Render() {}
    virtual void CacheBounds();
    virtual bool HitTest(int touch);
    virtual void UpdatePointer();
    virtual void UpdateGhost() {}
    virtual void Update();
    virtual int OnCreate() { return 0; }
    virtual bool LoadSkin(iConfig& config, const String& prefix);
    virtual void MidHandle();
    // The pointer state machine; widgets that react to the pointer call it from Update.
    virtual void UpdateEvents();
    // Forgets a press in progress (and whether the pointer was over).
    virtual void DropPress();

    // creationFrame, then OnCreate.
    std::shared_ptr<iGuiObject> New();
    // Returns the "Hit" flag and clears it.
    bool Hit();
    std::shared_ptr<iGuiObject> GetParent() const { return parent.lock(); }
    // The playfield of the root widget of the parent chain.
    std::shared_ptr<iPlayfield> GetPlayfield() const;
    // Joins the playfield's current GUI page (the pending one when set).
    void SetPlayfield(const std::shared_ptr<iPlayfield>& target);

    // Skins and placement (gui/skin.cpp). Positions are in the parent's coordinates, or the
    // playfield's at root level; sizes are the scaled Width and Height.
    bool LoadSkinFile(const String& path, const String& prefix);
    // Joins a group's child list (the group's ChildList) instead of a page.
    void SetParent(const std::shared_ptr<iGuiObject>& group);
    // Remembers the widget as the last attached at its level, for the auto placements.
    void RegisterLast();
    // The child list of a group widget; none for other widgets.
    virtual iList4* ChildList() { return nullptr; }
    void SetPosition(float px, float py);
    void SetSize(int w, int h);
    void ScaleToSize(int w, int h);
    void SetHandle(float hx, float hy);
    void SetMouseOverColor(float r, float g, float b);
    void SetXPercent(int percent);
    void SetYPercent(int percent);
    void Center(int xPercent, int yPercent);
    void SetXRelative(int percent, const iGuiObject& other);
    void SetYRelative(int percent, const iGuiObject& other);
    void SetPositionRelative(int xPercent, int yPercent, const iGuiObject& other);
    void PlaceBelow(float gap, const iGuiObject& other);
    void PlaceRightOfPrevious(int gap);
    void PlaceBelowPrevious(int gap);
    // The drawn upper-left corner.
    float Left() const { return x - static_cast<float>(handleX) * scaleX; }
    float Top() const { return y - static_cast<float>(handleY) * scaleY; }

    // Touch i and the mouse in the playfield's units (no rotation, handle or camera).
    float TouchX(int i) const;
    float TouchY(int i) const;
    float PointerX() const;
    float PointerY() const;
    void SetDrawColor(float r, float g, float b) const;
    void SetDrawAlpha(float a) const;

    void RaiseEvent(const String& eventName);
    String GetPath() const;
    void DrawDebugText() const;
    bool FindTouch();

    // Operations of group widgets on their child list; offsets are a scroll box's camera.
    void CacheBoundsList(iList4& list, float offsetX, float offsetY);
    void UpdatePointerList(iList4& list);
    void UpdatePointerOne(iGuiObject& widget);
    void UpdateGhostOne(iGuiObject& widget);
    void UpdateOne(iGuiObject& widget);
    void UpdateList(iList4& list);
    void UpdateGhostList(iList4& list);
    void RenderList(iList4& list, float offsetX, float offsetY);
    void RenderListGhost(iList4& list, float offsetX, float offsetY);
    void RenderOne(iGuiObject& child, float offsetX, float offsetY);
    void RenderOneGhost(iGuiObject& child, float offsetX, float offsetY);

  protected:
    // Called first by the pointer state machines: a widget that skipped a logic step (hidden,
    // ghosted, removed, or its screen left) drops the press it was in.
    void DropPressAfterABreak();

  private:
    void ClearEventFlags();
    void RenderChild(iGuiObject& child, float offsetX, float offsetY, bool ghostLook);
};

// Touch slots that multitouch widgets scan.
extern int TouchSlotCount;
void ResetGuiGlobals();

// The last added playfield of the current engine whose window rectangle holds the touch.
std::shared_ptr<iPlayfield> TopPlayfieldUnderTouch(int touch);
bool PointInRotatedRect(float rx, float ry, float rw, float rh, float px, float py, float angle,
                        float hx, float hy);
bool RectsOverlap(float x1, float y1, int w1, int h1, float x2, float y2, int w2, int h2);
