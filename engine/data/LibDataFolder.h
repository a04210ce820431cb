#pragma once
// Where the game's data lies. Paths in the code stay "data/..."; the file services map them onto
// the folder found here, so the same game runs from its run folder and from an installation.
#include <string>

// Finds the data folder for the executable at the given path (empty: /proc/self/exe), in order:
// "data" in the working directory (the run folder), "data" beside the executable (a run folder
// started from elsewhere), "../share/gigvale" from the executable's folder (an installation).
// False with the places looked at in `error` when none holds the game's data.
bool LocateDataFolder(std::string& error, const std::string& executable = {});
// The folder found, "data" until one is.
const std::string& DataFolder();
// True for an installed, read-only data folder: what the game writes goes to the user's folders
// (the debug log to $XDG_STATE_HOME/gigvale, set by LocateDataFolder).
bool DataFolderIsShared();
// The file a "data/..." (or "./data/...") path names; any other path is returned as it is.
std::string DataFile(const std::string& path);
// Back to "data" in the working directory; for tests.
void ResetDataFolder();
