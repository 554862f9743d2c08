#include "framework/graphics_state.h"

#include <cmath>
#include <vector>

#include "platform/app.h"

namespace {

// Entries are reused from frame to frame; the stack only grows.
std::vector<std::shared_ptr<iStack2D>> stateStack;
int stateDepth = 0;

} // namespace

std::shared_ptr<iStack2D> PushGraphicsState() {
    if (stateDepth == static_cast<int>(stateStack.size())) {
        stateStack.resize(static_cast<std::size_t>(stateDepth) * 2 + 10);
        for (auto& entry : stateStack) {
            if (!entry) {
                entry = std::make_shared<iStack2D>();
            }
        }
    }
    auto& entry = stateStack[static_cast<std::size_t>(stateDepth)];
    entry->alpha = platform::GetAlpha();
    entry->blend = platform::GetBlend();
    entry->color = platform::GetColor();
    entry->matrix = platform::GetMatrix();
    entry->scissor = platform::GetScissor();
    stateDepth += 1;
    return entry;
}

void PopGraphicsState() {
    // A pop without its push would read below the stack.
    if (stateDepth <= 0) {
        return;
    }
    stateDepth -= 1;
    const iStack2D& entry = *stateStack[static_cast<std::size_t>(stateDepth)];
    platform::SetAlpha(entry.alpha);
    platform::Flush();
    platform::SetBlend(entry.blend);
    platform::SetMatrix(entry.matrix);
    platform::SetColor(entry.color[0], entry.color[1], entry.color[2]);
    platform::SetScissor(entry.scissor.x, entry.scissor.y, entry.scissor.w, entry.scissor.h);
}

int GraphicsStateDepth() { return stateDepth; }
int GraphicsStateCapacity() { return static_cast<int>(stateStack.size()); }

void ResetGraphicsState() {
    stateStack.clear();
    stateDepth = 0;
}

namespace {

// One axis of the clamp: the rectangle keeps what lies inside 0..limit.
void ClampSpan(float& start, float& size, float limit) {
    if (start < 0) {
        size = -start >= size ? 0 : size + start;
        start = 0;
    }
    if (start + size > limit) {
        if (start >= limit) {
            start = limit;
            size = 0;
        } else {
            size = limit - std::trunc(start);
        }
    }
}

} // namespace

void SetClippedScissor(float x, float y, float w, float h) {
    ClampSpan(x, w, static_cast<float>(WindowWidth()));
    ClampSpan(y, h, static_cast<float>(WindowHeight()));
    platform::SetScissor(x, y, w, h);
}

int WindowWidth() { return platform::DeviceWidth(); }
int WindowHeight() { return platform::DeviceHeight(); }
