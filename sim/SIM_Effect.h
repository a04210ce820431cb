#pragma once
// Temporary pushes on a value that shrink every day.
#include <memory>
#include <string>
#include <vector>

class SIM_EffectList;

class SIM_Effect {
public:
    SIM_Effect(float value, float degrade, std::string debugname, bool clamped);
    virtual ~SIM_Effect();
    SIM_Effect(const SIM_Effect&) = delete;
    SIM_Effect& operator=(const SIM_Effect&) = delete;

    // value *= degrade; a clamped effect stays within -1..1.
    virtual void Decay();

    float degrade;
    float value;
    std::string debugname;
    SIM_EffectList* owner = nullptr;
    bool clamped;
};

// An owner's effects in insertion order. Effects register in the list of all effects on
// creation; destroying one (here or in the daily decay) unlinks it from both lists.
class SIM_EffectList {
public:
    SIM_EffectList() = default;
    ~SIM_EffectList();
    SIM_EffectList(const SIM_EffectList&) = delete;
    SIM_EffectList& operator=(const SIM_EffectList&) = delete;

    SIM_Effect& Add(float value, float degrade, const std::string& debugname, bool clamped);
    // Destroys the effect if this list holds it.
    void Destroy(const SIM_Effect* effect);
    // Destroys every effect with this debug name; the rest keep their order.
    void DestroyNamed(const std::string& debugname);
    void Clear();

    float Sum() const;
    std::size_t Size() const { return effects_.size(); }
    bool Empty() const { return effects_.empty(); }
    const std::vector<std::unique_ptr<SIM_Effect>>& Effects() const { return effects_; }

private:
    std::vector<std::unique_ptr<SIM_Effect>> effects_;
};

// Every living effect, in creation order.
const std::vector<SIM_Effect*>& AllEffects();

// The daily step: every effect decays, then those within 0.001 of zero are destroyed.
void DecayAllEffects();
