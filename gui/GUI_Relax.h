#pragma once
// A day off: the chooser of places to unwind (a card each, with its cost and a button to go),
// and the results screen with how the band feels afterwards. SIM_RelaxChooser and
// SIM_RelaxResults hold the rules; cancelling the chooser leaves the day unused, going pays and
// ends the day, and closing the results eases the band's stress.
#include "GUI_Dialog.h"
#include "SIM_Relaxation.h"

#include <string>
#include <vector>

class GUI_AttributeBar;

// One place: its picture, title, cost for the band, description and the button to go there
// (greyed while the band cannot pay).
class GUI_RelaxOption : public GUI_WindowBase {
public:
    GUI_RelaxOption(const SIM_RelaxChooser::Card& card, float top, std::function<void()> onUse);
    GUI_ButtonText* UseButton() const { return use_; }
    const SIM_RelaxChooser::Card& Card() const { return card_; }

protected:
    void DrawBackground() override;

private:
    SIM_RelaxChooser::Card card_;
    std::vector<std::string> description_;  // wrapped once
    GUI_ButtonText* use_ = nullptr;
};

class GUI_RelaxChooser : public GUI_WindowBase {
public:
    // Cards from the first one's place down to just above the buttons.
    static constexpr int kCardsPerPage = 3;

    // Opens over the desktop (an open one is replaced).
    static GUI_RelaxChooser* Open();

    GUI_RelaxChooser();
    const SIM_RelaxChooser& Model() const { return model_; }
    const std::vector<GUI_RelaxOption*>& Options() const { return options_; }
    int Page() const { return page_; }
    int PageCount() const;
    void ShowPage(int page);
    // Closes without going anywhere: the day is still the player's.
    void Cancel();
    // Goes to the card's place: pays, ends the day and opens the results.
    void Use(std::size_t card);
    // A full-screen activity: it has every key. Escape cancels.
    void OnNotify(int key) override;
    // True while a chooser's day off is ending the day: the next morning's options wait until
    // the player has read the results.
    static bool HoldDailyOptions();

protected:
    void DrawBackground() override;

private:
    SIM_RelaxChooser model_;
    bool going_ = false;
    bool optionsOwed_ = false;
    std::vector<GUI_RelaxOption*> options_;
    GUI_IconButton* left_ = nullptr;
    GUI_IconButton* right_ = nullptr;
    int page_ = 0;
};

// A member after the day off: his portrait and name, and how motivated and stressed he is.
class GUI_RelaxDetails : public GUI_WindowBase {
public:
    static constexpr float kWidth = 296.0f, kHeight = 96.0f;

    GUI_RelaxDetails(const SIM_RelaxResults::Panel& panel, float left, float top);

protected:
    void DrawBackground() override;

private:
    SIM_RelaxResults::Panel panel_;
    std::string name_;  // fitted once
};

class GUI_Relax : public GUI_Dialog {
public:
    static GUI_Relax* Open(const SIM_RelaxVenue& venue);

    explicit GUI_Relax(const SIM_RelaxVenue& venue);
    const SIM_RelaxResults& Model() const { return model_; }
    GUI_ButtonText* ContinueButton() const { return continue_; }
    const std::vector<GUI_RelaxDetails*>& Panels() const { return panels_; }
    // Back to the desktop; the band's stress eases once however often it is asked.
    void MoveOn();
    // The next morning's options come when the results are read.
    void ShowOptionsAfter() { showOptions_ = true; }
    // Return and Escape move on, as the button does.
    bool OnKeyPress(int key) override;

protected:
    void DrawForeground() override;

private:
    SIM_RelaxResults model_;
    std::vector<GUI_RelaxDetails*> panels_;
    GUI_ButtonText* continue_ = nullptr;
    bool showOptions_ = false;
};
