#include "GUI_Dialog.h"

#include "GUI_Style.h"
#include "GHashTable.h"
#include "InputManager.h"
#include "LibErrors.h"
#include "LibFont.h"
#include "LibString.h"
#include "Platform.h"

#include <algorithm>

namespace {
constexpr int kCloseSize = 26;
GUI_ConfirmDialog* gConfirm = nullptr;
}  // namespace

// ---- Dialogs ----

GUI_Dialog::GUI_Dialog(const std::string& title, bool closeButton) {
    name = "dialog";
    SetTitle(title);
    if (closeButton) close_ = Add<GUI_CloseButton>();
}

void GUI_Dialog::SetRect(float left, float top, float right, float bottom) {
    GUI_WindowBase::SetRect(left, top, right, bottom);
    if (close_)
        close_->SetRect(right - kMarginRight - kCloseSize, top + 5.0f, right - kMarginRight, top + 5.0f + kCloseSize);
    UpdateClientRect();
}

void GUI_Dialog::UpdateClientRect() {
    client = {rect.left + kMarginLeft, rect.top + kMarginTop, rect.right - kMarginRight, rect.bottom - kMarginBottom};
}

void GUI_Dialog::DrawBackground() {
    DrawFramedBox(Area(), GUI_Style::kWindowFrame);
    if (title_.empty()) return;
    using GUI_Style::kTitle;
    const float room = static_cast<float>(width - kMarginLeft - kMarginRight - (close_ ? kCloseSize + 8 : 0));
    DrawText(kTitle, FitText(kTitle, title_, room), static_cast<float>(rect.left + kMarginLeft),
             static_cast<float>(rect.top) + 6.0f, GUI_Style::kGold);
}

// ---- Tabs ----

void GUI_WindowTab::Draw() {
    if (!selected) return;
    DrawFramedBox(Area(), GUI_Style::kWindowFrame);
    GUI_WindowBase::Draw();
}

void GUI_WindowTab::Select() {
    if (container) container->SelectTab(this);
}

GUI_TabContainer::~GUI_TabContainer() { tabs_.clear(); }

GUI_WindowTab* GUI_TabContainer::AddTab(std::unique_ptr<GUI_WindowTab> tab) {
    if (!tab) return nullptr;
    tab->SetRect(static_cast<float>(rect.left), static_cast<float>(rect.top), static_cast<float>(rect.right),
                 static_cast<float>(rect.bottom));
    tab->container = this;
    tab->index = static_cast<int>(tabs_.size());
    tab->parent = this;
    tabs_.push_back(std::move(tab));
    return tabs_.back().get();
}

void GUI_TabContainer::SelectTab(GUI_WindowTab* tab) {
    GameAssert(tab != nullptr, "GUI_TabContainer", __LINE__);
    if (!tab) return;
    for (const auto& each : tabs_) each->selected = each.get() == tab;
}

void GUI_TabContainer::Draw() {
    if (!visible) return;
    for (const auto& tab : tabs_)
        if (tab->selected) {
            tab->SetRect(static_cast<float>(rect.left), static_cast<float>(rect.top), static_cast<float>(rect.right),
                         static_cast<float>(rect.bottom));
            tab->Draw();
        }
    GUI_WindowBase::Draw();
}

void GUI_TabContainer::Update() {
    for (const auto& tab : tabs_)
        if (tab->selected) tab->Update();
    GUI_WindowBase::Update();
}

bool GUI_TabContainer::OnLeftButtonDown(float x, float y) {
    // The tab buttons lie over the tabs' area, which takes every click inside it: they go first.
    if (visible && ClickButtons(x, y)) return true;
    for (const auto& tab : tabs_)
        if (tab->selected) return tab->OnLeftButtonDown(x, y);
    return GUI_WindowBase::OnLeftButtonDown(x, y);
}

void GUI_TabContainer::MoveWindow(float x, float y) {
    const float dx = x - static_cast<float>(rect.left), dy = y - static_cast<float>(rect.top);
    for (const auto& tab : tabs_)
        tab->MoveWindow(static_cast<float>(tab->rect.left) + dx, static_cast<float>(tab->rect.top) + dy);
    GUI_WindowBase::MoveWindow(x, y);
}

bool GUI_TabContainer::HitTest(float x, float y) const {
    return std::any_of(elements_.begin(), elements_.end(), [&](const auto& e) { return e->HitTest(x, y); }) ||
           std::any_of(tabs_.begin(), tabs_.end(), [&](const auto& t) { return t->HitTest(x, y); });
}

// ---- The yes/no question ----

GUI_ConfirmDialog* GUI_ConfirmDialog::Current() { return gConfirm && !gConfirm->Closed() ? gConfirm : nullptr; }

GUI_ConfirmDialog* GUI_ConfirmDialog::Ask(const std::string& titleKey, const std::string& message,
                                          GUI_ButtonBase::Callback okCallback, GUI_ButtonBase::Callback cancelCallback,
                                          const Labels& labels) {
    GameAssert(static_cast<bool>(okCallback), "GUI_ConfirmDialog", __LINE__);
    if (GUI_ConfirmDialog* open = Current()) open->Close();
    GUI_ConfirmDialog* dialog =
        WindowList().Open<GUI_ConfirmDialog>(titleKey, message, std::move(okCallback), std::move(cancelCallback), labels);
    WindowList().AddModal(dialog);
    return dialog;
}

GUI_ConfirmDialog::GUI_ConfirmDialog(const std::string& titleKey, const std::string& message,
                                     GUI_ButtonBase::Callback okCallback, GUI_ButtonBase::Callback cancelCallback,
                                     const Labels& labels)
    : GUI_Dialog(Translate(titleKey)), message_(message), ok_(std::move(okCallback)), cancel_(std::move(cancelCallback)) {
    name = "confirmation " + titleKey;
    gConfirm = this;
    // A long question makes the box taller rather than running out of it.
    const float textHeight = WrappedTextHeight(GUI_Style::kBody, message_, kWidth - kMarginLeft - kMarginRight);
    const int boxHeight = std::max(kHeight, kMarginTop + static_cast<int>(textHeight) + 8 + 30 + 9);
    SetRect(0, 0, kWidth, static_cast<float>(boxHeight));
    CentreOnScreen();
    const float l = static_cast<float>(rect.left), r = static_cast<float>(rect.right), b = static_cast<float>(rect.bottom);
    auto* ok = Add<GUI_ButtonText>(labels.ok, [this] { Confirm(); }, labels.okTooltip);
    ok->SetRect(r - 160.0f, b - 30.0f, r - 15.0f, b - 9.0f);
    auto* cancel = Add<GUI_ButtonText>(labels.cancel, [this] { Cancel(); }, labels.cancelTooltip);
    cancel->SetRect(l + 15.0f, b - 30.0f, l + 160.0f, b - 9.0f);
}

GUI_ConfirmDialog::~GUI_ConfirmDialog() {
    if (gConfirm == this) gConfirm = nullptr;
}

void GUI_ConfirmDialog::Confirm() {
    if (Closed()) return;
    const GUI_ButtonBase::Callback action = std::move(ok_);
    Close();
    if (action) action();
}

void GUI_ConfirmDialog::Cancel() {
    if (Closed()) return;
    const GUI_ButtonBase::Callback action = std::move(cancel_);
    Close();
    if (action) action();
}

bool GUI_ConfirmDialog::OnKeyPress(int key) {
    if (key == DIK_ESCAPE) Cancel();
    else if (key == DIK_RETURN || key == DIK_NUMPADENTER) Confirm();
    else return false;
    return true;
}

void GUI_ConfirmDialog::DrawForeground() {
    DrawTextWrapped(GUI_Style::kBody, message_, static_cast<float>(client.left), static_cast<float>(client.top),
                    static_cast<float>(client.right - client.left), GUI_Style::kCream);
}

// ---- Pages of cards ----

namespace {
constexpr float kPageArrow = 34.0f, kPageLabelW = 72.0f;
}  // namespace

int PageCountFor(std::size_t count, int perPage) {
    const auto per = static_cast<std::size_t>(std::max(perPage, 1));
    return std::max(1, static_cast<int>((count + per - 1) / per));
}

void PlacePageArrows(const GUI_Dialog& dialog, GUI_IconButton& left, GUI_IconButton& right,
                     const std::string& previousTooltip, const std::string& nextTooltip) {
    const float x = static_cast<float>(dialog.client.left), bottom = static_cast<float>(dialog.client.bottom);
    left.SetRect(x, bottom - kPageArrow, x + kPageArrow, bottom);
    right.SetRect(x + kPageArrow + kPageLabelW, bottom - kPageArrow, x + 2.0f * kPageArrow + kPageLabelW, bottom);
    left.SetTooltipKey(previousTooltip);
    right.SetTooltipKey(nextTooltip);
}

void UpdatePageArrows(GUI_IconButton& left, GUI_IconButton& right, int page, int pages) {
    left.visible = right.visible = pages > 1;
    left.enabled = page > 0;
    right.enabled = page + 1 < pages;
}

void DrawPageLabel(const GUI_Dialog& dialog, int page, int pages) {
    if (pages <= 1) return;
    const float x = static_cast<float>(dialog.client.left) + kPageArrow + kPageLabelW / 2.0f;
    const float y = static_cast<float>(dialog.client.bottom) - kPageArrow / 2.0f - GUI_Style::kSubheading.size / 2.0f;
    DrawText(GUI_Style::kSubheading, FormatText("%d / %d", page + 1, pages), x, y, GUI_Style::kCream, TEXT_CENTRED);
}

bool IsMoveOnKey(int key) { return key == DIK_ESCAPE || key == DIK_RETURN || key == DIK_NUMPADENTER; }
