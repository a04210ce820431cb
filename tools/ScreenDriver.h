#pragma once
// The hand on the real game: runs it frame by frame on a fixed clock under the dummy video
// driver and gives it clicks, keys, typing and drags, finding buttons by their labels through
// the frame recorder. Every frame is checked for text outside the screen or its window and for
// windows off screen. The play-script driver and the career player both drive the game with it.
#include "FrameRecord.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

class Game;
class ThrowingErrorHandler;

// What went wrong in a frame or with an action; the caller reports it where it knows the context.
struct ScreenFailure {
    std::string what;
};

class ScreenDriver {
public:
    static constexpr std::uint64_t kFrameMs = 20;  // 50 frames a second
    using Point = std::pair<float, float>;

    // Shots go into shotsDir; none are saved when it is empty.
    ScreenDriver(Game& game, std::string shotsDir) : game_(game), out_(std::move(shotsDir)) {}

    // Starts the game on this driver's clock, with assertions counted by errors (installed as
    // the error handler; the caller removes it) and no sleeping between frames.
    bool StartGame(ThrowingErrorHandler& errors);

    // The clock the game reads: the frames run so far times the frame's length.
    std::uint64_t Now() const { return now_; }

    // Called after every frame has been drawn and checked (the career player watches the screens).
    std::function<void()> onFrame;

    // Runs one frame (none once the game has quit) and checks what it drew.
    void Frame();
    // As Frame, the clock moved on by ms instead of a frame's length (a replay's own pace).
    void Tick(std::uint64_t ms);
    // Where the clock stands before the game starts (a replay's session began elsewhere).
    void SetClock(std::uint64_t now) { now_ = now; }
    void Frames(int n);
    int FramesRun() const { return frames_; }

    void MoveCursor(float x, float y);
    void Move(Point at);
    void Click(Point at, bool left = true);
    // "Escape", "Return", "A", "3", "Alt+Return": the modifiers go down first and come up last.
    void Key(const std::string& names);
    void Type(const std::string& text);
    // The left button pressed at one point, the mouse moved over several frames and released at
    // another, as a hand drags a piece.
    void Drag(Point from, Point to);
    // A PNG of the last frame as DIR/NAME.png; false with nothing written when there is no DIR.
    bool Shot(const std::string& name) const;

    // A text drawn in the last frame, whole or as a part.
    static bool Drawn(const std::string& text);
    // The centre of the enabled control labelled so (exactly, else containing it), else of the
    // text drawn so. "LABEL @N" is the Nth such control in drawing order; without it the last
    // one drawn, the top-most. disabledToo also finds greyed controls (their tooltips say why).
    static std::optional<Point> FindControl(const std::string& text, bool disabledToo = false);
    // Clicks the control FindControl finds; throws when there is none.
    void ClickText(const std::string& label);
    // The texts of the last frame, one a line, for failure reports.
    static std::string TextsDrawn();

private:
    void CheckFrame() const;

    Game& game_;
    std::string out_;
    std::uint64_t now_ = 0;
    int frames_ = 0;
};

// The scan code of a key name as scripts write it, 0 for an unknown name.
int KeyCode(const std::string& name);
