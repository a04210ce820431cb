#include "SIM_Commenter.h"

#include "GHashTable.h"
#include "LibConfigSection.h"
#include "LibErrors.h"
#include "LibRandom.h"
#include "LibString.h"
#include "SIM_Band.h"
#include "SIM_DailyOptions.h"
#include "SIM_Fame.h"
#include "SIM_PeopleSeams.h"
#include "SIM_Person.h"
#include "SIM_Relationship.h"
#include "SIM_WorldSeams.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {
std::vector<SIM_Commenter*>& Registry() {
    // Never destroyed: objects may leave it while the process exits.
    static auto* all = new std::vector<SIM_Commenter*>;
    return *all;
}

const char* const kKeys[SIM_Commenter::kTypeCount] = {
    "COMMENT_POSSESION_DEMAND_",
    "COMMENT_STRESS",
    "COMMENT_BOREDOM",
    "REHEARSAL_COMMENT_STUDIOTOOBAD",
    "REHEARSAL_COMMENT_STUDIOTOOGOOD",
    "REHEARSAL_COMMENT_UNREHEARSED",
    "REHEARSAL_COMMENT_ABOUTRIGHT",
    "REHEARSAL_COMMENT_OVERREHEARSED",
    "REHEARSAL_COMMENT_NEEDNEWSONGS",
    "COMMENT_NEEDPRACTICE",
    "COMMENT_REACHEDINSTRUMENTLIMIT",
    "COMMENT_POOR_ATTENDENCE",
    "COMMENT_GOOD_ATTENDENCE",
    "COMMENT_DESTROYED_INSTRUMENT",
    "COMMENT_PUBLICITY_POOR_REACH",
    "COMMENT_STAGESHOWLOW",
    "COMMENT_SONGSBAD",
    "",
    "COMMENT_LOW_MOTIVATION",
    "COMMENT_HIGH_MOTIVATION",
    "COMMENT_LOW_RELATIONSHIP",
    "COMMENT_HIGH_RELATIONSHIP",
    "COMMENT_SHOULD_REHEARSE",
    "COMMENT_SONGS_BORED",
    "COMMENT_NEED_HYPE",
    "COMMENT_INSPIRATION_HIGH",
    "COMMENT_NEEDVAN",
    "COMMENT_CONSIDERING_RESIGNATION",
    "COMMENT_DEFAULT_REHEARSAL",
};

constexpr int kDailyOrder[] = {9, 0, 1, 2, 10, 18, 19, 21, 20, 22, 23, 25, 24, 26, 27};
constexpr int kRehearsalOrder[] = {3, 4, 5, 7, 6, 8};

bool IsBandWide(int type) {
    return type == COMMENT_SHOULD_REHEARSE || type == COMMENT_SONGS_BORED || type == COMMENT_NEED_HYPE ||
           type == COMMENT_INSPIRATION_HIGH;
}

float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

std::string WantedKind(const SIM_Musician& m) {
    const auto& describe = PeopleSeams().describeAsset;
    std::string kind = describe && m.wantedAsset ? describe(m.wantedAsset).kind : std::string();
    for (char& c : kind) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return kind;
}

int BookedGigs() { return AskSeam(PeopleSeams().bookedGigCount, 0); }

// A relationship remark: the other member's forename and pronoun fill the text.
std::string RelationshipText(const std::string& key, const char* token, const SIM_Musician& owner,
                             const SIM_Relationship* r) {
    GAME_ASSERT(r != nullptr);
    std::string text = Translate(key);
    if (!r) return text;
    const SIM_Musician* other = r->OtherPerson(&owner);
    if (!other) return text;
    ReplaceToken(text, token, other->forename);
    ReplaceToken(text, "<HE_SHE>", Translate(other->gender == 0 ? "HE" : "SHE"));
    return text;
}
}  // namespace

std::string CommentKey(int type) { return type >= 0 && type < SIM_Commenter::kTypeCount ? kKeys[type] : ""; }

const std::vector<SIM_Commenter*>& AllCommenters() { return Registry(); }

SIM_Commenter::SIM_Commenter(SIM_Musician* owner_) : owner(owner_) {
    GAME_ASSERT(owner_ != nullptr);
    Registry().push_back(this);
}

SIM_Commenter::~SIM_Commenter() {
    auto& all = Registry();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

void SIM_Commenter::QueueComment(int type, float priority, const std::string& text) {
    if (priority == 0.0f) return;
    queued.push_back(SIM_CommentCandidate{type, priority, text});
}

float SIM_Commenter::RawPriority(int type, const SIM_OptionSubject* rehearsal) const {
    const SIM_Musician& m = *owner;
    SIM_Band& band = GetBand();
    const SIM_PeopleSeams& seams = PeopleSeams();
    switch (type) {
    case COMMENT_POSSESSION_DEMAND:
        // With nothing left to ask for, the demand cannot be spoken: it must not crowd out the
        // remarks he can make.
        if (!m.wantedAsset) return 0.0f;
        return m.resentment > GetTuningValue("RS_POSSESION_RESENT_COMMENT_MIN") ? Clamp01(m.resentment) : 0.0f;
    case COMMENT_STRESS: {
        const float limit = GetTuningValue("RS_STRESS_RESENT_COMMENT_MIN");
        return m.Stress() > limit ? Clamp01(m.Stress() - limit) : 0.0f;
    }
    case COMMENT_BOREDOM: {
        const float limit = GetTuningValue("RS_BOREDOM_THRESHOLD");
        return m.boredom > limit ? Clamp01(m.boredom - limit) : 0.0f;
    }
    case COMMENT_STUDIO_TOO_BAD:
    case COMMENT_STUDIO_TOO_GOOD: {
        const float f = seams.venueMotivation ? seams.venueMotivation(rehearsal, m) : 0.0f;
        if (type == COMMENT_STUDIO_TOO_BAD) return f < -0.05f ? -f * 4.0f : 0.0f;
        return f > 0.05f ? f * 4.0f : 0.0f;
    }
    case COMMENT_UNREHEARSED: {
        const float level = band.GetBandValue("band_rehearsal"), low = GetTuningValue("RS_REHEARSAL_NOTENOUGH");
        return level < low ? low - level : 0.0f;
    }
    case COMMENT_ABOUT_RIGHT: {
        const float level = band.GetBandValue("band_rehearsal");
        return level > GetTuningValue("RS_REHEARSAL_NOTENOUGH") && level < GetTuningValue("RS_REHEARSAL_TOOMUCH")
                   ? RandomFloat(0.5f, 0.8f)
                   : 0.0f;
    }
    case COMMENT_OVERREHEARSED: {
        const float level = band.GetBandValue("band_rehearsal"), high = GetTuningValue("RS_REHEARSAL_TOOMUCH");
        return level >= high ? (level - high) * 10.0f : 0.0f;
    }
    case COMMENT_NEED_NEW_SONGS: {
        const float wanted = GetTuningValue("REHEARSE_MINSONGS");
        const float n = static_cast<float>(AskSeam(WorldSeams().songCount, 0));
        return n < wanted ? 1.0f - n / wanted : 0.0f;
    }
    case COMMENT_NEED_PRACTICE: {
        const float t = m.expectedPossessionValue / 500.0f * (m.HasTrait("ambitious") ? 1.25f : 1.0f);
        return m.ability < t ? t - m.ability : 0.0f;
    }
    case COMMENT_INSTRUMENT_LIMIT: {
        const SIM_Asset* best = m.BestInstrument();
        if (!best || !seams.describeAsset) return 0.0f;
        const float q = seams.describeAsset(best).quality;
        return q <= m.ability && q < 1.0f ? RandomFloat(0.0f, 1.0f) : 0.0f;
    }
    case COMMENT_LOW_MOTIVATION: {
        const float low = GetTuningValue("RS_LOW_MOTIVE_COMMENT");
        return m.happiness < low ? (low - m.happiness) / low : 0.0f;
    }
    case COMMENT_HIGH_MOTIVATION: {
        const float high = GetTuningValue("RS_HIGH_MOTIVE_COMMENT");
        return m.happiness > high && high > 0.0f ? (m.happiness - high) / high : 0.0f;
    }
    case COMMENT_LOW_RELATIONSHIP: {
        const SIM_Relationship* r = m.LowestRelationship();
        return r && r->value <= GetTuningValue("RS_RELATE_LOW_COMMENT") ? std::fabs(r->value) : 0.0f;
    }
    case COMMENT_HIGH_RELATIONSHIP: {
        const SIM_Relationship* r = m.HighestRelationship();
        return r && r->value >= GetTuningValue("RS_RELATE_HIGH_COMMENT") ? r->value : 0.0f;
    }
    case COMMENT_SHOULD_REHEARSE:
        return BookedGigs() > 0 && band.GetBandValue("band_rehearsal") < GetTuningValue("RS_REHEARSAL_NOTENOUGH")
                   ? RandomFloat(0.5f, 0.8f)
                   : 0.0f;
    case COMMENT_SONGS_BORED: {
        std::string song;
        float boredom = 0.0f;
        if (!seams.mostBoredSong || !seams.mostBoredSong(song, boredom)) return 0.0f;
        return boredom > GetTuningValue("COMMENT_SONG_BOREDOM") ? 2.0f * boredom : 0.0f;
    }
    case COMMENT_NEED_HYPE: {
        const bool today = AskSeam(seams.gigToday, false);
        const float hype = band.GetBandValue("band_hype");
        return BookedGigs() > 0 && !today && hype < GetTuningValue("HYPE_LOW_COMMENT") ? 1.0f - hype : 0.0f;
    }
    case COMMENT_INSPIRATION_HIGH: {
        const float v = GetMilo().GetValue("inspiration"), high = GetTuningValue("RS_COMMENT_INSPIRE_HIGH");
        return v > high && high < 1.0f ? (v - high) / (1.0f - high) : 0.0f;
    }
    case COMMENT_NEED_VAN:
        return GetFame().fame > 50.0f && !Globals().IsSet("cheap van") && !Globals().IsSet("tour bus")
                   ? RandomFloat(0.0f, 1.0f)
                   : 0.0f;
    case COMMENT_CONSIDERING_RESIGNATION:
        return m.intentiontoquit >= 1 ? Clamp01(static_cast<float>(m.intentiontoquit) * 0.25f) : 0.0f;
    default:
        return 0.0f;  // queued-only types and anything out of range
    }
}

void SIM_Commenter::EvaluateComment(int type, const SIM_OptionSubject* rehearsal) {
    if (type < 0 || type > COMMENT_CONSIDERING_RESIGNATION) return;
    const float p = RawPriority(type, rehearsal) - repetition[type];
    if (p > 0.0f) candidates.push_back(SIM_CommentCandidate{type, std::min(p, 1.0f), {}});
}

void SIM_Commenter::DailyComment() {
    candidates.clear();
    const float decay = GetTuningValue("RS_COMMENT_REPETITION_DECAY");
    for (float& r : repetition) r = Clamp01(r - decay);
    for (int type : kDailyOrder) EvaluateComment(type);
    SpeakBest();
    queued.clear();
}

void SIM_Commenter::RehearsalComment(const SIM_OptionSubject* rehearsal) {
    GAME_ASSERT(rehearsal != nullptr);
    candidates.clear();
    for (int type : kRehearsalOrder) EvaluateComment(type, rehearsal);
    if (candidates.empty()) {
        // Nothing in particular to say; the remark still wears out like any other.
        const float p = 0.5f - repetition[COMMENT_DEFAULT_REHEARSAL];
        if (p > 0.0f) candidates.push_back(SIM_CommentCandidate{COMMENT_DEFAULT_REHEARSAL, p, {}});
    }
    SpeakBest();
}

void SIM_Commenter::SpeakBest() {
    const SIM_CommentCandidate* best = nullptr;
    float top = 0.0f;
    for (const auto* list : {&candidates, &queued})
        for (const SIM_CommentCandidate& c : *list)
            if (c.priority > top) {
                top = c.priority;
                best = &c;
            }
    if (best) Speak(*best);
}

void SIM_Commenter::Speak(const SIM_CommentCandidate& record) {
    const SIM_PeopleSeams& seams = PeopleSeams();
    std::string text;
    switch (record.type) {
    case COMMENT_POSSESSION_DEMAND:
        if (!owner->wantedAsset) return;
        text = Translate(CommentKey(record.type) + WantedKind(*owner));
        break;
    case COMMENT_KEYED:
        text = Translate(record.text);
        ReplaceToken(text, "<RANDOM_SONG_TITLE>", seams.randomSongTitle ? seams.randomSongTitle() : std::string());
        ReplaceToken(text, "<BANDNAME>", GetBand().Name);
        break;
    case COMMENT_LOW_RELATIONSHIP:
        text = RelationshipText(CommentKey(record.type), "<NEMESIS>", *owner, owner->LowestRelationship());
        break;
    case COMMENT_HIGH_RELATIONSHIP:
        text = RelationshipText(CommentKey(record.type), "<FRIEND>", *owner, owner->HighestRelationship());
        break;
    case COMMENT_SONGS_BORED: {
        text = Translate(CommentKey(record.type));
        std::string song;
        float boredom = 0.0f;
        if (seams.mostBoredSong && seams.mostBoredSong(song, boredom)) ReplaceToken(text, "<SONGNAME>", song);
        break;
    }
    default:
        text = Translate(CommentKey(record.type));
        break;
    }
    const int type = record.type;  // the record may belong to a list the knock-back leaves alone
    GetDailyOptions().AddMessage(owner, text);
    const float knock = GetTuningValue("RS_COMMENT_REPETITION_KNOCKBACK");
    if (type < 0 || type >= kTypeCount) return;
    if (IsBandWide(type)) {
        for (SIM_Commenter* c : Registry()) c->repetition[type] += knock;
    } else {
        repetition[type] += knock;
    }
}
