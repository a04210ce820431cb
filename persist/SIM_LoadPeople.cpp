#include "SIM_LoadPeople.h"

#include "SIM_Asset.h"
#include "SIM_Band.h"
#include "SIM_Charity.h"
#include "SIM_Fame.h"
#include "SIM_Names.h"
#include "SIM_Person.h"
#include "SIM_Personality.h"
#include "SIM_Rehearsal.h"
#include "SIM_Relationship.h"
#include "SIM_Song.h"
#include "SIM_Venue.h"

#include <algorithm>
#include <map>

namespace {

// Attribute effects are clamped, as every effect added through an attribute is.
void RestoreEffects(SIM_EffectList& list, const std::vector<SIM_SavedEffect>& saved, bool clamped) {
    list.Clear();
    for (const SIM_SavedEffect& e : saved) list.Add(e.value, e.degrade, e.debugname, clamped);
}

SIM_Attribute* AttributeIn(const SIM_NamedValueList& list, const std::string& name) {
    return dynamic_cast<SIM_Attribute*>(list.Find(name));
}

// The player keeps the attributes of this game's catalogue; saved ones it does not know are skipped.
void RestorePlayer(const SIM_SaveData& d) {
    SIM_Milo& milo = GetMilo();
    milo.SetSLID(d.playerSlid);
    milo.forename = d.playerForename;
    milo.fullname = d.playerForename;
    milo.portraitBase = d.playerAvatar;
    // As at the start of a game, the avatar's file name tells the gender.
    if (const int gender = AvatarGender(d.playerAvatar); gender >= 0) milo.gender = gender;
    for (const SIM_SavedAttribute& saved : d.playerAttributes) {
        SIM_Attribute* a = AttributeIn(milo.attributes, saved.name);
        if (!a) continue;
        a->guiname = saved.guiname;
        a->description = saved.description;
        a->basevalue = saved.basevalue;
        a->alwaysshow = saved.alwaysshow != 0;
        a->highisgood = saved.highisgood != 0;
        a->criteria = saved.criteria;
        a->warnlimit = saved.warnlimit;
        RestoreEffects(a->effects, saved.effects, true);
    }
    // Skills carry no effects: the saved value is their base.
    for (const auto& skill : d.skills) {
        SIM_NamedValue* value = milo.skills.Find(skill.name);
        if (!value) continue;
        value->guiname = skill.guiname;
        value->value = skill.value;
        if (auto* a = dynamic_cast<SIM_Attribute*>(value); a && a->effects.Empty()) a->basevalue = skill.value;
    }
}

void RestoreMusician(const SIM_SavedMusician& s) {
    SIM_Musician& m = CreateMusician();
    m.SetSLID(s.slid);
    m.forename = s.forename;
    m.surname = s.surname;
    m.fullname = s.fullname;
    m.gender = s.gender;
    // The neutral face names the set; a file that is no face stands for itself.
    const std::string base = PortraitBaseOf(s.portraits[2]);
    m.portraitBase = base.empty() ? s.portraits[2] : base;
    for (int i = 0; i < SIM_Musician::kMoodCount; ++i) m.moodPortraits[i] = s.portraits[i];
    GetPortraitDatabase().MarkPortraitUsed(m.portraitBase);
    m.instrument = s.instrument;
    m.ability = s.ability;
    m.maxability = s.maxability;
    m.resentment = s.resentment;
    m.chemistry = s.chemistry;
    m.boredom = s.boredom;
    m.innocence = s.innocence;
    m.cynicism = s.cynicism;
    m.daysinband = s.daysinband;
    m.intentiontoquit = s.intentiontoquit;
    SIM_Attribute* const moods[SIM_Musician::kMoodCount] = {&m.motivation, &m.stress, &m.thirdAttribute,
                                                            &m.liveExperience};
    for (int i = 0; i < SIM_Musician::kMoodCount; ++i) RestoreEffects(moods[i]->effects, s.moods[i], true);
    m.songElement = s.songElement == "NULL" ? nullptr : FindSongElement(s.songElement);
    m.active = s.active != 0;
    for (const std::string& name : s.personalities) m.AddPersonality(FindPersonality(name));
    if (s.ego) m.ego = *s.ego;
    // Straight onto his list: the assets section brings back who holds what.
    for (const std::string& key : s.possessions)
        if (SIM_Asset* asset = FindAsset(key)) m.possessions.push_back(asset);
}

SIM_Musician* MusicianBySlid(const std::map<int, SIM_Musician*>& people, int slid) {
    const auto found = people.find(slid);
    return found == people.end() ? nullptr : found->second;
}

void RestoreBand(const SIM_SaveData& d, const std::map<int, SIM_Musician*>& people) {
    SIM_Band& band = GetBand();
    band.Name = d.bandName;
    band.SponsoredName = d.bandSponsoredName;
    band.YearCount = d.yearCount;
    band.members.clear();
    band.resignedToday = false;
    for (int slid : d.members)
        if (SIM_Musician* m = MusicianBySlid(people, slid)) band.members.push_back(m);
    for (std::size_t i = 0; i < std::size(kSavedBandValues); ++i)
        if (SIM_Attribute* value = AttributeIn(band.bandValues, kSavedBandValues[i]))
            RestoreEffects(value->effects, d.bandValues[i], true);
    band.communalAssets.clear();
    for (const std::string& key : d.communalAssets)
        if (SIM_Asset* asset = FindAsset(key)) band.communalAssets.push_back(asset);
    // An imaginitive member's lasting lift to the player's inspiration went with him when he
    // joined; give each such member back the next one, in joining order, so that it goes
    // again when he leaves.
    auto* inspiration = AttributeIn(GetMilo().attributes, "inspiration");
    if (!inspiration) return;
    std::size_t next = 0;
    const auto& effects = inspiration->effects.Effects();
    for (SIM_Musician* m : band.members) {
        if (!m->HasTrait("imaginitive")) continue;
        while (next < effects.size() && effects[next]->debugname != "imaginitive") ++next;
        if (next == effects.size()) break;
        m->inspirations.push_back(effects[next++].get());
    }
}

void RestoreLinks(const SIM_SaveData& d, const std::map<int, SIM_Musician*>& people) {
    // Saved in creation order; each member's own list keeps that order too.
    for (const auto& saved : d.relationships) {
        SIM_Musician* p1 = MusicianBySlid(people, saved.p1);
        SIM_Musician* p2 = MusicianBySlid(people, saved.p2);
        if (!p1 || !p2) continue;
        SIM_Relationship& r = CreateRelationship(p1, p2);
        r.value = saved.value;
        p1->relationships.push_back(&r);
        p2->relationships.push_back(&r);
    }
    std::map<int, SIM_Song*> songs;
    for (const auto& song : CurrentSongs()) songs[song->GetSLID()] = song.get();
    for (const auto& saved : d.rehearsals) {
        SIM_Musician* owner = MusicianBySlid(people, saved.owner);
        if (!owner) continue;
        SIM_RehearsalData& record = RehearsalDataFor(*owner);
        record.entries.clear();
        for (const auto& [slid, readiness] : saved.songs)
            if (const auto song = songs.find(slid); song != songs.end())
                record.entries.push_back({song->second, readiness});
        record.RecalculateLevel();
    }
}

void RestoreAssets(const SIM_SaveData& d) {
    for (const auto& saved : d.assets) {
        SIM_Asset* asset = FindAsset(saved.name);
        if (!asset) continue;
        if (saved.owned) asset->Acquire();
        asset->assigned = saved.assigned != 0;
    }
    for (const auto& [key, listened] : d.musicAssets) {
        auto* music = dynamic_cast<SIM_AssetMusic*>(FindAsset(key));
        if (!music) continue;
        music->listened = listened;
        music->progress = music->tracks.empty() ? 1.0f
                                                : std::clamp(static_cast<float>(listened) /
                                                                 static_cast<float>(music->tracks.size()),
                                                             0.0f, 1.0f);
    }
}

void RestoreBookings(const SIM_SaveData& d) {
    BookedGigs().clear();
    for (const auto& saved : d.bookings) {
        auto gig = std::make_unique<SIM_Gig>();
        gig->type = saved.type;
        gig->venue = FindVenue(saved.venue);
        gig->charity = saved.charity == "null" ? nullptr : FindCharity(saved.charity);
        gig->date = {saved.day, saved.month, saved.year};
        RestoreBookedGig(std::move(gig));
    }
}

}  // namespace

void RestorePeopleSections(const SIM_SaveData& d) {
    DestroyAllMusicians();
    DestroyAllRelationships();
    DestroyAllRehearsalData();
    RestorePlayer(d);
    std::map<int, SIM_Musician*> people;
    for (const SIM_SavedMusician& saved : d.musicians) {
        RestoreMusician(saved);
        people[saved.slid] = AllMusicians().back();
    }
    RestoreBand(d, people);
    RestoreLinks(d, people);
}

void RestoreHoldings(const SIM_SaveData& d) {
    RestoreAssets(d);
    RestoreBookings(d);
    SIM_Fame& fame = GetFame();
    RestoreEffects(fame.effects, d.fameEffects, false);
    fame.RecalculateFame();
}

void RecalculateLoadedGame(const SIM_SaveData& d) {
    // The effects come back rounded to the file's three decimals, so their sum can miss the fame
    // the game had by a little; the summary holds that figure, and the next day works it out again.
    GetFame().RecalculateFame();
    GetFame().fame = std::clamp(d.summary.fame, 0.0f, SIM_Fame::kMaxFame);
    GetMilo().RecalculateAttributes();
    // A member's daily recalculation also moves his resentment; a load must not, so the
    // saved figure is put back after the band's values are worked out.
    std::map<const SIM_Musician*, float> resentment;
    for (SIM_Musician* m : AllMusicians()) {
        for (SIM_Attribute* a : {&m->motivation, &m->stress, &m->thirdAttribute, &m->liveExperience}) a->Recalculate();
        m->UpdatePossessionValue();
        m->UpdateHappiness();
        resentment[m] = m->resentment;
    }
    GetBand().RecalculateBandValues();
    for (SIM_Musician* m : AllMusicians()) {
        m->resentment = resentment[m];
        m->UpdateHappiness();
    }
}
