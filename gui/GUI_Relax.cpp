#include "GUI_Relax.h"

#include "GHashTable.h"
#include "GUI_Musician.h"
#include "GUI_Style.h"
#include "InputManager.h"
#include "LibFont.h"
#include "LibString.h"
#include "Platform.h"
#include "Renderer.h"
#include "SIM_Finances.h"
#include "SIM_Person.h"
#include "SIM_Screens.h"

#include <algorithm>

namespace {
using GUI_Style::kBody;

// ---- The chooser, over the leather: the title and the band's cash at the top, the cards where
// the chooser places them (three fit above the buttons, so they come a page at a time), the
// page arrows at the bottom left under the cards and the cancel button at the bottom right.
constexpr GUI_Style::Font kTitleFont{"verdanabold32.dds", 32.0f};
constexpr float kScreenW = static_cast<float>(kScreenWidth);
constexpr float kScreenH = static_cast<float>(kScreenHeight);
constexpr float kTitleY = 48.0f;
constexpr float kCashY = 104.0f;
constexpr float kSide = SIM_RelaxChooser::kSideGap;
constexpr float kButtonW = 200.0f, kButtonH = 34.0f;
constexpr float kButtonY = kScreenH - 54.0f - kButtonH;
constexpr float kArrow = 34.0f, kPageLabelW = 72.0f;

// ---- Inside a card: the picture at the left, the title with the cost at the right end of its
// row, the description under them and the button at the bottom right.
constexpr float kPad = 14.0f;
constexpr float kPictureW = 160.0f, kPictureH = 120.0f;
constexpr float kTextX = kPad + kPictureW + 16.0f;
constexpr float kDescriptionY = kPad + 30.0f;
constexpr float kDescriptionLineH = 18.0f;
constexpr std::size_t kDescriptionLines = 3;
constexpr float kUseW = 140.0f, kUseH = 30.0f;

// ---- The results: the place's picture at the left with what the day did beside it, the
// members' panels in rows under them, the button at the bottom right.
constexpr float kResultPictureW = 400.0f, kResultPictureH = 300.0f;
constexpr float kGap = 8.0f;
constexpr float kLinesGap = 16.0f;
constexpr float kContinueW = 200.0f, kContinueH = 34.0f;

// ---- Inside a member's panel: the portrait at the left, his name and the two bars beside it.
constexpr float kPanelPad = 8.0f;
constexpr float kFace = 56.0f;
constexpr float kBarsX = kPanelPad + kFace + 10.0f;
constexpr float kBarH = 26.0f;

GUI_RelaxChooser* gChooser = nullptr;
GUI_Relax* gResults = nullptr;

std::string CashLine() {
    return FormatText("%s : $ %s", Translate("BOOKGIG_CASH").c_str(),
                      FormatThousands(static_cast<long long>(GetFinances().cash)).c_str());
}
}  // namespace

// ---- A place to go ----

GUI_RelaxOption::GUI_RelaxOption(const SIM_RelaxChooser::Card& card, float top, std::function<void()> onUse)
    : card_(card) {
    name = "relax option";
    SetRect(card_.left, top, card_.right, top + SIM_RelaxChooser::kCardHeight);
    const GRect r = Area();
    description_ = WrapLines(kBody, card_.description, r.right - r.left - kTextX - kPad, kDescriptionLines);
    use_ = Add<GUI_ButtonText>("", std::move(onUse));
    use_->SetLabel(card_.useLabel);
    use_->enabled = card_.canUse;
    // Greyed, it says why.
    use_->SetTooltipKey(card_.canUse ? card_.useTooltip : "RELAXOPTION_CANNOT_AFFORD");
    use_->SetRect(r.right - kPad - kUseW, r.bottom - kPad - kUseH, r.right - kPad, r.bottom - kPad);
}

void GUI_RelaxOption::DrawBackground() {
    const GRect r = Area();
    DrawFramedBox(r, GUI_Style::kButtonFrame);
    if (!card_.picture.empty()) Renderer().DrawTexture(card_.picture, r.left + kPad, r.top + kPad, kPictureW, kPictureH);
    const float x = r.left + kTextX, right = r.right - kPad;
    const float costW = static_cast<float>(MeasureText(GUI_Style::kSubheading, card_.costLine));
    DrawText(GUI_Style::kSubheading, card_.costLine, right, r.top + kPad, card_.canUse ? GUI_Style::kAmber : GUI_Style::kRefusal,
             TEXT_RIGHT);
    DrawText(GUI_Style::kHeading, FitText(GUI_Style::kHeading, card_.title, right - x - costW - 16.0f), x, r.top + kPad - 2.0f,
             GUI_Style::kGold);
    float y = r.top + kDescriptionY;
    for (const std::string& line : description_) {
        DrawText(kBody, line, x, y, GUI_Style::kCream);
        y += kDescriptionLineH;
    }
}

// ---- The chooser ----

GUI_RelaxChooser* GUI_RelaxChooser::Open() {
    return OpenFullScreen<GUI_RelaxChooser>();
}

GUI_RelaxChooser::GUI_RelaxChooser() : model_(kScreenW) {
    name = "relax chooser";
    gChooser = this;
    onClosed = [this] {
        if (gChooser == this) gChooser = nullptr;
    };
    SetRect(0.0f, 0.0f, kScreenW, kScreenH);
    coversScreen = true;
    auto* cancel = Add<GUI_ButtonText>("", [this] { Cancel(); });
    cancel->SetLabel(model_.cancelLabel);
    cancel->SetTooltipKey(model_.cancelTooltip);
    cancel->SetRect(kScreenW - kSide - kButtonW, kButtonY, kScreenW - kSide, kButtonY + kButtonH);
    left_ = Add<GUI_IconButton>("left.dds", "left_h.dds", [this] { ShowPage(page_ - 1); });
    right_ = Add<GUI_IconButton>("right.dds", "right_h.dds", [this] { ShowPage(page_ + 1); });
    left_->SetRect(kSide, kButtonY, kSide + kArrow, kButtonY + kArrow);
    right_->SetRect(kSide + kArrow + kPageLabelW, kButtonY, kSide + 2.0f * kArrow + kPageLabelW, kButtonY + kArrow);
    left_->SetTooltipKey("RELAXCHOOSER_PAGE_PREVIOUS");
    right_->SetTooltipKey("RELAXCHOOSER_PAGE_NEXT");
    ShowPage(0);
}

int GUI_RelaxChooser::PageCount() const { return PageCountFor(model_.cards.size(), kCardsPerPage); }

void GUI_RelaxChooser::ShowPage(int page) {
    page_ = std::clamp(page, 0, PageCount() - 1);
    for (GUI_RelaxOption* option : options_) option->Close();
    options_.clear();
    const std::size_t first = static_cast<std::size_t>(page_ * kCardsPerPage);
    const std::size_t last = std::min(model_.cards.size(), first + kCardsPerPage);
    for (std::size_t i = first; i < last; ++i) {
        // Each page starts where the chooser puts its first card.
        const float top = model_.cards[i].top - model_.cards[first].top + SIM_RelaxChooser::kFirstTop;
        options_.push_back(AddChildWindow<GUI_RelaxOption>(model_.cards[i], top, [this, i] { Use(i); }));
    }
    UpdatePageArrows(*left_, *right_, page_, PageCount());
}

void GUI_RelaxChooser::Cancel() {
    if (!Closed()) Close();
}

void GUI_RelaxChooser::Use(std::size_t card) {
    if (Closed()) return;
    // The model pays and ends the day once, and opens the results; the chooser is done then.
    going_ = true;
    const bool went = model_.Use(card);
    going_ = false;
    if (!went) return;
    Close();
    if (!optionsOwed_) return;
    optionsOwed_ = false;
    if (gResults) gResults->ShowOptionsAfter();
    else Screens().ShowDailyOptions();
}

bool GUI_RelaxChooser::HoldDailyOptions() {
    if (!gChooser || !gChooser->going_) return false;
    gChooser->optionsOwed_ = true;
    return true;
}

void GUI_RelaxChooser::OnNotify(int key) {
    if (key == DIK_ESCAPE) Cancel();
}

void GUI_RelaxChooser::DrawBackground() {
    Renderer().DrawTexture("leather.jpg", 0.0f, 0.0f, kScreenW, kScreenH);
    DrawText(kTitleFont, FitText(kTitleFont, model_.title, kScreenW - 2.0f * kSide), kScreenW / 2.0f, kTitleY,
             GUI_Style::kGold, TEXT_CENTRED);
    DrawText(GUI_Style::kSubheading, CashLine(), kScreenW / 2.0f, kCashY, GUI_Style::kAmber, TEXT_CENTRED);
    if (PageCount() > 1)
        DrawText(GUI_Style::kSubheading, FormatText("%d / %d", page_ + 1, PageCount()), kSide + kArrow + kPageLabelW / 2.0f,
                 kButtonY + kArrow / 2.0f - GUI_Style::kSubheading.size / 2.0f, GUI_Style::kCream, TEXT_CENTRED);
}

// ---- A member after the day off ----

GUI_RelaxDetails::GUI_RelaxDetails(const SIM_RelaxResults::Panel& panel, float left, float top) : panel_(panel) {
    name = "relax details";
    SetRect(left, top, left + kWidth, top + kHeight);
    const float x = left + kBarsX, right = left + kWidth - kPanelPad;
    if (panel_.musician) name_ = FitText(kBody, panel_.musician->fullname, right - x);
    // The results hold the values as they were when the screen opened.
    const float motivation = panel_.motivation / 100.0f, stress = panel_.stress / 100.0f;
    const float barsTop = top + kPanelPad + 22.0f;
    Add<GUI_AttributeBar>(panel_.motivationLabel, [motivation] { return motivation; }, nullptr, true)
        ->SetRect(x - 4.0f, barsTop, right, barsTop + kBarH);
    Add<GUI_AttributeBar>(panel_.stressLabel, [stress] { return stress; }, nullptr, false)
        ->SetRect(x - 4.0f, barsTop + kBarH + 4.0f, right, barsTop + 2.0f * kBarH + 4.0f);
}

void GUI_RelaxDetails::DrawBackground() {
    const GRect r = Area();
    DrawFramedBox(r, GUI_Style::kButtonFrame, 0xFFD0C0B0);
    if (panel_.musician && !panel_.musician->GetPortrait().empty())
        Renderer().DrawTexture(panel_.musician->GetPortrait(), r.left + kPanelPad, r.top + (kHeight - kFace) / 2.0f, kFace, kFace);
    DrawText(kBody, name_, r.left + kBarsX, r.top + kPanelPad, GUI_Style::kGold);
}

// ---- The results ----

GUI_Relax* GUI_Relax::Open(const SIM_RelaxVenue& venue) {
    if (gResults) gResults->Close();
    GUI_Relax* window = WindowList().Open<GUI_Relax>(venue);
    WindowList().AddModal(window);
    return window;
}

GUI_Relax::GUI_Relax(const SIM_RelaxVenue& venue) : GUI_Dialog(venue.title), model_(venue) {
    name = "relax results";
    gResults = this;
    onClosed = [this] {
        if (gResults == this) gResults = nullptr;
    };
    // Three panels to a row (four for a big band), as many rows as the band needs.
    const std::size_t count = model_.panels.size();
    const std::size_t columns = count > 6 ? 4 : 3;
    const std::size_t rows = (count + columns - 1) / columns;
    const float across = static_cast<float>(columns) * GUI_RelaxDetails::kWidth + static_cast<float>(columns - 1) * kGap;
    const float panelsH = rows == 0 ? 0.0f : static_cast<float>(rows) * (GUI_RelaxDetails::kHeight + kGap);
    SetRect(0.0f, 0.0f, kMarginLeft + across + kMarginRight,
            kMarginTop + kResultPictureH + kLinesGap + panelsH + kContinueH + kMarginBottom);
    CentreOnScreen();
    const float left = static_cast<float>(client.left), top = static_cast<float>(client.top);
    const float panelsTop = top + kResultPictureH + kLinesGap;
    for (std::size_t i = 0; i < count; ++i) {
        const float x = left + static_cast<float>(i % columns) * (GUI_RelaxDetails::kWidth + kGap);
        const float y = panelsTop + static_cast<float>(i / columns) * (GUI_RelaxDetails::kHeight + kGap);
        panels_.push_back(AddChildWindow<GUI_RelaxDetails>(model_.panels[i], x, y));
    }
    const float right = static_cast<float>(client.right), bottom = static_cast<float>(client.bottom);
    continue_ = Add<GUI_ButtonText>("", [this] { MoveOn(); });
    continue_->SetLabel(model_.continueLabel);
    continue_->SetTooltipKey(model_.continueTooltip);
    continue_->SetRect(right - kContinueW, bottom - kContinueH, right, bottom);
}

void GUI_Relax::MoveOn() {
    if (Closed()) return;
    Close();
    model_.Close();
    if (showOptions_) Screens().ShowDailyOptions();
}

bool GUI_Relax::OnKeyPress(int key) {
    if (!IsMoveOnKey(key)) return false;
    MoveOn();
    return true;
}

void GUI_Relax::DrawForeground() {
    const float left = static_cast<float>(client.left), top = static_cast<float>(client.top);
    if (!model_.picture.empty()) Renderer().DrawTexture(model_.picture, left, top, kResultPictureW, kResultPictureH);
    const float x = left + kResultPictureW + kLinesGap, across = static_cast<float>(client.right) - x;
    float y = DrawTextWrapped(kBody, model_.venue->description, x, top, across, GUI_Style::kCream) + kLinesGap;
    for (const std::string& line : model_.effectLines) {
        DrawText(GUI_Style::kHeading, FitText(GUI_Style::kHeading, line, across), x, y, GUI_Style::kAmber);
        y += GUI_Style::kHeading.size + kGap;
    }
}
