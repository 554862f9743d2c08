#pragma once
// The GUI event list, the touch swipe and the two-float vector.
//
// Event list
//   Every widget event ("Entered", "Left", "Hit", "Down", "Released") is recorded once per
//   (name, source) pair in the global TheEventList, in the order first raised; the list only
//   grows for the whole run. A widget raises with
//       iEvent::Raise(this, fullName);        // fullName: "group.button.Hit"
//   which returns the new event, or null when that widget already raised that name. Anyone may
//   ask iEvent::Check(widget, fullName) whether the pair was ever raised, or walk the list:
//       for (int i = 0; i < TheEventList.Count(); ++i) TheEventList.Get(i)->name ...
//   Sources are compared by identity. The list does not keep them alive: a source that has
//   been destroyed stays recorded (and never matches a new object made at the same address).
//   ResetEventList() empties it (tests call it between cases).
//
// iSwipe
//   A scroll box calls Update(touchIndex) then ApplyFriction() at each of its updates; the
//   velocities it reads gather a share (gain) of each movement of the held touch and lose 6 %
//   per update once it is released.
//
// iVector2d
//   x and y, both 0 at creation.
#include <memory>

#include "framework/lists.h"
#include "framework/object.h"
#include "platform/text.h"

class iEvent {
  public:
    // The full name built by the widget: its dotted path, ".", and the event word.
    String name;
    // The widget that raised it; not owning, so the list never keeps a screen's widgets alive.
    std::weak_ptr<const iObject> source;
    // The source's address, which stays its identity once it has expired.
    const iObject* sourceId = nullptr;

    // Sets both fields; returns this event.
    iEvent& New(const String& eventName, const iObject* eventSource);
    // Same name (exactly) and same source object.
    bool Matches(const iObject* eventSource, const String& eventName) const;

    // The new event appended to TheEventList, or null when the pair was already raised.
    static std::shared_ptr<iEvent> Raise(const iObject* eventSource, const String& eventName);
    // Whether the pair has ever been raised.
    static bool Check(const iObject* eventSource, const String& eventName);
};

using iList8 = iCursorList<iEvent>;

extern iList8 TheEventList;
void ResetEventList();

// A touch followed with inertia.
class iSwipe {
  public:
    float frictionX = 0.94f;
    float frictionY = 0.94f;
    float gainX = 0.1f;
    float gainY = 0.1f;
    // 0: no touch tracked, 1: tracking.
    int state = 0;
    // Touch position at the previous update, device pixels.
    float lastX = 0;
    float lastY = 0;
    float velocityX = 0;
    float velocityY = 0;

    // Follows touch `touchIndex` (key code 384 + index); indexes outside 0..31 read the
    // position 0, 0, and codes outside the device count as up.
    void Update(int touchIndex);
    void ApplyFriction();
};

class iVector2d {
  public:
    float x = 0;
    float y = 0;

    iVector2d& New(float newX, float newY) {
        x = newX;
        y = newY;
        return *this;
    }
};
