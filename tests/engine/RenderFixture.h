#pragma once
// A software renderer on a hidden 1024x768 window under the dummy video driver, with a
// temporary texture folder, for pixel tests.
#include "Platform.h"
#include "Renderer.h"
#include "TestSupport.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

class RenderFixture : public ::testing::Test {
protected:
    TempDir folder;
    SDL_Window* window = nullptr;

    void SetUp() override {
        ASSERT_TRUE(PlatformStartup());
        window = SDL_CreateWindow("test", 0, 0, kScreenWidth, kScreenHeight, SDL_WINDOW_HIDDEN);
        ASSERT_NE(window, nullptr);
        Renderer().SetSoftwareOnly(true);
        ASSERT_TRUE(Renderer().Initialise(window, kScreenWidth, kScreenHeight, 32, true));
        Renderer().ClearTextureFolders();
        Renderer().ForgetMissing();
        Renderer().AddTextureFolder(folder.path());
        Renderer().BeginFrame();
    }
    void TearDown() override {
        Renderer().Release();
        if (window) SDL_DestroyWindow(window);
        PlatformShutdown();
    }

    // Writes a picture into the texture folder (or a sub-folder given in name).
    void Picture(const std::string& name, int w, int h, const std::vector<std::uint32_t>& pixels) {
        folder.Write(name, "");
        ASSERT_TRUE(SavePicturePNG(folder.path() + "/" + name, pixels, w, h));
    }
    void SolidPicture(const std::string& name, int w, int h, std::uint32_t argb) {
        Picture(name, w, h, std::vector<std::uint32_t>(static_cast<std::size_t>(w * h), argb));
    }
    std::vector<std::uint32_t> Frame() {
        std::vector<std::uint32_t> pixels;
        EXPECT_TRUE(Renderer().ReadFrame(pixels));
        return pixels;
    }
    static std::uint32_t At(const std::vector<std::uint32_t>& frame, int x, int y) {
        return frame[static_cast<std::size_t>(y * kScreenWidth + x)] & 0x00FFFFFFu;
    }
};
