#pragma once
// The game's own screens over a headless career on the shipped data, with the desktop's
// windows set up unless a test does without them; a failed assertion of the game fails the test.
#include "GUI_GUI.h"
#include "GUI_Screens.h"
#include "GuiFixture.h"
#include "HeadlessPlayer.h"
#include "LibErrors.h"
#include "SIM_Hints.h"
#include "SIM_SIM.h"

#include <cstdint>

class GameScreensFixture : public GuiFixture {
protected:
    SIM_HeadlessScreens headless;
    ThrowingErrorHandler errors;
    ErrorHandler* previous = nullptr;
    GUI_GUI desktop;
    std::uint32_t seed = 5;
    bool withDesktop = true;

    void SetUp() override {
        GuiFixture::SetUp();
        previous = SetErrorHandler(&errors);
        StartHeadlessGame(headless, seed);
        LoadHints(folder.path());
        SetScreens(&GameScreens());
        if (withDesktop) {
            desktop.SetUp(folder.path());
            desktop.Reset();
        }
    }
    void TearDown() override {
        GuiFixture::TearDown();
        ResetAllSimulation();
        ResetHints();
        SetScreens(nullptr);
        SetErrorHandler(previous);
        EXPECT_EQ(errors.assertions, 0) << errors.lastAssert;
    }
};
