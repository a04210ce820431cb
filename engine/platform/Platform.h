#pragma once
// The platform services the game needs from the operating system, on SDL2.
#include <cstdint>
#include <string>

struct SDL_Window;

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr const char* kProductName = "Gigvale";

// Starts SDL's video and timer services; SDL's own signal handlers stay off.
bool PlatformStartup();
void PlatformShutdown();

// The fixed 1024x768 window titled "Gigvale", with the icon from data when there is one.
SDL_Window* CreateGameWindow();

std::uint64_t MillisecondClock();
void SleepMilliseconds(std::uint32_t ms);
// Height of the desktop in pixels (0 when unknown).
int DesktopHeight();
// True when SDL runs without a real display (the dummy video driver).
bool IsHeadless();

// The user's documents folder: the XDG documents directory, else ~/Documents.
// Empty when no home folder is known.
std::string DocumentsFolder();
