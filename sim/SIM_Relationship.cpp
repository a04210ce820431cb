#include "SIM_Relationship.h"

#include "LibConfigSection.h"
#include "LibErrors.h"
#include "SIM_Band.h"
#include "SIM_Person.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {
std::vector<SIM_Relationship*>& Registry() {
    // Never destroyed: objects may leave it while the process exits.
    static auto* all = new std::vector<SIM_Relationship*>;
    return *all;
}
std::vector<std::unique_ptr<SIM_Relationship>>& Owned() {
    // Never destroyed at exit: the registries its objects leave belong to other files.
    static auto* owned = new std::vector<std::unique_ptr<SIM_Relationship>>;
    return *owned;
}
void Unlink(std::vector<SIM_Relationship*>& list, const SIM_Relationship* r) {
    list.erase(std::remove(list.begin(), list.end(), r), list.end());
}
}  // namespace

SIM_Relationship::SIM_Relationship(SIM_Musician* p1, SIM_Musician* p2) : P1(p1), P2(p2) {
    GAME_ASSERT(p1 != nullptr);
    GAME_ASSERT(p2 != nullptr);
    Registry().push_back(this);
}

SIM_Relationship::~SIM_Relationship() { Unlink(Registry(), this); }

SIM_Musician* SIM_Relationship::OtherPerson(const SIM_Musician* person) const {
    GAME_ASSERT(person != nullptr);
    return person == P1 ? P2 : P1;
}

const std::vector<SIM_Relationship*>& AllRelationships() { return Registry(); }

SIM_Relationship& CreateRelationship(SIM_Musician* p1, SIM_Musician* p2) {
    Owned().push_back(std::make_unique<SIM_Relationship>(p1, p2));
    return *Owned().back();
}

void DestroyRelationship(SIM_Relationship* relationship) {
    if (!relationship) return;
    if (relationship->P1) Unlink(relationship->P1->relationships, relationship);
    if (relationship->P2) Unlink(relationship->P2->relationships, relationship);
    std::erase_if(Owned(), [&](const auto& r) { return r.get() == relationship; });
}

void DestroyAllRelationships() {
    for (SIM_Musician* m : AllMusicians()) m->relationships.clear();
    Owned().clear();
}

SIM_Relationship* FindRelationship(const SIM_Musician* a, const SIM_Musician* b) {
    for (SIM_Relationship* r : Registry())
        if ((r->P1 == a && r->P2 == b) || (r->P1 == b && r->P2 == a)) return r;
    return nullptr;
}

void DegradeAllRelationships() {
    const float factor = GetTuningValue("RS_RELATIONSHIP_DEGRADE");
    for (SIM_Relationship* r : Registry()) r->value *= factor;
}

float AverageRelationship() {
    const auto& all = Registry();
    if (all.empty()) return 0.0f;
    float sum = 0.0f;
    for (const SIM_Relationship* r : all) sum += r->value;
    return std::clamp(sum / static_cast<float>(all.size()), -1.0f, 1.0f);
}

float Jealousy(const SIM_Relationship& relationship) {
    float gap = std::fabs(relationship.P1->possessionValue - relationship.P2->possessionValue);
    gap = std::min(gap, 500.0f) / 500.0f;
    return std::min(gap, GetTuningValue("RS_JEALOUSY_LIMIT"));
}

void UpdateRelationships(float scale) {
    SIM_Band& band = GetBand();
    const float peace = 1.0f + static_cast<float>(band.CountMembersWithTrait("peacemaker")) *
                                   GetTuningValue("RS_PEACEMAKER_EFFECT");
    const float disrupt = 1.0f + static_cast<float>(band.CountMembersWithTrait("disruptor")) *
                                     GetTuningValue("RS_DISRUPTOR_EFFECT");
    for (SIM_Relationship* r : Registry()) {
        if (!r->P1 || !r->P2) continue;
        const float d = std::fabs(r->P1->chemistry - r->P2->chemistry);
        float delta = d > 0.5f ? -(Jealousy(*r) + d) * disrupt : (0.5f - d) * peace;
        const float lower = std::min(r->P1->happiness, r->P2->happiness);
        if (lower < GetTuningValue("RS_LOW_MOTIV_RELATIONSHIP")) delta = delta > 0.0f ? delta * 0.5f : delta * 2.0f;
        r->value = std::clamp(r->value + GetTuningValue("RS_RELATIONSHIP_MULTIPLIER") * delta * scale, -1.0f, 1.0f);
    }
}
