#pragma once
// A new game on the shipped data played by the headless player, saving into a temporary folder.
#include "HeadlessPlayer.h"
#include "SaveTestSupport.h"

class HeadlessCareerTest : public SaveFolderTest {
protected:
    void StartCareer(unsigned seed) {
        UseSaveFolder();
        StartHeadlessGame(screens, seed);
    }
    void Play(int days) {
        for (int day = 0; day < days; ++day) {
            screens.CloseEndGame();  // the player plays on
            PlayHeadlessDay();
            screens.events.clear();
        }
    }
};
