#include "SIM_ModifierContainer.h"

#include "GHashTable.h"
#include "LibConfigSection.h"
#include "LibErrors.h"
#include "LibSpreadsheet.h"
#include "SIM_NamedValue.h"
#include "SIM_WorldSeams.h"

#include <algorithm>
#include <cctype>

namespace {
bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}
}  // namespace

void SIM_ModifierContainer::AddModifier(const std::string& text) {
    if (text.size() < 2 || !(IsLetter(text[0]) || text[0] == '_')) return;
    LibTokenizer cells(text);
    SIM_Modifier modifier;
    modifier.name = Trim(cells.Next());
    modifier.displayText = Translate("nv_" + modifier.name);
    const std::string amount = Trim(cells.Next());
    modifier.amount = !amount.empty() && amount[0] == '_' ? GetTuningValue(amount) : ParseLeadingFloat(amount);
    const std::string degrade = Trim(cells.Next());
    modifier.degrade = !degrade.empty() && (IsLetter(degrade[0]) || degrade[0] == '_') ? GetTuningValue(degrade)
                                                                                          : ParseLeadingFloat(degrade);
    modifier.source = label;
    modifier.degrade = std::clamp(modifier.degrade, 0.0f, 1.0f);
    modifier.amount = std::clamp(modifier.amount, -1.0f, 1.0f);
    modifiers.push_back(std::move(modifier));
}

void SIM_ModifierContainer::ApplyModifiers(float factor) const {
    SIM_WorldSeams& seams = WorldSeams();
    for (const SIM_Modifier& m : modifiers) {
        const float pushed = m.amount * factor;
        if (m.name.find("glob_") != std::string::npos) {
            if (SIM_NamedValue* value = Globals().Find(m.name)) {
                value->ApplyOperation("+=", pushed);
            } else {
                auto created = std::make_unique<SIM_NamedValue>(m.name, m.displayText, pushed);
                created->ApplyOperation("", 0.0f);  // a new world value starts within 0..1 too
                Globals().Add(std::move(created));
            }
        } else if (m.name.find("band_") != std::string::npos) {
            if (seams.applyBandModifier) seams.applyBandModifier(m.name, pushed, m.degrade);
            else REPORT_ERROR("No band to receive modifier " + m.name);
        } else {
            if (seams.applyPlayerModifier) seams.applyPlayerModifier(m.name, m.source, m.degrade, pushed);
            else REPORT_ERROR("No player to receive modifier " + m.name);
        }
    }
}
