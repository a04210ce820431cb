#include "LibDebugLog.h"

#include <sys/utsname.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

namespace {
std::FILE* gLog = nullptr;
std::string gLogPath = "./debugdata/debug.txt";

std::string SystemLine() {
    utsname name{};
    if (uname(&name) != 0) return "Unknown O/S build number : 0";
    return std::string(name.sysname) + " " + name.release + " detected";
}
}  // namespace

void SetDebugLogPath(const std::string& path) { gLogPath = path; }
const std::string& DebugLogPath() { return gLogPath; }

bool OpenDebugLog() {
    CloseDebugLog();
    std::error_code ec;
    const auto folder = std::filesystem::path(gLogPath).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, ec);
    gLog = std::fopen(gLogPath.c_str(), "w");
    if (!gLog) return false;
    WriteDebugLine("----DEBUG FILE----");
    WriteDebugLine(SystemLine());
    return true;
}

void WriteDebugLine(const std::string& text) {
    if (!gLog) return;
    std::fputs(text.c_str(), gLog);
    std::fputc('\n', gLog);
    std::fflush(gLog);
    WriteDebugOutput(text + "\n");
}

void CloseDebugLog() {
    if (!gLog) return;
    std::fputs("END DEBUG---\n", gLog);
    std::fclose(gLog);
    gLog = nullptr;
}

bool IsDebugLogOpen() { return gLog != nullptr; }

void WriteDebugOutput(const std::string& text) {
    static const bool toTerminal = isatty(STDERR_FILENO) != 0;
    if (toTerminal) std::fputs(text.c_str(), stderr);
}
