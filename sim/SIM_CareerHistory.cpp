#include "SIM_CareerHistory.h"

#include "SIM_Date.h"
#include "SIM_Fame.h"
#include "SIM_Finances.h"

#include <memory>

namespace {
std::unique_ptr<SIM_CareerHistory> gHistory;
}  // namespace

void SIM_CareerHistory::RecordWeek(int week, float fame, float cash) {
    if (week < 0 || (!weeks.empty() && week <= weeks.back().week)) return;
    if (weeks.size() >= kMaxWeeks) weeks.erase(weeks.begin());
    weeks.push_back({week, fame, cash, pending});
    pending = 0;
}

void SIM_CareerHistory::EndOfDay() {
    const SIM_DateRecord& today = GetSIMDate().GetDate();
    if (today.weekday != 6) return;
    RecordWeek(CareerWeekOf(today.Date()), GetFame().fame, GetFinances().cash);
}

std::string SIM_CareerHistory::Problem(int todaysWeek) const {
    if (weeks.size() > kMaxWeeks) return "more than " + std::to_string(kMaxWeeks) + " weeks";
    if ((pending & ~kAllCareerMarks) != 0) return "unknown marks " + std::to_string(pending);
    int previous = -1;
    for (const SIM_CareerWeek& w : weeks) {
        if (w.week <= previous || w.week > todaysWeek) return "week " + std::to_string(w.week) + " out of order";
        if ((w.marks & ~kAllCareerMarks) != 0) return "unknown marks in week " + std::to_string(w.week);
        previous = w.week;
    }
    return {};
}

SIM_CareerHistory& GetCareerHistory() {
    if (!gHistory) gHistory = std::make_unique<SIM_CareerHistory>();
    return *gHistory;
}
void ResetCareerHistory() { gHistory.reset(); }
