// The practice room over a headless career on the shipped data, driven as the desktop drives
// it: keys through the desktop, clicks at the buttons. The day is used once however the player
// closes a finished run, the music waits while the band plays, and the screen lets go of a run
// that a new game took away. (The whole flow, shots included, is played by practice.play.)
#include "GUI_ControlPanel.h"
#include "GUI_HintHelp.h"
#include "GUI_Practice.h"
#include "GameScreensFixture.h"
#include "InputManager.h"
#include "SIM_Person.h"
#include "SIM_Practice.h"
#include "SIM_Screens.h"

namespace {
// The digit key of a note (the scan codes of 1 to 5 are 2 to 6).
int NoteKey(int note) { return 1 + note; }
}  // namespace

class PracticeScreen : public GameScreensFixture {
protected:
    void SetUp() override {
        GameScreensFixture::SetUp();
        ASSERT_TRUE(AuditionHeadless(INSTRUMENT_DRUMS, true));
        GetSIM().maxActs = 3;  // counts the acts without running whole days
        ASSERT_TRUE(Sounds().HasMusic());
    }
    static void DismissHints() {
        while (GUI_HintHelp* hint = OpenHintWindow()) hint->Close();
        FlushDeferredDeletes();
    }
    // The control panel's button, after its fade.
    GUI_Practice* OpenFromPanel() {
        desktop.StartActivity(ACTIVITY_PRACTICE);
        shell.FinishFade();
        DismissHints();
        return WindowList().Find<GUI_Practice>();
    }
    void Frame() {
        shell.now += 20;
        shell.input.Update();
        desktop.Update();
        desktop.Draw();
        FlushDeferredDeletes();
    }
    void FramesWhile(SIM_PracticeRun::State state) {
        for (int i = 0; i < 1000 && CurrentPracticeRun() && CurrentPracticeRun()->state() == state; ++i) Frame();
    }
    void ClickAt(const GRect& r) {
        MoveTo((r.left + r.right) / 2.0f, (r.top + r.bottom) / 2.0f);
        desktop.OnLeftButtonDown();
        FlushDeferredDeletes();
    }
    // Listens to the melody and plays it back by keys, the last note wrong when asked.
    void PlayMelody(bool slip = false) {
        FramesWhile(SIM_PracticeRun::kPreview);
        SIM_PracticeRun* run = CurrentPracticeRun();
        ASSERT_NE(run, nullptr);
        ASSERT_EQ(run->state(), SIM_PracticeRun::kPlayerTurn);
        const std::vector<int> notes = run->melody().notes;
        for (std::size_t i = 0; i < notes.size(); ++i) {
            const int note = slip && i + 1 == notes.size() ? notes[i] % kPracticeNotes + 1 : notes[i];
            desktop.OnKeyDown(NoteKey(note));
        }
        ASSERT_EQ(run->state(), SIM_PracticeRun::kPause);
        FramesWhile(SIM_PracticeRun::kPause);
    }
    void PlayRun() {
        ASSERT_TRUE(CurrentPracticeRun()->Start());
        for (int melody = 0; melody < kMelodiesPerRun; ++melody) PlayMelody(melody == 1);
        ASSERT_EQ(CurrentPracticeRun()->state(), SIM_PracticeRun::kFinished);
    }
};

TEST_F(PracticeScreen, TheMusicWaitsWhileTheScreenIsOpenHoweverItCloses) {
    GUI_Practice* first = OpenFromPanel();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(mixer.musicPaused);
    const SIM_PracticeRun* firstRun = CurrentPracticeRun();
    ASSERT_NE(firstRun, nullptr);
    ASSERT_TRUE(first->StartButton()->visible && first->CancelButton()->visible);
    EXPECT_FALSE(first->ContinueButton()->visible);

    // The day's option opens a new run in place of the open one; the music still waits.
    Screens().OpenPractice();
    DismissHints();
    GUI_Practice* second = WindowList().Find<GUI_Practice>();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(WindowList().ExclusiveWindows().size(), 1u);
    EXPECT_TRUE(mixer.musicPaused);
    Frame();

    // Cancel: the music plays on, the day is not used, the run is gone.
    ClickAt(second->CancelButton()->Area());
    EXPECT_EQ(WindowList().Find<GUI_Practice>(), nullptr);
    EXPECT_EQ(CurrentPracticeRun(), nullptr);
    EXPECT_FALSE(mixer.musicPaused);
    EXPECT_EQ(GetSIM().acts, 0);

    // Escape before the start leaves as cancel does; after the start it is no way out.
    ASSERT_NE(OpenFromPanel(), nullptr);
    desktop.OnKeyDown(DIK_ESCAPE);
    FlushDeferredDeletes();
    EXPECT_EQ(WindowList().Find<GUI_Practice>(), nullptr);
    EXPECT_FALSE(mixer.musicPaused);
    ASSERT_NE(OpenFromPanel(), nullptr);
    desktop.OnKeyDown(DIK_RETURN);
    desktop.OnKeyDown(DIK_ESCAPE);
    Frame();
    EXPECT_NE(WindowList().Find<GUI_Practice>(), nullptr);
    EXPECT_TRUE(mixer.musicPaused);
    EXPECT_EQ(GetSIM().acts, 0);
}

TEST_F(PracticeScreen, NoteKeysDuringTheMelodyAndThePauseDoNothing) {
    GUI_Practice* screen = OpenFromPanel();
    ASSERT_NE(screen, nullptr);
    desktop.OnKeyDown(DIK_RETURN);
    SIM_PracticeRun* run = CurrentPracticeRun();
    ASSERT_EQ(run->state(), SIM_PracticeRun::kPreview);
    EXPECT_FALSE(screen->StartButton()->visible || screen->CancelButton()->visible);
    EXPECT_TRUE(screen->ContinueButton()->visible);
    EXPECT_FALSE(screen->ContinueButton()->enabled);

    // While the game plays the melody, its own notes show and nothing the player types counts.
    Frame();
    const int first = run->melody().notes.front();
    for (int i = 0; i < 5; ++i) desktop.OnKeyDown(NoteKey(first));
    Frame();
    EXPECT_EQ(run->state(), SIM_PracticeRun::kPreview);
    EXPECT_FALSE(screen->Notes().empty());
    EXPECT_EQ(screen->Effects().Running(), 0u);  // only the player's notes spray
    FramesWhile(SIM_PracticeRun::kPreview);
    ASSERT_EQ(run->state(), SIM_PracticeRun::kPlayerTurn);
    EXPECT_EQ(run->melody().cursor, 0u);

    // A right note sprays; a wrong one ends the attempt, and the pause ignores every key.
    desktop.OnKeyDown(NoteKey(first));
    Frame();
    EXPECT_GT(screen->Effects().Running(), 0u);
    desktop.OnKeyDown(NoteKey(run->melody().Next() % kPracticeNotes + 1));
    ASSERT_EQ(run->state(), SIM_PracticeRun::kPause);
    const std::size_t sounds = mixer.plays.size();
    for (int note = 1; note <= kPracticeNotes; ++note) desktop.OnKeyDown(NoteKey(note));
    desktop.OnKeyDown(DIK_RETURN);
    Frame();
    EXPECT_EQ(run->state(), SIM_PracticeRun::kPause);
    EXPECT_EQ(mixer.plays.size(), sounds);
    EXPECT_EQ(run->currentMelody(), run->firstMelody());
}

TEST_F(PracticeScreen, AFinishedRunUsesTheDayOnceWhateverThePlayerPresses) {
    const int turn = GetSIM().turncount;
    GUI_Practice* screen = OpenFromPanel();
    ASSERT_NE(screen, nullptr);
    PlayRun();
    Frame();
    ASSERT_TRUE(screen->ContinueButton()->visible && screen->ContinueButton()->enabled);
    // A double click: the second lands on whatever the closed screen uncovered.
    const GRect at = screen->ContinueButton()->Area();
    ClickAt(at);
    EXPECT_EQ(WindowList().Find<GUI_Practice>(), nullptr);
    Frame();
    ClickAt(at);
    EXPECT_EQ(GetSIM().acts, 1);
    EXPECT_EQ(CurrentPracticeRun(), nullptr);
    EXPECT_FALSE(mixer.musicPaused);

    // Both presses before the screen is gone, and Return among them.
    screen = OpenFromPanel();
    ASSERT_NE(screen, nullptr);
    PlayRun();
    GUI_ButtonText* button = screen->ContinueButton();
    button->Press();
    button->Press();
    desktop.OnKeyDown(DIK_RETURN);
    FlushDeferredDeletes();
    EXPECT_EQ(GetSIM().acts, 2);

    // Return, then the click before the screen is gone: the third act, which ends the day.
    screen = OpenFromPanel();
    ASSERT_NE(screen, nullptr);
    PlayRun();
    button = screen->ContinueButton();
    desktop.OnKeyDown(DIK_RETURN);
    button->Press();
    FlushDeferredDeletes();
    EXPECT_EQ(GetSIM().turncount, turn + 1);
    EXPECT_EQ(GetSIM().acts, 0);
    EXPECT_EQ(WindowList().Find<GUI_Practice>(), nullptr);
}

TEST_F(PracticeScreen, ANewGameUnderTheOpenScreenClosesItAtTheNextFrame) {
    ASSERT_NE(OpenFromPanel(), nullptr);
    desktop.OnKeyDown(DIK_RETURN);
    FramesWhile(SIM_PracticeRun::kPreview);
    desktop.OnKeyDown(NoteKey(CurrentPracticeRun()->melody().Next()));
    Frame();
    // The run and the band it shows go with the old game before the desktop hears of it.
    StartHeadlessGame(headless, seed + 1);
    SetScreens(&GameScreens());
    EXPECT_EQ(CurrentPracticeRun(), nullptr);
    // Only the window list: the desktop's own pictures are rebuilt by its reset, which this
    // frame comes before.
    desktop.OnKeyDown(NoteKey(1));
    shell.now += 20;
    Step();
    Step();
    EXPECT_EQ(WindowList().Find<GUI_Practice>(), nullptr);
    EXPECT_TRUE(WindowList().ExclusiveWindows().empty());
    EXPECT_FALSE(mixer.musicPaused);
}
