#pragma once
// The application object: start-up and shut-down order, the frame, and the game modes.
#include "GUI_GameModeBase.h"
#include "GameModeFade.h"
#include "InputManager.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

struct SDL_Window;
union SDL_Event;
class Game;
class GUI_Sounds;

// Mode numbers of SwitchGameMode.
enum GameModeNumber : int {
    MODE_MENU_MAIN = 0,
    MODE_MENU_OPTIONS = 1,
    MODE_MENU_NEW = 2,
    MODE_MENU_SAVE = 3,
    MODE_MENU_LOAD = 4,
    MODE_CURRENT = 5,  // the current mode stays and is entered again
    MODE_MENU_CREDITS = 7,
    MODE_DESKTOP = 8,
    MODE_BACKDROP_TOOL = 9,  // developer mode; never switched to by number
    MODE_COUNT = 10,
};

// The game's input: forwards device events to the current mode, unless a fade blocks clicks.
class CInput : public CBaseInputManager {
public:
    explicit CInput(Game& game) : game_(game) {}
    void OnWheelForward() override;
    void OnWheelBack() override;
    void OnLeftButtonDown() override;
    void OnRightButtonDown() override;
    void OnKeyPressed(int scanCode) override;

    bool blocked = false;

private:
    Game& game_;
};

class Game {
public:
    using ModeFactory = std::function<std::unique_ptr<GUI_GameModeBase>()>;

    Game();
    ~Game();

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

    bool GameInitialise();
    void RunFrame();
    void SwitchGameMode(int number);
    void StartPlaying();
    // Loads a save by name from the save-game folder (or by path) and plays on from it; on a
    // damaged file the player is told which file and tag, and whatever was in play stays.
    bool LoadSavedGame(const std::string& nameOrPath, std::string* error = nullptr);
    void ToggleWindowed();
    void RebuildSurfaces();
    void Shutdown();
    void ShowLoadingProgress(float fraction);
    // Saves the frame being drawn once it is complete (F12).
    void RequestScreenshot() { screenshotRequested = true; }
    void SaveScreenshot();
    bool screenshotRequested = false;

    // The window's close request: the quit confirmation once the screens provide one.
    void RequestQuit();
    std::function<void()> openQuitConfirmation;

    // Each mode is created on first use and kept for the life of the process.
    void RegisterMode(int number, ModeFactory factory);
    GUI_GameModeBase* Mode(int number);

    void CreateUserFolders();
    void HandleWindowEvent(const SDL_Event& event);
    void OnFocusChanged(bool active);
    // Advances the fade and draws its overlay.
    void StepFade();

    CInput& Input() { return input_; }
    GameModeFade& Fade() { return fade_; }
    bool QuitPosted() const { return quitPosted_; }
    void SetClock(std::function<std::uint64_t()> clock);

private:
    void RunMessageLoop();
    void ApplyDisplaySettings();
    void LoadAllData();

    SDL_Window* window_ = nullptr;
    GUI_Sounds* sounds_ = nullptr;  // set once start-up has opened the sound service
    CInput input_;
    std::function<std::uint64_t()> clock_;
    GameModeFade fade_;
    std::array<ModeFactory, MODE_COUNT> factories_{};
    std::array<std::unique_ptr<GUI_GameModeBase>, MODE_COUNT> modes_{};
    bool dataLoaded_ = false;
    bool quitPosted_ = false;
    bool shutDown_ = false;
};

// The one application object, created on first use.
Game& GetGame();
