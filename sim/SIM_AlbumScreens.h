#pragma once
// What the album screens show and do, so the screens only draw: the new-album screen with its
// track and available lists, the studio selector, the mixing desk and the record company's
// offer. One of each is open at a time; the screens reach the open one through its accessor.
#include <array>
#include <memory>
#include <string>
#include <vector>

class SIM_Album;
class SIM_Musician;
class SIM_RecordingStudio;
class SIM_Song;

// ---- The new-album screen ---------------------------------------------------------------
class SIM_NewAlbumModel {
public:
    static constexpr int kVisibleAvailable = 8;  // rows of the available list on screen
    static constexpr std::size_t kRowLabelLength = 22;

    // Makes the album with a random title; under a deal the company picks the studio,
    // otherwise a studio the band can no longer afford is dropped.
    SIM_NewAlbumModel();

    const std::vector<SIM_Song*>& Tracks() const;
    // Current songs on no album, in repertoire order.
    std::vector<SIM_Song*> Available() const;
    // The part of the available list the up and down buttons have scrolled to.
    std::vector<SIM_Song*> VisibleAvailable() const;
    void ScrollUp();
    void ScrollDown();
    // A row's text: the song's name, shortened with "...".
    static std::string RowLabel(const SIM_Song& song);

    // A track row removes its song; an available row adds its song while there is room.
    bool ClickTrack(SIM_Song* song);
    bool ClickAvailable(SIM_Song* song);
    void RandomTitle();
    // Without a deal the player chooses the studio.
    bool ShowsStudioSelector() const;
    // Eight tracks and a studio.
    bool CanFinish() const;

    SIM_Album* album = nullptr;  // owned by the album list
    int scroll = 0;
};

// The open new-album screen, or null.
SIM_NewAlbumModel* NewAlbumScreen();
// The control panel's studio button: only with enough free songs. Returns the open model.
SIM_NewAlbumModel* OpenNewAlbumScreen();
// Finish: the album goes to the mixing desk and the screen closes. False when not allowed.
bool FinishNewAlbum();
// Cancel: the songs are freed, the album is destroyed and the screen closes.
void CancelNewAlbum();

// ---- The studio selector ------------------------------------------------------------------
struct SIM_StudioButtonView {
    std::string name;
    std::string picture;
    std::string costText;  // "STUDIO_COST" then "$ 1,200"
    bool affordable = false;
    bool selected = false;  // framed
};
// One button per studio, in catalogue order.
std::vector<SIM_StudioButtonView> StudioSelectorButtons();
// Selects an affordable studio (with a click); an unaffordable one ignores the click.
bool ClickStudio(int index);

// ---- The mixing desk ----------------------------------------------------------------------
struct SIM_MixerStrip {
    SIM_Musician* member = nullptr;  // not owned; none on a strip beyond the band's size
    float fader = 0.5f;
    float target = 0.5f;  // the level this member's part sounds best at; never shown
};

class SIM_MixingDesk {
public:
    static constexpr int kStrips = 5;
    static constexpr int kMeterLeds = 20;

    // Strips for the first five members, faders and targets drawn at random.
    explicit SIM_MixingDesk(SIM_Album* album);

    // A fader dragged to a level along its track (clamped to 0..1).
    void SetFader(int strip, float level);
    // How much louder than the others a member is, -1..1 (he wants to be louder).
    float Satisfaction(int strip) const;
    // How good this member's part sounds, 0..1.
    float MixQuality(int strip) const;
    // LEDs lit on the strip's meter: positive above the centre (green), negative below (red).
    int MeterLeds(int strip) const;
    // The mean mix quality of the strips with a member (0 without any).
    float MeanMixQuality() const;
    // The finishing order up to the release: the members' reaction, the studio day and the
    // production quality. False, with nothing changed, without an album or a studio.
    bool Mix();

    SIM_Album* album = nullptr;
    std::array<SIM_MixerStrip, kStrips> strips{};
};

SIM_MixingDesk* MixingDesk();
SIM_MixingDesk* OpenMixingDesk(SIM_Album* album);
// The finish button: mixes and releases the album, closes the desk and uses the day's act.
bool FinishMixingDesk();

// ---- The record company's offer -----------------------------------------------------------
class SIM_RecordOfferModel {
public:
    std::string Title() const;
    std::string Text() const;
    std::string RoyaltyText() const;
    std::string MarketingText() const;
};

// The open offer, or null.
SIM_RecordOfferModel* RecordOffer();
void OpenRecordCompanyOffer();
// Accept signs the deal; reject keeps the company's terms but no deal. Both close the offer.
void AcceptRecordOffer();
void RejectRecordOffer();

// ---- The album details screen ------------------------------------------------------------
// Its lines in order: weeks since release, production cost, copies sold, artist earnings,
// what reached the band, and the production quality; each a label and its value.
struct SIM_AlbumDetailLine {
    std::string label;
    std::string value;
};
std::vector<SIM_AlbumDetailLine> AlbumDetailLines(const SIM_Album& album);
// Opening the details offers their hint.
void OpenAlbumDetails(const SIM_Album& album);

// Closes every album screen without acting (a new game).
void CloseAlbumScreens();
