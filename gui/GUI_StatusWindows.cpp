#include "GUI_StatusWindows.h"

#include "GHashTable.h"
#include "GUI_Activities.h"
#include "GUI_Backdrop.h"
#include "GUI_SongList.h"
#include "GUI_Style.h"
#include "LibErrors.h"
#include "LibFont.h"
#include "LibString.h"
#include "Renderer.h"
#include "SIM_Attribute.h"
#include "SIM_Band.h"
#include "SIM_DailyOptions.h"
#include "SIM_Date.h"
#include "SIM_Fame.h"
#include "SIM_Finances.h"
#include "SIM_Person.h"

#include <algorithm>
#include <cmath>

namespace {
// Layout of the desktop's left column, the calendar strip along the top and the remarks on
// the right.
constexpr GRect kCashArea{8, 8, 225, 68};
constexpr GRect kFameArea{8, 74, 225, 134};
constexpr GRect kDateArea{8, 140, 225, 200};
constexpr GRect kBandStateArea{8, 208, 225, 676};
constexpr float kTabTop = 6.0f, kTabHeight = 30.0f, kTabGap = 4.0f;
constexpr float kBandNameTop = 44.0f;
constexpr GRect kCalendarArea{233, 4, 850, 66};
constexpr GRect kMessagesArea{858, 8, 1016, 676};
constexpr float kPanelPad = 12.0f;
constexpr float kIndicatorRow = 28.0f, kIndicatorTop = 66.0f, kLed = 16.0f;
constexpr float kDayWidth = 44.0f, kDayIcon = 24.0f;
constexpr float kRemarkGap = 8.0f, kRemarkPortrait = 40.0f;

void Place(GUI_WindowBase& window, const GRect& r) { window.SetRect(r.left, r.top, r.right, r.bottom); }

// Draws the figure at the LCD font's size, or smaller when it would not fit.
void DrawFigure(const std::string& text, float right, float y, float room) {
    GUI_Style::Font font = GUI_Style::kLcd;
    while (font.size > 14.0f && static_cast<float>(MeasureText(font, text)) > room) font.size -= 2.0f;
    DrawText(font, text, right, y, GUI_Style::kAmber, TEXT_RIGHT);
}
}  // namespace

std::string CashFigure(float cash) {
    if (cash >= 100.0f) return "$" + FormatThousands(static_cast<long long>(cash));
    // Debt shows its sign before the dollar, as the load screen writes it.
    return FormatText(cash < 0.0f ? "-$%.2f" : "$%.2f", static_cast<double>(std::fabs(cash)));
}

// ---- LCD panels ----

GUI_LcdPanel::GUI_LcdPanel(const std::string& windowName, const std::string& tooltipKey) {
    name = windowName;
    closedWithOthers = false;
    hover_ = Add<GUI_ButtonBase>();
    if (!tooltipKey.empty()) hover_->SetTooltipKey(tooltipKey);
}

void GUI_LcdPanel::SetRect(float left, float top, float right, float bottom) {
    GUI_WindowBase::SetRect(left, top, right, bottom);
    hover_->SetRect(left, top, right, bottom);
}

void GUI_LcdPanel::DrawBackground() {
    const GRect r = Area();
    Renderer().DrawTexture(Backdrop().LcdPicture(hover_->Lit()), r.left, r.top, r.right - r.left, r.bottom - r.top);
    DrawText(GUI_Style::kSmall, Label(), r.left + kPanelPad, r.top + 8.0f, GUI_Style::kCreamDim);
    DrawFigure(Figure(), r.right - kPanelPad, r.bottom - 8.0f - GUI_Style::kLcd.size, r.right - r.left - 2.0f * kPanelPad);
}

GUI_Cash::GUI_Cash() : GUI_LcdPanel("cash", "CASH_TOOLTIP") { Place(*this, kCashArea); }
std::string GUI_Cash::Label() const { return FormatText("%s :", Translate("MONEY").c_str()); }
std::string GUI_Cash::Figure() const { return CashFigure(GetFinances().cash); }

GUI_Fame::GUI_Fame() : GUI_LcdPanel("fame", "FAME_TOOLTIP") { Place(*this, kFameArea); }
std::string GUI_Fame::Label() const { return FormatText("%s :", Translate("FAME").c_str()); }
std::string GUI_Fame::Figure() const { return FormatText("%d", static_cast<int>(GetFame().fame)); }

GUI_Date::GUI_Date() : GUI_LcdPanel("date", "") { Place(*this, kDateArea); }
std::string GUI_Date::Label() const { return std::to_string(GetSIMDate().GetDate().year); }
std::string GUI_Date::Figure() const {
    const SIM_DateRecord& d = GetSIMDate().GetDate();
    // Days are kept from 0; a calendar counts them from 1.
    return FormatText("%s %d", GetSIMDate().MonthName(d.month).c_str(), d.day + 1);
}

// ---- Calendar ----

void GUI_CalendarDay::Update() {
    std::string entries;
    for (const SIM_CalendarEntry* entry : GetCalendar().Slots()[static_cast<std::size_t>(slot_)].entries)
        entries += (entries.empty() ? "" : "\n") + entry->text;
    if (entries != entries_) {
        entries_ = entries;
        SetTooltip(entries_);
    }
    GUI_ButtonBase::Update();
}

void GUI_CalendarDay::Draw() {
    const SIM_CalendarSlot& slot = GetCalendar().Slots()[static_cast<std::size_t>(slot_)];
    const GRect r = Area();
    const float cx = (r.left + r.right) / 2.0f;
    if (slot_ == 0) Renderer().FillRect(r.left + 1.0f, r.top + 1.0f, r.right - r.left - 2.0f, r.bottom - r.top - 2.0f, 0x60E8B860);
    DrawText(GUI_Style::kSmall, Translate(FormatText("DAY_ABBV_%d", slot.date.weekday)), cx, r.top + 3.0f, GUI_Style::kCreamDim,
             TEXT_CENTRED);
    if (slot.entries.empty())
        DrawText(GUI_Style::kBody, std::to_string(slot.date.day + 1), cx, r.top + 24.0f, GUI_Style::kCream, TEXT_CENTRED);
    else
        Renderer().DrawTexture(slot.entries.front()->icon, cx - kDayIcon / 2.0f, r.top + 18.0f, kDayIcon, kDayIcon);
    if (!entries_.empty()) RecordControl();
    GUI_ButtonBase::Draw();
}

GUI_Calendar::GUI_Calendar() {
    name = "calendar";
    closedWithOthers = false;
    Place(*this, kCalendarArea);
    for (int slot = 0; slot < SIM_Calendar::kSlots; ++slot) {
        auto* day = Add<GUI_CalendarDay>(slot);
        const float left = kCalendarArea.left + 1.0f + kDayWidth * static_cast<float>(slot);
        day->SetRect(left, kCalendarArea.top + 2.0f, left + kDayWidth, kCalendarArea.bottom - 2.0f);
    }
}

void GUI_Calendar::DrawBackground() { DrawFramedBox(Area(), GUI_Style::kButtonFrame, 0xE0FFFFFF); }

// ---- Band state ----

GUI_Light IndicatorLight(float value, bool highIsGood, int criteria, float warnLimit) {
    const bool warned = (criteria == SIM_Attribute::kBelow && value < warnLimit) ||
                        (criteria == SIM_Attribute::kAbove && value > warnLimit);
    if (warned) return GUI_Light::Red;
    const float good = highIsGood ? value : 1.0f - value;
    return good >= 0.5f ? GUI_Light::Green : GUI_Light::Yellow;
}

const SIM_Attribute* GUI_Indicator::Value() const {
    return dynamic_cast<const SIM_Attribute*>(GetBand().bandValues.Find(valueName_));
}

void GUI_Indicator::Update() {
    const SIM_Attribute* value = Value();
    if (!value) {
        if (!reported_) REPORT_ERROR("Failed to find indicator");
        reported_ = true;
        return;
    }
    const std::string tip = value->guiname + " " + FormatText("(%.0f%%)", static_cast<double>(value->value * 100.0f)) +
                            (value->description.empty() ? "" : ": " + value->description);
    if (!Tooltip() || Tooltip()->Text() != tip) SetTooltip(tip);
    GUI_ButtonBase::Update();
}

void GUI_Indicator::Draw() {
    const SIM_Attribute* value = Value();
    if (!value) return;
    static const char* const kLeds[] = {"ind_led_green.bmp", "ind_led_yellow.bmp", "ind_led_red.bmp"};
    const GUI_Light light = IndicatorLight(value->value, value->highisgood, value->criteria, value->warnlimit);
    const GRect r = Area();
    const float y = (r.top + r.bottom) / 2.0f;
    Renderer().DrawTexture(kLeds[static_cast<int>(light)], r.left, y - kLed / 2.0f, kLed, kLed);
    DrawText(GUI_Style::kBody, FitText(GUI_Style::kBody, value->guiname, r.right - r.left - kLed - 8.0f), r.left + kLed + 8.0f,
             y - GUI_Style::kBody.size / 2.0f, GUI_Style::kCream);
    GUI_ButtonBase::Draw();
}

GUI_BandState::GUI_BandState() {
    name = "band state";
    closedWithOthers = false;
    Place(*this, kBandStateArea);
    band_ = static_cast<GUI_BandTab*>(AddTab(std::make_unique<GUI_BandTab>()));
    songs_ = AddTab(std::make_unique<GUI_SongList>());
    const float half = (kBandStateArea.right - kBandStateArea.left - 2.0f * kPanelPad - kTabGap) / 2.0f;
    const float left = kBandStateArea.left + kPanelPad, top = kBandStateArea.top + kTabTop;
    Add<GUI_ButtonTab>("IDTAB_BAND", band_)->SetRect(left, top, left + half, top + kTabHeight);
    Add<GUI_ButtonTab>("IDTAB_SONGS", songs_)->SetRect(left + half + kTabGap, top, left + 2.0f * half + kTabGap, top + kTabHeight);
    SelectTab(band_);
}

namespace {
// The player's own line in the band tab: his face and name; a click opens his window.
class GUI_PlayerCard : public GUI_ButtonBase {
public:
    GUI_PlayerCard() : GUI_ButtonBase([] { OpenPlayerWindow(); }) { SetTooltipKey("PLAYER_CARD_TOOLTIP"); }
    std::string ControlLabel() const override { return GetMilo().fullname; }
    void Draw() override {
        const GRect r = Area();
        DrawFramedBox(r, Lit() ? GUI_Style::kButtonFrameLit : GUI_Style::kButtonFrame);
        const float face = r.bottom - r.top - 8.0f;
        Renderer().DrawTexture(GetMilo().portraitBase, r.left + 4.0f, r.top + 4.0f, face, face);
        const float x = r.left + face + 12.0f, w = r.right - x - 6.0f;
        DrawText(GUI_Style::kSubheading, FitText(GUI_Style::kSubheading, GetMilo().fullname, w), x, r.top + 6.0f,
                 GUI_Style::kGold);
        DrawText(GUI_Style::kSmall, FitText(GUI_Style::kSmall, InstrumentName(GetMilo().instrument), w), x,
                 r.top + 10.0f + GUI_Style::kSubheading.size, GUI_Style::kCream);
        RecordControl();
        GUI_ButtonBase::Draw();
    }
};
constexpr float kPlayerCardH = 56.0f;
}  // namespace

GUI_BandTab::GUI_BandTab() {
    name = "band tab";
    Place(*this, kBandStateArea);
    Rebuild();
}

void GUI_BandTab::Rebuild() {
    ClearButtons();
    Add<GUI_PlayerCard>()->SetRect(kBandStateArea.left + kPanelPad, kBandStateArea.bottom - kPanelPad - kPlayerCardH,
                                   kBandStateArea.right - kPanelPad, kBandStateArea.bottom - kPanelPad);
    const auto& values = GetBand().bandValues.values;
    float top = kBandStateArea.top + kIndicatorTop;
    for (const auto& value : values) {
        auto* light = Add<GUI_Indicator>(value->name);
        light->SetRect(kBandStateArea.left + kPanelPad, top, kBandStateArea.right - kPanelPad, top + kIndicatorRow);
        top += kIndicatorRow;
    }
    built_ = values.size();
}

void GUI_BandTab::Update() {
    // A new game reloads the band values.
    if (GetBand().bandValues.values.size() != built_) Rebuild();
    GUI_WindowTab::Update();
}

void GUI_BandTab::DrawBackground() {
    const float x = static_cast<float>(rect.left) + kPanelPad, room = static_cast<float>(width) - 2.0f * kPanelPad;
    DrawText(GUI_Style::kSubheading, FitText(GUI_Style::kSubheading, GetBand().Name, room), x,
             static_cast<float>(rect.top) + kBandNameTop, GUI_Style::kGold);
}

// ---- Today's remarks ----

GUI_MessageBoard::GUI_MessageBoard() {
    name = "remarks";
    closedWithOthers = false;
    Place(*this, kMessagesArea);
}

void GUI_MessageBoard::DrawBackground() {
    const GRect r = Area();
    DrawFramedBox(r, GUI_Style::kWindowFrame);
    DrawText(GUI_Style::kSubheading, FitText(GUI_Style::kSubheading, Translate("MESSAGES_TITLE"), r.right - r.left - 2.0f * kPanelPad),
             r.left + kPanelPad, r.top + 10.0f, GUI_Style::kGold);
    const float textLeft = r.left + kPanelPad, textWidth = r.right - r.left - 2.0f * kPanelPad;
    float y = r.top + 38.0f;
    if (GetDailyOptions().Messages().empty())
        DrawTextWrapped(GUI_Style::kSmall, Translate("MESSAGES_NONE"), textLeft, y, textWidth, GUI_Style::kCreamDim);
    for (const SIM_Message& message : GetDailyOptions().Messages()) {
        const float needed = kRemarkPortrait + 4.0f + WrappedTextHeight(GUI_Style::kSmall, message.text, textWidth);
        // Remarks that no longer fit wait for the day's options screen.
        if (y + needed > r.bottom - kPanelPad) break;
        if (message.owner) {
            Renderer().DrawTexture(message.owner->GetPortrait(), textLeft, y, kRemarkPortrait, kRemarkPortrait);
            DrawTextWrapped(GUI_Style::kSmall, message.owner->fullname, textLeft + kRemarkPortrait + 6.0f, y + 4.0f,
                            textWidth - kRemarkPortrait - 6.0f, GUI_Style::kGold);
        }
        y = DrawTextWrapped(GUI_Style::kSmall, message.text, textLeft, y + kRemarkPortrait + 4.0f, textWidth, GUI_Style::kCream);
        y += kRemarkGap;
    }
}
