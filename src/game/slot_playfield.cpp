// Canvas places and their hit test.
#include "game/slot_playfield.h"

bool SlotPlayfield::Contient(float x, float y) const {
    return gauche < x && x <= droite && haut < y && y <= bas;
}

void SlotPlayfield::Quadrant(int place, float canvasWidth, float canvasHeight) {
    // The left and top edges are outside a slot: the canvas's own left and top rims need
    // bounds one pixel beyond them.
    constexpr float Outside = -1;
    const float midX = canvasWidth * 0.5f;
    const float midY = canvasHeight * 0.5f;
    const bool right = place == 1 || place == 2;
    const bool bottom = place == 1 || place == 3;
    gauche = right ? midX : Outside;
    droite = right ? canvasWidth : midX;
    haut = bottom ? midY : Outside;
    bas = bottom ? canvasHeight : midY;
}

int TrouveSlot(const std::vector<std::shared_ptr<SlotPlayfield>>& slots, float x, float y) {
    for (std::size_t j = 0; j < slots.size(); ++j) {
        if (slots[j] && slots[j]->Contient(x, y)) {
            return static_cast<int>(j);
        }
    }
    return -1;
}
