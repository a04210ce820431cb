#pragma once
// A played (or called-off) gig: decided in one go when the player takes the gig, then kept
// unchanged for the gig screen until the next new game.
#include "SIM_Date.h"

#include <memory>
#include <vector>

class SIM_Gig;
class SIM_Musician;
class SIM_Venue;

enum SIM_PerformanceComponent : int {
    COMPONENT_MUSICIANSHIP = 0,
    COMPONENT_EXPERIENCE,
    COMPONENT_CHEMISTRY,
    COMPONENT_SONGS,
    COMPONENT_REHEARSAL,
    COMPONENT_STAGESHOW,
    COMPONENT_PERFORMANCE,
    COMPONENT_COUNT
};

class SIM_Performance {
public:
    std::vector<SIM_Musician*> cancellingMembers;  // not owned
    SIM_DayDate date;
    SIM_Venue* venue = nullptr;  // not owned
    SIM_Gig* gig = nullptr;      // not owned; kept in the played (or called-off) gigs
    int attendance = 0;
    float ticketRevenue = 0.0f;
    float merchandiseRevenue = 0.0f;
    float rental = 0.0f;
    float profit = 0.0f;
    int damage = 0;
    bool soldOut = false;
    float components[COMPONENT_COUNT] = {};
    float score = 0.0f;
    float motivationChange = 0.0f;
    float inspirationChange = 0.0f;
    float fameFactor = 0.0f;
    float stressChange = 0.0f;
    int tshirtsSold = 0;
    int sweatshirtsSold = 0;
    int postersSold = 0;
    int cdsSold = 0;
    bool cancelled = false;
};

// ---- Playing a gig -------------------------------------------------------------------------
// Plays a booked gig in one step and keeps the result in the performance list: the members may
// call it off; otherwise the evening is scored, the crowd, the takings and the after-effects are
// worked out and the gig joins the played gigs. Null for a missing gig or venue, and for a gig
// already played or called off: a gig is played once.
SIM_Performance* PlayGig(SIM_Gig* gig);

// The steps of PlayGig, in the order it takes them (exposed for the tests).
void CheckCancellation(SIM_Performance& performance);
// The score, the crowd, the takings, the sales and the destruction of a gig that goes ahead.
void EvaluatePerformance(SIM_Performance& performance);
void ComputeAttendance(SIM_Performance& performance);
void SellMerchandiseAtGig(SIM_Performance& performance);
void SellAlbumsAtGig(SIM_Performance& performance);
void ApplyDestruction(SIM_Performance& performance);
void ApplyGigAftermath(SIM_Performance& performance);

// Every performance of this game, oldest first.
const std::vector<std::unique_ptr<SIM_Performance>>& Performances();
// The performance the gig screen (or the cancelled-gig screen) shows; null before any gig.
const SIM_Performance* LatestPerformance();
// Gigs played this game, oldest first (not saved).
const std::vector<std::unique_ptr<SIM_Gig>>& PlayedGigs();
// New game: no performances and no played gigs.
void ClearPerformances();

// Fills the gig entries of the world seams (playing a booked gig, the new-game reset).
void RegisterPerformance();
void ResetPerformances();
