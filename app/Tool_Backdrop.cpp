#include "Tool_Backdrop.h"

#include "GUI_Shell.h"
#include "GUI_Style.h"
#include "InputManager.h"
#include "LibConfigSection.h"
#include "LibFont.h"
#include "LibString.h"
#include "Platform.h"
#include "Renderer.h"
#include "SIM_Venue.h"

#include <algorithm>

namespace {
// ---- Layout: the key list on a dark panel at the top left, a mark before each line that is
// on, and what is on stage in two lines under it.
constexpr float kPanelX = 16.0f, kPanelY = 16.0f, kPanelW = 400.0f;
constexpr float kPad = 12.0f, kLineH = 20.0f, kMark = 10.0f, kMarkGap = 10.0f;
constexpr std::uint32_t kMarkOn = GUI_Style::kAmber, kMarkOff = 0x60F3E6C8;
constexpr std::uint32_t kFiredMs = 1000;  // a fired pyro's mark stays lit this long

// Scan codes of the tool's keys.
enum : int { KEY_1 = 2, KEY_2 = 3, KEY_S = 31, KEY_H = 35, KEY_K = 37, KEY_L = 38, KEY_C = 46, KEY_V = 47, KEY_M = 50 };

const char* const kKeyLines[] = {"ESCAPE - Quit program", "L - Lasers",          "S - Smoke machine",
                                 "M - Max Spotlights",    "1 - Small Pyros",     "2 - Big Pyros",
                                 "C - Computerised Lighting", "H - Stonehenge",  "K - Skull",
                                 "V - Video Screen",      "UP - Big Venue",      "DOWN - Small Venue"};
constexpr std::size_t kKeyCount = sizeof(kKeyLines) / sizeof(kKeyLines[0]);
constexpr std::size_t kStatusLines = 4;
constexpr float kPanelH = 2.0f * kPad + static_cast<float>(kKeyCount + kStatusLines) * kLineH + 8.0f;

// The venue with the smallest (or largest) stage; the first of equals.
const SIM_Venue* VenueBySize(bool largest) {
    const SIM_Venue* found = nullptr;
    for (const auto& venue : Venues())
        if (!found || (largest ? venue->stageSize > found->stageSize : venue->stageSize < found->stageSize)) found = venue.get();
    return found;
}
}  // namespace

Tool_Backdrop::Tool_Backdrop() {
    // The switches of the tuning table start as they are set; no band owns anything here.
    features_ = StageFeaturesFor([](const std::string&) { return false; },
                                 [](const std::string& key) { return GetTuningValue(key); }, 1.0f);
}

Tool_Backdrop::~Tool_Backdrop() = default;

void Tool_Backdrop::OnEnter() {
    if (!stage_) {
        venue_ = VenueBySize(false);
        BuildStage();
    }
}

void Tool_Backdrop::BuildStage() {
    features_.stageSize = venue_ ? venue_->stageSize : 1.0f;
    const std::string backdrop = venue_ && !venue_->backdrop.empty() ? venue_->backdrop : "backdrop_small.jpg";
    // The whole band, so every silhouette can be looked at.
    stage_ = std::make_unique<GUI_Stage>(GRect{0.0f, 0.0f, static_cast<float>(kScreenWidth), static_cast<float>(kScreenHeight)},
                                         features_, backdrop, GUI_StageBand{true, true, true});
}

void Tool_Backdrop::OnKeyDown(int key) {
    if (!stage_) OnEnter();
    auto toggle = [this](bool GUI_StageFeatures::*piece) {
        features_.*piece = !(features_.*piece);
        stage_->SetFeatures(features_);
    };
    const std::uint64_t now = Shell().Now();
    switch (key) {
        case DIK_ESCAPE: Shell().Quit(); break;
        case KEY_L: toggle(&GUI_StageFeatures::lasers); break;
        case KEY_S: toggle(&GUI_StageFeatures::smoke); break;
        case KEY_M:
            features_.spotlights = features_.spotlights == 8 ? 0 : 8;
            stage_->SetFeatures(features_);
            break;
        case KEY_1:
            stage_->FirePyro(false);
            smallFired_ = now;
            firedSmall_ = true;
            ++smallCount_;
            break;
        case KEY_2:
            stage_->FirePyro(true);
            largeFired_ = now;
            firedLarge_ = true;
            ++largeCount_;
            break;
        case KEY_C: toggle(&GUI_StageFeatures::computerLights); break;
        case KEY_H: toggle(&GUI_StageFeatures::stonehenge); break;
        case KEY_K: toggle(&GUI_StageFeatures::skull); break;
        case KEY_V: toggle(&GUI_StageFeatures::videoScreen); break;
        case DIK_UP:
        case DIK_DOWN:
            if (const SIM_Venue* venue = VenueBySize(key == DIK_UP); venue && venue != venue_) {
                venue_ = venue;
                BuildStage();
            }
            break;
        default: break;
    }
}

void Tool_Backdrop::Update() {
    if (!stage_) OnEnter();
    stage_->Update(Shell().Now());
}

void Tool_Backdrop::Draw() {
    if (!stage_) return;
    stage_->Draw();
    DrawKeys();
}

void Tool_Backdrop::DrawKeys() const {
    const std::uint64_t now = Shell().Now();
    const bool bigVenue = venue_ && venue_ == VenueBySize(true);
    const bool marks[kKeyCount] = {false,
                                   features_.lasers,
                                   features_.smoke,
                                   features_.spotlights == 8,
                                   firedSmall_ && now - smallFired_ < kFiredMs,
                                   firedLarge_ && now - largeFired_ < kFiredMs,
                                   features_.computerLights,
                                   features_.stonehenge,
                                   features_.skull,
                                   features_.videoScreen,
                                   bigVenue,
                                   venue_ && !bigVenue};
    DrawInsetPanel(GRect{kPanelX, kPanelY, kPanelX + kPanelW, kPanelY + kPanelH});
    const float left = kPanelX + kPad, textX = left + kMark + kMarkGap;
    float y = kPanelY + kPad;
    for (std::size_t i = 0; i < kKeyCount; ++i) {
        if (i > 0) Renderer().FillRect(left, y + 5.0f, kMark, kMark, marks[i] ? kMarkOn : kMarkOff);
        DrawText(GUI_Style::kBody, kKeyLines[i], textX, y, marks[i] ? GUI_Style::kGold : GUI_Style::kCream);
        y += kLineH;
    }
    // What is on stage, in words a script can check.
    auto list = [](const std::vector<std::string>& items, const char* none) {
        std::string text;
        for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
        return text.empty() ? std::string(none) : text;
    };
    std::vector<std::string> lights, props;
    if (features_.lasers) lights.emplace_back("lasers");
    if (features_.spotlights > 0) lights.push_back(FormatText("%d spotlights", features_.spotlights));
    if (features_.computerLights) lights.emplace_back("moving lights");
    if (features_.smoke) props.emplace_back("smoke");
    if (features_.stonehenge) props.emplace_back("stonehenge");
    if (features_.skull) props.emplace_back("skull");
    if (features_.videoScreen) props.emplace_back("video screen");
    const float statusW = kPanelX + kPanelW - kPad - left;
    y += 8.0f;
    for (const std::string& line : {"Lights: " + list(lights, "none"), "Stage: " + list(props, "bare"),
                                    FormatText("Pyros fired: %d small, %d big", smallCount_, largeCount_)}) {
        DrawText(GUI_Style::kSmall, FitText(GUI_Style::kSmall, line, statusW), left, y, GUI_Style::kCreamDim);
        y += kLineH;
    }
    const std::string venue = venue_ ? FormatText("Venue: %s (stage size %.2f)", venue_->displayName.c_str(),
                                                  static_cast<double>(venue_->stageSize))
                                     : std::string("Venue: none loaded");
    DrawText(GUI_Style::kSmall, FitText(GUI_Style::kSmall, venue, statusW), left, y, GUI_Style::kCreamDim);
}
