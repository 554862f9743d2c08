#pragma once
// The profiles screen. Provisional form: it clears the window to a colour of its own.
#include <memory>

#include "framework/engine.h"

class iEngineProfils : public iEngine {
  public:
    iEngineProfils();
};

// Created once by the application and switched to again and again.
extern std::shared_ptr<iEngineProfils> ecranprofils;
