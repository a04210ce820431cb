#include "LibRandom.h"
#include "LibString.h"
#include "PeopleTestSupport.h"
#include "SIM_Album.h"
#include "SIM_AlbumScreens.h"
#include "SIM_CareerHistory.h"
#include "SIM_Date.h"
#include "SIM_Finances.h"
#include "SIM_Performance.h"
#include "SIM_RecordCompany.h"
#include "SIM_Song.h"
#include "SIM_Venue.h"

#include <algorithm>
#include <limits>

namespace {
// Columns: marker, name, description, cost, quality, picture, stress.
const char* const kStudios = "Studios\n"
                             "#,Shed,A shed,100,0.3,shed.jpg,0.02\n"
                             "#,Mill,\"Old, warm\",1200,0.8,mill.jpg,0.05\n"
                             "#,Twin,Same as the mill,1500,0.8,twin.jpg,0.05\n";

class AlbumTest : public PeopleTest {
protected:
    void SetUp() override {
        PeopleTest::SetUp();
        RegisterSongs();
        RegisterAlbums();
        SetTuning("RS_SONGQUALITY_ALBUM_MULTIPLIER=0.6\nRS_ALBUM_PRICE=10\nRS_ALBUM_ARTIST_SHARE=0.2\n"
                  "RS_ALBUM_ROYALTY_ADJUSTER=10\nRS_ALBUM_ROYALTY_SUSTAIN=0.5\nRS_DEMOCD_HAPPINESS=0.1\n"
                  "RS_MOTIVATION_DEGRADE=1\nRS_COMPANY_SCOUT_MINCAPACITY=200\nRS_COMPANY_SCOUT_BASECHANCE=1\n"
                  "RS_COMPANY_OFFER_BASECHANCE=1\n");
        SetStringsFile(dir.Write("albums.ini", "[strings]\nSTUDIO_COST=Per day:\nOFFER_ROYALTY=Royalty:\n"
                                               "OFFER_TEXT=<STUDIONAME> wants <BANDNAME>\n"
                                               "RECORD_COMPANY_NOOFFER_FMV=<COMPANYNAME> left early\n"
                                               "[record companies]\n0=Tin Roof\n"));
        LoadPersonalities(dir.Write("traits.csv", "Traits\n#,businessman,Business,Sharp\n"));
        LoadStudios(dir.Write("studios.csv", kStudios));
        ResetSongs();
        GetFinances().cash = 1000.0f;
    }

    SIM_Song& Song(float quality) {
        SIM_Song& song = AddCurrentSong();
        song.quality = quality;
        song.name = "Song " + std::to_string(CurrentSongs().size());
        return song;
    }
    // An album released with the given production quality.
    SIM_Album& Released(float quality, int weeks = 0) {
        SIM_Album& album = CreateAlbum();
        album.mode = ALBUM_RELEASED;
        album.productionQuality = quality;
        album.weeksSinceRelease = weeks;
        return album;
    }
    void SetHype(float hype) { GetBand().bandValues.Find("band_hype")->value = hype; }
    void OwnManager() { Globals().Add(std::make_unique<SIM_NamedValue>("manager", "manager", 1.0f)); }
    SIM_Performance Gig(int capacity, int attendance, float score) {
        venue.capacity = capacity;
        SIM_Performance performance;
        performance.venue = &venue;
        performance.attendance = attendance;
        performance.score = score;
        return performance;
    }

    SIM_Venue venue;
};

TEST_F(AlbumTest, TrackListHoldsEightFreeSongsAndTheirMeanQuality) {
    SIM_Album& album = CreateAlbum();
    std::vector<SIM_Song*> songs;
    for (int i = 0; i < 9; ++i) songs.push_back(&Song(0.1f * static_cast<float>(i)));
    for (int i = 0; i < 8; ++i) EXPECT_TRUE(AddTrack(&album, songs[static_cast<std::size_t>(i)]));
    EXPECT_FALSE(AddTrack(&album, songs[8]));  // a ninth track
    EXPECT_EQ(songs[8]->album, nullptr);
    EXPECT_NEAR(album.songQuality, 0.35f, 1e-5f);
    EXPECT_FALSE(AddTrack(&CreateAlbum(), songs[0]));  // already on an album

    RemoveTrack(album, songs[7]);
    EXPECT_EQ(songs[7]->album, nullptr);
    EXPECT_NEAR(album.songQuality, 0.3f, 1e-5f);
    ClearTracks(album);
    UpdateSongQuality(album);
    EXPECT_EQ(album.songQuality, 0.0f);

    EXPECT_FALSE(AddTrack(&album, nullptr));
    EXPECT_EQ(errors.assertions, 1);
}

TEST_F(AlbumTest, SalesPayTheArtistShareOrTheRoyaltyOnceRecouped) {
    SIM_Album& album = Released(0.5f);
    SellCopies(album, 150);  // $300 artist share, all of it paid without a deal
    EXPECT_FLOAT_EQ(GetFinances().cash, 1300.0f);

    SIM_RecordCompany& company = GetRecordCompany();
    company.hasDeal = true;
    company.royalty = 0.25f;
    SIM_Album& signed_ = Released(0.5f);
    signed_.productionCost = 1000.0f;
    signed_.totalEarned = 900.0f;
    SellCopies(signed_, 150);  // 200 of the 300 are past the cost
    EXPECT_FLOAT_EQ(GetFinances().cash, 1350.0f);
    EXPECT_FLOAT_EQ(signed_.totalEarned, 1200.0f);
    SellCopies(signed_, 150);  // the whole share now earns the royalty
    EXPECT_FLOAT_EQ(GetFinances().cash, 1425.0f);
    EXPECT_FLOAT_EQ(signed_.royaltiesEarned, 125.0f);
    EXPECT_EQ(AlbumDetailLines(signed_)[3].value, "$1,500");

    SIM_Album& unrecouped = Released(0.5f);
    unrecouped.productionCost = 5000.0f;
    SellCopies(unrecouped, 150);
    EXPECT_FLOAT_EQ(GetFinances().cash, 1425.0f);
}

TEST_F(AlbumTest, WeeklySalesNeedFameHypeAndARelease) {
    SIM_Album& album = Released(0.5f);
    SIM_Album& inStudio = CreateAlbum();
    GetFame().fame = 100.0f;
    SetHype(0.0f);
    WorldSeams().weeklySales();  // the day cycle's weekly step
    EXPECT_EQ(album.copiesSold, 0);
    EXPECT_EQ(album.weeksSinceRelease, 1);

    GetFame().fame = 0.0f;
    SetHype(1.0f);
    WeeklySales();
    EXPECT_EQ(album.copiesSold, 0);

    // 0.5 quality x 100 fame x 10, halved for each of the three weeks, x hype 0.8 x 0.9..1.1.
    GetFame().fame = 100.0f;
    SetHype(0.8f);
    WeeklySales();
    EXPECT_GE(album.copiesSold, 45);
    EXPECT_LE(album.copiesSold, 55);
    EXPECT_EQ(inStudio.copiesSold, 0);
}

// The sales fade by one multiplication per week and the hype is applied before the random
// factor; rounding otherwise moves a copy now and then.
TEST_F(AlbumTest, WeeklySalesFollowTheWeekByWeekArithmetic) {
    SetTuning("RS_ALBUM_PRICE=10\nRS_ALBUM_ARTIST_SHARE=0.2\nRS_ALBUM_ROYALTY_ADJUSTER=40\n"
              "RS_ALBUM_ROYALTY_SUSTAIN=0.98\n");
    std::vector<float> qualities;
    for (int i = 0; i < 40; ++i) qualities.push_back(0.2f + 0.0191f * static_cast<float>(i));
    for (const float q : qualities) Released(q);
    const float hype = 0.61f;
    SetHype(hype);
    SeedRandom(5);
    for (int week = 1; week <= 120; ++week) {
        const float fame = 40.0f + 3.7f * static_cast<float>(week);
        GetFame().fame = fame;
        const std::uint32_t state = RandomState();
        std::vector<float> factors;
        for (std::size_t i = 0; i < qualities.size(); ++i) factors.push_back(RandomFloat(0.9f, 1.1f));
        SetRandomState(state);
        std::vector<int> before;
        for (const auto& album : Albums()) before.push_back(album->copiesSold);
        WeeklySales();
        for (std::size_t i = 0; i < qualities.size(); ++i) {
            float expected = qualities[i] * fame * 40.0f;
            for (int w = 0; w < week; ++w) expected = expected * 0.98f;
            expected = expected * hype * factors[i];
            ASSERT_EQ(Albums()[i]->copiesSold - before[i], static_cast<int>(expected)) << "week " << week;
        }
    }
}

TEST_F(AlbumTest, LatestReleasedAlbumIsTheYoungestFirstOfEquals) {
    CreateAlbum();
    EXPECT_EQ(LatestReleasedAlbum(), nullptr);
    Released(0.5f, 9);
    SIM_Album& young = Released(0.5f, 2);
    Released(0.5f, 2);
    EXPECT_EQ(LatestReleasedAlbum(), &young);
    EXPECT_EQ(WorldSeams().latestReleasedAlbumWeeks(), 2);
    WorldSeams().sellLatestReleasedAlbum(10);
    EXPECT_EQ(young.copiesSold, 10);
}

TEST_F(AlbumTest, StudiosLoadOnceAndTheSelectionFollowsQualityAndCash) {
    ASSERT_EQ(Studios().size(), 3u);
    EXPECT_EQ(Studios()[1]->description, "Old, warm");
    EXPECT_FLOAT_EQ(Studios()[1]->stress, 0.05f);
    LoadStudios(dir.Write("other.csv", "S\n#,Other,x,1,1,o.jpg,0\n"));
    EXPECT_EQ(Studios().size(), 3u);

    SelectBestStudio();  // the first of the two best
    EXPECT_EQ(SelectedStudio(), Studios()[1].get());
    DropUnaffordableStudio();  // 1000 in cash, 1200 a day
    EXPECT_EQ(SelectedStudio(), nullptr);
    EXPECT_EQ(SelectedStudioSaveName(), "null");
    RestoreSelectedStudio("Shed");
    DropUnaffordableStudio();
    EXPECT_EQ(SelectedStudio(), Studios()[0].get());

    ResetAlbumParts();
    LoadStudios(dir.Write("zero.csv", "S\n#,Nothing,x,1,0,o.jpg,0\n"));
    SelectBestStudio();
    EXPECT_EQ(SelectedStudio(), nullptr);
}

TEST_F(AlbumTest, StudioSelectorOnlyTakesAffordableStudios) {
    GetFinances().cash = 1200.0f;
    const std::vector<SIM_StudioButtonView> buttons = StudioSelectorButtons();
    ASSERT_EQ(buttons.size(), 3u);
    EXPECT_EQ(buttons[1].costText, "Per day: $ 1,200");
    EXPECT_TRUE(buttons[1].affordable);  // exactly the cash
    EXPECT_FALSE(buttons[2].affordable);

    EXPECT_FALSE(ClickStudio(2));
    EXPECT_TRUE(ClickStudio(1));
    EXPECT_EQ(SelectedStudio(), Studios()[1].get());
    EXPECT_EQ(screens.calls, std::vector<std::string>{"sound data/sounds/click.ogg"});
    EXPECT_TRUE(StudioSelectorButtons()[1].selected);
}

TEST_F(AlbumTest, NewAlbumScreenFinishesWithEightTracksAndAStudioOrCancels) {
    for (int i = 0; i < 7; ++i) Song(0.5f);
    EXPECT_EQ(OpenNewAlbumScreen(), nullptr);  // seven free songs are not enough
    for (int i = 0; i < 4; ++i) Song(0.5f);
    SIM_NewAlbumModel* screen = OpenNewAlbumScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(screen->ShowsStudioSelector());
    EXPECT_EQ(screen->Available().size(), 11u);
    EXPECT_EQ(screen->VisibleAvailable().size(), 8u);
    for (int i = 0; i < 5; ++i) screen->ScrollDown();
    EXPECT_EQ(screen->scroll, 3);
    EXPECT_EQ(screen->VisibleAvailable().front(), CurrentSongs()[3].get());

    for (int i = 0; i < 8; ++i) EXPECT_TRUE(screen->ClickAvailable(screen->Available().front()));
    EXPECT_FALSE(screen->ClickAvailable(screen->Available().front()));
    EXPECT_EQ(screen->scroll, 0);
    EXPECT_FALSE(screen->CanFinish());  // no studio yet
    EXPECT_FALSE(FinishNewAlbum());
    ClickStudio(0);
    EXPECT_TRUE(screen->CanFinish());
    EXPECT_TRUE(screen->ClickTrack(screen->Tracks().front()));
    EXPECT_FALSE(screen->CanFinish());  // seven tracks
    EXPECT_FALSE(IsAlbumReady());       // four songs left free

    CancelNewAlbum();
    EXPECT_TRUE(Albums().empty());
    EXPECT_TRUE(std::all_of(CurrentSongs().begin(), CurrentSongs().end(), [](const auto& s) { return !s->album; }));
    EXPECT_TRUE(IsAlbumReady());

    // Under a deal the company books its best studio, however expensive.
    GetRecordCompany().hasDeal = true;
    screen = OpenNewAlbumScreen();
    EXPECT_FALSE(screen->ShowsStudioSelector());
    EXPECT_EQ(SelectedStudio(), Studios()[1].get());
    for (int i = 0; i < 8; ++i) screen->ClickAvailable(screen->Available().front());
    EXPECT_TRUE(FinishNewAlbum());
    ASSERT_NE(MixingDesk(), nullptr);
    EXPECT_EQ(MixingDesk()->album, Albums().front().get());
    EXPECT_EQ(screens.calls.back(), "mixing desk");
}

TEST_F(AlbumTest, MixingDeskJudgesEachMemberAgainstTheOthers) {
    SIM_Musician& a = Join();
    SIM_Musician& b = Join();
    SIM_Album& album = CreateAlbum();
    SIM_MixingDesk desk(&album);
    EXPECT_EQ(desk.strips[1].member, &b);
    EXPECT_EQ(desk.strips[2].member, nullptr);
    desk.SetFader(0, 0.9f);
    desk.SetFader(1, 0.4f);
    desk.SetFader(2, 0.0f);  // no member: not one of the others
    EXPECT_FLOAT_EQ(desk.Satisfaction(0), 1.0f);
    EXPECT_FLOAT_EQ(desk.Satisfaction(1), -1.0f);
    EXPECT_EQ(desk.MeterLeds(1), -10);
    desk.SetFader(0, 1.7f);
    EXPECT_FLOAT_EQ(desk.strips[0].fader, 1.0f);
    desk.SetFader(0, 0.5f);
    EXPECT_NEAR(desk.Satisfaction(0), 0.2f, 1e-6f);

    GetBand().RemoveMember(&b);
    SIM_MixingDesk solo(&album);
    solo.SetFader(0, 0.75f);
    EXPECT_FLOAT_EQ(solo.Satisfaction(0), 0.5f);  // against an assumed 0.5

    // Three quarters from hitting the hidden target, a quarter from happiness x inspiration.
    a.happiness = 0.5f;
    solo.strips[0].target = 0.55f;
    EXPECT_NEAR(solo.MixQuality(0), 0.8f * 0.75f + 0.5f * 0.3f * 0.25f, 1e-5f);
    EXPECT_NEAR(solo.MeanMixQuality(), solo.MixQuality(0), 1e-6f);
}

TEST_F(AlbumTest, FinishingTheMixReleasesTheAlbumWithinItsCap) {
    SetTuning("GAME_DURATION_YEARS=10\nRS_SONGQUALITY_ALBUM_MULTIPLIER=0.6\nRS_DEMOCD_HAPPINESS=0.1\n"
              "RS_MOTIVATION_DEGRADE=1\n");
    SIM_Musician& loud = Join();
    SIM_Musician& quiet = Join();
    for (int i = 0; i < 8; ++i) Song(0.0f);
    SIM_NewAlbumModel* screen = OpenNewAlbumScreen();
    for (int i = 0; i < 8; ++i) screen->ClickAvailable(screen->Available().front());
    ClickStudio(0);  // the shed: quality 0.3, $100 a day
    SIM_Album* album = screen->album;
    ASSERT_TRUE(FinishNewAlbum());
    SIM_MixingDesk* desk = MixingDesk();
    desk->SetFader(0, 0.9f);
    desk->SetFader(1, 0.1f);
    for (SIM_MixerStrip& s : desk->strips) s.target = s.fader;
    loud.happiness = quiet.happiness = 0.0f;
    GetSIMDate().StartNewGameDate();
    const float motivation = loud.motivation.value;
    const int turn = GetSIM().turncount;

    EXPECT_TRUE(FinishMixingDesk());
    EXPECT_EQ(MixingDesk(), nullptr);
    EXPECT_EQ(GetSIM().turncount, turn + 1);  // the studio day was the day's act
    EXPECT_EQ(album->mode, ALBUM_RELEASED);
    EXPECT_EQ(GetCareerHistory().pending, kMarkAlbum);
    EXPECT_EQ(album->daysInStudio, 1);
    EXPECT_FLOAT_EQ(album->productionCost, 100.0f);
    EXPECT_FLOAT_EQ(GetFinances().cash, 900.0f);
    // A perfect mix is worth 0.75 when nobody is happy, times the shed's 0.3.
    EXPECT_NEAR(album->productionQuality, 0.225f, 1e-5f);
    EXPECT_GT(loud.motivation.value, motivation);
    EXPECT_LT(quiet.motivation.value, motivation);

    // The same mix in the best studio meets the weak songs' cap.
    SelectStudio(Studios()[1].get());
    SIM_MixingDesk best(album);
    for (SIM_MixerStrip& s : best.strips) s.target = s.fader;
    EXPECT_TRUE(best.Mix());
    EXPECT_FLOAT_EQ(album->productionQuality, 0.4f);

    SelectStudio(nullptr);
    EXPECT_FALSE(best.Mix());
    EXPECT_EQ(album->daysInStudio, 2);
}

TEST_F(AlbumTest, ScoutsComeOnlyToBigEnoughVenuesAndOffersNeedFame) {
    SeedRandom(1);
    SIM_RecordCompany& company = GetRecordCompany();
    EXPECT_FALSE(Scout(company, Gig(199, 199, 1.0f)));
    EXPECT_EQ(company.name, "Polymer Records");
    EXPECT_TRUE(Scout(company, Gig(200, 10, 0.0f)));
    EXPECT_EQ(company.name, "Tin Roof");

    GetFame().fame = 39.9f;
    EXPECT_FALSE(MakeOffer(Gig(5000, 5000, 1.0f), company));
    GetFame().fame = 40.0f;
    EXPECT_TRUE(MakeOffer(Gig(200, 0, 0.0f), company));
    EXPECT_GE(company.royalty, 0.2f);
    EXPECT_LE(company.royalty, 0.5f);
    EXPECT_GE(company.marketing, 0.1f);
    EXPECT_LE(company.marketing, 0.3f);

    // The fame term stops growing at 500: far above it a half-weighted term still gives an
    // even chance, not a certainty.
    SetTuning("RS_DEAL_FAME_MODIFIER=0.5\n");
    GetFame().fame = 2000.0f;
    SeedRandom(3);
    int offers = 0;
    for (int i = 0; i < 400; ++i) offers += MakeOffer(Gig(200, 0, 0.0f), company) ? 1 : 0;
    EXPECT_GT(offers, 150);
    EXPECT_LT(offers, 250);
}

TEST_F(AlbumTest, BusinessSenseImprovesTheTermsOnlyOnce) {
    SIM_RecordCompany& company = GetRecordCompany();
    auto negotiate = [&company] {
        SeedRandom(7);
        NegotiateTerms(company);
        return std::pair{company.royalty, company.marketing};
    };
    const auto [royalty, marketing] = negotiate();

    // Either a manager or a businessman is enough; both together, or two businessmen, add
    // nothing more.
    OwnManager();
    EXPECT_EQ(negotiate(), std::pair(royalty * 1.2f, marketing * 1.12f));
    ResetGlobals();
    WithTraits(Join(), {"businessman"});
    EXPECT_EQ(negotiate(), std::pair(royalty * 1.2f, marketing * 1.12f));
    WithTraits(Join(), {"businessman"});
    OwnManager();
    EXPECT_EQ(negotiate(), std::pair(royalty * 1.2f, marketing * 1.12f));
}

// With the base chance at 0 each term alone decides: a full house or a perfect show is a
// certain offer under a weight of 1, an empty hall or a dismal show never one.
TEST_F(AlbumTest, OfferChanceWeighsTheCrowdAndTheShow) {
    SIM_RecordCompany& company = GetRecordCompany();
    GetFame().fame = 100.0f;
    SetTuning("RS_COMPANY_OFFER_BASECHANCE=0\nRS_DEAL_FAME_MODIFIER=0\nRS_DEAL_ATTENDENCE_MODIFIER=1\n"
              "RS_DEAL_QUALITY_MODIFIER=0\n");
    SeedRandom(11);
    for (int i = 0; i < 20; ++i) {
        EXPECT_TRUE(MakeOffer(Gig(400, 400, 0.0f), company));
        EXPECT_FALSE(MakeOffer(Gig(400, 0, 1.0f), company));
    }
    SetTuning("RS_COMPANY_OFFER_BASECHANCE=0\nRS_DEAL_FAME_MODIFIER=0\nRS_DEAL_ATTENDENCE_MODIFIER=0\n"
              "RS_DEAL_QUALITY_MODIFIER=1\n");
    for (int i = 0; i < 20; ++i) {
        EXPECT_TRUE(MakeOffer(Gig(400, 0, 1.0f), company));
        EXPECT_FALSE(MakeOffer(Gig(400, 400, 0.0f), company));
    }
}

// A studio day always goes on the album's bill; the band pays it only without a deal, even
// into debt, and the studio's stress reaches the band either way.
TEST_F(AlbumTest, RecordDayBillsTheBandOrTheCompany) {
    SetTuning("RS_MEETSCALAR_STUDIO=0.3\n");
    Join();
    SIM_Album& album = CreateAlbum();
    const SIM_RecordingStudio& mill = *Studios()[1];  // $1200 a day, stress 0.05
    const float stress = GetBand().GetBandValue("band_stress");
    EXPECT_TRUE(RecordDay(&album, &mill));
    EXPECT_FLOAT_EQ(GetFinances().cash, -200.0f);
    EXPECT_NEAR(GetBand().GetBandValue("band_stress"), stress + 0.05f, 1e-5f);

    GetRecordCompany().hasDeal = true;
    EXPECT_TRUE(RecordDay(&album, &mill));
    EXPECT_FLOAT_EQ(GetFinances().cash, -200.0f);
    EXPECT_EQ(album.daysInStudio, 2);
    EXPECT_FLOAT_EQ(album.productionCost, 2400.0f);

    EXPECT_FALSE(RecordDay(nullptr, &mill));
    EXPECT_EQ(errors.assertions, 1);
}

TEST_F(AlbumTest, DealCheckOpensTheOfferOrTellsTheNews) {
    GetBand().Name = "The Hums";
    GetFame().fame = 10.0f;
    SIM_Performance calledOff = Gig(300, 0, 0.0f);
    calledOff.cancelled = true;
    WorldSeams().recordDealCheck(calledOff);
    EXPECT_TRUE(screens.calls.empty());
    WorldSeams().recordDealCheck(Gig(300, 100, 0.5f));
    EXPECT_EQ(screens.calls, std::vector<std::string>{"news Tin Roof left early"});

    GetFame().fame = 100.0f;
    WorldSeams().recordDealCheck(Gig(300, 100, 0.5f));
    ASSERT_NE(RecordOffer(), nullptr);
    EXPECT_EQ(screens.calls.back(), "record company offer");
    EXPECT_EQ(RecordOffer()->Text(), "Tin Roof wants The Hums");
    const float royalty = GetRecordCompany().royalty;
    EXPECT_EQ(RecordOffer()->RoyaltyText(), FormatText("Royalty: %.0f%%", static_cast<double>(royalty * 100.0f)));
    RejectRecordOffer();
    EXPECT_FALSE(GetRecordCompany().hasDeal);
    EXPECT_FLOAT_EQ(GetRecordCompany().royalty, royalty);

    WorldSeams().recordDealCheck(Gig(300, 100, 0.5f));
    const float marketing = GetRecordCompany().marketing;
    const float hype = GetBand().GetBandValue("band_hype");
    EXPECT_FALSE(GetCareerHistory().pending & kMarkDeal);
    AcceptRecordOffer();
    EXPECT_TRUE(WorldSeams().hasRecordDeal());
    EXPECT_TRUE(GetCareerHistory().pending & kMarkDeal);
    EXPECT_NEAR(GetBand().GetBandValue("band_hype"), hype + marketing, 1e-5f);

    // Signed bands are not scouted again.
    GetRecordCompany().name = "Signed";
    WorldSeams().recordDealCheck(Gig(300, 100, 0.5f));
    EXPECT_EQ(GetRecordCompany().name, "Signed");
}

TEST_F(AlbumTest, NewGameForgetsTheDealAndAnOldSaveLoadsWithout) {
    SIM_RecordCompany& company = GetRecordCompany();
    company.hasDeal = true;
    company.royalty = 0.4f;
    company.name = "Tin Roof";
    const SIM_RecordCompanyState saved = RecordCompanyState();
    for (int i = 0; i < 8; ++i) Song(0.5f);
    SIM_NewAlbumModel* screen = OpenNewAlbumScreen();
    for (int i = 0; i < 8; ++i) screen->ClickAvailable(screen->Available().front());
    SIM_Song* track = screen->Tracks().front();

    WorldSeams().resetPeopleAndMusic();
    EXPECT_FALSE(GetRecordCompany().hasDeal);
    EXPECT_EQ(GetRecordCompany().name, "Polymer Records");
    EXPECT_TRUE(Albums().empty());
    EXPECT_EQ(NewAlbumScreen(), nullptr);
    EXPECT_EQ(track->album, nullptr);
    EXPECT_EQ(Studios().size(), 3u);

    RestoreRecordCompany(&saved);
    EXPECT_TRUE(GetRecordCompany().hasDeal);
    EXPECT_FLOAT_EQ(GetRecordCompany().royalty, 0.4f);
    EXPECT_EQ(GetRecordCompany().name, "Tin Roof");
    SIM_RecordCompanyState damaged = saved;
    damaged.royalty = 7.0f;
    damaged.marketing = std::numeric_limits<float>::quiet_NaN();
    RestoreRecordCompany(&damaged);
    EXPECT_FLOAT_EQ(GetRecordCompany().royalty, 1.0f);
    EXPECT_EQ(GetRecordCompany().marketing, 0.0f);
    damaged.royalty = -0.5f;
    RestoreRecordCompany(&damaged);
    EXPECT_EQ(GetRecordCompany().royalty, 0.0f);
    RestoreRecordCompany(nullptr);  // a save from before the company was kept
    EXPECT_FALSE(GetRecordCompany().hasDeal);
    EXPECT_EQ(GetRecordCompany().name, "Polymer Records");
}
}  // namespace

namespace {
using ShippedAlbumData = SimTest;

// The shipped studios span a career, and every key the album rules read is there.
TEST_F(ShippedAlbumData, StudiosTextsAndTuningAreFilledIn) {
    SetStringsFile(kStringsFile);
    ClearTranslations();
    LoadTuningTable();
    LoadStudios();
    ASSERT_GE(Studios().size(), 6u);
    for (std::size_t i = 0; i < Studios().size(); ++i) {
        const SIM_RecordingStudio& studio = *Studios()[i];
        EXPECT_TRUE(studio.quality > 0.0f && studio.quality <= 1.0f) << studio.name;
        EXPECT_FALSE(studio.picture.empty()) << studio.name;
        if (i > 0) {
            EXPECT_GT(studio.cost, Studios()[i - 1]->cost) << studio.name;
        }
    }
    EXPECT_LE(Studios().front()->cost, GetTuningValue("RS_STARTINGCASH"));
    EXPECT_FALSE(TranslateRandom("record companies").empty());
    EXPECT_FALSE(TranslatePick(1.0f, "OFFER_MARKETING_EFFECT").empty());
    for (const char* key : {"OFFER_TITLE", "NEWALBUM_FINISH", "CDMIXER_FINISH", "STUDIO_COST"})
        EXPECT_NE(Translate(key), key);
    EXPECT_NE(Translate("OFFER_TEXT").find("<BANDNAME>"), std::string::npos);
    EXPECT_NE(Translate("RECORD_COMPANY_NOOFFER_FMV").find("<COMPANYNAME>"), std::string::npos);
    for (const char* key : {"RS_ALBUM_ROYALTY_ADJUSTER", "RS_ALBUM_PRICE", "RS_ALBUM_ARTIST_SHARE",
                            "RS_COMPANY_SCOUT_BASECHANCE", "RS_SONGQUALITY_ALBUM_MULTIPLIER"})
        EXPECT_GT(GetTuningValue(key), 0.0f) << key;
    EXPECT_LT(GetTuningValue("RS_ALBUM_ROYALTY_SUSTAIN"), 1.0f);
}
}  // namespace

namespace {
// The whole new-game set-up on the shipped data: the old career's deal and albums are gone.
TEST_F(ShippedAlbumData, ANewGameStartsUnsignedWithNoAlbums) {
    SetStringsFile(kStringsFile);
    ClearTranslations();
    LoadTuningTable();
    RegisterSimulationParts();
    LoadPeopleData();
    GetRecordCompany().hasDeal = true;
    CreateAlbum();
    GetSIM().ResetForNewGame();
    EXPECT_FALSE(GetRecordCompany().hasDeal);
    EXPECT_TRUE(Albums().empty());
    EXPECT_FALSE(Studios().empty());
    EXPECT_EQ(errors.assertions, 0) << errors.lastAssert;
}
}  // namespace
