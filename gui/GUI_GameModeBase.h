#pragma once
// A top-level game mode: the menus, the in-game desktop and the developer backdrop tool.
// Exactly one is current; it draws and receives input every frame.

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
};
