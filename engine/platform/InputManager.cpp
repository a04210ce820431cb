#include "InputManager.h"

#include "LibGeometry.h"
#include "LibString.h"
#include "Platform.h"
#include "Renderer.h"

#include <SDL.h>

#include <algorithm>

int DirectInputScanCode(int sdl) {
    static const std::array<std::uint8_t, SDL_NUM_SCANCODES> table = [] {
        std::array<std::uint8_t, SDL_NUM_SCANCODES> t{};
        const SDL_Scancode letters[26] = {SDL_SCANCODE_A, SDL_SCANCODE_B, SDL_SCANCODE_C, SDL_SCANCODE_D,
                                          SDL_SCANCODE_E, SDL_SCANCODE_F, SDL_SCANCODE_G, SDL_SCANCODE_H,
                                          SDL_SCANCODE_I, SDL_SCANCODE_J, SDL_SCANCODE_K, SDL_SCANCODE_L,
                                          SDL_SCANCODE_M, SDL_SCANCODE_N, SDL_SCANCODE_O, SDL_SCANCODE_P,
                                          SDL_SCANCODE_Q, SDL_SCANCODE_R, SDL_SCANCODE_S, SDL_SCANCODE_T,
                                          SDL_SCANCODE_U, SDL_SCANCODE_V, SDL_SCANCODE_W, SDL_SCANCODE_X,
                                          SDL_SCANCODE_Y, SDL_SCANCODE_Z};
        const std::uint8_t letterCodes[26] = {30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50,
                                              49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 21, 44};
        for (int i = 0; i < 26; ++i) t[letters[i]] = letterCodes[i];
        // SDL numbers 1..9 then 0; DirectInput 2..11 in the same order.
        for (int i = 0; i < 10; ++i) t[SDL_SCANCODE_1 + i] = static_cast<std::uint8_t>(2 + i);
        const std::pair<SDL_Scancode, std::uint8_t> others[] = {
            {SDL_SCANCODE_ESCAPE, 1},       {SDL_SCANCODE_MINUS, 12},       {SDL_SCANCODE_EQUALS, 13},
            {SDL_SCANCODE_BACKSPACE, 14},   {SDL_SCANCODE_TAB, 15},         {SDL_SCANCODE_LEFTBRACKET, 26},
            {SDL_SCANCODE_RIGHTBRACKET, 27}, {SDL_SCANCODE_RETURN, 28},      {SDL_SCANCODE_LCTRL, 29},
            {SDL_SCANCODE_SEMICOLON, 39},   {SDL_SCANCODE_APOSTROPHE, 40},  {SDL_SCANCODE_GRAVE, 41},
            {SDL_SCANCODE_LSHIFT, 42},      {SDL_SCANCODE_BACKSLASH, 43},   {SDL_SCANCODE_COMMA, 51},
            {SDL_SCANCODE_PERIOD, 52},      {SDL_SCANCODE_SLASH, 53},       {SDL_SCANCODE_RSHIFT, 54},
            {SDL_SCANCODE_KP_MULTIPLY, 55}, {SDL_SCANCODE_LALT, 56},        {SDL_SCANCODE_SPACE, 57},
            {SDL_SCANCODE_CAPSLOCK, 58},    {SDL_SCANCODE_F1, 59},          {SDL_SCANCODE_F2, 60},
            {SDL_SCANCODE_F3, 61},          {SDL_SCANCODE_F4, 62},          {SDL_SCANCODE_F5, 63},
            {SDL_SCANCODE_F6, 64},          {SDL_SCANCODE_F7, 65},          {SDL_SCANCODE_F8, 66},
            {SDL_SCANCODE_F9, 67},          {SDL_SCANCODE_F10, 68},         {SDL_SCANCODE_NUMLOCKCLEAR, 69},
            {SDL_SCANCODE_SCROLLLOCK, 70},  {SDL_SCANCODE_KP_7, 71},        {SDL_SCANCODE_KP_8, 72},
            {SDL_SCANCODE_KP_9, 73},        {SDL_SCANCODE_KP_MINUS, 74},    {SDL_SCANCODE_KP_4, 75},
            {SDL_SCANCODE_KP_5, 76},        {SDL_SCANCODE_KP_6, 77},        {SDL_SCANCODE_KP_PLUS, 78},
            {SDL_SCANCODE_KP_1, 79},        {SDL_SCANCODE_KP_2, 80},        {SDL_SCANCODE_KP_3, 81},
            {SDL_SCANCODE_KP_0, 82},        {SDL_SCANCODE_KP_PERIOD, 83},   {SDL_SCANCODE_F11, 87},
            {SDL_SCANCODE_F12, 88},         {SDL_SCANCODE_KP_ENTER, 156},   {SDL_SCANCODE_RCTRL, 157},
            {SDL_SCANCODE_KP_DIVIDE, 181},  {SDL_SCANCODE_PRINTSCREEN, 183}, {SDL_SCANCODE_RALT, 184},
            {SDL_SCANCODE_PAUSE, 197},      {SDL_SCANCODE_HOME, 199},       {SDL_SCANCODE_UP, 200},
            {SDL_SCANCODE_PAGEUP, 201},     {SDL_SCANCODE_LEFT, 203},       {SDL_SCANCODE_RIGHT, 205},
            {SDL_SCANCODE_END, 207},        {SDL_SCANCODE_DOWN, 208},       {SDL_SCANCODE_PAGEDOWN, 209},
            {SDL_SCANCODE_INSERT, 210},     {SDL_SCANCODE_DELETE, 211},     {SDL_SCANCODE_LGUI, 219},
            {SDL_SCANCODE_RGUI, 220},       {SDL_SCANCODE_APPLICATION, 221}};
        for (const auto& [scancode, code] : others) t[scancode] = code;
        return t;
    }();
    return sdl >= 0 && sdl < SDL_NUM_SCANCODES ? table[static_cast<std::size_t>(sdl)] : 0;
}

void CBaseInputManager::Create(bool windowed, std::uint64_t now) {
    windowed_ = windowed;
    lastPressTime_ = now;
    mouseRecords_.clear();
    keyRecords_.clear();
    textRecords_.clear();
    keys_.fill(0);
    buttonHeld = false;
    // SDL hands over buttons already in the user's order, so nothing reports them swapped;
    // SetSwapButtons stays for systems that do.
    // Full screen reads relative movement so the multiplier applies.
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_SetRelativeMouseMode(windowed ? SDL_FALSE : SDL_TRUE);
}

void CBaseInputManager::QueueKey(int scanCode, bool pressed) {
    if (scanCode <= 0 || scanCode >= 256) return;
    if (tap_) tap_->Key(scanCode, pressed);
    keyRecords_.emplace_back(scanCode, pressed);
}

void CBaseInputManager::QueueText(const std::string& utf8) {
    if (tap_) tap_->Text(utf8);
    std::string text = FontTextFromUtf8(utf8);
    if (!text.empty()) textRecords_.push_back(std::move(text));
}

void CBaseInputManager::SetTextInput(bool on) {
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return;
    if (on) SDL_StartTextInput();
    else SDL_StopTextInput();
}

void CBaseInputManager::SetWindowCursor(int windowX, int windowY) {
    // The window may show the back buffer scaled and letterboxed; the game thinks in
    // back-buffer pixels.
    float bx = static_cast<float>(windowX), by = static_cast<float>(windowY);
    if (cursorMapping_) cursorMapping_(static_cast<float>(windowX), static_cast<float>(windowY), bx, by);
    else Renderer().WindowToBackBuffer(static_cast<float>(windowX), static_cast<float>(windowY), bx, by);
    SetSystemCursor(bx, by);
}

void CBaseInputManager::QueueEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_MOUSEMOTION:
            SetWindowCursor(event.motion.x, event.motion.y);
            if (event.motion.xrel) QueueMouse({MouseRecord::MoveX, event.motion.xrel});
            if (event.motion.yrel) QueueMouse({MouseRecord::MoveY, event.motion.yrel});
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (event.button.button == SDL_BUTTON_LEFT || event.button.button == SDL_BUTTON_RIGHT) {
                SetWindowCursor(event.button.x, event.button.y);
                QueueMouse({MouseRecord::Button, event.button.button == SDL_BUTTON_LEFT ? 0 : 1,
                            event.type == SDL_MOUSEBUTTONDOWN});
            }
            break;
        case SDL_MOUSEWHEEL:
            // One notch is 120, forward positive, whatever the system's scroll direction.
            if (event.wheel.y)
                QueueMouse({MouseRecord::Wheel,
                            (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y) * 120});
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            // Auto-repeat is not a new press.
            if (!event.key.repeat) QueueKey(DirectInputScanCode(event.key.keysym.scancode), event.type == SDL_KEYDOWN);
            break;
        case SDL_TEXTINPUT:
            QueueText(event.text.text);
            break;
        default:
            break;
    }
}

void CBaseInputManager::Update() {
    ReadMouse();
    ReadKeyboard();
    ReadText();
    mouseTaken = false;
}

void CBaseInputManager::ReadMouse() {
    int& dx = deltaX;
    int& dy = deltaY;
    dx = dy = deltaWheel = 0;
    bool buttonSeen = false;
    while (!mouseRecords_.empty() && !buttonSeen) {
        const MouseRecord record = mouseRecords_.front();
        mouseRecords_.pop_front();
        switch (record.kind) {
            case MouseRecord::MoveX: dx += static_cast<int>(static_cast<float>(record.value) * multiplier_); break;
            case MouseRecord::MoveY: dy += static_cast<int>(static_cast<float>(record.value) * multiplier_); break;
            case MouseRecord::Wheel:
                if (record.value < 0) OnWheelBack(); else OnWheelForward();
                wheelTotal += record.value;
                deltaWheel += record.value;
                break;
            case MouseRecord::Button: {
                // A press or release acts at the position before this frame's movement; the
                // records after it wait for the next frame, so no release is ever lost.
                const bool left = (record.value == 0) != swapButtons_;
                if (left) record.pressed ? OnLeftButtonDown() : OnLeftButtonUp();
                else record.pressed ? OnRightButtonDown() : OnRightButtonUp();
                buttonSeen = true;
                break;
            }
        }
    }
    if (buttonSeen) return;
    if (windowed_ && haveSystemCursor_) {
        x = systemX_;
        y = systemY_;
    } else {
        x += static_cast<float>(dx);
        y += static_cast<float>(dy);
    }
    const std::uint64_t now = clock_ ? clock_() : MillisecondClock();
    if (std::abs(x - anchorX_) >= 12.0f || std::abs(y - anchorY_) >= 12.0f) {
        restCounter = 0;
        anchorX_ = x;
        anchorY_ = y;
        anchorTime_ = now;
    } else {
        ++restCounter;
    }
    restMs = now >= anchorTime_ ? now - anchorTime_ : 0;
    x = std::clamp(x, 0.0f, screenW_);
    y = std::clamp(y, 0.0f, screenH_);
}

void CBaseInputManager::ReadKeyboard() {
    while (!keyRecords_.empty()) {
        const auto [code, pressed] = keyRecords_.front();
        keyRecords_.pop_front();
        keys_[static_cast<std::size_t>(code)] = pressed ? 0x80 : 0;
        if (pressed) OnKeyPressed(code);
    }
}

void CBaseInputManager::ReadText() {
    while (!textRecords_.empty()) {
        const std::string text = std::move(textRecords_.front());
        textRecords_.pop_front();
        OnTextInput(text);
    }
}

void CBaseInputManager::OnLeftButtonDown() {
    buttonHeld = true;
    const std::uint64_t now = clock_ ? clock_() : MillisecondClock();
    const std::uint64_t since = now - lastPressTime_;
    lastPressTime_ = now;
    doubleClick = since < 500 && Distance(lastPressX_, lastPressY_, x, y) < 32.0f;
    lastPressX_ = x;
    lastPressY_ = y;
}

void CBaseInputManager::OnLeftButtonUp() { buttonHeld = false; }
