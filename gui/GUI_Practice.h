#pragma once
// The practice room: a full-screen activity that draws SIM_PracticeRun on the frame clock and
// hands it the player's keys. The run holds the rules (states, melodies, tempo, bars); this
// view shows the pitch rows, the notes as they sound, the band's bars and the buttons, holds
// the music while the band plays, and closes when the run is over or no longer open.
#include "GUI_Particles.h"
#include "GUI_WindowBase.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class GUI_ButtonText;
class SIM_PracticeRun;

// One pitch row: the key's picture, the stave in the note's colour, and a flash of the row
// when its note sounds.
class GUI_PracticePitchStrip : public GUI_BaseElement {
public:
    static constexpr float kHeight = 32.0f;
    static constexpr std::uint32_t kFlashMs = 300;

    GUI_PracticePitchStrip(int note, float left, float top, float across);
    int Note() const { return note_; }
    void Flash(std::uint64_t now) {
        flashStart_ = now;
        flashed_ = true;
    }
    void Draw() override;

private:
    int note_;
    std::uint64_t flashStart_ = 0;
    bool flashed_ = false;
};

// A note that sounded: the sprite on its row, gliding in from the slot before and fading out.
// The slots step 64 pixels right per note and start again at the row's left end near its right.
class GUI_PracticeNote : public GUI_BaseElement {
public:
    static constexpr float kSize = 32.0f;
    static constexpr float kStep = 64.0f;
    static constexpr std::uint32_t kGlideMs = 100;
    static constexpr std::uint32_t kLifeMs = 1400;

    // The x of a slot on a row whose notes may lie between first and right.
    static float SlotX(int slot, float first, float right);

    GUI_PracticeNote(int note, float x, float fromX, float top, std::uint64_t born);
    int Note() const { return note_; }
    bool Dead(std::uint64_t now) const { return now - born_ >= kLifeMs; }
    void Draw() override;

private:
    int note_;
    float x_, fromX_;
    std::uint64_t born_;
};

// One bar of the run: a member's ability or the player's singing, its name over it and the
// figure under it, climbing as the run's bar does.
class GUI_PracticeProgress : public GUI_BaseElement {
public:
    static constexpr float kWidth = 140.0f;
    static constexpr float kHeight = 60.0f;

    GUI_PracticeProgress(const SIM_PracticeRun& run, std::size_t bar, float left, float top);
    void Draw() override;

private:
    const SIM_PracticeRun& run_;
    std::size_t bar_;
};

class GUI_Practice : public GUI_WindowBase {
public:
    // Closes an open practice screen and opens a new run on a new one.
    static GUI_Practice* Open();

    explicit GUI_Practice(SIM_PracticeRun& run);
    ~GUI_Practice() override;
    // Every key reaches a full-screen activity here; the run decides what it means.
    void OnNotify(int key) override;
    void Update() override;
    void Draw() override;

    // The run while it is still the open one, else null.
    SIM_PracticeRun* Run() const;
    GUI_ButtonText* StartButton() const { return start_; }
    GUI_ButtonText* CancelButton() const { return cancel_; }
    GUI_ButtonText* ContinueButton() const { return continue_; }
    const std::vector<std::unique_ptr<GUI_PracticeNote>>& Notes() const { return notes_; }
    const GUI_ParticleEffects& Effects() const { return effects_; }

protected:
    void DrawBackground() override;
    void DrawForeground() override;

private:
    void AddBars(const SIM_PracticeRun& run);
    void ShowCues(SIM_PracticeRun& run, std::uint64_t now);
    void FollowRun(const SIM_PracticeRun& run);
    // After the run took a click or a key: the screen closes with it or shows its buttons.
    void Follow(const SIM_PracticeRun& run);
    void Press(bool (SIM_PracticeRun::*action)());
    void Leave();
    void DrawStateLine(const SIM_PracticeRun& run) const;
    void DrawVerdict(const SIM_PracticeRun& run) const;

    SIM_PracticeRun* run_;
    bool done_ = false;
    std::uint64_t lastUpdate_ = 0;
    std::vector<std::string> explanation_;  // wrapped once
    std::vector<GUI_PracticePitchStrip*> strips_;
    std::vector<std::unique_ptr<GUI_PracticeNote>> notes_;
    GUI_ParticleEffects effects_;
    GUI_ButtonText* start_ = nullptr;
    GUI_ButtonText* cancel_ = nullptr;
    GUI_ButtonText* continue_ = nullptr;
};
