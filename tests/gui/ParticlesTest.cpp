// Particle effects: the config files, the arithmetic of a step, when particles and emitters die,
// the same effect at any frame rate, and the blending that additive effects leave behind.
#include "GUI_Particles.h"
#include "LibDebugLog.h"
#include "LibRandom.h"
#include "engine/RenderFixture.h"

#include <fstream>
#include <sstream>

namespace {
std::string Config(const std::string& name, const std::string& extra) {
    return "; test effect\n[config]\nName=" + name +
           "\nTextureName=dot.png\nMinXVelocity=2\nMaxXVelocity=2\nMinYVelocity=-1\nMaxYVelocity=-1\n"
           "MinSize=10\nMaxSize=10\nXScatter=0\nYScatter=0\n" +
           extra;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class ParticlesTest : public RenderFixture {
protected:
    TempDir configs;

    void SetUp() override {
        RenderFixture::SetUp();
        SolidPicture("dot.png", 4, 4, 0xFFFFFFFF);
        configs.Write("fade.txt", Config("fade", "AlphaFalloff=0.5\nSizeFalloff=0.1\nSpeedFalloff=0.5\n"
                                                 "InitialParticles=3\nParticlesPerSecond=0\nLifetime=100\n"));
        configs.Write("shrink.txt", Config("shrink", "AlphaFalloff=0\nSizeFalloff=0.5\nInitialParticles=1\n"
                                                     "ParticlesPerSecond=0\nLifetime=0\n"));
        configs.Write("fountain.txt", Config("fountain", "AlphaFalloff=0.02\nSizeFalloff=0\nInitialParticles=0\n"
                                                         "ParticlesPerSecond=50\nLifetime=0\n"));
        configs.Write("burst.txt", Config("burst", "AlphaFalloff=0.01\nInitialParticles=400\nParticlesPerSecond=0\n"
                                                   "Lifetime=100\n"));
        GUI_ParticleConfig::SetFolder(configs.path());
        SeedRandom(7);
    }
    void TearDown() override {
        GUI_ParticleConfig::SetFolder(kParticleConfigFolder);
        RenderFixture::TearDown();
    }

    static const GUI_ParticleConfig& Effect(const std::string& name) {
        const GUI_ParticleConfig* config = GUI_ParticleConfig::Find(name);
        EXPECT_NE(config, nullptr) << name;
        return *config;
    }
};

TEST_F(ParticlesTest, ReadsEveryEffectOnceAndReportsAnUnknownName) {
    const GUI_ParticleConfig& fade = Effect("fade");
    EXPECT_EQ(fade.textureName, "dot.png");
    EXPECT_FLOAT_EQ(fade.minXVelocity, 2.0f);
    EXPECT_FLOAT_EQ(fade.maxYVelocity, -1.0f);
    EXPECT_FLOAT_EQ(fade.alphaFalloff, 0.5f);
    EXPECT_FLOAT_EQ(fade.speedFalloff, 0.5f);
    EXPECT_EQ(fade.initialParticles, 3);
    EXPECT_FLOAT_EQ(fade.lifetime, 100.0f);
    // Read once: a file changed afterwards is not read again.
    configs.Write("fade.txt", Config("fade", "AlphaFalloff=0.9\n"));
    EXPECT_FLOAT_EQ(Effect("fade").alphaFalloff, 0.5f);

    TempDir logs;
    SetDebugLogPath(logs.path() + "/debug.txt");
    ASSERT_TRUE(OpenDebugLog());
    GUI_ParticleEffects effects;
    effects.Start("nosuch", 10.0f, 10.0f);
    CloseDebugLog();
    SetDebugLogPath("./debugdata/debug.txt");
    EXPECT_EQ(effects.Running(), 0u);
    EXPECT_NE(ReadFile(logs.path() + "/debug.txt").find("Particle config not found"), std::string::npos);
}

TEST_F(ParticlesTest, AStepFadesShrinksMovesAndSlowsEachParticle) {
    GUI_ParticleEmmiter emitter(Effect("fade"));
    emitter.Start(100.0f, 200.0f);
    ASSERT_EQ(emitter.LiveCount(), 3);
    emitter.Step();
    for (const GUI_Particle& p : emitter.Particles()) {
        if (!p.alive) continue;
        EXPECT_FLOAT_EQ(p.alpha, 127.5f);
        EXPECT_FLOAT_EQ(p.size, 9.0f);
        // Moved by the speed it had, then slowed for the next step.
        EXPECT_FLOAT_EQ(p.x, 102.0f);
        EXPECT_FLOAT_EQ(p.y, 199.0f);
        EXPECT_FLOAT_EQ(p.vx, 1.0f);
        EXPECT_FLOAT_EQ(p.vy, -0.5f);
    }
    // Alpha halves each step: 255 -> 0.99 after eight steps, which is 0 as a whole number.
    for (int i = 0; i < 6; ++i) emitter.Step();
    EXPECT_EQ(emitter.LiveCount(), 3);
    emitter.Step();
    EXPECT_EQ(emitter.LiveCount(), 0);
    EXPECT_FALSE(emitter.Active());
}

TEST_F(ParticlesTest, AParticleDiesBelowHalfAPixelAndTheEmitterWithIt) {
    GUI_ParticleEmmiter emitter(Effect("shrink"));
    emitter.Start(0.0f, 0.0f);
    // 10 -> 5 -> 2.5 -> 1.25 -> 0.625 -> 0.3125: five steps to fall below half a pixel.
    for (int i = 0; i < 4; ++i) emitter.Step();
    EXPECT_EQ(emitter.LiveCount(), 1);
    emitter.Step();
    EXPECT_EQ(emitter.LiveCount(), 0);
    EXPECT_FALSE(emitter.Active());
}

TEST_F(ParticlesTest, ALifetimeOfZeroEmitsForEverAtItsRate) {
    GUI_ParticleEmmiter emitter(Effect("fountain"));
    emitter.Start(0.0f, 0.0f);
    EXPECT_TRUE(emitter.Active());
    // 50 a second is one a step; the oldest fade out after about 270 steps.
    for (int i = 0; i < 100; ++i) emitter.Update(kParticleStepMs);
    EXPECT_EQ(emitter.LiveCount(), 100);
    for (int i = 0; i < 5000; ++i) emitter.Update(kParticleStepMs);
    EXPECT_TRUE(emitter.Active());
    EXPECT_GT(emitter.LiveCount(), 200);
    EXPECT_LE(emitter.LiveCount(), GUI_ParticleEmmiter::kMaxParticles);

    // A finite lifetime stops emitting, then the last particles die out.
    GUI_ParticleEmmiter burst(Effect("burst"));
    burst.Start(0.0f, 0.0f);
    EXPECT_EQ(burst.LiveCount(), GUI_ParticleEmmiter::kMaxParticles);
    for (int i = 0; i < 2000 && burst.Active(); ++i) burst.Update(kParticleStepMs);
    EXPECT_FALSE(burst.Active());
}

TEST_F(ParticlesTest, TheSameEffectAtAnyFrameRate) {
    auto after = [](std::uint32_t frameMs, std::uint32_t totalMs) {
        SeedRandom(11);
        GUI_ParticleEmmiter emitter(*GUI_ParticleConfig::Find("fountain"));
        emitter.Start(50.0f, 50.0f);
        for (std::uint32_t t = 0; t < totalMs; t += frameMs) emitter.Update(frameMs);
        return emitter.Particles();
    };
    // 30, 50 and 144 frames a second over one second of game time.
    const auto at30 = after(1000 / 30 + 1, 34 * 30), at50 = after(20, 1020), at144 = after(7, 7 * 146);
    for (std::size_t i = 0; i < at50.size(); ++i) {
        EXPECT_EQ(at30[i].alive, at50[i].alive) << i;
        EXPECT_EQ(at144[i].alive, at50[i].alive) << i;
        EXPECT_FLOAT_EQ(at30[i].y, at50[i].y) << i;
        EXPECT_FLOAT_EQ(at144[i].y, at50[i].y) << i;
    }
}

TEST_F(ParticlesTest, AdditiveEffectsLeaveNormalBlendingBehind) {
    const std::uint32_t background = 0xFF404040;
    Renderer().FillRect(0, 0, 1024, 768, background);
    GUI_ParticleEmmiter emitter(Effect("shrink"));
    emitter.additive = true;
    emitter.Start(100.0f, 100.0f);
    emitter.Draw();
    // Added to the grey below: white saturates.
    EXPECT_EQ(At(Frame(), 100, 100), 0xFFFFFFu);
    // A half-transparent black square drawn after blends over what is there, as normal.
    GVertex quad[4];
    const float corners[4][2] = {{200, 200}, {220, 200}, {200, 220}, {220, 220}};
    for (int i = 0; i < 4; ++i) {
        quad[i].x = corners[i][0];
        quad[i].y = corners[i][1];
        quad[i].diffuse = 0x80000000;
    }
    Renderer().DrawQuad(nullptr, quad);
    const std::uint32_t blended = At(Frame(), 210, 210);
    EXPECT_NEAR(static_cast<int>(blended & 0xFF), 0x20, 2);
}
}  // namespace
