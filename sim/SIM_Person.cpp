#include "SIM_Person.h"

#include "GHashTable.h"
#include "LibConfigSection.h"
#include "LibErrors.h"
#include "LibRandom.h"
#include "LibSpreadsheet.h"
#include "SIM_Band.h"
#include "SIM_CareerHistory.h"
#include "SIM_Commenter.h"
#include "SIM_DailyOptions.h"
#include "SIM_Fame.h"
#include "SIM_Names.h"
#include "SIM_PeopleSeams.h"
#include "SIM_Personality.h"
#include "SIM_Rehearsal.h"
#include "SIM_Relationship.h"
#include "SIM_Screens.h"

#include <algorithm>

namespace {
const char* const kInstrumentKeys[kInstrumentCount] = {"INSTRUMENT_KEYBOARD",  "INSTRUMENT_DRUMS",
                                                       "INSTRUMENT_BASS",      "INSTRUMENT_GUITAR",
                                                       "INSTRUMENT_SAXOPHONE", "INSTRUMENT_VOCALS"};
const char* const kInstrumentSkills[kInstrumentCount] = {"music_keyboard", "music_drums",     "music_bass",
                                                         "music_guitar",   "music_saxophone", "music_vocals"};
const char* const kMoodSuffixes[SIM_Musician::kMoodCount] = {"_vsad.jpg", "_sad.jpg", "_neutral.jpg", "_happy.jpg"};

// The four member attributes have fixed rows rather than catalogue entries.
constexpr const char* kMotivationRow = "#,none,none,0.5,0,0,none,below,0,,";
constexpr const char* kZeroRow = "#,none,none,0,0,0,none,below,0,,";

std::vector<SIM_Musician*>& Registry() {
    // Never destroyed: objects may leave it while the process exits.
    static auto* all = new std::vector<SIM_Musician*>;
    return *all;
}
std::vector<std::unique_ptr<SIM_Musician>>& Owned() {
    // Never destroyed at exit: the registries its objects leave belong to other files.
    static auto* owned = new std::vector<std::unique_ptr<SIM_Musician>>;
    return *owned;
}
// Left alive at exit: its lists leave registries that belong to other files.
SIM_Milo* gMilo = nullptr;

SIM_AssetFacts Describe(const SIM_Asset* asset) {
    const auto& describe = PeopleSeams().describeAsset;
    return describe && asset ? describe(asset) : SIM_AssetFacts{};
}
}  // namespace

std::string InstrumentName(int instrument) {
    return Translate(instrument >= 0 && instrument < kInstrumentCount ? kInstrumentKeys[instrument]
                                                                      : kInstrumentKeys[INSTRUMENT_GUITAR]);
}

std::string InstrumentSkill(int instrument) {
    return instrument >= 0 && instrument < kInstrumentCount ? kInstrumentSkills[instrument] : std::string();
}

// ---- Person ---------------------------------------------------------------------------

void SIM_Person::SetGender(int gender_) {
    gender = gender_;
    portraitBase = GetPortraitDatabase().RandomPortrait(gender_);
}

// ---- Musician -------------------------------------------------------------------------

SIM_Musician::SIM_Musician() : commenter(std::make_unique<SIM_Commenter>(this)) {
    Registry().push_back(this);
    ego = RandomFloat(0.75f, 1.25f);
    chemistry = RandomFloat(0.0f, 1.0f);
    // The generator can return its maximum; chemistry stays below 1.
    if (chemistry >= 1.0f) chemistry = 0.0f;
    innocence = GetTuningValue("RS_STARTING_INNOCENCE");
    motivation.LoadRow(kMotivationRow);
    stress.LoadRow(kZeroRow);
    thirdAttribute.LoadRow(kZeroRow);
    liveExperience.LoadRow(kZeroRow);
    Recalculate();
}

SIM_Musician::~SIM_Musician() {
    auto& all = Registry();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

std::string SIM_Musician::GetPortrait() const { return moodPortraits[std::clamp(mood, 0, kMoodCount - 1)]; }

void SIM_Musician::SetPortraits(int gender_, const std::string& base) {
    gender = gender_;
    portraitBase = base;
    for (int i = 0; i < kMoodCount; ++i) moodPortraits[i] = base + kMoodSuffixes[i];
}

void SIM_Musician::SetAbility(float ability_, float maxability_) {
    ability = std::clamp(ability_, 0.0f, 1.0f);
    maxability = std::clamp(maxability_, 0.0f, 1.0f);
}

void SIM_Musician::AddPersonality(SIM_Personality* personality) {
    if (!personality) return;
    personalities.push_back(personality);
    if (personality->name == "egotistical") ego = RandomFloat(1.25f, 1.45f);
}

bool SIM_Musician::HasTrait(const std::string& name) const {
    return std::any_of(personalities.begin(), personalities.end(),
                       [&](const SIM_Personality* p) { return p && p->name == name; });
}

float SIM_Musician::AddStress(const std::string& reason, float amount, float degrade) {
    if (HasTrait("lazy")) amount *= 1.0f + GetTuningValue("RS_LAZY_STRESS_MULTIPLIER");
    if (HasTrait("energetic")) amount *= 1.0f - GetTuningValue("RS_ENERGETIC_STRESS_MULTIPLIER");
    if (Globals().IsSet("masseuse") && amount > 0.0f) amount *= 1.0f - GetTuningValue("RS_MASSEUSE_STRESS_REDUCTION");
    stress.AddEffect(amount, degrade, reason);
    GetBand().UpdateBandStress();
    return amount;
}

float SIM_Musician::AddMotivation(const std::string& reason, float amount, float degrade) {
    if (HasTrait("optimistic")) {
        const float m = GetTuningValue("RS_OPTIMISTIC_MOTIVATION_MULTIPLIER");
        amount *= amount >= 0.0f ? 1.0f + m : 1.0f - m;
    }
    if (HasTrait("pessimistic")) {
        const float m = GetTuningValue("RS_PESSIMISTIC_MOTIVATION_MULTIPLIER");
        amount *= amount <= 0.0f ? 1.0f + m : 1.0f - m;
    }
    motivation.AddEffect(amount, degrade, reason);
    return amount;
}

void SIM_Musician::ReduceBoredom(float amount) { boredom = std::clamp(boredom - amount, 0.0f, 1.0f); }

void SIM_Musician::RemoveStressEffects(const std::string& reason) { stress.RemoveEffects(reason); }

void SIM_Musician::GivePossession(SIM_Asset* asset) {
    GAME_ASSERT(asset != nullptr);
    if (!asset) return;
    possessions.push_back(asset);
    if (PeopleSeams().setAssetOwner) PeopleSeams().setAssetOwner(asset, this);
    UpdatePossessionValue();
    Screens().RefreshBandScreen();
}

void SIM_Musician::ReleasePossessions() {
    if (PeopleSeams().setAssetOwner)
        for (SIM_Asset* asset : possessions) PeopleSeams().setAssetOwner(asset, nullptr);
    possessions.clear();
    UpdatePossessionValue();
}

void SIM_Musician::PracticeProgress(float hours) {
    const float gap = maxability * 1.5f - ability;
    float f = gap * GetTuningValue(HasTrait("ambitious") ? "MUSICIAN_PRACTICE_PROGRESS_AMBITIOUS"
                                                         : "MUSICIAN_PRACTICE_PROGRESS");
    // Without an instrument there is nothing to practise on: quality 0.
    const SIM_Asset* best = BestInstrument();
    const float quality = best ? Describe(best).quality : 0.0f;
    if (quality <= ability) f *= 0.5f;
    f = std::max(f, 0.01f);
    ability += f * hours;
}

SIM_Asset* SIM_Musician::BestInstrument() const {
    SIM_Asset* best = nullptr;
    float bestQuality = 0.0f;
    for (SIM_Asset* asset : possessions) {
        const SIM_AssetFacts facts = Describe(asset);
        if (facts.type != "instrument") continue;
        if (!best || facts.quality > bestQuality) {
            best = asset;
            bestQuality = facts.quality;
        }
    }
    return best;
}

bool SIM_Musician::HasSpareInstrument() const {
    return std::count_if(possessions.begin(), possessions.end(),
                         [](const SIM_Asset* a) { return Describe(a).type == "instrument"; }) > 1;
}

SIM_Relationship* SIM_Musician::LowestRelationship() const {
    SIM_Relationship* lowest = nullptr;
    float bound = 1.0f;
    for (SIM_Relationship* r : relationships)
        if (r->value < bound) {
            bound = r->value;
            lowest = r;
        }
    return lowest;
}

SIM_Relationship* SIM_Musician::HighestRelationship() const {
    SIM_Relationship* highest = nullptr;
    float bound = -1.0f;
    for (SIM_Relationship* r : relationships)
        if (r->value > bound) {
            bound = r->value;
            highest = r;
        }
    return highest;
}

float SIM_Musician::RelationshipHappiness() const {
    float sum = 0.0f;
    for (const SIM_Relationship* r : relationships)
        if (r->value < GetTuningValue("RS_RELATIONSHIP_LOW_TRIGGER") ||
            r->value > GetTuningValue("RS_RELATIONSHIP_HIGH_TRIGGER"))
            sum += r->value;
    return std::clamp(sum, -1.0f, 1.0f) * 0.5f;
}

void SIM_Musician::Recalculate() {
    motivation.Recalculate();
    stress.Recalculate();
    thirdAttribute.Recalculate();
    // Gig experience fades like any effect; without this its value would only move on gig days.
    liveExperience.Recalculate();
    UpdateResentment();
    UpdateHappiness();
    UpdatePossessionValue();
}

void SIM_Musician::DailyUpdate() {
    SIM_PeopleSeams& seams = PeopleSeams();
    if (seams.decayReadiness) seams.decayReadiness(*this);
    ConsiderResignation();
    if (!active) return;
    commenter->DailyComment();
    boredom += GetTuningValue("RS_BOREDOM_PER_DAY") * (HasTrait("ambitious") ? 1.25f : 1.0f);
    ++daysinband;
    if (static_cast<float>(daysinband) > GetTuningValue("RS_CYNICISM_START"))
        cynicism = std::clamp(cynicism + GetTuningValue("RS_CYNICISM_INCREMENT"), 0.0f, 1.0f);
    innocence = std::clamp(innocence - GetTuningValue("RS_INNOCENCE_DEGRADE"), 0.0f, 1.0f);
    UpdateHappiness();
    ability *= GetTuningValue("RS_ABILITY_DEGRADE");
}

int SIM_Musician::MoodFor(float h) {
    if (h < 0.2f) return 0;
    if (h < 0.4f) return 1;
    if (h < 0.65f) return 2;
    return 3;
}

void SIM_Musician::UpdateHappiness() {
    float h = motivation.value;
    h -= GetTuningValue("RS_POSSESION_MULTIPLIER") * resentment;
    h += GetTuningValue("RS_INNOCENCE_MULTIPLIER") * innocence;
    h -= GetTuningValue("RS_CYNICISM_MULTIPLIER") * cynicism;
    h += RelationshipHappiness();
    const float values[3] = {stress.value, boredom, resentment};
    const char* const thresholds[3] = {"RS_STRESS_THRESHOLD", "RS_BOREDOM_THRESHOLD", "RS_RESENTMENT_THRESHOLD"};
    const char* const crises[3] = {"RS_STRESS_CRISIS", "RS_BOREDOM_CRISIS", "RS_RESENTMENT_CRISIS"};
    for (int i = 0; i < 3; ++i) {
        const float limit = GetTuningValue(thresholds[i]);
        if (values[i] > limit) h -= 0.5f * (values[i] - limit);
    }
    for (int i = 0; i < 3; ++i) {
        const float limit = GetTuningValue(crises[i]);
        if (values[i] > limit) h -= 2.0f * (values[i] - limit);
    }
    happiness = std::clamp(h, 0.0f, 1.0f);
    const int previous = mood;
    mood = MoodFor(happiness);
    if (mood != previous && portraitListener) portraitListener->ReloadPortrait();
}

void SIM_Musician::UpdateResentment() {
    float expected = std::max(0.0f, GetFame().fame - 8.0f);
    expected *= GetTuningValue("RS_EGO_POSSESION_RESENTMENT_MULTIPLIER") * ego;
    expectedPossessionValue = expected;
    if (expected > possessionValue) resentment += GetTuningValue("RS_MUSICIAN_RESENTMENT_GROWTHRATE") * ego;
    else if (expected < possessionValue) resentment -= GetTuningValue("RS_MUSICIAN_RESENTMENT_LOWERRATE");
    if (resentment <= 0.0f) resentment = std::max(resentment, -0.2f);
    else resentment = std::min(resentment, std::clamp((expected - possessionValue) / 60.0f, 0.0f, 1.0f));
    if (resentment > 0.0f && !wantedAsset) PickWantedAsset();
}

void SIM_Musician::UpdatePossessionValue() {
    float total = 0.0f;
    for (const SIM_Asset* asset : possessions) total += Describe(asset).value;
    for (const SIM_Asset* asset : GetBand().communalAssets) total += Describe(asset).value;
    possessionValue = total;
}

void SIM_Musician::PickWantedAsset() {
    const SIM_PeopleSeams& seams = PeopleSeams();
    SIM_Asset* pick = nullptr;
    float lowest = 9999.0f;
    if (seams.storeAssets) {
        for (SIM_Asset* asset : seams.storeAssets()) {
            const SIM_AssetFacts facts = Describe(asset);
            if (facts.owned || !facts.available || facts.value <= 0.0f) continue;
            // Nobody wishes for what he already holds (a starting instrument is never marked owned).
            if (std::find(possessions.begin(), possessions.end(), asset) != possessions.end()) continue;
            if (!facts.forWholeBand && facts.instrument != instrument) continue;
            const bool ownsBetter = std::any_of(possessions.begin(), possessions.end(), [&](const SIM_Asset* own) {
                const SIM_AssetFacts mine = Describe(own);
                return mine.kind == facts.kind && mine.value > facts.value;
            });
            if (ownsBetter) continue;
            if (facts.value < lowest) {
                lowest = facts.value;
                pick = asset;
            }
        }
    }
    wantedAsset = pick;
}

void SIM_Musician::ConsiderResignation() {
    const float threshold = GetTuningValue("RS_RESIGN_CONSIDER_THRESHOLD");
    if (happiness < threshold) {
        ++intentiontoquit;
    } else {
        intentiontoquit = 0;
        return;
    }
    if (static_cast<float>(intentiontoquit) < GetTuningValue("RS_MUSICIAN_RESIGN_MINDAYS")) return;
    if (GetBand().resignedToday) return;
    const float p = 1.0f - happiness / threshold;
    if (RandomChance(p)) Resign();
}

namespace {
// The fans notice when someone leaves, whichever way he goes.
void LoseFameForLeaving() {
    const float loss = GetTuningValue("RS_RESIGN_FAME_REDUCTION_PERCENTAGE") * GetFame().fame;
    GetFame().AddFameEffect(-loss, GetTuningValue("RS_RESIGN_FAME_DEGRADE"), "Resignation");
}

void ForgetRemarks(const SIM_Musician& m) {
    while (GetDailyOptions().RemoveMessage(&m)) {
    }
}
}  // namespace

void SIM_Musician::Resign() {
    active = false;
    SIM_Band& band = GetBand();
    band.RemoveMember(this);
    Screens().RefreshBandScreen();
    LoseFameForLeaving();
    // His letter opens while what he takes with him and his last remarks are still his.
    Screens().OpenResignation(*this);
    band.resignedToday = true;
    ++band.resignations;
    GetCareerHistory().Mark(kMarkResignation);
    ReleasePossessions();
    ForgetRemarks(*this);
    band.ModifyBandValue("band_motivation", GetTuningValue("RS_RESIGNATION_MORALE_BOOST"),
                         GetTuningValue("RS_MOTIVATION_DEGRADE"), "resignation");
}

void SIM_Musician::Fire() {
    GetBand().RemoveMember(this);
    GetCareerHistory().Mark(kMarkFiring);
    ReleasePossessions();
    ForgetRemarks(*this);
    Screens().RefreshBandScreen();
    LoseFameForLeaving();
}

const std::vector<SIM_Musician*>& AllMusicians() { return Registry(); }

SIM_Musician& CreateMusician() {
    Owned().push_back(std::make_unique<SIM_Musician>());
    return *Owned().back();
}

void DestroyMusician(SIM_Musician* musician) {
    if (!musician) return;
    // Whatever still points at him must let go first.
    if (SIM_Band* band = BandIfAny(); band && band->IsMember(musician)) band->RemoveMember(musician);
    while (!musician->relationships.empty()) DestroyRelationship(musician->relationships.back());
    musician->ReleasePossessions();
    while (GetDailyOptions().RemoveMessage(musician)) {
    }
    // His rehearsal record goes with him: the save writes every record it finds.
    ForgetRehearsalData(musician);
    std::erase_if(Owned(), [&](const auto& m) { return m.get() == musician; });
}

void DestroyAllMusicians() {
    DestroyAllRelationships();
    if (SIM_Band* band = BandIfAny()) band->members.clear();
    GetDailyOptions().ClearMessages();
    Owned().clear();
}

// ---- The player -----------------------------------------------------------------------

SIM_Milo::SIM_Milo() {
    gender = 1;
    forename = "You";
    fullname = forename + " " + surname;
}

void SIM_Milo::SetupFromAvatar(const std::string& avatar, const std::string& file) {
    const int letterGender = AvatarGender(avatar);
    if (letterGender < 0) FATAL_ERROR("avatar filename must start with m or f");
    gender = letterGender;
    // The player outlives every game, but a new game numbers its objects from the start again:
    // take the next number so no member of the new game can share the player's.
    SetSLID(TopSLID());
    SetTopSLID(TopSLID() + 1);
    forename = NewGameSettings().playerName;
    surname.clear();
    fullname = forename;
    portraitBase = avatar;
    attributes.name = "attributes";
    attributes.Clear();
    skills.Clear();
    const auto sheet = LoadSpreadsheet(file);
    for (const std::string& row : sheet->rows) {
        auto attribute = std::make_unique<SIM_Attribute>();
        attribute->LoadRow(row);
        SIM_NamedValueList& list = attribute->name.rfind("music_", 0) == 0 ? skills : attributes;
        list.Add(std::move(attribute));
    }
    instrument = INSTRUMENT_VOCALS;
    if (auto* vocals = dynamic_cast<SIM_Attribute*>(attributes.Find("attrib_vocals"))) vocals->alwaysshow = true;
    GetFame().ClearFameEffects();
    GetFame().RecalculateFame();
    RecalculateAttributes();
}

void SIM_Milo::RecalculateAttributes() {
    for (auto& value : attributes.values) value->Recalculate();
    for (auto& value : skills.values) value->Recalculate();
}

float SIM_Milo::GetValue(const std::string& name) const {
    if (name == "fame") return GetFame().fame;
    if (name == "income") return 0.0f;
    if (const SIM_NamedValue* v = attributes.Find(name)) return v->value;
    if (const SIM_NamedValue* v = skills.Find(name)) return v->value;
    return 0.0f;
}

float SIM_Milo::GetMusicSkill() const {
    const std::string skill = InstrumentSkill(instrument);
    const SIM_NamedValue* v = skill.empty() ? nullptr : skills.Find(skill);
    return v ? v->value : 0.0f;
}

void SIM_Milo::AddAttributeEffect(const std::string& name, const std::string& reason, float amount, float degrade) {
    GAME_ASSERT(amount > -1000.0f && amount < 1000.0f);
    if (name == "fame") {
        GetFame().AddFameEffect(amount, degrade, reason);
        return;
    }
    // The instrument skills ("music_guitar"...) live in the skills list: an effect aimed at one
    // reaches it as it reaches any attribute, rather than vanishing without a word.
    SIM_NamedValue* target = attributes.Find(name);
    if (!target) target = skills.Find(name);
    if (auto* attribute = dynamic_cast<SIM_Attribute*>(target)) {
        attribute->AddEffect(amount, degrade, reason);
        RecalculateAttributes();
    }
}

void SIM_Milo::Practice(float hours) {
    const float gap = 1.0f - GetValue("attrib_vocals");
    const float amount = GetTuningValue("MUSICIAN_PRACTICE_PROGRESS") * gap * hours;
    AddAttributeEffect("attrib_vocals", "singing", amount, GetTuningValue("RS_SINGING_DEGRADE"));
}

SIM_Effect* SIM_Milo::AddInspiration(float value, float degrade, const std::string& reason) {
    auto* inspiration = dynamic_cast<SIM_Attribute*>(attributes.Find("inspiration"));
    if (!inspiration) return nullptr;
    SIM_Effect& effect = inspiration->effects.Add(value, degrade, reason, true);
    RecalculateAttributes();
    return &effect;
}

void SIM_Milo::RemoveInspiration(const SIM_Effect* effect) {
    if (auto* inspiration = dynamic_cast<SIM_Attribute*>(attributes.Find("inspiration"))) {
        inspiration->effects.Destroy(effect);
        RecalculateAttributes();
    }
}

int AvatarGender(const std::string& avatar) {
    // The file name, not the folder, carries the gender letter.
    const std::size_t slash = avatar.find_last_of("/\\");
    const std::string name = slash == std::string::npos ? avatar : avatar.substr(slash + 1);
    if (!name.empty() && name[0] == 'm') return 0;
    if (!name.empty() && name[0] == 'f') return 1;
    return -1;
}

SIM_Milo& GetMilo() {
    if (!gMilo) gMilo = new SIM_Milo;
    return *gMilo;
}

void ResetMilo() {
    delete gMilo;
    gMilo = nullptr;
}
