#include "BenchSimulation.h"

#include "HeadlessPlayer.h"
#include "SIM_Auditions.h"
#include "LibFileList.h"
#include "SIM_Band.h"
#include "SIM_LoadGame.h"
#include "SIM_SaveGame.h"
#include "SIM_Performance.h"
#include "SIM_Person.h"
#include "SIM_Screens.h"
#include "SIM_WorldSeams.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

double Median(std::vector<double>& values) {
    if (values.empty()) return 0.0;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}
}  // namespace

void HireFiveMemberBand() {
    const int wanted[] = {INSTRUMENT_DRUMS, INSTRUMENT_BASS, INSTRUMENT_GUITAR, INSTRUMENT_KEYBOARD,
                          INSTRUMENT_SAXOPHONE};
    SIM_AuditionPicker& picker = GetAuditionPicker();
    for (int instrument : wanted) {
        if (GetBand().members.size() >= 5) break;
        if (GetBand().FindMemberByInstrument(instrument) || !picker.Open(instrument)) continue;
        picker.Hire(0);
        picker.Close();
    }
}

void BenchCareer(int days) {
    SIM_HeadlessScreens screens;
    const auto start = Clock::now();
    StartHeadlessGame(screens, 1);
    // The gigs are timed where the day's option plays them, as the career meets them.
    std::vector<double> gigCosts;
    SIM_WorldSeams& world = WorldSeams();
    world.playGig = [&gigCosts, play = world.playGig](SIM_OptionSubject* gig) {
        const auto before = Clock::now();
        const auto outcome = play(gig);
        gigCosts.push_back(std::chrono::duration<double, std::micro>(Clock::now() - before).count());
        return outcome;
    };
    for (int day = 0; day < days; ++day) {
        screens.CloseEndGame();
        PlayHeadlessDay();
        screens.events.clear();
    }
    const double milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const int cancelled = static_cast<int>(std::count_if(Performances().begin(), Performances().end(),
                                                         [](const auto& p) { return p->cancelled; }));
    const std::size_t gigs = gigCosts.size();
    std::printf("PlayGig median %.2f us over %zu gigs of the career (%d called off)\n", Median(gigCosts), gigs,
                cancelled);
    std::printf("career of %d days %.0f ms: %s\n", days, milliseconds, StateText().c_str());
    BenchCareerSave();
    SetScreens(nullptr);
}

// The save and the load of the career just played: medians of a few writes of the whole text
// and of a few full loads of that file (read, check, new game, restore), and the file's size.
void BenchCareerSave() {
    const std::string path = (std::filesystem::temp_directory_path() / "gigvale-bench-career.xml").string();
    std::vector<double> saves, loads;
    std::string text;
    for (int i = 0; i < 5; ++i) {
        const auto before = Clock::now();
        text = SaveGameText();
        saves.push_back(std::chrono::duration<double, std::milli>(Clock::now() - before).count());
    }
    if (!WriteFileReplacing(path, text)) {
        std::printf("career save: could not write %s\n", path.c_str());
        return;
    }
    for (int i = 0; i < 5; ++i) {
        std::string error;
        const auto before = Clock::now();
        const bool loaded = LoadGame(path, &error);
        loads.push_back(std::chrono::duration<double, std::milli>(Clock::now() - before).count());
        if (!loaded) {
            std::printf("career load refused: %s\n", error.c_str());
            return;
        }
    }
    // The clock of the summary moves on; everything after it must be the same.
    const auto body = [](const std::string& t) { return t.substr(t.find("</load_data>")); };
    const bool same = body(SaveGameText()) == body(text);
    std::remove(path.c_str());
    std::printf("career save median %.2f ms, load median %.2f ms, %zu bytes, written again %s\n", Median(saves),
                Median(loads), text.size(), same ? "the same" : "DIFFERENT");
}
