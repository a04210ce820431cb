#pragma once
// What every menu shares: it is a game mode and a list of buttons. While a question or a
// message is open over it, only that window takes the mouse and the keys.
#include "GUIButtonsList.h"
#include "GUI_GameModeBase.h"

#include <string>

class GUI_TextField;

class GUI_MenuBase : public GUI_GameModeBase, public GUIButtonList {
public:
    void Update() override;
    void Draw() override;
    void OnLeftButtonDown() override;
    void OnKeyDown(int key) override;
    void OnTextInput(const std::string& text) override;

protected:
    // The picture behind the menu, the buttons' surroundings and what lies over them.
    virtual void DrawBackground();
    virtual void DrawForeground() {}
    // Keys no window or field took.
    virtual void OnMenuKey(int /*key*/) {}
    // Stacks the visible buttons of the list down the middle of the screen.
    void StackButtons(float top, float width, float height, float gap);
    // A titled panel of leather over the screen, as the set-up, load and save screens have.
    static void DrawTitledScreen(const std::string& titleKey, const std::string& helpKey);
};
