// The game's own data files carry everything the simulation core reads from them.
#include "LibSpreadsheet.h"
#include "SIM_Attribute.h"
#include "SIM_CareerStage.h"
#include "SIM_Date.h"
#include "SimTestSupport.h"

#include <memory>
#include <set>

using ShippedData = SimTest;

TEST_F(ShippedData, AttributeRowsLoadWithTheirParentsOnEarlierRows) {
    const auto sheet = LoadSpreadsheet("data/simulation/attributes.csv");
    ASSERT_FALSE(sheet->rows.empty());
    std::vector<std::unique_ptr<SIM_Attribute>> loaded;
    std::set<std::string> names;
    for (const std::string& row : sheet->rows) {
        loaded.push_back(std::make_unique<SIM_Attribute>());
        SIM_Attribute& a = *loaded.back();
        ASSERT_NO_THROW(a.LoadRow(row)) << row;
        EXPECT_TRUE(names.insert(a.name).second) << "duplicate " << a.name;
        EXPECT_FALSE(a.guiname.empty()) << a.name;
        EXPECT_TRUE(a.basevalue >= 0.0f && a.basevalue <= 1.0f) << a.name;
        if (a.parent) {
            EXPECT_GT(a.parentWeight, 0.0f) << a.name;
        }
    }
}

TEST_F(ShippedData, CalendarStagesAndTuningAreFilledIn) {
    SetStringsFile(kStringsFile);
    ClearTranslations();
    LoadTuningTable();
    SIM_Date date;
    date.LoadMonthNames();
    std::set<std::string> months;
    for (int m = 0; m < SIM_Date::kMonthsPerYear; ++m) months.insert(date.MonthName(m));
    EXPECT_EQ(months.size(), 12u);
    EXPECT_EQ(months.count(""), 0u);
    for (int d = 0; d < 7; ++d) EXPECT_FALSE(CachedSection("days").Find(std::to_string(d)).empty()) << d;

    const SIM_CareerStage stages;
    for (int s = 0; s < SIM_CareerStage::kStages; ++s) {
        EXPECT_NE(stages.Title(s).rfind("GAMEMODE_", 0), 0u) << s;
        EXPECT_NE(stages.Description(s).rfind("GAMEMODE_", 0), 0u) << s;
    }
    for (const char* key : {"GAMEMODE_CONTINUE", "DAILYOPTIONS_CONTINUE", "DAILYOPTIONS_CONTINUE_TOOLTIP",
                            "DAILY_OPTIONS_EVENTS", "DAILY_OPTIONS_NONE", "DAILY_OPTION_OK"})
        EXPECT_NE(Translate(key), key);
    EXPECT_NE(Translate("BUSINESS_DISCOUNT").find("<DISCOUNT>"), std::string::npos);
    for (const char* key : {"GAME_DURATION_YEARS", "RS_STARTINGCASH", "GV_UNEMPLOYMENT_BENEFIT",
                            "RS_BUSINESS_DISCOUNT", "RS_SONGS_REQ_FOR_GIG"})
        EXPECT_GT(GetTuningValue(key), 0.0f) << key;
}
