#pragma once
// A session's replay: the input the game was given, frame by frame, and what the session started
// from (the random seed, the clocks and the player's folder), written as a play-script to
// "replays/last-session" in the player's folder; the session before moves to
// "replays/previous-session". "gigvale-tool play-script replays/last-session/session.play" plays
// the session again, so a fault seen once can be seen again.
#include "InputManager.h"

#include <cstdint>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

// What the header of a replay names: the game sets them before its first frame.
struct GameReplayStart {
    std::uint32_t seed = 0;
    std::uint64_t clock = 0;   // the game's clock at start-up, in milliseconds
    std::time_t wallClock = 0;  // the time of day at start-up, which saves are stamped from
};

class GameReplayRecorder : public InputTap {
public:
    static constexpr const char* kLastSession = "replays/last-session";
    static constexpr const char* kPreviousSession = "replays/previous-session";
    static constexpr const char* kScript = "session.play";
    static constexpr const char* kStartFolder = "start";

    // Moves the last session's record aside and copies the player's folder as it stands (options,
    // hints, icon places and saves). False, with nothing recorded, when that cannot be written.
    bool Begin(const std::string& userFolder);
    bool Recording() const { return out_.is_open(); }
    const std::string& ScriptPath() const { return script_; }

    // Called as each frame begins: the input queued since the last frame goes before it.
    void Frame(std::uint64_t now, const GameReplayStart& start);
    // Closing the window asks the game to quit: input that no device record carries.
    void QuitRequested();
    // Writes out what is pending (before a fault dialog, and at the end).
    void Flush();
    void End();

    void Mouse(const MouseRecord& record) override;
    void Key(int scanCode, bool pressed) override;
    void Text(const std::string& utf8) override;
    void Cursor(float x, float y) override;
    void Warp(float x, float y) override;

private:
    void WriteTicks();

    std::ofstream out_;
    std::string script_;
    std::vector<std::string> pending_;
    bool headerWritten_ = false;
    std::uint64_t lastFrame_ = 0;
    std::uint64_t tickMs_ = 0;
    int ticks_ = 0;
    int framesSinceFlush_ = 0;
};
