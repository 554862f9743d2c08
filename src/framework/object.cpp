#include "framework/object.h"

#include "framework/engine.h"

std::shared_ptr<iObject> FoundObject;

void iObject::FindByName(const String& searched) {
    if (searched == name) {
        FoundObject = Self();
    }
}

void iObject::CollectByName(const String& searched, iObjectList& list) {
    if (searched == name) {
        list.AddLast(Self());
    }
}

void iEngineObject::New() { creationFrame = CurrentEngine ? CurrentEngine->frameCount : 0; }
