#pragma once
// Save games: one text file of nested tags per save, "<name>.xml" in the save-game folder.
// Saving writes the whole simulation in a fixed section order through a temporary file, so a
// failed save never harms an earlier one; the load menu reads only a small summary block.
#include <ctime>
#include <functional>
#include <optional>
#include <string>

// The longest save name; longer names are refused before anything is written.
constexpr std::size_t kMaxSaveNameLength = 31;
// The name the weekly autosave writes under.
constexpr const char* kAutosaveName = "autosave";

void SetSaveGameFolder(const std::string& folder);
const std::string& SaveGameFolder();
// "<folder>/<name>.xml".
std::string SaveGamePath(const std::string& name);

// A name the player may save under: 1 to 31 characters, no "/", "\", "<" or control
// characters, no "..", and not starting with ".".
bool IsValidSaveName(const std::string& name);
// A name kept for the game's own saves: the autosave's, in any mix of upper and lower case. The
// player may not save under it, so the autosave never overwrites a save he named.
bool IsReservedSaveName(const std::string& name);

// The whole save file as text (what SaveGame writes). The summary's "date" is the time of
// saving, unless savedAt gives the text to keep (a save written again as it was).
std::string SaveGameText(const std::string& savedAt = {});
// Writes the player's save; on failure (a reserved or unsafe name, a failed write) the reason is
// in *error, the player is told through the screens' message, the previous file of that name is
// untouched and the game goes on.
bool SaveGame(const std::string& name, std::string* error = nullptr);
// The local time the "date" of the summary shows; tests fix it.
void SetSaveClock(std::function<std::time_t()> clock);

// What the load menu shows of a save.
struct SIM_SaveSummary {
    std::string avatarTexture;
    std::string bandName;
    float fame = 0.0f;
    float cash = 0.0f;
    std::string date;
};
class SIM_TagReader;
// Reads the summary's fields from the "load_data" block, leaving the reader after "date".
SIM_SaveSummary ReadSaveSummaryBlock(SIM_TagReader& reader);
// The summary of "<folder>/<name>.xml"; none (with the reason in *error) when the file is
// missing or damaged.
std::optional<SIM_SaveSummary> ReadSaveSummary(const std::string& name, std::string* error = nullptr);

// With the player's autosave option on and a save folder set, saves the game as kAutosaveName
// when a new game week begins (weekday 0); runs after the rest of the day cycle.
void AutosaveAfterDay();
// Adds the autosave after the day cycle's last step (register after the hints).
void RegisterAutosave();
