#include "Game.h"

#include "GHashTable.h"
#include "FrameRecord.h"
#include "GUIButtonsList.h"
#include "GUI_Dialog.h"
#include "GUI_GUI.h"
#include "GUI_MenuCredits.h"
#include "GUI_MenuLoad.h"
#include "GUI_MenuMain.h"
#include "GUI_MenuNew.h"
#include "GUI_MenuOptions.h"
#include "GUI_MenuSave.h"
#include "GUI_Particles.h"
#include "GUI_Screens.h"
#include "GUI_Stage.h"
#include "GUI_WindowBase.h"
#include "SIM_Finances.h"
#include "GUI_Sounds.h"
#include "LibConfigSection.h"
#include "LibDataFolder.h"
#include "LibDebugLog.h"
#include "LibErrors.h"
#include "LibFileList.h"
#include "LibFont.h"
#include "LibRandom.h"
#include "LibString.h"
#include "MessageBoxes.h"
#include "Platform.h"
#include "Renderer.h"
#include "SIM_Album.h"
#include "SIM_Asset.h"
#include "SIM_Rehearsal.h"
#include "SIM_Relaxation.h"
#include "SIM_Date.h"
#include "SIM_Hints.h"
#include "SIM_IconLayout.h"
#include "SIM_PlayerOptions.h"
#include "SIM_SaveGame.h"
#include "SIM_LoadGame.h"
#include "SIM_Names.h"
#include "SIM_People.h"
#include "SIM_Personality.h"
#include "SIM_SIM.h"
#include "SIM_Screens.h"
#include "SIM_Song.h"
#include "SIM_Venue.h"
#include "Sprites.h"
#include "Tool_Backdrop.h"

#include <SDL.h>

#include <algorithm>
#include <csignal>
#include <filesystem>

namespace {
volatile std::sig_atomic_t gTerminateRequested = 0;
void OnTerminateSignal(int) { gTerminateRequested = 1; }

void InstallSignalHandlers() {
    struct sigaction action {};
    action.sa_handler = OnTerminateSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}
}  // namespace

Game& GetGame() {
    static Game game;
    return game;
}

Game::Game()
    : buildLabel(kBuildLabel), input_(*this), clock_(MillisecondClock), fade_([this] { return frameNow_; }, input_.blocked) {
    input_.SetClock([this] { return frameNow_; });
    RegisterMode(MODE_MENU_MAIN, [] { return std::make_unique<GUI_MenuMain>(); });
    RegisterMode(MODE_MENU_OPTIONS, [] { return std::make_unique<GUI_MenuOptions>(); });
    RegisterMode(MODE_MENU_NEW, [] { return std::make_unique<GUI_MenuNew>(); });
    RegisterMode(MODE_MENU_SAVE, [] { return std::make_unique<GUI_MenuSave>(); });
    RegisterMode(MODE_MENU_LOAD, [] { return std::make_unique<GUI_MenuLoad>(); });
    RegisterMode(MODE_MENU_CREDITS, [] { return std::make_unique<GUI_MenuCredits>(); });
    RegisterMode(MODE_DESKTOP, [] { return std::make_unique<GUI_GUI>(); });
    RegisterMode(MODE_BACKDROP_TOOL, [] { return std::make_unique<Tool_Backdrop>(); });
    SetShell(this);
}

Game::~Game() {
    // Windows refer to the modes' objects and the simulation: they go first.
    WindowList().CloseAll();
    FlushDeferredDeletes();
    if (&Shell() == this) SetShell(nullptr);
}

GUI_GUI& Game::Desktop() { return *static_cast<GUI_GUI*>(Mode(MODE_DESKTOP)); }

int Game::CurrentModeNumber() const {
    for (int number = 0; number < MODE_COUNT; ++number)
        if (modes_[static_cast<std::size_t>(number)] && modes_[static_cast<std::size_t>(number)].get() == currentMode)
            return number;
    return MODE_COUNT;
}

void Game::SetClock(std::function<std::uint64_t()> clock) { clock_ = std::move(clock); }

void Game::RegisterMode(int number, ModeFactory factory) {
    if (number >= 0 && number < MODE_COUNT) factories_[static_cast<std::size_t>(number)] = std::move(factory);
}

GUI_GameModeBase* Game::Mode(int number) {
    if (number < 0 || number >= MODE_COUNT) return nullptr;
    auto& mode = modes_[static_cast<std::size_t>(number)];
    if (!mode && factories_[static_cast<std::size_t>(number)]) mode = factories_[static_cast<std::size_t>(number)]();
    return mode.get();
}

bool Game::Start() {
    if (!PlatformStartup()) {
        ShowMessageBox("ERROR", std::string("Failed to start the display: ") + SDL_GetError());
        return false;
    }
    window_ = CreateGameWindow();
    if (!window_) {
        ShowMessageBox("Failed to CreateWindow", SDL_GetError());
        PlatformShutdown();
        return false;
    }
    // The game draws its own pointer, so there is always exactly one.
    SDL_ShowCursor(SDL_DISABLE);
    SetDialogParent(window_);
    static DialogErrorHandler dialogs;
    SetErrorHandler(&dialogs);
    BeginFrameClock();
    session_.clock = frameNow_;
    session_.wallClock = wallClockOverride.value_or(std::time(nullptr));
    // Saves are stamped with the session's time of day moved on by the game's own clock.
    SetSaveClock([this] { return session_.wallClock + static_cast<std::time_t>((frameNow_ - session_.clock) / 1000); });
    running = GameInitialise();
    started = running;
    if (!running) return false;
    // The session's random numbers begin with its first frame, whatever loading drew.
    SeedRandom(session_.seed);
    if (replay_.Recording()) {
        dialogs.replayNote = "This session's input is kept in " + replay_.ScriptPath() +
                             " (\"gigvale-tool play-script\" plays it again).";
        dialogs.beforeReport = [this] { replay_.Flush(); };
    }
    return true;
}

int Game::Run() {
    InstallSignalHandlers();
    if (Start()) RunMessageLoop();
    else if (!window_) return 0;
    PlatformShutdown();
    return 0;
}

void Game::PumpEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) HandleWindowEvent(event);
}

void Game::RunMessageLoop() {
    for (;;) {
        if (gTerminateRequested) {
            Shutdown();
            return;
        }
        if (quitPosted_) return;
        SDL_Event event;
        if (SDL_PollEvent(&event)) {
            HandleWindowEvent(event);
        } else if (running) {
            RunFrame();
        } else {
            SleepMilliseconds(1);
        }
    }
}

bool Game::GameInitialise() {
    scale = 1.0f;
    OpenDebugLog();
    CreateUserFolders();
    // A session that cannot keep its replay still plays.
    if (replay_.Begin(userFolder)) input_.SetTap(&replay_);
    else WriteDebugLine("No replay of this session: " + userFolder + "/" + GameReplayRecorder::kLastSession);
    ApplyDisplaySettings();
    if (!Renderer().IsReady()) return false;
    LoadGameFonts();
    ShowLoadingProgress(0.0f);
    sounds_ = &Sounds();  // opens the audio device; a failure is reported and the game stays silent
    // The player's volumes and music switch, read each time the service applies them.
    sounds_->SetSettingsSource([] {
        const SIM_PlayerOptions& options = PlayerOptions();
        return SoundSettings{options.masterVolume, options.musicVolume, options.musicOn};
    });
    input_.Create(Renderer().IsWindowed(), frameNow_);
    // Typed text only while a text field has the keyboard.
    CBaseInputManager::SetTextInput(false);
    input_.SetScreenSize(Renderer().ScreenWidth(), Renderer().ScreenHeight());
    // Player files: options first (the mouse speed), then hints and the icon layout.
    LoadPlayerOptions(userFolder);
    input_.SetMouseSpeed(PlayerOptions().mouseSpeed);
    LoadHints(userFolder);
    LoadIconPositions(userFolder);
    ShowLoadingProgress(0.25f);
    LoadAllData();
    ShowLoadingProgress(0.5f);
    SetScreens(&GameScreens());
    Desktop().SetUp(userFolder);
    ShowLoadingProgress(1.0f);
    inGame = false;
    frameSleep = static_cast<int>(GetTuningValue("SLEEP_DURATION"));
    currentMode = Mode(MODE_MENU_MAIN);
    if (GetTuningValue("CHEAT_BACKDROPTOOL") != 0.0f) {
        if (GUI_GameModeBase* tool = Mode(MODE_BACKDROP_TOOL)) currentMode = tool;
        else WriteDebugLine("Backdrop tool is not available in this build");
    }
    return true;
}

void Game::CreateUserFolders() {
    const std::string documents = DocumentsFolder();
    if (documents.empty()) FatalError(__FILE__, "Could not find the user's documents folder", __LINE__);
    // A fresh account may have no documents folder yet.
    std::error_code ec;
    std::filesystem::create_directories(documents, ec);
    userFolder = documents + "/gigvale";
    savegameFolder = userFolder + "/savegames";
    for (const std::string& folder : {userFolder, savegameFolder, userFolder + "/mods",
                                      userFolder + "/mods/portraits_m", userFolder + "/mods/portraits_f",
                                      userFolder + "/mods/skins", userFolder + "/mods/avatars"})
        EnsureDirectoryExists(folder);
    // An installed game's data folder is read-only: the display settings it writes back live with
    // the player's files, starting from the shipped ones.
    if (DataFolderIsShared()) {
        const std::string settings = userFolder + "/config.muf";
        if (!std::filesystem::exists(settings, ec)) std::filesystem::copy_file(DataFile("data/config.muf"), settings, ec);
        SetDisplaySettingsFile(settings);
    }
}

void Game::ApplyDisplaySettings() {
    LibConfigSection preferences;
    preferences.Load("pref", DisplaySettingsFile());
    const int depth = static_cast<int>(preferences.GetFloat("ColorDepth", 0.0f));
    // A 768-line screen always runs full screen.
    if (DesktopHeight() == 768) WriteProfileString("config", "IsWindowed", "0", DisplaySettingsFile());
    Renderer().Initialise(window_, kScreenWidth, kScreenHeight, depth, false);
    scale = 1.0f;
    Renderer().ClearTextureFolders();
    Renderer().AddTextureFolder("data/bitmaps");
    Renderer().AddTextureFolder(userFolder);
}

void Game::LoadAllData() {
    if (dataLoaded_) return;
    RegisterSimulationParts();
    RegisterHints();
    RegisterAutosave();
    SetSaveGameFolder(savegameFolder);
    GetPortraitDatabase().userFolder = userFolder;

    LoadTuningTable();
    // Each session's first career must differ from the last one's.
    session_.seed = seedOverride.value_or(EntropySeed());
    SeedRandom(session_.seed);
    GetSIMDate().LoadMonthNames();
    GetNames().LoadNames();
    LoadRehearsalVenues();
    ShowLoadingProgress(0.35f);
    LoadVenues();
    LoadRelaxVenues();
    LoadPersonalities();
    ShowLoadingProgress(0.4f);
    LoadStudios();
    dataLoaded_ = true;
    GetSIM().loaded = true;
}

void Game::ShowLoadingProgress(float fraction) {
    WriteDebugLine(FormatText("Loading progress %.2f", static_cast<double>(fraction)));
    GRenderer& renderer = Renderer();
    if (!renderer.IsReady()) return;
    renderer.BeginFrame();
    renderer.DrawTexture("leather.jpg", 0.0f, 0.0f, renderer.ScreenWidth(), renderer.ScreenHeight());
    constexpr float kBarX = 262.0f, kBarY = 620.0f, kBarW = 500.0f, kBarH = 32.0f;
    const float filled = kBarW * std::clamp(fraction, 0.0f, 1.0f);
    renderer.FillRect(kBarX - 2.0f, kBarY - 2.0f, kBarW + 4.0f, kBarH + 4.0f, 0xC0100804);
    if (renderer.FindTexture("progbar.bmp"))
        renderer.DrawTexture("progbar.bmp", kBarX, kBarY, filled, kBarH, GUVRect{0.0f, 0.0f, fraction, 1.0f});
    else
        renderer.FillRect(kBarX, kBarY, filled, kBarH, 0xFFD89A2C);
    renderer.EndFrame();
    SleepMilliseconds(1);
}

void Game::RunFrame() {
    BeginFrameClock();
    replay_.Frame(frameNow_, session_);
    Renderer().BeginFrame();
    input_.Update();
    if (!running) {
        Shutdown();
        return;
    }
    if (currentMode) {
        currentMode->Update();
        currentMode->Draw();
    }
    StepFade();
    DrawCursor();
    // Music moves on in the menus as well as on the desktop.
    if (sounds_) sounds_->Update();
    FontManager().ResetFrame();
    FrameRecorder().EndFrame();
    // Nothing refers to the windows closed during the frame any more.
    FlushDeferredDeletes();
    Renderer().EndFrame();
    if (screenshotRequested) SaveScreenshot();
    SleepMilliseconds(static_cast<std::uint32_t>(frameSleep > 0 ? frameSleep : 0));
}

void Game::DrawCursor() {
    constexpr float kCursorSize = 32.0f;
    Renderer().DrawTexture("cursor.dds", input_.x, input_.y, kCursorSize, kCursorSize);
}

void Game::StepFade() {
    const int alpha = fade_.Step();
    if (alpha > 0)
        Renderer().FillRect(0.0f, 0.0f, Renderer().ScreenWidth(), Renderer().ScreenHeight(),
                            static_cast<std::uint32_t>(alpha) << 24);
}

void Game::StartFade(bool fadeOut, std::function<void()> endAction) {
    fade_.Start(fadeOut ? GameModeFade::State::FadingOut : GameModeFade::State::FadingIn, std::move(endAction));
}

void Game::SwitchGameMode(int number) {
    fade_.Start(GameModeFade::State::FadingOut, [this, number] {
        if (number != MODE_CURRENT) {
            if (GUI_GameModeBase* next = Mode(number)) currentMode = next;
            else ReportError(__FILE__, "No game mode " + std::to_string(number), __LINE__);
        }
        if (currentMode) currentMode->OnEnter();
    });
}

void Game::LeaveGame() {
    inGame = false;
    SwitchGameMode(MODE_MENU_MAIN);
}

void Game::StartPlaying() {
    GetSIM().ResetForNewGame();
    EnterGame();
}

void Game::EnterGame() {
    Desktop().Reset();
    SwitchGameMode(MODE_DESKTOP);
    inGame = true;
}

// ---- Loading a saved game ----
bool Game::LoadSavedGame(const std::string& nameOrPath, std::string* error) {
    std::string reason;
    if (!LoadGame(nameOrPath, &reason)) {
        std::string text = Translate("LOADGAME_FAILED_TEXT");
        ReplaceToken(text, "<REASON>", reason);
        Screens().ShowMessage(Translate("LOADGAME_FAILED_TITLE"), text);
        if (error) *error = reason;
        return false;
    }
    EnterGame();
    return true;
}
// ---- end of loading a saved game ----

void Game::ToggleWindowed() {
    if (busy) return;
    LibConfigSection config;
    config.Load("config", DisplaySettingsFile());
    const bool windowedNow = static_cast<int>(config.GetFloat("IsWindowed", 0.0f)) == 1;
    WriteProfileInt("config", "IsWindowed", windowedNow ? 0 : 1, DisplaySettingsFile());
    Renderer().Release();
    FontManager().ClearFonts();
    ApplyDisplaySettings();
    input_.Create(Renderer().IsWindowed(), frameNow_);
    RebuildSurfaces();
}

void Game::RebuildSurfaces() {
    WriteDebugLine("Rebuild Surfaces");
    Renderer().ReloadTextures();
    LoadGameFonts();
    GVertexBuffer::RecreateAll();
    GUI_Stage::RebuildAll();
}

// F12: the next finished frame goes to "screenshots" in the user folder, under the first
// free number.
void Game::SaveScreenshot() {
    screenshotRequested = false;
    const std::string folder = userFolder + "/screenshots";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    for (int number = 1; number < 100000; ++number) {
        const std::string path = FormatText("%s/screenshot%04d.png", folder.c_str(), number);
        if (std::filesystem::exists(path, ec)) continue;
        if (Renderer().SaveFramePNG(path)) WriteDebugLine("Screenshot saved: " + path);
        else ReportError(__FILE__, "Could not save the screenshot " + path, __LINE__);
        return;
    }
}

void Game::RequestQuit() {
    replay_.QuitRequested();
    if (window_) SDL_RaiseWindow(window_);
    // Closing the window must not lose the career since the last save without asking.
    if (inGame) GUI_MenuMain::AskQuit();
    else Shutdown();
}

void Game::OnFocusChanged(bool active) {
    if (active) {
        running = true;
        if (started) {
            WriteDebugOutput("WM_ACTIVATEAPP - Application regained focus\n");
            RebuildSurfaces();
        }
    } else {
        running = false;
        WriteDebugOutput("WM_ACTIVATEAPP - Application Lost focus\n");
    }
}

void Game::HandleWindowEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:
            RequestQuit();
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) OnFocusChanged(true);
            else if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) OnFocusChanged(false);
            break;
        case SDL_RENDER_TARGETS_RESET:
        case SDL_RENDER_DEVICE_RESET:
            RebuildSurfaces();
            break;
        default:
            input_.QueueEvent(event);
            break;
    }
}

void Game::Shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    replay_.End();
    WindowList().CloseAll();
    FlushDeferredDeletes();
    SetScreens(nullptr);
    if (!PlayerOptions().path.empty()) SavePlayerOptions();
    ClearTranslations();
    TuningTable().Clear();
    GUI_ParticleConfig::Release();
    if (sounds_) sounds_->StopMusic();
    Renderer().Release();
    CloseDebugLog();
    running = false;
    quitPosted_ = true;
}
