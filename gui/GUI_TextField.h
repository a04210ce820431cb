#pragma once
// A one-line text field: a click gives it the keyboard focus (one field at a time), typed
// characters go in at the caret, and the editing keys work as players expect. Text is kept
// within a length and a pixel width, and a screen may refuse a change with a reason the field
// shows under itself.
#include "GUIButtonsList.h"
#include "GUI_Style.h"

#include <functional>
#include <string>

class GUI_TextField : public GUI_BaseElement {
public:
    // Refuses a candidate text with a reason (shown to the player), or accepts it with "".
    using Check = std::function<std::string(const std::string& candidate)>;

    GUI_TextField(std::size_t maxLength, float maxWidth, GUI_Style::Font font = GUI_Style::kHeading);
    ~GUI_TextField() override;

    void Draw() override;
    void Update() override;
    // A click inside focuses the field with the caret at the end.
    bool OnClick(float x, float y) override;

    // Editing keys (scan codes); true when the field used the key.
    bool OnKey(int scanCode);
    // Typed characters, one at a time, each only while both limits and the check allow it.
    void OnText(const std::string& text);

    void SetText(const std::string& text);
    const std::string& Text() const { return text_; }
    void Focus();
    void Blur();
    bool Focused() const;
    // The reason the last change was refused; cleared by the next accepted change.
    const std::string& Refusal() const { return refusal_; }
    // Shows a reason under the field, with the error sound.
    void Refuse(const std::string& reason);

    Check check;
    std::function<void()> onReturn;
    std::function<void()> onChange;

private:
    bool Fits(const std::string& candidate) const;
    bool Accept(std::string candidate, std::size_t caret);

    std::size_t maxLength_;
    float maxWidth_;
    GUI_Style::Font font_;
    std::string text_;
    std::size_t caret_ = 0;
    std::string refusal_;
    int blink_ = 0;
};

// The field that has the keyboard, or null.
GUI_TextField* FocusedTextField();
