#include "Game.h"
#include "LibDebugLog.h"
#include "LibErrors.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

// A mode that records what the game asked of it.
struct RecordingMode : GUI_GameModeBase {
    std::vector<std::string>& calls;
    std::string name;
    bool desktop = false;
    RecordingMode(std::vector<std::string>& c, std::string n, bool d = false) : calls(c), name(std::move(n)), desktop(d) {}
    void OnEnter() override { calls.push_back(name + ":enter"); }
    void OnLeftButtonDown() override { calls.push_back(name + ":click"); }
    void OnRightButtonDown() override { calls.push_back(name + ":right"); }
    void OnKeyDown(int key) override { calls.push_back(name + ":key" + std::to_string(key)); }
    void OnWheelUp() override { calls.push_back(name + ":wheelup"); }
    void OnWheelDown() override { calls.push_back(name + ":wheeldown"); }
    bool IsDesktop() const override { return desktop; }
};

}  // namespace

class GameModes : public ::testing::Test {
protected:
    std::uint64_t now = 1000;
    std::vector<std::string> calls;
    int created = 0;
    Game game;

    // The clock moves on and a frame begins, which is when the game reads it.
    void Advance(std::uint64_t ms) {
        now += ms;
        game.BeginFrameClock();
    }
    void SetUp() override {
        game.SetClock([this] { return now; });
        game.BeginFrameClock();
        game.RegisterMode(MODE_MENU_MAIN, [this] {
            ++created;
            return std::make_unique<RecordingMode>(calls, "main");
        });
        game.RegisterMode(MODE_MENU_OPTIONS, [this] {
            ++created;
            return std::make_unique<RecordingMode>(calls, "options");
        });
        game.RegisterMode(MODE_DESKTOP, [this] { return std::make_unique<RecordingMode>(calls, "desktop", true); });
        game.currentMode = game.Mode(MODE_MENU_MAIN);
    }
    void Click() {
        game.Input().QueueMouse({MouseRecord::Button, 0, true});
        game.Input().Update();
        game.Input().QueueMouse({MouseRecord::Button, 0, false});
        game.Input().Update();
    }
};

TEST_F(GameModes, FadeTakes150MillisecondsThenEntersTheMode) {
    game.SwitchGameMode(MODE_MENU_OPTIONS);
    EXPECT_EQ(game.Fade().Step(), 0);
    Advance(75);
    EXPECT_EQ(game.Fade().Step(), 127);
    EXPECT_EQ(game.currentMode, game.Mode(MODE_MENU_MAIN));  // not before the fade ends
    Advance(74);
    EXPECT_EQ(game.Fade().Step(), 253);
    EXPECT_TRUE(calls.empty());
    Advance(1);
    EXPECT_EQ(game.Fade().Step(), 255);
    EXPECT_EQ(game.currentMode, game.Mode(MODE_MENU_OPTIONS));
    EXPECT_EQ(calls, (std::vector<std::string>{"options:enter"}));
    EXPECT_EQ(game.Fade().Step(), -1);  // idle again
    EXPECT_EQ(game.Fade().state(), GameModeFade::State::Idle);
}

TEST_F(GameModes, FadingInCountsDownWithoutAction) {
    game.Fade().Start(GameModeFade::State::FadingIn);
    EXPECT_EQ(game.Fade().Step(), 255);
    Advance(150);
    EXPECT_EQ(game.Fade().Step(), 0);
    EXPECT_FALSE(game.Input().blocked);
}

TEST_F(GameModes, ClicksDuringAFadeAreIgnored) {
    game.SwitchGameMode(MODE_MENU_OPTIONS);
    Click();
    game.Input().QueueKey(1, true);
    game.Input().Update();
    EXPECT_EQ(calls, (std::vector<std::string>{"main:key1"}));  // keys still reach the mode
    Advance(200);
    game.Fade().Step();
    Click();
    EXPECT_EQ(calls, (std::vector<std::string>{"main:key1", "options:enter", "options:click"}));
}

TEST_F(GameModes, ModeFiveEntersTheCurrentModeAgain) {
    game.SwitchGameMode(MODE_CURRENT);
    Advance(150);
    game.Fade().Step();
    EXPECT_EQ(game.currentMode, game.Mode(MODE_MENU_MAIN));
    EXPECT_EQ(calls, (std::vector<std::string>{"main:enter"}));
}

TEST_F(GameModes, ModesAreCreatedOnceAndKept) {
    GUI_GameModeBase* options = game.Mode(MODE_MENU_OPTIONS);
    for (int i = 0; i < 3; ++i) {
        game.SwitchGameMode(i % 2 ? MODE_MENU_MAIN : MODE_MENU_OPTIONS);
        Advance(150);
        game.Fade().Step();
    }
    EXPECT_EQ(created, 2);
    EXPECT_EQ(game.Mode(MODE_MENU_OPTIONS), options);
    EXPECT_EQ(game.Mode(6), nullptr);
    EXPECT_EQ(game.Mode(-1), nullptr);
    EXPECT_EQ(game.Mode(MODE_COUNT), nullptr);
}

TEST_F(GameModes, UnknownModeStaysAndIsReported) {
    game.SwitchGameMode(6);
    Advance(150);
    game.Fade().Step();
    EXPECT_EQ(game.currentMode, game.Mode(MODE_MENU_MAIN));
    EXPECT_FALSE(game.Input().blocked);
}

TEST_F(GameModes, RightClicksReachOnlyTheDesktop) {
    game.Input().QueueMouse({MouseRecord::Button, 1, true});
    game.Input().Update();
    game.currentMode = game.Mode(MODE_DESKTOP);
    game.Input().QueueMouse({MouseRecord::Button, 1, true});
    game.Input().Update();
    game.Input().QueueMouse({MouseRecord::Wheel, 120});
    game.Input().QueueMouse({MouseRecord::Wheel, -120});
    game.Input().Update();
    EXPECT_EQ(calls, (std::vector<std::string>{"desktop:right", "desktop:wheelup", "desktop:wheeldown"}));
}

TEST_F(GameModes, FocusLossStopsFramesAndRebuildsOnlyAfterStart) {
    TempDir dir;
    SetDebugLogPath(dir.path() + "/debug.txt");
    ASSERT_TRUE(OpenDebugLog());
    game.running = true;
    game.OnFocusChanged(false);
    EXPECT_FALSE(game.running);
    game.OnFocusChanged(true);
    EXPECT_TRUE(game.running);
    game.started = true;
    game.OnFocusChanged(false);
    game.OnFocusChanged(true);
    CloseDebugLog();
    SetDebugLogPath("./debugdata/debug.txt");
    const std::string log = ReadWholeFile(dir.path() + "/debug.txt");
    const auto first = log.find("Rebuild Surfaces");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(log.find("Rebuild Surfaces", first + 1), std::string::npos);  // once: only after start
}

TEST_F(GameModes, ShutdownPostsTheQuitOnce) {
    TempDir dir;
    SetDebugLogPath(dir.path() + "/debug.txt");
    ASSERT_TRUE(OpenDebugLog());
    game.running = true;
    game.Shutdown();
    EXPECT_FALSE(game.running);
    EXPECT_TRUE(game.QuitPosted());
    game.Shutdown();
    SetDebugLogPath("./debugdata/debug.txt");
    const std::string log = ReadWholeFile(dir.path() + "/debug.txt");
    EXPECT_EQ(log.find("END DEBUG---"), log.rfind("END DEBUG---"));
    EXPECT_NE(log.find("END DEBUG---"), std::string::npos);
}

class UserFolders : public ::testing::Test {
protected:
    TempDir home;
    std::string savedHome, savedConfig;
    void SetUp() override {
        savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
        savedConfig = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
        setenv("HOME", home.path().c_str(), 1);
        unsetenv("XDG_CONFIG_HOME");
    }
    void TearDown() override {
        setenv("HOME", savedHome.c_str(), 1);
        if (!savedConfig.empty()) setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1);
    }
};

TEST_F(UserFolders, CreatedInTheDocumentsFolder) {
    Game game;
    game.CreateUserFolders();
    const std::string base = home.path() + "/Documents/gigvale";
    EXPECT_EQ(game.userFolder, base);
    EXPECT_EQ(game.savegameFolder, base + "/savegames");
    for (const char* sub : {"", "/savegames", "/mods", "/mods/portraits_m", "/mods/portraits_f", "/mods/skins",
                            "/mods/avatars"})
        EXPECT_TRUE(std::filesystem::is_directory(base + sub)) << sub;
    game.CreateUserFolders();  // a second start finds them in place
}

TEST_F(UserFolders, FollowTheXdgDocumentsSetting) {
    home.Write(".config/user-dirs.dirs", "# comment\nXDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n");
    Game game;
    game.CreateUserFolders();
    EXPECT_EQ(game.userFolder, home.path() + "/Papers/gigvale");
    EXPECT_TRUE(std::filesystem::is_directory(home.path() + "/Papers/gigvale/mods/avatars"));
}

TEST_F(UserFolders, AFileInTheWayIsFatal) {
    home.Write("Documents/gigvale", "not a folder");
    home.Write("Documents/x", "");
    ThrowingErrorHandler handler;
    ErrorHandler* previous = SetErrorHandler(&handler);
    Game game;
    EXPECT_THROW(game.CreateUserFolders(), FatalErrorException);
    SetErrorHandler(previous);
}

// ---- Loading a saved game ----
TEST_F(GameModes, ADamagedSaveIsRefusedAndThePlayerStaysInTheMenu) {
    TempDir dir;
    const std::string path = dir.Write("broken.xml", "<xml>\n<header>\n");
    std::string error;
    ThrowingErrorHandler errors;
    ErrorHandler* previous = SetErrorHandler(&errors);
    EXPECT_FALSE(game.LoadSavedGame(path, &error));
    SetErrorHandler(previous);
    EXPECT_EQ(error, path + ": missing tag: version");
    Advance(150);
    game.Fade().Step();
    EXPECT_FALSE(game.inGame);
    EXPECT_EQ(game.currentMode, game.Mode(MODE_MENU_MAIN));
}
