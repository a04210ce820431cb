#pragma once
// The one way the simulation reaches the player: it opens screens, plays sounds, refreshes
// displays and triggers hints through this interface. The game's screens implement it, tests
// record the requests, and the tool runs with a headless version that only notes them.
#include <memory>
#include <string>
#include <vector>

class SIM_Attribute;
class SIM_MixingDesk;
class SIM_Endorsement;
class SIM_Musician;
class SIM_NewAlbumModel;
class SIM_OptionSubject;
class SIM_RecordOfferModel;
class SIM_RelaxVenue;
struct SIM_EventMessage;
struct SIM_HintHelpModel;

// Base of whatever shows an attribute's bar, so floating change numbers can find their place.
class SIM_Indicator {
public:
    virtual ~SIM_Indicator() = default;
};

class SIM_Screens {
public:
    virtual ~SIM_Screens() = default;

    // Long cycles of the career.
    virtual void OpenEndGame() = 0;
    virtual void OpenYearlyReview() = 0;
    virtual void OpenStageAnnouncement(int stage) = 0;
    // True while the end-game screen is open; the day cycle stops short on that day. It must
    // answer true as soon as OpenEndGame has been called: the day cycle asks within the same
    // click, before the screen is first drawn.
    virtual bool IsEndGameShowing() const = 0;

    // The day's choice and what accepting an option opens.
    virtual void ShowDailyOptions() = 0;
    virtual void OpenRivalGig(SIM_OptionSubject* gig) = 0;
    virtual void OpenGig(SIM_OptionSubject* gig) = 0;
    virtual void OpenCancelledGig(SIM_OptionSubject* gig) = 0;
    virtual void OpenPublicity(SIM_OptionSubject* event) = 0;
    virtual void OpenRelaxationChooser(SIM_OptionSubject* offer) = 0;
    // The practice screen opens a run with OpenPracticeRun (SIM_Practice.h) on the frame clock
    // and only draws it and passes on keys and buttons.
    virtual void OpenPractice() = 0;
    virtual void OpenShopping() = 0;
    // A plain message; with a picture (an asset's image) beside its words.
    virtual void ShowMessage(const std::string& title, const std::string& text, const std::string& picture = {}) = 0;
    virtual void OpenAttributeDetail(const SIM_Attribute& attribute) = 0;

    // Displays that follow the simulation.
    virtual void RefreshCalendar() = 0;
    virtual void RefreshDate() = 0;
    virtual void ShowFloatingChange(const SIM_Indicator& bar, float change) = 0;
    virtual void ShowLoadingProgress(float fraction) = 0;

    virtual void PlaySound(const std::string& path) = 0;
    virtual void TriggerHint(const std::string& name) = 0;
    // Opens the hint window; the hint has already been marked seen and its hook is run after.
    virtual void OpenHintHelp(const SIM_HintHelpModel& hint);

    // The band: its screen follows joins and departures; a resignation has its own window.
    virtual void RefreshBandScreen() {}
    virtual void OpenResignation(const SIM_Musician& member);

    // Albums and record deals: the screens draw the open models (SIM_AlbumScreens.h).
    virtual void OpenNewAlbum(SIM_NewAlbumModel&) {}
    virtual void OpenMixingDesk(SIM_MixingDesk&) {}
    virtual void OpenRecordCompanyOffer(SIM_RecordOfferModel&) {}
    // A news window with a continue button.
    virtual void ShowNews(const std::string&) {}
    virtual void RefreshAlbumIcons() {}
    // Relaxation: the results of an evening out (its chooser opens through the day's options).
    virtual void OpenRelaxResults(const SIM_RelaxVenue& venue);
    // The world around the band: a sponsor's offer waits for the player's answer; a lucky
    // event is told in a message window (by default the plain one).
    virtual void OpenEndorsementOffer(SIM_Endorsement&) {}
    virtual void OpenEventMessage(const SIM_EventMessage& message);
};

// Notes every request as one line ("yearly review", "sound data/sounds/click.ogg", ...).
// Screens count as closed at once, except the end-game screen, which stays open until the
// caller closes it (as the player would by pressing continue).
class SIM_HeadlessScreens : public SIM_Screens {
public:
    void OpenEndGame() override;
    void OpenYearlyReview() override;
    void OpenStageAnnouncement(int stage) override;
    bool IsEndGameShowing() const override { return endGameShowing; }
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
    void ShowFloatingChange(const SIM_Indicator&, float) override {}
    void ShowLoadingProgress(float) override {}
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

    // The player's "continue" on the end-game screen. Headless runs then play the next day and
    // leave the rest of the held day unrun (the game's screen finishes it instead); their
    // careers, and the balance figures taken from them, stay as they have always been.
    void CloseEndGame() { endGameShowing = false; }

    bool endGameShowing = false;
    std::vector<std::string> events;
};

// The installed interface; a headless one until the game or a test installs its own.
SIM_Screens& Screens();
// Installs an interface (not owned); nullptr goes back to the built-in headless one.
void SetScreens(SIM_Screens* screens);
// Forgets what the built-in headless interface noted (the installed one stays).
void ResetFallbackScreens();
