#include "Game.h"

#include "LibDebugLog.h"

void CInput::OnWheelForward() {
    if (game_.currentMode) game_.currentMode->OnWheelUp();
}

void CInput::OnWheelBack() {
    if (game_.currentMode) game_.currentMode->OnWheelDown();
}

void CInput::OnLeftButtonDown() {
    CBaseInputManager::OnLeftButtonDown();
    if (blocked || !game_.currentMode) return;
    WriteDebugOutput("game checking click\n");
    game_.currentMode->OnLeftButtonDown();
}

void CInput::OnRightButtonDown() {
    if (blocked || !game_.currentMode || !game_.currentMode->IsDesktop()) return;
    game_.currentMode->OnRightButtonDown();
}

void CInput::OnKeyPressed(int scanCode) {
    if (scanCode == DIK_F12) game_.RequestScreenshot();
    if (game_.currentMode) game_.currentMode->OnKeyDown(scanCode);
}

void CInput::OnTextInput(const std::string& text) {
    if (game_.currentMode) game_.currentMode->OnTextInput(text);
}
