#pragma once
// MonApp: the game's single application object. It turns the platform's create, update, render
// and resize events into the frame chain of the scene framework.
#include "platform/app.h"

class MonApp : public platform::App {
  public:
    int OnResize() override;
    // Builds the default profile path and the six long-lived screens, then switches to the
    // title screen.
    int OnCreate() override;
    int OnUpdate() override;
    int OnRender() override;
};
