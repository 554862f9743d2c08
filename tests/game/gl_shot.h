#pragma once
// Frames of the current scene drawn for real by OpenGL in a hidden window of the start size and
// saved as PNGs under the test output folder, for a person to look at.
#include <string>

#include "platform/graphics.h"

struct GLFWwindow;

// The window lives as long as the process: terminating GLFW would unload the GL driver, whose
// remaining memory the leak checker would then report. None without a display or a context.
GLFWwindow* HiddenGlWindow();
// The window's drawable size.
void GlWindowSize(int& width, int& height);
// The window made `width` by `height`; false when its drawable did not take that size.
bool GlWindowResize(int width, int height);
// One frame through OpenGL, saved as `name`; `back` becomes the graphics device again.
bool ShootGl(const std::string& name, platform::GraphicsDevice& back);
