#include "SIM_Attribute.h"
#include "SIM_Fame.h"
#include "SIM_ModifierContainer.h"
#include "SIM_NamedValue.h"
#include "SIM_SLIDBase.h"
#include "LibString.h"
#include "SimTestSupport.h"

#include <cstdlib>
#include <memory>

using NamedValues = SimTest;

TEST_F(NamedValues, EffectsSumClampAndDecayUntilTheyExpire) {
    SIM_Attribute mood;
    mood.basevalue = 0.5f;
    mood.AddEffect(0.7f, 0.5f, "gig");
    mood.AddEffect(-0.1f, 0.5f, "row");
    EXPECT_FLOAT_EQ(mood.value, 1.0f);  // 1.1 clamped

    DecayAllEffects();
    EXPECT_FLOAT_EQ(mood.value, 1.0f);  // the owner has not recomputed yet
    mood.Recalculate();
    EXPECT_NEAR(mood.value, 0.8f, 1e-6f);

    // Expiry: within 0.001 of zero after the day's decay, an exact zero included.
    SIM_Attribute calm;
    SIM_Effect& lingering = calm.AddEffect(-0.02f, 0.1f, "lingering");
    calm.AddEffect(0.0015f, 0.5f, "fading");
    calm.AddEffect(0.3f, 0.0f, "gone");
    DecayAllEffects();
    ASSERT_EQ(calm.effects.Size(), 1u);
    EXPECT_EQ(calm.effects.Effects()[0].get(), &lingering);
    EXPECT_NEAR(lingering.value, -0.002f, 1e-7f);
    DecayAllEffects();
    EXPECT_TRUE(calm.effects.Empty());

    // A growing attribute effect never leaves -1..1.
    SIM_Attribute hype;
    hype.basevalue = 0.0f;
    SIM_Effect& boom = hype.AddEffect(0.9f, 1.5f, "boom");
    for (int day = 0; day < 5; ++day) DecayAllEffects();
    EXPECT_FLOAT_EQ(boom.value, 1.0f);
    hype.Recalculate();
    EXPECT_FLOAT_EQ(hype.value, 1.0f);
}

TEST_F(NamedValues, EffectsLeaveEveryListWhenTheirOwnerGoes) {
    {
        SIM_Attribute temporary;
        for (const char* name : {"a", "b", "a"}) temporary.AddEffect(0.2f, 0.9f, name);
        temporary.RemoveEffects("a");
        EXPECT_FLOAT_EQ(temporary.value, 0.2f);
        EXPECT_EQ(AllEffects().size(), 1u);
    }
    EXPECT_TRUE(AllEffects().empty());
    DecayAllEffects();  // nothing dangling to touch
}

TEST_F(NamedValues, AttributeRowsLoadAndChangesShowUpTheParentChain) {
    auto band = std::make_unique<SIM_Attribute>();
    band->LoadRow("#,confidence,Confidence,0.4,1,1, Sure of yourself ,below,0.15,,\n");
    EXPECT_EQ(band->name, "confidence");
    EXPECT_TRUE(band->alwaysshow && band->highisgood);
    EXPECT_EQ(band->criteria, SIM_Attribute::kBelow);
    EXPECT_FLOAT_EQ(band->warnlimit, 0.15f);

    SIM_Attribute middle, leaf;
    middle.LoadRow("#,nerve,Nerve,0.5,0,0,none,sideways,0,confidence,0.5\n");
    EXPECT_EQ(middle.criteria, SIM_Attribute::kNeither);
    leaf.LoadRow("#,vocals,Vocals,0.2,0,1,,above,0.9,nerve,0.25\n");
    ASSERT_EQ(leaf.parent, &middle);
    EXPECT_EQ(leaf.criteria, SIM_Attribute::kAbove);

    SIM_Indicator leafBar, topBar;
    leaf.indicator = &leafBar;
    band->indicator = &topBar;  // the middle one has no bar and shows nothing
    band->Recalculate();
    middle.Recalculate();
    leaf.AddEffect(0.4f, 0.9f, "practice");
    ASSERT_EQ(screens.floating.size(), 2u);
    EXPECT_EQ(screens.floating[0].bar, &leafBar);
    EXPECT_FLOAT_EQ(screens.floating[0].change, 0.4f);
    EXPECT_EQ(screens.floating[1].bar, &topBar);
    EXPECT_FLOAT_EQ(screens.floating[1].change, 0.4f * 0.25f * 0.5f);
    EXPECT_FLOAT_EQ(middle.value, 0.5f);  // parents only show the change
    EXPECT_FLOAT_EQ(band->value, 0.4f);

    // A parent that goes away is no longer followed.
    band.reset();
    EXPECT_EQ(middle.parent, nullptr);
    leaf.AddEffect(0.1f, 0.9f, "practice");

    SIM_Attribute orphan;
    EXPECT_THROW(orphan.LoadRow("#,x,X,0,0,0,,,0,later_row,1\n"), FatalErrorException);
}

TEST_F(NamedValues, OperationsStayWithinZeroAndOne) {
    SIM_NamedValue v("glob_x", "X", 0.8f);
    v.ApplyOperation("/=", 0.5f);
    EXPECT_FLOAT_EQ(v.value, 1.0f);
    v.ApplyOperation("-=", 2.0f);
    EXPECT_FLOAT_EQ(v.value, 0.0f);
    v.ApplyOperation("/=", 0.0f);  // 0/0 must not leave a NaN behind
    EXPECT_FLOAT_EQ(v.value, 0.0f);
    v.value = 1.7f;
    v.ApplyOperation("%=", 0.1f);  // unknown: only clamped
    EXPECT_FLOAT_EQ(v.value, 1.0f);

    SIM_NamedValueList list("flags");
    list.Add(std::make_unique<SIM_NamedValue>("glob_on", "On", 0.2f));
    list.Add(std::make_unique<SIM_NamedValue>("glob_off", "Off", 0.0f));
    EXPECT_TRUE(list.IsSet("glob_on"));
    EXPECT_FALSE(list.IsSet("glob_off") || list.IsSet("glob_missing"));
    EXPECT_THROW(list.GetValue("GLOB_ON"), FatalErrorException);  // names are case-sensitive
}

TEST_F(NamedValues, ModifierTextsReadTuningKeysAndClamp) {
    SetTuning("_BIG_PUSH=0.3\nRS_SLOW=0.95\n_HUGE=7\n");
    SIM_ModifierContainer venue;
    venue.label = "Rusty Anchor";
    venue.AddModifier("stress, _BIG_PUSH, RS_SLOW");
    venue.AddModifier("motivation,-2.5,1.7");
    venue.AddModifier("_shadow,_HUGE,_BIG_PUSH");
    for (const char* ignored : {"", "x", "1stress,0.1,0.5", " stress,0.1,0.5", "-band_chemistry,0.1,0.5"})
        venue.AddModifier(ignored);
    ASSERT_EQ(venue.modifiers.size(), 3u);

    const SIM_Modifier& tuned = venue.modifiers[0];
    EXPECT_EQ(tuned.name + "/" + tuned.displayText + "/" + tuned.source, "stress/Stress/Rusty Anchor");
    EXPECT_FLOAT_EQ(tuned.amount, 0.3f);
    EXPECT_FLOAT_EQ(tuned.degrade, 0.95f);
    EXPECT_FLOAT_EQ(venue.modifiers[1].amount, -1.0f);
    EXPECT_FLOAT_EQ(venue.modifiers[1].degrade, 1.0f);
    EXPECT_FLOAT_EQ(venue.modifiers[2].amount, 1.0f);
    EXPECT_FLOAT_EQ(venue.modifiers[2].degrade, 0.3f);
}

TEST_F(NamedValues, ModifiersRouteToWorldBandAndPlayer) {
    std::vector<std::string> band, player;
    WorldSeams().applyBandModifier = [&](const std::string& name, float amount, float degrade) {
        band.push_back(name + FormatText(" %.2f %.2f", static_cast<double>(amount), static_cast<double>(degrade)));
    };
    WorldSeams().applyPlayerModifier = [&](const std::string& name, const std::string& source, float degrade,
                                           float amount) {
        player.push_back(name + " " + source +
                         FormatText(" %.2f %.2f", static_cast<double>(degrade), static_cast<double>(amount)));
    };
    SIM_ModifierContainer gear;
    gear.label = "Van";
    gear.AddModifier("glob_van_owned,0.4,0");
    gear.AddModifier("band_chemistry,0.2,0.9");
    gear.AddModifier("stress,-0.1,0.8");

    gear.ApplyModifiers(0.5f);
    EXPECT_FLOAT_EQ(Globals().GetValue("glob_van_owned"), 0.2f);  // created at amount x factor
    gear.ApplyModifiers(2.0f);
    EXPECT_FLOAT_EQ(Globals().GetValue("glob_van_owned"), 1.0f);  // then added, within 0..1
    ASSERT_EQ(Globals().values.size(), 1u);
    EXPECT_EQ(band, (std::vector<std::string>{"band_chemistry 0.10 0.90", "band_chemistry 0.40 0.90"}));
    EXPECT_EQ(player, (std::vector<std::string>{"stress Van 0.80 -0.05", "stress Van 0.80 -0.20"}));
}

TEST_F(NamedValues, SaveLoadIdentifiersCountUpAndAssertAtTheLimit) {
    SIM_SLIDBase a, b;
    EXPECT_EQ(b.GetSLID(), 1);
    EXPECT_EQ(FindBySLID(1), &b);
    SetTopSLID(99000);
    { SIM_SLIDBase overLimit; }
    EXPECT_EQ(errors.assertions, 1);
    SetTopSLID(-1);
    { SIM_SLIDBase negative; }
    EXPECT_EQ(errors.assertions, 2);
    EXPECT_EQ(AllSLIDObjects().size(), 2u);
}

TEST_F(NamedValues, FameIsTheClampedSumOfItsUnclampedEffects) {
    SIM_Fame& fame = GetFame();
    fame.AddFameEffect(400.0f, 0.5f, "festival");
    SIM_Effect& radio = fame.AddFameEffect(220.0f, 0.9f, "radio");
    EXPECT_FLOAT_EQ(fame.fame, 500.0f);
    EXPECT_FLOAT_EQ(radio.value, 220.0f);  // fame effects are not held to -1..1

    fame.ClearFameEffects();
    SIM_Effect& scandal = fame.AddFameEffect(-50.0f, 0.5f, "scandal");
    fame.AddFameEffect(20.0f, 0.5f, "gig");
    EXPECT_FLOAT_EQ(fame.fame, 0.0f);
    EXPECT_FLOAT_EQ(scandal.value, -50.0f);  // the effect keeps its own value
    fame.ClearFameEffects();
    EXPECT_TRUE(fame.effects.Empty());
}

TEST(SimulationShutdown, LivingValuesAndEffectsMayOutlastTheRegistries) {
    // The game exits with its singletons still holding effects and world values; their
    // destructors run among the other static destructors.
    EXPECT_EXIT(
        {
            GetFame().AddFameEffect(10.0f, 0.5f, "encore");
            SIM_ModifierContainer flag;
            flag.AddModifier("glob_exit,0.5,0");
            flag.ApplyModifiers(1.0f);
            static SIM_Attribute nerve;  // as a long-lived person's would
            nerve.AddEffect(0.2f, 0.9f, "stage");
            static SIM_SLIDBase person;
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}
