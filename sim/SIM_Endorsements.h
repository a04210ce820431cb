#pragma once
// Sponsors who pay the band to carry their name. Once the band has a manager and some fame an
// offer may come every ten days or so; each sponsor asks once, and taking the money may cost
// the band some credibility with its fans.
#include <memory>
#include <string>
#include <vector>

class SIM_Endorsement {
public:
    // Reads one data row: name, payment, sponsor text, fame-hit chance.
    void LoadFromRow(const std::string& row);

    std::string name;  // the sponsor's key: saved, and the name of its fame effect
    float payment = 0.0f;
    std::string sponsorText;  // replaces "<SPONSOR>"
    float fameHitChance = 0.0f;  // 0..1
};

// Replaces both lists with the catalogue, all available; a missing file leaves none. The
// counter and any offer still open start again.
void LoadEndorsements(const std::string& path = "data/simulation/endorsements.csv");
void DestroyAllEndorsements();
const std::vector<std::unique_ptr<SIM_Endorsement>>& AvailableEndorsements();
// Taken or turned down, in that order; saved by name.
const std::vector<std::unique_ptr<SIM_Endorsement>>& RetiredEndorsements();
// Days since the offer check last reset.
int EndorsementCounter();
void SetEndorsementCounter(int days);

// The daily check: counts the day and, from the tenth on, with a manager and fame of 75 or
// more, offers a random available endorsement with chance fame / 500, raised a tenth for
// each businessman. Returns the offer made, or null.
SIM_Endorsement* CheckEndorsementOffer();
// The offer waiting for the player's answer, or null.
SIM_Endorsement* PendingEndorsementOffer();
// Pays, may cost fame, retires the endorsement and gives the band its sponsored name.
void AcceptEndorsement(SIM_Endorsement& endorsement);
// Turned down: retired, never offered again.
void RetireEndorsement(SIM_Endorsement& endorsement);
// A loaded game: the named endorsement was already taken or turned down. False when the
// catalogue does not know it.
bool RetireEndorsementByName(const std::string& name);

// The offer window: everything it shows and what its buttons do. Accepting or rejecting
// answers the offer once; the window closes with finish after that.
class SIM_EndorsementOfferModel {
public:
    explicit SIM_EndorsementOfferModel(SIM_Endorsement& offer);

    bool CanAnswer() const { return !answered_; }
    bool CanFinish() const { return answered_; }
    void Accept();
    void Reject();

    std::string title;
    std::string offerLabel;
    std::string payment;  // "$ 1,500"
    std::string advice;
    std::string risk;
    std::string acceptLabel, acceptTooltip;
    std::string rejectLabel, rejectTooltip;
    std::string finishLabel, finishTooltip;

private:
    SIM_Endorsement& offer_;
    bool answered_ = false;
};
