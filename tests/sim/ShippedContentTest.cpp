// The shipped music and world catalogues hold together: what is locked can be learnt, what
// the stage shows can be bought, and what the player is sold does what it says.
#include "GHashTable.h"
#include "LibSpreadsheet.h"
#include "SIM_Asset.h"
#include "SIM_PeopleSeams.h"
#include "SIM_Practice.h"
#include "SIM_Relaxation.h"
#include "SIM_RivalBands.h"
#include "SIM_Song.h"
#include "SIM_Venue.h"
#include "SimTestSupport.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <set>

namespace {

using ShippedContent = SimTest;

// The cell at a 0-based position of every data row of a shipped catalogue.
std::vector<std::string> Column(const std::string& file, int cell) {
    std::vector<std::string> out;
    const auto sheet = LoadSpreadsheet("data/simulation/" + file);
    for (const std::string& row : sheet->rows) {
        LibTokenizer cells(row);
        for (int i = 0; i < cell; ++i) cells.Next();
        out.push_back(cells.NextText());
    }
    return out;
}

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

TEST_F(ShippedContent, MostElementsStartLockedAndEveryLockedOneCanBeLearnt) {
    SetStringsFile(kStringsFile);
    ClearTranslations();
    LoadSongElements();
    PeopleSeams().findSongElement = [](const std::string& name) { return FindSongElement(name); };
    LoadAssets();
    LoadRivalBands();
    EXPECT_EQ(errors.assertions, 0);

    ASSERT_GE(SongElements().size(), 60u);
    std::set<std::string> names;
    int lyrics = 0, locked = 0;
    for (const auto& e : SongElements()) {
        EXPECT_TRUE(names.insert(e->name).second) << "duplicate " << e->name;
        EXPECT_FALSE(e->label.empty()) << e->name;
        EXPECT_TRUE(e->strength > 0.0f && e->strength <= 1.0f) << e->name;
        lyrics += e->type == SONGELEMENT_LYRICS;
        locked += !e->unlocked;
        // Every level but the lowest names the element in a song's description.
        const std::string section = "SONG_DESCRIPTION_" + Upper(e->name);
        for (float level : {0.4f, 0.7f, 1.0f}) EXPECT_FALSE(TranslatePick(level, section).empty()) << e->name;
    }
    EXPECT_GE(lyrics, 15);
    EXPECT_GE(static_cast<int>(SongElements().size()) - lyrics, 15);
    EXPECT_GT(locked * 2, static_cast<int>(SongElements().size())) << "most elements start locked";

    // Where a locked element can come from: a member who brings it, a rival gig, an album.
    std::set<std::string> sources;
    for (const std::string& name : Column("auditionees.csv", 3)) sources.insert(name);
    for (const auto& band : RivalBands()) sources.insert(band->elementName);
    for (const SIM_Asset* asset : AllAssets()) {
        const auto* album = dynamic_cast<const SIM_AssetMusic*>(asset);
        if (!album) continue;
        ASSERT_NE(album->element, nullptr) << asset->key;
        EXPECT_FALSE(album->element->unlocked) << asset->key << " teaches what every band already knows";
        EXPECT_FALSE(album->tracks.empty()) << asset->key;
        EXPECT_GT(asset->price, 0.0f) << asset->key;
        sources.insert(album->elementName);
    }
    for (const auto& e : SongElements()) {
        if (!e->unlocked) {
            EXPECT_EQ(sources.count(e->name), 1u) << e->name << " can never be unlocked";
        }
    }
}

TEST_F(ShippedContent, EveryStageFeatureCanBeBoughtAndBiggerRigsCostMore) {
    LoadAssets();
    std::map<std::string, const SIM_StageEquipment*> stage;
    for (const char* key : {"smokemachine", "2spotlightrig", "4spotlightrig", "8spotlightrig", "laser",
                            "computerised lighting", "videoscreen", "stonehenge", "skull", "small pyro",
                            "large pyro"}) {
        const auto* gear = dynamic_cast<const SIM_StageEquipment*>(FindAsset(key));
        ASSERT_NE(gear, nullptr) << key << " is not stage equipment";
        EXPECT_TRUE(gear->IsInShop()) << key;
        EXPECT_GT(gear->stageShow, 0.0f) << key;
        EXPECT_TRUE(gear->shopTab == "lighting" || gear->shopTab == "effects") << key;
        stage[key] = gear;
    }
    EXPECT_LT(stage["2spotlightrig"]->price, stage["4spotlightrig"]->price);
    EXPECT_LT(stage["4spotlightrig"]->price, stage["8spotlightrig"]->price);
    EXPECT_LT(stage["2spotlightrig"]->stageShow, stage["8spotlightrig"]->stageShow);
    EXPECT_LT(stage["small pyro"]->price, stage["large pyro"]->price);
    EXPECT_LT(stage["small pyro"]->stageShow, stage["large pyro"]->stageShow);
    // Staff the rules read by name are hired on the staff tab and cost wages.
    for (const char* key : {"manager", "roadie", "sound engineer", "lighting engineer", "publicist", "masseuse"}) {
        const SIM_Asset* staff = FindAsset(key);
        ASSERT_NE(staff, nullptr) << key;
        EXPECT_EQ(staff->shopTab, "staff") << key;
        EXPECT_GT(staff->dailyCost, 0.0f) << key;
    }
}

TEST_F(ShippedContent, VenuesLetABandStartSmallAndAFullHousePaysTheRent) {
    LoadVenues();
    int openingNights = 0;
    std::set<std::string> keys;
    for (const auto& v : Venues()) {
        EXPECT_TRUE(keys.insert(v->key).second) << "duplicate " << v->key;
        if (v->key == "TEST VENUE") continue;
        EXPECT_GT(v->famePerfectShow, v->fameAverageShow) << v->key;
        EXPECT_GT(static_cast<float>(v->capacity) * v->ticketPrice, v->rental) << v->key;
        EXPECT_FALSE(v->picture.empty() || v->backdrop.empty()) << v->key;
        openingNights += v->type == VENUE_LOCAL && !v->needsManager && v->minimumFame <= 2.0f;
    }
    EXPECT_GE(openingNights, 3) << "a new band needs a choice of local rooms";
    DestroyAllVenues();
}

TEST_F(ShippedContent, EveryDayOffEasesStressAndOnlyStayingInIsFree) {
    LoadRelaxVenues();
    ASSERT_GE(RelaxVenues().size(), 8u);
    for (const auto& venue : RelaxVenues()) {
        const auto& mods = venue->modifiers;
        EXPECT_TRUE(std::any_of(mods.begin(), mods.end(),
                                [](const SIM_Modifier& m) { return m.name == "band_stress" && m.amount < 0.0f; }))
            << venue->name;
        EXPECT_EQ(venue->costPerMember == 0.0f, venue->name == "donothing") << venue->name;
    }
}

// A run starts at the first melody not yet mastered, so each set must get harder downwards:
// never shorter, and the last ten range over more keys and leap further than the first ten.
TEST_F(ShippedContent, PracticeMelodiesGetLongerAndHarderDownEachSet) {
    for (int set = 0; set < kPracticeSets; ++set) {
        const std::string section = PracticeMelodySection(set);
        LibConfigSection entries;
        entries.Load(section, kMelodiesFile);
        const int count = static_cast<int>(entries.Entries().size());
        ASSERT_GE(count, 25) << section;
        std::size_t longest = 0;
        int keysFirst = 0, keysLast = 0, leapsFirst = 0, leapsLast = 0;
        for (int k = 0; k < count; ++k) {
            const auto notes = LoadMelody(section, k).notes;
            ASSERT_FALSE(notes.empty());
            EXPECT_GE(notes.size(), longest) << section << " " << k;
            longest = std::max(longest, notes.size());
            int leaps = 0;
            for (std::size_t i = 0; i < notes.size(); ++i) {
                EXPECT_TRUE(notes[i] >= 1 && notes[i] <= 5) << section << " " << k;
                if (i > 0) leaps += std::abs(notes[i] - notes[i - 1]);
            }
            const int keys = static_cast<int>(std::set<int>(notes.begin(), notes.end()).size());
            if (k < 10) keysFirst += keys, leapsFirst += leaps;
            if (k >= count - 10) keysLast += keys, leapsLast += leaps;
        }
        EXPECT_GE(longest, 2 * LoadMelody(section, 0).notes.size()) << section;
        EXPECT_GT(keysLast, keysFirst) << section;
        EXPECT_GT(leapsLast, 2 * leapsFirst) << section;
    }
}

}  // namespace
