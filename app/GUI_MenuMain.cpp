#include "GUI_MenuMain.h"

#include "GUI_Sounds.h"
#include "Game.h"
#include "LibFont.h"
#include "Renderer.h"

void GUI_MenuMain::Draw() {
    GRenderer& renderer = Renderer();
    renderer.DrawTexture("base_background.bmp", 0.0f, 0.0f, renderer.ScreenWidth(), renderer.ScreenHeight());
    LibFontManager& text = FontManager();
    text.SelectFont("verdana14.dds");
    text.SetSize(14.0f);
    text.DrawWrapped(GetGame().buildLabel, renderer.ScreenWidth() - 210.0f, renderer.ScreenHeight() - 18.0f,
                     0xFFFFFFFF, 200.0f);
}

void GUI_MenuMain::OnLeftButtonDown() { PlaySoundIfPresent("data/sounds/click.ogg"); }

void GUI_MenuMain::OnKeyDown(int key) {
    Game& game = GetGame();
    if (key == DIK_ESCAPE) {
        game.RequestQuit();
    } else if (key == DIK_RETURN && (game.Input().IsKeyDown(DIK_LMENU) || game.Input().IsKeyDown(DIK_RMENU))) {
        game.ToggleWindowed();
    }
}
