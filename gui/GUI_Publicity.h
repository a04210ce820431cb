#pragma once
// The day's publicity told on a full screen: the outlet's picture, what came of it, the hype and
// the reach, and a card for each member's part in it. SIM_PublicityResults holds the texts and
// the closing rule; the screen plays the outlet's sound while it is open (a radio interview holds
// the music meanwhile) and uses the day when the player moves on.
#include "GUI_WindowBase.h"
#include "SIM_Publicity.h"

#include <string>
#include <vector>

class GUI_ButtonText;

// A member's part: his portrait, his name, his contribution and whether stress kept him out.
class GUI_Contribution : public GUI_BaseElement {
public:
    static constexpr float kHeight = SIM_PublicityResults::kCardBottom - SIM_PublicityResults::kCardTop;

    GUI_Contribution(const SIM_PublicityResults::Card& card, float left, float cardWidth);
    void Draw() override;
    const SIM_PublicityResults::Card& Card() const { return card_; }

private:
    SIM_PublicityResults::Card card_;
    std::string name_;                  // fitted once
    std::vector<std::string> stressed_;  // wrapped once
};

class GUI_Publicity : public GUI_WindowBase {
public:
    // The results of an event that has been performed (an open screen is replaced).
    static GUI_Publicity* Open(const SIM_PublicityEvent& event);

    explicit GUI_Publicity(const SIM_PublicityEvent& event);
    const SIM_PublicityResults& Model() const { return model_; }
    GUI_ButtonText* ContinueButton() const { return continue_; }
    const std::vector<GUI_Contribution*>& Cards() const { return cards_; }
    // The channel of the outlet's sound, -1 when none plays.
    int SoundChannel() const { return channel_; }
    // Closes the screen and uses the day, once however often it is asked.
    void MoveOn();
    // A full-screen activity: it has every key. Return and Escape move on, as the button does.
    void OnNotify(int key) override;

protected:
    void DrawBackground() override;

private:
    SIM_PublicityResults model_;
    std::string optionPicture_;  // shown when the outlet has no picture of its own
    std::vector<std::string> body_;  // wrapped once
    std::string reachLine_;          // with the mood changes
    std::vector<GUI_Contribution*> cards_;
    GUI_ButtonText* continue_ = nullptr;
    int channel_ = -1;
};
