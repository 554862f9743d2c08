#include "gl_shot.h"

#include <GLFW/glfw3.h>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

#include <utility>
#include <vector>

#include "framework/frame_chain.h"
#include "platform/gl_graphics.h"

GLFWwindow* HiddenGlWindow() {
    static GLFWwindow* window = []() -> GLFWwindow* {
        glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
        return glfwInit() ? glfwCreateWindow(1134, 680, "MirelvanQuibs", nullptr, nullptr)
                          : nullptr;
    }();
    if (window) {
        glfwMakeContextCurrent(window);
    }
    return window;
}

void GlWindowSize(int& width, int& height) {
    width = height = 0;
    if (GLFWwindow* window = HiddenGlWindow()) {
        glfwGetFramebufferSize(window, &width, &height);
    }
}

bool GlWindowResize(int width, int height) {
    GLFWwindow* window = HiddenGlWindow();
    if (!window) {
        return false;
    }
    glfwSetWindowSize(window, width, height);
    // The server answers in its own time: a few rounds of events at most.
    int w = 0;
    int h = 0;
    for (int round = 0; round < 200; ++round) {
        glfwPollEvents();
        glfwGetFramebufferSize(window, &w, &h);
        if (w == width && h == height) {
            // The driver takes the drawable's new size at a swap.
            glfwSwapBuffers(window);
            glfwMakeContextCurrent(window);
            return true;
        }
        glfwWaitEventsTimeout(0.01);
    }
    return false;
}

bool ShootGl(const std::string& name, platform::GraphicsDevice& back) {
    int width = 0;
    int height = 0;
    GlWindowSize(width, height);
    auto gl = platform::CreateOpenGlGraphics();
    platform::SetGraphicsDevice(gl.get());
    gl->BeginFrame(width, height);
    RenderCurrentScene();
    gl->EndFrame();
    std::vector<std::uint8_t> rgba = gl->ReadPixels(0, 0, width, height);
    platform::SetGraphicsDevice(&back);
    for (std::size_t i = 0; i < rgba.size(); i += 4) {
        std::swap(rgba[i], rgba[i + 2]);
        rgba[i + 3] = 255;
    }
    const std::string path = std::string(MQ_TEST_OUTPUT) + "/" + name;
    stbi_flip_vertically_on_write(1);
    return stbi_write_png(path.c_str(), width, height, 4, rgba.data(), width * 4) != 0;
}
