#pragma once
// A horizontal slider bound to a float 0..1 that it writes while the knob is dragged.
#include "GUIButtonsList.h"

#include <functional>
#include <string>

class GUI_SliderControl : public GUI_BaseElement {
public:
    static constexpr std::size_t kMaxLabel = 31;
    static constexpr float kTrackHeight = 6.0f;
    static constexpr float kKnobSize = 12.0f;

    // value must not be null; onChange (may be empty) is called on every change while dragging.
    GUI_SliderControl(const std::string& labelKey, float* value, std::function<void()> onChange = {});
    void Draw() override;
    // A press on the knob starts a drag.
    bool OnClick(float x, float y) override;
    // While dragging and the button is held, the value follows the cursor; release ends it.
    void Update() override;
    bool Dragging() const { return dragging_; }
    const std::string& Label() const { return label_; }

private:
    float KnobX() const;
    bool KnobHit(float x, float y) const;

    std::string label_;
    float* value_;
    std::function<void()> onChange_;
    bool dragging_ = false;
};
