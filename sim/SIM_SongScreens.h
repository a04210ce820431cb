#pragma once
// What the song list and the song details show and do, so the screens only draw: the list's
// rows with their colours and placeholders, the details' lines and the rules of the improve and
// retire buttons; and the control panel's write-song sequence, which the headless player shares.
#include <cstdint>
#include <string>
#include <vector>

class SIM_Song;
class SIM_SongPuzzle;

constexpr const char* kClassicSongPicture = "classic_song.jpg";

// ---- The song list ------------------------------------------------------------------------
// Rows of songs the band is tired of stand out from the others.
constexpr float kBoredSongThreshold = 0.2f;
constexpr std::uint32_t kFreshSongColour = 0xFFFFFFFF;
constexpr std::uint32_t kBoredSongColour = 0xFFFFA6A6;  // (255, 166, 166)
// White up to the threshold, pink above it.
std::uint32_t SongRowColour(float boredom);

struct SIM_SongRow {
    SIM_Song* song = nullptr;  // none for a placeholder of a song still to be written
    std::string text;          // the song's full name, or the placeholder's translated text
    std::uint32_t colour = kFreshSongColour;
    bool classic = false;  // shows kClassicSongPicture
};
// One row per current song in repertoire order, then placeholders up to the songs a gig needs.
std::vector<SIM_SongRow> SongListRows();

// ---- The song details ---------------------------------------------------------------------
struct SIM_SongDetailLine {
    std::string label;  // translated
    std::string value;
};

// A button's state and the tooltip key that explains it.
struct SIM_SongButtonState {
    bool enabled = false;
    std::string tooltipKey;
};

struct SIM_SongDetailsView {
    std::string name;
    // Elements, quality, boredom and the inspiration the song was started with, in that order.
    std::vector<SIM_SongDetailLine> lines;
    std::string writer;  // who wrote it: somebody else for a cover, the band otherwise
    std::string description;
    std::string picture;  // kClassicSongPicture for a classic, else empty
    SIM_SongButtonState improve;
    SIM_SongButtonState retire;
};
SIM_SongDetailsView SongDetails(const SIM_Song& song);
// Whether the song is one of the current songs (the details of a song gone must close).
bool IsCurrentSong(const SIM_Song* song);

// Opening the details offers their hint.
void OpenSongDetails(const SIM_Song& song);
// The retire button: the song leaves the set for good. False, with nothing changed, for a
// classic or a song that is no longer current.
bool RetireSongFromDetails(SIM_Song& song);
// The improve button: the puzzle opens on the song as an existing one. Null, with nothing
// changed, for a classic, a cover or a song that is no longer current.
SIM_SongPuzzle* ImproveSongFromDetails(SIM_Song& song);

// ---- Writing a song -----------------------------------------------------------------------
// The control panel's write-song button: a new current song from the player's inspiration now,
// named at random, with the puzzle opened on it as a new song.
SIM_SongPuzzle& WriteNewSong();
