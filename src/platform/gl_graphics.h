#pragma once
// The OpenGL 1.1 graphics device (fixed function, client-side arrays).
#include <memory>

#include "platform/graphics.h"

namespace platform {

// Needs the GL context current. Textures are padded to powers of two unless the driver takes
// other sizes and `allowNonPowerOfTwo` is true (false forces the padded path, for tests).
std::unique_ptr<GraphicsDevice> CreateOpenGlGraphics(bool allowNonPowerOfTwo = true);

} // namespace platform
