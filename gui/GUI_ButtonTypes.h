#pragma once
// Buttons: the base with its highlight, tooltip, click sound and optional hint, and the looks
// built on it (text, tab, icon, close box, check box).
#include "GUIButtonsList.h"
#include "GUI_Tooltip.h"

#include <functional>
#include <memory>
#include <string>

class GUI_WindowTab;

class GUI_ButtonBase : public GUI_BaseElement {
public:
    using Callback = std::function<void()>;
    static constexpr std::size_t kMaxLabel = 63;

    explicit GUI_ButtonBase(Callback callback = {});
    // Draws only the tooltip.
    void Draw() override;
    // Keeps the tooltip centred under the button.
    void SetRect(float left, float top, float right, float bottom) override;
    bool OnClick(float x, float y) override;
    // Shows the hint (when it has one), then plays the click and calls back (when it has a callback).
    virtual void Press();
    // Highlight, tooltip fade and the mouse-taken flag, once a frame.
    void Update() override;
    void SetParentWindow(GUI_WindowBase* window) override { parentWindow = window; }

    // A tooltip of this text (already translated); an empty text removes it.
    void SetTooltip(const std::string& text);
    void SetTooltipKey(const std::string& key);
    GUI_Tooltip* Tooltip() const { return tooltip_.get(); }
    // What the script driver finds the button by: its label, else its tooltip.
    virtual std::string ControlLabel() const;
    // Drawn highlighted: a question opened over it since its last update puts the light out.
    bool Lit() const;

    int state = 0;  // 1 while highlighted
    Callback callback;
    GUI_WindowBase* parentWindow = nullptr;
    bool enabled = true;
    std::string hintKey;

protected:
    void RecordControl() const;

private:
    std::unique_ptr<GUI_Tooltip> tooltip_;
};

class GUI_ButtonText : public GUI_ButtonBase {
public:
    GUI_ButtonText(const std::string& labelKey, Callback callback = {}, const std::string& tooltipKey = {});
    void Draw() override;
    void SetLabel(const std::string& text);
    const std::string& Label() const { return label_; }
    std::string ControlLabel() const override { return label_; }

protected:
    void DrawLabel() const;

private:
    std::string label_;
};

class GUI_ButtonTab : public GUI_ButtonText {
public:
    GUI_ButtonTab(const std::string& labelKey, GUI_WindowTab* tab);
    void Press() override;
    void Draw() override;

private:
    GUI_WindowTab* tab_;
};

class GUI_IconButton : public GUI_ButtonBase {
public:
    // Image names of one character or less leave that sprite empty.
    GUI_IconButton(const std::string& image, const std::string& highlightImage, Callback callback = {});
    void Draw() override;
    void SetImages(const std::string& image, const std::string& highlightImage);

private:
    std::string image_;
    std::string highlight_;
};

class GUI_CloseButton : public GUI_IconButton {
public:
    GUI_CloseButton();
    // Closes the window that holds it.
    void Press() override;
};

class GUI_CheckButton : public GUI_ButtonBase {
public:
    static constexpr float kBoxSize = 26.0f;
    GUI_CheckButton(const std::string& labelKey, Callback callback = {});
    // Only the box takes the click: it flips the check, then presses.
    bool OnClick(float x, float y) override;
    void Draw() override;
    std::string ControlLabel() const override { return label_; }

    bool checked = false;

private:
    bool BoxHit(float x, float y) const;
    std::string label_;
};
