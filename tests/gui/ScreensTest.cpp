// The desktop's screens over a headless career on the shipped data: the control panel's rules,
// its hooks, the day's options when a day ends under them, and the small rules the status
// windows and the save screens show.
#include "GUI_ControlPanel.h"
#include "GUI_DailyOptions.h"
#include "GUI_Endorsement.h"
#include "GUI_FMVScreen.h"
#include "GUI_GUI.h"
#include "GUI_HintHelp.h"
#include "GUI_MenuSave.h"
#include "GUI_SaveSlots.h"
#include "GUI_Screens.h"
#include "GUI_StatusWindows.h"
#include "GameScreensFixture.h"
#include "HeadlessPlayer.h"
#include "GHashTable.h"
#include "LibErrors.h"
#include "SIM_Band.h"
#include "SIM_Song.h"
#include "SIM_Attribute.h"
#include "SIM_DailyOptions.h"
#include "SIM_Person.h"
#include "SIM_FunctionTable.h"
#include "SIM_Endorsements.h"
#include "SIM_Finances.h"
#include "SIM_Hints.h"
#include "SIM_RivalBands.h"
#include "SIM_SIM.h"
#include "SIM_AlbumScreens.h"
#include "SIM_Publicity.h"
#include "SIM_Venue.h"
#include "GUI_MessageBox.h"
#include "GUI_AlbumScreens.h"
#include "SIM_Album.h"
#include "SIM_RecordCompany.h"

#include <algorithm>
#include <functional>

class Screens : public GameScreensFixture {
protected:
    Screens() { seed = 3; }
    // One frame of the desktop mode.
    void DesktopFrame() {
        shell.input.Update();
        desktop.Update();
        desktop.Draw();
        FlushDeferredDeletes();
    }
    GUI_CPButton& Button(int activity) {
        for (int i = 0; i < GUI_ControlPanel::kButtons; ++i)
            if (desktop.ControlPanel()->Button(i)->activity == activity) return *desktop.ControlPanel()->Button(i);
        throw std::runtime_error("no such button");
    }
};

TEST_F(Screens, TheControlPanelOffersOnlyWhatTheBandCanDoAndSaysWhy) {
    DesktopFrame();
    // A new band has nobody and nothing planned.
    EXPECT_FALSE(Button(ACTIVITY_REHEARSAL).enabled);
    EXPECT_EQ(Button(ACTIVITY_REHEARSAL).tooltipKey, "TOOLTIP_REHEARSAL_INVALIDBAND");
    EXPECT_FALSE(Button(ACTIVITY_BOOK_GIG).enabled);
    EXPECT_EQ(Button(ACTIVITY_BOOK_GIG).tooltipKey, "BOOKGIG_TOOLTIP_BANDINVALID");
    EXPECT_FALSE(Button(ACTIVITY_STUDIO).enabled);
    EXPECT_FALSE(Button(ACTIVITY_TODAY).enabled);
    EXPECT_TRUE(Button(ACTIVITY_AUDITIONS).enabled);
    EXPECT_TRUE(Button(ACTIVITY_SHOPPING).enabled);
    // A full line-up opens rehearsals; gigs still want songs.
    while (MissingInstrument() >= 0) ASSERT_TRUE(AuditionHeadless(MissingInstrument(), true));
    DesktopFrame();
    EXPECT_TRUE(Button(ACTIVITY_REHEARSAL).enabled);
    EXPECT_EQ(Button(ACTIVITY_REHEARSAL).tooltipKey, "TOOLTIP_REHEARSAL");
    EXPECT_EQ(Button(ACTIVITY_BOOK_GIG).enabled, HasSongsForGig());
    // The members are on the desktop.
    EXPECT_EQ(desktop.Items().Items().size(), GetBand().members.size());
}

TEST_F(Screens, TheAuditionHintsHooksHideAndShowTheOtherButtons) {
    GetFunctionTable().CallHook("HideNonAuditionButtons");
    DesktopFrame();
    for (int i = 0; i < GUI_ControlPanel::kButtons; ++i) {
        const GUI_CPButton& button = *desktop.ControlPanel()->Button(i);
        const bool stays = button.activity == ACTIVITY_AUDITIONS || button.activity == ACTIVITY_QUIT;
        EXPECT_EQ(button.visible, stays) << button.tooltipKey;
    }
    GetFunctionTable().CallHook("UnhideNonAuditionButtons");
    DesktopFrame();
    for (int i = 0; i < GUI_ControlPanel::kButtons; ++i) EXPECT_TRUE(desktop.ControlPanel()->Button(i)->visible);
    EXPECT_FALSE(Button(ACTIVITY_REHEARSAL).enabled);  // the rules apply again
}

TEST_F(Screens, ADayThatEndsUnderTheOptionsScreenIsShownOnIt) {
    GetSIM().NewDay();  // opens the screen with the day's offers
    GUI_DailyOptions* screen = GUI_DailyOptions::Current();
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(screen->modal);
    const std::string firstDate = screen->DateLine();
    Step();
    // Another day ends while it is open: the old cards' options are gone, the screen shows
    // the new day's instead of drawing freed ones.
    GetSIM().NewDay();
    EXPECT_EQ(GUI_DailyOptions::Current(), screen);
    EXPECT_NE(screen->DateLine(), firstDate);
    DesktopFrame();
    // Remarks change under it too (members add theirs, a rehearsal clears them): its strips
    // keep what they show, so drawing them after the list moved reads nothing freed (the
    // sanitizer build would stop here).
    const SIM_Musician& member = CreateMusician();
    GetDailyOptions().AddMessage(&member, "Not again");
    GUI_DailyOptions::Show();
    for (int i = 0; i < 40; ++i) GetDailyOptions().AddMessage(&member, "And again");
    DesktopFrame();
    GetDailyOptions().ClearMessages();
    DesktopFrame();
    EXPECT_EQ(GUI_DailyOptions::Current(), screen);
    // Its first showing came with a word of advice, over it.
    ASSERT_NE(OpenHintWindow(), nullptr);
    OpenHintWindow()->Close();
    // Carrying on fades out, closes it, and shows the hints the day queued.
    shell.FinishFade();
    GRect carryOn;
    for (const auto& element : screen->Elements())
        if (auto* button = dynamic_cast<GUI_ButtonText*>(element.get()); button && button->Label() == Translate("DAILYOPTIONS_CONTINUE"))
            carryOn = button->Area();
    Click((carryOn.left + carryOn.right) / 2, (carryOn.top + carryOn.bottom) / 2);
    EXPECT_FALSE(WindowList().HasModal());
    shell.FinishFade();
    EXPECT_EQ(GUI_DailyOptions::Current(), nullptr);
    EXPECT_TRUE(QueuedHints().empty());
}

TEST_F(Screens, NewsScreensActOnceAndTheNextDayWaitsUntilTheNewsIsRead) {
    // A called-off gig: reading its screen ends the day, once, however often it is dismissed.
    const int turn = GetSIM().turncount;
    GameScreens().OpenCancelledGig(nullptr);
    auto* calledOff = dynamic_cast<GUI_FMVScreen*>(WindowList().ModalWindows().back());
    ASSERT_NE(calledOff, nullptr);
    EXPECT_EQ(calledOff->Content().title, Translate("CANCELLED_GIG_TITLE"));
    calledOff->MoveOn();
    calledOff->MoveOn();
    EXPECT_EQ(GetSIM().turncount, turn + 1);
    ASSERT_NE(GUI_DailyOptions::Current(), nullptr);
    GUI_DailyOptions::Current()->Close();

    // A rival band's evening: the ticket is paid once, the lesson shown, and the day goes on.
    SIM_OtherBand& band = *RivalBands().front();
    ASSERT_NE(band.element, nullptr);
    SIM_OtherGig& gig = ScheduleRivalGig(band);
    GetFinances().cash = band.ticketCost + 100.0f;
    GameScreens().OpenRivalGig(&gig);
    auto* evening = dynamic_cast<GUI_FMVScreen*>(WindowList().ModalWindows().back());
    ASSERT_NE(evening, nullptr);
    EXPECT_EQ(evening->Content().title, band.displayName);
    ASSERT_FALSE(evening->Content().highlights.empty());
    EXPECT_NE(evening->Content().highlights[0].find(band.element->label), std::string::npos);
    GameScreens().OpenRivalGig(&gig);  // seen already: no second ticket, nothing more learnt
    EXPECT_FLOAT_EQ(GetFinances().cash, 100.0f);
    EXPECT_TRUE(dynamic_cast<GUI_FMVScreen*>(WindowList().ModalWindows().back())->Content().highlights.empty());
    const std::vector<GUI_WindowBase*> open = WindowList().ModalWindows();
    for (GUI_WindowBase* shown : open)
        if (auto* screen = dynamic_cast<GUI_FMVScreen*>(shown)) screen->MoveOn();
    EXPECT_EQ(GetSIM().turncount, turn + 1);

    // A scout's verdict after a gig stays over the desktop until read; the next day's options
    // come after it, not over it.
    GameScreens().ShowNews("No offer this time.");
    GetSIM().UseAct();
    EXPECT_EQ(GUI_DailyOptions::Current(), nullptr);
    auto* news = dynamic_cast<GUI_FMVScreen*>(WindowList().ModalWindows().back());
    ASSERT_NE(news, nullptr);
    news->MoveOn();
    EXPECT_NE(GUI_DailyOptions::Current(), nullptr);

    // A message the simulation gives a picture (staff who walk out unpaid) shows it.
    GameScreens().ShowMessage("Unpaid", "The roadie has gone.", "asset_roadie.png");
    auto* pictured = dynamic_cast<GUI_FMVScreen*>(WindowList().ModalWindows().back());
    ASSERT_NE(pictured, nullptr);
    EXPECT_EQ(pictured->Content().picture, "asset_roadie.png");
    EXPECT_EQ(pictured->Content().text, "The roadie has gone.");
}

// A sponsor's offer is answered once, and closes only once it is answered.
TEST_F(Screens, ASponsorsOfferIsAnsweredOnceBeforeItCloses) {
    ASSERT_FALSE(AvailableEndorsements().empty());
    SIM_Endorsement& offer = *AvailableEndorsements().front();
    const float cash = GetFinances().cash;
    GameScreens().OpenEndorsementOffer(offer);
    auto* offerWindow = dynamic_cast<GUI_Endorsement*>(WindowList().ModalWindows().back());
    ASSERT_NE(offerWindow, nullptr);
    auto button = [&](const std::string& label) {
        for (const auto& element : offerWindow->Elements())
            if (auto* b = dynamic_cast<GUI_ButtonText*>(element.get()); b && b->Label() == label) return b;
        throw std::runtime_error("no button " + label);
    };
    const SIM_EndorsementOfferModel& model = offerWindow->Model();
    GUI_ButtonText* accept = button(model.acceptLabel);
    GUI_ButtonText* finish = button(model.finishLabel);
    EXPECT_FALSE(finish->enabled);
    auto press = [&](GUI_ButtonText* b) {
        const GRect r = b->Area();
        Click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    };
    press(finish);
    EXPECT_EQ(WindowList().Find<GUI_Endorsement>(), offerWindow);
    press(accept);
    press(accept);
    EXPECT_FLOAT_EQ(GetFinances().cash, cash + offer.payment);
    EXPECT_FALSE(button(model.rejectLabel)->enabled);
    EXPECT_FALSE(GetBand().SponsoredName.empty());
    press(finish);
    EXPECT_EQ(WindowList().Find<GUI_Endorsement>(), nullptr);
}

// Every control-panel button and every kind of option card leads to a screen of its own, never
// to a plain message standing in for one (the option kinds reach these openers, see the daily
// options' own test).
TEST_F(Screens, EveryButtonAndCardKindOpensAScreenOfItsOwn) {
    while (MissingInstrument() >= 0) ASSERT_TRUE(AuditionHeadless(MissingInstrument(), true));
    while (!IsAlbumReady()) CreateSong(0.5f);
    GetFinances().cash = 100000.0f;
    DesktopFrame();
    const std::vector<GUI_WindowBase*> desktopWindows = WindowList().Windows();
    // What the action opened, hints aside, put away again afterwards.
    auto opened = [&](const std::string& what, const std::function<void()>& act) {
        act();
        shell.FinishFade();
        FlushDeferredDeletes();
        std::vector<std::string> shown;
        bool placeholder = false;
        for (GUI_WindowBase* shownWindow : WindowList().Windows()) {
            if (std::find(desktopWindows.begin(), desktopWindows.end(), shownWindow) != desktopWindows.end() ||
                dynamic_cast<GUI_HintHelp*>(shownWindow))
                continue;
            shown.push_back(shownWindow->name);
            placeholder = placeholder || dynamic_cast<GUI_MessageBox*>(shownWindow) != nullptr;
        }
        EXPECT_FALSE(shown.empty()) << what << " opened nothing";
        EXPECT_FALSE(placeholder) << what << " opened a plain message";
        WindowList().CloseAll();
        CloseAlbumScreens();
        FlushDeferredDeletes();
        desktop.Reset();
        DesktopFrame();
        return shown;
    };
    for (int i = 0; i < GUI_ControlPanel::kButtons; ++i) {
        const GUI_CPButton& button = *desktop.ControlPanel()->Button(i);
        if (button.activity == ACTIVITY_QUIT || button.activity == ACTIVITY_TODAY) continue;  // a question; the cards below
        EXPECT_TRUE(button.enabled) << button.tooltipKey;
        opened(button.tooltipKey, [&] { desktop.StartActivity(button.activity); });
    }

    SIM_OtherGig& rival = ScheduleRivalGig(*RivalBands().front());
    opened("a rival band's gig", [&] { GameScreens().OpenRivalGig(&rival); });
    opened("a day off", [&] { GameScreens().OpenRelaxationChooser(nullptr); });
    if (PublicityTypes().empty()) LoadPublicityTypes();
    ASSERT_FALSE(PublicityTypes().empty());
    SIM_PublicityEvent event(*PublicityTypes().front());
    PerformPublicity(event);
    opened("a publicity event", [&] { GameScreens().OpenPublicity(&event); });
    opened("a called-off gig", [&] { GameScreens().OpenCancelledGig(nullptr); });
    SIM_Gig gig;
    gig.venue = Venues().front().get();
    opened("a booked gig", [&] {
        GetDailyOptions().AcceptDailyOption(GetDailyOptions().AddDailyOption(&gig, OPTION_BOOKED_GIG, "Gig", "", "", true));
    });
}

// A record company's offer after a gig stands over the evening until it is answered, once; the
// next morning waits for it. A released album's icon shows its figures.
TEST_F(Screens, ARecordOfferIsAnsweredOnceAndAnAlbumsIconShowsItsFigures) {
    SIM_RecordCompany& company = GetRecordCompany();
    company.hasDeal = false;  // the company outlives a game
    auto offerWindow = [&] {
        NegotiateTerms(company);
        OpenRecordCompanyOffer();
        auto* shown = WindowList().Find<GUI_RecordCompanyOffer>();
        EXPECT_NE(shown, nullptr);
        EXPECT_TRUE(shown && shown->modal);
        return shown;
    };
    // Walking away: no deal, and a later scout may come again.
    GUI_RecordCompanyOffer* offer = offerWindow();
    ASSERT_NE(offer, nullptr);
    GetSIM().UseAct();  // the gig's day ends under the offer
    EXPECT_EQ(GUI_DailyOptions::Current(), nullptr);
    offer->Answer(false);
    offer->Answer(true);  // a second click in the same frame
    FlushDeferredDeletes();
    EXPECT_FALSE(company.hasDeal);
    EXPECT_EQ(WindowList().Find<GUI_RecordCompanyOffer>(), nullptr);
    ASSERT_NE(GUI_DailyOptions::Current(), nullptr);
    GUI_DailyOptions::Current()->Close();
    FlushDeferredDeletes();
    // Signing: the deal, and its promotion as lasting hype, once.
    offer = offerWindow();
    ASSERT_NE(offer, nullptr);
    const float hype = GetBand().GetBandValue("band_hype");
    offer->Answer(true);
    offer->Answer(true);
    EXPECT_TRUE(company.hasDeal);
    EXPECT_NEAR(GetBand().GetBandValue("band_hype"), hype + company.marketing, 1e-4f);
    FlushDeferredDeletes();
    EXPECT_EQ(WindowList().Find<GUI_RecordCompanyOffer>(), nullptr);
    company.hasDeal = false;

    SIM_Album& album = CreateAlbum();
    album.title = "Maps Drawn in Biro";
    album.mode = ALBUM_RELEASED;
    album.copiesSold = 1234;
    while (GUI_HintHelp* hint = OpenHintWindow()) hint->Close();  // words of advice the day brought
    FlushDeferredDeletes();
    DesktopFrame();
    GUI_DesktopItem* icon = nullptr;
    for (const auto& item : desktop.Items().Items())
        if (item->Shows(&album)) icon = item.get();
    ASSERT_NE(icon, nullptr);
    icon->Open();
    auto* details = WindowList().Find<GUI_AlbumDetails>();
    ASSERT_NE(details, nullptr);
    EXPECT_EQ(&details->Album(), &album);
    const std::vector<SIM_AlbumDetailLine> lines = AlbumDetailLines(album);
    EXPECT_EQ(lines[2].value, "1,234");
    icon->Open();  // opened again: still one window
    FlushDeferredDeletes();
    int open = 0;
    for (GUI_WindowBase* shownWindow : WindowList().Windows()) open += dynamic_cast<GUI_AlbumDetails*>(shownWindow) != nullptr;
    EXPECT_EQ(open, 1);
}

TEST(StatusRules, LightsFiguresAndSaveNames) {
    // Past its warning limit a value is red whichever way it is good; else halfway to good is green.
    EXPECT_EQ(IndicatorLight(0.05f, true, SIM_Attribute::kBelow, 0.1f), GUI_Light::Red);
    EXPECT_EQ(IndicatorLight(0.8f, false, SIM_Attribute::kAbove, 0.7f), GUI_Light::Red);
    EXPECT_EQ(IndicatorLight(0.5f, true, SIM_Attribute::kNeither, 0.0f), GUI_Light::Green);
    EXPECT_EQ(IndicatorLight(0.6f, false, SIM_Attribute::kAbove, 0.7f), GUI_Light::Yellow);
    EXPECT_EQ(CashFigure(1234.9f), "$1,234");
    EXPECT_EQ(CashFigure(99.5f), "$99.50");
    EXPECT_EQ(CashFigure(-250.0f), "-$250.00");
    EXPECT_EQ(SlotCashLine(-1500.0f), Translate("LOADCONFIG_CASH") + " -$1,500");
    EXPECT_EQ(SlotCashLine(20.0f), Translate("LOADCONFIG_CASH") + " $20");
    // Names the save writer would refuse are refused as they are typed, each with its reason.
    EXPECT_EQ(GUI_MenuSave::NameRefusal(""), "");
    EXPECT_EQ(GUI_MenuSave::NameRefusal("first"), "");
    EXPECT_EQ(GUI_MenuSave::NameRefusal("a/b"), Translate("SAVEGAME_BADNAME_TEXT"));
    EXPECT_EQ(GUI_MenuSave::NameRefusal(std::string(32, 'x')), Translate("SAVEGAME_BADNAME_TEXT"));
    EXPECT_NE(GUI_MenuSave::NameRefusal("AutoSave").find("AutoSave"), std::string::npos);
}
