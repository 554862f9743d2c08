#pragma once
// The graphics state stack that every playfield, layer and widget brackets its drawing with,
// the scissor clamped to the window, and the window size as the framework sees it.
#include <array>
#include <memory>

#include "platform/graphics.h"

// One saved graphics state.
struct iStack2D {
    float alpha = 0;
    int blend = 0;
    std::array<float, 3> color{};
    platform::Matrix2D matrix;
    platform::ScissorRect scissor;
};

// Saves alpha, blend mode, colour, matrix and scissor; returns the entry that holds them.
std::shared_ptr<iStack2D> PushGraphicsState();
// Restores the last pushed state; an unmatched pop does nothing.
void PopGraphicsState();
int GraphicsStateDepth();
int GraphicsStateCapacity();
// Empties the stack (tests, start of the program).
void ResetGraphicsState();

// Window pixels, top-left origin, cut to the window before it reaches the device.
void SetClippedScissor(float x, float y, float w, float h);

// Client size of the window in device pixels (0 when minimised or unknown).
int WindowWidth();
int WindowHeight();
