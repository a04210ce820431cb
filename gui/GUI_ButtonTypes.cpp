#include "GUI_ButtonTypes.h"

#include "FrameRecord.h"
#include "GHashTable.h"
#include "GUI_Dialog.h"
#include "GUI_Shell.h"
#include "GUI_Sounds.h"
#include "GUI_Style.h"
#include "GUI_WindowBase.h"
#include "InputManager.h"
#include "LibErrors.h"
#include "LibFont.h"
#include "Renderer.h"
#include "SIM_Screens.h"

namespace {
constexpr const char* kClickSound = "data/sounds/click.ogg";
constexpr const char* kOverSound = "data/sounds/mouseover.ogg";

// A button may be used while no modal window is open, or when it sits in the modal window.
bool ReachableBehindModals(const GUI_WindowBase* window) {
    if (!WindowList().HasModal()) return true;
    for (; window; window = window->parent)
        if (window->modal) return true;
    return false;
}
}  // namespace

GUI_ButtonBase::GUI_ButtonBase(Callback cb) : callback(std::move(cb)) {}

void GUI_ButtonBase::Draw() {
    if (tooltip_) tooltip_->Draw();
}

void GUI_ButtonBase::SetRect(float left, float top, float right, float bottom) {
    GUI_BaseElement::SetRect(left, top, right, bottom);
    if (tooltip_)
        tooltip_->MoveTo((left + right) / 2.0f - static_cast<float>(tooltip_->width) / 2.0f, bottom);
}

bool GUI_ButtonBase::OnClick(float x, float y) {
    if (!enabled || !HitTest(x, y)) return false;
    Press();
    return true;
}

void GUI_ButtonBase::Press() {
    if (!enabled) return;
    if (!hintKey.empty()) Screens().TriggerHint(hintKey);
    if (callback) {
        PlaySoundIfPresent(kClickSound);
        // The callback may close the window that holds this button: copy it first.
        const Callback call = callback;
        call();
    }
}

void GUI_ButtonBase::Update() {
    CBaseInputManager& input = Shell().Input();
    const int before = state;
    // A hidden button is not there: it must not take the mouse from one shown in its place.
    if (!visible || input.IsMouseTaken() || !HitTest(input.x, input.y)) {
        state = 0;
        return;
    }
    const bool reachable = ReachableBehindModals(parentWindow);
    state = enabled && reachable ? 1 : 0;
    if (state == 1 && before == 0) PlaySoundIfPresent(kOverSound);
    // Disabled controls still say why, but nothing behind a modal window speaks up.
    if (tooltip_ && reachable) {
        tooltip_->Hover(input.x, input.y, input.restMs, Shell().Now());
        input.TakeMouse();
    }
}

void GUI_ButtonBase::SetTooltip(const std::string& text) {
    if (text.empty()) {
        tooltip_.reset();
        return;
    }
    if (tooltip_) tooltip_->SetText(text);
    else tooltip_ = std::make_unique<GUI_Tooltip>(text);
    SetRect(static_cast<float>(rect.left), static_cast<float>(rect.top), static_cast<float>(rect.right),
            static_cast<float>(rect.bottom));
}

void GUI_ButtonBase::SetTooltipKey(const std::string& key) { SetTooltip(key.empty() ? std::string() : Translate(key)); }

bool GUI_ButtonBase::Lit() const { return state == 1 && ReachableBehindModals(parentWindow); }

std::string GUI_ButtonBase::ControlLabel() const { return tooltip_ ? tooltip_->Text() : std::string(); }

void GUI_ButtonBase::RecordControl() const {
    if (FrameRecorder().Enabled()) FrameRecorder().AddControl(ControlLabel(), Area(), enabled);
}

// ---- Text buttons ----

GUI_ButtonText::GUI_ButtonText(const std::string& labelKey, Callback cb, const std::string& tooltipKey)
    : GUI_ButtonBase(std::move(cb)) {
    SetLabel(labelKey.empty() ? std::string() : Translate(labelKey));
    if (!tooltipKey.empty()) SetTooltipKey(tooltipKey);
}

void GUI_ButtonText::SetLabel(const std::string& text) { label_ = text.substr(0, kMaxLabel); }

void GUI_ButtonText::DrawLabel() const {
    using GUI_Style::kButton;
    const float w = static_cast<float>(width) - 12.0f;
    const std::string shown = FitText(kButton, label_, w);
    const float y = static_cast<float>(rect.top) + (static_cast<float>(height) - kButton.size) / 2.0f;
    DrawText(kButton, shown, static_cast<float>(rect.left + rect.right) / 2.0f, y,
             enabled ? GUI_Style::kCream : GUI_Style::kDisabledText, TEXT_CENTRED);
}

void GUI_ButtonText::Draw() {
    DrawFramedBox(Area(), Lit() ? GUI_Style::kButtonFrameLit : GUI_Style::kButtonFrame);
    DrawLabel();
    RecordControl();
    GUI_ButtonBase::Draw();
}

GUI_ButtonTab::GUI_ButtonTab(const std::string& labelKey, GUI_WindowTab* tab)
    : GUI_ButtonText(labelKey, {}), tab_(tab) {}

void GUI_ButtonTab::Press() {
    if (!enabled) return;
    PlaySoundIfPresent(kClickSound);
    if (tab_) tab_->Select();
}

void GUI_ButtonTab::Draw() {
    const bool selected = tab_ && tab_->selected;
    DrawFramedBox(Area(), selected || Lit() ? GUI_Style::kButtonFrameLit : GUI_Style::kButtonFrame,
                  selected ? 0xFFFFFFFF : 0xFFB0A090);
    DrawLabel();
    RecordControl();
    GUI_ButtonBase::Draw();
}

// ---- Icon buttons ----

GUI_IconButton::GUI_IconButton(const std::string& image, const std::string& highlightImage, Callback cb)
    : GUI_ButtonBase(std::move(cb)) {
    SetImages(image, highlightImage);
}

void GUI_IconButton::SetImages(const std::string& image, const std::string& highlightImage) {
    image_ = image.size() > 1 ? image : std::string();
    highlight_ = highlightImage.size() > 1 ? highlightImage : std::string();
}

void GUI_IconButton::Draw() {
    const std::string& sprite = Lit() && !highlight_.empty() ? highlight_ : image_;
    if (!sprite.empty()) {
        const std::uint32_t colour = enabled ? 0xFFFFFFFF : 0x20FFFFFF;
        Renderer().DrawTexture(sprite, static_cast<float>(rect.left), static_cast<float>(rect.top),
                               static_cast<float>(width), static_cast<float>(height), GUVRect{}, colour);
    }
    RecordControl();
    GUI_ButtonBase::Draw();
}

GUI_CloseButton::GUI_CloseButton() : GUI_IconButton("button_close.dds", "button_close_h.dds") {}

void GUI_CloseButton::Press() {
    if (!enabled) return;
    GUI_IconButton::Press();
    GameAssert(parentWindow != nullptr, "GUI_ButtonTypes", __LINE__);
    if (parentWindow) parentWindow->Close();
}

// ---- Check buttons ----

GUI_CheckButton::GUI_CheckButton(const std::string& labelKey, Callback cb) : GUI_ButtonBase(std::move(cb)) {
    label_ = Translate(labelKey).substr(0, kMaxLabel);
}

bool GUI_CheckButton::BoxHit(float x, float y) const {
    const float left = static_cast<float>(rect.left), top = static_cast<float>(rect.top);
    return x >= left && x < left + kBoxSize && y >= top && y < top + kBoxSize;
}

bool GUI_CheckButton::OnClick(float x, float y) {
    if (!enabled || !BoxHit(x, y)) return false;
    checked = !checked;
    Press();
    return true;
}

void GUI_CheckButton::Draw() {
    const float left = static_cast<float>(rect.left), top = static_cast<float>(rect.top);
    const std::uint32_t colour = enabled ? 0xFFFFFFFF : 0x60FFFFFF;
    Renderer().DrawTexture("gui_checkbox.dds", left, top, kBoxSize, kBoxSize, GUVRect{}, colour);
    if (checked) Renderer().DrawTexture("gui_checkbox_checked.dds", left, top, kBoxSize, kBoxSize, GUVRect{}, colour);
    using GUI_Style::kHeading;
    const float labelX = left + kBoxSize + 8.0f;
    DrawText(kHeading, FitText(kHeading, label_, static_cast<float>(rect.right) - labelX), labelX,
             top + (kBoxSize - kHeading.size) / 2.0f, enabled ? GUI_Style::kCream : GUI_Style::kDisabledText);
    if (FrameRecorder().Enabled()) {
        GRect box = Area();
        box.right = box.left + kBoxSize;
        box.bottom = box.top + kBoxSize;
        FrameRecorder().AddControl(label_, box, enabled);
    }
    GUI_ButtonBase::Draw();
}
