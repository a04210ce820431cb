// The practice record, the melody file and whole practice runs driven by a test clock.
#include "LibRandom.h"
#include "PeopleTestSupport.h"
#include "SIM_Practice.h"

#include <algorithm>
#include <array>
#include <random>

namespace {
// Piano (the first set) and bass; piano's melody 4 has cells that are no note.
const char* kMelodies =
    "[piano]\n0=p1.ogg\n1=p2.ogg\n2=p3.ogg\n3=p4.ogg\n4=p5.ogg\n"
    "[bass]\n0=b1.ogg\n1=b2.ogg\n2=b3.ogg\n3=b4.ogg\n4=b5.ogg\n"
    "[piano melodies]\n0=1,2,3\n1=2,2,4\n2=5,4,3\n3=3,1,5\n4=1,9,x,5, 2\n5=4,4,4\n";

bool AllNotes(const SIM_Melody& m) {
    return !m.notes.empty() && std::all_of(m.notes.begin(), m.notes.end(), [](int n) { return n >= 1 && n <= 5; });
}
}  // namespace

class PracticeTest : public PeopleTest {
protected:
    void SetUp() override {
        PeopleTest::SetUp();
        RegisterPractice();
        file = dir.Write("melodies.txt", kMelodies);
        member = &Join();
        member->ability = 0.2f;
        member->maxability = 0.1f;  // the smallest step: 0.01 an hour
        GetSIM().maxActs = 2;       // counts acts without running whole days
    }
    SIM_PracticeRun& Open() {
        SIM_PracticeRun& run = OpenPracticeRun([this] { return now; }, file);
        screens.calls.clear();
        return run;
    }
    void Tick(SIM_PracticeRun& run, std::uint32_t ms) {
        now += ms;
        run.Update();
    }
    // Listens to the preview, plays it back (the last note wrong when asked), waits out the pause.
    void PlayMelody(SIM_PracticeRun& run, bool slipOnLast = false) {
        for (int i = 0; i < 1000 && run.state() == SIM_PracticeRun::kPreview; ++i) Tick(run, 10);
        ASSERT_EQ(run.state(), SIM_PracticeRun::kPlayerTurn);
        const std::vector<int> notes = run.melody().notes;
        for (std::size_t i = 0; i < notes.size(); ++i)
            ASSERT_TRUE(run.OnKey((slipOnLast && i + 1 == notes.size() ? notes[i] % 5 + 1 : notes[i]) + 1));
        ASSERT_EQ(run.state(), SIM_PracticeRun::kPause);
        Tick(run, kPracticePauseMs);
    }
    std::vector<std::string> Fanfares() const {
        std::vector<std::string> out;
        for (const std::string& c : screens.calls)
            if (c.find("correct_") != std::string::npos || c.find("sigh") != std::string::npos) out.push_back(c);
        return out;
    }

    std::string file;
    std::uint32_t now = 5000;
    SIM_Musician* member = nullptr;
};

TEST_F(PracticeTest, MelodiesKeepOnlyNotesAndFallBackToEightRandomOnes) {
    EXPECT_EQ(LoadMelody("piano melodies", 1, file).notes, (std::vector<int>{2, 2, 4}));
    EXPECT_EQ(LoadMelody("piano melodies", 4, file).notes, (std::vector<int>{1, 5, 2}));
    SeedRandom(3);
    for (const SIM_Melody& m : {LoadMelody("piano melodies", 99, file), LoadMelody("no such", 0, file),
                                LoadMelody("piano melodies", 0, dir.path() + "/missing.txt")}) {
        EXPECT_EQ(m.notes.size(), 8u);
        EXPECT_TRUE(AllNotes(m));
    }
    // Every note can come up, and a note repeats the one before (note 1 before the first)
    // about 0.2 + 0.8 x 0.2 = 0.36 of the time.
    std::array<int, 6> seen{};
    int repeats = 0;
    for (int i = 0; i < 1000; ++i) {
        int previous = 1;
        for (int note : LoadMelody("no such", 0, file).notes) {
            ++seen[static_cast<std::size_t>(note)];
            repeats += note == previous;
            previous = note;
        }
    }
    for (int note = 1; note <= 5; ++note) EXPECT_GT(seen[static_cast<std::size_t>(note)], 800) << note;
    EXPECT_NEAR(repeats / 8000.0, 0.36, 0.03);
}

TEST_F(PracticeTest, NoteKeysCountOnlyOnThePlayersTurn) {
    SIM_PracticeRun& run = Open();
    EXPECT_FALSE(run.OnKey(2));
    ASSERT_TRUE(run.OnKey(kPracticeKeyReturn));
    EXPECT_EQ(run.beatInterval(), 600u);
    run.Update();  // the first note at once, the next a beat later
    Tick(run, 599);
    EXPECT_EQ(screens.calls, (std::vector<std::string>{"sound p1.ogg"}));
    EXPECT_FALSE(run.OnKey(3));
    Tick(run, 1);
    EXPECT_EQ(run.state(), SIM_PracticeRun::kPreview);
    Tick(run, 600);  // the last note hands over to the player at once
    ASSERT_EQ(run.state(), SIM_PracticeRun::kPlayerTurn);
    EXPECT_EQ(screens.calls, (std::vector<std::string>{"sound p1.ogg", "sound p2.ogg", "sound p3.ogg"}));
    EXPECT_FALSE(run.OnKey(30));
    // Keypad keys play as well as the digits.
    EXPECT_TRUE(run.OnKey(79) && run.OnKey(3) && run.OnKey(81));
    ASSERT_EQ(run.state(), SIM_PracticeRun::kPause);
    const std::size_t calls = screens.calls.size();
    EXPECT_FALSE(run.OnKey(2));
    Tick(run, kPracticePauseMs - 1);
    EXPECT_EQ(screens.calls.size(), calls);
    Tick(run, 1);
    EXPECT_EQ(run.state(), SIM_PracticeRun::kPreview);
    EXPECT_EQ(run.beatInterval(), 588u);  // 102 bpm
}

TEST_F(PracticeTest, AWrongLastNoteFailsTheWholeMelody) {
    SIM_PracticeRun& run = Open();
    run.Start();
    PlayMelody(run);
    EXPECT_TRUE(run.LastCorrect());
    PlayMelody(run, true);
    EXPECT_FALSE(run.LastCorrect());
    EXPECT_EQ(Fanfares().back(), "sound data/sounds/male_sigh.ogg");
    EXPECT_EQ(run.streak(), 0);
    EXPECT_EQ(run.melodiesDone(), 1);
    EXPECT_NEAR(member->ability, 0.2f + 0.25f * 0.01f, 1e-6f);
    EXPECT_EQ(GetPracticeRecord().bpm[0], 102);
    EXPECT_FALSE(GetPracticeRecord().IsMastered(0, 1));
    EXPECT_EQ(run.currentMelody(), 2);  // no second try
}

TEST_F(PracticeTest, AFinishedRunRaisesTheTempoMovesToTheNextSetAndUsesTheDayUntilANewGame) {
    SIM_PracticeRun& run = Open();
    run.Start();
    for (int i = 0; i < 4; ++i) PlayMelody(run);
    EXPECT_EQ(Fanfares(), (std::vector<std::string>{"sound data/sounds/practice/correct_0.ogg",
                                                    "sound data/sounds/practice/correct_1.ogg",
                                                    "sound data/sounds/practice/correct_2.ogg",
                                                    "sound data/sounds/practice/correct_2.ogg"}));
    EXPECT_EQ(run.state(), SIM_PracticeRun::kFinished);
    EXPECT_NEAR(member->ability, 0.2f + 4 * 0.25f * 0.01f, 1e-6f);
    const SIM_PracticeRecord& record = GetPracticeRecord();
    EXPECT_EQ(record.bpm, (std::array<int, kPracticeSets>{108, 100, 100, 100, 100}));
    EXPECT_EQ(record.ids[0], (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(record.inst, 1);
    EXPECT_FALSE(run.Cancel());
    EXPECT_TRUE(run.OnKey(kPracticeKeyEscape));
    EXPECT_FALSE(run.Continue());
    EXPECT_EQ(GetSIM().acts, 1);

    // Cancelling before the start, by the button or Escape, keeps the set and the day; a
    // fumbled run still moves on.
    SIM_PracticeRun& bass = Open();
    EXPECT_EQ(bass.NoteSound(1), "b1.ogg");
    EXPECT_TRUE(bass.Cancel());
    EXPECT_TRUE(Open().OnKey(kPracticeKeyEscape));
    EXPECT_TRUE(CurrentPracticeRun()->closed());
    EXPECT_EQ(record.inst, 1);
    SIM_PracticeRun& fumbled = Open();
    fumbled.Start();
    for (int i = 0; i < 4; ++i) PlayMelody(fumbled, true);
    EXPECT_EQ(fumbled.state(), SIM_PracticeRun::kFinished);
    EXPECT_EQ(record.inst, 2);
    EXPECT_EQ(GetSIM().acts, 1);

    // A new game starts the practice afresh and closes a run left open.
    RunSeam(WorldSeams().resetPeopleAndMusic);
    EXPECT_EQ(CurrentPracticeRun(), nullptr);
    EXPECT_EQ(GetPracticeRecord().bpm[0], 100);
    EXPECT_EQ(GetPracticeRecord().inst, 0);
    EXPECT_EQ(GetPracticeRecord().MasteredCount(), 0);
}

TEST_F(PracticeTest, ARunStartsAtTheFirstUnmasteredMelodyAndMayReplayMasteredOnes) {
    GetPracticeRecord().ids[0] = {0, 1, 3};
    SIM_PracticeRun& run = Open();
    run.Start();
    std::vector<int> played;
    for (int i = 0; i < 4; ++i) {
        played.push_back(run.currentMelody());
        PlayMelody(run);
    }
    EXPECT_EQ(played, (std::vector<int>{2, 3, 4, 5}));
    EXPECT_EQ(GetPracticeRecord().ids[0], (std::vector<int>{0, 1, 3, 2, 4, 5}));  // 3 kept once
}

TEST_F(PracticeTest, TempoStopsAt250AndAnyStoredTempoGivesABeat) {
    GetPracticeRecord().bpm[0] = 249;
    SIM_PracticeRun& run = Open();
    run.Start();
    PlayMelody(run);
    PlayMelody(run);
    EXPECT_EQ(GetPracticeRecord().bpm[0], 250);
    EXPECT_EQ(run.beatInterval(), 240u);
    GetPracticeRecord().bpm[0] = 0;
    EXPECT_EQ(Open().beatInterval(), 60000u);
}

TEST_F(PracticeTest, DamagedMelodyFilesNeverBreakARun) {
    std::mt19937 bytes(20261206);
    for (int round = 0; round < 40; ++round) {
        std::string text = kMelodies;
        for (int i = 0; i < 30; ++i) text[bytes() % text.size()] = static_cast<char>(bytes() % 256);
        if (round % 4 == 0) text.resize(bytes() % text.size());
        file = dir.Write("damaged.txt", text);
        for (int k = 0; k < 6; ++k) ASSERT_TRUE(AllNotes(LoadMelody("piano melodies", k, file)));
        GetPracticeRecord() = SIM_PracticeRecord();
        SIM_PracticeRun& run = Open();
        run.Start();
        for (int i = 0; i < 4; ++i) PlayMelody(run, round % 2 == 1);
        ASSERT_EQ(run.state(), SIM_PracticeRun::kFinished);
    }
}

TEST_F(PracticeTest, ShippedSetsHoldAtLeast25MelodiesOfNotesOnly) {
    for (int set = 0; set < kPracticeSets; ++set) {
        LibConfigSection melodies;
        melodies.Load(PracticeMelodySection(set), kMelodiesFile);
        ASSERT_GE(melodies.Entries().size(), 25u) << set;
        for (int k = 0; k < static_cast<int>(melodies.Entries().size()); ++k) {
            // A typo would drop a cell silently; every cell must be a note.
            const std::string& cells = melodies.Find(std::to_string(k));
            EXPECT_EQ(LoadMelody(PracticeMelodySection(set), k).notes.size(),
                      static_cast<std::size_t>(std::count(cells.begin(), cells.end(), ',') + 1))
                << set << " " << k;
        }
    }
}
