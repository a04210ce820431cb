// The quote of the day, and the depth and integrity of the people catalogues the game ships.
#include "LibSpreadsheet.h"
#include "SIM_Auditions.h"
#include "SIM_Band.h"
#include "SIM_Charity.h"
#include "SIM_DailyOptions.h"
#include "SIM_Endorsements.h"
#include "SIM_Names.h"
#include "SIM_Personality.h"
#include "SIM_Person.h"
#include "SIM_Quotes.h"
#include "SIM_RivalBands.h"
#include "SIM_Song.h"
#include "SimTestSupport.h"

#include <random>
#include <set>

namespace {
using PeopleContent = SimTest;

TEST_F(PeopleContent, DamagedRowsAreSkippedAndTheLineShowsTheSourceOnlyWhenThereIsOne) {
    LoadQuotes(dir.Write("q.csv", "Quotes\n"
                                  "#,\"Loud, then louder.\",Mags,\"Tour diary, 1991\"\n"
                                  "#,Tune first.,Old proverb,\n"
                                  "#,No author here,\n"
                                  "#,,Nobody\n"
                                  "#,Bell\x07rings,Ringer,\n"
                                  "#,Fine,Tab\tin the author,\n"
                                  "not a data row,x,y\n"));
    ASSERT_EQ(Quotes().size(), 2u);
    EXPECT_EQ(FormatQuoteLine(Quotes()[0]), "\"Loud, then louder.\" - Mags (Tour diary, 1991)");
    EXPECT_EQ(FormatQuoteLine(Quotes()[1]), "\"Tune first.\" - Old proverb");
}

TEST_F(PeopleContent, AnEmptyOrMissingCatalogueGivesNoQuoteLine) {
    for (const std::string& file : {dir.Write("empty.csv", ""), dir.Write("header.csv", "Quotes only\n"),
                                    dir.path() + "/missing.csv"}) {
        LoadQuotes(file);
        EXPECT_EQ(QuoteForDay(3), nullptr) << file;
        EXPECT_EQ(GetDailyOptions().QuoteLine(), "") << file;
    }
}

TEST_F(PeopleContent, RandomBytesNeverBreakTheReader) {
    std::mt19937 rng(77);
    const std::string special = "#,\"\n\r\t ";
    std::uniform_int_distribution<int> byte(0, 255), length(0, 400);
    for (int i = 0; i < 200; ++i) {
        std::string text = "#,";
        for (int n = length(rng); n > 0; --n) {
            const int b = byte(rng);
            text += b % 3 == 0 ? special[static_cast<std::size_t>(b) % special.size()] : static_cast<char>(byte(rng));
        }
        LoadQuotes(dir.Write("rnd.csv", text));
        for (const SIM_Quote& q : Quotes()) {
            EXPECT_FALSE(q.text.empty());
            EXPECT_FALSE(q.author.empty());
        }
        if (!Quotes().empty()) {
            EXPECT_NE(GetDailyOptions().QuoteLine(), "");
        }
    }
}

TEST_F(PeopleContent, EveryQuoteIsShownOnceBeforeAnyComesBackAndBandsGetTheirOwnOrder) {
    std::string rows = "Quotes\n";
    for (int i = 0; i < 7; ++i) rows += "#,Quote " + std::to_string(i) + ",Someone\n";
    LoadQuotes(dir.Write("seven.csv", rows));
    std::vector<const SIM_Quote*> first, other;
    for (int round = 0; round < 3; ++round) {
        std::set<const SIM_Quote*> seen;
        for (int d = 0; d < 7; ++d) seen.insert(QuoteForDay(round * 7 + d));
        EXPECT_EQ(seen.size(), 7u) << "round " << round;
    }
    for (int d = 0; d < 21; ++d) {
        first.push_back(QuoteForDay(d, 1));
        other.push_back(QuoteForDay(d, 2));
    }
    EXPECT_NE(first, other);
    // The daily options follow the game's day: asking twice on a day gives the same line, and
    // a week of days shows the whole catalogue.
    GetBand().Name = "The Test Band";
    std::set<std::string> week;
    for (int d = 7; d < 14; ++d) {
        GetSIM().turncount = d;
        const std::string line = GetDailyOptions().QuoteLine();
        EXPECT_EQ(GetDailyOptions().QuoteLine(), line);
        EXPECT_EQ(line.rfind("\"Quote ", 0), 0u) << line;
        week.insert(line);
    }
    EXPECT_EQ(week.size(), 7u);
}

// ---- The shipped catalogues ------------------------------------------------------------

// Keys that saves store must be unique, or a reload finds the wrong record.
template <class Records, class Key>
void ExpectUniqueKeys(const Records& records, Key key, const char* what) {
    std::set<std::string> seen;
    for (const auto& r : records) EXPECT_TRUE(seen.insert(key(*r)).second) << what << " twice: " << key(*r);
}

TEST_F(PeopleContent, ShippedPeopleCataloguesAreDeepAndConsistent) {
    LoadQuotes();
    EXPECT_GE(Quotes().size(), 100u);
    EXPECT_EQ(Quotes().size(), LoadSpreadsheet("data/simulation/quotes.csv")->rows.size());  // none damaged

    SetStringsFile(kStringsFile);
    ClearTranslations();
    LoadPersonalities();
    std::set<std::string> traits;
    for (const SIM_Personality* p : AllPersonalities()) {
        EXPECT_TRUE(traits.insert(p->name).second) << p->name;
        EXPECT_GE(p->name.size(), 4u) << "auditionee rows skip shorter names: " << p->name;
        const std::string text = p->DescribeFor("Kit", 1);
        EXPECT_NE(text.find("Kit"), std::string::npos) << p->name;
        EXPECT_EQ(text.find('<'), std::string::npos) << p->name;
    }

    GetNames().LoadNames();
    for (const auto* list : {&GetNames().maleForenames, &GetNames().femaleForenames, &GetNames().surnames}) {
        EXPECT_GE(list->size(), 300u);
        EXPECT_EQ(std::set<std::string>(list->begin(), list->end()).size(), list->size());
    }
    GetNamesList().Load();
    for (const auto& list : GetNamesList().lists) {
        EXPECT_GE(list.size(), 150u);
        EXPECT_EQ(std::set<std::string>(list.begin(), list.end()).size(), list.size());
    }

    LoadAuditionees();
    int count[kInstrumentCount] = {};
    for (const auto& a : AllAuditionees()) {
        ++count[a->instrument];
        for (const std::string& t : a->traitNames) EXPECT_EQ(traits.count(t), 1u) << t;
    }
    for (int i = 0; i < kInstrumentCount; ++i) EXPECT_GE(count[i], 15) << "instrument " << i;

    LoadEndorsements();
    ExpectUniqueKeys(AvailableEndorsements(), [](const SIM_Endorsement& e) { return e.name; }, "sponsor");
    ExpectUniqueKeys(Charities(), [](const SIM_Charity& c) { return c.key; }, "charity");
    LoadSongElements();
    LoadRivalBands();
    ExpectUniqueKeys(RivalBands(), [](const SIM_OtherBand& b) { return b.key; }, "rival band");
    EXPECT_EQ(errors.assertions, 0);
}
}  // namespace
