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

namespace {
// The figures both summaries show, worked out once.
struct CareerSummary {
    std::size_t careers = 0;
    int asserts = 0, topStage = 0;
    double fame = 0, topFame = 0, earned = 0, peakCash = 0, finalCash = 0, gigTakings = 0, royalties = 0;
    double gigs = 0, albums = 0, copiesSold = 0;
    double gigsInFirstYear = 0, deal = 0, resignation = 0, negativeCash = 0;  // percentages
};

CareerSummary Summarise(const std::vector<CareerFigures>& careers) {
    CareerSummary s;
    s.careers = careers.size();
    for (const CareerFigures& c : careers) {
        s.asserts += c.asserts;
        s.topStage = std::max(s.topStage, c.stage);
        s.topFame = std::max(s.topFame, static_cast<double>(c.fame));
    }
    s.fame = MedianOf(careers, [](const CareerFigures& c) { return c.fame; });
    s.earned = MedianOf(careers, [](const CareerFigures& c) { return c.moneyEarned; });
    s.peakCash = MedianOf(careers, [](const CareerFigures& c) { return c.peakCash; });
    s.finalCash = MedianOf(careers, [](const CareerFigures& c) { return c.finalCash; });
    s.gigTakings = MedianOf(careers, [](const CareerFigures& c) { return c.gigTakings; });
    s.royalties = MedianOf(careers, [](const CareerFigures& c) { return c.royalties; });
    s.gigs = MedianOf(careers, [](const CareerFigures& c) { return c.gigs; });
    s.albums = MedianOf(careers, [](const CareerFigures& c) { return c.albums; });
    s.copiesSold = MedianOf(careers, [](const CareerFigures& c) { return c.copiesSold; });
    s.gigsInFirstYear = Share(careers, [](const CareerFigures& c) {
        return c.gigStageDay >= 0 && c.gigStageDay <= kDaysPerGameYear;
    });
    s.deal = Share(careers, [](const CareerFigures& c) { return c.deal; });
    s.resignation = Share(careers, [](const CareerFigures& c) { return c.resignations > 0; });
    s.negativeCash = Share(careers, [](const CareerFigures& c) { return c.finalCash < 0.0f; });
    return s;
}
}  // namespace

std::string AggregateText(CareerStrategy strategy, const std::vector<CareerFigures>& careers) {
    const CareerSummary s = Summarise(careers);
    std::string text = FormatText("%s over %zu careers:\n", CareerStrategyName(strategy), s.careers);
    text += FormatText("  median fame at the end %.1f (highest %.1f)\n", s.fame, s.topFame);
    text += FormatText("  median money earned %s, peak cash %s, final cash %s\n", Dollars(s.earned).c_str(),
                       Dollars(s.peakCash).c_str(), Dollars(s.finalCash).c_str());
    text += FormatText("  median gig takings %s, album royalties %s\n", Dollars(s.gigTakings).c_str(),
                       Dollars(s.royalties).c_str());
    text += FormatText("  median gigs %.0f, albums %.1f, copies sold %.0f\n", s.gigs, s.albums, s.copiesSold);
    text += FormatText("  gigging (stage 2) within the first year %.0f%%, highest stage %d\n", s.gigsInFirstYear,
                       s.topStage);
    text += FormatText("  record deal %.0f%%, a resignation %.0f%%, negative final cash %.0f%%\n", s.deal,
                       s.resignation, s.negativeCash);
    text += FormatText("  assertions %d\n", s.asserts);
    return text;
}

const char* const kBalanceTableHeader =
    "| strategy | careers | median fame at the end | median money earned | median final cash | median gigs | "
    "gigging in year 1 | highest stage | record deal | a resignation | negative final cash | GameAsserts |\n"
    "|---|---|---|---|---|---|---|---|---|---|---|---|\n";

std::string BalanceTableRow(CareerStrategy strategy, const std::vector<CareerFigures>& careers) {
    const CareerSummary s = Summarise(careers);
    return FormatText("| %s | %zu | %.1f | %s | %s | %.0f | %.0f%% | %d | %.0f%% | %.0f%% | %.0f%% | %d |\n",
                      CareerStrategyName(strategy), s.careers, s.fame, Dollars(s.earned).c_str(),
                      Dollars(s.finalCash).c_str(), s.gigs, s.gigsInFirstYear, s.topStage, s.deal, s.resignation,
                      s.negativeCash, s.asserts);
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
