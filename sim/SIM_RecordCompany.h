#pragma once
// The record company: it scouts the band's gigs, may offer a deal, and under a deal pays the
// studio, promotes the band and pays it a royalty once an album has recouped its cost.
#include <string>

class SIM_Performance;

class SIM_RecordCompany {
public:
    std::string name = "Polymer Records";
    bool hasDeal = false;
    float royalty = 0.0f;    // the band's share of the artist earnings under the deal
    float marketing = 0.0f;  // becomes lasting hype when the deal is signed
};

SIM_RecordCompany& GetRecordCompany();
// A fresh company with no deal. A new game starts with it: a deal belongs to one career.
void ResetRecordCompany();

// What a save file keeps of the company (say, a "<recordcompany>" section with leaves "name",
// "hasdeal", "royalty" and "marketing"). Save files written before the company was saved do
// not have it; restoring "nothing" then means a fresh company with no deal.
struct SIM_RecordCompanyState {
    std::string name;
    bool hasDeal = false;
    float royalty = 0.0f;
    float marketing = 0.0f;
};
SIM_RecordCompanyState RecordCompanyState();
// Null: the save had no company section (a fresh company).
void RestoreRecordCompany(const SIM_RecordCompanyState* state);

// A scout comes to gigs at venues of at least RS_COMPANY_SCOUT_MINCAPACITY, by chance; a
// scout renames the company. True when the scout came.
bool Scout(SIM_RecordCompany& company, const SIM_Performance& performance);
// After a scout: no offer below fame 40; otherwise a chance from the fame, the crowd and the
// show. True when there is an offer (its terms negotiated).
bool MakeOffer(const SIM_Performance& performance, SIM_RecordCompany& company);
// Draws the terms; a businessman in the band or a manager improves them once.
void NegotiateTerms(SIM_RecordCompany& company);
// The deal holds for the rest of the game; the marketing becomes hype.
void AcceptDeal(SIM_RecordCompany& company);
// When the gig screen closes: without a deal, a scout may come and make an offer (the offer
// screen opens) or leave without one (the news says so).
void RecordDealCheck(const SIM_Performance& performance);

// The news shown when a scout came and made no offer.
std::string NoOfferNewsText(const SIM_RecordCompany& company);

// Fills the album and record-deal entries of the world seams.
void RegisterAlbums();
