#include "GUI_MenuMain.h"

#include "GHashTable.h"
#include "GUI_ButtonTypes.h"
#include "GUI_Dialog.h"
#include "GUI_MessageBox.h"
#include "GUI_Shell.h"
#include "Game.h"
#include "LibDataFolder.h"
#include "LibFileList.h"
#include "LibFont.h"
#include "Platform.h"
#include "Renderer.h"

#include <filesystem>

namespace {
// Layout: the buttons stacked down the middle.
constexpr float kTop = 250.0f, kWidth = 320.0f, kHeight = 40.0f, kGap = 10.0f;
constexpr const char* kGuidePage = "data/guide/index.html";
}  // namespace

GUI_MenuMain::GUI_MenuMain() {
    // In the order they are stacked.
    resume_ = Add<GUI_ButtonText>("MENU_RESUMEGAME", [] { Shell().SwitchGameMode(MODE_DESKTOP); });
    Add<GUI_ButtonText>("MENU_STARTGAME", [] { Shell().SwitchGameMode(MODE_MENU_NEW); }, "TOOLTIP_MENU_STARTGAME");
    Add<GUI_ButtonText>("MENU_LOADGAME", [] { Shell().SwitchGameMode(MODE_MENU_LOAD); });
    save_ = Add<GUI_ButtonText>("MENU_SAVEGAME", [] { Shell().SwitchGameMode(MODE_MENU_SAVE); });
    Add<GUI_ButtonText>("MENU_OPTIONS", [] { Shell().SwitchGameMode(MODE_MENU_OPTIONS); });
    Add<GUI_ButtonText>("MENU_CREDITS", [] { Shell().SwitchGameMode(MODE_MENU_CREDITS); });
    Add<GUI_ButtonText>("MENU_WEBSITE", [] { OpenGuide(); }, "MENU_WEBSITE_TOOLTIP");
    Add<GUI_ButtonText>("MENU_QUITGAME", [] { AskQuit(); }, "TOOLTIP_QUITGAMEBUTTON");
    StackButtons(kTop, kWidth, kHeight, kGap);
}

void GUI_MenuMain::Update() {
    const bool inGame = Shell().InGame();
    if (save_->visible != inGame) {
        save_->visible = save_->enabled = inGame;
        resume_->visible = resume_->enabled = inGame;
        StackButtons(kTop, kWidth, kHeight, kGap);
    }
    GUI_MenuBase::Update();
}

void GUI_MenuMain::DrawBackground() {
    GRenderer& renderer = Renderer();
    renderer.DrawTexture("base_background.bmp", 0.0f, 0.0f, renderer.ScreenWidth(), renderer.ScreenHeight());
    LibFontManager& text = FontManager();
    text.SelectFont("verdana14.dds");
    text.SetSize(14.0f);
    text.DrawWrapped(GetGame().buildLabel, renderer.ScreenWidth() - 210.0f, renderer.ScreenHeight() - 18.0f, 0xFFFFFFFF,
                     200.0f);
}

void GUI_MenuMain::OnMenuKey(int key) {
    if (key == DIK_ESCAPE) AskQuit();
    else if (key == DIK_RETURN && AltHeld()) Shell().ToggleWindowed();
}

void GUI_MenuMain::AskQuit() {
    GUI_ConfirmDialog::Ask("CONFIRM_APP_QUIT_TITLE", Translate("CONFIRM_APP_QUIT_TEXT"), [] { Shell().Quit(); });
}

void GUI_MenuMain::OpenGuide() {
    std::error_code ec;
    const std::filesystem::path page = std::filesystem::absolute(DataFile(kGuidePage), ec);
    if (ec || !std::filesystem::exists(page, ec) || !OpenDocument(page.string()))
        GUI_MessageBox::Show(Translate("GUIDE_FAILED_TITLE"), Translate("GUIDE_FAILED_TEXT"));
}
