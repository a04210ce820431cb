// The game's entry point. It reads no command line.
#include "Game.h"
#include "LibDataFolder.h"

#include <SDL.h>

#include <cstdio>

int main() {
    std::string error;
    if (!LocateDataFolder(error)) {
        std::fprintf(stderr, "gigvale: %s\n", error.c_str());
        // Started from a desktop menu nobody sees standard error; SDL can show this before it starts.
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Gigvale", error.c_str(), nullptr);
        return 1;
    }
    return GetGame().Run();
}
