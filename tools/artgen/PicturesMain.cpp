// Writes every fixed picture below DATADIR.
#include "ArtMain.h"
#include "ArtPictures.h"

int main(int argc, char** argv) {
    return RunGenerator(argc, argv, "DATADIR", [](const std::vector<std::string>& args) {
        const bool ok = MakePictures(FixedPictureRules(), args[0]);
        ArtShutdown();
        return ok;
    });
}
