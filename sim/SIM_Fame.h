#pragma once
// The band's fame: the sum of decaying fame effects, kept within 0..500.
#include "SIM_Effect.h"

#include <string>

class SIM_Fame {
public:
    static constexpr float kMaxFame = 500.0f;

    // An unclamped effect: fame points that fade (or, when negative, recover) by degrade daily.
    SIM_Effect& AddFameEffect(float value, float degrade, const std::string& debugname);
    void RecalculateFame();
    void ClearFameEffects();

    SIM_EffectList effects;
    float fame = 0.0f;
};

SIM_Fame& GetFame();
void ResetFame();
