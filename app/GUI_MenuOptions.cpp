#include "GUI_MenuOptions.h"

#include "GHashTable.h"
#include "GUI_Backdrop.h"
#include "GUI_ButtonTypes.h"
#include "GUI_Shell.h"
#include "GUI_SliderControl.h"
#include "GUI_Sounds.h"
#include "GUI_Style.h"
#include "InputManager.h"
#include "LibConfigSection.h"
#include "LibFont.h"
#include "Platform.h"
#include "Renderer.h"
#include "SIM_PlayerOptions.h"
#include "SIM_SIM.h"

namespace {
// Layout: one column in the middle of the screen.
constexpr GRect kPanel{212.0f, 120.0f, 812.0f, 660.0f};
constexpr float kColumnX = 292.0f, kColumnW = 440.0f;
constexpr float kFirstSliderY = 214.0f, kSliderStep = 62.0f, kSliderH = 16.0f;
constexpr float kFirstCheckY = 392.0f, kCheckStep = 40.0f;
constexpr float kSkinY = 524.0f, kArrow = 32.0f, kSkinNameW = 200.0f;
constexpr float kButtonW = 240.0f, kButtonH = 40.0f, kButtonY = 600.0f;
}  // namespace

bool DisplayIsWindowed() {
    LibConfigSection config;
    config.Load("config", DisplaySettingsFile());
    return static_cast<int>(config.GetFloat("IsWindowed", 0.0f)) == 1;
}

GUI_MenuOptions::GUI_MenuOptions() {
    SIM_PlayerOptions& options = PlayerOptions();
    struct SliderRow {
        const char* key;
        float* value;
        std::function<void()> apply;
    };
    const SliderRow sliders[] = {
        {"OPTIONS_MOUSESPEED", &options.mouseSpeed, [] { Shell().Input().SetMouseSpeed(PlayerOptions().mouseSpeed); }},
        {"OPTIONS_MUSIC_VOLUME", &options.musicVolume, [] { Sounds().ApplyMusicVolume(); }},
        {"OPTIONS_MASTER_VOLUME", &options.masterVolume, [] { Sounds().ApplyMasterVolume(); }},
    };
    float y = kFirstSliderY;
    for (const SliderRow& row : sliders) {
        Add<GUI_SliderControl>(row.key, row.value, row.apply)->SetRect(kColumnX, y, kColumnX + kColumnW, y + kSliderH);
        y += kSliderStep;
    }
    y = kFirstCheckY;
    fullScreen_ = Add<GUI_CheckButton>("OPTIONS_FULLSCREEN", [this] {
        Shell().ToggleWindowed();
        fullScreen_->checked = !DisplayIsWindowed();  // as the display really is now
    });
    music_ = Add<GUI_CheckButton>("OPTIONS_TOGGLEMUSIC", [this] {
        PlayerOptions().musicOn = music_->checked;
        if (music_->checked) Sounds().PlayMusic("data/sounds/music/titlemusic.ogg");
        else Sounds().StopMusic();
    });
    autosave_ = Add<GUI_CheckButton>("OPTIONS_TOGGLEAUTOSAVE", [this] { PlayerOptions().autosaveOn = autosave_->checked; });
    for (auto [box, tooltip] : {std::pair{fullScreen_, "OPTIONS_TOOLTIP_FULLSCREEN"}, std::pair{music_, "OPTIONS_TOGGLEMUSIC_TOOLTIP"},
                                std::pair{autosave_, "OPTIONS_TOGGLEAUTOSAVE_TOOLTIP"}}) {
        box->SetTooltipKey(tooltip);
        box->SetRect(kColumnX, y, kColumnX + kColumnW, y + GUI_CheckButton::kBoxSize);
        y += kCheckStep;
    }
    // The desktop skin: the arrows step through the skins found.
    const float arrowsX = kColumnX + kColumnW - kSkinNameW - 2.0f * kArrow;
    auto* previous = Add<GUI_IconButton>("left.dds", "left_h.dds", [] { StepSkin(-1); });
    previous->SetRect(arrowsX, kSkinY, arrowsX + kArrow, kSkinY + kArrow);
    previous->SetTooltipKey("OPTIONS_SKIN_TOOLTIP");
    auto* next = Add<GUI_IconButton>("right.dds", "right_h.dds", [] { StepSkin(1); });
    next->SetRect(kColumnX + kColumnW - kArrow, kSkinY, kColumnX + kColumnW, kSkinY + kArrow);
    next->SetTooltipKey("OPTIONS_SKIN_TOOLTIP");
    const float cx = static_cast<float>(kScreenWidth) / 2.0f;
    Add<GUI_ButtonText>("MENU_MAINMENU", [this] { Leave(); }, "TOOLTIP_MENU_MAINMENU")
        ->SetRect(cx - kButtonW / 2.0f, kButtonY, cx + kButtonW / 2.0f, kButtonY + kButtonH);
}

void GUI_MenuOptions::StepSkin(int delta) {
    GUI_Backdrop& backdrop = Backdrop();
    backdrop.SetSkin(GetSIM().skin);
    if (delta < 0) backdrop.PreviousSkin();
    else backdrop.NextSkin();
    GetSIM().skin = backdrop.Skin();
}

void GUI_MenuOptions::OnEnter() {
    fullScreen_->checked = !DisplayIsWindowed();
    music_->checked = PlayerOptions().musicOn;
    autosave_->checked = PlayerOptions().autosaveOn;
}

void GUI_MenuOptions::Leave() {
    SavePlayerOptions();
    Shell().SwitchGameMode(MODE_MENU_MAIN);
}

void GUI_MenuOptions::OnMenuKey(int key) {
    if (key == DIK_ESCAPE) Leave();
}

void GUI_MenuOptions::DrawBackground() {
    GUI_MenuBase::DrawBackground();
    DrawFramedBox(kPanel, GUI_Style::kWindowFrame);
    DrawText(GUI_Style::kTitle, Translate("MENU_OPTIONS"), (kPanel.left + kPanel.right) / 2.0f, kPanel.top + 14.0f,
             GUI_Style::kGold, TEXT_CENTRED);
    using GUI_Style::kHeading;
    DrawText(kHeading, Translate("OPTIONS_SKIN"), kColumnX, kSkinY + (kArrow - kHeading.size) / 2.0f, GUI_Style::kCream);
    const float nameX = kColumnX + kColumnW - kArrow - kSkinNameW / 2.0f;
    DrawText(kHeading, FitText(kHeading, GetSIM().skin, kSkinNameW - 8.0f), nameX, kSkinY + (kArrow - kHeading.size) / 2.0f,
             GUI_Style::kAmber, TEXT_CENTRED);
}
