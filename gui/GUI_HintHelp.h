#pragma once
// The hint window: a one-time tip in a modal box at the hint's own place on screen.
#include "GUI_Dialog.h"

#include "SIM_HintHelp.h"

class GUI_HintHelp : public GUI_Dialog {
public:
    static GUI_HintHelp* Open(const SIM_HintHelpModel& hint);
    explicit GUI_HintHelp(const SIM_HintHelpModel& hint);
    const SIM_HintHelpModel& Hint() const { return hint_; }
    // Escape and Return close it.
    bool OnKeyPress(int key) override;

protected:
    void DrawForeground() override;

private:
    SIM_HintHelpModel hint_;
};

// The top-most open hint window, or null.
GUI_HintHelp* OpenHintWindow();
