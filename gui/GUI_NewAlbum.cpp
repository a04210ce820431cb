#include "GUI_NewAlbum.h"

#include "GHashTable.h"
#include "GUI_Activities.h"
#include "GUI_Style.h"
#include "InputManager.h"
#include "LibFont.h"
#include "LibString.h"
#include "Platform.h"
#include "Renderer.h"
#include "SIM_Album.h"
#include "SIM_RecordCompany.h"
#include "SIM_Song.h"

#include <algorithm>

namespace {
using GUI_Style::kBody;
using GUI_Style::kSmall;

// ---- Over the leather: the album's title with the dice beside it; the track listing at the
// left and the free songs at the right with their arrows; the studios under both, two rows of
// five; cancel at the bottom left, into the studio at the bottom right.
constexpr GUI_Style::Font kTitleFont{"verdanabold32.dds", 32.0f};
constexpr float kScreenW = static_cast<float>(kScreenWidth);
constexpr float kScreenH = static_cast<float>(kScreenHeight);
constexpr float kEdge = 40.0f;
constexpr float kTitleY = 26.0f;
constexpr float kDice = 32.0f;
constexpr float kHeadersY = 82.0f;
constexpr float kRowsY = 108.0f, kRowH = 24.0f, kRowPitch = 28.0f;
constexpr float kColumnGap = 40.0f;
constexpr float kColumnW = (kScreenW - 2.0f * kEdge - kColumnGap) / 2.0f;
constexpr float kAvailableX = kEdge + kColumnW + kColumnGap;
constexpr float kArrow = 32.0f;
constexpr float kAvailableW = kColumnW - kArrow - 8.0f;
constexpr float kStudiosHeaderY = kRowsY + SIM_NewAlbumModel::kVisibleAvailable * kRowPitch + 10.0f;
constexpr float kStudiosY = kStudiosHeaderY + 26.0f;
constexpr float kButtonW = 200.0f, kButtonH = 34.0f;
constexpr float kButtonY = kScreenH - kEdge - kButtonH;
static_assert(kAlbumTracks <= SIM_NewAlbumModel::kVisibleAvailable, "the listing has a row for every track");

// ---- A studio's button: its picture in a thin frame, the name and day rate on a dark band
// across the picture's foot.
constexpr float kStudioFrame = 3.0f;
constexpr float kStudioW = GUI_StudioSelector::kPictureW + 2.0f * kStudioFrame;
constexpr float kStudioH = GUI_StudioSelector::kPictureH + 2.0f * kStudioFrame;
constexpr float kStudioGapX = (kScreenW - 2.0f * kEdge - GUI_StudioSelector::kColumns * kStudioW) / (GUI_StudioSelector::kColumns - 1);
constexpr float kStudioGapY = 10.0f;
constexpr float kCaptionH = 36.0f;
static_assert(kStudioGapX >= 4.0f, "five studios fit across");
static_assert(kStudiosY + 2.0f * kStudioH + kStudioGapY <= kButtonY - 8.0f, "two rows of studios fit above the buttons");

constexpr std::uint32_t kLcdText = 0xFF9CFF9C;
constexpr std::uint32_t kLcdTextDim = 0xFF4C8C4C;
constexpr std::uint32_t kCaptionShade = 0xC0000000;
constexpr std::uint32_t kUnaffordable = 0xFF707070;
}  // namespace

// ---- A song's row ----

GUI_AlbumTrack::GUI_AlbumTrack(SIM_Song& song, Callback onClick)
    : GUI_ButtonBase(std::move(onClick)), song_(&song), label_(SIM_NewAlbumModel::RowLabel(song)) {}

void GUI_AlbumTrack::Draw() {
    const GRect r = Area();
    Renderer().DrawTexture("song_lcd_wide.bmp", r.left, r.top, r.right - r.left, r.bottom - r.top, {},
                           Lit() ? 0xFFFFFFFF : 0xFFC0C0C0);
    DrawText(kBody, FitText(kBody, label_, r.right - r.left - 16.0f), r.left + 8.0f, r.top + (r.bottom - r.top - kBody.size) / 2.0f,
             enabled ? kLcdText : kLcdTextDim);
    RecordControl();
    GUI_ButtonBase::Draw();
}

// ---- A studio ----

GUI_StudioButton::GUI_StudioButton(int index, const SIM_StudioButtonView& view) : index_(index) { SetView(view); }

void GUI_StudioButton::SetView(const SIM_StudioButtonView& view) {
    const bool first = view_.name.empty();
    if (first || view_.affordable != view.affordable) SetTooltipKey(view.affordable ? "STUDIO_TOOLTIP" : "STUDIO_UNAFFORDABLE");
    view_ = view;
    enabled = view_.affordable;
}

void GUI_StudioButton::Press() {
    // The studio's own click sounds only when the choice is taken.
    if (!enabled) return;
    ClickStudio(index_);
}

void GUI_StudioButton::Draw() {
    const GRect r = Area();
    const std::uint32_t tint = view_.affordable ? 0xFFFFFFFF : kUnaffordable;
    DrawFramedBox(r, Lit() ? GUI_Style::kButtonFrameLit : GUI_Style::kButtonFrame, tint);
    const float x = r.left + kStudioFrame, y = r.top + kStudioFrame;
    constexpr float w = GUI_StudioSelector::kPictureW, h = GUI_StudioSelector::kPictureH;
    if (!view_.picture.empty()) Renderer().DrawTexture(view_.picture, x, y, w, h, {}, tint);
    const float captionTop = y + h - kCaptionH;
    Renderer().FillRect(x, captionTop, w, kCaptionH, kCaptionShade);
    DrawText(kBody, FitText(kBody, view_.name, w - 8.0f), x + 4.0f, captionTop + 2.0f,
             view_.affordable ? GUI_Style::kCream : GUI_Style::kDisabledText);
    DrawText(kSmall, FitText(kSmall, view_.costText, w - 8.0f), x + 4.0f, captionTop + 19.0f,
             view_.affordable ? GUI_Style::kAmber : GUI_Style::kRefusal);
    if (view_.selected) DrawFramedBox(r, "window_green.dds");
    RecordControl();
    GUI_ButtonBase::Draw();
}

GUI_StudioSelector::GUI_StudioSelector(float left, float top) {
    name = "studio selector";
    const std::vector<SIM_StudioButtonView> views = StudioSelectorButtons();
    const int rows = (static_cast<int>(views.size()) + kColumns - 1) / kColumns;
    SetRect(left, top, kScreenW - kEdge, top + static_cast<float>(rows) * (kStudioH + kStudioGapY));
    for (std::size_t i = 0; i < views.size(); ++i) {
        const int slot = static_cast<int>(i);
        const float x = left + static_cast<float>(slot % kColumns) * (kStudioW + kStudioGapX);
        const float y = top + static_cast<float>(slot / kColumns) * (kStudioH + kStudioGapY);
        auto* button = Add<GUI_StudioButton>(slot, views[i]);
        button->SetRect(x, y, x + kStudioW, y + kStudioH);
        buttons_.push_back(button);
    }
}

void GUI_StudioSelector::Update() {
    const std::vector<SIM_StudioButtonView> views = StudioSelectorButtons();
    for (std::size_t i = 0; i < views.size() && i < buttons_.size(); ++i) buttons_[i]->SetView(views[i]);
    GUI_WindowBase::Update();
}

// ---- The screen ----

void OpenStudio() { OpenNewAlbumScreen(); }

GUI_NewAlbum* GUI_NewAlbum::Open() { return OpenFullScreen<GUI_NewAlbum>(); }

GUI_NewAlbum::GUI_NewAlbum() {
    name = "new album";
    SetRect(0.0f, 0.0f, kScreenW, kScreenH);
    coversScreen = true;
    SIM_NewAlbumModel* model = NewAlbumScreen();
    random_ = Add<GUI_IconButton>("random_white.dds", "random.dds", [this] {
        if (SIM_NewAlbumModel* open = NewAlbumScreen()) open->RandomTitle();
        PlaceRandomButton();
    });
    random_->SetTooltipKey("JIGSAW_RANDOMNAME_TOOLTIP");
    up_ = Add<GUI_IconButton>("up.dds", "up_h.dds", [this] {
        if (SIM_NewAlbumModel* open = NewAlbumScreen()) open->ScrollUp();
        Rebuild();
    });
    down_ = Add<GUI_IconButton>("down.dds", "down_h.dds", [this] {
        if (SIM_NewAlbumModel* open = NewAlbumScreen()) open->ScrollDown();
        Rebuild();
    });
    const float arrowX = kAvailableX + kColumnW - kArrow;
    const float rowsBottom = kRowsY + SIM_NewAlbumModel::kVisibleAvailable * kRowPitch - (kRowPitch - kRowH);
    up_->SetRect(arrowX, kRowsY, arrowX + kArrow, kRowsY + kArrow);
    down_->SetRect(arrowX, rowsBottom - kArrow, arrowX + kArrow, rowsBottom);
    up_->SetTooltipKey("NEWALBUM_SCROLL_UP");
    down_->SetTooltipKey("NEWALBUM_SCROLL_DOWN");

    auto* cancel = Add<GUI_ButtonText>("NEWALBUM_CANCEL", [this] { Cancel(); }, "NEWALBUM_CANCEL_TOOLTIP");
    cancel->SetRect(kEdge, kButtonY, kEdge + kButtonW, kButtonY + kButtonH);
    finish_ = Add<GUI_ButtonText>("NEWALBUM_FINISH", [this] { Finish(); }, "NEWALBUM_FINISH_TOOLTIP");
    finish_->SetRect(kScreenW - kEdge - kButtonW, kButtonY, kScreenW - kEdge, kButtonY + kButtonH);

    if (model && model->ShowsStudioSelector()) {
        selector_ = AddChildWindow<GUI_StudioSelector>(kEdge, kStudiosY);
    } else if (const SIM_RecordingStudio* studio = SelectedStudio()) {
        studioNote_ = Translate("NEWALBUM_DEAL_STUDIO");
        ReplaceToken(studioNote_, "<COMPANYNAME>", GetRecordCompany().name);
        ReplaceToken(studioNote_, "<STUDIONAME>", studio->name);
    }
    PlaceRandomButton();
    Rebuild();
}

void GUI_NewAlbum::Rebuild() {
    for (GUI_AlbumTrack* row : tracks_) RemoveButton(row);
    for (GUI_AlbumTrack* row : available_) RemoveButton(row);
    tracks_.clear();
    available_.clear();
    SIM_NewAlbumModel* model = NewAlbumScreen();
    if (!model) return;
    float y = kRowsY;
    for (SIM_Song* song : model->Tracks()) {
        auto* row = Add<GUI_AlbumTrack>(*song, [this, song] {
            if (SIM_NewAlbumModel* open = NewAlbumScreen()) open->ClickTrack(song);
            Rebuild();
        });
        row->SetRect(kEdge, y, kEdge + kColumnW, y + kRowH);
        row->SetTooltipKey("NEWALBUM_REMOVE_TOOLTIP");
        tracks_.push_back(row);
        y += kRowPitch;
    }
    const bool room = static_cast<int>(model->Tracks().size()) < kAlbumTracks;
    y = kRowsY;
    for (SIM_Song* song : model->VisibleAvailable()) {
        auto* row = Add<GUI_AlbumTrack>(*song, [this, song] {
            if (SIM_NewAlbumModel* open = NewAlbumScreen()) open->ClickAvailable(song);
            Rebuild();
        });
        row->SetRect(kAvailableX, y, kAvailableX + kAvailableW, y + kRowH);
        row->enabled = room;
        row->SetTooltipKey(room ? "NEWALBUM_ADD_TOOLTIP" : "NEWALBUM_FULL_TOOLTIP");
        available_.push_back(row);
        y += kRowPitch;
    }
    const int hidden = static_cast<int>(model->Available().size()) - SIM_NewAlbumModel::kVisibleAvailable;
    up_->visible = down_->visible = hidden > 0;
    up_->enabled = model->scroll > 0;
    down_->enabled = model->scroll < hidden;
    finish_->enabled = model->CanFinish();
}

void GUI_NewAlbum::PlaceRandomButton() {
    const SIM_NewAlbumModel* model = NewAlbumScreen();
    if (!model) return;
    const float titleW = std::min(static_cast<float>(MeasureText(kTitleFont, model->album->title)), kScreenW - 2.0f * kEdge - 2.0f * kDice);
    const float x = kScreenW / 2.0f + titleW / 2.0f + 12.0f;
    random_->SetRect(x, kTitleY, x + kDice, kTitleY + kDice);
}

void GUI_NewAlbum::Update() {
    if (!NewAlbumScreen()) {
        if (!Closed()) Close();
        return;
    }
    // A studio chosen or the cash changed: the way on follows.
    finish_->enabled = NewAlbumScreen()->CanFinish();
    GUI_WindowBase::Update();
}

void GUI_NewAlbum::Finish() {
    const SIM_NewAlbumModel* model = NewAlbumScreen();
    if (Closed() || !model || !model->CanFinish()) return;
    // The desk opens as this screen goes.
    Close();
    FinishNewAlbum();
}

void GUI_NewAlbum::Cancel() {
    if (Closed()) return;
    Close();
    CancelNewAlbum();
}

void GUI_NewAlbum::OnNotify(int key) {
    if (key == DIK_ESCAPE) Cancel();
}

void GUI_NewAlbum::DrawBackground() {
    const SIM_NewAlbumModel* model = NewAlbumScreen();
    Renderer().DrawTexture("leather.jpg", 0.0f, 0.0f, kScreenW, kScreenH);
    if (!model) return;
    DrawText(kTitleFont, FitText(kTitleFont, model->album->title, kScreenW - 2.0f * kEdge - 2.0f * kDice), kScreenW / 2.0f, kTitleY - 4.0f,
             GUI_Style::kGold, TEXT_CENTRED);
    DrawText(GUI_Style::kHeading, Translate("NEWALBUM_TRACKLISTING"), kEdge, kHeadersY, GUI_Style::kGold);
    DrawText(GUI_Style::kHeading, FormatText("%d / %d", static_cast<int>(model->Tracks().size()), kAlbumTracks), kEdge + kColumnW,
             kHeadersY, static_cast<int>(model->Tracks().size()) == kAlbumTracks ? GUI_Style::kAmber : GUI_Style::kCreamDim, TEXT_RIGHT);
    DrawText(GUI_Style::kHeading, Translate("NEWALBUM_AVAILABLE"), kAvailableX, kHeadersY, GUI_Style::kGold);
    // The empty places of the listing, so eight is plainly the goal.
    for (std::size_t slot = model->Tracks().size(); slot < static_cast<std::size_t>(kAlbumTracks); ++slot)
        DrawInsetPanel(GRect{kEdge, kRowsY + static_cast<float>(slot) * kRowPitch, kEdge + kColumnW,
                             kRowsY + static_cast<float>(slot) * kRowPitch + kRowH});
    DrawText(GUI_Style::kHeading, Translate(selector_ ? "NEWALBUM_STUDIOS" : "NEWALBUM_STUDIO"), kEdge, kStudiosHeaderY, GUI_Style::kGold);
    if (selector_) {
        if (selector_->Buttons().empty())
            DrawText(kBody, Translate("NEWALBUM_NOSTUDIO"), kEdge, kStudiosY, GUI_Style::kRefusal);
        return;
    }
    // Under a deal the company's choice stands, shown as the selector would frame it.
    const SIM_RecordingStudio* studio = SelectedStudio();
    if (!studio) {
        DrawText(kBody, Translate("NEWALBUM_NOSTUDIO"), kEdge, kStudiosY, GUI_Style::kRefusal);
        return;
    }
    const GRect frame{kEdge, kStudiosY, kEdge + kStudioW, kStudiosY + kStudioH};
    Renderer().DrawTexture(studio->picture, frame.left + kStudioFrame, frame.top + kStudioFrame, GUI_StudioSelector::kPictureW,
                           GUI_StudioSelector::kPictureH);
    DrawFramedBox(frame, "window_green.dds");
    const float x = frame.right + 16.0f;
    DrawText(GUI_Style::kHeading, studio->name, x, kStudiosY, GUI_Style::kCream);
    DrawTextWrapped(kBody, studioNote_, x, kStudiosY + 28.0f, kScreenW - kEdge - x, GUI_Style::kCream);
}
