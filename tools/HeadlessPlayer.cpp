#include "HeadlessPlayer.h"

#include "HeadlessPractice.h"
#include "HeadlessAlbums.h"
#include "HeadlessPublicity.h"
#include "HeadlessWorld.h"

#include "LibConfigSection.h"
#include "LibRandom.h"
#include "LibString.h"
#include "SIM_Hints.h"
#include "SIM_Asset.h"
#include "SIM_Auditions.h"
#include "SIM_Band.h"
#include "SIM_DailyOptions.h"
#include "SIM_Date.h"
#include "SIM_Fame.h"
#include "SIM_Finances.h"
#include "SIM_Names.h"
#include "SIM_People.h"
#include "SIM_PeopleSeams.h"
#include "SIM_Performance.h"
#include "SIM_Person.h"
#include "SIM_Rehearsal.h"
#include "SIM_Relaxation.h"
#include "SIM_Relationship.h"
#include "SIM_SIM.h"
#include "SIM_Song.h"
#include "SIM_SongPuzzle.h"
#include "SIM_SongScreens.h"
#include "SIM_Venue.h"

#include <set>
#include <vector>


// ---- The headless band ---------------------------------------------------------------

// The first instrument the line-up still lacks, or -1 when it is complete.
int MissingInstrument() {
    const SIM_Band& band = GetBand();
    const int own = GetMilo().instrument;
    auto covered = [&](int i) { return own == i || band.FindMemberByInstrument(i) != nullptr; };
    for (int i : {INSTRUMENT_DRUMS, INSTRUMENT_BASS})
        if (!covered(i)) return i;
    if (!covered(INSTRUMENT_SAXOPHONE) && !covered(INSTRUMENT_GUITAR) && !covered(INSTRUMENT_KEYBOARD))
        return INSTRUMENT_GUITAR;
    return -1;
}

// ---- The headless songwriter ----
// Once a week the player writes a song through the puzzle, keeping whichever offered element
// raises it most in each section. With a full repertoire he writes once every four weeks and
// makes room by retiring the weakest song that is not a classic.
namespace {
constexpr std::size_t kHeadlessRepertoire = 12;
}  // namespace

bool HeadlessSongDue(SIM_Song** retire) {
    *retire = nullptr;
    if (GetSIMDate().GetDate().weekday != 2) return false;
    if (CurrentSongs().size() < kHeadlessRepertoire) return true;
    if ((GetSIM().turncount / 7) % 4 != 0) return false;
    for (const auto& song : CurrentSongs())
        if (!song->classic && (!*retire || song->quality < (*retire)->quality)) *retire = song.get();
    return *retire != nullptr;
}

bool WriteHeadlessSong() {
    SIM_Song* retire = nullptr;
    if (!HeadlessSongDue(&retire)) return false;
    if (retire) RetireSong(*retire);
    SIM_SongPuzzle& puzzle = WriteNewSong();
    ImproveSongGreedily(puzzle);
    if (FinishPuzzle()) return true;
    ClosePuzzle();
    return false;
}
// ---- end of the headless songwriter ----

int AblestCandidate(const SIM_AuditionPicker& picker) {
    int pick = -1;
    for (int i = 0; i < static_cast<int>(picker.cards.size()); ++i)
        if (pick < 0 || picker.cards[static_cast<std::size_t>(i)].abilityBar >
                            picker.cards[static_cast<std::size_t>(pick)].abilityBar)
            pick = i;
    return pick;
}

bool AuditionHeadless(int instrument, bool ablest) {
    SIM_AuditionPicker& picker = GetAuditionPicker();
    if (instrument < 0 || !picker.Open(instrument)) return false;
    const int count = static_cast<int>(picker.cards.size());
    int pick = -1;
    if (ablest) pick = AblestCandidate(picker);
    else if (count > 0) pick = RandomIndex(count);
    if (pick >= 0) picker.Hire(pick);
    picker.Close();
    return true;
}

namespace {

// ---- The headless band's shopping ---------------------------------------------------------

// What the headless player keeps back for rent and upkeep before buying anything.
bool Affordable(const SIM_Asset& asset) {
    return GetFinances().DiscountedCost(asset.price) + HeadlessReserve() <= GetFinances().cash;
}

// A wish is granted only when a year of its upkeep is put by as well: a van or a tour bus
// bought on the last dollar would eat the band's savings.
bool AffordableWithUpkeep(const SIM_Asset& asset) {
    return GetFinances().DiscountedCost(asset.price) + HeadlessReserve() +
               asset.dailyCost * static_cast<float>(kUpkeepReserveDays) <=
           GetFinances().cash;
}

// Once a week the band goes shopping: a resentful member's wish comes first; an album it has
// not heard through gets a listen; then the member with the poorest instrument gets the
// cheapest better one, else the cheapest stage gear (which the gigs show off), else an album.
// Staff and vehicles only as a member's wish: their upkeep would outrun a band that earns
// nothing yet.
}  // namespace

HeadlessPurchase ChooseHeadlessPurchase() {
    // A member who resents what he owns gets what he wants first, as long as the reserve stays.
    for (SIM_Musician* m : GetBand().members)
        if (m->resentment > 0.0f && m->wantedAsset && !m->wantedAsset->owned &&
            AffordableWithUpkeep(*m->wantedAsset))
            return {m->wantedAsset, nullptr, true};
    for (SIM_AssetMusic* album : MusicAssets())
        if (album->owned && album->progress < 1.0f) return {nullptr, album, false};
    SIM_Musician* poorest = nullptr;
    float poorestQuality = 2.0f;
    for (SIM_Musician* m : GetBand().members) {
        const auto* best = dynamic_cast<const SIM_Instrument*>(m->BestInstrument());
        const float quality = best ? best->quality : 0.0f;
        if (quality < poorestQuality) {
            poorestQuality = quality;
            poorest = m;
        }
    }
    SIM_Asset* pick = nullptr;
    auto consider = [&](SIM_Asset* asset) {
        if (Affordable(*asset) && (!pick || asset->price < pick->price)) pick = asset;
    };
    if (poorest)
        for (SIM_Asset* asset : ShopTabListing("instruments"))
            if (auto* played = dynamic_cast<SIM_Instrument*>(asset);
                played && played->instrument == poorest->instrument && played->quality > poorestQuality)
                consider(played);
    for (const char* tab : {"lighting", "effects"})
        if (!pick)
            for (SIM_Asset* asset : ShopTabListing(tab)) consider(asset);
    if (!pick)
        for (SIM_Asset* asset : ShopTabListing("music")) consider(asset);
    return {pick, nullptr, false};
}

namespace {
bool ShopHeadless() {
    // The shop asks every member what he wants.
    GetBand().PickWantedAssets();
    const HeadlessPurchase purchase = ChooseHeadlessPurchase();
    if (purchase.listen) {
        purchase.listen->Listen();
        return true;
    }
    if (!purchase.buy) return false;
    ShopPurchase(*purchase.buy);
    if (purchase.wish) GetBand().PickWantedAssets();
    return true;
}

// Rehearsals of the headless player: with songs to play and a full line-up, three weekdays a
// week while the set is not yet tight, in the best room whose rent stays under a twentieth of
// the cash (the free room otherwise).
bool RehearseHeadless(int missing) {
    const SIM_RehearsalVenue* pick = ChooseHeadlessRehearsal(missing);
    if (!pick) return false;
    Rehearse(pick);
    return true;
}

// Books the biggest gig on offer whose rental leaves half the cash, one booking at a time;
// true when the booking took the day's act.
bool BookHeadlessGig() {
    if (!HeadlessWantsGig()) return false;
    BuildGigOffers();
    SIM_Gig* best = ChooseHeadlessGig();
    if (!best || !PressBookButton(*best)) return false;
    ++HeadlessTally().gigsBooked;
    return true;
}

}  // namespace

const SIM_RehearsalVenue* ChooseHeadlessRehearsal(int missing) {
    const int weekday = GetSIMDate().GetDate().weekday;
    if (missing >= 0 || CurrentSongs().empty() || (weekday != 1 && weekday != 3 && weekday != 5)) return nullptr;
    if (GetBand().GetBandValue("band_rehearsal") >= GetTuningValue("RS_REHEARSAL_TOOMUCH")) return nullptr;
    const float cash = GetFinances().cash;
    const SIM_RehearsalVenue* pick = nullptr;
    for (const SIM_RehearsalVenue* venue : RehearsalVenues())
        if (CanAffordRehearsal(*venue, cash) && (venue->cost <= 0.0f || venue->cost * 20.0f <= cash) &&
            (!pick || venue->level > pick->level))
            pick = venue;
    return pick;
}

bool HeadlessWantsGig() { return BookGigAvailability().enabled && BookedGigs().empty(); }

SIM_Gig* ChooseHeadlessGig() {
    SIM_Gig* best = nullptr;
    for (const auto& gig : GigOffers()) {
        if (!GigCard(*gig).canBook || gig->venue->rental > GetFinances().cash * CurrentThrift().budgetShare)
            continue;
        if (!best || gig->venue->capacity > best->venue->capacity) best = gig.get();
    }
    return best;
}

HeadlessCounts& HeadlessTally() {
    static HeadlessCounts counts;
    return counts;
}

HeadlessThrift& CurrentThrift() {
    static HeadlessThrift thrift;
    return thrift;
}

std::vector<SIM_Asset*> HeadlessShopListing() {
    std::set<std::string> tabs;
    for (const SIM_Asset* asset : AllAssets()) tabs.insert(asset->shopTab);
    std::vector<SIM_Asset*> listing;
    for (const std::string& tab : tabs)
        for (SIM_Asset* asset : ShopTabListing(tab)) listing.push_back(asset);
    return listing;
}

float HeadlessReserve() {
    float daily = PerGigCosts() / 7.0f;
    for (const SIM_Asset* asset : OwnedAssets()) daily += asset->dailyCost;
    return CurrentThrift().reserve + CurrentThrift().upkeepDays * daily;
}

// A new game on the run folder's data, with the screens answered headless.
void StartHeadlessGame(SIM_HeadlessScreens& screens, std::uint32_t seed) {
    LoadTuningTable();
    SeedRandom(seed);
    ResetAllSimulation();
    RegisterSimulationParts();
    RegisterHints();
    LoadRehearsalVenues();
    LoadRelaxVenues();
    LoadPeopleData();
    SetScreens(&screens);
    GetSIMDate().LoadMonthNames();
    // The new-game screen would ask for the band's name; the headless band draws one.
    NewGameSettings().bandName = RandomName(NAMES_BAND);
    GetSIM().loaded = true;
    GetSIM().ResetForNewGame();
    screens.events.clear();
    HeadlessTally() = HeadlessCounts{};
    CurrentThrift() = HeadlessThrift{};
    ResetHeadlessPublicity();
    ResetHeadlessWorld();
}

std::string DateText() {
    const SIM_DateRecord& d = GetSIMDate().GetDate();
    return FormatText("%s %d day %d (month %d)", GetSIMDate().MonthName(d.month).c_str(), d.year, d.day, d.month);
}

std::string StateText() {
    return FormatText("turncount %d fame %.2f cash %.2f songs %zu written %d gigs booked %d", GetSIM().turncount,
                      static_cast<double>(GetFame().fame), static_cast<double>(GetFinances().cash),
                      CurrentSongs().size(), GetStatistics().songsWritten, HeadlessTally().gigsBooked) +
           FormatText(" played %d audience %d earned %.0f", GetStatistics().gigsPlayed,
                      GetStatistics().audiencePlayedTo, static_cast<double>(GetStatistics().moneyEarned)) +
           " " + PracticeText() +
           " " + AlbumsText() +
           " " + HeadlessPublicityText();
}

// The day's act of the headless player: audition for a missing instrument and hire the
// ablest candidate; with a full line-up he plays a practice run on Fridays, on other free
// days the band practises, and once a week it spends an
// evening together, which moves its relationships and takes the edge off boredom (a stand-in
// for the gigs and rehearsals the headless player does not play). True when the act itself
// ended the day's acts (a finished song does).
bool PlayHeadlessAct() {
    SIM_Band& band = GetBand();
    const int missing = MissingInstrument();
    if (AuditionHeadless(missing, true)) return false;
    if (band.members.empty()) return false;
    if (missing < 0 && WriteHeadlessSong()) return true;
    if (EquipHeadlessForGigs()) return false;
    if (RecordHeadlessAlbum()) return true;
    if (BookHeadlessGig()) return true;
    if (RehearseHeadless(missing)) return false;
    if (missing < 0 && PractiseHeadless()) return true;
    if (GetSIMDate().GetDate().weekday == 0 && ShopHeadless()) return false;
    if (GetSIMDate().GetDate().weekday == 6) {
        UpdateRelationships(1.0f);
        band.ModifyBandValue("band_boredom", 0.01f, 1.0f, "evening out");
    } else {
        band.Practice(1.0f);
    }
    return false;
}

std::string BandText() {
    const SIM_Band& band = GetBand();
    return FormatText("members %zu happiness %.2f chemistry %.2f resignations %d assets %zu stage show %.2f "
                      "rehearsals %d cancelled %d",
                      band.members.size(), static_cast<double>(band.MeanHappiness()),
                      static_cast<double>((AverageRelationship() + 1.0f) * 0.5f), band.resignations,
                      OwnedAssets().size(), static_cast<double>(StageShowValue()), GetStatistics().rehearsals,
                      GetStatistics().rehearsalsCancelled) +
           " " + WorldText();
}


bool WantsHeadlessOption(const SIM_DailyOption& option) {
    if (!option.canAccept) return false;
    switch (option.kind) {
    case OPTION_BOOKED_GIG:
        return GetBand().HasFullLineup();
    case OPTION_PUBLICITY:
    case OPTION_RELAXATION:
        return WantsHeadlessPublicityOrRelaxation(option);
    default:
        return false;
    }
}

bool AcceptHeadlessOptions() {
    AnswerHeadlessRecordOffer();  // opened when last night's gig screen closed
    if (TakeUpHeadlessWorld()) return true;
    // Accepting may end the day, which destroys today's options: decide on one at a time.
    for (const auto& option : GetDailyOptions().Options())
        if (WantsHeadlessOption(*option)) {
            const int turn = GetSIM().turncount;
            const int kind = option->kind;
            const std::size_t played = Performances().size();
            SIM_OptionSubject* subject = option->subject;
            GetDailyOptions().AcceptDailyOption(*option);
            if (kind == OPTION_BOOKED_GIG) CloseHeadlessGigScreen(played);
            FinishHeadlessPublicityOrRelaxation(kind, subject);
            // The day that ends the game stops its cycle before the turn is counted.
            return GetSIM().turncount != turn || Screens().IsEndGameShowing();
        }
    return false;
}

void PlayHeadlessDay() {
    if (AcceptHeadlessOptions()) return;
    if (!PlayHeadlessAct()) GetSIM().UseAct();
}
