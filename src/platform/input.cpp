// Input device: event-driven state (section 1), the free readers (2), GLFW key mapping (3).
#include "platform/input.h"

#include <GLFW/glfw3.h>

#include <cstring>
#include <utility>

namespace platform {

namespace {

bool ValidCode(int code) { return code > 0 && code < InputCodes; }

std::size_t Index(int code) { return static_cast<std::size_t>(code); }

// The left button and touch 0 are one pointer: pressing one presses the other.
int Partner(int code) {
    if (code == 1) {
        return TouchBase;
    }
    if (code == TouchBase) {
        return 1;
    }
    return 0;
}

} // namespace

// ---- 1. The device --------------------------------------------------------------------

void InputDevice::Press(int code) {
    if (!ValidCode(code)) {
        return;
    }
    for (int c : {code, Partner(code)}) {
        if (c == 0) {
            continue;
        }
        down[Index(c)] = true;
        ++hits[Index(c)];
        hitQueue.push_back(c);
    }
}

void InputDevice::Release(int code) {
    if (!ValidCode(code)) {
        return;
    }
    down[Index(code)] = false;
    if (int partner = Partner(code)) {
        down[Index(partner)] = false;
    }
}

void InputDevice::KeyPress(int code, bool repeat) {
    if (!ValidCode(code)) {
        return;
    }
    // A repeat is not a new press: a held Escape must not act again and again.
    if (!repeat) {
        Press(code);
    }
    if (int ch = KeyChar(code)) {
        Type(ch);
    }
}

void InputDevice::MoveMouse(float x, float y) {
    mouseX = x;
    mouseY = y;
}

void InputDevice::Type(int codePoint) {
    if (codePoint > 0) {
        chars.push_back(codePoint);
    }
}

void InputDevice::Wheel(float delta) { wheel += delta; }

void InputDevice::EndUpdate() {
    hits.fill(0);
    hitQueue.clear();
    chars.clear();
}

void InputDevice::Reset() {
    // Only what the events set is forgotten: a key still held now reads as up until it is
    // pressed again, so the press that caused the reset acts no further.
    down.fill(false);
    EndUpdate();
}

// ---- 2. Readers -----------------------------------------------------------------------

InputDevice& Input() {
    static InputDevice device;
    return device;
}

bool KeyDown(int code) { return ValidCode(code) && Input().down[Index(code)]; }

int KeyHits(int code) { return ValidCode(code) ? Input().hits[Index(code)] : 0; }

bool TouchDown(int index) { return index >= 0 && index < TouchCount && KeyDown(TouchBase + index); }

int TouchHits(int index) {
    return index >= 0 && index < TouchCount ? KeyHits(TouchBase + index) : 0;
}

// Touch 0 is the mouse; the other touches never exist on a desktop.
float TouchX(int index) { return index == 0 ? Input().mouseX : 0.0f; }
float TouchY(int index) { return index == 0 ? Input().mouseY : 0.0f; }

float MouseX() { return Input().mouseX; }
float MouseY() { return Input().mouseY; }
float MouseZ() { return Input().wheel; }
void ResetMouseZ() { Input().wheel = 0; }

int GetChar() {
    auto& chars = Input().chars;
    if (chars.empty()) {
        return 0;
    }
    const int ch = chars.front();
    chars.pop_front();
    return ch;
}

int GetKeyHit() {
    auto& queue = Input().hitQueue;
    if (queue.empty()) {
        return 0;
    }
    const int code = queue.front();
    queue.pop_front();
    return code;
}

void ResetInput() { Input().Reset(); }

int KeyChar(int code) {
    switch (code) {
    case 8:
    case 9:
    case 13:
    case 27:
        return code;
    case 46:
        return 127;
    case 33:
    case 34:
    case 35:
    case 36:
    case 37:
    case 38:
    case 39:
    case 40:
    case 45:
        return SpecialCharBase + code;
    default:
        return 0;
    }
}

// ---- 3. GLFW keys -----------------------------------------------------------------------

namespace {

// GLFW's positional key tokens (US layout) and the virtual-key number of each.
constexpr std::pair<int, int> KeyTable[] = {
    {GLFW_KEY_BACKSPACE, 8},
    {GLFW_KEY_TAB, 9},
    {GLFW_KEY_ENTER, 13},
    {GLFW_KEY_KP_ENTER, 13},
    {GLFW_KEY_LEFT_SHIFT, 16},
    {GLFW_KEY_RIGHT_SHIFT, 16},
    {GLFW_KEY_LEFT_CONTROL, 17},
    {GLFW_KEY_RIGHT_CONTROL, 17},
    {GLFW_KEY_LEFT_ALT, 18},
    {GLFW_KEY_RIGHT_ALT, 18},
    {GLFW_KEY_PAUSE, 19},
    {GLFW_KEY_CAPS_LOCK, 20},
    {GLFW_KEY_ESCAPE, 27},
    {GLFW_KEY_SPACE, 32},
    {GLFW_KEY_PAGE_UP, 33},
    {GLFW_KEY_PAGE_DOWN, 34},
    {GLFW_KEY_END, 35},
    {GLFW_KEY_HOME, 36},
    {GLFW_KEY_LEFT, 37},
    {GLFW_KEY_UP, 38},
    {GLFW_KEY_RIGHT, 39},
    {GLFW_KEY_DOWN, 40},
    {GLFW_KEY_PRINT_SCREEN, 44},
    {GLFW_KEY_INSERT, 45},
    {GLFW_KEY_DELETE, 46},
    {GLFW_KEY_LEFT_SUPER, 91},
    {GLFW_KEY_RIGHT_SUPER, 92},
    {GLFW_KEY_MENU, 93},
    {GLFW_KEY_KP_MULTIPLY, 106},
    {GLFW_KEY_KP_ADD, 107},
    {GLFW_KEY_KP_SUBTRACT, 109},
    {GLFW_KEY_KP_DECIMAL, 110},
    {GLFW_KEY_KP_DIVIDE, 111},
    {GLFW_KEY_NUM_LOCK, 144},
    {GLFW_KEY_SCROLL_LOCK, 145},
    {GLFW_KEY_SEMICOLON, 186},
    {GLFW_KEY_EQUAL, 187},
    {GLFW_KEY_COMMA, 188},
    {GLFW_KEY_MINUS, 189},
    {GLFW_KEY_PERIOD, 190},
    {GLFW_KEY_SLASH, 191},
    {GLFW_KEY_GRAVE_ACCENT, 192},
    {GLFW_KEY_LEFT_BRACKET, 219},
    {GLFW_KEY_BACKSLASH, 220},
    {GLFW_KEY_RIGHT_BRACKET, 221},
    {GLFW_KEY_APOSTROPHE, 222},
};

int PositionalCode(int key) {
    if (key >= GLFW_KEY_0 && key <= GLFW_KEY_9) {
        return 48 + (key - GLFW_KEY_0);
    }
    if (key >= GLFW_KEY_A && key <= GLFW_KEY_Z) {
        return 65 + (key - GLFW_KEY_A);
    }
    if (key >= GLFW_KEY_KP_0 && key <= GLFW_KEY_KP_9) {
        return 96 + (key - GLFW_KEY_KP_0);
    }
    if (key >= GLFW_KEY_F1 && key <= GLFW_KEY_F12) {
        return 112 + (key - GLFW_KEY_F1);
    }
    for (const auto& [glfwKey, code] : KeyTable) {
        if (glfwKey == key) {
            return code;
        }
    }
    return 0;
}

// Keys whose label depends on the layout: the letters and the punctuation keys (on a French
// keyboard M sits where a US keyboard has ";"). Digits stay positional.
bool LayoutDependent(int key) {
    return (key >= GLFW_KEY_A && key <= GLFW_KEY_Z) || key == GLFW_KEY_SEMICOLON ||
           key == GLFW_KEY_EQUAL || key == GLFW_KEY_COMMA || key == GLFW_KEY_MINUS ||
           key == GLFW_KEY_PERIOD || key == GLFW_KEY_SLASH || key == GLFW_KEY_GRAVE_ACCENT ||
           key == GLFW_KEY_LEFT_BRACKET || key == GLFW_KEY_BACKSLASH ||
           key == GLFW_KEY_RIGHT_BRACKET || key == GLFW_KEY_APOSTROPHE;
}

// The virtual-key number of a key by the character printed on it.
int CodeOfPrintedChar(char c) {
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 'A';
    }
    switch (c) {
    case ';':
        return 186;
    case '=':
        return 187;
    case ',':
        return 188;
    case '-':
        return 189;
    case '.':
        return 190;
    case '/':
        return 191;
    case '`':
        return 192;
    case '[':
        return 219;
    case '\\':
        return 220;
    case ']':
        return 221;
    case '\'':
        return 222;
    default:
        return 0;
    }
}

} // namespace

int KeyCodeFromGlfw(int glfwKey, int scancode) {
    if (LayoutDependent(glfwKey)) {
        // What is printed on the key under the active layout (nothing before GLFW runs): on a
        // French keyboard the key in the US ";" place is M, the one in the US M place is ",".
        const char* name = glfwGetKeyName(glfwKey, scancode);
        if (name != nullptr && std::strlen(name) == 1) {
            if (const int code = CodeOfPrintedChar(name[0])) {
                return code;
            }
        }
    }
    return PositionalCode(glfwKey);
}

} // namespace platform
