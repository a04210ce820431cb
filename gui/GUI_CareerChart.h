#pragma once
// The career at a glance: fame and cash week by week as two lines, each with its own scale at
// its side, the career's years along the bottom, and under the lines a strip of marks for the
// gigs, releases, the record deal and the line-up's changes, with a legend. The yearly review
// and the end of the game each place one.
#include "GUIButtonsList.h"
#include "SIM_CareerHistory.h"

#include <cstdint>
#include <string>
#include <vector>

// A chart's scale: from bottom up in divisions steps, each step a round number (1, 2 or 5 times
// a power of ten) and 0 on one of its lines.
struct GUI_ChartScale {
    float bottom = 0.0f;
    float step = 1.0f;
    int divisions = 1;
    float Top() const { return bottom + step * static_cast<float>(divisions); }
};
// The scale of the smallest step that holds lo..hi, 0 and minTop in at most maxDivisions steps.
GUI_ChartScale ChartScaleFor(float lo, float hi, float minTop, int maxDivisions);

class GUI_CareerChart : public GUI_BaseElement {
public:
    GUI_CareerChart(std::vector<SIM_CareerWeek> weeks, const GRect& area);
    void Draw() override;

    // The figures along the sides (tests read them).
    const GUI_ChartScale& FameScale() const { return fame_; }
    const GUI_ChartScale& CashScale() const { return cash_; }

private:
    struct LegendEntry {
        std::string text;
        int kind;  // a mark's place among the kinds; -1 the fame line, -2 the cash line
        float x, y;
    };
    void LayOutLegend();
    float WeekX(float week) const;
    float ScaleY(const GUI_ChartScale& scale, float figure) const;
    void DrawGrid() const;
    void DrawYears() const;
    void DrawLine(std::uint32_t colour, const GUI_ChartScale& scale, float SIM_CareerWeek::*figure) const;
    void DrawMarks() const;
    void DrawLegend() const;

    std::vector<SIM_CareerWeek> weeks_;
    GRect plot_{};
    float marksTop_ = 0.0f;  // the strip of marks under the plot
    int firstWeek_ = 0, lastWeek_ = 0;
    GUI_ChartScale fame_, cash_;
    std::vector<LegendEntry> legend_;
};
