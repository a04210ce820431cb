#pragma once
// The framework under test: the software renderer with the game's fonts and pictures, a shell
// whose input and fades the test drives, and a mixer that records every sound.
#include "GUIButtonsList.h"
#include "GUI_Shell.h"
#include "GUI_WindowBase.h"
#include "InputManager.h"
#include "LibFont.h"
#include "engine/FakeMixer.h"
#include "engine/RenderFixture.h"

#include <functional>
#include <string>

struct TestShell : GUI_Shell {
    CBaseInputManager input;
    std::uint64_t now = 0;
    // The input keeps the shell's time, as the game's does.
    TestShell() { input.SetClock([this] { return now; }); }
    int switchedTo = -1;
    int toggles = 0;
    bool quit = false;
    bool inGame = true;
    std::function<void()> pendingFade;

    CBaseInputManager& Input() override { return input; }
    std::uint64_t Now() override { return now; }
    void SwitchGameMode(int number) override { switchedTo = number; }
    void StartFade(bool, std::function<void()> endAction) override { pendingFade = std::move(endAction); }
    bool Fading() const override { return static_cast<bool>(pendingFade); }
    void ToggleWindowed() override { ++toggles; }
    bool InGame() const override { return inGame; }
    void LeaveGame() override {
        inGame = false;
        switchedTo = 0;
    }
    void Quit() override { quit = true; }
    void ShowLoadingProgress(float) override {}
    // Ends the fade as the game's frame would once it is black.
    void FinishFade() {
        auto action = std::move(pendingFade);
        pendingFade = nullptr;
        if (action) action();
    }
};

class GuiFixture : public RenderFixture {
protected:
    TestShell shell;
    FakeMixer::State mixer;

    void SetUp() override {
        RenderFixture::SetUp();
        Renderer().AddTextureFolder("data/bitmaps");
        LoadGameFonts();
        ResetSounds(std::make_unique<FakeMixer>(mixer));
        SetShell(&shell);
    }
    void TearDown() override {
        WindowList().CloseAll();
        FlushDeferredDeletes();
        SetShell(nullptr);
        ResetSounds();
        FontManager().ClearFonts();
        RenderFixture::TearDown();
    }

    // One frame of the window list: input read, update, draw, the frame's dead freed.
    void Step() {
        shell.input.Update();
        WindowList().UpdateWindows();
        WindowList().DrawWindows();
        FlushDeferredDeletes();
    }
    void MoveTo(float x, float y) {
        shell.input.x = x;
        shell.input.y = y;
    }
    // A left click at (x, y) as the desktop routes it.
    bool Click(float x, float y) {
        MoveTo(x, y);
        const bool taken = WindowList().LeftButtonDown();
        FlushDeferredDeletes();
        return taken;
    }
    // How many times a sound whose path ends so was played.
    int Played(const std::string& file) const {
        int count = 0;
        for (const auto& [sound, channel] : mixer.plays)
            if (mixer.loads[static_cast<std::size_t>(sound)].size() >= file.size() &&
                mixer.loads[static_cast<std::size_t>(sound)].compare(
                    mixer.loads[static_cast<std::size_t>(sound)].size() - file.size(), file.size(), file) == 0)
                ++count;
        return count;
    }
};
