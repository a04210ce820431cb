// The gig booking and rehearsal windows over a headless career with a full band on the shipped
// data: each step of the day runs once however fast the player clicks, and every page of offers
// or rooms lies on the screen with its buttons' words whole. (The flows, Escape included, are
// played by bookgig.play and rehearsal.play.)
#include "GHashTable.h"
#include "GUI_Activities.h"
#include "GUI_BookGig.h"
#include "GUI_DailyOptions.h"
#include "GUI_GUI.h"
#include "GUI_HintHelp.h"
#include "GUI_Rehearsal.h"
#include "GUI_Screens.h"
#include "GUI_Style.h"
#include "GameScreensFixture.h"
#include "HeadlessPlayer.h"
#include "InputManager.h"
#include "LibErrors.h"
#include "SIM_Date.h"
#include "SIM_Fame.h"
#include "SIM_Finances.h"
#include "SIM_Hints.h"
#include "SIM_Rehearsal.h"
#include "SIM_SIM.h"
#include "SIM_Song.h"
#include "SIM_Venue.h"

#include <set>

namespace {
bool Inside(const GRect& inner, const GRect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right && inner.bottom <= outer.bottom;
}
const GRect kScreen{0.0f, 0.0f, 1024.0f, 768.0f};

// A text button shows its whole label, not one cut short with "...".
void ExpectLabelFits(const GUI_ButtonText& button) {
    EXPECT_LE(MeasureText(GUI_Style::kButton, button.Label()), button.width - 12) << button.Label();
}
}  // namespace

class BookingAndRehearsal : public GameScreensFixture {
protected:
    void SetUp() override {
        GameScreensFixture::SetUp();
        while (MissingInstrument() >= 0) ASSERT_TRUE(AuditionHeadless(MissingInstrument(), true));
        while (!HasSongsForGig()) CreateSong(0.5f);
    }
    // The word of advice a window opens with is read and put away.
    static void DismissHints() {
        while (GUI_HintHelp* hint = OpenHintWindow()) hint->Close();
        FlushDeferredDeletes();
    }
    void DesktopFrame() {
        shell.input.Update();
        desktop.Update();
        desktop.Draw();
        FlushDeferredDeletes();
    }
};

TEST_F(BookingAndRehearsal, BookingTwiceInOneFrameBooksOneGigAndEndsOneDay) {
    const int turn = GetSIM().turncount;
    OpenBookGig();
    DismissHints();
    GUI_BookGig* shown = WindowList().Find<GUI_BookGig>();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->modal);
    ASSERT_FALSE(shown->Cards().empty());
    GUI_BookGigCard* card = shown->Cards().front();
    ASSERT_TRUE(card->Button()->enabled);
    const SIM_Venue* venue = card->Gig().venue;
    DesktopFrame();
    const int tills = Played("cash.ogg");  // the auditions' fees rang it too
    // Both presses land before the window is gone.
    card->Button()->Press();
    card->Button()->Press();
    FlushDeferredDeletes();

    ASSERT_EQ(BookedGigs().size(), 1u);
    EXPECT_EQ(BookedGigs().front()->venue, venue);
    EXPECT_EQ(GetSIM().turncount, turn + 1);
    EXPECT_EQ(Played("cash.ogg"), tills + 1);
    EXPECT_EQ(WindowList().Find<GUI_BookGig>(), nullptr);
    EXPECT_NE(GUI_DailyOptions::Current(), nullptr);  // the next morning
    // The gig is on the calendar strip a week after the day it was booked.
    std::string entries;
    for (const SIM_CalendarEntry* entry : GetCalendar().Slots()[6].entries) entries += entry->text;
    EXPECT_NE(entries.find(venue->displayName), std::string::npos) << entries;
}

TEST_F(BookingAndRehearsal, EveryOfferAppearsOnceAcrossPagesThatFitTheScreen) {
    // Famous enough for every venue, rich, but with neither van nor manager: all three kinds of
    // button show; then with no money, the fourth.
    GetFame().fame = 500.0f;
    for (float cash : {100000.0f, 0.0f}) {
        GetFinances().cash = cash;
        OpenBookGig();
        DismissHints();
        GUI_BookGig* shown = WindowList().Find<GUI_BookGig>();
        ASSERT_NE(shown, nullptr);
        EXPECT_TRUE(Inside(shown->Area(), kScreen));
        const std::size_t offers = GigOffers().size();
        ASSERT_GT(offers, static_cast<std::size_t>(GUI_BookGig::kCardsPerPage));
        EXPECT_EQ(shown->PageCount(), static_cast<int>((offers + GUI_BookGig::kCardsPerPage - 1) / GUI_BookGig::kCardsPerPage));
        std::set<const SIM_Gig*> seen;
        std::set<std::string> labels;
        for (int page = 0; page < shown->PageCount(); ++page) {
            shown->ShowPage(page);
            FlushDeferredDeletes();
            for (GUI_BookGigCard* card : shown->Cards()) {
                EXPECT_TRUE(seen.insert(&card->Gig()).second) << card->Gig().venue->displayName;
                EXPECT_TRUE(Inside(card->Area(), shown->Area()));
                const SIM_GigCard rules = GigCard(card->Gig());
                EXPECT_EQ(card->Button()->Label(), Translate(rules.button));
                EXPECT_EQ(card->Button()->enabled, rules.canBook);
                ExpectLabelFits(*card->Button());
                labels.insert(rules.button);
            }
            DesktopFrame();
        }
        EXPECT_EQ(seen.size(), offers);
        if (cash > 0.0f) EXPECT_EQ(labels, (std::set<std::string>{"BOOKGIG_BOOK", "BOOKGIG_NOMANAGER", "BOOKGIG_TOOFAR"}));
        else EXPECT_TRUE(labels.count("BOOKGIG_NOCASH"));
        shown->Close();
        FlushDeferredDeletes();
    }
    EXPECT_TRUE(BookedGigs().empty());
}

TEST_F(BookingAndRehearsal, TheBoredVenueAdviceComesOnlyWhenTheBookingAdviceDoesNot) {
    Venues().front()->boredom = 0.5f;
    OpenBookGig();
    ASSERT_NE(OpenHintWindow(), nullptr);
    EXPECT_EQ(OpenHintWindow()->name, "hint book gig");
    for (const SIM_Hint* hint : QueuedHints()) EXPECT_NE(hint->key, "venue_boredom");
    DismissHints();
    WindowList().Find<GUI_BookGig>()->Close();
    FlushDeferredDeletes();
    // The booking advice has been read: now the bored venue has its say (after the day's
    // options, where that hint waits).
    OpenBookGig();
    const auto& queued = QueuedHints();
    const bool told = (OpenHintWindow() && OpenHintWindow()->name == "hint venue_boredom") ||
                      std::any_of(queued.begin(), queued.end(), [](const SIM_Hint* h) { return h->key == "venue_boredom"; });
    EXPECT_TRUE(told);
}

TEST_F(BookingAndRehearsal, ARehearsalRunsOnceAndItsSummaryEndsTheDayOnce) {
    const int turn = GetSIM().turncount;
    GetFinances().cash = 35.0f;  // exactly the pub basement's rent
    OpenRehearsal();
    DismissHints();
    GUI_Rehearsal* shown = WindowList().Find<GUI_Rehearsal>();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(Inside(shown->Area(), kScreen));
    ASSERT_EQ(shown->Tiles().size(), RehearsalVenues().size());
    for (GUI_RehearsalVenue* tile : shown->Tiles()) {
        EXPECT_TRUE(Inside(tile->Area(), shown->Area()));
        EXPECT_EQ(tile->Button()->enabled, tile->Venue().cost <= 35.0f) << tile->Venue().name;
        ExpectLabelFits(*tile->Button());
    }
    // Two to a column: the second room under the first, the third beside it.
    EXPECT_EQ(shown->Tiles()[1]->rect.left, shown->Tiles()[0]->rect.left);
    EXPECT_GT(shown->Tiles()[1]->rect.top, shown->Tiles()[0]->rect.top);
    EXPECT_GT(shown->Tiles()[2]->rect.left, shown->Tiles()[0]->rect.left);

    GUI_RehearsalVenue* basement = shown->Tiles()[2];
    ASSERT_EQ(basement->Venue().cost, 35.0f);
    DesktopFrame();
    // Money enough for many rehearsals: only the window's own guard keeps it to one.
    GetFinances().cash = 1000.0f;
    basement->Button()->Press();
    basement->Button()->Press();
    FlushDeferredDeletes();
    ASSERT_EQ(AllRehearsals().size(), 1u);
    EXPECT_NEAR(GetFinances().cash, 1000.0f - GetFinances().DiscountedCost(35.0f), 0.001f);
    EXPECT_EQ(WindowList().Find<GUI_Rehearsal>(), nullptr);
    EXPECT_EQ(GetSIM().turncount, turn);  // the day goes on until the summary is read

    GUI_RehearsalPostMortem* summary = WindowList().Find<GUI_RehearsalPostMortem>();
    ASSERT_NE(summary, nullptr);
    EXPECT_TRUE(summary->modal);
    EXPECT_TRUE(Inside(summary->Area(), kScreen));
    EXPECT_EQ(Played(RehearsalSummarySound(*LatestRehearsal())), 1);
    const SIM_Rehearsal& rehearsal = *LatestRehearsal();
    ASSERT_EQ(summary->Comments().size(), rehearsal.results.size());
    for (GUI_RehearsalComment* comment : summary->Comments()) EXPECT_TRUE(Inside(comment->Area(), summary->Area()));
    DismissHints();
    DesktopFrame();

    // The button twice and Return, all before the summary is gone: one day.
    summary->FinishButton()->Press();
    summary->FinishButton()->Press();
    summary->OnKeyPress(DIK_RETURN);
    FlushDeferredDeletes();
    EXPECT_EQ(GetSIM().turncount, turn + 1);
    EXPECT_EQ(WindowList().Find<GUI_RehearsalPostMortem>(), nullptr);
}

TEST_F(BookingAndRehearsal, MoreRoomsThanAPageHoldsArePagedTwoToAColumn) {
    std::string rows = "header\n";
    for (int i = 0; i < GUI_Rehearsal::kTilesPerPage + 1; ++i)
        rows += "#,room" + std::to_string(i) + ",Room " + std::to_string(i) +
                ",A room with a rather long description that has to wrap over several lines of its tile.," +
                std::to_string(i + 1) + ",0,1000,0,rehearsal_garage.jpg,,\"band_rehearsal,0.05,1\",#\n";
    LoadRehearsalVenues(folder.Write("rooms.csv", rows));
    ASSERT_EQ(RehearsalVenues().size(), static_cast<std::size_t>(GUI_Rehearsal::kTilesPerPage + 1));
    GUI_Rehearsal* shown = GUI_Rehearsal::Open();
    DismissHints();
    EXPECT_TRUE(Inside(shown->Area(), kScreen));
    EXPECT_EQ(shown->PageCount(), 2);
    EXPECT_EQ(shown->Tiles().size(), static_cast<std::size_t>(GUI_Rehearsal::kTilesPerPage));
    shown->ShowPage(1);
    FlushDeferredDeletes();
    ASSERT_EQ(shown->Tiles().size(), 1u);
    EXPECT_EQ(&shown->Tiles().front()->Venue(), RehearsalVenues().back());
    DesktopFrame();
}
