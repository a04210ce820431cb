// Developer and automation verbs that run the game's core without a window.
#include "ArtCanvas.h"
#include "ArtContactSheet.h"
#include "BenchRender.h"
#include "BenchSimulation.h"
#include "DataValidator.h"
#include "CareerRuns.h"
#include "HeadlessPlayer.h"
#include "PlayScript.h"
#include "ScreenCareer.h"
#include "LibConfigSection.h"
#include "LibDataFolder.h"
#include "LibErrors.h"
#include "LibFileList.h"
#include "SIM_Band.h"
#include "SIM_SIM.h"
#include "SIM_LoadGame.h"
#include "SIM_SaveData.h"
#include "SIM_SaveGame.h"
#include "SIM_Screens.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Verb {
    const char* name;
    const char* usage;
    std::function<int(const std::vector<std::string>&)> run;
};

int Version(const std::vector<std::string>&) {
    std::printf("%s\n", kBuildLabel);
    return 0;
}

// ---- Career simulation ----------------------------------------------------------------

// Why no data folder was found (LocateDataFolder), empty when one was.
std::string gDataError;

// Without the game's data every tuning value would read as 0 and the run would mean nothing.
bool HasGameData(const char* verb) {
    if (gDataError.empty()) return true;
    std::fprintf(stderr, "gigvale-tool %s: %s\n", verb, gDataError.c_str());
    return false;
}

bool ParseNumber(const std::string& text, long long& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    out = std::strtoll(text.c_str(), &end, 10);
    return end && *end == '\0';
}

// ---- Careers by strategy ----
// A thousand game years: more is a typing slip.
constexpr int kMostCareerDays = 1000 * kDaysPerGameYear;

// Plays a career per seed for each strategy; prints each career, then each strategy's figures.
int SimulateCareers(const std::vector<CareerStrategy>& strategies, std::uint32_t firstSeed, std::uint32_t lastSeed,
                    long long days, bool strict, const std::string& csvFile, bool printTable) {
    std::string csv, table = kBalanceTableHeader;
    int asserts = 0;
    for (CareerStrategy strategy : strategies) {
        std::vector<CareerFigures> careers;
        for (std::uint64_t seed = firstSeed; seed <= lastSeed; ++seed) {
            careers.push_back(PlayCareer(strategy, static_cast<std::uint32_t>(seed), static_cast<int>(days)));
            asserts += careers.back().asserts;
            std::printf("%s %s\n", CareerStrategyName(strategy), CareerText(careers.back()).c_str());
            std::fflush(stdout);
        }
        std::printf("%s", AggregateText(strategy, careers).c_str());
        table += BalanceTableRow(strategy, careers);
        const std::string rows = CareerCsv(strategy, careers);
        csv += csv.empty() ? rows : rows.substr(rows.find('\n') + 1);  // one header for all
    }
    std::printf("asserts %d\n", asserts);
    if (printTable) std::printf("%s", table.c_str());
    if (!csvFile.empty() && !WriteFileReplacing(csvFile, csv)) {
        std::fprintf(stderr, "gigvale-tool simulate: could not write %s\n", csvFile.c_str());
        return 2;
    }
    return strict && asserts > 0 ? 1 : 0;
}
// ---- end of careers by strategy ----

int Simulate(const std::vector<std::string>& args) {
    long long seed = 1, days = 0, years = -1;
    std::uint32_t firstSeed = 1, lastSeed = 1;
    bool strict = false, careers = false, seedGiven = false, seedsGiven = false, table = false;
    std::string saveFile, csvFile;
    std::vector<CareerStrategy> strategies = {CareerStrategy::kSensible};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--strategy" && hasValue && ParseStrategies(args[i + 1], strategies)) careers = true, ++i;
        else if (args[i] == "--seeds" && hasValue && ParseSeedRange(args[i + 1], firstSeed, lastSeed))
            careers = seedsGiven = true, ++i;
        else if (args[i] == "--years" && hasValue && ParseNumber(args[i + 1], years) && years >= 0 && years <= 1000)
            careers = true, ++i;
        else if (args[i] == "--csv" && hasValue) careers = true, csvFile = args[++i];
        else if (args[i] == "--seed" && hasValue && ParseNumber(args[i + 1], seed)) seedGiven = true, ++i;
        else if (args[i] == "--save" && hasValue) saveFile = args[++i];
        else if (args[i] == "--days" && hasValue && ParseNumber(args[i + 1], days) && days >= 0) ++i;
        else if (args[i] == "--strict") strict = true;
        else if (args[i] == "--table") careers = table = true;
        else {
            std::fprintf(stderr, "gigvale-tool simulate: bad argument '%s'\n", args[i].c_str());
            return 2;
        }
    }
    if (!HasGameData("simulate")) return 2;
    if (careers) {
        if (!saveFile.empty()) {
            std::fprintf(stderr, "gigvale-tool simulate: --save plays one career: use --seed and --days\n");
            return 2;
        }
        LoadTuningTable();
        if (years < 0) years = static_cast<long long>(GetTuningValue("GAME_DURATION_YEARS"));
        // "--seed S" with a strategy plays that one seed.
        if (seedGiven && !seedsGiven) {
            if (seed < 0 || seed > 0xffffffffLL) {
                std::fprintf(stderr, "gigvale-tool simulate: seeds are 0..4294967295\n");
                return 2;
            }
            firstSeed = lastSeed = static_cast<std::uint32_t>(seed);
        }
        if (days > kMostCareerDays) {
            std::fprintf(stderr, "gigvale-tool simulate: careers of at most %d days\n", kMostCareerDays);
            return 2;
        }
        return SimulateCareers(strategies, firstSeed, lastSeed, days > 0 ? days : years * kDaysPerGameYear, strict,
                               csvFile, table);
    }
    SIM_HeadlessScreens screens;
    ResetAssertionCount();
    StartHeadlessGame(screens, static_cast<std::uint32_t>(seed));
    const std::vector<std::string> missing = WorldSeams().Unfilled();
    if (!missing.empty()) {
        std::string list;
        for (const std::string& name : missing) list += (list.empty() ? "" : ", ") + name;
        std::fprintf(stderr, "gigvale-tool simulate: not in this build yet: %s\n", list.c_str());
    }
    int reviews = 0;
    for (long long day = 0; day < days; ++day) {
        screens.CloseEndGame();  // the player plays on
        PlayHeadlessDay();
        for (const std::string& event : screens.events) {
            if (event == "yearly review")
                std::printf("yearly review %d: %s %s %s\n", ++reviews, DateText().c_str(), StateText().c_str(),
                            BandText().c_str());
            else if (event == "game end")
                std::printf("game end: %s %s\n", DateText().c_str(), StateText().c_str());
            else if (event.rfind("stage ", 0) == 0)
                std::printf("%s: %s\n", event.c_str(), DateText().c_str());
        }
        screens.events.clear();
    }
    const int asserts = AssertionCount();
    std::printf("end: %s %s asserts %d\n", DateText().c_str(), StateText().c_str(), asserts);
    SetScreens(nullptr);
    if (!saveFile.empty() && !WriteFileReplacing(saveFile, SaveGameText())) {
        std::fprintf(stderr, "gigvale-tool simulate: could not write %s\n", saveFile.c_str());
        return 2;
    }
    return strict && asserts > 0 ? 1 : 0;
}

// "bench" times the day cycle of a five-member band and a ten-year career with its gigs; "bench
// render" a typical frame on the software renderer.
constexpr int kCareerDays = 840;
int Bench(const std::vector<std::string>& args) {
    if (!args.empty() && args[0] == "render") return BenchRender({args.begin() + 1, args.end()});
    long long days = 2000;
    if (args.size() == 2 && args[0] == "--days" && ParseNumber(args[1], days) && days > 0) {
    } else if (!args.empty()) {
        std::fprintf(stderr, "gigvale-tool bench: bad arguments\n");
        return 2;
    }
    if (!HasGameData("bench")) return 2;
    SIM_HeadlessScreens screens;
    StartHeadlessGame(screens, 1);
    HireFiveMemberBand();
    const std::size_t members = GetBand().members.size();
    std::vector<double> costs;
    costs.reserve(static_cast<std::size_t>(days));
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    for (long long day = 0; day < days; ++day) {
        screens.CloseEndGame();
        HireFiveMemberBand();  // untimed: whoever resigned is replaced, so every day has five
        const auto before = Clock::now();
        GetSIM().NewDay();
        costs.push_back(std::chrono::duration<double, std::micro>(Clock::now() - before).count());
        screens.events.clear();
    }
    const double total = std::chrono::duration<double>(Clock::now() - start).count();
    std::nth_element(costs.begin(), costs.begin() + static_cast<std::ptrdiff_t>(costs.size() / 2), costs.end());
    std::printf("NewDay median %.2f us over %lld days; %.0f days per second; members %zu at the start, %zu at the end\n",
                costs[costs.size() / 2], days, total > 0.0 ? static_cast<double>(days) / total : 0.0, members,
                GetBand().members.size());
    // The save of the career so far: the median of a few writes of the whole text.
    std::vector<double> saves;
    std::size_t bytes = 0;
    for (int i = 0; i < 5; ++i) {
        const auto before = Clock::now();
        bytes = SaveGameText().size();
        saves.push_back(std::chrono::duration<double, std::milli>(Clock::now() - before).count());
    }
    std::nth_element(saves.begin(), saves.begin() + 2, saves.end());
    std::printf("save median %.2f ms, %zu bytes\n", saves[2], bytes);
    SetScreens(nullptr);
    BenchCareer(kCareerDays);
    return 0;
}
// --- contact sheet of the generated pictures ---
int ContactSheet(const std::vector<std::string>& args) {
    if (args.empty()) {
        std::fprintf(stderr, "usage: gigvale-tool contact-sheet OUT.png [DATADIR]\n");
        return 2;
    }
    const int placed = MakeContactSheet(args.size() > 1 ? args[1] : DataFolder(), args[0]);
    ArtShutdown();
    if (placed < 0) {
        std::fprintf(stderr, "gigvale-tool: cannot write %s\n", args[0].c_str());
        return 1;
    }
    std::printf("%d pictures\n", placed);
    return placed > 0 ? 0 : 1;
}
// --- end contact sheet ---

// --- check-save ---
// Starts a new game on the run folder's data (the catalogues a save is checked against) and reads
// the save whole; prints the file and tag and gives none when it is refused.
std::optional<SIM_SaveData> ReadSaveInNewGame(const char* verb, const std::string& file, SIM_HeadlessScreens& screens) {
    StartHeadlessGame(screens, 1);
    std::string error;
    std::optional<SIM_SaveData> data = ReadSaveFile(file, &error);
    if (!data) std::fprintf(stderr, "gigvale-tool %s: %s\n", verb, error.c_str());
    return data;
}


// Reads a save file whole and checks it against the shipped catalogues of a new game; exit 2
// with the file and tag when it is refused.
int CheckSave(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: gigvale-tool check-save FILE\n");
        return 2;
    }
    if (!HasGameData("check-save")) return 2;
    SIM_HeadlessScreens screens;
    const std::optional<SIM_SaveData> data = ReadSaveInNewGame("check-save", args[0], screens);
    SetScreens(nullptr);
    if (!data) return 2;
    std::printf("%s: musicians %zu songs %zu retired %zu albums %zu booked %zu rival gigs %zu endorsements %zu "
                "studio %s record company %s weeks %s\n",
                args[0].c_str(), data->musicians.size(), data->songs.size(), data->retiredSongs.size(),
                data->albums.size(), data->bookings.size(), data->rivalGigs.size(), data->endorsements.size(),
                data->studio.c_str(), data->recordCompany ? (data->recordCompany->hasDeal ? "deal" : "no deal") : "none",
                data->history ? std::to_string(data->history->weeks.size()).c_str()
                              : data->historyDropped.empty() ? "none" : "dropped (damaged)");
    if (!data->historyDropped.empty()) std::printf("%s\n", data->historyDropped.c_str());
    return 0;
}
// --- end check-save ---

// --- validate-data ---
// Checks a data folder (default: the run folder's) against the keys the code reads and the
// catalogues' rules; one problem a line, exit 1 when there is any.
int ValidateDataVerb(const std::vector<std::string>& args) {
    if (args.size() > 1) {
        std::fprintf(stderr, "usage: gigvale-tool validate-data [DIR]\n");
        return 2;
    }
    if (args.empty() && !HasGameData("validate-data")) return 2;
    const std::string dir = args.empty() ? DataFolder() : args[0];
    if (!std::filesystem::is_directory(dir)) {
        std::fprintf(stderr, "gigvale-tool validate-data: %s is not a folder\n", dir.c_str());
        return 2;
    }
    const std::vector<DataProblem> problems = ValidateData(dir, CodeDataKeys());
    for (const DataProblem& problem : problems) std::printf("%s\n", FormatProblem(problem).c_str());
    std::printf("%zu problems in %s (%zu keys from the code)\n", problems.size(), dir.c_str(), CodeDataKeys().size());
    return problems.empty() ? 0 : 1;
}
// --- end validate-data ---
// --- resave ---
// Loads a save into a new game on the run folder's data and writes it again, keeping the time it
// was saved at; exit 2 with the file and tag when it is refused.
int Resave(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: gigvale-tool resave IN OUT\n");
        return 2;
    }
    if (!HasGameData("resave")) return 2;
    SIM_HeadlessScreens screens;
    const std::optional<SIM_SaveData> data = ReadSaveInNewGame("resave", args[0], screens);
    if (!data) {
        SetScreens(nullptr);
        return 2;
    }
    RestoreSavedGame(*data);  // the file is read and checked once
    const std::string text = SaveGameText(data->summary.date);
    SetScreens(nullptr);
    if (!WriteFileReplacing(args[1], text)) {
        std::fprintf(stderr, "gigvale-tool resave: could not write %s\n", args[1].c_str());
        return 2;
    }
    return 0;
}
// --- end resave ---

const std::vector<Verb>& Verbs() {
    static const std::vector<Verb> verbs = {
        {"version", "version                 print the build label", Version},
        {"simulate",
         "simulate --seed S --days N [--strict] [--save FILE]  run a new game N days headless\n"
         "  simulate --strategy sensible|idle|random|reckless|all --seeds A..B [--years Y] [--csv FILE] [--table] [--strict]",
         Simulate},
        {"bench", "bench [--days N] | bench render [--frames N] [--png FILE] [--screen NAME|all]  day cycle or frame timings",
         Bench},
        {"contact-sheet", "contact-sheet OUT.png [DATADIR]  every picture with its name", ContactSheet},
        {"check-save", "check-save FILE         read a save file back and check it", CheckSave},
        {"validate-data", "validate-data [DIR]     check the data folder against the code and its own rules",
         ValidateDataVerb},
        {"resave", "resave IN OUT           load a save and write it again", Resave},
        {"play-script",
         "play-script SCRIPT [--out DIR] [--seed N] [--home DIR]  play the real game from a script on a fixed frame clock\n"
         "    (or a session's replay, replays/last-session/session.play in the player's folder, exactly as it was played):\n"
         "    click X Y, rclick X Y, move X Y, key NAME (Escape, Return, Alt+Return, F12, A..Z, 0..9...), type TEXT,\n"
         "    frames N, shot NAME, expect-text TEXT, expect-no-text TEXT, wait-text TEXT, click-text TEXT, hover TEXT\n"
         "    (TEXT @N: the Nth button of that label), drag X1 Y1 X2 Y2, drag-text TEXT X Y (a puzzle piece by its label),\n"
         "    expect-tooltip TEXT, expect-mode N, expect-quit, close-window, save NAME, load NAME, next-day (ends the day as an activity\n"
         "    does), write-song (writes a song as the headless player does, ending the day),\n"
         "    upset NAME (makes a member miserable for good); key NAME N presses N times; include FILE plays another script's lines there; lines\n"
         "    starting with # are comments; \"# tuning: KEY=NUMBER\" sets a tuning value before the game starts;\n"
         "    a replay's lines: tick MS N, input-mouse, input-key, input-text, input-cursor, input-warp, input-quit, and its\n"
         "    header \"# seed:\", \"# clock-start:\", \"# wall-clock:\", \"# user-folder: DIR\" (copied into a fresh home, or --home DIR)",
         PlayScript},
        {"play-career",
         "play-career --seed N --years Y [--shots DIR]  play a sensible career through the real game's screens, failing on a\n"
         "    stuck screen, a text out of its window, a placeholder message or an assertion",
         [](const std::vector<std::string>& args) {
             return HasGameData("play-career") ? PlayCareerThroughScreens(args) : 2;
         }},
    };
    return verbs;
}

int Usage() {
    std::fprintf(stderr, "usage: gigvale-tool VERB [ARGS]\n");
    for (const Verb& verb : Verbs()) std::fprintf(stderr, "  %s\n", verb.usage);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    LocateDataFolder(gDataError);
    const std::vector<std::string> args(argv + 2, argv + argc);
    for (const Verb& verb : Verbs())
        if (std::strcmp(argv[1], verb.name) == 0) return verb.run(args);
    std::fprintf(stderr, "gigvale-tool: unknown verb '%s'\n", argv[1]);
    return Usage();
}
