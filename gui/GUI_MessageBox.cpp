#include "GUI_MessageBox.h"

#include "GHashTable.h"
#include "GUI_Style.h"

#include <algorithm>

namespace {
constexpr int kButtonWidth = 160, kButtonHeight = 32;
}  // namespace

GUI_MessageBox* GUI_MessageBox::Show(const std::string& title, const std::string& text, std::function<void()> onClose) {
    GUI_MessageBox* box = WindowList().Open<GUI_MessageBox>(title, text, std::move(onClose));
    WindowList().AddModal(box);
    return box;
}

GUI_MessageBox::GUI_MessageBox(const std::string& title, const std::string& text, std::function<void()> onClose)
    : GUI_Dialog(title), text_(text), onClose_(std::move(onClose)) {
    name = "message " + title;
    const float textHeight = WrappedTextHeight(GUI_Style::kBody, text_, kWidth - kMarginLeft - kMarginRight);
    const int boxHeight = kMarginTop + std::max(28, static_cast<int>(textHeight)) + 16 + kButtonHeight + kMarginBottom;
    SetRect(0, 0, kWidth, static_cast<float>(boxHeight));
    CentreOnScreen();
    auto* ok = Add<GUI_ButtonText>("CONFIRM_OK", [this] { Dismiss(); });
    const float cx = static_cast<float>(rect.left + rect.right) / 2.0f, bottom = static_cast<float>(rect.bottom - kMarginBottom);
    ok->SetRect(cx - kButtonWidth / 2.0f, bottom - kButtonHeight, cx + kButtonWidth / 2.0f, bottom);
}

void GUI_MessageBox::Dismiss() {
    if (Closed()) return;
    const std::function<void()> onClose = std::move(onClose_);
    Close();
    if (onClose) onClose();
}

bool GUI_MessageBox::OnKeyPress(int key) {
    if (!IsMoveOnKey(key)) return false;
    Dismiss();
    return true;
}

void GUI_MessageBox::DrawForeground() {
    DrawTextWrapped(GUI_Style::kBody, text_, static_cast<float>(client.left), static_cast<float>(client.top),
                    static_cast<float>(client.right - client.left), GUI_Style::kCream);
}
