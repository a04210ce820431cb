#pragma once
// What today offers: a card per daily option (gigs, charity gigs, rival gigs, publicity, an
// evening out) and a strip per band member's remark, five rows at a time, with the date and a
// quote. Taking a card or carrying on fades the screen away.
#include "GUI_ButtonTypes.h"
#include "GUI_WindowBase.h"
#include "SIM_DailyOptions.h"

#include <string>

struct SIM_DailyOption;
struct SIM_Message;

// One option's card: its picture, title and text (its OK button sits beside it). Cards and
// strips keep what they draw: a day that ends under the screen (a gig played from it) takes its
// options and remarks along while the screen is still fading away.
class GUI_DailyOption : public GUI_BaseElement {
public:
    explicit GUI_DailyOption(const SIM_DailyOption& option);
    void Draw() override;

private:
    std::string picture_, title_, text_;
};

// One remark: the member's face and name, and what he said.
class GUI_MessageStrip : public GUI_BaseElement {
public:
    explicit GUI_MessageStrip(const SIM_Message& message);
    void Draw() override;

private:
    bool fromMember_ = false;
    std::string portrait_, name_, text_;
};

class GUI_DailyOptions : public GUI_WindowBase {
public:
    // Opens the screen for today, or shows today on it when it is already open.
    static void Show();
    static GUI_DailyOptions* Current();

    GUI_DailyOptions();
    ~GUI_DailyOptions() override;
    // Lays out today's cards and remarks from the first visible row on.
    void BuildRows();
    void Scroll(int rows);
    const SIM_DailyOptionsLayout& Layout() const { return layout_; }
    const std::string& Heading() const { return heading_; }
    const std::string& DateLine() const { return date_; }
    const std::string& QuoteLine() const { return quote_; }

protected:
    void DrawBackground() override;

private:
    void Refresh();
    void AcceptOption(std::size_t index, const SIM_DailyOption* option);
    void CarryOn();
    // Closes the screen after the fade, fades back in and shows the hints queued today.
    void CloseAndShowHints();

    SIM_DailyOptionsLayout layout_;
    std::vector<GUI_BaseElement*> rowElements_;
    GUI_IconButton* up_ = nullptr;
    GUI_IconButton* down_ = nullptr;
    std::string heading_;
    std::string date_;
    std::string quote_;
    bool leaving_ = false;
};
