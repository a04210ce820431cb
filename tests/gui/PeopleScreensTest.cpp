// The people's windows over a headless career: a member's window shows his changes as they
// happen and lets go of his values when it closes, firing runs once, a resignation letter keeps
// what the member took and said, and a value's detail lists what acts on it.
#include "GUI_Activities.h"
#include "GUI_Dialog.h"
#include "GUI_Musician.h"
#include "GUI_Screens.h"
#include "GameScreensFixture.h"
#include "HeadlessPlayer.h"
#include "LibConfigSection.h"
#include "LibErrors.h"
#include "SIM_Attribute.h"
#include "SIM_Band.h"
#include "SIM_DailyOptions.h"
#include "SIM_Hints.h"
#include "SIM_Person.h"
#include "SIM_SIM.h"

namespace {
class PeopleScreens : public GameScreensFixture {
protected:
    PeopleScreens() { withDesktop = false; }

    void SetUp() override {
        GameScreensFixture::SetUp();
        while (MissingInstrument() >= 0) ASSERT_TRUE(AuditionHeadless(MissingInstrument(), true));
    }
    template <class T>
    static std::vector<T*> Bars(const GUI_WindowBase& window) {
        std::vector<T*> found;
        for (const auto& child : window.Children())
            for (T* bar : Bars<T>(*child)) found.push_back(bar);
        if (auto* tabs = dynamic_cast<const GUI_TabContainer*>(&window))
            for (const auto& tab : tabs->Tabs())
                for (T* bar : Bars<T>(*tab)) found.push_back(bar);
        for (const auto& element : window.Elements())
            if (auto* bar = dynamic_cast<T*>(element.get())) found.push_back(bar);
        return found;
    }
};
}  // namespace

TEST_F(PeopleScreens, AMembersWindowShowsHisChangesAndFiresHimOnce) {
    SIM_Musician& member = *GetBand().members.front();
    OpenMemberWindow(member);
    auto* page = WindowList().Find<GUI_Musician>();
    ASSERT_NE(page, nullptr);
    EXPECT_NE(member.motivation.indicator, nullptr);
    const std::size_t before = GetBand().members.size();

    // A change to his motivation floats beside its bar.
    member.AddMotivation("test", 0.1f, 1.0f);
    std::size_t floating = 0;
    for (GUI_AttributeBar* bar : Bars<GUI_AttributeBar>(*page)) floating += bar->FloatingChanges();
    EXPECT_EQ(floating, 1u);

    // The question is answered twice as fast as a player can click: he goes once.
    page->AskFire();
    GUI_ConfirmDialog* question = GUI_ConfirmDialog::Current();
    ASSERT_NE(question, nullptr);
    question->Confirm();
    question->Confirm();
    page->AskFire();
    EXPECT_EQ(GetBand().members.size(), before - 1);
    EXPECT_FALSE(GetBand().IsMember(&member));
    EXPECT_TRUE(page->Closed());
    FlushDeferredDeletes();
    // The closed page no longer shows his values.
    EXPECT_EQ(member.motivation.indicator, nullptr);
}

TEST_F(PeopleScreens, AResignationLetterKeepsWhatTheMemberTookAndSaid) {
    SIM_Musician& member = *GetBand().members.front();
    ASSERT_FALSE(member.possessions.empty());  // his starting instrument
    GetDailyOptions().AddMessage(&member, "I've had enough");
    member.Resign();
    auto* letter = WindowList().Find<GUI_Resignation>();
    ASSERT_NE(letter, nullptr);
    EXPECT_TRUE(letter->modal);
    EXPECT_EQ(letter->Belongings().size(), 1u);
    ASSERT_EQ(letter->Remarks().size(), 1u);
    EXPECT_EQ(letter->Remarks()[0], "\"I've had enough\"");
    EXPECT_TRUE(member.possessions.empty());  // gone with him all the same
    Step();
}

TEST_F(PeopleScreens, AValuesDetailListsWhatActsOnIt) {
    SIM_Attribute& inspiration = *dynamic_cast<SIM_Attribute*>(GetMilo().attributes.Find("inspiration"));
    inspiration.effects.Clear();
    inspiration.AddEffect(0.25f, 0.9f, "new musician");
    inspiration.AddEffect(0.005f, 1.0f, "imaginitive");
    const std::vector<std::string> lines = AttributeEffectLines(inspiration);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].rfind("new musician: +25% ", 0), 0u) << lines[0];
    EXPECT_NE(lines[0].find("10"), std::string::npos) << lines[0];  // fades by a tenth a day
    EXPECT_EQ(lines[1].rfind("imaginitive: +0.5% ", 0), 0u) << lines[1];
    OpenPlayerWindow();
    OpenAttributeDetailWindow(inspiration);
    Step();
    EXPECT_NE(WindowList().Find<GUI_AttributeDetail>(), nullptr);
}
