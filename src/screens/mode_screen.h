#pragma once
// The game-mode screen: three big buttons, one per game, and the profile and back buttons. A
// game button acts when its press bounce ends; a game that the chosen words cannot fill says why
// in a message and starts nothing.
#include <memory>

#include "screens/menu_screen.h"

class MessageBox;

class iEngineChoixDuMode : public iEngineMenuDecore {
  public:
    std::shared_ptr<iGuiButton2> associerButton;
    std::shared_ptr<iGuiButton2> remettreButton;
    std::shared_ptr<iGuiButton2> fabriquerButton;
    // Why a game cannot start.
    std::shared_ptr<MessageBox> messageBox;

    int OnCreate() override;
    int OnUpdate() override;

  private:
    // The game of button n (0, 1, 2), once the words are known to allow it.
    void LanceJeu(int n);
};

// Made anew by the hub's mode button each time.
extern std::shared_ptr<iEngineChoixDuMode> ecranchoixdujeu;
