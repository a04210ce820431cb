#include "SIM_RecordCompany.h"

#include "GHashTable.h"
#include "LibConfigSection.h"
#include "LibRandom.h"
#include "LibString.h"
#include "SIM_Album.h"
#include "SIM_AlbumScreens.h"
#include "SIM_Asset.h"
#include "SIM_Band.h"
#include "SIM_CareerHistory.h"
#include "SIM_Fame.h"
#include "SIM_Performance.h"
#include "SIM_Screens.h"
#include "SIM_Venue.h"
#include "SIM_WorldSeams.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {
std::unique_ptr<SIM_RecordCompany> gCompany;

// Below this fame no company signs the band, however good the gig.
constexpr float kMinimumOfferFame = 40.0f;
// The fame at which the fame term of an offer is at its greatest.
constexpr float kFullOfferFame = 500.0f;

float ShareOrZero(float value) { return std::isfinite(value) ? std::clamp(value, 0.0f, 1.0f) : 0.0f; }
}  // namespace

SIM_RecordCompany& GetRecordCompany() {
    if (!gCompany) gCompany = std::make_unique<SIM_RecordCompany>();
    return *gCompany;
}

void ResetRecordCompany() { gCompany.reset(); }

SIM_RecordCompanyState RecordCompanyState() {
    const SIM_RecordCompany& company = GetRecordCompany();
    return {company.name, company.hasDeal, company.royalty, company.marketing};
}

void RestoreRecordCompany(const SIM_RecordCompanyState* state) {
    ResetRecordCompany();
    if (!state) return;
    SIM_RecordCompany& company = GetRecordCompany();
    if (!state->name.empty()) company.name = state->name;
    company.hasDeal = state->hasDeal;
    // A damaged save must not pay out more than the band earns, or a negative share.
    company.royalty = ShareOrZero(state->royalty);
    company.marketing = ShareOrZero(state->marketing);
}

bool Scout(SIM_RecordCompany& company, const SIM_Performance& performance) {
    if (!performance.venue) return false;
    if (static_cast<float>(performance.venue->capacity) < GetTuningValue("RS_COMPANY_SCOUT_MINCAPACITY")) return false;
    if (!RandomChance(GetTuningValue("RS_COMPANY_SCOUT_BASECHANCE"))) return false;
    company.name = TranslateRandom("record companies");
    return true;
}

bool MakeOffer(const SIM_Performance& performance, SIM_RecordCompany& company) {
    const float fame = GetFame().fame;
    if (fame < kMinimumOfferFame) return false;
    const int capacity = performance.venue ? performance.venue->capacity : 0;
    const float crowd =
        capacity > 0 ? static_cast<float>(performance.attendance) / static_cast<float>(capacity) : 0.0f;
    const float p = GetTuningValue("RS_COMPANY_OFFER_BASECHANCE") +
                    GetTuningValue("RS_DEAL_FAME_MODIFIER") * std::clamp(fame / kFullOfferFame, 0.0f, 1.0f) +
                    GetTuningValue("RS_DEAL_ATTENDENCE_MODIFIER") * std::clamp(crowd, 0.0f, 1.0f) +
                    GetTuningValue("RS_DEAL_QUALITY_MODIFIER") * performance.score;
    if (!RandomChance(std::clamp(p, 0.0f, 1.0f))) return false;
    NegotiateTerms(company);
    return true;
}

void NegotiateTerms(SIM_RecordCompany& company) {
    company.marketing = RandomFloat(0.1f, 0.3f);
    company.royalty = RandomFloat(0.2f, 0.5f);
    if (GetBand().CountMembersWithTrait("businessman") > 0 || BandOwns("manager")) {
        company.marketing *= 1.12f;
        company.royalty *= 1.2f;
    }
}

void AcceptDeal(SIM_RecordCompany& company) {
    company.hasDeal = true;
    GetCareerHistory().Mark(kMarkDeal);
    GetBand().ModifyBandValue("band_hype", company.marketing, 1.0f, "record deal");
}

std::string NoOfferNewsText(const SIM_RecordCompany& company) {
    std::string text = Translate("RECORD_COMPANY_NOOFFER_FMV");
    ReplaceToken(text, "<COMPANYNAME>", company.name);
    return text;
}

void RecordDealCheck(const SIM_Performance& performance) {
    SIM_RecordCompany& company = GetRecordCompany();
    // A called-off gig has no audience for a scout to watch.
    if (company.hasDeal || performance.cancelled || !Scout(company, performance)) return;
    if (MakeOffer(performance, company)) OpenRecordCompanyOffer();
    else Screens().ShowNews(NoOfferNewsText(company));
}

void RegisterAlbums() {
    SIM_WorldSeams& world = WorldSeams();
    world.hasRecordDeal = [] { return GetRecordCompany().hasDeal; };
    world.weeklySales = [] { WeeklySales(); };
    world.latestReleasedAlbumWeeks = [] {
        const SIM_Album* album = LatestReleasedAlbum();
        return album ? album->weeksSinceRelease : -1;
    };
    world.sellLatestReleasedAlbum = [](int copies) {
        if (SIM_Album* album = LatestReleasedAlbum()) SellCopies(*album, copies);
    };
    world.recordDealCheck = [](const SIM_Performance& performance) { RecordDealCheck(performance); };
    // The albums go while their songs still exist; the deal belongs to the old career.
    world.resetPeopleAndMusic = [before = world.resetPeopleAndMusic] {
        CloseAlbumScreens();
        ResetAlbums();
        ResetRecordCompany();
        LoadStudios();
        RunSeam(before);
    };
}
