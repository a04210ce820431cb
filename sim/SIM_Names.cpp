#include "SIM_Names.h"

#include "LibDataFolder.h"
#include "LibDebugLog.h"
#include "LibErrors.h"
#include "LibFileList.h"
#include "LibRandom.h"
#include "LibSpreadsheet.h"
#include "LibString.h"

#include <algorithm>
#include <fstream>

namespace {
SIM_Names gNames;
SIM_NamesList gNamesList;
SIM_PortraitDatabase gPortraits;

std::vector<std::string> LoadNameCatalogue(const std::string& path) {
    std::vector<std::string> names;
    const auto sheet = LoadSpreadsheet(path);
    for (const std::string& row : sheet->rows) {
        LibTokenizer cells(row);
        cells.Next();
        std::string name = cells.NextText();
        if (!name.empty()) names.push_back(std::move(name));
    }
    if (names.empty()) FATAL_ERROR("No names found");
    return names;
}

std::string Pick(const std::vector<std::string>& list) {
    return list.empty() ? std::string() : list[static_cast<std::size_t>(RandomIndex(static_cast<int>(list.size())))];
}

constexpr const char* kNameListFiles[3] = {"band_names.txt", "album_names.txt", "song_names.txt"};
constexpr const char* kFaceSuffix = "_neutral.jpg";
}  // namespace

void SIM_Names::LoadNames(const std::string& folder) {
    surnames.clear();
    maleForenames.clear();
    femaleForenames.clear();
    surnames = LoadNameCatalogue(folder + "/surnames.csv");
    maleForenames = LoadNameCatalogue(folder + "/maleforenames.csv");
    femaleForenames = LoadNameCatalogue(folder + "/femaleforenames.csv");
}

std::string SIM_Names::RandomForename(int gender) const { return Pick(gender == 0 ? maleForenames : femaleForenames); }
std::string SIM_Names::RandomSurname() const { return Pick(surnames); }

SIM_Names& GetNames() { return gNames; }

void SIM_NamesList::LoadList(int list) {
    lists[list].clear();
    std::ifstream in(DataFile(folder + "/" + kNameListFiles[list]));
    std::string line;
    while (std::getline(in, line)) {
        line = TrimTrailing(line);
        if (!line.empty()) lists[list].push_back(line);
    }
}

void SIM_NamesList::Load() {
    for (int i = 0; i < 3; ++i) LoadList(i);
    loaded = true;
}

std::string SIM_NamesList::RandomName(int list) {
    if (list < 0 || list > 2) return {};
    if (!loaded) Load();
    // Only the emptied list is read again; names taken from the others stay taken.
    else if (lists[list].empty()) LoadList(list);
    return Pick(lists[list]);
}

void SIM_NamesList::RemoveName(int list, const std::string& name) {
    if (list < 0 || list > 2) return;
    std::erase(lists[list], name);
}

SIM_NamesList& GetNamesList() { return gNamesList; }
std::string RandomName(int list) { return gNamesList.RandomName(list); }

// ---- Portraits ------------------------------------------------------------------------

// Each face comes as one file per mood ("p07_neutral.jpg", "p07_happy.jpg", ...). The neutral
// file stands for the whole set, so each face is listed once and every base it yields names
// real files; the other moods and the "_grey" variants are not faces of their own.
std::string PortraitBaseOf(const std::string& fileName) {
    if (fileName.find("_grey") != std::string::npos) return {};
    const std::string suffix = kFaceSuffix;
    if (fileName.size() <= suffix.size() ||
        fileName.compare(fileName.size() - suffix.size(), suffix.size(), suffix) != 0)
        return {};
    return fileName.substr(0, fileName.size() - suffix.size());
}

void SIM_PortraitDatabase::Clear() {
    male.clear();
    female.clear();
    freshMale.clear();
    freshFemale.clear();
}

// Bases are kept relative to the folder the renderer finds pictures in (the built-in
// bitmaps or the user's folder), e.g. "male_portraits/p07" or "mods/portraits_m/p07".
void SIM_PortraitDatabase::Scan(const std::string& root, const std::string& folder, std::vector<std::string>& all,
                                std::vector<std::string>& fresh) {
    LibFileList files;
    files.FindFiles(root + "/" + folder + "/*.*");
    for (const std::string& name : files.names) {
        const std::string base = PortraitBaseOf(name);
        if (base.empty()) continue;
        all.push_back(folder + "/" + base);
        fresh.push_back(folder + "/" + base);
    }
}

void SIM_PortraitDatabase::LoadPortraits() {
    Clear();
    Scan(builtInFolder, "male_portraits", male, freshMale);
    Scan(builtInFolder, "female_portraits", female, freshFemale);
    if (!userFolder.empty()) {
        Scan(userFolder, "mods/portraits_m", male, freshMale);
        Scan(userFolder, "mods/portraits_f", female, freshFemale);
    }
}

std::string SIM_PortraitDatabase::RandomPortrait(int gender) {
    std::vector<std::string>& fresh = gender == 1 ? freshFemale : freshMale;
    const std::vector<std::string>& all = gender == 1 ? female : male;
    if (!fresh.empty()) {
        const auto i = static_cast<std::size_t>(RandomIndex(static_cast<int>(fresh.size())));
        std::string portrait = fresh[i];
        fresh.erase(fresh.begin() + static_cast<std::ptrdiff_t>(i));
        return portrait;
    }
    // The portrait pictures are data that may not be installed; people then go without a face.
    // The draw is still taken, so that a seed plays the same career with or without them.
    if (all.empty()) {
        WriteDebugLine(FormatText("No portraits found for gender %d", gender));
        RandomInt();
        return {};
    }
    return Pick(all);
}

void SIM_PortraitDatabase::MarkPortraitUsed(const std::string& portrait) {
    std::erase(freshMale, portrait);
    std::erase(freshFemale, portrait);
}

SIM_PortraitDatabase& GetPortraitDatabase() { return gPortraits; }

void ResetNames() {
    gNamesList = SIM_NamesList{};
    const std::string user = gPortraits.userFolder;
    const std::string builtIn = gPortraits.builtInFolder;
    gPortraits = SIM_PortraitDatabase{};
    gPortraits.userFolder = user;
    gPortraits.builtInFolder = builtIn;
}
