// The songwriting puzzle's model: pieces, the palette, dragging and dropping, finishing.
#include "LibRandom.h"
#include "SongTestSupport.h"

#include <algorithm>

class PuzzleTest : public SongTest {
protected:
    // A new song over the defaults plus `extra` free unlocked elements; nothing links.
    SIM_SongPuzzle& Open(int extra, bool newSong = true) {
        LoadSongElements(dir.Write("puzzle_elements.csv", Catalogue(extra)));
        song = &CreateSong(1.0f);
        SetAll(*song, 0.5f, false);
        CalculateQuality(*song);
        return OpenPuzzle(*song, newSong);
    }
    static SIM_PuzzlePiece* InSection(SIM_SongPuzzle& p, int i) {
        return p.Sections()[static_cast<std::size_t>(i)].piece.get();
    }
    static void Move(SIM_SongPuzzle& p, SIM_PuzzlePiece* piece, float x, float y) {
        p.PickUp(piece, piece->rect.CentreX(), piece->rect.CentreY());
        p.DragTo(x, y);
        p.Drop(x, y);
        p.Update();
    }
    static void MoveToSection(SIM_SongPuzzle& p, SIM_PuzzlePiece* piece, int i) {
        const SIM_PuzzleRect& area = p.Sections()[static_cast<std::size_t>(i)].dropArea;
        Move(p, piece, area.CentreX(), area.CentreY());
    }
    bool Called(const std::string& call) const {
        return std::find(screens.calls.begin(), screens.calls.end(), call) != screens.calls.end();
    }
    static bool Offers(const SIM_SongPuzzle& p, const SIM_SongElement* e) {
        return std::any_of(p.Palette().begin(), p.Palette().end(), [&](const auto& piece) { return piece->element == e; });
    }

    SIM_Song* song = nullptr;
};

TEST_F(PuzzleTest, NotesRunFromTwoAtZeroToFiveFromPointEight) {
    EXPECT_EQ(PuzzleNotes(0.0f), 2);
    EXPECT_EQ(PuzzleNotes(0.5f), 3);
    EXPECT_EQ(PuzzleNotes(0.79f), 4);
    EXPECT_EQ(PuzzleNotes(0.8f), 5);
    EXPECT_EQ(PuzzleNotes(1.0f), 5);
    EXPECT_EQ(PuzzleLabel("Backing vocals"), "Backing vo...");
    EXPECT_EQ(PuzzleLabel("Ten chars!"), "Ten chars!");
}

TEST_F(PuzzleTest, OpeningPlacesTheSongAndOffersOnlyFreeUnlockedElements) {
    SIM_SongPuzzle& p = Open(3);
    for (int i = 0; i < kSongSections; ++i) EXPECT_EQ(InSection(p, i)->element, song->elements[static_cast<std::size_t>(i)]);
    EXPECT_EQ(p.Sections()[SECTION_VERSE1].pieceLabel, "Basic drums");
    ASSERT_EQ(p.Palette().size(), 3u) << "neither placed nor locked elements are offered";
    EXPECT_EQ(p.Palette()[1]->rect.x, 195.0f);
    EXPECT_TRUE(p.Palette()[1]->rect.w == 90.0f && p.Palette()[1]->rect.h == 90.0f) << "offered pieces are 90 x 90";
    EXPECT_EQ(p.Palette()[0]->notes, 3);
    EXPECT_TRUE(p.CanFinish());
}

TEST_F(PuzzleTest, DroppingOutsideChangesNothingOnItsOwnSectionRecomputesAndMatchesLink) {
    SIM_SongPuzzle& p = Open(0);
    const auto before = song->elements;
    SetAll(*song, 0.8f, true);  // the song's entries changed since the last quality
    SIM_PuzzlePiece* piece = InSection(p, SECTION_VERSE2);
    const SIM_PuzzleRect home = piece->rect;
    Move(p, piece, 5.0f, 5.0f);  // outside every section: back home, nothing recomputed
    EXPECT_EQ(InSection(p, SECTION_VERSE2), piece);
    EXPECT_TRUE(piece->rect.x == home.x && piece->rect.y == home.y);
    EXPECT_FALSE(Called("sound data/sounds/postit_place.ogg"));
    const float stale = song->quality;
    Move(p, InSection(p, SECTION_VERSE2), 90.0f + 128.0f * 3 + 10.0f, 300.0f);
    EXPECT_EQ(song->elements, before);
    EXPECT_GT(song->quality, stale);
    EXPECT_EQ(p.LastDrop().section, SECTION_VERSE2);
    Move(p, InSection(p, SECTION_VERSE2), 5.0f, 5.0f);
    EXPECT_EQ(p.LastDrop().section, -1) << "a piece sent home repeats no feedback";
    Move(p, InSection(p, SECTION_VERSE2), 90.0f + 128.0f * 3 + 10.0f, 300.0f);
    EXPECT_FALSE(p.LastDrop().leftMatch || p.LastDrop().rightMatch) << "pieces keep the connectors they opened with";
    EXPECT_FALSE(Called("hint jigsaw accent"));

    // Opened on a song whose connectors all match: six links, and the intro links only right.
    SIM_SongPuzzle& linked = OpenPuzzle(*song, false);
    for (int pair = 1; pair < kSongSections; ++pair) EXPECT_TRUE(linked.LinkMatches(pair)) << pair;
    MoveToSection(linked, InSection(linked, SECTION_INTRO), SECTION_INTRO);
    EXPECT_TRUE(!linked.LastDrop().leftMatch && linked.LastDrop().rightMatch);
    EXPECT_TRUE(Called("hint jigsaw accent"));
}

TEST_F(PuzzleTest, MovingOntoAnOccupiedSectionFreesBothSlotsElements) {
    SIM_SongPuzzle& p = Open(0);
    SIM_SongElement* moved = song->elements[SECTION_CHORUS1];
    SIM_SongElement* replaced = song->elements[SECTION_CHORUS2];
    MoveToSection(p, InSection(p, SECTION_CHORUS1), SECTION_CHORUS2);
    EXPECT_EQ(InSection(p, SECTION_CHORUS1), nullptr);
    EXPECT_EQ(song->elements[SECTION_CHORUS1], nullptr);
    EXPECT_EQ(song->elements[SECTION_CHORUS2], moved);
    EXPECT_TRUE(Offers(p, replaced));
    EXPECT_FALSE(Offers(p, moved));
    EXPECT_FALSE(p.CanFinish());
    EXPECT_FALSE(FinishPuzzle());

    // The freed element goes into the empty slot from the palette.
    SIM_PuzzlePiece* back = p.Palette().front().get();
    MoveToSection(p, back, SECTION_CHORUS1);
    EXPECT_EQ(song->elements[SECTION_CHORUS1], replaced);
    EXPECT_TRUE(p.Palette().empty());
    EXPECT_TRUE(p.CanFinish());
}

TEST_F(PuzzleTest, ScrollingNeedsMoreThanEighteenFreeElements) {
    SIM_SongPuzzle& full = Open(18);
    EXPECT_EQ(full.Palette()[9]->rect.y, 768.0f - 230.0f + 90.0f) << "the tenth piece starts the second row";
    EXPECT_FALSE(full.CanScrollRight());

    SIM_SongPuzzle& more = Open(19);
    EXPECT_TRUE(more.CanScrollRight());
    more.ScrollRight();
    EXPECT_EQ(more.Palette().front()->element, FindSongElement("x1"));
    EXPECT_FALSE(more.CanScrollRight());
    more.ScrollLeft();
    more.ScrollLeft();
    EXPECT_EQ(more.PaletteOffset(), 0);
}

TEST_F(PuzzleTest, FinishingANewSongNamesDescribesAndUsesTheAct) {
    SetTuning("RS_MIN_QUALITY_CLASSIC_SONG=0\nRS_MAX_CLASSIC_SONGS=5\nRS_CLASSIC_SONG_CHANCE=1\n");
    SetStringsFile(dir.Write("finish.ini", "[strings]\n[SONG_DESCRIPTION_KEY]\n0=Plain\n[CLASSIC_DESCRIPTIONS]\n0=Gold\n"));
    ClearTranslations();
    SeedRandom(3);
    GetNamesList().lists[NAMES_SONG] = {"Kettle Song", "Slow Bus Home"};
    GetNamesList().loaded = true;
    GetSIM().maxActs = 5;
    GetSIM().acts = 0;

    SIM_SongPuzzle& improve = Open(0, false);
    improve.SetName("Kettle Song");
    ASSERT_TRUE(FinishPuzzle());
    EXPECT_FALSE(song->classic) << "improving never makes a classic";
    EXPECT_EQ(song->description, "Plain");
    EXPECT_EQ(GetNamesList().lists[NAMES_SONG], std::vector<std::string>{"Slow Bus Home"});
    EXPECT_EQ(OpenedPuzzle(), nullptr);
    EXPECT_EQ(GetSIM().acts, 1);

    SIM_SongPuzzle& fresh = Open(0, true);
    fresh.UseRandomName();
    SetSongwriting(1.0f);  // writing the song recalculated it
    EXPECT_EQ(song->name, "Slow Bus Home");
    ASSERT_TRUE(FinishPuzzle());
    EXPECT_TRUE(song->classic);
    EXPECT_EQ(song->description, "Gold");
    EXPECT_EQ(GetSIM().acts, 2);
}

TEST_F(PuzzleTest, TheThirdPuzzleAfterTwoWithoutRandomNamesSuggestsNaming) {
    const auto hints = [&] { return std::count(screens.calls.begin(), screens.calls.end(), "hint song edit name"); };
    SIM_SongPuzzle& first = Open(0);
    const std::uint64_t firstSerial = first.Serial();
    first.UseRandomName();
    // Closes the first, which used the button; a screen still tells them apart at one address.
    EXPECT_NE(Open(0).Serial(), firstSerial);
    EXPECT_EQ(PuzzlesClosedWithoutRandomName(), 0);
    Open(0);
    ClosePuzzle();
    EXPECT_EQ(hints(), 0);
    Open(0);
    EXPECT_EQ(hints(), 1);
}

