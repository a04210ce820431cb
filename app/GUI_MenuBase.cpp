#include "GUI_MenuBase.h"

#include "GHashTable.h"
#include "GUI_ButtonTypes.h"
#include "GUI_Shell.h"
#include "GUI_Style.h"
#include "GUI_TextField.h"
#include "GUI_WindowBase.h"
#include "InputManager.h"
#include "LibFont.h"
#include "Platform.h"
#include "Renderer.h"

void GUI_MenuBase::Update() {
    if (WindowList().HasModal()) WindowList().UpdateWindows();
    else GUIButtonList::Update();
}

void GUI_MenuBase::DrawBackground() {
    Renderer().DrawTexture("leather.jpg", 0.0f, 0.0f, static_cast<float>(kScreenWidth), static_cast<float>(kScreenHeight));
}

void GUI_MenuBase::Draw() {
    DrawBackground();
    DrawButtons();
    DrawForeground();
    WindowList().DrawModalWindows();
}

void GUI_MenuBase::OnLeftButtonDown() {
    if (WindowList().HasModal()) {
        WindowList().LeftButtonDown();
        return;
    }
    const CBaseInputManager& input = Shell().Input();
    if (GUI_TextField* field = FocusedTextField(); field && !field->HitTest(input.x, input.y)) field->Blur();
    ClickButtons();
}

void GUI_MenuBase::OnKeyDown(int key) {
    if (WindowList().HasModal()) {
        WindowList().KeyToModal(key);
        return;
    }
    if (GUI_TextField* field = FocusedTextField(); field && field->OnKey(key)) return;
    OnMenuKey(key);
}

void GUI_MenuBase::OnTextInput(const std::string& text) {
    if (WindowList().HasModal()) return;
    if (GUI_TextField* field = FocusedTextField()) field->OnText(text);
}

void GUI_MenuBase::StackButtons(float top, float w, float h, float gap) {
    const float left = static_cast<float>(kScreenWidth) / 2.0f - w / 2.0f;
    for (const auto& element : elements_) {
        if (!element->visible) continue;
        element->SetRect(left, top, left + w, top + h);
        top += h + gap;
    }
}

void GUI_MenuBase::DrawTitledScreen(const std::string& titleKey, const std::string& helpKey) {
    Renderer().DrawTexture("leather.jpg", 0.0f, 0.0f, static_cast<float>(kScreenWidth), static_cast<float>(kScreenHeight));
    DrawText(GUI_Style::kTitle, Translate(titleKey), static_cast<float>(kScreenWidth) / 2.0f, 32.0f, GUI_Style::kGold,
             TEXT_CENTRED);
    if (!helpKey.empty())
        DrawText(GUI_Style::kBody, Translate(helpKey), static_cast<float>(kScreenWidth) / 2.0f, 70.0f, GUI_Style::kCream,
                 TEXT_CENTRED);
}
