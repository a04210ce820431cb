#include "GUI_MenuMain.h"
#include "engine/FakeMixer.h"
#include "Game.h"
#include "LibFont.h"
#include "engine/RenderFixture.h"

#include <filesystem>

// The main menu shows the build label in real bitmap text at the bottom right.
TEST_F(RenderFixture, MainMenuDrawsTheBuildLabel) {
    Renderer().ClearTextureFolders();
    Renderer().AddTextureFolder("data/bitmaps");
    LoadGameFonts();
    GUI_MenuMain menu;
    menu.Draw();
    const auto frame = Frame();
    int lit = 0, outside = 0;
    for (int y = 0; y < kScreenHeight; ++y)
        for (int x = 0; x < kScreenWidth; ++x) {
            const std::uint32_t pixel = At(frame, x, y);
            // White text over black: grey levels only, and some of them bright.
            if ((pixel >> 16) != (pixel & 0xFF) || (pixel >> 16) < 0x80) continue;
            if (x >= kScreenWidth - 210 && x < kScreenWidth - 10 && y >= kScreenHeight - 18) ++lit;
            else if (y < kScreenHeight - 18) ++outside;
        }
    // "1.17" at 14 px: a few dozen bright pixels, all in the label's corner.
    EXPECT_GT(lit, 20);
    EXPECT_EQ(outside, 0);
    FontManager().ClearFonts();
}

// F12 asks for the frame being drawn; it is saved under the next free number.
TEST_F(RenderFixture, F12SavesNumberedScreenshotsInTheUserFolder) {
    Game game;
    game.userFolder = folder.path();
    game.Input().QueueKey(DIK_F12, true);
    game.Input().Update();
    ASSERT_TRUE(game.screenshotRequested);
    Renderer().FillRect(0.0f, 0.0f, 10.0f, 10.0f, 0xFFFF0000);
    game.SaveScreenshot();
    game.SaveScreenshot();
    EXPECT_FALSE(game.screenshotRequested);
    std::vector<std::uint32_t> pixels;
    int w = 0, h = 0;
    ASSERT_TRUE(LoadPicturePixels(folder.path() + "/screenshots/screenshot0001.png", pixels, w, h));
    EXPECT_EQ(pixels[5 * w + 5], 0xFFFF0000u);
    EXPECT_TRUE(std::filesystem::exists(folder.path() + "/screenshots/screenshot0002.png"));
}
