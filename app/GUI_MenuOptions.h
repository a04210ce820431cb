#pragma once
// The options: mouse speed and the two volumes on sliders, full screen, music and autosave
// as check boxes. They take effect at once and are saved when the player leaves.
#include "GUI_MenuBase.h"

class GUI_CheckButton;

class GUI_MenuOptions : public GUI_MenuBase {
public:
    GUI_MenuOptions();
    // Shows the options as they are now.
    void OnEnter() override;
    // Saves the options and goes back to the main menu.
    void Leave();
    // The next or the previous desktop skin, for this career and the next ones.
    static void StepSkin(int delta);

protected:
    void DrawBackground() override;
    void OnMenuKey(int key) override;

private:
    GUI_CheckButton* fullScreen_ = nullptr;
    GUI_CheckButton* music_ = nullptr;
    GUI_CheckButton* autosave_ = nullptr;
};

// True when the display settings ask for a window rather than the whole screen.
bool DisplayIsWindowed();
