#pragma once
// Milliseconds since start and the local date, from a replaceable clock source.
#include <array>

namespace platform {

class ClockSource {
  public:
    virtual ~ClockSource() = default;
    virtual int Milliseconds() = 0;
    // The same time at the clock's full resolution, for the loop's pacing: a millisecond count
    // would wake the loop before an update is due.
    virtual double Seconds() { return Milliseconds() / 1000.0; }
    // year, month 1..12, day, hour, minute, second, milliseconds
    virtual std::array<int, 7> Date() = 0;
};

// Tests own the time: it moves only when they say so.
class ManualClock : public ClockSource {
  public:
    int now = 1000;
    std::array<int, 7> date{2025, 3, 5, 9, 7, 3, 0};
    int Milliseconds() override { return now; }
    std::array<int, 7> Date() override { return date; }
    void Advance(int ms) { now += ms; }
};

int Milliseconds();
double Seconds();
std::array<int, 7> GetDate();
// nullptr restores the real clock. The clock is not owned.
void SetClockSource(ClockSource* source);

// The window code says when GLFW is initialised; the real clock then reads GLFW's timer.
void SetGlfwTimerActive(bool active);

} // namespace platform
