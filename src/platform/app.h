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

// The loop's steps, shared by RunApp and by harnesses that drive an App without a window. They
// act on the current App (none: nothing happens) and read the time from Milliseconds().

// The framebuffer size now. The first non-zero size is recorded as the device size at once,
// without OnResize; a later change reaches the App at the next resize check. A 0 x 0 size (a
// minimised window) is never reported and suspends the game like a loss of focus.
void SetDeviceSize(int width, int height);
// Delivers OnResize when the size differs from the one last reported; true when it did.
bool CheckResize();
// One fixed update: resize check, OnUpdate, end-of-update input clearing.
void RunUpdate();
// The updates due by the clock (at most 4, then the schedule is resynchronised); none while
// suspended. Returns how many ran.
int RunDueUpdates();
// Seconds until the next update is due.
double TimeToNextUpdate();
// One pass of the loop once the window's events are in: the updates due, then one render if at
// least one update ran since the last render (while suspended, one each pass, a period apart).
// A render with no update before it would only draw the same scene again. `beforeRender` runs
// just before the render (the window clears its back buffer there). True when it rendered.
bool RunPass(const std::function<void()>& beforeRender = {});
// Seconds the loop sleeps before its next pass: until the next update is due, or one period
// while suspended.
double TimeToNextPass();
// One render: resize check, frame reset of the current graphics device, OnRender, end of the
// frame. False (nothing rendered) while the window is minimised.
bool RenderFrame();
// Losing the focus suspends (OnSuspend: sound paused, no updates); regaining it resumes
// (OnResume) and resynchronises the schedule so that no burst of updates follows.
void SetFocus(bool focused);
bool Suspended();
// Start values of the loop: rate 60, no device size, focused.
void ResetAppState();

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
