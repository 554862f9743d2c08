#pragma once
// The hub: the three games, the options and the profiles. Provisional form: it clears the window to
// a colour of its own.
#include <memory>

#include "framework/engine.h"

class iEngineChoixConstituantsPersosMode : public iEngine {
  public:
    iEngineChoixConstituantsPersosMode();
};

// Created once by the application and switched to again and again.
extern std::shared_ptr<iEngineChoixConstituantsPersosMode> ecranintro;
