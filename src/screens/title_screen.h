#pragma once
// The title screen. Provisional form: it clears the window to a colour of its own.
#include <memory>

#include "framework/engine.h"

class iEngineEcranTitre : public iEngine {
  public:
    iEngineEcranTitre();
    int OnUpdate() override;
};

// Created once by the application and switched to again and again.
extern std::shared_ptr<iEngineEcranTitre> ecrantitre;
