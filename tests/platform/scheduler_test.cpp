// The loop's timing and events, driven by a manual clock without a window.
#include <gtest/gtest.h>

#include <vector>

#include "platform/app.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/diag.h"
#include "platform/input.h"

using namespace platform;

namespace {

class CountingApp : public App {
  public:
    int updates = 0;
    int resizes = 0;
    int renders = 0;
    int suspends = 0;
    int resumes = 0;
    std::vector<int> escapeHits; // KeyHits(27) seen by each update
    std::vector<int> sizesAtResize;
    int OnUpdate() override {
        ++updates;
        escapeHits.push_back(KeyHits(27));
        return 0;
    }
    int OnRender() override {
        ++renders;
        return 0;
    }
    int OnResize() override {
        ++resizes;
        sizesAtResize.push_back(DeviceWidth());
        return 0;
    }
    int OnSuspend() override {
        ++suspends;
        return App::OnSuspend();
    }
    int OnResume() override {
        ++resumes;
        return App::OnResume();
    }
};

class Loop : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetAppState();
        ResetInput();
        clock.now = 1000;
        SetClockSource(&clock);
        SetDeviceSize(1134, 680);
        SetUpdateRate(60);
    }
    void TearDown() override {
        SetClockSource(nullptr);
        SetAudioDevice(nullptr);
        ResetAppState();
        ResetInput();
    }
    ManualClock clock;
    CountingApp app;
};

} // namespace

TEST(Scheduler, RunsDueStepsAtMostFourAndDropsMissedTime) {
    UpdateScheduler s;
    s.SetRate(60, 0.0);
    int n = 0;
    auto step = [&] { ++n; };
    // Nothing is due before one period has passed.
    EXPECT_EQ(s.RunDue(0.010, step), 0);
    EXPECT_NEAR(s.SleepTime(0.010), 1.0 / 60 - 0.010, 1e-9);
    EXPECT_EQ(s.RunDue(1.0 / 60, step), 1);
    // Two periods later, two updates.
    EXPECT_EQ(s.RunDue(3.0 / 60 + 1e-6, step), 2);
    // A 200 ms stall: four updates, then the schedule restarts from now.
    EXPECT_EQ(s.RunDue(0.25, step), 4);
    EXPECT_NEAR(s.SleepTime(0.25), 1.0 / 60, 1e-9);
    EXPECT_EQ(s.RunDue(0.26, step), 0);
    EXPECT_EQ(n, 7);
}

TEST(Scheduler, RateChangeInsideAnUpdateSchedulesOnePeriodFromThen) {
    UpdateScheduler s;
    s.SetRate(60, 0.0);
    int n = 0;
    EXPECT_EQ(s.RunDue(1.0 / 60,
                       [&] {
                           ++n;
                           s.SetRate(30, 1.0 / 60);
                       }),
              1);
    EXPECT_NEAR(s.SleepTime(1.0 / 60), 1.0 / 30, 1e-9);
    EXPECT_EQ(s.Rate(), 30);
    // A rate of 0 is refused rather than dividing by zero.
    s.SetRate(0, 0.0);
    EXPECT_EQ(s.Rate(), 30);
}

// Each update ends by clearing the hits and the typed characters.
TEST_F(Loop, CatchUpUpdatesSeeAHitOnlyOnce) {
    Input().KeyPress(27);
    Input().Type(u'é');
    clock.Advance(51); // three periods due
    EXPECT_EQ(RunDueUpdates(), 3);
    EXPECT_EQ(app.escapeHits, (std::vector<int>{1, 0, 0}));
    EXPECT_EQ(GetChar(), 0);
    // The key stays down; it is a hit no more.
    EXPECT_TRUE(KeyDown(27));
}

namespace {
struct PausingAudio : RecordingAudio {
    int pauses = 0;
    int resumes = 0;
    void PauseAll() override { ++pauses; }
    void ResumeAll() override { ++resumes; }
};
} // namespace

TEST_F(Loop, SuspendStopsUpdatesAndResumeDoesNotBurst) {
    PausingAudio audio;
    SetAudioDevice(&audio);
    SetFocus(false);
    EXPECT_TRUE(Suspended());
    EXPECT_EQ(app.suspends, 1);
    clock.Advance(2000);
    EXPECT_EQ(RunDueUpdates(), 0);
    // Losing the focus again changes nothing.
    SetFocus(false);
    EXPECT_EQ(app.suspends, 1);
    SetFocus(true);
    EXPECT_FALSE(Suspended());
    EXPECT_EQ(app.resumes, 1);
    // Two seconds passed while suspended: none of it is caught up.
    EXPECT_EQ(RunDueUpdates(), 0);
    clock.Advance(17);
    EXPECT_EQ(RunDueUpdates(), 1);
    EXPECT_EQ(app.updates, 1);
    // The looping guitar does not play on while the game is away.
    EXPECT_EQ(audio.pauses, 1);
    EXPECT_EQ(audio.resumes, 1);
}

TEST_F(Loop, ResizeIsDeliveredBeforeTheNextUpdateOrRender) {
    // The start-up size was recorded without an event.
    EXPECT_EQ(app.resizes, 0);
    EXPECT_EQ(DeviceWidth(), 1134);
    EXPECT_EQ(DeviceHeight(), 680);
    SetDeviceSize(800, 600);
    EXPECT_EQ(DeviceWidth(), 1134); // not yet told
    RunUpdate();
    EXPECT_EQ(app.resizes, 1);
    EXPECT_EQ(app.sizesAtResize, (std::vector<int>{800}));
    SetDeviceSize(1280, 768);
    EXPECT_TRUE(RenderFrame());
    EXPECT_EQ(app.resizes, 2);
    EXPECT_EQ(app.renders, 1);
    // The same size again is no resize.
    SetDeviceSize(1280, 768);
    RunUpdate();
    EXPECT_EQ(app.resizes, 2);
}

TEST_F(Loop, MinimisedWindowIsNeitherRenderedNorReportedAndSuspends) {
    SetDeviceSize(0, 0);
    EXPECT_TRUE(Suspended());
    EXPECT_FALSE(RenderFrame());
    EXPECT_FALSE(CheckResize());
    EXPECT_EQ(DeviceWidth(), 1134);
    EXPECT_EQ(app.renders, 0);
    clock.Advance(100);
    EXPECT_EQ(RunDueUpdates(), 0);
    // Restored at the same size: resumed, and nothing to report.
    SetDeviceSize(1134, 680);
    EXPECT_FALSE(Suspended());
    EXPECT_FALSE(CheckResize());
    EXPECT_EQ(app.resizes, 0);
}

TEST_F(Loop, SecondAppIsRefused) {
    try {
        CountingApp second;
        FAIL() << "a second App was accepted";
    } catch (const QuitSignal& quit) {
        EXPECT_EQ(quit.message, u"App has already been created");
        EXPECT_EQ(quit.exitCode, 1);
    }
    // The refusal did not unseat the first one.
    EXPECT_EQ(CurrentApp(), &app);
}

namespace {
// A clock that runs by microseconds, as the real one does between two milliseconds.
struct FineClock : ManualClock {
    double seconds = 1.0;
    int Milliseconds() override { return static_cast<int>(seconds * 1000); }
    double Seconds() override { return seconds; }
};
} // namespace

// A pass that wakes with no update due draws nothing: the same scene again would cost a whole
// frame. Passes woken at odd times (0.4 ms to 7 ms apart) still draw once per update.
TEST_F(Loop, EachRenderFollowsAtLeastOneUpdate) {
    FineClock fine;
    SetClockSource(&fine);
    SetUpdateRate(60);
    int rendered = 0;
    int cleared = 0;
    const double steps[] = {0.0004, 0.007, 0.0031, 0.0166, 0.0009};
    for (int pass = 0; pass < 600; ++pass) {
        fine.seconds += steps[pass % 5];
        const int before = app.updates;
        const bool drew = RunPass([&] { ++cleared; });
        rendered += drew;
        EXPECT_EQ(drew, app.updates > before) << "pass " << pass;
    }
    EXPECT_GT(app.updates, 200);
    EXPECT_EQ(app.renders, rendered);
    EXPECT_EQ(cleared, rendered);
    EXPECT_LE(app.renders, app.updates);

    // Sleeping the time the loop asks for always finds an update due.
    for (int pass = 0; pass < 60; ++pass) {
        fine.seconds += TimeToNextPass() + 1e-7;
        EXPECT_TRUE(RunPass()) << "pass " << pass;
    }
    // A stall: four updates catch up, one frame shows them.
    const int updates = app.updates;
    const int renders = app.renders;
    fine.seconds += 0.5;
    EXPECT_TRUE(RunPass());
    EXPECT_EQ(app.updates - updates, 4);
    EXPECT_EQ(app.renders - renders, 1);
}

// While suspended nothing updates, but the window still gets a frame each pass.
TEST_F(Loop, ASuspendedGameStillRendersEachPass) {
    SetFocus(false);
    clock.Advance(100);
    EXPECT_TRUE(RunPass());
    EXPECT_TRUE(RunPass());
    EXPECT_EQ(app.updates, 0);
    EXPECT_EQ(app.renders, 2);
    EXPECT_NEAR(TimeToNextPass(), 1.0 / 60, 1e-9);
}
