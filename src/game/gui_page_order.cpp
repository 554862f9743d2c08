// Sorting GUI pages by depth.
#include "game/gui_page_order.h"

#include "framework/playfield.h"
#include "gui/gui_object.h"

void TriePagesGui(iPlayfield& playfield, bool) {
    // A few dozen widgets, every frame: a bubble sort in place allocates nothing and never
    // reorders equal depths.
    for (const auto& page : playfield.guiPages) {
        if (!page) {
            continue;
        }
        const int count = page->Count();
        for (int pass = 0; pass + 1 < count; ++pass) {
            for (int j = 0; j + 1 < count; ++j) {
                const auto& a = page->array[static_cast<std::size_t>(j)];
                const auto& b = page->array[static_cast<std::size_t>(j) + 1];
                if (a && b && b->z > a->z) {
                    page->Swap(j, j + 1);
                }
            }
        }
    }
}
