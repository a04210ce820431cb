#include "SIM_Screens.h"

#include "SIM_Attribute.h"
#include "SIM_HintHelp.h"
#include "SIM_Person.h"

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
void SIM_HeadlessScreens::ShowMessage(const std::string& title, const std::string&) {
    events.push_back("message " + title);
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
