#pragma once
// The 150 ms black fade between game modes. While it runs, mouse clicks are blocked.
#include <cstdint>
#include <functional>

class GameModeFade {
public:
    enum class State { Idle, FadingOut, FadingIn };
    static constexpr float kDurationMs = 150.0f;

    // blockFlag is the input layer's click block, held for the length of the fade.
    GameModeFade(std::function<std::uint64_t()> clock, bool& blockFlag) : clock_(std::move(clock)), block_(blockFlag) {}

    // Restarts the fade; endAction (may be empty) runs when it completes.
    void Start(State direction, std::function<void()> endAction = {});
    // Advances the fade: returns the overlay's alpha (0..255), or -1 while idle. At
    // completion the clicks are unblocked, the state becomes idle and the end action runs.
    int Step();
    State state() const { return state_; }

private:
    std::function<std::uint64_t()> clock_;
    bool& block_;
    State state_ = State::Idle;
    std::uint64_t start_ = 0;
    std::function<void()> endAction_;
};
