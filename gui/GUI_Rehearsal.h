#pragma once
// The rehearsal: the window of rooms to rent, and the summary that follows with one comment
// window per member who came. Finishing the summary uses the day's act.
#include "GUI_Dialog.h"

#include <functional>
#include <vector>

class SIM_Musician;
class SIM_Rehearsal;
class SIM_RehearsalVenue;
struct SIM_RehearsalResult;

// One room: its picture, name, description and rent, and the button that rehearses there
// (disabled while the band cannot pay the full rent).
class GUI_RehearsalVenue : public GUI_WindowBase {
public:
    static constexpr float kPicture = 116.0f;

    GUI_RehearsalVenue(const SIM_RehearsalVenue& venue, float left, float top,
                       std::function<void(const SIM_RehearsalVenue&)> onUse);
    GUI_ButtonText* Button() const { return button_; }
    const SIM_RehearsalVenue& Venue() const { return venue_; }

protected:
    void DrawBackground() override;

private:
    const SIM_RehearsalVenue& venue_;
    GUI_ButtonText* button_ = nullptr;
};

class GUI_Rehearsal : public GUI_Dialog {
public:
    static constexpr int kRows = 2;     // two rooms to a column
    static constexpr int kColumns = 4;  // columns side by side on a page
    static constexpr int kTilesPerPage = kRows * kColumns;

    // Opens the window over the desktop (an open one is replaced).
    static GUI_Rehearsal* Open();

    GUI_Rehearsal();
    // Escape leaves without rehearsing.
    bool OnKeyPress(int key) override;

    int Page() const { return page_; }
    int PageCount() const;
    void ShowPage(int page);
    const std::vector<GUI_RehearsalVenue*>& Tiles() const { return tiles_; }

protected:
    void DrawForeground() override;

private:
    void Use(const SIM_RehearsalVenue& venue);

    int page_ = 0;
    bool used_ = false;
    std::vector<GUI_RehearsalVenue*> tiles_;
    GUI_IconButton* left_ = nullptr;
    GUI_IconButton* right_ = nullptr;
    float tilesTop_ = 0.0f;
};

// What one member who came has to say, his portrait and what the rehearsal did to him.
class GUI_RehearsalComment : public GUI_WindowBase {
public:
    static constexpr float kPortrait = 80.0f;

    GUI_RehearsalComment(const SIM_Rehearsal& rehearsal, const SIM_RehearsalResult& result, float left, float top);
    const std::string& Comment() const { return comment_; }
    const std::vector<std::string>& EffectLines() const { return effects_; }

protected:
    void DrawBackground() override;

private:
    std::string title_, portrait_, comment_;
    std::vector<std::string> effects_;
};

class GUI_RehearsalPostMortem : public GUI_Dialog {
public:
    static constexpr int kColumns = 3;
    static constexpr int kRows = 2;
    static constexpr int kCommentsPerPage = kColumns * kRows;

    // Opens the summary of the rehearsal, plays its sound and offers its hint.
    static GUI_RehearsalPostMortem* Open(const SIM_Rehearsal& rehearsal);

    explicit GUI_RehearsalPostMortem(const SIM_Rehearsal& rehearsal);
    // Escape and Return finish, as the button does.
    bool OnKeyPress(int key) override;
    // Closes the summary with its comments and uses the day's act, once.
    void Finish();

    const std::string& SummaryText() const { return summary_; }
    int Page() const { return page_; }
    int PageCount() const;
    void ShowPage(int page);
    const std::vector<GUI_RehearsalComment*>& Comments() const { return comments_; }
    GUI_ButtonText* FinishButton() const { return finish_; }

protected:
    void DrawForeground() override;

private:
    const SIM_Rehearsal& rehearsal_;
    std::string summary_;
    int page_ = 0;
    bool finished_ = false;
    std::vector<GUI_RehearsalComment*> comments_;
    GUI_ButtonText* finish_ = nullptr;
    GUI_IconButton* left_ = nullptr;
    GUI_IconButton* right_ = nullptr;
    float commentsTop_ = 0.0f;
};
