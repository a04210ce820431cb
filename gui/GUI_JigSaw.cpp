#include "GUI_JigSaw.h"

#include "FrameRecord.h"
#include "GHashTable.h"
#include "GUI_Activities.h"
#include "GUI_ButtonTypes.h"
#include "GUI_GUI.h"
#include "GUI_Shell.h"
#include "GUI_Style.h"
#include "GUI_TextField.h"
#include "InputManager.h"
#include "LibFont.h"
#include "LibString.h"
#include "Platform.h"
#include "Renderer.h"
#include "SIM_SongPuzzle.h"
#include "SIM_SongScreens.h"

#include <algorithm>
#include <cmath>

namespace {
using GUI_Style::kBody;
using GUI_Style::kHeading;
using GUI_Style::kSmall;
using GUI_Style::kSubheading;
using GUI_Style::kTitle;

// The design's faces: the name and the quality in the handwriting, the pieces' labels in italics.
constexpr GUI_Style::Font kHand{"journal48.dds", 32.0f};
constexpr GUI_Style::Font kPieceLabel{"verdana14_i.dds", 13.0f};

// ---- Layout of the screen. The sections (x 90..986, y 250..450) and the palette (two rows
// of nine from x 100, y 538) are placed by the model; everything else lines up with them.
constexpr float kScreenW = static_cast<float>(kScreenWidth);
constexpr float kScreenH = static_cast<float>(kScreenHeight);
constexpr float kLeft = 90.0f, kRight = 986.0f;
constexpr float kTitleY = 18.0f;
constexpr float kHelpY = 58.0f;
constexpr std::size_t kHelpLines = 2;
constexpr float kNameTop = 150.0f, kNameHeight = 48.0f;
constexpr float kNameLabelGap = 12.0f;
constexpr float kNameWidth = 600.0f;
constexpr float kRandom = 32.0f, kRandomGap = 12.0f;
constexpr float kFinishW = 160.0f, kFinishH = 40.0f;
constexpr float kQualityY = 450.0f;
// The board behind the palette, with a scroll button at each end.
constexpr GRect kBoard{34.0f, 526.0f, 1014.0f, 730.0f};
constexpr float kScroll = 48.0f;
constexpr float kScrollLeftX = 44.0f, kScrollRightX = 956.0f, kScrollY = 604.0f;

// ---- Inside a section, from its top-left corner.
constexpr float kSectionTitleY = 8.0f;
constexpr float kSectionPad = 6.0f;
constexpr float kLyricStrip = 76.0f;
constexpr float kLyricRule = 19.0f;  // the strip's ruled lines, one per line of words
constexpr float kTargetRim = 3.0f;
// The song is written on a sheet of old paper: the pieces' notes are ink and need it.
constexpr std::uint32_t kPaper = 0xFFE6D8B8;
constexpr std::uint32_t kPaperInk = 0xFF4A2E12;
constexpr std::uint32_t kLyricFill = 0x1C3A2410;
constexpr std::uint32_t kLyricRuleColour = 0x706A86B0;  // the blue of ruled paper
// The ring where two sections meet, over the pieces' connectors.
constexpr float kLink = 56.0f;
constexpr std::uint8_t kLinkLit = 255, kLinkFaint = 16;

// ---- Inside a piece, as fractions of its size (90 in the palette, 128 in a section).
constexpr float kConnectorW = 0.16f;   // the connector is twice as high as it is wide
constexpr float kNotesW = 0.70f;       // the notes picture is three times as wide as high
constexpr float kLabelTop = 0.13f;     // under the post-it's sticky strip
constexpr float kPostItNotesY = 0.62f;  // the notes' centre on a post-it, under the label
constexpr float kLabelPad = 0.08f;

constexpr const char* kNotesEffect = "songnotes";

GUI_JigSaw* gJigSaw = nullptr;

GRect AreaOf(const SIM_PuzzleRect& r) { return GRect{r.x, r.y, r.x + r.w, r.y + r.h}; }

// Pieces show their pictures smaller than they are made: software rendering copies a picture
// resampled once far faster than it stretches it every frame.
void DrawResampled(const std::string& name, float x, float y, float w, float h, std::uint32_t argb = 0xFFFFFFFF) {
    GRenderer& renderer = Renderer();
    const int width = static_cast<int>(std::lround(w)), height = static_cast<int>(std::lround(h));
    GTexture* texture = renderer.ScaledTexture(renderer.FindTexture(name), width, height);
    if (!texture) return;
    BaseSprite sprite;
    sprite.SetRect(std::round(x), std::round(y), static_cast<float>(width), static_cast<float>(height));
    sprite.SetColour(argb);
    sprite.Draw(texture);
}

// A section's sheet of paper in its rim, with ruled lines for the words under a verse or chorus.
void DrawSheet(const GRect& r, bool target, bool lyricStrip) {
    GRenderer& renderer = Renderer();
    const float w = r.right - r.left, h = r.bottom - r.top;
    const float rim = target ? kTargetRim : 1.0f;
    renderer.FillRect(r.left, r.top, w, h, target ? GUI_Style::kFieldRimFocused : GUI_Style::kFieldRim);
    renderer.FillRect(r.left + rim, r.top + rim, w - 2.0f * rim, h - 2.0f * rim, kPaper);
    if (!lyricStrip) return;
    const float top = r.bottom - kLyricStrip;
    renderer.FillRect(r.left + rim, top, w - 2.0f * rim, kLyricStrip - rim, kLyricFill);
    for (float y = top + kLyricRule; y < r.bottom - 1.0f; y += kLyricRule)
        renderer.FillRect(r.left + kSectionPad, y, w - 2.0f * kSectionPad, 1.0f, kLyricRuleColour);
}

std::string QualityLine(const SIM_Song& song) {
    return FormatText("%s %s", Translate("JIGSAW_QUALITY").c_str(),
                      FormatText(" %.0f%%", static_cast<double>(song.quality) * 100.0).c_str());
}
}  // namespace

// ---- Pieces ----

std::uint32_t GUI_JigSawPiece::ConnectorTint(int connector) {
    switch (connector) {
        case 0: return 0xFF800000;   // (128, 0, 0)
        case 1: return 0xFF00009B;   // (0, 0, 155)
        default: return 0xFF008000;  // (0, 128, 0)
    }
}

void GUI_JigSawPiece::Draw(bool postIt) const {
    const SIM_PuzzleRect& r = piece_.rect;
    if (postIt && piece_.element)
        DrawResampled(FormatText("postit%d.dds", piece_.element->postitColour + 1), r.x, r.y, r.w, r.h);
    const float notesW = r.w * kNotesW, notesH = notesW / 3.0f;
    const float notesY = postIt ? r.y + r.h * kPostItNotesY : r.CentreY();
    DrawResampled(FormatText("jigsaw_%dnotes1.dds", piece_.notes), r.CentreX() - notesW / 2.0f, notesY - notesH / 2.0f,
                  notesW, notesH);
    const float connectorW = r.w * kConnectorW, connectorH = connectorW * 2.0f;
    const float connectorY = notesY - connectorH / 2.0f;
    DrawResampled("jigsaw_connector_left.dds", r.x, connectorY, connectorW, connectorH, ConnectorTint(piece_.left));
    DrawResampled("jigsaw_connector_right.dds", r.x + r.w - connectorW, connectorY, connectorW, connectorH,
                  ConnectorTint(piece_.right));
    if (!postIt) return;
    const float pad = r.w * kLabelPad;
    DrawText(kPieceLabel, FitText(kPieceLabel, piece_.label, r.w - 2.0f * pad), r.CentreX(), r.y + r.h * kLabelTop,
             GUI_Style::kInk, TEXT_CENTRED);
}

void GUI_JigSawPiece::Record() const {
    if (FrameRecorder().Enabled() && piece_.element)
        FrameRecorder().AddControl(piece_.element->label, AreaOf(piece_.rect), true);
}

// ---- Sections ----

GUI_JigsawSection::GUI_JigsawSection(const GUI_JigSaw& jigsaw, int index) : jigsaw_(jigsaw), index_(index) {
    name = "jigsaw section " + std::to_string(index);
    // Clicks and the mouse belong to the puzzle, which picks pieces up wherever they lie.
    blocksMouse = false;
    if (const SIM_PuzzleSection* section = Section()) {
        const SIM_PuzzleRect& area = section->dropArea;
        SetRect(area.x, area.y, area.x + area.w, area.y + area.h);
    }
}

const SIM_PuzzleSection* GUI_JigsawSection::Section() const {
    const SIM_SongPuzzle* puzzle = jigsaw_.Puzzle();
    return puzzle ? &puzzle->Sections()[static_cast<std::size_t>(index_)] : nullptr;
}

void GUI_JigsawSection::DrawBackground() {
    const SIM_PuzzleSection* section = Section();
    if (!section) return;
    const GRect r = Area();
    // The section a piece in the hand would land in stands out.
    const CBaseInputManager& input = Shell().Input();
    const bool target = jigsaw_.Puzzle()->Dragged() && section->dropArea.Contains(input.x, input.y);
    DrawSheet(r, target, section->lyricStrip);
    const float w = r.right - r.left;
    const std::string title = FitText(kSubheading, Translate(section->titleKey), w - 2.0f * kSectionPad);
    DrawText(kSubheading, title, (r.left + r.right) / 2.0f, r.top + kSectionTitleY, kPaperInk, TEXT_CENTRED);
}

void GUI_JigsawSection::DrawForeground() {
    const SIM_PuzzleSection* section = Section();
    const SIM_SongPuzzle* puzzle = jigsaw_.Puzzle();
    if (!section || !puzzle || !section->piece) return;
    const GRect r = Area();
    const float w = r.right - r.left;
    const std::string label = FitText(kSmall, section->pieceLabel, w - 2.0f * kSectionPad);
    DrawText(kSmall, label, (r.left + r.right) / 2.0f, r.bottom - kSectionPad - kSmall.size, kPaperInk, TEXT_CENTRED);
    // The piece in the hand is drawn over everything by the puzzle.
    if (section->piece.get() == puzzle->Dragged()) return;
    const GUI_JigSawPiece piece(*section->piece);
    piece.Draw(false);
    piece.Record();
}

// ---- The puzzle ----

GUI_JigSaw* GUI_JigSaw::Current() { return gJigSaw && !gJigSaw->Closed() ? gJigSaw : nullptr; }

GUI_JigSaw* GUI_JigSaw::Show(SIM_SongPuzzle& puzzle) {
    if (GUI_JigSaw* open = Current()) open->Close();
    auto* window = WindowList().Open<GUI_JigSaw>(puzzle);
    // Hints the puzzle brought show over it: questions are drawn over a full-screen activity.
    WindowList().AddExclusive(window);
    return window;
}

GUI_JigSaw::GUI_JigSaw(SIM_SongPuzzle& puzzle)
    : puzzle_(&puzzle), serial_(puzzle.Serial()), revision_(RepertoireRevision()), lastTick_(Shell().Now()) {
    name = "songwriting";
    gJigSaw = this;
    help_ = WrapLines(kBody, Translate("JIGSAW_HELP"), kRight - kLeft, kHelpLines);
    SetRect(0.0f, 0.0f, kScreenW, kScreenH);
    coversScreen = true;
    // Typing names the song: the desktop hands this window every key while it is open.
    GUI_GUI::activeWindow = this;
    onClosed = [this] { ReleaseKeyboard(); };
    AddNameRow(puzzle.NameField());
    AddScrollButtons();
    for (int i = 0; i < kSongSections; ++i) sections_[static_cast<std::size_t>(i)] = AddChildWindow<GUI_JigsawSection>(*this, i);
    RefreshControls();
}

void GUI_JigSaw::AddNameRow(const std::string& songName) {
    const float labelW = static_cast<float>(MeasureText(kHeading, Translate("JIGSAW_NAME")));
    const float fieldLeft = kLeft + labelW + kNameLabelGap;
    name_ = Add<GUI_TextField>(GUI_ButtonBase::kMaxLabel, kNameWidth - 2.0f * kNameLabelGap, kHand);
    name_->SetRect(fieldLeft, kNameTop, fieldLeft + kNameWidth, kNameTop + kNameHeight);
    name_->SetText(songName);
    name_->onChange = [this] {
        if (SIM_SongPuzzle* open = Puzzle()) open->SetName(name_->Text());
    };
    name_->Focus();
    const float randomLeft = fieldLeft + kNameWidth + kRandomGap, randomTop = kNameTop + (kNameHeight - kRandom) / 2.0f;
    random_ = Add<GUI_IconButton>("random.dds", "random_white.dds", [this] { RandomName(); });
    random_->SetRect(randomLeft, randomTop, randomLeft + kRandom, randomTop + kRandom);
    random_->SetTooltipKey("JIGSAW_RANDOMNAME_TOOLTIP");
    const float finishTop = kNameTop + (kNameHeight - kFinishH) / 2.0f;
    finish_ = Add<GUI_ButtonText>("SONGWRITING_FINISH", [this] { Finish(); }, "SONGWRITING_FINISH_TOOLTIP");
    finish_->SetRect(kRight - kFinishW, finishTop, kRight, finishTop + kFinishH);
}

void GUI_JigSaw::AddScrollButtons() {
    left_ = Add<GUI_IconButton>("postit_scroll_left.dds", "", [this] {
        if (SIM_SongPuzzle* open = Puzzle()) open->ScrollLeft();
    });
    left_->SetRect(kScrollLeftX, kScrollY, kScrollLeftX + kScroll, kScrollY + kScroll);
    left_->SetTooltipKey("JIGSAW_SCROLLLEFT_TOOLTIP");
    right_ = Add<GUI_IconButton>("postit_scroll_right.dds", "", [this] {
        if (SIM_SongPuzzle* open = Puzzle()) open->ScrollRight();
    });
    right_->SetRect(kScrollRightX, kScrollY, kScrollRightX + kScroll, kScrollY + kScroll);
    right_->SetTooltipKey("JIGSAW_SCROLLRIGHT_TOOLTIP");
}

GUI_JigSaw::~GUI_JigSaw() {
    ReleaseKeyboard();
    if (gJigSaw == this) gJigSaw = nullptr;
}

void GUI_JigSaw::ReleaseKeyboard() {
    if (GUI_GUI::activeWindow == this) GUI_GUI::activeWindow = nullptr;
    if (name_) name_->Blur();
}

SIM_SongPuzzle* GUI_JigSaw::Puzzle() const {
    // The serial, not the address, says whether the open puzzle is this one; a changed
    // repertoire means the songs were replaced (a new game, a load) under a puzzle left open.
    SIM_SongPuzzle* open = OpenedPuzzle();
    if (finished_ || !open || open->Serial() != serial_ || RepertoireRevision() != revision_) return nullptr;
    return open;
}

void GUI_JigSaw::Update() {
    SIM_SongPuzzle* puzzle = Puzzle();
    if (!puzzle) {
        Close();
        return;
    }
    const std::uint64_t now = Shell().Now();
    particles_.Update(static_cast<std::uint32_t>(std::min<std::uint64_t>(now - lastTick_, 1000)));
    lastTick_ = now;
    FollowMouse();
    puzzle->Update();
    RefreshControls();
    // A click on a piece takes the focus from the field; the name still takes what is typed.
    if (!FocusedTextField()) name_->Focus();
    GUI_WindowBase::Update();
}

void GUI_JigSaw::Draw() {
    // A puzzle closed under it since its last update leaves nothing to draw.
    if (Puzzle()) GUI_WindowBase::Draw();
}

void GUI_JigSaw::RefreshControls() {
    const SIM_SongPuzzle* puzzle = Puzzle();
    finish_->enabled = puzzle && puzzle->CanFinish();
    left_->enabled = puzzle && puzzle->CanScrollLeft();
    right_->enabled = puzzle && puzzle->CanScrollRight();
}

SIM_PuzzlePiece* GUI_JigSaw::PieceAt(float x, float y) const {
    SIM_SongPuzzle* puzzle = Puzzle();
    if (!puzzle) return nullptr;
    // The palette is drawn over the sections; its pieces come first.
    for (const auto& piece : puzzle->Palette())
        if (piece->rect.Contains(x, y)) return piece.get();
    for (const SIM_PuzzleSection& section : puzzle->Sections())
        if (section.piece && section.piece->rect.Contains(x, y)) return section.piece.get();
    return nullptr;
}

bool GUI_JigSaw::OnLeftButtonDown(float x, float y) {
    SIM_SongPuzzle* puzzle = Puzzle();
    if (!puzzle) return true;
    if (SIM_PuzzlePiece* piece = PieceAt(x, y)) {
        puzzle->PickUp(piece, x, y);
        return true;
    }
    return GUI_WindowBase::OnLeftButtonDown(x, y);
}

void GUI_JigSaw::FollowMouse() {
    SIM_SongPuzzle* puzzle = Puzzle();
    if (!puzzle || !puzzle->Dragged()) return;
    const CBaseInputManager& input = Shell().Input();
    puzzle->DragTo(input.x, input.y);
    if (input.buttonHeld) return;
    puzzle->Drop(input.x, input.y);
    StartMatchEffects();
}

void GUI_JigSaw::StartMatchEffects() {
    const SIM_SongPuzzle* puzzle = Puzzle();
    const SIM_PuzzleDrop& drop = puzzle->LastDrop();
    if (drop.section < 0) return;
    // Notes burst where the matching connectors meet, then from the whole piece.
    const SIM_PuzzleRect& area = puzzle->Sections()[static_cast<std::size_t>(drop.section)].dropArea;
    if (drop.leftMatch) particles_.Start(kNotesEffect, area.x, area.CentreY());
    if (drop.rightMatch) particles_.Start(kNotesEffect, area.x + area.w, area.CentreY());
    if (drop.leftMatch || drop.rightMatch) particles_.Start(kNotesEffect, area.CentreX(), area.CentreY());
}

void GUI_JigSaw::OnNotify(int key) {
    // A word of advice or a question over the puzzle takes its keys first (Escape puts it away);
    // the keys meant for it never reach the name.
    if (WindowList().KeyToModal(key) || WindowList().HasModal()) return;
    if (Puzzle()) name_->OnKey(key);
}

void GUI_JigSaw::Finish() {
    // However fast the button is clicked, one song is finished and one act is used: the window
    // lets go of its puzzle before the model ends the day, which may open the next day's screens.
    SIM_SongPuzzle* puzzle = Puzzle();
    if (!puzzle || !puzzle->CanFinish()) return;
    finished_ = true;
    Close();
    FinishPuzzle();
}

void GUI_JigSaw::RandomName() {
    SIM_SongPuzzle* puzzle = Puzzle();
    if (!puzzle) return;
    puzzle->UseRandomName();
    name_->SetText(puzzle->NameField());
}

void GUI_JigSaw::DrawBackground() {
    const SIM_SongPuzzle* puzzle = Puzzle();
    Renderer().DrawTexture("leather.jpg", 0.0f, 0.0f, kScreenW, kScreenH);
    DrawText(kTitle, Translate("JIGSAW_TITLE"), kLeft, kTitleY, GUI_Style::kGold);
    float y = kHelpY;
    for (const std::string& line : help_) {
        DrawText(kBody, line, kLeft, y, GUI_Style::kCreamDim);
        y += kBody.size + 4.0f;
    }
    DrawText(kHeading, Translate("JIGSAW_NAME"), kLeft, kNameTop + (kNameHeight - kHeading.size) / 2.0f,
             GUI_Style::kCream);
    DrawFramedBox(kBoard, GUI_Style::kWindowFrame);
    if (puzzle) DrawQuality();
}

void GUI_JigSaw::DrawQuality() const {
    DrawText(kHand, QualityLine(Puzzle()->GetSong()), kLeft, kQualityY, GUI_Style::kCream);
}

std::uint32_t GUI_JigSaw::LinkColour(int pair) const {
    const SIM_SongPuzzle* puzzle = Puzzle();
    const std::uint32_t alpha = puzzle && puzzle->LinkMatches(pair) ? kLinkLit : kLinkFaint;
    return alpha << 24 | 0x00FFFFFFu;
}

void GUI_JigSaw::DrawLinks() const {
    const auto& sections = Puzzle()->Sections();
    for (int pair = 1; pair < kSongSections; ++pair) {
        const SIM_PuzzleRect& right = sections[static_cast<std::size_t>(pair)].dropArea;
        DrawResampled("jigsaw_link.dds", right.x - kLink / 2.0f, right.CentreY() - kLink / 2.0f, kLink, kLink,
                      LinkColour(pair));
    }
}

void GUI_JigSaw::DrawForeground() {
    const SIM_SongPuzzle* puzzle = Puzzle();
    if (!puzzle) return;
    DrawLinks();
    for (const auto& piece : puzzle->Palette()) {
        if (piece.get() == puzzle->Dragged()) continue;
        const GUI_JigSawPiece view(*piece);
        view.Draw(true);
        view.Record();
    }
    particles_.Draw();
    if (const SIM_PuzzlePiece* dragged = puzzle->Dragged()) {
        const GUI_JigSawPiece view(*dragged);
        view.Draw(true);
        view.Record();
    }
}

// ---- Openers ----

void OpenWriteSong() { GUI_JigSaw::Show(WriteNewSong()); }
