#pragma once
// The gig screen: the night's stage fills the screen, the evening's figures and its effects on
// the band sit on dark panels either side of the band, and the seven parts of the performance
// stand in a row of VU meters along the front of the stage. SIM_GigScreen holds every text and
// the closing rules; this view draws it and plays its sounds.
#include "GUI_ButtonTypes.h"
#include "GUI_WindowBase.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class GUI_Stage;
class SIM_GigScreen;
class SIM_Performance;
struct SIM_GigMeter;

// One part of the performance as a meter: the needle swings up to the value as the screen
// opens; the label under it, the tooltip while it is pointed at.
class GUI_VUMeter : public GUI_ButtonBase {
public:
    static constexpr float kWidth = 128.0f, kMeterHeight = 77.0f, kLabelHeight = 20.0f;
    static constexpr std::uint32_t kSwingMs = 1200;
    // The needle's lean from upright, in radians: the scale's left end (-45 degrees) at 0, its
    // right end (+45 degrees) at 1; values outside are held at the ends.
    static float NeedleAngle(float value);

    GUI_VUMeter(const SIM_GigMeter& meter, float left, float top, std::uint64_t opened);
    void Draw() override;
    // A meter only shows; clicks go through it.
    bool OnClick(float, float) override { return false; }
    void Press() override {}
    std::string ControlLabel() const override { return label_; }
    // Where the needle points now, 0..1.
    float Shown() const;

private:
    std::string label_;
    float value_;
    std::uint64_t opened_;
};

class GUI_Gig : public GUI_WindowBase {
public:
    // The screen of the latest performance; none when no gig has been played.
    static GUI_Gig* Open(const SIM_Performance& performance);

    explicit GUI_Gig(const SIM_Performance& performance);
    ~GUI_Gig() override;
    // Return or Escape finishes the night, as the button does.
    void OnNotify(int key) override;
    void Update() override;

    // Closes the screen and ends the day through the model, once however often it is asked.
    void Finish();

    const SIM_GigScreen& Model() const { return *model_; }
    GUI_Stage& Stage() const { return *stage_; }
    GUI_ButtonText* FinishButton() const { return finish_; }
    const std::vector<GUI_VUMeter*>& Meters() const { return meters_; }
    // The model's sounds played so far, in order.
    std::size_t SoundsPlayed() const { return soundsPlayed_; }

protected:
    void DrawBackground() override;

private:
    void PlayDueSounds(std::uint64_t now);
    void DrawFigures() const;
    void DrawEffects() const;

    std::unique_ptr<SIM_GigScreen> model_;
    std::unique_ptr<GUI_Stage> stage_;
    std::vector<GUI_VUMeter*> meters_;
    GUI_ButtonText* finish_ = nullptr;
    std::uint64_t opened_ = 0;
    std::size_t soundsPlayed_ = 0;
    bool finished_ = false;
};
