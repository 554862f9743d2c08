#pragma once
// SlotPlayfield: a place on the 1280 by 768 canvas where a dropped card may land. Its hit test
// counts the right and bottom edges in and the left and top edges out, so two places that share
// an edge never both hold a point on it.
#include <memory>
#include <vector>

#include "framework/object.h"

class SlotPlayfield : public iObject {
  public:
    float gauche = 0;
    float haut = 0;
    float droite = 0;
    float bas = 0;
    // Set when a board is built; nothing in play reads them.
    int numero = 0;
    bool occupe = false;

    std::shared_ptr<SlotPlayfield> New() { return SelfAs<SlotPlayfield>(); }
    bool Contient(float x, float y) const;
    // Bounds of quadrant `place` of a canvas, in the board's order: top left, bottom right, top
    // right, bottom left. The four quadrants tile the canvas: each of its points, rims
    // included, lies in exactly one of them, so every drop finds a place.
    void Quadrant(int place, float canvasWidth, float canvasHeight);
};

// The first slot holding the point; -1 when none does (or a slot is missing).
int TrouveSlot(const std::vector<std::shared_ptr<SlotPlayfield>>& slots, float x, float y);
