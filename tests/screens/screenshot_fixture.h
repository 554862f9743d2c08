#pragma once
// Screens drawn for real by OpenGL in a hidden window of the test's size, saved as PNG files
// under the build folder for a person to look at.
#include <GLFW/glfw3.h>
#include <stb/stb_image_write.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "menu_fixture.h"
#include "platform/gl_graphics.h"

class ScreenshotTest : public MenuTest, public ::testing::WithParamInterface<std::pair<int, int>> {
  protected:
    // The hidden window of the parameter's size made current, the menus staged at that size;
    // false without a display, an OpenGL context or that exact size. Windows stay until the
    // process ends: terminating GLFW unloads the GL driver, whose memory the leak checker
    // would then report.
    bool OuvreFenetre() {
        static const bool pret = glfwInit();
        static std::map<std::pair<int, int>, GLFWwindow*> fenetres;
        glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
        GLFWwindow*& fenetre = fenetres[GetParam()];
        if (pret && !fenetre) {
            fenetre = glfwCreateWindow(GetParam().first, GetParam().second, "MirelvanQuibs",
                                       nullptr, nullptr);
        }
        if (!fenetre) {
            return false;
        }
        glfwMakeContextCurrent(fenetre);
        glfwGetFramebufferSize(fenetre, &width, &height);
        Stage(width, height);
        return std::pair{width, height} == GetParam();
    }

    // Bottom-up BGRA pixels read back from the window, as RGB rows top first.
    static std::vector<std::uint8_t> EnRgb(const std::vector<std::uint8_t>& bgra, int w, int h) {
        std::vector<std::uint8_t> rgb(static_cast<std::size_t>(w * h * 3));
        for (std::size_t i = 0; i < rgb.size(); i += 3) {
            const std::size_t pixel = i / 3;
            const std::size_t from = ((h - 1 - pixel / w) * w + pixel % w) * 4;
            rgb[i] = bgra[from + 2];
            rgb[i + 1] = bgra[from + 1];
            rgb[i + 2] = bgra[from];
        }
        return rgb;
    }

    // The current screen drawn once into test-output/<folder>/<name>_<w>x<h>.png.
    void Shoot(const std::string& folder, const std::string& name) {
        auto gl = platform::CreateOpenGlGraphics();
        platform::SetGraphicsDevice(gl.get());
        gl->BeginFrame(width, height);
        RenderCurrentScene();
        gl->EndFrame();
        const auto rgb = EnRgb(gl->ReadPixels(0, 0, width, height), width, height);
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
};
