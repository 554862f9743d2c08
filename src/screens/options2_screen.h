#pragma once
// Options screen 2: the words the sentences may use. Provisional form: it clears the window to a
// colour of its own.
#include <memory>

#include "framework/engine.h"

class iEngineOptions2 : public iEngine {
  public:
    iEngineOptions2();
};

// Created once by the application and switched to again and again.
extern std::shared_ptr<iEngineOptions2> ecranoptions2;
