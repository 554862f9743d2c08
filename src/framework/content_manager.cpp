#include "framework/content_manager.h"

std::shared_ptr<iContentManager> TheContentManager = std::make_shared<iContentManager>();

void ResetContentManager() { TheContentManager = std::make_shared<iContentManager>(); }

iContentManager::iContentManager(int slots) {
    for (int i = 0; i < slots; ++i)
        entries.push_back(std::make_shared<iContentObject>());
}

std::shared_ptr<iContentObject> iContentManager::Find(const String& name) {
    for (cursor = 0; cursor < count; ++cursor) {
        if (entries[static_cast<std::size_t>(cursor)]->name == name)
            return entries[static_cast<std::size_t>(cursor)];
    }
    return nullptr;
}

void iContentManager::Grow() {
    if (count != static_cast<int>(entries.size()))
        return;
    entries.resize(static_cast<std::size_t>(count) * 2 + 10);
    for (auto& entry : entries) {
        if (!entry)
            entry = std::make_shared<iContentObject>();
    }
}

iContentObject& iContentManager::Entry(const String& name) {
    Grow();
    if (const auto found = Find(name))
        return *found;
    iContentObject& entry = *entries[static_cast<std::size_t>(count)];
    cursor = count;
    ++count;
    entry.name = name;
    return entry;
}

platform::ImagePtr iContentManager::GetImage(const String& name, int frames, int flags) {
    // The name just asked for again (a widget reading several keys naming one image) is
    // answered as it stands, also when its load failed.
    if (count > 0 && cursor >= 0 && cursor < count &&
        entries[static_cast<std::size_t>(cursor)]->name == name)
        return entries[static_cast<std::size_t>(cursor)]->image;
    // Otherwise a name whose load failed is tried again in its own entry, so retries never
    // fill the cache with dead entries.
    iContentObject& entry = Entry(name);
    if (!entry.image)
        entry.image = platform::LoadImage(name, frames, flags);
    return entry.image;
}

std::shared_ptr<iBitmapFont> iContentManager::GetFont(const String& name) {
    const bool onCursor = count > 0 && cursor >= 0 && cursor < count &&
                          entries[static_cast<std::size_t>(cursor)]->name == name;
    iContentObject& entry = onCursor ? *entries[static_cast<std::size_t>(cursor)] : Entry(name);
    // A name first cached as an image still gets its font, so callers never meet a null font.
    if (!entry.font)
        entry.font = iBitmapFont::New(name);
    return entry.font;
}

void iContentManager::SetFlag(const String& name, bool flag) {
    for (cursor = 0; cursor < count; ++cursor) {
        iContentObject& entry = *entries[static_cast<std::size_t>(cursor)];
        if (entry.name == name)
            entry.flag = flag;
    }
}
