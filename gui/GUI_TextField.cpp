#include "GUI_TextField.h"

#include "GUI_Sounds.h"
#include "InputManager.h"
#include "Renderer.h"

namespace {
GUI_TextField* gFocused = nullptr;
constexpr float kPad = 6.0f;
constexpr int kBlinkFrames = 30;
}  // namespace

GUI_TextField* FocusedTextField() { return gFocused; }

GUI_TextField::GUI_TextField(std::size_t maxLength, float maxWidth, GUI_Style::Font font)
    : maxLength_(maxLength), maxWidth_(maxWidth), font_(font) {}

GUI_TextField::~GUI_TextField() { Blur(); }

void GUI_TextField::Focus() {
    if (gFocused != this) {
        if (gFocused) gFocused->Blur();
        gFocused = this;
        CBaseInputManager::SetTextInput(true);
    }
    caret_ = text_.size();
    blink_ = 0;
}

void GUI_TextField::Blur() {
    if (gFocused != this) return;
    gFocused = nullptr;
    CBaseInputManager::SetTextInput(false);
}

bool GUI_TextField::Focused() const { return gFocused == this; }

void GUI_TextField::SetText(const std::string& text) {
    text_ = text.substr(0, maxLength_);
    caret_ = text_.size();
    refusal_.clear();
}

bool GUI_TextField::OnClick(float x, float y) {
    if (!HitTest(x, y)) return false;
    Focus();
    return true;
}

bool GUI_TextField::Fits(const std::string& candidate) const {
    return candidate.size() <= maxLength_ && static_cast<float>(MeasureText(font_, candidate)) < maxWidth_;
}

void GUI_TextField::Refuse(const std::string& reason) {
    refusal_ = reason;
    PlaySoundIfPresent("data/sounds/error.ogg");
}

bool GUI_TextField::Accept(std::string candidate, std::size_t caret) {
    if (check) {
        const std::string reason = check(candidate);
        if (!reason.empty()) {
            Refuse(reason);
            return false;
        }
    }
    text_ = std::move(candidate);
    caret_ = caret;
    refusal_.clear();
    blink_ = 0;
    if (onChange) onChange();
    return true;
}

void GUI_TextField::OnText(const std::string& text) {
    for (char c : text) {
        std::string candidate = text_;
        candidate.insert(caret_, 1, c);
        // Over a limit the character is simply not taken, as a full field does.
        if (!Fits(candidate)) {
            PlaySoundIfPresent("data/sounds/error.ogg");
            return;
        }
        if (!Accept(std::move(candidate), caret_ + 1)) return;
    }
}

bool GUI_TextField::OnKey(int key) {
    switch (key) {
        case DIK_BACK:
            if (caret_ > 0) Accept(text_.substr(0, caret_ - 1) + text_.substr(caret_), caret_ - 1);
            return true;
        case DIK_DELETE:
            if (caret_ < text_.size()) Accept(text_.substr(0, caret_) + text_.substr(caret_ + 1), caret_);
            return true;
        case DIK_LEFT:
            if (caret_ > 0) --caret_;
            blink_ = 0;
            return true;
        case DIK_RIGHT:
            if (caret_ < text_.size()) ++caret_;
            blink_ = 0;
            return true;
        case DIK_HOME:
            caret_ = 0;
            return true;
        case DIK_END:
            caret_ = text_.size();
            return true;
        case DIK_RETURN:
        case DIK_NUMPADENTER:
            if (onReturn) onReturn();
            return true;
        default:
            return false;
    }
}

void GUI_TextField::Update() { blink_ = (blink_ + 1) % (2 * kBlinkFrames); }

void GUI_TextField::Draw() {
    DrawInsetPanel(Area(), Focused());
    const float x = static_cast<float>(rect.left) + kPad;
    const float y = static_cast<float>(rect.top) + (static_cast<float>(height) - font_.size) / 2.0f;
    DrawText(font_, text_, x, y, GUI_Style::kCream);
    if (Focused() && blink_ < kBlinkFrames) {
        const float caretX = x + static_cast<float>(MeasureText(font_, text_.substr(0, caret_)));
        Renderer().FillRect(caretX, y, 2.0f, font_.size, GUI_Style::kGold);
    }
    if (!refusal_.empty())
        DrawTextWrapped(GUI_Style::kSmall, refusal_, static_cast<float>(rect.left), static_cast<float>(rect.bottom) + 4.0f,
                        static_cast<float>(width), GUI_Style::kRefusal);
}
