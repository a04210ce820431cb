#include "GUI_DailyOptions.h"

#include "GHashTable.h"
#include "GUI_Shell.h"
#include "GUI_Style.h"
#include "LibConfigSection.h"
#include "LibString.h"
#include "Platform.h"
#include "Renderer.h"
#include "SIM_Date.h"
#include "SIM_Hints.h"
#include "SIM_Person.h"
#include "SIM_Screens.h"

#include <array>

namespace {
// Layout. The rows themselves (from y 180, 95 apart, 90 high) come from the layout model.
constexpr float kLeft = 40.0f;
constexpr float kHeadingY = 28.0f;
constexpr float kDateY = 72.0f;
constexpr float kQuoteY = 108.0f;
constexpr float kQuoteBottom = 170.0f;
constexpr float kScrollX = 1024.0f - 52.0f, kScrollSize = 36.0f;
constexpr float kContinueWidth = 380.0f;
constexpr float kCardPad = 8.0f;
constexpr float kCardPictureW = 100.0f;
constexpr float kOkWidth = 120.0f, kOkHeight = 32.0f;
constexpr float kPortrait = 74.0f;

GUI_DailyOptions* gScreen = nullptr;

// Weekday names from section "days", read once.
const std::string& WeekdayName(int weekday) {
    static const std::array<std::string, 7> names = [] {
        LibConfigSection days;
        days.Load("days", kStringsFile);
        std::array<std::string, 7> out;
        for (int i = 0; i < 7; ++i) out[static_cast<std::size_t>(i)] = days.Find(std::to_string(i));
        return out;
    }();
    return names[static_cast<std::size_t>(weekday) % names.size()];
}

GRect CardArea(const GUI_BaseElement& e) { return e.Area(); }
}  // namespace

// ---- Cards and strips ----

GUI_DailyOption::GUI_DailyOption(const SIM_DailyOption& option)
    : picture_(option.picture), title_(option.title), text_(option.text) {}

void GUI_DailyOption::Draw() {
    const GRect r = CardArea(*this);
    DrawFramedBox(r, GUI_Style::kButtonFrame);
    const float top = r.top + kCardPad, bottom = r.bottom - kCardPad;
    float x = r.left + kCardPad;
    if (!picture_.empty()) {
        Renderer().DrawTexture(picture_, x, top, kCardPictureW, bottom - top);
        x += kCardPictureW + kCardPad * 2.0f;
    }
    // The OK button sits at the right end of the card.
    const float textRight = r.right - kOkWidth - kCardPad * 3.0f;
    DrawText(GUI_Style::kHeading, FitText(GUI_Style::kHeading, title_, textRight - x), x, top, GUI_Style::kGold);
    DrawTextWrapped(GUI_Style::kBody, text_, x, top + GUI_Style::kHeading.size + 6.0f, textRight - x,
                    GUI_Style::kCream);
}

GUI_MessageStrip::GUI_MessageStrip(const SIM_Message& message) : fromMember_(message.owner != nullptr), text_(message.text) {
    if (!message.owner) return;
    portrait_ = message.owner->GetPortrait();
    name_ = message.owner->fullname;
}

void GUI_MessageStrip::Draw() {
    const GRect r = Area();
    DrawFramedBox(r, GUI_Style::kButtonFrame, 0xFFD0C0B0);
    const float top = r.top + kCardPad;
    float x = r.left + kCardPad;
    if (fromMember_) {
        if (!portrait_.empty()) {
            Renderer().DrawTexture(portrait_, x, top, kPortrait, kPortrait);
            x += kPortrait + kCardPad;
        }
        DrawText(GUI_Style::kSubheading, FitText(GUI_Style::kSubheading, name_, r.right - kCardPad - x), x, top,
                 GUI_Style::kGold);
    }
    DrawTextWrapped(GUI_Style::kBody, text_, x, top + GUI_Style::kSubheading.size + 4.0f,
                    r.right - kCardPad - x, GUI_Style::kCream);
}

// ---- The screen ----

GUI_DailyOptions* GUI_DailyOptions::Current() { return gScreen && !gScreen->Closed() ? gScreen : nullptr; }

void GUI_DailyOptions::Show() {
    // A day that ends while the screen is open (a charity gig taken up from it) shows the new
    // day on the same screen: the old cards belong to options that no longer exist.
    if (GUI_DailyOptions* open = Current()) {
        open->Refresh();
        return;
    }
    GUI_DailyOptions* screen = WindowList().Open<GUI_DailyOptions>();
    WindowList().AddModal(screen);
    Shell().StartFade(false, {});
    Screens().TriggerHint("daily options");
}

GUI_DailyOptions::GUI_DailyOptions() : layout_(static_cast<float>(kScreenWidth), kLeft) {
    name = "daily options";
    gScreen = this;
    SetRect(0, 0, static_cast<float>(kScreenWidth), static_cast<float>(kScreenHeight));
    coversScreen = true;
    auto* carryOn = Add<GUI_ButtonText>("DAILYOPTIONS_CONTINUE", [this] { CarryOn(); }, "DAILYOPTIONS_CONTINUE_TOOLTIP");
    const float cx = static_cast<float>(kScreenWidth) / 2.0f, bottom = static_cast<float>(rect.bottom);
    carryOn->SetRect(cx - kContinueWidth / 2.0f, bottom - 35.0f - 8.0f, cx + kContinueWidth / 2.0f, bottom - 8.0f);
    const float listTop = SIM_DailyOptionsLayout::kTop;
    const float listBottom = listTop + SIM_DailyOptionsLayout::kRowStep * (SIM_DailyOptionsLayout::kVisibleRows - 1) +
                             SIM_DailyOptionsLayout::kRowHeight;
    up_ = Add<GUI_IconButton>("up.dds", "up_h.dds", [this] { Scroll(-1); });
    up_->SetRect(kScrollX, listTop, kScrollX + kScrollSize, listTop + kScrollSize);
    up_->SetTooltipKey("DAILYOPTIONS_UP_TOOLTIP");
    down_ = Add<GUI_IconButton>("down.dds", "down_h.dds", [this] { Scroll(1); });
    down_->SetRect(kScrollX, listBottom - kScrollSize, kScrollX + kScrollSize, listBottom);
    down_->SetTooltipKey("DAILYOPTIONS_DOWN_TOOLTIP");
    Refresh();
}

GUI_DailyOptions::~GUI_DailyOptions() {
    if (gScreen == this) gScreen = nullptr;
}

void GUI_DailyOptions::Refresh() {
    BuildRows();
    const SIM_DateRecord& d = GetSIMDate().GetDate();
    date_ = FormatText("%s %s %d", WeekdayName(d.weekday).c_str(), GetSIMDate().MonthName(d.month).c_str(), d.year);
    heading_ = Translate(layout_.HasEvents() ? "DAILY_OPTIONS_EVENTS" : "DAILY_OPTIONS_NONE");
    quote_ = GetDailyOptions().QuoteLine();
}

void GUI_DailyOptions::BuildRows() {
    for (GUI_BaseElement* element : rowElements_) RemoveButton(element);
    rowElements_.clear();
    layout_.BuildFromToday();
    const SIM_DailyOptions& today = GetDailyOptions();
    for (const SIM_DailyOptionsLayout::Cell& cell : layout_.VisibleCells()) {
        const std::size_t index = static_cast<std::size_t>(cell.index);
        GUI_BaseElement* element;
        if (cell.kind == SIM_DailyOptionsLayout::Cell::kOption) {
            const SIM_DailyOption* option = today.Options()[index].get();
            element = Add<GUI_DailyOption>(*option);
            auto* ok = Add<GUI_ButtonText>("DAILY_OPTION_OK", [this, index, option] { AcceptOption(index, option); });
            const float okTop = (cell.top + cell.bottom) / 2.0f - kOkHeight / 2.0f;
            ok->SetRect(cell.right - kCardPad * 2.0f - kOkWidth, okTop, cell.right - kCardPad * 2.0f, okTop + kOkHeight);
            ok->enabled = option->canAccept;
            rowElements_.push_back(ok);
        } else {
            element = Add<GUI_MessageStrip>(today.Messages()[index]);
        }
        element->SetRect(cell.left, cell.top, cell.right, cell.bottom);
        rowElements_.push_back(element);
    }
    up_->enabled = layout_.CanScrollUp();
    down_->enabled = layout_.CanScrollDown();
    // The cards are drawn under their buttons.
    std::stable_partition(elements_.begin(), elements_.end(), [](const auto& e) {
        return dynamic_cast<GUI_DailyOption*>(e.get()) || dynamic_cast<GUI_MessageStrip*>(e.get());
    });
}

void GUI_DailyOptions::Scroll(int rows) {
    layout_.Scroll(rows);
    BuildRows();
}

void GUI_DailyOptions::AcceptOption(std::size_t index, const SIM_DailyOption* option) {
    if (leaving_) return;
    leaving_ = true;
    Shell().StartFade(true, [this, index, option] {
        // The option must still be today's: nothing may have ended the day in between.
        const auto& options = GetDailyOptions().Options();
        leaving_ = false;
        if (index >= options.size() || options[index].get() != option) return;
        const int kind = option->kind;
        GetDailyOptions().AcceptDailyOption(*option);
        // A charity gig used the day's act: the next day is already on this screen.
        if (kind == OPTION_CHARITY_GIG) {
            Shell().StartFade(false, {});
            return;
        }
        CloseAndShowHints();
    });
}

void GUI_DailyOptions::CarryOn() {
    if (leaving_) return;
    leaving_ = true;
    WindowList().RemoveModal(this);
    Shell().StartFade(true, [this] { CloseAndShowHints(); });
}

void GUI_DailyOptions::CloseAndShowHints() {
    Close();
    Shell().StartFade(false, {});
    ShowQueuedHints();
}

void GUI_DailyOptions::DrawBackground() {
    GRenderer& renderer = Renderer();
    renderer.DrawTexture("leather.jpg", 0.0f, 0.0f, static_cast<float>(width), static_cast<float>(height));
    DrawText(GUI_Style::kTitle, heading_, kLeft, kHeadingY, GUI_Style::kGold);
    DrawText(GUI_Style::kHeading, date_, kLeft, kDateY, GUI_Style::kCream);
    const float quoteWidth = static_cast<float>(kScreenWidth) - 2.0f * kLeft;
    if (WrappedTextHeight(GUI_Style::kBody, quote_, quoteWidth) <= kQuoteBottom - kQuoteY)
        DrawTextWrapped(GUI_Style::kBody, quote_, kLeft, kQuoteY, quoteWidth, GUI_Style::kCreamDim);
}
