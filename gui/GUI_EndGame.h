#pragma once
// The end of the game: once the career's last year is out, a full-screen verdict on its fame
// and fortune, shown as two meters of mixer lights, with the choice to take a bow (back to the
// main menu, the career over) or to play on. SIM_EndGameModel holds what it says.
//
// While it is open the day that ended the game stands still; playing on finishes that day, so
// its options come up as on any other.
#include "GUI_WindowBase.h"
#include "SIM_CareerReview.h"

class GUI_ButtonText;

class GUI_EndGame : public GUI_WindowBase {
public:
    static GUI_EndGame* Open();
    static GUI_EndGame* Current();

    GUI_EndGame();
    const SIM_EndGameModel& Model() const { return model_; }
    GUI_ButtonText* ContinueButton() const { return continue_; }
    GUI_ButtonText* MainMenuButton() const { return mainMenu_; }
    bool IsDialog() const override { return true; }

protected:
    void DrawBackground() override;

private:
    void PlayOn();
    void TakeABow();
    void DrawMeter(float meter, float left, float top) const;

    SIM_EndGameModel model_;
    std::vector<std::string> text_;  // wrapped once
    GUI_ButtonText* continue_ = nullptr;
    GUI_ButtonText* mainMenu_ = nullptr;
};
