#pragma once
// Frame time measured against the millisecond clock, in nominal frames and scaled seconds.

class iDeltaTimer {
  public:
    float fps = 60.0f;
    // Clock reading at the end of the last update.
    int lastMillis = 0;
    float frameMillis = 0;
    float totalMillis = 0;
    float timeScale = 1.0f;
    // Length of the last update in nominal frames, scaled.
    float delta = 0;
    // Sum of delta / fps.
    float accumulated = 0;

    void Update();
    // The next frameMillis starts from now.
    void SetFps(float framesPerSecond);
};
