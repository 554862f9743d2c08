#include "framework/delta_timer.h"

#include "platform/clock.h"

void iDeltaTimer::Update() {
    const int now = platform::Milliseconds();
    frameMillis = static_cast<float>(now - lastMillis);
    lastMillis = platform::Milliseconds();
    totalMillis += frameMillis;
    delta = frameMillis / (1000.0f / fps) * timeScale;
    accumulated += delta / fps;
}

void iDeltaTimer::SetFps(float framesPerSecond) {
    fps = framesPerSecond;
    lastMillis = platform::Milliseconds();
}
