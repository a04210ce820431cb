#include "CareerRuns.h"

#include "HeadlessPlayer.h"

#include "LibErrors.h"
#include "LibString.h"
#include "SIM_Album.h"
#include "SIM_Band.h"
#include "SIM_CareerStage.h"
#include "SIM_Fame.h"
#include "SIM_Finances.h"
#include "SIM_Performance.h"
#include "SIM_RecordCompany.h"
#include "SIM_SIM.h"
#include "SIM_Screens.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {
int CopiesSold() {
    int sold = 0;
    for (const auto& album : Albums()) sold += album->copiesSold;
    return sold;
}

double Share(const std::vector<CareerFigures>& careers, bool (*holds)(const CareerFigures&)) {
    if (careers.empty()) return 0.0;
    const auto count = std::count_if(careers.begin(), careers.end(), holds);
    return 100.0 * static_cast<double>(count) / static_cast<double>(careers.size());
}

template <typename Field>
double MedianOf(const std::vector<CareerFigures>& careers, Field field) {
    std::vector<double> values;
    values.reserve(careers.size());
    for (const CareerFigures& career : careers) values.push_back(static_cast<double>(field(career)));
    return Median(std::move(values));
}

std::string Dollars(double amount) {
    return (amount < 0.0 ? "-$" : "$") + FormatThousands(static_cast<long long>(amount < 0.0 ? -amount : amount));
}
}  // namespace

namespace {
bool ParseSeed(const std::string& text, std::uint32_t& out) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
    errno = 0;
    const unsigned long long value = std::strtoull(text.c_str(), nullptr, 10);
    if (errno == ERANGE || value > 0xffffffffULL) return false;
    out = static_cast<std::uint32_t>(value);
    return true;
}
}  // namespace

bool ParseSeedRange(const std::string& text, std::uint32_t& first, std::uint32_t& last) {
    const std::size_t dots = text.find("..");
    const bool parsed = dots == std::string::npos
                            ? ParseSeed(text, first) && ParseSeed(text, last)
                            : ParseSeed(text.substr(0, dots), first) && ParseSeed(text.substr(dots + 2), last);
    return parsed && first <= last;
}

bool ParseStrategies(const std::string& text, std::vector<CareerStrategy>& out) {
    out.clear();
    const std::string list = text == "all" ? "sensible,idle,random,reckless" : text;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        CareerStrategy strategy{};
        if (!ParseCareerStrategy(list.substr(start, comma - start), strategy)) {
            out.clear();
            return false;
        }
        out.push_back(strategy);
        start = comma + 1;
    }
    return !out.empty();
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2.0;
}

CareerFigures PlayCareer(CareerStrategy strategy, std::uint32_t seed, int days) {
    SIM_HeadlessScreens screens;
    ResetAssertionCount();
    StartHeadlessGame(screens, seed);
    CareerFigures career;
    career.seed = seed;
    for (int day = 0; day < days; ++day) {
        screens.CloseEndGame();  // the player plays on
        PlayStrategyDay(strategy);
        screens.events.clear();
        // The stage only rises, at most a step a day: a change is a new stage reached today.
        const int stage = GetCareerStage().GetStage();
        if (stage != career.stage) {
            career.stage = stage;
            career.stageDay = day + 1;
            if (stage >= 2 && career.gigStageDay < 0) career.gigStageDay = day + 1;
        }
        if (GetRecordCompany().hasDeal) career.deal = true;
    }
    if (career.stage == 0) career.stageDay = 0;
    career.days = days;
    career.fame = GetFame().fame;
    career.moneyEarned = GetStatistics().moneyEarned;
    career.peakCash = GetStatistics().peakCash;
    career.finalCash = GetFinances().cash;
    career.gigs = GetStatistics().gigsPlayed;
    career.albums = ReleasedAlbumCount();
    career.copiesSold = CopiesSold();
    career.resignations = GetBand().resignations;
    career.asserts = AssertionCount();
    for (const auto& gig : Performances()) career.gigTakings += gig->ticketRevenue + gig->merchandiseRevenue;
    for (const auto& album : Albums()) career.royalties += album->royaltiesEarned;
    SetScreens(nullptr);
    return career;
}

std::string CareerText(const CareerFigures& c) {
    return FormatText("seed %u fame %.1f earned %s peak cash %s final cash %s stage %d on day %d gigs %d albums %d "
                      "sold %d resignations %d deal %s asserts %d (gigs took %s, royalties %s)",
                      c.seed, static_cast<double>(c.fame), Dollars(c.moneyEarned).c_str(), Dollars(c.peakCash).c_str(),
                      Dollars(c.finalCash).c_str(), c.stage, c.stageDay, c.gigs, c.albums, c.copiesSold,
                      c.resignations, c.deal ? "yes" : "no", c.asserts, Dollars(c.gigTakings).c_str(),
                      Dollars(c.royalties).c_str());
}

std::string AggregateText(CareerStrategy strategy, const std::vector<CareerFigures>& careers) {
    int asserts = 0, topStage = 0;
    for (const CareerFigures& c : careers) {
        asserts += c.asserts;
        topStage = std::max(topStage, c.stage);
    }
    const double fame = MedianOf(careers, [](const CareerFigures& c) { return c.fame; });
    double topFame = 0.0;
    for (const CareerFigures& c : careers) topFame = std::max(topFame, static_cast<double>(c.fame));
    std::string text = FormatText("%s over %zu careers:\n", CareerStrategyName(strategy), careers.size());
    text += FormatText("  median fame at the end %.1f (highest %.1f)\n", fame, topFame);
    text += FormatText("  median money earned %s, peak cash %s, final cash %s\n",
                       Dollars(MedianOf(careers, [](const CareerFigures& c) { return c.moneyEarned; })).c_str(),
                       Dollars(MedianOf(careers, [](const CareerFigures& c) { return c.peakCash; })).c_str(),
                       Dollars(MedianOf(careers, [](const CareerFigures& c) { return c.finalCash; })).c_str());
    text += FormatText("  median gig takings %s, album royalties %s\n",
                       Dollars(MedianOf(careers, [](const CareerFigures& c) { return c.gigTakings; })).c_str(),
                       Dollars(MedianOf(careers, [](const CareerFigures& c) { return c.royalties; })).c_str());
    text += FormatText("  median gigs %.0f, albums %.1f, copies sold %.0f\n",
                       MedianOf(careers, [](const CareerFigures& c) { return c.gigs; }),
                       MedianOf(careers, [](const CareerFigures& c) { return c.albums; }),
                       MedianOf(careers, [](const CareerFigures& c) { return c.copiesSold; }));
    text += FormatText("  gigging (stage 2) within the first year %.0f%%, highest stage %d\n",
                       Share(careers,
                             [](const CareerFigures& c) {
                                 return c.gigStageDay >= 0 && c.gigStageDay <= kDaysPerGameYear;
                             }),
                       topStage);
    text += FormatText("  record deal %.0f%%, a resignation %.0f%%, negative final cash %.0f%%\n",
                       Share(careers, [](const CareerFigures& c) { return c.deal; }),
                       Share(careers, [](const CareerFigures& c) { return c.resignations > 0; }),
                       Share(careers, [](const CareerFigures& c) { return c.finalCash < 0.0f; }));
    text += FormatText("  assertions %d\n", asserts);
    return text;
}

std::string CareerCsv(CareerStrategy strategy, const std::vector<CareerFigures>& careers) {
    std::string csv = "strategy,seed,days,fame,money_earned,peak_cash,final_cash,stage,stage_day,gigging_day,gigs,"
                      "albums,copies_sold,resignations,deal,asserts,gig_takings,royalties\n";
    for (const CareerFigures& c : careers)
        csv += FormatText("%s,%u,%d,%.2f,%.2f,%.2f,%.2f,%d,%d,%d,%d,%d,%d,%d,%s,%d,%.2f,%.2f\n", CareerStrategyName(strategy),
                          c.seed, c.days, static_cast<double>(c.fame), static_cast<double>(c.moneyEarned),
                          static_cast<double>(c.peakCash), static_cast<double>(c.finalCash), c.stage, c.stageDay,
                          c.gigStageDay, c.gigs, c.albums, c.copiesSold, c.resignations, c.deal ? "yes" : "no",
                          c.asserts, static_cast<double>(c.gigTakings), static_cast<double>(c.royalties));
    return csv;
}
