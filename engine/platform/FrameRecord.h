#pragma once
// What a frame drew, kept for the scripted-input driver and tests: every text with its
// rectangle and font, the windows it was drawn in, and every clickable control by its label.
// Off in normal play, so it costs nothing there.
#include "Sprites.h"

#include <string>
#include <vector>

struct GFrameText {
    std::string text;
    std::string font;
    float size = 0.0f;
    GRect rect;
    int window = -1;  // index into the frame's windows, -1 when drawn outside any window
};

struct GFrameWindow {
    std::string name;
    GRect rect;
};

struct GFrameControl {
    std::string label;  // a button's text, or an icon button's tooltip
    GRect rect;
    bool enabled = true;
    int window = -1;
};

struct GFrame {
    std::vector<GFrameText> texts;
    std::vector<GFrameWindow> windows;
    std::vector<GFrameControl> controls;
};

class GFrameRecorder {
public:
    void Enable(bool on);
    bool Enabled() const { return enabled_; }

    // Texts and controls recorded until the matching EndWindow belong to this window.
    void BeginWindow(const std::string& name, const GRect& rect);
    void EndWindow();
    void AddText(const std::string& text, const std::string& font, float size, const GRect& rect);
    void AddControl(const std::string& label, const GRect& rect, bool enabled);

    // The frame being drawn becomes the last frame; a new one starts empty.
    void EndFrame();
    const GFrame& LastFrame() const { return last_; }
    const GFrame& CurrentFrame() const { return current_; }

private:
    int CurrentWindow() const { return open_.empty() ? -1 : open_.back(); }

    bool enabled_ = false;
    GFrame current_;
    GFrame last_;
    std::vector<int> open_;
};

GFrameRecorder& FrameRecorder();
