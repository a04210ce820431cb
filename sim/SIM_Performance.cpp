#include "SIM_Performance.h"

#include "GHashTable.h"
#include "LibConfigSection.h"
#include "LibErrors.h"
#include "LibRandom.h"
#include "LibString.h"
#include "SIM_Asset.h"
#include "SIM_Band.h"
#include "SIM_CareerHistory.h"
#include "SIM_Commenter.h"
#include "SIM_Fame.h"
#include "SIM_Finances.h"
#include "SIM_Person.h"
#include "SIM_Relationship.h"
#include "SIM_Screens.h"
#include "SIM_Song.h"
#include "SIM_Venue.h"
#include "SIM_WorldSeams.h"

#include <algorithm>

namespace {
std::vector<std::unique_ptr<SIM_Performance>> gPerformances;
std::vector<std::unique_ptr<SIM_Gig>> gPlayed;
// Gigs the members called off: the day's option that offered one and its screen still point at
// it, so it lives on until the next new game.
std::vector<std::unique_ptr<SIM_Gig>> gCalledOff;

// Before this year a crowd of more than kEarlyBigCapacity is too much for the band.
constexpr int kEarlyBigVenueYear = 2011;
constexpr int kEarlyBigCapacity = 1000;
constexpr float kEarlyBigVenueFactor = 0.9f;
// A member below this happiness takes it out on the gear more often.
constexpr float kUnhappyDestruction = 0.5f;
constexpr float kUnhappyDestructionFactor = 1.5f;
constexpr int kMinimumDamage = 10;
constexpr int kMaximumDamage = 300;

float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

// A difficulty of 0 in the data would make the component infinite; it reads as full marks.
float OverDifficulty(float value, float difficulty) { return difficulty == 0.0f ? 1.0f : value / difficulty; }

float Tuning(const char* key) { return GetTuningValue(key); }

void Remark(SIM_Musician* member, int type, float weight, const std::string& text = {}) {
    if (member && member->commenter) member->commenter->QueueComment(type, weight, text);
}

// The band's hype, or 0 for a band catalogue without it.
float BandHype() {
    const SIM_NamedValue* hype = GetBand().bandValues.Find("band_hype");
    return hype ? hype->value : 0.0f;
}

float DestructionChance(const char* key, const SIM_Musician& member) {
    float p = Tuning(key);
    if (member.happiness < kUnhappyDestruction) p *= kUnhappyDestructionFactor;
    return Clamp01(p);
}

// Moves the gig from the booked gigs to the given list; a gig that was never booked (a test's
// own) stays where it is.
bool Holds(const std::vector<std::unique_ptr<SIM_Gig>>& gigs, const SIM_Gig& gig) {
    return std::any_of(gigs.begin(), gigs.end(), [&](const auto& g) { return g.get() == &gig; });
}

void MoveFromBooked(SIM_Gig& gig, std::vector<std::unique_ptr<SIM_Gig>>& to) {
    auto& booked = BookedGigs();
    const auto it = std::find_if(booked.begin(), booked.end(), [&](const auto& g) { return g.get() == &gig; });
    if (it == booked.end()) return;
    to.push_back(std::move(*it));
    booked.erase(it);
}
}  // namespace

SIM_Performance* PlayGig(SIM_Gig* gig) {
    GAME_ASSERT(gig != nullptr && gig->venue != nullptr);
    if (!gig || !gig->venue) return nullptr;
    // A gig is played once: its option taken again must not pay, add fame or count twice.
    if (Holds(gPlayed, *gig) || Holds(gCalledOff, *gig)) return nullptr;
    gPerformances.push_back(std::make_unique<SIM_Performance>());
    SIM_Performance& performance = *gPerformances.back();
    performance.date = gig->date;
    performance.venue = gig->venue;
    performance.gig = gig;

    CheckCancellation(performance);
    if (performance.cancelled) {
        PayPerGigCosts(Tuning("RS_GIG_CANCEL_EXPENSES_PERCENTAGE"));
        // Taken off the booked gigs here rather than destroyed by the cancellation.
        MoveFromBooked(*gig, gCalledOff);
        CancelGig(*gig);
        return &performance;
    }
    EvaluatePerformance(performance);
    ApplyGigAftermath(performance);
    UpdateRelationships(Tuning("RS_MEETSCALAR_GIG"));
    MoveFromBooked(*gig, gPlayed);
    ++GetStatistics().gigsPlayed;
    GetCareerHistory().Mark(kMarkGig);
    return &performance;
}

void CheckCancellation(SIM_Performance& performance) {
    const float crisis = Tuning("RS_STRESS_CRISIS");
    for (SIM_Musician* member : GetBand().members) {
        const float s = member->Stress(), h = member->happiness;
        float p = 0.0f;
        // The chance falls again towards stress 1: a member that far gone no longer argues.
        if (s > crisis) p = 2.0f * (1.0f - s);
        if (h < 0.24f) p += 2.0f * (0.24f - h);
        if (member->HasTrait("lazy")) p *= 1.5f;
        if (!RandomChance(p)) continue;
        Remark(member, COMMENT_KEYED, 1.0f,
               TranslateRandom(s > 0.8f ? "GIG_CANCELLED_TOOTIRED" : "GIG_CANCELLED_TOOUNHAPPY"));
        performance.cancellingMembers.push_back(member);
    }
    performance.cancelled = !performance.cancellingMembers.empty();
}

void EvaluatePerformance(SIM_Performance& performance) {
    SIM_Band& band = GetBand();
    const SIM_Venue& venue = *performance.venue;
    float* c = performance.components;

    const float n = static_cast<float>(band.members.size());
    c[COMPONENT_MUSICIANSHIP] =
        (n * band.GetBandValue("band_musicianship") + GetMilo().GetValue("attrib_vocals")) / (n + 1.0f);
    c[COMPONENT_EXPERIENCE] = band.GetBandValue("band_live_experience");
    c[COMPONENT_CHEMISTRY] = Clamp01(band.GetBandValue("band_chemistry") + band.BandCharisma());
    c[COMPONENT_SONGS] = AverageSongScore();
    c[COMPONENT_STAGESHOW] = StageShowValue();
    c[COMPONENT_REHEARSAL] = band.GetBandValue("band_rehearsal");
    float mood = 0.0f;
    for (const SIM_Musician* m : band.members)
        mood += Clamp01(m->happiness - 0.05f - 0.5f * Clamp01(m->Stress() - 0.05f));
    c[COMPONENT_PERFORMANCE] = band.members.empty() ? 0.0f : mood / n;

    for (int i : {COMPONENT_MUSICIANSHIP, COMPONENT_EXPERIENCE, COMPONENT_PERFORMANCE})
        c[i] = OverDifficulty(c[i], venue.playingDifficulty);
    c[COMPONENT_STAGESHOW] = OverDifficulty(c[COMPONENT_STAGESHOW], venue.stageShowDifficulty);
    for (int i = 0; i < COMPONENT_COUNT; ++i) c[i] = Clamp01(c[i]);

    // A component below the crisis level drags the evening down by the penalty instead.
    const float crisis = Tuning("RS_PERFORMANCE_CRISISLEVEL");
    const float penalty = Tuning("RS_PERFORMANCE_PENALTY");
    float sum = 0.0f;
    for (int i = 0; i < COMPONENT_COUNT; ++i) sum += c[i] >= crisis ? c[i] : penalty;
    performance.score = Clamp01(sum / static_cast<float>(COMPONENT_COUNT));
    if (GetSIMDate().GetDate().year < kEarlyBigVenueYear && venue.capacity > kEarlyBigCapacity)
        performance.score = Clamp01(performance.score * kEarlyBigVenueFactor);

    ComputeAttendance(performance);
    SellMerchandiseAtGig(performance);
    SellAlbumsAtGig(performance);

    const SIM_Gig* gig = performance.gig;
    if (!gig || gig->type == GIG_ORDINARY) {
        performance.rental = venue.rental;  // paid at booking
        performance.ticketRevenue = static_cast<float>(performance.attendance) * venue.ticketPrice;
        performance.profit = performance.ticketRevenue + performance.merchandiseRevenue - performance.rental -
                             PerGigCosts();
        GetFinances().AddCash(performance.ticketRevenue);
    }
    ApplyDestruction(performance);
    PayPerGigCosts(1.0f);

    if (c[COMPONENT_STAGESHOW] < 0.2f) Remark(band.RandomMember(), COMMENT_STAGE_SHOW_LOW, 1.0f);
    if (c[COMPONENT_SONGS] < 0.2f) Remark(band.RandomMember(), COMMENT_SONGS_BAD, 1.0f);
}

void ComputeAttendance(SIM_Performance& performance) {
    float a = std::max(GetFame().fame * 10.0f, 15.0f);
    if (performance.gig && performance.gig->type == GIG_CHARITY) a *= RandomFloat(1.0f, 2.0f);
    a *= 0.5f + 1.5f * Clamp01(BandHype());
    const float crowd = a * RandomFloat(0.9f, 1.0f);
    // Compared before the cut to a whole number, so that a crowd beyond any int (a damaged
    // fame) still fills the venue, and a damaged negative capacity lets nobody in.
    const int capacity = std::max(performance.venue->capacity, 0);
    if (crowd >= static_cast<float>(capacity)) {
        performance.attendance = capacity;
        performance.soldOut = true;
    } else {
        performance.attendance = static_cast<int>(crowd);
    }
    GetStatistics().audiencePlayedTo += performance.attendance;
}

void SellMerchandiseAtGig(SIM_Performance& performance) {
    performance.tshirtsSold = performance.sweatshirtsSold = performance.postersSold = 0;
    float p = BandHype() + performance.score;
    float m = Tuning("RS_MERCHANDISE_SCALAR");
    if (GetBand().CountMembersWithTrait("businessman") > 0) m *= 1.25f;
    p = Clamp01(p * m);
    if (performance.gig && performance.gig->type == GIG_CHARITY) p *= Tuning("RS_CHARITY_GIG_MULTIPLIER");
    p = Clamp01(p);

    const float base = static_cast<float>(performance.attendance) * p;
    struct Line {
        const char* asset;
        float share;
        int* sold;
    };
    const Line lines[] = {{"tshirts(20)", 0.4f, &performance.tshirtsSold},
                          {"sweatshirts(20)", 0.15f, &performance.sweatshirtsSold},
                          {"posters(100)", 0.15f, &performance.postersSold}};
    for (const Line& line : lines) {
        auto* merchandise = dynamic_cast<SIM_Merchandise*>(FindAsset(line.asset));
        if (!merchandise) continue;
        const int wanted = static_cast<int>(line.share * base);
        *line.sold = std::min(wanted, merchandise->Stock());
        performance.merchandiseRevenue += merchandise->SellStock(*line.sold);
    }
}

void SellAlbumsAtGig(SIM_Performance& performance) {
    const SIM_WorldSeams& world = WorldSeams();
    const int weeks = AskSeam(world.latestReleasedAlbumWeeks, -1);
    if (weeks < 0) return;
    float p = Tuning("RS_CHANCE_BUY_CD_AT_GIG") * performance.score;
    if (weeks > 10) p *= Tuning("RS_CHANCE_BUY_CD_OLD");
    p = Clamp01(p * RandomFloat(0.8f, 1.2f));
    performance.cdsSold = static_cast<int>(static_cast<float>(performance.attendance) * p);
    if (world.sellLatestReleasedAlbum) world.sellLatestReleasedAlbum(performance.cdsSold);
}

void ApplyDestruction(SIM_Performance& performance) {
    performance.damage = 0;
    int destroyed = 0;
    bool damaged = false;
    for (SIM_Musician* member : GetBand().members) {
        if (!member->HasTrait("destructive")) continue;
        if (member->HasSpareInstrument() && RandomChance(DestructionChance("RS_DESTROY_INSTRUMENT_CHANCE", *member))) {
            SIM_Asset* instrument = member->BestInstrument();
            std::erase(member->possessions, instrument);
            member->UpdatePossessionValue();
            instrument->Lose();
            Remark(member, COMMENT_DESTROYED_INSTRUMENT, 1.0f);
            ++destroyed;
            continue;
        }
        if (!RandomChance(DestructionChance("RS_DESTROY_BACKSTAGE_CHANCE", *member))) continue;
        // Bounded before the cut to whole dollars, so that no takings can overflow it.
        const float share = performance.ticketRevenue * RandomFloat(0.05f, 0.2f);
        const int damage = share >= static_cast<float>(kMaximumDamage) ? kMaximumDamage
                           : share >= static_cast<float>(kMinimumDamage) ? static_cast<int>(share)
                                                                          : kMinimumDamage;
        SIM_Finances& money = GetFinances();
        const float cost = static_cast<float>(damage);
        money.cash = money.cash - cost + cost * money.GetBusinessDiscount();
        GetStatistics().damageCosts += cost;
        std::string text = Translate("COMMENT_BACKSTAGE_DAMAGE");
        ReplaceToken(text, "<AMOUNT>", FormatText("$%d", damage));
        Remark(member, COMMENT_KEYED, 1.0f, text);
        performance.damage = damage;
        damaged = true;
    }
    if (destroyed > 0) {
        // The crowd loved it: the meter shows it, though the score is already decided.
        performance.components[COMPONENT_STAGESHOW] += Tuning("RS_DESTRUCTION_STAGESHOW_BOOST");
        GetBand().ModifyBandValue("band_boredom", Tuning("RS_BOREDOM_REDUCT_DAMAGE"), 0.0f, "destruction");
    }
    if (destroyed > 0 || damaged) Screens().PlaySound("data/sounds/smash_guitar.ogg");
}

void ApplyGigAftermath(SIM_Performance& performance) {
    SIM_Band& band = GetBand();
    SIM_Milo& player = GetMilo();
    SIM_Venue& venue = *performance.venue;
    const float score = performance.score;

    player.AddAttributeEffect("live_experience", "gig", Tuning("RS_LIVE_EXPERIENCE_BOOST"),
                              Tuning("RS_LIVE_EXPERIENCE_DEGRADE"));
    band.ModifyBandValue("band_live_experience", Tuning("RS_LIVE_EXPERIENCE_BOOST"),
                         Tuning("RS_LIVE_EXPERIENCE_DEGRADE"), "gig");
    band.ModifyBandValue("band_rehearsal", Tuning("RS_LIVE_REHEARSAL_BOOST"), Tuning("RS_LIVE_REHEARSAL_DEGRADE"),
                         "gig");

    const float fameFactor = GetVenueFameFactor(venue, score);
    if (fameFactor != 0.0f) {
        GetFame().AddFameEffect(Tuning("RS_GIG_FAMEEFFECT") * fameFactor, Tuning("RS_GIG_FAME_DEGRADE"),
                                venue.displayName);
        performance.fameFactor = fameFactor;
    }

    if (score < 0.2f) {
        performance.inspirationChange = Tuning("RS_GIG_INSPIRE_CUT");
        player.AddAttributeEffect("inspiration", "badgig", performance.inspirationChange,
                                  Tuning("RS_GIG_INSPIRE_CUT_DEGRADE"));
    } else if (score > 0.5f) {
        performance.inspirationChange = Tuning("RS_GIG_INSPIRE_BOOST");
        player.AddAttributeEffect("inspiration", "goodgig", performance.inspirationChange,
                                  Tuning("RS_GIG_INSPIRE_BOOST_DEGRADE"));
    }

    band.ModifyBandValue("band_boredom", Tuning("RS_BOREDOM_REDUCT_GIG"), 0.0f, "gig");

    const float motivationDegrade = Tuning("RS_MOTIVATION_DEGRADE");
    auto motivate = [&](float amount) {
        band.ModifyBandValue("band_motivation", amount, motivationDegrade, "gig");
        performance.motivationChange += amount;
    };
    if (score <= Tuning("RS_GIG_POOR_DEMOTIVATE_THRESHOLD")) motivate(Tuning("RS_GIG_POOR_DEMOTIVATE_AMOUNT"));
    else if (score >= Tuning("RS_GIG_GOOD_MOTIVATE_THRESHOLD")) motivate(Tuning("RS_GIG_GOOD_MOTIVATE_AMOUNT"));

    // A venue of no capacity was full the moment anyone came (it is marked sold out).
    const float fill = venue.capacity > 0
                           ? Clamp01(static_cast<float>(performance.attendance) / static_cast<float>(venue.capacity))
                           : 1.0f;
    auto crowdRemarks = [&](const char* trait, int type) {
        for (SIM_Musician* member : band.members)
            if (RandomChance(member->HasTrait(trait) ? 0.45f : 0.3f)) Remark(member, type, RandomFloat(0.0f, 1.0f));
    };
    if (fill <= Tuning("RS_GIG_LOWATTENDENCE_THRESHOLD")) {
        motivate(Tuning("RS_GIG_LOWATTENDENCE_DEMOTIVATE_AMOUNT"));
        crowdRemarks("pessimistic", COMMENT_POOR_ATTENDANCE);
    } else if (fill >= Tuning("RS_GIG_HIGHATTENDENCE_THRESHOLD")) {
        motivate(Tuning("RS_GIG_HIGHATTENDENCE_MOTIVATE_AMOUNT"));
        crowdRemarks("optimistic", COMMENT_GOOD_ATTENDANCE);
    }

    // Carrying the gear wears the band out; a roadie takes some of it off their hands.
    const float carry = BandOwns("roadie") ? Tuning("RS_ROADIE_CARRYING_ABILITY") : 0.0f;
    const float load = std::min(Clamp01((EquipmentWeight() - carry) / 100.0f), Tuning("RS_STRESS_FROM_ENCUMBERENCE"));
    performance.stressChange = Clamp01(Tuning("RS_STRESS_PER_GIG") + load);
    band.ModifyBandValue("band_stress", performance.stressChange, Tuning("RS_STRESS_DEGRADE"), "gig");

    venue.boredom = Clamp01(Tuning("RS_VENUE_BOREDOM"));
    AddBoredomToAll();
}

const std::vector<std::unique_ptr<SIM_Performance>>& Performances() { return gPerformances; }

const SIM_Performance* LatestPerformance() { return gPerformances.empty() ? nullptr : gPerformances.back().get(); }

const std::vector<std::unique_ptr<SIM_Gig>>& PlayedGigs() { return gPlayed; }

void ClearPerformances() {
    gPerformances.clear();
    gPlayed.clear();
    gCalledOff.clear();
}

void RegisterPerformance() {
    SIM_WorldSeams& world = WorldSeams();
    world.playGig = [](SIM_OptionSubject* subject) {
        const SIM_Performance* performance = PlayGig(dynamic_cast<SIM_Gig*>(subject));
        if (!performance) return SIM_WorldSeams::GigOutcome::kRefused;
        return performance->cancelled ? SIM_WorldSeams::GigOutcome::kCalledOff : SIM_WorldSeams::GigOutcome::kPlayed;
    };
    world.resetPerformance = [] { ClearPerformances(); };
}

void ResetPerformances() { ClearPerformances(); }
