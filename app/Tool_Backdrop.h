#pragma once
// The developers' stage viewer, entered instead of the main menu when the tuning switch
// CHEAT_BACKDROPTOOL is on: the gig stage alone, with its pieces switched or fired by key and
// the keys listed on screen, each marked while its piece is on.
#include "GUI_GameModeBase.h"
#include "GUI_Stage.h"

#include <cstdint>
#include <memory>
#include <string>

class SIM_Venue;

class Tool_Backdrop : public GUI_GameModeBase {
public:
    Tool_Backdrop();
    ~Tool_Backdrop() override;
    void OnEnter() override;
    void Update() override;
    void Draw() override;
    // key: DirectInput scan code.
    void OnKeyDown(int key) override;

    const GUI_StageFeatures& Features() const { return features_; }
    const SIM_Venue* Venue() const { return venue_; }
    GUI_Stage* Stage() const { return stage_.get(); }

private:
    // A new stage at the current venue with the current pieces.
    void BuildStage();
    void DrawKeys() const;

    GUI_StageFeatures features_;
    const SIM_Venue* venue_ = nullptr;
    std::unique_ptr<GUI_Stage> stage_;
    std::uint64_t smallFired_ = 0, largeFired_ = 0;
    bool firedSmall_ = false, firedLarge_ = false;
    int smallCount_ = 0, largeCount_ = 0;
};
