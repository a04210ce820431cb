#include "SIM_LoadGame.h"

#include "LibErrors.h"
#include "SIM_LoadPeople.h"
#include "SIM_LoadSongs.h"
#include "SIM_Names.h"
#include "SIM_SaveGame.h"

#include "SIM_Album.h"
#include "SIM_Asset.h"
#include "SIM_CareerStage.h"
#include "SIM_Endorsements.h"
#include "SIM_Finances.h"
#include "SIM_NamedValue.h"
#include "SIM_Personality.h"
#include "SIM_Practice.h"
#include "SIM_RecordCompany.h"
#include "SIM_RivalBands.h"
#include "SIM_SIM.h"
#include "SIM_SLIDBase.h"
#include "SIM_Song.h"
#include "SIM_Venue.h"

#include <algorithm>

namespace {

void RestoreCalendar(const SIM_SaveData& d) {
    SIM_Date& date = GetSIMDate();
    date.date.day = d.calendar[0];
    date.date.weekday = d.calendar[1];
    date.date.month = d.calendar[2];
    date.date.year = d.calendar[3];
    date.nextReview = {d.calendar[4], d.calendar[5], d.calendar[6]};
    date.gameEnd = {d.calendar[7], d.calendar[8], d.calendar[9]};
    // The end screen has been shown once the end date is reached; it must not come back.
    GetSIM().gameOver = d.calendar[10] != 0 || HasReached(date.date.Date(), date.gameEnd);
}

// The world values come back in the file's order (the order they arose in), the fresh game's
// own objects reused; any the file does not hold follow.
void RestoreGlobals(const SIM_SaveData& d) {
    auto& values = Globals().values;
    std::vector<std::unique_ptr<SIM_NamedValue>> ordered;
    for (const auto& global : d.globals) {
        const auto found = std::find_if(values.begin(), values.end(),
                                        [&](const auto& v) { return v && v->name == global.name; });
        if (found != values.end()) ordered.push_back(std::move(*found));
        else ordered.push_back(std::make_unique<SIM_NamedValue>(global.name, global.guiname, global.value));
        ordered.back()->value = global.value;
    }
    for (auto& left : values)
        if (left) ordered.push_back(std::move(left));
    values = std::move(ordered);
}

void RestoreWorld(const SIM_SaveData& d) {
    for (const auto& [key, boredom] : d.venueBoredom)
        if (SIM_Venue* venue = FindVenue(key)) venue->boredom = boredom;
    SIM_BalanceHistory& balance = GetBalanceHistory();
    balance.Clear();
    balance.entries.assign(d.balance.begin(), d.balance.end());
    balance.status = d.balanceStatus;
    SIM_EventGate& gate = GetSIM().eventGate;
    gate.daysSinceLastEvent = d.daysSinceLastEvent;
    for (int i = 0; i < 3; ++i) gate.flags[i] = d.eventFlags[i] != 0;
    RestoreGlobals(d);
    for (const std::string& name : d.endorsements) RetireEndorsementByName(name);
    for (const auto& gig : d.rivalGigs) RestoreRivalGig(gig.band, {gig.day, gig.month, gig.year});
}

void RestoreCounters(const SIM_SaveData& d) {
    GetFinances().cash = d.financesCash;
    SIM_SIM& sim = GetSIM();
    sim.maxActs = d.maxActs;
    sim.acts = d.acts;
    sim.turncount = d.turncount;
    if (!d.skin.empty()) sim.skin = d.skin;
    SetTopSLID(d.topSlid);
    SIM_GameStatistics& s = GetStatistics();
    if (const auto ints = ParseIntList(d.statisticsInts); ints && ints->size() == 7) {
        int* const counters[] = {&s.desktopClicks,        &s.gigsPlayed,     &s.songsWritten,    &s.rehearsals,
                                 &s.rehearsalsCancelled, &s.unnamedCounter, &s.audiencePlayedTo};
        for (std::size_t i = 0; i < 7; ++i) *counters[i] = (*ints)[i];
    }
    if (const auto floats = ParseFloatList(d.statisticsFloats); floats && floats->size() == 3) {
        s.damageCosts = (*floats)[0];
        s.moneyEarned = (*floats)[1];
        s.peakCash = (*floats)[2];
    }
    s.playSeconds = d.elapsed;
}

void RestorePractice(const SIM_SaveData& d) {
    SIM_PracticeRecord& record = GetPracticeRecord();
    if (const auto bpm = ParseIntList(d.practiceBpm); bpm && bpm->size() == static_cast<std::size_t>(kPracticeSets))
        for (int set = 0; set < kPracticeSets; ++set) record.bpm[set] = (*bpm)[set];
    record.inst = d.practiceInstrument;
    for (int set = 0; set < kPracticeSets; ++set) {
        record.ids[set].clear();
        if (const auto ids = ParseIntList(d.melodyIds[set]))
            for (int id : *ids) record.Master(set, id);
    }
}

}  // namespace

void RestoreStandaloneSections(const SIM_SaveData& data) {
    RestoreCalendar(data);
    GetCareerStage().SetStage(data.careerStage);
    RestoreWorld(data);
    RestoreCounters(data);
    RestorePractice(data);
    RestoreSelectedStudio(data.studio);
    RestoreRecordCompany(data.recordCompany ? &*data.recordCompany : nullptr);
    // Without weeks of its own (an older file, a damaged section) the chart starts here.
    GetCareerHistory() = data.history.value_or(SIM_CareerHistory{});
}

namespace {
// The lists of band, album and song names hand each name out once. Which ones a game has drawn
// is not saved; the names its band, albums and songs carry are the ones it must not draw again.
void RestoreNameLists(const SIM_SaveData& data) {
    SIM_NamesList& names = GetNamesList();
    names.Load();
    names.RemoveName(NAMES_BAND, data.bandName);
    for (const SIM_SavedAlbum& album : data.albums) names.RemoveName(NAMES_ALBUM, album.title);
    for (const auto* list : {&data.songs, &data.retiredSongs})
        for (const SIM_SavedSong& song : *list) names.RemoveName(NAMES_SONG, song.name);
}
}  // namespace

void RestoreSavedGame(const SIM_SaveData& data) {
    GetSIM().ResetForNewGame();
    // The calendar first: the booked gigs' entries are dated against it.
    RestoreStandaloneSections(data);
    RestoreSongSections(data);
    RestorePeopleSections(data);
    RestoreHoldings(data);
    LinkSongElementBringers(data);
    RecalculateLoadedGame(data);
    RestoreNameLists(data);
    // The day's options are not saved. A gig booked for today was offered when the day began;
    // without offering it again the band would miss it and lose the rental.
    RunSeam(WorldSeams().checkGigDay);
    // Everything above that was created drew a number; the file's counter carries on.
    SetTopSLID(data.topSlid);
}

void LoadCataloguesForSaveCheck() {
    // The order of a new game's catalogue step: albums among the assets name song elements.
    if (SongElements().empty()) LoadSongElements();
    if (AllAssets().empty()) LoadAssets();
    if (Venues().empty()) LoadVenues();
    if (AllPersonalities().empty()) LoadPersonalities();
    if (RivalBands().empty()) LoadRivalBands();
    if (AvailableEndorsements().empty() && RetiredEndorsements().empty()) LoadEndorsements();
    LoadStudios();  // only when none are loaded
    // The charities load on first use.
}

bool LoadGame(const std::string& nameOrPath, std::string* error) {
    const bool isPath = nameOrPath.find('/') != std::string::npos ||
                        (nameOrPath.size() > 4 && nameOrPath.compare(nameOrPath.size() - 4, 4, ".xml") == 0);
    const std::string path = isPath ? nameOrPath : SaveGamePath(nameOrPath);
    std::string reason;
    LoadCataloguesForSaveCheck();
    const std::optional<SIM_SaveData> data = ReadSaveFile(path, &reason);
    if (!data) {
        REPORT_ERROR("save game refused: " + reason);
        if (error) *error = reason;
        return false;
    }
    if (!data->historyDropped.empty()) REPORT_ERROR("save game's weekly history dropped: " + data->historyDropped);
    RestoreSavedGame(*data);
    return true;
}
