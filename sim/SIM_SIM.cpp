#include "SIM_SIM.h"

#include "SIM_Album.h"
#include "SIM_AlbumScreens.h"
#include "SIM_Asset.h"
#include "SIM_CareerHistory.h"
#include "SIM_CareerStage.h"
#include "SIM_DailyOptions.h"
#include "SIM_Date.h"
#include "SIM_Fame.h"
#include "SIM_Finances.h"
#include "SIM_FunctionTable.h"
#include "SIM_NamedValue.h"
#include "SIM_People.h"
#include "SIM_Practice.h"
#include "SIM_Performance.h"
#include "SIM_RecordCompany.h"
#include "SIM_Publicity.h"
#include "SIM_Rehearsal.h"
#include "SIM_SLIDBase.h"
#include "SIM_Screens.h"
#include "SIM_Song.h"
#include "SIM_SongPuzzle.h"
#include "SIM_Venue.h"
#include "SIM_World.h"

#include <memory>

namespace {
std::unique_ptr<SIM_SIM> gSIM;
constexpr int kEventGateDays = 10;
}  // namespace

void SIM_SIM::UseAct() {
    ++acts;
    if (acts >= maxActs) NewDay();
}

// The day cycle. The steps are numbered so that their order, which the whole game relies
// on, stays easy to check against each other.
void SIM_SIM::NewDay() {
    SIM_WorldSeams& world = WorldSeams();
    SIM_DailyOptions& options = GetDailyOptions();
    SIM_Date& calendar = GetSIMDate();

    options.ClearOptions();                          // 1
    options.ClearMessages();                         // 2
    DecayAllEffects();                               // 3
    RunSeam(world.removeEndedRivalGigEntries);       // 4
    GetCareerHistory().EndOfDay();                   // 5: before a review or the end can open
    calendar.AdvanceOneDay();                        // 6: also the review and the game end
    if (calendar.GetDate().weekday == 0)             // 7
        RunSeam(world.weeklySales);
    if (Screens().IsEndGameShowing()) return;        // 8: the game has just ended
    FinishNewDay();
}

void SIM_SIM::FinishNewDay() {
    SIM_WorldSeams& world = WorldSeams();
    RunSeam(world.removeOutdatedGig);                // 9
    RunSeam(world.degradeAllRelationships);          // 10
    RunSeam(world.rivalGigsDailyStep);               // 11
    RunSeam(world.rivalBandManagerDailyStep);        // 12
    RunSeam(world.charityGigChance);                 // 13
    RunSeam(world.dailyRelaxationOffer);             // 14
    RunSeam(world.publicityDailyUpdate);             // 15
    RunSeam(world.decayVenueBoredom);                // 16
    acts = 0;                                        // 17
    dayProcessed = false;
    maxActs = 1;
    GetFinances().PayUnemploymentBenefit();          // 18
    RunSeam(world.assetsDailyUpdate);                // 19
    RunSeam(world.recalculatePlayer);                // 20
    RunSeam(world.recalculateBandValues);            // 21
    RunSeam(world.bandDailyUpdate);                  // 22
    GetFame().RecalculateFame();                     // 23
    GetBalanceHistory().RecordBalance();             // 24
    dayProcessed = true;                             // 25
    RunSeam(world.checkGigDay);                      // 26
    RunSeam(world.endorsementOfferCheck);            // 27
    Screens().ShowDailyOptions();                    // 28
    GetCareerStage().UpdateStage();                  // 29
    const bool gateOpen = eventGate.daysSinceLastEvent >= kEventGateDays;  // 30
    ++eventGate.daysSinceLastEvent;
    if (gateOpen && GetBalanceHistory().GetBalanceStatus() == SIM_BalanceHistory::kStagnant && world.tryRandomEvent)
        world.tryRandomEvent(eventGate);
    ++turncount;                                     // 31
    RunSeam(world.checkDayHints);                    // 32
}

void SIM_SIM::ResetForNewGame() {
    SIM_WorldSeams& world = WorldSeams();
    SIM_Screens& screens = Screens();

    // Numbering starts again before anything of the new game is made: the auditionees come
    // before the player, and no two of them may share a save number.
    ResetSLIDCounter();
    gameOver = false;
    ResetCareerStage();
    GetDailyOptions().ClearOptions();
    GetDailyOptions().ClearMessages();
    RunSeam(world.clearBookedGigs);
    GetCalendar().RemoveAllEntries();
    RunSeam(world.resetBand);
    RunSeam(world.resetPeopleAndMusic);
    ResetGlobals();
    screens.ShowLoadingProgress(0.0f);
    ResetStatistics();
    GetSIMDate().StartNewGameDate();
    GetCalendar().RemoveAllEntries();
    screens.ShowLoadingProgress(0.125f);
    GetFinances().SetStartingCash();
    RunSeam(world.resetPlayer);
    screens.ShowLoadingProgress(0.125f);
    GetFame().ClearFameEffects();
    GetFame().RecalculateFame();
    screens.ShowLoadingProgress(0.375f);
    RunSeam(world.resetPerformance);
    screens.ShowLoadingProgress(0.5f);
    RunSeam(world.loadCatalogues);
    screens.ShowLoadingProgress(0.6f);
    RunSeam(world.loadRivalBandsAndStartingSongs);
    GetDailyOptions().ClearMessages();
    screens.ShowLoadingProgress(0.75f);
    RunSeam(world.recalculatePlayer);
    GetFame().RecalculateFame();
    GetBalanceHistory().Clear();
    GetCareerHistory() = SIM_CareerHistory{};
    eventGate = SIM_EventGate{};
    dayProcessed = true;
    acts = 0;
    maxActs = 1;
    turncount = 0;
    screens.ShowLoadingProgress(1.0f);
}

SIM_SIM& GetSIM() {
    if (!gSIM) gSIM = std::make_unique<SIM_SIM>();
    return *gSIM;
}
void ResetSIM() { gSIM.reset(); }

void ResetAllSimulation() {
    ResetSIM();
    ResetSIMDate();
    ResetCalendar();
    ResetCareerStage();
    ResetDailyOptions();
    ResetFunctionTable();
    ResetFame();
    ResetFinances();
    ResetStatistics();
    ResetBalanceHistory();
    ResetCareerHistory();
    ResetGlobals();
    ResetSLIDCounter();
    // Albums point at songs, so they go first.
    CloseAlbumScreens();
    ResetAlbumParts();
    ResetRecordCompany();
    ResetSongPuzzle();
    ResetSongParts();
    ResetPeople();
    ResetAssets();
    ResetVenues();
    ResetPractice();
    ResetPerformances();
    ResetPublicity();  // and relaxation
    ResetWorld();
    ResetWorldSeams();
    ResetFallbackScreens();
}

void RegisterSimulationParts() {
    RegisterPeople();
    RegisterSongs();
    RegisterAssets();
    RegisterRehearsals();
    RegisterVenues();
    RegisterPractice();
    RegisterPerformance();
    RegisterAlbums();
    RegisterPublicity();  // and relaxation
    RegisterWorld();
}
