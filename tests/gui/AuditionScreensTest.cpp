// The audition screens over a headless career on the shipped data: every click runs its step
// once, however fast it comes, and an audition ended any way leaves no candidate behind.
#include "GUI_Auditions.h"
#include "GUI_Activities.h"
#include "GUI_Dialog.h"
#include "GUI_GUI.h"
#include "GUI_HintHelp.h"
#include "GUI_MessageBox.h"
#include "GUI_Screens.h"
#include "GameScreensFixture.h"
#include "HeadlessPlayer.h"
#include "LibErrors.h"
#include "SIM_Auditions.h"
#include "SIM_Band.h"
#include "SIM_Finances.h"
#include "SIM_Hints.h"
#include "SIM_Person.h"
#include "SIM_SIM.h"

namespace {

class AuditionScreens : public GameScreensFixture {
protected:
    std::vector<std::string> hints;

    void SetUp() override {
        GameScreensFixture::SetUp();
        GetFinances().cash = 1000.0f;
    }
    // A frame of the desktop; the hints the screens bring are read and closed first.
    void Frame() {
        while (GUI_HintHelp* hint = OpenHintWindow()) {
            hints.push_back(hint->Hint().key);
            hint->Close();
        }
        shell.input.Update();
        desktop.Update();
        desktop.Draw();
        FlushDeferredDeletes();
    }
    // The auditions window, opened as the control panel opens it.
    GUI_Auditions& OpenWindow() {
        OpenAuditions();
        Frame();
        auto* auditions = WindowList().Find<GUI_Auditions>();
        if (!auditions) throw std::runtime_error("no auditions window");
        return *auditions;
    }
    GUI_IconButton* InstrumentButton(GUI_Auditions& auditions, int instrument) {
        int seen = 0;
        for (const auto& element : auditions.Elements())
            if (auto* button = dynamic_cast<GUI_IconButton*>(element.get());
                button && !dynamic_cast<GUI_CloseButton*>(button) && seen++ == instrument)
                return button;
        return nullptr;
    }
    GUI_AuditionPicker& Audition(int instrument) {
        GUI_Auditions& auditions = OpenWindow();
        GUI_IconButton* button = InstrumentButton(auditions, instrument);
        if (!button) throw std::runtime_error("no instrument button");
        button->Press();
        Frame();
        if (!GUI_AuditionPicker::Current()) throw std::runtime_error("no picker");
        return *GUI_AuditionPicker::Current();
    }
};

TEST_F(AuditionScreens, EveryButtonRunsItsStepOnceHoweverFastItIsClicked) {
    const float fee = SIM_AuditionPicker::Fee();
    GUI_Auditions& auditions = OpenWindow();
    ASSERT_TRUE(auditions.Affordable());
    GUI_IconButton* drums = InstrumentButton(auditions, INSTRUMENT_DRUMS);
    ASSERT_NE(drums, nullptr);
    // Two clicks before the window is gone: one audition, one fee.
    drums->Press();
    drums->Press();
    Frame();
    EXPECT_FLOAT_EQ(GetFinances().cash, 1000.0f - fee);
    EXPECT_EQ(WindowList().Find<GUI_Auditions>(), nullptr);
    ASSERT_EQ(WindowList().ExclusiveWindows().size(), 1u);
    GUI_AuditionPicker* picker = GUI_AuditionPicker::Current();
    ASSERT_NE(picker, nullptr);
    ASSERT_EQ(picker->Cards().size(), 3u);
    EXPECT_EQ(AllMusicians().size(), 3u);
    EXPECT_EQ(hints, (std::vector<std::string>{"audition", "audition picker"}));

    // A rejected card sighs once and can be neither rejected again nor hired.
    GUI_Auditionee& third = *picker->Cards()[2];
    const int sighs = Played("male_sigh.ogg");
    third.RejectButton()->Press();
    third.RejectButton()->Press();
    Frame();
    EXPECT_EQ(Played("male_sigh.ogg"), sighs + 1);
    EXPECT_FALSE(third.RejectButton()->enabled);
    EXPECT_FALSE(third.HireButton()->enabled);
    EXPECT_EQ(GUI_AuditionPicker::Current(), picker);

    // A double click on Hire hires one musician; the others go home with the picker.
    GUI_ButtonText* hire = picker->Cards()[0]->HireButton();
    SIM_Musician* chosen = GetAuditionPicker().cards[0].musician;
    hire->Press();
    hire->Press();
    EXPECT_EQ(GetBand().members, std::vector<SIM_Musician*>{chosen});
    EXPECT_EQ(AllMusicians().size(), 1u);
    Frame();
    EXPECT_EQ(GUI_AuditionPicker::Current(), nullptr);
    EXPECT_TRUE(WindowList().ExclusiveWindows().empty());
    EXPECT_FLOAT_EQ(GetFinances().cash, 1000.0f - fee);
    // The desktop shows the new member.
    Frame();
    EXPECT_EQ(desktop.Items().Items().size(), 1u);
}

TEST_F(AuditionScreens, AnAuditionEndedAnyWayLeavesNoCandidateAndABrokeBandIsToldWhy) {
    // Sending the last candidate home ends the audition.
    for (GUI_Auditionee* card : Audition(INSTRUMENT_KEYBOARD).Cards()) card->RejectButton()->Press();
    Frame();
    EXPECT_EQ(GUI_AuditionPicker::Current(), nullptr);
    EXPECT_TRUE(AllMusicians().empty());
    // So does the auditions button, pressed while one is on; one fresh window is left.
    Audition(INSTRUMENT_GUITAR);
    OpenAuditions();
    Frame();
    OpenAuditions();
    Frame();
    EXPECT_EQ(GUI_AuditionPicker::Current(), nullptr);
    EXPECT_FALSE(GetAuditionPicker().IsOpen());
    EXPECT_TRUE(AllMusicians().empty());
    int windows = 0;
    for (GUI_WindowBase* open : WindowList().Windows()) windows += dynamic_cast<GUI_Auditions*>(open) != nullptr;
    EXPECT_EQ(windows, 1);

    GetFinances().cash = SIM_AuditionPicker::Fee() - 1.0f;
    GUI_Auditions& poor = OpenWindow();
    EXPECT_FALSE(poor.Affordable());
    EXPECT_EQ(InstrumentButton(poor, 0), nullptr);
}

}  // namespace
