#include "SIM_Endorsements.h"

#include "GHashTable.h"
#include "LibConfigSection.h"
#include "LibErrors.h"
#include "LibRandom.h"
#include "LibSpreadsheet.h"
#include "LibString.h"
#include "SIM_CatalogueRows.h"
#include "SIM_Asset.h"
#include "SIM_Band.h"
#include "SIM_Fame.h"
#include "SIM_Finances.h"
#include "SIM_Screens.h"
#include "SIM_WorldSeams.h"

#include <algorithm>

namespace {
constexpr int kOfferDays = 10;
constexpr float kOfferFameNeeded = 75.0f;
constexpr float kCertainFame = 500.0f;
constexpr float kBusinessmanBonus = 0.1f;
// A rich, famous band selling out looks worse to its fans.
constexpr float kRichCash = 3000.0f;
constexpr float kRichFame = 100.0f;
constexpr float kRichHitFactor = 1.5f;

std::vector<std::unique_ptr<SIM_Endorsement>> gAvailable;
std::vector<std::unique_ptr<SIM_Endorsement>> gRetired;
int gCounter = 0;
SIM_Endorsement* gPending = nullptr;

auto FindAvailable(const SIM_Endorsement& endorsement) {
    return std::find_if(gAvailable.begin(), gAvailable.end(), [&](const auto& e) { return e.get() == &endorsement; });
}

// Moves the endorsement from the available to the retired list; false when not available.
bool Retire(SIM_Endorsement& endorsement) {
    const auto it = FindAvailable(endorsement);
    if (it == gAvailable.end()) return false;
    gRetired.push_back(std::move(*it));
    gAvailable.erase(it);
    if (gPending == &endorsement) gPending = nullptr;
    return true;
}

// The draw is always taken, so the numbers that follow stay the same; a chance of 1 or more
// is then certain even on the one draw that equals 1.
bool Happens(float chance) {
    const bool drawn = RandomChance(chance);
    return drawn || chance >= 1.0f;
}

std::string WithSponsor(const std::string& key, const SIM_Endorsement& e) {
    std::string text = Translate(key);
    ReplaceToken(text, "<SPONSOR>", e.sponsorText);
    ReplaceToken(text, "<BANDNAME>", GetBand().Name);
    return text;
}
}  // namespace

void SIM_Endorsement::LoadFromRow(const std::string& row) {
    LibTokenizer cells(row);
    cells.Next();  // the data-row marker
    name = cells.NextText();
    payment = std::max(0.0f, cells.NextFloat());
    sponsorText = cells.NextText();
    fameHitChance = std::clamp(cells.NextFloat(), 0.0f, 1.0f);
}

void DestroyAllEndorsements() {
    gAvailable.clear();
    gRetired.clear();
    gCounter = 0;
    gPending = nullptr;
}

void LoadEndorsements(const std::string& path) {
    DestroyAllEndorsements();
    AppendCatalogueRows(path, gAvailable);
}

const std::vector<std::unique_ptr<SIM_Endorsement>>& AvailableEndorsements() { return gAvailable; }
const std::vector<std::unique_ptr<SIM_Endorsement>>& RetiredEndorsements() { return gRetired; }
int EndorsementCounter() { return gCounter; }
void SetEndorsementCounter(int days) { gCounter = days; }
SIM_Endorsement* PendingEndorsementOffer() { return gPending; }

SIM_Endorsement* CheckEndorsementOffer() {
    ++gCounter;
    if (gCounter < kOfferDays) return nullptr;
    const float fame = GetFame().fame;
    if (!BandOwns("manager") || fame < kOfferFameNeeded || gAvailable.empty()) return nullptr;
    const int businessmen = AskSeam(WorldSeams().businessmanCount, 0);
    const float p = (fame / kCertainFame) * (1.0f + kBusinessmanBonus * static_cast<float>(businessmen));
    if (!Happens(p)) return nullptr;
    gPending = gAvailable[static_cast<std::size_t>(RandomIndex(static_cast<int>(gAvailable.size())))].get();
    gCounter = 0;
    Screens().OpenEndorsementOffer(*gPending);
    return gPending;
}

void AcceptEndorsement(SIM_Endorsement& endorsement) {
    // Each sponsor pays once: an answer given twice must not pay twice.
    if (FindAvailable(endorsement) == gAvailable.end()) {
        REPORT_ERROR("Endorsement no longer on offer: " + endorsement.name);
        return;
    }
    SIM_Finances& money = GetFinances();
    money.AddCash(endorsement.payment);
    SIM_Fame& fame = GetFame();
    if (money.cash > kRichCash && fame.fame > kRichFame) endorsement.fameHitChance *= kRichHitFactor;
    // The fans who cry sell-out cost the band fame; the hit recovers like any fame effect.
    if (Happens(endorsement.fameHitChance)) {
        fame.AddFameEffect(-fame.fame * RandomFloat(0.15f, 0.32f), GetTuningValue("RS_ENDORSEMENT_FAMEHIT_DEGRADE"),
                           endorsement.name);
        Screens().PlaySound("data/sounds/crowd_small_boo2.ogg");
    }
    Retire(endorsement);
    std::string sponsored = Translate("SPONSORED_NAME");
    ReplaceToken(sponsored, "<BANDNAME>", GetBand().Name);
    ReplaceToken(sponsored, "<SPONSOR>", endorsement.sponsorText);
    GetBand().SponsoredName = sponsored;
}

void RetireEndorsement(SIM_Endorsement& endorsement) { Retire(endorsement); }

bool RetireEndorsementByName(const std::string& name) {
    for (const auto& e : gAvailable)
        if (e->name == name) return Retire(*e);
    return false;
}

SIM_EndorsementOfferModel::SIM_EndorsementOfferModel(SIM_Endorsement& offer) : offer_(offer) {
    title = WithSponsor("ENDORSEMENT_TITLE", offer);
    offerLabel = WithSponsor("ENDORSEMENT_OFFER", offer);
    payment = "$ " + FormatThousands(static_cast<long long>(offer.payment));
    advice = WithSponsor("ENDORSEMENT_ADVICE", offer);
    if (offer.fameHitChance == 0.0f) {
        risk = Translate("ENDORSEMENT_NOEFFECT");
    } else {
        risk = Translate("ENDORSEMENT_NEGATIVE_EFFECT");
        ReplaceToken(risk, "<AMOUNT>", FormatText("%d%%", static_cast<int>(offer.fameHitChance * 100.0f)));
    }
    acceptLabel = Translate("ENDORSEMENT_ACCEPT");
    acceptTooltip = Translate("ENDORSEMENT_ACCEPT_TOOLTIP");
    rejectLabel = Translate("ENDORSEMENT_REJECT");
    rejectTooltip = Translate("ENDORSEMENT_REJECT_TOOLTIP");
    finishLabel = Translate("ENDORSEMENT_FINISH");
    finishTooltip = Translate("ENDORSEMENT_FINISH_TOOLTIP");
}

void SIM_EndorsementOfferModel::Accept() {
    if (answered_) return;
    answered_ = true;
    AcceptEndorsement(offer_);
}

void SIM_EndorsementOfferModel::Reject() {
    if (answered_) return;
    answered_ = true;
    RetireEndorsement(offer_);
}
