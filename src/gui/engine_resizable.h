#pragma once
// iEngineResizable: the base of every screen. Each screen keeps a background playfield covering
// the window and a main playfield holding the 1280 by 768 canvas, scaled uniformly and centred
// in the window (a letterbox). It also holds the logo and the two round buttons at the bottom
// right that most screens show.
#include <memory>

#include "framework/engine.h"
#include "framework/letterbox.h"

class iGuiImage;
class iGuiButton2;
class iPlayfield;

class iEngineResizable : public iEngine {
  public:
    static constexpr int CanvasWidth = ::CanvasWidth;
    static constexpr int CanvasHeight = ::CanvasHeight;

    // Created by the screen; AddLogo places it.
    std::shared_ptr<iGuiImage> logo;
    std::shared_ptr<iGuiButton2> profileButton;
    std::shared_ptr<iGuiButton2> backButton;

    // The letterbox of the framework, under the name the screens use.
    static void FitToWindow(iPlayfield* background, iPlayfield* main) {
        ::FitToWindow(background, main);
    }
    // FitToWindow again when the window no longer has the size the main playfield was fitted
    // to: a screen the child comes back to without the entry flag (the main game's way back)
    // missed the resize made while another screen was current. True when it fitted.
    static bool RefitIfWindowChanged(iPlayfield* background, iPlayfield* main);
    // FitToWindow for the long-lived menu screens (title, options 1 and 2, hub, profiles), which
    // the screen hand-over lists.
    static void FitMenuScreens();

    int AddLogo(const std::shared_ptr<iPlayfield>& target);
    int CreateCommonButtons(const std::shared_ptr<iPlayfield>& target);

    // The screen's background and main playfields, for FitMenuScreens; none by default.
    virtual iPlayfield* BackgroundPlayfield() { return nullptr; }
    virtual iPlayfield* MainPlayfield() { return nullptr; }
};
