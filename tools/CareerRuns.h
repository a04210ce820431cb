#pragma once
// Whole careers played by one strategy over a range of seeds, and the figures that judge the
// game's balance: per career and over all of them, as text or CSV.
#include "HeadlessStrategies.h"

#include <cstdint>
#include <string>
#include <vector>

// Game days in a year of the calendar.
constexpr int kDaysPerGameYear = 84;

struct CareerFigures {
    std::uint32_t seed = 0;
    int days = 0;
    float fame = 0.0f;
    float moneyEarned = 0.0f;
    float peakCash = 0.0f;
    float finalCash = 0.0f;
    int stage = 0;
    int stageDay = -1;    // the day the final stage was reached (0 for stage 0)
    int gigStageDay = -1;  // the day stage 2 (gigging) was first reached, -1 never
    int gigs = 0;
    int albums = 0;
    int copiesSold = 0;
    int resignations = 0;
    bool deal = false;  // signed a record deal at some point
    int asserts = 0;
    // Where the money came from, besides the daily benefit, sponsors and sales of gear.
    float gigTakings = 0.0f;  // tickets and merchandise
    float royalties = 0.0f;   // album sales that reached the band
};

// "A..B" or a single number: an inclusive range of 32-bit seeds; false when either end is not a
// whole number or the range runs backwards.
bool ParseSeedRange(const std::string& text, std::uint32_t& first, std::uint32_t& last);
// One strategy's name, a comma-separated list of them, or "all"; false when any is unknown.
bool ParseStrategies(const std::string& text, std::vector<CareerStrategy>& out);

// Plays one career of `days` days from a new game; every failed assertion on the way counts.
CareerFigures PlayCareer(CareerStrategy strategy, std::uint32_t seed, int days);

// "seed 3 fame 212.4 earned 98,120 ..." for one career.
std::string CareerText(const CareerFigures& career);
// Medians, shares and totals over all the careers of a strategy.
std::string AggregateText(CareerStrategy strategy, const std::vector<CareerFigures>& careers);
// The README's balance table: its header (two lines) and a strategy's row.
extern const char* const kBalanceTableHeader;
std::string BalanceTableRow(CareerStrategy strategy, const std::vector<CareerFigures>& careers);
// A header line and one line per career.
std::string CareerCsv(CareerStrategy strategy, const std::vector<CareerFigures>& careers);

// The median of the values (the mean of the middle two for an even count); 0 for none.
double Median(std::vector<double> values);
