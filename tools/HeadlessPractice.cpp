#include "HeadlessPractice.h"

#include "LibRandom.h"
#include "LibString.h"
#include "SIM_Date.h"
#include "SIM_Practice.h"

#include <cstdint>

namespace {
// Fridays are free of songwriting, rehearsals, shopping and evenings out.
constexpr int kPracticeWeekday = 4;
// The headless player hears most notes right.
constexpr float kNoteAccuracy = 0.92f;
constexpr std::uint32_t kFrameMs = 20;
// A run lasts well under a minute of play; this only stops a run that never ends.
constexpr int kMaxFrames = 100000;
}  // namespace

bool HeadlessPracticeDay() { return GetSIMDate().GetDate().weekday == kPracticeWeekday; }

int HeadlessPlayedNote(int note) { return RandomChance(kNoteAccuracy) ? note : note % kPracticeNotes + 1; }

bool PractiseHeadless() {
    if (!HeadlessPracticeDay()) return false;
    std::uint32_t now = 0;
    SIM_PracticeRun& run = OpenPracticeRun([&now] { return now; });
    run.Start();
    for (int frame = 0; frame < kMaxFrames && run.state() != SIM_PracticeRun::kFinished; ++frame) {
        if (run.state() == SIM_PracticeRun::kPlayerTurn) {
            const int note = run.melody().Next();
            const int played = HeadlessPlayedNote(note);
            run.OnKey(played + 1);  // the digit keys 1..5 are codes 2..6
            continue;
        }
        now += kFrameMs;
        run.Update();
    }
    const bool finished = run.Continue();
    ClosePracticeRun();
    return finished;
}

std::string PracticeText() {
    const SIM_PracticeRecord& record = GetPracticeRecord();
    std::string bpm;
    for (int set = 0; set < kPracticeSets; ++set) bpm += FormatText(set ? "/%d" : "%d", record.Bpm(set));
    return FormatText("melodies mastered %d bpm %s", record.MasteredCount(), bpm.c_str());
}
