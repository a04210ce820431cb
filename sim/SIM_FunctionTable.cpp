#include "SIM_FunctionTable.h"

#include "LibErrors.h"
#include "LibString.h"
#include "SIM_Screens.h"

#include <memory>

namespace {
std::unique_ptr<SIM_FunctionTable> gTable;
}

SIM_FunctionTable::SIM_FunctionTable() {
    RegisterHook("practice", [] { Screens().OpenPractice(); });
    RegisterHook("shopping", [] { Screens().OpenShopping(); });
}

void SIM_FunctionTable::RegisterHook(const std::string& name, Function function) {
    entries_.push_back(Entry{std::move(function), name});
}

void SIM_FunctionTable::CallHook(const std::string& name) const {
    for (const Entry& e : entries_) {
        if (e.name != name) continue;
        if (e.function) e.function();
        return;
    }
    FATAL_ERROR(FormatText("Hook not found: %s", name.c_str()));
}

bool SIM_FunctionTable::HasHook(const std::string& name) const {
    for (const Entry& e : entries_)
        if (e.name == name) return true;
    return false;
}

SIM_FunctionTable& GetFunctionTable() {
    if (!gTable) gTable = std::make_unique<SIM_FunctionTable>();
    return *gTable;
}

void ResetFunctionTable() { gTable.reset(); }
