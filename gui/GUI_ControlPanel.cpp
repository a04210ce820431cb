#include "GUI_ControlPanel.h"

#include "GUI_Style.h"
#include "SIM_Band.h"
#include "SIM_DailyOptions.h"
#include "SIM_Song.h"

namespace {
// Layout: a row of 64-pixel buttons, 8 apart, centred along the bottom of the screen.
constexpr float kButtonSize = 64.0f, kGap = 8.0f, kPad = 8.0f;
constexpr float kTop = 684.0f;
constexpr float kWidth = GUI_ControlPanel::kButtons * kButtonSize + (GUI_ControlPanel::kButtons - 1) * kGap + 2.0f * kPad;
constexpr float kLeft = (1024.0f - kWidth) / 2.0f;

struct PanelButton {
    const char* name;
    const char* tooltipKey;
    int activity;
    const char* hintKey;
};
// In creation order.
constexpr PanelButton kPanelButtons[GUI_ControlPanel::kButtons] = {
    {"studio", "TOOLTIP_STUDIO", ACTIVITY_STUDIO, ""},
    {"bookgig", "TOOLTIP_BOOKGIG", ACTIVITY_BOOK_GIG, ""},
    {"writesong", "TOOLTIP_WRITESONG", ACTIVITY_WRITE_SONG, ""},
    {"rehearsal", "TOOLTIP_REHEARSAL", ACTIVITY_REHEARSAL, ""},
    {"auditions", "TOOLTIP_AUDITIONS", ACTIVITY_AUDITIONS, "audition_button"},
    {"shopping", "TOOLTIP_SHOPPING", ACTIVITY_SHOPPING, ""},
    {"practice", "TOOLTIP_PRACTICE", ACTIVITY_PRACTICE, ""},
    {"today", "TOOLTIP_TODAY", ACTIVITY_TODAY, ""},
    {"quit", "TOOLTIP_QUITGAMEBUTTON", ACTIVITY_QUIT, ""},
};

// Applies a gate, changing the tooltip only when the state changes.
void ApplyGate(GUI_CPButton& button, const GUI_ControlPanelState::Gate& gate) {
    button.enabled = gate.enabled;
    if (button.tooltipKey == gate.tooltipKey) return;
    button.tooltipKey = gate.tooltipKey;
    button.SetTooltipKey(gate.tooltipKey);
}
}  // namespace

GUI_ControlPanelState CurrentControlPanelState() {
    GUI_ControlPanelState state;
    const bool valid = GetBand().HasFullLineup();
    state.rehearsal = {valid, valid ? "TOOLTIP_REHEARSAL" : "TOOLTIP_REHEARSAL_INVALIDBAND"};
    const bool albumReady = IsAlbumReady();
    state.studio = {albumReady, albumReady ? "TOOLTIP_STUDIO" : "TOOLTIP_STUDIO_NOTENOUGHSONGS"};
    const SIM_BookGigAvailability gig = BookGigAvailability();
    state.bookGig = {gig.enabled, gig.enabled ? "TOOLTIP_BOOKGIG" : gig.tooltip};
    state.today = !GetDailyOptions().Options().empty() || !GetDailyOptions().Messages().empty();
    return state;
}

GUI_ControlPanel::GUI_ControlPanel(std::function<void(int)> onActivity) {
    name = "control panel";
    closedWithOthers = false;
    SetRect(kLeft, kTop, kLeft + kWidth, kTop + kButtonSize + 2.0f * kPad);
    for (int i = 0; i < kButtons; ++i) {
        const PanelButton& row = kPanelButtons[i];
        const std::string image = std::string("button_") + row.name;
        auto* button = Add<GUI_CPButton>(image + ".dds", image + "_h.dds", row.activity,
                                         [onActivity, activity = row.activity] { onActivity(activity); });
        const float left = kLeft + kPad + static_cast<float>(i) * (kButtonSize + kGap);
        button->tooltipKey = row.tooltipKey;
        button->SetTooltipKey(row.tooltipKey);
        button->hintKey = row.hintKey;
        button->SetRect(left, kTop + kPad, left + kButtonSize, kTop + kPad + kButtonSize);
        buttons_[static_cast<std::size_t>(i)] = button;
    }
}

void GUI_ControlPanel::Update() {
    if (!hidden_) {
        const GUI_ControlPanelState state = CurrentControlPanelState();
        for (GUI_CPButton* button : buttons_) {
            switch (button->activity) {
                case ACTIVITY_REHEARSAL: ApplyGate(*button, state.rehearsal); break;
                case ACTIVITY_STUDIO: ApplyGate(*button, state.studio); break;
                case ACTIVITY_BOOK_GIG: ApplyGate(*button, state.bookGig); break;
                case ACTIVITY_TODAY: button->enabled = state.today; break;
                default: break;
            }
        }
    }
    GUI_WindowBase::Update();
}

void GUI_ControlPanel::HideNonAuditionButtons() {
    hidden_ = true;
    for (GUI_CPButton* button : buttons_)
        if (button->activity != ACTIVITY_AUDITIONS && button->activity != ACTIVITY_QUIT) {
            button->visible = false;
            button->enabled = false;
        }
}

void GUI_ControlPanel::UnhideNonAuditionButtons() {
    hidden_ = false;
    for (GUI_CPButton* button : buttons_) {
        button->visible = true;
        button->enabled = true;
    }
}

void GUI_ControlPanel::DrawBackground() { DrawFramedBox(Area(), GUI_Style::kWindowFrame); }
