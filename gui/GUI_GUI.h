#pragma once
// The in-game desktop: the game mode in which the game is played. It shows the band's state at
// a glance, holds the control panel whose buttons start the day's activity after a short fade,
// and routes keys and clicks to the windows that activities open on it.
#include "GUI_DesktopItem.h"
#include "GUI_GameModeBase.h"

#include <cstdint>
#include <string>

class GUI_ControlPanel;
class GUI_WindowBase;

class GUI_GUI : public GUI_GameModeBase {
public:
    GUI_GUI();
    ~GUI_GUI() override;

    // Once per process: the hooks, the skins, the title music and the instrument banks.
    void SetUp(const std::string& userFolder);
    // A new or loaded game: every window closes and the desktop is built again for it.
    void Reset();

    void Draw() override;
    void OnKeyDown(int key) override;
    void Update() override;
    void OnLeftButtonDown() override;
    void OnRightButtonDown() override;
    void OnTextInput(const std::string& text) override;
    bool IsDesktop() const override { return true; }

    // Starts an activity as the control panel's button does (faded ones after the fade).
    void StartActivity(int activity);
    // The quit question of the desktop: back to the main menu.
    void AskQuit();

    // The window that alone receives keys, or null; the top full-screen activity (an exclusive
    // window) has them too while no question is asked over it. One for the process: a screen
    // registers itself without knowing which desktop object runs (the game's mode, a test's).
    static inline GUI_WindowBase* activeWindow = nullptr;
    GUI_ControlPanel* ControlPanel() const { return controlPanel_; }
    GUI_DesktopItems& Items() { return items_; }
    bool SetUpDone() const { return setUpDone_; }

private:
    void OpenActivity(int activity);
    void BuildWindows();
    void CountClick();

    bool setUpDone_ = false;
    GUI_ControlPanel* controlPanel_ = nullptr;
    GUI_DesktopItems items_;
    std::uint64_t lastTick_ = 0;
};

// The desktop, created on first use.
GUI_GUI& Desktop();
