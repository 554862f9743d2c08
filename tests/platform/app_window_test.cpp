// RunApp with a real (hidden) window. Each case runs in a fresh process: GLFW and the GL driver
// then come and go with it, apart from the OpenGL device tests that keep their own window.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>

#ifdef __GLIBC__
#include <dlfcn.h>
#include <malloc.h>
#endif

#include "platform/app.h"
#include "platform/diag.h"
#include "platform/graphics.h"

using namespace platform;

#ifdef __GLIBC__
namespace {
// The C library's thresholds as the process last set them (0: never set).
int mappingThreshold = 0;
int trimThreshold = 0;
} // namespace

// Seen on their way to the C library, so that a test can tell what the start-up tuned.
extern "C" int mallopt(int param, int value) noexcept {
    if (param == M_MMAP_THRESHOLD) {
        mappingThreshold = value;
    } else if (param == M_TRIM_THRESHOLD) {
        trimThreshold = value;
    }
    using Mallopt = int (*)(int, int);
    static const auto next = reinterpret_cast<Mallopt>(dlsym(RTLD_NEXT, "mallopt"));
    return next != nullptr ? next(param, value) : 0;
}
#endif

namespace {

class ScriptedApp : public App {
  public:
    explicit ScriptedApp(String quitMessage) : quitMessage_(std::move(quitMessage)) {}
    int createdWidth = 0;
    int createdHeight = 0;
    int updates = 0;
    int renders = 0;
    bool drewWithDevice = false;
    int OnCreate() override {
        createdWidth = DeviceWidth();
        createdHeight = DeviceHeight();
        SetUpdateRate(60);
        return 0;
    }
    int OnUpdate() override {
        if (++updates == 5) {
            Error(quitMessage_);
        }
        return 0;
    }
    int OnRender() override {
        ++renders;
        drewWithDevice = drewWithDevice || Graphics() != nullptr;
        DrawRect(10, 10, 50, 50);
        return 0;
    }

  private:
    String quitMessage_;
};

bool HaveDisplay() {
    return std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
}

// Runs the app in this (child) process and leaves with a code that says what went wrong.
// _exit: the driver's memory is not the leak checker's business here.
[[noreturn]] void RunAndExit(const String& quitMessage) {
    setenv("MQ_HIDDEN_WINDOW", "1", 1);
    ScriptedApp app(quitMessage);
    const int code = RunApp(app);
    if (app.createdWidth != 1134 || app.createdHeight != 680) {
        _exit(20);
    }
    if (app.updates != 5 || app.renders < 1 || !app.drewWithDevice) {
        _exit(21);
    }
    if (Graphics() != nullptr) {
        _exit(22);
    }
    _exit(code);
}

#ifdef __GLIBC__
// Large freed blocks (pictures) must go back to the system, so the mapping threshold is fixed;
// that alone leaves the trim threshold at 128 KiB, and the heap's top, which a frame takes and
// gives back by the MiB, would be returned and faulted in again every frame.
[[noreturn]] void RunAndExitWithTheHeapTuned() {
    setenv("MQ_HIDDEN_WINDOW", "1", 1);
    ScriptedApp app(u"");
    RunApp(app);
    if (mappingThreshold <= 0) {
        _exit(30);
    }
    if (trimThreshold < 4 * 1024 * 1024) {
        _exit(31);
    }
    _exit(0);
}
#endif

} // namespace

#ifdef __GLIBC__
// Without a display the start-up fails after the tuning, which is all this case looks at.
TEST(RunAppDeathTest, HeapKeepsAFramesChurnOnTopWhileLargeBlocksGoBack) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunAndExitWithTheHeapTuned(), testing::ExitedWithCode(0), "");
}
#endif

TEST(RunAppDeathTest, QuietQuitFromAnUpdateEndsWithCodeZero) {
    if (!HaveDisplay()) {
        GTEST_SKIP() << "no display";
    }
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunAndExit(u""), testing::ExitedWithCode(0), "");
}

TEST(RunAppDeathTest, ErrorWithAMessageReportsItAndFails) {
    if (!HaveDisplay()) {
        GTEST_SKIP() << "no display";
    }
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunAndExit(u"Image frame outside surface"), testing::ExitedWithCode(1),
                "Image frame outside surface");
}
