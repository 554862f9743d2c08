#pragma once
// iGuiGroup: a widget holding other widgets, which move, turn, scale and fade with it, get the
// pointer before it and are updated and drawn through it. It can be filled from an items
// script: sections of widget settings separated by one empty line, each naming its "class".
#include <vector>

#include "gui/gui_object.h"

class iGuiGroup : public iGuiObject {
  public:
    // Insertion order; each child's parent points back here.
    iList4 children;

    void FindByName(const String& searched) override;
    void CollectByName(const String& searched, iObjectList& list) override;
    void RenderGhost() override;
    void Render() override;
    void CacheBounds() override;
    void UpdatePointer() override;
    void UpdateGhost() override;
    void Update() override;
    bool LoadSkin(iConfig& config, const String& prefix) override;
    iList4* ChildList() override { return &children; }

    // The lowest (rightmost) edge over the active children, 0 when none reaches past 0.
    int ContentHeight() const;
    int ContentWidth() const;
    void AddChild(const std::shared_ptr<iGuiObject>& child);
    void LoadItemsScript(const String& path);
    void ParseItemsScript(const String& text);
};

// The sections of an items script: CRLF line ends read as LF, then the text is cut at every
// empty line. Sections that hold nothing are left out.
std::vector<String> SplitItemSections(const String& text);
