#pragma once
// What the hint window shows and where: a modal 300 by 200 window at the hint's position with a
// title, a disclaimer, the hint's text and a close button. The screen only draws this.
#include <string>

struct SIM_HintHelpModel {
    static constexpr int kWidth = 300;
    static constexpr int kHeight = 200;

    std::string key;         // the hint's name, for tests and logs
    std::string title;       // translated "HINT_TITLE"
    std::string disclaimer;  // translated "HINT_DISCLAIMER"
    std::string text;
    int x = 0;
    int y = 0;
};
