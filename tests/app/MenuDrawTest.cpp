#include "GUI_MenuMain.h"
#include "LibFont.h"
#include "engine/RenderFixture.h"

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
