// Writes the portraits and avatars below DATADIR.
#include "ArtMain.h"
#include "ArtPortraits.h"

int main(int argc, char** argv) {
    return RunGenerator(argc, argv, "DATADIR", [](const std::vector<std::string>& args) {
        const bool ok = MakePortraits(args[0]);
        ArtShutdown();
        return ok;
    });
}
