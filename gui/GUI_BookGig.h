#pragma once
// The gig booking window: one card per gig on offer, a page at a time, with the band's cash.
// Booking a gig pays its rental, puts it on the calendar and uses the day's act.
#include "GUI_Dialog.h"

#include <vector>

class SIM_Gig;

// One offered gig: the venue's picture and name, capacity, ticket price and rental, and the
// button its booking rules give (Book, or why not).
class GUI_BookGigCard : public GUI_WindowBase {
public:
    GUI_BookGigCard(SIM_Gig& gig, float left, float top, std::function<void(SIM_Gig&)> onBook);
    GUI_ButtonText* Button() const { return button_; }
    SIM_Gig& Gig() const { return gig_; }

protected:
    void DrawBackground() override;

private:
    SIM_Gig& gig_;
    std::string name_, picture_, capacity_, price_, rental_;
    GUI_ButtonText* button_ = nullptr;
};

class GUI_BookGig : public GUI_Dialog {
public:
    static constexpr int kColumns = 3;
    static constexpr int kRows = 4;
    static constexpr int kCardsPerPage = kColumns * kRows;

    // Builds the offers and opens the window over the desktop (an open one is replaced).
    static GUI_BookGig* Open();

    GUI_BookGig();
    // Escape closes the window without booking.
    bool OnKeyPress(int key) override;

    int Page() const { return page_; }
    int PageCount() const;
    void ShowPage(int page);
    const std::vector<GUI_BookGigCard*>& Cards() const { return cards_; }
    GUI_ButtonText* FinishButton() const { return finish_; }

protected:
    void DrawForeground() override;

private:
    void Book(SIM_Gig& gig);

    int page_ = 0;
    bool booked_ = false;
    std::vector<GUI_BookGigCard*> cards_;
    GUI_IconButton* left_ = nullptr;
    GUI_IconButton* right_ = nullptr;
    GUI_ButtonText* finish_ = nullptr;
    float cardsTop_ = 0.0f;
    float footerTop_ = 0.0f;
};
