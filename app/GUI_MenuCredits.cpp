#include "GUI_MenuCredits.h"

#include "GUI_ButtonTypes.h"
#include "GUI_Shell.h"
#include "InputManager.h"
#include "Platform.h"
#include "Renderer.h"

namespace {
constexpr float kButtonW = 220.0f, kButtonH = 40.0f, kButtonY = 700.0f;
}

GUI_MenuCredits::GUI_MenuCredits() {
    const float cx = static_cast<float>(kScreenWidth) / 2.0f;
    Add<GUI_ButtonText>("MENU_MAINMENU", [] { Shell().SwitchGameMode(MODE_MENU_MAIN); }, "TOOLTIP_MENU_MAINMENU")
        ->SetRect(cx - kButtonW / 2.0f, kButtonY, cx + kButtonW / 2.0f, kButtonY + kButtonH);
}

void GUI_MenuCredits::DrawBackground() {
    Renderer().DrawTexture("credits.jpg", 0.0f, 0.0f, static_cast<float>(kScreenWidth), static_cast<float>(kScreenHeight));
}

void GUI_MenuCredits::OnMenuKey(int key) {
    if (key == DIK_ESCAPE) Shell().SwitchGameMode(MODE_MENU_MAIN);
}
