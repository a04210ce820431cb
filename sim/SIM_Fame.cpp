#include "SIM_Fame.h"

#include <algorithm>
#include <memory>

namespace {
std::unique_ptr<SIM_Fame> gFame;
}

SIM_Effect& SIM_Fame::AddFameEffect(float value, float degrade, const std::string& debugname) {
    SIM_Effect& effect = effects.Add(value, degrade, debugname, false);
    RecalculateFame();
    return effect;
}

void SIM_Fame::RecalculateFame() { fame = std::clamp(effects.Sum(), 0.0f, kMaxFame); }

void SIM_Fame::ClearFameEffects() { effects.Clear(); }

SIM_Fame& GetFame() {
    if (!gFame) gFame = std::make_unique<SIM_Fame>();
    return *gFame;
}
void ResetFame() { gFame.reset(); }
