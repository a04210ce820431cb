#include "SIM_Rehearsal.h"

#include "GHashTable.h"
#include "LibConfigSection.h"
#include "LibErrors.h"
#include "LibRandom.h"
#include "LibSpreadsheet.h"
#include "LibString.h"
#include "SIM_Band.h"
#include "SIM_Commenter.h"
#include "SIM_Fame.h"
#include "SIM_Finances.h"
#include "SIM_PeopleSeams.h"
#include "SIM_Person.h"
#include "SIM_Relationship.h"
#include "SIM_Screens.h"
#include "SIM_Song.h"
#include "SIM_WorldSeams.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
std::vector<SIM_RehearsalData*> gRecords;
// Records the simulation created for its musicians; the list above also sees any made elsewhere.
std::vector<std::unique_ptr<SIM_RehearsalData>> gOwnedRecords;
std::vector<std::unique_ptr<SIM_RehearsalVenue>> gVenueStore;
std::vector<SIM_RehearsalVenue*> gVenues;
std::vector<std::unique_ptr<SIM_Rehearsal>> gRehearsals;

float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

// A record belongs to the musician at that address with that SLID: a musician created where
// a dismissed one used to live starts afresh.
bool Owns(const SIM_RehearsalData& record, const SIM_Musician* member) {
    return record.owner == member && record.ownerSlid == member->GetSLID();
}

SIM_RehearsalData* FindRecord(const SIM_Musician* member) {
    for (SIM_RehearsalData* record : gRecords)
        if (Owns(*record, member)) return record;
    return nullptr;
}

// Drops the records of musicians who no longer exist.
void PruneRecords() {
    const auto& alive = AllMusicians();
    std::erase_if(gOwnedRecords, [&](const auto& r) {
        return std::find(alive.begin(), alive.end(), r->owner) == alive.end() || !Owns(*r, r->owner);
    });
}
}  // namespace

SIM_RehearsalData::SIM_RehearsalData(SIM_Musician* owner_)
    : owner(owner_), ownerSlid(owner_ ? owner_->GetSLID() : -1) {
    gRecords.push_back(this);
}

SIM_RehearsalData::~SIM_RehearsalData() { std::erase(gRecords, this); }

void SIM_RehearsalData::RecalculateLevel() {
    float sum = 0.0f;
    for (const SIM_SongReadiness& e : entries) sum += e.readiness;
    level = entries.empty() ? 0.0f : sum / static_cast<float>(entries.size());
}

const SIM_SongReadiness* SIM_RehearsalData::Find(const SIM_Song* song) const {
    for (const SIM_SongReadiness& e : entries)
        if (e.song == song) return &e;
    return nullptr;
}

const std::vector<SIM_RehearsalData*>& AllRehearsalData() { return gRecords; }

SIM_RehearsalData& RehearsalDataFor(SIM_Musician& member) {
    if (SIM_RehearsalData* record = FindRecord(&member)) return *record;
    PruneRecords();
    gOwnedRecords.push_back(std::make_unique<SIM_RehearsalData>(&member));
    return *gOwnedRecords.back();
}

void ForgetRehearsalData(const SIM_Musician* member) {
    std::erase_if(gOwnedRecords, [&](const auto& r) { return r->owner == member; });
    PruneRecords();
}

void DestroyAllRehearsalData() { gOwnedRecords.clear(); }

void AddSongReadiness(SIM_Song& song) {
    // Every living musician gets his record now, so that a song written before his first
    // rehearsal is not mistaken for one written before he was there.
    PruneRecords();
    for (SIM_Musician* m : AllMusicians()) RehearsalDataFor(*m);
    for (SIM_RehearsalData* record : gRecords) {
        record->entries.push_back(SIM_SongReadiness{&song, 0.0f});
        record->RecalculateLevel();
    }
}

void RemoveSongReadiness(const SIM_Song& song) {
    for (SIM_RehearsalData* record : gRecords) {
        std::erase_if(record->entries, [&](const SIM_SongReadiness& e) { return e.song == &song; });
        record->RecalculateLevel();
    }
}

void RaiseReadiness(SIM_RehearsalData& record, float amount) {
    for (const auto& song : CurrentSongs()) {
        auto it = std::find_if(record.entries.begin(), record.entries.end(),
                               [&](const SIM_SongReadiness& e) { return e.song == song.get(); });
        if (it != record.entries.end()) it->readiness = Clamp01(it->readiness + amount);
        else record.entries.push_back(SIM_SongReadiness{song.get(), Clamp01(amount)});
    }
    record.RecalculateLevel();
}

void DecayReadiness(SIM_RehearsalData& record) {
    const float factor = GetTuningValue("_REHEARSAL_DEGRADE");
    for (SIM_SongReadiness& e : record.entries) e.readiness *= factor;
    record.RecalculateLevel();
}

float GetRehearsalLevel(const SIM_RehearsalData& record) { return record.level; }

// ---- Venues ----

void ClearRehearsalVenues() {
    gVenues.clear();
    gVenueStore.clear();
}

void LoadRehearsalVenues(const std::string& path) {
    ClearRehearsalVenues();
    const auto sheet = LoadSpreadsheet(path);
    for (const std::string& row : sheet->rows) {
        LibTokenizer cells(row);
        auto venue = std::make_unique<SIM_RehearsalVenue>();
        cells.Next();  // row marker
        venue->name = cells.NextText();
        venue->displayName = cells.NextText();
        venue->description = cells.NextText();
        venue->level = cells.NextInt();
        venue->fameLow = cells.NextFloat();
        venue->fameHigh = cells.NextFloat();
        venue->cost = cells.NextFloat();
        venue->picture = cells.NextText();
        cells.Next();  // a spacer before the modifiers
        while (!cells.AtEnd()) {
            std::string cell = cells.NextText();
            if (!cell.empty() && cell[0] == '#') break;
            if (cell.size() > 127) cell.resize(127);
            venue->AddModifier(cell);
        }
        gVenues.push_back(venue.get());
        gVenueStore.push_back(std::move(venue));
    }
}

const std::vector<SIM_RehearsalVenue*>& RehearsalVenues() { return gVenues; }

float VenueMotivation(const SIM_RehearsalVenue& venue, const SIM_Musician& member) {
    const int expectation = static_cast<int>(member.ego * GetFame().fame);
    int expected = 0;
    for (const SIM_RehearsalVenue* v : gVenues)
        if (v->fameLow <= static_cast<float>(expectation) && static_cast<float>(expectation) <= v->fameHigh)
            expected = v->level;
    float m = static_cast<float>(venue.level - expected) * GetTuningValue("RS_MOTIVE_EFFECT_REHEARSAL");
    m = std::max(m, GetTuningValue("RS_MOTIVE_EFFECT_REHEARSAL_MIN"));
    m = std::min(m, GetTuningValue("RS_MOTIVE_EFFECT_REHEARSAL_MAX"));
    return m;
}

// ---- The rehearsal ----

namespace {
bool Contains(const std::vector<SIM_Musician*>& list, const SIM_Musician* m) {
    return std::find(list.begin(), list.end(), m) != list.end();
}

void CancelRehearsal(SIM_Rehearsal& rehearsal) {
    SIM_DailyOptions& daily = GetDailyOptions();
    daily.ClearMessages();
    const float degrade = GetTuningValue("RS_MOTIVATION_DEGRADE");
    const float demotivation = GetTuningValue("REHEARSAL_CANCELLED_DEMOTIVATION");
    for (SIM_Musician* m : GetBand().members) {
        if (Contains(rehearsal.noShows, m)) continue;
        SIM_RehearsalResult result;
        result.member = m;
        result.motivationChange = m->AddMotivation("cancelled rehearsal", demotivation, degrade);
        rehearsal.results.push_back(result);
        daily.AddMessage(m, TranslateRandom("REHEARSAL_COMMENT_CANCELLED"));
        for (SIM_Musician* absent : rehearsal.noShows) {
            SIM_Relationship* r = FindRelationship(m, absent);
            GAME_ASSERT(r != nullptr);
            if (r && std::find(rehearsal.damagedRelationships.begin(), rehearsal.damagedRelationships.end(), r) ==
                         rehearsal.damagedRelationships.end())
                rehearsal.damagedRelationships.push_back(r);
        }
    }
    const float damage = GetTuningValue("RS_REHEARSAL_NOSHOW_RELATE_DAMAGE");
    for (SIM_Relationship* r : rehearsal.damagedRelationships)
        r->value = std::clamp(r->value + damage * RandomFloat(0.9f, 1.1f), -1.0f, 1.0f);
    rehearsal.damagedRelationships.clear();
}

void HoldRehearsal(SIM_Rehearsal& rehearsal) {
    SIM_Band& band = GetBand();
    GetDailyOptions().ClearMessages();
    ++GetStatistics().rehearsals;
    band.ModifyBandValue("band_boredom", GetTuningValue("RS_BOREDOM_REDUCT_REHEARSAL"), 0.0f, "rehearsal");
    UpdateRelationships(GetTuningValue("RS_MEETSCALAR_REHEARSE"));
    const float degrade = GetTuningValue("RS_MOTIVATION_DEGRADE");
    for (SIM_Musician* m : band.members) {
        if (m->commenter) m->commenter->RehearsalComment(&rehearsal);
        SIM_RehearsalResult result;
        result.member = m;
        for (const SIM_Modifier& mod : rehearsal.venue->modifiers) {
            if (mod.name == "band_rehearsal") {
                RaiseReadiness(RehearsalDataFor(*m), mod.amount);
                result.rehearsalGain = mod.amount;
            } else if (mod.name == "band_stress") {
                result.stressChange = m->AddStress(mod.source, mod.amount, mod.degrade);
            }
        }
        result.motivationChange = m->AddMotivation("rehersal", VenueMotivation(*rehearsal.venue, *m), degrade);
        rehearsal.results.push_back(result);
    }
}
}  // namespace

SIM_Rehearsal& Rehearse(const SIM_RehearsalVenue* venue) {
    GAME_ASSERT(venue != nullptr);
    gRehearsals.push_back(std::make_unique<SIM_Rehearsal>());
    SIM_Rehearsal& rehearsal = *gRehearsals.back();
    rehearsal.venue = venue;
    if (!venue) return rehearsal;  // the assertion was let through: nothing to rent

    SIM_Finances& finances = GetFinances();
    finances.cash -= finances.DiscountedCost(venue->cost);
    if (venue->cost > 0.0f) Screens().PlaySound("data/sounds/cash.ogg");

    const float lazyChance = GetTuningValue("RS_LAZY_REHEARSAL_CHANCE");
    for (SIM_Musician* m : GetBand().members) {
        if (m->HasTrait("lazy") && RandomChance(lazyChance)) {
            rehearsal.noShows.push_back(m);
            rehearsal.cancelled = true;
        }
    }
    if (rehearsal.cancelled) {
        ++GetStatistics().rehearsalsCancelled;
        CancelRehearsal(rehearsal);
    } else {
        HoldRehearsal(rehearsal);
    }
    GetBand().RecalculateBandValues();
    return rehearsal;
}

const SIM_RehearsalResult* FindResult(const SIM_Rehearsal& rehearsal, const SIM_Musician* member) {
    for (const SIM_RehearsalResult& r : rehearsal.results)
        if (r.member == member) return &r;
    return nullptr;
}

const std::vector<std::unique_ptr<SIM_Rehearsal>>& AllRehearsals() { return gRehearsals; }

SIM_Rehearsal* LatestRehearsal() { return gRehearsals.empty() ? nullptr : gRehearsals.back().get(); }

void ClearRehearsals() { gRehearsals.clear(); }

// ---- What the windows show ----

std::string RehearsalSummaryText(const SIM_Rehearsal& rehearsal) {
    if (rehearsal.cancelled) {
        std::string text = Translate("REHEARSAL_SUMMARY_NOSHOW");
        // The strings file drops trailing blanks, so the gap before the names is ours to add.
        if (!text.empty() && text.back() != ' ') text += ' ';
        for (std::size_t i = 0; i < rehearsal.noShows.size(); ++i) {
            if (i > 0) text += ", ";
            text += rehearsal.noShows[i]->fullname.empty() ? rehearsal.noShows[i]->forename
                                                            : rehearsal.noShows[i]->fullname;
        }
        return text + ".";
    }
    const float b = GetBand().GetBandValue("band_motivation");
    if (b < GetTuningValue("RS_REHEARSAL_LOWMOTIV")) return Translate("REHEARSAL_SUMMARY_LOWMOTIVATION");
    if (b > GetTuningValue("RS_REHEARSAL_HIGHMOTIV")) return Translate("REHEARSAL_SUMMARY_HIGHMOTIVATION");
    return Translate("REHEARSAL_SUMMARY_MEDMOTIVATION");
}

std::string RehearsalSummarySound(const SIM_Rehearsal& rehearsal) {
    return rehearsal.cancelled ? "data/sounds/male_sigh.ogg" : "data/sounds/rehearsal.ogg";
}

std::string RehearsalCommentTitle(const SIM_Musician& member) {
    std::string title = Translate("REHEARSAL_COMMENT_TITLE");
    ReplaceToken(title, "<NAME>", member.fullname.empty() ? member.forename : member.fullname);
    return title;
}

std::vector<std::string> RehearsalEffectLines(const SIM_RehearsalResult& result) {
    std::vector<std::string> lines;
    auto percent = [](float v) { return static_cast<int>(v * 100.0f); };
    if (result.motivationChange != 0.0f) {
        const int p = percent(result.motivationChange);
        lines.push_back(Translate("REHEARSAL_MOTIVATION_EFFECT") +
                        (result.motivationChange < 0.0f ? FormatText(" -%d%%  ", std::abs(p)) : FormatText(" +%d%%  ", p)));
    }
    // A lowered stress keeps the plus sign, followed by the negative number.
    if (result.stressChange != 0.0f)
        lines.push_back(Translate("REHEARSAL_STRESS_EFFECT") + FormatText(" +%d%%  ", percent(result.stressChange)));
    if (result.rehearsalGain != 0.0f)
        lines.push_back(Translate("REHEARSAL_REHEARSAL_EFFECT") + FormatText(" +%d%%", percent(result.rehearsalGain)));
    return lines;
}

std::string RehearsalCostText(const SIM_RehearsalVenue& venue) {
    return FormatText("%s : $%.2f", Translate("REHEARSAL_COST").c_str(), static_cast<double>(venue.cost));
}

bool CanAffordRehearsal(const SIM_RehearsalVenue& venue, float cash) { return venue.cost <= 0.0f || cash >= venue.cost; }

// ---- Registration ----

void RegisterRehearsals() {
    SIM_SongSeams& songs = SongSeams();
    songs.songAdded = [](SIM_Song& song) { AddSongReadiness(song); };
    songs.songRemoved = [](SIM_Song& song) { RemoveSongReadiness(song); };
    SIM_PeopleSeams& people = PeopleSeams();
    people.rehearsalLevel = [](const SIM_Musician& m) {
        const SIM_RehearsalData* record = FindRecord(&m);
        return record ? GetRehearsalLevel(*record) : 0.0f;
    };
    people.raiseReadiness = [](SIM_Musician& m, float amount) { RaiseReadiness(RehearsalDataFor(m), amount); };
    people.decayReadiness = [](SIM_Musician& m) {
        if (SIM_RehearsalData* record = FindRecord(&m)) DecayReadiness(*record);
    };
    people.venueMotivation = [](const SIM_OptionSubject* subject, const SIM_Musician& m) {
        const auto* rehearsal = dynamic_cast<const SIM_Rehearsal*>(subject);
        return rehearsal && rehearsal->venue ? VenueMotivation(*rehearsal->venue, m) : 0.0f;
    };
    // The musicians go with a new game, and their records and the old rehearsals with them.
    SIM_WorldSeams& world = WorldSeams();
    world.resetPeopleAndMusic = [before = world.resetPeopleAndMusic] {
        ClearRehearsals();
        DestroyAllRehearsalData();
        RunSeam(before);
    };
}
