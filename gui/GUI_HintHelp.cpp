#include "GUI_HintHelp.h"

#include "GUI_Style.h"

#include <algorithm>

namespace {
constexpr float kDisclaimerGap = 8.0f;
constexpr int kOkWidth = 120, kOkHeight = 30;

float TextWidth() { return SIM_HintHelpModel::kWidth - GUI_Dialog::kMarginLeft - GUI_Dialog::kMarginRight; }
}  // namespace

GUI_HintHelp* OpenHintWindow() {
    const auto& modal = WindowList().ModalWindows();
    for (auto it = modal.rbegin(); it != modal.rend(); ++it)
        if (auto* hint = dynamic_cast<GUI_HintHelp*>(*it)) return hint;
    return nullptr;
}

GUI_HintHelp* GUI_HintHelp::Open(const SIM_HintHelpModel& hint) {
    GUI_HintHelp* window = WindowList().Open<GUI_HintHelp>(hint);
    WindowList().AddModal(window);
    return window;
}

GUI_HintHelp::GUI_HintHelp(const SIM_HintHelpModel& hint) : GUI_Dialog(hint.title, true), hint_(hint) {
    name = "hint " + hint.key;
    // 300 x 200 unless the tip needs more room; always wholly on screen.
    const float textHeight = WrappedTextHeight(GUI_Style::kBody, hint_.text, TextWidth()) + kDisclaimerGap +
                             WrappedTextHeight(GUI_Style::kSmall, hint_.disclaimer, TextWidth());
    const int boxHeight = std::max(SIM_HintHelpModel::kHeight,
                                kMarginTop + static_cast<int>(textHeight) + 12 + kOkHeight + kMarginBottom);
    SetRect(static_cast<float>(hint.x), static_cast<float>(hint.y), static_cast<float>(hint.x + SIM_HintHelpModel::kWidth),
            static_cast<float>(hint.y + boxHeight));
    KeepOnScreen();
    auto* ok = Add<GUI_ButtonText>("CONFIRM_OK", [this] { Close(); });
    ok->SetRect(static_cast<float>(rect.right - kMarginRight - kOkWidth), static_cast<float>(rect.bottom - kMarginBottom - kOkHeight),
                static_cast<float>(rect.right - kMarginRight), static_cast<float>(rect.bottom - kMarginBottom));
}

bool GUI_HintHelp::OnKeyPress(int key) {
    if (!IsMoveOnKey(key)) return false;
    Close();
    return true;
}

void GUI_HintHelp::DrawForeground() {
    const float x = static_cast<float>(client.left);
    float y = DrawTextWrapped(GUI_Style::kBody, hint_.text, x, static_cast<float>(client.top), TextWidth(), GUI_Style::kCream);
    DrawTextWrapped(GUI_Style::kSmall, hint_.disclaimer, x, y + kDisclaimerGap, TextWidth(), GUI_Style::kCreamDim);
}
