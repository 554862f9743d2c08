// The rubber band.
#include "game/selection_rectangle.h"

#include <cmath>

int RectangleSelection::Normalise() {
    x = std::fmin(departX, finX);
    width = static_cast<int>(std::trunc(std::fabs(finX - departX)));
    y = std::fmin(departY, finY);
    height = static_cast<int>(std::trunc(std::fabs(finY - departY)));
    return 0;
}
