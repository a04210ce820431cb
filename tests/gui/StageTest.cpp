// The gig's stage and screen: which pieces of equipment stand on stage for what the band owns
// and the developer switches, where the band stands, how the spotlights flicker, where a VU
// needle points, and that finishing the gig screen ends the day once. (The backdrop tool's keys
// and the screens' looks are played by backdrop_tool.play and bookgig.play.)
#include "GUI_Gig.h"
#include "GUI_Stage.h"
#include "GameScreensFixture.h"
#include "InputManager.h"
#include "LibRandom.h"
#include "SIM_Asset.h"
#include "SIM_GigScreen.h"
#include "SIM_Performance.h"
#include "SIM_Venue.h"
#include "SIM_WorldSeams.h"

#include <cmath>
#include <set>

namespace {
// Ownership and tuning as sets of names: what is listed is owned or switched on.
GUI_StageFeatures Features(std::set<std::string> owned, std::set<std::string> switches, float stageSize = 1.0f) {
    return StageFeaturesFor([owned](const std::string& asset) { return owned.count(asset) > 0; },
                            [switches](const std::string& key) { return switches.count(key) ? 1.0f : 0.0f; }, stageSize);
}

// The pieces that show, by name, so a wrong piece is named in the failure.
std::set<std::string> Shown(const GUI_StageFeatures& f) {
    std::set<std::string> on;
    if (f.smoke) on.insert("smoke");
    if (f.spotlights) on.insert("spotlights");
    if (f.lasers) on.insert("lasers");
    if (f.computerLights) on.insert("computerLights");
    if (f.videoScreen) on.insert("videoScreen");
    if (f.stonehenge) on.insert("stonehenge");
    if (f.skull) on.insert("skull");
    if (f.smallPyro) on.insert("smallPyro");
    if (f.largePyro) on.insert("largePyro");
    return on;
}

struct Piece {
    const char* asset;
    const char* key;
    const char* shown;
};
const Piece kPieces[] = {{"smokemachine", "CHEAT_SMOKEMACHINE", "smoke"},
                         {"8spotlightrig", "CHEAT_MAXLIGHTS", "spotlights"},
                         {"laser", "CHEAT_LASERS", "lasers"},
                         {"computerised lighting", "CHEAT_COMPUTERLIGHTS", "computerLights"},
                         {"videoscreen", "CHEAT_VIDEOSCREEN", "videoScreen"},
                         {"stonehenge", "CHEAT_STONEHENGE", "stonehenge"},
                         {"skull", "CHEAT_SKULL", "skull"},
                         {"small pyro", "CHEAT_SMALLPYRO", "smallPyro"},
                         {"large pyro", "CHEAT_LARGEPYRO", "largePyro"}};
}  // namespace

TEST(StageFeatures, EachPieceShowsForItsAssetOrItsSwitchAndNothingElse) {
    // A band with nothing and every switch off: the backdrop, the band and the light maps only.
    const GUI_StageFeatures bare = Features({}, {});
    EXPECT_TRUE(Shown(bare).empty());
    EXPECT_EQ(bare.spotlights, 0);
    EXPECT_EQ(bare.SmokeEffect(), "");
    for (const Piece& piece : kPieces) {
        EXPECT_EQ(Shown(Features({piece.asset}, {})), std::set<std::string>{piece.shown}) << piece.asset;
        // The switch alone, with the asset not owned.
        EXPECT_EQ(Shown(Features({}, {piece.key})), std::set<std::string>{piece.shown}) << piece.key;
    }
    // A switch set to something other than 1 counts; a missing or zero one does not.
    const GUI_StageFeatures half = StageFeaturesFor([](const std::string&) { return false; },
                                                    [](const std::string& key) { return key == "CHEAT_SKULL" ? 0.5f : 0.0f; }, 1.0f);
    EXPECT_EQ(Shown(half), std::set<std::string>{"skull"});
}

TEST(StageFeatures, TheLargestOwnedRigCountsAndTheSwitchGivesAllEight) {
    EXPECT_EQ(Features({"2spotlightrig"}, {}).spotlights, 2);
    EXPECT_EQ(Features({"4spotlightrig"}, {}).spotlights, 4);
    EXPECT_EQ(Features({"2spotlightrig", "4spotlightrig"}, {}).spotlights, 4);
    EXPECT_EQ(Features({"2spotlightrig", "8spotlightrig"}, {}).spotlights, 8);
    EXPECT_EQ(Features({}, {"CHEAT_MAXLIGHTS"}).spotlights, 8);
    EXPECT_EQ(Features({"2spotlightrig"}, {"CHEAT_MAXLIGHTS"}).spotlights, 8);
}

TEST(StageFeatures, ABigStageGetsTheLargeSmokeFromTheFullSizeStageUp) {
    const float below = std::nextafter(kLargeStageSize, 0.0f);
    EXPECT_EQ(Features({"smokemachine"}, {}, kLargeStageSize).SmokeEffect(), "largevenue_smoke");
    EXPECT_EQ(Features({"smokemachine"}, {}, below).SmokeEffect(), "smallvenue_smoke");
    EXPECT_EQ(Features({}, {"CHEAT_SMOKEMACHINE"}, 1.4f).SmokeEffect(), "largevenue_smoke");
    EXPECT_EQ(Features({}, {}, 1.4f).SmokeEffect(), "") << "no machine, no smoke";
    // The threshold is in the unit the venues store: the shipped list has rooms of both kinds.
    LoadVenues();
    std::set<std::string> effects;
    for (const auto& venue : Venues()) effects.insert(Features({"smokemachine"}, {}, venue->stageSize).SmokeEffect());
    EXPECT_EQ(effects, (std::set<std::string>{"smallvenue_smoke", "largevenue_smoke"}));
    DestroyAllVenues();
}

TEST(StageLineUp, TheOptionalPlayersJoinTheThreeWhoAlwaysPlayAroundTheCentre) {
    auto names = [](const std::vector<GUI_StageFigure>& figures) {
        std::set<std::string> set;
        for (const auto& f : figures) set.insert(f.texture);
        return set;
    };
    const auto trio = StageLineUp({}, 1.0f, 500.0f, 600.0f);
    EXPECT_EQ(names(trio), (std::set<std::string>{"vector_drummer.dds", "vector_bass.dds", "vector_vocals.dds"}));
    const auto full = StageLineUp({true, true, true}, 1.0f, 500.0f, 600.0f);
    EXPECT_EQ(full.size(), 6u);
    EXPECT_EQ(names(StageLineUp({false, true, false}, 1.0f, 500.0f, 600.0f)).count("vector_sax.dds"), 1u);
    for (const auto* lineUp : {&trio, &full}) {
        float sum = 0.0f;
        for (const auto& f : *lineUp) sum += (f.rect.left + f.rect.right) / 2.0f;
        EXPECT_NEAR(sum / static_cast<float>(lineUp->size()), 500.0f, 0.01f) << "the band stands around the centre";
    }
    // Scaled by the stage, the drummer at 1.2 times the others; the front line on the floor.
    for (const float size : {0.5f, 1.4f}) {
        const auto band = StageLineUp({}, size, 500.0f, 600.0f);
        const float drummerH = band[0].rect.bottom - band[0].rect.top, singerH = band[1].rect.bottom - band[1].rect.top;
        EXPECT_NEAR(drummerH / singerH, 1.2f, 1e-4f);
        EXPECT_NEAR(singerH / (trio[1].rect.bottom - trio[1].rect.top), size, 1e-4f);
        EXPECT_FLOAT_EQ(band[1].rect.bottom, 600.0f);
    }
}

TEST(StageSpotlight, DecidesOnceEveryHalfSecondAndIsMostlyLit) {
    // The generator's state after n draws from a seed.
    auto stateAfter = [](std::uint32_t seed, int draws) {
        SeedRandom(seed);
        for (int i = 0; i < draws; ++i) RandomInt();
        return RandomState();
    };
    SeedRandom(7);
    GUI_Spotlight spot(1000);
    EXPECT_TRUE(spot.Lit()) << "the lights come up lit";
    // Within a half second nothing is decided: the generator is left alone.
    spot.Update(1200);
    spot.Update(1499);
    EXPECT_EQ(RandomState(), stateAfter(7, 0));
    SeedRandom(7);
    spot.Update(1500);
    EXPECT_EQ(RandomState(), stateAfter(7, 1));
    // A slow frame that skipped four half seconds makes one decision, not four, and the next
    // half second starts on the grid.
    SeedRandom(3);
    GUI_Spotlight slow(0);
    slow.Update(4 * GUI_Spotlight::kDecideMs + 1);
    EXPECT_EQ(RandomState(), stateAfter(3, 1));
    SeedRandom(3);
    slow.Update(5 * GUI_Spotlight::kDecideMs - 1);
    EXPECT_EQ(RandomState(), stateAfter(3, 0));
    // Over many half seconds about three in four are lit.
    SeedRandom(11);
    GUI_Spotlight rig(0);
    int lit = 0;
    constexpr int kPeriods = 2000;
    for (int i = 1; i <= kPeriods; ++i) {
        rig.Update(static_cast<std::uint64_t>(i) * GUI_Spotlight::kDecideMs + 10);
        lit += rig.Lit() ? 1 : 0;
    }
    EXPECT_NEAR(static_cast<double>(lit) / kPeriods, 0.75, 0.04);
}

TEST(VUMeter, TheNeedleSpansTheScaleFromLeftToRight) {
    constexpr float kQuarterPi = 0.785398f;
    EXPECT_NEAR(GUI_VUMeter::NeedleAngle(0.0f), -kQuarterPi, 1e-5f);
    EXPECT_NEAR(GUI_VUMeter::NeedleAngle(1.0f), kQuarterPi, 1e-5f);
    EXPECT_NEAR(GUI_VUMeter::NeedleAngle(0.5f), 0.0f, 1e-5f);
    EXPECT_NEAR(GUI_VUMeter::NeedleAngle(-0.3f), -kQuarterPi, 1e-5f);
    EXPECT_NEAR(GUI_VUMeter::NeedleAngle(1.7f), kQuarterPi, 1e-5f);
}

class GigScreen : public GameScreensFixture {
protected:
    SIM_Performance show;

    void SetUp() override {
        GameScreensFixture::SetUp();
        GetSIM().maxActs = 3;  // counts the acts without running whole days
        show.venue = Venues().front().get();
        show.attendance = 420;
        show.fameFactor = 2.0f;
        show.components[COMPONENT_SONGS] = 0.8f;
    }
};

TEST_F(GigScreen, OpensWithTheCrowdThenTheChordAndFinishingEndsTheDayOnce) {
    int checks = 0;
    WorldSeams().recordDealCheck = [&](const SIM_Performance& seen) {
        EXPECT_EQ(&seen, &show);
        ++checks;
    };
    GUI_Gig* gig = GUI_Gig::Open(show);
    ASSERT_NE(gig, nullptr);
    ASSERT_EQ(gig->Meters().size(), static_cast<std::size_t>(COMPONENT_COUNT));
    EXPECT_EQ(gig->SoundsPlayed(), 1u) << "the crowd at once";
    EXPECT_EQ(Played("crowd_large_cheers.ogg"), 1);
    EXPECT_EQ(Played("EOG_BASE.ogg"), 0);
    for (int i = 0; i < 100; ++i) {
        shell.now += 20;
        Step();
    }
    EXPECT_EQ(gig->SoundsPlayed(), gig->Model().sounds.size()) << "the chord after it";
    EXPECT_EQ(Played("EOG_BASE.ogg"), 1);
    // The needles have settled on the values.
    EXPECT_FLOAT_EQ(gig->Meters()[COMPONENT_SONGS]->Shown(), 0.8f);

    const int acts = GetSIM().acts;
    GUI_ButtonText* finish = gig->FinishButton();
    const GRect r = finish->Area();
    Click((r.left + r.right) / 2.0f, (r.top + r.bottom) / 2.0f);
    EXPECT_EQ(WindowList().Find<GUI_Gig>(), nullptr);
    EXPECT_EQ(GetSIM().acts, acts + 1);
    EXPECT_EQ(checks, 1);
    // A second click where the button was reaches nothing of the gig.
    Click((r.left + r.right) / 2.0f, (r.top + r.bottom) / 2.0f);
    EXPECT_EQ(GetSIM().acts, acts + 1);
    EXPECT_EQ(checks, 1);
}

TEST_F(GigScreen, AKeyAndTheButtonInTheSameFrameFinishOnce) {
    GUI_Gig* gig = GUI_Gig::Open(show);
    const int acts = GetSIM().acts;
    gig->OnNotify(DIK_RETURN);
    gig->FinishButton()->Press();
    gig->Finish();
    FlushDeferredDeletes();
    EXPECT_EQ(GetSIM().acts, acts + 1);
    EXPECT_EQ(WindowList().Find<GUI_Gig>(), nullptr);
}

TEST_F(GigScreen, TheStageShowsTheBandsGearAndFiresItsPyrosDuringTheShow) {
    // Nothing owned: no smoke, no rig, and the show goes by without a bang.
    GUI_Gig* bare = GUI_Gig::Open(show);
    EXPECT_EQ(bare->Stage().SmokeRunning(), 0u);
    EXPECT_TRUE(bare->Stage().Spotlights().empty());
    for (int i = 0; i < 300; ++i) {
        shell.now += 20;
        Step();
    }
    EXPECT_EQ(bare->Stage().PyroEffectsRunning(), 0u);
    EXPECT_EQ(Played("pyro.ogg"), 0);
    bare->Close();
    FlushDeferredDeletes();

    FindAsset("smokemachine")->Acquire();
    FindAsset("8spotlightrig")->Acquire();
    FindAsset("small pyro")->Acquire();
    GUI_Gig* gig = GUI_Gig::Open(show);
    const GUI_StageFeatures& f = gig->Stage().Features();
    EXPECT_TRUE(f.smoke && f.smallPyro);
    EXPECT_FALSE(f.lasers || f.largePyro);
    EXPECT_EQ(gig->Stage().Spotlights().size(), 8u);
    EXPECT_EQ(gig->Stage().SmokeRunning(), 1u);
    for (int i = 0; i < 100 && gig->Stage().PyroEffectsRunning() == 0; ++i) {
        shell.now += 20;
        Step();
    }
    EXPECT_GT(gig->Stage().PyroEffectsRunning(), 0u);
    EXPECT_GE(Played("pyro.ogg"), 1);
    EXPECT_EQ(Played("pyro_echo.ogg"), 0) << "only a large charge echoes";
}
