#pragma once
// Albums of eight songs, the recording studios that make them, and the weekly record sales
// that pay the band for the rest of the game.
#include "SIM_SLIDBase.h"

#include <memory>
#include <string>
#include <vector>

class SIM_Song;

constexpr int kAlbumTracks = 8;

enum SIM_AlbumMode : int { ALBUM_IN_STUDIO = 0, ALBUM_RELEASED = 1 };

// The comments name each field's tag in the save file.
class SIM_Album : public SIM_SLIDBase {
public:
    SIM_Album() = default;
    ~SIM_Album() override = default;

    std::vector<SIM_Song*> tracks;           // "<tracks>", not owned, at most eight
    int mode = ALBUM_IN_STUDIO;              // "mode"
    std::string title;                       // "title"
    int weeksSinceRelease = 0;               // "weekssincerelease"
    float songQuality = 0.0f;                // "songqaulity" (so spelt in the file)
    float productionQuality = 0.0f;          // "productionquality"
    float productionCost = 0.0f;             // "productioncost"
    int daysInStudio = 0;                    // "daysinstudio"
    std::string coverTexture = "ass_cd.bmp"; // "covertexture"
    float royaltiesEarned = 0.0f;            // "royaltiesearned": what actually reached the band
    float totalEarned = 0.0f;                // "totalearned": the artist share of every copy sold
    int copiesSold = 0;                      // "copiessold"
};

// Every album ever made in this game, in creation order; the list owns them.
const std::vector<std::unique_ptr<SIM_Album>>& Albums();
int ReleasedAlbumCount();

// A new album in the studio (mode 0), appended to the list.
SIM_Album& CreateAlbum();
// An abandoned album: its songs are free again and it leaves the list.
void DestroyAlbum(SIM_Album* album);
// Appends a song and points it at the album. Refuses (false) a null song, a song already on
// an album and a ninth track.
bool AddTrack(SIM_Album* album, SIM_Song* song);
void RemoveTrack(SIM_Album& album, SIM_Song* song);
void ClearTracks(SIM_Album& album);
// The tracks' mean quality, 0 without tracks.
void UpdateSongQuality(SIM_Album& album);
// The best production quality the songs allow, however good the mix and the studio.
float QualityCap(const SIM_Album& album);
// Sells n copies and pays the band: everything without a deal, the royalty on what exceeds
// the production cost under one.
void SellCopies(SIM_Album& album, int copies);
// Weekly: every album ages a week and sells by its quality, the fame, the hype and its age.
void WeeklySales();
// The released album with the fewest weeks since release (first of equals), or null.
SIM_Album* LatestReleasedAlbum();

// ---- Studios ------------------------------------------------------------------------------
class SIM_RecordingStudio {
public:
    virtual ~SIM_RecordingStudio() = default;

    float cost = 0.0f;  // dollars per studio day
    std::string name;
    std::string description;
    float quality = 0.0f;
    std::string picture;
    float stress = 0.0f;  // what a studio day does to the band's stress
};

// Reads the catalogue only when no studio is loaded; a missing file leaves none.
void LoadStudios(const std::string& path = "data/simulation/record_studios.csv");
const std::vector<std::unique_ptr<SIM_RecordingStudio>>& Studios();
SIM_RecordingStudio* SelectedStudio();
void SelectStudio(SIM_RecordingStudio* studio);
// The company picks the studio with the highest quality (none when all are 0).
void SelectBestStudio();
// Without a deal the band pays: a studio it can no longer afford is deselected.
void DropUnaffordableStudio();
// For the save file's "<recordingstudio>": the selected studio's name, or "null".
std::string SelectedStudioSaveName();
// Restores that selection; an unknown name (or "null") selects none.
void RestoreSelectedStudio(const std::string& name);

// One studio day: the band pays unless it has a deal, relationships move, the cost goes on
// the album's bill and the band's stress rises. False (after an assertion) without an album
// or a studio.
bool RecordDay(SIM_Album* album, const SIM_RecordingStudio* studio);

// New game: no albums (the songs are freed first). The studios and their selection stay.
void ResetAlbums();
// Albums, studios and selection, for tests and the whole-simulation reset.
void ResetAlbumParts();
