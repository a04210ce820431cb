#pragma once
// The stage announcement: the career's new stage with its picture, title and description.
#include "GUI_Dialog.h"

class GUI_GameMode : public GUI_Dialog {
public:
    // Replaces an announcement still open.
    static GUI_GameMode* Open(int stage);
    explicit GUI_GameMode(int stage);
    int Stage() const { return stage_; }

protected:
    void DrawForeground() override;

private:
    int stage_;
    std::string description_;
};
