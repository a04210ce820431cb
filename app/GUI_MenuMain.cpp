#include "GUI_MenuMain.h"

#include "Game.h"
#include "Renderer.h"

void GUI_MenuMain::Draw() {
    GRenderer& renderer = Renderer();
    renderer.DrawTexture("base_background.bmp", 0.0f, 0.0f, renderer.ScreenWidth(), renderer.ScreenHeight());
}

void GUI_MenuMain::OnKeyDown(int key) {
    Game& game = GetGame();
    if (key == DIK_ESCAPE) {
        game.RequestQuit();
    } else if (key == DIK_RETURN && (game.Input().IsKeyDown(DIK_LMENU) || game.Input().IsKeyDown(DIK_RMENU))) {
        game.ToggleWindowed();
    }
}
