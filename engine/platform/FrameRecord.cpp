#include "FrameRecord.h"

GFrameRecorder& FrameRecorder() {
    static GFrameRecorder recorder;
    return recorder;
}

void GFrameRecorder::Enable(bool on) {
    enabled_ = on;
    current_ = {};
    last_ = {};
    open_.clear();
}

void GFrameRecorder::BeginWindow(const std::string& name, const GRect& rect) {
    if (!enabled_) return;
    current_.windows.push_back({name, rect});
    open_.push_back(static_cast<int>(current_.windows.size()) - 1);
}

void GFrameRecorder::EndWindow() {
    if (enabled_ && !open_.empty()) open_.pop_back();
}

void GFrameRecorder::AddText(const std::string& text, const std::string& font, float size, const GRect& rect) {
    if (enabled_) current_.texts.push_back({text, font, size, rect, CurrentWindow()});
}

void GFrameRecorder::AddControl(const std::string& label, const GRect& rect, bool enabled) {
    if (enabled_) current_.controls.push_back({label, rect, enabled, CurrentWindow()});
}

void GFrameRecorder::EndFrame() {
    if (!enabled_) return;
    last_ = std::move(current_);
    current_ = {};
    open_.clear();
}
