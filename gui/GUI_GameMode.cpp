#include "GUI_GameMode.h"

#include "GUI_Style.h"
#include "LibString.h"
#include "Renderer.h"
#include "SIM_Band.h"
#include "SIM_CareerStage.h"
#include "SIM_Screens.h"

namespace {
// Layout: the picture on the left, the words beside it, the button at the bottom right.
constexpr int kWidth = 820, kHeight = 400;
constexpr float kPictureW = 400.0f, kPictureH = 300.0f;
constexpr float kGap = 16.0f;
constexpr float kButtonW = 180.0f, kButtonH = 34.0f;
}  // namespace

GUI_GameMode* GUI_GameMode::Open(int stage) {
    if (GUI_GameMode* open = WindowList().Find<GUI_GameMode>()) open->Close();
    GUI_GameMode* window = WindowList().Open<GUI_GameMode>(stage);
    WindowList().AddModal(window);
    return window;
}

GUI_GameMode::GUI_GameMode(int stage) : GUI_Dialog(GetCareerStage().Title(stage)), stage_(stage) {
    name = "stage announcement";
    description_ = GetCareerStage().Description(stage);
    ReplaceToken(description_, "<BANDNAME>", GetBand().Name);
    SetRect(0, 0, kWidth, kHeight);
    CentreOnScreen();
    auto* next = Add<GUI_ButtonText>("GAMEMODE_CONTINUE", [this] { MoveOn(); }, "GAMEMODE_CONTINUE_TOOLTIP");
    const float right = static_cast<float>(client.right), bottom = static_cast<float>(client.bottom);
    next->SetRect(right - kButtonW, bottom - kButtonH, right, bottom);
}

void GUI_GameMode::MoveOn() {
    if (Closed()) return;
    Close();
    // A new career's first look at the desktop comes with its introduction.
    if (stage_ == 0) Screens().TriggerHint("introduction");
}

bool GUI_GameMode::OnKeyPress(int key) {
    if (!IsMoveOnKey(key)) return false;
    MoveOn();
    return true;
}

void GUI_GameMode::DrawForeground() {
    const float x = static_cast<float>(client.left), y = static_cast<float>(client.top) + 8.0f;
    Renderer().DrawTexture(SIM_CareerStage::Picture(stage_), x, y, kPictureW, kPictureH);
    const float textX = x + kPictureW + kGap;
    DrawTextWrapped(GUI_Style::kBody, description_, textX, y, static_cast<float>(client.right) - textX, GUI_Style::kCream);
}
