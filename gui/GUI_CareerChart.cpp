#include "GUI_CareerChart.h"

#include "GHashTable.h"
#include "GUI_Style.h"
#include "LibFont.h"
#include "LibString.h"
#include "Renderer.h"
#include "SIM_Date.h"

#include <algorithm>
#include <cmath>

namespace {
using GUI_Style::kSmall;

// ---- Layout, inside the chart's panel: the fame scale's figures on the left and the cash
// scale's on the right, the lines between them over the fame grid, under them the strip of marks
// in three lanes (gigs; releases and the deal; the line-up), the years under the strip and the
// legend along the bottom in as many rows as the panel's width needs.
constexpr float kPad = 8.0f;
constexpr float kFameFiguresW = 34.0f;
constexpr float kCashFiguresW = 48.0f;
constexpr float kFigureGap = 6.0f;  // between a scale's figures and the plot
constexpr int kMaxDivisions = 5;
constexpr float kLaneH = 9.0f;
constexpr int kLanes = 3;
constexpr float kYearsH = 16.0f;
constexpr float kYearTickH = 4.0f;
constexpr float kLegendRowH = 16.0f;
constexpr float kSwatchW = 14.0f, kSwatchGap = 4.0f, kEntryGap = 14.0f;
constexpr float kLineW = 2.0f;
constexpr float kMark = 3.5f;  // half a mark's size
constexpr float kTextRise = 7.0f;  // from a small text's top to its middle
// A career year is twelve seven-day weeks, from the day the career began.
constexpr int kWeeksPerYear = SIM_Date::kMonthsPerYear;
// An empty or quiet career still gets scales a player can read.
constexpr float kMinFameTop = 10.0f, kMinCashTop = 1000.0f;

constexpr std::uint32_t kGridColour = 0x38E8B860;
constexpr std::uint32_t kZeroColour = 0xA0FFB030;
constexpr std::uint32_t kFameColour = GUI_Style::kCream;
constexpr std::uint32_t kCashColour = GUI_Style::kAmber;
constexpr std::uint32_t kHireColour = 0xFF78C860;
constexpr std::uint32_t kFiringColour = 0xFFD04838;

enum class Shape { kTick, kDiamond, kSquare, kUp, kDown, kLine };
struct MarkLook {
    unsigned mark;
    const char* key;
    int lane;
    Shape shape;
    std::uint32_t colour;
};
constexpr MarkLook kMarkLooks[kCareerMarkKinds] = {
    {kMarkGig, "CHART_GIGS", 0, Shape::kTick, GUI_Style::kCreamDim},
    {kMarkAlbum, "CHART_ALBUMS", 1, Shape::kDiamond, GUI_Style::kGold},
    {kMarkDeal, "CHART_DEAL", 1, Shape::kSquare, GUI_Style::kAmber},
    {kMarkHire, "CHART_HIRES", 2, Shape::kUp, kHireColour},
    {kMarkResignation, "CHART_RESIGNATIONS", 2, Shape::kDown, GUI_Style::kRefusal},
    {kMarkFiring, "CHART_FIRINGS", 2, Shape::kSquare, kFiringColour},
};

void DrawShape(Shape shape, float cx, float cy, std::uint32_t colour) {
    GRenderer& renderer = Renderer();
    switch (shape) {
        case Shape::kTick: renderer.FillRect(cx - 1.0f, cy - kMark, 2.0f, 2.0f * kMark, colour); return;
        case Shape::kSquare: renderer.FillRect(cx - kMark + 0.5f, cy - kMark + 0.5f, 2.0f * kMark - 1.0f, 2.0f * kMark - 1.0f, colour); return;
        case Shape::kLine: renderer.FillRect(cx - kSwatchW / 2.0f, cy - kLineW / 2.0f, kSwatchW, kLineW, colour); return;
        case Shape::kDiamond: {
            const float x[4] = {cx, cx + kMark, cx - kMark, cx}, y[4] = {cy - kMark, cy, cy, cy + kMark};
            renderer.DrawCorners(nullptr, x, y, {}, colour);
            return;
        }
        case Shape::kUp:
        case Shape::kDown: {
            // A triangle is a quad with its two top (or bottom) corners together.
            const float tip = shape == Shape::kUp ? cy - kMark : cy + kMark, base = shape == Shape::kUp ? cy + kMark : cy - kMark;
            const float x[4] = {cx, cx, cx - kMark, cx + kMark}, y[4] = {tip, tip, base, base};
            renderer.DrawCorners(nullptr, x, y, {}, colour);
            return;
        }
    }
}

// A line kLineW thick from one point to the next.
void DrawSegment(float x0, float y0, float x1, float y1, std::uint32_t colour) {
    const float dx = x1 - x0, dy = y1 - y0, length = std::hypot(dx, dy);
    if (length <= 0.0f) return;
    const float nx = -dy / length * kLineW / 2.0f, ny = dx / length * kLineW / 2.0f;
    const float x[4] = {x0 + nx, x1 + nx, x0 - nx, x1 - nx}, y[4] = {y0 + ny, y1 + ny, y0 - ny, y1 - ny};
    Renderer().DrawCorners(nullptr, x, y, {}, colour);
}

std::string FameFigure(float fame) { return FormatText("%.0f", static_cast<double>(fame)); }

// "$0", "$500", "$25k", "-$2.5k", "$1.5M": short enough for the side of a chart.
std::string CashFigure(float cash) {
    const double amount = std::fabs(static_cast<double>(cash));
    std::string figure;
    if (amount >= 1.0e6) figure = FormatText("%g", amount / 1.0e6) + "M";
    else if (amount >= 1.0e3) figure = FormatText("%g", amount / 1.0e3) + "k";
    else figure = FormatText("%.0f", amount);
    return (cash < 0.0f ? "-$" : "$") + figure;
}
}  // namespace

GUI_ChartScale ChartScaleFor(float lo, float hi, float minTop, int maxDivisions) {
    const double low = std::min(0.0, static_cast<double>(lo));
    const double high = std::max({0.0, static_cast<double>(hi), static_cast<double>(minTop)});
    const double span = high - low;
    if (!std::isfinite(span) || span <= 0.0 || maxDivisions < 2) return {0.0f, 1.0f, 1};
    // Counted with a little slack, so a figure on a round number does not take a step more; a
    // figure however small beyond 0 takes one.
    const auto steps = [](double amount, double step) {
        return amount <= 0.0 ? 0 : std::max(1, static_cast<int>(std::ceil(amount / step - 1e-6)));
    };
    double magnitude = std::pow(10.0, std::floor(std::log10(span / maxDivisions)));
    for (int tries = 0; tries < 8; ++tries, magnitude *= 10.0)
        for (double multiple : {1.0, 2.0, 5.0}) {
            const double step = multiple * magnitude;
            const int below = steps(-low, step), above = steps(high, step);
            if (below + above <= maxDivisions)
                return {static_cast<float>(-below * step), static_cast<float>(step), std::max(below + above, 1)};
        }
    return {static_cast<float>(low), static_cast<float>(span / maxDivisions), maxDivisions};
}

GUI_CareerChart::GUI_CareerChart(std::vector<SIM_CareerWeek> weeks, const GRect& area) : weeks_(std::move(weeks)) {
    SetRect(area.left, area.top, area.right, area.bottom);
    float fameHigh = 0.0f, cashLow = 0.0f, cashHigh = 0.0f;
    for (const SIM_CareerWeek& week : weeks_) {
        fameHigh = std::max(fameHigh, week.fame);
        cashLow = std::min(cashLow, week.cash);
        cashHigh = std::max(cashHigh, week.cash);
    }
    fame_ = ChartScaleFor(0.0f, fameHigh, kMinFameTop, kMaxDivisions);
    cash_ = ChartScaleFor(cashLow, cashHigh, kMinCashTop, kMaxDivisions);
    // Whole career years, at least one, from the year of the first week recorded.
    firstWeek_ = weeks_.empty() ? 0 : weeks_.front().week / kWeeksPerYear * kWeeksPerYear;
    const int endWeek = weeks_.empty() ? 0 : weeks_.back().week + 1;
    lastWeek_ = std::max(firstWeek_ + kWeeksPerYear, (endWeek + kWeeksPerYear - 1) / kWeeksPerYear * kWeeksPerYear);
    LayOutLegend();
    const float legendTop = legend_.empty() ? area.bottom - kPad : legend_.front().y - kLegendRowH / 2.0f;
    const float marksBottom = legendTop - kYearsH - 2.0f;
    marksTop_ = marksBottom - kLanes * kLaneH;
    plot_ = {area.left + kPad + kFameFiguresW + kFigureGap, area.top + kPad + kTextRise,
             area.right - kPad - kCashFiguresW - kFigureGap, marksTop_ - 4.0f};
}

void GUI_CareerChart::LayOutLegend() {
    std::vector<std::pair<std::string, int>> entries = {{Translate("CHART_FAME"), -1}, {Translate("CHART_CASH"), -2}};
    for (int i = 0; i < kCareerMarkKinds; ++i) entries.emplace_back(Translate(kMarkLooks[i].key), i);
    const GRect area = Area();
    const float left = area.left + kPad, right = area.right - kPad;
    // Rows from the top of the legend; moved to the panel's bottom once their number is known.
    float x = left;
    int row = 0;
    for (auto& [text, kind] : entries) {
        const float entryW = kSwatchW + kSwatchGap + static_cast<float>(MeasureText(kSmall, text));
        if (x > left && x + entryW > right) {
            x = left;
            ++row;
        }
        legend_.push_back({std::move(text), kind, x, static_cast<float>(row) * kLegendRowH});
        x += entryW + kEntryGap;
    }
    const float top = area.bottom - kPad - static_cast<float>(row + 1) * kLegendRowH;
    for (LegendEntry& entry : legend_) entry.y += top + kLegendRowH / 2.0f;
}

float GUI_CareerChart::WeekX(float week) const {
    return plot_.left + (week - static_cast<float>(firstWeek_)) / static_cast<float>(lastWeek_ - firstWeek_) *
                            (plot_.right - plot_.left);
}
float GUI_CareerChart::ScaleY(const GUI_ChartScale& scale, float figure) const {
    return plot_.bottom - (figure - scale.bottom) / (scale.Top() - scale.bottom) * (plot_.bottom - plot_.top);
}

void GUI_CareerChart::Draw() {
    DrawInsetPanel(Area());
    DrawGrid();
    DrawYears();
    DrawMarks();
    DrawLine(kFameColour, fame_, &SIM_CareerWeek::fame);
    DrawLine(kCashColour, cash_, &SIM_CareerWeek::cash);
    DrawLegend();
}

// The fame scale's lines across the plot with its figures on the left; the cash scale's figures
// on the right at their own heights, and its zero across the plot when cash ran below it.
void GUI_CareerChart::DrawGrid() const {
    GRenderer& renderer = Renderer();
    const float plotW = plot_.right - plot_.left;
    for (int i = 0; i <= fame_.divisions; ++i) {
        const float fame = fame_.bottom + fame_.step * static_cast<float>(i), y = ScaleY(fame_, fame);
        renderer.FillRect(plot_.left, y, plotW, 1.0f, kGridColour);
        DrawText(kSmall, FameFigure(fame), plot_.left - kFigureGap, y - kTextRise, kFameColour, TEXT_RIGHT);
    }
    for (int i = 0; i <= cash_.divisions; ++i) {
        const float cash = cash_.bottom + cash_.step * static_cast<float>(i), y = ScaleY(cash_, cash);
        renderer.FillRect(plot_.right, y, 4.0f, 1.0f, kCashColour);
        DrawText(kSmall, CashFigure(cash), plot_.right + kFigureGap, y - kTextRise, kCashColour);
    }
    if (cash_.bottom < 0.0f) renderer.FillRect(plot_.left, ScaleY(cash_, 0.0f), plotW, 1.0f, kZeroColour);
    if (weeks_.empty()) {
        const std::string words = FitText(kSmall, Translate("CHART_EMPTY"), plotW - 2.0f * kPad);
        DrawText(kSmall, words, (plot_.left + plot_.right) / 2.0f, (plot_.top + plot_.bottom) / 2.0f - kTextRise,
                 GUI_Style::kCreamDim, TEXT_CENTRED);
    }
}

// A tick at each career year's start, with the calendar year it falls in; a figure is left out
// where the years stand too close for each to have one.
void GUI_CareerChart::DrawYears() const {
    const int years = (lastWeek_ - firstWeek_) / kWeeksPerYear;
    const float yearW = (plot_.right - plot_.left) / static_cast<float>(years);
    const int every = std::max(1, static_cast<int>(std::ceil((static_cast<float>(MeasureText(kSmall, "2000")) + kPad) / yearW)));
    const float axis = marksTop_ + kLanes * kLaneH;
    for (int i = 0; i <= years; ++i) {
        const int week = firstWeek_ + i * kWeeksPerYear;
        const float x = WeekX(static_cast<float>(week));
        Renderer().FillRect(x, plot_.top, 1.0f, axis - plot_.top, kGridColour);
        if (i % every) continue;
        Renderer().FillRect(x, axis, 1.0f, kYearTickH, GUI_Style::kCreamDim);
        DrawText(kSmall, std::to_string(kCareerStart.year + week / kWeeksPerYear), x, axis + kYearTickH, GUI_Style::kCreamDim,
                     TEXT_CENTRED);
    }
}

// Each week's figure at the week's close, joined to the one before; a single week is a dot.
void GUI_CareerChart::DrawLine(std::uint32_t colour, const GUI_ChartScale& scale, float SIM_CareerWeek::*figure) const {
    float x0 = 0.0f, y0 = 0.0f;
    for (std::size_t i = 0; i < weeks_.size(); ++i) {
        const float x1 = WeekX(static_cast<float>(weeks_[i].week + 1)), y1 = ScaleY(scale, weeks_[i].*figure);
        Renderer().FillRect(x1 - kLineW / 2.0f, y1 - kLineW / 2.0f, kLineW, kLineW, colour);
        if (i > 0) DrawSegment(x0, y0, x1, y1, colour);
        x0 = x1;
        y0 = y1;
    }
}

// A week's marks in the middle of the week, each kind in its lane; two of one lane sit side by side.
void GUI_CareerChart::DrawMarks() const {
    for (const SIM_CareerWeek& week : weeks_) {
        const float x = WeekX(static_cast<float>(week.week) + 0.5f);
        int inLane[kLanes] = {};
        for (const MarkLook& look : kMarkLooks) {
            if (!(week.marks & look.mark)) continue;
            const float offset = static_cast<float>(inLane[look.lane]++) * kMark;
            DrawShape(look.shape, x + offset, marksTop_ + (static_cast<float>(look.lane) + 0.5f) * kLaneH, look.colour);
        }
    }
}

void GUI_CareerChart::DrawLegend() const {
    for (const LegendEntry& entry : legend_) {
        const float cx = entry.x + kSwatchW / 2.0f;
        if (entry.kind < 0) DrawShape(Shape::kLine, cx, entry.y, entry.kind == -1 ? kFameColour : kCashColour);
        else DrawShape(kMarkLooks[entry.kind].shape, cx, entry.y, kMarkLooks[entry.kind].colour);
        DrawText(kSmall, entry.text, entry.x + kSwatchW + kSwatchGap, entry.y - kTextRise, GUI_Style::kCream);
    }
}
