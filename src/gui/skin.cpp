// Widget skins and placement.
//
// Index:
//   globals
//   searching by name, skin image names
//   the base skin reader and the "x"/"y" placement forms
//   attaching (group, last attached widgets)
//   placement operations
#include "gui/skin.h"

#include <cmath>

#include "framework/config.h"
#include "framework/content_manager.h"
#include "framework/engine.h"
#include "framework/playfield.h"
#include "gui/gui_object.h"

// --- globals ---

std::shared_ptr<iConfig> SharedSkinConfig = std::make_shared<iConfig>();
std::weak_ptr<iGuiObject> LastRootWidget;
std::weak_ptr<iGuiObject> PreviousRootWidget;
std::weak_ptr<iGuiObject> LastChildWidget;
std::weak_ptr<iGuiObject> PreviousChildWidget;

void ResetSkinGlobals() {
    SharedSkinConfig = std::make_shared<iConfig>();
    LastRootWidget.reset();
    PreviousRootWidget.reset();
    LastChildWidget.reset();
    PreviousChildWidget.reset();
}

// --- searching by name, skin image names ---

std::shared_ptr<iObject> FindObjectByName(const String& searched) {
    FoundObject.reset();
    if (CurrentEngine) {
        iList& list = CurrentEngine->playfields;
        // By index: the engine may be walking its list with the cursor.
        for (int i = 0; i < list.Count(); ++i) {
            list.Get(i)->FindByName(searched);
        }
    }
    if (GuiPlayfield) {
        for (auto& page : GuiPlayfield->guiPages) {
            for (int i = 0; page && i < page->Count(); ++i) {
                page->Get(i)->FindByName(searched);
            }
        }
    }
    return FoundObject;
}

platform::ImagePtr ReadSkinImage(const iConfig& config, const String& key,
                                 const platform::ImagePtr& current) {
    String value = config.GetString(key, u"");
    if (value.empty()) {
        return current;
    }
    if (!TheContentManager) {
        ResetContentManager();
    }
    if (platform::EndsWith(value, u"!")) {
        value = platform::Replace(value, u"!", u"");
        auto image = TheContentManager->GetImage(value, 1, 0);
        TheContentManager->SetFlag(value, true);
        return image;
    }
    return TheContentManager->GetImage(value, 1, 0);
}

// --- the base skin reader and the "x"/"y" placement forms ---

bool iGuiObject::LoadSkinFile(const String& path, const String& prefix) {
    if (!SharedSkinConfig) {
        SharedSkinConfig = std::make_shared<iConfig>();
    }
    // Keep the config alive even if a skin loads another file into the shared one.
    auto config = SharedSkinConfig;
    if (!config->Load(path)) {
        return false;
    }
    return LoadSkin(*config, prefix);
}

namespace {

// "N", "N%", "N,name" or "N%,name"; anything else leaves the coordinate alone.
void ApplyPlacementForm(iGuiObject& widget, const String& value, bool horizontal) {
    std::vector<String> pieces = platform::Split(value, u",");
    for (auto& piece : pieces) {
        piece = platform::Trim(piece);
    }
    const auto percentOf = [](const String& piece) {
        return platform::ToInt(platform::Left(piece, static_cast<int>(piece.size()) - 1));
    };
    if (pieces.size() == 1) {
        const String& n = pieces[0];
        if (platform::EndsWith(n, u"%")) {
            if (horizontal) {
                widget.SetXPercent(percentOf(n));
            } else {
                widget.SetYPercent(percentOf(n));
            }
        } else if (horizontal) {
            widget.x = static_cast<float>(platform::ToInt(n));
        } else {
            widget.y = static_cast<float>(platform::ToInt(n));
        }
        return;
    }
    if (pieces.size() != 2) {
        return;
    }
    auto other = std::dynamic_pointer_cast<iGuiObject>(FindObjectByName(pieces[1]));
    if (!other) {
        return;
    }
    const String& n = pieces[0];
    if (platform::EndsWith(n, u"%")) {
        if (horizontal) {
            widget.SetXRelative(percentOf(n), *other);
        } else {
            widget.SetYRelative(percentOf(n), *other);
        }
    } else if (horizontal) {
        widget.x = other->x + static_cast<float>(platform::ToInt(n));
    } else {
        widget.y = other->y + static_cast<float>(platform::ToInt(n));
    }
}

} // namespace

float ReadSkinColour(const iConfig& config, const String& key, float current) {
    return static_cast<float>(config.GetInt(key, static_cast<int>(current)));
}

bool iGuiObject::LoadSkin(iConfig& config, const String& prefix) {
    const auto key = [&prefix](const char16_t* k) { return prefix + k; };
    name = config.GetString(key(u"name"), name);
    height = config.GetInt(key(u"height"), height);
    width = config.GetInt(key(u"width"), width);
    multitouch = config.GetBool(key(u"multitouch"), multitouch);
    alpha = config.GetFloat(key(u"alpha"), alpha);
    blend = config.GetInt(key(u"blend"), blend);
    blue = ReadSkinColour(config, key(u"blue"), blue);
    green = ReadSkinColour(config, key(u"green"), green);
    red = ReadSkinColour(config, key(u"red"), red);
    ghost = config.GetBool(key(u"ghost"), ghost);
    ghostAlpha = config.GetFloat(key(u"ghostalpha"), ghostAlpha);
    ghostBlend = config.GetInt(key(u"ghostblend"), ghostBlend);
    ghostBlue = ReadSkinColour(config, key(u"ghostblue"), ghostBlue);
    ghostGreen = ReadSkinColour(config, key(u"ghostgreen"), ghostGreen);
    ghostRed = ReadSkinColour(config, key(u"ghostred"), ghostRed);
    mouseOverAlpha = config.GetFloat(key(u"mouseoveralpha"), mouseOverAlpha);
    mouseOverBlend = config.GetInt(key(u"mouseoverblend"), mouseOverBlend);
    mouseOverBlue = ReadSkinColour(config, key(u"mouseoverblue"), mouseOverBlue);
    mouseOverGreen = ReadSkinColour(config, key(u"mouseovergreen"), mouseOverGreen);
    mouseOverRed = ReadSkinColour(config, key(u"mouseoverred"), mouseOverRed);
    overCorrectionLeft = config.GetInt(key(u"overcorrectionleft"), overCorrectionLeft);
    overCorrectionRight = config.GetInt(key(u"overcorrectionright"), overCorrectionRight);
    overCorrectionTop = config.GetInt(key(u"overcorrectiontop"), overCorrectionTop);
    overCorrectionBottom = config.GetInt(key(u"overcorrectionbottom"), overCorrectionBottom);
    testAlpha = config.GetFloat(key(u"testAlpha"), testAlpha);
    testBlend = config.GetInt(key(u"testBlend"), testBlend);
    testBlue = ReadSkinColour(config, key(u"testBlue"), testBlue);
    testGreen = ReadSkinColour(config, key(u"testGreen"), testGreen);
    testMode = config.GetBool(key(u"testMode"), testMode);
    testRed = ReadSkinColour(config, key(u"testRed"), testRed);
    // "size" scales both axes on top of "scalex" and "scaley".
    const float size = config.GetFloat(key(u"size"), 1.0f);
    scaleX = config.GetFloat(key(u"scalex"), scaleX) * size;
    scaleY = config.GetFloat(key(u"scaley"), scaleY) * size;
    visible = config.GetBool(key(u"visible"), visible);
    if (config.HasKey(key(u"x"))) {
        ApplyPlacementForm(*this, config.GetString(key(u"x"), u""), true);
    }
    if (config.HasKey(key(u"y"))) {
        ApplyPlacementForm(*this, config.GetString(key(u"y"), u""), false);
    }
    z = config.GetFloat(key(u"z"), z);
    const int autoX = config.GetInt(key(u"autox"), -1);
    if (autoX != -1) {
        PlaceRightOfPrevious(autoX);
    }
    const int autoY = config.GetInt(key(u"autoy"), -1);
    if (autoY != -1) {
        PlaceBelowPrevious(autoY);
    }
    return true;
}

// --- attaching (group, last attached widgets) ---

void iGuiObject::SetParent(const std::shared_ptr<iGuiObject>& group) {
    if (!group) {
        return;
    }
    if (iList4* children = group->ChildList()) {
        children->AddLast(SelfAs<iGuiObject>());
    }
    parent = group;
    playfield = group->GetPlayfield();
    RegisterLast();
}

void iGuiObject::RegisterLast() {
    auto self = SelfAs<iGuiObject>();
    const bool inGroup = !parent.expired();
    std::weak_ptr<iGuiObject>& last = inGroup ? LastChildWidget : LastRootWidget;
    std::weak_ptr<iGuiObject>& previous = inGroup ? PreviousChildWidget : PreviousRootWidget;
    if (last.lock() != self) {
        previous = last;
    }
    last = self;
}

// --- placement operations ---

void iGuiObject::SetPosition(float px, float py) {
    x = px;
    y = py;
}

void iGuiObject::SetSize(int w, int h) {
    width = w;
    height = h;
}

void iGuiObject::ScaleToSize(int w, int h) {
    // A widget of no size cannot be scaled to one; it keeps its scale.
    if (const float current = Width(); current != 0) {
        scaleX = static_cast<float>(w) * scaleX / current;
    }
    if (const float current = Height(); current != 0) {
        scaleY = static_cast<float>(h) * scaleY / current;
    }
}

void iGuiObject::SetHandle(float hx, float hy) {
    handleX = platform::TruncToInt(hx);
    handleY = platform::TruncToInt(hy);
}

void iGuiObject::SetMouseOverColor(float r, float g, float b) {
    mouseOverRed = r;
    mouseOverGreen = g;
    mouseOverBlue = b;
}

void iGuiObject::SetXPercent(int percent) {
    const float p = static_cast<float>(percent);
    if (auto group = parent.lock()) {
        x = (group->Width() - Width()) / 100.0f * p;
    } else {
        auto holder = GetPlayfield();
        const float fieldWidth = holder ? static_cast<float>(holder->width) : 0.0f;
        x = fieldWidth / 100.0f * p - Width() * 0.5f;
    }
    x += static_cast<float>(handleX) * scaleX;
}

void iGuiObject::SetYPercent(int percent) {
    const float p = static_cast<float>(percent);
    if (auto group = parent.lock()) {
        y = (group->Height() - Height()) / 100.0f * p;
    } else {
        auto holder = GetPlayfield();
        const float fieldHeight = holder ? static_cast<float>(holder->height) : 0.0f;
        y = fieldHeight / 100.0f * p - Height() * 0.5f;
    }
    y += static_cast<float>(handleY) * scaleY;
}

void iGuiObject::Center(int xPercent, int yPercent) {
    SetXPercent(xPercent);
    SetYPercent(yPercent);
}

void iGuiObject::SetXRelative(int percent, const iGuiObject& other) {
    x = other.x + other.Width() / 100.0f * static_cast<float>(percent) - Width() * 0.5f +
        static_cast<float>(handleX) * scaleX;
}

void iGuiObject::SetYRelative(int percent, const iGuiObject& other) {
    y = other.y + other.Height() / 100.0f * static_cast<float>(percent) - Height() * 0.5f +
        static_cast<float>(handleY) * scaleY;
}

void iGuiObject::SetPositionRelative(int xPercent, int yPercent, const iGuiObject& other) {
    SetXRelative(xPercent, other);
    SetYRelative(yPercent, other);
}

void iGuiObject::PlaceBelow(float gap, const iGuiObject& other) {
    if (x == 0) {
        x = other.x;
    }
    y = other.y + other.Height() + gap;
}

void iGuiObject::PlaceRightOfPrevious(int gap) {
    auto previous = (parent.expired() ? PreviousRootWidget : PreviousChildWidget).lock();
    if (!previous) {
        return;
    }
    if (y == 0) {
        y = previous->y;
    }
    x = previous->x + previous->Width() + static_cast<float>(gap);
}

void iGuiObject::PlaceBelowPrevious(int gap) {
    auto previous = (parent.expired() ? PreviousRootWidget : PreviousChildWidget).lock();
    if (!previous) {
        return;
    }
    if (x == 0) {
        x = previous->x;
    }
    y = previous->y + previous->Height() + static_cast<float>(gap);
}
