// The particle effects the stage, the songwriting puzzle and practice ask for are each defined
// once in the run folder's data/configs, with every setting and a staged texture.
#include "ArtTestSupport.h"
#include "LibConfigSection.h"
#include "LibFileList.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <set>

namespace {

const char* const kNumbers[] = {"MinXVelocity", "MaxXVelocity", "MinYVelocity", "MaxYVelocity",
                                "MinSize",      "MaxSize",      "AlphaFalloff", "SizeFalloff",
                                "SpeedFalloff", "XScatter",     "YScatter",     "ParticlesPerSecond",
                                "InitialParticles", "Lifetime"};

// The whole cell as a number; a typo must not read as a silent 0.
bool ReadNumber(const std::string& text, double& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    out = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size() && std::isfinite(out);
}

TEST(ParticleEffects, EveryNamedEffectIsDefinedOnceWithSaneSettings) {
    LibFileList files;
    files.keepFolder = true;
    files.FindFiles("data/configs/*.txt");
    ASSERT_FALSE(files.names.empty());
    std::map<std::string, std::string> byName;
    for (const std::string& file : files.names) {
        LibConfigSection config;
        config.Load("config", file);
        const std::string name = config.Find("Name");
        ASSERT_FALSE(name.empty()) << file;
        EXPECT_TRUE(byName.emplace(name, file).second) << name << " is defined twice";

        const std::string texture = config.Find("TextureName");
        EXPECT_FALSE(FindByName("data/bitmaps", texture).empty()) << file << ": no texture " << texture;

        std::map<std::string, double> v;
        for (const char* key : kNumbers) EXPECT_TRUE(ReadNumber(config.Find(key), v[key])) << file << " " << key;
        EXPECT_LE(v["MinXVelocity"], v["MaxXVelocity"]) << file;
        EXPECT_LE(v["MinYVelocity"], v["MaxYVelocity"]) << file;
        EXPECT_LE(v["MinSize"], v["MaxSize"]) << file;
        // A particle is drawn while its size is at least half a pixel: smaller ones are born dead.
        EXPECT_GE(v["MinSize"], 0.5) << file;
        // Every particle must fade out, or the emitter never falls idle; a size that grows
        // without bound would fill the screen before it does.
        EXPECT_GT(v["AlphaFalloff"], 0.0) << file;
        EXPECT_LT(v["AlphaFalloff"], 1.0) << file;
        const double steps = std::log(1.0 / 255.0) / std::log(1.0 - v["AlphaFalloff"]);
        EXPECT_LT(v["MaxSize"] * std::pow(1.0 - v["SizeFalloff"], steps), 1024.0) << file;
        EXPECT_LT(v["SpeedFalloff"], 1.0) << file;
        EXPECT_GE(v["InitialParticles"], 0.0) << file;
        EXPECT_LE(v["InitialParticles"], 256.0) << file;
        EXPECT_EQ(v["InitialParticles"], std::floor(v["InitialParticles"])) << file;
        // Something must come out: a burst at the start or a stream while it lives.
        EXPECT_GT(v["InitialParticles"] + v["ParticlesPerSecond"], 0.0) << file;
    }
    for (const char* wanted : {"smallvenue_smoke", "largevenue_smoke", "smoke_bang", "bang", "blacksmoke", "flames",
                               "spark_shower", "songnotes", "practicenotes"})
        EXPECT_EQ(byName.count(wanted), 1u) << wanted;
}

}  // namespace
