#pragma once
// The way between the menus and the games. Both are screens built on iEngineResizable, and
// neither folder includes the other: a game goes back to a menu, and a menu starts a game,
// through this table. The application fills it at start-up; an entry left empty gives no screen
// and starts nothing, as a screen global that does not exist yet.
#include <memory>
#include <vector>

class iEngineResizable;

struct ScreenHandover {
    using Screen = std::shared_ptr<iEngineResizable> (*)();
    using Screens = std::vector<std::shared_ptr<iEngineResizable>> (*)();
    using Game = void (*)();

    static std::shared_ptr<iEngineResizable> NoScreen() { return nullptr; }
    static std::vector<std::shared_ptr<iEngineResizable>> NoScreens() { return {}; }
    static void NoGame() {}

    // The menus the games lead to: the hub, the game-mode screen, the matching game's set-up
    // screen (fitted to the window along with the game) and the end screen.
    Screen ecranintro = NoScreen;
    Screen ecranchoixdujeu = NoScreen;
    Screen ecrannombreitems1 = NoScreen;
    Screen ecranfin = NoScreen;
    // The menu screens made once at start, fitted again whenever the window changes size.
    Screens ecransDurables = NoScreens;
    // The games, started with the board settings as the menus left them.
    Game LanceSceneGlobale = NoGame;
    Game LancePhraseAuChoix = NoGame;
};

extern ScreenHandover TheScreenHandover;
