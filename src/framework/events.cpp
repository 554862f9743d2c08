#include "framework/events.h"

#include "platform/input.h"

iList8 TheEventList;

void ResetEventList() { TheEventList.Clear(); }

namespace {

// Two references to the same object: the same control block, or both without one.
bool SameOwner(const std::weak_ptr<const iObject>& a, const std::weak_ptr<const iObject>& b) {
    return !a.owner_before(b) && !b.owner_before(a);
}

std::weak_ptr<const iObject> WeakOf(const iObject* object) {
    return object != nullptr ? object->weak_from_this() : std::weak_ptr<const iObject>();
}

} // namespace

iEvent& iEvent::New(const String& eventName, const iObject* eventSource) {
    name = eventName;
    source = WeakOf(eventSource);
    sourceId = eventSource;
    return *this;
}

bool iEvent::Matches(const iObject* eventSource, const String& eventName) const {
    // The address alone could be a new object made where a destroyed one lived; the owner
    // check tells them apart.
    return sourceId == eventSource && name == eventName && SameOwner(source, WeakOf(eventSource));
}

std::shared_ptr<iEvent> iEvent::Raise(const iObject* eventSource, const String& eventName) {
    if (Check(eventSource, eventName))
        return nullptr;
    auto event = std::make_shared<iEvent>();
    event->New(eventName, eventSource);
    TheEventList.AddLast(event);
    return event;
}

bool iEvent::Check(const iObject* eventSource, const String& eventName) {
    for (int i = 0; i < TheEventList.Count(); ++i) {
        if (TheEventList.Get(i)->Matches(eventSource, eventName))
            return true;
    }
    return false;
}

void iSwipe::Update(int touchIndex) {
    float x = 0;
    float y = 0;
    if (touchIndex >= 0 && touchIndex < platform::TouchCount) {
        x = platform::TouchX(touchIndex);
        y = platform::TouchY(touchIndex);
    }
    // Codes outside the device count as up (checked before adding, so no index overflows).
    const bool down = touchIndex >= -platform::TouchBase &&
                      touchIndex < platform::InputCodes - platform::TouchBase &&
                      platform::KeyDown(platform::TouchBase + touchIndex);

    if (state == 0) {
        if (!down)
            return;
        // The first update of a touch starts from where it is, so it moves nothing.
        lastX = x;
        lastY = y;
        state = 1;
    }
    if (state == 1) {
        if (down) {
            velocityX += (x - lastX) * gainX;
            lastX = x;
            velocityY += (y - lastY) * gainY;
            lastY = y;
        } else {
            state = 0;
        }
    }
}

void iSwipe::ApplyFriction() {
    velocityX *= frictionX;
    velocityY *= frictionY;
}
