#pragma once
// The roots of the scene graph: iObject (status, two behaviour flags, a name tag) and
// iEngineObject (anything placed in an engine: playfields, layers, layer objects, widgets).
// Scene-graph objects are always made with std::make_shared, so that they can hand out
// references to themselves when they join lists.
#include <memory>

#include "framework/lists.h"
#include "platform/text.h"

class iObject : public std::enable_shared_from_this<iObject> {
  public:
    virtual ~iObject() = default;

    // 1 active; above 1 waiting (counted down); 0 removed or off.
    int status = 1;
    // Non-zero: Remove of a playfield or layer object only sets status to 0.
    int skipRemoveWork = 0;
    // Non-zero: the object leaves DestroyList without its Destroy being called.
    int skipDestroy = 0;
    String name;

    bool IsActive() const { return status == 1; }
    // Off without touching any list.
    void Deactivate() { status = 0; }

    virtual int UpdateWaiting() { return 0; }
    // Exact comparison; a match becomes FoundObject. No early stop: the last match wins.
    virtual void FindByName(const String& searched);
    virtual void CollectByName(const String& searched, iObjectList& list);
    virtual int SetStatus(int value) {
        status = value;
        return value;
    }

    // This object as a shared reference (none when it is not owned by one).
    std::shared_ptr<iObject> Self() { return weak_from_this().lock(); }
    template <class T> std::shared_ptr<T> SelfAs() { return std::dynamic_pointer_cast<T>(Self()); }
};

class iEngineObject : public iObject {
  public:
    // The current engine's frameCount when New ran.
    int creationFrame = 0;
    // Remove appends the object to DestroyList.
    bool destroyOnRemove = false;

    // creationFrame = the current engine's frameCount.
    void New();

    virtual int OnRemove() { return 0; }
    virtual void Remove() { OnRemove(); }
    // Subclasses drop their references here.
    virtual void Destroy() {}
};

// The result of the last FindByName.
extern std::shared_ptr<iObject> FoundObject;
