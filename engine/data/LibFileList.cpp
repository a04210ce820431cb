#include "LibFileList.h"

#include "LibDataFolder.h"
#include "LibDebugLog.h"
#include "LibErrors.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

extern char** environ;

namespace fs = std::filesystem;

namespace {
std::string gOpenCommand = "xdg-open";

bool MatchFrom(const char* name, const char* pattern) {
    for (;; ++name, ++pattern) {
        if (*pattern == '*') {
            while (*pattern == '*') ++pattern;
            if (!*pattern) return true;
            for (; *name; ++name)
                if (MatchFrom(name, pattern)) return true;
            return false;
        }
        if (!*name) return !*pattern;
        if (*pattern != '?' && *pattern != *name) return false;
    }
}
}  // namespace

bool MatchesWildcard(const std::string& name, const std::string& pattern) {
    if (MatchFrom(name.c_str(), pattern.c_str())) return true;
    // "*.*" means every file: a name without an extension matches as if the ".*" were absent.
    const bool anyExtension = pattern.size() >= 2 && pattern.compare(pattern.size() - 2, 2, ".*") == 0;
    if (!anyExtension || name.find('.') != std::string::npos) return false;
    return MatchFrom(name.c_str(), pattern.substr(0, pattern.size() - 2).c_str());
}

void LibFileList::Find(const std::string& pattern, bool foldersOnly) {
    const std::size_t slash = pattern.find_last_of('/');
    // The folder part of the pattern ("data/configs/" for "data/configs/*.txt").
    if (keepFolder) prefix = slash == std::string::npos ? std::string() : pattern.substr(0, slash + 1);
    const std::string folder = slash == std::string::npos ? "." : pattern.substr(0, slash + (slash == 0 ? 1 : 0));
    const std::string namePattern = slash == std::string::npos ? pattern : pattern.substr(slash + 1);

    std::vector<std::string> found;
    std::error_code ec;
    for (fs::directory_iterator it(DataFile(folder), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!MatchesWildcard(name, namePattern)) continue;
        if (foldersOnly && (name[0] == '.' || !it->is_directory(ec))) continue;
        found.push_back(name);
    }
    // Directory order differs between file systems; a sorted list keeps the game repeatable.
    std::sort(found.begin(), found.end());
    for (const std::string& name : found) names.push_back(prefix + name);
}

void LibFileList::FindFiles(const std::string& pattern) { Find(pattern, false); }
void LibFileList::FindFolders(const std::string& pattern) { Find(pattern, true); }

void LibFileList::Clear() {
    names.clear();
    prefix.clear();
}

void EnsureDirectoryExists(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) == 0) return;
    if (mkdir(path.c_str(), 0755) == 0) return;
    const int code = errno;
    FatalErrorWithCode("Failed to create folder " + path + ": " + std::strerror(code), code);
}

void SetOpenCommand(const std::string& program) { gOpenCommand = program; }

bool OpenDocument(const std::string& pathOrAddress) {
    // Started without a shell, so nothing in the address is ever interpreted as a command.
    pid_t child = 0;
    std::string program = gOpenCommand;
    std::string argument = pathOrAddress;
    char* argv[] = {program.data(), argument.data(), nullptr};
    const int result = posix_spawnp(&child, program.c_str(), nullptr, nullptr, argv, environ);
    if (result != 0) {
        WriteDebugLine(std::string("Failed to open ") + pathOrAddress + ": " + std::strerror(result));
        return false;
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        WriteDebugLine("Failed to open " + pathOrAddress + ": " + gOpenCommand + " reported a failure");
        return false;
    }
    return true;
}

namespace {
std::string PercentEncode(const std::string& text) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if (std::isalnum(c) || c == '-' || c == '_' || c == '.' || c == '~') {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}
}  // namespace

std::string MailLink(const std::string& address, const std::string& subject, const std::string& body) {
    return "mailto:" + address + "?subject=" + PercentEncode(subject) + "&body=" + PercentEncode(body);
}

bool OpenMailLink(const std::string& address, const std::string& subject, const std::string& body) {
    return OpenDocument(MailLink(address, subject, body));
}

bool WriteFileReplacing(const std::string& path, const std::string& contents) {
    const std::string temporary = path + ".tmp";
    bool written = false;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (out) {
            out << contents;
            out.flush();
            written = static_cast<bool>(out);
        }
    }
    std::error_code ec;
    if (written) std::filesystem::rename(temporary, path, ec);
    if (written && !ec) return true;
    std::filesystem::remove(temporary, ec);
    return false;
}
