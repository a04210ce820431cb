#pragma once
// A tooltip: a small white box of text that fades in while its control is hovered and the
// mouse rests, placed next to the cursor and always wholly on screen. Drawing only queues it;
// the window list draws the queue over everything else.
#include "GUIButtonsList.h"

#include <cstdint>
#include <string>

class GUI_Tooltip : public GUI_BaseElement {
public:
    static constexpr std::size_t kMaxText = 1023;
    static constexpr float kWrapWidth = 240.0f;
    // Rest frames before a hovered tooltip starts to show, and the frame they are counted in:
    // the tooltip keeps time by the clock, so it shows as soon and fades as fast at any rate.
    static constexpr int kDefaultDelay = 8;
    static constexpr float kReferenceFrameMs = 20.0f;

    explicit GUI_Tooltip(const std::string& text);
    ~GUI_Tooltip() override;

    void SetText(const std::string& text);
    const std::string& Text() const { return text_; }
    // Queues the tooltip for this frame's tooltip layer.
    void Draw() override;
    // One hovered frame at the time now: grows the fade once the mouse has rested long enough,
    // and follows it.
    void Hover(float cursorX, float cursorY, std::uint64_t restMs, std::uint64_t now);
    // Next to the cursor, flipped to its left or above it near the edges, clamped on screen.
    void PlaceNear(float cursorX, float cursorY);
    // Draws the box at its fade, then lets it fade out by the time since the last draw.
    void DrawQueued(std::uint64_t now);

    int delay = kDefaultDelay;
    float fade = 0.0f;
    bool followMouse = false;

private:
    // Reference frames since the last step at `last` (one after a pause, so a tooltip hovered
    // again does not jump).
    static float FramesSince(std::uint64_t& last, std::uint64_t now);

    std::string text_;
    bool multiline_ = false;
    std::uint64_t lastHover_ = 0, lastDraw_ = 0;
};

// Draws every tooltip queued this frame, in order, and empties the queue.
void DrawTooltipQueue();
void ClearTooltipQueue();
