// Writes the game's icon for the desktop's icon theme: THEMEDIR/<size>x<size>/apps/APPID.png for
// every size a desktop commonly asks for, each drawn at its size rather than scaled down.
#include "ArtMain.h"
#include "ArtPictures.h"

int main(int argc, char** argv) {
    return RunGenerator(argc, argv, "THEMEDIR APPID", [](const std::vector<std::string>& args) {
        if (args.size() != 2) {
            std::fprintf(stderr, "usage: artgen-icons THEMEDIR APPID\n");
            return false;
        }
        std::vector<PictureRule> rules;
        for (int size : {16, 24, 32, 48, 64, 128, 256}) {
            const std::string folder = std::to_string(size) + "x" + std::to_string(size);
            rules.push_back({folder + "/apps/" + args[1] + ".png", size, size, GameIcon});
        }
        const bool ok = MakePictures(rules, args[0]);
        ArtShutdown();
        return ok;
    });
}
