#pragma once
// A named value made of a base value plus decaying effects, loaded from a catalogue row.
#include "SIM_Effect.h"
#include "SIM_NamedValue.h"

class SIM_Indicator;

class SIM_Attribute : public SIM_NamedValue {
public:
    enum Criteria : int { kAbove = 0, kBelow = 1, kNeither = 2 };

    SIM_Attribute();
    ~SIM_Attribute() override;

    // Cells after "#": name, guiname, basevalue, alwaysshow, highisgood, description,
    // criteria, warnlimit, parent, parent weight. A parent must already exist.
    void LoadRow(const std::string& row);
    // value = basevalue + the effects, clamped to 0..1.
    void Recalculate() override;
    // Adds a clamped effect, recalculates and shows the change on this bar and its parents'.
    SIM_Effect& AddEffect(float amount, float degrade, const std::string& debugname);
    void RemoveEffects(const std::string& debugname);
    void OnClicked() override;

    bool alwaysshow = false;
    bool highisgood = false;
    float basevalue = 0.0f;
    std::string description;
    SIM_EffectList effects;
    int criteria = kNeither;
    float warnlimit = 0.0f;
    const SIM_Indicator* indicator = nullptr;
    SIM_Attribute* parent = nullptr;
    float parentWeight = 1.0f;
};

// Every living attribute, in creation order.
const std::vector<SIM_Attribute*>& AllAttributes();
// The first living attribute of that name, or null.
SIM_Attribute* FindAttribute(const std::string& name);
