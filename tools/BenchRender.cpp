// "bench render": times a typical frame on the software renderer under the dummy video
// driver: a full-screen background, 200 sprites from 20 textures and 2,000 glyphs in 4 fonts;
// with "--screen desktop", also the real game's desktop in a career's second year.
#include "BenchRender.h"

#include "CareerRuns.h"
#include "GUI_GUI.h"
#include "Game.h"
#include "HeadlessPlayer.h"
#include "LibFileList.h"
#include "SIM_Band.h"
#include "SIM_SIM.h"
#include "SIM_SaveGame.h"

#include "LibFont.h"
#include "Platform.h"
#include "Renderer.h"
#include "Sprites.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// Pictures made on the spot, so the benchmark needs no art beyond the fonts.
void MakePictures(const std::string& folder) {
    std::vector<std::uint32_t> pixels(1024 * 768);
    for (int y = 0; y < 768; ++y)
        for (int x = 0; x < 1024; ++x)
            pixels[static_cast<std::size_t>(y * 1024 + x)] =
                0xFF000000u | static_cast<std::uint32_t>(x / 4) << 16 | static_cast<std::uint32_t>(y / 3) << 8 | 0x40u;
    SavePicturePNG(folder + "/bench_background.png", pixels, 1024, 768);
    std::vector<std::uint32_t> sprite(64 * 64);
    for (int t = 0; t < 20; ++t) {
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                const int dx = x - 32, dy = y - 32;
                const std::uint32_t alpha = dx * dx + dy * dy < 30 * 30 ? 0xC0u : 0x00u;
                sprite[static_cast<std::size_t>(y * 64 + x)] =
                    alpha << 24 | static_cast<std::uint32_t>(t * 12) << 16 | static_cast<std::uint32_t>(255 - t * 12) << 8 | 0x80u;
            }
        SavePicturePNG(folder + "/bench_sprite" + std::to_string(t) + ".png", sprite, 64, 64);
    }
}

}  // namespace

void UseRunFolderHeadless() {
    if (char* base = SDL_GetBasePath()) {
        std::error_code ec;
        std::filesystem::current_path(base, ec);
        SDL_free(base);
    }
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
}

namespace {
double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A headless career of the sensible player into its second year, written as a save.
bool WriteSecondYearCareer(const std::string& path) {
    SIM_HeadlessScreens headless;
    StartHeadlessGame(headless, 1);
    for (int day = 0; day < kDaysPerGameYear + 30; ++day) {
        headless.CloseEndGame();
        PlayHeadlessDay();
        headless.events.clear();
    }
    const bool written = WriteFileReplacing(path, SaveGameText());
    ResetAllSimulation();
    SetScreens(nullptr);
    return written;
}

// The game's desktop with that career loaded, the band's icons on it and a tooltip showing.
int BenchDesktop(int frames, const std::string& folder) {
    const std::string save = folder + "/second-year.xml";
    if (!WriteSecondYearCareer(save)) {
        std::fprintf(stderr, "bench render: could not write %s\n", save.c_str());
        return 1;
    }
    setenv("HOME", folder.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (folder + "/.config").c_str(), 1);
    std::uint64_t now = 0;
    Game& game = GetGame();
    game.SetClock([&now] { return now; });
    Renderer().SetSoftwareOnly(true);
    if (!game.Start() || !game.LoadSavedGame(save)) {
        std::fprintf(stderr, "bench render: the game did not start with the career\n");
        return 1;
    }
    game.frameSleep = 0;
    // Rest on a control-panel button (practice) until its tooltip is fully shown.
    game.Input().x = 656.0f;
    game.Input().y = 724.0f;
    game.Input().SetSystemCursor(656.0f, 724.0f);
    auto frame = [&] {
        now += 20;
        game.PumpEvents();
        game.RunFrame();
    };
    for (int i = 0; i < 40; ++i) frame();
    std::vector<double> times;
    for (int i = 0; i < frames; ++i) {
        const std::uint64_t start = SDL_GetPerformanceCounter();
        frame();
        times.push_back(static_cast<double>(SDL_GetPerformanceCounter() - start) * 1000.0 /
                        static_cast<double>(SDL_GetPerformanceFrequency()));
    }
    std::printf("desktop: %d frames of a second-year career (%zu members, %zu icons), median %.3f ms/frame\n", frames,
                GetBand().members.size(), game.Desktop().Items().Items().size(), Median(times));
    game.Shutdown();
    return 0;
}
}  // namespace

int BenchRender(const std::vector<std::string>& args) {
    std::string capture, screen;
    int frames = 200;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--png" && i + 1 < args.size()) capture = args[++i];
        else if (args[i] == "--frames" && i + 1 < args.size()) frames = std::max(1, std::atoi(args[++i].c_str()));
        else if (args[i] == "--screen" && i + 1 < args.size()) screen = args[++i];
        else {
            std::fprintf(stderr, "usage: gigvale-tool bench render [--frames N] [--png FILE] [--screen desktop]\n");
            return 2;
        }
    }
    if (!screen.empty() && screen != "desktop") {
        std::fprintf(stderr, "bench render: no screen '%s' (there is: desktop)\n", screen.c_str());
        return 2;
    }
    UseRunFolderHeadless();
    if (!PlatformStartup()) return 1;
    SDL_Window* window = SDL_CreateWindow("bench", 0, 0, kScreenWidth, kScreenHeight, 0);
    GRenderer& renderer = Renderer();
    renderer.SetSoftwareOnly(true);
    if (!window || !renderer.Initialise(window, kScreenWidth, kScreenHeight, 32, true)) {
        std::fprintf(stderr, "bench render: no renderer: %s\n", SDL_GetError());
        return 1;
    }
    std::string pattern = (std::filesystem::temp_directory_path() / "gigvale-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::fprintf(stderr, "bench render: no temporary folder\n");
        return 1;
    }
    const std::filesystem::path pictures = pattern;
    MakePictures(pictures.string());
    renderer.ClearTextureFolders();
    renderer.AddTextureFolder("data/bitmaps");
    renderer.AddTextureFolder(pictures.string());
    LoadGameFonts();

    std::vector<CTexturedSprite> sprites;
    for (int i = 0; i < 200; ++i) {
        sprites.emplace_back("bench_sprite" + std::to_string(i % 20) + ".png");
        sprites.back().SetRect(static_cast<float>((i * 97) % 960), static_cast<float>((i * 61) % 704), 64.0f, 64.0f);
    }
    const char* fonts[4] = {"verdana14.dds", "verdanabold16.dds", "LCD18.dds", "verdana12.dds"};
    // 50 glyphs a line, no spaces, so every character is a drawn glyph.
    std::string line;
    for (const char* words = "Gigvale-tonight:TheCellarBar,doorsAt8!"; line.size() < 50;)
        line += words[line.size() % 38];
    LibFontManager& text = FontManager();

    std::vector<double> times;
    std::uint64_t switches = 0;
    int glyphs = 0;
    for (int frame = 0; frame < frames + 20; ++frame) {
        const std::uint64_t before = renderer.TextureSwitches();
        const std::uint64_t start = SDL_GetPerformanceCounter();
        renderer.BeginFrame();
        renderer.DrawTexture("bench_background.png", 0.0f, 0.0f, 1024.0f, 768.0f);
        for (CTexturedSprite& sprite : sprites) sprite.Draw();
        int drawn = 0;
        for (int f = 0; f < 4; ++f) {
            text.SelectFont(fonts[f]);
            for (int row = 0; row < 12 && drawn < (f + 1) * 500; ++row) {
                const int room = (f + 1) * 500 - drawn;
                const std::string part = line.substr(0, static_cast<std::size_t>(std::min<int>(room, 50)));
                text.Draw(part, 20.0f + static_cast<float>(f % 2) * 500.0f, 20.0f + static_cast<float>(f / 2 * 12 + row) * 30.0f,
                          0xFFFFFFFF, 16.0f);
                drawn += static_cast<int>(part.size());
            }
        }
        glyphs = drawn;
        if (frame == 0 && !capture.empty()) renderer.SaveFramePNG(capture);
        SDL_RenderFlush(renderer.Device());
        renderer.EndFrame();
        const std::uint64_t end = SDL_GetPerformanceCounter();
        if (frame < 20) continue;  // warm-up
        times.push_back(static_cast<double>(end - start) * 1000.0 / static_cast<double>(SDL_GetPerformanceFrequency()));
        switches += renderer.TextureSwitches() - before;
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf("bench render: %d frames, 1 background, %zu sprites from 20 textures, %d glyphs in 4 fonts\n",
                frames, sprites.size(), glyphs);
    std::printf("median %.3f ms/frame (min %.3f, max %.3f), %.1f texture switches/frame\n", median, times.front(),
                times.back(), static_cast<double>(switches) / static_cast<double>(frames));
    sprites.clear();
    text.ClearFonts();
    renderer.Release();
    SDL_DestroyWindow(window);
    PlatformShutdown();
    const int status = screen == "desktop" ? BenchDesktop(frames, pictures.string()) : 0;
    std::error_code ec;
    std::filesystem::remove_all(pictures, ec);
    return status;
}
