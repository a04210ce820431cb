// Typed text from the system's text input, and windowed cursor positions in back-buffer pixels
// whatever size the window has.
#include "InputManager.h"
#include "RenderFixture.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TypingInput : CBaseInputManager {
    std::vector<std::string> calls;
    void OnKeyPressed(int code) override { calls.push_back("key" + std::to_string(code)); }
    void OnTextInput(const std::string& text) override { calls.push_back("text:" + text); }
};

SDL_Event TextEvent(const char* utf8) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    SDL_strlcpy(event.text.text, utf8, sizeof event.text.text);
    return event;
}

SDL_Event Motion(int x, int y) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.x = x;
    event.motion.y = y;
    return event;
}

}  // namespace

TEST(TypedText, ArrivesAfterTheFramesKeysInTheFontsCodePage) {
    TypingInput input;
    input.Create(true, 0);
    // A German layout types "ö" where a US one has ";": the text says what was typed.
    input.QueueEvent(TextEvent("\xC3\xB6"));
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.keysym.scancode = SDL_SCANCODE_SEMICOLON;
    input.QueueEvent(key);
    input.QueueText("\xE2\x82\xAC" "5");  // euro sign, five
    input.QueueText("\xF0\x9F\x8E\xB8");  // a guitar emoji: nothing the fonts can draw
    input.Update();
    EXPECT_EQ(input.calls, (std::vector<std::string>{"key39", "text:\xF6", "text:\x80" "5"}));
    input.calls.clear();
    input.Update();
    EXPECT_TRUE(input.calls.empty());
    // A new device forgets text typed before it.
    input.QueueText("lost");
    input.Create(true, 0);
    input.Update();
    EXPECT_TRUE(input.calls.empty());
}

TEST(TypedText, SwitchingTextInputNeedsNoVideo) {
    ASSERT_FALSE(SDL_WasInit(SDL_INIT_VIDEO));
    CBaseInputManager::SetTextInput(true);
    CBaseInputManager::SetTextInput(false);
    ASSERT_TRUE(PlatformStartup());
    CBaseInputManager::SetTextInput(true);
    EXPECT_TRUE(SDL_IsTextInputActive());
    CBaseInputManager::SetTextInput(false);
    EXPECT_FALSE(SDL_IsTextInputActive());
    PlatformShutdown();
}

// The window shows the back buffer scaled by 1.25 below a bar of 32 rows: the middle of the
// window is the middle of the game's screen.
TEST_F(RenderFixture, WindowedCursorIsInBackBufferPixels) {
    SDL_SetWindowSize(window, 1280, 1024);
    Renderer().EndFrame();
    TypingInput input;
    input.Create(true, 0);
    input.QueueEvent(Motion(640, 512));
    input.Update();
    EXPECT_FLOAT_EQ(input.x, 512.0f);
    EXPECT_FLOAT_EQ(input.y, 384.0f);
    // On the bar below the picture: the cursor stays on the game's screen.
    input.QueueEvent(Motion(640, 1020));
    input.Update();
    EXPECT_FLOAT_EQ(input.y, 768.0f);
    // A mapping the game sets takes the renderer's place.
    input.SetCursorMapping([](float wx, float wy, float& bx, float& by) { bx = wx / 2.0f, by = wy / 2.0f; });
    input.QueueEvent(Motion(100, 60));
    input.Update();
    EXPECT_FLOAT_EQ(input.x, 50.0f);
    EXPECT_FLOAT_EQ(input.y, 30.0f);
}
