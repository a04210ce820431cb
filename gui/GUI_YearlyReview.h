#pragma once
// The yearly review: a full-screen look back over the band's career so far when a year of the
// game closes, with the career's figures, its chart and a card for each member. SIM_YearlyReviewModel
// holds what it says; the screen holds the music while the crowd claps and starts the title
// music again when the player moves on.
#include "GUI_WindowBase.h"
#include "SIM_CareerReview.h"

class GUI_ButtonText;

// Both screens that close the game's years open the same way: the leather over the whole
// screen, the title, and their words centred under it from linesTop.
void DrawYearScreenHead(const std::string& title, const std::vector<std::string>& lines, float linesTop);

// A member's card: his portrait and his name under it.
class GUI_ReviewPortrait : public GUI_BaseElement {
public:
    static constexpr float kWidth = 105.0f;
    static constexpr float kHeight = 140.0f;

    GUI_ReviewPortrait(SIM_ReviewMember member, float left, float top);
    const SIM_ReviewMember& Member() const { return member_; }
    void Draw() override;

private:
    SIM_ReviewMember member_;
    std::vector<std::string> name_;  // wrapped once
};

class GUI_YearlyReview : public GUI_WindowBase {
public:
    // Replaces a review still open.
    static GUI_YearlyReview* Open();
    static GUI_YearlyReview* Current();

    GUI_YearlyReview();
    const SIM_YearlyReviewModel& Model() const { return model_; }
    GUI_ButtonText* ContinueButton() const { return continue_; }
    // It stands over the day's options that the same day shows after it.
    bool IsDialog() const override { return true; }
    // Return and Escape move on, as the button does.
    bool OnKeyPress(int key) override;

protected:
    void DrawBackground() override;

private:
    void AddPortraits();
    void MoveOn();
    float PanelHeight() const;

    SIM_YearlyReviewModel model_;
    std::vector<std::string> summary_;  // wrapped once
    GUI_ButtonText* continue_ = nullptr;
};
