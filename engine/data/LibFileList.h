#pragma once
// File and folder services: listing by pattern, folder creation, opening documents.
#include <string>
#include <vector>

class LibFileList {
public:
    // Appends every entry (files and folders) whose name matches the pattern's last
    // component ("*" and "?" wildcards), sorted by name. With keepFolder the names carry the
    // pattern's folder ("data/configs/*.txt" gives "data/configs/x.txt").
    void FindFiles(const std::string& pattern);
    // As FindFiles, but only folders whose names do not begin with ".".
    void FindFolders(const std::string& pattern);
    void Clear();

    std::vector<std::string> names;
    std::string prefix;
    bool keepFolder = false;

private:
    void Find(const std::string& pattern, bool foldersOnly);
};

// Wildcard match of one name against a pattern with "*" and "?".
bool MatchesWildcard(const std::string& name, const std::string& pattern);

// Creates the folder (one level) when it does not exist; a failure is fatal.
void EnsureDirectoryExists(const std::string& path);

// Opens a file or address with the desktop's default program ("xdg-open").
bool OpenDocument(const std::string& pathOrAddress);
// Opens "mailto:address?subject=...&body=..." with the subject and body percent-encoded.
bool OpenMailLink(const std::string& address, const std::string& subject, const std::string& body);
std::string MailLink(const std::string& address, const std::string& subject, const std::string& body);
// The program OpenDocument starts; tests substitute a harmless one.
void SetOpenCommand(const std::string& program);

// Replaces the file's contents through a temporary file beside it and a rename, so a failed
// or interrupted write leaves the previous file intact. False when anything failed.
bool WriteFileReplacing(const std::string& path, const std::string& contents);
