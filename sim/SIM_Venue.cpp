#include "SIM_Venue.h"

#include "GHashTable.h"
#include "LibConfigSection.h"
#include "LibErrors.h"
#include "LibSpreadsheet.h"
#include "LibString.h"
#include "SIM_Asset.h"
#include "SIM_Fame.h"
#include "SIM_Finances.h"
#include "SIM_PeopleSeams.h"
#include "SIM_SIM.h"
#include "SIM_Screens.h"
#include "SIM_Song.h"
#include "SIM_WorldSeams.h"

#include <algorithm>

namespace {
constexpr const char* kCancelledPicture = "option_yourgig_cancelled.jpg";

std::vector<std::unique_ptr<SIM_Venue>> gVenues;
std::vector<std::unique_ptr<SIM_Gig>> gOffers;
std::vector<std::unique_ptr<SIM_Gig>> gBooked;
bool gVenueBored = false;

std::string WithVenue(const std::string& key, const SIM_Venue& venue) {
    std::string text = Translate(key);
    ReplaceToken(text, "<VENUE>", venue.displayName);
    return text;
}

// Takes the gig out of a list; null when the list does not hold it.
std::unique_ptr<SIM_Gig> Detach(std::vector<std::unique_ptr<SIM_Gig>>& list, const SIM_Gig& gig) {
    const auto it = std::find_if(list.begin(), list.end(), [&](const auto& g) { return g.get() == &gig; });
    if (it == list.end()) return nullptr;
    std::unique_ptr<SIM_Gig> out = std::move(*it);
    list.erase(it);
    return out;
}
}  // namespace

void SIM_Venue::LoadFromRow(const std::string& row) {
    LibTokenizer cells(row);
    cells.Next();  // the data-row marker
    key = cells.NextText();
    displayName = cells.NextText();
    const std::string typeName = cells.NextText();
    if (typeName == "LOCAL") type = VENUE_LOCAL;
    else if (typeName == "DISTANT") type = VENUE_DISTANT;
    else FatalError("SIM_Venue", "Invalid venue type", __LINE__);
    minimumFame = cells.NextFloat();
    fameAverageShow = cells.NextFloat();
    famePerfectShow = cells.NextFloat();
    capacity = cells.NextInt();
    rental = cells.NextFloat();
    needsManager = cells.NextInt() != 0;
    ticketPrice = cells.NextFloat();
    playingDifficulty = cells.NextFloat();
    stageShowDifficulty = cells.NextFloat();
    stageSize = cells.NextFloat();
    text = cells.NextText();
    picture = cells.NextText();
    backdrop = cells.NextText();
}

void DestroyAllVenues() {
    ClearGigs();
    gVenues.clear();
}

void LoadVenues(const std::string& path) {
    DestroyAllVenues();
    const auto sheet = LoadSpreadsheet(path);
    for (const std::string& row : sheet->rows) {
        auto venue = std::make_unique<SIM_Venue>();
        venue->LoadFromRow(row);
        gVenues.push_back(std::move(venue));
    }
}

const std::vector<std::unique_ptr<SIM_Venue>>& Venues() { return gVenues; }

SIM_Venue* FindVenue(const std::string& key) {
    for (const auto& venue : gVenues)
        if (venue->key == key) return venue.get();
    return nullptr;
}

void DecayVenueBoredom() {
    const float decrease = GetTuningValue("RS_VENUE_BOREDOM_DECREASE");
    for (const auto& venue : gVenues) venue->boredom = std::clamp(venue->boredom - decrease, 0.0f, 1.0f);
}

bool CanReachVenue(const SIM_Venue& venue) {
    if (venue.type == VENUE_LOCAL) return true;
    return BandOwns("cheap van") || BandOwns("tour bus");
}

float GetVenueFameFactor(const SIM_Venue& venue, float score) {
    if (score < 0.2f) return -0.2f * (0.2f - score) / 0.2f;
    if (score <= 0.5f) return 0.0f;
    return venue.fameAverageShow + (venue.famePerfectShow - venue.fameAverageShow) * (score - 0.5f) * 2.0f;
}

std::vector<std::unique_ptr<SIM_Gig>>& GigOffers() { return gOffers; }
std::vector<std::unique_ptr<SIM_Gig>>& BookedGigs() { return gBooked; }
bool VenueBoredFlag() { return gVenueBored; }

void BuildGigOffers() {
    gOffers.clear();
    gVenueBored = false;
    const float fame = GetFame().fame;
    for (const auto& venue : gVenues) {
        if (fame < venue->minimumFame) continue;
        if (venue->boredom > 0.0f) {
            gVenueBored = true;
            continue;
        }
        if (IsVenueBooked(*venue)) continue;
        auto gig = std::make_unique<SIM_Gig>();
        gig->venue = venue.get();
        gOffers.push_back(std::move(gig));
    }
}

SIM_GigCard GigCard(const SIM_Gig& gig) {
    SIM_GigCard card;
    const SIM_Venue& venue = *gig.venue;
    card.capacity = Translate("BOOKGIG_CAPACITY") + " " + std::to_string(venue.capacity);
    card.price = Translate("BOOKGIG_PRICE") + " " + FormatText("$%.2f", static_cast<double>(venue.ticketPrice));
    card.rental = Translate("BOOKGIG_RENTAL") + " " +
                  FormatText("$%s", FormatThousands(static_cast<long long>(venue.rental)).c_str());
    if (venue.needsManager && !BandOwns("manager")) {
        card.button = "BOOKGIG_NOMANAGER";
        card.tooltip = "BOOKGIG_NOMANAGER_TOOLTIP";
    } else if (!CanReachVenue(venue)) {
        card.button = "BOOKGIG_TOOFAR";
        card.tooltip = "BOOKGIG_TOOFAR_TOOLTIP";
    } else if (venue.rental <= GetFinances().cash) {
        // The full rental is tested and the discounted one paid, so cash never goes negative.
        card.button = "BOOKGIG_BOOK";
        card.tooltip = "BOOKGIG_BOOK_TOOLTIP";
        card.canBook = true;
    } else {
        card.button = "BOOKGIG_NOCASH";
    }
    return card;
}

SIM_Gig& BookGig(std::unique_ptr<SIM_Gig> owned) {
    SIM_Gig& gig = *owned;
    gBooked.push_back(std::move(owned));
    if (gig.type != GIG_CHARITY) {
        SIM_Finances& money = GetFinances();
        const float rental = gig.venue->rental;
        money.cash = money.cash - rental + rental * money.GetBusinessDiscount();
    }
    SIM_DateRecord when = GetSIMDate().GetDate();
    const int ahead = static_cast<int>(GetTuningValue("RS_GIGS_DAYS_AHEAD"));
    for (int i = 0; i < ahead; ++i) when = when.Next();
    gig.date = when.Date();
    GetCalendar().AddCalendarEntry(gig.date.day, gig.date.month, gig.date.year,
                                   WithVenue("GIG_CALENDAR", *gig.venue), "calendar_gig.dds");
    gig.onCalendar = true;
    return gig;
}

SIM_Gig& RestoreBookedGig(std::unique_ptr<SIM_Gig> owned) {
    SIM_Gig& gig = *owned;
    gBooked.push_back(std::move(owned));
    if (gig.venue)
        GetCalendar().AddCalendarEntry(gig.date.day, gig.date.month, gig.date.year,
                                       WithVenue("GIG_CALENDAR", *gig.venue), "calendar_gig.dds");
    gig.onCalendar = gig.venue != nullptr;
    return gig;
}

bool BookGig(SIM_Gig& offered) {
    std::unique_ptr<SIM_Gig> gig = Detach(gOffers, offered);
    if (!gig) return false;
    BookGig(std::move(gig));
    return true;
}

bool PressBookButton(SIM_Gig& offered) {
    if (!GigCard(offered).canBook || !BookGig(offered)) return false;
    GetSIM().UseAct();
    Screens().PlaySound("data/sounds/cash.ogg");
    return true;
}

bool IsVenueBooked(const SIM_Venue& venue) {
    return std::any_of(gBooked.begin(), gBooked.end(), [&](const auto& g) { return g->venue == &venue; });
}

bool IsGigToday() {
    const SIM_DayDate today = GetSIMDate().GetDate().Date();
    return std::any_of(gBooked.begin(), gBooked.end(), [&](const auto& g) { return g->date == today; });
}

float BookedGigRentals() {
    float sum = 0.0f;
    for (const auto& gig : gBooked)
        if (gig->type != GIG_CHARITY) sum += gig->venue->rental;
    return sum;
}

void CheckGigDay() {
    const SIM_DayDate today = GetSIMDate().GetDate().Date();
    // Cancelling changes the booked list, so walk a copy.
    std::vector<SIM_Gig*> todays;
    for (const auto& gig : gBooked)
        if (gig->date == today) todays.push_back(gig.get());
    SIM_DailyOptions& day = GetDailyOptions();
    for (SIM_Gig* gig : todays) {
        const SIM_Venue& venue = *gig->venue;
        const bool lineup = AskSeam(WorldSeams().isLineupComplete, false);
        if (lineup && HasSongsForGig()) {
            day.AddDailyOption(gig, OPTION_BOOKED_GIG, Translate("DAILY_OPTIONS_GIG"),
                               WithVenue("GIG_REMINDER", venue), venue.picture, true);
            continue;
        }
        // The notice outlives the cancelled gig, so it must not point at it.
        if (lineup)
            day.AddDailyOption(nullptr, OPTION_BOOKED_GIG, Translate("DAILY_OPTIONS_GIG_NOSONGS"),
                               WithVenue("GIG_NOSONGS", venue), kCancelledPicture, false);
        else
            day.AddDailyOption(nullptr, OPTION_BOOKED_GIG, Translate("DAILY_OPTIONS_GIG_NOBAND"),
                               WithVenue("GIG_NOBAND", venue), kCancelledPicture, false);
        CancelGig(*gig);
    }
}

void CancelGig(SIM_Gig& gig) {
    Screens().PlaySound("data/sounds/ahh.ogg");
    GetFame().AddFameEffect(GetTuningValue("RS_GIG_FAMEEFFECT") * GetVenueFameFactor(*gig.venue, 0.0f),
                            GetTuningValue("RS_GIG_FAME_DEGRADE"), gig.venue->displayName);
    Detach(gBooked, gig);
}

void RemoveOutdatedGig() {
    const SIM_DayDate today = GetSIMDate().GetDate().Date();
    const auto it =
        std::find_if(gBooked.begin(), gBooked.end(), [&](const auto& g) { return IsBefore(g->date, today); });
    if (it != gBooked.end()) gBooked.erase(it);
}

void ClearGigs() {
    gOffers.clear();
    gBooked.clear();
    gVenueBored = false;
}

void RegisterVenues() {
    SIM_WorldSeams& world = WorldSeams();
    world.clearBookedGigs = [] { ClearGigs(); };
    world.removeOutdatedGig = [] { RemoveOutdatedGig(); };
    world.decayVenueBoredom = [] { DecayVenueBoredom(); };
    world.checkGigDay = [] { CheckGigDay(); };
    world.bookedGigRentals = [] { return BookedGigRentals(); };
    world.loadCatalogues = [before = world.loadCatalogues] {
        RunSeam(before);
        LoadVenues();
    };
    SIM_PeopleSeams& people = PeopleSeams();
    people.bookedGigCount = [] { return static_cast<int>(gBooked.size()); };
    people.gigToday = [] { return IsGigToday(); };
}

void ResetVenues() { DestroyAllVenues(); }
