// Writes every sound below DATADIR.
#include "ArtMain.h"
#include "ArtSounds.h"

#include <algorithm>
#include <thread>

int main(int argc, char** argv) {
    return RunGenerator(argc, argv, "DATADIR", [](const std::vector<std::string>& args) {
        const int workers = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
        return MakeSounds(SoundRules(), args[0], workers);
    });
}
