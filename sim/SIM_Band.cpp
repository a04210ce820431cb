#include "SIM_Band.h"

#include "LibConfigSection.h"
#include "LibErrors.h"
#include "LibRandom.h"
#include "LibSpreadsheet.h"
#include "SIM_Attribute.h"
#include "SIM_Names.h"
#include "SIM_PeopleSeams.h"
#include "SIM_Person.h"
#include "SIM_Relationship.h"
#include "SIM_Screens.h"

#include <algorithm>
#include <memory>

namespace {
// Left alive at exit: its values leave registries that belong to other files.
SIM_Band* gBand = nullptr;

float Mean(const std::vector<SIM_Musician*>& members, float (*of)(const SIM_Musician&)) {
    if (members.empty()) return 0.0f;
    float sum = 0.0f;
    for (const SIM_Musician* m : members) sum += of(*m);
    return sum / static_cast<float>(members.size());
}
float StressOf(const SIM_Musician& m) { return m.Stress(); }
float HappinessOf(const SIM_Musician& m) { return m.happiness; }
}  // namespace

SIM_Band::SIM_Band() { LoadBandData(); }

void SIM_Band::LoadBandData(const std::string& file) {
    bandValues.Clear();
    const auto sheet = LoadSpreadsheet(file);
    for (const std::string& row : sheet->rows) {
        auto attribute = std::make_unique<SIM_Attribute>();
        attribute->LoadRow(row);
        bandValues.Add(std::move(attribute));
    }
    Name = NewGameSettings().bandName;
    YearCount = 0;
}

bool SIM_Band::IsMember(const SIM_Musician* musician) const {
    return std::find(members.begin(), members.end(), musician) != members.end();
}

void SIM_Band::AddMember(SIM_Musician* musician) {
    GAME_ASSERT(musician != nullptr);
    if (!musician || IsMember(musician)) return;
    members.push_back(musician);
    RecalculateBandValues();
    SIM_PeopleSeams& seams = PeopleSeams();
    if (musician->songElement && seams.songElementJoins) seams.songElementJoins(musician->songElement, musician);
    SIM_Milo& player = GetMilo();
    player.AddAttributeEffect("inspiration", "new musician", GetTuningValue("RS_NEWMEMBER_INSPIRATION"),
                              GetTuningValue("RS_NEWMEMBER_INSPIRATION_DEG"));
    if (musician->HasTrait("imaginitive"))
        if (SIM_Effect* boost = player.AddInspiration(GetTuningValue("RS_IMAGINITIVE_INSPIRATION_BOOST"), 1.0f,
                                                      "imaginitive"))
            musician->inspirations.push_back(boost);
    // The fresh lists hold bases, not the mood pictures.
    GetPortraitDatabase().MarkPortraitUsed(musician->portraitBase);
    for (SIM_Musician* other : members) {
        if (other == musician) continue;
        SIM_Relationship& r = CreateRelationship(musician, other);
        other->relationships.push_back(&r);
        musician->relationships.push_back(&r);
    }
    Screens().RefreshBandScreen();
}

void SIM_Band::RemoveMember(SIM_Musician* musician) {
    GAME_ASSERT(musician != nullptr);
    if (!musician) return;
    std::erase(members, musician);
    SIM_PeopleSeams& seams = PeopleSeams();
    if (musician->songElement && seams.songElementLeaves) seams.songElementLeaves(musician->songElement, musician);
    for (SIM_Effect* effect : musician->inspirations) GetMilo().RemoveInspiration(effect);
    musician->inspirations.clear();
    for (SIM_Musician* other : members) {
        SIM_Relationship* r = FindRelationship(musician, other);
        GAME_ASSERT(r != nullptr);
        DestroyRelationship(r);
    }
    Screens().RefreshBandScreen();
}

float SIM_Band::GetBandValue(const std::string& name) const {
    if (const SIM_NamedValue* v = bandValues.Find(name)) return v->value;
    if (name == "band_stress") return Mean(members, StressOf);
    REPORT_ERROR("failed to find band value");
    return 0.0f;
}

bool SIM_Band::IsModifiableBandValue(const std::string& name) {
    static const char* const kKeys[] = {"band_hype",       "band_live_experience", "band_rehearsal",
                                        "band_motivation", "band_stress",          "band_boredom"};
    return std::any_of(std::begin(kKeys), std::end(kKeys), [&](const char* k) { return name == k; });
}

void SIM_Band::ModifyBandValue(const std::string& name, float amount, float degrade, const std::string& reason) {
    if (name == "band_hype") {
        auto* hype = dynamic_cast<SIM_Attribute*>(bandValues.Find("band_hype"));
        GAME_ASSERT(hype != nullptr);
        if (hype) hype->AddEffect(amount, degrade, reason);
        return;
    }
    // Checked before any member is touched, and also for an empty band.
    if (!IsModifiableBandValue(name)) FATAL_ERROR("Band attribute not recognised");
    SIM_PeopleSeams& seams = PeopleSeams();
    for (SIM_Musician* m : members) {
        if (name == "band_live_experience") m->liveExperience.AddEffect(amount, degrade, reason);
        else if (name == "band_rehearsal") {
            if (seams.raiseReadiness) seams.raiseReadiness(*m, amount);
        } else if (name == "band_motivation") m->AddMotivation(reason, amount, degrade);
        else if (name == "band_stress") m->AddStress(reason, amount, degrade);
        else m->ReduceBoredom(amount);
    }
    RecalculateBandValues();
}

void SIM_Band::SetDerived(const std::string& name, float value) {
    if (SIM_NamedValue* v = bandValues.Find(name)) {
        v->value = value;
        return;
    }
    if (std::find(reportedMissing_.begin(), reportedMissing_.end(), name) != reportedMissing_.end()) return;
    reportedMissing_.push_back(name);
    REPORT_ERROR("band value missing from band.csv: " + name);
}

void SIM_Band::RecalculateBandValues() {
    for (auto& v : bandValues.values) v->Recalculate();

    const auto& level = PeopleSeams().rehearsalLevel;
    float sum = 0.0f, low = 1.0f;
    for (const SIM_Musician* m : members) {
        const float r = level ? level(*m) : 0.0f;
        sum += r;
        low = std::min(low, r);
    }
    const float mean = members.empty() ? 0.0f : sum / static_cast<float>(members.size());
    SetDerived("band_rehearsal", std::min(mean, 2.0f * low + 0.1f));
    SetDerived("band_stress", Mean(members, StressOf));
    SetDerived("band_chemistry", (AverageRelationship() + 1.0f) * 0.5f);

    const SIM_Milo& player = GetMilo();
    const float people = static_cast<float>(members.size() + 1);
    float ability = player.GetMusicSkill(), live = player.GetValue("live_experience");
    for (const SIM_Musician* m : members) {
        ability += m->ability;
        live += m->LiveExperience();
    }
    SetDerived("band_musicianship", ability / people);
    SetDerived("band_live_experience", live / people);
    SetDerived("band_motivation", MeanHappiness());
    RecalculateMembers();
}

void SIM_Band::RecalculateMembers() {
    for (SIM_Musician* m : members) m->Recalculate();
}

void SIM_Band::UpdateBandStress() { SetDerived("band_stress", Mean(members, StressOf)); }

float SIM_Band::MeanHappiness() const { return Mean(members, HappinessOf); }

void SIM_Band::DailyUpdate() {
    const std::vector<SIM_Musician*> today = members;
    for (SIM_Musician* m : today) m->DailyUpdate();
    resignedToday = false;
}

void SIM_Band::Practice(float hours) {
    for (SIM_Musician* m : members) m->PracticeProgress(hours);
    GetMilo().Practice(hours);
}

int SIM_Band::CountMembersWithTrait(const std::string& name) const {
    return static_cast<int>(std::count_if(members.begin(), members.end(), [&](const SIM_Musician* m) {
        return m->HasTrait(name);
    }));
}

SIM_Musician* SIM_Band::FindMemberByInstrument(int instrument) const {
    for (SIM_Musician* m : members)
        if (m->instrument == instrument) return m;
    return nullptr;
}

bool SIM_Band::HasFullLineup() const {
    if (members.empty()) return false;
    const int own = GetMilo().instrument;
    auto covered = [&](int instrument) { return own == instrument || FindMemberByInstrument(instrument); };
    return covered(INSTRUMENT_DRUMS) && covered(INSTRUMENT_BASS) &&
           (covered(INSTRUMENT_SAXOPHONE) || covered(INSTRUMENT_GUITAR) || covered(INSTRUMENT_KEYBOARD));
}

SIM_Musician* SIM_Band::BestMember() const {
    SIM_Musician* best = nullptr;
    float top = -1.0f;
    for (SIM_Musician* m : members)
        if (m->ability > top) {
            top = m->ability;
            best = m;
        }
    GAME_ASSERT(best != nullptr);
    return best;
}

SIM_Musician* SIM_Band::RandomMember() const {
    if (members.empty()) return nullptr;
    return members[static_cast<std::size_t>(RandomIndex(static_cast<int>(members.size())))];
}

float SIM_Band::BandCharisma() const {
    return std::clamp(static_cast<float>(CountMembersWithTrait("charismatic")) * GetTuningValue("RS_CHARISMA_BOOST"),
                      0.0f, 1.0f);
}

void SIM_Band::PickWantedAssets() {
    for (SIM_Musician* m : members) m->PickWantedAsset();
}

void SIM_Band::RemoveEffectsNamed(const std::string& reason) {
    for (SIM_Musician* m : members) m->RemoveStressEffects(reason);
    for (auto& v : bandValues.values)
        if (auto* attribute = dynamic_cast<SIM_Attribute*>(v.get())) attribute->effects.DestroyNamed(reason);
    // Worked out again as the day does: an attribute's own sum would leave the values derived
    // from the members (musicianship, motivation...) at their bare effects until the next day.
    RecalculateBandValues();
}

SIM_Band& GetBand() {
    if (!gBand) gBand = new SIM_Band;
    return *gBand;
}

SIM_Band* BandIfAny() { return gBand; }

void ResetBand() {
    delete gBand;
    gBand = nullptr;
}
