#include "LibString.h"
#include "SIM_DailyOptions.h"
#include "SIM_FunctionTable.h"
#include "SIM_SIM.h"
#include "SimTestSupport.h"

namespace {
struct Subject : SIM_OptionSubject {};

std::vector<std::string> Titles() {
    std::vector<std::string> out;
    for (const auto& o : GetDailyOptions().Options()) out.push_back(o->title);
    return out;
}

// "o0@0" for option 0 on row 0, "m3@4R" for message 3 on row 4, right half.
std::vector<std::string> Cells(const SIM_DailyOptionsLayout& layout) {
    std::vector<std::string> out;
    for (const auto& c : layout.VisibleCells()) {
        std::string text = FormatText("%c%d@%d", c.kind == SIM_DailyOptionsLayout::Cell::kOption ? 'o' : 'm',
                                      c.index, c.row);
        if (c.kind == SIM_DailyOptionsLayout::Cell::kMessage && c.left > 512.0f) text += "R";
        out.push_back(text);
    }
    return out;
}
}  // namespace

using DailyOptions = SimTest;

TEST_F(DailyOptions, BookedGigsGoLastAndEveryGroupKeepsItsOrder) {
    SIM_DailyOptions& day = GetDailyOptions();
    day.AddDailyOption(nullptr, OPTION_BOOKED_GIG, "gig A", "", "", true);
    day.AddDailyOption(nullptr, OPTION_CHARITY_GIG, "charity", "", "", true);
    day.AddDailyOption(nullptr, OPTION_BOOKED_GIG, "gig B", "", "", true);
    day.AddDailyOption(nullptr, OPTION_RELAXATION, "relax", "", "", false);
    day.AddDailyOption(nullptr, OPTION_RIVAL_GIG, "rival", "", "", true);
    day.SortDailyOptions();
    EXPECT_EQ(Titles(), (std::vector<std::string>{"charity", "relax", "rival", "gig A", "gig B"}));
}

TEST_F(DailyOptions, AcceptingAnOptionDoesWhatItsKindSays) {
    Subject gig, event;
    std::vector<std::string> world;
    bool calledOff = false;
    WorldSeams().playGig = [&](SIM_OptionSubject* s) {
        world.push_back(s == &gig ? "play gig" : "play ?");
        return calledOff ? SIM_WorldSeams::GigOutcome::kCalledOff : SIM_WorldSeams::GigOutcome::kPlayed;
    };
    WorldSeams().preparePublicityEvent = [&](SIM_OptionSubject* s) {
        world.push_back(s == &event ? "prepare event" : "prepare ?");
    };
    WorldSeams().takeUpCharityGig = [&](SIM_OptionSubject*) {
        world.emplace_back("charity");
        return true;
    };
    GetSIM().ResetForNewGame();
    screens.calls.clear();

    SIM_DailyOptions& day = GetDailyOptions();
    day.AcceptDailyOption(day.AddDailyOption(&gig, OPTION_RIVAL_GIG, "", "", "", true));
    day.AcceptDailyOption(day.AddDailyOption(&gig, OPTION_BOOKED_GIG, "", "", "", true));
    calledOff = true;
    day.AcceptDailyOption(day.AddDailyOption(&gig, OPTION_BOOKED_GIG, "", "", "", true));
    day.AcceptDailyOption(day.AddDailyOption(&event, OPTION_PUBLICITY, "", "", "", true));
    day.AcceptDailyOption(day.AddDailyOption(&event, OPTION_RELAXATION, "", "", "", true));
    EXPECT_EQ(world, (std::vector<std::string>{"play gig", "play gig", "prepare event"}));
    EXPECT_EQ(screens.Screens(),
              (std::vector<std::string>{"rival gig", "gig", "cancelled gig", "publicity", "relaxation"}));
    EXPECT_EQ(GetSIM().turncount, 0);

    // A charity gig uses the day's act at once: the next day starts and clears the list.
    screens.calls.clear();
    SIM_DailyOption charity = day.AddDailyOption(&event, OPTION_CHARITY_GIG, "", "", "", true);
    day.AcceptDailyOption(charity);
    EXPECT_EQ(world.back(), "charity");
    EXPECT_EQ(GetSIM().turncount, 1);
    EXPECT_TRUE(day.Options().empty());
    EXPECT_EQ(screens.Screens(), (std::vector<std::string>{"daily options"}));
}

TEST_F(DailyOptions, MessagesAreQuotedAndRemovedPerOwner) {
    int a = 0, b = 0;
    const auto* first = reinterpret_cast<const SIM_Musician*>(&a);
    const auto* second = reinterpret_cast<const SIM_Musician*>(&b);
    SIM_DailyOptions& day = GetDailyOptions();
    day.AddMessage(first, "This van smells.");
    day.AddMessage(second, "Again!");
    day.AddMessage(first, "Seriously.");
    EXPECT_EQ(day.Messages()[0].text, "\"This van smells.\"");
    EXPECT_TRUE(day.RemoveMessage(first));
    ASSERT_EQ(day.Messages().size(), 2u);
    EXPECT_EQ(day.Messages()[1].text, "\"Seriously.\"");  // only the first of the owner's went
    EXPECT_TRUE(day.RemoveMessage(first));
    EXPECT_FALSE(day.RemoveMessage(first));
    EXPECT_EQ(day.Messages()[0].owner, second);

    day.AddMessage(nullptr, "Who said that?");
    EXPECT_EQ(errors.assertions, 1);
    EXPECT_EQ(day.Messages().size(), 2u);  // still stored
}

TEST_F(DailyOptions, RowLayoutPlacesOptionsThenMessagesInPairs) {
    SIM_DailyOptionsLayout layout(1024.0f, 40.0f);
    layout.Build(7, 0);
    EXPECT_EQ(layout.RowCount(), 7);
    EXPECT_EQ(layout.HighestFirstRow(), 2);
    EXPECT_EQ(Cells(layout), (std::vector<std::string>{"o0@0", "o1@1", "o2@2", "o3@3", "o4@4"}));
    EXPECT_FALSE(layout.CanScrollUp());
    EXPECT_TRUE(layout.CanScrollDown());
    const auto& bottom = layout.VisibleCells()[4];
    EXPECT_FLOAT_EQ(bottom.top, 180.0f + 4 * 95.0f);
    EXPECT_FLOAT_EQ(bottom.bottom, bottom.top + 90.0f);
    EXPECT_FLOAT_EQ(bottom.right, 964.0f);

    layout.Scroll(5);  // held at the highest first row
    EXPECT_EQ(layout.FirstVisibleRow(), 2);
    EXPECT_EQ(Cells(layout), (std::vector<std::string>{"o2@2", "o3@3", "o4@4", "o5@5", "o6@6"}));
    EXPECT_FLOAT_EQ(layout.VisibleCells()[0].top, 180.0f);
    EXPECT_TRUE(layout.CanScrollUp() && !layout.CanScrollDown());

    SIM_DailyOptionsLayout mixed(1024.0f, 40.0f);
    mixed.Build(3, 5);
    EXPECT_EQ(mixed.RowCount(), 6);
    EXPECT_EQ(mixed.HighestFirstRow(), 1);
    EXPECT_EQ(Cells(mixed), (std::vector<std::string>{"o0@0", "o1@1", "o2@2", "m0@3", "m1@3R", "m2@4", "m3@4R"}));
    EXPECT_TRUE(mixed.HasEvents());
    EXPECT_FLOAT_EQ(mixed.VisibleCells()[3].right, 502.0f);
    EXPECT_FLOAT_EQ(mixed.VisibleCells()[4].left, 522.0f);

    // Scrolled past the options, the flag follows the visible cards only.
    mixed.Scroll(1);
    EXPECT_EQ(Cells(mixed), (std::vector<std::string>{"o1@1", "o2@2", "m0@3", "m1@3R", "m2@4", "m3@4R", "m4@5"}));
    SIM_DailyOptionsLayout messagesOnly(1024.0f, 40.0f);
    messagesOnly.Build(1, 12);
    messagesOnly.Scroll(2);
    EXPECT_FALSE(messagesOnly.HasEvents());

    // Today's lists, sorted on the way: the booked gig's card moves to the last option row.
    int member = 0;
    GetDailyOptions().AddDailyOption(nullptr, OPTION_BOOKED_GIG, "gig", "", "", true);
    GetDailyOptions().AddDailyOption(nullptr, OPTION_CHARITY_GIG, "charity", "", "", true);
    for (int i = 0; i < 3; ++i) GetDailyOptions().AddMessage(reinterpret_cast<const SIM_Musician*>(&member), "hey");
    SIM_DailyOptionsLayout today(1024.0f, 40.0f);
    today.BuildFromToday();
    EXPECT_EQ(Titles(), (std::vector<std::string>{"charity", "gig"}));
    EXPECT_EQ(Cells(today), (std::vector<std::string>{"o0@0", "o1@1", "m0@2", "m1@2R", "m2@3"}));

    // Fewer rows later (a new day) pull the first row back into range.
    layout.Build(2, 1);
    EXPECT_EQ(layout.FirstVisibleRow(), 0);
    EXPECT_FALSE(layout.CanScrollDown());
}

TEST_F(DailyOptions, HooksRunByNameAndUnknownNamesAreFatal) {
    SIM_FunctionTable& table = GetFunctionTable();
    table.CallHook("shopping");
    table.CallHook("practice");
    EXPECT_EQ(screens.Screens(), (std::vector<std::string>{"shopping", "practice"}));

    int hidden = 0;
    table.RegisterHook("HideNonAuditionButtons", [&] { ++hidden; });
    table.RegisterHook("HideNonAuditionButtons", [&] { hidden += 100; });  // the first one wins
    table.CallHook("HideNonAuditionButtons");
    EXPECT_EQ(hidden, 1);

    try {
        table.CallHook("Shopping");
        FAIL() << "an unknown hook must be fatal";
    } catch (const FatalErrorException& e) {
        EXPECT_NE(std::string(e.what()).find("Hook not found: Shopping"), std::string::npos);
    }
}
