#include "SIM_Charity.h"

#include "GHashTable.h"
#include "LibConfigSection.h"
#include "LibErrors.h"
#include "LibRandom.h"
#include "LibSpreadsheet.h"
#include "LibString.h"
#include "SIM_CatalogueRows.h"
#include "SIM_DailyOptions.h"
#include "SIM_Fame.h"
#include "SIM_Song.h"
#include "SIM_Venue.h"
#include "SIM_WorldSeams.h"

#include <algorithm>

namespace {
// A venue kept for testing; no band is ever sent there.
constexpr const char* kTestVenue = "TEST VENUE";
constexpr float kCharityFameReach = 2.0f;

std::vector<std::unique_ptr<SIM_Charity>> gCharities;
bool gCharitiesLoaded = false;
std::vector<std::unique_ptr<SIM_Gig>> gOffered;

bool IsTestVenue(const SIM_Venue& venue) { return venue.displayName == kTestVenue || venue.key == kTestVenue; }

std::string WithCharity(const std::string& key, const SIM_Charity& charity, const SIM_Venue& venue) {
    std::string text = Translate(key);
    ReplaceToken(text, "<NAME>", charity.displayName);
    ReplaceToken(text, "<VENUE>", venue.displayName);
    return text;
}
}  // namespace

void SIM_Charity::LoadFromRow(const std::string& row) {
    LibTokenizer cells(row);
    cells.Next();  // the data-row marker
    key = cells.NextText();
    displayName = cells.NextText();
    picture = cells.NextText();
    note = cells.NextText();
}

void LoadCharities(const std::string& path) {
    gCharities.clear();
    gCharitiesLoaded = true;
    AppendCatalogueRows(path, gCharities);
}

const std::vector<std::unique_ptr<SIM_Charity>>& Charities() {
    if (!gCharitiesLoaded) LoadCharities();
    return gCharities;
}

SIM_Charity* FindCharity(const std::string& key) {
    for (const auto& charity : Charities())
        if (charity->key == key) return charity.get();
    return nullptr;
}

const std::vector<std::unique_ptr<SIM_Gig>>& OfferedCharityGigs() { return gOffered; }
void ClearOfferedCharityGigs() { gOffered.clear(); }

SIM_Venue* ChooseCharityVenue() {
    const float reach = GetFame().fame * kCharityFameReach;
    SIM_Venue* best = nullptr;
    for (const auto& venue : Venues()) {
        if (IsTestVenue(*venue) || venue->minimumFame > reach) continue;
        if (!best || venue->capacity > best->capacity) best = venue.get();
    }
    return best;
}

SIM_Charity* PickCharity() {
    const auto& charities = Charities();
    if (charities.empty()) return nullptr;
    return charities[static_cast<std::size_t>(RandomIndex(static_cast<int>(charities.size())))].get();
}

void CheckCharityGig() {
    // An offer taken up has moved to the booked gigs; whatever is left here lapsed.
    gOffered.clear();
    if (!AskSeam(WorldSeams().isLineupComplete, false)) return;
    if (!HasSongsForGig()) return;
    if (!RandomChance(GetTuningValue("RS_CHARITY_GIG_CHANCE"))) return;
    SIM_Venue* venue = ChooseCharityVenue();
    GAME_ASSERT(venue != nullptr);
    SIM_Charity* charity = PickCharity();
    // Without a charity catalogue there is nobody to play for.
    if (!venue || !charity) return;
    auto gig = std::make_unique<SIM_Gig>();
    gig->type = GIG_CHARITY;
    gig->venue = venue;
    gig->charity = charity;
    GetDailyOptions().AddDailyOption(gig.get(), OPTION_CHARITY_GIG,
                                     WithCharity("DAILY_OPTIONS_CHARITYGIG_TITLE", *charity, *venue),
                                     WithCharity("DAILY_OPTIONS_CHARITYGIG_TEXT", *charity, *venue), charity->picture,
                                     true);
    gOffered.push_back(std::move(gig));
}

bool TakeUpCharityGig(SIM_OptionSubject* offered) {
    const auto it = std::find_if(gOffered.begin(), gOffered.end(), [&](const auto& g) { return g.get() == offered; });
    if (it == gOffered.end()) {
        REPORT_ERROR("Charity gig is no longer on offer");
        return false;
    }
    std::unique_ptr<SIM_Gig> gig = std::move(*it);
    gOffered.erase(it);
    BookGig(std::move(gig));
    return true;
}

void ResetCharities() {
    gOffered.clear();
    gCharities.clear();
    gCharitiesLoaded = false;
}
