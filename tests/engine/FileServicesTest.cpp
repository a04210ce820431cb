#include "LibDataFolder.h"
#include "LibDebugLog.h"
#include "LibErrors.h"
#include "LibFileList.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(FileList, FindsMatchesInSortedOrderWithOptionalFolder) {
    TempDir dir;
    for (const char* name : {"b.txt", "a.txt", "c.dat", "A.TXT", "sub.txt/x"}) dir.Write(name, "x");
    fs::create_directories(dir.path() + "/.hidden");
    fs::create_directories(dir.path() + "/folder");

    LibFileList list;
    list.FindFiles(dir.path() + "/*.txt");
    EXPECT_EQ(list.names, (std::vector<std::string>{"a.txt", "b.txt", "sub.txt"}));  // folders too; case matters

    list.Clear();
    list.keepFolder = true;
    list.FindFiles(dir.path() + "/?.*");
    EXPECT_EQ(list.names, (std::vector<std::string>{dir.path() + "/A.TXT", dir.path() + "/a.txt",
                                                    dir.path() + "/b.txt", dir.path() + "/c.dat"}));

    list.Clear();
    list.FindFolders(dir.path() + "/*");
    EXPECT_EQ(list.names, (std::vector<std::string>{dir.path() + "/folder", dir.path() + "/sub.txt"}));

    const std::size_t before = list.names.size();
    list.FindFiles(dir.path() + "/nothing/*.txt");
    EXPECT_EQ(list.names.size(), before);
}

TEST(DataFolder, FoundFromTheWorkingDirectoryTheRunFolderOrTheInstallation) {
    TempDir dir;
    for (const char* folder : {"run/data", "usr/share/gigvale"}) {
        dir.Write(std::string(folder) + "/config.txt", "x");
        dir.Write(std::string(folder) + "/strings.ini", "x");
    }
    dir.Write("half/data/config.txt", "x");  // no strings.ini: not the game's data
    const std::string root = fs::weakly_canonical(dir.path()).string();
    const fs::path workingDirectory = fs::current_path();
    const std::string logPath = DebugLogPath();
    std::string error;

    fs::current_path(dir.path());
    ASSERT_TRUE(LocateDataFolder(error, dir.path() + "/run/gigvale")) << error;
    EXPECT_FALSE(DataFolderIsShared());
    EXPECT_EQ(DataFile("data/strings.ini"), root + "/run/data/strings.ini");

    ASSERT_TRUE(LocateDataFolder(error, dir.path() + "/usr/bin/gigvale")) << error;
    EXPECT_TRUE(DataFolderIsShared());
    EXPECT_EQ(DataFolder(), root + "/usr/share/gigvale");
    EXPECT_EQ(DataFile("./data/sounds/cash.ogg"), root + "/usr/share/gigvale/sounds/cash.ogg");
    EXPECT_EQ(DataFile("data"), root + "/usr/share/gigvale");
    EXPECT_EQ(DataFile("database/x.txt"), "database/x.txt");
    EXPECT_EQ(DataFile("/home/player/data/x.txt"), "/home/player/data/x.txt");
    EXPECT_EQ(DebugLogPath().rfind(std::getenv("HOME"), 0), 0u) << DebugLogPath();

    EXPECT_FALSE(LocateDataFolder(error, dir.path() + "/half/gigvale"));
    EXPECT_NE(error.find(root + "/half/data"), std::string::npos) << error;
    EXPECT_NE(error.find(root + "/share/gigvale"), std::string::npos) << error;
    EXPECT_EQ(DataFolder(), "data");
    EXPECT_EQ(DataFile("data/x.txt"), "data/x.txt");

    // A run folder's data in the working directory comes first, whatever is installed.
    fs::current_path(dir.path() + "/run");
    ASSERT_TRUE(LocateDataFolder(error, dir.path() + "/usr/bin/gigvale")) << error;
    EXPECT_FALSE(DataFolderIsShared());
    EXPECT_EQ(DataFile("data/x.txt"), "data/x.txt");

    fs::current_path(workingDirectory);
    ResetDataFolder();
    SetDebugLogPath(logPath);
}

TEST(FileList, WildcardRules) {
    EXPECT_TRUE(MatchesWildcard("portrait_happy.jpg", "*_happy.jpg"));
    EXPECT_TRUE(MatchesWildcard("x", "*"));
    EXPECT_TRUE(MatchesWildcard("abc", "a*c"));
    EXPECT_TRUE(MatchesWildcard("ac", "a*c"));
    EXPECT_FALSE(MatchesWildcard("ab", "a*c"));
    EXPECT_TRUE(MatchesWildcard("a.b", "?.?"));
    EXPECT_FALSE(MatchesWildcard("a.bb", "?.?"));
    EXPECT_FALSE(MatchesWildcard("", "?"));
    // "*.*" lists every file, also those without an extension; ".*" still needs a dot elsewhere.
    EXPECT_TRUE(MatchesWildcard("README", "*.*"));
    EXPECT_TRUE(MatchesWildcard("face.jpg", "*.*"));
    EXPECT_TRUE(MatchesWildcard("face_01", "face*.*"));
    EXPECT_FALSE(MatchesWildcard("hand_01", "face*.*"));
    EXPECT_FALSE(MatchesWildcard("README", "*.txt"));
}

class WithHandler : public ::testing::Test {
protected:
    ThrowingErrorHandler handler;
    TempDir logDir;
    ErrorHandler* previous = nullptr;
    void SetUp() override {
        previous = SetErrorHandler(&handler);
        SetDebugLogPath(logDir.path() + "/debugdata/debug.txt");
        ASSERT_TRUE(OpenDebugLog());
    }
    void TearDown() override {
        CloseDebugLog();
        SetDebugLogPath("./debugdata/debug.txt");
        SetErrorHandler(previous);
    }
    std::string Log() const { return ReadWholeFile(logDir.path() + "/debugdata/debug.txt"); }
};

TEST_F(WithHandler, FoldersAreCreatedOneLevelAndFailuresAreFatal) {
    const std::string folder = logDir.path() + "/saves";
    EnsureDirectoryExists(folder);
    EnsureDirectoryExists(folder);  // existing: nothing happens
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_THROW(EnsureDirectoryExists(logDir.path() + "/missing/parent"), FatalErrorException);
    EXPECT_NE(Log().find("Failed to create folder " + logDir.path() + "/missing/parent"), std::string::npos);
}

TEST_F(WithHandler, AssertionsAreCountedLoggedAndGoOn) {
    const int before = AssertionCount();
    GAME_ASSERT(1 + 1 == 2);
    EXPECT_EQ(handler.assertions, 0);
    GAME_ASSERT(false);
    const int line = __LINE__ - 1;
    EXPECT_EQ(handler.assertions, 1);
    EXPECT_EQ(AssertionCount(), before + 1);
    const std::string expected = "Assertion failure:filename:tests/engine/FileServicesTest.cpp,linenum:" +
                                 std::to_string(line) + ",build:1.17";
    EXPECT_EQ(handler.lastAssert, expected);
    EXPECT_NE(Log().find(expected + "\n"), std::string::npos);
}

TEST_F(WithHandler, ReportedAndFatalErrorsAreLogged) {
    ReportError("SIM_Band.cpp", "Band value not found", 42);
    EXPECT_NE(Log().find("SIM_Band.cpp:Band value not found 42\n"), std::string::npos);
    EXPECT_THROW(FATAL_ERROR("Hook not found: x"), FatalErrorException);
    EXPECT_NE(Log().find("FileServicesTest.cpp:Hook not found: x"), std::string::npos);
}

TEST(DebugLog, HeaderLinesAndClosing) {
    TempDir dir;
    SetDebugLogPath(dir.path() + "/debugdata/debug.txt");
    WriteDebugLine("before opening");  // dropped: the log is closed
    ASSERT_TRUE(OpenDebugLog());
    EXPECT_TRUE(IsDebugLogOpen());
    WriteDebugLine("Rebuild Surfaces");
    CloseDebugLog();
    WriteDebugLine("after closing");
    SetDebugLogPath("./debugdata/debug.txt");
    const std::string log = ReadWholeFile(dir.path() + "/debugdata/debug.txt");
    EXPECT_EQ(log.rfind("----DEBUG FILE----\n", 0), 0u);
    EXPECT_NE(log.find(" detected\n"), std::string::npos);
    EXPECT_NE(log.find("Rebuild Surfaces\nEND DEBUG---\n"), std::string::npos);
    EXPECT_EQ(log.find("before opening"), std::string::npos);
    EXPECT_EQ(log.find("after closing"), std::string::npos);
}

TEST(OpenDocument, MailLinksAreEncodedAndNeverReachAShell) {
    EXPECT_EQ(MailLink("dev@example.org", "bugreport", "a b&c=d;$(rm)"),
              "mailto:dev@example.org?subject=bugreport&body=a%20b%26c%3Dd%3B%24%28rm%29");
    TempDir dir;
    // A stand-in for xdg-open that records its single argument.
    const std::string recorder = dir.Write("open.sh", "#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/arg\"\n");
    fs::permissions(recorder, fs::perms::owner_all);
    SetOpenCommand(recorder);
    EXPECT_TRUE(OpenDocument("file name; touch hacked"));
    EXPECT_EQ(ReadWholeFile(dir.path() + "/arg"), "file name; touch hacked");
    EXPECT_FALSE(fs::exists("hacked"));
    SetOpenCommand("/bin/false");
    EXPECT_FALSE(OpenMailLink("a@b", "s", "b"));
    SetOpenCommand(dir.path() + "/no-such-program");
    EXPECT_FALSE(OpenDocument("x"));
    SetOpenCommand("xdg-open");
}
