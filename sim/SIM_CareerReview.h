#pragma once
// What the two screens that close the career's long cycles say: the yearly review (the band's
// years so far, its career figures, its members) and the end of the game (fame and fortune as
// meters, with the sound that fits them). Both are read when the screen opens; neither changes
// the game.
#include "SIM_CareerHistory.h"

#include <string>
#include <vector>

struct SIM_ReviewLine {
    std::string label;
    std::string value;
};

struct SIM_ReviewMember {
    std::string name;
    std::string portrait;
};

class SIM_YearlyReviewModel {
public:
    static constexpr const char* kSound = "data/sounds/crowd_small_clap.ogg";

    SIM_YearlyReviewModel();

    std::string title;
    // "<BANDNAME> have been going for <YEARCOUNT> <YEAR>..." with the band's year counter.
    std::string summary;
    // Gigs, songs, rehearsals, rehearsals called off, audience, damage, money: career totals.
    std::vector<SIM_ReviewLine> lines;
    std::vector<SIM_ReviewMember> members;
    // The career's weeks so far, for its chart.
    std::vector<SIM_CareerWeek> weeks;
};

class SIM_EndGameModel {
public:
    static constexpr float kFullFame = 250.0f;
    static constexpr float kFullFortune = 100000.0f;
    static constexpr const char* kCheer = "data/sounds/crowd_small_cheer.ogg";
    static constexpr const char* kClap = "data/sounds/crowd_small_clap.ogg";

    SIM_EndGameModel();

    // Fractions 0..1 of a full meter.
    static float FameMeter(float fame);
    static float FortuneMeter(float moneyEarned);
    // A career that fills its meters half on average earns the cheer, else polite applause.
    static const char* SoundFor(float fameMeter, float fortuneMeter);

    // A meter of count lights: how many are lit, and the colour of each along its length
    // (green, then yellow, the last few red).
    enum Light { kGreen, kYellow, kRed };
    static int LitLights(float meter, int count);
    static Light LightColour(int index, int count);

    std::string title;
    std::string text;
    float fameMeter = 0.0f;
    float fortuneMeter = 0.0f;
    std::string sound;
    // Fame, money earned, gigs played, audience.
    std::vector<SIM_ReviewLine> lines;
    // The whole career's weeks, for its chart.
    std::vector<SIM_CareerWeek> weeks;
};
