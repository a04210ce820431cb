#pragma once
// The simulation's way to the player in the game: the screens the simulation opens, its
// messages, sounds and hints.
#include "SIM_Screens.h"

class GUI_Screens : public SIM_Screens {
public:
    void OpenEndGame() override;
    void OpenYearlyReview() override;
    void OpenStageAnnouncement(int stage) override;
    // While the end screen is open; it opens within the call to OpenEndGame.
    bool IsEndGameShowing() const override;
    void ShowDailyOptions() override;
    void OpenRivalGig(SIM_OptionSubject* gig) override;
    void OpenGig(SIM_OptionSubject* gig) override;
    void OpenCancelledGig(SIM_OptionSubject* gig) override;
    void OpenPublicity(SIM_OptionSubject* event) override;
    void OpenRelaxationChooser(SIM_OptionSubject* offer) override;
    void OpenPractice() override;
    void OpenShopping() override;
    void ShowMessage(const std::string& title, const std::string& text, const std::string& picture = {}) override;
    void OpenAttributeDetail(const SIM_Attribute& attribute) override;
    void RefreshCalendar() override {}
    void RefreshDate() override {}
    void ShowFloatingChange(const SIM_Indicator& bar, float change) override;
    void ShowLoadingProgress(float fraction) override;
    void PlaySound(const std::string& path) override;
    void TriggerHint(const std::string& name) override;
    void OpenHintHelp(const SIM_HintHelpModel& hint) override;
    void OpenResignation(const SIM_Musician& member) override;
    void OpenNewAlbum(SIM_NewAlbumModel&) override;
    void OpenMixingDesk(SIM_MixingDesk&) override;
    void OpenRecordCompanyOffer(SIM_RecordOfferModel&) override;
    void ShowNews(const std::string& text) override;
    void OpenRelaxResults(const SIM_RelaxVenue& venue) override;
    void OpenEndorsementOffer(SIM_Endorsement& offer) override;
    void OpenEventMessage(const SIM_EventMessage& message) override;
};

// The game's screens, installed at start-up.
GUI_Screens& GameScreens();
