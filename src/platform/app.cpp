// The application: the App base (1), the update schedule (2), the loop's steps (3), the GLFW
// window and its callbacks (4), RunApp (5).
#include "platform/app.h"

#include <GLFW/glfw3.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <thread>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/diag.h"
#include "platform/gl_graphics.h"
#include "platform/graphics.h"
#include "platform/input.h"

namespace platform {

namespace {

App* currentApp = nullptr;

// What the loop knows of the window between passes.
struct LoopState {
    UpdateScheduler scheduler;
    int width = 0; // framebuffer now
    int height = 0;
    int reportedWidth = 0; // last size the App was told about
    int reportedHeight = 0;
    bool focused = true;
    bool minimised = false;
    bool suspended = false;
    // Updates run since the last render: a render waits for at least one.
    int updatesSinceRender = 0;
};

LoopState& State() {
    static LoopState state;
    return state;
}

// The loop paces itself on the clock's full resolution.
double Now() { return Seconds(); }

// Suspended whenever the window has no focus or is minimised; the App hears each change once.
void UpdateSuspension() {
    LoopState& s = State();
    const bool suspend = !s.focused || s.minimised;
    if (suspend == s.suspended) {
        return;
    }
    s.suspended = suspend;
    if (currentApp == nullptr) {
        return;
    }
    if (suspend) {
        currentApp->OnSuspend();
    } else {
        s.scheduler.Resynchronise(Now());
        currentApp->OnResume();
    }
}

} // namespace

// ---- 1. The App -------------------------------------------------------------------------

App::App() {
    if (currentApp != nullptr) {
        Error(u"App has already been created");
    }
    currentApp = this;
}

App::~App() {
    if (currentApp == this) {
        currentApp = nullptr;
    }
}

int App::OnSuspend() {
    if (AudioDevice* audio = Audio()) {
        audio->PauseAll();
    }
    return 0;
}

int App::OnResume() {
    if (AudioDevice* audio = Audio()) {
        audio->ResumeAll();
    }
    return 0;
}

App* CurrentApp() { return currentApp; }

int DeviceWidth() { return State().reportedWidth; }
int DeviceHeight() { return State().reportedHeight; }

void SetUpdateRate(int hz) { State().scheduler.SetRate(hz, Now()); }
int GetUpdateRate() { return State().scheduler.Rate(); }

// ---- 2. The schedule --------------------------------------------------------------------

void UpdateScheduler::SetRate(int hz, double nowSeconds) {
    if (hz <= 0) {
        return;
    }
    rate_ = hz;
    period_ = 1.0 / hz;
    nextDue_ = nowSeconds + period_;
}

double UpdateScheduler::SleepTime(double nowSeconds) const {
    return nextDue_ > nowSeconds ? nextDue_ - nowSeconds : 0.0;
}

int UpdateScheduler::RunDue(double nowSeconds, const std::function<void()>& update) {
    int count = 0;
    while (count < MaxUpdatesPerPass && nowSeconds >= nextDue_) {
        // Advanced before the update, so that a rate change inside it (which schedules the
        // next update one period from now) is not pushed back a second period.
        nextDue_ += period_;
        ++count;
        update();
    }
    // Time missed beyond four updates is dropped rather than caught up.
    if (nowSeconds >= nextDue_) {
        Resynchronise(nowSeconds);
    }
    return count;
}

void UpdateScheduler::Resynchronise(double nowSeconds) { nextDue_ = nowSeconds + period_; }

// ---- 3. The loop's steps ----------------------------------------------------------------

void SetDeviceSize(int width, int height) {
    LoopState& s = State();
    s.width = width > 0 ? width : 0;
    s.height = height > 0 ? height : 0;
    const bool empty = s.width == 0 || s.height == 0;
    // The size at start-up is the device size without a resize event.
    if (!empty && s.reportedWidth == 0 && s.reportedHeight == 0) {
        s.reportedWidth = s.width;
        s.reportedHeight = s.height;
    }
    s.minimised = empty;
    UpdateSuspension();
}

bool CheckResize() {
    LoopState& s = State();
    // A minimised window keeps its last size: a 0 size would divide the letterbox by zero.
    if (s.width == 0 || s.height == 0 ||
        (s.width == s.reportedWidth && s.height == s.reportedHeight)) {
        return false;
    }
    s.reportedWidth = s.width;
    s.reportedHeight = s.height;
    if (currentApp != nullptr) {
        currentApp->OnResize();
    }
    return true;
}

void RunUpdate() {
    if (currentApp == nullptr) {
        return;
    }
    CheckResize();
    currentApp->OnUpdate();
    Input().EndUpdate();
}

int RunDueUpdates() {
    LoopState& s = State();
    if (s.suspended || currentApp == nullptr) {
        return 0;
    }
    return s.scheduler.RunDue(Now(), [] { RunUpdate(); });
}

double TimeToNextUpdate() { return State().scheduler.SleepTime(Now()); }

bool RunPass(const std::function<void()>& beforeRender) {
    LoopState& s = State();
    s.updatesSinceRender += RunDueUpdates();
    if (s.updatesSinceRender == 0 && !s.suspended) {
        return false;
    }
    if (beforeRender) {
        beforeRender();
    }
    if (!RenderFrame()) {
        return false;
    }
    s.updatesSinceRender = 0;
    return true;
}

double TimeToNextPass() { return Suspended() ? 1.0 / GetUpdateRate() : TimeToNextUpdate(); }

bool RenderFrame() {
    LoopState& s = State();
    if (currentApp == nullptr || s.minimised) {
        return false;
    }
    CheckResize();
    GraphicsDevice* graphics = Graphics();
    if (graphics != nullptr) {
        graphics->BeginFrame(s.reportedWidth, s.reportedHeight);
    }
    currentApp->OnRender();
    if (graphics != nullptr) {
        graphics->EndFrame();
    }
    return true;
}

void SetFocus(bool focused) {
    State().focused = focused;
    UpdateSuspension();
}

bool Suspended() { return State().suspended; }

void ResetAppState() { State() = LoopState{}; }

// ---- 4. The window ----------------------------------------------------------------------

namespace {

// Callbacks only record: the App hears of focus and size after the events are polled, so
// that nothing the game does (an Error included) runs inside GLFW.
struct WindowEvents {
    bool focused = true;
    bool iconified = false;
};
WindowEvents windowEvents;

void OnGlfwError(int code, const char* description) {
    std::fprintf(stderr, "GLFW %d: %s\n", code, description != nullptr ? description : "");
}

void OnKey(GLFWwindow*, int key, int scancode, int action, int) {
    const int code = KeyCodeFromGlfw(key, scancode);
    if (action == GLFW_PRESS) {
        Input().KeyPress(code);
    } else if (action == GLFW_REPEAT) {
        Input().KeyPress(code, true);
    } else if (action == GLFW_RELEASE) {
        Input().Release(code);
    }
}

void OnChar(GLFWwindow*, unsigned int codePoint) { Input().Type(static_cast<int>(codePoint)); }

void OnMouseButton(GLFWwindow*, int button, int action, int) {
    int code = 0;
    if (button == GLFW_MOUSE_BUTTON_LEFT) {
        code = 1;
    } else if (button == GLFW_MOUSE_BUTTON_RIGHT) {
        code = 2;
    } else if (button == GLFW_MOUSE_BUTTON_MIDDLE) {
        code = 3;
    }
    if (action == GLFW_PRESS) {
        Input().Press(code);
    } else if (action == GLFW_RELEASE) {
        Input().Release(code);
    }
}

// Cursor positions come in window units; the game works in framebuffer pixels, like the
// device size and the scissor (they differ on high-density screens).
void OnCursor(GLFWwindow* window, double x, double y) {
    int winW = 0, winH = 0, fbW = 0, fbH = 0;
    glfwGetWindowSize(window, &winW, &winH);
    glfwGetFramebufferSize(window, &fbW, &fbH);
    const double sx = winW > 0 ? static_cast<double>(fbW) / winW : 1.0;
    const double sy = winH > 0 ? static_cast<double>(fbH) / winH : 1.0;
    Input().MoveMouse(static_cast<float>(x * sx), static_cast<float>(y * sy));
}

void OnScroll(GLFWwindow*, double, double y) { Input().Wheel(static_cast<float>(y)); }

void OnFocus(GLFWwindow*, int focused) { windowEvents.focused = focused == GLFW_TRUE; }

void OnIconify(GLFWwindow*, int iconified) { windowEvents.iconified = iconified == GLFW_TRUE; }

void ApplyWindowEvents(GLFWwindow* window) {
    int w = 0, h = 0;
    glfwGetFramebufferSize(window, &w, &h);
    if (windowEvents.iconified) {
        w = h = 0;
    }
    SetDeviceSize(w, h);
    SetFocus(windowEvents.focused);
}

void SleepFor(double seconds) {
    if (seconds > 0) {
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    }
}

bool HiddenByEnvironment() {
    const char* hidden = std::getenv("MQ_HIDDEN_WINDOW");
    return hidden != nullptr && std::strcmp(hidden, "1") == 0;
}

} // namespace

// ---- 5. RunApp ----------------------------------------------------------------------------

int RunApp(App& app, const WindowSettings& settings) {
#ifdef __GLIBC__
    // Pictures and the driver's textures come and go in large blocks as the boards change. By
    // default the C library raises its threshold for mapping such blocks on their own each time
    // one is freed, then keeps the freed blocks in its heap, which only grows: fixed, the memory
    // of a texture let go goes back to the system. Fixing it also fixes the trim threshold at
    // its 128 KiB start, below the 2 to 4 MiB that a frame on a board takes and gives back at the
    // heap's top: that top would go back to the system and be faulted in again every frame. A
    // few MiB kept on top cost little and stop that.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    mallopt(M_TRIM_THRESHOLD, 8 * 1024 * 1024);
#endif
    glfwSetErrorCallback(OnGlfwError);
    if (glfwInit() != GLFW_TRUE) {
        std::fprintf(stderr, "Impossible d'initialiser GLFW (pas d'affichage ?)\n");
        return 1;
    }
    glfwDefaultWindowHints();
    glfwWindowHint(GLFW_RESIZABLE, GLFW_TRUE);
    glfwWindowHint(GLFW_DECORATED, GLFW_TRUE);
    const bool visible = settings.visible && !HiddenByEnvironment();
    glfwWindowHint(GLFW_VISIBLE, visible ? GLFW_TRUE : GLFW_FALSE);
    // The drawing is fixed-function: a compatibility context, never a core profile.
    glfwWindowHint(GLFW_CLIENT_API, GLFW_OPENGL_API);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_ANY_PROFILE);
    GLFWwindow* window =
        glfwCreateWindow(settings.width, settings.height, settings.title, nullptr, nullptr);
    if (window == nullptr) {
        std::fprintf(stderr, "Impossible d'ouvrir la fenêtre du jeu\n");
        return 1;
    }
    glfwMakeContextCurrent(window);
    glfwSwapInterval(1);
    SetGlfwTimerActive(true);

    glfwSetKeyCallback(window, OnKey);
    glfwSetCharCallback(window, OnChar);
    glfwSetMouseButtonCallback(window, OnMouseButton);
    glfwSetCursorPosCallback(window, OnCursor);
    glfwSetScrollCallback(window, OnScroll);
    glfwSetWindowFocusCallback(window, OnFocus);
    glfwSetWindowIconifyCallback(window, OnIconify);

    // A hidden window (tests) never gets the focus; it counts as focused all the same. The
    // window's first size is the device size, without a resize event.
    windowEvents = WindowEvents{};
    LoopState& state = State();
    state.width = state.height = state.reportedWidth = state.reportedHeight = 0;
    state.focused = true;
    state.minimised = state.suspended = false;
    ApplyWindowEvents(window);

    std::unique_ptr<GraphicsDevice> graphics = CreateOpenGlGraphics();
    SetGraphicsDevice(graphics.get());
    std::unique_ptr<AudioDevice> audio = OpenOpenAlDevice();
    SetAudioDevice(audio.get());

    int exitCode = 0;
    try {
        app.OnCreate();
        State().scheduler.Resynchronise(Now());
        // The back buffer is undefined after a swap and the game does not always clear it.
        const auto clearBackBuffer = [] {
            glDisable(GL_SCISSOR_TEST);
            glClearColor(0, 0, 0, 1);
            glClear(GL_COLOR_BUFFER_BIT);
        };
        while (!glfwWindowShouldClose(window)) {
            // Vsync does not block everywhere, so the loop paces itself. While suspended it
            // idles a period at a time.
            SleepFor(TimeToNextPass());
            glfwPollEvents();
            if (glfwWindowShouldClose(window)) {
                break;
            }
            ApplyWindowEvents(window);
            if (RunPass(clearBackBuffer)) {
                glfwSwapBuffers(window);
            }
        }
    } catch (const QuitSignal& quit) {
        exitCode = quit.exitCode;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Erreur : %s\n", e.what());
        exitCode = 1;
    }

    SetAudioDevice(nullptr);
    audio.reset();
    SetGraphicsDevice(nullptr);
    graphics.reset();
    glfwDestroyWindow(window);
    glfwPollEvents();
    // GLFW stays initialised until the process ends: terminating it unloads the GL driver,
    // whose remaining allocations the leak checker would then report as ours. A later RunApp
    // finds it initialised and simply opens a new window.
    return exitCode;
}

} // namespace platform
