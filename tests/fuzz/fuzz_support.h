#pragma once
// What the libFuzzer targets of the readers of outside data share: a folder of their own for the
// files they hand to the readers, and a headless stage for the readers that build widgets.
//
// Built only on request, with clang (see tools/fuzz.sh, which builds and runs them all):
//   cmake -S . -B build/fuzz -G Ninja -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
//         -DMQ_BUILD_FUZZERS=ON -DMQ_BUILD_TESTS=OFF -DMQ_BUILD_ASSETS=OFF
//   cmake --build build/fuzz -j4
// One target for ten minutes, from the corpus kept in the tests (new inputs go to the first
// folder, so the kept corpus stays as it is; a crash, a hang or a huge allocation is written
// under the artifact prefix):
//   mkdir -p build/fuzz/runs/wav
//   build/fuzz/fuzz/fuzz_wav -max_total_time=600 -timeout=10 -rss_limit_mb=2048 \
//         -artifact_prefix=build/fuzz/runs/ build/fuzz/runs/wav tests/fuzz/corpus/wav
// A finding is replayed by giving its file alone: build/fuzz/fuzz/fuzz_wav <file>.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "framework/engine.h"
#include "framework/events.h"
#include "framework/frame_chain.h"
#include "framework/playfield.h"
#include "gui/gui_object.h"
#include "platform/app.h"
#include "platform/clock.h"
#include "platform/diag.h"
#include "platform/graphics.h"
#include "platform/input.h"

namespace fuzz {

// A temporary folder of this process's own, removed when it ends normally.
inline const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "mq-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        std::atexit([] { std::filesystem::remove_all(Folder()); });
        return std::filesystem::path(pattern);
    }();
    return folder;
}

inline void Write(const std::filesystem::path& file, const std::uint8_t* data, std::size_t size) {
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

inline void Write(const std::filesystem::path& file, const std::string& text) {
    Write(file, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

inline String Path(const std::filesystem::path& file) { return platform::FromUtf8(file.string()); }

// Standard error would fill with the readers' one-line reports, once per file name.
inline void QuietDebugLines() {
    platform::SetPrintSink([](const String&) {});
}

// A recording window of 1280 x 768 with one playfield, a manual clock and no input.
class Stage {
  public:
    Stage() {
        ResetFrameworkGlobals();
        ResetGuiGlobals();
        ResetEventList();
        platform::ResetInput();
        platform::ResetAppState();
        platform::SetDeviceSize(1280, 768);
        platform::SetClockSource(&clock);
        platform::SetGraphicsDevice(&graphics);
        graphics.BeginFrame(1280, 768);
        screen = std::make_shared<iEngine>();
        screen->Create();
        playfield = std::make_shared<iPlayfield>();
        playfield->New();
        playfield->AddToEngine(*screen);
        SwitchScene(screen);
        Step();
    }

    void Step() {
        clock.Advance(17);
        UpdateScenes();
        platform::Input().EndUpdate();
    }

    void Frame() {
        graphics.BeginFrame(1280, 768);
        RenderCurrentScene();
        graphics.EndFrame();
    }

    platform::RecordingGraphics graphics;
    platform::ManualClock clock;
    std::shared_ptr<iEngine> screen;
    std::shared_ptr<iPlayfield> playfield;
};

} // namespace fuzz
