// The songwriting puzzle on screen over a headless career on the shipped data: the hand that
// picks pieces up and drops them, the links and the notes they set off, the name typed in, the
// palette's scrolling, finishing once however fast it is clicked, and a window that never
// outlives its puzzle. (The whole flow is played by songwriting.play.)
#include "GUI_ButtonTypes.h"
#include "GUI_ControlPanel.h"
#include "GUI_Dialog.h"
#include "GUI_GUI.h"
#include "GUI_HintHelp.h"
#include "GUI_JigSaw.h"
#include "GUI_SongList.h"
#include "GUI_Style.h"
#include "GUI_TextField.h"
#include "GameScreensFixture.h"
#include "InputManager.h"
#include "LibFileList.h"
#include "SIM_LoadGame.h"
#include "SIM_Names.h"
#include "SIM_SIM.h"
#include "SIM_SaveGame.h"
#include "SIM_Song.h"
#include "SIM_SongPuzzle.h"

#include <algorithm>

namespace {

class SongwritingScreen : public GameScreensFixture {
protected:
    void SetUp() override {
        GameScreensFixture::SetUp();
        // Enough acts that finishing never ends the day under the test.
        GetSIM().maxActs = 5;
    }

    void DismissHints() {
        while (GUI_HintHelp* hint = OpenHintWindow()) hint->Close();
        FlushDeferredDeletes();
    }
    void Frame() {
        shell.input.Update();
        desktop.Update();
        desktop.Draw();
        FlushDeferredDeletes();
    }
    // The control panel's write-song button, through its fade; the puzzle's hint put away.
    GUI_JigSaw& WriteSong() {
        desktop.StartActivity(ACTIVITY_WRITE_SONG);
        shell.FinishFade();
        DismissHints();
        Frame();
        GUI_JigSaw* jigsaw = GUI_JigSaw::Current();
        if (!jigsaw || !jigsaw->Puzzle()) throw std::runtime_error("no puzzle on screen");
        return *jigsaw;
    }
    // The hand: pressed at a point, moved with the button held, released.
    void Press(float x, float y) {
        MoveTo(x, y);
        shell.input.buttonHeld = true;
        desktop.OnLeftButtonDown();
        FlushDeferredDeletes();
    }
    void HoldAt(float x, float y) {
        MoveTo(x, y);
        Frame();
    }
    void Release() {
        shell.input.buttonHeld = false;
        Frame();
    }
    // The words of advice a drop brings are read and put away.
    void DragPiece(const SIM_PuzzlePiece& piece, float x, float y) {
        Press(piece.rect.CentreX(), piece.rect.CentreY());
        HoldAt(x, y);
        Release();
        DismissHints();
    }
    static SIM_PuzzleRect Area(const SIM_SongPuzzle& puzzle, int section) {
        return puzzle.Sections()[static_cast<std::size_t>(section)].dropArea;
    }
    static const SIM_PuzzlePiece* Offered(const SIM_SongPuzzle& puzzle, const SIM_SongElement* element) {
        for (const auto& piece : puzzle.Palette())
            if (piece->element == element) return piece.get();
        return nullptr;
    }
    // Unlocks elements in catalogue order until the puzzle of a new song would offer `count`.
    static void OfferElements(int count) {
        const int placed = kSongSections;
        int unlocked = static_cast<int>(std::count_if(SongElements().begin(), SongElements().end(),
                                                      [](const auto& e) { return e->unlocked; }));
        for (auto& element : SongElements())
            if (!element->unlocked && unlocked < count + placed) {
                element->unlocked = true;
                ++unlocked;
            }
        ASSERT_EQ(unlocked, count + placed) << "the catalogue has too few elements";
    }
};

TEST_F(SongwritingScreen, TheHandKeepsItsGripAndPiecesLandWhereTheyAreDropped) {
    GUI_JigSaw& jigsaw = WriteSong();
    SIM_SongPuzzle& puzzle = *jigsaw.Puzzle();
    SIM_Song& song = puzzle.GetSong();
    ASSERT_FALSE(puzzle.Palette().empty());
    const SIM_PuzzlePiece* piece = puzzle.Palette().front().get();
    const SIM_SongElement* element = piece->element;
    const SIM_PuzzleRect home = piece->rect;
    const auto before = song.elements;

    // Gripped off its centre, it follows the mouse by the same grip.
    Press(home.x + 10.0f, home.y + 20.0f);
    ASSERT_EQ(puzzle.Dragged(), piece);
    EXPECT_EQ(Played("postit_grab.ogg"), 1);
    HoldAt(400.0f, 120.0f);
    HoldAt(420.0f, 100.0f);
    EXPECT_FLOAT_EQ(piece->rect.x, 410.0f);
    EXPECT_FLOAT_EQ(piece->rect.y, 80.0f);

    // Let go outside every section: back to its place, the song as it was.
    Release();
    EXPECT_EQ(puzzle.Dragged(), nullptr);
    const SIM_PuzzlePiece* back = Offered(puzzle, element);
    ASSERT_NE(back, nullptr);
    EXPECT_FLOAT_EQ(back->rect.x, home.x);
    EXPECT_FLOAT_EQ(back->rect.y, home.y);
    EXPECT_EQ(song.elements, before);
    EXPECT_EQ(Played("postit_place.ogg"), 0);

    // Dropped on an occupied section, it takes the place of the piece there, which is offered again.
    const SIM_SongElement* replaced = song.elements[SECTION_BRIDGE];
    DragPiece(*back, Area(puzzle, SECTION_BRIDGE).CentreX(), Area(puzzle, SECTION_BRIDGE).CentreY());
    EXPECT_EQ(song.elements[SECTION_BRIDGE], element);
    EXPECT_NE(Offered(puzzle, replaced), nullptr);
    EXPECT_EQ(Offered(puzzle, element), nullptr);
    EXPECT_EQ(Played("postit_place.ogg"), 1);
    EXPECT_TRUE(jigsaw.FinishButton()->enabled);

    // A section's piece moved onto another empties its own section: no finishing until it is filled.
    const SIM_PuzzlePiece* intro = puzzle.Sections()[SECTION_INTRO].piece.get();
    DragPiece(*intro, Area(puzzle, SECTION_OUTRO).CentreX(), Area(puzzle, SECTION_OUTRO).CentreY());
    EXPECT_EQ(song.elements[SECTION_INTRO], nullptr);
    EXPECT_FALSE(jigsaw.FinishButton()->enabled);
    DragPiece(*puzzle.Palette().front(), Area(puzzle, SECTION_INTRO).CentreX(), Area(puzzle, SECTION_INTRO).CentreY());
    EXPECT_NE(song.elements[SECTION_INTRO], nullptr);
    EXPECT_TRUE(jigsaw.FinishButton()->enabled);
}

TEST_F(SongwritingScreen, LinksLightForMatchingNeighboursAndSetOffNotesWhereAPieceLinks) {
    // A song of the band's opened from its details, its connectors set so that only the odd
    // pairs of neighbours match: every right connector red, the left ones of the odd sections red.
    SIM_Song& song = CreateSong(0.5f);
    for (int i = 0; i < kSongSections; ++i)
        for (SIM_Suitability& entry : song.suitabilities)
            if (entry.name == song.elements[static_cast<std::size_t>(i)]->name) {
                entry.right = 0;
                entry.left = i % 2 == 1 ? 0 : 1;
            }
    GUI_SongDetails::Open(song)->Improve();
    DismissHints();
    Frame();
    GUI_JigSaw* jigsaw = GUI_JigSaw::Current();
    ASSERT_NE(jigsaw, nullptr);
    SIM_SongPuzzle& puzzle = *jigsaw->Puzzle();
    EXPECT_FALSE(puzzle.IsNewSong());
    for (int pair = 1; pair < kSongSections; ++pair)
        EXPECT_EQ(jigsaw->LinkColour(pair) >> 24, pair % 2 == 1 ? 255u : 16u) << pair;

    // The outro links with nobody: a drop there sets nothing off.
    const SIM_PuzzleRect outro = Area(puzzle, SECTION_OUTRO);
    DragPiece(*puzzle.Sections()[SECTION_OUTRO].piece, outro.CentreX(), outro.CentreY());
    EXPECT_EQ(jigsaw->Particles().Running(), 0u);
    // The first verse links with the intro: notes where they meet and from the piece.
    const SIM_PuzzleRect verse = Area(puzzle, SECTION_VERSE1);
    DragPiece(*puzzle.Sections()[SECTION_VERSE1].piece, verse.CentreX(), verse.CentreY());
    EXPECT_EQ(jigsaw->Particles().Running(), 2u);
    // They run their course on the screen's clock.
    for (int i = 0; i < 500 && jigsaw->Particles().Running() > 0; ++i) {
        shell.now += 20;
        Frame();
    }
    EXPECT_EQ(jigsaw->Particles().Running(), 0u);
}

TEST_F(SongwritingScreen, TypingNamesTheSongAndNoKeyAsksToQuit) {
    desktop.StartActivity(ACTIVITY_WRITE_SONG);
    shell.FinishFade();
    Frame();
    GUI_JigSaw* jigsaw = GUI_JigSaw::Current();
    ASSERT_NE(jigsaw, nullptr);
    SIM_Song& song = jigsaw->Puzzle()->GetSong();
    // The puzzle's word of advice goes with Escape, and only it goes.
    ASSERT_NE(OpenHintWindow(), nullptr);
    desktop.OnKeyDown(DIK_ESCAPE);
    FlushDeferredDeletes();
    EXPECT_EQ(OpenHintWindow(), nullptr);
    EXPECT_EQ(GUI_ConfirmDialog::Current(), nullptr);
    Frame();

    // A piece picked up and put down takes the focus away; the name still takes the typing.
    const SIM_PuzzlePiece& piece = *jigsaw->Puzzle()->Sections()[SECTION_INTRO].piece;
    DragPiece(piece, piece.rect.CentreX(), piece.rect.CentreY());
    for (std::size_t i = song.name.size(); i > 0; --i) desktop.OnKeyDown(DIK_BACK);
    EXPECT_EQ(song.name, "");
    desktop.OnTextInput("Kettle Song");
    EXPECT_EQ(song.name, "Kettle Song");
    EXPECT_EQ(jigsaw->NameField()->Text(), "Kettle Song");
    desktop.OnKeyDown(DIK_ESCAPE);
    desktop.OnKeyDown(DIK_RETURN);
    Frame();
    EXPECT_EQ(GUI_ConfirmDialog::Current(), nullptr) << "Escape never asks to quit over the puzzle";
    EXPECT_EQ(GUI_JigSaw::Current(), jigsaw) << "there is no cancelling a song";

    // The random name replaces what was typed, in the song and in the field.
    jigsaw->RandomButton()->Press();
    EXPECT_NE(song.name, "Kettle Song");
    EXPECT_EQ(jigsaw->NameField()->Text(), song.name);
    // Whichever it draws fits the field, as a typed name must.
    GetNamesList().LoadList(NAMES_SONG);
    for (const std::string& name : GetNamesList().lists[NAMES_SONG])
        EXPECT_LT(MeasureText(GUI_Style::Font{"journal48.dds", 32.0f}, name), jigsaw->NameField()->width - 12) << name;
}

TEST_F(SongwritingScreen, ThePaletteScrollsOnlyWhenMoreThanEighteenElementsAreFree) {
    OfferElements(18);
    GUI_JigSaw& full = WriteSong();
    EXPECT_EQ(full.Puzzle()->Palette().size(), 18u);
    EXPECT_FALSE(full.ScrollLeftButton()->enabled);
    EXPECT_FALSE(full.ScrollRightButton()->enabled);

    OfferElements(19);
    GUI_JigSaw& more = WriteSong();
    EXPECT_EQ(GUI_JigSaw::Current(), &more) << "a new puzzle replaces the window of the last";
    EXPECT_EQ(WindowList().ExclusiveWindows(), std::vector<GUI_WindowBase*>{&more});
    SIM_SongPuzzle& puzzle = *more.Puzzle();
    const SIM_SongElement* second = puzzle.Palette()[1]->element;
    ASSERT_TRUE(more.ScrollRightButton()->enabled);
    more.ScrollRightButton()->Press();
    Frame();
    EXPECT_EQ(puzzle.Palette().front()->element, second);
    EXPECT_FALSE(more.ScrollRightButton()->enabled);
    EXPECT_TRUE(more.ScrollLeftButton()->enabled);
    more.ScrollLeftButton()->Press();
    Frame();
    EXPECT_EQ(puzzle.PaletteOffset(), 0);
    EXPECT_FALSE(more.ScrollLeftButton()->enabled);
}

TEST_F(SongwritingScreen, ADoubleClickOnFinishWritesOneSongAndUsesOneAct) {
    GUI_JigSaw& jigsaw = WriteSong();
    SIM_Song& song = jigsaw.Puzzle()->GetSong();
    const int acts = GetSIM().acts;
    ASSERT_TRUE(jigsaw.FinishButton()->enabled);
    jigsaw.FinishButton()->Press();
    jigsaw.FinishButton()->Press();
    desktop.OnKeyDown(DIK_RETURN);
    desktop.OnTextInput("x");
    Frame();
    EXPECT_EQ(GetSIM().acts, acts + 1);
    EXPECT_FALSE(song.description.empty());
    EXPECT_EQ(song.name.find('x'), std::string::npos) << "nothing typed after finishing reaches the song";
    EXPECT_EQ(OpenedPuzzle(), nullptr);
    EXPECT_EQ(GUI_JigSaw::Current(), nullptr);
    EXPECT_EQ(GUI_GUI::activeWindow, nullptr);
    EXPECT_EQ(FocusedTextField(), nullptr);
}

TEST_F(SongwritingScreen, ANewGameOrALoadUnderThePuzzleClosesItsWindowUntouched) {
    const std::string save = folder.path() + "/before.xml";
    ASSERT_TRUE(WriteFileReplacing(save, SaveGameText()));

    // A piece in the hand when the game is replaced.
    const SIM_PuzzlePiece& piece = *WriteSong().Puzzle()->Palette().front();
    Press(piece.rect.CentreX(), piece.rect.CentreY());
    GetSIM().ResetForNewGame();
    shell.input.buttonHeld = false;
    Frame();
    EXPECT_EQ(GUI_JigSaw::Current(), nullptr);
    EXPECT_EQ(GUI_GUI::activeWindow, nullptr);

    WriteSong();
    ASSERT_TRUE(LoadGame(save));
    Frame();
    Frame();
    EXPECT_EQ(GUI_JigSaw::Current(), nullptr);
    EXPECT_EQ(GUI_GUI::activeWindow, nullptr) << "the desktop has its keys back";
}

}  // namespace
