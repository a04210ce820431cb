#include "SIM_Date.h"

#include "LibConfigSection.h"
#include "LibErrors.h"
#include "SIM_SIM.h"
#include "SIM_Screens.h"
#include "SIM_WorldSeams.h"

namespace {
std::unique_ptr<SIM_Date> gDate;
std::unique_ptr<SIM_Calendar> gCalendar;
const std::string kNoName;

bool IsValidDate(int day, int month) {
    return day >= 0 && day < SIM_Date::kDaysPerMonth && month >= 0 && month < SIM_Date::kMonthsPerYear;
}
}  // namespace

SIM_DateRecord SIM_DateRecord::Next() const {
    SIM_DateRecord next = *this;
    next.weekday = next.weekday + 1 > 6 ? 0 : next.weekday + 1;
    if (++next.day >= SIM_Date::kDaysPerMonth) {
        next.day -= SIM_Date::kDaysPerMonth;
        if (++next.month >= SIM_Date::kMonthsPerYear) {
            next.month -= SIM_Date::kMonthsPerYear;
            ++next.year;
        }
    }
    return next;
}

bool IsBefore(const SIM_DayDate& a, const SIM_DayDate& b) {
    if (a.year != b.year) return a.year < b.year;
    if (a.month != b.month) return a.month < b.month;
    return a.day < b.day;
}

int CareerWeekOf(const SIM_DayDate& date) {
    const auto dayNumber = [](const SIM_DayDate& d) {
        return (d.year * SIM_Date::kMonthsPerYear + d.month) * SIM_Date::kDaysPerMonth + d.day;
    };
    const int days = dayNumber(date) - dayNumber(kCareerStart);
    // Rounded down, so the days before the start fall in weeks below 0.
    return days >= 0 ? days / 7 : -((6 - days) / 7);
}

void SIM_Date::LoadMonthNames(const std::string& file) {
    LibConfigSection section;
    section.Load("MonthNames", file);
    for (int m = 0; m < kMonthsPerYear; ++m) monthNames_[static_cast<std::size_t>(m)] = section.Find(std::to_string(m));
}

const std::string& SIM_Date::MonthName(int month) const {
    if (month < 0 || month >= kMonthsPerYear) return kNoName;
    return monthNames_[static_cast<std::size_t>(month)];
}

void SIM_Date::StartNewGameDate() {
    date = SIM_DateRecord{kCareerStart.day, kCareerStart.month, kCareerStart.year, 0};
    nextReview = {kCareerStart.day, kCareerStart.month, kCareerStart.year + 1};
    gameEnd = {kCareerStart.day, kCareerStart.month,
               static_cast<int>(static_cast<float>(kCareerStart.year) + GetTuningValue("GAME_DURATION_YEARS"))};
}

void SIM_Date::AdvanceOneDay() {
    date = date.Next();
    GetCalendar().Update();
    CheckYearAndGameEnd();
}

void SIM_Date::AdvanceDays(int n) {
    for (int i = 0; i < n; ++i) date = date.Next();
    Screens().RefreshDate();
}

void SIM_Date::CheckYearAndGameEnd() {
    SIM_SIM& sim = GetSIM();
    // Dates are compared in calendar order, so a date that was skipped over (a jump of
    // several days, a loaded game) still counts as reached.
    if (!sim.gameOver && HasReached(date.Date(), gameEnd)) {
        sim.gameOver = true;
        Screens().OpenEndGame();
        return;
    }
    if (HasReached(date.Date(), nextReview)) {
        nextReview = {date.day, date.month, date.year + 1};
        RunSeam(WorldSeams().advanceBandYear);
        Screens().OpenYearlyReview();
    }
}

SIM_Date& GetSIMDate() {
    if (!gDate) gDate = std::make_unique<SIM_Date>();
    return *gDate;
}

void ResetSIMDate() { gDate.reset(); }

void SIM_Calendar::AddCalendarEntry(int day, int month, int year, const std::string& text, const std::string& icon) {
    // Every entry must carry a real date; one without could never be shown or purged.
    GAME_ASSERT(IsValidDate(day, month));
    if (!IsValidDate(day, month)) return;
    const SIM_DayDate date{day, month, year};
    for (const auto& e : entries_)
        if (e->date == date && e->text == text) return;
    entries_.push_back(std::make_unique<SIM_CalendarEntry>(SIM_CalendarEntry{date, text, icon}));
    Update();
}

void SIM_Calendar::Purge() {
    const SIM_DayDate today = GetSIMDate().GetDate().Date();
    std::erase_if(entries_, [&](const auto& e) { return IsBefore(e->date, today); });
}

void SIM_Calendar::Rebuild() {
    SIM_DateRecord day = GetSIMDate().GetDate();
    for (SIM_CalendarSlot& slot : slots_) {
        slot.date = day;
        slot.entries.clear();
        for (const auto& e : entries_)
            if (e->date == day.Date()) slot.entries.push_back(e.get());
        day = day.Next();
    }
}

void SIM_Calendar::Update() {
    Purge();
    Rebuild();
    Screens().RefreshCalendar();
}

void SIM_Calendar::RemoveAllEntries() {
    entries_.clear();
    Rebuild();
}

SIM_Calendar& GetCalendar() {
    if (!gCalendar) gCalendar = std::make_unique<SIM_Calendar>();
    return *gCalendar;
}

void ResetCalendar() { gCalendar.reset(); }
