#pragma once
// Particle effects: smoke, sparks and the notes that burst from a song piece or a practice note.
// Each effect is a config file in data/configs; an emitter runs one effect at a point.
//
// Particles move in fixed steps of kParticleStepMs of game time, whatever the frame rate: a
// frame runs as many whole steps as its time holds and carries the rest to the next, and the
// particles are drawn part of the way to their next step. The same effect therefore looks the
// same at 30 and at 144 frames a second, and exactly the same under a fixed frame clock.
#include "Sprites.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

constexpr std::uint32_t kParticleStepMs = 20;
constexpr const char* kParticleConfigFolder = "data/configs";

struct GUI_ParticleConfig {
    std::string name;
    std::string textureName;
    float minXVelocity = 0.0f, maxXVelocity = 0.0f;
    float minYVelocity = 0.0f, maxYVelocity = 0.0f;
    float minSize = 0.0f, maxSize = 0.0f;
    float alphaFalloff = 0.0f;  // fraction lost per step
    float sizeFalloff = 0.0f;
    float speedFalloff = 0.0f;  // 0: the speed is kept
    float xScatter = 0.0f, yScatter = 0.0f;
    float particlesPerSecond = 0.0f;
    int initialParticles = 0;
    float lifetime = 0.0f;  // milliseconds of emitting; 0 or less: for ever

    // The section "config" of one file.
    static GUI_ParticleConfig Read(const std::string& file);
    // The effect of that name among every file of the folder, read once per process; null,
    // with "Particle config not found" reported, when no file defines it.
    static const GUI_ParticleConfig* Find(const std::string& name);
    // Forgets the loaded effects (shut-down, tests); the next Find reads the folder again.
    static void Release();
    // Reads effects from another folder from now on (tests).
    static void SetFolder(const std::string& folder);
};

struct GUI_Particle {
    float x = 0.0f, y = 0.0f;
    float vx = 0.0f, vy = 0.0f;
    float size = 0.0f;
    float alpha = 0.0f;  // 0..255
    float angle = 0.0f;  // radians
    float spin = 0.0f;   // radians per step
    bool alive = false;

    // Drawn only while its alpha as a whole number is above 0 and it is at least half a pixel.
    bool Visible() const { return static_cast<int>(alpha) > 0 && size >= 0.5f; }
};

class GUI_ParticleEmmiter {
public:
    static constexpr int kMaxParticles = 256;

    explicit GUI_ParticleEmmiter(const GUI_ParticleConfig& config);

    // Emits the initial particles at the point and starts the lifetime.
    void Start(float x, float y);
    // Runs the steps the elapsed time holds.
    void Update(std::uint32_t elapsedMs);
    // One step of every live particle, then new ones while the lifetime lasts.
    void Step();
    void Draw();

    bool Active() const { return active_; }
    int LiveCount() const;
    const std::array<GUI_Particle, kMaxParticles>& Particles() const { return particles_; }
    const GUI_ParticleConfig& Config() const { return config_; }
    // Additive emitters (lights, sparks) draw with source-alpha/one blending.
    bool additive = false;
    // Round, soft particles (smoke, glows) look the same turned or not; drawn upright they are
    // plain scaled copies, many times cheaper for the software renderer than turned quads.
    bool upright = false;

private:
    void Emit(int count);
    bool Emitting() const;

    const GUI_ParticleConfig& config_;
    std::array<GUI_Particle, kMaxParticles> particles_{};
    float x_ = 0.0f, y_ = 0.0f;
    bool active_ = false;
    std::uint32_t age_ = 0;       // milliseconds of steps run since the start
    std::uint32_t carry_ = 0;     // milliseconds towards the next step
    float emitDebt_ = 0.0f;       // particles owed by the emission rate
    SmartTexture texture_;
};

// Fire-and-forget effects a screen owns; each runs its own emitter until its particles die.
class GUI_ParticleEffects {
public:
    // An unknown name is reported and starts nothing. Additive effects (flashes, sparks,
    // flames) light up what lies under them.
    void Start(const std::string& name, float x, float y, bool additive = false, bool upright = false);
    void Update(std::uint32_t elapsedMs);
    void Draw();
    std::size_t Running() const { return emitters_.size(); }
    void Clear() { emitters_.clear(); }

private:
    std::vector<std::unique_ptr<GUI_ParticleEmmiter>> emitters_;
};
