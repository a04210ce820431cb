#pragma once
// The main menu: the first mode after start-up. Saving and resuming are offered only while a
// game is in progress.
#include "GUI_MenuBase.h"

class GUI_ButtonText;

class GUI_MenuMain : public GUI_MenuBase {
public:
    GUI_MenuMain();
    void Update() override;

    // The quit question: OK ends the program at the end of the frame.
    static void AskQuit();
    // The player's guide, a page in the game's data, in the desktop's browser.
    static void OpenGuide();

protected:
    void DrawBackground() override;
    void OnMenuKey(int key) override;

private:
    GUI_ButtonText* save_ = nullptr;
    GUI_ButtonText* resume_ = nullptr;
};
