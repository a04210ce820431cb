#pragma once
// Dialogs (a framed window with a title and an optional close box), tabbed windows and the
// yes/no confirmation used across the game.
#include "GUI_ButtonTypes.h"
#include "GUI_WindowBase.h"

#include <string>
#include <vector>

class GUI_CloseButton;

// Return, keypad Enter and Escape: the keys that move on past a message or a screen with one
// way on.
bool IsMoveOnKey(int key);

class GUI_Dialog : public GUI_WindowBase {
public:
    static constexpr int kMarginLeft = 10;
    static constexpr int kMarginRight = 10;
    static constexpr int kMarginTop = 35;
    static constexpr int kMarginBottom = 10;
    static constexpr std::size_t kMaxTitle = 1023;

    explicit GUI_Dialog(const std::string& title = {}, bool closeButton = false);
    bool IsDialog() const override { return true; }
    // Keeps the close box in the corner and the client rectangle inside the margins.
    void SetRect(float left, float top, float right, float bottom) override;
    void UpdateClientRect();
    void SetTitle(const std::string& title) { title_ = title.substr(0, kMaxTitle); }
    const std::string& Title() const { return title_; }

    GUI_Rect client;

protected:
    void DrawBackground() override;

private:
    std::string title_;
    GUI_CloseButton* close_ = nullptr;
};

// Dialogs that show their cards a page at a time: arrows at the bottom left of the client area
// with "page / pages" between them, shown only when there are several pages.
int PageCountFor(std::size_t count, int perPage);
void PlacePageArrows(const GUI_Dialog& dialog, GUI_IconButton& left, GUI_IconButton& right,
                     const std::string& previousTooltip, const std::string& nextTooltip);
void UpdatePageArrows(GUI_IconButton& left, GUI_IconButton& right, int page, int pages);
void DrawPageLabel(const GUI_Dialog& dialog, int page, int pages);

class GUI_TabContainer;

class GUI_WindowTab : public GUI_WindowBase {
public:
    void Draw() override;
    // Asks the container to select this tab.
    virtual void Select();

    bool selected = false;
    int index = 0;
    GUI_TabContainer* container = nullptr;
};

class GUI_TabContainer : public GUI_WindowBase {
public:
    ~GUI_TabContainer() override;
    GUI_WindowTab* AddTab(std::unique_ptr<GUI_WindowTab> tab);
    void SelectTab(GUI_WindowTab* tab);
    const std::vector<std::unique_ptr<GUI_WindowTab>>& Tabs() const { return tabs_; }

    void Draw() override;
    void Update() override;
    bool OnLeftButtonDown(float x, float y) override;
    bool HitTest(float x, float y) const override;
    // The tabs and what they hold move with the container.
    void MoveWindow(float x, float y) override;

private:
    std::vector<std::unique_ptr<GUI_WindowTab>> tabs_;
};

// The buttons of a yes/no question: text keys and tooltip keys.
struct GUI_ConfirmLabels {
    std::string ok = "CONFIRM_OK";
    std::string okTooltip;
    std::string cancel = "CONFIRM_CANCEL";
    std::string cancelTooltip;
};

// Yes or no, asked in a modal 360 x 140 box in the middle of the screen. Only one is open at
// a time: a new question replaces the old one.
class GUI_ConfirmDialog : public GUI_Dialog {
public:
    static constexpr int kWidth = 360;
    static constexpr int kHeight = 140;

    using Labels = GUI_ConfirmLabels;

    // Opens the question on top of every window; okCallback must not be empty.
    static GUI_ConfirmDialog* Ask(const std::string& titleKey, const std::string& message,
                                  GUI_ButtonBase::Callback okCallback, GUI_ButtonBase::Callback cancelCallback = {},
                                  const Labels& labels = {});
    static GUI_ConfirmDialog* Current();

    GUI_ConfirmDialog(const std::string& titleKey, const std::string& message, GUI_ButtonBase::Callback okCallback,
                      GUI_ButtonBase::Callback cancelCallback, const Labels& labels);
    ~GUI_ConfirmDialog() override;
    const std::string& Message() const { return message_; }
    // Each closes the question first (its action may ask another), then acts.
    void Confirm();
    void Cancel();
    // Return confirms, Escape cancels.
    bool OnKeyPress(int key) override;

protected:
    void DrawForeground() override;

private:
    std::string message_;
    GUI_ButtonBase::Callback ok_;
    GUI_ButtonBase::Callback cancel_;
};
