#pragma once
// The headless player's albums and record deals.
#include <string>

// Records an album when eight songs are free and a studio is within reach: the best eight
// songs, the best studio it can pay for with half its cash (the company's pick under a deal),
// every fader in the middle. True when it did (the studio day used the act).
bool RecordHeadlessAlbum();
// An open offer is signed when the royalty is at least 30%, otherwise turned down.
void AnswerHeadlessRecordOffer();
// "albums 2 sold 1234 deal no stage 2" for the yearly line.
std::string AlbumsText();
