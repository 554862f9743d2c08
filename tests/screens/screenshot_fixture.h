#pragma once
// Menu screens drawn for real by OpenGL in a hidden window of the test's size, saved as PNG
// files under the build folder for a person to look at.
#include <GLFW/glfw3.h>
#include <stb/stb_image_write.h>

#include <string>
#include <utility>
#include <vector>

#include "menu_fixture.h"
#include "platform/gl_graphics.h"

class ScreenshotTest : public MenuTest, public ::testing::WithParamInterface<std::pair<int, int>> {
  protected:
    // Makes the window of the parameter's size current and stages the menus at that size;
    // false (the test then skips) without a display, an OpenGL context or that exact size.
    bool OuvreFenetre() {
        const auto [w, h] = GetParam();
        GLFWwindow* window = Fenetre(w, h);
        if (!window) {
            return false;
        }
        glfwMakeContextCurrent(window);
        glfwGetFramebufferSize(window, &width, &height);
        if (width != w || height != h) {
            return false;
        }
        Stage(width, height);
        return true;
    }

    // The window's bottom-up BGRA pixels of the rectangle, as RGB rows top first.
    static std::vector<std::uint8_t> EnRgb(const std::vector<std::uint8_t>& bgra, int w, int h) {
        std::vector<std::uint8_t> rgb(static_cast<std::size_t>(w * h * 3));
        for (int row = 0; row < h; ++row) {
            for (int col = 0; col < w; ++col) {
                const auto from = (static_cast<std::size_t>(h - 1 - row) * w + col) * 4;
                const auto to = (static_cast<std::size_t>(row) * w + col) * 3;
                rgb[to] = bgra[from + 2];
                rgb[to + 1] = bgra[from + 1];
                rgb[to + 2] = bgra[from];
            }
        }
        return rgb;
    }

    // The current screen drawn once, saved in test-output/<folder>/<name>_<w>x<h>.png.
    void Shoot(const std::string& folder, const std::string& name) {
        auto gl = platform::CreateOpenGlGraphics();
        platform::SetGraphicsDevice(gl.get());
        gl->BeginFrame(width, height);
        RenderCurrentScene();
        gl->EndFrame();
        const std::vector<std::uint8_t> rgb =
            EnRgb(gl->ReadPixels(0, 0, width, height), width, height);
        platform::SetGraphicsDevice(&graphics);
        const std::string path = std::string(MQ_TEST_OUTPUT) + "/" + folder + "/" + name + "_" +
                                 std::to_string(width) + "x" + std::to_string(height) + ".png";
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        // Light and quick compression: these files are only looked at.
        stbi_write_png_compression_level = 1;
        stbi_write_force_png_filter = 0;
        EXPECT_TRUE(stbi_write_png(path.c_str(), width, height, 3, rgb.data(), width * 3));
        stbi_write_png_compression_level = 8;
        stbi_write_force_png_filter = -1;
    }

    int width = 0;
    int height = 0;

  private:
    // One hidden window per size, kept until the process ends: terminating GLFW unloads the GL
    // driver, whose remaining memory the leak checker would then report.
    static GLFWwindow* Fenetre(int w, int h) {
        static const bool ready = glfwInit();
        static std::vector<std::pair<std::pair<int, int>, GLFWwindow*>> fenetres;
        if (!ready) {
            return nullptr;
        }
        for (const auto& [taille, fenetre] : fenetres) {
            if (taille == std::pair{w, h}) {
                return fenetre;
            }
        }
        glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
        GLFWwindow* fenetre = glfwCreateWindow(w, h, "MirelvanQuibs", nullptr, nullptr);
        fenetres.push_back({{w, h}, fenetre});
        return fenetre;
    }
};
