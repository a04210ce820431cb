#include "GUI_CDMixer.h"

#include "FrameRecord.h"
#include "GHashTable.h"
#include "GUI_Shell.h"
#include "GUI_Style.h"
#include "InputManager.h"
#include "LibFont.h"
#include "LibString.h"
#include "Platform.h"
#include "Renderer.h"
#include "SIM_Album.h"
#include "SIM_AlbumScreens.h"
#include "SIM_Person.h"

#include <algorithm>

namespace {
using GUI_Style::kBody;
using GUI_Style::kSmall;

// ---- Over the leather: the desk's name and the album's title along the top; the members'
// strips side by side from the left; at the right the studio's picture and name, how the desk
// works, and the release button at the foot.
constexpr GUI_Style::Font kTitleFont{"verdanabold32.dds", 32.0f};
constexpr float kScreenW = static_cast<float>(kScreenWidth);
constexpr float kScreenH = static_cast<float>(kScreenHeight);
constexpr float kStripsX = 46.0f, kStripPitch = 155.0f;
constexpr float kStripsTop = 100.0f, kStripsBottom = 680.0f;
constexpr float kTitleY = 28.0f;
constexpr float kSideX = kStripsX + SIM_MixingDesk::kStrips * kStripPitch;
constexpr float kSideRight = kScreenW - 40.0f;  // inside the leather's stitching
constexpr float kSideW = kSideRight - kSideX;
constexpr float kStudioPictureH = kSideW * 126.0f / 171.0f;
constexpr float kHelpLineH = 17.0f;
constexpr std::size_t kHelpLines = 20;
constexpr float kButtonH = 34.0f;
static_assert(kSideW >= 140.0f, "the side column has room for its words");

// ---- Inside a strip: the portrait, the name and instrument, then the fader at the left and
// the meter at the right, both centred on the same middle.
constexpr float kPad = 8.0f;
constexpr float kFace = 96.0f;
constexpr float kNameY = kPad + kFace + 6.0f;
constexpr float kInstrumentY = kNameY + 18.0f;
constexpr float kFaderTop = kInstrumentY + 30.0f;
constexpr float kFaderBottomGap = 24.0f;
constexpr float kFaderX = 44.0f;  // the track's centre from the strip's left
constexpr float kSlotW = 6.0f;
constexpr float kLedW = 24.0f, kLedH = 10.0f, kLedPitch = 13.0f;
constexpr float kMeterX = GUI_MusicianMixer::kWidth - kPad - kLedW;
constexpr std::uint32_t kDesk = 0xE0141210;
constexpr float kRim = 4.0f;

const SIM_MixerStrip* StripOf(int strip) {
    const SIM_MixingDesk* desk = MixingDesk();
    if (!desk || strip < 0 || strip >= SIM_MixingDesk::kStrips) return nullptr;
    return &desk->strips[static_cast<std::size_t>(strip)];
}
}  // namespace

// ---- A fader ----

GUI_Fader::GUI_Fader(int strip, const std::string& label) : strip_(strip), label_(label) {}

float GUI_Fader::LevelAt(float y) const {
    // The knob's centre travels between the track's ends less half a knob.
    const float top = static_cast<float>(rect.top) + kKnobH / 2.0f;
    const float travel = static_cast<float>(height) - kKnobH;
    return travel > 0.0f ? std::clamp((top + travel - y) / travel, 0.0f, 1.0f) : 0.0f;
}

float GUI_Fader::KnobCentreY() const {
    const SIM_MixerStrip* strip = StripOf(strip_);
    const float level = strip ? strip->fader : 0.0f;
    const float travel = static_cast<float>(height) - kKnobH;
    return static_cast<float>(rect.top) + kKnobH / 2.0f + (1.0f - level) * travel;
}

void GUI_Fader::Follow(float y) {
    if (SIM_MixingDesk* desk = MixingDesk()) desk->SetFader(strip_, LevelAt(y));
}

bool GUI_Fader::OnClick(float x, float y) {
    if (dragging_ || !HitTest(x, y) || !MixingDesk()) return false;
    dragging_ = true;
    Follow(y);
    return true;
}

void GUI_Fader::Update() {
    if (!dragging_) return;
    CBaseInputManager& input = Shell().Input();
    if (!input.buttonHeld) {
        dragging_ = false;
        return;
    }
    Follow(input.y);
    input.TakeMouse();
}

void GUI_Fader::Draw() {
    GRenderer& renderer = Renderer();
    const float cx = static_cast<float>(rect.left + rect.right) / 2.0f;
    const float top = static_cast<float>(rect.top), bottom = static_cast<float>(rect.bottom);
    // Tick marks every tenth, the slot, then the knob with its white line.
    for (int tick = 0; tick <= 10; ++tick) {
        const float y = top + kKnobH / 2.0f + static_cast<float>(tick) / 10.0f * (bottom - top - kKnobH);
        const float half = tick % 5 == 0 ? 14.0f : 9.0f;
        renderer.FillRect(cx - half, y, 2.0f * half, 1.0f, 0x80C8B89A);
    }
    renderer.FillRect(cx - kSlotW / 2.0f, top, kSlotW, bottom - top, 0xFF050505);
    const float knob = KnobCentreY();
    const GRect area{cx - kKnobW / 2.0f, knob - kKnobH / 2.0f, cx + kKnobW / 2.0f, knob + kKnobH / 2.0f};
    DrawFramedBox(area, dragging_ ? GUI_Style::kButtonFrameLit : GUI_Style::kButtonFrame);
    renderer.FillRect(area.left + 6.0f, knob - 1.0f, kKnobW - 12.0f, 2.0f, 0xFFF3E6C8);
    if (FrameRecorder().Enabled()) FrameRecorder().AddControl(label_, area, true);
}

// ---- A member's strip ----

GUI_MusicianMixer::GUI_MusicianMixer(int strip, float left, float top, float bottom) : strip_(strip) {
    name = "mixer strip";
    SetRect(left, top, left + kWidth, bottom);
    const SIM_MixerStrip* mixer = StripOf(strip);
    std::string label = Translate("CDMIXER_FADER");
    if (mixer && mixer->member) {
        name_ = FitText(kSmall, mixer->member->fullname, kWidth - 2.0f * kPad);
        ReplaceToken(label, "<NAME>", mixer->member->fullname);
    }
    fader_ = Add<GUI_Fader>(strip, label);
    fader_->SetRect(left + kFaderX - GUI_Fader::kKnobW / 2.0f, top + kFaderTop, left + kFaderX + GUI_Fader::kKnobW / 2.0f,
                    bottom - kFaderBottomGap);
}

void GUI_MusicianMixer::DrawBackground() {
    const GRect r = Area();
    // The desk's face inside the frame's rounded rim.
    Renderer().FillRect(r.left + kRim, r.top + kRim, r.right - r.left - 2.0f * kRim, r.bottom - r.top - 2.0f * kRim, kDesk);
    DrawFramedBox(r, GUI_Style::kButtonFrame);
    const SIM_MixerStrip* mixer = StripOf(strip_);
    if (!mixer || !mixer->member) return;
    const float centre = (r.left + r.right) / 2.0f;
    Renderer().DrawTexture(mixer->member->GetPortrait(), centre - kFace / 2.0f, r.top + kPad, kFace, kFace);
    DrawText(kSmall, name_, centre, r.top + kNameY, GUI_Style::kCream, TEXT_CENTRED);
    DrawText(kSmall, InstrumentName(mixer->member->instrument), centre, r.top + kInstrumentY, GUI_Style::kCreamDim, TEXT_CENTRED);
    const GRect track = fader_->Area();
    DrawMeter(r.left + kMeterX, (track.top + track.bottom) / 2.0f);
}

void GUI_MusicianMixer::DrawMeter(float x, float centreY) const {
    const SIM_MixingDesk* desk = MixingDesk();
    const int lit = desk ? desk->MeterLeds(strip_) : 0;
    constexpr int half = SIM_MixingDesk::kMeterLeds / 2;
    // Pleased lights green upwards from the middle, displeased red downwards.
    for (int step = 1; step <= half; ++step) {
        const float above = centreY - static_cast<float>(step) * kLedPitch - 1.0f;
        const float below = centreY + static_cast<float>(step - 1) * kLedPitch + 2.0f;
        Renderer().DrawTexture(lit >= step ? "mix_led_green.bmp" : "mix_led_black.bmp", x, above, kLedW, kLedH);
        Renderer().DrawTexture(-lit >= step ? "mix_led_red.bmp" : "mix_led_black.bmp", x, below, kLedW, kLedH);
    }
}

// ---- The desk ----

GUI_CDMixer* GUI_CDMixer::Open() { return OpenFullScreen<GUI_CDMixer>(); }

GUI_CDMixer::GUI_CDMixer() {
    name = "mixing desk";
    SetRect(0.0f, 0.0f, kScreenW, kScreenH);
    coversScreen = true;
    // Only members have strips; a smaller band leaves the desk's last places dark.
    for (int strip = 0; strip < SIM_MixingDesk::kStrips; ++strip) {
        const SIM_MixerStrip* mixer = StripOf(strip);
        if (!mixer || !mixer->member) continue;
        const float left = kStripsX + static_cast<float>(strip) * kStripPitch;
        strips_.push_back(AddChildWindow<GUI_MusicianMixer>(strip, left, kStripsTop, kStripsBottom));
    }
    help_ = WrapLines(kBody, Translate("CDMIXER_HELP"), kSideW, kHelpLines);
    finish_ = Add<GUI_ButtonText>("CDMIXER_FINISH", [this] { Finish(); }, "CDMIXER_FINISH_TOOLTIP");
    finish_->SetRect(kSideX, kStripsBottom - kButtonH, kSideRight, kStripsBottom);
}

void GUI_CDMixer::Finish() {
    // The studio day may bring the next morning's screens: they open over the desk, which
    // then goes.
    if (Closed() || !FinishMixingDesk()) return;
    Close();
}

void GUI_CDMixer::Update() {
    if (!MixingDesk()) {
        if (!Closed()) Close();
        return;
    }
    GUI_WindowBase::Update();
}

void GUI_CDMixer::DrawBackground() {
    Renderer().DrawTexture("leather.jpg", 0.0f, 0.0f, kScreenW, kScreenH);
    const SIM_MixingDesk* desk = MixingDesk();
    if (!desk || !desk->album) return;
    std::string title = Translate("CDMIXER_TITLE");
    ReplaceToken(title, "<ALBUMNAME>", desk->album->title);
    DrawText(kTitleFont, FitText(kTitleFont, title, kScreenW - 2.0f * kStripsX), kStripsX, kTitleY, GUI_Style::kGold);
    float y = kStripsTop;
    if (const SIM_RecordingStudio* studio = SelectedStudio()) {
        Renderer().DrawTexture(studio->picture, kSideX, y, kSideW, kStudioPictureH);
        y += kStudioPictureH + 6.0f;
        for (const std::string& line : WrapLines(GUI_Style::kSubheading, studio->name, kSideW, 2)) {
            DrawText(GUI_Style::kSubheading, line, kSideX, y, GUI_Style::kCream);
            y += 20.0f;
        }
        y += 10.0f;
    }
    for (const std::string& line : help_) {
        DrawText(kBody, line, kSideX, y, GUI_Style::kCreamDim);
        y += kHelpLineH;
    }
}
