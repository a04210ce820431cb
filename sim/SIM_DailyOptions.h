#pragma once
// What the day offers (gigs, charity gigs, rival gigs, publicity, relaxation), the band
// members' remarks of the day, and the row layout of the screen that shows both.
#include <memory>
#include <string>
#include <vector>

class SIM_Musician;

// Base of everything a daily option can be about (a gig, a charity gig, an event...).
class SIM_OptionSubject {
public:
    virtual ~SIM_OptionSubject() = default;
};

enum SIM_DailyOptionKind : int {
    OPTION_RIVAL_GIG = 0,
    OPTION_BOOKED_GIG = 1,
    OPTION_PUBLICITY = 2,
    OPTION_CHARITY_GIG = 3,
    OPTION_RELAXATION = 4,
};

struct SIM_DailyOption {
    SIM_OptionSubject* subject = nullptr;
    int kind = OPTION_RIVAL_GIG;
    std::string title;
    std::string text;
    std::string picture;
    bool canAccept = true;
};

struct SIM_Message {
    const SIM_Musician* owner = nullptr;
    std::string text;  // stored in double quotes
};

class SIM_DailyOptions {
public:
    SIM_DailyOption& AddDailyOption(SIM_OptionSubject* subject, int kind, const std::string& title,
                                    const std::string& text, const std::string& picture, bool canAccept);
    // Booked gigs go last; every group keeps its order.
    void SortDailyOptions();
    // Does what the option's kind says: opens its screen, plays the gig, or takes up the
    // charity gig. That last one uses the day's act, and the new day destroys today's options,
    // the accepted one included: callers must not touch it afterwards.
    void AcceptDailyOption(const SIM_DailyOption& option);
    void ClearOptions() { options_.clear(); }
    const std::vector<std::unique_ptr<SIM_DailyOption>>& Options() const { return options_; }

    void AddMessage(const SIM_Musician* owner, const std::string& text);
    // Removes the owner's first message; true when there was one.
    bool RemoveMessage(const SIM_Musician* owner);
    void ClearMessages() { messages_.clear(); }
    const std::vector<SIM_Message>& Messages() const { return messages_; }

    // Today's quote line for the screen (SIM_Quotes.h); empty when there are no quotes. Each
    // band name walks the quotes in its own order.
    std::string QuoteLine() const;

private:
    std::vector<std::unique_ptr<SIM_DailyOption>> options_;
    std::vector<SIM_Message> messages_;
};

SIM_DailyOptions& GetDailyOptions();
void ResetDailyOptions();

// The daily options screen's rows: each option takes a whole row, then the messages two to
// a row. Five rows are visible from the first visible row on.
class SIM_DailyOptionsLayout {
public:
    static constexpr int kVisibleRows = 5;
    static constexpr float kTop = 180.0f;
    static constexpr float kRowHeight = 90.0f;
    static constexpr float kRowStep = 95.0f;
    static constexpr float kRightGap = 60.0f;
    static constexpr float kCentreGap = 10.0f;

    struct Cell {
        enum Kind { kOption, kMessage } kind = kOption;
        int index = 0;  // into the options or the messages
        int row = 0;
        float left = 0.0f, top = 0.0f, right = 0.0f, bottom = 0.0f;
    };

    SIM_DailyOptionsLayout(float screenWidth, float leftMargin) : screenWidth_(screenWidth), left_(leftMargin) {}

    // Lays out the counts as they are now, keeping the first visible row within range.
    void Build(int optionCount, int messageCount);
    // Sorts today's options and lays out today's options and messages.
    void BuildFromToday();
    // Moves the first visible row by delta rows within range and rebuilds.
    void Scroll(int delta);

    int RowCount() const { return rows_; }
    int FirstVisibleRow() const { return first_; }
    int HighestFirstRow() const;
    bool CanScrollUp() const { return first_ > 0; }
    bool CanScrollDown() const { return first_ < HighestFirstRow(); }
    // At least one option card is visible.
    bool HasEvents() const { return hasEvents_; }
    const std::vector<Cell>& VisibleCells() const { return cells_; }

private:
    float screenWidth_;
    float left_;
    int options_ = 0;
    int messages_ = 0;
    int rows_ = 0;
    int first_ = 0;
    bool hasEvents_ = false;
    std::vector<Cell> cells_;
};
