#include "SIM_SaveGame.h"

#include <algorithm>
#include <cstdio>

#include "GHashTable.h"
#include "LibErrors.h"
#include "LibFileList.h"
#include "LibString.h"
#include "SIM_Album.h"
#include "SIM_Asset.h"
#include "SIM_Attribute.h"
#include "SIM_Auditions.h"
#include "SIM_Band.h"
#include "SIM_CareerHistory.h"
#include "SIM_CareerStage.h"
#include "SIM_Charity.h"
#include "SIM_Date.h"
#include "SIM_Effect.h"
#include "SIM_Endorsements.h"
#include "SIM_Fame.h"
#include "SIM_Finances.h"
#include "SIM_NamedValue.h"
#include "SIM_Person.h"
#include "SIM_PlayerOptions.h"
#include "SIM_Personality.h"
#include "SIM_Practice.h"
#include "SIM_RecordCompany.h"
#include "SIM_Rehearsal.h"
#include "SIM_Relationship.h"
#include "SIM_RivalBands.h"
#include "SIM_SaveData.h"
#include "SIM_SIM.h"
#include "SIM_SLIDBase.h"
#include "SIM_Screens.h"
#include "SIM_Song.h"
#include "SIM_TagReader.h"
#include "SIM_Venue.h"
#include "SIM_WorldSeams.h"

namespace {
std::string gFolder;
std::function<std::time_t()> gClock;

// Builds the file text: tags alone on their lines and one-line leaves.
class TagWriter {
public:
    void Open(const std::string& tag) { text_ += "<" + tag + ">\n"; }
    void Close(const std::string& tag) { text_ += "</" + tag + ">\n"; }
    void Leaf(const std::string& tag, const std::string& value) {
        text_ += "<" + tag + ">" + Safe(value) + "</" + tag + ">\n";
    }
    void Int(const std::string& tag, int value) { Leaf(tag, std::to_string(value)); }
    void Flag(const std::string& tag, bool value) { Int(tag, value ? 1 : 0); }
    void Float(const std::string& tag, float value) { Leaf(tag, Format("%.3f", value)); }
    // An entry that holds nothing but a name.
    void NamedEntry(const std::string& tag, const std::string& name) {
        Open(tag);
        Leaf("name", name);
        Close(tag);
    }
    std::string& Text() { return text_; }

    static std::string Format(const char* format, double value) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, format, value);
        return buffer;
    }

private:
    // The format has no escapes: a "<" in a name would cut its value short on reading.
    static std::string Safe(std::string value) {
        for (char& c : value)
            if (c == '<') c = '(';
        return value;
    }
    std::string text_;
};

int SlidOf(const SIM_SLIDBase* object) { return object ? object->GetSLID() : -1; }

// Candidates waiting in an open audition are not kept: the picker is not saved, so a loaded
// game would have them as musicians belonging nowhere, for good. Nothing of theirs is written.
bool Kept(const SIM_Musician* musician) { return !IsWaitingCandidate(musician); }

// An asset a waiting candidate brought is written as it will be once he has gone: assigned
// only while a band member holds it too.
bool AssignedAsKept(const SIM_Asset& asset) {
    if (!asset.assigned) return false;
    const auto holds = [&](const SIM_Musician* m) {
        return std::find(m->possessions.begin(), m->possessions.end(), &asset) != m->possessions.end();
    };
    const auto& everyone = AllMusicians();
    if (std::none_of(everyone.begin(), everyone.end(), [&](const SIM_Musician* m) { return !Kept(m) && holds(m); }))
        return true;
    const SIM_Band* band = BandIfAny();
    return band && std::any_of(band->members.begin(), band->members.end(), holds);
}

void WriteEffects(TagWriter& w, const SIM_EffectList& effects) {
    for (const auto& effect : effects.Effects()) {
        w.Open("sim_effect");
        w.Leaf("debugname", effect->debugname);
        w.Float("degrade", effect->degrade);
        w.Float("effect", effect->value);
        w.Close("sim_effect");
    }
}

void WriteShortAttribute(TagWriter& w, const SIM_Attribute* attribute) {
    w.Open("attribute");
    if (attribute) WriteEffects(w, attribute->effects);
    w.Close("attribute");
}

void WriteFullAttribute(TagWriter& w, const SIM_Attribute& a) {
    w.Open("attribute");
    w.Leaf("name", a.name);
    w.Leaf("guiname", a.guiname);
    w.Leaf("description", a.description);
    w.Float("basevalue", a.basevalue);
    w.Flag("alwaysshow", a.alwaysshow);
    w.Flag("highisgood", a.highisgood);
    w.Int("criteria", a.criteria);
    w.Float("warnlimit", a.warnlimit);
    WriteEffects(w, a.effects);
    w.Close("attribute");
}

std::string SaveTimeText() {
    const std::time_t now = gClock ? gClock() : std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%d/%d/%d (DD-MM-YYYY) - %d:%d", local.tm_mday, local.tm_mon + 1,
                  local.tm_year + 1900, local.tm_hour, local.tm_min);
    return buffer;
}

void WriteHeaderAndSummary(TagWriter& w, const std::string& savedAt) {
    w.Open("header");
    w.Leaf("version", kBuildLabel);
    w.Close("header");
    w.Open("load_data");
    w.Leaf("avatar_texture", GetMilo().portraitBase);
    const SIM_Band* band = BandIfAny();
    w.Leaf("band_name", band ? band->Name : std::string());
    w.Float("fame", GetFame().fame);
    w.Float("cash", GetFinances().cash);
    w.Leaf("date", savedAt.empty() ? SaveTimeText() : savedAt);
    w.Close("load_data");
}

void WritePlayer(TagWriter& w) {
    const SIM_Milo& milo = GetMilo();
    w.Open("milo");
    w.Int("SLID", milo.GetSLID());
    w.Leaf("forename", milo.forename);
    w.Open("attributes");
    for (const auto& value : milo.attributes.values)
        if (const auto* attribute = dynamic_cast<const SIM_Attribute*>(value.get())) WriteFullAttribute(w, *attribute);
    w.Close("attributes");
    w.Open("skills");
    for (const auto& skill : milo.skills.values) {
        w.Open("skill");
        w.Leaf("name", skill->name);
        w.Leaf("guiname", skill->guiname);
        w.Float("value", skill->value);
        w.Close("skill");
    }
    w.Close("skills");
    w.Leaf("avatar_texture", milo.portraitBase);
    w.Close("milo");
}

void WriteDate(TagWriter& w) {
    const SIM_Date& date = GetSIMDate();
    w.Open("date");
    w.Int("day", date.date.day);
    w.Int("dayofweek", date.date.weekday);
    w.Int("month", date.date.month);
    w.Int("year", date.date.year);
    w.Int("yearend_day", date.nextReview.day);
    w.Int("yearend_month", date.nextReview.month);
    w.Int("yearend_year", date.nextReview.year);
    w.Int("gameend_day", date.gameEnd.day);
    w.Int("gameend_month", date.gameEnd.month);
    w.Int("gameend_year", date.gameEnd.year);
    w.Flag("tenyearsup", GetSIM().gameOver);
    w.Close("date");
}

void WriteAssets(TagWriter& w) {
    w.Open("assets");
    for (const SIM_Asset* asset : AllAssets()) {
        w.Open("asset");
        w.Leaf("name", asset->key);
        w.Flag("owned", asset->owned);
        w.Flag("assigned", AssignedAsKept(*asset));
        w.Close("asset");
    }
    w.Open("asset_music");
    for (const SIM_Asset* asset : AllAssets()) {
        const auto* music = dynamic_cast<const SIM_AssetMusic*>(asset);
        if (!music) continue;
        w.Open("music");
        w.Leaf("name", music->key);
        w.Int("listened", music->listened);
        w.Close("music");
    }
    w.Close("asset_music");
    w.Close("assets");
}

void WriteMusician(TagWriter& w, const SIM_Musician& m) {
    w.Open("musician");
    w.Int("slid", m.GetSLID());
    w.Leaf("forename", m.forename);
    w.Leaf("surname", m.surname);
    w.Leaf("fullname", m.fullname);
    w.Leaf("portrait_vsad", m.moodPortraits[0]);
    w.Leaf("portrait_sad", m.moodPortraits[1]);
    w.Leaf("portrait_neutral", m.moodPortraits[2]);
    w.Leaf("portrait_happy", m.moodPortraits[3]);
    w.Int("gender", m.gender);
    w.Int("instrument", m.instrument);
    w.Float("ability", m.ability);
    w.Float("maxability", m.maxability);
    w.Float("possesion_resentment", m.resentment);
    w.Float("chemistry", m.chemistry);
    w.Float("boredom", m.boredom);
    w.Float("innocence", m.innocence);
    w.Float("cynicism", m.cynicism);
    w.Int("daysinband", m.daysinband);
    w.Int("intentiontoquit", m.intentiontoquit);
    WriteShortAttribute(w, &m.motivation);
    WriteShortAttribute(w, &m.stress);
    WriteShortAttribute(w, &m.thirdAttribute);
    WriteShortAttribute(w, &m.liveExperience);
    w.Leaf("songelement", m.songElement ? m.songElement->name : "NULL");
    w.Flag("active", m.active);
    w.Open("personalities");
    for (const SIM_Personality* trait : m.personalities) w.NamedEntry("personality", trait->name);
    w.Close("personalities");
    w.Open("possesions");
    for (const SIM_Asset* asset : m.possessions) w.NamedEntry("possesion", asset->key);
    w.Close("possesions");
    w.Close("musician");
}

void WriteBand(TagWriter& w) {
    const SIM_Band* band = BandIfAny();
    w.Open("band");
    w.Leaf("Name", band ? band->Name : std::string());
    w.Leaf("SponsoredName", band ? band->SponsoredName : std::string());
    w.Int("YearCount", band ? band->YearCount : 0);
    w.Open("members");
    if (band)
        for (const SIM_Musician* member : band->members) {
            w.Open("member");
            w.Int("slid", member->GetSLID());
            w.Close("member");
        }
    w.Close("members");
    for (const char* name : kSavedBandValues)
        WriteShortAttribute(w, band ? dynamic_cast<const SIM_Attribute*>(band->bandValues.Find(name)) : nullptr);
    w.Open("communal assets");
    if (band)
        for (const SIM_Asset* asset : band->communalAssets) w.NamedEntry("asset", asset->key);
    w.Close("communal assets");
    w.Close("band");
}

void WriteSong(TagWriter& w, const SIM_Song& song) {
    w.Open("song");
    w.Int("slid", song.GetSLID());
    w.Leaf("name", song.name);
    w.Float("boredom", song.boredom);
    w.Float("quality", song.quality);
    w.Float("initialinspiration", song.initialInspiration);
    w.Leaf("description", song.description);
    w.Flag("classic", song.classic);
    w.Int("albumslid", SlidOf(song.album));
    w.Open("suitabilities");
    for (const SIM_Suitability& s : song.suitabilities) {
        w.Open("suitability");
        w.Leaf("name", s.name);
        w.Float("suitability", s.suitability);
        w.Int("left", s.left);
        w.Int("right", s.right);
        w.Close("suitability");
    }
    w.Close("suitabilities");
    w.Open("elements");
    for (int slot = 0; slot < kSongSections; ++slot)
        w.Leaf(std::to_string(slot), song.elements[slot] ? song.elements[slot]->name : "NULL");
    w.Close("elements");
    w.Close("song");
}

void WriteAlbum(TagWriter& w, const SIM_Album& album) {
    w.Open("album");
    w.Int("slid", album.GetSLID());
    w.Int("mode", album.mode);
    w.Leaf("title", album.title);
    w.Int("weekssincerelease", album.weeksSinceRelease);
    w.Float("songqaulity", album.songQuality);
    w.Float("productionquality", album.productionQuality);
    w.Float("productioncost", album.productionCost);
    w.Int("daysinstudio", album.daysInStudio);
    w.Leaf("covertexture", album.coverTexture);
    w.Float("royaltiesearned", album.royaltiesEarned);
    w.Float("totalearned", album.totalEarned);
    w.Int("copiessold", album.copiesSold);
    w.Open("tracks");
    for (const SIM_Song* track : album.tracks) {
        w.Open("track");
        w.Int("slid", SlidOf(track));
        w.Close("track");
    }
    w.Close("tracks");
    w.Close("album");
}

void WriteSongs(TagWriter& w) {
    w.Open("song_elements");
    for (const auto& element : SongElements()) {
        if (!element->unlocked) continue;
        w.Open("unlocked");
        w.Leaf("name", element->name);
        w.Int("slid", SlidOf(element->bringer));
        w.Close("unlocked");
    }
    w.Close("song_elements");
    w.Open("songs");
    for (const auto& song : CurrentSongs()) WriteSong(w, *song);
    w.Close("songs");
    w.Open("retired_songs");
    for (const auto& song : RetiredSongs()) WriteSong(w, *song);
    w.Close("retired_songs");
    w.Open("albums");
    for (const auto& album : Albums()) WriteAlbum(w, *album);
    w.Close("albums");
    w.Open("gamemode");
    w.Int("mode", GetCareerStage().GetStage());
    w.Close("gamemode");
    w.NamedEntry("recordingstudio", SelectedStudioSaveName());
}

void WriteGigs(TagWriter& w) {
    w.Open("gigs");
    w.Open("booked");
    for (const auto& gig : BookedGigs()) {
        w.Open("booking");
        w.Int("type", gig->type);
        w.Leaf("venue", gig->venue ? gig->venue->key : std::string());
        w.Leaf("charity", gig->charity ? gig->charity->key : "null");
        w.Int("date_day", gig->date.day);
        w.Int("date_month", gig->date.month);
        w.Int("date_year", gig->date.year);
        w.Close("booking");
    }
    w.Close("booked");
    w.Close("gigs");
    w.Open("other_gigs");
    for (const auto& gig : RivalGigs()) {
        if (!gig->band) continue;
        w.Open("gig");
        w.Leaf("name", gig->band->key);
        w.Int("day", gig->date.day);
        w.Int("month", gig->date.month);
        w.Int("year", gig->date.year);
        w.Close("gig");
    }
    w.Close("other_gigs");
}

void WritePractice(TagWriter& w) {
    const SIM_PracticeRecord& record = GetPracticeRecord();
    w.Open("practice");
    std::string bpm;
    for (int set = 0; set < kPracticeSets; ++set) bpm += (set ? "," : "") + std::to_string(record.bpm[set]);
    w.Leaf("bpm", bpm);
    w.Int("inst", record.inst);
    for (int set = 0; set < kPracticeSets; ++set) {
        w.Open("melody");
        std::string ids;
        for (int id : record.ids[set]) ids += std::to_string(id) + ",";
        w.Leaf("ids", ids);
        w.Close("melody");
    }
    w.Close("practice");
}

void WritePeopleLinks(TagWriter& w) {
    w.Open("relationships");
    for (const SIM_Relationship* r : AllRelationships()) {
        if (!Kept(r->P1) || !Kept(r->P2)) continue;
        w.Open("relationship");
        w.Int("P1_SLID", SlidOf(r->P1));
        w.Int("P2_SLID", SlidOf(r->P2));
        w.Float("value", r->value);
        w.Close("relationship");
    }
    w.Close("relationships");
    // Taken and turned down alike: neither is offered again after a load.
    w.Open("endorsements");
    for (const auto& endorsement : RetiredEndorsements()) w.NamedEntry("endorsement", endorsement->name);
    w.Close("endorsements");
    w.Open("rehearsal_data");
    for (const SIM_RehearsalData* data : AllRehearsalData()) {
        if (data->owner && !Kept(data->owner)) continue;
        w.Open("data");
        w.Int("owner_slid", data->owner ? data->owner->GetSLID() : data->ownerSlid);
        for (const SIM_SongReadiness& entry : data->entries) {
            w.Open("songdata");
            w.Int("song_slid", SlidOf(entry.song));
            w.Float("readiness", entry.readiness);
            w.Close("songdata");
        }
        w.Close("data");
    }
    w.Close("rehearsal_data");
}

void WriteWorld(TagWriter& w) {
    w.Open("venues");
    for (const auto& venue : Venues()) {
        w.Open("venue");
        w.Leaf("name", venue->key);
        w.Float("boredom", venue->boredom);
        w.Close("venue");
    }
    w.Close("venues");
    const SIM_BalanceHistory& balance = GetBalanceHistory();
    w.Open("balance");
    w.Int("status", balance.status);
    for (float worth : balance.entries) {
        w.Open("entry");
        w.Float("worth", worth);
        w.Close("entry");
    }
    w.Close("balance");
    const SIM_EventGate& gate = GetSIM().eventGate;
    w.Open("events");
    w.Int("DaysSinceLastEvent", gate.daysSinceLastEvent);
    for (int i = 0; i < 3; ++i) w.Flag(std::to_string(i), gate.flags[i]);
    w.Close("events");
    w.Open("finances");
    w.Float("cash", GetFinances().cash);
    w.Close("finances");
    w.Open("fame");
    for (const auto& effect : GetFame().effects.Effects()) {
        w.Open("effect");
        w.Float("degrade", effect->degrade);
        w.Float("effect", effect->value);
        w.Leaf("debugname", effect->debugname);
        w.Close("effect");
    }
    w.Close("fame");
    w.Open("globals");
    for (const auto& value : Globals().values) {
        w.Open("global");
        w.Leaf("name", value->name);
        w.Leaf("guiname", value->guiname);
        w.Float("value", value->value);
        w.Close("global");
    }
    w.Close("globals");
}

void WriteCounters(TagWriter& w) {
    const SIM_GameStatistics& s = GetStatistics();
    w.Open("statistics");
    std::string ints;
    for (int n : {s.desktopClicks, s.gigsPlayed, s.songsWritten, s.rehearsals, s.rehearsalsCancelled,
                  s.unnamedCounter, s.audiencePlayedTo})
        ints += std::to_string(n) + ",";
    w.Leaf("ints", ints);
    std::string floats;
    for (float f : {s.damageCosts, s.moneyEarned, s.peakCash}) floats += TagWriter::Format("%.2f,", f);
    w.Leaf("floats", floats);
    w.Leaf("elapsed", TagWriter::Format("%.3f", s.playSeconds));
    w.Close("statistics");
    const SIM_SIM& sim = GetSIM();
    w.Open("SIM_SIM");
    w.Int("max_acts", sim.maxActs);
    w.Int("acts", sim.acts);
    w.Int("turncount", sim.turncount);
    w.Close("SIM_SIM");
    w.Open("misc");
    w.Int("TopSLID", TopSLID());
    w.Leaf("skin", sim.skin.empty() ? "default" : sim.skin);
    w.Close("misc");
}

// The record company comes last, after "<misc>": readers of files written before it existed
// find "</xml>" there instead and start a fresh company with no deal. Leaves "name",
// "hasdeal" (0 or 1), "royalty" and "marketing" (%.3f, shares of 0..1).
void WriteRecordCompany(TagWriter& w) {
    const SIM_RecordCompanyState company = RecordCompanyState();
    w.Open("recordcompany");
    w.Leaf("name", company.name);
    w.Flag("hasdeal", company.hasDeal);
    w.Float("royalty", company.royalty);
    w.Float("marketing", company.marketing);
    w.Close("recordcompany");
}

// Each musician's ego follows the company: nothing else in the file holds it, and without it a
// loaded member would feel slights with a strength drawn afresh. Leaves "slid" (%d) and
// "value" (%.3f); files without the section load with egos drawn as for a new musician.
void WriteEgos(TagWriter& w) {
    w.Open("egos");
    for (const SIM_Musician* m : AllMusicians()) {
        if (!Kept(m)) continue;
        w.Open("ego");
        w.Int("slid", m->GetSLID());
        w.Float("value", m->ego);
        w.Close("ego");
    }
    w.Close("egos");
}

// The songs the band did not write (the covers it starts with): the song block has no place
// for it, and a cover read as the band's own could be reworked. Leaves "slid" (%d) of current
// and retired songs; files without the section load with every song the band's own.
void WriteCovers(TagWriter& w) {
    w.Open("covers");
    for (const auto* list : {&CurrentSongs(), &RetiredSongs()})
        for (const auto& song : *list) {
            if (!song->cover) continue;
            w.Open("cover");
            w.Int("slid", song->GetSLID());
            w.Close("cover");
        }
    w.Close("covers");
}

// The weekly figures of the charts come last: older files find "</xml>" there and start their
// chart at the load. Leaf "marks" holds the marks of the week in progress, then each week one
// leaf "week": its number, fame (%.3f), cash (%.3f) and marks, separated by commas.
void WriteHistory(TagWriter& w) {
    const SIM_CareerHistory& history = GetCareerHistory();
    w.Open("history");
    w.Int("marks", static_cast<int>(history.pending));
    for (const SIM_CareerWeek& week : history.weeks)
        w.Leaf("week", std::to_string(week.week) + "," + TagWriter::Format("%.3f", week.fame) + "," +
                           TagWriter::Format("%.3f", week.cash) + "," + std::to_string(week.marks));
    w.Close("history");
}
}  // namespace

void SetSaveGameFolder(const std::string& folder) { gFolder = folder; }
const std::string& SaveGameFolder() { return gFolder; }
std::string SaveGamePath(const std::string& name) { return gFolder + "/" + name + ".xml"; }
void SetSaveClock(std::function<std::time_t()> clock) { gClock = std::move(clock); }

bool IsValidSaveName(const std::string& name) {
    if (name.empty() || name.size() > kMaxSaveNameLength || name.front() == '.') return false;
    if (name.find("..") != std::string::npos) return false;
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7f || c == '/' || c == '\\' || c == '<') return false;
    return true;
}

std::string SaveGameText(const std::string& savedAt) {
    TagWriter w;
    w.Open("xml");
    WriteHeaderAndSummary(w, savedAt);
    WritePlayer(w);
    WriteDate(w);
    WriteAssets(w);
    w.Open("musicians");
    for (const SIM_Musician* musician : AllMusicians())
        if (Kept(musician)) WriteMusician(w, *musician);
    w.Close("musicians");
    WriteBand(w);
    WriteSongs(w);
    WriteGigs(w);
    WritePractice(w);
    WritePeopleLinks(w);
    WriteWorld(w);
    WriteCounters(w);
    WriteRecordCompany(w);
    WriteEgos(w);
    WriteCovers(w);
    WriteHistory(w);
    w.Close("xml");
    return std::move(w.Text());
}

bool IsReservedSaveName(const std::string& name) { return ToLower(name) == kAutosaveName; }

namespace {
// The player's saves and the game's own go through here; only the player's may not take a
// reserved name.
bool WriteSave(const std::string& name, bool playerNamed, std::string* error) {
    std::string reason;
    if (!IsValidSaveName(name)) {
        reason = Translate("SAVEGAME_BADNAME_TEXT");
    } else if (playerNamed && IsReservedSaveName(name)) {
        reason = Translate("SAVEGAME_RESERVED_TEXT");
        ReplaceToken(reason, "<NAME>", name);
    } else if (!WriteFileReplacing(SaveGamePath(name), SaveGameText())) {
        reason = Translate("SAVEGAME_FAILED_TEXT");
        ReplaceToken(reason, "<NAME>", name);
    }
    if (reason.empty()) return true;
    REPORT_ERROR("Failed to open save game file " + SaveGamePath(name));
    Screens().ShowMessage(Translate("SAVEGAME_FAILED_TITLE"), reason);
    if (error) *error = reason;
    return false;
}
}  // namespace

bool SaveGame(const std::string& name, std::string* error) { return WriteSave(name, true, error); }

SIM_SaveSummary ReadSaveSummaryBlock(SIM_TagReader& reader) {
    SIM_SaveSummary summary;
    reader.FindTag("load_data");
    summary.avatarTexture = reader.ReadString("avatar_texture");
    summary.bandName = reader.ReadString("band_name");
    summary.fame = reader.ReadFloat("fame");
    summary.cash = reader.ReadFloat("cash");
    summary.date = reader.ReadString("date");
    return summary;
}

std::optional<SIM_SaveSummary> ReadSaveSummary(const std::string& name, std::string* error) {
    SIM_TagReader reader;
    reader.strict = false;
    try {
        if (!reader.Open(SaveGamePath(name))) throw SIM_SaveFileError(SaveGamePath(name) + ": Failed to open save game");
        return ReadSaveSummaryBlock(reader);
    } catch (const SIM_SaveFileError& failure) {
        if (error) *error = failure.what();
        return std::nullopt;
    }
}

void AutosaveAfterDay() {
    if (!PlayerOptions().autosaveOn || gFolder.empty()) return;
    if (GetSIMDate().date.weekday != 0) return;
    WriteSave(kAutosaveName, false, nullptr);
}

void RegisterAutosave() {
    std::function<void()>& last = WorldSeams().checkDayHints;
    last = [before = last] {
        RunSeam(before);
        AutosaveAfterDay();
    };
}
