#include "SIM_Attribute.h"

#include "LibErrors.h"
#include "LibSpreadsheet.h"
#include "LibString.h"
#include "SIM_Screens.h"

#include <algorithm>

namespace {
// Never destroyed, so attributes that live until the program's exit can still unregister.
std::vector<SIM_Attribute*>& Registry() {
    static auto* attributes = new std::vector<SIM_Attribute*>();
    return *attributes;
}
}  // namespace

const std::vector<SIM_Attribute*>& AllAttributes() { return Registry(); }

SIM_Attribute* FindAttribute(const std::string& name) {
    for (SIM_Attribute* a : Registry())
        if (a->name == name) return a;
    return nullptr;
}

SIM_Attribute::SIM_Attribute() { Registry().push_back(this); }

SIM_Attribute::~SIM_Attribute() {
    auto& all = Registry();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
    // Children that fed into this attribute must not point at it any more.
    for (SIM_Attribute* a : all)
        if (a->parent == this) a->parent = nullptr;
}

void SIM_Attribute::LoadRow(const std::string& row) {
    LibTokenizer cells(row);
    cells.Next();  // the "#" marker
    name = cells.NextText();
    guiname = cells.NextText();
    basevalue = cells.NextFloat();
    alwaysshow = cells.NextInt() != 0;
    highisgood = cells.NextInt() != 0;
    description = cells.NextText();
    const std::string side = cells.NextText();
    if (side == "above") criteria = kAbove;
    else if (side == "below") criteria = kBelow;
    warnlimit = cells.NextFloat();
    const std::string parentName = cells.NextText();
    if (!parentName.empty()) {
        parent = FindAttribute(parentName);
        // A row naming itself or a later row has no parent yet.
        if (!parent || parent == this) FATAL_ERROR("Error finding parent attribute");
        parentWeight = cells.NextFloat();
    }
}

void SIM_Attribute::Recalculate() { value = std::clamp(basevalue + effects.Sum(), 0.0f, 1.0f); }

SIM_Effect& SIM_Attribute::AddEffect(float amount, float degrade, const std::string& debugname) {
    SIM_Effect& effect = effects.Add(amount, degrade, debugname, true);
    Recalculate();
    float shown = effect.value;
    // Parents only show the change; their own values are left alone. The step limit guards
    // against a parent chain that loops back on itself.
    int steps = 0;
    for (SIM_Attribute* a = this; a && steps < 64; a = a->parent, ++steps) {
        if (a->indicator) Screens().ShowFloatingChange(*a->indicator, shown);
        shown *= a->parentWeight;
    }
    return effect;
}

void SIM_Attribute::RemoveEffects(const std::string& debugname) {
    effects.DestroyNamed(debugname);
    Recalculate();
}

void SIM_Attribute::OnClicked() {
    Screens().PlaySound("data/sounds/click.ogg");
    Screens().OpenAttributeDetail(*this);
}
