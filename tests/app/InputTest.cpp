#include "InputManager.h"
#include "LibString.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <set>

namespace {

struct RecordingInput : CBaseInputManager {
    std::vector<std::string> calls;
    std::uint64_t now = 10000;
    RecordingInput() { SetClock([this] { return now; }); }
    void OnLeftButtonDown() override {
        CBaseInputManager::OnLeftButtonDown();
        calls.push_back("down@" + std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y)));
    }
    void OnLeftButtonUp() override {
        CBaseInputManager::OnLeftButtonUp();
        calls.push_back("up");
    }
    void OnRightButtonDown() override { calls.push_back("right"); }
    void OnKeyPressed(int code) override { calls.push_back("key" + std::to_string(code)); }
    void Move(int dx, int dy) {
        QueueMouse({MouseRecord::MoveX, dx});
        QueueMouse({MouseRecord::MoveY, dy});
    }
    void Press(bool down) { QueueMouse({MouseRecord::Button, 0, down}); }
};

class FullScreenInput : public ::testing::Test {
protected:
    RecordingInput input;
    void SetUp() override { input.Create(false, input.now); }
};

}  // namespace

TEST(ScanCodes, SdlKeysMapToDirectInputNumbers) {
    EXPECT_EQ(DirectInputScanCode(SDL_SCANCODE_ESCAPE), 1);
    EXPECT_EQ(DirectInputScanCode(SDL_SCANCODE_RETURN), 28);
    EXPECT_EQ(DirectInputScanCode(SDL_SCANCODE_LALT), 56);
    EXPECT_EQ(DirectInputScanCode(SDL_SCANCODE_RALT), 184);
    EXPECT_EQ(DirectInputScanCode(SDL_SCANCODE_1), 2);
    EXPECT_EQ(DirectInputScanCode(SDL_SCANCODE_0), 11);
    EXPECT_EQ(DirectInputScanCode(SDL_SCANCODE_Q), 16);
    EXPECT_EQ(DirectInputScanCode(SDL_SCANCODE_A), 30);
    EXPECT_EQ(DirectInputScanCode(SDL_SCANCODE_M), 50);
    EXPECT_EQ(DirectInputScanCode(SDL_SCANCODE_KP_1), 79);
    EXPECT_EQ(DirectInputScanCode(SDL_SCANCODE_KP_0), 82);
    EXPECT_EQ(DirectInputScanCode(SDL_SCANCODE_KP_PERIOD), 83);
    EXPECT_EQ(DirectInputScanCode(SDL_SCANCODE_BACKSPACE), 14);
    EXPECT_EQ(DirectInputScanCode(SDL_SCANCODE_UP), 200);
    EXPECT_EQ(DirectInputScanCode(SDL_SCANCODE_F12), 88);
    EXPECT_EQ(DirectInputScanCode(SDL_SCANCODE_UNKNOWN), 0);
    EXPECT_EQ(DirectInputScanCode(-5), 0);
    EXPECT_EQ(DirectInputScanCode(100000), 0);
}

TEST_F(FullScreenInput, AClickActsBeforeTheMovementOfItsBatch) {
    input.Move(50, 20);
    input.Press(true);
    input.Move(300, 300);
    input.Update();
    EXPECT_EQ(input.calls, (std::vector<std::string>{"down@100,100"}));
    EXPECT_FLOAT_EQ(input.x, 100.0f);
    input.Update();  // the records after the click are read next frame
    EXPECT_FLOAT_EQ(input.x, 400.0f);
    EXPECT_FLOAT_EQ(input.y, 400.0f);
}

TEST_F(FullScreenInput, NoReleaseIsLostInAFastClick) {
    input.Press(true);
    input.Press(false);
    input.Update();
    EXPECT_TRUE(input.buttonHeld);
    input.Update();
    EXPECT_FALSE(input.buttonHeld);
    EXPECT_EQ(input.calls, (std::vector<std::string>{"down@100,100", "up"}));
}

TEST_F(FullScreenInput, DoubleClickNeedsUnder500MsAndUnder32Pixels) {
    auto pressAt = [&](std::uint64_t time, int dx) {
        input.now = time;
        input.Move(dx, 0);
        input.Update();
        input.Press(true);
        input.Update();
        input.Press(false);
        input.Update();
        return input.doubleClick;
    };
    EXPECT_FALSE(pressAt(20000, 0));
    EXPECT_TRUE(pressAt(20499, 31));
    EXPECT_FALSE(pressAt(20999, 0));  // 500 ms later
    EXPECT_FALSE(pressAt(21000, 32));  // 1 ms later, 32 px away
    EXPECT_TRUE(pressAt(21001, 0));
}

TEST_F(FullScreenInput, CursorStaysOnScreenAndMultiplierApplies) {
    input.Move(-500, -500);
    input.Update();
    EXPECT_FLOAT_EQ(input.x, 0.0f);
    EXPECT_FLOAT_EQ(input.y, 0.0f);
    input.Move(5000, 5000);
    input.Update();
    EXPECT_FLOAT_EQ(input.x, 1024.0f);
    EXPECT_FLOAT_EQ(input.y, 768.0f);
    input.SetMouseSpeed(0.6f);  // 0.6 * 2.5 + 0.6 = 2.1
    input.Move(-10, -3);
    input.Update();
    EXPECT_FLOAT_EQ(input.x, 1003.0f);
    EXPECT_FLOAT_EQ(input.y, 762.0f);  // -6.3 truncates to -6
}

TEST_F(FullScreenInput, RestCounterIgnoresJitterUnder12Pixels) {
    input.Move(30, 0);
    input.Update();
    EXPECT_EQ(input.restCounter, 0);
    for (int i = 0; i < 5; ++i) {
        input.Move(i % 2 ? 11 : -11, 0);
        input.Update();
    }
    EXPECT_EQ(input.restCounter, 5);
    input.Move(12, 0);
    input.Update();
    EXPECT_EQ(input.restCounter, 6);  // at 131, 1 px from the anchor at 130
    input.Move(10, 0);
    input.Update();
    EXPECT_EQ(input.restCounter, 7);  // 11 px
    input.Move(1, 0);
    input.Update();
    EXPECT_EQ(input.restCounter, 0);  // 12 px: moves the anchor
}

TEST_F(FullScreenInput, SwappedButtonsAndWheel) {
    input.SetSwapButtons(true);
    input.QueueMouse({MouseRecord::Button, 1, true});
    input.Update();
    input.QueueMouse({MouseRecord::Button, 0, true});
    input.Update();
    input.QueueMouse({MouseRecord::Wheel, -240});
    input.Update();
    EXPECT_EQ(input.calls, (std::vector<std::string>{"down@100,100", "right"}));
    EXPECT_EQ(input.wheelTotal, -240);
}

TEST_F(FullScreenInput, KeysKeepStateAndPressesReachTheGame) {
    input.QueueKey(56, true);
    input.QueueKey(28, true);
    input.QueueKey(28, false);
    input.QueueKey(0, true);
    input.QueueKey(300, true);
    input.Update();
    EXPECT_TRUE(input.IsKeyDown(56));
    EXPECT_FALSE(input.IsKeyDown(28));
    EXPECT_FALSE(input.IsKeyDown(-1));
    EXPECT_FALSE(input.IsKeyDown(256));
    EXPECT_EQ(input.calls, (std::vector<std::string>{"key56", "key28"}));
    input.mouseTaken = true;
    input.Update();
    EXPECT_FALSE(input.mouseTaken);
}

TEST(WindowedInput, FollowsTheSystemCursor) {
    RecordingInput input;
    input.Create(true, input.now);
    input.SetSystemCursor(640.0f, 480.0f);
    input.Move(3, 3);
    input.Update();
    EXPECT_FLOAT_EQ(input.x, 640.0f);
    EXPECT_FLOAT_EQ(input.y, 480.0f);
}

TEST(ScanCodes, EveryTypedCharacterHasAKey) {
    // Text entry reads characters from scan codes: each one it knows must come from some key.
    std::set<int> reachable;
    for (int sdl = 0; sdl < SDL_NUM_SCANCODES; ++sdl) reachable.insert(DirectInputScanCode(sdl));
    for (int code = 1; code < 256; ++code)
        if (ScanCodeToChar(code)) {
            EXPECT_TRUE(reachable.count(code)) << "scan code " << code;
        }
}

TEST_F(FullScreenInput, SdlEventsBecomeDeviceRecords) {
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = 500;  // absolute positions are ignored in full screen
    motion.motion.xrel = 7;
    motion.motion.yrel = -4;
    input.QueueEvent(motion);
    SDL_Event wheel{};
    wheel.type = SDL_MOUSEWHEEL;
    wheel.wheel.y = 1;
    wheel.wheel.direction = SDL_MOUSEWHEEL_FLIPPED;
    input.QueueEvent(wheel);
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.keysym.scancode = SDL_SCANCODE_ESCAPE;
    input.QueueEvent(key);
    key.key.repeat = 1;  // held keys repeat; that is not a new press
    input.QueueEvent(key);
    input.Update();
    EXPECT_FLOAT_EQ(input.x, 107.0f);
    EXPECT_FLOAT_EQ(input.y, 96.0f);
    EXPECT_EQ(input.deltaX, 7);
    EXPECT_EQ(input.deltaWheel, -120);
    EXPECT_EQ(input.wheelTotal, -120);
    EXPECT_EQ(input.calls, (std::vector<std::string>{"key1"}));
    input.Update();
    EXPECT_EQ(input.deltaX, 0);
    EXPECT_EQ(input.deltaWheel, 0);
}
