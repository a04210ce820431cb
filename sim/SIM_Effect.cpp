#include "SIM_Effect.h"

#include <algorithm>

namespace {
// Registry of living effects; entries are added and removed only by the effects themselves.
// Never destroyed: effects held by singletons unregister during the program's exit, after a
// function-local registry would already be gone.
std::vector<SIM_Effect*>& Registry() {
    static auto* effects = new std::vector<SIM_Effect*>();
    return *effects;
}
}  // namespace

const std::vector<SIM_Effect*>& AllEffects() { return Registry(); }

SIM_Effect::SIM_Effect(float value_, float degrade_, std::string debugname_, bool clamped_)
    : degrade(degrade_), value(value_), debugname(std::move(debugname_)), clamped(clamped_) {
    Registry().push_back(this);
}

SIM_Effect::~SIM_Effect() {
    auto& all = Registry();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

void SIM_Effect::Decay() {
    value *= degrade;
    if (clamped) value = std::clamp(value, -1.0f, 1.0f);
}

SIM_EffectList::~SIM_EffectList() { Clear(); }

SIM_Effect& SIM_EffectList::Add(float value, float degrade, const std::string& debugname, bool clamped) {
    effects_.push_back(std::make_unique<SIM_Effect>(value, degrade, debugname, clamped));
    effects_.back()->owner = this;
    return *effects_.back();
}

void SIM_EffectList::Destroy(const SIM_Effect* effect) {
    auto it = std::find_if(effects_.begin(), effects_.end(), [&](const auto& e) { return e.get() == effect; });
    if (it != effects_.end()) effects_.erase(it);
}

void SIM_EffectList::DestroyNamed(const std::string& debugname) {
    std::erase_if(effects_, [&](const auto& e) { return e->debugname == debugname; });
}

void SIM_EffectList::Clear() {
    // Destroy from the back so each removal from the registry stays cheap.
    while (!effects_.empty()) effects_.pop_back();
}

float SIM_EffectList::Sum() const {
    float sum = 0.0f;
    for (const auto& e : effects_) sum += e->value;
    return sum;
}

void DecayAllEffects() {
    // By index: a derived Decay that creates an effect must not invalidate the walk.
    auto& all = Registry();
    for (std::size_t i = 0, n = all.size(); i < n && i < all.size(); ++i) all[i]->Decay();
    // Removing one expired effect never changes another's value, so a single pass in
    // creation order destroys exactly the effects a repeated first-match search would.
    std::vector<SIM_Effect*> expired;
    for (SIM_Effect* effect : Registry())
        if (effect->value > -0.001f && effect->value < 0.001f && effect->owner) expired.push_back(effect);
    // An effect without an owner list belongs to whoever made it and is left to them.
    for (SIM_Effect* effect : expired) effect->owner->Destroy(effect);
}
