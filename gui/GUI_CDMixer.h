#pragma once
// The mixing desk: a strip per member with his portrait, a fader and a meter of how pleased he
// is with his level; releasing the album ends the day in the studio. SIM_MixingDesk holds the
// levels and the rules.
#include "GUI_ButtonTypes.h"
#include "GUI_WindowBase.h"

#include <string>

// A vertical fader: the knob is dragged along the track, the top being full level.
class GUI_Fader : public GUI_BaseElement {
public:
    static constexpr float kKnobW = 44.0f, kKnobH = 20.0f;

    GUI_Fader(int strip, const std::string& label);
    void Draw() override;
    // A press on the track or the knob takes the knob there and starts a drag.
    bool OnClick(float x, float y) override;
    // While dragging and the button is held, the level follows the cursor; release ends it.
    void Update() override;
    bool Dragging() const { return dragging_; }
    // The level at a height along the track, 0..1.
    float LevelAt(float y) const;

private:
    float KnobCentreY() const;
    void Follow(float y);

    int strip_;
    std::string label_;
    bool dragging_ = false;
};

class GUI_MusicianMixer : public GUI_WindowBase {
public:
    static constexpr float kWidth = 140.0f;

    GUI_MusicianMixer(int strip, float left, float top, float bottom);
    GUI_Fader* Fader() const { return fader_; }
    int Strip() const { return strip_; }

protected:
    void DrawBackground() override;

private:
    void DrawMeter(float x, float centreY) const;

    int strip_;
    std::string name_;  // fitted once
    GUI_Fader* fader_ = nullptr;
};

class GUI_CDMixer : public GUI_WindowBase {
public:
    static GUI_CDMixer* Open();

    GUI_CDMixer();
    const std::vector<GUI_MusicianMixer*>& Strips() const { return strips_; }
    GUI_ButtonText* FinishButton() const { return finish_; }
    // Releases the album; the desk closes once the studio day is done.
    void Finish();
    // The desk goes when its album does (a new game).
    void Update() override;

protected:
    void DrawBackground() override;

private:
    std::vector<GUI_MusicianMixer*> strips_;
    std::vector<std::string> help_;  // wrapped once
    GUI_ButtonText* finish_ = nullptr;
};
