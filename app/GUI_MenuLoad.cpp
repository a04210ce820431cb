#include "GUI_MenuLoad.h"

#include "GHashTable.h"
#include "GUI_Dialog.h"
#include "GUI_MessageBox.h"
#include "GUI_Shell.h"
#include "Game.h"
#include "InputManager.h"
#include "LibErrors.h"
#include "LibString.h"
#include "SIM_SaveGame.h"

#include <filesystem>

namespace {
// Layout: the slots down the middle, the delete box at each slot's right end.
constexpr float kLeft = 192.0f, kRight = 792.0f, kTop = 110.0f;
constexpr float kDeleteSize = 28.0f, kDeleteGap = 12.0f;
constexpr float kButtonW = 220.0f, kButtonH = 40.0f, kButtonY = 680.0f;
}  // namespace

GUI_MenuLoad::GUI_MenuLoad() {
    page_ = std::make_unique<GUI_SlotPage>(*this, kLeft, kTop, kRight);
    const float cx = 512.0f;
    Add<GUI_ButtonText>("MENU_MAINMENU", [] { Shell().SwitchGameMode(MODE_MENU_MAIN); }, "TOOLTIP_MENU_MAINMENU")
        ->SetRect(cx - kButtonW / 2.0f, kButtonY, cx + kButtonW / 2.0f, kButtonY + kButtonH);
}

void GUI_MenuLoad::OnEnter() {
    page_->SetEntries(ListSaves(SaveGameFolder(), true), [this](const GUI_SaveEntry& entry, const GRect& area) {
        std::vector<GUI_BaseElement*> made;
        auto* slot = Add<GUI_LoadGameSlot>(entry, [this, entry] { Load(entry); });
        slot->SetRect(area.left, area.top, area.right - kDeleteSize - kDeleteGap, area.bottom);
        made.push_back(slot);
        auto* remove = Add<GUI_DeleteGameButton>([this, name = entry.name] { AskDelete(name); });
        const float cy = (area.top + area.bottom) / 2.0f;
        remove->SetRect(area.right - kDeleteSize, cy - kDeleteSize / 2.0f, area.right, cy + kDeleteSize / 2.0f);
        made.push_back(remove);
        return made;
    });
}

void GUI_MenuLoad::Load(const GUI_SaveEntry& entry) {
    if (!entry.summary) {
        // A damaged save is never loaded: the player is told why, and stays here.
        std::string text = Translate("LOADGAME_FAILED_TEXT");
        ReplaceToken(text, "<REASON>", entry.problem);
        GUI_MessageBox::Show(Translate("LOADGAME_FAILED_TITLE"), text);
        return;
    }
    // On a refused file the game tells why and play stays where it was (here).
    GetGame().LoadSavedGame(entry.name);
}

void GUI_MenuLoad::AskDelete(const std::string& name) {
    GUI_ConfirmDialog::Ask("LOADGAME_DELETE_TITLE", Translate("LOADGAME_DELETE_TEXT"), [this, name] { Delete(name); });
}

void GUI_MenuLoad::Delete(const std::string& name) {
    std::error_code ec;
    const std::string path = SaveGamePath(name);
    // A file already gone (deleted from outside meanwhile) is simply not listed again.
    if (!std::filesystem::remove(path, ec) && ec) {
        REPORT_ERROR("Failed to delete file");
        GUI_MessageBox::Show(Translate("LOADGAME_DELETE_FAILED_TITLE"), path + ": " + ec.message());
    }
    OnEnter();
}

void GUI_MenuLoad::OnMenuKey(int key) {
    if (key == DIK_ESCAPE) Shell().SwitchGameMode(MODE_MENU_MAIN);
    else if (key == DIK_UP || key == DIK_PRIOR) page_->Scroll(key == DIK_UP ? -1 : -GUI_SlotPage::kVisible);
    else if (key == DIK_DOWN || key == DIK_NEXT) page_->Scroll(key == DIK_DOWN ? 1 : GUI_SlotPage::kVisible);
}

void GUI_MenuLoad::DrawBackground() { DrawTitledScreen("LOADGAME_TITLE", "LOADGAME_HELP"); }
