#include "SIM_Practice.h"

#include "GHashTable.h"
#include "LibConfigSection.h"
#include "LibErrors.h"
#include "LibRandom.h"
#include "LibSpreadsheet.h"
#include "LibString.h"
#include "SIM_Band.h"
#include "SIM_Person.h"
#include "SIM_SIM.h"
#include "SIM_Screens.h"
#include "SIM_WorldSeams.h"

#include <algorithm>

namespace {

const char* const kSetNames[kPracticeSets] = {"piano", "bass", "organ", "guitar", "drums"};
const char* const kMelodySections[kPracticeSets] = {"piano melodies", "bass melodies", "organ melodies",
                                                    "guitar melodies", "drum melodies"};
const char* const kStateTexts[] = {"PRACTICE_START_INSTRUCTIONS", "PRACTICE_PREVIEW", "PRACTICE_PRACTICE",
                                   "PRACTICE_POSTMORTEM", "PRACTICE_FINISHED"};
const char* const kFailSound = "data/sounds/male_sigh.ogg";
const char* const kCorrectSounds[] = {"data/sounds/practice/correct_0.ogg", "data/sounds/practice/correct_1.ogg",
                                      "data/sounds/practice/correct_2.ogg"};
constexpr int kRandomMelodyLength = 8;
constexpr float kRandomRepeatChance = 0.2f;
constexpr float kBarClimbPerMs = 0.0005f;

std::unique_ptr<SIM_PracticeRecord> gRecord;
std::unique_ptr<SIM_PracticeRun> gRun;

int ValidSet(int set) { return set >= 0 && set < kPracticeSets ? set : 0; }

SIM_Melody RandomMelody() {
    SIM_Melody melody;
    int previous = 1;
    for (int i = 0; i < kRandomMelodyLength; ++i) {
        const int note = RandomChance(kRandomRepeatChance) ? previous : RandomIndex(kPracticeNotes) + 1;
        melody.notes.push_back(note);
        previous = note;
    }
    return melody;
}

}  // namespace

const char* PracticeSetName(int set) { return kSetNames[ValidSet(set)]; }
const char* PracticeMelodySection(int set) { return kMelodySections[ValidSet(set)]; }

// ---- The record ----

SIM_PracticeRecord::SIM_PracticeRecord() { bpm.fill(kPracticeStartBpm); }

int SIM_PracticeRecord::CurrentSet() const { return ValidSet(inst); }

int SIM_PracticeRecord::Bpm(int set) const { return std::clamp(bpm[static_cast<std::size_t>(ValidSet(set))], 1, kPracticeMaxBpm); }

bool SIM_PracticeRecord::IsMastered(int set, int melody) const {
    const std::vector<int>& list = ids[static_cast<std::size_t>(ValidSet(set))];
    return std::find(list.begin(), list.end(), melody) != list.end();
}

int SIM_PracticeRecord::FirstUnmastered(int set) const {
    int k = 0;
    while (IsMastered(set, k)) ++k;
    return k;
}

void SIM_PracticeRecord::Master(int set, int melody) {
    if (!IsMastered(set, melody)) ids[static_cast<std::size_t>(ValidSet(set))].push_back(melody);
}

void SIM_PracticeRecord::AdvanceSet() { inst = (CurrentSet() + 1) % kPracticeSets; }

int SIM_PracticeRecord::MasteredCount() const {
    int n = 0;
    for (const std::vector<int>& list : ids) n += static_cast<int>(list.size());
    return n;
}

SIM_PracticeRecord& GetPracticeRecord() {
    if (!gRecord) gRecord = std::make_unique<SIM_PracticeRecord>();
    return *gRecord;
}

void ResetPractice() {
    gRun.reset();
    gRecord.reset();
}

std::uint32_t BeatInterval(int bpm) { return static_cast<std::uint32_t>(60000 / std::max(bpm, 1)); }

// ---- Melodies and keys ----

SIM_Melody LoadMelody(const std::string& section, int index, const std::string& file) {
    LibConfigSection melodies;
    melodies.Load(section, file);
    SIM_Melody melody;
    LibTokenizer cells(melodies.Find(FormatText("%d", index)));
    while (!cells.AtEnd()) {
        // A note outside the five rows would have no sound and no row to show it on.
        const int note = cells.NextInt();
        if (note >= 1 && note <= kPracticeNotes) melody.notes.push_back(note);
    }
    return melody.notes.empty() ? RandomMelody() : melody;
}

int PracticeNoteForKey(int keyCode) {
    switch (keyCode) {
        case 2: case 79: return 1;
        case 3: case 80: return 2;
        case 4: case 81: return 3;
        case 5: case 75: return 4;
        case 6: case 76: return 5;
        default: return 0;
    }
}

SIM_PracticeColour PracticeNoteColour(int note) {
    static const SIM_PracticeColour kColours[kPracticeNotes] = {
        {255, 12, 12, 255}, {12, 255, 12, 255}, {12, 12, 255, 255}, {255, 255, 12, 255}, {255, 12, 255, 255}};
    return note >= 1 && note <= kPracticeNotes ? kColours[note - 1] : SIM_PracticeColour{};
}

// ---- The run ----

SIM_PracticeRun::SIM_PracticeRun(SIM_PracticeClock clock, const std::string& file)
    : clock_(std::move(clock)), file_(file) {
    const SIM_PracticeRecord& record = GetPracticeRecord();
    set_ = record.CurrentSet();
    LibConfigSection sounds;
    sounds.Load(PracticeSetName(set_), file_);
    for (int n = 0; n < kPracticeNotes; ++n) {
        sounds_[static_cast<std::size_t>(n)] = sounds.Find(FormatText("%d", n));
        GAME_ASSERT(!sounds_[static_cast<std::size_t>(n)].empty());
    }
    melodySection_ = PracticeMelodySection(set_);
    bars_.push_back({GetMilo().fullname, [] { return GetMilo().GetValue("attrib_vocals"); }, 0.0f});
    for (SIM_Musician* member : GetBand().members)
        bars_.push_back({member->fullname, [member] { return member->ability; }, 0.0f});
    first_ = record.FirstUnmastered(set_);
    current_ = first_;
    tempo_ = record.Bpm(set_);
    beatInterval_ = BeatInterval(tempo_);
    Screens().TriggerHint("practice");
}

const std::string& SIM_PracticeRun::NoteSound(int note) const {
    static const std::string kNone;
    return note >= 1 && note <= kPracticeNotes ? sounds_[static_cast<std::size_t>(note - 1)] : kNone;
}

void SIM_PracticeRun::StartMelody() {
    tempo_ = GetPracticeRecord().Bpm(set_);
    beatInterval_ = BeatInterval(tempo_);
    state_ = kPreview;
    melody_ = LoadMelody(melodySection_, current_, file_);
    timerStart_ = Now();
    beats_ = 0;
    slot_ = 0;
}

bool SIM_PracticeRun::Start() {
    if (state_ != kInstructions || closed_) return false;
    started_ = true;
    StartMelody();
    return true;
}

bool SIM_PracticeRun::Cancel() {
    if (started_ || closed_) return false;
    closed_ = true;
    return true;
}

bool SIM_PracticeRun::Continue() {
    if (state_ != kFinished || closed_) return false;
    closed_ = true;
    // The day may end here and members may leave with it: the bars must not outlive them.
    bars_.clear();
    GetSIM().UseAct();
    return true;
}

void SIM_PracticeRun::PlayNote(int note, bool byPlayer) {
    const std::string& sound = NoteSound(note);
    if (!sound.empty()) Screens().PlaySound(sound);
    cues_.push_back({note, slot_++, byPlayer});
}

void SIM_PracticeRun::Update() {
    if (closed_) return;
    const std::uint32_t elapsed = Now() - timerStart_;
    if (state_ == kPreview) {
        if (elapsed < beatInterval_ * static_cast<std::uint32_t>(beats_)) return;
        if (!melody_.AtEnd()) PlayNote(melody_.notes[melody_.cursor++], false);
        ++beats_;
        if (melody_.AtEnd()) {
            // The player's turn begins with the last note: he may answer while it still sounds.
            state_ = kPlayerTurn;
            melody_.cursor = 0;
            slot_ = 0;
        }
    } else if (state_ == kPause && elapsed >= kPracticePauseMs) {
        ++current_;
        if (current_ < endMelody()) {
            StartMelody();
        } else {
            state_ = kFinished;
            GetPracticeRecord().AdvanceSet();
        }
    }
}

bool SIM_PracticeRun::OnKey(int keyCode) {
    if (closed_) return false;
    if (state_ == kInstructions && keyCode == kPracticeKeyReturn) return Start();
    // Escape leaves before the run begins, as it leaves every other screen.
    if (state_ == kInstructions && keyCode == kPracticeKeyEscape) return Cancel();
    if (state_ == kFinished && (keyCode == kPracticeKeyEscape || keyCode == kPracticeKeyReturn)) return Continue();
    if (state_ != kPlayerTurn) return false;
    const int note = PracticeNoteForKey(keyCode);
    if (note == 0) return false;
    if (note != melody_.Next()) {
        MelodyFailed();
        return true;
    }
    PlayNote(note, true);
    ++melody_.cursor;
    if (melody_.AtEnd()) MelodyCorrect();
    return true;
}

void SIM_PracticeRun::MelodyFailed() {
    state_ = kPause;
    lastCorrect_ = false;
    timerStart_ = Now();
    Screens().PlaySound(kFailSound);
    streak_ = 0;
}

void SIM_PracticeRun::MelodyCorrect() {
    Screens().PlaySound(kCorrectSounds[std::min(streak_, 2)]);
    state_ = kPause;
    lastCorrect_ = true;
    timerStart_ = Now();
    ++done_;
    GetBand().Practice(kPracticeHoursPerMelody);
    SIM_PracticeRecord& record = GetPracticeRecord();
    record.bpm[static_cast<std::size_t>(set_)] = std::min(record.Bpm(set_) + kPracticeBpmStep, kPracticeMaxBpm);
    tempo_ = record.Bpm(set_);
    record.Master(set_, current_);
    ++streak_;
}

void SIM_PracticeRun::AdvanceBars(std::uint32_t frameMs) {
    const float step = kBarClimbPerMs * static_cast<float>(frameMs);
    for (SIM_PracticeBar& bar : bars_) {
        const float target = bar.value();
        bar.shown = bar.shown < target ? std::min(bar.shown + step, target) : std::max(bar.shown - step, target);
    }
}

std::vector<SIM_PracticeCue> SIM_PracticeRun::TakeCues() {
    std::vector<SIM_PracticeCue> out;
    out.swap(cues_);
    return out;
}

std::string SIM_PracticeRun::TitleText() { return Translate("PRACTICE_TITLE"); }
std::string SIM_PracticeRun::ExplanationText() { return Translate("PRACTICE_TEXT"); }

std::string SIM_PracticeRun::StateText() const { return Translate(kStateTexts[state_]); }

std::string SIM_PracticeRun::TempoText() const {
    if (state_ == kInstructions) return {};
    return FormatText("%d ", tempo_) + Translate("PRACTICE_BPM");
}

std::string SIM_PracticeRun::TuneText() const {
    if (state_ == kInstructions || state_ == kFinished) return {};
    std::string text = Translate("PRACTICE_TUNE");
    ReplaceToken(text, "<TUNE>", FormatText("%d", current_ - first_ + 1));
    ReplaceToken(text, "<TUNES>", FormatText("%d", kMelodiesPerRun));
    return text;
}

std::string SIM_PracticeRun::VerdictText() const {
    if (state_ == kPause) return Translate(lastCorrect_ ? "PRACTICE_RIGHT" : "PRACTICE_WRONG");
    if (state_ != kFinished) return {};
    std::string text = Translate("PRACTICE_RESULT");
    ReplaceToken(text, "<RIGHT>", FormatText("%d", done_));
    ReplaceToken(text, "<TUNES>", FormatText("%d", kMelodiesPerRun));
    return text;
}

std::string SIM_PracticeRun::BarText(float value) { return FormatText("%.2f%%", static_cast<double>(value * 100.0f)); }

// ---- The open run ----

SIM_PracticeRun& OpenPracticeRun(SIM_PracticeClock clock, const std::string& file) {
    gRun.reset();
    gRun = std::make_unique<SIM_PracticeRun>(std::move(clock), file);
    return *gRun;
}

SIM_PracticeRun* CurrentPracticeRun() { return gRun.get(); }

void ClosePracticeRun() { gRun.reset(); }

void RegisterPractice() {
    SIM_WorldSeams& world = WorldSeams();
    world.resetPeopleAndMusic = [before = world.resetPeopleAndMusic] {
        ResetPractice();
        RunSeam(before);
    };
}
