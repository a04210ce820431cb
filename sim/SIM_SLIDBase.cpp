#include "SIM_SLIDBase.h"

#include "LibErrors.h"

#include <algorithm>

namespace {
int gNext = 0;

// Never destroyed, so objects that live until the program's exit can still unregister.
std::vector<SIM_SLIDBase*>& Registry() {
    static auto* objects = new std::vector<SIM_SLIDBase*>();
    return *objects;
}
}  // namespace

SIM_SLIDBase::SIM_SLIDBase() {
    GAME_ASSERT(gNext >= 0 && gNext < kSLIDLimit);
    slid_ = gNext++;
    Registry().push_back(this);
}

SIM_SLIDBase::~SIM_SLIDBase() {
    auto& all = Registry();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

int TopSLID() { return gNext; }
void SetTopSLID(int next) { gNext = next; }
void ResetSLIDCounter() { gNext = 0; }
const std::vector<SIM_SLIDBase*>& AllSLIDObjects() { return Registry(); }

SIM_SLIDBase* FindBySLID(int slid) {
    for (SIM_SLIDBase* o : Registry())
        if (o->GetSLID() == slid) return o;
    return nullptr;
}
