#pragma once
// The band's money, its daily net-worth history and the career's statistics.
#include <deque>
#include <memory>
#include <string>

class SIM_Finances {
public:
    // cash := RS_STARTINGCASH.
    void SetStartingCash();
    // The only way income enters; it also feeds the statistics. Spending subtracts from
    // cash directly.
    void AddCash(float amount);
    // A fraction: RS_BUSINESS_DISCOUNT percent per businessman in the band.
    float GetBusinessDiscount() const;
    // cost - cost * discount.
    float DiscountedCost(float cost) const;
    // "BUSINESS_DISCOUNT" with "<DISCOUNT>" as the whole percentage ("10%").
    std::string BusinessDiscountText() const;
    // GV_UNEMPLOYMENT_BENEFIT for each band member and the player.
    void PayUnemploymentBenefit();
    // Cash, plus the rental of booked gigs, plus what the band's assets are worth.
    float GetNetWorth() const;

    float cash = 0.0f;
};

SIM_Finances& GetFinances();
void ResetFinances();

struct SIM_GameStatistics {
    int desktopClicks = 0;
    int gigsPlayed = 0;
    int songsWritten = 0;
    int rehearsals = 0;
    int rehearsalsCancelled = 0;
    int unnamedCounter = 0;  // kept in the save file; nothing changes it
    int audiencePlayedTo = 0;
    float damageCosts = 0.0f;
    float moneyEarned = 0.0f;
    float peakCash = 0.0f;
    double playSeconds = 0.0;  // real time spent playing, saved as "elapsed"

    void AddPlayTime(double seconds) {
        if (seconds > 0.0) playSeconds += seconds;
    }
};

SIM_GameStatistics& GetStatistics();
void ResetStatistics();

class SIM_BalanceHistory {
public:
    enum Status : int { kNormal = 0, kStagnant = 2 };

    // Puts today's net worth in front and judges the growth of the newest ten days against
    // the ten before them.
    void RecordBalance();
    // The same, with a given figure (the loader and tests).
    void Record(float netWorth);
    int GetBalanceStatus() const { return status; }
    void Clear();

    std::deque<float> entries;  // newest first
    float growthRatio = 0.0f;
    int status = kNormal;
};

SIM_BalanceHistory& GetBalanceHistory();
void ResetBalanceHistory();
