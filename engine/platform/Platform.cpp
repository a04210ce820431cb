#include "Platform.h"

#include "LibDataFolder.h"
#include "LibDebugLog.h"

#include <FreeImage.h>
#include <SDL.h>

#include <cstdlib>
#include <cstring>
#include <fstream>

bool PlatformStartup() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
        WriteDebugLine(std::string("SDL_Init failed: ") + SDL_GetError());
        return false;
    }
    return true;
}

void PlatformShutdown() { SDL_Quit(); }

namespace {
SDL_Surface* LoadIcon() {
    for (const char* name : {"data/icon.png", "data/icon.ico"}) {
        const std::string path = DataFile(name);
        FREE_IMAGE_FORMAT format = FreeImage_GetFileType(path.c_str(), 0);
        if (format == FIF_UNKNOWN) continue;
        FIBITMAP* loaded = FreeImage_Load(format, path.c_str(), 0);
        if (!loaded) continue;
        FIBITMAP* rgba = FreeImage_ConvertTo32Bits(loaded);
        FreeImage_Unload(loaded);
        if (!rgba) continue;
        const int w = static_cast<int>(FreeImage_GetWidth(rgba)), h = static_cast<int>(FreeImage_GetHeight(rgba));
        SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_BGRA32);
        if (surface) {
            // FreeImage keeps rows bottom-up.
            for (int y = 0; y < h; ++y)
                std::memcpy(static_cast<Uint8*>(surface->pixels) + y * surface->pitch,
                            FreeImage_GetScanLine(rgba, h - 1 - y), static_cast<std::size_t>(w) * 4);
        }
        FreeImage_Unload(rgba);
        if (surface) return surface;
    }
    return nullptr;
}
}  // namespace

SDL_Window* CreateGameWindow() {
    SDL_Window* window = SDL_CreateWindow(kProductName, 0, 0, kScreenWidth, kScreenHeight, SDL_WINDOW_SHOWN);
    if (!window) return nullptr;
    if (SDL_Surface* icon = LoadIcon()) {
        SDL_SetWindowIcon(window, icon);
        SDL_FreeSurface(icon);
    }
    SDL_RaiseWindow(window);
    return window;
}

std::uint64_t MillisecondClock() { return SDL_GetTicks64(); }
void SleepMilliseconds(std::uint32_t ms) { SDL_Delay(ms); }

int DesktopHeight() {
    SDL_DisplayMode mode{};
    return SDL_GetDesktopDisplayMode(0, &mode) == 0 ? mode.h : 0;
}

bool IsHeadless() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return !driver || std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0;
}

namespace {
// The XDG_DOCUMENTS_DIR line of ~/.config/user-dirs.dirs, with $HOME expanded.
std::string XdgDocumentsFromConfig(const std::string& home) {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    const std::string config = (configHome && *configHome ? std::string(configHome) : home + "/.config") + "/user-dirs.dirs";
    std::ifstream in(config);
    std::string line;
    while (std::getline(in, line)) {
        const std::string key = "XDG_DOCUMENTS_DIR=";
        if (line.rfind(key, 0) != 0) continue;
        std::string value = line.substr(key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
        if (value.rfind("$HOME", 0) == 0) value = home + value.substr(5);
        // A documents folder set to the home folder itself means "none configured".
        if (!value.empty() && value[0] == '/' && value != home && value != home + "/") return value;
    }
    return {};
}
}  // namespace

std::string DocumentsFolder() {
    const char* home = std::getenv("HOME");
    if (!home || !*home) return {};
    const std::string fromConfig = XdgDocumentsFromConfig(home);
    return fromConfig.empty() ? std::string(home) + "/Documents" : fromConfig;
}
