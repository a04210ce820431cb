#include "GUI_YearlyReview.h"

#include "GUI_ButtonTypes.h"
#include "GUI_CareerChart.h"
#include "GUI_Dialog.h"
#include "GUI_Sounds.h"
#include "GUI_Style.h"
#include "LibFont.h"
#include "Platform.h"
#include "Renderer.h"

#include <algorithm>

namespace {
using GUI_Style::kBody;

// ---- Layout, inside the stitching of the leather: the title and the summary at the top, under
// them the figures in a panel on the left (labels on the left, figures right-aligned) and the
// career's chart beside it as tall, the members' cards in rows under both, the button centred at
// the bottom.
constexpr GUI_Style::Font kTitleFont{"verdanabold32.dds", 32.0f};
constexpr GUI_Style::Font kLabelFont = GUI_Style::kHeading;
constexpr GUI_Style::Font kFigureFont = GUI_Style::kLcd;
constexpr float kScreenW = static_cast<float>(kScreenWidth);
constexpr float kEdge = 48.0f;
constexpr float kTitleY = 48.0f;
constexpr float kSummaryY = 100.0f;
constexpr std::size_t kSummaryLines = 2;
constexpr float kColumnGap = 16.0f;  // the least room between a label and its figure
constexpr float kRowPitch = 32.0f;
constexpr float kPanelW = 400.0f;
constexpr float kPanelTop = 152.0f;
constexpr float kPanelPad = 12.0f;
constexpr float kChartLeft = kEdge + kPanelW + 16.0f;
constexpr float kCardsTop = 448.0f;
constexpr float kCardRowPitch = GUI_ReviewPortrait::kHeight + 8.0f;
constexpr int kCardsPerRow = 8;
constexpr float kButtonW = 300.0f, kButtonH = 34.0f;
constexpr float kButtonY = 768.0f - 48.0f - kButtonH;

// ---- Inside a card: the portrait square at the top, the name in up to two lines under it.
constexpr float kCardPad = 8.0f;
constexpr float kFace = GUI_ReviewPortrait::kWidth - 2.0f * kCardPad;
constexpr std::size_t kNameLines = 2;

GUI_YearlyReview* gReview = nullptr;
}  // namespace

void DrawYearScreenHead(const std::string& title, const std::vector<std::string>& lines, float linesTop) {
    const float centre = kScreenW / 2.0f;
    Renderer().DrawTexture("leather.jpg", 0.0f, 0.0f, kScreenW, static_cast<float>(kScreenHeight));
    DrawText(kTitleFont, FitText(kTitleFont, title, kScreenW - 2.0f * kEdge), centre, kTitleY, GUI_Style::kGold, TEXT_CENTRED);
    float y = linesTop;
    for (const std::string& line : lines) {
        DrawText(kBody, line, centre, y, GUI_Style::kCream, TEXT_CENTRED);
        y += kBody.size + 4.0f;
    }
}

// ---- A member's card ----

GUI_ReviewPortrait::GUI_ReviewPortrait(SIM_ReviewMember member, float left, float top) : member_(std::move(member)) {
    SetRect(left, top, left + kWidth, top + kHeight);
    name_ = WrapLines(GUI_Style::kSmall, member_.name, kWidth - 2.0f * kCardPad, kNameLines);
}

void GUI_ReviewPortrait::Draw() {
    const GRect r = Area();
    DrawFramedBox(r, GUI_Style::kButtonFrame, 0xFFD0C0B0);
    if (!member_.portrait.empty()) Renderer().DrawTexture(member_.portrait, r.left + kCardPad, r.top + kCardPad, kFace, kFace);
    const float centre = (r.left + r.right) / 2.0f;
    float y = r.top + kCardPad + kFace + 6.0f;
    for (const std::string& line : name_) {
        DrawText(GUI_Style::kSmall, line, centre, y, GUI_Style::kCream, TEXT_CENTRED);
        y += GUI_Style::kSmall.size + 2.0f;
    }
}

// ---- The screen ----

GUI_YearlyReview* GUI_YearlyReview::Current() { return gReview && !gReview->Closed() ? gReview : nullptr; }

GUI_YearlyReview* GUI_YearlyReview::Open() {
    if (GUI_YearlyReview* open = Current()) open->Close();
    GUI_YearlyReview* window = WindowList().Open<GUI_YearlyReview>();
    WindowList().AddModal(window);
    return window;
}

GUI_YearlyReview::GUI_YearlyReview() {
    name = "yearly review";
    gReview = this;
    SetRect(0.0f, 0.0f, kScreenW, static_cast<float>(kScreenHeight));
    coversScreen = true;
    summary_ = WrapLines(kBody, model_.summary, kScreenW - 2.0f * kEdge, kSummaryLines);
    Add<GUI_CareerChart>(model_.weeks, GRect{kChartLeft, kPanelTop, kScreenW - kEdge, kPanelTop + PanelHeight()});
    AddPortraits();
    continue_ = Add<GUI_ButtonText>("YEAREND_CONTINUE", [this] { MoveOn(); });
    continue_->SetRect((kScreenW - kButtonW) / 2.0f, kButtonY, (kScreenW + kButtonW) / 2.0f, kButtonY + kButtonH);
    // The crowd claps alone; the title music starts again however the screen closes.
    Sounds().PauseMusic();
    PlaySoundIfPresent(SIM_YearlyReviewModel::kSound);
    onClosed = [this] {
        if (gReview == this) gReview = nullptr;
        Sounds().RestartTitleMusic();
    };
}

void GUI_YearlyReview::AddPortraits() {
    const std::size_t count = model_.members.size();
    const float across = kScreenW - 2.0f * kEdge;
    for (std::size_t i = 0; i < count; ++i) {
        // Each row's cards share its width evenly, each card in the middle of its share.
        const std::size_t row = i / kCardsPerRow;
        const std::size_t inRow = std::min<std::size_t>(kCardsPerRow, count - row * kCardsPerRow);
        const float share = across / static_cast<float>(inRow);
        const float x = kEdge + share * (static_cast<float>(i % kCardsPerRow) + 0.5f) - GUI_ReviewPortrait::kWidth / 2.0f;
        Add<GUI_ReviewPortrait>(model_.members[i], x, kCardsTop + static_cast<float>(row) * kCardRowPitch);
    }
}

void GUI_YearlyReview::MoveOn() {
    if (!Closed()) Close();
}

bool GUI_YearlyReview::OnKeyPress(int key) {
    if (!IsMoveOnKey(key)) return false;
    MoveOn();
    return true;
}

float GUI_YearlyReview::PanelHeight() const {
    return static_cast<float>(model_.lines.size()) * kRowPitch + 2.0f * kPanelPad;
}

void GUI_YearlyReview::DrawBackground() {
    DrawYearScreenHead(model_.title, summary_, kSummaryY);
    DrawInsetPanel({kEdge, kPanelTop, kEdge + kPanelW, kPanelTop + PanelHeight()});
    // A label gives way to its figure: it is shortened when the two would meet.
    const float left = kEdge + kPanelPad, right = kEdge + kPanelW - kPanelPad;
    float y = kPanelTop + kPanelPad + 4.0f;
    for (const SIM_ReviewLine& line : model_.lines) {
        const float labelRoom = right - left - static_cast<float>(MeasureText(kFigureFont, line.value)) - kColumnGap;
        DrawText(kLabelFont, FitText(kLabelFont, line.label, labelRoom), left, y + 3.0f, GUI_Style::kCream);
        DrawText(kFigureFont, line.value, right, y, GUI_Style::kAmber, TEXT_RIGHT);
        y += kRowPitch;
    }
}
