#pragma once
// The career's four stages: dreamer, amateur, gigging, signed. The stage only ever rises,
// at most one step a day.
#include <array>
#include <string>

class SIM_CareerStage {
public:
    static constexpr int kStages = 4;

    // Translates the stage titles and descriptions.
    SIM_CareerStage();

    int GetStage() const { return stage_; }
    // The loader restores a saved stage; out-of-range numbers are refused.
    void SetStage(int stage);
    // Rises one stage when the next stage's condition holds and announces it.
    void UpdateStage();

    const std::string& Title(int stage) const;
    const std::string& Description(int stage) const;
    static const char* Picture(int stage);

private:
    int stage_ = 0;
    std::array<std::string, kStages> titles_{};
    std::array<std::string, kStages> descriptions_{};
};

SIM_CareerStage& GetCareerStage();
void ResetCareerStage();
