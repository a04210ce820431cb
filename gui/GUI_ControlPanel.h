#pragma once
// The control panel: the nine activity buttons along the bottom of the desktop. Each frame it
// enables what the band can do now and says why in the tooltip when it cannot.
#include "GUI_ButtonTypes.h"
#include "GUI_WindowBase.h"

#include <array>
#include <functional>
#include <string>

enum GUI_Activity : int {
    ACTIVITY_BOOK_GIG = 0,
    ACTIVITY_REHEARSAL = 2,
    ACTIVITY_WRITE_SONG = 3,
    ACTIVITY_STUDIO = 4,
    ACTIVITY_SHOPPING = 5,
    ACTIVITY_PRACTICE = 6,
    ACTIVITY_TODAY = 7,
    ACTIVITY_AUDITIONS = -1,  // opens at once, without the fade
    ACTIVITY_QUIT = -2,       // asks first
};

class GUI_CPButton : public GUI_IconButton {
public:
    GUI_CPButton(const std::string& image, const std::string& highlightImage, int activityIndex, Callback onPress)
        : GUI_IconButton(image, highlightImage, std::move(onPress)), activity(activityIndex) {}
    const int activity;
    std::string tooltipKey;  // the key of the tooltip shown now
};

// What the panel allows now: per gated button, enabled and the tooltip key that goes with it.
struct GUI_ControlPanelState {
    struct Gate {
        bool enabled = true;
        std::string tooltipKey;
    };
    Gate rehearsal;
    Gate studio;
    Gate bookGig;
    bool today = false;
};
GUI_ControlPanelState CurrentControlPanelState();

class GUI_ControlPanel : public GUI_WindowBase {
public:
    static constexpr int kButtons = 9;
    // onActivity starts an activity by its index (after the fade, for the faded ones).
    explicit GUI_ControlPanel(std::function<void(int)> onActivity);
    void Update() override;

    // The hooks of the auditions hint: only auditions and quit stay.
    void HideNonAuditionButtons();
    void UnhideNonAuditionButtons();
    GUI_CPButton* Button(int index) const { return buttons_[static_cast<std::size_t>(index)]; }

protected:
    void DrawBackground() override;

private:
    std::array<GUI_CPButton*, kButtons> buttons_{};
    bool hidden_ = false;
};
