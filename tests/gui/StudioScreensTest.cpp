// The studio's screens over a headless career with a full line-up and more free songs than the screen shows: what the
// new-album screen's rows, studios and buttons do to the album, the cash and the day, and what
// the mixing desk's faders and release button do, however often the player presses them.
#include "GHashTable.h"
#include "GUI_CDMixer.h"
#include "GUI_ControlPanel.h"
#include "GUI_HintHelp.h"
#include "GUI_NewAlbum.h"
#include "GameScreensFixture.h"
#include "HeadlessPlayer.h"
#include "InputManager.h"
#include "SIM_Album.h"
#include "SIM_AlbumScreens.h"
#include "SIM_Band.h"
#include "SIM_Finances.h"
#include "SIM_Person.h"
#include "SIM_RecordCompany.h"
#include "SIM_Song.h"

#include <algorithm>

namespace {
class StudioScreens : public GameScreensFixture {
protected:
    void SetUp() override {
        GameScreensFixture::SetUp();
        while (MissingInstrument() >= 0) ASSERT_TRUE(AuditionHeadless(MissingInstrument(), true));
        for (int i = 0; i < 10; ++i) CreateSong(0.8f);
        GetRecordCompany().hasDeal = false;  // the company outlives a game
        SelectStudio(nullptr);
        GetFinances().cash = 1000.0f;
    }
    void TearDown() override {
        GetRecordCompany().hasDeal = false;
        GameScreensFixture::TearDown();
    }
    static GUI_NewAlbum* Screen() { return WindowList().Find<GUI_NewAlbum>(); }
    static GUI_CDMixer* Desk() { return WindowList().Find<GUI_CDMixer>(); }
    // The studio's button as the control panel presses it, the hint put away.
    GUI_NewAlbum* OpenFromTheButton() {
        desktop.StartActivity(ACTIVITY_STUDIO);
        shell.FinishFade();
        while (GUI_HintHelp* hint = OpenHintWindow()) hint->Close();
        FlushDeferredDeletes();
        return Screen();
    }
    // Clicks free songs on until the album is full.
    static void FillTheAlbum(GUI_NewAlbum& screen) {
        while (screen.TrackRows().size() < static_cast<std::size_t>(kAlbumTracks)) {
            screen.AvailableRows().front()->Press();
            FlushDeferredDeletes();
        }
    }
    static int StudioIndex(const std::string& name) {
        const auto& studios = Studios();
        for (std::size_t i = 0; i < studios.size(); ++i)
            if (studios[i]->name == name) return static_cast<int>(i);
        return -1;
    }
    // The cheapest studio with the band's cash just enough for it.
    static GUI_StudioButton& CheapestStudio(GUI_NewAlbum& screen) {
        auto& buttons = screen.Selector()->Buttons();
        return **std::min_element(buttons.begin(), buttons.end(), [](const GUI_StudioButton* a, const GUI_StudioButton* b) {
            return Studios()[static_cast<std::size_t>(StudioIndex(a->View().name))]->cost <
                   Studios()[static_cast<std::size_t>(StudioIndex(b->View().name))]->cost;
        });
    }
};
}  // namespace

TEST_F(StudioScreens, TheNewAlbumTakesEightFreeSongsAndAStudioTheBandCanPayFor) {
    const int acts = GetSIM().acts, turn = GetSIM().turncount;
    GUI_NewAlbum* screen = OpenFromTheButton();
    ASSERT_NE(screen, nullptr);
    ASSERT_NE(screen->Selector(), nullptr);
    SIM_Album* album = NewAlbumScreen()->album;
    EXPECT_FALSE(album->title.empty());
    EXPECT_TRUE(screen->TrackRows().empty());
    const std::size_t free = NewAlbumScreen()->Available().size();
    ASSERT_GT(free, static_cast<std::size_t>(SIM_NewAlbumModel::kVisibleAvailable));
    EXPECT_EQ(screen->AvailableRows().size(), static_cast<std::size_t>(SIM_NewAlbumModel::kVisibleAvailable));
    EXPECT_FALSE(screen->FinishButton()->enabled);

    // A studio dearer than the cash is greyed and its click chooses nothing; one in reach is
    // chosen with a click and framed.
    ASSERT_EQ(screen->Selector()->Buttons().size(), Studios().size());
    for (GUI_StudioButton* button : screen->Selector()->Buttons()) {
        const SIM_RecordingStudio& studio = *Studios()[static_cast<std::size_t>(StudioIndex(button->View().name))];
        EXPECT_EQ(button->enabled, studio.cost <= GetFinances().cash) << studio.name;
        if (!button->enabled) button->Press();
    }
    EXPECT_EQ(SelectedStudio(), nullptr);
    GUI_StudioButton& cheapest = CheapestStudio(*screen);
    const int clicks = Played("click.ogg");
    cheapest.Press();
    EXPECT_EQ(Played("click.ogg"), clicks + 1);
    ASSERT_NE(SelectedStudio(), nullptr);
    EXPECT_EQ(SelectedStudio()->name, cheapest.View().name);
    Step();
    EXPECT_TRUE(cheapest.View().selected);
    EXPECT_FALSE(screen->FinishButton()->enabled) << "a studio without eight songs";

    // Songs clicked move to the listing until it is full; the rest cannot be added.
    screen->AvailableRows().front()->Press();
    FlushDeferredDeletes();
    ASSERT_EQ(screen->TrackRows().size(), 1u);
    SIM_Song& first = screen->TrackRows().front()->Song();
    EXPECT_EQ(first.album, album);
    FillTheAlbum(*screen);
    EXPECT_EQ(album->tracks.size(), static_cast<std::size_t>(kAlbumTracks));
    ASSERT_EQ(screen->AvailableRows().size(), std::min(free - kAlbumTracks, std::size_t{SIM_NewAlbumModel::kVisibleAvailable}));
    for (GUI_AlbumTrack* row : screen->AvailableRows()) EXPECT_FALSE(row->enabled) << "a ninth track";
    Step();
    EXPECT_TRUE(screen->FinishButton()->enabled);
    // A track clicked goes back among the free songs, and the way on closes again.
    screen->TrackRows().front()->Press();
    FlushDeferredDeletes();
    EXPECT_EQ(first.album, nullptr);
    EXPECT_EQ(screen->TrackRows().size(), static_cast<std::size_t>(kAlbumTracks - 1));
    Step();
    EXPECT_FALSE(screen->FinishButton()->enabled);
    for (GUI_AlbumTrack* row : screen->AvailableRows()) EXPECT_TRUE(row->enabled);

    // Cancelling by Escape frees the songs, forgets the album and leaves the day and the cash.
    const std::size_t albums = Albums().size();
    desktop.OnKeyDown(DIK_ESCAPE);
    FlushDeferredDeletes();
    EXPECT_EQ(Screen(), nullptr);
    EXPECT_EQ(NewAlbumScreen(), nullptr);
    EXPECT_EQ(Albums().size(), albums - 1);
    for (const auto& song : CurrentSongs()) EXPECT_EQ(song->album, nullptr);
    EXPECT_EQ(GetSIM().acts, acts);
    EXPECT_EQ(GetSIM().turncount, turn);
    EXPECT_FLOAT_EQ(GetFinances().cash, 1000.0f);

    // Under a deal the company books its best studio: no choice, and nothing to pay.
    GetRecordCompany().hasDeal = true;
    GetSIM().maxActs = 100;  // the day goes on: no day's takings muddle the cash
    screen = OpenFromTheButton();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->Selector(), nullptr);
    ASSERT_NE(SelectedStudio(), nullptr);
    for (const auto& studio : Studios()) EXPECT_LE(studio->quality, SelectedStudio()->quality);
    FillTheAlbum(*screen);
    Step();
    ASSERT_TRUE(screen->FinishButton()->enabled);
    screen->FinishButton()->Press();
    screen->Finish();  // a second click in the same frame
    FlushDeferredDeletes();
    EXPECT_EQ(Screen(), nullptr);
    EXPECT_NE(Desk(), nullptr);
    ASSERT_NE(MixingDesk(), nullptr);
    Desk()->Finish();
    EXPECT_FLOAT_EQ(GetFinances().cash, 1000.0f);
}

TEST_F(StudioScreens, TheDesksFadersFollowTheMouseAndTheReleaseEndsTheDayOnce) {
    GUI_NewAlbum* screen = OpenFromTheButton();
    ASSERT_NE(screen, nullptr);
    FillTheAlbum(*screen);
    GUI_StudioButton& studio = CheapestStudio(*screen);
    studio.Press();
    const float cost = SelectedStudio()->cost;
    Step();
    screen->FinishButton()->Press();
    FlushDeferredDeletes();
    while (GUI_HintHelp* hint = OpenHintWindow()) hint->Close();
    FlushDeferredDeletes();
    GUI_CDMixer* desk = Desk();
    ASSERT_NE(desk, nullptr);
    SIM_MixingDesk& model = *MixingDesk();
    SIM_Album* album = model.album;
    const std::size_t members = std::min<std::size_t>(GetBand().members.size(), SIM_MixingDesk::kStrips);
    ASSERT_EQ(desk->Strips().size(), members);
    ASSERT_GE(members, 2u);

    // Dragging the first fader to the top of its track and the second to the foot: the first
    // member is louder than the rest and pleased, the second quieter and not.
    auto drag = [&](int strip, bool toTop) {
        const GRect track = desk->Strips()[static_cast<std::size_t>(strip)]->Fader()->Area();
        const float x = (track.left + track.right) / 2.0f;
        ASSERT_TRUE(Click(x, (track.top + track.bottom) / 2.0f));
        shell.input.buttonHeld = true;
        MoveTo(x, toTop ? track.top - 40.0f : track.bottom + 40.0f);  // past the end: held at it
        Step();
        shell.input.buttonHeld = false;
        Step();
        EXPECT_FALSE(desk->Strips()[static_cast<std::size_t>(strip)]->Fader()->Dragging());
    };
    drag(0, true);
    drag(1, false);
    EXPECT_FLOAT_EQ(model.strips[0].fader, 1.0f);
    EXPECT_FLOAT_EQ(model.strips[1].fader, 0.0f);
    EXPECT_GT(model.MeterLeds(0), 0);
    EXPECT_LT(model.MeterLeds(1), 0);
    // A move after the release leaves the level where it was let go.
    MoveTo(0.0f, 0.0f);
    Step();
    EXPECT_FLOAT_EQ(model.strips[0].fader, 1.0f);

    // Release: the mix as it stood is judged, the studio day is paid, the album goes on sale and
    // the day is used, once for two clicks; its icon comes to the desktop.
    const float satisfied = model.Satisfaction(0), mixed = model.MeanMixQuality();
    const float motivation = GetBand().members[0]->Motivation();
    const float cash = GetFinances().cash;
    GetSIM().maxActs = 100;  // the day goes on, so one act used stands alone
    const int acts = GetSIM().acts;
    desk->FinishButton()->Press();
    desk->Finish();
    FlushDeferredDeletes();
    EXPECT_EQ(Desk(), nullptr);
    EXPECT_EQ(MixingDesk(), nullptr);
    EXPECT_EQ(album->mode, ALBUM_RELEASED);
    EXPECT_EQ(album->daysInStudio, 1);
    EXPECT_FLOAT_EQ(GetFinances().cash, cash - cost);
    EXPECT_NEAR(album->productionQuality, std::min(mixed * SelectedStudio()->quality, QualityCap(*album)), 1e-5f);
    EXPECT_GT(satisfied, 0.0f);
    EXPECT_GT(GetBand().members[0]->Motivation(), motivation);
    EXPECT_EQ(GetSIM().acts, acts + 1);
    desktop.Items().Sync();
    const auto& items = desktop.Items().Items();
    EXPECT_TRUE(std::any_of(items.begin(), items.end(), [&](const auto& item) { return item->Shows(album); }));
}
