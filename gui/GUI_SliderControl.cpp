#include "GUI_SliderControl.h"

#include "FrameRecord.h"
#include "GHashTable.h"
#include "GUI_Shell.h"
#include "GUI_Style.h"
#include "InputManager.h"
#include "LibErrors.h"
#include "Renderer.h"

#include <algorithm>

GUI_SliderControl::GUI_SliderControl(const std::string& labelKey, float* value, std::function<void()> onChange)
    : label_(Translate(labelKey).substr(0, kMaxLabel)), value_(value), onChange_(std::move(onChange)) {
    GameAssert(value_ != nullptr, "GUI_SliderControl", __LINE__);
}

float GUI_SliderControl::KnobX() const {
    const float v = value_ ? std::clamp(*value_, 0.0f, 1.0f) : 0.0f;
    return static_cast<float>(rect.left) + v * static_cast<float>(width);
}

bool GUI_SliderControl::KnobHit(float x, float y) const {
    // The knob is small: a little slack around it makes it easy to grab.
    const float cy = static_cast<float>(rect.top + rect.bottom) / 2.0f, slack = 4.0f;
    const float half = kKnobSize / 2.0f + slack;
    return x >= KnobX() - half && x <= KnobX() + half && y >= cy - half && y <= cy + half;
}

bool GUI_SliderControl::OnClick(float x, float y) {
    if (!value_ || dragging_ || !KnobHit(x, y)) return false;
    dragging_ = true;
    return true;
}

void GUI_SliderControl::Update() {
    if (!dragging_ || !value_) return;
    CBaseInputManager& input = Shell().Input();
    if (!input.buttonHeld) {
        dragging_ = false;
        return;
    }
    const float x = std::clamp(input.x, static_cast<float>(rect.left), static_cast<float>(rect.right));
    const float next = width > 0 ? (x - static_cast<float>(rect.left)) / static_cast<float>(width) : 0.0f;
    if (next != *value_) {
        *value_ = next;
        if (onChange_) onChange_();
    }
    input.TakeMouse();
}

void GUI_SliderControl::Draw() {
    GRenderer& renderer = Renderer();
    const float cy = static_cast<float>(rect.top + rect.bottom) / 2.0f;
    renderer.DrawTexture("slider_track.dds", static_cast<float>(rect.left), cy - kTrackHeight / 2.0f,
                         static_cast<float>(width), kTrackHeight);
    renderer.DrawTexture("slider_knob.dds", KnobX() - kKnobSize / 2.0f, cy - kKnobSize / 2.0f, kKnobSize, kKnobSize);
    using GUI_Style::kButton;
    DrawText(kButton, label_, static_cast<float>(rect.left), static_cast<float>(rect.top) - kButton.size - 6.0f,
             GUI_Style::kCream);
    if (FrameRecorder().Enabled()) {
        const float half = kKnobSize / 2.0f;
        FrameRecorder().AddControl(label_, GRect{KnobX() - half, cy - half, KnobX() + half, cy + half}, true);
    }
}
