#pragma once
// A clean simulation for every test: fresh singletons, a recording screen interface, the
// throwing error handler and small fixture data files.
#include "GHashTable.h"
#include "LibConfigSection.h"
#include "LibErrors.h"
#include "SIM_SIM.h"
#include "SIM_Screens.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

class SIM_Attribute;

// Lists every request the simulation makes of the screens, in order.
class RecordingScreens : public SIM_Screens {
public:
    void OpenEndGame() override {
        endGameShowing = true;
        Note("end game");
    }
    void OpenYearlyReview() override { Note("yearly review"); }
    void OpenStageAnnouncement(int stage) override { Note("stage " + std::to_string(stage)); }
    bool IsEndGameShowing() const override { return endGameShowing; }
    void ShowDailyOptions() override { Note("daily options"); }
    void OpenRivalGig(SIM_OptionSubject*) override { Note("rival gig"); }
    void OpenGig(SIM_OptionSubject*) override { Note("gig"); }
    void OpenCancelledGig(SIM_OptionSubject*) override { Note("cancelled gig"); }
    void OpenPublicity(SIM_OptionSubject*) override { Note("publicity"); }
    void OpenRelaxationChooser(SIM_OptionSubject*) override { Note("relaxation"); }
    void OpenPractice() override { Note("practice"); }
    void OpenShopping() override { Note("shopping"); }
    void ShowMessage(const std::string& title, const std::string&, const std::string& picture = {}) override {
        Note("message " + title + (picture.empty() ? "" : " with " + picture));
    }
    void OpenAttributeDetail(const SIM_Attribute&) override { Note("attribute detail"); }
    void RefreshCalendar() override { Note("refresh calendar"); }
    void RefreshDate() override { Note("refresh date"); }
    void ShowFloatingChange(const SIM_Indicator& bar, float change) override {
        floating.push_back(FloatingChange{&bar, change});
    }
    void ShowLoadingProgress(float fraction) override { progress.push_back(fraction); }
    void PlaySound(const std::string& path) override { Note("sound " + path); }
    void TriggerHint(const std::string& name) override { Note("hint " + name); }
    // Albums and record deals.
    void OpenNewAlbum(SIM_NewAlbumModel&) override { Note("new album"); }
    void OpenMixingDesk(SIM_MixingDesk&) override { Note("mixing desk"); }
    void OpenRecordCompanyOffer(SIM_RecordOfferModel&) override { Note("record company offer"); }
    void ShowNews(const std::string& text) override { Note("news " + text); }
    void OpenResignation(const SIM_Musician&) override { Note("resignation"); }

    void Note(const std::string& call) {
        calls.push_back(call);
        if (onCall) onCall(call);
    }
    // Only the calls that are not display refreshes.
    std::vector<std::string> Screens() const {
        std::vector<std::string> out;
        for (const std::string& c : calls)
            if (c.rfind("refresh", 0) != 0) out.push_back(c);
        return out;
    }

    struct FloatingChange {
        const SIM_Indicator* bar;
        float change;
    };
    bool endGameShowing = false;
    std::vector<std::string> calls;
    std::function<void(const std::string&)> onCall;  // sees each call as it is made
    std::vector<FloatingChange> floating;
    std::vector<float> progress;
};

class SimTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = SetErrorHandler(&errors);
        ResetAllSimulation();
        SetScreens(&screens);
        SetTuning("GAME_DURATION_YEARS=10\nRS_STARTINGCASH=1000\nGV_UNEMPLOYMENT_BENEFIT=10\n");
        SetStringsFile(dir.Write("strings.ini", "[strings]\nnv_stress=Stress\nGAMEMODE_AMATEUR=Amateur\n"
                                                "BUSINESS_DISCOUNT=Business discount <DISCOUNT>\n"
                                                "[MonthNames]\n0=Jan\n6=Jul\n7=Aug\n"));
    }
    void TearDown() override {
        ResetAllSimulation();
        SetScreens(nullptr);
        SetErrorHandler(previous_);
        ClearTranslations();
        SetStringsFile(kStringsFile);
        TuningTable().Clear();
    }
    // Replaces the tuning table with these "KEY=value" lines.
    void SetTuning(const std::string& lines) { LoadTuningTable(dir.Write("config.txt", "[config]\n" + lines)); }

    TempDir dir;
    ThrowingErrorHandler errors;
    RecordingScreens screens;

private:
    ErrorHandler* previous_ = nullptr;
};
