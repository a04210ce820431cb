#include "ScreenDriver.h"

#include "Game.h"
#include "InputManager.h"
#include "LibErrors.h"
#include "LibString.h"
#include "Platform.h"
#include "Renderer.h"

#include <SDL.h>

#include <cstdlib>
#include <filesystem>
#include <map>

namespace {
std::string Describe(const GRect& r) {
    return FormatText("(%.0f,%.0f)-(%.0f,%.0f)", static_cast<double>(r.left), static_cast<double>(r.top),
                      static_cast<double>(r.right), static_cast<double>(r.bottom));
}

bool Inside(const GRect& inner, const GRect& outer) {
    // Glyph boxes are placed on whole pixels: half a pixel of rounding is not an overflow.
    constexpr float slack = 0.5f;
    return inner.left >= outer.left - slack && inner.top >= outer.top - slack && inner.right <= outer.right + slack &&
           inner.bottom <= outer.bottom + slack;
}

bool ParseCount(const std::string& text, long long& out) {
    char* end = nullptr;
    out = std::strtoll(text.c_str(), &end, 10);
    return !text.empty() && end && *end == '\0';
}
}  // namespace

int KeyCode(const std::string& name) {
    static const std::map<std::string, int> named = {
        {"Escape", DIK_ESCAPE}, {"Return", DIK_RETURN}, {"Enter", DIK_RETURN}, {"Backspace", DIK_BACK},
        {"Tab", DIK_TAB},       {"Delete", DIK_DELETE}, {"Left", DIK_LEFT},    {"Right", DIK_RIGHT},
        {"Up", DIK_UP},         {"Down", DIK_DOWN},     {"Home", DIK_HOME},    {"End", DIK_END},
        {"PageUp", DIK_PRIOR},  {"PageDown", DIK_NEXT}, {"F12", DIK_F12},      {"Alt", DIK_LMENU},
        {"KeypadEnter", DIK_NUMPADENTER}};
    if (auto it = named.find(name); it != named.end()) return it->second;
    if (name.size() == 1 && name[0] >= '1' && name[0] <= '9') return 2 + (name[0] - '1');
    if (name == "0") return 11;
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return DirectInputScanCode(SDL_SCANCODE_A + (name[0] - 'A'));
    return 0;
}

bool ScreenDriver::StartGame(ThrowingErrorHandler& errors) {
    game_.SetClock([this] { return now_; });
    if (!game_.Start()) return false;
    SetErrorHandler(&errors);
    game_.frameSleep = 0;
    return true;
}

void ScreenDriver::Frame() { Tick(kFrameMs); }

void ScreenDriver::Tick(std::uint64_t ms) {
    if (game_.QuitPosted()) return;
    now_ += ms;
    game_.PumpEvents();
    game_.RunFrame();
    ++frames_;
    CheckFrame();
    if (onFrame) onFrame();
}

void ScreenDriver::Frames(int n) {
    for (int i = 0; i < n && !game_.QuitPosted(); ++i) Frame();
}

// Text on screen and inside its window, every window on screen.
void ScreenDriver::CheckFrame() const {
    const GFrame& frame = FrameRecorder().LastFrame();
    const GRect screen{0.0f, 0.0f, static_cast<float>(kScreenWidth), static_cast<float>(kScreenHeight)};
    for (const GFrameWindow& drawn : frame.windows)
        if (!Inside(drawn.rect, screen))
            throw ScreenFailure{"window \"" + drawn.name + "\" " + Describe(drawn.rect) + " lies off screen"};
    for (const GFrameText& text : frame.texts) {
        if (!Inside(text.rect, screen))
            throw ScreenFailure{"text \"" + text.text + "\" " + Describe(text.rect) + " runs off screen"};
        if (text.window < 0) continue;
        const GFrameWindow& owner = frame.windows[static_cast<std::size_t>(text.window)];
        if (!Inside(text.rect, owner.rect))
            throw ScreenFailure{"text \"" + text.text + "\" " + Describe(text.rect) + " runs out of window \"" +
                                owner.name + "\" " + Describe(owner.rect)};
    }
}

// A warp, not a device's movement: a session's replay records it as such.
void ScreenDriver::MoveCursor(float x, float y) { game_.Input().WarpCursor(x, y); }

void ScreenDriver::Move(Point at) {
    MoveCursor(at.first, at.second);
    Frame();
}

void ScreenDriver::Click(Point at, bool left) {
    Move(at);
    const int button = left ? 0 : 1;
    game_.Input().QueueMouse({MouseRecord::Button, button, true});
    Frame();
    game_.Input().QueueMouse({MouseRecord::Button, button, false});
    Frame();
}

void ScreenDriver::Key(const std::string& names) {
    std::vector<int> codes;
    std::size_t start = 0;
    for (;;) {
        const std::size_t plus = names.find('+', start);
        const std::string name = names.substr(start, plus == std::string::npos ? std::string::npos : plus - start);
        const int code = KeyCode(name);
        if (code == 0) throw ScreenFailure{"unknown key '" + name + "'"};
        codes.push_back(code);
        if (plus == std::string::npos) break;
        start = plus + 1;
    }
    for (int code : codes) game_.Input().QueueKey(code, true);
    for (auto it = codes.rbegin(); it != codes.rend(); ++it) game_.Input().QueueKey(*it, false);
    Frame();
}

void ScreenDriver::Type(const std::string& text) {
    game_.Input().QueueText(text);
    Frame();
}

void ScreenDriver::Drag(Point from, Point to) {
    constexpr int kDragFrames = 8;
    Move(from);
    game_.Input().QueueMouse({MouseRecord::Button, 0, true});
    Frame();
    for (int i = 1; i <= kDragFrames; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(kDragFrames);
        MoveCursor(from.first + (to.first - from.first) * t, from.second + (to.second - from.second) * t);
        Frame();
    }
    game_.Input().QueueMouse({MouseRecord::Button, 0, false});
    Frame();
}

bool ScreenDriver::Shot(const std::string& name) const {
    if (out_.empty()) return false;
    std::error_code ec;
    std::filesystem::create_directories(out_, ec);
    const std::string path = out_ + "/" + name + ".png";
    if (!Renderer().SaveFramePNG(path)) throw ScreenFailure{"could not write " + path};
    return true;
}

bool ScreenDriver::Drawn(const std::string& text) {
    for (const GFrameText& drawn : FrameRecorder().LastFrame().texts)
        if (drawn.text.find(text) != std::string::npos) return true;
    return false;
}

std::optional<ScreenDriver::Point> ScreenDriver::FindControl(const std::string& text, bool disabledToo) {
    auto usable = [disabledToo](const GFrameControl& control) { return disabledToo || control.enabled; };
    const GFrame& frame = FrameRecorder().LastFrame();
    auto centre = [](const GRect& r) { return Point{(r.left + r.right) / 2.0f, (r.top + r.bottom) / 2.0f}; };
    std::string label = text;
    if (const std::size_t at = text.rfind(" @"); at != std::string::npos) {
        long long n = 0;
        if (ParseCount(text.substr(at + 2), n) && n >= 1) {
            label = text.substr(0, at);
            for (const GFrameControl& control : frame.controls)
                if (usable(control) && control.label == label && --n == 0) return centre(control.rect);
            return std::nullopt;
        }
    }
    for (bool exact : {true, false}) {
        for (auto it = frame.controls.rbegin(); it != frame.controls.rend(); ++it)
            if (usable(*it) && (exact ? it->label == label : it->label.find(label) != std::string::npos))
                return centre(it->rect);
    }
    for (auto it = frame.texts.rbegin(); it != frame.texts.rend(); ++it)
        if (it->text == label) return centre(it->rect);
    return std::nullopt;
}

void ScreenDriver::ClickText(const std::string& label) {
    const auto at = FindControl(label);
    if (!at) throw ScreenFailure{"no enabled button or text \"" + label + "\" to click"};
    Click(*at, true);
}

std::string ScreenDriver::TextsDrawn() {
    std::string list;
    for (const GFrameText& text : FrameRecorder().LastFrame().texts) list += "  \"" + text.text + "\"\n";
    return list.empty() ? "  (none)\n" : list;
}
