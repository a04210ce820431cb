#pragma once
// The audition screens: the auditions window (the fee and the six instruments) and the
// full-screen picker with one card per candidate. Both draw SIM_AuditionPicker, which holds the
// rules: the fee, the candidates, their ability bars, the chemistry advice and the verdicts.
#include "GUI_Dialog.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

class SIM_Musician;
class SIM_Personality;

// The fee and the instruments to audition for, or, when the band cannot pay, only why not.
class GUI_Auditions : public GUI_Dialog {
public:
    GUI_Auditions();
    bool Affordable() const { return affordable_; }
    // Opens the picker for that instrument (once, however often it is clicked) and closes.
    void Choose(int instrument);

protected:
    void DrawForeground() override;

private:
    bool affordable_ = false;
    bool chosen_ = false;
    std::array<GUI_IconButton*, 6> instruments_{};  // by instrument number
    std::string text_;
    std::string cost_;
    float textTop_ = 0.0f;
};

// One trait of a candidate: its name and as much of its description as fits; a description cut
// short is given whole in the tooltip.
class GUI_PersonalityStrip : public GUI_ButtonBase {
public:
    GUI_PersonalityStrip(const SIM_Personality& trait, const SIM_Musician& person);
    void Draw() override;
    const std::string& Description() const { return description_; }

private:
    std::string label_;
    std::string description_;
};

// A candidate's card: portrait, name, instrument, ability bar, the song element he brings, his
// traits, and the reject and hire buttons. It reads its card of the model each frame.
class GUI_Auditionee : public GUI_WindowBase {
public:
    GUI_Auditionee(int card, const GRect& area, std::function<void(int)> onReject, std::function<void(int)> onHire);
    int Card() const { return card_; }
    GUI_IconButton* RejectButton() const { return reject_; }
    GUI_ButtonText* HireButton() const { return hire_; }
    // Follows the model: a rejected card's buttons go out.
    void Update() override;

protected:
    void DrawBackground() override;
    void DrawForeground() override;

private:
    const SIM_Musician* Candidate() const;
    bool Rejected() const;

    int card_;
    bool hovered_ = false;
    GUI_IconButton* reject_ = nullptr;
    GUI_ButtonText* hire_ = nullptr;
};

// The full-screen audition: three cards side by side and the advice at the bottom. Escape sends
// every candidate home, as rejecting them all would.
class GUI_AuditionPicker : public GUI_WindowBase {
public:
    // Pays the fee and makes the candidates (the model's Open), then shows them over the
    // desktop; null when no audition could be held.
    static GUI_AuditionPicker* Open(int instrument);
    // The open picker, or null.
    static GUI_AuditionPicker* Current();

    GUI_AuditionPicker();
    ~GUI_AuditionPicker() override;
    void OnNotify(int key) override;
    void Update() override;

    void Reject(int card);
    void Hire(int card);
    // Closes the picker; the candidates who were not hired go with it.
    void Dismiss();
    const std::vector<GUI_Auditionee*>& Cards() const { return cards_; }
    const std::vector<std::string>& Advice() const { return advice_; }

protected:
    void DrawBackground() override;
    void DrawForeground() override;

private:
    bool done_ = false;
    std::vector<GUI_Auditionee*> cards_;
    std::vector<std::string> advice_;
};
