// Writes the pictures the catalogues in SIMULATIONDIR name, below DATADIR.
#include "ArtCatalogue.h"
#include "ArtMain.h"
#include "ArtPictures.h"

#include <filesystem>

int main(int argc, char** argv) {
    return RunGenerator(argc, argv, "DATADIR SIMULATIONDIR", [](const std::vector<std::string>& args) {
        if (args.size() < 2) return false;
        std::set<std::string> covered;
        for (const PictureRule& rule : FixedPictureRules())
            covered.insert(std::filesystem::path(rule.path).filename().string());
        const bool ok = MakeCataloguePictures(CollectCataloguePictures(args[1], covered), args[0]);
        ArtShutdown();
        return ok;
    });
}
