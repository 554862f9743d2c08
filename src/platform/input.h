#pragma once
// The input device: 512 codes (Windows virtual-key numbers, mouse 1..3, touch N = 384 + N),
// down flags and hit counts driven by events, the typed-character queue, pointer and wheel.
#include <array>
#include <deque>

namespace platform {

constexpr int InputCodes = 512;
constexpr int TouchBase = 384;
constexpr int TouchCount = 32;
// Special keys queued as characters: 65536 + their key code (Page Up, arrows, Insert, ...).
constexpr int SpecialCharBase = 65536;

struct InputDevice {
    std::array<bool, InputCodes> down{};
    std::array<int, InputCodes> hits{};
    std::deque<int> hitQueue;
    std::deque<int> chars;
    float mouseX = 0;
    float mouseY = 0;
    float wheel = 0;

    // What the window callbacks call, and what tests call to inject input. The left button
    // (code 1) and touch 0 (code 384) are pressed and released together.
    void Press(int code);
    void Release(int code);
    // A keyboard key: a press sets the key down, adds a hit and queues the key's control
    // character (KeyChar); a repeat only queues that character again.
    void KeyPress(int code, bool repeat = false);
    void MoveMouse(float x, float y);
    void Type(int codePoint);
    void Wheel(float delta);
    // After every update: hit counts, hit queue and typed characters are cleared.
    void EndUpdate();
    // A held key reads as up until it is pressed again; the pointer and the wheel stay.
    void Reset();
};

InputDevice& Input();

bool KeyDown(int code);
int KeyHits(int code);
bool TouchDown(int index);
int TouchHits(int index);
float TouchX(int index);
float TouchY(int index);
float MouseX();
float MouseY();
// Accumulated wheel since it was last cleared; positive = turned away from the user.
float MouseZ();
void ResetMouseZ();
// Next typed character, 0 when none. Next hit code, 0 when none.
int GetChar();
int GetKeyHit();
void ResetInput();

// The character a key queues besides its hit: Backspace 8, Tab 9, Enter 13, Escape 27,
// Delete 127, and SpecialCharBase + code for Page Up/Down, End, Home, the arrows and Insert;
// 0 for the other keys (their characters come from the text input).
int KeyChar(int code);

// GLFW key token (+ scancode for the layout-aware letters) to the game's code; 0 when unknown.
int KeyCodeFromGlfw(int glfwKey, int scancode);

} // namespace platform
