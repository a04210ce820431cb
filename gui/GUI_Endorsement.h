#pragma once
// A sponsor's offer: what they pay, what they want, the risk of the fans crying sell-out, and
// the answer. SIM_EndorsementOfferModel holds the rules; the window asks once and then lets
// the player close it.
#include "GUI_Dialog.h"

#include <memory>

class SIM_Endorsement;
class SIM_EndorsementOfferModel;

class GUI_Endorsement : public GUI_Dialog {
public:
    // Opens the offer on top of everything, modal until it is answered and closed.
    static GUI_Endorsement* Open(SIM_Endorsement& offer);

    explicit GUI_Endorsement(SIM_Endorsement& offer);
    ~GUI_Endorsement() override;
    const SIM_EndorsementOfferModel& Model() const { return *model_; }

protected:
    void DrawForeground() override;

private:
    void Answer(bool accept);
    // The answers while the offer stands, then only the close button.
    void Follow();

    std::unique_ptr<SIM_EndorsementOfferModel> model_;
    GUI_ButtonText* accept_ = nullptr;
    GUI_ButtonText* reject_ = nullptr;
    GUI_ButtonText* finish_ = nullptr;
};
