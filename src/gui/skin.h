#pragma once
// Widget skins and placement: the one config every skin file is read into, the widgets last
// attached at root level and inside groups (for the automatic placements), the search of an
// object by name, and the reading of skin image names. The base skin reader and the placement
// operations are members of iGuiObject, defined in skin.cpp.
#include <memory>

#include "platform/image.h"
#include "platform/text.h"

class iConfig;
class iGuiObject;
class iObject;

// Every LoadSkinFile reads into it, replacing the file read before.
extern std::shared_ptr<iConfig> SharedSkinConfig;
// Never owning: a widget that goes away simply stops being "the previous one".
extern std::weak_ptr<iGuiObject> LastRootWidget;
extern std::weak_ptr<iGuiObject> PreviousRootWidget;
extern std::weak_ptr<iGuiObject> LastChildWidget;
extern std::weak_ptr<iGuiObject> PreviousChildWidget;

// Searches the current engine's playfields, then every page of GuiPlayfield; the last match wins.
std::shared_ptr<iObject> FindObjectByName(const String& searched);

// An image named by a skin key: the current image when the key is missing or empty; a name
// ending in "!" loses its exclamation marks and flags its cache entry.
platform::ImagePtr ReadSkinImage(const iConfig& config, const String& key,
                                 const platform::ImagePtr& current);

// Colours are whole numbers in skins; a missing key keeps the current value, truncated.
float ReadSkinColour(const iConfig& config, const String& key, float current);

void ResetSkinGlobals();
