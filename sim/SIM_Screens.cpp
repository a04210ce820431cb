#include "SIM_Screens.h"

#include "SIM_Attribute.h"
#include "SIM_Endorsements.h"
#include "SIM_RandomEvents.h"
#include "SIM_HintHelp.h"
#include "SIM_Person.h"
#include "SIM_Relaxation.h"

namespace {
SIM_HeadlessScreens gFallback;
SIM_Screens* gScreens = nullptr;
}  // namespace

SIM_Screens& Screens() { return gScreens ? *gScreens : gFallback; }
void SetScreens(SIM_Screens* screens) { gScreens = screens; }
void ResetFallbackScreens() {
    gFallback.events.clear();
    gFallback.endGameShowing = false;
}

void SIM_HeadlessScreens::OpenEndGame() {
    endGameShowing = true;
    events.emplace_back("game end");
}
void SIM_HeadlessScreens::OpenYearlyReview() { events.emplace_back("yearly review"); }
void SIM_HeadlessScreens::OpenStageAnnouncement(int stage) { events.push_back("stage " + std::to_string(stage)); }
void SIM_HeadlessScreens::ShowDailyOptions() {}
void SIM_HeadlessScreens::OpenRivalGig(SIM_OptionSubject*) { events.emplace_back("rival gig"); }
void SIM_HeadlessScreens::OpenGig(SIM_OptionSubject*) { events.emplace_back("gig"); }
void SIM_HeadlessScreens::OpenCancelledGig(SIM_OptionSubject*) { events.emplace_back("gig cancelled"); }
void SIM_HeadlessScreens::OpenPublicity(SIM_OptionSubject*) { events.emplace_back("publicity"); }
void SIM_HeadlessScreens::OpenRelaxationChooser(SIM_OptionSubject*) { events.emplace_back("relaxation"); }
void SIM_HeadlessScreens::OpenPractice() { events.emplace_back("practice"); }
void SIM_HeadlessScreens::OpenShopping() { events.emplace_back("shopping"); }
void SIM_HeadlessScreens::ShowMessage(const std::string& title, const std::string&, const std::string& picture) {
    events.push_back("message " + title + (picture.empty() ? "" : " with " + picture));
}
void SIM_HeadlessScreens::OpenAttributeDetail(const SIM_Attribute& attribute) {
    events.push_back("attribute " + attribute.name);
}
void SIM_HeadlessScreens::PlaySound(const std::string& path) { events.push_back("sound " + path); }
void SIM_HeadlessScreens::TriggerHint(const std::string& name) { events.push_back("hint " + name); }
void SIM_Screens::OpenHintHelp(const SIM_HintHelpModel&) {}
void SIM_HeadlessScreens::OpenHintHelp(const SIM_HintHelpModel& hint) { events.push_back("hint window " + hint.key); }

void SIM_Screens::OpenResignation(const SIM_Musician&) {}
void SIM_HeadlessScreens::OpenResignation(const SIM_Musician& member) {
    events.push_back("resignation " + member.fullname);
}

// Albums and record deals.
void SIM_HeadlessScreens::OpenNewAlbum(SIM_NewAlbumModel&) { events.emplace_back("new album"); }
void SIM_HeadlessScreens::OpenMixingDesk(SIM_MixingDesk&) { events.emplace_back("mixing desk"); }
void SIM_HeadlessScreens::OpenRecordCompanyOffer(SIM_RecordOfferModel&) { events.emplace_back("record company offer"); }
void SIM_HeadlessScreens::ShowNews(const std::string& text) { events.push_back("news " + text); }
void SIM_Screens::OpenRelaxResults(const SIM_RelaxVenue&) {}
void SIM_HeadlessScreens::OpenRelaxResults(const SIM_RelaxVenue& venue) {
    events.push_back("relax results " + venue.name);
}
void SIM_Screens::OpenEventMessage(const SIM_EventMessage& message) {
    ShowMessage(message.title, message.text, message.picture);
}
void SIM_HeadlessScreens::OpenEndorsementOffer(SIM_Endorsement& offer) {
    events.push_back("endorsement offer " + offer.name);
}
void SIM_HeadlessScreens::OpenEventMessage(const SIM_EventMessage& message) { events.push_back("event " + message.key); }
