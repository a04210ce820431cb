#include "SIM_RivalBands.h"

#include "GHashTable.h"
#include "LibConfigSection.h"
#include "LibErrors.h"
#include "LibRandom.h"
#include "LibSpreadsheet.h"
#include "LibString.h"
#include "SIM_CatalogueRows.h"
#include "SIM_Finances.h"
#include "SIM_Person.h"
#include "SIM_Song.h"

#include <algorithm>

namespace {
std::vector<std::unique_ptr<SIM_OtherBand>> gBands;
std::vector<SIM_OtherBand*> gAvailable;
std::vector<std::unique_ptr<SIM_OtherGig>> gGigs;

void RefillAvailable() {
    gAvailable.clear();
    for (const auto& band : gBands) gAvailable.push_back(band.get());
}

std::string WithBand(const std::string& key, const SIM_OtherBand& band) {
    std::string text = Translate(key);
    ReplaceToken(text, "<BAND>", band.displayName);
    ReplaceToken(text, "<VENUE>", band.displayName);
    return text;
}

SIM_OtherGig& AddGig(SIM_OtherBand& band, const SIM_DayDate& date) {
    auto gig = std::make_unique<SIM_OtherGig>();
    gig->band = &band;
    gig->date = date;
    gGigs.push_back(std::move(gig));
    GetCalendar().AddCalendarEntry(date.day, date.month, date.year, WithBand("OTHERGIG_CALENDAR", band),
                                   "calender_note.dds");
    return *gGigs.back();
}
}  // namespace

void SIM_OtherBand::LoadFromRow(const std::string& row) {
    LibTokenizer cells(row);
    cells.Next();  // the data-row marker
    number = cells.NextFloat();
    ticketCost = std::max(0.0f, cells.NextFloat());
    key = cells.NextText();
    displayName = cells.NextText();
    elementName = cells.NextText();
    description = cells.NextText();
    picture = cells.NextText();
    review = cells.NextText();
    backdrop = cells.NextText();
    inspiration = cells.NextFloat();
    label = key;
    while (!cells.AtEnd()) AddModifier(cells.NextText());
    element = FindSongElement(elementName);
    GAME_ASSERT(element != nullptr);
}

void DestroyAllRivalBands() {
    gGigs.clear();
    gAvailable.clear();
    gBands.clear();
}

void LoadRivalBands(const std::string& path) {
    DestroyAllRivalBands();
    AppendCatalogueRows(path, gBands);
    RefillAvailable();
}

const std::vector<std::unique_ptr<SIM_OtherBand>>& RivalBands() { return gBands; }
const std::vector<SIM_OtherBand*>& AvailableRivalBands() { return gAvailable; }
const std::vector<std::unique_ptr<SIM_OtherGig>>& RivalGigs() { return gGigs; }

SIM_OtherBand* FindRivalBand(const std::string& key) {
    for (const auto& band : gBands)
        if (band->key == key) return band.get();
    return nullptr;
}

SIM_OtherGig* CheckRivalBand() {
    if (!RandomChance(GetTuningValue("RS_OTHER_BAND_CHANCE"))) return nullptr;
    if (gAvailable.empty()) RefillAvailable();
    if (gAvailable.empty()) {
        REPORT_ERROR("No available bands");
        return nullptr;
    }
    const auto pick = gAvailable.begin() + RandomIndex(static_cast<int>(gAvailable.size()));
    SIM_OtherBand& band = **pick;
    gAvailable.erase(pick);
    return &ScheduleRivalGig(band);
}

SIM_OtherGig& ScheduleRivalGig(SIM_OtherBand& band) {
    SIM_DateRecord when = GetSIMDate().GetDate();
    const int ahead = static_cast<int>(GetTuningValue("RS_OTHERGIG_DAYSAHEAD"));
    for (int i = 0; i < ahead; ++i) when = when.Next();
    return AddGig(band, when.Date());
}

SIM_OtherGig* RestoreRivalGig(const std::string& bandKey, const SIM_DayDate& date) {
    SIM_OtherBand* band = FindRivalBand(bandKey);
    GAME_ASSERT(band != nullptr);
    if (!band) return nullptr;
    std::erase(gAvailable, band);
    return &AddGig(*band, date);
}

bool RemoveEndedRivalGig() {
    // A gig dated before today (from an old save) would otherwise stay for good.
    const SIM_DayDate today = GetSIMDate().GetDate().Date();
    const auto it = std::find_if(gGigs.begin(), gGigs.end(), [&](const auto& g) { return !IsBefore(today, g->date); });
    if (it == gGigs.end()) return false;
    gGigs.erase(it);
    return true;
}

bool CanAffordRivalGig(const SIM_OtherGig& gig) { return GetFinances().cash >= gig.band->ticketCost; }

void CheckRivalGigDay() {
    const SIM_DayDate today = GetSIMDate().GetDate().Date();
    for (const auto& gig : gGigs) {
        if (!(gig->date == today)) continue;
        std::string text = WithBand("OTHERGIG_CHOICE_INFO", *gig->band);
        ReplaceToken(text, "<COST>", FormatText("%.2f", static_cast<double>(gig->band->ticketCost)));
        GetDailyOptions().AddDailyOption(gig.get(), OPTION_RIVAL_GIG, WithBand("GIG_REMINDER", *gig->band), text,
                                         "option_othergig.jpg", CanAffordRivalGig(*gig));
    }
}

bool WatchRivalGig(SIM_OtherGig& gig) {
    // The daily option is judged at dawn; the cash may have gone since.
    if (gig.watched || !CanAffordRivalGig(gig)) return false;
    gig.watched = true;
    SIM_OtherBand& band = *gig.band;
    GetFinances().cash -= band.ticketCost;
    if (band.element) UnlockSongElementForGood(*band.element);
    GetMilo().AddAttributeEffect("inspiration", band.key, band.inspiration,
                                 GetTuningValue("RS_OTHERBAND_INSPIRE_DEGRADE"));
    return true;
}

SIM_RivalGigScreenModel::SIM_RivalGigScreenModel(SIM_OtherGig& gig) {
    const SIM_OtherBand& band = *gig.band;
    watched = WatchRivalGig(gig);
    title = band.displayName;
    description = band.description;
    picture = band.picture;
    review = band.review;
    backdrop = band.backdrop;
    finishLabel = Translate("OTHERGIG_FINISH");
    if (!watched) return;
    unlocked = WithBand("OTHERGIG_UNLOCKED", band);
    ReplaceToken(unlocked, "<ELEMENT>", band.element ? band.element->label : band.elementName);
    inspiration = WithBand("OTHERGIG_INSPIRATION", band);
    ReplaceToken(inspiration, "<AMOUNT>", FormatText("%d", static_cast<int>(band.inspiration * 100.0f)));
}
