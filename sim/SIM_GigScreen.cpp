#include "SIM_GigScreen.h"

#include "GHashTable.h"
#include "LibRandom.h"
#include "LibString.h"
#include "SIM_Asset.h"
#include "SIM_Band.h"
#include "SIM_Person.h"
#include "SIM_SIM.h"
#include "SIM_Venue.h"
#include "SIM_WorldSeams.h"

#include <algorithm>

namespace {
const char* const kMeterKeys[COMPONENT_COUNT] = {"VU_MUSICIANSHIP", "VU_EXPERIENCE", "VU_CHEMISTRY", "VU_SONGS",
                                                 "VU_REHEARSAL",    "VU_STAGESHOW",  "VU_PERFORMANCE"};
// Above this crowd a good show earns the big cheer.
constexpr int kBigCrowd = 300;
constexpr float kBooBelowScore = 0.33f;

std::string Signed(int value, const char* suffix) {
    if (value == 0) return " 0";
    return FormatText(" %c%d%s", value > 0 ? '+' : '-', value > 0 ? value : -value, suffix);
}

// The line of a merchandise item: the number sold, or "sold out of stock" when there was none
// to sell and none is left.
std::string MerchandiseValue(int sold, const char* assetKey) {
    const auto* merchandise = dynamic_cast<const SIM_Merchandise*>(FindAsset(assetKey));
    const int stock = merchandise ? merchandise->Stock() : 0;
    if (sold == 0 && stock == 0) return Translate("GIGSCREEN_NOSTOCK");
    return FormatThousands(sold);
}

// Whether the band (a member or the player) plays that instrument, for the closing chord.
bool BandPlays(int instrument) {
    return GetMilo().instrument == instrument || GetBand().FindMemberByInstrument(instrument) != nullptr;
}
}  // namespace

std::string GigPercentEffect(float change) { return Signed(static_cast<int>(change * 100.0f), "%"); }

std::string GigFameEffect(float factor) { return Signed(static_cast<int>(factor), ""); }

std::string GigMoney(float dollars) {
    const long long whole = static_cast<long long>(dollars);
    return whole < 0 ? "-$" + FormatThousands(-whole) : "$" + FormatThousands(whole);
}

SIM_GigScreen::SIM_GigScreen(const SIM_Performance& performance_) : performance(performance_) {
    const SIM_Performance& p = performance;
    const std::string venueName = p.venue ? p.venue->displayName : std::string();
    const int venueCapacity = p.venue ? p.venue->capacity : 0;

    venueLine = Translate("GIG_LIVEAT");
    ReplaceToken(venueLine, "<VENUE>", venueName);
    attendance = FormatThousands(p.attendance) + " " + Translate("PERFORMANCE_PEOPLE");
    capacity = Translate("PERFORMANCE_CAPACITY") + " " + FormatThousands(venueCapacity);
    // A room without capacity counts as full rather than dividing by nothing.
    fill = p.soldOut || venueCapacity <= 0 ? Translate("GIG_SOLD_OUT")
                     : FormatText("%.0f%%", static_cast<double>(p.attendance) / venueCapacity * 100.0);

    auto figure = [this](const char* key, const std::string& value) {
        figures.push_back(SIM_GigFigure{key, Translate(key), value});
    };
    figure("GIGSCREEN_ATTENDENCE", FormatThousands(p.attendance));
    figure("GIGSCREEN_TICKETSALES", GigMoney(p.ticketRevenue));
    figure("GIGSCREEN_RENTAL", GigMoney(p.rental));
    figure("GIGSCREEN_PROFIT", GigMoney(p.profit));
    figure("GIGSCREEN_PERGIGCOSTS", GigMoney(PerGigCosts()));
    figure("GIGSCREEN_DAMAGE", GigMoney(static_cast<float>(p.damage)));
    figure("GIGSCREEN_MERCHANDISE", GigMoney(p.merchandiseRevenue));
    figure("GIGSCREEN_TSHIRTS", MerchandiseValue(p.tshirtsSold, "tshirts(20)"));
    figure("GIGSCREEN_SWEATSHIRTS", MerchandiseValue(p.sweatshirtsSold, "sweatshirts(20)"));
    figure("GIGSCREEN_POSTERS", MerchandiseValue(p.postersSold, "posters(100)"));
    figure("GIGSCREEN_ALBUMSALES", FormatThousands(p.cdsSold));

    for (int i = 0; i < COMPONENT_COUNT; ++i) {
        SIM_GigMeter& meter = meters[i];
        meter.key = kMeterKeys[i];
        meter.tooltipKey = meter.key + "_TIP";
        meter.label = Translate(meter.key);
        meter.tooltip = Translate(meter.tooltipKey);
        // A smashed instrument can push the stage show past the top of the scale.
        meter.value = std::clamp(p.components[i], 0.0f, 1.0f);
    }

    auto effect = [this](const char* key, const std::string& value) {
        effects.push_back(SIM_GigFigure{key, Translate(key), value});
    };
    effect("GIG_MOTIVATION_EFFECT", GigPercentEffect(p.motivationChange));
    effect("GIG_INSPIRATION_EFFECT", GigPercentEffect(p.inspirationChange));
    effect("GIG_STRESS_EFFECT", GigPercentEffect(p.stressChange));
    effect("GIG_FAME_EFFECT", GigFameEffect(p.fameFactor));

    // The crowd's reaction, then the band's closing chord.
    if (p.fameFactor > 0.0f) {
        if (p.attendance > kBigCrowd) sounds.emplace_back("data/sounds/crowd_large_cheers.ogg");
        else sounds.emplace_back(RandomChance(0.5f) ? "data/sounds/crowd_small_cheer.ogg"
                                                    : "data/sounds/crowd_small_cheer2.ogg");
    } else {
        sounds.emplace_back(p.score < kBooBelowScore ? "data/sounds/crowd_small_boo2.ogg"
                                                     : "data/sounds/crowd_small_clap2.ogg");
    }
    sounds.emplace_back("data/sounds/EOG_BASE.ogg");
    if (BandPlays(INSTRUMENT_GUITAR)) sounds.emplace_back("data/sounds/EOG_GTR.ogg");
    if (BandPlays(INSTRUMENT_SAXOPHONE)) sounds.emplace_back("data/sounds/EOG_SAX.ogg");
    if (BandPlays(INSTRUMENT_KEYBOARD)) sounds.emplace_back("data/sounds/EOG_SYNTH.ogg");
    sounds.emplace_back(GetMilo().gender == 1 ? "data/sounds/EOG_WOMAN.ogg" : "data/sounds/EOG_MAN.ogg");

    finishLabel = Translate("GIG_FINISH");
    finishTooltip = Translate("GIG_FINISH_TOOLTIP");
}

void SIM_GigScreen::Close() {
    if (closed) return;
    closed = true;
    if (const auto& check = WorldSeams().recordDealCheck) check(performance);
    GetSIM().UseAct();
}

SIM_CancelledGigScreen::SIM_CancelledGigScreen(const SIM_Performance* performance_) : performance(performance_) {
    title = Translate("CANCELLED_GIG_TITLE");
    text = Translate("CANCELLED_GIG_TEXT");
    if (performance && performance->venue) ReplaceToken(text, "<VENUE>", performance->venue->displayName);
    footer = Translate("CANCELLED_GIG_FOOTER");
    sound = "data/sounds/ahh.ogg";
    continueLabel = Translate("FMV_CONTINUE");
    continueTooltip = Translate("FMV_CONTINUE_TOOLTIP");
}

void SIM_CancelledGigScreen::Close() {
    if (closed) return;
    closed = true;
    GetSIM().UseAct();
}
