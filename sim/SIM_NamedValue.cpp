#include "SIM_NamedValue.h"

#include "LibErrors.h"

#include <algorithm>
#include <cmath>

namespace {
// Never destroyed, so lists that live until the program's exit can still unregister.
std::vector<SIM_NamedValueList*>& Registry() {
    static auto* lists = new std::vector<SIM_NamedValueList*>();
    return *lists;
}
std::unique_ptr<SIM_NamedValueList> gGlobals;
}  // namespace

void SIM_NamedValue::ApplyOperation(const std::string& op, float amount) {
    if (op == "+=") value += amount;
    else if (op == "-=") value -= amount;
    else if (op == "*=") value *= amount;
    else if (op == "/=") value /= amount;
    // Dividing by zero gives an infinity (clamped to 1 below) or, for 0/0, a NaN that must
    // not leak into the simulation.
    if (std::isnan(value)) value = 0.0f;
    value = std::clamp(value, 0.0f, 1.0f);
}

SIM_NamedValueList::SIM_NamedValueList(std::string name_) : name(std::move(name_)) { Registry().push_back(this); }

SIM_NamedValueList::~SIM_NamedValueList() {
    auto& all = Registry();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

SIM_NamedValue* SIM_NamedValueList::Find(const std::string& valueName) const {
    for (const auto& v : values)
        if (v->name == valueName) return v.get();
    return nullptr;
}

float SIM_NamedValueList::GetValue(const std::string& valueName) const {
    const SIM_NamedValue* v = Find(valueName);
    if (!v) FATAL_ERROR("Value not found");
    return v->value;
}

bool SIM_NamedValueList::IsSet(const std::string& valueName) const {
    const SIM_NamedValue* v = Find(valueName);
    return v && v->value != 0.0f;
}

SIM_NamedValue& SIM_NamedValueList::Add(std::unique_ptr<SIM_NamedValue> value) {
    values.push_back(std::move(value));
    return *values.back();
}

void SIM_NamedValueList::Clear() { values.clear(); }

const std::vector<SIM_NamedValueList*>& AllNamedValueLists() { return Registry(); }

SIM_NamedValueList& Globals() {
    if (!gGlobals) gGlobals = std::make_unique<SIM_NamedValueList>("globals");
    return *gGlobals;
}

void ResetGlobals() { gGlobals.reset(); }
