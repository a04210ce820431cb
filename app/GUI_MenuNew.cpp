#include "GUI_MenuNew.h"

#include "GHashTable.h"
#include "GUI_Shell.h"
#include "GUI_Style.h"
#include "GUI_TextField.h"
#include "Game.h"
#include "InputManager.h"
#include "LibFileList.h"
#include "LibFont.h"
#include "Platform.h"
#include "Renderer.h"
#include "SIM_Names.h"
#include "SIM_PeopleSeams.h"
#include "SIM_Person.h"
#include "SIM_Screens.h"

#include <algorithm>

namespace {
// Layout: one panel in the middle of the screen.
constexpr GRect kPanel{152.0f, 100.0f, 872.0f, 680.0f};
constexpr float kLabelX = 192.0f, kFieldX = 192.0f, kFieldW = 460.0f, kFieldH = 40.0f;
constexpr float kRandomX = 668.0f, kRandomW = 164.0f;
constexpr float kPlayerLabelY = 160.0f, kPlayerFieldY = 186.0f;
constexpr float kBandLabelY = 262.0f, kBandFieldY = 288.0f;
constexpr float kAvatarLabelY = 364.0f;
constexpr GRect kAvatarRow{192.0f, 392.0f, 832.0f, 520.0f};
constexpr float kButtonsY = 612.0f, kButtonW = 220.0f, kButtonH = 40.0f;
constexpr float kThumb = 96.0f, kArrow = 40.0f;

GUI_ButtonText* PlaceButton(GUI_ButtonText* button, float x, float y, float w, float h) {
    button->SetRect(x, y, x + w, y + h);
    return button;
}
}  // namespace

// ---- The avatar chooser ----

void GUI_AvatarThumbnail::Draw() {
    const GRect r = Area();
    if (chosen) Renderer().FillRect(r.left - 4.0f, r.top - 4.0f, r.right - r.left + 8.0f, r.bottom - r.top + 8.0f, GUI_Style::kGold);
    else if (Lit()) Renderer().FillRect(r.left - 2.0f, r.top - 2.0f, r.right - r.left + 4.0f, r.bottom - r.top + 4.0f, 0xFF8C6A3A);
    Renderer().DrawTexture(picture, r.left, r.top, r.right - r.left, r.bottom - r.top);
    RecordControl();
    GUI_ButtonBase::Draw();
}

GUI_AvatarChooser::GUI_AvatarChooser() {
    Add<GUI_IconButton>("left.dds", "left_h.dds", [this] { Step(-1); });
    Add<GUI_IconButton>("right.dds", "right_h.dds", [this] { Step(1); });
    for (int i = 0; i < kShown; ++i) thumbnails_.push_back(Add<GUI_AvatarThumbnail>("", nullptr));
}

void GUI_AvatarChooser::FindAvatars(const std::string& userFolder) {
    avatars_.clear();
    for (const std::string& folder : {std::string("data/bitmaps/avatars"), userFolder + "/mods/avatars"}) {
        LibFileList files;
        files.FindFiles(folder + "/*.jpg");
        for (const std::string& name : files.names)
            if (AvatarGender(name) >= 0 && std::find(avatars_.begin(), avatars_.end(), name) == avatars_.end())
                avatars_.push_back(name);
    }
    chosen_ = 0;
    Refresh();
}

void GUI_AvatarChooser::Step(int delta) {
    if (avatars_.empty()) return;
    const int count = static_cast<int>(avatars_.size());
    Choose(static_cast<std::size_t>(((static_cast<int>(chosen_) + delta) % count + count) % count));
}

void GUI_AvatarChooser::Choose(std::size_t index) {
    if (index < avatars_.size()) chosen_ = index;
    Refresh();
}

const std::string& GUI_AvatarChooser::Chosen() const {
    static const std::string none;
    return avatars_.empty() ? none : avatars_[chosen_];
}

void GUI_AvatarChooser::Refresh() {
    // The chosen face sits in the middle of the row, its neighbours either side.
    const int count = static_cast<int>(avatars_.size());
    const int shownCount = std::min(count, kShown);
    const int lowest = -(shownCount - 1) / 2, highest = shownCount / 2;
    for (int slot = 0; slot < kShown; ++slot) {
        GUI_AvatarThumbnail* thumb = thumbnails_[static_cast<std::size_t>(slot)];
        const int offset = slot - kShown / 2;
        thumb->visible = count > 0 && offset >= lowest && offset <= highest;
        if (!thumb->visible) continue;
        const std::size_t index = static_cast<std::size_t>(((static_cast<int>(chosen_) + offset) % count + count) % count);
        thumb->picture = avatars_[index];
        thumb->chosen = offset == 0;
        thumb->callback = [this, index] { Choose(index); };
    }
}

void GUI_AvatarChooser::SetRect(float left, float top, float right, float bottom) {
    GUIButtonList::SetRect(left, top, right, bottom);
    const float cy = (top + bottom) / 2.0f;
    elements_[0]->SetRect(left, cy - kArrow / 2.0f, left + kArrow, cy + kArrow / 2.0f);
    elements_[1]->SetRect(right - kArrow, cy - kArrow / 2.0f, right, cy + kArrow / 2.0f);
    const float room = right - left - 2.0f * kArrow;
    const float step = room / static_cast<float>(kShown);
    for (int slot = 0; slot < kShown; ++slot) {
        const float cx = left + kArrow + step * (static_cast<float>(slot) + 0.5f);
        thumbnails_[static_cast<std::size_t>(slot)]->SetRect(cx - kThumb / 2.0f, cy - kThumb / 2.0f, cx + kThumb / 2.0f,
                                                             cy + kThumb / 2.0f);
    }
}

void GUI_AvatarChooser::Draw() { DrawButtons(); }

// ---- The set-up screen ----

GUI_MenuNew::GUI_MenuNew() {
    playerName_ = Add<GUI_TextField>(kMaxName, kFieldW - 16.0f);
    playerName_->SetRect(kFieldX, kPlayerFieldY, kFieldX + kFieldW, kPlayerFieldY + kFieldH);
    PlaceButton(Add<GUI_ButtonText>("NAME_RANDOMISE",
                                    [this] {
                                        const int gender = std::max(0, AvatarGender(avatars_->Chosen()));
                                        playerName_->SetText(GetNames().RandomForename(gender) + " " +
                                                             GetNames().RandomSurname());
                                    },
                                    "NAME_RANDOMISE_MAINMENU"),
                kRandomX, kPlayerFieldY, kRandomW, kFieldH);
    bandName_ = Add<GUI_TextField>(kMaxName, kFieldW - 16.0f);
    bandName_->SetRect(kFieldX, kBandFieldY, kFieldX + kFieldW, kBandFieldY + kFieldH);
    PlaceButton(Add<GUI_ButtonText>("MENU_BANDNAME_RANDOM", [this] { bandName_->SetText(RandomName(NAMES_BAND)); },
                                    "MENU_BANDNAME_RANDOM_TOOLTIP"),
                kRandomX, kBandFieldY, kRandomW, kFieldH);
    // Return moves on: from the player's name to the band's, from there to the start.
    playerName_->onReturn = [this] { bandName_->Focus(); };
    bandName_->onReturn = [this] { Start(); };
    avatars_ = Add<GUI_AvatarChooser>();
    avatars_->SetRect(kAvatarRow.left, kAvatarRow.top, kAvatarRow.right, kAvatarRow.bottom);
    PlaceButton(Add<GUI_ButtonText>("MENU_MAINMENU", [] { Shell().SwitchGameMode(MODE_MENU_MAIN); }, "TOOLTIP_MENU_MAINMENU"),
                kPanel.left + 40.0f, kButtonsY, kButtonW, kButtonH);
    PlaceButton(Add<GUI_ButtonText>("MENU_START", [this] { Start(); }, "TOOLTIP_MENU_START"),
                kPanel.right - 40.0f - kButtonW, kButtonsY, kButtonW, kButtonH);
}

void GUI_MenuNew::OnEnter() {
    avatars_->FindAvatars(GetGame().userFolder);
    const int gender = std::max(0, AvatarGender(avatars_->Chosen()));
    playerName_->SetText(GetNames().RandomForename(gender) + " " + GetNames().RandomSurname());
    bandName_->SetText(RandomName(NAMES_BAND));
    playerName_->Focus();
    Screens().TriggerHint("new game screen");
}

void GUI_MenuNew::Start() {
    if (playerName_->Text().empty()) {
        playerName_->Refuse(Translate("MENU_NAME_NEEDED"));
        return;
    }
    if (bandName_->Text().empty()) {
        bandName_->Refuse(Translate("MENU_BANDNAME_NEEDED"));
        return;
    }
    if (avatars_->Chosen().empty()) return;
    playerName_->Blur();
    bandName_->Blur();
    SIM_NewGameSettings& settings = NewGameSettings();
    settings.playerName = playerName_->Text();
    settings.bandName = bandName_->Text();
    settings.avatar = avatars_->Chosen();
    GetGame().StartPlaying();
    Screens().OpenStageAnnouncement(0);
}

void GUI_MenuNew::OnMenuKey(int key) {
    if (key == DIK_ESCAPE) Shell().SwitchGameMode(MODE_MENU_MAIN);
}

void GUI_MenuNew::DrawBackground() {
    Renderer().DrawTexture("leather.jpg", 0.0f, 0.0f, static_cast<float>(kScreenWidth), static_cast<float>(kScreenHeight));
    DrawFramedBox(kPanel, GUI_Style::kWindowFrame);
    DrawText(GUI_Style::kTitle, Translate("USER_INTERFACE"), (kPanel.left + kPanel.right) / 2.0f, kPanel.top + 14.0f,
             GUI_Style::kGold, TEXT_CENTRED);
    DrawText(GUI_Style::kSubheading, Translate("MENU_PLAYERNAME"), kLabelX, kPlayerLabelY, GUI_Style::kCream);
    DrawText(GUI_Style::kSubheading, Translate("MENU_BANDNAME"), kLabelX, kBandLabelY, GUI_Style::kCream);
    DrawText(GUI_Style::kSubheading, Translate("MENU_CHOOSE_AVATAR"), kLabelX, kAvatarLabelY, GUI_Style::kCream);
}
