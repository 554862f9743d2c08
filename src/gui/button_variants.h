#pragma once
// The game's buttons: iGuiButton2 adds a click test that screens poll once per frame, the click
// sound and an 11-frame press bounce about the button's horizontal centre; iGuiButton2Choix and
// iGuiButton3Choix show a two- or three-state choice as their caption. The owning screen sets
// the state; the buttons never change it themselves.
#include "gui/button.h"

class iGuiScrollBox;

class iGuiButton2 : public iGuiButton {
  public:
    // The rest box the bounce keeps the button centred on.
    float baseX = 0;
    float baseWidth = 0;
    bool bouncing = false;
    bool shrinking = false;
    float bounceScale = 0;

    // A press of touch 0 inside the active button clears all input for this update, plays the
    // click on channel 3 and starts the bounce. Immediate: true in the press frame; deferred:
    // true in the frame the bounce ends. A button that stands on no page of its playfield (made
    // but never placed) is never pressed.
    bool Clicked(bool immediate);
    void Bounce();
    // A press of touch 0 since the last update, inside the button box; nothing else.
    bool PressedInside() const;
    // The same tests for a button inside a scroll box (gui/scroll_box.cpp): the button box is
    // where the box draws it, and the input is not cleared. Deferred only.
    bool ClickedScrolled(const iGuiScrollBox& box);
    bool PressedInsideScrolled(const iGuiScrollBox& box) const;

  protected:
    bool PointerInside() const;
    // On a GUI page of its playfield, or inside a group.
    bool OnItsPage() const;
};

class iGuiButton2Choix : public iGuiButton2 {
  public:
    int state = 0;
    // 0 "syntaxiques", 1 "lexicales"; another value keeps the caption. Re-centres it.
    int SetState(int n);
};

class iGuiButton3Choix : public iGuiButton2 {
  public:
    int state = 0;
    // 0 " non ", 1 "pourquoi pas", 2 "si possible"; another value keeps the caption.
    int SetState(int n);
};
