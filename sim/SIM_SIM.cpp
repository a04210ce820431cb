#include "SIM_SIM.h"

#include "SIM_Album.h"
#include "SIM_AlbumScreens.h"
#include "SIM_Asset.h"
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
    calendar.AdvanceOneDay();                        // 5: also the review and the game end
    if (calendar.GetDate().weekday == 0)             // 6
        RunSeam(world.weeklySales);
    if (Screens().IsEndGameShowing()) return;        // 7: the game has just ended
    FinishNewDay();
}

void SIM_SIM::FinishNewDay() {
    SIM_WorldSeams& world = WorldSeams();
    RunSeam(world.removeOutdatedGig);                // 8
    RunSeam(world.degradeAllRelationships);          // 9
    RunSeam(world.rivalGigsDailyStep);               // 10
    RunSeam(world.rivalBandManagerDailyStep);        // 11
    RunSeam(world.charityGigChance);                 // 12
    RunSeam(world.dailyRelaxationOffer);             // 13
    RunSeam(world.publicityDailyUpdate);             // 14
    RunSeam(world.decayVenueBoredom);                // 15
    acts = 0;                                        // 16
    dayProcessed = false;
    maxActs = 1;
    GetFinances().PayUnemploymentBenefit();          // 17
    RunSeam(world.assetsDailyUpdate);                // 18
    RunSeam(world.recalculatePlayer);                // 19
    RunSeam(world.recalculateBandValues);            // 20
    RunSeam(world.bandDailyUpdate);                  // 21
    GetFame().RecalculateFame();                     // 22
    GetBalanceHistory().RecordBalance();             // 23
    dayProcessed = true;                             // 24
    RunSeam(world.checkGigDay);                      // 25
    RunSeam(world.endorsementOfferCheck);            // 26
    Screens().ShowDailyOptions();                    // 27
    GetCareerStage().UpdateStage();                  // 28
    const bool gateOpen = eventGate.daysSinceLastEvent >= kEventGateDays;  // 29
    ++eventGate.daysSinceLastEvent;
    if (gateOpen && GetBalanceHistory().GetBalanceStatus() == SIM_BalanceHistory::kStagnant && world.tryRandomEvent)
        world.tryRandomEvent(eventGate);
    ++turncount;                                     // 30
    RunSeam(world.checkDayHints);                    // 31
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
