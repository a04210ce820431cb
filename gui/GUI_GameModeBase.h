#pragma once
// A top-level game mode: the menus, the in-game desktop and the developer backdrop tool.
// Exactly one is current; it draws and receives input every frame.
#include <string>

// Mode numbers of SwitchGameMode.
enum GameModeNumber : int {
    MODE_MENU_MAIN = 0,
    MODE_MENU_OPTIONS = 1,
    MODE_MENU_NEW = 2,
    MODE_MENU_SAVE = 3,
    MODE_MENU_LOAD = 4,
    MODE_CURRENT = 5,  // the current mode stays and is entered again
    MODE_MENU_CREDITS = 7,
    MODE_DESKTOP = 8,
    MODE_BACKDROP_TOOL = 9,  // developer mode; never switched to by number
    MODE_COUNT = 10,
};

class GUI_GameModeBase {
public:
    virtual ~GUI_GameModeBase() = default;
    virtual void Draw() {}
    // key: keyboard scan code in DirectInput numbering (1 Escape, 28 Return, 56/184 Alt).
    virtual void OnKeyDown(int /*key*/) {}
    virtual void Update() {}
    virtual void OnLeftButtonDown() {}
    virtual void OnEnter() {}
    virtual void OnWheelUp() {}
    virtual void OnWheelDown() {}
    // Only the in-game desktop takes right clicks.
    virtual void OnRightButtonDown() {}
    virtual bool IsDesktop() const { return false; }
    // Typed characters, already in the fonts' single-byte text (keys stay scan codes).
    virtual void OnTextInput(const std::string& /*text*/) {}
};
