// Songs: quality, classics, descriptions, boredom, the album-ready flag and the element catalogue.
#include "LibRandom.h"
#include "LibSpreadsheet.h"
#include "SIM_Finances.h"
#include "SongTestSupport.h"

#include <cctype>

TEST_F(SongTest, QualityAveragesFilledSlotsAndCountsOnlyNeighbouringLinks) {
    SetTuning("RS_SONG_QUAL_PER_LINK=0.1\n");
    SIM_Song& song = CreateSong(1.0f);
    SetAll(song, 0.0f, false);
    CalculateQuality(song);
    EXPECT_EQ(song.quality, 0.0f) << "nothing suits and nothing links";

    // Slots 0, 1 and 3 filled: 0-1 link, 1 and 3 are not neighbours even though they match.
    song.elements = {};
    song.elements[0] = FindSongElement("clichedlyrics");
    song.elements[1] = FindSongElement("basicdrums");
    song.elements[3] = FindSongElement("basicguitar");
    Entry(song, "clichedlyrics") = {"clichedlyrics", 0.4f, 2, 0};
    Entry(song, "basicdrums") = {"basicdrums", 0.8f, 0, 1};
    Entry(song, "basicguitar") = {"basicguitar", 0.2f, 1, 2};
    CalculateQuality(song);
    EXPECT_NEAR(song.quality, (0.3f + 0.6f + 0.15f) / 3.0f + 0.1f, 1e-6f);

    song.initialInspiration = 0.0f;
    CalculateQuality(song);
    EXPECT_NEAR(song.quality, ((0.3f + 0.6f + 0.15f) / 3.0f + 0.1f) * 0.25f, 1e-6f);

    // Every slot empty is worth nothing rather than a division by zero.
    song.elements = {};
    CalculateQuality(song);
    EXPECT_EQ(song.quality, 0.0f);
}

TEST_F(SongTest, QualityCountsSixLinksAndClampsAtOne) {
    SetTuning("RS_SONG_QUAL_PER_LINK=0.01\n");
    SIM_Song& song = CreateSong(1.0f);
    SetAll(song, 0.0f, true);
    CalculateQuality(song);
    EXPECT_NEAR(song.quality, 0.06f, 1e-6f);

    SetTuning("RS_SONG_QUAL_PER_LINK=5\n");
    CalculateQuality(song);
    EXPECT_EQ(song.quality, 1.0f);
    song.initialInspiration = 0.0f;
    SetAll(song, 1.0f, true);
    CalculateQuality(song);
    EXPECT_EQ(song.quality, 1.0f) << "a quarter of a huge raw quality still clamps";
}

TEST_F(SongTest, CreatingASongCountsItFeedsSongwritingAndClampsInspiration) {
    SetTuning("RS_SONGS_REQ_FOR_GIG=4\nRS_SONGWRITING_PER_SONG=0.1\n");
    ResetSongs();
    int added = 0;
    SongSeams().songAdded = [&](SIM_Song&) { ++added; };
    const float before = GetMilo().GetValue("songwriting");

    SIM_Song& song = CreateSong(1.7f);
    EXPECT_EQ(song.initialInspiration, 1.0f);
    EXPECT_EQ(CreateSong(-2.0f).initialInspiration, 0.0f);
    EXPECT_EQ(GetStatistics().songsWritten, 2);
    EXPECT_EQ(added, 2);
    EXPECT_EQ(song.suitabilities.size(), SongElements().size());
    EXPECT_EQ(song.elements[SECTION_OUTRO], FindSongElement("uptempo"));
    EXPECT_NEAR(GetMilo().GetValue("songwriting"), before + 0.2f, 1e-5f);
}

TEST_F(SongTest, ClassicNeedsFullSongwritingQualityAndRoomAmongTheClassics) {
    SetTuning("RS_MIN_QUALITY_CLASSIC_SONG=0.5\nRS_MAX_CLASSIC_SONGS=1\nRS_CLASSIC_SONG_CHANCE=1\n");
    SeedRandom(3);  // a draw of exactly 1 would fail even a certain chance
    SIM_Song& song = AddCurrentSong();
    song.quality = 0.5f;

    SetSongwriting(0.999f);
    CheckClassic(song);
    EXPECT_FALSE(song.classic);
    SetSongwriting(1.0f);
    CheckClassic(song);
    EXPECT_TRUE(song.classic) << "exactly 1.0 songwriting and the minimum quality are enough";
    EXPECT_EQ(screens.calls.back(), "hint classic song");

    // One classic current (= the maximum): one more may still come; two (above it): none.
    SIM_Song& second = AddCurrentSong();
    second.quality = 0.9f;
    CheckClassic(second);
    EXPECT_TRUE(second.classic);
    SIM_Song& third = AddCurrentSong();
    third.quality = 0.9f;
    CheckClassic(third);
    EXPECT_FALSE(third.classic);
    SetTuning("RS_MAX_CLASSIC_SONGS=10\nRS_CLASSIC_SONG_CHANCE=0\n");
    CheckClassic(third);
    EXPECT_FALSE(third.classic) << "a zero chance never succeeds";
}

TEST_F(SongTest, DescriptionsNameTheTwoStrongestPhrasesOrSayItPlainly) {
    SetStringsFile(dir.Write("describe.ini", "[strings]\nSONG_DESCRIPTION_UNNAMED_A=its energy\n"
                                             "SONG_DESCRIPTION_UNNAMED_B=the rest\n[SONG_DESCRIPTION_KEY]\n0=Low <A> and <B>\n1=High <A> and <B>\n"
                                             "[CLASSIC_DESCRIPTIONS]\n0=Timeless\n"
                                             "[SONG_DESCRIPTION_BACKING VOCALS]\n0=\n1=lush vocals\n"
                                             "[SONG_DESCRIPTION_BASICDRUMS]\n0=\n1=solid drums\n"
                                             "[SONG_DESCRIPTION_UPTEMPO]\n0=\n1=a quick beat\n"));
    ClearTranslations();
    SIM_Song& song = CreateSong(0.5f);
    SetAll(song, 0.0f, false);
    song.quality = 0.1f;
    GenerateDescription(song);
    EXPECT_EQ(song.description, "Low its energy and the rest") << "suitability 0 never names an element";
    Entry(song, "basicdrums").suitability = 0.9f;
    GenerateDescription(song);
    EXPECT_EQ(song.description, "Low solid drums and the rest");

    Entry(song, "backing vocals").suitability = 0.7f;
    Entry(song, "uptempo").suitability = 0.7f;  // ties with the vocals but comes later: loses
    song.quality = 0.6f;
    GenerateDescription(song);
    EXPECT_EQ(song.description, "High solid drums and lush vocals");
    song.classic = true;
    GenerateDescription(song);
    EXPECT_EQ(song.description, "Timeless");
}

TEST_F(SongTest, AlbumReadyFromTheEighthSongWithoutAnAlbum) {
    for (int i = 0; i < 7; ++i) AddCurrentSong();
    EXPECT_FALSE(IsAlbumReady());
    SIM_Song& eighth = AddCurrentSong();
    EXPECT_TRUE(IsAlbumReady());
    RetireSong(eighth);
    EXPECT_FALSE(IsAlbumReady());
    EXPECT_EQ(RetiredSongs().size(), 1u);
    EXPECT_EQ(CurrentSongs().size(), 7u);
    DestroySong(RetiredSongs().front().get());
    EXPECT_TRUE(RetiredSongs().empty());
}

TEST_F(SongTest, BoredomSparesClassicsAndFeedsTheAverageScore) {
    SetTuning("RS_SONG_BOREDOM_INCREASE=0.6\n");
    EXPECT_EQ(AverageSongScore(), 0.0f);
    EXPECT_EQ(RandomSongTitle(), "");
    EXPECT_EQ(MostBoredSong(), nullptr);

    SIM_Song& plain = AddCurrentSong();
    plain.quality = 0.8f;
    plain.name = "Plain";
    SIM_Song& classic = AddCurrentSong();
    classic.quality = 0.4f;
    classic.classic = true;
    EXPECT_EQ(MostBoredSong(), nullptr) << "nobody is bored yet";
    AddBoredomToAll();
    AddBoredomToAll();
    EXPECT_EQ(plain.boredom, 1.0f);
    EXPECT_EQ(classic.boredom, 0.0f);
    EXPECT_EQ(MostBoredSong(), &plain);
    EXPECT_NEAR(AverageSongScore(), 0.2f, 1e-6f);
    std::string name;
    float boredom = 0.0f;
    EXPECT_TRUE(PeopleSeams().mostBoredSong(name, boredom) && name == "Plain" && boredom == 1.0f);
}

TEST_F(SongTest, BookingNeedsAFullLineUpThenEnoughSongs) {
    bool full = false;
    WorldSeams().isLineupComplete = [&] { return full; };
    for (int i = 0; i < 3; ++i) AddCurrentSong();
    EXPECT_EQ(BookGigAvailability().tooltip, "BOOKGIG_TOOLTIP_BANDINVALID");
    full = true;
    EXPECT_EQ(BookGigAvailability().tooltip, "BOOKGIG_TOOLTIP_NOTENOUGHSONGS");
    AddCurrentSong();
    EXPECT_TRUE(BookGigAvailability().enabled);
    EXPECT_EQ(WorldSeams().songCount(), 4);
}

TEST_F(SongTest, ElementsLoadTrimmedTypedAndFoundByExactName) {
    LoadSongElements(dir.Write("elements.csv", "Elements\n"
                                               "#,slap groove  ,Slap groove ,1,MUSIC,0.7\n"
                                               "#,spoken verse,Spoken,0,LYRICS,0.25\n"
                                               "#,odd,Odd,2,lyrics,x\n"));
    ASSERT_EQ(SongElements().size(), 3u);
    const SIM_SongElement* slap = FindSongElement("slap groove");
    ASSERT_NE(slap, nullptr);
    EXPECT_EQ(slap->label, "Slap groove");
    EXPECT_FLOAT_EQ(slap->strength, 0.7f);
    EXPECT_EQ(FindSongElement("spoken verse")->type, SONGELEMENT_LYRICS);
    EXPECT_EQ(FindSongElement("odd")->type, SONGELEMENT_MUSIC) << "only exact keywords set the type";
    EXPECT_EQ(FindSongElement("Slap groove"), nullptr);
    LoadSongElements(dir.path() + "/missing.csv");
    EXPECT_TRUE(SongElements().empty());
}

TEST_F(SongTest, AnElementLocksAgainOnlyWhenItsBringerLeaves) {
    SIM_SongElement& locked = *FindSongElement("locked one");
    SIM_Musician& first = CreateMusician();
    SIM_Musician& second = CreateMusician();
    PeopleSeams().songElementJoins(&locked, &first);
    PeopleSeams().songElementJoins(&locked, &second);
    EXPECT_EQ(locked.bringer, &first);
    PeopleSeams().songElementLeaves(&locked, &second);
    EXPECT_TRUE(locked.unlocked);
    PeopleSeams().songElementLeaves(&locked, &first);
    EXPECT_FALSE(locked.unlocked);

    // Unlocked for good by listening: nobody's departure locks it again.
    UnlockSongElementForGood(locked);
    PeopleSeams().songElementLeaves(&locked, &first);
    EXPECT_TRUE(locked.unlocked);
}

TEST_F(SongTest, NewGameStartsWithDescribedCoverSongs) {
    SetTuning("RS_INITIAL_SONGS=3\nRS_SONGS_REQ_FOR_GIG=4\n");
    GetNamesList().lists[NAMES_SONG] = {"Only Title"};
    GetNamesList().loaded = true;
    SetStringsFile(dir.Write("grades.ini", "[strings]\n[SONG_DESCRIPTION_KEY]\n0=Grade\n"));
    ClearTranslations();
    AddCurrentSong();
    ResetSongs();
    EXPECT_TRUE(CurrentSongs().empty());
    CreateInitialSongs();
    ASSERT_EQ(CurrentSongs().size(), 3u);
    for (const auto& song : CurrentSongs()) {
        EXPECT_TRUE(song->cover);
        EXPECT_EQ(song->initialInspiration, 0.5f);
        EXPECT_EQ(song->description, "Grade");
        EXPECT_EQ(song->name, "Only Title");
    }
    EXPECT_EQ(GetStatistics().songsWritten, 0);
    EXPECT_EQ(SongsRequiredForGig(), 4);
}

// The shipped catalogue: every element the auditionees bring and the defaults exist, each
// can be described, and the grade texts name two elements.
TEST_F(SongTest, ShippedElementsCoverTheAuditioneesAndCanBeDescribed) {
    SetStringsFile(kStringsFile);
    ClearTranslations();
    LoadTuningTable();
    LoadSongElements();
    ASSERT_GE(SongElements().size(), 25u);
    SIM_Song& song = CreateSong(0.5f);
    for (const SIM_SongElement* e : song.elements) {
        ASSERT_NE(e, nullptr);
        EXPECT_TRUE(e->unlocked) << e->name;
    }
    const auto auditionees = LoadSpreadsheet("data/simulation/auditionees.csv");
    ASSERT_FALSE(auditionees->rows.empty());
    for (const std::string& row : auditionees->rows) {
        LibTokenizer cells(row);
        for (int i = 0; i < 3; ++i) cells.Next();
        const std::string name = cells.NextText();
        EXPECT_NE(FindSongElement(name), nullptr) << name;
    }
    for (const auto& e : SongElements()) {
        std::string upper = e->name;
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_FALSE(TranslatePick(1.0f, "SONG_DESCRIPTION_" + upper).empty()) << e->name;
        EXPECT_GT(e->strength, 0.0f) << e->name;
    }
    const auto& grades = CachedSection("SONG_DESCRIPTION_KEY").Entries();
    ASSERT_FALSE(grades.empty());
    for (const auto& grade : grades) {
        EXPECT_NE(grade.value.find("<A>"), std::string::npos) << grade.key;
        EXPECT_NE(grade.value.find("<B>"), std::string::npos) << grade.key;
    }
    EXPECT_FALSE(TranslateRandom("CLASSIC_DESCRIPTIONS").empty());
}
