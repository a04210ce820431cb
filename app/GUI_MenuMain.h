#pragma once
// The main menu: the first mode after start-up.
#include "GUI_GameModeBase.h"

class GUI_MenuMain : public GUI_GameModeBase {
public:
    void Draw() override;
    void OnKeyDown(int key) override;
    void OnLeftButtonDown() override;
};
