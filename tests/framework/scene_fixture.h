#pragma once
// A headless stage for scene tests: recording graphics of a given window size, a manual clock,
// cleared input and the framework globals at their start values.
#include <gtest/gtest.h>

#include "framework/engine.h"
#include "framework/events.h"
#include "framework/frame_chain.h"
#include "gui/gui_object.h"
#include "platform/app.h"
#include "platform/clock.h"
#include "platform/graphics.h"
#include "platform/input.h"

// The current scissor, field by field.
inline void ExpectScissor(float x, float y, float w, float h) {
    const platform::ScissorRect s = platform::GetScissor();
    EXPECT_FLOAT_EQ(s.x, x);
    EXPECT_FLOAT_EQ(s.y, y);
    EXPECT_FLOAT_EQ(s.w, w);
    EXPECT_FLOAT_EQ(s.h, h);
}

class SceneTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetStage(800, 600); }

    void TearDown() override {
        ResetAll();
        platform::SetGraphicsDevice(nullptr);
        platform::SetClockSource(nullptr);
        platform::ResetAppState();
    }

    // Window of the given size; everything else back to its start.
    void ResetStage(int width, int height) {
        ResetAll();
        platform::ResetAppState();
        platform::SetDeviceSize(width, height);
        platform::SetClockSource(&clock);
        platform::SetGraphicsDevice(&graphics);
        graphics.BeginFrame(width, height);
    }

    // One application update: the delta timer and the dispatch, then the input's end of update.
    void Step(int count = 1) {
        for (int i = 0; i < count; ++i) {
            clock.Advance(17);
            UpdateScenes();
            platform::Input().EndUpdate();
        }
    }

    // One frame drawn into a fresh record.
    void Frame() {
        graphics.BeginFrame(platform::DeviceWidth(), platform::DeviceHeight());
        RenderCurrentScene();
        graphics.EndFrame();
    }

    static void ResetAll() {
        ResetFrameworkGlobals();
        ResetGuiGlobals();
        ResetEventList();
        platform::ResetInput();
        platform::Input().MoveMouse(0, 0);
    }

    platform::RecordingGraphics graphics;
    platform::ManualClock clock;
};
