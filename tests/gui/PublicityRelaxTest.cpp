// The band's days away from the music: a publicity event's results and a day off, over a
// headless career with a full line-up. What each screen's buttons do to the day, the money, the
// band's stress and the sounds, however often the player presses them.
#include "GHashTable.h"
#include "GUI_DailyOptions.h"
#include "GUI_FMVScreen.h"
#include "GUI_Publicity.h"
#include "GUI_Relax.h"
#include "GameScreensFixture.h"
#include "HeadlessPlayer.h"
#include "InputManager.h"
#include "SIM_Attribute.h"
#include "SIM_Band.h"
#include "SIM_Finances.h"
#include "SIM_Person.h"
#include "SIM_RandomEvents.h"

#include <algorithm>

namespace {
class DaysAway : public GameScreensFixture {
protected:
    void SetUp() override {
        GameScreensFixture::SetUp();
        while (MissingInstrument() >= 0) ASSERT_TRUE(AuditionHeadless(MissingInstrument(), true));
        ASSERT_GE(GetBand().members.size(), 2u);
    }
    // Keeps the day from ending, so that what one press costs stands alone.
    void ManyActs() { GetSIM().maxActs = 100; }
    static GUI_RelaxChooser* Chooser() { return WindowList().Find<GUI_RelaxChooser>(); }
    static std::size_t CardOf(const GUI_RelaxChooser& chooser, const std::string& venue) {
        const auto& cards = chooser.Model().cards;
        for (std::size_t i = 0; i < cards.size(); ++i)
            if (cards[i].venue->name == venue) return i;
        throw std::runtime_error("no venue " + venue);
    }
    static int ReliefEffects(const SIM_Musician& member) {
        const auto& effects = member.stress.effects.Effects();
        return static_cast<int>(std::count_if(effects.begin(), effects.end(), [](const auto& e) { return e->debugname == "relax"; }));
    }
};
}  // namespace

TEST_F(DaysAway, ADayOffCancelledCostsNothingAndAPlaceTheBandCannotPayForIsGreyed) {
    const int acts = GetSIM().acts, turn = GetSIM().turncount;
    GetFinances().cash = 500.0f;
    GameScreens().OpenRelaxationChooser(nullptr);
    ASSERT_NE(Chooser(), nullptr);
    desktop.OnKeyDown(DIK_ESCAPE);
    FlushDeferredDeletes();
    EXPECT_EQ(Chooser(), nullptr);
    EXPECT_EQ(GetSIM().acts, acts);
    EXPECT_EQ(GetSIM().turncount, turn);
    EXPECT_FLOAT_EQ(GetFinances().cash, 500.0f);

    // Broke: the pub is out of reach and its button says so; staying at home costs nothing and
    // is open even in debt. Cancelling by the button leaves the day as it was.
    GetFinances().cash = -10.0f;
    GameScreens().OpenRelaxationChooser(nullptr);
    GUI_RelaxChooser* chooser = Chooser();
    ASSERT_NE(chooser, nullptr);
    const std::size_t pub = CardOf(*chooser, "pub"), home = CardOf(*chooser, "donothing");
    ASSERT_LT(pub, static_cast<std::size_t>(GUI_RelaxChooser::kCardsPerPage));  // both on the first page
    ASSERT_LT(home, static_cast<std::size_t>(GUI_RelaxChooser::kCardsPerPage));
    EXPECT_FALSE(chooser->Options()[pub]->UseButton()->enabled);
    EXPECT_EQ(chooser->Options()[pub]->UseButton()->Tooltip()->Text(), Translate("RELAXOPTION_CANNOT_AFFORD"));
    EXPECT_TRUE(chooser->Options()[home]->UseButton()->enabled);
    chooser->Use(pub);
    EXPECT_EQ(Chooser(), chooser);
    EXPECT_EQ(GetSIM().acts, acts);
    chooser->Cancel();
    chooser->Cancel();
    FlushDeferredDeletes();
    EXPECT_EQ(Chooser(), nullptr);
    EXPECT_EQ(GetSIM().acts, acts);
    EXPECT_FLOAT_EQ(GetFinances().cash, -10.0f);
}

TEST_F(DaysAway, ADayOffIsPaidOnceAndItsResultsEaseStressOnce) {
    ManyActs();
    GetFinances().cash = 500.0f;
    GameScreens().OpenRelaxationChooser(nullptr);
    GUI_RelaxChooser* chooser = Chooser();
    ASSERT_NE(chooser, nullptr);
    const std::size_t pub = CardOf(*chooser, "pub");
    const float cost = RelaxCost(*chooser->Model().cards[pub].venue);
    ASSERT_GT(cost, 0.0f);
    // Two presses before the chooser is gone: one night out, one bill, one day's act.
    chooser->Use(pub);
    chooser->Use(pub);
    FlushDeferredDeletes();
    EXPECT_EQ(Chooser(), nullptr);
    EXPECT_FLOAT_EQ(GetFinances().cash, 500.0f - cost);
    EXPECT_EQ(GetSIM().acts, 1);

    auto* results = WindowList().Find<GUI_Relax>();
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->Panels().size(), GetBand().members.size());
    const SIM_Musician& member = *GetBand().members.front();
    EXPECT_EQ(ReliefEffects(member), 0);
    results->MoveOn();
    results->MoveOn();
    results->OnKeyPress(DIK_RETURN);
    FlushDeferredDeletes();
    EXPECT_EQ(WindowList().Find<GUI_Relax>(), nullptr);
    EXPECT_EQ(ReliefEffects(member), 1);
    EXPECT_EQ(GetSIM().acts, 1);
}

TEST_F(DaysAway, TheNextMorningWaitsUntilTheDayOffsResultsAreRead) {
    const int turn = GetSIM().turncount;
    GameScreens().OpenRelaxationChooser(nullptr);
    GUI_RelaxChooser* chooser = Chooser();
    ASSERT_NE(chooser, nullptr);
    chooser->Use(CardOf(*chooser, "donothing"));
    EXPECT_EQ(GetSIM().turncount, turn + 1);
    EXPECT_EQ(GUI_DailyOptions::Current(), nullptr);
    auto* results = WindowList().Find<GUI_Relax>();
    ASSERT_NE(results, nullptr);
    results->MoveOn();
    EXPECT_NE(GUI_DailyOptions::Current(), nullptr);
    EXPECT_EQ(GetSIM().turncount, turn + 1);
}

TEST_F(DaysAway, PublicityUsesTheDayOnceAndItsSoundAndTheHeldMusicEndWithIt) {
    ManyActs();
    LoadPublicityTypes();
    const auto& types = PublicityTypes();
    const auto radio = std::find_if(types.begin(), types.end(), [](const auto& t) { return t->name == "radio interview"; });
    ASSERT_NE(radio, types.end());
    ASSERT_FALSE((*radio)->sound.empty());
    SIM_PublicityEvent event(**radio);
    PerformPublicity(event);
    Sounds().RestartTitleMusic();
    ASSERT_TRUE(mixer.musicPlaying);

    GameScreens().OpenPublicity(&event);
    auto* screen = WindowList().Find<GUI_Publicity>();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->Cards().size(), GetBand().members.size());
    // The interview is on the air: its sound plays alone.
    const int channel = screen->SoundChannel();
    ASSERT_GE(channel, 0);
    EXPECT_TRUE(mixer.musicPaused);
    EXPECT_EQ(GetSIM().acts, 0);

    // The button and Return in one frame: one day's act, the sound stopped once, the music back.
    Step();
    const GRect button = screen->ContinueButton()->Area();
    MoveTo((button.left + button.right) / 2.0f, (button.top + button.bottom) / 2.0f);
    EXPECT_TRUE(WindowList().LeftButtonDown());
    screen->OnNotify(DIK_RETURN);  // closed, it is freed only once the frame is done
    FlushDeferredDeletes();
    EXPECT_EQ(WindowList().Find<GUI_Publicity>(), nullptr);
    EXPECT_EQ(GetSIM().acts, 1);
    EXPECT_EQ(mixer.stopped, std::vector<int>{channel});
    EXPECT_FALSE(mixer.musicPaused);

    // Closed by anything else (a new game), the sound still ends, but no day is used.
    GameScreens().OpenPublicity(&event);
    const int again = WindowList().Find<GUI_Publicity>()->SoundChannel();
    WindowList().CloseAll();
    EXPECT_EQ(mixer.stopped.back(), again);
    EXPECT_FALSE(mixer.musicPaused);
    EXPECT_EQ(GetSIM().acts, 1);
}

TEST_F(DaysAway, AStrokeOfLuckIsToldAsNewsWithTheGiftPictured) {
    GameScreens().OpenEventMessage(SIM_EventMessage{"EVENT_GIVENINSTRUMENT", "Luck", "A new guitar.", "guitar.png"});
    auto* news = dynamic_cast<GUI_FMVScreen*>(WindowList().ModalWindows().back());
    ASSERT_NE(news, nullptr);
    EXPECT_EQ(news->Content().title, "Luck");
    EXPECT_EQ(news->Content().picture, "guitar.png");
    news->MoveOn();
    GameScreens().OpenEventMessage(SIM_EventMessage{"EVENT_WEALTHYRELATIVE", "Luck", "A cheque.", ""});
    news = dynamic_cast<GUI_FMVScreen*>(WindowList().ModalWindows().back());
    ASSERT_NE(news, nullptr);
    EXPECT_TRUE(news->Content().picture.empty());
    EXPECT_EQ(news->Content().text, "A cheque.");
}
