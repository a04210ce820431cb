#pragma once
// The career week by week: fame and cash as each game week closes and what happened in it (gigs,
// albums, the record deal, line-up changes), for the charts of the yearly review and the end of
// the game. The day cycle closes a week on its last night; the parts where things happen mark
// the week in progress.
#include <cstddef>
#include <string>
#include <vector>

// What a week may be marked with; a week holds any mix of them.
enum SIM_CareerMark : unsigned {
    kMarkGig = 1u << 0,
    kMarkAlbum = 1u << 1,
    kMarkDeal = 1u << 2,
    kMarkHire = 1u << 3,
    kMarkResignation = 1u << 4,
    kMarkFiring = 1u << 5,
};
constexpr int kCareerMarkKinds = 6;
constexpr unsigned kAllCareerMarks = (1u << kCareerMarkKinds) - 1u;

struct SIM_CareerWeek {
    int week = 0;  // weeks since the career's first day, from 0
    float fame = 0.0f;
    float cash = 0.0f;
    unsigned marks = 0;
    bool operator==(const SIM_CareerWeek&) const = default;
};

class SIM_CareerHistory {
public:
    // Twenty game years, twice a whole career: a band that plays on past the end keeps its
    // latest weeks, and a save never grows without end.
    static constexpr std::size_t kMaxWeeks = 240;

    void Mark(unsigned marks) { pending |= marks & kAllCareerMarks; }
    // Closes a week with its figures and the marks gathered for it. A week not after the last
    // one recorded is left alone, so a week is recorded once.
    void RecordWeek(int week, float fame, float cash);
    // On a week's last day, records that week with the band's fame and cash of tonight.
    void EndOfDay();
    // Why the weeks and marks cannot be this game's history (a save's), or empty when they can:
    // weeks rising from 0 and none after today's, known marks, at most kMaxWeeks.
    std::string Problem(int todaysWeek) const;

    std::vector<SIM_CareerWeek> weeks;  // oldest first
    unsigned pending = 0;               // the marks of the week in progress
};

SIM_CareerHistory& GetCareerHistory();
void ResetCareerHistory();
