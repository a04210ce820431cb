#include "GUI_Endorsement.h"

#include "GUI_Style.h"
#include "LibFont.h"
#include "SIM_Endorsements.h"

namespace {
// Layout: the payment in LCD figures under its label, the sponsor's wish and the risk under
// it, the two answers side by side and the close button at the bottom right.
constexpr float kWidth = 480.0f, kHeight = 300.0f;
constexpr float kPaymentY = 8.0f;
constexpr float kAdviceY = 48.0f;
constexpr float kGap = 12.0f;
constexpr float kButtonW = 180.0f, kButtonH = 34.0f;
constexpr float kAnswersFromBottom = kButtonH + kGap;
}  // namespace

GUI_Endorsement* GUI_Endorsement::Open(SIM_Endorsement& offer) {
    GUI_Endorsement* window = WindowList().Open<GUI_Endorsement>(offer);
    WindowList().AddModal(window);
    return window;
}

GUI_Endorsement::GUI_Endorsement(SIM_Endorsement& offer)
    : model_(std::make_unique<SIM_EndorsementOfferModel>(offer)) {
    SetTitle(model_->title);
    name = "endorsement";
    SetRect(0, 0, kWidth, kHeight);
    CentreOnScreen();
    const float left = static_cast<float>(client.left), right = static_cast<float>(client.right);
    const float bottom = static_cast<float>(client.bottom);
    const float answersTop = bottom - kButtonH - kAnswersFromBottom;
    accept_ = Add<GUI_ButtonText>("", [this] { Answer(true); });
    accept_->SetLabel(model_->acceptLabel);
    accept_->SetTooltip(model_->acceptTooltip);
    accept_->SetRect(left, answersTop, left + kButtonW, answersTop + kButtonH);
    reject_ = Add<GUI_ButtonText>("", [this] { Answer(false); });
    reject_->SetLabel(model_->rejectLabel);
    reject_->SetTooltip(model_->rejectTooltip);
    reject_->SetRect(right - kButtonW, answersTop, right, answersTop + kButtonH);
    finish_ = Add<GUI_ButtonText>("", [this] {
        if (model_->CanFinish()) Close();
    });
    finish_->SetLabel(model_->finishLabel);
    finish_->SetTooltip(model_->finishTooltip);
    finish_->SetRect(right - kButtonW, bottom - kButtonH, right, bottom);
    Follow();
}

GUI_Endorsement::~GUI_Endorsement() = default;

void GUI_Endorsement::Answer(bool accept) {
    // The model answers once; the buttons follow it.
    if (!model_->CanAnswer()) return;
    if (accept) model_->Accept();
    else model_->Reject();
    Follow();
}

void GUI_Endorsement::Follow() {
    accept_->enabled = reject_->enabled = model_->CanAnswer();
    finish_->enabled = model_->CanFinish();
}

void GUI_Endorsement::DrawForeground() {
    const float x = static_cast<float>(client.left), top = static_cast<float>(client.top);
    const float across = static_cast<float>(client.right - client.left);
    DrawText(GUI_Style::kSubheading, model_->offerLabel, x, top + kPaymentY, GUI_Style::kCream);
    DrawText(GUI_Style::kLcd, model_->payment, x + across, top + kPaymentY - 4.0f, GUI_Style::kAmber, TEXT_RIGHT);
    const float below = DrawTextWrapped(GUI_Style::kBody, model_->advice, x, top + kAdviceY, across, GUI_Style::kCream);
    DrawTextWrapped(GUI_Style::kBody, model_->risk, x, below + kGap, across, GUI_Style::kGold);
}
