#include "framework/letterbox.h"

#include "framework/graphics_state.h"
#include "framework/playfield.h"

bool WindowResized = false;

void ResetLetterboxGlobals() { WindowResized = false; }

namespace {

// Windows taller than this ratio fit the canvas to their width, others to their height.
constexpr float AspectThreshold = 0.6f;

} // namespace

void FitToWindow(iPlayfield* background, iPlayfield* main) {
    const int w = WindowWidth();
    const int h = WindowHeight();
    if (w <= 0 || h <= 0) {
        return;
    }
    if (background) {
        background->width = w;
        background->height = h;
        background->viewportWidth = w;
        background->viewportHeight = h;
    }
    if (main) {
        main->viewportWidth = w;
        main->viewportHeight = h;
        main->width = CanvasWidth;
        main->height = CanvasHeight;
        const float fw = static_cast<float>(w);
        const float fh = static_cast<float>(h);
        const float scale = fh / fw >= AspectThreshold ? fw / CanvasWidth : fh / CanvasHeight;
        main->scaleX = scale;
        main->scaleY = scale;
        main->handleX = CanvasWidth / 2;
        main->x = fw / 2 - scale * (CanvasWidth / 2);
        main->handleY = CanvasHeight / 2;
        main->y = fh / 2 - scale * (CanvasHeight / 2);
    }
    WindowResized = true;
}
