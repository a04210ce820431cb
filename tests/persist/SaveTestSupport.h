#pragma once
// Fixtures of the save tests: a game saving into a temporary folder at a fixed time, with
// assertions counted and everything reset afterwards.
#include "LibConfigSection.h"
#include "LibErrors.h"
#include "SIM_SIM.h"
#include "SIM_Screens.h"
#include "SIM_SaveGame.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

class SaveFolderTest : public ::testing::Test {
protected:
    // Call first in SetUp: the handler counts what the game set-up asserts too.
    void UseSaveFolder() {
        previous_ = SetErrorHandler(&errors);
        SetSaveGameFolder(dir.path());
        SetSaveClock([] { return std::time_t(0); });
    }
    void TearDown() override {
        SetSaveClock(nullptr);
        SetSaveGameFolder("");
        ResetAllSimulation();
        SetScreens(nullptr);
        SetErrorHandler(previous_);
        TuningTable().Clear();
    }

    TempDir dir;
    ThrowingErrorHandler errors;
    SIM_HeadlessScreens screens;

private:
    ErrorHandler* previous_ = nullptr;
};
