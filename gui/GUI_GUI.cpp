#include "GUI_GUI.h"

#include "GHashTable.h"
#include "GUI_Activities.h"
#include "GUI_Backdrop.h"
#include "GUI_ControlPanel.h"
#include "GUI_DailyOptions.h"
#include "GUI_Dialog.h"
#include "GUI_HintHelp.h"
#include "GUI_Shell.h"
#include "GUI_Shop.h"
#include "GUI_Sounds.h"
#include "GUI_StatusWindows.h"
#include "GUI_TextField.h"
#include "GUI_WindowBase.h"
#include "InputManager.h"
#include "SIM_DailyOptions.h"
#include "SIM_Finances.h"
#include "SIM_FunctionTable.h"
#include "SIM_SIM.h"


GUI_GUI& Desktop() {
    static GUI_GUI desktop;
    return desktop;
}

GUI_GUI::GUI_GUI() = default;
GUI_GUI::~GUI_GUI() = default;

void GUI_GUI::SetUp(const std::string& userFolder) {
    if (setUpDone_) return;
    setUpDone_ = true;
    // The hints call these by name.
    GetFunctionTable().RegisterHook("HideNonAuditionButtons", [this] {
        if (controlPanel_) controlPanel_->HideNonAuditionButtons();
    });
    GetFunctionTable().RegisterHook("UnhideNonAuditionButtons", [this] {
        if (controlPanel_) controlPanel_->UnhideNonAuditionButtons();
    });
    Backdrop().FindSkins(userFolder);
    Sounds().StartMusicAndBanks();
}

void GUI_GUI::BuildWindows() {
    GUI_WindowList& windows = WindowList();
    windows.Open<GUI_Calendar>();
    windows.Open<GUI_Cash>();
    windows.Open<GUI_Fame>();
    windows.Open<GUI_Date>();
    windows.Open<GUI_BandState>();
    windows.Open<GUI_MessageBoard>();
    controlPanel_ = windows.Open<GUI_ControlPanel>([this](int activity) { StartActivity(activity); });
    controlPanel_->onClosed = [this] { controlPanel_ = nullptr; };
}

void GUI_GUI::Reset() {
    WindowList().CloseAll();
    activeWindow = nullptr;
    controlPanel_ = nullptr;
    items_.Clear();
    Backdrop().SetSkin(GetSIM().skin);
    BuildWindows();
    lastTick_ = Shell().Now();
}

void GUI_GUI::StartActivity(int activity) {
    if (activity == ACTIVITY_QUIT) {
        AskQuit();
        return;
    }
    if (activity == ACTIVITY_AUDITIONS) {
        OpenActivity(activity);
        return;
    }
    Shell().StartFade(true, [this, activity] {
        OpenActivity(activity);
        Shell().StartFade(false, {});
    });
}

void GUI_GUI::OpenActivity(int activity) {
    if (activity == ACTIVITY_TODAY) {
        // The remarks alone are worth the screen too: the button is lit for them.
        const SIM_DailyOptions& today = GetDailyOptions();
        if (!today.Options().empty() || !today.Messages().empty()) GUI_DailyOptions::Show();
        return;
    }
    switch (activity) {
        case ACTIVITY_AUDITIONS: OpenAuditions(); break;
        case ACTIVITY_BOOK_GIG: OpenBookGig(); break;
        case ACTIVITY_REHEARSAL: OpenRehearsal(); break;
        case ACTIVITY_WRITE_SONG: OpenWriteSong(); break;
        case ACTIVITY_STUDIO: OpenStudio(); break;
        case ACTIVITY_SHOPPING: OpenShop(); break;
        case ACTIVITY_PRACTICE: OpenPractice(); break;
        default: break;
    }
}

void GUI_GUI::AskQuit() {
    GUI_ConfirmDialog::Ask("CONFIRM_ATTEMPT_QUIT_TITLE", Translate("CONFIRM_ATTEMPT_QUIT_TEXT"),
                           [] { Shell().SwitchGameMode(MODE_MENU_MAIN); });
}

void GUI_GUI::Update() {
    // Real time spent on the desktop is the career's play time.
    const std::uint64_t now = Shell().Now();
    if (now > lastTick_) GetStatistics().AddPlayTime(static_cast<double>(now - lastTick_) / 1000.0);
    lastTick_ = now;
    if (GUI_HintHelp* hint = OpenHintWindow()) {
        hint->Update();
        return;
    }
    WindowList().UpdateWindows();
    items_.Update();
}

void GUI_GUI::Draw() {
    if (!WindowList().ScreenCovered()) {
        Backdrop().Draw();
        items_.Draw();
    }
    WindowList().DrawWindows();
}

void GUI_GUI::CountClick() { ++GetStatistics().desktopClicks; }

void GUI_GUI::OnLeftButtonDown() {
    CountClick();
    const CBaseInputManager& input = Shell().Input();
    if (GUI_TextField* field = FocusedTextField(); field && !field->HitTest(input.x, input.y)) field->Blur();
    if (WindowList().LeftButtonDown()) return;
    items_.OnLeftButtonDown(input.x, input.y);
}

void GUI_GUI::OnRightButtonDown() {
    CountClick();
    WindowList().RightButtonDown();
}

void GUI_GUI::OnKeyDown(int key) {
    // A full-screen activity has every key, unless a question or a hint is asked over it.
    GUI_WindowBase* active = activeWindow;
    if (!active && !WindowList().ExclusiveWindows().empty() && !WindowList().HasModal())
        active = WindowList().ExclusiveWindows().back();
    if (active) {
        active->OnNotify(key);
        return;
    }
    if (GUI_HintHelp* hint = OpenHintWindow()) {
        hint->OnKeyPress(key);
        return;
    }
    if (key == DIK_RETURN && AltHeld()) {
        Shell().ToggleWindowed();
        return;
    }
    if (WindowList().KeyToModal(key)) return;
    if (GUI_TextField* field = FocusedTextField(); field && field->OnKey(key)) return;
    if (key != DIK_ESCAPE) return;
    if (WindowList().AnyDialogOpen()) {
        WindowList().CloseTopDialog();
        return;
    }
    AskQuit();
}

void GUI_GUI::OnTextInput(const std::string& text) {
    if (GUI_TextField* field = FocusedTextField()) field->OnText(text);
}
