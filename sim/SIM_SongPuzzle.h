#pragma once
// The songwriting puzzle without its screen: seven section slots, post-it pieces with coloured
// connectors, the palette of elements still free, dragging and dropping, and finishing a song.
// The screen draws this model and adds the particles; tests and the headless player drive it.
#include "SIM_Song.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct SIM_PuzzleRect {
    float x = 0.0f, y = 0.0f, w = 0.0f, h = 0.0f;
    bool Contains(float px, float py) const { return px >= x && px < x + w && py >= y && py < y + h; }
    float CentreX() const { return x + w * 0.5f; }
    float CentreY() const { return y + h * 0.5f; }
};

struct SIM_PuzzlePiece {
    SIM_SongElement* element = nullptr;
    int left = 0;   // connector colours 0..2
    int right = 0;
    int notes = 2;  // 2..5: how well the element suits this song
    std::string label;
    SIM_PuzzleRect rect;
    SIM_PuzzleRect home;  // where it was picked up
};

struct SIM_PuzzleSection {
    int index = 0;
    std::string titleKey;
    bool lyricStrip = false;  // verses and choruses
    std::unique_ptr<SIM_PuzzlePiece> piece;
    std::string pieceLabel;
    SIM_PuzzleRect dropArea;
};

// What the last drop did, for the screen's particles: no section when the piece went home.
struct SIM_PuzzleDrop {
    int section = -1;
    bool leftMatch = false;
    bool rightMatch = false;
};

class SIM_SongPuzzle {
public:
    static constexpr int kPaletteSize = 18;
    static constexpr int kPaletteRow = 9;

    SIM_SongPuzzle(SIM_Song& song, bool newSong, int screenHeight = 768);
    ~SIM_SongPuzzle();
    SIM_SongPuzzle(const SIM_SongPuzzle&) = delete;
    SIM_SongPuzzle& operator=(const SIM_SongPuzzle&) = delete;

    SIM_Song& GetSong() const { return song_; }
    // Numbers the puzzles opened in the process: a screen tells by it whether the open puzzle is
    // still the one it shows, which the address alone cannot (a new one may take the old memory).
    std::uint64_t Serial() const { return serial_; }
    bool IsNewSong() const { return newSong_; }
    const std::array<SIM_PuzzleSection, kSongSections>& Sections() const { return sections_; }
    const std::vector<std::unique_ptr<SIM_PuzzlePiece>>& Palette() const { return palette_; }
    int PaletteOffset() const { return offset_; }
    int AvailableCount() const { return available_; }
    bool PaletteDirty() const { return paletteDirty_; }
    const std::string& NameField() const { return name_; }
    bool RandomNameUsed() const { return randomNameUsed_; }
    const SIM_PuzzleDrop& LastDrop() const { return lastDrop_; }

    // The palette from the current offset; the screen's update calls it when it is dirty.
    void RebuildPalette();
    void Update();
    bool CanScrollLeft() const { return offset_ > 0; }
    bool CanScrollRight() const { return available_ > offset_ + kPaletteSize; }
    void ScrollLeft();
    void ScrollRight();

    // Dragging: a mouse press on a piece, its movement, and the release.
    void PickUp(SIM_PuzzlePiece* piece, float mouseX, float mouseY);
    void DragTo(float mouseX, float mouseY);
    void Drop(float mouseX, float mouseY);
    SIM_PuzzlePiece* Dragged() const { return dragged_; }

    // Connectors of neighbouring sections pair - 1 and pair match (pair 1..6).
    bool LinkMatches(int pair) const;
    bool CanFinish() const;
    void UseRandomName();
    // Typed into the name field: the song takes it at once.
    void SetName(const std::string& name);

private:
    std::unique_ptr<SIM_PuzzlePiece> MakePiece(SIM_SongElement* element) const;
    void Place(SIM_PuzzleSection& section, std::unique_ptr<SIM_PuzzlePiece> piece);
    std::unique_ptr<SIM_PuzzlePiece> TakeDragged();
    void UpdateSong();
    void MatchFeedback(int section);

    SIM_Song& song_;
    std::uint64_t serial_;
    bool newSong_;
    bool randomNameUsed_ = false;
    int screenHeight_;
    std::array<SIM_PuzzleSection, kSongSections> sections_;
    std::vector<std::unique_ptr<SIM_PuzzlePiece>> palette_;
    int offset_ = 0;
    int available_ = 0;
    bool paletteDirty_ = false;
    std::string name_;
    SIM_PuzzlePiece* dragged_ = nullptr;
    float grabX_ = 0.0f, grabY_ = 0.0f;
    SIM_PuzzleDrop lastDrop_;
};

// The notes a piece shows for a suitability: 2 at 0, 5 from 0.8.
int PuzzleNotes(float suitability);
// The label a piece shows: ten characters and "..." when longer.
std::string PuzzleLabel(const std::string& label);

// Only one puzzle is open at a time; opening one closes the other.
SIM_SongPuzzle& OpenPuzzle(SIM_Song& song, bool newSong);
SIM_SongPuzzle* OpenedPuzzle();
void ClosePuzzle();
// Finishes the open puzzle when every section holds a piece: names the song for good, tests a
// new song for a classic, describes it, closes the puzzle and uses the day's act.
bool FinishPuzzle();
// Puzzles closed without the random-name button (not saved).
int PuzzlesClosedWithoutRandomName();
void ResetSongPuzzle();

// The headless player's songwriting: tries the offered elements section by section and keeps
// whichever raises the song's quality.
void ImproveSongGreedily(SIM_SongPuzzle& puzzle);
// The same with another hand: drop puts the element's piece into the section (the career player
// drags it on the screen) and says whether it was dropped.
using SongPieceDrop = std::function<bool(const SIM_SongElement& element, int section)>;
void ImproveSongGreedily(SIM_SongPuzzle& puzzle, const SongPieceDrop& drop);
