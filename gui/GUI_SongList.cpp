#include "GUI_SongList.h"

#include "GHashTable.h"
#include "GUI_Activities.h"
#include "GUI_JigSaw.h"
#include "GUI_Shell.h"
#include "GUI_Style.h"
#include "InputManager.h"
#include "LibFont.h"
#include "Renderer.h"
#include "SIM_Band.h"
#include "SIM_Song.h"

#include <algorithm>

namespace {
// The songs tab, inside the band state's frame and under its tab buttons (its top 40 pixels).
constexpr float kPad = 12.0f;
constexpr float kHeadingTop = 44.0f;  // the band's name, where the band tab shows it
constexpr float kRowsTop = 70.0f;
constexpr float kRowHeight = 24.0f;
constexpr float kRowTextPad = 4.0f;
constexpr float kClassicIcon = 24.0f;
constexpr float kArrow = 24.0f, kArrowGap = 4.0f;
constexpr float kFooterGap = 8.0f;
constexpr std::size_t kFooterLines = 2;
constexpr std::uint32_t kRowLit = 0x40E8B860;

// The details: beside the band's state, under the calendar.
constexpr float kDetailsLeft = 240.0f, kDetailsTop = 208.0f, kDetailsWidth = 460.0f;
constexpr float kClientWidth = kDetailsWidth - GUI_Dialog::kMarginLeft - GUI_Dialog::kMarginRight;
constexpr float kPicture = 80.0f, kPictureGap = 12.0f;
constexpr float kLabelGap = 12.0f;
constexpr float kLineGap = 4.0f, kBlockGap = 12.0f;
constexpr float kButtonWidth = 160.0f, kButtonHeight = 32.0f;

using GUI_Style::kBody;
using GUI_Style::kSmall;

float LineHeight(const GUI_Style::Font& font) { return WrappedTextHeight(font, "Ag", 1000.0f); }

std::vector<std::string> FooterLines(float width) {
    return WrapLines(kSmall, Translate("SONGLIST_CLICK"), width, kFooterLines);
}

// The width of the details' label column: the widest label and a gap.
float LabelColumn(const SIM_SongDetailsView& view) {
    int widest = 0;
    for (const SIM_SongDetailLine& line : view.lines) widest = std::max(widest, MeasureText(kBody, line.label));
    return static_cast<float>(widest) + kLabelGap;
}
}  // namespace

// ---- Rows ----

GUI_SongEntry::GUI_SongEntry(const SIM_SongRow& row) : row_(row) {
    callback = [song = row.song] {
        // Only a song still in the set has details to show.
        if (IsCurrentSong(song)) GUI_SongDetails::Open(*song);
    };
}

void GUI_SongEntry::Draw() {
    const GRect r = Area();
    if (Lit()) Renderer().FillRect(r.left, r.top, r.right - r.left, r.bottom - r.top, kRowLit);
    float textRight = r.right - kRowTextPad;
    if (row_.classic) {
        Renderer().DrawTexture(kClassicSongPicture, r.right - kClassicIcon, r.top, kClassicIcon, kClassicIcon);
        textRight = r.right - kClassicIcon - kRowTextPad;
    }
    const float x = r.left + kRowTextPad;
    DrawText(kBody, FitText(kBody, row_.text, textRight - x), x, r.top + (kRowHeight - kBody.size) / 2.0f, row_.colour);
    RecordControl();
    GUI_ButtonBase::Draw();
}

void GUI_DummySongEntry::Draw() {
    const GRect r = Area();
    const float x = r.left + kRowTextPad;
    DrawText(kBody, FitText(kBody, text_, r.right - kRowTextPad - x), x, r.top + (kRowHeight - kBody.size) / 2.0f,
             GUI_Style::kDisabledText);
}

// ---- The list ----

float GUI_SongList::RowsBottom() const {
    const float footer = static_cast<float>(FooterLines(static_cast<float>(width) - 2.0f * kPad).size()) * LineHeight(kSmall);
    return static_cast<float>(rect.bottom) - kPad - footer - kFooterGap;
}

int GUI_SongList::VisibleRows() const {
    const float room = RowsBottom() - (static_cast<float>(rect.top) + kRowsTop);
    return std::max(1, static_cast<int>(room / kRowHeight));
}

bool GUI_SongList::ShowsSameSongs(const std::vector<SIM_SongRow>& rows) const {
    if (rows.size() != songs_.size()) return false;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].song != songs_[i]) return false;
    return true;
}

void GUI_SongList::Rebuild(const std::vector<SIM_SongRow>& rows) {
    for (GUI_BaseElement* element : rowElements_) RemoveButton(element);
    rowElements_.clear();
    entries_.clear();
    songs_.clear();
    for (const SIM_SongRow& row : rows) songs_.push_back(row.song);
    revision_ = RepertoireRevision();
    builtRect_ = rect;
    built_ = true;

    if (!up_) {
        up_ = Add<GUI_IconButton>("up.dds", "up_h.dds", [this] { Scroll(-1); });
        up_->SetTooltipKey("SONGLIST_UP_TOOLTIP");
        down_ = Add<GUI_IconButton>("down.dds", "down_h.dds", [this] { Scroll(1); });
        down_->SetTooltipKey("SONGLIST_DOWN_TOOLTIP");
    }
    const int count = static_cast<int>(rows.size());
    const int shown = VisibleRows();
    const bool scrolls = count > shown;
    first_ = std::clamp(first_, 0, std::max(0, count - shown));

    const float left = static_cast<float>(rect.left) + kPad, top = static_cast<float>(rect.top) + kRowsTop;
    const float right = static_cast<float>(rect.right) - kPad;
    const float rowsRight = scrolls ? right - kArrow - kArrowGap : right;
    up_->visible = down_->visible = scrolls;
    up_->enabled = first_ > 0;
    down_->enabled = first_ + shown < count;
    if (scrolls) {
        up_->SetRect(right - kArrow, top, right, top + kArrow);
        const float listBottom = top + kRowHeight * static_cast<float>(shown);
        down_->SetRect(right - kArrow, listBottom - kArrow, right, listBottom);
    } else {
        // Hidden arrows still see the mouse in their update: they must not lie over the rows.
        up_->SetRect(0.0f, 0.0f, 0.0f, 0.0f);
        down_->SetRect(0.0f, 0.0f, 0.0f, 0.0f);
    }

    for (int i = first_; i < std::min(count, first_ + shown); ++i) {
        const SIM_SongRow& row = rows[static_cast<std::size_t>(i)];
        const float y = top + kRowHeight * static_cast<float>(i - first_);
        GUI_BaseElement* element;
        if (row.song) {
            auto* entry = Add<GUI_SongEntry>(row);
            entries_.push_back(entry);
            element = entry;
        } else {
            element = Add<GUI_DummySongEntry>(row.text);
        }
        element->SetRect(left, y, rowsRight, y + kRowHeight);
        rowElements_.push_back(element);
    }
}

void GUI_SongList::Scroll(int rows) {
    first_ += rows;
    Rebuild(SongListRows());
}

void GUI_SongList::Update() {
    const std::vector<SIM_SongRow> rows = SongListRows();
    // The revision moves on with every song written or retired; a load replaces the songs
    // wholesale, which the comparison of the songs themselves catches as well.
    const bool moved = builtRect_.left != rect.left || builtRect_.top != rect.top || builtRect_.right != rect.right ||
                       builtRect_.bottom != rect.bottom;
    if (!built_ || moved || revision_ != RepertoireRevision() || !ShowsSameSongs(rows)) {
        Rebuild(rows);
    } else {
        // Names, boredom and classics change without the set changing: the rows follow.
        for (std::size_t k = 0; k < entries_.size(); ++k) entries_[k]->SetRow(rows[static_cast<std::size_t>(first_) + k]);
    }
    CBaseInputManager& input = Shell().Input();
    if (input.deltaWheel != 0 && !input.IsMouseTaken() && HitTest(input.x, input.y)) Scroll(input.deltaWheel > 0 ? -1 : 1);
    GUI_WindowTab::Update();
}

void GUI_SongList::DrawBackground() {
    const float x = static_cast<float>(rect.left) + kPad, room = static_cast<float>(width) - 2.0f * kPad;
    DrawText(GUI_Style::kSubheading, FitText(GUI_Style::kSubheading, GetBand().Name, room), x,
             static_cast<float>(rect.top) + kHeadingTop, GUI_Style::kGold);
    float y = RowsBottom() + kFooterGap;
    for (const std::string& line : FooterLines(room)) {
        DrawText(kSmall, line, x, y, GUI_Style::kCreamDim);
        y += LineHeight(kSmall);
    }
}

// ---- The details ----

GUI_SongDetails* GUI_SongDetails::Open(SIM_Song& song) {
    if (GUI_SongDetails* open = WindowList().Find<GUI_SongDetails>()) open->Close();
    GUI_SongDetails* details = WindowList().Open<GUI_SongDetails>(song);
    OpenSongDetails(song);
    return details;
}

GUI_SongDetails::GUI_SongDetails(SIM_Song& song)
    : GUI_Dialog(song.name, true), song_(song), view_(SongDetails(song)), revision_(RepertoireRevision()) {
    name = "song details";
    const float boxHeight = kMarginTop + TextHeight(view_) + kBlockGap + kButtonHeight + kMarginBottom;
    SetRect(kDetailsLeft, kDetailsTop, kDetailsLeft + kDetailsWidth, kDetailsTop + boxHeight);
    KeepOnScreen();
    const float bottom = static_cast<float>(client.bottom), left = static_cast<float>(client.left);
    const float right = static_cast<float>(client.right);
    improve_ = Add<GUI_ButtonText>("SONGDETAILS_IMPROVE", [this] { Improve(); });
    improve_->SetRect(left, bottom - kButtonHeight, left + kButtonWidth, bottom);
    retire_ = Add<GUI_ButtonText>("SONGDETAILS_RETIRE", [this] { Retire(); });
    retire_->SetRect(right - kButtonWidth, bottom - kButtonHeight, right, bottom);
    improve_->enabled = view_.improve.enabled;
    improve_->SetTooltipKey(view_.improve.tooltipKey);
    retire_->enabled = view_.retire.enabled;
    retire_->SetTooltipKey(view_.retire.tooltipKey);
}

float GUI_SongDetails::TextHeight(const SIM_SongDetailsView& view) const {
    const float textWidth = kClientWidth - (view.picture.empty() ? 0.0f : kPicture + kPictureGap);
    const float valueWidth = textWidth - LabelColumn(view);
    float y = 0.0f;
    for (const SIM_SongDetailLine& line : view.lines)
        y += std::max(LineHeight(kBody), WrappedTextHeight(kBody, line.value, valueWidth)) + kLineGap;
    if (!view.picture.empty()) y = std::max(y, kPicture);
    y += kBlockGap + WrappedTextHeight(kBody, view.writer, kClientWidth);
    if (!view.description.empty()) y += kBlockGap + WrappedTextHeight(kBody, view.description, kClientWidth);
    return y;
}

void GUI_SongDetails::Update() {
    if (revision_ != RepertoireRevision()) {
        revision_ = RepertoireRevision();
        if (!IsCurrentSong(&song_)) {
            Close();
            return;
        }
    }
    view_ = SongDetails(song_);
    GUI_Dialog::Update();
}

void GUI_SongDetails::Improve() {
    if (acted_) return;
    acted_ = true;
    Close();
    if (SIM_SongPuzzle* puzzle = ImproveSongFromDetails(song_)) GUI_JigSaw::Show(*puzzle);
}

void GUI_SongDetails::Retire() {
    if (acted_) return;
    acted_ = true;
    Close();
    RetireSongFromDetails(song_);
}

void GUI_SongDetails::DrawForeground() {
    const float left = static_cast<float>(client.left), top = static_cast<float>(client.top);
    float textLeft = left;
    if (!view_.picture.empty()) {
        Renderer().DrawTexture(view_.picture, left, top, kPicture, kPicture);
        textLeft += kPicture + kPictureGap;
    }
    const float labels = LabelColumn(view_);
    const float valueLeft = textLeft + labels, valueWidth = static_cast<float>(client.right) - valueLeft;
    float y = top;
    for (const SIM_SongDetailLine& line : view_.lines) {
        DrawText(kBody, FitText(kBody, line.label, labels - kLabelGap), textLeft, y, GUI_Style::kCreamDim);
        const float below = DrawTextWrapped(kBody, line.value, valueLeft, y, valueWidth, GUI_Style::kCream);
        y = std::max(y + LineHeight(kBody), below) + kLineGap;
    }
    if (!view_.picture.empty()) y = std::max(y, top + kPicture);
    y = DrawTextWrapped(kBody, view_.writer, left, y + kBlockGap, kClientWidth, GUI_Style::kCreamDim);
    if (!view_.description.empty())
        DrawTextWrapped(kBody, view_.description, left, y + kBlockGap, kClientWidth, GUI_Style::kCream);
}

