#include "GUI_Gig.h"

#include "GUI_Dialog.h"
#include "GUI_Shell.h"
#include "GUI_Sounds.h"
#include "GUI_Stage.h"
#include "GUI_Style.h"
#include "LibFont.h"
#include "Platform.h"
#include "Renderer.h"
#include "SIM_GigScreen.h"
#include "SIM_Venue.h"

#include <algorithm>
#include <cmath>

namespace {
// ---- Layout of the screen: the stage behind everything; the venue line on a strip at the top;
// the figures on a panel at the left and the effects with the finish button at the right, the
// band between them; the meters in a row along the front of the stage.
constexpr GUI_Style::Font kVenueFont{"journal48.dds", 40.0f};
constexpr GUI_Style::Font kFigureFont{"verdanabold18.dds", 18.0f};
constexpr GUI_Style::Font kCrowdFont{"verdanabold20.dds", 20.0f};
constexpr float kScreenW = static_cast<float>(kScreenWidth);
constexpr float kScreenH = static_cast<float>(kScreenHeight);
constexpr float kEdge = 16.0f;
constexpr float kVenueTop = 8.0f, kVenueH = 56.0f;
constexpr float kPanelW = 336.0f, kPanelTop = 80.0f, kPanelPad = 12.0f;
constexpr float kLineH = 26.0f;
constexpr GRect kFiguresPanel{kEdge, kPanelTop, kEdge + kPanelW, kPanelTop + 2.0f * kPanelPad + 13.0f * kLineH + 8.0f};
constexpr GRect kEffectsPanel{kScreenW - kEdge - kPanelW, kPanelTop, kScreenW - kEdge, kPanelTop + 2.0f * kPanelPad + 4.0f * kLineH};
constexpr float kButtonW = kPanelW, kButtonH = 36.0f;
constexpr float kButtonTop = kEffectsPanel.bottom + 8.0f;
constexpr float kMeterGap = 16.0f;
constexpr float kMetersTop = kScreenH - kEdge / 2.0f - GUI_VUMeter::kMeterHeight - GUI_VUMeter::kLabelHeight;
constexpr GRect kMetersStrip{0.0f, kMetersTop - 8.0f, kScreenW, kScreenH};

// ---- Inside a meter (the picture's scale: pivot near the bottom, the needle as long as the arc).
constexpr float kPivotY = 0.95f, kNeedleLength = 0.70f, kNeedleWidth = 4.0f;
constexpr float kMaxLean = 0.785398f;  // 45 degrees either side of upright

// The crowd at once, the band's closing chord after it.
constexpr std::uint32_t kChordAfterMs = 1500;

std::uint64_t Now() { return Shell().Now(); }
}  // namespace

// ---- A meter ----

float GUI_VUMeter::NeedleAngle(float value) { return (std::clamp(value, 0.0f, 1.0f) * 2.0f - 1.0f) * kMaxLean; }

GUI_VUMeter::GUI_VUMeter(const SIM_GigMeter& meter, float left, float top, std::uint64_t opened)
    : label_(meter.label), value_(meter.value), opened_(opened) {
    SetRect(left, top, left + kWidth, top + kMeterHeight + kLabelHeight);
    SetTooltip(meter.tooltip);
}

float GUI_VUMeter::Shown() const {
    const std::uint64_t age = Now() - opened_;
    if (age >= kSwingMs) return value_;
    // Eased so the needle slows as it settles.
    const float t = static_cast<float>(age) / static_cast<float>(kSwingMs);
    return value_ * (1.0f - (1.0f - t) * (1.0f - t));
}

void GUI_VUMeter::Draw() {
    const GRect r = Area();
    GRenderer& renderer = Renderer();
    renderer.DrawTexture("vumeter.jpg", r.left, r.top, kWidth, kMeterHeight);
    if (GTexture* needle = renderer.FindTexture("vuneedle.dds")) {
        const float angle = NeedleAngle(Shown());
        const float px = r.left + kWidth / 2.0f, py = r.top + kMeterHeight * kPivotY;
        const float length = kMeterHeight * kNeedleLength;
        const float dx = std::sin(angle), dy = -std::cos(angle);  // towards the tip
        const float nx = -dy * kNeedleWidth / 2.0f, ny = dx * kNeedleWidth / 2.0f;
        // Tip first (the texture's top row), the pivot end last.
        const float xs[4] = {px + dx * length - nx, px + dx * length + nx, px - nx, px + nx};
        const float ys[4] = {py + dy * length - ny, py + dy * length + ny, py - ny, py + ny};
        renderer.DrawCorners(needle, xs, ys);
    }
    DrawText(GUI_Style::kBody, FitText(GUI_Style::kBody, label_, kWidth), r.left + kWidth / 2.0f,
             r.top + kMeterHeight + 3.0f, GUI_Style::kCream, TEXT_CENTRED);
    RecordControl();
    GUI_ButtonBase::Draw();
}

// ---- The screen ----

GUI_Gig* GUI_Gig::Open(const SIM_Performance& performance) {
    return OpenFullScreen<GUI_Gig>(performance);
}

GUI_Gig::GUI_Gig(const SIM_Performance& performance)
    : model_(std::make_unique<SIM_GigScreen>(performance)), opened_(Now()) {
    name = "gig";
    SetRect(0.0f, 0.0f, kScreenW, kScreenH);
    coversScreen = true;
    const SIM_Venue* venue = performance.venue;
    stage_ = std::make_unique<GUI_Stage>(GRect{0.0f, 0.0f, kScreenW, kScreenH}, CurrentStageFeatures(venue),
                                         venue && !venue->backdrop.empty() ? venue->backdrop : "backdrop_small.jpg",
                                         CurrentStageBand());
    constexpr float kMeters = static_cast<float>(COMPONENT_COUNT);
    const float rowW = kMeters * GUI_VUMeter::kWidth + (kMeters - 1.0f) * kMeterGap;
    for (int i = 0; i < COMPONENT_COUNT; ++i) {
        const float x = (kScreenW - rowW) / 2.0f + static_cast<float>(i) * (GUI_VUMeter::kWidth + kMeterGap);
        meters_.push_back(Add<GUI_VUMeter>(model_->meters[i], x, kMetersTop, opened_));
    }
    finish_ = Add<GUI_ButtonText>("", [this] { Finish(); });
    finish_->SetLabel(model_->finishLabel);
    finish_->SetTooltip(model_->finishTooltip);
    finish_->SetRect(kEffectsPanel.left, kButtonTop, kEffectsPanel.left + kButtonW, kButtonTop + kButtonH);
    // The band plays now: the music waits, however the screen closes.
    Sounds().PauseMusic();
    onClosed = [] { Sounds().ResumeMusic(); };
    PlayDueSounds(opened_);
}

GUI_Gig::~GUI_Gig() = default;

void GUI_Gig::Finish() {
    if (finished_) return;
    finished_ = true;
    Close();
    // The record companies' verdict and the next day may open screens of their own: the
    // gig is out of the way first.
    model_->Close();
}

void GUI_Gig::OnNotify(int key) {
    if (IsMoveOnKey(key)) Finish();
}

void GUI_Gig::PlayDueSounds(std::uint64_t now) {
    const std::vector<std::string>& sounds = model_->sounds;
    // The first sound is the crowd's; the rest are the notes of one chord, struck together.
    const std::size_t due = now - opened_ >= kChordAfterMs ? sounds.size() : std::min<std::size_t>(1, sounds.size());
    for (; soundsPlayed_ < due; ++soundsPlayed_) PlaySoundIfPresent(sounds[soundsPlayed_]);
}

void GUI_Gig::Update() {
    const std::uint64_t now = Now();
    PlayDueSounds(now);
    stage_->Update(now);
    GUI_WindowBase::Update();
}

void GUI_Gig::DrawBackground() {
    stage_->Draw();
    // The venue line on a dark strip as wide as it needs.
    const float venueW = std::min(kScreenW - 2.0f * kEdge, static_cast<float>(MeasureText(kVenueFont, model_->venueLine)) + 48.0f);
    DrawInsetPanel(GRect{(kScreenW - venueW) / 2.0f, kVenueTop, (kScreenW + venueW) / 2.0f, kVenueTop + kVenueH});
    DrawText(kVenueFont, FitText(kVenueFont, model_->venueLine, venueW - 24.0f), kScreenW / 2.0f, kVenueTop + 8.0f,
             GUI_Style::kGold, TEXT_CENTRED);
    DrawFigures();
    DrawEffects();
    Renderer().FillRect(kMetersStrip.left, kMetersStrip.top, kMetersStrip.right - kMetersStrip.left,
                        kMetersStrip.bottom - kMetersStrip.top, GUI_Style::kShade);
}

namespace {
// A label at the left of the panel and its value at the right, the label shortened to leave
// the value room.
void DrawFigureLine(const GRect& panel, float y, const std::string& label, const std::string& value) {
    const float left = panel.left + kPanelPad, right = panel.right - kPanelPad;
    const float valueW = static_cast<float>(MeasureText(kFigureFont, value));
    DrawText(kFigureFont, FitText(kFigureFont, label, right - left - valueW - 12.0f), left, y, GUI_Style::kCream);
    DrawText(kFigureFont, value, right, y, GUI_Style::kAmber, TEXT_RIGHT);
}
}  // namespace

void GUI_Gig::DrawFigures() const {
    const GRect& panel = kFiguresPanel;
    DrawInsetPanel(panel);
    const float left = panel.left + kPanelPad, across = panel.right - panel.left - 2.0f * kPanelPad;
    float y = panel.top + kPanelPad;
    // The crowd, the room's size and how full it was.
    DrawText(kCrowdFont, FitText(kCrowdFont, model_->attendance, across), left, y, GUI_Style::kGold);
    y += kLineH;
    DrawFigureLine(panel, y, model_->capacity, model_->fill);
    y += kLineH + 8.0f;
    for (const SIM_GigFigure& figure : model_->figures) {
        DrawFigureLine(panel, y, figure.label, figure.value);
        y += kLineH;
    }
}

void GUI_Gig::DrawEffects() const {
    const GRect& panel = kEffectsPanel;
    DrawInsetPanel(panel);
    float y = panel.top + kPanelPad;
    for (const SIM_GigFigure& effect : model_->effects) {
        DrawFigureLine(panel, y, effect.label, effect.value);
        y += kLineH;
    }
}
