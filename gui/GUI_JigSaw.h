#pragma once
// The songwriting puzzle on screen: seven sections for the parts of a song, the post-it pieces
// of the song elements still free below them, the song's name and its quality as it stands.
// SIM_SongPuzzle holds every rule; this draws it, hands it the mouse and the typed name, and
// adds the notes that burst from pieces that link up.
#include "GUI_Particles.h"
#include "GUI_WindowBase.h"
#include "SIM_Song.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class GUI_ButtonText;
class GUI_IconButton;
class GUI_JigSaw;
class GUI_TextField;
class SIM_SongPuzzle;
struct SIM_PuzzlePiece;
struct SIM_PuzzleSection;

// How one piece of the model looks: a post-it with its notes, connectors and label in the
// palette or in the hand; only its notes and connectors once it rests in a section.
class GUI_JigSawPiece {
public:
    explicit GUI_JigSawPiece(const SIM_PuzzlePiece& piece) : piece_(piece) {}
    void Draw(bool postIt) const;
    // Scripts find a piece by its element's whole label, as a control of the frame.
    void Record() const;
    // The connectors' tints by colour 0..2: red, blue, green.
    static std::uint32_t ConnectorTint(int connector);

private:
    const SIM_PuzzlePiece& piece_;
};

// One part of the song: its frame and title, a strip for the words under a verse or a chorus,
// the piece resting in it and that piece's whole label.
class GUI_JigsawSection : public GUI_WindowBase {
public:
    GUI_JigsawSection(const GUI_JigSaw& jigsaw, int index);
    int Index() const { return index_; }

protected:
    void DrawBackground() override;
    void DrawForeground() override;

private:
    const SIM_PuzzleSection* Section() const;

    const GUI_JigSaw& jigsaw_;
    int index_;
};

// The whole screen. It lasts while its puzzle is the open one: finishing, another puzzle, a new
// game or a load close it, and it never touches a puzzle that is not its own.
class GUI_JigSaw : public GUI_WindowBase {
public:
    // Shows the open puzzle over the desktop, closing any puzzle window still open.
    static GUI_JigSaw* Show(SIM_SongPuzzle& puzzle);
    // The open puzzle window, or null.
    static GUI_JigSaw* Current();

    explicit GUI_JigSaw(SIM_SongPuzzle& puzzle);
    ~GUI_JigSaw() override;
    // Drags and drops, the palette and the buttons' states; closes once the puzzle is gone.
    void Update() override;
    void Draw() override;
    // A press on a piece picks it up; elsewhere the buttons have it.
    bool OnLeftButtonDown(float x, float y) override;
    // Every key while it is open: a question over it first, then the name's editing keys.
    // There is no cancelling a song: Escape does nothing here.
    void OnNotify(int key) override;

    // Names the song for good and uses the day's act, once, when every section holds a piece.
    void Finish();
    void RandomName();
    // Its puzzle while that is still the open one, else null.
    SIM_SongPuzzle* Puzzle() const;
    // The link where sections pair - 1 and pair meet (1..6): white, opaque where the touching
    // connectors match, all but invisible elsewhere.
    std::uint32_t LinkColour(int pair) const;

    GUI_TextField* NameField() const { return name_; }
    GUI_ButtonText* FinishButton() const { return finish_; }
    GUI_IconButton* RandomButton() const { return random_; }
    GUI_IconButton* ScrollLeftButton() const { return left_; }
    GUI_IconButton* ScrollRightButton() const { return right_; }
    GUI_ParticleEffects& Particles() { return particles_; }

protected:
    void DrawBackground() override;
    void DrawForeground() override;

private:
    // The name field with the random-name and finish buttons on its row.
    void AddNameRow(const std::string& songName);
    void AddScrollButtons();
    SIM_PuzzlePiece* PieceAt(float x, float y) const;
    void FollowMouse();
    void StartMatchEffects();
    void RefreshControls();
    void ReleaseKeyboard();
    void DrawLinks() const;
    void DrawQuality() const;

    SIM_SongPuzzle* puzzle_;
    std::uint64_t serial_;
    unsigned revision_;
    bool finished_ = false;
    GUI_TextField* name_ = nullptr;
    GUI_ButtonText* finish_ = nullptr;
    GUI_IconButton* random_ = nullptr;
    GUI_IconButton* left_ = nullptr;
    GUI_IconButton* right_ = nullptr;
    std::array<GUI_JigsawSection*, kSongSections> sections_{};
    std::vector<std::string> help_;
    GUI_ParticleEffects particles_;
    std::uint64_t lastTick_ = 0;
};
