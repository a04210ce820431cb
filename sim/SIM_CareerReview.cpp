#include "SIM_CareerReview.h"

#include "GHashTable.h"
#include "LibString.h"
#include "SIM_Band.h"
#include "SIM_Fame.h"
#include "SIM_Finances.h"
#include "SIM_Person.h"

#include <algorithm>
#include <cmath>

namespace {
// Money on these screens is counted in whole dollars, as the cash display counts it.
std::string Dollars(float amount) { return "$" + FormatThousands(static_cast<long long>(amount)); }

// Where the meter's lights turn from green to yellow and from yellow to red, as fractions of
// its length.
constexpr float kYellowFrom = 0.6f;
constexpr float kRedFrom = 0.85f;
}  // namespace

SIM_YearlyReviewModel::SIM_YearlyReviewModel() {
    const SIM_Band& band = GetBand();
    const SIM_GameStatistics& stats = GetStatistics();
    title = Translate("YEAREND_TITLE");
    summary = Translate("YEAREND_SUMMARY");
    ReplaceToken(summary, "<BANDNAME>", band.Name);
    ReplaceTokenNumber(summary, "<YEARCOUNT>", band.YearCount);
    ReplaceToken(summary, "<YEAR>", Translate(band.YearCount < 2 ? "YEARCOUNT_YEAR" : "YEARCOUNT_YEARS"));
    lines = {{Translate("YEAREND_GIGS_PLAYED"), FormatThousands(stats.gigsPlayed)},
             {Translate("YEAREND_SONGS_WRITTEN"), FormatThousands(stats.songsWritten)},
             {Translate("YEAREND_REHEARSALS"), FormatThousands(stats.rehearsals)},
             {Translate("YEAREND_REHEARSALS_CANCELLED"), FormatThousands(stats.rehearsalsCancelled)},
             {Translate("YEAREND_AUDIENCE_PLAYEDTO"), FormatThousands(stats.audiencePlayedTo)},
             {Translate("YEAREND_DAMAGE_COSTS"), Dollars(stats.damageCosts)},
             {Translate("YEAREND_MONEY_EARNED"), Dollars(stats.moneyEarned)}};
    for (const SIM_Musician* member : band.members) members.push_back({member->fullname, member->GetPortrait()});
    weeks = GetCareerHistory().weeks;
}

float SIM_EndGameModel::FameMeter(float fame) { return std::clamp(fame / kFullFame, 0.0f, 1.0f); }

float SIM_EndGameModel::FortuneMeter(float moneyEarned) {
    return std::clamp(std::floor(moneyEarned) / kFullFortune, 0.0f, 1.0f);
}

const char* SIM_EndGameModel::SoundFor(float fameMeter, float fortuneMeter) {
    return (fameMeter + fortuneMeter) / 2.0f >= 0.5f ? kCheer : kClap;
}

int SIM_EndGameModel::LitLights(float meter, int count) {
    return std::clamp(static_cast<int>(std::lround(meter * static_cast<float>(count))), 0, count);
}

SIM_EndGameModel::Light SIM_EndGameModel::LightColour(int index, int count) {
    const float along = count > 0 ? static_cast<float>(index) / static_cast<float>(count) : 0.0f;
    if (along >= kRedFrom) return kRed;
    if (along >= kYellowFrom) return kYellow;
    return kGreen;
}

SIM_EndGameModel::SIM_EndGameModel() {
    const SIM_GameStatistics& stats = GetStatistics();
    const float fame = GetFame().fame;
    title = Translate("ENDGAME_TITLE");
    text = Translate("ENDGAME_TEXT");
    ReplaceToken(text, "<BANDNAME>", GetBand().Name);
    fameMeter = FameMeter(fame);
    fortuneMeter = FortuneMeter(stats.moneyEarned);
    sound = SoundFor(fameMeter, fortuneMeter);
    lines = {{Translate("ENDGAME_FAME"), FormatText("%.2f", static_cast<double>(fame))},
             {Translate("ENDGAME_FORTUNE"), FormatText("$ %s", FormatThousands(static_cast<long long>(stats.moneyEarned)).c_str())},
             {Translate("ENDGAME_GIGSPLAYED"), FormatThousands(stats.gigsPlayed)},
             {Translate("ENDGAME_TOTALAUDIENCE"), FormatThousands(stats.audiencePlayedTo)}};
    weeks = GetCareerHistory().weeks;
}
