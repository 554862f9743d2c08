#pragma once
// iContentManager: images and bitmap fonts cached by file name, so that the widgets sharing a
// skin image or a font load it once. Entries are taken in order and kept for the whole run; a
// repeated lookup of the name just asked for costs one compare.
#include <memory>
#include <vector>

#include "framework/bitmap_font.h"
#include "platform/image.h"
#include "platform/text.h"

// One cache entry.
class iContentObject {
  public:
    // The file name the entry was made for; empty while the entry is not taken.
    String name;
    // Null for a font entry, or while the image cannot be loaded.
    platform::ImagePtr image;
    // Null for an image entry.
    std::shared_ptr<iBitmapFont> font;
    bool flag = false;
};

class iContentManager {
  public:
    static constexpr int StartSlots = 128;

    // Every slot holds an entry; slots 0..count-1 are in use, the rest wait to be taken.
    std::vector<std::shared_ptr<iContentObject>> entries;
    int count = 0;
    // The entry found or made by the latest lookup.
    int cursor = 0;

    explicit iContentManager(int slots = StartSlots);

    // Frames and flags only matter to the first load of a name. Null when the file cannot be
    // loaded; a later lookup of that name tries the load again in the same entry.
    platform::ImagePtr GetImage(const String& name, int frames = 1, int flags = 0);
    // Never null: a missing description gives an empty font.
    std::shared_ptr<iBitmapFont> GetFont(const String& name);
    // Sets the flag of every entry holding the name.
    void SetFlag(const String& name, bool flag);
    // The first entry in use with the name, or null; leaves the cursor on it (on count if none).
    std::shared_ptr<iContentObject> Find(const String& name);
    // Makes room for one more entry when every slot is in use.
    void Grow();

  private:
    // The entry for a name: the one under the cursor, an earlier one, or a new one.
    iContentObject& Entry(const String& name);
};

extern std::shared_ptr<iContentManager> TheContentManager;
// A fresh, empty cache (tests call it between cases; the program never needs it).
void ResetContentManager();
