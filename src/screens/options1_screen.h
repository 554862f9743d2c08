#pragma once
// Options screen 1: the constructions and sub-options. Provisional form: it clears the window to a
// colour of its own.
#include <memory>

#include "framework/engine.h"

class iEngineOptions1 : public iEngine {
  public:
    iEngineOptions1();
};

// Created once by the application and switched to again and again.
extern std::shared_ptr<iEngineOptions1> ecranoptions1;
