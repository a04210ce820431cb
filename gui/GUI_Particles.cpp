#include "GUI_Particles.h"

#include "LibConfigSection.h"
#include "LibErrors.h"
#include "LibFileList.h"
#include "LibRandom.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {
// Particles turn a little as they fly; each gets its own start angle and spin.
constexpr float kMaxSpin = 0.06f;  // radians per step
constexpr float kTwoPi = 6.2831853f;

struct ConfigStore {
    std::string folder = kParticleConfigFolder;
    bool loaded = false;
    std::map<std::string, GUI_ParticleConfig> byName;

    void Load() {
        loaded = true;
        LibFileList files;
        files.keepFolder = true;
        files.FindFiles(folder + "/*.txt");
        for (const std::string& file : files.names) {
            GUI_ParticleConfig config = GUI_ParticleConfig::Read(file);
            // The first file to name an effect defines it.
            if (!config.name.empty()) byName.emplace(config.name, std::move(config));
        }
    }
};

ConfigStore& Store() {
    static ConfigStore store;
    return store;
}

std::uint32_t Argb(float alpha) {
    const auto a = static_cast<std::uint32_t>(std::clamp(alpha, 0.0f, 255.0f));
    return (a << 24) | 0x00FFFFFFu;
}

// A square of the given size centred on (x, y), turned by angle.
void RotatedSquare(GVertex (&quad)[4], float x, float y, float size, float angle, std::uint32_t colour) {
    const float half = size * 0.5f, c = std::cos(angle) * half, s = std::sin(angle) * half;
    // Corners (-1,-1), (1,-1), (-1,1), (1,1) turned by the angle.
    const float cornerX[4] = {-c + s, c + s, -c - s, c - s};
    const float cornerY[4] = {-s - c, s - c, -s + c, s + c};
    const float u[4] = {0.0f, 1.0f, 0.0f, 1.0f}, v[4] = {0.0f, 0.0f, 1.0f, 1.0f};
    for (int i = 0; i < 4; ++i) {
        quad[i] = GVertex{};
        quad[i].x = x + cornerX[i];
        quad[i].y = y + cornerY[i];
        quad[i].diffuse = colour;
        quad[i].u = u[i];
        quad[i].v = v[i];
    }
}
}  // namespace

// ---- Configs ----

GUI_ParticleConfig GUI_ParticleConfig::Read(const std::string& file) {
    LibConfigSection section;
    section.Load("config", file);
    GUI_ParticleConfig c;
    c.name = section.Find("Name");
    c.textureName = section.Find("TextureName");
    c.minXVelocity = section.GetFloat("MinXVelocity", 0.0f);
    c.maxXVelocity = section.GetFloat("MaxXVelocity", 0.0f);
    c.minYVelocity = section.GetFloat("MinYVelocity", 0.0f);
    c.maxYVelocity = section.GetFloat("MaxYVelocity", 0.0f);
    c.minSize = section.GetFloat("MinSize", 0.0f);
    c.maxSize = section.GetFloat("MaxSize", 0.0f);
    c.alphaFalloff = section.GetFloat("AlphaFalloff", 0.0f);
    c.sizeFalloff = section.GetFloat("SizeFalloff", 0.0f);
    c.speedFalloff = section.GetFloat("SpeedFalloff", 0.0f);
    c.xScatter = section.GetFloat("XScatter", 0.0f);
    c.yScatter = section.GetFloat("YScatter", 0.0f);
    c.particlesPerSecond = section.GetFloat("ParticlesPerSecond", 0.0f);
    c.initialParticles = static_cast<int>(section.GetFloat("InitialParticles", 0.0f));
    c.lifetime = section.GetFloat("Lifetime", 0.0f);
    return c;
}

const GUI_ParticleConfig* GUI_ParticleConfig::Find(const std::string& name) {
    ConfigStore& store = Store();
    if (!store.loaded) store.Load();
    if (auto it = store.byName.find(name); it != store.byName.end()) return &it->second;
    REPORT_ERROR("Particle config not found");
    return nullptr;
}

void GUI_ParticleConfig::Release() {
    Store().byName.clear();
    Store().loaded = false;
}

void GUI_ParticleConfig::SetFolder(const std::string& folder) {
    Release();
    Store().folder = folder;
}

// ---- Emitter ----

GUI_ParticleEmmiter::GUI_ParticleEmmiter(const GUI_ParticleConfig& config)
    : config_(config), texture_(config.textureName) {}

void GUI_ParticleEmmiter::Start(float x, float y) {
    x_ = x;
    y_ = y;
    age_ = carry_ = 0;
    emitDebt_ = 0.0f;
    active_ = true;
    Emit(config_.initialParticles);
}

bool GUI_ParticleEmmiter::Emitting() const {
    return config_.lifetime <= 0.0f || static_cast<float>(age_) < config_.lifetime;
}

void GUI_ParticleEmmiter::Emit(int count) {
    for (GUI_Particle& p : particles_) {
        if (count <= 0) return;
        if (p.alive) continue;
        p.alive = true;
        p.x = x_ + RandomFloat(-config_.xScatter, config_.xScatter);
        p.y = y_ + RandomFloat(-config_.yScatter, config_.yScatter);
        p.vx = RandomFloat(config_.minXVelocity, config_.maxXVelocity);
        p.vy = RandomFloat(config_.minYVelocity, config_.maxYVelocity);
        p.size = RandomFloat(config_.minSize, config_.maxSize);
        p.alpha = 255.0f;
        p.angle = RandomFloat(0.0f, kTwoPi);
        p.spin = RandomFloat(-kMaxSpin, kMaxSpin);
        --count;
    }
}

void GUI_ParticleEmmiter::Step() {
    if (!active_) return;
    for (GUI_Particle& p : particles_) {
        if (!p.alive) continue;
        p.alpha *= 1.0f - config_.alphaFalloff;
        p.size *= 1.0f - config_.sizeFalloff;
        p.x += p.vx;
        p.y += p.vy;
        p.angle += p.spin;
        if (config_.speedFalloff != 0.0f) {
            p.vx *= 1.0f - config_.speedFalloff;
            p.vy *= 1.0f - config_.speedFalloff;
        }
        if (!p.Visible()) p.alive = false;
    }
    age_ += kParticleStepMs;
    if (Emitting() && config_.particlesPerSecond > 0.0f) {
        emitDebt_ += config_.particlesPerSecond * static_cast<float>(kParticleStepMs) / 1000.0f;
        const int owed = static_cast<int>(emitDebt_);
        emitDebt_ -= static_cast<float>(owed);
        Emit(owed);
    }
    // An emitter that still emits stays active, even between sparse particles.
    if (LiveCount() == 0 && !(Emitting() && config_.particlesPerSecond > 0.0f)) active_ = false;
}

void GUI_ParticleEmmiter::Update(std::uint32_t elapsedMs) {
    if (!active_) return;
    carry_ += elapsedMs;
    while (carry_ >= kParticleStepMs && active_) {
        carry_ -= kParticleStepMs;
        Step();
    }
}

int GUI_ParticleEmmiter::LiveCount() const {
    return static_cast<int>(std::count_if(particles_.begin(), particles_.end(), [](const GUI_Particle& p) { return p.alive; }));
}

void GUI_ParticleEmmiter::Draw() {
    if (!active_) return;
    GTexture* texture = texture_.Get();
    if (!texture) return;
    // Drawn part of the way to the next step, so motion is smooth at any frame rate.
    const float ahead = static_cast<float>(carry_) / static_cast<float>(kParticleStepMs);
    static GVertexBuffer batch(kMaxParticles * 4);
    for (const GUI_Particle& p : particles_) {
        if (!p.alive) continue;
        GVertex quad[4];
        const float angle = upright ? 0.0f : p.angle + p.spin * ahead;
        RotatedSquare(quad, p.x + p.vx * ahead, p.y + p.vy * ahead, p.size, angle, Argb(p.alpha));
        batch.AddQuad(quad);
    }
    batch.Flush(texture, additive ? GBlend::Additive : GBlend::Alpha);
}

// ---- Effects ----

void GUI_ParticleEffects::Start(const std::string& name, float x, float y, bool additive, bool upright) {
    const GUI_ParticleConfig* config = GUI_ParticleConfig::Find(name);
    if (!config) return;
    auto emitter = std::make_unique<GUI_ParticleEmmiter>(*config);
    emitter->additive = additive;
    emitter->upright = upright;
    emitter->Start(x, y);
    if (emitter->Active()) emitters_.push_back(std::move(emitter));
}

void GUI_ParticleEffects::Update(std::uint32_t elapsedMs) {
    for (auto& emitter : emitters_) emitter->Update(elapsedMs);
    emitters_.erase(std::remove_if(emitters_.begin(), emitters_.end(), [](const auto& e) { return !e->Active(); }),
                    emitters_.end());
}

void GUI_ParticleEffects::Draw() {
    for (auto& emitter : emitters_) emitter->Draw();
}
