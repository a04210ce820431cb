#include "SIM_SaveData.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "SIM_Album.h"
#include "SIM_Asset.h"
#include "SIM_CareerStage.h"
#include "SIM_Charity.h"
#include "SIM_Date.h"
#include "SIM_Endorsements.h"
#include "SIM_Person.h"
#include "SIM_Personality.h"
#include "SIM_SLIDBase.h"
#include "SIM_RivalBands.h"
#include "SIM_Song.h"
#include "SIM_Venue.h"

namespace {

class SaveParser {
public:
    explicit SaveParser(SIM_TagReader& reader) : r(reader) {}

    SIM_SaveData Parse() {
        SIM_SaveData d;
        r.strict = true;
        r.FindTag("xml");
        Header(d);
        Player(d);
        Calendar(d);
        Assets(d);
        Musicians(d);
        Band(d);
        Songs(d);
        Gigs(d);
        Practice(d);
        Links(d);
        World(d);
        Counters(d);
        if (r.PeekTag() == "recordcompany") RecordCompany(d);
        if (r.PeekTag() == "egos") Egos(d);
        if (r.PeekTag() == "covers") Covers(d);
        if (r.PeekTag() == "history") HistoryOrNothing(d);
        r.FindTag("/xml");
        CheckReferences(d);
        return d;
    }

private:
    // Runs read for every entry "<tag>" until the list's closing tag.
    template <class Read>
    void List(const std::string& list, const std::string& tag, Read read) {
        r.FindTag(list);
        while (r.PeekTag() == tag) {
            r.FindTag(tag);
            read();
            r.FindTag("/" + tag);
        }
        r.FindTag("/" + list);
    }

    std::vector<SIM_SavedEffect> Effects(const char* tag = "sim_effect") {
        std::vector<SIM_SavedEffect> effects;
        while (r.PeekTag() == tag) {
            r.FindTag(tag);
            SIM_SavedEffect e;
            e.debugname = r.ReadString("debugname");
            e.degrade = r.ReadFloat("degrade");
            e.value = r.ReadFloat("effect");
            r.FindTag(std::string("/") + tag);
            effects.push_back(std::move(e));
        }
        return effects;
    }

    std::vector<SIM_SavedEffect> ShortAttribute() {
        r.FindTag("attribute");
        std::vector<SIM_SavedEffect> effects = Effects();
        r.FindTag("/attribute");
        return effects;
    }

    void Header(SIM_SaveData& d) {
        r.FindTag("header");
        d.version = r.ReadString("version");
        r.FindTag("/header");
        d.summary = ReadSaveSummaryBlock(r);
        r.FindTag("/load_data");
    }

    void Player(SIM_SaveData& d) {
        r.FindTag("milo");
        d.playerSlid = r.ReadInt("SLID");
        d.playerForename = r.ReadString("forename");
        List("attributes", "attribute", [&] {
            SIM_SavedAttribute a;
            a.name = r.ReadString("name");
            a.guiname = r.ReadString("guiname");
            a.description = r.ReadString("description");
            a.basevalue = r.ReadFloat("basevalue");
            a.alwaysshow = r.ReadInt("alwaysshow");
            a.highisgood = r.ReadInt("highisgood");
            a.criteria = r.ReadInt("criteria");
            a.warnlimit = r.ReadFloat("warnlimit");
            a.effects = Effects();
            d.playerAttributes.push_back(std::move(a));
        });
        List("skills", "skill", [&] {
            SIM_SaveData::Skill s;
            s.name = r.ReadString("name");
            s.guiname = r.ReadString("guiname");
            s.value = r.ReadFloat("value");
            d.skills.push_back(std::move(s));
        });
        d.playerAvatar = r.ReadString("avatar_texture");
        r.FindTag("/milo");
    }

    void Calendar(SIM_SaveData& d) {
        static const char* const kTags[] = {"day",         "dayofweek",     "month",        "year",
                                            "yearend_day", "yearend_month", "yearend_year", "gameend_day",
                                            "gameend_month", "gameend_year", "tenyearsup"};
        r.FindTag("date");
        for (int i = 0; i < 11; ++i) d.calendar[i] = r.ReadInt(kTags[i]);
        r.FindTag("/date");
    }

    void Assets(SIM_SaveData& d) {
        r.FindTag("assets");
        while (r.PeekTag() == "asset") {
            r.FindTag("asset");
            SIM_SaveData::Asset a;
            a.name = r.ReadString("name");
            a.owned = r.ReadInt("owned");
            a.assigned = r.ReadInt("assigned");
            r.FindTag("/asset");
            d.assets.push_back(std::move(a));
        }
        List("asset_music", "music", [&] {
            std::string name = r.ReadString("name");
            d.musicAssets.emplace_back(std::move(name), r.ReadInt("listened"));
        });
        r.FindTag("/assets");
    }

    void Musicians(SIM_SaveData& d) {
        List("musicians", "musician", [&] {
            SIM_SavedMusician m;
            m.slid = r.ReadInt("slid");
            m.forename = r.ReadString("forename");
            m.surname = r.ReadString("surname");
            m.fullname = r.ReadString("fullname");
            m.portraits[0] = r.ReadString("portrait_vsad");
            m.portraits[1] = r.ReadString("portrait_sad");
            m.portraits[2] = r.ReadString("portrait_neutral");
            m.portraits[3] = r.ReadString("portrait_happy");
            m.gender = r.ReadInt("gender");
            m.instrument = r.ReadInt("instrument");
            m.ability = r.ReadFloat("ability");
            m.maxability = r.ReadFloat("maxability");
            m.resentment = r.ReadFloat("possesion_resentment");
            m.chemistry = r.ReadFloat("chemistry");
            m.boredom = r.ReadFloat("boredom");
            m.innocence = r.ReadFloat("innocence");
            m.cynicism = r.ReadFloat("cynicism");
            m.daysinband = r.ReadInt("daysinband");
            m.intentiontoquit = r.ReadInt("intentiontoquit");
            for (auto& mood : m.moods) mood = ShortAttribute();
            m.songElement = r.ReadString("songelement");
            m.active = r.ReadInt("active");
            List("personalities", "personality", [&] { m.personalities.push_back(r.ReadString("name")); });
            List("possesions", "possesion", [&] { m.possessions.push_back(r.ReadString("name")); });
            d.musicians.push_back(std::move(m));
        });
    }

    void Band(SIM_SaveData& d) {
        r.FindTag("band");
        d.bandName = r.ReadString("Name");
        d.bandSponsoredName = r.ReadString("SponsoredName");
        d.yearCount = r.ReadInt("YearCount");
        List("members", "member", [&] { d.members.push_back(r.ReadInt("slid")); });
        for (auto& value : d.bandValues) value = ShortAttribute();
        List("communal assets", "asset", [&] { d.communalAssets.push_back(r.ReadString("name")); });
        r.FindTag("/band");
    }

    SIM_SavedSong Song() {
        SIM_SavedSong s;
        s.slid = r.ReadInt("slid");
        s.name = r.ReadString("name");
        s.boredom = r.ReadFloat("boredom");
        s.quality = r.ReadFloat("quality");
        s.initialInspiration = r.ReadFloat("initialinspiration");
        s.description = r.ReadString("description");
        s.classic = r.ReadInt("classic");
        // A few saves of an earlier build keep the cover flag here; later ones list covers at the end.
        if (r.PeekTag() == "cover") s.cover = r.ReadInt("cover");
        s.albumSlid = r.ReadInt("albumslid");
        List("suitabilities", "suitability", [&] {
            SIM_SavedSong::Suitability t;
            t.name = r.ReadString("name");
            t.suitability = r.ReadFloat("suitability");
            t.left = r.ReadInt("left");
            t.right = r.ReadInt("right");
            s.suitabilities.push_back(std::move(t));
        });
        r.FindTag("elements");
        for (int slot = 0; slot < 7; ++slot) s.elements[slot] = r.ReadString(std::to_string(slot));
        r.FindTag("/elements");
        return s;
    }

    void Songs(SIM_SaveData& d) {
        List("song_elements", "unlocked", [&] {
            std::string name = r.ReadString("name");
            d.unlockedElements.emplace_back(std::move(name), r.ReadInt("slid"));
        });
        List("songs", "song", [&] { d.songs.push_back(Song()); });
        List("retired_songs", "song", [&] { d.retiredSongs.push_back(Song()); });
        List("albums", "album", [&] {
            SIM_SavedAlbum a;
            a.slid = r.ReadInt("slid");
            a.mode = r.ReadInt("mode");
            a.title = r.ReadString("title");
            a.weeksSinceRelease = r.ReadInt("weekssincerelease");
            a.songQuality = r.ReadFloat("songqaulity");
            a.productionQuality = r.ReadFloat("productionquality");
            a.productionCost = r.ReadFloat("productioncost");
            a.daysInStudio = r.ReadInt("daysinstudio");
            a.coverTexture = r.ReadString("covertexture");
            a.royaltiesEarned = r.ReadFloat("royaltiesearned");
            a.totalEarned = r.ReadFloat("totalearned");
            a.copiesSold = r.ReadInt("copiessold");
            List("tracks", "track", [&] { a.tracks.push_back(r.ReadInt("slid")); });
            d.albums.push_back(std::move(a));
        });
        r.FindTag("gamemode");
        d.careerStage = r.ReadInt("mode");
        if (d.careerStage < 0 || d.careerStage >= SIM_CareerStage::kStages)
            r.Fail("tag mode holds no career stage: " + std::to_string(d.careerStage));
        r.FindTag("/gamemode");
        r.FindTag("recordingstudio");
        d.studio = r.ReadString("name");
        r.FindTag("/recordingstudio");
    }

    void Gigs(SIM_SaveData& d) {
        r.FindTag("gigs");
        List("booked", "booking", [&] {
            SIM_SaveData::Booking b;
            b.type = r.ReadInt("type");
            b.venue = r.ReadString("venue");
            b.charity = r.ReadString("charity");
            b.day = r.ReadInt("date_day");
            b.month = r.ReadInt("date_month");
            b.year = r.ReadInt("date_year");
            d.bookings.push_back(std::move(b));
        });
        r.FindTag("/gigs");
        List("other_gigs", "gig", [&] {
            SIM_SaveData::RivalGig g;
            g.band = r.ReadString("name");
            g.day = r.ReadInt("day");
            g.month = r.ReadInt("month");
            g.year = r.ReadInt("year");
            d.rivalGigs.push_back(std::move(g));
        });
    }

    // A comma list of whole numbers, of the given length unless it is -1.
    void NumberList(const char* tag, const std::string& text, int count) {
        const auto numbers = ParseIntList(text);
        if (!numbers || (count >= 0 && numbers->size() != static_cast<std::size_t>(count)))
            r.Fail("tag " + std::string(tag) + " holds no list of " +
                   (count >= 0 ? std::to_string(count) + " " : std::string()) + "whole numbers: " + text);
    }

    void Practice(SIM_SaveData& d) {
        r.FindTag("practice");
        d.practiceBpm = r.ReadString("bpm");
        NumberList("bpm", d.practiceBpm, 5);
        d.practiceInstrument = r.ReadInt("inst");
        for (auto& ids : d.melodyIds) {
            r.FindTag("melody");
            ids = r.ReadString("ids");
            NumberList("ids", ids, -1);
            r.FindTag("/melody");
        }
        r.FindTag("/practice");
    }

    void Links(SIM_SaveData& d) {
        List("relationships", "relationship", [&] {
            SIM_SaveData::Relationship x;
            x.p1 = r.ReadInt("P1_SLID");
            x.p2 = r.ReadInt("P2_SLID");
            x.value = r.ReadFloat("value");
            d.relationships.push_back(x);
        });
        List("endorsements", "endorsement", [&] { d.endorsements.push_back(r.ReadString("name")); });
        List("rehearsal_data", "data", [&] {
            SIM_SaveData::Readiness x;
            x.owner = r.ReadInt("owner_slid");
            while (r.PeekTag() == "songdata") {
                r.FindTag("songdata");
                const int song = r.ReadInt("song_slid");
                x.songs.emplace_back(song, r.ReadFloat("readiness"));
                r.FindTag("/songdata");
            }
            d.rehearsals.push_back(std::move(x));
        });
    }

    void World(SIM_SaveData& d) {
        List("venues", "venue", [&] {
            std::string name = r.ReadString("name");
            d.venueBoredom.emplace_back(std::move(name), r.ReadFloat("boredom"));
        });
        r.FindTag("balance");
        d.balanceStatus = r.ReadInt("status");
        while (r.PeekTag() == "entry") {
            r.FindTag("entry");
            d.balance.push_back(r.ReadFloat("worth"));
            r.FindTag("/entry");
        }
        r.FindTag("/balance");
        r.FindTag("events");
        d.daysSinceLastEvent = r.ReadInt("DaysSinceLastEvent");
        for (int i = 0; i < 3; ++i) d.eventFlags[i] = r.ReadInt(std::to_string(i));
        r.FindTag("/events");
        r.FindTag("finances");
        d.financesCash = r.ReadFloat("cash");
        r.FindTag("/finances");
        r.FindTag("fame");
        while (r.PeekTag() == "effect") {
            r.FindTag("effect");
            SIM_SavedEffect e;
            e.degrade = r.ReadFloat("degrade");
            e.value = r.ReadFloat("effect");
            e.debugname = r.ReadString("debugname");
            r.FindTag("/effect");
            d.fameEffects.push_back(std::move(e));
        }
        r.FindTag("/fame");
        List("globals", "global", [&] {
            SIM_SaveData::Global g;
            g.name = r.ReadString("name");
            g.guiname = r.ReadString("guiname");
            g.value = r.ReadFloat("value");
            d.globals.push_back(std::move(g));
        });
    }

    void Counters(SIM_SaveData& d) {
        r.FindTag("statistics");
        d.statisticsInts = r.ReadString("ints");
        NumberList("ints", d.statisticsInts, 7);
        d.statisticsFloats = r.ReadString("floats");
        const auto floats = ParseFloatList(d.statisticsFloats);
        if (!floats || floats->size() != 3) r.Fail("tag floats holds no list of 3 numbers: " + d.statisticsFloats);
        d.elapsed = r.ReadFloat("elapsed");
        r.FindTag("/statistics");
        r.FindTag("SIM_SIM");
        d.maxActs = r.ReadInt("max_acts");
        d.acts = r.ReadInt("acts");
        d.turncount = r.ReadInt("turncount");
        r.FindTag("/SIM_SIM");
        r.FindTag("misc");
        d.topSlid = r.ReadInt("TopSLID");
        d.skin = r.ReadString("skin");
        r.FindTag("/misc");
    }

    void RecordCompany(SIM_SaveData& d) {
        r.FindTag("recordcompany");
        SIM_RecordCompanyState company;
        company.name = r.ReadString("name");
        company.hasDeal = r.ReadInt("hasdeal") != 0;
        company.royalty = r.ReadFloat("royalty");
        company.marketing = r.ReadFloat("marketing");
        r.FindTag("/recordcompany");
        d.recordCompany = company;
    }

    void Egos(SIM_SaveData& d) {
        List("egos", "ego", [&] {
            const int slid = r.ReadInt("slid");
            const float ego = r.ReadFloat("value");
            const auto m = std::find_if(d.musicians.begin(), d.musicians.end(),
                                        [&](const SIM_SavedMusician& s) { return s.slid == slid; });
            if (m == d.musicians.end()) r.Fail("tag ego names unknown slid " + std::to_string(slid));
            m->ego = ego;
        });
    }

    void Covers(SIM_SaveData& d) {
        List("covers", "cover", [&] {
            const int slid = r.ReadInt("slid");
            for (auto* list : {&d.songs, &d.retiredSongs})
                for (SIM_SavedSong& song : *list)
                    if (song.slid == slid) {
                        song.cover = 1;
                        return;
                    }
            r.Fail("tag cover names unknown song slid " + std::to_string(slid));
        });
    }

    // The charts' weeks are worth less than the career they decorate: a section damaged inside
    // is dropped and the rest of the file loads. Only a section that never closes (a cut-off
    // file) fails the whole file.
    void HistoryOrNothing(SIM_SaveData& d) {
        SIM_TagReader attempt = r;
        try {
            d.history = History(attempt, d);
            r = std::move(attempt);
            return;
        } catch (const SIM_SaveFileError& failure) {
            d.historyDropped = failure.what();
        }
        r.strict = false;
        r.FindTag("/history");
        r.strict = true;
    }

    static SIM_CareerHistory History(SIM_TagReader& in, const SIM_SaveData& d) {
        SIM_CareerHistory history;
        in.FindTag("history");
        history.pending = Marks(in, in.ReadInt("marks"));
        while (in.PeekTag() == "week") {
            const std::string text = in.ReadValue("week");
            // "number,fame,cash,marks": the figures within the reader's range, the rest whole.
            const auto figures = ParseFloatList(text);
            const std::size_t first = text.find(','), last = text.rfind(',');
            const auto number = ParseWholeNumber(text.substr(0, first));
            const auto marks = ParseWholeNumber(text.substr(last + 1));
            if (!figures || figures->size() != 4 || !number || !marks) in.Fail("tag week holds no week: " + text);
            for (float figure : *figures)
                if (std::fabs(figure) > SIM_TagReader::kMaxMagnitude) in.Fail("tag week holds a number out of range: " + text);
            history.weeks.push_back({*number, (*figures)[1], (*figures)[2], Marks(in, *marks)});
        }
        in.FindTag("/history");
        const std::string problem = history.Problem(CareerWeekOf({d.calendar[0], d.calendar[2], d.calendar[3]}));
        if (!problem.empty()) in.Fail("tag history: " + problem);
        return history;
    }

    static unsigned Marks(SIM_TagReader& in, int marks) {
        if (marks < 0) in.Fail("tag marks holds no marks: " + std::to_string(marks));
        return static_cast<unsigned>(marks);
    }

    // Dates the calendar can hold: a day and month in range and a year the game can count on from.
    void CheckDate(int day, int month, int year, const char* tag) {
        if (day < 0 || day >= 7 || month < 0 || month >= 12 || year < 1 || year > 9999)
            r.Fail("tag " + std::string(tag) + " holds no date: " + std::to_string(day) + "/" +
                   std::to_string(month) + "/" + std::to_string(year));
    }

    // What the people and dates must be for the game to work with them.
    void CheckPeopleAndDates(const SIM_SaveData& d, const std::set<int>& musicians) {
        CheckDate(d.calendar[0], d.calendar[2], d.calendar[3], "date");
        if (d.calendar[1] < 0 || d.calendar[1] >= 7) r.Fail("tag dayofweek holds no weekday");
        CheckDate(d.calendar[4], d.calendar[5], d.calendar[6], "yearend_day");
        CheckDate(d.calendar[7], d.calendar[8], d.calendar[9], "gameend_day");
        for (const auto& b : d.bookings) {
            CheckDate(b.day, b.month, b.year, "booking");
            if (b.type != 0 && b.type != 1) r.Fail("tag type holds no gig type: " + std::to_string(b.type));
        }
        for (const auto& g : d.rivalGigs) CheckDate(g.day, g.month, g.year, "gig");
        for (const SIM_SavedMusician& m : d.musicians) {
            if (m.instrument < 0 || m.instrument >= kInstrumentCount)
                r.Fail("tag instrument holds no instrument: " + std::to_string(m.instrument));
            if (m.gender != 0 && m.gender != 1) r.Fail("tag gender holds no gender: " + std::to_string(m.gender));
        }
        // Members, relationships, readiness and bringers are musicians, never the player.
        const auto musician = [&](int slid, const char* tag) {
            if (!musicians.count(slid)) r.Fail("tag " + std::string(tag) + " names no musician: " + std::to_string(slid));
        };
        std::set<int> members, owners;
        for (int m : d.members) {
            musician(m, "members");
            if (!members.insert(m).second) r.Fail("tag members holds slid " + std::to_string(m) + " twice");
        }
        // Every two members have one relationship, and only members have them: a member who
        // leaves takes his with him, and the game looks them up by pair.
        std::set<std::pair<int, int>> pairs;
        for (const auto& x : d.relationships) {
            musician(x.p1, "P1_SLID");  // not a data key
            musician(x.p2, "P2_SLID");  // not a data key
            if (x.p1 == x.p2) r.Fail("tag P2_SLID names the same musician as P1_SLID");
            if (!members.count(x.p1) || !members.count(x.p2))
                r.Fail("tag relationship joins slids " + std::to_string(x.p1) + " and " + std::to_string(x.p2) +
                       ", not both in the band");
            if (!pairs.insert(std::minmax(x.p1, x.p2)).second)
                r.Fail("tag relationships holds slids " + std::to_string(x.p1) + " and " + std::to_string(x.p2) +
                       " twice");
        }
        if (pairs.size() != members.size() * (members.size() - (members.empty() ? 0 : 1)) / 2)
            r.Fail("tag relationships lacks a pair of members");
        for (const auto& x : d.rehearsals) {
            musician(x.owner, "owner_slid");
            if (!owners.insert(x.owner).second) r.Fail("tag owner_slid holds slid " + std::to_string(x.owner) + " twice");
        }
        for (const auto& [element, bringer] : d.unlockedElements)
            if (bringer != -1) musician(bringer, "song_elements");
    }

    void CheckAlbums(const SIM_SaveData& d, const std::set<int>& songs, std::set<int>& albums) {
        std::set<int> onAlbum;
        for (const SIM_SavedAlbum& a : d.albums) {
            if (!albums.insert(a.slid).second) r.Fail("album slid " + std::to_string(a.slid) + " is used twice");
            if (a.mode != ALBUM_IN_STUDIO && a.mode != ALBUM_RELEASED)
                r.Fail("tag mode holds no album mode: " + std::to_string(a.mode));
            if (a.tracks.size() > static_cast<std::size_t>(kAlbumTracks)) r.Fail("tag tracks holds too many tracks");
            for (int track : a.tracks) {
                if (!songs.count(track)) r.Fail("tag track names unknown slid " + std::to_string(track));
                if (!onAlbum.insert(track).second) r.Fail("song slid " + std::to_string(track) + " is on two albums");
            }
        }
        // A song's album must hold it, and a track's song must name its album.
        std::map<int, int> albumOf;
        for (const SIM_SavedAlbum& a : d.albums)
            for (int track : a.tracks) albumOf[track] = a.slid;
        for (const auto* list : {&d.songs, &d.retiredSongs})
            for (const SIM_SavedSong& s : *list) {
                const auto found = albumOf.find(s.slid);
                const int expected = found == albumOf.end() ? -1 : found->second;
                if (s.albumSlid != expected)
                    r.Fail("tag albumslid of song " + std::to_string(s.slid) + " names album " +
                           std::to_string(s.albumSlid) + ", not its album " + std::to_string(expected));
            }
    }

    // Names the save gives the catalogues must be known to the ones loaded now.
    void CheckNames(const SIM_SaveData& d) {
        const auto asset = [&](const std::string& key) {
            if (!FindAsset(key)) r.Fail("unknown asset " + key);
        };
        const auto element = [&](const std::string& name) {
            if (name != "NULL" && !FindSongElement(name)) r.Fail("unknown song element " + name);
        };
        for (const auto& a : d.assets) asset(a.name);
        for (const auto& [name, listened] : d.musicAssets) asset(name);
        for (const std::string& name : d.communalAssets) asset(name);
        for (const SIM_SavedMusician& m : d.musicians) {
            for (const std::string& name : m.possessions) asset(name);
            for (const std::string& name : m.personalities)
                if (!FindPersonality(name)) r.Fail("unknown personality " + name);
            element(m.songElement);
        }
        for (const auto& [name, bringer] : d.unlockedElements) element(name);
        for (const auto* list : {&d.songs, &d.retiredSongs})
            for (const SIM_SavedSong& s : *list)
                for (const std::string& name : s.elements) element(name);
        for (const auto& booking : d.bookings)
            if (!FindVenue(booking.venue)) r.Fail("unknown venue " + booking.venue);
        for (const auto& [venue, boredom] : d.venueBoredom)
            if (!FindVenue(venue)) r.Fail("unknown venue " + venue);
        for (const auto& gig : d.rivalGigs)
            if (!FindRivalBand(gig.band)) r.Fail("tag name names unknown rival band " + gig.band);
        for (const std::string& name : d.endorsements) {
            const auto known = [&](const auto& list) {
                return std::any_of(list.begin(), list.end(), [&](const auto& e) { return e->name == name; });
            };
            if (!known(AvailableEndorsements()) && !known(RetiredEndorsements()))
                r.Fail("tag endorsement names unknown endorsement " + name);
        }
        for (const auto& booking : d.bookings)
            if (booking.charity != "null" && !FindCharity(booking.charity))
                r.Fail("tag charity names unknown charity " + booking.charity);
        if (d.studio != "null" &&
            std::none_of(Studios().begin(), Studios().end(), [&](const auto& s) { return s->name == d.studio; }))
            r.Fail("tag recordingstudio names unknown studio " + d.studio);
    }

    void CheckReferences(const SIM_SaveData& d) {
        std::set<int> people = {d.playerSlid}, songs, musicians;
        for (const SIM_SavedMusician& m : d.musicians) {
            if (!people.insert(m.slid).second) r.Fail("slid " + std::to_string(m.slid) + " is used twice");
            musicians.insert(m.slid);
        }
        // A number held twice would give a track or a readiness record two songs to point at.
        for (const auto* list : {&d.songs, &d.retiredSongs})
            for (const SIM_SavedSong& s : *list)
                if (people.count(s.slid) || !songs.insert(s.slid).second)
                    r.Fail("slid " + std::to_string(s.slid) + " is used twice");
        const auto need = [&](const std::set<int>& known, int slid, const char* tag) {
            if (!known.count(slid)) r.Fail("tag " + std::string(tag) + " names unknown slid " + std::to_string(slid));
        };
        for (int member : d.members) need(people, member, "members");
        for (const auto& x : d.relationships) {
            need(people, x.p1, "P1_SLID");
            need(people, x.p2, "P2_SLID");
        }
        for (const auto& x : d.rehearsals) {
            need(people, x.owner, "owner_slid");
            for (const auto& [song, readiness] : x.songs) need(songs, song, "song_slid");
        }
        for (const auto& [element, bringer] : d.unlockedElements)
            if (bringer != -1) need(people, bringer, "song_elements");
        std::set<int> albums;
        CheckAlbums(d, songs, albums);
        for (int album : albums)
            if (people.count(album) || songs.count(album)) r.Fail("slid " + std::to_string(album) + " is used twice");
        CheckNames(d);
        CheckPeopleAndDates(d, musicians);
        const int lowest = std::min({*people.begin(), songs.empty() ? 0 : *songs.begin(),
                                     albums.empty() ? 0 : *albums.begin()});
        if (lowest < 0) r.Fail("slid " + std::to_string(lowest) + " is below 0");
        const int highest = std::max({*people.rbegin(), songs.empty() ? 0 : *songs.rbegin(),
                                      albums.empty() ? 0 : *albums.rbegin()});
        if (d.topSlid <= highest) r.Fail("tag TopSLID is not above every saved slid");
        if (d.topSlid >= kSLIDLimit) r.Fail("tag TopSLID is beyond the last number: " + std::to_string(d.topSlid));
    }

    SIM_TagReader& r;
};

}  // namespace

namespace {
// The comma-separated pieces converted one by one; none when any piece fails.
template <class T>
std::optional<std::vector<T>> ParseList(const std::string& text, std::optional<T> (*convert)(const std::string&)) {
    std::vector<T> numbers;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(',', start);
        if (end == std::string::npos) end = text.size();
        const std::optional<T> value = convert(text.substr(start, end - start));
        if (!value) return std::nullopt;
        numbers.push_back(*value);
        start = end + 1;
    }
    return numbers;
}
}  // namespace

std::optional<std::vector<int>> ParseIntList(const std::string& text) { return ParseList(text, ParseWholeNumber); }
std::optional<std::vector<float>> ParseFloatList(const std::string& text) { return ParseList(text, ParseDecimalNumber); }

SIM_SaveData ReadSaveData(SIM_TagReader& reader) { return SaveParser(reader).Parse(); }

std::optional<SIM_SaveData> ReadSaveFile(const std::string& path, std::string* error) {
    SIM_TagReader reader;
    try {
        if (!reader.Open(path)) throw SIM_SaveFileError(path + ": Failed to open save game");
        return ReadSaveData(reader);
    } catch (const SIM_SaveFileError& failure) {
        if (error) *error = failure.what();
        return std::nullopt;
    }
}
