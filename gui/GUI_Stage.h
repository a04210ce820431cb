#pragma once
// The gig's stage: the venue's backdrop, the band's silhouettes, the light maps over them and
// whatever stage equipment the band owns (smoke, spotlights, lasers, moving lights, the video
// screen, props and pyrotechnics). The gig screen draws it behind its figures; the backdrop
// tool draws it alone and switches its pieces by key.
//
// What is on stage is decided by StageFeaturesFor, a pure function of ownership and tuning,
// so the rules are tested without a window; the drawing only follows the decision.
#include "GUI_Particles.h"
#include "Sprites.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class SIM_Venue;

// Venues store their stage size as the scale of the band on it (0.5 for a pub corner, 1.4 for
// a stadium). From a full-size stage (the 500-seat halls) up, the stage counts as large and
// its smoke machine fills the bigger room.
constexpr float kLargeStageSize = 1.0f;

struct GUI_StageFeatures {
    bool smoke = false;
    int spotlights = 0;  // 0, 2, 4 or 8
    bool lasers = false;
    bool computerLights = false;
    bool videoScreen = false;
    bool stonehenge = false;
    bool skull = false;
    bool smallPyro = false;
    bool largePyro = false;
    float stageSize = 1.0f;

    // "smallvenue_smoke" or "largevenue_smoke" by the stage size; empty without smoke.
    std::string SmokeEffect() const;
};

// Whether the band owns the asset of that name; a tuning value by key.
using GUI_OwnsAsset = std::function<bool(const std::string&)>;
using GUI_TuningValue = std::function<float(const std::string&)>;

// Each piece shows when the band owns its asset or, without it, its tuning switch is non-zero.
// The largest owned spotlight rig counts; the lights switch gives all eight.
GUI_StageFeatures StageFeaturesFor(const GUI_OwnsAsset& owns, const GUI_TuningValue& tuning, float stageSize);
// The band's own stage at that venue (its stage size; 1 without a venue).
GUI_StageFeatures CurrentStageFeatures(const SIM_Venue* venue);

// Who stands on stage: the optional players, then the three who always play.
struct GUI_StageBand {
    bool guitar = false;
    bool sax = false;
    bool keyboard = false;
};
// A member or the player plays the instrument.
GUI_StageBand CurrentStageBand();

// One silhouette placed on the stage.
struct GUI_StageFigure {
    std::string texture;
    GRect rect;
};
// The silhouettes stand on the floor line around centreX, scaled by the stage size (the
// drummer, on his riser behind the others, at 1.2 times); listed back to front.
std::vector<GUI_StageFigure> StageLineUp(const GUI_StageBand& band, float stageSize, float centreX, float floorY);

// A spotlight decides afresh every half second whether it is lit: lit unless a quarter chance
// puts it out, so a rig flickers as a lighting desk would chase it.
class GUI_Spotlight {
public:
    static constexpr std::uint32_t kDecideMs = 500;
    static constexpr float kDarkChance = 0.25f;

    explicit GUI_Spotlight(std::uint64_t now = 0) : periodStart_(now) {}
    // Decides once for every half second begun since the last decision.
    void Update(std::uint64_t now);
    bool Lit() const { return lit_; }

private:
    std::uint64_t periodStart_;
    bool lit_ = true;
};

// A charge going off at a point of the stage.
struct GUI_PyroEvent {
    std::uint64_t at = 0;  // stage milliseconds
    bool large = false;
    float x = 0.0f, y = 0.0f;
};

// The stage's pyrotechnics: each event throws its effects, plays its bang and flashes the
// stage; the flash fades out over kFlashMs.
class GUI_Pyro {
public:
    static constexpr std::uint32_t kFlashMs = 450;

    void Fire(const GUI_PyroEvent& event);
    void Update(std::uint32_t elapsedMs) { effects_.Update(elapsedMs); }
    void Draw();
    // The flash light map's strength, 1 at the bang to 0.
    float Flash(std::uint64_t now) const;
    std::size_t Running() const { return effects_.Running(); }
    void Clear() { effects_.Clear(); }

private:
    GUI_ParticleEffects effects_;
    std::uint64_t lastBang_ = 0;
    bool banged_ = false;
};

class GUI_Stage {
public:
    GUI_Stage(const GRect& area, const GUI_StageFeatures& features, std::string backdrop, const GUI_StageBand& band);
    ~GUI_Stage();
    GUI_Stage(const GUI_Stage&) = delete;
    GUI_Stage& operator=(const GUI_Stage&) = delete;

    // Runs the lights, smoke and the show's pyrotechnics on the frame clock.
    void Update(std::uint64_t now);
    void Draw();

    // Switches pieces (the backdrop tool); the smoke and the rig follow at once.
    void SetFeatures(const GUI_StageFeatures& features);
    const GUI_StageFeatures& Features() const { return features_; }
    void FirePyro(bool large);
    // Lays the band out again after the display was toggled or its surfaces were lost; the
    // pictures themselves are found by name every frame, so they follow the renderer's reload.
    void Rebuild();
    // Every stage alive, rebuilt together from the game's surface rebuild.
    static void RebuildAll();

    const std::vector<GUI_Spotlight>& Spotlights() const { return spotlights_; }
    std::size_t PyroEffectsRunning() const { return pyro_.Running(); }
    std::size_t SmokeRunning() const { return smoke_.Running(); }

private:
    void StartSmoke();
    void ScheduleShow(std::uint64_t now);
    void DrawProps();
    void DrawBand();
    void DrawLightMaps();
    void DrawSpotlights();
    void DrawLasers();
    void DrawComputerLights();
    float FloorY() const;
    float Width() const { return area_.right - area_.left; }
    float Height() const { return area_.bottom - area_.top; }

    GRect area_;
    GUI_StageFeatures features_;
    std::string backdrop_;
    GUI_StageBand band_;
    std::vector<GUI_StageFigure> lineUp_;
    std::vector<GUI_Spotlight> spotlights_;
    GUI_ParticleEffects smoke_;
    GUI_Pyro pyro_;
    std::uint64_t start_ = 0, now_ = 0, last_ = 0;
    bool started_ = false;
    std::uint64_t nextPyro_ = 0;
    int pyroCount_ = 0;
};
