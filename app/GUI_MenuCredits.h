#pragma once
// The credits: one picture and the way back.
#include "GUI_MenuBase.h"

class GUI_MenuCredits : public GUI_MenuBase {
public:
    GUI_MenuCredits();

protected:
    void DrawBackground() override;
    void OnMenuKey(int key) override;
};
