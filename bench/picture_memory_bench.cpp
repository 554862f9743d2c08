// Resident size once every picture of the data folder has been drawn: the game keeps each
// picture it has used for the rest of the run, so this is where a long session ends up. The
// pictures are loaded and drawn once each through the OpenGL device in a hidden window (run
// under a virtual display); the counters give the resident size before, after the loads, and
// after the drawing, in MiB, and the size of the decoded pixels.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "hidden_gl_window.h"
#include "platform/gl_graphics.h"
#include "platform/graphics.h"
#include "platform/image.h"

namespace {

double ResidentMiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

std::vector<std::string> PictureFiles() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(MQ_BENCH_DATA_DIR)) {
        const std::string extension = entry.path().extension().string();
        if (entry.is_regular_file() && (extension == ".png" || extension == ".bmp"))
            files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

void ToutesLesImagesUneFois(benchmark::State& state) {
    GLFWwindow* window = HiddenGlWindow(state);
    if (window == nullptr)
        return;
    auto graphics = platform::CreateOpenGlGraphics();
    platform::SetGraphicsDevice(graphics.get());
    const std::vector<std::string> files = PictureFiles();
    for (auto _ : state) {
        const double start = ResidentMiB();
        std::vector<platform::ImagePtr> pictures;
        double decoded = 0;
        for (const std::string& file : files) {
            if (auto picture = platform::LoadImage(platform::FromUtf8(file))) {
                decoded += 4.0 * picture->GetSurface()->width * picture->GetSurface()->height;
                pictures.push_back(std::move(picture));
            }
        }
        const double loaded = ResidentMiB();
        // A few pictures a frame, as a board brings them in.
        for (std::size_t i = 0; i < pictures.size(); ++i) {
            if (i % 8 == 0)
                graphics->BeginFrame(1134, 680);
            platform::DrawImage(pictures[i], 0, 0);
            if (i % 8 == 7 || i + 1 == pictures.size()) {
                graphics->EndFrame();
                glfwSwapBuffers(window);
            }
        }
        state.counters["pictures"] = static_cast<double>(pictures.size());
        state.counters["decoded_MiB"] = decoded / (1024.0 * 1024.0);
        state.counters["rss_start_MiB"] = start;
        state.counters["rss_loaded_MiB"] = loaded;
        state.counters["rss_drawn_MiB"] = ResidentMiB();
    }
    platform::SetGraphicsDevice(nullptr);
    graphics.reset();
    glfwDestroyWindow(window);
}

} // namespace

BENCHMARK(ToutesLesImagesUneFois)->Iterations(1)->Unit(benchmark::kMillisecond);
