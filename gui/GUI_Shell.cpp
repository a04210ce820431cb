#include "GUI_Shell.h"

#include "InputManager.h"

namespace {
GUI_Shell* gShell = nullptr;
}  // namespace

GUI_Shell& Shell() { return *gShell; }
void SetShell(GUI_Shell* shell) { gShell = shell; }

bool AltHeld() {
    const CBaseInputManager& input = Shell().Input();
    return input.IsKeyDown(DIK_LMENU) || input.IsKeyDown(DIK_RMENU);
}
