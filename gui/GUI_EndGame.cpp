#include "GUI_EndGame.h"

#include "GUI_ButtonTypes.h"
#include "GUI_CareerChart.h"
#include "GUI_Shell.h"
#include "GUI_Sounds.h"
#include "GUI_Style.h"
#include "GUI_YearlyReview.h"
#include "LibFont.h"
#include "Platform.h"
#include "Renderer.h"
#include "SIM_SIM.h"

namespace {
using GUI_Style::kBody;

// ---- Layout, inside the stitching of the leather: the title and the words at the top (as the
// yearly review draws them), the signed band's picture on the left, on the right fame and
// fortune each with its meter and the two other figures under them, the whole career's chart
// across the screen under both; play on at the bottom left, the main menu at the bottom right.
constexpr GUI_Style::Font kLabelFont = GUI_Style::kHeading;
constexpr float kScreenW = static_cast<float>(kScreenWidth);
constexpr float kScreenH = static_cast<float>(kScreenHeight);
constexpr float kTextY = 100.0f;
constexpr float kTextW = 760.0f;  // narrower than the screen, so two lines share the words
constexpr std::size_t kTextLines = 3;
constexpr float kPictureX = 112.0f, kPictureY = 216.0f, kPictureW = 320.0f, kPictureH = 240.0f;
constexpr float kPictureRim = 8.0f;
constexpr float kFiguresLeft = 520.0f, kFiguresRight = 952.0f;
constexpr float kFiguresTop = 216.0f;
constexpr float kFigureRow = 40.0f;   // a label and its figure
constexpr float kMeterRow = 48.0f;    // a meter under its figure, with the gap after it
constexpr float kButtonH = 30.0f;
constexpr float kButtonsY = kScreenH - 18.0f - kButtonH;
constexpr GRect kContinueArea{10.0f, kButtonsY, 150.0f, kButtonsY + kButtonH};
constexpr GRect kMainMenuArea{kScreenW - 10.0f - 130.0f, kButtonsY, kScreenW - 10.0f, kButtonsY + kButtonH};
constexpr GRect kChartArea{64.0f, 488.0f, kScreenW - 64.0f, kButtonsY - 12.0f};

// ---- A meter: two rows of lights, lit from the left as far as the meter reaches.
constexpr int kLights = 16;
constexpr float kLightW = 24.0f, kLightH = 10.0f, kLightGap = 3.0f, kRowGap = 4.0f;

const char* LightPicture(SIM_EndGameModel::Light light) {
    switch (light) {
        case SIM_EndGameModel::kYellow: return "mix_led_yellow.bmp";
        case SIM_EndGameModel::kRed: return "mix_led_red.bmp";
        default: return "mix_led_green.bmp";
    }
}

GUI_EndGame* gEndGame = nullptr;
}  // namespace

GUI_EndGame* GUI_EndGame::Current() { return gEndGame && !gEndGame->Closed() ? gEndGame : nullptr; }

GUI_EndGame* GUI_EndGame::Open() {
    if (GUI_EndGame* open = Current()) open->Close();
    GUI_EndGame* window = WindowList().Open<GUI_EndGame>();
    WindowList().AddModal(window);
    Shell().StartFade(false, {});
    return window;
}

GUI_EndGame::GUI_EndGame() {
    name = "end of the game";
    gEndGame = this;
    SetRect(0.0f, 0.0f, kScreenW, kScreenH);
    text_ = WrapLines(kBody, model_.text, kTextW, kTextLines);
    Add<GUI_CareerChart>(model_.weeks, kChartArea);
    continue_ = Add<GUI_ButtonText>("ENDGAME_CONTINUE", [this] { PlayOn(); }, "ENDGAME_CONTINUE_TOOLTIP");
    continue_->SetRect(kContinueArea.left, kContinueArea.top, kContinueArea.right, kContinueArea.bottom);
    mainMenu_ = Add<GUI_ButtonText>("ENDGAME_MAINMENU", [this] { TakeABow(); }, "ENDGAME_MAINMENU_TOOLTIP");
    mainMenu_->SetRect(kMainMenuArea.left, kMainMenuArea.top, kMainMenuArea.right, kMainMenuArea.bottom);
    // The crowd's verdict sounds alone; the music comes back however the screen closes.
    Sounds().PauseMusic();
    PlaySoundIfPresent(model_.sound);
    onClosed = [this] {
        if (gEndGame == this) gEndGame = nullptr;
        Sounds().ResumeMusic();
    };
}

void GUI_EndGame::PlayOn() {
    if (Closed()) return;
    Close();
    // The day that ended the game goes on from where it stopped: its options, its stage.
    GetSIM().FinishNewDay();
}

void GUI_EndGame::TakeABow() {
    if (Closed()) return;
    Close();
    Shell().LeaveGame();
}

void GUI_EndGame::DrawMeter(float meter, float left, float top) const {
    const int lit = SIM_EndGameModel::LitLights(meter, kLights);
    GRenderer& renderer = Renderer();
    for (int row = 0; row < 2; ++row) {
        const float y = top + static_cast<float>(row) * (kLightH + kRowGap);
        for (int i = 0; i < kLights; ++i) {
            const char* picture = i < lit ? LightPicture(SIM_EndGameModel::LightColour(i, kLights)) : "mix_led_black.bmp";
            renderer.DrawTexture(picture, left + static_cast<float>(i) * (kLightW + kLightGap), y, kLightW, kLightH);
        }
    }
}

void GUI_EndGame::DrawBackground() {
    DrawYearScreenHead(model_.title, text_, kTextY);
    DrawFramedBox({kPictureX - kPictureRim, kPictureY - kPictureRim, kPictureX + kPictureW + kPictureRim,
                   kPictureY + kPictureH + kPictureRim},
                  GUI_Style::kWindowFrame);
    Renderer().DrawTexture("gamemode_signed.jpg", kPictureX, kPictureY, kPictureW, kPictureH);

    // Fame and fortune each over its meter, then the gigs and the audience.
    const float meters[] = {model_.fameMeter, model_.fortuneMeter};
    float y = kFiguresTop;
    for (std::size_t i = 0; i < model_.lines.size(); ++i) {
        const SIM_ReviewLine& line = model_.lines[i];
        const float figureW = static_cast<float>(MeasureText(GUI_Style::kLcd, line.value));
        const float labelRoom = kFiguresRight - kFiguresLeft - figureW - 16.0f;
        DrawText(kLabelFont, FitText(kLabelFont, line.label, labelRoom), kFiguresLeft, y + 3.0f, GUI_Style::kCream);
        DrawText(GUI_Style::kLcd, line.value, kFiguresRight, y, GUI_Style::kAmber, TEXT_RIGHT);
        y += kFigureRow;
        if (i < std::size(meters)) {
            DrawMeter(meters[i], kFiguresLeft, y);
            y += kMeterRow;
        }
    }
}
