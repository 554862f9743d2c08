#pragma once
// The hub ("ecranintro"): the three big buttons that lead to the choice of constructions, the
// choice of persons and objects and the choice of a game, with the logo and the profile and back
// buttons, on the drifting decor. Its create hook loads the pictures, fonts and sounds every
// screen shares and draws the first decor of the run.
#include <memory>

#include "screens/menu_screen.h"

class iEngineChoixConstituantsPersosMode : public iEngineMenuDecore {
  public:
    std::shared_ptr<iGuiButton2> BoutonConstituants;
    std::shared_ptr<iGuiButton2> BoutonPersos;
    std::shared_ptr<iGuiButton2> BoutonModeDeJeu;

    int OnCreate() override;
    int OnUpdate() override;
};

// Created once by the application and switched to again and again.
extern std::shared_ptr<iEngineChoixConstituantsPersosMode> ecranintro;
