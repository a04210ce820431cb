// The screens that close the game's years over a headless career on the shipped data: the
// yearly review's words, chart and cards, the chart's scales, the end of the game with its meters and sound, playing on
// after it (the day it held goes on, reviews keep coming, the end never returns), taking a bow,
// and a game loaded after its end.
#include "GUI_ButtonTypes.h"
#include "GUI_CareerChart.h"
#include "GUI_DailyOptions.h"
#include "GUI_EndGame.h"
#include "GUI_YearlyReview.h"
#include "GameScreensFixture.h"
#include "GHashTable.h"
#include "HeadlessPlayer.h"
#include "SIM_Band.h"
#include "SIM_CareerReview.h"
#include "SIM_Date.h"
#include "SIM_Fame.h"
#include "SIM_Finances.h"
#include "SIM_LoadGame.h"
#include "SIM_Person.h"
#include "SIM_SaveGame.h"

#include <cmath>
#include <fstream>

TEST(EndGameRules, MetersLightsAndTheCrowdsVerdict) {
    // Beyond the full mark the meter stays full; nothing earned is an empty one.
    EXPECT_FLOAT_EQ(SIM_EndGameModel::FameMeter(300.0f), 1.0f);
    EXPECT_FLOAT_EQ(SIM_EndGameModel::FameMeter(125.0f), 0.5f);
    EXPECT_FLOAT_EQ(SIM_EndGameModel::FameMeter(-20.0f), 0.0f);
    EXPECT_FLOAT_EQ(SIM_EndGameModel::FortuneMeter(0.0f), 0.0f);
    EXPECT_FLOAT_EQ(SIM_EndGameModel::FortuneMeter(25000.75f), 0.25f);
    EXPECT_FLOAT_EQ(SIM_EndGameModel::FortuneMeter(1.0e7f), 1.0f);
    // Half full on average is enough for the cheer, however it is shared.
    EXPECT_STREQ(SIM_EndGameModel::SoundFor(0.5f, 0.5f), SIM_EndGameModel::kCheer);
    EXPECT_STREQ(SIM_EndGameModel::SoundFor(1.0f, 0.0f), SIM_EndGameModel::kCheer);
    EXPECT_STREQ(SIM_EndGameModel::SoundFor(0.6f, 0.39f), SIM_EndGameModel::kClap);
    EXPECT_STREQ(SIM_EndGameModel::SoundFor(0.0f, 0.0f), SIM_EndGameModel::kClap);
    // Lights: none for an empty meter, all for a full one; green first, red last, never back.
    EXPECT_EQ(SIM_EndGameModel::LitLights(0.0f, 16), 0);
    EXPECT_EQ(SIM_EndGameModel::LitLights(1.0f, 16), 16);
    EXPECT_EQ(SIM_EndGameModel::LitLights(0.5f, 16), 8);
    EXPECT_EQ(SIM_EndGameModel::LitLights(0.01f, 16), 0);
    EXPECT_EQ(SIM_EndGameModel::LightColour(0, 16), SIM_EndGameModel::kGreen);
    EXPECT_EQ(SIM_EndGameModel::LightColour(15, 16), SIM_EndGameModel::kRed);
    bool sawYellow = false;
    for (int i = 1; i < 16; ++i) {
        EXPECT_GE(SIM_EndGameModel::LightColour(i, 16), SIM_EndGameModel::LightColour(i - 1, 16)) << i;
        sawYellow = sawYellow || SIM_EndGameModel::LightColour(i, 16) == SIM_EndGameModel::kYellow;
    }
    EXPECT_TRUE(sawYellow);
}

// Whatever the figures, a scale holds them and 0 on one of its lines, in round steps; a quiet
// career still gets a readable one, and figures that are not numbers give a scale, not a crash.
TEST(CareerChart, ScalesHoldEveryFigureAndZeroInRoundSteps) {
    const auto expect = [](float lo, float hi, float minTop, float bottom, float step, int divisions) {
        const GUI_ChartScale s = ChartScaleFor(lo, hi, minTop, 5);
        EXPECT_FLOAT_EQ(s.bottom, bottom) << lo << ".." << hi;
        EXPECT_FLOAT_EQ(s.step, step) << lo << ".." << hi;
        EXPECT_EQ(s.divisions, divisions) << lo << ".." << hi;
    };
    expect(0.0f, 0.0f, 10.0f, 0.0f, 2.0f, 5);
    expect(0.0f, 176.17f, 10.0f, 0.0f, 50.0f, 4);
    expect(-800.0f, 12000.0f, 1000.0f, -5000.0f, 5000.0f, 4);
    expect(-1000.0f, 0.0f, 1000.0f, -1000.0f, 500.0f, 4);
    for (float lo : {0.0f, -0.3f, -250.0f, -99999.0f, -1.0e9f})
        for (float hi : {0.0f, 7.0f, 999.0f, 1000.0f, 123456.0f, 1.0e9f}) {
            const GUI_ChartScale s = ChartScaleFor(lo, hi, 1000.0f, 5);
            EXPECT_LE(s.bottom, lo);
            EXPECT_GE(s.Top(), std::max(hi, 1000.0f));
            EXPECT_TRUE(s.divisions >= 1 && s.divisions <= 5);
            const float below = -s.bottom / s.step;
            EXPECT_FLOAT_EQ(below, std::round(below)) << "0 between lines for " << lo << ".." << hi;
            const double mantissa = s.step / std::pow(10.0, std::floor(std::log10(s.step)));
            EXPECT_TRUE(std::fabs(mantissa - 1.0) < 1e-4 || std::fabs(mantissa - 2.0) < 1e-4 || std::fabs(mantissa - 5.0) < 1e-4)
                << s.step;
        }
    const GUI_ChartScale broken = ChartScaleFor(std::nanf(""), 1.0f, 10.0f, 5);
    EXPECT_TRUE(std::isfinite(broken.bottom) && broken.step > 0.0f);
}

class YearScreens : public GameScreensFixture {
protected:
    void SetUp() override {
        GameScreensFixture::SetUp();
        while (MissingInstrument() >= 0) ASSERT_TRUE(AuditionHeadless(MissingInstrument(), true));
        GetBand().Name = "The Night Buses";
    }
    // The day before that date.
    static void EveOf(const SIM_DayDate& date) {
        ASSERT_GT(date.day, 0);
        SIM_DateRecord& today = GetSIMDate().date;
        today.day = date.day - 1;
        today.month = date.month;
        today.year = date.year;
    }
    // The day ends as an activity ends it, and the screens it opened have a frame.
    void EndDay() {
        GetSIM().UseAct();
        shell.FinishFade();
        Step();
    }
    void Press(GUI_ButtonText* button) {
        ASSERT_NE(button, nullptr);
        const GRect r = button->Area();
        Click((r.left + r.right) / 2.0f, (r.top + r.bottom) / 2.0f);
        shell.FinishFade();
    }
    int ReviewsSeen(int& count) {
        if (GUI_YearlyReview* review = GUI_YearlyReview::Current()) {
            ++count;
            Press(review->ContinueButton());
        }
        return count;
    }
    bool MusicHeld() const { return mixer.musicPaused; }
};

TEST_F(YearScreens, TheReviewCountsTheYearsAndShowsTheFiguresAndEveryMember) {
    GetStatistics().gigsPlayed = 12;
    GetStatistics().moneyEarned = 12345.67f;
    GetStatistics().damageCosts = 1500.9f;
    EveOf(GetSIMDate().nextReview);
    EndDay();
    GUI_YearlyReview* review = GUI_YearlyReview::Current();
    ASSERT_NE(review, nullptr);
    const SIM_YearlyReviewModel& first = review->Model();
    EXPECT_EQ(first.title, Translate("YEAREND_TITLE"));
    EXPECT_NE(first.summary.find("The Night Buses have been going for 1 " + Translate("YEARCOUNT_YEAR") + "."),
              std::string::npos)
        << first.summary;
    ASSERT_EQ(first.lines.size(), 7u);
    EXPECT_EQ(first.lines[0].label, Translate("YEAREND_GIGS_PLAYED"));
    EXPECT_EQ(first.lines[0].value, "12");
    EXPECT_EQ(first.lines[5].value, "$1,500");
    EXPECT_EQ(first.lines[6].label, Translate("YEAREND_MONEY_EARNED"));
    EXPECT_EQ(first.lines[6].value, "$12,345");
    // A card for each member, all of them on screen, none over another; the chart above them.
    std::vector<const GUI_ReviewPortrait*> cards;
    const GUI_CareerChart* chart = nullptr;
    for (const auto& element : review->Elements()) {
        if (auto* card = dynamic_cast<const GUI_ReviewPortrait*>(element.get())) cards.push_back(card);
        if (auto* found = dynamic_cast<const GUI_CareerChart*>(element.get())) chart = found;
    }
    ASSERT_EQ(cards.size(), GetBand().members.size());
    for (std::size_t i = 0; i < cards.size(); ++i) {
        EXPECT_EQ(cards[i]->Member().name, GetBand().members[i]->fullname);
        EXPECT_FLOAT_EQ(cards[i]->Area().right - cards[i]->Area().left, GUI_ReviewPortrait::kWidth);
        if (i > 0) {
            EXPECT_GE(cards[i]->Area().left, cards[i - 1]->Area().right);
        }
    }
    ASSERT_NE(chart, nullptr);
    EXPECT_LT(chart->Area().bottom, cards.front()->Area().top);
    EXPECT_EQ(first.weeks, GetCareerHistory().weeks);
    // The crowd claps over held music; moving on starts the title music again.
    EXPECT_EQ(Played("crowd_small_clap.ogg"), 1);
    EXPECT_TRUE(MusicHeld());
    const std::size_t tracks = mixer.music.size();
    // It stands over the day's options that came with it, and takes the click.
    EXPECT_NE(GUI_DailyOptions::Current(), nullptr);
    Press(review->ContinueButton());
    EXPECT_EQ(GUI_YearlyReview::Current(), nullptr);
    EXPECT_FALSE(MusicHeld());
    ASSERT_EQ(mixer.music.size(), tracks + 1);
    EXPECT_EQ(mixer.music.back(), "data/sounds/music/titlemusic.ogg");
    // A year later the years are counted in the plural.
    EveOf(GetSIMDate().nextReview);
    EndDay();
    ASSERT_NE(GUI_YearlyReview::Current(), nullptr);
    EXPECT_NE(GUI_YearlyReview::Current()->Model().summary.find("for 2 " + Translate("YEARCOUNT_YEARS") + "."),
              std::string::npos);
}

// No week yet, a single week, and figures far beyond any career's all draw a chart.
TEST_F(YearScreens, AChartOfNoWeekOneWeekOrWildFiguresDraws) {
    const std::vector<std::vector<SIM_CareerWeek>> careers = {
        {}, {{5, 3.0f, -20.0f, kAllCareerMarks}}, {{0, 1.0e9f, -1.0e9f, 0}, {239, 0.0f, 1.0e9f, kMarkGig}}};
    for (const auto& weeks : careers) {
        GUI_CareerChart chart(weeks, GRect{64.0f, 488.0f, 960.0f, 708.0f});
        chart.Draw();
        EXPECT_GE(chart.FameScale().Top(), weeks.empty() ? 10.0f : weeks.front().fame);
        EXPECT_LE(chart.CashScale().bottom, weeks.empty() ? 0.0f : weeks.front().cash);
    }
}

TEST_F(YearScreens, PlayingOnFinishesTheDayTheEndHeldAndTheEndNeverReturns) {
    const SIM_DayDate end = GetSIMDate().gameEnd;
    // The last review before the end falls on the end's own day.
    GetSIMDate().nextReview = end;
    GetBand().YearCount = 9;
    GetFame().fame = 300.0f;
    GetStatistics().moneyEarned = 0.0f;
    EveOf(end);
    const int turn = GetSIM().turncount;
    EndDay();
    GUI_EndGame* screen = GUI_EndGame::Current();
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(GameScreens().IsEndGameShowing());
    EXPECT_TRUE(GetSIM().gameOver);
    // Full fame and nothing earned average a half: the cheer, over held music.
    EXPECT_FLOAT_EQ(screen->Model().fameMeter, 1.0f);
    EXPECT_FLOAT_EQ(screen->Model().fortuneMeter, 0.0f);
    EXPECT_EQ(Played("crowd_small_cheer.ogg"), 1);
    EXPECT_EQ(Played("crowd_small_clap.ogg"), 0);
    EXPECT_TRUE(MusicHeld());
    ASSERT_EQ(screen->Model().lines.size(), 4u);
    EXPECT_EQ(screen->Model().lines[0].value, "300.00");
    EXPECT_EQ(screen->Model().lines[1].value, "$ 0");
    // The day stands still under it: no review, no options, the turn not yet counted.
    EXPECT_EQ(GUI_YearlyReview::Current(), nullptr);
    EXPECT_EQ(GUI_DailyOptions::Current(), nullptr);
    EXPECT_EQ(GetSIM().turncount, turn);

    Press(screen->ContinueButton());
    EXPECT_EQ(GUI_EndGame::Current(), nullptr);
    EXPECT_FALSE(GameScreens().IsEndGameShowing());
    EXPECT_FALSE(MusicHeld());
    // The held day went on: its turn counted and its options up, as on any other day.
    EXPECT_EQ(GetSIM().turncount, turn + 1);
    EXPECT_TRUE(GetSIM().dayProcessed);
    EXPECT_NE(GUI_DailyOptions::Current(), nullptr);
    EXPECT_TRUE(shell.inGame);

    // The review the end displaced comes the next day, the following ones a year apart, and
    // the end screen never again.
    int reviews = 0;
    EndDay();
    EXPECT_EQ(ReviewsSeen(reviews), 1);
    EXPECT_EQ(GetBand().YearCount, 10);
    for (int year = 0; year < 2; ++year) {
        EveOf(GetSIMDate().nextReview);
        EndDay();
        EXPECT_EQ(GUI_EndGame::Current(), nullptr);
        ReviewsSeen(reviews);
    }
    EXPECT_EQ(reviews, 3);
    EXPECT_EQ(Played("crowd_small_cheer.ogg"), 1);
}

TEST_F(YearScreens, TakingABowEndsTheCareerAndGoesToTheMainMenu) {
    GetStatistics().moneyEarned = 20000.0f;  // a fifth of the fortune and little fame: applause
    EveOf(GetSIMDate().gameEnd);
    EndDay();
    GUI_EndGame* screen = GUI_EndGame::Current();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(Played("crowd_small_clap.ogg"), 1);
    EXPECT_EQ(screen->Model().lines[1].value, "$ 20,000");
    Press(screen->MainMenuButton());
    EXPECT_EQ(GUI_EndGame::Current(), nullptr);
    EXPECT_FALSE(shell.inGame);
    EXPECT_EQ(shell.switchedTo, 0);
    EXPECT_EQ(GUI_DailyOptions::Current(), nullptr);
}

TEST_F(YearScreens, AGameLoadedAfterItsEndNeverOpensTheEndScreen) {
    // Saved past the end date without the flag (an older file): loading it counts the end as seen.
    SIM_DateRecord& today = GetSIMDate().date;
    const SIM_DayDate end = GetSIMDate().gameEnd;
    today.day = end.day + 2;
    today.month = end.month;
    today.year = end.year;
    GetSIMDate().nextReview = {end.day, end.month, end.year + 1};
    GetSIM().gameOver = false;
    const std::string path = folder.path() + "/after_the_end.xml";
    std::ofstream(path) << SaveGameText();
    std::string error;
    ASSERT_TRUE(LoadGame(path, &error)) << error;
    EXPECT_TRUE(GetSIM().gameOver);
    for (int day = 0; day < 3; ++day) {
        EndDay();
        EXPECT_EQ(GUI_EndGame::Current(), nullptr) << "day " << day;
        EXPECT_FALSE(GameScreens().IsEndGameShowing());
    }
    // Its years go on being reviewed.
    int reviews = 0;
    EveOf(GetSIMDate().nextReview);
    EndDay();
    EXPECT_EQ(ReviewsSeen(reviews), 1);
    EXPECT_EQ(GUI_EndGame::Current(), nullptr);
}
