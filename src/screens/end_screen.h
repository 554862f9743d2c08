#pragma once
// The end screen after a game. Provisional form: it clears the window to a colour of its own.
#include <memory>

#include "framework/engine.h"

class iEngineFin : public iEngine {
  public:
    iEngineFin();
};

// Created once by the application and switched to again and again.
extern std::shared_ptr<iEngineFin> ecranfin;
