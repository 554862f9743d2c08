#pragma once
// RectangleSelection: a rubber band drawn from a fixed corner to a moving one, over a sentence
// card while the left button is held. It draws as a plain rectangle widget.
#include <memory>

#include "gui/shapes.h"

class RectangleSelection : public iGuiRectangle {
  public:
    // The first corner has been taken.
    bool enCours = false;
    float departX = 0;
    float departY = 0;
    // The card the band is drawn over.
    int etiquette = 0;
    float finX = 0;
    float finY = 0;

    // The two corners become the widget's position and size, whichever way the band was drawn.
    int Normalise();
};
