#pragma once
// The headless player's albums and record deals.
#include <string>
#include <vector>

class SIM_Song;

// The best studio whose day costs at most the player's budget share of the cash (half, when
// sensible), or -1.
int HeadlessStudioChoice();
// The best songs of those free, as many as an album holds, best first.
std::vector<SIM_Song*> HeadlessAlbumTracks(std::vector<SIM_Song*> songs);
// Every fader in the middle: the targets are hidden and drawn from 0.2..0.8, so the middle is
// the safest guess, and equal levels leave every member content.
constexpr float kHeadlessFader = 0.5f;
// Whether an open record offer's royalty is worth signing.
bool HeadlessSignsRecordOffer();

// Records an album when eight songs are free and a studio is within reach: the best eight
// songs, the best studio it can pay for with half its cash (the company's pick under a deal),
// every fader in the middle. True when it did (the studio day used the act).
bool RecordHeadlessAlbum();
// An open offer is signed when the royalty is at least 30%, otherwise turned down.
void AnswerHeadlessRecordOffer();
// "albums 2 sold 1234 deal no stage 2" for the yearly line.
std::string AlbumsText();
