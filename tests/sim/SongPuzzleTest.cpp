// The songwriting puzzle's model: pieces, the palette, dragging and dropping, finishing.
#include "LibRandom.h"
#include "SongTestSupport.h"

#include <algorithm>
#include <set>

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
    EXPECT_EQ(PuzzleNotes(-1.0f), 2);
    EXPECT_EQ(PuzzleLabel("Backing vocals"), "Backing vo...");
    EXPECT_EQ(PuzzleLabel("Ten chars!"), "Ten chars!");
}

TEST_F(PuzzleTest, OpeningPlacesTheSongAndOffersOnlyFreeUnlockedElements) {
    SIM_SongPuzzle& p = Open(3);
    for (int i = 0; i < kSongSections; ++i) {
        ASSERT_NE(InSection(p, i), nullptr);
        EXPECT_EQ(InSection(p, i)->element, song->elements[static_cast<std::size_t>(i)]);
        EXPECT_EQ(InSection(p, i)->rect.w, 128.0f);
    }
    EXPECT_EQ(p.Sections()[SECTION_VERSE1].pieceLabel, "Basic drums");
    EXPECT_TRUE(p.Sections()[SECTION_CHORUS2].lyricStrip);
    EXPECT_FALSE(p.Sections()[SECTION_BRIDGE].lyricStrip);
    ASSERT_EQ(p.Palette().size(), 3u);
    EXPECT_FALSE(Offers(p, FindSongElement("locked one")));
    EXPECT_EQ(p.Palette()[0]->rect.x, 100.0f);
    EXPECT_EQ(p.Palette()[1]->rect.x, 195.0f);
    EXPECT_EQ(p.Palette()[0]->rect.y, 768.0f - 230.0f);
    EXPECT_EQ(p.Palette()[0]->notes, 3);
    EXPECT_TRUE(p.CanFinish());
    EXPECT_TRUE(Called("hint songwriting"));
}

TEST_F(PuzzleTest, DroppingOutsideEverySectionChangesNothing) {
    SIM_SongPuzzle& p = Open(1);
    const auto before = song->elements;
    SIM_PuzzlePiece* piece = InSection(p, SECTION_CHORUS1);
    const SIM_PuzzleRect home = piece->rect;
    Move(p, piece, 5.0f, 5.0f);
    EXPECT_EQ(song->elements, before);
    EXPECT_EQ(InSection(p, SECTION_CHORUS1), piece);
    EXPECT_EQ(piece->rect.x, home.x);
    EXPECT_EQ(piece->rect.y, home.y);
    EXPECT_EQ(p.Dragged(), nullptr);
    EXPECT_FALSE(Called("sound data/sounds/postit_place.ogg"));
}

TEST_F(PuzzleTest, DroppingOnItsOwnSectionRecomputesQualityAndGivesFeedback) {
    SIM_SongPuzzle& p = Open(0);
    const auto before = song->elements;
    SetAll(*song, 0.8f, true);  // the song's entries changed since the last quality
    Move(p, InSection(p, SECTION_VERSE2), 0.0f, 0.0f);
    const float stale = song->quality;
    Move(p, InSection(p, SECTION_VERSE2), 90.0f + 128.0f * 3 + 10.0f, 300.0f);
    EXPECT_EQ(song->elements, before);
    EXPECT_GT(song->quality, stale);
    EXPECT_EQ(p.LastDrop().section, SECTION_VERSE2);
    EXPECT_FALSE(p.LastDrop().leftMatch || p.LastDrop().rightMatch) << "pieces keep the connectors they opened with";
    EXPECT_TRUE(Called("hint jigsaw dropped"));
    EXPECT_FALSE(Called("hint jigsaw accent"));
}

TEST_F(PuzzleTest, MatchingConnectorsLinkAndPlayTheAccent) {
    LoadSongElements(dir.Write("match.csv", Catalogue(0)));
    song = &CreateSong(1.0f);
    SetAll(*song, 0.0f, true);
    SIM_SongPuzzle& p = OpenPuzzle(*song, true);
    for (int pair = 1; pair < kSongSections; ++pair) EXPECT_TRUE(p.LinkMatches(pair)) << pair;
    EXPECT_FALSE(p.LinkMatches(0));
    EXPECT_FALSE(p.LinkMatches(kSongSections));
    MoveToSection(p, InSection(p, SECTION_INTRO), SECTION_INTRO);
    EXPECT_FALSE(p.LastDrop().leftMatch) << "nothing left of the intro";
    EXPECT_TRUE(p.LastDrop().rightMatch);
    EXPECT_TRUE(Called("hint jigsaw accent"));
    EXPECT_TRUE(std::any_of(screens.calls.begin(), screens.calls.end(),
                            [](const std::string& c) { return c.rfind("sound data/sounds/song_match_", 0) == 0; }));
}

TEST_F(PuzzleTest, MovingOntoAnOccupiedSectionFreesBothSlotsElements) {
    SIM_SongPuzzle& p = Open(0);
    SIM_SongElement* moved = song->elements[SECTION_CHORUS1];
    SIM_SongElement* replaced = song->elements[SECTION_CHORUS2];
    MoveToSection(p, InSection(p, SECTION_CHORUS1), SECTION_CHORUS2);
    EXPECT_EQ(InSection(p, SECTION_CHORUS1), nullptr);
    EXPECT_EQ(p.Sections()[SECTION_CHORUS1].pieceLabel, "");
    EXPECT_EQ(InSection(p, SECTION_CHORUS2)->element, moved);
    EXPECT_EQ(song->elements[SECTION_CHORUS1], nullptr);
    EXPECT_EQ(song->elements[SECTION_CHORUS2], moved);
    EXPECT_TRUE(Offers(p, replaced));
    EXPECT_FALSE(Offers(p, moved));
    EXPECT_FALSE(p.CanFinish());
    EXPECT_FALSE(FinishPuzzle());
    EXPECT_EQ(OpenedPuzzle(), &p);

    // The freed element goes into the empty slot from the palette.
    SIM_PuzzlePiece* back = p.Palette().front().get();
    MoveToSection(p, back, SECTION_CHORUS1);
    EXPECT_EQ(song->elements[SECTION_CHORUS1], replaced);
    EXPECT_TRUE(p.Palette().empty());
    EXPECT_TRUE(p.CanFinish());
}

TEST_F(PuzzleTest, ScrollingNeedsMoreThanEighteenFreeElements) {
    SIM_SongPuzzle& full = Open(18);
    EXPECT_EQ(full.AvailableCount(), 18);
    EXPECT_EQ(full.Palette().size(), 18u);
    EXPECT_EQ(full.Palette()[9]->rect.y, 768.0f - 230.0f + 90.0f);
    EXPECT_EQ(full.Palette()[9]->rect.x, 100.0f);
    EXPECT_FALSE(full.CanScrollRight());
    EXPECT_FALSE(full.CanScrollLeft());

    SIM_SongPuzzle& more = Open(19);
    EXPECT_EQ(more.AvailableCount(), 19);
    EXPECT_TRUE(more.CanScrollRight());
    EXPECT_EQ(more.Palette().front()->element, FindSongElement("x0"));
    more.ScrollRight();
    EXPECT_EQ(more.PaletteOffset(), 1);
    EXPECT_EQ(more.Palette().size(), 18u);
    EXPECT_EQ(more.Palette().front()->element, FindSongElement("x1"));
    EXPECT_FALSE(more.CanScrollRight());
    EXPECT_TRUE(more.CanScrollLeft());
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
    EXPECT_EQ(screens.calls.back(), "hint song entry");

    SIM_SongPuzzle& fresh = Open(0, true);
    fresh.UseRandomName();
    SetSongwriting(1.0f);  // writing the song recalculated it
    EXPECT_EQ(song->name, "Slow Bus Home");
    EXPECT_EQ(fresh.NameField(), "Slow Bus Home");
    ASSERT_TRUE(FinishPuzzle());
    EXPECT_TRUE(song->classic);
    EXPECT_EQ(song->description, "Gold");
    EXPECT_EQ(GetSIM().acts, 2);
}

TEST_F(PuzzleTest, TheThirdPuzzleAfterTwoWithoutRandomNamesSuggestsNaming) {
    const auto hints = [&] { return std::count(screens.calls.begin(), screens.calls.end(), "hint song edit name"); };
    Open(0).UseRandomName();
    Open(0);  // closes the first, which used the button
    EXPECT_EQ(PuzzlesClosedWithoutRandomName(), 0);
    Open(0);
    ClosePuzzle();
    EXPECT_EQ(PuzzlesClosedWithoutRandomName(), 2);
    EXPECT_EQ(hints(), 0);
    Open(0);
    EXPECT_EQ(hints(), 1);
}

TEST_F(PuzzleTest, TheHeadlessPlayerNeverMakesASongWorse) {
    SeedRandom(11);
    SetTuning("RS_SONG_QUAL_PER_LINK=0.05\n");
    LoadSongElements(dir.Write("greedy.csv", Catalogue(25)));
    song = &CreateSong(0.6f);
    const float before = song->quality;
    SIM_SongPuzzle& p = OpenPuzzle(*song, true);
    ImproveSongGreedily(p);
    EXPECT_GE(song->quality, before);
    EXPECT_TRUE(p.CanFinish());
    const auto elements = song->elements;
    CalculateQuality(*song);
    EXPECT_EQ(song->elements, elements);
    EXPECT_EQ(std::set<const SIM_SongElement*>(elements.begin(), elements.end()).size(), 7u) << "no element twice";
}
