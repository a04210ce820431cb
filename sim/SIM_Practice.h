#pragma once
// Practice: a call-and-response memory game. The game plays a short melody of five pitches at
// the current tempo and the player repeats it with the keys 1 to 5. Every melody repeated
// without a slip makes the whole band practise and speeds the next ones up. The practice
// record remembers, per instrument set, the tempo reached and the melodies mastered, so the
// next run carries on where the last one stopped.
//
// The run is a model the practice screen draws and drives: it never reads a real clock (the
// screen or a bot hands it one) and takes keys as plain key codes.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

constexpr int kPracticeSets = 5;
constexpr int kPracticeNotes = 5;
constexpr int kPracticeStartBpm = 100;
constexpr int kPracticeMaxBpm = 250;
constexpr int kPracticeBpmStep = 2;
constexpr int kMelodiesPerRun = 4;
constexpr std::uint32_t kPracticePauseMs = 3000;
constexpr float kPracticeHoursPerMelody = 0.25f;
constexpr const char* kMelodiesFile = "data/practice/melodies.txt";

// The instrument set's name ("piano", "bass", "organ", "guitar", "drums"), which is also the
// section of its note sounds, and the section of its melodies ("piano melodies", ...).
const char* PracticeSetName(int set);
const char* PracticeMelodySection(int set);

// The practice record of the whole game.
struct SIM_PracticeRecord {
    SIM_PracticeRecord();

    // The set the next run uses, always a valid index.
    int CurrentSet() const;
    // The set's tempo, kept within 1..kPracticeMaxBpm whatever was stored.
    int Bpm(int set) const;
    bool IsMastered(int set, int melody) const;
    // The smallest melody index of the set that is not mastered yet.
    int FirstUnmastered(int set) const;
    // Adds the melody to the set's mastered ones (each index once).
    void Master(int set, int melody);
    // The next run uses the next set, after the last one the first again.
    void AdvanceSet();
    int MasteredCount() const;

    std::array<int, kPracticeSets> bpm{};
    int inst = 0;
    std::array<std::vector<int>, kPracticeSets> ids;
};

SIM_PracticeRecord& GetPracticeRecord();
// Back to a fresh record (new game, tests); also closes any open run.
void ResetPractice();

// 60000 / bpm, in whole milliseconds; a tempo below 1 counts as 1.
std::uint32_t BeatInterval(int bpm);

// One melody: notes 1..5 and the cursor on the next one to play or to match.
struct SIM_Melody {
    bool AtEnd() const { return cursor >= notes.size(); }
    int Next() const { return AtEnd() ? 0 : notes[cursor]; }

    std::vector<int> notes;
    std::size_t cursor = 0;
};

// The melody under key "<index>" of the section; cells that are not a note 1..5 are left out.
// Without a single note (no file, section or key) it makes a random melody of 8 notes instead.
SIM_Melody LoadMelody(const std::string& section, int index, const std::string& file = kMelodiesFile);
// The note 1..5 a key stands for (the digit keys and the keypad's 1 to 5), 0 for other keys.
int PracticeNoteForKey(int keyCode);

// The colour of a note's row and sprite (opaque); note 0 or out of range is white.
struct SIM_PracticeColour {
    int r = 255, g = 255, b = 255, a = 255;
};
SIM_PracticeColour PracticeNoteColour(int note);

// Key codes the run answers besides the notes.
constexpr int kPracticeKeyEscape = 1;
constexpr int kPracticeKeyReturn = 28;

// A note the screen shows: played by the game in the preview, or by the player.
struct SIM_PracticeCue {
    int note = 0;          // 1..5
    int slot = 0;          // how many notes the row has shown since the melody began
    bool byPlayer = false;  // the player's notes also start the "practicenotes" particles
};

// One progress bar: a member's ability, or the player's singing.
struct SIM_PracticeBar {
    std::string name;
    std::function<float()> value;
    float shown = 0.0f;
};

// Milliseconds since any fixed moment; the run measures its beats and pauses with it.
using SIM_PracticeClock = std::function<std::uint32_t()>;

class SIM_PracticeRun {
public:
    enum State { kInstructions = 0, kPreview = 1, kPlayerTurn = 2, kPause = 3, kFinished = 4 };

    // Opens a run on the record's current set: its sounds, the melodies to play, the bars.
    explicit SIM_PracticeRun(SIM_PracticeClock clock, const std::string& file = kMelodiesFile);

    // Every frame: the preview's beats and the pause after an attempt.
    void Update();
    // A key press; true when the run used it. Before the run: Return starts, Escape cancels;
    // in the player's turn the note keys; once finished Escape or Return continue.
    bool OnKey(int keyCode);
    // The start button (instructions only).
    bool Start();
    // The cancel button: leaves without using the day, only before the run has begun.
    bool Cancel();
    // The continue button: once the run is finished, the day's act is used and the run closes.
    bool Continue();
    // The bars' displayed values climb towards the real ones.
    void AdvanceBars(std::uint32_t frameMs);

    State state() const { return state_; }
    bool closed() const { return closed_; }
    int set() const { return set_; }
    int tempo() const { return tempo_; }
    std::uint32_t beatInterval() const { return beatInterval_; }
    int firstMelody() const { return first_; }
    int endMelody() const { return first_ + kMelodiesPerRun; }
    int currentMelody() const { return current_; }
    int streak() const { return streak_; }
    int melodiesDone() const { return done_; }
    const SIM_Melody& melody() const { return melody_; }
    const std::string& NoteSound(int note) const;
    const std::vector<SIM_PracticeBar>& bars() const { return bars_; }
    // The notes shown since the screen last asked; the screen animates them.
    std::vector<SIM_PracticeCue> TakeCues();

    // What the screen shows.
    static std::string TitleText();
    static std::string ExplanationText();
    std::string StateText() const;
    std::string TempoText() const;  // empty before the run has begun
    // "Tune 2 of 4" while the tunes are played; empty before and after.
    std::string TuneText() const;
    // In the pause, whether the tune just played was right; once finished, how many were.
    std::string VerdictText() const;
    bool LastCorrect() const { return lastCorrect_; }
    static std::string BarText(float value);
    bool StartVisible() const { return !started_; }
    bool CancelVisible() const { return !started_; }
    bool ContinueVisible() const { return started_; }
    bool ContinueEnabled() const { return state_ == kFinished; }

private:
    void StartMelody();
    void PlayNote(int note, bool byPlayer);
    void MelodyCorrect();
    void MelodyFailed();
    std::uint32_t Now() const { return clock_(); }

    SIM_PracticeClock clock_;
    std::string file_;
    int set_ = 0;
    std::array<std::string, kPracticeNotes> sounds_;
    std::string melodySection_;
    State state_ = kInstructions;
    bool started_ = false;
    bool closed_ = false;
    int first_ = 0;
    int current_ = 0;
    int tempo_ = kPracticeStartBpm;
    std::uint32_t beatInterval_ = 0;
    std::uint32_t timerStart_ = 0;
    int beats_ = 0;
    int slot_ = 0;
    int streak_ = 0;
    int done_ = 0;
    bool lastCorrect_ = false;
    SIM_Melody melody_;
    std::vector<SIM_PracticeCue> cues_;
    std::vector<SIM_PracticeBar> bars_;
};

// The practice screen's run: opening closes any run still open and starts a fresh one.
SIM_PracticeRun& OpenPracticeRun(SIM_PracticeClock clock, const std::string& file = kMelodiesFile);
SIM_PracticeRun* CurrentPracticeRun();
void ClosePracticeRun();

// Fills the new-game seam: a new game starts with a fresh practice record.
void RegisterPractice();
