#include "GameModeFade.h"

#include <algorithm>

void GameModeFade::Start(State direction, std::function<void()> endAction) {
    state_ = direction;
    endAction_ = std::move(endAction);
    start_ = clock_();
    block_ = true;
}

int GameModeFade::Step() {
    if (state_ == State::Idle) return -1;
    const float progress = std::min(1.0f, static_cast<float>(clock_() - start_) / kDurationMs);
    const float opacity = state_ == State::FadingOut ? progress : 1.0f - progress;
    const int alpha = static_cast<int>(opacity * 255.0f);
    if (progress >= 1.0f) {
        block_ = false;
        state_ = State::Idle;
        // The action may start another fade, so it is moved out first.
        auto action = std::move(endAction_);
        endAction_ = nullptr;
        if (action) action();
    }
    return alpha;
}
