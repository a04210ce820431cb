#include "GUI_Tooltip.h"

#include "FrameRecord.h"
#include "GUI_Shell.h"
#include "GUI_Style.h"
#include "Platform.h"
#include "Renderer.h"

#include <algorithm>
#include <cmath>

namespace {
using GUI_Style::kBody;

std::vector<GUI_Tooltip*>& Queue() {
    static std::vector<GUI_Tooltip*> queue;
    return queue;
}

// Padding of the text inside the box.
constexpr int kPadLeft = 4, kPadTop = 3;
constexpr int kLineHeight = 20;
// The fade's steps in a reference frame: in while hovered, out as it is drawn.
constexpr float kFadeInStep = 0.25f, kFadeOutStep = 0.125f;
}  // namespace

GUI_Tooltip::GUI_Tooltip(const std::string& text) { SetText(text); }

GUI_Tooltip::~GUI_Tooltip() {
    auto& queue = Queue();
    queue.erase(std::remove(queue.begin(), queue.end(), this), queue.end());
}

void GUI_Tooltip::SetText(const std::string& text) {
    text_ = text.substr(0, kMaxText);
    int w = MeasureText(kBody, text_);
    int h = kLineHeight;
    multiline_ = static_cast<float>(w) > kWrapWidth;
    if (multiline_) {
        w = WidestTextLine(kBody, text_, kWrapWidth);
        h = static_cast<int>(WrappedTextHeight(kBody, text_, kWrapWidth)) + 2 * kPadTop;
    }
    // The box holds the text with its padding on both sides.
    SetRect(static_cast<float>(rect.left), static_cast<float>(rect.top), static_cast<float>(rect.left + w + 2 * kPadLeft),
            static_cast<float>(rect.top + h));
}

void GUI_Tooltip::Draw() {
    auto& queue = Queue();
    if (std::find(queue.begin(), queue.end(), this) == queue.end()) queue.push_back(this);
}

float GUI_Tooltip::FramesSince(std::uint64_t& last, std::uint64_t now) {
    constexpr std::uint64_t kPauseMs = 100;
    const bool running = last != 0 && now >= last && now - last <= kPauseMs;
    const float frames = running ? static_cast<float>(now - last) / kReferenceFrameMs : 1.0f;
    last = now;
    return frames;
}

void GUI_Tooltip::Hover(float cursorX, float cursorY, std::uint64_t restMs, std::uint64_t now) {
    // Held so that after the drawing's step it rests where a reference frame leaves it.
    const float frames = FramesSince(lastHover_, now);
    const float full = 1.0f - kFadeOutStep * (1.0f - std::min(frames, 1.0f));
    if (static_cast<float>(restMs) > static_cast<float>(delay) * kReferenceFrameMs) fade = std::min(fade + kFadeInStep * frames, full);
    PlaceNear(cursorX, cursorY);
}

void GUI_Tooltip::PlaceNear(float cursorX, float cursorY) {
    const int w = width, h = height;
    int x, y;
    if (followMouse) {
        x = static_cast<int>(cursorX) + 30;
        y = static_cast<int>(cursorY) - 10;
    } else {
        x = static_cast<int>(cursorX) + 30;
        if (x + w > kScreenWidth) x = static_cast<int>(cursorX) - w;
        y = static_cast<int>(cursorY);
        if (y + h > kScreenHeight) y = static_cast<int>(cursorY) - h;
    }
    x = std::clamp(x, 0, std::max(0, kScreenWidth - w));
    y = std::clamp(y, 0, std::max(0, kScreenHeight - h));
    MoveTo(static_cast<float>(x), static_cast<float>(y));
}

void GUI_Tooltip::DrawQueued(std::uint64_t now) {
    // Shorter frames take smaller steps; it is drawn as bright as a reference frame would draw it.
    const float frames = FramesSince(lastDraw_, now);
    const float alpha = std::min(fade + kFadeOutStep * (1.0f - std::min(frames, 1.0f)), 1.0f) * (fade > 0.0f ? 1.0f : 0.0f);
    if (alpha > 0.01f) {
        // Its button may have moved it since it was placed by the cursor (a new text re-centres it).
        KeepOnScreen();
        const std::uint32_t a = static_cast<std::uint32_t>(alpha * 255.0f) << 24;
        GRenderer& renderer = Renderer();
        const float l = static_cast<float>(rect.left), t = static_cast<float>(rect.top);
        const float w = static_cast<float>(width), h = static_cast<float>(height);
        renderer.FillRect(l + 1.0f, t + 1.0f, w, h, a | 0x202080u);
        renderer.FillRect(l, t, w, h, a | 0xFFFFFFu);
        FrameRecorder().BeginWindow("tooltip", Area());
        const std::uint32_t ink = a | (GUI_Style::kInk & 0xFFFFFFu);
        if (multiline_) DrawTextWrapped(kBody, text_, l + kPadLeft, t + kPadTop, kWrapWidth, ink);
        else DrawText(kBody, text_, l + kPadLeft, t + kPadTop, ink);
        FrameRecorder().EndWindow();
    }
    fade = std::max(fade - kFadeOutStep * frames, 0.0f);
}

void DrawTooltipQueue() {
    const std::vector<GUI_Tooltip*> queue = std::move(Queue());
    Queue().clear();
    const std::uint64_t now = Shell().Now();
    for (GUI_Tooltip* tooltip : queue) tooltip->DrawQueued(now);
}

void ClearTooltipQueue() { Queue().clear(); }
