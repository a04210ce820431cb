#include "GUI_Practice.h"

#include "GUI_Activities.h"
#include "GUI_ButtonTypes.h"
#include "GUI_Shell.h"
#include "GUI_Sounds.h"
#include "GUI_Style.h"
#include "LibFont.h"
#include "Platform.h"
#include "Renderer.h"
#include "SIM_Practice.h"

#include <algorithm>

namespace {
using GUI_Style::kBody;
using GUI_Style::kHeading;

// ---- Layout of the screen, inside the stitching of its picture: the title and the
// explanation at the top, the state's line with the tempo at its right, the five pitch rows in
// a panel, the band's bars under them, the buttons at the bottom right.
constexpr GUI_Style::Font kTitleFont{"verdanabold32.dds", 32.0f};
constexpr GUI_Style::Font kStateFont{"verdanabold24.dds", 24.0f};
constexpr float kScreenW = static_cast<float>(kScreenWidth);
constexpr float kScreenH = static_cast<float>(kScreenHeight);
constexpr float kEdge = 48.0f;
constexpr float kTitleY = 40.0f;
constexpr float kTextY = 88.0f;
constexpr std::size_t kTextLines = 2;
constexpr float kStateY = 140.0f;
constexpr float kTempoY = 144.0f;
constexpr float kRowPitch = 44.0f;
constexpr float kRowsTop = 196.0f;
constexpr float kRowsWidth = 872.0f;  // the key's picture and a stave of 13 note slots
constexpr float kRowsLeft = (kScreenW - kRowsWidth) / 2.0f;
constexpr GRect kRowsPanel{kRowsLeft - 16.0f, kRowsTop - 12.0f, kRowsLeft + kRowsWidth + 16.0f,
                           kRowsTop + 4.0f * kRowPitch + 32.0f + 12.0f};
constexpr float kBarsTop = 440.0f;
constexpr float kBarGap = 16.0f;
constexpr int kBarsPerRow = 6;
constexpr float kBarRowPitch = 72.0f;
constexpr int kBarRows = 3;
constexpr float kVerdictY = 600.0f;  // centred under the bars
constexpr float kButtonW = 160.0f, kButtonH = 34.0f;
constexpr float kButtonsY = 720.0f - kButtonH;

// ---- Inside a pitch row: the key's picture, then the stave with the note slots (a note in
// the middle of each 64 pixels, as the stave's marks show).
constexpr float kKeyPicture = 32.0f;
constexpr float kStaveX = kKeyPicture + 8.0f;
constexpr float kFirstSlot = kStaveX + 16.0f;
constexpr std::uint32_t kFlashAlpha = 0x80;
constexpr int kNoteWhiteness = 55;  // percent of white in a note's tint, so it stands out on its lit row

// ---- Inside a bar: the name, the bar, the figure.
constexpr float kBarY = 20.0f, kBarH = 16.0f, kFigureY = 40.0f;

// The note's colour, lightened towards white by that many percent.
std::uint32_t Colour(int note, std::uint32_t alpha, int whiteness = 0) {
    const SIM_PracticeColour c = PracticeNoteColour(note);
    auto lift = [whiteness](int v) { return static_cast<std::uint32_t>(v + (255 - v) * whiteness / 100); };
    return alpha << 24 | lift(c.r) << 16 | lift(c.g) << 8 | lift(c.b);
}

std::uint32_t Fade(std::uint64_t age, std::uint64_t life, std::uint32_t alpha) {
    if (age >= life) return 0;
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(alpha) * (life - age) / life);
}

float RowTop(int note) { return kRowsTop + static_cast<float>(note - 1) * kRowPitch; }

std::uint32_t FrameClock() { return static_cast<std::uint32_t>(Shell().Now()); }
}  // namespace

void OpenPractice() { GUI_Practice::Open(); }

// ---- A pitch row ----

GUI_PracticePitchStrip::GUI_PracticePitchStrip(int note, float left, float top, float across) : note_(note) {
    SetRect(left, top, left + across, top + kHeight);
}

void GUI_PracticePitchStrip::Draw() {
    const GRect r = Area();
    GRenderer& renderer = Renderer();
    renderer.DrawTexture("button_" + std::to_string(note_) + ".dds", r.left, r.top, kKeyPicture, kKeyPicture);
    const float staveW = r.right - r.left - kStaveX;
    renderer.DrawTexture("practice_stave.bmp", r.left + kStaveX, r.top, staveW, kHeight, {}, Colour(note_, 0xFF));
    if (!flashed_) return;
    const std::uint32_t alpha = Fade(Shell().Now() - flashStart_, kFlashMs, kFlashAlpha);
    if (alpha > 0) renderer.FillRect(r.left + kStaveX, r.top, staveW, kHeight, Colour(note_, alpha));
}

// ---- A note ----

float GUI_PracticeNote::SlotX(int slot, float first, float right) {
    const int perRow = std::max(1, static_cast<int>((right - first - kSize) / kStep) + 1);
    return first + static_cast<float>(slot % perRow) * kStep;
}

GUI_PracticeNote::GUI_PracticeNote(int note, float x, float fromX, float top, std::uint64_t born)
    : note_(note), x_(x), fromX_(fromX), born_(born) {
    SetRect(x, top, x + kSize, top + kSize);
}

void GUI_PracticeNote::Draw() {
    const std::uint64_t age = Shell().Now() - born_;
    const float glide = age >= kGlideMs ? 1.0f : static_cast<float>(age) / static_cast<float>(kGlideMs);
    const float x = fromX_ + (x_ - fromX_) * glide;
    const std::uint32_t alpha = Fade(age, kLifeMs, 0xFF);
    if (alpha == 0) return;
    Renderer().DrawTexture("practice_note.dds", x, static_cast<float>(rect.top), kSize, kSize, {}, Colour(note_, alpha, kNoteWhiteness));
}

// ---- A bar ----

GUI_PracticeProgress::GUI_PracticeProgress(const SIM_PracticeRun& run, std::size_t bar, float left, float top)
    : run_(run), bar_(bar) {
    SetRect(left, top, left + kWidth, top + kHeight);
}

void GUI_PracticeProgress::Draw() {
    // A finished run lets go of its bars: the members may leave with the day it ends.
    if (bar_ >= run_.bars().size()) return;
    const SIM_PracticeBar& bar = run_.bars()[bar_];
    const GRect r = Area();
    const float shown = std::clamp(bar.shown, 0.0f, 1.0f);
    DrawText(kBody, FitText(kBody, bar.name, kWidth), r.left, r.top, GUI_Style::kCream);
    GRenderer& renderer = Renderer();
    renderer.DrawTexture("practice_progress_empty.bmp", r.left, r.top + kBarY, kWidth, kBarH);
    if (shown > 0.0f)
        renderer.DrawTexture("practice_progress.bmp", r.left, r.top + kBarY, kWidth * shown, kBarH, {0.0f, 0.0f, shown, 1.0f});
    DrawText(kBody, SIM_PracticeRun::BarText(bar.shown), r.left + kWidth / 2.0f, r.top + kFigureY, GUI_Style::kAmber,
             TEXT_CENTRED);
}

// ---- The screen ----

GUI_Practice* GUI_Practice::Open() {
    if (GUI_Practice* open = WindowList().Find<GUI_Practice>()) open->Close();
    SIM_PracticeRun& run = OpenPracticeRun(FrameClock);
    GUI_Practice* window = WindowList().Open<GUI_Practice>(run);
    WindowList().AddExclusive(window);
    return window;
}

GUI_Practice::GUI_Practice(SIM_PracticeRun& run) : run_(&run), lastUpdate_(Shell().Now()) {
    name = "practice";
    SetRect(0.0f, 0.0f, kScreenW, kScreenH);
    coversScreen = true;
    explanation_ = WrapLines(kBody, SIM_PracticeRun::ExplanationText(), kScreenW - 2.0f * kEdge, kTextLines);
    for (int note = 1; note <= kPracticeNotes; ++note)
        strips_.push_back(Add<GUI_PracticePitchStrip>(note, kRowsLeft, RowTop(note), kRowsWidth));
    AddBars(run);
    const float right = kScreenW - kEdge;
    start_ = Add<GUI_ButtonText>("PRACTICE_START", [this] { Press(&SIM_PracticeRun::Start); }, "PRACTICE_START_TOOLTIP");
    start_->SetRect(right - kButtonW, kButtonsY, right, kButtonsY + kButtonH);
    cancel_ = Add<GUI_ButtonText>("PRACTICE_CANCEL", [this] { Press(&SIM_PracticeRun::Cancel); }, "PRACTICE_CANCEL_TOOLTIP");
    cancel_->SetRect(right - 2.0f * kButtonW - 8.0f, kButtonsY, right - kButtonW - 8.0f, kButtonsY + kButtonH);
    continue_ = Add<GUI_ButtonText>("FMV_CONTINUE", [this] { Press(&SIM_PracticeRun::Continue); }, "FMV_CONTINUE_TOOLTIP");
    continue_->SetRect(right - kButtonW, kButtonsY, right, kButtonsY + kButtonH);
    FollowRun(run);
    // The band plays now: the music waits, however the screen closes.
    Sounds().PauseMusic();
    onClosed = [run = run_] {
        if (CurrentPracticeRun() == run) ClosePracticeRun();
        Sounds().ResumeMusic();
    };
}

GUI_Practice::~GUI_Practice() = default;

void GUI_Practice::AddBars(const SIM_PracticeRun& run) {
    const std::size_t count = std::min(run.bars().size(), static_cast<std::size_t>(kBarsPerRow * kBarRows));
    for (std::size_t i = 0; i < count; ++i) {
        // Rows of six, each row centred.
        const std::size_t row = i / kBarsPerRow, inRow = std::min<std::size_t>(kBarsPerRow, count - row * kBarsPerRow);
        const float rowW = static_cast<float>(inRow) * GUI_PracticeProgress::kWidth + static_cast<float>(inRow - 1) * kBarGap;
        const float x = (kScreenW - rowW) / 2.0f +
                        static_cast<float>(i % kBarsPerRow) * (GUI_PracticeProgress::kWidth + kBarGap);
        Add<GUI_PracticeProgress>(run, i, x, kBarsTop + static_cast<float>(row) * kBarRowPitch);
    }
}

SIM_PracticeRun* GUI_Practice::Run() const { return CurrentPracticeRun() == run_ ? run_ : nullptr; }

void GUI_Practice::Leave() {
    done_ = true;
    Close();
}

void GUI_Practice::Press(bool (SIM_PracticeRun::*action)()) {
    SIM_PracticeRun* run = done_ ? nullptr : Run();
    if (run && (run->*action)()) Follow(*run);
}

void GUI_Practice::OnNotify(int key) {
    SIM_PracticeRun* run = done_ ? nullptr : Run();
    if (run && run->OnKey(key)) Follow(*run);
}

void GUI_Practice::Follow(const SIM_PracticeRun& run) {
    if (run.closed()) Leave();
    else FollowRun(run);
}

void GUI_Practice::FollowRun(const SIM_PracticeRun& run) {
    start_->visible = run.StartVisible();
    cancel_->visible = run.CancelVisible();
    continue_->visible = run.ContinueVisible();
    continue_->enabled = run.ContinueEnabled();
}

void GUI_Practice::ShowCues(SIM_PracticeRun& run, std::uint64_t now) {
    const float right = kRowsLeft + kRowsWidth - 16.0f, first = kRowsLeft + kFirstSlot;
    for (const SIM_PracticeCue& cue : run.TakeCues()) {
        if (cue.note < 1 || cue.note > kPracticeNotes) continue;
        const float x = GUI_PracticeNote::SlotX(cue.slot, first, right);
        const float top = RowTop(cue.note);
        strips_[static_cast<std::size_t>(cue.note - 1)]->Flash(now);
        notes_.push_back(std::make_unique<GUI_PracticeNote>(cue.note, x, std::max(first, x - GUI_PracticeNote::kStep), top, now));
        if (cue.byPlayer)
            effects_.Start("practicenotes", x + GUI_PracticeNote::kSize / 2.0f, top + GUI_PracticePitchStrip::kHeight / 2.0f);
    }
}

void GUI_Practice::Update() {
    SIM_PracticeRun* run = Run();
    if (!run) {
        // A new game or a loaded one closed the run under the screen.
        if (!done_) Leave();
        return;
    }
    const std::uint64_t now = Shell().Now();
    const std::uint32_t elapsed = static_cast<std::uint32_t>(now - lastUpdate_);
    lastUpdate_ = now;
    run->Update();
    run->AdvanceBars(elapsed);
    ShowCues(*run, now);
    std::erase_if(notes_, [now](const auto& note) { return note->Dead(now); });
    effects_.Update(elapsed);
    FollowRun(*run);
    GUI_WindowBase::Update();
}

void GUI_Practice::Draw() {
    // Nothing of a run that is gone is drawn, even before the next update notices.
    if (Run()) GUI_WindowBase::Draw();
}

void GUI_Practice::DrawBackground() {
    const SIM_PracticeRun& run = *run_;
    Renderer().DrawTexture("practice.jpg", 0.0f, 0.0f, kScreenW, kScreenH);
    DrawText(kTitleFont, SIM_PracticeRun::TitleText(), kEdge, kTitleY, GUI_Style::kGold);
    float y = kTextY;
    for (const std::string& line : explanation_) {
        DrawText(kBody, line, kEdge, y, GUI_Style::kCream);
        y += kBody.size + 4.0f;
    }
    DrawStateLine(run);
    DrawVerdict(run);
    DrawInsetPanel(kRowsPanel);
}

// The state's text at the left; the tune and the tempo at the right, the tempo last.
void GUI_Practice::DrawStateLine(const SIM_PracticeRun& run) const {
    float right = kScreenW - kEdge;
    auto drawRight = [&right](const std::string& text, std::uint32_t colour) {
        if (text.empty()) return;
        DrawText(kHeading, text, right, kTempoY, colour, TEXT_RIGHT);
        right -= static_cast<float>(MeasureText(kHeading, text)) + 24.0f;
    };
    drawRight(run.TempoText(), GUI_Style::kAmber);
    drawRight(run.TuneText(), GUI_Style::kCreamDim);
    DrawText(kStateFont, FitText(kStateFont, run.StateText(), right - kEdge), kEdge, kStateY, GUI_Style::kCream);
}

// Under the bars: whether the tune just played was right, and at the end how many were.
void GUI_Practice::DrawVerdict(const SIM_PracticeRun& run) const {
    const std::string verdict = run.VerdictText();
    if (verdict.empty()) return;
    const bool good = run.state() == SIM_PracticeRun::kFinished || run.LastCorrect();
    DrawText(kStateFont, FitText(kStateFont, verdict, kScreenW - 2.0f * kEdge), kScreenW / 2.0f, kVerdictY,
             good ? GUI_Style::kGold : GUI_Style::kRefusal, TEXT_CENTRED);
}

void GUI_Practice::DrawForeground() {
    for (const auto& note : notes_) note->Draw();
    effects_.Draw();
}
