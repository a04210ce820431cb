#pragma once
// Buffered keyboard and mouse input: SDL events are queued as device records and read once
// per frame, turning into a software cursor and calls on the game. Keys use DirectInput
// scan-code numbers (1 Escape, 28 Return, 56/184 Alt, ...) throughout the game; typed text
// comes from the system's text input, so every keyboard layout types what its keys show.
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>

union SDL_Event;

// Scan codes the game names.
enum : int {
    DIK_ESCAPE = 1,
    DIK_BACK = 14,
    DIK_TAB = 15,
    DIK_RETURN = 28,
    DIK_LMENU = 56,
    DIK_F12 = 88,
    DIK_NUMPADENTER = 156,
    DIK_RMENU = 184,
    DIK_HOME = 199,
    DIK_UP = 200,
    DIK_PRIOR = 201,
    DIK_LEFT = 203,
    DIK_RIGHT = 205,
    DIK_END = 207,
    DIK_DOWN = 208,
    DIK_NEXT = 209,
    DIK_DELETE = 211,
};

// The DirectInput scan code of an SDL scancode, 0 when the game has none for it.
int DirectInputScanCode(int sdlScancode);

struct MouseRecord {
    enum Kind { MoveX, MoveY, Wheel, Button } kind = MoveX;
    int value = 0;        // movement or wheel delta; for buttons the button number (0 left, 1 right)
    bool pressed = false;  // buttons only
};

// Sees every device record as it is queued, and every cursor position the system gives: what a
// session's replay needs to feed the game the same input again.
class InputTap {
public:
    virtual ~InputTap() = default;
    virtual void Mouse(const MouseRecord& record) = 0;
    virtual void Key(int scanCode, bool pressed) = 0;
    virtual void Text(const std::string& utf8) = 0;
    virtual void Cursor(float x, float y) = 0;
    virtual void Warp(float x, float y) = 0;
};

class CBaseInputManager {
public:
    virtual ~CBaseInputManager() = default;

    // Device set-up: remembers the mode and the time of the last press.
    void Create(bool windowed, std::uint64_t now);
    // Reads the mouse records, then the key records, then the typed text, then clears the
    // mouse-taken flag.
    virtual void Update();
    virtual void OnWheelForward() {}
    virtual void OnWheelBack() {}
    virtual void OnLeftButtonDown();
    virtual void OnLeftButtonUp();
    virtual void OnRightButtonDown() {}
    virtual void OnRightButtonUp() {}
    virtual void OnKeyPressed(int /*scanCode*/) {}
    // Typed text in the fonts' single-byte code page (FontTextFromUtf8): never empty, and only
    // characters the fonts can draw.
    virtual void OnTextInput(const std::string& /*text*/) {}

    // Turns an SDL event into device records; windowed cursor positions come with it, turned
    // from window into back-buffer pixels by the cursor mapping.
    void QueueEvent(const SDL_Event& event);
    void QueueMouse(const MouseRecord& record) {
        if (tap_) tap_->Mouse(record);
        mouseRecords_.push_back(record);
    }
    void QueueKey(int scanCode, bool pressed);
    // Typed text in UTF-8, as the system gives it (tests and scripts type through it too).
    void QueueText(const std::string& utf8);
    // Text input on while a text field has focus: the system then sends typed text (and may
    // show its input method). Does nothing without SDL's video.
    static void SetTextInput(bool on);
    // Maps a window position to back-buffer pixels; by default the renderer's letterbox.
    using CursorMapping = std::function<void(float wx, float wy, float& bx, float& by)>;
    void SetCursorMapping(CursorMapping mapping) { cursorMapping_ = std::move(mapping); }
    // Windowed mode follows the system cursor, in back-buffer coordinates.
    void SetSystemCursor(float cursorX, float cursorY) {
        if (tap_) tap_->Cursor(cursorX, cursorY);
        systemX_ = cursorX, systemY_ = cursorY, haveSystemCursor_ = true;
    }
    // Puts the pointer at a point at once, whatever the mode: what scripts do, never a device.
    void WarpCursor(float cursorX, float cursorY) {
        if (tap_) tap_->Warp(cursorX, cursorY);
        x = cursorX, y = cursorY;
        systemX_ = cursorX, systemY_ = cursorY, haveSystemCursor_ = true;
    }
    // The tap (may be null) is not owned.
    void SetTap(InputTap* tap) { tap_ = tap; }

    bool IsKeyDown(int scanCode) const { return scanCode >= 0 && scanCode < 256 && keys_[scanCode] != 0; }
    void SetMouseSpeed(float optionValue) { multiplier_ = optionValue * 2.5f + 0.6f; }
    void SetScreenSize(float width, float height) { screenW_ = width, screenH_ = height; }
    void SetSwapButtons(bool swap) { swapButtons_ = swap; }
    void SetClock(std::function<std::uint64_t()> clock) { clock_ = std::move(clock); }

    float x = 100.0f;
    float y = 100.0f;
    bool buttonHeld = false;
    bool doubleClick = false;
    bool mouseTaken = false;
    int restCounter = 0;
    // How long the mouse has rested, by the clock: what the tooltips wait on at any frame rate.
    std::uint64_t restMs = 0;
    int wheelTotal = 0;
    // This frame's movement (after the multiplier) and wheel.
    int deltaX = 0, deltaY = 0, deltaWheel = 0;

    // GUI elements claim the mouse for the rest of the frame; Update releases it.
    void TakeMouse() { mouseTaken = true; }
    bool IsMouseTaken() const { return mouseTaken; }

private:
    void ReadMouse();
    void ReadKeyboard();
    void ReadText();
    void SetWindowCursor(int windowX, int windowY);

    std::deque<MouseRecord> mouseRecords_;
    std::deque<std::pair<int, bool>> keyRecords_;
    std::deque<std::string> textRecords_;  // already in the fonts' code page
    CursorMapping cursorMapping_;
    std::array<std::uint8_t, 256> keys_{};
    std::function<std::uint64_t()> clock_;
    InputTap* tap_ = nullptr;
    float multiplier_ = 1.0f;
    float screenW_ = 1024.0f, screenH_ = 768.0f;
    float anchorX_ = 100.0f, anchorY_ = 100.0f;
    std::uint64_t anchorTime_ = 0;
    float lastPressX_ = 0.0f, lastPressY_ = 0.0f;
    std::uint64_t lastPressTime_ = 0;
    float systemX_ = 0.0f, systemY_ = 0.0f;
    bool haveSystemCursor_ = false;
    bool windowed_ = true;
    bool swapButtons_ = false;
};
