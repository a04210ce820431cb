#pragma once
// The band's repertoire: songs built from seven song elements, the element catalogue, the
// current and retired song lists and the rules gigs, rehearsals and the commenter read.
#include "SIM_SLIDBase.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class SIM_Album;
class SIM_Musician;

enum SIM_SongElementType : int { SONGELEMENT_MUSIC = 0, SONGELEMENT_LYRICS = 1 };

class SIM_SongElement {
public:
    SIM_SongElement();
    virtual ~SIM_SongElement();

    std::string name;   // the key songs, musicians and assets use
    std::string label;  // shown on puzzle pieces
    bool unlocked = false;
    SIM_Musician* bringer = nullptr;  // the member who brought it when he joined
    int type = SONGELEMENT_MUSIC;
    int postitColour = 0;  // 0..2, drawn at construction
    float strength = 0.0f;
};

// How one catalogue element suits one song; drawn when the song is created.
struct SIM_Suitability {
    std::string name;
    float suitability = 0.0f;
    int left = 0;
    int right = 0;
};

// Sections of a song, by slot.
enum SIM_SongSection : int {
    SECTION_INTRO = 0,
    SECTION_VERSE1,
    SECTION_CHORUS1,
    SECTION_VERSE2,
    SECTION_BRIDGE,
    SECTION_CHORUS2,
    SECTION_OUTRO,
    kSongSections
};

class SIM_Song : public SIM_SLIDBase {
public:
    SIM_Song();
    ~SIM_Song() override;

    std::array<SIM_SongElement*, kSongSections> elements{};
    std::string name = "Unknown Song";
    float quality = 0.0f;
    SIM_Album* album = nullptr;
    float initialInspiration = 0.0f;
    std::vector<SIM_Suitability> suitabilities;
    float boredom = 0.0f;
    std::string description;
    bool classic = false;
    bool cover = false;
};

// What the control panel's book-gig button shows; the bots ask the same.
struct SIM_BookGigAvailability {
    bool enabled = false;
    std::string tooltip;  // empty when enabled
};

// Where songs reach the parts built separately: the rehearsal readiness records and the
// control panel. Empty entries do nothing.
struct SIM_SongSeams {
    std::function<void(SIM_Song&)> songAdded;    // a new current song to rehearse
    std::function<void(SIM_Song&)> songRemoved;  // retired: no longer rehearsed
    std::function<void()> repertoireChanged;     // the book-gig and studio buttons follow
};
SIM_SongSeams& SongSeams();

// ---- Lists and globals ----
std::vector<std::unique_ptr<SIM_Song>>& CurrentSongs();
std::vector<std::unique_ptr<SIM_Song>>& RetiredSongs();
std::vector<std::unique_ptr<SIM_SongElement>>& SongElements();
int SongsRequiredForGig();
// Whether the current songs make a set long enough for a gig.
bool HasSongsForGig();
bool IsAlbumReady();
// Moves on whenever the current songs change (a song added, retired or destroyed, a new game),
// so a screen that lists them knows when to rebuild.
unsigned RepertoireRevision();
// The repertoire changed: the revision moves on and the seam's listener is told.
void NoteRepertoireChanged();

// A new song, appended to the current songs (the album-ready flag follows).
SIM_Song& AddCurrentSong();
// Destroys a song wherever it is held.
void DestroySong(SIM_Song* song);

// ---- Songs ----
SIM_Song& CreateSong(float inspiration);
void CreateInitialSongs();
void ResetSongs();
void BuildSuitabilities(SIM_Song& song);
void SetDefaultElements(SIM_Song& song);
void CalculateQuality(SIM_Song& song);
const SIM_Suitability* FindSuitability(const SIM_Song& song, const SIM_SongElement* element);
float GetSuitability(const SIM_Song& song, const SIM_SongElement* element);
void CheckClassic(SIM_Song& song);
void GenerateDescription(SIM_Song& song);
void AddBoredomToAll();
float AverageSongScore();
SIM_Song* MostBoredSong();
std::string RandomSongTitle();
void RetireSong(SIM_Song& song);
void UpdateAlbumReadyFlag();
// Enough songs and a full line-up; otherwise the reason as a tooltip key.
SIM_BookGigAvailability BookGigAvailability();

// ---- Song elements ----
void LoadSongElements(const std::string& path = "data/simulation/song_elements.csv");
SIM_SongElement* FindSongElement(const std::string& name);
// A member joins with his element: it enters the pool, remembering him when it was locked.
void SongElementJoins(SIM_SongElement& element, SIM_Musician* member);
// The member who brought an element leaves: it is locked again.
void SongElementLeaves(SIM_SongElement& element, SIM_Musician* member);
// Listening or watching: unlocked for good, so no departure locks it again.
void UnlockSongElementForGood(SIM_SongElement& element);

// Fills the world and people seams the songs own.
void RegisterSongs();
// Empties songs, elements and the song seams (tests, and before a new registration).
void ResetSongParts();
