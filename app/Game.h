#pragma once
// The application object: start-up and shut-down order, the frame, and the game modes.
#include "GUI_GameModeBase.h"
#include "GUI_Shell.h"
#include "GameModeFade.h"
#include "GameReplay.h"
#include "InputManager.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <string>

struct SDL_Window;
union SDL_Event;
class Game;
class GUI_GUI;
class GUI_Sounds;


// The game's input: forwards device events to the current mode, unless a fade blocks clicks.
class CInput : public CBaseInputManager {
public:
    explicit CInput(Game& game) : game_(game) {}
    void OnWheelForward() override;
    void OnWheelBack() override;
    void OnLeftButtonDown() override;
    void OnRightButtonDown() override;
    void OnKeyPressed(int scanCode) override;
    void OnTextInput(const std::string& text) override;

    bool blocked = false;

private:
    Game& game_;
};

class Game : public GUI_Shell {
public:
    using ModeFactory = std::function<std::unique_ptr<GUI_GameModeBase>()>;

    Game();
    ~Game() override;

    // Fields in the order the design lists them.
    bool busy = false;
    float scale = 1.0f;
    GUI_GameModeBase* currentMode = nullptr;
    bool inGame = false;
    std::string savegameFolder;
    std::string userFolder;
    std::string buildLabel;
    int frameSleep = 0;

    // Beside the object: frames run while running; started once initialisation succeeded.
    bool running = false;
    bool started = false;

    // Whole program: window, initialisation and the message loop; returns the exit code.
    int Run();
    // The window and the start-up, without the loop (the script driver runs the frames).
    bool Start();
    // Handles every window event waiting now.
    void PumpEvents();

    bool GameInitialise();
    void RunFrame();
    void SwitchGameMode(int number) override;
    // A new career from the new-game settings: a fresh simulation and desktop.
    void StartPlaying();
    // Loads a save by name from the save-game folder (or by path) and plays on from it; on a
    // damaged file the player is told which file and tag, and whatever was in play stays.
    bool LoadSavedGame(const std::string& nameOrPath, std::string* error = nullptr);
    void ToggleWindowed() override;
    void RebuildSurfaces();
    void Shutdown();
    // Saves the frame being drawn once it is complete (F12).
    void RequestScreenshot() { screenshotRequested = true; }
    void SaveScreenshot();
    bool screenshotRequested = false;

    // The window's close request: while a game is in progress the quit question, else quit.
    void RequestQuit();
    // The desktop, created with the other modes on first use.
    GUI_GUI& Desktop();
    // Which of the numbered modes is current (MODE_COUNT for one not numbered).
    int CurrentModeNumber() const;

    // Each mode is created on first use and kept for the life of the process.
    void RegisterMode(int number, ModeFactory factory);
    GUI_GameModeBase* Mode(int number);

    void CreateUserFolders();
    void HandleWindowEvent(const SDL_Event& event);
    void OnFocusChanged(bool active);
    // Advances the fade and draws its overlay.
    void StepFade();

    CInput& Input() override { return input_; }
    GameModeFade& Fade() { return fade_; }
    bool QuitPosted() const { return quitPosted_; }
    // The clock the frames read; the game's time stands still within a frame, so a session
    // plays the same again from the times its frames began.
    void SetClock(std::function<std::uint64_t()> clock);
    // Reads the clock for the frame that begins (RunFrame does it first).
    void BeginFrameClock() { frameNow_ = clock_(); }
    // Set before Start to play a session again: its seed and time of day instead of fresh ones.
    std::optional<std::uint32_t> seedOverride;
    std::optional<std::time_t> wallClockOverride;
    const GameReplayStart& SessionStart() const { return session_; }
    const GameReplayRecorder& Replay() const { return replay_; }

    // What the screens ask of the application.
    std::uint64_t Now() override { return frameNow_; }
    void StartFade(bool fadeOut, std::function<void()> endAction) override;
    bool Fading() const override { return fade_.state() != GameModeFade::State::Idle; }
    bool InGame() const override { return inGame; }
    void LeaveGame() override;
    void Quit() override { running = false; }
    void ShowLoadingProgress(float fraction) override;

private:
    void RunMessageLoop();
    void ApplyDisplaySettings();
    void LoadAllData();
    // The desktop of a game just started or loaded, after the fade.
    void EnterGame();
    void DrawCursor();

    SDL_Window* window_ = nullptr;
    GUI_Sounds* sounds_ = nullptr;  // set once start-up has opened the sound service
    CInput input_;
    std::function<std::uint64_t()> clock_;
    std::uint64_t frameNow_ = 0;
    GameReplayStart session_;
    GameReplayRecorder replay_;
    GameModeFade fade_;
    std::array<ModeFactory, MODE_COUNT> factories_{};
    std::array<std::unique_ptr<GUI_GameModeBase>, MODE_COUNT> modes_{};
    bool dataLoaded_ = false;
    bool quitPosted_ = false;
    bool shutDown_ = false;
};

// The one application object, created on first use.
Game& GetGame();
