#pragma once
// Pictures named by the data catalogues: each picture cell of data/simulation/*.csv that no fixed
// rule covers gets a picture in the style of its kind, with the row's display name worked in.
#include <set>
#include <string>
#include <vector>

enum class CatalogueKind { VenueCard, Backdrop, Studio, RehearsalRoom, OptionCard, ResultScene, Charity, RivalBand, Asset };

struct CataloguePicture {
    std::string file;   // file name as the catalogue names it
    std::string title;  // display name worked into the picture
    CatalogueKind kind;
};

// Reads the catalogues found in simulationDir; names in `covered` (fixed pictures) are left out
// and each file appears once, first row first.
std::vector<CataloguePicture> CollectCataloguePictures(const std::string& simulationDir,
                                                       const std::set<std::string>& covered);
// The size a kind is drawn at.
void CatalogueSize(CatalogueKind kind, int& width, int& height);
// Draws and saves each picture below dataDir/bitmaps/catalogue; false on a write failure.
bool MakeCataloguePictures(const std::vector<CataloguePicture>& pictures, const std::string& dataDir);
