#include "SIM_Personality.h"

#include "GHashTable.h"
#include "LibDebugLog.h"
#include "LibErrors.h"
#include "LibSpreadsheet.h"
#include "LibString.h"

#include <algorithm>
#include <memory>

namespace {
std::vector<SIM_Personality*>& Registry() {
    // Never destroyed: objects may leave it while the process exits.
    static auto* all = new std::vector<SIM_Personality*>;
    return *all;
}
// The loaded records; each also sits in the registry while it lives.
std::vector<std::unique_ptr<SIM_Personality>>& Owned() {
    // Never destroyed at exit: the registries its objects leave belong to other files.
    static auto* owned = new std::vector<std::unique_ptr<SIM_Personality>>;
    return *owned;
}
}  // namespace

SIM_Personality::SIM_Personality(std::string name_, std::string label_, std::string description_)
    : label(std::move(label_)), name(std::move(name_)), description(std::move(description_)) {
    Registry().push_back(this);
}

SIM_Personality::~SIM_Personality() {
    auto& all = Registry();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

std::string SIM_Personality::DescribeFor(const std::string& forename, int gender) const {
    std::string text = description;
    ReplaceToken(text, "<NAME>", forename);
    ReplaceToken(text, "<HE_SHE>", Translate(gender == 1 ? "SHE" : "HE"));
    return text;
}

const std::vector<SIM_Personality*>& AllPersonalities() { return Registry(); }

void DestroyAllPersonalities() { Owned().clear(); }

void LoadPersonalities(const std::string& file) {
    DestroyAllPersonalities();
    const auto sheet = LoadSpreadsheet(file);
    for (const std::string& row : sheet->rows) {
        LibTokenizer cells(row);
        cells.Next();
        std::string name = cells.NextText();
        std::string label = cells.NextText();
        std::string description = cells.NextText();
        Owned().push_back(std::make_unique<SIM_Personality>(std::move(name), std::move(label), std::move(description)));
    }
}

SIM_Personality* FindPersonality(const std::string& name) {
    GAME_ASSERT(!Registry().empty());
    for (SIM_Personality* p : Registry())
        if (p->name == name) return p;
    WriteDebugLine(FormatText("failed to find personality: (%s)", name.c_str()));
    return nullptr;
}
