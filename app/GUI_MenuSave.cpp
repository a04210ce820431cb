#include "GUI_MenuSave.h"

#include "GHashTable.h"
#include "GUI_Dialog.h"
#include "GUI_Shell.h"
#include "GUI_Style.h"
#include "GUI_TextField.h"
#include "InputManager.h"
#include "LibString.h"
#include "Platform.h"
#include "SIM_SaveGame.h"

#include <algorithm>
#include <filesystem>

namespace {
// Layout: the name and its Save button on top, the slots under them.
constexpr float kLeft = 192.0f, kRight = 792.0f;
constexpr float kFieldTop = 104.0f, kFieldH = 44.0f;
constexpr float kSlotsTop = 190.0f;
constexpr float kButtonW = 220.0f, kButtonH = 40.0f, kButtonY = 680.0f;
constexpr float kSaveW = 140.0f;
}  // namespace

void GUI_OverwriteConfirm::Ask(std::function<void()> onYes) {
    GUI_ConfirmDialog::Labels labels;
    labels.ok = "SAVE_OVERWRITE_YES";
    labels.okTooltip = "SAVE_OVERWRITE_YES_TOOLTIP";
    labels.cancel = "SAVE_OVERWRITE_NO";
    labels.cancelTooltip = "SAVE_OVERWRITE_NO_TOOLTIP";
    GUI_ConfirmDialog::Ask("SAVE_OVERWRITE_CONFIRM", Translate("SAVE_OVERWRITE_WARNING"), std::move(onYes), {}, labels);
}

std::string GUI_MenuSave::NameRefusal(const std::string& name) {
    if (name.empty()) return {};
    if (IsReservedSaveName(name)) {
        std::string reason = Translate("SAVEGAME_RESERVED_TEXT");
        ReplaceToken(reason, "<NAME>", name);
        return reason;
    }
    return IsValidSaveName(name) ? std::string() : Translate("SAVEGAME_BADNAME_TEXT");
}

GUI_MenuSave::GUI_MenuSave() {
    // Typed names are kept within 63 characters and the screen's width, and within what the
    // save writer accepts, which is stricter: a refused character says why at once.
    const float widest = std::min(static_cast<float>(kScreenWidth) - 64.0f, kRight - kSaveW - 12.0f - kLeft - 16.0f);
    name_ = Add<GUI_TextField>(kMaxTyped, widest, GUI_Style::kTitle);
    name_->SetRect(kLeft, kFieldTop, kRight - kSaveW - 12.0f, kFieldTop + kFieldH);
    name_->check = [](const std::string& candidate) { return NameRefusal(candidate); };
    name_->onReturn = [this] { Save(); };
    Add<GUI_ButtonText>("MENU_SAVE", [this] { Save(); }, "TOOLTIP_MENU_SAVE")
        ->SetRect(kRight - kSaveW, kFieldTop, kRight, kFieldTop + kFieldH);
    page_ = std::make_unique<GUI_SlotPage>(*this, kLeft, kSlotsTop, kRight);
    const float cx = 512.0f;
    Add<GUI_ButtonText>("MENU_MAINMENU", [] { Shell().SwitchGameMode(MODE_MENU_MAIN); }, "TOOLTIP_MENU_MAINMENU")
        ->SetRect(cx - kButtonW / 2.0f, kButtonY, cx + kButtonW / 2.0f, kButtonY + kButtonH);
}

void GUI_MenuSave::OnEnter() {
    name_->SetText("default");
    name_->Focus();
    std::vector<GUI_SaveEntry> entries = ListSaves(SaveGameFolder(), false);
    // The autosave is the game's own: it is not offered as a name to save under.
    entries.erase(std::remove_if(entries.begin(), entries.end(), [](const GUI_SaveEntry& e) { return e.autosave; }),
                  entries.end());
    entries.insert(entries.begin(), GUI_SaveEntry{});
    page_->SetEntries(std::move(entries), [this](const GUI_SaveEntry& entry, const GRect& area) {
        auto* slot = Add<GUI_SaveGameSlot>(entry, [this, name = entry.name] {
            name_->SetText(name.empty() ? "default" : name);
            name_->Focus();
        });
        slot->SetRect(area.left, area.top, area.right, area.bottom);
        return std::vector<GUI_BaseElement*>{slot};
    });
}

void GUI_MenuSave::Save() {
    const std::string name = name_->Text();
    const std::string refusal = name.empty() ? Translate("SAVEGAME_BADNAME_TEXT") : NameRefusal(name);
    if (!refusal.empty()) {
        name_->Refuse(refusal);
        return;
    }
    std::error_code ec;
    if (std::filesystem::exists(SaveGamePath(name), ec)) GUI_OverwriteConfirm::Ask([this, name] { Write(name); });
    else Write(name);
}

void GUI_MenuSave::Write(const std::string& name) {
    // A failed save tells the player why and stays here; the earlier file is untouched.
    if (!SaveGame(name)) return;
    name_->Blur();
    Shell().SwitchGameMode(MODE_MENU_MAIN);
}

void GUI_MenuSave::OnMenuKey(int key) {
    if (key == DIK_ESCAPE) Shell().SwitchGameMode(MODE_MENU_MAIN);
    else if (key == DIK_UP || key == DIK_DOWN) page_->Scroll(key == DIK_UP ? -1 : 1);
}

void GUI_MenuSave::DrawBackground() { DrawTitledScreen("SAVEGAME_TITLE", "SAVEGAME_HELP"); }
