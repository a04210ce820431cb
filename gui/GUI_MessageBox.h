#pragma once
// A plain message: a title, a text and an OK button, modal until it is read. The simulation's
// messages, refused actions and the screens not in this version yet all use it.
#include "GUI_Dialog.h"

#include <functional>
#include <string>

class GUI_MessageBox : public GUI_Dialog {
public:
    static constexpr int kWidth = 440;

    // Opens on top of everything; onClose (may be empty) runs when it is dismissed.
    static GUI_MessageBox* Show(const std::string& title, const std::string& text, std::function<void()> onClose = {});

    GUI_MessageBox(const std::string& title, const std::string& text, std::function<void()> onClose);
    const std::string& Text() const { return text_; }
    void Dismiss();
    // Return and Escape dismiss it as the OK button does.
    bool OnKeyPress(int key) override;

protected:
    void DrawForeground() override;

private:
    std::string text_;
    std::function<void()> onClose_;
};
