#include "LibDataFolder.h"

#include "LibDebugLog.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {
const std::string kRunFolderData = "data";
std::string gFolder = kRunFolderData;
bool gShared = false;

// The tuning table is the one file every part of the game reads.
bool HoldsGameData(const fs::path& folder) {
    std::error_code ec;
    return fs::is_regular_file(folder / "config.txt", ec) && fs::is_regular_file(folder / "strings.ini", ec);
}
// Logs of an installed game go to the XDG state folder, else ~/.local/state.
void LogIntoStateFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    const char* home = std::getenv("HOME");
    if (state && *state == '/') SetDebugLogPath(std::string(state) + "/gigvale/debug.txt");
    else if (home && *home) SetDebugLogPath(std::string(home) + "/.local/state/gigvale/debug.txt");
}
}  // namespace

bool LocateDataFolder(std::string& error, const std::string& executable) {
    ResetDataFolder();
    if (HoldsGameData(kRunFolderData)) return true;
    std::error_code ec;
    fs::path exe = executable.empty() ? fs::read_symlink("/proc/self/exe", ec) : fs::path(executable);
    if (!ec) exe = fs::weakly_canonical(fs::absolute(exe, ec), ec);
    if (ec || exe.empty()) {
        error = "Cannot tell where the game's executable lies, so its data folder cannot be found";
        return false;
    }
    const fs::path beside = exe.parent_path() / "data";
    const fs::path installed = (exe.parent_path().parent_path() / "share" / "gigvale").lexically_normal();
    if (HoldsGameData(beside)) {
        gFolder = beside.string();
    } else if (HoldsGameData(installed)) {
        gFolder = installed.string();
        gShared = true;
        LogIntoStateFolder();
    } else {
        error = "The game's data folder was not found: looked for config.txt and strings.ini in " +
                fs::absolute(kRunFolderData, ec).string() + ", " + beside.string() + " and " + installed.string();
        return false;
    }
    return true;
}

const std::string& DataFolder() { return gFolder; }
bool DataFolderIsShared() { return gShared; }

std::string DataFile(const std::string& path) {
    if (gFolder == kRunFolderData) return path;
    const std::size_t skip = path.rfind("./data", 0) == 0 ? 6 : path.rfind("data", 0) == 0 ? 4 : 0;
    if (skip == 0 || (path.size() > skip && path[skip] != '/')) return path;
    return gFolder + path.substr(skip);
}

void ResetDataFolder() {
    gFolder = kRunFolderData;
    gShared = false;
}
