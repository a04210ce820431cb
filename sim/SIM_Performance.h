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
    SIM_Gig* gig = nullptr;      // not owned; kept in the played list
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
