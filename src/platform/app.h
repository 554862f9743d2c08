#pragma once
// The application object and the main loop: one window, fixed-rate updates, one render per
// pass. A second App is refused.
#include <functional>

namespace platform {

class App {
  public:
    App();
    virtual ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    virtual int OnCreate() { return 0; }
    virtual int OnUpdate() { return 0; }
    virtual int OnRender() { return 0; }
    virtual int OnResize() { return 0; }
    virtual int OnSuspend();
    virtual int OnResume();
};

App* CurrentApp();

// Device (framebuffer) size in pixels.
int DeviceWidth();
int DeviceHeight();
void SetUpdateRate(int hz);
int GetUpdateRate();

// The scheduling of the loop, apart from the window so that tests can drive it with a manual
// clock: given the time now, how many updates run in this pass (at most 4; missed time past
// that is dropped).
class UpdateScheduler {
  public:
    void SetRate(int hz, double nowSeconds);
    int Rate() const { return rate_; }
    // Seconds to sleep before the next update is due (0 when due).
    double SleepTime(double nowSeconds) const;
    // Runs `update` for each due step; returns how many ran.
    int RunDue(double nowSeconds, const std::function<void()>& update);
    void Resynchronise(double nowSeconds);

    static constexpr int MaxUpdatesPerPass = 4;

  private:
    int rate_ = 60;
    double period_ = 1.0 / 60.0;
    double nextDue_ = 0;
};

struct WindowSettings {
    const char* title = "MirelvanQuibs";
    int width = 1134;
    int height = 680;
    bool visible = true;
};

// Opens the window, the GL and audio devices, calls OnCreate and runs the loop until the
// window closes or Error is called. Returns the exit code (0 on a quiet quit).
int RunApp(App& app, const WindowSettings& settings = {});

} // namespace platform
