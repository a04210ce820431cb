#include "GUI_Stage.h"

#include "LibConfigSection.h"
#include "LibRandom.h"
#include "GUI_Sounds.h"
#include "SIM_Asset.h"
#include "SIM_Band.h"
#include "SIM_Person.h"
#include "SIM_Venue.h"

#include <algorithm>
#include <cmath>

namespace {
// ---- Layout, as fractions of the stage's area so the same stage fits any rectangle.
constexpr float kFloor = 0.83f;           // the band's feet, in front of the backdrop's floorboards
constexpr float kFigureScale = 1.1f;      // silhouettes at stage size 1
constexpr float kFigureW = 128.0f, kFigureH = 256.0f, kDrummerW = 256.0f;
constexpr float kDrummerScale = 1.2f;
constexpr float kDrummerRiser = 36.0f;    // the drum riser lifts the kit behind the front line
constexpr float kFigureSpacing = 104.0f;  // between the front line's players, at scale 1
constexpr float kTrussY = 0.01f;
constexpr float kSpotSize = 48.0f;
constexpr float kRigSpan = 0.8f;          // of the width, centred
constexpr float kBeamW = 150.0f;
constexpr float kLaserBarY = 0.07f;
constexpr int kLaserBeams = 6;
constexpr float kLaserLength = 1000.0f, kLaserThickness = 6.0f;
constexpr float kSmokeLayersH = 0.62f;    // the laser haze hangs over the top of the room
constexpr int kMovingLights = 4;
constexpr float kMovingLightSize = 170.0f;
constexpr float kVideoW = 256.0f, kVideoH = 192.0f, kVideoLift = 170.0f;
constexpr float kStonehengeX = 0.17f, kSkullX = 0.83f;
constexpr float kMaxPropScale = 1.2f;     // props stay on a big stage's wings
constexpr float kPyroSide = 0.3f;         // of the width either side of the centre

// ---- Timing.
constexpr std::uint32_t kLightMapMs = 3000;  // each light map's turn
constexpr std::uint32_t kLightMapFadeMs = 1000;
constexpr std::uint32_t kFirstPyroMs = 1200;
constexpr std::uint32_t kPyroEveryMs = 3500;

constexpr std::uint32_t kSpotColour = 0x90FFF4DC;
constexpr std::uint32_t kLightMapAlpha = 0x78;
constexpr std::uint32_t kHazeAlpha = 0x30;
constexpr float kHazeDrift = 0.016f;  // pixels a millisecond

const char* const kLightMaps[3] = {"gig_lightmap_0.jpg", "gig_lightmap_1.jpg", "gig_lightmap_2.jpg"};
const char* const kHaze[3] = {"lasersmoke1.jpg", "lasersmoke2.jpg", "lasersmoke3.jpg"};

// Never destroyed: stages owned by the game's modes outlive every function-local static
// made after the game, and still unregister themselves at exit.
std::vector<GUI_Stage*>& LiveStages() {
    static auto* stages = new std::vector<GUI_Stage*>();
    return *stages;
}

std::uint32_t WithAlpha(std::uint32_t argb, float alpha) {
    const auto a = static_cast<std::uint32_t>(std::clamp(alpha, 0.0f, 1.0f) * static_cast<float>(argb >> 24));
    return (a << 24) | (argb & 0x00FFFFFFu);
}

// A picture into a rectangle, tinted, in either blend.
void DrawPicture(GTexture* texture, float x, float y, float w, float h, std::uint32_t argb, GBlend blend,
                 const GUVRect& uv = {}) {
    if (!texture) return;
    const float xs[4] = {x, x + w, x, x + w}, ys[4] = {y, y, y + h, y + h};
    Renderer().DrawCorners(texture, xs, ys, uv, argb, blend);
}

// A beam of the given thickness from (x, y) along the angle (0 straight down), additively. It
// goes out in short pieces: the software renderer fills a triangle by its bounding box, so a
// long slanting beam in one piece would cost as much as the box it spans.
void DrawBeam(GTexture* texture, float x, float y, float angle, float length, float thickness, std::uint32_t argb) {
    constexpr float kPiece = 40.0f;
    if (!texture) return;
    const float dx = std::sin(angle), dy = std::cos(angle);  // along the beam
    const float nx = dy * thickness / 2.0f, ny = -dx * thickness / 2.0f;  // across it
    // The texture's gradient runs across v; along u it is even, so every piece takes all of it.
    for (float from = 0.0f; from < length; from += kPiece) {
        const float to = std::min(length, from + kPiece);
        const float sx = x + dx * from, sy = y + dy * from, ex = x + dx * to, ey = y + dy * to;
        const float px[4] = {sx + nx, ex + nx, sx - nx, ex - nx}, py[4] = {sy + ny, ey + ny, sy - ny, ey - ny};
        Renderer().DrawCorners(texture, px, py, {}, argb, GBlend::Additive, from == 0.0f);
    }
}

GTexture* Picture(const std::string& name, float w, float h) {
    GRenderer& renderer = Renderer();
    return renderer.ScaledTexture(renderer.FindTexture(name), static_cast<int>(std::lround(w)), static_cast<int>(std::lround(h)));
}
}  // namespace

// ---- Which pieces are on stage ----

std::string GUI_StageFeatures::SmokeEffect() const {
    if (!smoke) return {};
    return stageSize >= kLargeStageSize ? "largevenue_smoke" : "smallvenue_smoke";
}

GUI_StageFeatures StageFeaturesFor(const GUI_OwnsAsset& owns, const GUI_TuningValue& tuning, float stageSize) {
    auto shown = [&](const char* asset, const char* key) { return owns(asset) || tuning(key) != 0.0f; };
    GUI_StageFeatures f;
    f.stageSize = stageSize;
    f.smoke = shown("smokemachine", "CHEAT_SMOKEMACHINE");
    if (tuning("CHEAT_MAXLIGHTS") != 0.0f || owns("8spotlightrig")) f.spotlights = 8;
    else if (owns("4spotlightrig")) f.spotlights = 4;
    else if (owns("2spotlightrig")) f.spotlights = 2;
    f.lasers = shown("laser", "CHEAT_LASERS");
    f.computerLights = shown("computerised lighting", "CHEAT_COMPUTERLIGHTS");
    f.videoScreen = shown("videoscreen", "CHEAT_VIDEOSCREEN");
    f.stonehenge = shown("stonehenge", "CHEAT_STONEHENGE");
    f.skull = shown("skull", "CHEAT_SKULL");
    f.smallPyro = shown("small pyro", "CHEAT_SMALLPYRO");
    f.largePyro = shown("large pyro", "CHEAT_LARGEPYRO");
    return f;
}

GUI_StageFeatures CurrentStageFeatures(const SIM_Venue* venue) {
    return StageFeaturesFor([](const std::string& asset) { return BandOwns(asset); },
                            [](const std::string& key) { return GetTuningValue(key); }, venue ? venue->stageSize : 1.0f);
}

GUI_StageBand CurrentStageBand() {
    auto plays = [](int instrument) {
        return GetMilo().instrument == instrument || GetBand().FindMemberByInstrument(instrument) != nullptr;
    };
    return GUI_StageBand{plays(INSTRUMENT_GUITAR), plays(INSTRUMENT_SAXOPHONE), plays(INSTRUMENT_KEYBOARD)};
}

std::vector<GUI_StageFigure> StageLineUp(const GUI_StageBand& band, float stageSize, float centreX, float floorY) {
    const float scale = stageSize * kFigureScale;
    std::vector<GUI_StageFigure> figures;
    // The drummer first: he sits behind the front line.
    const float drumW = kDrummerW * scale * kDrummerScale, drumH = kFigureH * scale * kDrummerScale;
    const float drumBottom = floorY - kDrummerRiser * scale;
    figures.push_back({"vector_drummer.dds", {centreX - drumW / 2.0f, drumBottom - drumH, centreX + drumW / 2.0f, drumBottom}});
    // The front line from left to right, the singer in the middle of the three who always play.
    std::vector<const char*> front;
    if (band.keyboard) front.push_back("vector_keyboard.dds");
    front.push_back("vector_bass.dds");
    front.push_back("vector_vocals.dds");
    if (band.guitar) front.push_back("vector_guitar.dds");
    if (band.sax) front.push_back("vector_sax.dds");
    const float w = kFigureW * scale, h = kFigureH * scale, spacing = kFigureSpacing * scale;
    const float first = centreX - spacing * static_cast<float>(front.size() - 1) / 2.0f;
    for (std::size_t i = 0; i < front.size(); ++i) {
        const float x = first + spacing * static_cast<float>(i);
        figures.push_back({front[i], {x - w / 2.0f, floorY - h, x + w / 2.0f, floorY}});
    }
    return figures;
}

// ---- Spotlights ----

void GUI_Spotlight::Update(std::uint64_t now) {
    if (now < periodStart_ + kDecideMs) return;
    // However many half seconds a slow frame skipped, one decision stands for the latest.
    periodStart_ += (now - periodStart_) / kDecideMs * kDecideMs;
    lit_ = !RandomChance(kDarkChance);
}

// ---- Pyrotechnics ----

void GUI_Pyro::Fire(const GUI_PyroEvent& event) {
    // Every charge bangs, sparks and puffs; a large one adds the flame jet and its black smoke.
    // Smoke, flames and the glow of the bang are round blobs: they are drawn upright.
    effects_.Start("smoke_bang", event.x, event.y, false, true);
    if (event.large) {
        effects_.Start("blacksmoke", event.x, event.y - 40.0f, false, true);
        effects_.Start("flames", event.x, event.y, true, true);
    }
    effects_.Start("spark_shower", event.x, event.y, true);
    effects_.Start("bang", event.x, event.y - 20.0f, true, true);
    PlaySoundIfPresent("data/sounds/pyro.ogg");
    // A big charge rolls round the hall.
    if (event.large) PlaySoundIfPresent("data/sounds/pyro_echo.ogg");
    lastBang_ = event.at;
    banged_ = true;
}

void GUI_Pyro::Draw() { effects_.Draw(); }

float GUI_Pyro::Flash(std::uint64_t now) const {
    if (!banged_ || now < lastBang_) return 0.0f;
    const auto age = static_cast<float>(now - lastBang_);
    return std::max(0.0f, 1.0f - age / static_cast<float>(kFlashMs));
}

// ---- The stage ----

GUI_Stage::GUI_Stage(const GRect& area, const GUI_StageFeatures& features, std::string backdrop, const GUI_StageBand& band)
    : area_(area), backdrop_(std::move(backdrop)), band_(band) {
    LiveStages().push_back(this);
    SetFeatures(features);
}

GUI_Stage::~GUI_Stage() { std::erase(LiveStages(), this); }

void GUI_Stage::RebuildAll() {
    for (GUI_Stage* stage : LiveStages()) stage->Rebuild();
}

float GUI_Stage::FloorY() const { return area_.top + Height() * kFloor; }

void GUI_Stage::SetFeatures(const GUI_StageFeatures& features) {
    const bool smokeChanged = features.SmokeEffect() != features_.SmokeEffect() || smoke_.Running() == 0;
    features_ = features;
    lineUp_ = StageLineUp(band_, features_.stageSize, (area_.left + area_.right) / 2.0f, FloorY());
    if (spotlights_.size() != static_cast<std::size_t>(features_.spotlights))
        spotlights_.assign(static_cast<std::size_t>(features_.spotlights), GUI_Spotlight(now_));
    if (smokeChanged) StartSmoke();
}

void GUI_Stage::StartSmoke() {
    smoke_.Clear();
    const std::string effect = features_.SmokeEffect();
    if (!effect.empty()) smoke_.Start(effect, (area_.left + area_.right) / 2.0f, FloorY() - 10.0f, false, true);
}

void GUI_Stage::Rebuild() {
    lineUp_ = StageLineUp(band_, features_.stageSize, (area_.left + area_.right) / 2.0f, FloorY());
}

void GUI_Stage::FirePyro(bool large) {
    const float side = (pyroCount_++ % 2 == 0 ? -1.0f : 1.0f) * kPyroSide * Width();
    pyro_.Fire(GUI_PyroEvent{now_, large, (area_.left + area_.right) / 2.0f + side, FloorY()});
}

// The show's charges: the first soon after the lights come up, then one every few seconds,
// alternating sides and, with both kits, small and large.
void GUI_Stage::ScheduleShow(std::uint64_t now) {
    if (!features_.smallPyro && !features_.largePyro) return;
    if (now < nextPyro_) return;
    const bool large = features_.largePyro && (!features_.smallPyro || pyroCount_ % 2 == 1);
    FirePyro(large);
    nextPyro_ = now + kPyroEveryMs;
}

void GUI_Stage::Update(std::uint64_t now) {
    if (!started_) {
        started_ = true;
        start_ = last_ = now;
        nextPyro_ = now + kFirstPyroMs;
        for (GUI_Spotlight& spot : spotlights_) spot = GUI_Spotlight(now);
    }
    const auto elapsed = static_cast<std::uint32_t>(now - last_);
    last_ = now_ = now;
    for (GUI_Spotlight& spot : spotlights_) spot.Update(now);
    ScheduleShow(now);
    smoke_.Update(elapsed);
    pyro_.Update(elapsed);
}

void GUI_Stage::Draw() {
    const float w = Width(), h = Height();
    if (GTexture* backdrop = Picture(backdrop_, w, h)) DrawPicture(backdrop, area_.left, area_.top, w, h, 0xFFFFFFFF, GBlend::Alpha);
    else Renderer().FillRect(area_.left, area_.top, w, h, 0xFF120808);
    if (features_.computerLights) DrawComputerLights();
    DrawProps();
    DrawBand();
    DrawLightMaps();
    DrawSpotlights();
    if (features_.lasers) DrawLasers();
    smoke_.Draw();
    pyro_.Draw();
    if (const float flash = pyro_.Flash(now_); flash > 0.0f)
        DrawPicture(Picture("gig_lightmap_flash.jpg", w, h), area_.left, area_.top, w, h, WithAlpha(0xFFFFFFFF, flash),
                    GBlend::Additive);
}

void GUI_Stage::DrawProps() {
    const float scale = features_.stageSize * kFigureScale;
    const float propScale = std::min(scale, kMaxPropScale);
    const float floor = FloorY();
    if (features_.videoScreen) {
        // Behind the band, above the drum riser; the picture flickers as a live feed does.
        const float vw = kVideoW * scale, vh = kVideoH * scale;
        const float cx = (area_.left + area_.right) / 2.0f, bottom = floor - kVideoLift * scale;
        const float live = 0.85f + 0.15f * std::sin(static_cast<float>(now_ - start_) * 0.02f);
        const auto grey = static_cast<std::uint32_t>(255.0f * live);
        DrawPicture(Picture("videoscreen.jpg", vw, vh), cx - vw / 2.0f, bottom - vh, vw, vh,
                    0xFF000000u | grey << 16 | grey << 8 | grey, GBlend::Alpha);
    }
    if (features_.stonehenge) {
        const float pw = 256.0f * propScale, ph = 128.0f * propScale, cx = area_.left + Width() * kStonehengeX;
        DrawPicture(Picture("stonehenge.dds", pw, ph), cx - pw / 2.0f, floor - ph, pw, ph, 0xFFFFFFFF, GBlend::Alpha);
    }
    if (features_.skull) {
        const float ps = 128.0f * propScale, cx = area_.left + Width() * kSkullX;
        DrawPicture(Picture("skull.dds", ps, ps), cx - ps / 2.0f, floor - ps, ps, ps, 0xFFFFFFFF, GBlend::Alpha);
    }
}

void GUI_Stage::DrawBand() {
    for (const GUI_StageFigure& figure : lineUp_) {
        const float fw = figure.rect.right - figure.rect.left, fh = figure.rect.bottom - figure.rect.top;
        DrawPicture(Picture(figure.texture, fw, fh), figure.rect.left, figure.rect.top, fw, fh, 0xFFFFFFFF, GBlend::Alpha);
    }
}

// The three light maps take turns, each fading into the next.
void GUI_Stage::DrawLightMaps() {
    const float w = Width(), h = Height();
    const std::uint64_t t = now_ - start_;
    const std::size_t current = static_cast<std::size_t>(t / kLightMapMs) % 3;
    const auto into = static_cast<std::uint32_t>(t % kLightMapMs);
    const std::uint32_t base = kLightMapAlpha << 24 | 0x00FFFFFFu;
    float next = 0.0f;
    if (into > kLightMapMs - kLightMapFadeMs) next = static_cast<float>(into - (kLightMapMs - kLightMapFadeMs)) / kLightMapFadeMs;
    DrawPicture(Picture(kLightMaps[current], w, h), area_.left, area_.top, w, h, WithAlpha(base, 1.0f - next), GBlend::Additive);
    if (next > 0.0f)
        DrawPicture(Picture(kLightMaps[(current + 1) % 3], w, h), area_.left, area_.top, w, h, WithAlpha(base, next),
                    GBlend::Additive);
}

void GUI_Stage::DrawSpotlights() {
    if (spotlights_.empty()) return;
    const float w = Width();
    const float span = w * kRigSpan, first = area_.left + (w - span) / 2.0f;
    const float step = span / static_cast<float>(spotlights_.size());
    const float top = area_.top + Height() * kTrussY;
    const float beamTop = top + kSpotSize * 0.6f, beamH = FloorY() - beamTop;
    GTexture* beam = Picture("spotlight.dds", kBeamW, beamH);
    GTexture* fixture = Picture("ceiling_spot.dds", kSpotSize, kSpotSize);
    for (std::size_t i = 0; i < spotlights_.size(); ++i) {
        const float cx = first + step * (static_cast<float>(i) + 0.5f);
        if (spotlights_[i].Lit()) DrawPicture(beam, cx - kBeamW / 2.0f, beamTop, kBeamW, beamH, kSpotColour, GBlend::Additive);
        DrawPicture(fixture, cx - kSpotSize / 2.0f, top, kSpotSize, kSpotSize, spotlights_[i].Lit() ? 0xFFFFFFFF : 0xFF505050,
                    GBlend::Alpha);
    }
}

// Drifting haze over the room, then the beams fanning from the laser bar and sweeping through it.
// The three haze layers are added together once and drift as one: blending each over the room
// every frame cost the software renderer more than the rest of the stage.
void GUI_Stage::DrawLasers() {
    const float w = Width(), hazeH = Height() * kSmokeLayersH;
    const float t = static_cast<float>(now_ - start_);
    if (GTexture* haze = Renderer().SummedTexture({std::begin(kHaze), std::end(kHaze)}, static_cast<int>(std::lround(w)),
                                                  static_cast<int>(std::lround(hazeH)), kHazeAlpha / 255.0f)) {
        // Two copies side by side cover the wrap.
        const float x = area_.left + std::fmod(t * kHazeDrift, w);
        DrawPicture(haze, x - w, area_.top, w, hazeH, 0xFFFFFFFF, GBlend::Additive);
        DrawPicture(haze, x, area_.top, w, hazeH, 0xFFFFFFFF, GBlend::Additive);
    }
    GTexture* laser = Renderer().FindTexture("laser.dds");
    const float cx = (area_.left + area_.right) / 2.0f, y = area_.top + Height() * kLaserBarY;
    const float sweep = 0.45f * std::sin(t * 0.0012f);
    for (int i = 0; i < kLaserBeams; ++i) {
        const float spread = (static_cast<float>(i) - static_cast<float>(kLaserBeams - 1) / 2.0f) * 0.22f;
        // Each beam ends where it meets the floor (or the longest a beam reaches).
        const float angle = spread + sweep;
        const float length = std::min(kLaserLength, (FloorY() - y) / std::max(0.2f, std::cos(angle)));
        DrawBeam(laser, cx, y, angle, length, kLaserThickness, 0xE0FFFFFF);
    }
}

// Moving heads chasing each other over the back wall.
void GUI_Stage::DrawComputerLights() {
    const float t = static_cast<float>(now_ - start_);
    const float cx = (area_.left + area_.right) / 2.0f, cy = area_.top + Height() * 0.36f;
    GTexture* light = Picture("computer_light.dds", kMovingLightSize, kMovingLightSize);
    for (int i = 0; i < kMovingLights; ++i) {
        const float phase = static_cast<float>(i) * 1.7f;
        const float x = cx + std::sin(t * 0.0009f + phase) * Width() * 0.36f;
        const float y = cy + std::sin(t * 0.0014f + phase * 1.3f) * Height() * 0.14f;
        DrawPicture(light, x - kMovingLightSize / 2.0f, y - kMovingLightSize / 2.0f, kMovingLightSize, kMovingLightSize,
                    0xC0FFFFFF, GBlend::Additive);
    }
}
