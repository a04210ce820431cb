#include "GameReplay.h"

#include "LibString.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {
constexpr int kFlushFrames = 250;  // about five seconds of play at most lost to a hard crash

// What of the player's folder a session reads as it plays: its options and display settings, the
// advice already read, where the icons lie, and the saves the load screen lists.
constexpr const char* kStartFiles[] = {"player_options.txt", "config.muf", "hints.txt", "icon_positions.txt", "savegames"};

std::string Hex(const std::string& bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : bytes) {
        hex += kDigits[c >> 4];
        hex += kDigits[c & 15];
    }
    return hex;
}
}  // namespace

bool GameReplayRecorder::Begin(const std::string& userFolder) {
    std::error_code ec;
    const fs::path last = fs::path(userFolder) / kLastSession;
    const fs::path previous = fs::path(userFolder) / kPreviousSession;
    fs::remove_all(previous, ec);
    if (fs::exists(last, ec)) fs::rename(last, previous, ec);
    fs::create_directories(last / kStartFolder, ec);
    if (ec) return false;
    for (const char* name : kStartFiles) {
        const fs::path from = fs::path(userFolder) / name;
        if (fs::exists(from, ec)) fs::copy(from, last / kStartFolder / name, fs::copy_options::recursive, ec);
    }
    script_ = (last / kScript).string();
    out_.open(script_, std::ios::trunc);
    return out_.is_open();
}

void GameReplayRecorder::Frame(std::uint64_t now, const GameReplayStart& start) {
    if (!Recording()) return;
    if (!headerWritten_) {
        out_ << "# A session of Gigvale as it was played, frame by frame. Play it again with\n"
             << "# \"gigvale-tool play-script " << kScript << "\" from this folder's parent or anywhere else.\n"
             << "# user-folder: " << kStartFolder << "\n"
             << "# seed: " << start.seed << "\n"
             << "# clock-start: " << start.clock << "\n"
             << "# wall-clock: " << static_cast<long long>(start.wallClock) << "\n";
        headerWritten_ = true;
        lastFrame_ = start.clock;
    }
    const std::uint64_t step = now >= lastFrame_ ? now - lastFrame_ : 0;
    lastFrame_ = now;
    // Frames with no input between them at the same pace are one line.
    if (pending_.empty() && ticks_ > 0 && step == tickMs_) {
        ++ticks_;
    } else {
        WriteTicks();
        for (const std::string& line : pending_) out_ << line << '\n';
        const bool acted = !pending_.empty();
        pending_.clear();
        tickMs_ = step;
        ticks_ = 1;
        if (acted) framesSinceFlush_ = kFlushFrames;
    }
    if (++framesSinceFlush_ >= kFlushFrames) Flush();
}

void GameReplayRecorder::WriteTicks() {
    if (ticks_ > 0) out_ << "tick " << tickMs_ << ' ' << ticks_ << '\n';
    ticks_ = 0;
}

void GameReplayRecorder::Flush() {
    if (!Recording()) return;
    out_.flush();
    framesSinceFlush_ = 0;
}

void GameReplayRecorder::End() {
    if (!Recording()) return;
    WriteTicks();
    for (const std::string& line : pending_) out_ << line << '\n';
    pending_.clear();
    out_.close();
}

void GameReplayRecorder::QuitRequested() {
    if (Recording()) pending_.emplace_back("input-quit");
}

void GameReplayRecorder::Mouse(const MouseRecord& record) {
    if (!Recording()) return;
    switch (record.kind) {
        case MouseRecord::MoveX: pending_.push_back(FormatText("input-mouse move-x %d", record.value)); break;
        case MouseRecord::MoveY: pending_.push_back(FormatText("input-mouse move-y %d", record.value)); break;
        case MouseRecord::Wheel: pending_.push_back(FormatText("input-mouse wheel %d", record.value)); break;
        case MouseRecord::Button:
            pending_.push_back(FormatText("input-mouse button %d %s", record.value, record.pressed ? "down" : "up"));
            break;
    }
}

void GameReplayRecorder::Key(int scanCode, bool pressed) {
    if (Recording()) pending_.push_back(FormatText("input-key %d %s", scanCode, pressed ? "down" : "up"));
}

// In hex: typed text may hold spaces and any character at all.
void GameReplayRecorder::Text(const std::string& utf8) {
    if (Recording() && !utf8.empty()) pending_.push_back("input-text " + Hex(utf8));
}

// Nine digits give back the very float.
void GameReplayRecorder::Cursor(float x, float y) {
    if (Recording()) pending_.push_back(FormatText("input-cursor %.9g %.9g", static_cast<double>(x), static_cast<double>(y)));
}

void GameReplayRecorder::Warp(float x, float y) {
    if (Recording()) pending_.push_back(FormatText("input-warp %.9g %.9g", static_cast<double>(x), static_cast<double>(y)));
}
