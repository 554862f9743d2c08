#pragma once
// The class names that iEngine::CreateObject builds from a configuration section.
#include <memory>

#include "platform/text.h"

class iObject;

// Made and initialised as CreateObject does; none for a name outside the table.
std::shared_ptr<iObject> CreateObjectOfClass(const String& className);
