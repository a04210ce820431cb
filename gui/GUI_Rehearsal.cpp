#include "GUI_Rehearsal.h"

#include "GHashTable.h"
#include "GUI_Activities.h"
#include "GUI_Style.h"
#include "InputManager.h"
#include "LibFont.h"
#include "LibString.h"
#include "Renderer.h"
#include "SIM_DailyOptions.h"
#include "SIM_Finances.h"
#include "SIM_Person.h"
#include "SIM_Rehearsal.h"
#include "SIM_SIM.h"
#include "SIM_Screens.h"

#include <algorithm>

namespace {
// Layout shared by both windows: the cash on the title row, page arrows at the bottom left,
// the closing button at the bottom right.
constexpr float kPad = 8.0f, kGap = 8.0f, kTextGap = 12.0f;
constexpr float kCashY = 10.0f;  // from the window's top
constexpr float kButtonW = 160.0f, kButtonH = 34.0f;
constexpr float kTileButtonH = 30.0f;

// A room's tile: the picture centred at the top, then the name, the description, the rent and
// the button, one under the other.
constexpr float kTileW = 236.0f, kTileH = 274.0f;
constexpr float kTileNameY = kPad + GUI_RehearsalVenue::kPicture + 6.0f;
constexpr float kTileTextY = kTileNameY + 22.0f;
constexpr std::size_t kDescriptionLines = 4;
constexpr float kTileCostY = kTileTextY + 14.0f * kDescriptionLines + 6.0f;
constexpr float kTilesTop = 4.0f;  // below the client area's top

// A member's comment: his name across the top, the portrait under it with his words beside
// it, and the effect lines under the portrait.
constexpr float kCommentW = 304.0f, kCommentH = 176.0f;
constexpr float kCommentBodyY = kPad + 24.0f;
constexpr float kCommentTextX = kPad + GUI_RehearsalComment::kPortrait + 10.0f;
constexpr std::size_t kCommentLines = 5;
constexpr float kEffectsY = kCommentBodyY + GUI_RehearsalComment::kPortrait + 8.0f;
constexpr float kEffectStep = 16.0f;
// The summary: the heading, up to three lines of what happened, the comments three to a row.
constexpr std::size_t kSummaryLines = 3;

std::string CashLine() {
    return FormatText("%s : $ %s", Translate("BOOKGIG_CASH").c_str(),
                      FormatThousands(static_cast<long long>(GetFinances().cash)).c_str());
}

float DrawLines(const std::vector<std::string>& lines, const GUI_Style::Font& font, float x, float y,
                std::uint32_t colour, float step) {
    for (const std::string& line : lines) {
        DrawText(font, line, x, y, colour);
        y += step;
    }
    return y;
}


// The member's remark of the day, which the rehearsal has just made; empty when he said nothing.
std::string RemarkOf(const SIM_Musician* member) {
    for (const SIM_Message& message : GetDailyOptions().Messages())
        if (message.owner == member) return message.text;
    return {};
}
}  // namespace

void OpenRehearsal() { GUI_Rehearsal::Open(); }

// ---- A room ----

GUI_RehearsalVenue::GUI_RehearsalVenue(const SIM_RehearsalVenue& venue, float left, float top,
                                       std::function<void(const SIM_RehearsalVenue&)> onUse)
    : venue_(venue) {
    name = "rehearsal room";
    SetRect(left, top, left + kTileW, top + kTileH);
    button_ = Add<GUI_ButtonText>("REHEARSAL_VENUE_USE", [this, onUse = std::move(onUse)] { onUse(venue_); },
                                  "REHEARSAL_VENUE_USE_TOOLTIP");
    button_->enabled = CanAffordRehearsal(venue, GetFinances().cash);
    const float bottom = top + kTileH - kPad;
    button_->SetRect(left + kPad, bottom - kTileButtonH, left + kTileW - kPad, bottom);
}

void GUI_RehearsalVenue::DrawBackground() {
    using GUI_Style::kBody;
    using GUI_Style::kSubheading;
    const GRect r = Area();
    DrawFramedBox(r, GUI_Style::kButtonFrame);
    const float x = r.left + kPad, room = r.right - r.left - 2.0f * kPad;
    if (!venue_.picture.empty())
        Renderer().DrawTexture(venue_.picture, (r.left + r.right - kPicture) / 2.0f, r.top + kPad, kPicture, kPicture);
    DrawText(kSubheading, FitText(kSubheading, venue_.displayName, room), x, r.top + kTileNameY, GUI_Style::kGold);
    DrawLines(WrapLines(kBody, venue_.description, room, kDescriptionLines), kBody, x, r.top + kTileTextY,
              GUI_Style::kCream, kBody.size);
    DrawText(kBody, FitText(kBody, RehearsalCostText(venue_), room), x, r.top + kTileCostY, GUI_Style::kAmber);
}

// ---- The rooms ----

GUI_Rehearsal* GUI_Rehearsal::Open() {
    if (GUI_Rehearsal* open = WindowList().Find<GUI_Rehearsal>()) open->Close();
    GUI_Rehearsal* window = WindowList().Open<GUI_Rehearsal>();
    WindowList().AddModal(window);
    Screens().TriggerHint("rehearsals");
    return window;
}

GUI_Rehearsal::GUI_Rehearsal() : GUI_Dialog(Translate("REHEARSAL_TITLE")) {
    name = "rehearsal";
    // As many columns as the rooms need, at least two so the title and the cash share a row.
    const int rooms = static_cast<int>(RehearsalVenues().size());
    const int columns = std::clamp((rooms + kRows - 1) / kRows, 2, kColumns);
    const float windowW = kMarginLeft + static_cast<float>(columns) * kTileW + static_cast<float>(columns - 1) * kGap + kMarginRight;
    const float tilesH = kRows * kTileH + (kRows - 1) * kGap;
    SetRect(0.0f, 0.0f, windowW, kMarginTop + kTilesTop + tilesH + kTextGap + kButtonH + kMarginBottom);
    CentreOnScreen();
    tilesTop_ = static_cast<float>(client.top) + kTilesTop;

    const float right = static_cast<float>(client.right), bottom = static_cast<float>(client.bottom);
    Add<GUI_ButtonText>("STUDIO_CANCEL", [this] { Close(); }, "STUDIO_CANCEL_TOOLTIP")
        ->SetRect(right - kButtonW, bottom - kButtonH, right, bottom);
    left_ = Add<GUI_IconButton>("left.dds", "left_h.dds", [this] { ShowPage(page_ - 1); });
    right_ = Add<GUI_IconButton>("right.dds", "right_h.dds", [this] { ShowPage(page_ + 1); });
    PlacePageArrows(*this, *left_, *right_, "REHEARSAL_PAGE_PREVIOUS", "REHEARSAL_PAGE_NEXT");
    ShowPage(0);
}

int GUI_Rehearsal::PageCount() const { return PageCountFor(RehearsalVenues().size(), kTilesPerPage); }

void GUI_Rehearsal::ShowPage(int page) {
    page_ = std::clamp(page, 0, PageCount() - 1);
    for (GUI_RehearsalVenue* tile : tiles_) tile->Close();
    tiles_.clear();
    const auto& rooms = RehearsalVenues();
    const std::size_t first = static_cast<std::size_t>(page_ * kTilesPerPage);
    const std::size_t last = std::min(rooms.size(), first + kTilesPerPage);
    for (std::size_t i = first; i < last; ++i) {
        // Two to a column, top then bottom, the columns from left to right.
        const int slot = static_cast<int>(i - first);
        const float x = static_cast<float>(client.left) + static_cast<float>(slot / kRows) * (kTileW + kGap);
        const float y = tilesTop_ + static_cast<float>(slot % kRows) * (kTileH + kGap);
        tiles_.push_back(AddChildWindow<GUI_RehearsalVenue>(*rooms[i], x, y,
                                                            [this](const SIM_RehearsalVenue& venue) { Use(venue); }));
    }
    UpdatePageArrows(*left_, *right_, page_, PageCount());
}

void GUI_Rehearsal::Use(const SIM_RehearsalVenue& venue) {
    // One rehearsal, and one rent, however often the button is pressed before the window is gone.
    if (used_ || !CanAffordRehearsal(venue, GetFinances().cash)) return;
    used_ = true;
    Close();
    GUI_RehearsalPostMortem::Open(Rehearse(&venue));
}

bool GUI_Rehearsal::OnKeyPress(int key) {
    if (key != DIK_ESCAPE) return false;
    Close();
    return true;
}

void GUI_Rehearsal::DrawForeground() {
    DrawText(GUI_Style::kSubheading, CashLine(), static_cast<float>(client.right), static_cast<float>(rect.top) + kCashY,
             GUI_Style::kAmber, TEXT_RIGHT);
    if (RehearsalVenues().empty())
        DrawLines(WrapLines(GUI_Style::kBody, Translate("REHEARSAL_NONE"), static_cast<float>(client.right - client.left), 2),
                  GUI_Style::kBody, static_cast<float>(client.left), tilesTop_ + kPad, GUI_Style::kCreamDim,
                  GUI_Style::kBody.size);
    DrawPageLabel(*this, page_, PageCount());
}

// ---- A member's comment ----

GUI_RehearsalComment::GUI_RehearsalComment(const SIM_Rehearsal& rehearsal, const SIM_RehearsalResult& result,
                                           float left, float top) {
    name = "rehearsal comment";
    SetRect(left, top, left + kCommentW, top + kCommentH);
    const SIM_Musician* member = result.member;
    if (!member) return;
    title_ = RehearsalCommentTitle(*member);
    portrait_ = member->GetPortrait();
    comment_ = RemarkOf(member);
    if (const SIM_RehearsalResult* found = FindResult(rehearsal, member)) effects_ = RehearsalEffectLines(*found);
}

void GUI_RehearsalComment::DrawBackground() {
    using GUI_Style::kBody;
    using GUI_Style::kSubheading;
    const GRect r = Area();
    DrawFramedBox(r, GUI_Style::kButtonFrame, 0xFFD0C0B0);
    DrawText(kSubheading, FitText(kSubheading, title_, r.right - r.left - 2.0f * kPad), r.left + kPad, r.top + kPad,
             GUI_Style::kGold);
    if (!portrait_.empty())
        Renderer().DrawTexture(portrait_, r.left + kPad, r.top + kCommentBodyY, kPortrait, kPortrait);
    const float textX = r.left + kCommentTextX;
    DrawLines(WrapLines(kBody, comment_, r.right - kPad - textX, kCommentLines), kBody, textX, r.top + kCommentBodyY,
              GUI_Style::kCream, kBody.size);
    float y = r.top + kEffectsY;
    for (const std::string& line : effects_) {
        DrawText(kBody, FitText(kBody, line, r.right - r.left - 2.0f * kPad), r.left + kPad, y, GUI_Style::kAmber);
        y += kEffectStep;
    }
}

// ---- The summary ----

GUI_RehearsalPostMortem* GUI_RehearsalPostMortem::Open(const SIM_Rehearsal& rehearsal) {
    GUI_RehearsalPostMortem* window = WindowList().Open<GUI_RehearsalPostMortem>(rehearsal);
    WindowList().AddModal(window);
    Screens().PlaySound(RehearsalSummarySound(rehearsal));
    Screens().TriggerHint("rehearsal post mortem");
    return window;
}

GUI_RehearsalPostMortem::GUI_RehearsalPostMortem(const SIM_Rehearsal& rehearsal)
    : GUI_Dialog(Translate("REHEARSAL_TITLE")), rehearsal_(rehearsal), summary_(RehearsalSummaryText(rehearsal)) {
    name = "rehearsal summary";
    const int results = static_cast<int>(rehearsal.results.size());
    const int rows = std::min((results + kColumns - 1) / kColumns, kRows);
    const float commentsH = rows > 0 ? static_cast<float>(rows) * kCommentH + static_cast<float>(rows - 1) * kGap + kTextGap : 0.0f;
    const float headH = GUI_Style::kHeading.size + 6.0f + GUI_Style::kBody.size * kSummaryLines + kTextGap;
    const float windowW = kMarginLeft + kColumns * kCommentW + (kColumns - 1) * kGap + kMarginRight;
    SetRect(0.0f, 0.0f, windowW, kMarginTop + headH + commentsH + kButtonH + kMarginBottom);
    CentreOnScreen();
    commentsTop_ = static_cast<float>(client.top) + headH;

    const float right = static_cast<float>(client.right), bottom = static_cast<float>(client.bottom);
    finish_ = Add<GUI_ButtonText>("REHEARSAL_FINISH", [this] { Finish(); }, "REHEARSAL_FINISH_TOOLTIP");
    finish_->SetRect(right - kButtonW, bottom - kButtonH, right, bottom);
    left_ = Add<GUI_IconButton>("left.dds", "left_h.dds", [this] { ShowPage(page_ - 1); });
    right_ = Add<GUI_IconButton>("right.dds", "right_h.dds", [this] { ShowPage(page_ + 1); });
    PlacePageArrows(*this, *left_, *right_, "REHEARSAL_PAGE_PREVIOUS", "REHEARSAL_PAGE_NEXT");
    ShowPage(0);
}

int GUI_RehearsalPostMortem::PageCount() const { return PageCountFor(rehearsal_.results.size(), kCommentsPerPage); }

void GUI_RehearsalPostMortem::ShowPage(int page) {
    page_ = std::clamp(page, 0, PageCount() - 1);
    for (GUI_RehearsalComment* comment : comments_) comment->Close();
    comments_.clear();
    const auto& results = rehearsal_.results;
    const std::size_t first = static_cast<std::size_t>(page_ * kCommentsPerPage);
    const std::size_t last = std::min(results.size(), first + kCommentsPerPage);
    for (std::size_t i = first; i < last; ++i) {
        const int slot = static_cast<int>(i - first);
        const float x = static_cast<float>(client.left) + static_cast<float>(slot % kColumns) * (kCommentW + kGap);
        const float y = commentsTop_ + static_cast<float>(slot / kColumns) * (kCommentH + kGap);
        comments_.push_back(AddChildWindow<GUI_RehearsalComment>(rehearsal_, results[i], x, y));
    }
    UpdatePageArrows(*left_, *right_, page_, PageCount());
}

void GUI_RehearsalPostMortem::Finish() {
    // However fast the player clicks or presses keys, the day's act is used once.
    if (finished_) return;
    finished_ = true;
    Close();
    GetSIM().UseAct();
}

bool GUI_RehearsalPostMortem::OnKeyPress(int key) {
    if (!IsMoveOnKey(key)) return false;
    Finish();
    return true;
}

void GUI_RehearsalPostMortem::DrawForeground() {
    const float left = static_cast<float>(client.left), room = static_cast<float>(client.right - client.left);
    float y = static_cast<float>(client.top);
    DrawText(GUI_Style::kHeading, FitText(GUI_Style::kHeading, Translate("REHEARSAL_SUMMARY"), room), left, y,
             GUI_Style::kGold);
    y += GUI_Style::kHeading.size + 6.0f;
    DrawLines(WrapLines(GUI_Style::kBody, summary_, room, kSummaryLines), GUI_Style::kBody, left, y, GUI_Style::kCream,
              GUI_Style::kBody.size);
    DrawPageLabel(*this, page_, PageCount());
}
