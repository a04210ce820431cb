// What the song list and the song details show and do, and the write-song sequence.
#include "LibRandom.h"
#include "SIM_Band.h"
#include "SIM_Finances.h"
#include "SIM_SongScreens.h"
#include "SongTestSupport.h"

#include <algorithm>
#include <utility>

class SongScreensTest : public SongTest {
protected:
    void SetUp() override {
        SongTest::SetUp();
        SetStringsFile(dir.Write("songs.ini", "[strings]\n"
                                              "DUMMY_SONG_TEXT=(to be written)\n"
                                              "SONGDETAILS_ELEMENTS=Elements\n"
                                              "SONGDETAILS_QUALITY=Quality\n"
                                              "SONGDETAILS_BOREDOM=Boredom\n"
                                              "SONGDETAILS_INSPIRATION=Inspiration\n"
                                              "SONG_WRITER_COVER=Somebody else's\n"
                                              "SONG_WRITER_ORIGINAL=Written by <BANDNAME>.\n"));
        ClearTranslations();
        GetBand().Name = "The Kettles";
    }
    static SIM_Song& Song(const std::string& name, bool cover = false, bool classic = false) {
        SIM_Song& song = CreateSong(0.5f);
        song.name = name;
        song.cover = cover;
        song.classic = classic;
        return song;
    }
    bool Hinted(const std::string& hint) const {
        return std::count(screens.calls.begin(), screens.calls.end(), "hint " + hint) > 0;
    }
};

TEST_F(SongScreensTest, TheListShowsCurrentSongsInOrderThenPlaceholdersUpToAGig) {
    SIM_Song& first = Song("First");
    SIM_Song& gone = Song("Gone");
    SIM_Song& classic = Song("Anthem", false, true);
    classic.boredom = 0.9f;  // classics never tire in play, but the colour rule is the boredom's
    RetireSong(gone);

    std::vector<SIM_SongRow> rows = SongListRows();
    ASSERT_EQ(rows.size(), 4u) << "two songs and two placeholders make the four a gig needs";
    EXPECT_EQ(rows[0].song, &first);
    EXPECT_EQ(rows[0].text, "First");
    EXPECT_FALSE(rows[0].classic);
    EXPECT_EQ(rows[1].song, &classic);
    EXPECT_TRUE(rows[1].classic);
    EXPECT_EQ(rows[1].colour, kBoredSongColour);
    for (std::size_t i : {2u, 3u}) {
        EXPECT_EQ(rows[i].song, nullptr);
        EXPECT_EQ(rows[i].text, "(to be written)");
    }

    // Enough songs, and more than enough, leave no placeholder.
    for (const char* name : {"C", "D", "E"}) Song(name);
    rows = SongListRows();
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_TRUE(std::all_of(rows.begin(), rows.end(), [](const SIM_SongRow& r) { return r.song != nullptr; }));
}

TEST_F(SongScreensTest, RowsTurnPinkOnlyOnceBoredomPassesTheThreshold) {
    EXPECT_EQ(SongRowColour(0.0f), kFreshSongColour);
    EXPECT_EQ(SongRowColour(0.2f), kFreshSongColour) << "exactly 0.2 is still fresh";
    EXPECT_EQ(SongRowColour(0.2001f), kBoredSongColour);
    EXPECT_EQ(SongRowColour(1.0f), kBoredSongColour);
    EXPECT_EQ(kBoredSongColour, 0xFFFFA6A6u);
}

TEST_F(SongScreensTest, DetailsOfAnOriginalCoverAndClassicSong) {
    SIM_Song& original = Song("Kettle Song");
    original.quality = 0.634f;
    original.boredom = 0.1f;
    original.initialInspiration = 0.5f;
    original.description = "A fine tune.";
    original.elements[SECTION_BRIDGE] = nullptr;  // a slot emptied in the puzzle is left out

    SIM_SongDetailsView view = SongDetails(original);
    EXPECT_EQ(view.name, "Kettle Song");
    std::vector<std::pair<std::string, std::string>> lines;
    for (const SIM_SongDetailLine& line : view.lines) lines.emplace_back(line.label, line.value);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Elements", "Cliched lyrics, Basic drums, Basic bass, Basic guitar, Ambition, Uptempo"},
        {"Quality", "63%"},
        {"Boredom", "10%"},
        {"Inspiration", "50%"}};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(view.writer, "Written by The Kettles.");
    EXPECT_EQ(view.description, "A fine tune.");
    EXPECT_TRUE(view.picture.empty());
    EXPECT_TRUE(view.improve.enabled);
    EXPECT_EQ(view.improve.tooltipKey, "SONGDETAILS_IMPROVE_TOOLTIP");
    EXPECT_TRUE(view.retire.enabled);
    EXPECT_EQ(view.retire.tooltipKey, "SONGDETAILS_RETIRE_TOOLTIP");

    view = SongDetails(Song("Their Hit", true));
    EXPECT_EQ(view.writer, "Somebody else's");
    EXPECT_FALSE(view.improve.enabled);
    EXPECT_EQ(view.improve.tooltipKey, "SONGDETAILS_IMPROVE_TOOLTIP_COVER");
    EXPECT_TRUE(view.retire.enabled) << "a cover can still be dropped";

    view = SongDetails(Song("Anthem", false, true));
    EXPECT_EQ(view.picture, "classic_song.jpg");
    EXPECT_FALSE(view.improve.enabled);
    EXPECT_EQ(view.improve.tooltipKey, "SONGDETAILS_IMPROVE_TOOLTIP_CLASSIC");
    EXPECT_FALSE(view.retire.enabled);
    EXPECT_EQ(view.retire.tooltipKey, "SONGDETAILS_RETIRE_TOOLTIP_CLASSIC");
}

TEST_F(SongScreensTest, RetireAndImproveActOnlyWhereTheButtonsAllow) {
    SIM_Song& original = Song("Kettle Song");
    SIM_Song& cover = Song("Their Hit", true);
    SIM_Song& classic = Song("Anthem", false, true);

    OpenSongDetails(original);
    EXPECT_TRUE(Hinted("song details"));

    // The classic stays; a cover can be neither reworked nor is the puzzle opened for it.
    EXPECT_FALSE(RetireSongFromDetails(classic));
    EXPECT_EQ(ImproveSongFromDetails(classic), nullptr);
    EXPECT_EQ(ImproveSongFromDetails(cover), nullptr);
    EXPECT_EQ(OpenedPuzzle(), nullptr);
    EXPECT_TRUE(IsCurrentSong(&classic));

    // An original opens the puzzle as an existing song, which can never become a classic.
    SIM_SongPuzzle* puzzle = ImproveSongFromDetails(original);
    ASSERT_NE(puzzle, nullptr);
    EXPECT_EQ(&puzzle->GetSong(), &original);
    EXPECT_FALSE(puzzle->IsNewSong());
    ClosePuzzle();

    // Retiring moves the song once, however often it is asked, and the list follows.
    const unsigned before = RepertoireRevision();
    EXPECT_TRUE(RetireSongFromDetails(cover));
    EXPECT_NE(RepertoireRevision(), before);
    EXPECT_FALSE(RetireSongFromDetails(cover));
    EXPECT_EQ(RetiredSongs().size(), 1u);
    EXPECT_FALSE(IsCurrentSong(&cover));
    EXPECT_EQ(ImproveSongFromDetails(cover), nullptr) << "a retired song is not reworked";
    EXPECT_EQ(SongListRows().size(), 4u);
    EXPECT_EQ(SongListRows()[1].song, &classic);
}

TEST_F(SongScreensTest, WritingASongStartsItFromTheInspirationNamesItAndOpensThePuzzleAsNew) {
    GetNamesList().lists[NAMES_SONG] = {"Slow Bus Home"};
    GetNamesList().loaded = true;
    const float inspiration = GetMilo().GetValue("inspiration");
    const unsigned before = RepertoireRevision();

    SIM_SongPuzzle& puzzle = WriteNewSong();
    ASSERT_EQ(CurrentSongs().size(), 1u);
    SIM_Song& song = *CurrentSongs().front();
    EXPECT_EQ(&puzzle.GetSong(), &song);
    EXPECT_TRUE(puzzle.IsNewSong());
    EXPECT_EQ(OpenedPuzzle(), &puzzle);
    EXPECT_EQ(song.name, "Slow Bus Home");
    EXPECT_EQ(puzzle.NameField(), "Slow Bus Home");
    EXPECT_EQ(song.initialInspiration, inspiration);
    EXPECT_EQ(song.elements[SECTION_INTRO], FindSongElement("clichedlyrics"));
    EXPECT_EQ(GetStatistics().songsWritten, 1);
    EXPECT_NE(RepertoireRevision(), before);
    EXPECT_EQ(song.description, "") << "described only when finished";
}

TEST_F(SongScreensTest, TheRevisionMovesOnWithEveryChangeOfTheSet) {
    unsigned seen = RepertoireRevision();
    auto moved = [&] {
        const unsigned before = std::exchange(seen, RepertoireRevision());
        return before != seen;
    };
    SIM_Song& song = AddCurrentSong();
    EXPECT_TRUE(moved()) << "added";
    DestroySong(&song);
    EXPECT_TRUE(moved()) << "destroyed";
    ResetSongs();
    EXPECT_TRUE(moved()) << "a new game";
    ResetSongParts();
    EXPECT_TRUE(moved()) << "a reset never goes back to a value a screen may hold";
}
