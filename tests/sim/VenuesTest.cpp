#include "SIM_Fame.h"
#include "SIM_Finances.h"
#include "SIM_NamedValue.h"
#include "SIM_SIM.h"
#include "SIM_Song.h"
#include "SIM_Venue.h"
#include "SIM_WorldSeams.h"
#include "SimTestSupport.h"

#include <algorithm>

namespace {
// Columns: key, name, type, minimum fame, fame at average and perfect show, capacity, rental,
// manager, ticket price, difficulties, stage size, note, picture, backdrop.
const char* const kVenues =
    "Venues\n"
    "#,pub,The Pub,LOCAL,0,1,3,50,100,0,4.5,1,1,1,,pub.jpg,small.jpg\n"
    "#,hall,Town Hall,LOCAL,10,2,6,400,300,0,8,1,1,1,,hall.jpg,mid.jpg\n"
    "#,faraway,Far Away Club,DISTANT,0,1,2,80,50,0,5,1,1,1,,far.jpg,small.jpg\n"
    "#,theatre,The Theatre,LOCAL,0,4,10,1500,2500,1,15,1,1,1,,th.jpg,big.jpg\n";

class VenueCatalogue : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        SetTuning("GAME_DURATION_YEARS=10\nRS_SONGS_REQ_FOR_GIG=2\nRS_GIGS_DAYS_AHEAD=7\nRS_VENUE_BOREDOM_DECREASE=0.25\n"
                  "RS_GIG_FAMEEFFECT=10\nRS_GIG_FAME_DEGRADE=0.1\nRS_BUSINESS_DISCOUNT=10\n");
        SetStringsFile(dir.Write("strings.ini", "[strings]\nGIG_CALENDAR=Gig at <VENUE>\n"
                                                "GIG_REMINDER=Tonight: <VENUE>\nGIG_NOBAND=No band for <VENUE>\n"
                                                "GIG_NOSONGS=No songs for <VENUE>\n"));
        ResetSongs();
        RegisterVenues();
        WorldSeams().isLineupComplete = [this] { return lineup; };
        LoadVenues(dir.Write("venues.csv", kVenues));
        GetFinances().cash = 1000.0f;
    }
    SIM_Venue& Venue(const std::string& key) { return *FindVenue(key); }
    SIM_Gig* Offer(const std::string& key) {
        for (const auto& gig : GigOffers())
            if (gig->venue->key == key) return gig.get();
        return nullptr;
    }
    void Own(const std::string& key) { Globals().Add(std::make_unique<SIM_NamedValue>(key, key, 1.0f)); }
    void AdvanceDays(int n) {
        for (int i = 0; i < n; ++i) GetSIMDate().date = GetSIMDate().date.Next();
    }
    SIM_Gig& BookVenue(const std::string& key) {
        BuildGigOffers();
        SIM_Gig* gig = Offer(key);
        EXPECT_NE(gig, nullptr) << key;
        EXPECT_TRUE(BookGig(*gig));
        return *BookedGigs().back();
    }
    std::unique_ptr<SIM_Gig> CharityGig(const std::string& key) {
        auto gig = std::make_unique<SIM_Gig>();
        gig->type = GIG_CHARITY;
        gig->venue = &Venue(key);
        return gig;
    }

    bool lineup = true;
};

TEST_F(VenueCatalogue, ReadsEveryColumnAndRejectsAnUnknownType) {
    ASSERT_EQ(Venues().size(), 4u);
    const SIM_Venue& hall = Venue("hall");
    EXPECT_EQ(hall.displayName, "Town Hall");
    EXPECT_FLOAT_EQ(hall.minimumFame, 10.0f);
    EXPECT_FLOAT_EQ(hall.rental, 300.0f);
    EXPECT_EQ(hall.backdrop, "mid.jpg");
    EXPECT_EQ(Venue("faraway").type, VENUE_DISTANT);
    EXPECT_TRUE(Venue("theatre").needsManager);

    EXPECT_THROW(LoadVenues(dir.Write("bad.csv", "V\n#,x,X,NEARBY,0,1,2,10,1,0,1,1,1,1,,a,b\n")),
                 FatalErrorException);
    LoadVenues(dir.path() + "/missing.csv");
    EXPECT_TRUE(Venues().empty());
}

TEST_F(VenueCatalogue, OffersFollowFameBoredomAndBookings) {
    GetFame().fame = 10.0f;  // exactly the hall's minimum
    Venue("pub").boredom = 0.0001f;
    BuildGigOffers();
    EXPECT_EQ(Offer("pub"), nullptr);
    EXPECT_NE(Offer("hall"), nullptr);
    EXPECT_TRUE(VenueBoredFlag());

    GetFame().fame = 9.99f;
    Venue("pub").boredom = 0.0f;
    BuildGigOffers();
    EXPECT_EQ(Offer("hall"), nullptr);
    EXPECT_FALSE(VenueBoredFlag());  // too little fame is not boredom

    BookVenue("pub");
    BuildGigOffers();
    EXPECT_EQ(Offer("pub"), nullptr);  // already booked, though not bored
}

TEST_F(VenueCatalogue, CardButtonsFollowManagerReachAndCash) {
    BuildGigOffers();
    EXPECT_EQ(GigCard(*Offer("theatre")).button, "BOOKGIG_NOMANAGER");
    EXPECT_EQ(GigCard(*Offer("faraway")).button, "BOOKGIG_TOOFAR");
    Own("tour bus");
    EXPECT_TRUE(GigCard(*Offer("faraway")).canBook);

    Own("manager");
    const SIM_GigCard broke = GigCard(*Offer("theatre"));
    EXPECT_EQ(broke.button, "BOOKGIG_NOCASH");

    GetFinances().cash = 2500.0f;  // exactly the rental
    const SIM_GigCard card = GigCard(*Offer("theatre"));
    EXPECT_EQ(card.button, "BOOKGIG_BOOK");
    EXPECT_NE(card.rental.find("$2,500"), std::string::npos) << card.rental;
    EXPECT_NE(card.price.find("$15.00"), std::string::npos) << card.price;
}

TEST_F(VenueCatalogue, BookingPaysTheDiscountedRentalAndDatesTheGig) {
    WorldSeams().businessmanCount = [] { return 1; };
    GetFinances().cash = 2500.0f;
    Own("manager");
    BuildGigOffers();
    ASSERT_TRUE(BookGig(*Offer("theatre")));
    EXPECT_FLOAT_EQ(GetFinances().cash, 250.0f);  // 2500 less 90% of 2500
    EXPECT_EQ(Offer("theatre"), nullptr);
    EXPECT_FALSE(BookGig(*BookedGigs()[0]));  // not on offer any more
    ASSERT_EQ(BookedGigs().size(), 1u);
    SIM_DateRecord expected = GetSIMDate().GetDate();
    for (int i = 0; i < 7; ++i) expected = expected.Next();
    EXPECT_EQ(BookedGigs()[0]->date, expected.Date());
    const auto& entries = GetCalendar().Entries();
    EXPECT_TRUE(std::any_of(entries.begin(), entries.end(), [&](const auto& e) {
        return e->text == "Gig at The Theatre" && e->icon == "calendar_gig.dds" && e->date == expected.Date();
    }));
    EXPECT_FLOAT_EQ(BookedGigRentals(), 2500.0f);
}

TEST_F(VenueCatalogue, TheBookButtonRingsTheTillOnlyWhenTheCardAllowsIt) {
    BuildGigOffers();
    EXPECT_FALSE(PressBookButton(*Offer("faraway")));
    EXPECT_TRUE(BookedGigs().empty());
    ASSERT_TRUE(PressBookButton(*Offer("pub")));
    EXPECT_EQ(BookedGigs().size(), 1u);
    EXPECT_NE(std::find(screens.calls.begin(), screens.calls.end(), "sound data/sounds/cash.ogg"), screens.calls.end());
}

TEST_F(VenueCatalogue, CharityGigCostsNothingAndIsCancelledWithoutAFullLineup) {
    BookGig(CharityGig("hall"));
    EXPECT_FLOAT_EQ(GetFinances().cash, 1000.0f);
    EXPECT_FLOAT_EQ(BookedGigRentals(), 0.0f);
    AdvanceDays(7);
    EXPECT_TRUE(IsGigToday());
    lineup = false;
    CheckGigDay();
    EXPECT_TRUE(BookedGigs().empty());
    ASSERT_EQ(GetDailyOptions().Options().size(), 1u);
    const SIM_DailyOption& notice = *GetDailyOptions().Options()[0];
    EXPECT_FALSE(notice.canAccept);
    EXPECT_EQ(notice.subject, nullptr);  // the gig is gone
    EXPECT_EQ(notice.text, "No band for Town Hall");
    EXPECT_EQ(notice.picture, "option_yourgig_cancelled.jpg");
    // Cancelling costs fame: 10 x -0.2.
    GetFame().RecalculateFame();
    EXPECT_FLOAT_EQ(GetFame().effects.Effects().back()->value, -2.0f);
}

TEST_F(VenueCatalogue, GigDayNeedsEnoughSongs) {
    GetFame().fame = 10.0f;
    BookVenue("pub");
    BookVenue("hall");  // not dated today: left alone
    BookedGigs().back()->date = {0, 0, 1990};
    AddCurrentSong();
    AdvanceDays(7);
    CheckGigDay();
    ASSERT_EQ(GetDailyOptions().Options().size(), 1u);
    EXPECT_EQ(GetDailyOptions().Options()[0]->text, "No songs for The Pub");
    ASSERT_EQ(BookedGigs().size(), 1u);

    GetDailyOptions().ClearOptions();
    SIM_Gig& pub = BookVenue("pub");
    pub.date = GetSIMDate().GetDate().Date();
    AddCurrentSong();
    CheckGigDay();
    ASSERT_EQ(GetDailyOptions().Options().size(), 1u);
    const SIM_DailyOption& option = *GetDailyOptions().Options()[0];
    EXPECT_TRUE(option.canAccept);
    EXPECT_EQ(option.subject, &pub);
    EXPECT_EQ(option.text, "Tonight: The Pub");
    EXPECT_EQ(BookedGigs().size(), 2u);
}

TEST_F(VenueCatalogue, OutdatedGigsLeaveOneADay) {
    GetFame().fame = 10.0f;
    BookVenue("pub");
    BookVenue("hall");
    BookVenue("faraway");
    AdvanceDays(8);  // all three passed yesterday
    RemoveOutdatedGig();
    ASSERT_EQ(BookedGigs().size(), 2u);
    EXPECT_EQ(BookedGigs()[0]->venue->key, "hall");  // booking order
    AdvanceDays(1);
    RemoveOutdatedGig();
    ASSERT_EQ(BookedGigs().size(), 1u);
    EXPECT_EQ(BookedGigs()[0]->venue->key, "faraway");
}

TEST_F(VenueCatalogue, BoredomFadesToZeroAndTheFameFactorHasThreeBands) {
    Venue("pub").boredom = 0.3f;
    DecayVenueBoredom();
    EXPECT_NEAR(Venue("pub").boredom, 0.05f, 1e-6f);
    DecayVenueBoredom();
    EXPECT_FLOAT_EQ(Venue("pub").boredom, 0.0f);

    const SIM_Venue& hall = Venue("hall");  // 2 at an average show, 6 at a perfect one
    EXPECT_FLOAT_EQ(GetVenueFameFactor(hall, 0.0f), -0.2f);
    EXPECT_NEAR(GetVenueFameFactor(hall, 0.1f), -0.1f, 1e-6f);
    EXPECT_FLOAT_EQ(GetVenueFameFactor(hall, 0.2f), 0.0f);
    EXPECT_FLOAT_EQ(GetVenueFameFactor(hall, 0.5f), 0.0f);
    EXPECT_FLOAT_EQ(GetVenueFameFactor(hall, 0.75f), 4.0f);
}

TEST_F(VenueCatalogue, ReloadingTheCatalogueDropsGigsAtTheOldVenues) {
    BookVenue("pub");
    BuildGigOffers();
    LoadVenues(dir.path() + "/venues.csv");
    EXPECT_TRUE(BookedGigs().empty());
    EXPECT_TRUE(GigOffers().empty());
}

TEST_F(VenueCatalogue, TheDayCycleOffersTheGigOnItsDayAndCountsItsRental) {
    GetSIMDate().StartNewGameDate();
    AddCurrentSong();
    AddCurrentSong();
    BookVenue("pub");
    EXPECT_FLOAT_EQ(GetFinances().GetNetWorth(), 1000.0f);  // 900 in cash, 100 held by the venue
    for (int i = 0; i < 6; ++i) GetSIM().NewDay();
    EXPECT_TRUE(GetDailyOptions().Options().empty());
    GetSIM().NewDay();
    ASSERT_EQ(GetDailyOptions().Options().size(), 1u);
    EXPECT_EQ(GetDailyOptions().Options()[0]->kind, OPTION_BOOKED_GIG);
    GetSIM().NewDay();  // not played: gone the day after
    EXPECT_TRUE(BookedGigs().empty());
}

TEST(ShippedVenues, LoadWithATestVenueOutOfReach) {
    LoadVenues();
    EXPECT_GE(Venues().size(), 30u);
    ASSERT_NE(FindVenue("TEST VENUE"), nullptr);
    EXPECT_GT(FindVenue("TEST VENUE")->minimumFame, 500.0f);
    bool distant = false, manager = false;
    for (const auto& venue : Venues()) {
        distant |= venue->type == VENUE_DISTANT;
        manager |= venue->needsManager;
    }
    EXPECT_TRUE(distant);
    EXPECT_TRUE(manager);
    DestroyAllVenues();
}
}  // namespace
