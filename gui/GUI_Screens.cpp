#include "GUI_Screens.h"

#include "GHashTable.h"
#include "GUI_Activities.h"
#include "GUI_AlbumScreens.h"
#include "GUI_CDMixer.h"
#include "GUI_DailyOptions.h"
#include "GUI_EndGame.h"
#include "GUI_Endorsement.h"
#include "GUI_FMVScreen.h"
#include "GUI_Gig.h"
#include "GUI_GameMode.h"
#include "GUI_HintHelp.h"
#include "GUI_MessageBox.h"
#include "GUI_NewAlbum.h"
#include "GUI_Musician.h"
#include "GUI_Publicity.h"
#include "GUI_Relax.h"
#include "GUI_Shell.h"
#include "GUI_Shop.h"
#include "GUI_Sounds.h"
#include "GUI_YearlyReview.h"
#include "SIM_GigScreen.h"
#include "SIM_Hints.h"
#include "LibErrors.h"
#include "SIM_Performance.h"
#include "SIM_RandomEvents.h"
#include "SIM_RivalBands.h"
#include "SIM_Venue.h"

namespace {
// The middle of a venue's wide backdrop, cut to the news picture's 4:3.
constexpr GUVRect kFourByThreeOfBackdrop{1.0f / 6.0f, 0.0f, 5.0f / 6.0f, 1.0f};
constexpr std::uint32_t kLightsDown = 0xFF606060;
constexpr float kMessagePicture = 128.0f;  // an asset's picture at its own size
}  // namespace

GUI_Screens& GameScreens() {
    static GUI_Screens screens;
    return screens;
}

void GUI_Screens::OpenEndGame() { GUI_EndGame::Open(); }
bool GUI_Screens::IsEndGameShowing() const { return GUI_EndGame::Current() != nullptr; }
void GUI_Screens::OpenYearlyReview() { GUI_YearlyReview::Open(); }
void GUI_Screens::OpenStageAnnouncement(int stage) { GUI_GameMode::Open(stage); }

void GUI_Screens::ShowDailyOptions() {
    // The evening's news (a scout's verdict after the gig) is read before the next day begins.
    // So is a record company's offer made after it.
    GUI_WindowBase* news = WindowList().Find<GUI_FMVScreen>();
    if (!news) news = WindowList().Find<GUI_RecordCompanyOffer>();
    if (news) {
        news->onClosed = [before = std::move(news->onClosed)] {
            if (before) before();
            GUI_DailyOptions::Show();
        };
        return;
    }
    if (GUI_RelaxChooser::HoldDailyOptions()) return;
    GUI_DailyOptions::Show();
}

void GUI_Screens::OpenRivalGig(SIM_OptionSubject* subject) {
    auto* gig = dynamic_cast<SIM_OtherGig*>(subject);
    if (!gig || !gig->band) {
        REPORT_ERROR("Rival gig not found");
        return;
    }
    // Opening the screen is watching the gig: the ticket is paid and the lessons learnt here.
    const SIM_RivalGigScreenModel evening(*gig);
    GUI_FMVContent content;
    content.title = evening.title;
    content.picture = evening.picture;
    content.text = evening.description + "\n\n" + evening.review;
    if (!evening.unlocked.empty()) content.highlights.push_back(evening.unlocked);
    if (!evening.inspiration.empty()) content.highlights.push_back(evening.inspiration);
    content.buttonKey = "OTHERGIG_FINISH";
    content.buttonTooltipKey = "OTHERGIG_FINISH_TOOLTIP";
    content.sound = "data/sounds/crowd_small_cheer2.ogg";
    GUI_FMVScreen::Show(content);
}

void GUI_Screens::OpenGig(SIM_OptionSubject*) {
    // The gig has been played; finishing its screen is what ends the day.
    if (const SIM_Performance* performance = LatestPerformance()) GUI_Gig::Open(*performance);
}

void GUI_Screens::OpenCancelledGig(SIM_OptionSubject*) {
    auto model = std::make_shared<SIM_CancelledGigScreen>(LatestPerformance());
    GUI_FMVContent content;
    content.title = model->title;
    // The stage they never walked onto, lights down.
    if (model->performance && model->performance->venue) {
        content.picture = model->performance->venue->backdrop;
        content.pictureArea = kFourByThreeOfBackdrop;
        content.pictureTint = kLightsDown;
    }
    content.text = model->text;
    content.footer = model->footer;
    content.sound = model->sound;
    // Reading it is what ends the day of the called-off gig.
    GUI_FMVScreen::Show(content, [model] { model->Close(); });
}

void GUI_Screens::OpenPublicity(SIM_OptionSubject* subject) {
    const auto* event = dynamic_cast<const SIM_PublicityEvent*>(subject);
    if (!event || !event->performed) {
        REPORT_ERROR("Publicity results without a performed event");
        return;
    }
    GUI_Publicity::Open(*event);
}
void GUI_Screens::OpenRelaxationChooser(SIM_OptionSubject*) { GUI_RelaxChooser::Open(); }
void GUI_Screens::OpenPractice() { ::OpenPractice(); }
void GUI_Screens::OpenShopping() { OpenShop(); }
void GUI_Screens::ShowMessage(const std::string& title, const std::string& text, const std::string& picture) {
    if (picture.empty()) {
        GUI_MessageBox::Show(title, text);
        return;
    }
    GUI_FMVContent content;
    content.title = title;
    content.picture = picture;
    content.pictureWidth = content.pictureHeight = kMessagePicture;
    content.text = text;
    content.buttonKey = "CONFIRM_OK";
    content.buttonTooltipKey.clear();
    GUI_FMVScreen::Show(content);
}
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
void GUI_Screens::OpenNewAlbum(SIM_NewAlbumModel&) { GUI_NewAlbum::Open(); }
void GUI_Screens::OpenMixingDesk(SIM_MixingDesk&) { GUI_CDMixer::Open(); }
void GUI_Screens::OpenRecordCompanyOffer(SIM_RecordOfferModel&) { GUI_RecordCompanyOffer::Open(); }
void GUI_Screens::ShowNews(const std::string& text) {
    GUI_FMVContent content;
    content.title = Translate("NEWS_TITLE");
    content.text = text;
    GUI_FMVScreen::Show(content);
}
void GUI_Screens::OpenRelaxResults(const SIM_RelaxVenue& venue) { GUI_Relax::Open(venue); }
void GUI_Screens::OpenEndorsementOffer(SIM_Endorsement& offer) { GUI_Endorsement::Open(offer); }
void GUI_Screens::OpenEventMessage(const SIM_EventMessage& message) {
    // Told like news; a gift is pictured beside the words.
    GUI_FMVContent content;
    content.title = message.title;
    content.text = message.text;
    if (!message.picture.empty()) {
        content.picture = message.picture;
        content.pictureWidth = content.pictureHeight = kMessagePicture;
    }
    GUI_FMVScreen::Show(content);
}
