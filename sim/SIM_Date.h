#pragma once
// The calendar: 7-day months, 12 months, 84-day years; the yearly review and the game end;
// calendar entries shown in the desktop's 14 day cells.
#include "GHashTable.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

struct SIM_DayDate {
    int day = 0;
    int month = 0;
    int year = 0;
    bool operator==(const SIM_DayDate&) const = default;
};

struct SIM_DateRecord {
    int day = 7;
    int month = 9;
    int year = 2005;
    int weekday = 0;
    SIM_DayDate Date() const { return {day, month, year}; }
    // The date one day later.
    SIM_DateRecord Next() const;
};

// Chronological order: year, then month, then day.
bool IsBefore(const SIM_DayDate& a, const SIM_DayDate& b);
inline bool HasReached(const SIM_DayDate& now, const SIM_DayDate& target) { return !IsBefore(now, target); }
// Every career begins on this day, a week's first.
inline constexpr SIM_DayDate kCareerStart{3, 6, 2007};
// The career week a day falls in: 0 for the first seven days, negative before the start.
int CareerWeekOf(const SIM_DayDate& date);

class SIM_Date {
public:
    static constexpr int kDaysPerMonth = 7;
    static constexpr int kMonthsPerYear = 12;

    // Section "MonthNames", keys "0" to "11".
    void LoadMonthNames(const std::string& file = kStringsFile);
    // The loaded name, or the empty text for a month without one.
    const std::string& MonthName(int month) const;

    void StartNewGameDate();
    // One day on: turns the calendar, refreshes its cells and checks the year and game end.
    void AdvanceOneDay();
    // Moves the date only (no calendar, no checks), then refreshes the date display.
    void AdvanceDays(int n);
    void CheckYearAndGameEnd();
    const SIM_DateRecord& GetDate() const { return date; }

    SIM_DateRecord date;
    SIM_DayDate nextReview;
    SIM_DayDate gameEnd;

private:
    std::array<std::string, kMonthsPerYear> monthNames_{};
};

SIM_Date& GetSIMDate();
void ResetSIMDate();

struct SIM_CalendarEntry {
    SIM_DayDate date;
    std::string text;
    std::string icon;
};

struct SIM_CalendarSlot {
    SIM_DateRecord date;
    std::vector<const SIM_CalendarEntry*> entries;
};

class SIM_Calendar {
public:
    static constexpr int kSlots = 14;

    // Adds the entry unless one with the same date and text exists; then purges and rebuilds.
    void AddCalendarEntry(int day, int month, int year, const std::string& text, const std::string& icon);
    // Removes the entries dated before today.
    void Purge();
    // Slot i holds today + i days and the entries on that date.
    void Rebuild();
    // Purge, rebuild and refresh the desktop's day cells.
    void Update();
    void RemoveAllEntries();
    const std::vector<std::unique_ptr<SIM_CalendarEntry>>& Entries() const { return entries_; }
    const std::array<SIM_CalendarSlot, kSlots>& Slots() const { return slots_; }

private:
    std::vector<std::unique_ptr<SIM_CalendarEntry>> entries_;
    std::array<SIM_CalendarSlot, kSlots> slots_{};
};

SIM_Calendar& GetCalendar();
void ResetCalendar();
