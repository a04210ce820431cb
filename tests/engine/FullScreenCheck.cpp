// Full screen on a real X server (started by full_screen_xvfb_test.sh, with no window manager):
// the window covers the display and shows the whole back buffer letterboxed, a pointer on the
// window reaches the game in back-buffer pixels, and windowed again the window has its own size.
// The X root window is read through xwd, as a person's screenshot would be.
#include "InputManager.h"
#include "Platform.h"
#include "Renderer.h"
#include "TestSupport.h"

#include <SDL.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

int failures = 0;

void Check(bool ok, const std::string& what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAIL", what.c_str());
    if (!ok) ++failures;
}

struct Screen {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;  // 0xRRGGBB
    std::uint32_t At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
    }
};

// The root window through "xwd -root": a header of big-endian 32-bit fields, the window's name,
// a colour map, then rows of pixels in the byte order the header gives.
bool CaptureRoot(Screen& screen) {
    FILE* pipe = popen("xwd -root -silent", "r");
    if (!pipe) return false;
    std::string data;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) data.append(buffer, n);
    if (pclose(pipe) != 0 || data.size() < 100) return false;
    const auto field = [&](int index) {
        const auto* p = reinterpret_cast<const unsigned char*>(data.data()) + index * 4;
        return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
               static_cast<std::uint32_t>(p[2]) << 8 | p[3];
    };
    const std::uint32_t headerSize = field(0), width = field(4), height = field(5), byteOrder = field(7);
    const std::uint32_t bitsPerPixel = field(11), bytesPerLine = field(12), colours = field(19);
    // 32 or 24 bits a pixel, as the server hands them out.
    const std::uint32_t bytesPerPixel = bitsPerPixel / 8;
    const std::size_t start = headerSize + colours * 12;
    if ((bytesPerPixel != 3 && bytesPerPixel != 4) || data.size() < start + std::size_t{bytesPerLine} * height) {
        std::printf("xwd: %u bits a pixel, %zu bytes for %u rows of %u\n", bitsPerPixel, data.size(), height, bytesPerLine);
        return false;
    }
    screen.width = static_cast<int>(width);
    screen.height = static_cast<int>(height);
    screen.pixels.resize(std::size_t{width} * height);
    for (std::uint32_t y = 0; y < height; ++y)
        for (std::uint32_t x = 0; x < width; ++x) {
            const auto* p = reinterpret_cast<const unsigned char*>(data.data()) + start + y * bytesPerLine + x * bytesPerPixel;
            std::uint32_t v = 0;
            for (std::uint32_t i = 0; i < bytesPerPixel; ++i)
                v |= static_cast<std::uint32_t>(p[i]) << (byteOrder == 0 ? 8 * i : 8 * (bytesPerPixel - 1 - i));
            screen.pixels[std::size_t{y} * width + x] = v & 0xFFFFFFu;
        }
    return true;
}

// A picture whose four edges have their own colours, so any crop shows.
void DrawEdges() {
    GRenderer& r = Renderer();
    r.BeginFrame();
    r.FillRect(0.0f, 0.0f, 1024.0f, 768.0f, 0xFF808080);
    r.FillRect(0.0f, 0.0f, 8.0f, 768.0f, 0xFFFF0000);      // left: red
    r.FillRect(0.0f, 0.0f, 1024.0f, 8.0f, 0xFF00FF00);     // top: green
    r.FillRect(1016.0f, 0.0f, 8.0f, 768.0f, 0xFF0000FF);   // right: blue
    r.FillRect(0.0f, 760.0f, 1024.0f, 8.0f, 0xFFFFFF00);   // bottom: yellow
}

void PresentAFewFrames() {
    for (int i = 0; i < 10; ++i) {
        SDL_PumpEvents();
        DrawEdges();
        Renderer().EndFrame();
        SDL_Delay(20);
    }
    SDL_Delay(200);
}

std::string Hex(std::uint32_t v) {
    char text[16];
    std::snprintf(text, sizeof text, "%06X", v);
    return text;
}

void ExpectColour(const Screen& s, int x, int y, std::uint32_t rgb, const char* what) {
    const std::uint32_t got = x < s.width && y < s.height ? s.At(x, y) : 0xFFFFFFFFu;
    Check(got == rgb, std::string(what) + " at " + std::to_string(x) + "," + std::to_string(y) + " is " + Hex(rgb) +
                          " (screen shows " + Hex(got) + ")");
}

struct CursorProbe : CBaseInputManager {};

}  // namespace

int main(int argc, char** argv) {
    const bool software = argc > 1 && std::string(argv[1]) == "software";
    TempDir run;
    run.Write("data/config.muf", "[config]\nIsWindowed=0\nSafeMode=0\nIgnoreIntel=1\n");
    std::filesystem::current_path(run.path());
    if (!PlatformStartup()) {
        std::printf("FAIL: no display: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Window* window = CreateGameWindow();
    SDL_Rect bounds{};
    SDL_GetDisplayBounds(0, &bounds);
    Renderer().SetSoftwareOnly(software);
    Check(window && Renderer().Initialise(window, kScreenWidth, kScreenHeight, 32, false), "full screen starts");
    Check(!Renderer().IsWindowed(), "the renderer is full screen");
    PresentAFewFrames();

    // The display is 1280x1024: the picture is 1280x960 with bars of 32 rows above and below.
    const GLetterbox& fit = Renderer().Letterbox();
    Check(fit.outputWidth == bounds.w && fit.outputHeight == bounds.h, "the output is the display's size");
    Screen screen;
    Check(CaptureRoot(screen), "the screen can be read");
    if (!screen.pixels.empty() && bounds.w == 1280 && bounds.h == 1024) {
        ExpectColour(screen, 640, 10, 0x000000, "the top bar");
        ExpectColour(screen, 640, 1013, 0x000000, "the bottom bar");
        ExpectColour(screen, 3, 500, 0xFF0000, "the left edge");
        ExpectColour(screen, 640, 35, 0x00FF00, "the top edge");
        ExpectColour(screen, 1276, 500, 0x0000FF, "the right edge");
        ExpectColour(screen, 640, 988, 0xFFFF00, "the bottom edge");
        ExpectColour(screen, 640, 512, 0x808080, "the middle");
    }

    // A pointer at the middle of the display is at the middle of the back buffer.
    CursorProbe input;
    input.Create(true, 0);  // follows the system cursor, as windowed play does
    SDL_SetRelativeMouseMode(SDL_FALSE);
    Check(std::system("xdotool mousemove 640 512") == 0, "xdotool moves the pointer");
    for (int i = 0; i < 20; ++i) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) input.QueueEvent(event);
        SDL_Delay(10);
    }
    input.Update();
    Check(std::abs(input.x - 512.0f) < 1.0f && std::abs(input.y - 384.0f) < 1.0f,
          "the pointer reaches the game at " + std::to_string(input.x) + "," + std::to_string(input.y));
    std::vector<std::uint32_t> frame;
    Check(Renderer().ReadFrame(frame) && frame.size() == 1024u * 768u && (frame[384 * 1024 + 1020] & 0xFFFFFFu) == 0x0000FF,
          "a capture is still the 1024x768 back buffer");

    // Windowed again: the window has its own size back, and the picture is not scaled.
    Renderer().Release();
    Check(Renderer().Initialise(window, kScreenWidth, kScreenHeight, 32, true), "windowed starts");
    PresentAFewFrames();
    int w = 0, h = 0;
    SDL_GetWindowSize(window, &w, &h);
    Check(w == kScreenWidth && h == kScreenHeight, "the window is 1024x768 again");
    Check(Renderer().Letterbox().scale == 1.0f && Renderer().Letterbox().x == 0 && Renderer().Letterbox().y == 0,
          "the windowed picture is not scaled");
    int x = 0, y = 0;
    SDL_GetWindowPosition(window, &x, &y);
    Check(CaptureRoot(screen) && x >= 0 && y >= 0 && x + 1024 <= screen.width && y + 768 <= screen.height,
          "the window is on the screen at " + std::to_string(x) + "," + std::to_string(y));
    if (!screen.pixels.empty() && x >= 0 && y >= 0 && x + 1024 <= screen.width && y + 768 <= screen.height) {
        ExpectColour(screen, x + 1020, y + 384, 0x0000FF, "the windowed right edge");
        ExpectColour(screen, x + 512, y + 764, 0xFFFF00, "the windowed bottom edge");
    }
    Renderer().Release();
    SDL_DestroyWindow(window);
    PlatformShutdown();
    std::printf("%s\n", failures == 0 ? "full screen shows the whole picture" : "full screen check failed");
    return failures == 0 ? 0 : 1;
}
