#include "platform/clock.h"

#include <GLFW/glfw3.h>

#include <chrono>
#include <ctime>

namespace platform {

namespace {

// Milliseconds since the program started. Before GLFW runs (and in tests without a window) the
// steady clock counts; once the window code says GLFW's timer runs, that timer counts, shifted
// so that the count goes on from where the steady clock was.
class RealClock : public ClockSource {
  public:
    int Milliseconds() override { return static_cast<int>(Seconds() * 1000.0); }

    double Seconds() override {
        double seconds = glfwActive_ ? glfwGetTime() + glfwOffset_ : SteadySeconds();
        // Never backwards, whatever the switch between the two timers did.
        if (seconds < last_) {
            seconds = last_;
        }
        last_ = seconds;
        return seconds;
    }

    std::array<int, 7> Date() override {
        using namespace std::chrono;
        const auto now = system_clock::now();
        const std::time_t t = system_clock::to_time_t(now);
        std::tm local{};
        localtime_r(&t, &local);
        const int ms =
            static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
        return {local.tm_year + 1900,
                local.tm_mon + 1,
                local.tm_mday,
                local.tm_hour,
                local.tm_min,
                local.tm_sec,
                ms};
    }

    void SetGlfwActive(bool active) {
        if (active == glfwActive_) {
            return;
        }
        if (active) {
            glfwOffset_ = SteadySeconds() - glfwGetTime();
        }
        glfwActive_ = active;
    }

  private:
    double SteadySeconds() const {
        const auto elapsed = std::chrono::steady_clock::now() - start_;
        return std::chrono::duration<double>(elapsed).count();
    }

    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    bool glfwActive_ = false;
    double glfwOffset_ = 0;
    double last_ = 0;
};

RealClock& Real() {
    static RealClock clock;
    return clock;
}

ClockSource* current = nullptr;

} // namespace

int Milliseconds() { return current ? current->Milliseconds() : Real().Milliseconds(); }

double Seconds() { return current ? current->Seconds() : Real().Seconds(); }

std::array<int, 7> GetDate() { return current ? current->Date() : Real().Date(); }

void SetClockSource(ClockSource* source) { current = source; }

void SetGlfwTimerActive(bool active) { Real().SetGlfwActive(active); }

} // namespace platform
