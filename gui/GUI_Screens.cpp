#include "GUI_Screens.h"

#include "GHashTable.h"
#include "GUI_Activities.h"
#include "GUI_DailyOptions.h"
#include "GUI_EndGame.h"
#include "GUI_GameMode.h"
#include "GUI_HintHelp.h"
#include "GUI_MessageBox.h"
#include "GUI_Musician.h"
#include "GUI_Shell.h"
#include "GUI_Sounds.h"
#include "GUI_YearlyReview.h"
#include "SIM_GigScreen.h"
#include "SIM_Hints.h"
#include "SIM_Performance.h"

GUI_Screens& GameScreens() {
    static GUI_Screens screens;
    return screens;
}

void GUI_Screens::OpenEndGame() { GUI_EndGame::Open(); }
bool GUI_Screens::IsEndGameShowing() const { return GUI_EndGame::Current() != nullptr; }
void GUI_Screens::OpenYearlyReview() { GUI_YearlyReview::Open(); }
void GUI_Screens::OpenStageAnnouncement(int stage) { GUI_GameMode::Open(stage); }
void GUI_Screens::ShowDailyOptions() { GUI_DailyOptions::Show(); }
void GUI_Screens::OpenRivalGig(SIM_OptionSubject*) { ShowNotYetBuilt("SCREEN_RIVALGIG"); }

void GUI_Screens::OpenGig(SIM_OptionSubject*) {
    // The gig has been played; finishing it is what ends the day.
    ShowNotYetBuilt("SCREEN_GIG", [] {
        if (const SIM_Performance* performance = LatestPerformance()) SIM_GigScreen(*performance).Close();
    });
}

void GUI_Screens::OpenCancelledGig(SIM_OptionSubject*) {
    ShowNotYetBuilt("SCREEN_GIG_CANCELLED", [] { SIM_CancelledGigScreen(LatestPerformance()).Close(); });
}

void GUI_Screens::OpenPublicity(SIM_OptionSubject*) { ShowNotYetBuilt("SCREEN_PUBLICITY"); }
void GUI_Screens::OpenRelaxationChooser(SIM_OptionSubject*) { ShowNotYetBuilt("SCREEN_RELAX"); }
void GUI_Screens::OpenPractice() { ::OpenPractice(); }
void GUI_Screens::OpenShopping() { ShowNotYetBuilt("SCREEN_SHOP"); }
void GUI_Screens::ShowMessage(const std::string& title, const std::string& text) { GUI_MessageBox::Show(title, text); }
void GUI_Screens::OpenAttributeDetail(const SIM_Attribute& attribute) { OpenAttributeDetailWindow(attribute); }
void GUI_Screens::ShowFloatingChange(const SIM_Indicator& bar, float change) {
    // The bars that register as indicators are the game's own value bars.
    if (const auto* shown = dynamic_cast<const GUI_AttributeBar*>(&bar)) const_cast<GUI_AttributeBar*>(shown)->ShowChange(change);
}

void GUI_Screens::ShowLoadingProgress(float fraction) { Shell().ShowLoadingProgress(fraction); }
void GUI_Screens::PlaySound(const std::string& path) { PlaySoundIfPresent(path); }
void GUI_Screens::TriggerHint(const std::string& name) { ::TriggerHint(name); }
void GUI_Screens::OpenHintHelp(const SIM_HintHelpModel& hint) { GUI_HintHelp::Open(hint); }
void GUI_Screens::OpenResignation(const SIM_Musician& member) { OpenResignationWindow(member); }
void GUI_Screens::OpenNewAlbum(SIM_NewAlbumModel&) { ShowNotYetBuilt("SCREEN_STUDIO"); }
void GUI_Screens::OpenMixingDesk(SIM_MixingDesk&) { ShowNotYetBuilt("SCREEN_STUDIO"); }
void GUI_Screens::OpenRecordCompanyOffer(SIM_RecordOfferModel&) { ShowNotYetBuilt("SCREEN_RECORDOFFER"); }
void GUI_Screens::ShowNews(const std::string& text) { GUI_MessageBox::Show(Translate("NEWS_TITLE"), text); }
void GUI_Screens::OpenRelaxResults(const SIM_RelaxVenue&) { ShowNotYetBuilt("SCREEN_RELAX"); }
void GUI_Screens::OpenEndorsementOffer(SIM_Endorsement&) { ShowNotYetBuilt("SCREEN_ENDORSEMENT"); }
