#include "SIM_SongPuzzle.h"

#include "LibErrors.h"
#include "LibRandom.h"
#include "LibString.h"
#include "SIM_Names.h"
#include "SIM_SIM.h"
#include "SIM_Screens.h"
#include "SIM_WorldSeams.h"

#include <algorithm>

namespace {
std::unique_ptr<SIM_SongPuzzle> gOpen;
int gClosedWithoutRandomName = 0;
std::uint64_t gLastSerial = 0;

constexpr float kSectionLeft = 90.0f;
constexpr float kSectionWidth = 128.0f;
constexpr float kSectionTop = 250.0f;
constexpr float kSectionBottom = 450.0f;
constexpr float kPlacedSize = 128.0f;
// Not kPaletteSize: inside the class that name is the number of pieces offered.
constexpr float kOfferedPieceSize = 90.0f;
constexpr float kPaletteLeft = 100.0f;
constexpr float kPaletteStep = 95.0f;

const char* const kSectionTitles[kSongSections] = {"JIGSAW_INTRO",  "JIGSAW_VERSE1",  "JIGSAW_CHORUS1", "JIGSAW_VERSE2",
                                                   "JIGSAW_BRIDGE", "JIGSAW_CHORUS2", "JIGSAW_OUTTRO"};
}  // namespace

int PuzzleNotes(float suitability) {
    const float scaled = suitability * 0.75f;
    const float notes = scaled * 5.0f + 2.0f;
    return std::max(2, static_cast<int>(notes));
}

std::string PuzzleLabel(const std::string& label) { return label.size() > 10 ? label.substr(0, 10) + "..." : label; }

SIM_SongPuzzle::SIM_SongPuzzle(SIM_Song& song, bool newSong, int screenHeight)
    : song_(song), serial_(++gLastSerial), newSong_(newSong), screenHeight_(screenHeight) {
    for (int i = 0; i < kSongSections; ++i) {
        SIM_PuzzleSection& section = sections_[static_cast<std::size_t>(i)];
        section.index = i;
        section.titleKey = kSectionTitles[i];
        section.lyricStrip = i == SECTION_VERSE1 || i == SECTION_CHORUS1 || i == SECTION_VERSE2 || i == SECTION_CHORUS2;
        section.dropArea = {kSectionLeft + kSectionWidth * static_cast<float>(i), kSectionTop, kSectionWidth,
                            kSectionBottom - kSectionTop};
    }
    for (int i = 0; i < kSongSections; ++i) {
        SIM_SongElement* element = song.elements[static_cast<std::size_t>(i)];
        GAME_ASSERT(element);
        if (element) Place(sections_[static_cast<std::size_t>(i)], MakePiece(element));
    }
    RebuildPalette();
    name_ = song.name;
    Screens().TriggerHint("songwriting");
    if (gClosedWithoutRandomName == 2) Screens().TriggerHint("song edit name");
}

SIM_SongPuzzle::~SIM_SongPuzzle() {
    if (!randomNameUsed_) ++gClosedWithoutRandomName;
}

std::unique_ptr<SIM_PuzzlePiece> SIM_SongPuzzle::MakePiece(SIM_SongElement* element) const {
    auto piece = std::make_unique<SIM_PuzzlePiece>();
    piece->element = element;
    const SIM_Suitability* entry = FindSuitability(song_, element);
    GAME_ASSERT(entry);
    if (entry) {
        piece->left = entry->left;
        piece->right = entry->right;
    }
    piece->notes = PuzzleNotes(GetSuitability(song_, element));
    piece->label = PuzzleLabel(element->label);
    return piece;
}

void SIM_SongPuzzle::Place(SIM_PuzzleSection& section, std::unique_ptr<SIM_PuzzlePiece> piece) {
    GAME_ASSERT(piece);
    if (!piece) return;
    section.pieceLabel = piece->element->label;
    piece->rect = {section.dropArea.CentreX() - kPlacedSize * 0.5f, section.dropArea.CentreY() - kPlacedSize * 0.5f,
                   kPlacedSize, kPlacedSize};
    section.piece = std::move(piece);
}

void SIM_SongPuzzle::RebuildPalette() {
    if (dragged_ && std::any_of(palette_.begin(), palette_.end(), [&](const auto& p) { return p.get() == dragged_; }))
        dragged_ = nullptr;
    palette_.clear();
    available_ = 0;
    for (const auto& element : SongElements()) {
        if (!element->unlocked) continue;
        const bool placed = std::any_of(sections_.begin(), sections_.end(), [&](const SIM_PuzzleSection& s) {
            return s.piece && s.piece->element == element.get();
        });
        if (placed) continue;
        const int k = available_++;
        if (k >= offset_ && static_cast<int>(palette_.size()) < kPaletteSize) palette_.push_back(MakePiece(element.get()));
    }
    const float firstRow = static_cast<float>(screenHeight_) - 230.0f;
    for (std::size_t i = 0; i < palette_.size(); ++i) {
        const float column = static_cast<float>(i % kPaletteRow);
        const float row = static_cast<float>(i / kPaletteRow);
        palette_[i]->rect = {kPaletteLeft + kPaletteStep * column, firstRow + kOfferedPieceSize * row, kOfferedPieceSize,
                           kOfferedPieceSize};
    }
    paletteDirty_ = false;
}

void SIM_SongPuzzle::Update() {
    if (dragged_) {
        // The palette stays put while one of its pieces is in the hand.
        return;
    }
    if (paletteDirty_) RebuildPalette();
}

void SIM_SongPuzzle::ScrollLeft() {
    if (offset_ <= 0) return;
    --offset_;
    RebuildPalette();
}

void SIM_SongPuzzle::ScrollRight() {
    if (offset_ + kPaletteRow >= available_) return;
    ++offset_;
    RebuildPalette();
}

void SIM_SongPuzzle::PickUp(SIM_PuzzlePiece* piece, float mouseX, float mouseY) {
    if (!piece) return;
    if (dragged_) Drop(mouseX, mouseY);
    // The drop may have rebuilt nothing yet, but a piece of a section that was just emptied
    // or destroyed is gone: only pick up what is still held somewhere.
    const bool held =
        std::any_of(palette_.begin(), palette_.end(), [&](const auto& p) { return p.get() == piece; }) ||
        std::any_of(sections_.begin(), sections_.end(), [&](const SIM_PuzzleSection& s) { return s.piece.get() == piece; });
    if (!held) return;
    piece->home = piece->rect;
    grabX_ = mouseX - piece->rect.x;
    grabY_ = mouseY - piece->rect.y;
    dragged_ = piece;
    Screens().PlaySound("data/sounds/postit_grab.ogg");
}

void SIM_SongPuzzle::DragTo(float mouseX, float mouseY) {
    if (!dragged_) return;
    dragged_->rect.x = mouseX - grabX_;
    dragged_->rect.y = mouseY - grabY_;
}

std::unique_ptr<SIM_PuzzlePiece> SIM_SongPuzzle::TakeDragged() {
    for (SIM_PuzzleSection& section : sections_) {
        if (section.piece.get() == dragged_) {
            section.pieceLabel.clear();
            return std::move(section.piece);
        }
    }
    auto it = std::find_if(palette_.begin(), palette_.end(), [&](const auto& p) { return p.get() == dragged_; });
    if (it == palette_.end()) return nullptr;
    std::unique_ptr<SIM_PuzzlePiece> piece = std::move(*it);
    palette_.erase(it);
    return piece;
}

void SIM_SongPuzzle::Drop(float mouseX, float mouseY) {
    if (!dragged_) return;
    // A piece that goes back home makes no feedback: the screen must not repeat the last one.
    lastDrop_ = SIM_PuzzleDrop{};
    auto target = std::find_if(sections_.begin(), sections_.end(),
                               [&](const SIM_PuzzleSection& s) { return s.dropArea.Contains(mouseX, mouseY); });
    if (target == sections_.end()) {
        dragged_->rect = dragged_->home;
        dragged_ = nullptr;
        paletteDirty_ = true;
        return;
    }
    if (target->piece && target->piece.get() != dragged_) {
        target->piece.reset();
        target->pieceLabel.clear();
    }
    std::unique_ptr<SIM_PuzzlePiece> piece = TakeDragged();
    dragged_ = nullptr;
    if (!piece) return;
    Place(*target, std::move(piece));
    Screens().PlaySound("data/sounds/postit_place.ogg");
    UpdateSong();
    MatchFeedback(target->index);
    paletteDirty_ = true;
}

void SIM_SongPuzzle::UpdateSong() {
    song_.elements.fill(nullptr);
    for (const SIM_PuzzleSection& section : sections_)
        if (section.piece) song_.elements[static_cast<std::size_t>(section.index)] = section.piece->element;
    CalculateQuality(song_);
}

void SIM_SongPuzzle::MatchFeedback(int index) {
    const SIM_PuzzlePiece* p = sections_[static_cast<std::size_t>(index)].piece.get();
    lastDrop_ = SIM_PuzzleDrop{index, false, false};
    if (index > 0) {
        const SIM_PuzzlePiece* l = sections_[static_cast<std::size_t>(index - 1)].piece.get();
        lastDrop_.leftMatch = l && l->right == p->left;
    }
    if (index < kSongSections - 1) {
        const SIM_PuzzlePiece* r = sections_[static_cast<std::size_t>(index + 1)].piece.get();
        lastDrop_.rightMatch = r && r->left == p->right;
    }
    Screens().TriggerHint("jigsaw dropped");
    if (lastDrop_.leftMatch || lastDrop_.rightMatch) {
        Screens().PlaySound(FormatText("data/sounds/song_match_%d.ogg", RandomInt() % 3));
        Screens().TriggerHint("jigsaw accent");
    }
}

bool SIM_SongPuzzle::LinkMatches(int pair) const {
    if (pair < 1 || pair >= kSongSections) return false;
    const SIM_PuzzlePiece* a = sections_[static_cast<std::size_t>(pair - 1)].piece.get();
    const SIM_PuzzlePiece* b = sections_[static_cast<std::size_t>(pair)].piece.get();
    return a && b && a->right == b->left;
}

bool SIM_SongPuzzle::CanFinish() const {
    return std::all_of(sections_.begin(), sections_.end(), [](const SIM_PuzzleSection& s) { return s.piece != nullptr; });
}

void SIM_SongPuzzle::UseRandomName() {
    randomNameUsed_ = true;
    SetName(RandomName(NAMES_SONG));
}

void SIM_SongPuzzle::SetName(const std::string& name) {
    name_ = name;
    song_.name = name;
}

SIM_SongPuzzle& OpenPuzzle(SIM_Song& song, bool newSong) {
    gOpen.reset();
    gOpen = std::make_unique<SIM_SongPuzzle>(song, newSong);
    return *gOpen;
}

SIM_SongPuzzle* OpenedPuzzle() { return gOpen.get(); }
void ClosePuzzle() { gOpen.reset(); }

bool FinishPuzzle() {
    if (!gOpen || !gOpen->CanFinish()) return false;
    SIM_Song& song = gOpen->GetSong();
    GetNamesList().RemoveName(NAMES_SONG, song.name);
    if (gOpen->IsNewSong()) CheckClassic(song);
    GenerateDescription(song);
    NoteRepertoireChanged();
    ClosePuzzle();
    GetSIM().UseAct();
    Screens().TriggerHint("song entry");
    return true;
}

int PuzzlesClosedWithoutRandomName() { return gClosedWithoutRandomName; }

void ResetSongPuzzle() {
    gOpen.reset();
    gClosedWithoutRandomName = 0;
}

namespace {
// Finds the element among the offered pieces, scrolling as a player would, and drops it.
bool DropElement(SIM_SongPuzzle& puzzle, const SIM_SongElement* element, int section) {
    const SIM_PuzzleRect area = puzzle.Sections()[static_cast<std::size_t>(section)].dropArea;
    bool dropped = false;
    while (puzzle.CanScrollLeft()) puzzle.ScrollLeft();
    for (;;) {
        auto it = std::find_if(puzzle.Palette().begin(), puzzle.Palette().end(),
                               [&](const auto& p) { return p->element == element; });
        if (it != puzzle.Palette().end()) {
            SIM_PuzzlePiece* piece = it->get();
            puzzle.PickUp(piece, piece->rect.CentreX(), piece->rect.CentreY());
            puzzle.Drop(area.CentreX(), area.CentreY());
            puzzle.Update();
            dropped = true;
            break;
        }
        if (!puzzle.CanScrollRight()) break;
        puzzle.ScrollRight();
    }
    while (puzzle.CanScrollLeft()) puzzle.ScrollLeft();
    return dropped;
}
}  // namespace

void ImproveSongGreedily(SIM_SongPuzzle& puzzle) {
    ImproveSongGreedily(puzzle, [&puzzle](const SIM_SongElement& element, int section) {
        return DropElement(puzzle, &element, section);
    });
}

void ImproveSongGreedily(SIM_SongPuzzle& puzzle, const SongPieceDrop& drop) {
    for (int i = 0; i < kSongSections; ++i) {
        const SIM_SongElement* kept = puzzle.GetSong().elements[static_cast<std::size_t>(i)];
        float best = puzzle.GetSong().quality;
        std::vector<const SIM_SongElement*> offered;
        for (const auto& element : SongElements())
            if (element->unlocked && std::find(puzzle.GetSong().elements.begin(), puzzle.GetSong().elements.end(),
                                               element.get()) == puzzle.GetSong().elements.end())
                offered.push_back(element.get());
        for (const SIM_SongElement* element : offered) {
            if (!drop(*element, i)) continue;
            if (puzzle.GetSong().quality > best) {
                best = puzzle.GetSong().quality;
                kept = element;
            }
        }
        if (kept && puzzle.GetSong().elements[static_cast<std::size_t>(i)] != kept) drop(*kept, i);
    }
}
