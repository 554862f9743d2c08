#pragma once
// The six long-lived screens that the application creates at start, in their first form: each
// clears the window to a colour of its own; Escape on the title screen quits.
#include <memory>

#include "framework/engine.h"

class iEngineEcranTitre : public iEngine {
  public:
    iEngineEcranTitre();
    int OnUpdate() override;
};

// The hub.
class iEngineChoixConstituantsPersosMode : public iEngine {
  public:
    iEngineChoixConstituantsPersosMode();
};

class iEngineOptions1 : public iEngine {
  public:
    iEngineOptions1();
};

class iEngineOptions2 : public iEngine {
  public:
    iEngineOptions2();
};

class iEngineProfils : public iEngine {
  public:
    iEngineProfils();
};

class iEngineFin : public iEngine {
  public:
    iEngineFin();
};

// Created once by the application and switched to again and again.
extern std::shared_ptr<iEngineEcranTitre> ecrantitre;
extern std::shared_ptr<iEngineChoixConstituantsPersosMode> ecranintro;
extern std::shared_ptr<iEngineOptions1> ecranoptions1;
extern std::shared_ptr<iEngineOptions2> ecranoptions2;
extern std::shared_ptr<iEngineProfils> ecranprofils;
extern std::shared_ptr<iEngineFin> ecranfin;

void ResetScreenGlobals();
