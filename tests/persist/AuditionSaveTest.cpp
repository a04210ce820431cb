// A game saved while candidates wait in an open audition: the save is the game without them,
// and loading it brings back no stray musicians.
#include "HeadlessCareerTest.h"
#include "SIM_Auditions.h"
#include "SIM_Band.h"
#include "SIM_Finances.h"
#include "SIM_LoadGame.h"
#include "SIM_Person.h"
#include "SIM_Rehearsal.h"
#include "SIM_Song.h"

#include <algorithm>

namespace {

std::vector<int> Slids(const std::vector<SIM_Musician*>& people) {
    std::vector<int> slids;
    for (const SIM_Musician* m : people) slids.push_back(m->GetSLID());
    return slids;
}

class AuditionSave : public HeadlessCareerTest {
protected:
    void SetUp() override {
        StartCareer(7);
        Play(120);  // members with songs, readiness and things of their own
        ASSERT_GE(GetBand().members.size(), 2u);
    }
};

TEST_F(AuditionSave, CandidatesWaitingInTheAuditionAreNotSaved) {
    const std::vector<int> people = Slids(AllMusicians());
    const std::vector<int> members = Slids(GetBand().members);
    GetFinances().cash += 1000.0f;
    SIM_AuditionPicker& picker = GetAuditionPicker();
    ASSERT_TRUE(picker.Open(INSTRUMENT_GUITAR));
    ASSERT_EQ(picker.cards.size(), 3u);
    // A song written while they wait gives them readiness records as well.
    CreateSong(0.5f);
    for (const auto& card : picker.cards) {
        EXPECT_TRUE(IsWaitingCandidate(card.musician));
        EXPECT_NE(std::find_if(AllRehearsalData().begin(), AllRehearsalData().end(),
                               [&](const SIM_RehearsalData* r) { return r->owner == card.musician; }),
                  AllRehearsalData().end());
    }

    const std::string saved = SaveGameText();
    // Saving changes nothing in the game in play: the audition goes on.
    ASSERT_TRUE(picker.IsOpen());
    EXPECT_EQ(picker.cards.size(), 3u);
    EXPECT_EQ(AllMusicians().size(), people.size() + 3);

    // The file is the game as it is once the candidates have gone home.
    picker.Close();
    EXPECT_TRUE(SaveGameText() == saved);

    // Loaded, it has the same people as before the audition and the same band.
    std::string error;
    ASSERT_TRUE(LoadGame(dir.Write("audition.xml", saved), &error)) << error;
    EXPECT_EQ(Slids(AllMusicians()), people);
    EXPECT_EQ(Slids(GetBand().members), members);
    EXPECT_TRUE(SaveGameText() == saved);
    EXPECT_EQ(errors.assertions, 0);
}

TEST_F(AuditionSave, FormerMembersAndTheHiredAreKept) {
    // Only the candidates still waiting are left out: a member who resigned (no longer active),
    // one who was fired (still active, out of the band) and one just hired all stay.
    const int resigned = GetBand().members.front()->GetSLID();
    GetBand().members.front()->Resign();
    GetBand().members.front()->Fire();
    GetFinances().cash += 1000.0f;
    SIM_AuditionPicker& picker = GetAuditionPicker();
    ASSERT_TRUE(picker.Open(INSTRUMENT_DRUMS));
    SIM_Musician* hired = picker.Hire(1);
    ASSERT_NE(hired, nullptr);
    EXPECT_FALSE(IsWaitingCandidate(hired));
    const int hiredSlid = hired->GetSLID();
    const std::vector<int> people = Slids(AllMusicians());
    const std::vector<int> members = Slids(GetBand().members);

    const std::string saved = SaveGameText();
    std::string error;
    ASSERT_TRUE(LoadGame(dir.Write("kept.xml", saved), &error)) << error;
    EXPECT_EQ(Slids(AllMusicians()), people);
    EXPECT_EQ(Slids(GetBand().members), members);
    const auto* former = dynamic_cast<const SIM_Musician*>(FindBySLID(resigned));
    ASSERT_NE(former, nullptr);
    EXPECT_FALSE(former->active);
    EXPECT_TRUE(GetBand().IsMember(dynamic_cast<const SIM_Musician*>(FindBySLID(hiredSlid))));
    EXPECT_EQ(errors.assertions, 0);
}

}  // namespace
