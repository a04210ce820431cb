// The world around the band: lucky events, sponsors, charity gigs and rival bands' gigs.
#include "LibRandom.h"
#include "SIM_Asset.h"
#include "SIM_Charity.h"
#include "SIM_DailyOptions.h"
#include "SIM_Endorsements.h"
#include "SIM_Finances.h"
#include "SIM_NamedValue.h"
#include "SIM_RandomEvents.h"
#include "SIM_RivalBands.h"
#include "SIM_Song.h"
#include "SIM_Venue.h"
#include "SIM_World.h"
#include "PeopleTestSupport.h"

#include <random>

namespace {
// The recorder, plus the world's own windows.
class WorldScreens : public RecordingScreens {
public:
    void OpenEndorsementOffer(SIM_Endorsement& offer) override { Note("endorsement " + offer.name); }
    void OpenEventMessage(const SIM_EventMessage& message) override {
        Note("event " + message.key);
        lastEventText = message.text;
        lastEventPicture = message.picture;
    }
    std::string lastEventText;
    std::string lastEventPicture;
};

const char* const kVenues =
    "Venues\n"
    "#,pub,The Pub,LOCAL,0,1,3,50,100,0,4.5,1,1,1,,pub.jpg,small.jpg\n"
    "#,TEST VENUE,Test Venue,LOCAL,0,1,2,5000,1,0,5,1,1,1,,t.jpg,small.jpg\n"
    "#,hall,Town Hall,LOCAL,20,2,6,400,300,0,8,1,1,1,,hall.jpg,mid.jpg\n"
    "#,barn,The Barn,LOCAL,20,2,6,400,10,0,8,1,1,1,,barn.jpg,mid.jpg\n"
    "#,arena,Arena,LOCAL,300,5,10,9000,5000,1,25,1,1,1,,arena.jpg,big.jpg\n";

class World : public PeopleTest {
protected:
    void SetUp() override {
        PeopleTest::SetUp();
        SetScreens(&world);
        SetTuning("GAME_DURATION_YEARS=10\nRS_SONGS_REQ_FOR_GIG=1\nRS_GIGS_DAYS_AHEAD=7\nRS_OTHERGIG_DAYSAHEAD=3\n"
                  "RS_MENTION_FAME_DEGRADE=0.9\nRS_ENDORSEMENT_FAMEHIT_DEGRADE=0.9\nRS_OTHERBAND_INSPIRE_DEGRADE=0.8\n");
        SetStringsFile(dir.Write("world.ini", "[strings]\nEVENT_WEALTHYRELATIVE=Here is <CASH>\n"
                                              "EVENT_GIVENINSTRUMENT=<NAME> gets a <INSTRUMENT>\nINSTRUMENT_GUITAR=guitar\n"
                                              "SPONSORED_NAME=<SPONSOR> presents <BANDNAME>\n"
                                              "ENDORSEMENT_NEGATIVE_EFFECT=Risk <AMOUNT>\nENDORSEMENT_NOEFFECT=Safe\n"
                                              "DAILY_OPTIONS_CHARITYGIG_TITLE=Play for <NAME>\n"
                                              "GIG_REMINDER=Tonight: <VENUE>\nOTHERGIG_CHOICE_INFO=<BAND> for $<COST>\n"
                                              "OTHERGIG_CALENDAR=<BAND> play\nOTHERGIG_UNLOCKED=Learnt <ELEMENT>\n"));
        RegisterVenues();
        RegisterWorld();
        ResetSongs();
        WorldSeams().isLineupComplete = [this] { return lineup; };
        LoadSongElements(dir.Write("elements.csv", "E\n#,handclaps,Handclaps\n#,dub echo,Dub echo\n"));
        LoadVenues(dir.Write("venues.csv", kVenues));
        GetBand().Name = "Rust";
        GetSIMDate().StartNewGameDate();
        GetFinances().cash = 1000.0f;
    }
    void Own(const std::string& key) { Globals().Add(std::make_unique<SIM_NamedValue>(key, key, 1.0f)); }
    void LoadBands(const std::string& rows) { LoadRivalBands(dir.Write("otherbands.csv", "Bands\n" + rows)); }
    void LoadSponsors(const std::string& rows) { LoadEndorsements(dir.Write("endorsements.csv", "E\n" + rows)); }
    static SIM_Endorsement* FindSponsor(const std::string& name) {
        for (const auto& e : AvailableEndorsements())
            if (e->name == name) return e.get();
        return nullptr;
    }

    WorldScreens world;
    bool lineup = true;
};

// ---- Lucky events ------------------------------------------------------------------------

TEST_F(World, WealthyRelativeGivesAQuarterOfTheWorthInFivesAndAtLeastSixty) {
    EXPECT_FLOAT_EQ(WealthyRelativeAmount(100.0f), 60.0f);
    EXPECT_FLOAT_EQ(WealthyRelativeAmount(1000.0f), 250.0f);
    EXPECT_FLOAT_EQ(WealthyRelativeAmount(1019.0f), 250.0f);

    // No members and no fame: the relative is the only candidate, and comes once.
    SIM_EventGate gate;
    EXPECT_EQ(TryRandomEvent(gate), EVENT_WEALTHY_RELATIVE);
    EXPECT_FLOAT_EQ(GetFinances().cash, 1250.0f);
    EXPECT_EQ(world.lastEventText, "Here is $ 250");
    EXPECT_EQ(world.Screens(), (std::vector<std::string>{"event EVENT_WEALTHYRELATIVE", "sound data/sounds/cash.ogg"}));
    EXPECT_TRUE(gate.flags[EVENT_WEALTHY_RELATIVE]);
    EXPECT_EQ(TryRandomEvent(gate), -1);
    EXPECT_FLOAT_EQ(GetFinances().cash, 1250.0f);
}

TEST_F(World, MentionNeedsFameAboveFourAndGivesAQuarterOfItAtLeastFive) {
    SIM_EventGate gate;
    gate.flags[EVENT_WEALTHY_RELATIVE] = true;
    GetFame().fame = 4.0f;
    EXPECT_EQ(TryRandomEvent(gate), -1);
    GetFame().fame = 10.0f;
    EXPECT_EQ(TryRandomEvent(gate), EVENT_ROCKSTAR_MENTION);
    ASSERT_EQ(GetFame().effects.Size(), 1u);
    EXPECT_FLOAT_EQ(GetFame().effects.Effects().front()->value, 5.0f);
    EXPECT_EQ(TryRandomEvent(gate), -1);
}

TEST_F(World, TheGiftIsTheCheapestDesirableInstrumentTheBandLacks) {
    LoadAssets(dir.Write("assets.csv",
                         "A\n"
                         "#,instrument,plain guitar,Plain,instruments,,g.png,,50,0,0,1,,GUITAR,REBUYABLE,guitar,0.2,,#\n"
                         "#,instrument,star guitar,Star,instruments,,g.png,,900,0,0,1,,GUITAR,DESIRABLE,guitar,0.9,,#\n"
                         "#,instrument,gold guitar,Gold,instruments,,g.png,,400,0,0,1,,GUITAR,DESIRABLE,guitar,0.9,,#\n"
                         "#,instrument,twin guitar,Twin,instruments,,g.png,,400,0,0,1,,GUITAR,DESIRABLE,guitar,0.9,,#\n"
                         "#,instrument,museum guitar,Relic,instruments,,g.png,,99999,0,0,1,,GUITAR,DESIRABLE,guitar,1,,#\n"
                         "#,instrument,star bass,Bass,instruments,,b.png,,10,0,0,1,,BASS,DESIRABLE,bass,0.9,,#\n"));
    SIM_Musician& best = Join(0.5f, INSTRUMENT_GUITAR);
    best.ability = 0.9f;
    best.fullname = "Ada Best";
    SIM_Musician& other = Join(0.5f, INSTRUMENT_BASS);
    other.ability = 0.1f;
    other.fullname = "Bo Low";
    EXPECT_EQ(GiftInstrumentFor(best), FindAsset("gold guitar"));  // the first of two at 400

    SIM_EventGate gate;
    gate.flags[EVENT_WEALTHY_RELATIVE] = true;  // the gift is then the only candidate
    EXPECT_EQ(TryRandomEvent(gate), EVENT_GIVEN_INSTRUMENT);
    EXPECT_TRUE(FindAsset("gold guitar")->owned);
    EXPECT_FLOAT_EQ(GetFinances().cash, 1000.0f);  // a gift costs nothing
    EXPECT_EQ(world.lastEventText, "Ada Best gets a guitar");
    EXPECT_EQ(world.lastEventPicture, "g.png");  // the gift is pictured
    FindAsset("twin guitar")->Purchase(false);
    FindAsset("star guitar")->Purchase(false);
    EXPECT_EQ(GiftInstrumentFor(best), nullptr);  // never the priceless one
}

// ---- Endorsements ------------------------------------------------------------------------

// A generator state whose next draw is the largest, the one that fails even a chance of 1,
// and whose draw after that is even.
std::uint32_t StateBeforeTopDraw() {
    for (std::uint32_t state = 0;; ++state) {
        SetRandomState(state);
        if (RandomInt() == kRandomMax && RandomInt() % 2 == 0) return state;
    }
}

TEST_F(World, OffersComeFromTheTenthDayWithAManagerAndFame) {
    LoadSponsors("#,fizz,1500,Fizz Cola,0.2\n#,smog,2500,Smog Motors,1\n");
    GetFame().fame = 500.0f;
    for (int day = 1; day < 10; ++day) EXPECT_EQ(CheckEndorsementOffer(), nullptr) << day;
    EXPECT_EQ(CheckEndorsementOffer(), nullptr);  // the tenth day, but no manager
    Own("manager");
    GetFame().fame = 74.9f;
    EXPECT_EQ(CheckEndorsementOffer(), nullptr);
    EXPECT_EQ(EndorsementCounter(), 11);

    // Fame 500 makes the offer certain, even on the one draw that fails a chance of 1; that
    // draw is still taken, so the sponsor is picked by the next one (even: the first).
    GetFame().fame = 500.0f;
    SetRandomState(StateBeforeTopDraw());
    SIM_Endorsement* offer = CheckEndorsementOffer();
    ASSERT_NE(offer, nullptr);
    EXPECT_EQ(offer->name, "fizz");
    EXPECT_EQ(offer, PendingEndorsementOffer());
    EXPECT_EQ(EndorsementCounter(), 0);
    EXPECT_EQ(world.Screens(), (std::vector<std::string>{"endorsement fizz"}));

    // Each businessman raises the chance a tenth: 460 / 500 × 1.2 is past certainty.
    GetFame().fame = 460.0f;
    SetEndorsementCounter(9);
    WorldSeams().businessmanCount = [] { return 2; };
    SetRandomState(StateBeforeTopDraw());
    EXPECT_NE(CheckEndorsementOffer(), nullptr);

    // A sponsor the fans are sure to resent costs fame on that draw too.
    GetFame().fame = 50.0f;
    SetRandomState(StateBeforeTopDraw());
    AcceptEndorsement(*FindSponsor("smog"));
    ASSERT_EQ(GetFame().effects.Size(), 1u);
    EXPECT_LT(GetFame().effects.Effects().front()->value, 0.0f);
}

TEST_F(World, AcceptingPaysOnceNamesTheBandAndMayCostFame) {
    LoadSponsors("#,fizz,1500,Fizz Cola,0\n#,smog,2500,Smog Motors,1\n");
    SIM_Endorsement& fizz = *AvailableEndorsements()[0];
    SIM_EndorsementOfferModel window(fizz);
    EXPECT_EQ(window.payment, "$ 1,500");
    EXPECT_EQ(window.risk, "Safe");
    window.Accept();
    AcceptEndorsement(fizz);  // already taken: nothing more
    EXPECT_FLOAT_EQ(GetFinances().cash, 2500.0f);
    EXPECT_EQ(GetBand().SponsoredName, "Fizz Cola presents Rust");
    EXPECT_TRUE(GetFame().effects.Empty());

    // A rich, famous band that sells out is booed, and the hit takes fame away.
    GetFame().fame = 200.0f;
    SIM_Endorsement& smog = *AvailableEndorsements()[0];
    EXPECT_EQ(SIM_EndorsementOfferModel(smog).risk, "Risk 100%");
    AcceptEndorsement(smog);
    ASSERT_EQ(GetFame().effects.Size(), 1u);
    EXPECT_LE(GetFame().effects.Effects().front()->value, -200.0f * 0.15f);
    EXPECT_GE(GetFame().effects.Effects().front()->value, -200.0f * 0.32f);
    EXPECT_EQ(RetiredEndorsements().size(), 2u);
}

TEST_F(World, ARejectedSponsorNeverAsksAgain) {
    LoadSponsors("#,fizz,1500,Fizz Cola,0.5\n");
    Own("manager");
    GetFame().fame = 500.0f;
    SetEndorsementCounter(9);
    SIM_Endorsement* offer = CheckEndorsementOffer();
    ASSERT_NE(offer, nullptr);
    SIM_EndorsementOfferModel window(*offer);
    window.Reject();
    window.Accept();  // too late: the offer was answered
    EXPECT_FLOAT_EQ(GetFinances().cash, 1000.0f);
    SetEndorsementCounter(50);
    EXPECT_EQ(CheckEndorsementOffer(), nullptr);

    LoadSponsors("#,fizz,1500,Fizz Cola,0.5\n");  // a loaded game
    EXPECT_TRUE(RetireEndorsementByName("fizz"));
    EXPECT_FALSE(RetireEndorsementByName("fizz"));
}

// ---- Charity gigs ------------------------------------------------------------------------

TEST_F(World, CharityVenueIsTheBiggestWithinTwiceTheFameNeverTheTestVenue) {
    GetFame().fame = 0.0f;
    EXPECT_EQ(ChooseCharityVenue()->key, "pub");  // the test venue is bigger and open to all
    GetFame().fame = 10.0f;
    EXPECT_EQ(ChooseCharityVenue()->key, "hall");  // the first of two of 400, at exactly twice
    GetFame().fame = 9.9f;
    EXPECT_EQ(ChooseCharityVenue()->key, "pub");
    LoadVenues(dir.Write("test.csv", "V\n#,TEST VENUE,TEST VENUE,LOCAL,0,1,2,50,1,0,5,1,1,1,,t.jpg,s.jpg\n"));
    EXPECT_EQ(ChooseCharityVenue(), nullptr);
}

TEST_F(World, ATakenCharityGigIsBookedFreeAndEndsTheDay) {
    SetTuning("GAME_DURATION_YEARS=10\nRS_SONGS_REQ_FOR_GIG=1\nRS_GIGS_DAYS_AHEAD=7\nRS_CHARITY_GIG_CHANCE=2\n");
    ResetSongs();
    LoadCharities(dir.Write("charities.csv", "C\n#,roof,Roof Fund,roof.jpg,note\n"));
    CheckCharityGig();
    EXPECT_TRUE(GetDailyOptions().Options().empty());  // no songs yet
    AddCurrentSong();
    lineup = false;
    CheckCharityGig();
    EXPECT_TRUE(GetDailyOptions().Options().empty());
    lineup = true;
    CheckCharityGig();
    GetDailyOptions().ClearOptions();
    CheckCharityGig();  // the next day: yesterday's offer has lapsed
    EXPECT_EQ(OfferedCharityGigs().size(), 1u);
    ASSERT_EQ(GetDailyOptions().Options().size(), 1u);
    const SIM_DailyOption option = *GetDailyOptions().Options()[0];  // a copy: the day's list goes
    EXPECT_EQ(option.kind, OPTION_CHARITY_GIG);
    EXPECT_EQ(option.title, "Play for Roof Fund");

    GetDailyOptions().AcceptDailyOption(option);
    EXPECT_EQ(GetSIM().turncount, 1);
    GetDailyOptions().AcceptDailyOption(option);  // taken again: no second booking, no extra day
    EXPECT_EQ(GetSIM().turncount, 1);
    ASSERT_EQ(BookedGigs().size(), 1u);
    const SIM_Gig& gig = *BookedGigs()[0];
    EXPECT_EQ(gig.type, GIG_CHARITY);
    EXPECT_EQ(gig.charity, FindCharity("roof"));
    EXPECT_EQ(gig.venue->key, "pub");
    EXPECT_FLOAT_EQ(GetFinances().cash, 1000.0f);  // no rental
    EXPECT_FALSE(TakeUpCharityGig(const_cast<SIM_Gig*>(&gig)));  // taken once only
    EXPECT_EQ(BookedGigs().size(), 1u);
}

// ---- Rival bands -------------------------------------------------------------------------

const char* const kBands =
    "#,1,12.5,clap,The Clappers,handclaps,Loud,clap.jpg,Good,crowd.jpg,0.2,\"band_motivation,0.1,0.5\"\n"
    "#,2,500,dub,Dubbers,dub echo,Deep,dub.jpg,Deeper,crowd2.jpg,0.1\n";

TEST_F(World, ARivalBandMustPlayAKnownSongElement) {
    LoadBands(kBands);
    EXPECT_EQ(FindRivalBand("clap")->element, FindSongElement("handclaps"));
    EXPECT_EQ(errors.assertions, 0);
    LoadBands("#,1,5,odd,Odd,kazoo solo,,,,,0.1\n");
    EXPECT_EQ(errors.assertions, 1);
    EXPECT_EQ(RivalBands()[0]->element, nullptr);
}

TEST_F(World, ScheduledGigsUseUpTheBandsBeforeTheListRefills) {
    SetTuning("RS_OTHER_BAND_CHANCE=2\nRS_OTHERGIG_DAYSAHEAD=3.9\n");
    LoadBands(kBands);
    SIM_OtherGig* first = CheckRivalBand();
    SIM_OtherGig* second = CheckRivalBand();
    ASSERT_TRUE(first && second);
    EXPECT_NE(first->band, second->band);
    EXPECT_TRUE(AvailableRivalBands().empty());
    const SIM_DayDate due = GetSIMDate().GetDate().Next().Next().Next().Date();
    EXPECT_EQ(first->date, due);  // three days: the days ahead are truncated
    EXPECT_EQ(GetCalendar().Entries().size(), 2u);
    ASSERT_NE(CheckRivalBand(), nullptr);  // refilled
    EXPECT_EQ(AvailableRivalBands().size(), 1u);

    LoadBands("");
    EXPECT_EQ(CheckRivalBand(), nullptr);
}

TEST_F(World, EndedRivalGigsGoInOrderBeforeTheDateMovesOn) {
    LoadBands(kBands);
    SIM_OtherBand& clap = *FindRivalBand("clap");
    SIM_OtherBand& dub = *FindRivalBand("dub");
    const SIM_DateRecord today = GetSIMDate().GetDate();
    RestoreRivalGig("clap", today.Next().Date());
    RestoreRivalGig("dub", today.Date());
    RestoreRivalGig("clap", today.Date());
    RestoreRivalGig("dub", SIM_DayDate{0, 0, 2000});  // long past, from an old save
    EXPECT_EQ(RestoreRivalGig("nobody", today.Date()), nullptr);
    EXPECT_EQ(errors.assertions, 1);

    ASSERT_TRUE(RemoveEndedRivalGig());
    EXPECT_EQ(RivalGigs()[1]->band, &clap);  // the first of today's went first
    ASSERT_TRUE(RemoveEndedRivalGig());
    EXPECT_EQ(RivalGigs()[1]->band, &dub);
    EXPECT_TRUE(RemoveEndedRivalGig());
    EXPECT_FALSE(RemoveEndedRivalGig());
    ASSERT_EQ(RivalGigs().size(), 1u);

    // The day cycle: tomorrow's gig is offered once its day has come, and gone the day after.
    GetSIM().NewDay();
    ASSERT_EQ(GetDailyOptions().Options().size(), 1u);
    EXPECT_EQ(GetDailyOptions().Options()[0]->kind, OPTION_RIVAL_GIG);
    GetSIM().NewDay();
    EXPECT_TRUE(RivalGigs().empty());
    EXPECT_TRUE(GetDailyOptions().Options().empty());
}

TEST_F(World, AnUnaffordableRivalGigIsShownButCannotBeWatched) {
    LoadBands(kBands);
    const SIM_DayDate today = GetSIMDate().GetDate().Date();
    RestoreRivalGig("clap", today);
    RestoreRivalGig("dub", today);
    GetFinances().cash = 499.99f;
    CheckRivalGigDay();
    const auto& options = GetDailyOptions().Options();
    ASSERT_EQ(options.size(), 2u);
    EXPECT_TRUE(options[0]->canAccept);
    EXPECT_FALSE(options[1]->canAccept);
    EXPECT_EQ(options[1]->text, "Dubbers for $500.00");
    auto& dubGig = *static_cast<SIM_OtherGig*>(options[1]->subject);
    EXPECT_FALSE(WatchRivalGig(dubGig));
    EXPECT_FLOAT_EQ(GetFinances().cash, 499.99f);
}

TEST_F(World, WatchingPaysOnceTeachesTheElementForGoodAndInspires) {
    LoadBands(kBands);
    SIM_SongElement& claps = *FindSongElement("handclaps");
    SIM_Musician& bringer = Join();
    claps.bringer = &bringer;
    SIM_OtherGig& gig = *RestoreRivalGig("clap", GetSIMDate().GetDate().Date());
    const float inspired = GetMilo().GetValue("inspiration");

    SIM_RivalGigScreenModel screen(gig);
    EXPECT_TRUE(screen.watched);
    EXPECT_EQ(screen.unlocked, "Learnt Handclaps");
    EXPECT_FLOAT_EQ(GetFinances().cash, 987.5f);
    EXPECT_TRUE(claps.unlocked);
    EXPECT_EQ(claps.bringer, nullptr);  // his leaving no longer locks it
    EXPECT_FLOAT_EQ(GetMilo().GetValue("inspiration"), inspired + 0.2f);

    EXPECT_FALSE(SIM_RivalGigScreenModel(gig).watched);
    EXPECT_FLOAT_EQ(GetFinances().cash, 987.5f);
}

// ---- The catalogue readers ---------------------------------------------------------------

TEST_F(World, CatalogueReadersSurviveAnyRow) {
    std::mt19937 rng(31);
    const std::string alphabet = "#,\"0123456789.-eE abcXYZ\n\r\t<>_";
    std::uniform_int_distribution<std::size_t> length(0, 120);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (int i = 0; i < 300; ++i) {
        std::string rows;
        for (int r = 0; r < 4; ++r) {
            std::string row = "#";
            for (std::size_t n = length(rng); n > 0; --n) row += alphabet[pick(rng)];
            rows += row + "\n";
        }
        LoadSponsors(rows);
        for (const auto& e : AvailableEndorsements()) {
            EXPECT_GE(e->payment, 0.0f);
            EXPECT_GE(e->fameHitChance, 0.0f);
            EXPECT_LE(e->fameHitChance, 1.0f);
        }
        LoadCharities(dir.Write("c.csv", "C\n" + rows));
        LoadBands(rows);
        for (const auto& band : RivalBands()) EXPECT_GE(band->ticketCost, 0.0f);
    }
}

TEST_F(World, ShippedCataloguesLoadWithEveryRivalElementKnown) {
    LoadSongElements("data/simulation/song_elements.csv");
    LoadRivalBands();
    LoadEndorsements();
    LoadCharities();
    EXPECT_EQ(errors.assertions, 0);
    EXPECT_GE(RivalBands().size(), 10u);
    EXPECT_GE(AvailableEndorsements().size(), 8u);
    EXPECT_GE(Charities().size(), 5u);
    for (const auto& band : RivalBands()) EXPECT_GT(band->ticketCost, 0.0f) << band->key;
}
}  // namespace
