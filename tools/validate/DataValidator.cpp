#include "DataValidator.h"

#include "GHashTable.h"
#include "LibConfigSection.h"
#include "LibFont.h"
#include "LibSpreadsheet.h"
#include "LibString.h"
#include "SIM_Band.h"
#include "SIM_Date.h"
#include "SIM_Practice.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace {

// ---- Cells ----------------------------------------------------------------------------

// The kinds of cell the catalogues hold.
enum class Cell {
    kText,              // anything, may be empty
    kName,              // text that must not be empty
    kKey,               // a name that must be unique within its catalogue
    kInt,
    kFloat,
    kOptFloat,          // a number or empty
    kFraction,          // a number from 0 to 1
    kFlag,              // 0 or 1
    kPicture,           // a picture that must be staged
    kOptSound,          // empty or a sound file below the data folder
    kInstrument,        // the six instruments
    kInstrumentOrBand,  // an instrument, "BAND" or empty
    kGender,
    kVenueType,
    kElementType,
    kWarningSide,
    kElement,           // a song element
    kAsset,             // an asset key
    kAttribute,         // empty or a player attribute
    kAssetFlags,
    kHook,              // empty or a hook the hints may run
};

// What follows the fixed cells.
enum class Tail {
    kNone,
    kModifiers,        // "name,amount,degrade" cells, up to a "#" cell
    kTraits,           // personality traits
    kPublicityFactors, // factors, a "#" cell, then modifiers
};

struct Schema {
    const char* file;
    std::vector<Cell> cells;  // after the "#" marker
    Tail tail = Tail::kNone;
};

const std::vector<Schema>& Schemas() {
    using C = Cell;
    static const std::vector<Schema> schemas = {
        {"attributes.csv",
         {C::kKey, C::kName, C::kFraction, C::kFlag, C::kFlag, C::kText, C::kWarningSide, C::kOptFloat, C::kAttribute,
          C::kOptFloat}},
        {"band.csv",
         {C::kKey, C::kName, C::kFraction, C::kFlag, C::kFlag, C::kText, C::kWarningSide, C::kOptFloat, C::kText,
          C::kOptFloat}},
        {"personalities.csv", {C::kKey, C::kName, C::kName}},
        {"auditionees.csv", {C::kInstrument, C::kGender, C::kElement, C::kFraction, C::kAsset}, Tail::kTraits},
        {"surnames.csv", {C::kName}},
        {"maleforenames.csv", {C::kName}},
        {"femaleforenames.csv", {C::kName}},
        {"charities.csv", {C::kKey, C::kName, C::kPicture, C::kText}},
        {"endorsements.csv", {C::kKey, C::kFloat, C::kName, C::kFraction}},
        {"hints.csv", {C::kKey, C::kName, C::kInt, C::kInt, C::kFlag, C::kText, C::kHook, C::kText, C::kText}},
        {"otherbands.csv",
         {C::kFloat, C::kFloat, C::kKey, C::kName, C::kElement, C::kText, C::kPicture, C::kText, C::kPicture,
          C::kFraction},
         Tail::kModifiers},
        {"publicity.csv",
         {C::kKey, C::kText, C::kName, C::kPicture, C::kText, C::kOptSound, C::kText, C::kFloat, C::kFloat, C::kFraction,
          C::kFraction, C::kFraction, C::kFraction, C::kText},
         Tail::kPublicityFactors},
        {"quotes.csv", {C::kName, C::kName, C::kText}},
        {"record_studios.csv", {C::kKey, C::kText, C::kFloat, C::kFraction, C::kPicture, C::kFloat}},
        {"rehearsals.csv",
         {C::kKey, C::kName, C::kText, C::kInt, C::kFloat, C::kFloat, C::kFloat, C::kPicture, C::kText},
         Tail::kModifiers},
        {"relax.csv", {C::kKey, C::kName, C::kText, C::kFloat, C::kPicture, C::kPicture}, Tail::kModifiers},
        {"song_elements.csv", {C::kKey, C::kName, C::kFlag, C::kElementType, C::kFraction}},
        {"venues.csv",
         {C::kKey, C::kName, C::kVenueType, C::kFloat, C::kFloat, C::kFloat, C::kInt, C::kFloat, C::kFlag, C::kFloat,
          C::kFloat, C::kFloat, C::kFloat, C::kText, C::kPicture, C::kPicture}},
        // Assets: the common cells; the kind's own cells and the modifiers follow (see CheckAssetTail).
        {"assets.csv",
         {C::kName, C::kKey, C::kName, C::kName, C::kText, C::kPicture, C::kOptSound, C::kFloat, C::kFloat, C::kFloat,
          C::kFloat, C::kText, C::kInstrumentOrBand, C::kAssetFlags, C::kText},
         Tail::kModifiers},
    };
    return schemas;
}

const std::set<std::string> kInstruments = {"KEYBOARD", "DRUMS", "BASS", "GUITAR", "SAXOPHONE", "VOCALS"};

// The cells of one row after its "#" marker, trimmed as the readers trim them.
std::vector<std::string> RowCells(const std::string& row) {
    const std::string trimmed = TrimTrailing(row);
    LibTokenizer tokens(trimmed);
    tokens.Next();  // the marker
    std::vector<std::string> cells;
    while (!tokens.AtEnd()) cells.push_back(tokens.NextText());
    if (trimmed.size() > 1 && trimmed.back() == ',') cells.emplace_back();
    return cells;
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

bool IsNumber(const std::string& text, bool wholeOnly) {
    const std::string t = Trim(text);
    if (t.empty()) return false;
    char* end = nullptr;
    if (wholeOnly) (void)std::strtol(t.c_str(), &end, 10);
    else (void)std::strtod(t.c_str(), &end);
    return end && *end == '\0';
}

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// "%d" in a pattern filled with n.
std::string FillNumber(const std::string& pattern, int n) {
    std::string text = pattern;
    const auto at = text.find("%d");
    if (at != std::string::npos) text.replace(at, 2, std::to_string(n));
    return text;
}

std::string WithoutBlanks(std::string text) {
    std::erase_if(text, [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; });
    return text;
}

// ---- The folder -----------------------------------------------------------------------

struct Catalogue {
    std::vector<std::vector<std::string>> rows;
};

class Validator {
public:
    Validator(std::string dir, const std::vector<ScannedKey>& codeKeys) : dir_(std::move(dir)), codeKeys_(codeKeys) {}

    std::vector<DataProblem> Run() {
        ReadTuning();
        ReadStrings();
        ReadPictures();
        ReadCatalogues();
        CheckCatalogues();
        CheckCodeKeys();
        CheckMelodies();
        CheckFonts();
        // A key read in several places is reported once.
        std::vector<DataProblem> unique;
        std::set<std::string> seen;
        for (DataProblem& problem : problems_)
            if (seen.insert(FormatProblem(problem)).second) unique.push_back(std::move(problem));
        return unique;
    }

private:
    void Problem(const std::string& file, const std::string& where, const std::string& what) {
        problems_.push_back({file, where, what});
    }
    std::string Path(const std::string& relative) const { return dir_ + "/" + relative; }
    bool Exists(const std::string& relative) const { return fs::is_regular_file(Path(relative)); }

    // -- config.txt: every value a number, no key twice (the second would never be read).
    void ReadTuning() {
        if (!Exists("config.txt")) Problem("config.txt", "-", "file missing");
        tuning_.Load("config", Path("config.txt"));
        std::set<std::string> seen;
        for (const auto& entry : tuning_.Entries()) {
            if (!seen.insert(entry.key).second)
                Problem("config.txt", entry.key, "key given twice; only the first value is read");
            if (!IsNumber(entry.value, false))
                Problem("config.txt", entry.key, "value '" + entry.value + "' is not a number (it reads as 0)");
        }
    }
    bool HasTuning(const std::string& key) const {
        const auto& entries = tuning_.Entries();
        return std::any_of(entries.begin(), entries.end(), [&](const auto& e) { return e.key == key; });
    }

    // -- strings.ini: the texts, the numbered sections and their keys "0".."n-1".
    void ReadStrings() {
        const std::string file = Path("strings.ini");
        if (!Exists("strings.ini")) Problem("strings.ini", "-", "file missing");
        texts_.Load("strings", file);
        std::set<std::string> seen;
        const std::vector<std::string> all = ReadProfileSection("strings", file, std::string::npos / 2);
        if (ReadProfileSection("strings", file).size() < all.size())
            Problem("strings.ini", "[strings]", "longer than the 128,000 characters a section may hold; the last texts are cut off");
        for (const std::string& line : all) {
            const std::string key = WithoutBlanks(line.substr(0, line.find('=')));
            if (key.empty() || key[0] == '/') continue;
            if (!seen.insert(key).second) Problem("strings.ini", key, "key given twice; only the first text is shown");
        }
        std::ifstream in(file);
        std::string line;
        std::set<std::string> headers;
        while (std::getline(in, line)) {
            line = Trim(line);
            if (line.size() < 2 || line.front() != '[' || line.back() != ']') continue;
            const std::string name = line.substr(1, line.size() - 2);
            if (!headers.insert(ToLower(name)).second) {
                Problem("strings.ini", "[" + name + "]", "section given twice; only the first is read");
                continue;
            }
            if (name == "strings") continue;
            sections_.insert(name);
            LibConfigSection section;
            section.Load(name, file);
            const std::size_t n = section.Entries().size();
            if (n == 0) Problem("strings.ini", "[" + name + "]", "numbered section without entries");
            std::set<std::string> keys;
            for (const auto& entry : section.Entries()) {
                keys.insert(entry.key);
                // An element's phrase may be empty: the description then leaves the element out.
                const bool phrase = name.rfind("SONG_DESCRIPTION_", 0) == 0 && name != "SONG_DESCRIPTION_KEY";
                if (!phrase && Trim(entry.value).empty())
                    Problem("strings.ini", "[" + name + "] " + entry.key, "empty text");
            }
            for (std::size_t k = 0; k < n; ++k)
                if (!keys.count(std::to_string(k)))
                    Problem("strings.ini", "[" + name + "]",
                            "has " + std::to_string(n) + " entries but no key \"" + std::to_string(k) +
                                "\" (keys must run 0.." + std::to_string(n - 1) + ")");
        }
    }
    bool HasText(const std::string& key) const { return !texts_.Lookup(key).empty(); }
    bool HasSection(const std::string& name) const {
        return std::any_of(sections_.begin(), sections_.end(), [&](const std::string& s) {
            return ToLower(s) == ToLower(name);  // section names are matched without regard to case
        });
    }

    // -- pictures are found by file name anywhere below bitmaps/.
    void ReadPictures() {
        std::error_code error;
        for (fs::recursive_directory_iterator it(Path("bitmaps"), error), end; !error && it != end; it.increment(error))
            if (it->is_regular_file()) pictures_.insert(ToLower(it->path().filename().string()));
    }
    void NeedPicture(const std::string& file, const std::string& where, const std::string& name) {
        if (name.empty()) Problem(file, where, "no picture named");
        else if (!pictures_.count(ToLower(fs::path(name).filename().string())))
            Problem(file, where, "picture '" + name + "' is not staged below bitmaps/");
    }
    // Files are named from the run folder ("data/sounds/cash.ogg").
    void NeedFile(const std::string& file, const std::string& where, const std::string& path, const char* what) {
        const std::string relative = path.rfind("data/", 0) == 0 ? path.substr(5) : path;
        if (!Exists(relative)) Problem(file, where, std::string(what) + " '" + path + "' is not staged");
    }
    void NeedSound(const std::string& file, const std::string& where, const std::string& path) {
        NeedFile(file, where, path, "sound");
    }

    // -- catalogues
    void ReadCatalogues() {
        for (const Schema& schema : Schemas()) {
            const std::string relative = std::string("simulation/") + schema.file;
            if (!Exists(relative)) {
                Problem(relative, "-", "file missing");
                continue;
            }
            Catalogue& catalogue = catalogues_[schema.file];
            const auto sheet = LoadSpreadsheet(Path(relative));
            for (const std::string& row : sheet->rows) catalogue.rows.push_back(RowCells(row));
            if (catalogue.rows.empty()) Problem(relative, "-", "no data rows");
        }
        for (const char* list : {"band_names.txt", "album_names.txt", "song_names.txt"}) {
            std::ifstream in(Path(std::string("simulation/") + list));
            std::string line;
            int names = 0;
            while (std::getline(in, line)) names += Trim(line).empty() ? 0 : 1;
            if (names == 0) Problem(std::string("simulation/") + list, "-", "missing or without names");
        }
        elements_ = Keys("song_elements.csv", 0);
        personalities_ = Keys("personalities.csv", 0);
        assets_ = Keys("assets.csv", 1);
        attributes_ = Keys("attributes.csv", 0);
        bandValues_ = Keys("band.csv", 0);
        // The hooks the code registers by name (the hint catalogue may run them).
        for (const ScannedKey& key : codeKeys_)
            if (key.kind == ScannedKind::kHook) hooks_.insert(key.key);
    }
    std::set<std::string> Keys(const std::string& file, std::size_t column) const {
        std::set<std::string> keys;
        const auto found = catalogues_.find(file);
        if (found == catalogues_.end()) return keys;
        for (const auto& row : found->second.rows)
            if (row.size() > column) keys.insert(row[column]);
        return keys;
    }

    void CheckCatalogues() {
        for (const Schema& schema : Schemas()) {
            const auto found = catalogues_.find(schema.file);
            if (found == catalogues_.end()) continue;
            const std::string file = std::string("simulation/") + schema.file;
            std::set<std::string> keys;
            int number = 0;
            for (const auto& row : found->second.rows) {
                ++number;
                std::string where = "row " + std::to_string(number);
                // Rows are named by their key where the catalogue has one.
                const auto keyColumn = std::find(schema.cells.begin(), schema.cells.end(), Cell::kKey);
                const std::size_t label = keyColumn == schema.cells.end()
                                              ? 0
                                              : static_cast<std::size_t>(keyColumn - schema.cells.begin());
                if (row.size() > label && !row[label].empty()) where += " (" + row[label] + ")";
                const std::size_t fixed = schema.cells.size();
                if (row.size() < fixed) {
                    Problem(file, where,
                            "has " + std::to_string(row.size()) + " cells, expected " + std::to_string(fixed));
                    continue;
                }
                for (std::size_t i = 0; i < fixed; ++i) CheckCell(file, where, i + 1, schema.cells[i], row[i], keys);
                std::vector<std::string> tail(row.begin() + static_cast<std::ptrdiff_t>(fixed), row.end());
                if (std::string(schema.file) == "assets.csv") tail = CheckAssetTail(file, where, row[0], tail);
                CheckTail(file, where, schema.tail, tail);
            }
        }
        CheckHintPositions();
        CheckRehearsalRanges();
    }

    // A member expects the rehearsal venue whose fame range holds his ego times the band's
    // fame (whole numbers); an expectation no range holds counts as no venue at all.
    void CheckRehearsalRanges() {
        const auto found = catalogues_.find("rehearsals.csv");
        if (found == catalogues_.end()) return;
        std::vector<std::pair<double, double>> ranges;
        for (const auto& row : found->second.rows)
            if (row.size() > 5 && IsNumber(row[4], false) && IsNumber(row[5], false))
                ranges.emplace_back(std::strtod(row[4].c_str(), nullptr), std::strtod(row[5].c_str(), nullptr));
        std::sort(ranges.begin(), ranges.end());
        double covered = -1.0;  // every whole number up to here is held by a range
        for (const auto& [low, high] : ranges) {
            if (low > covered + 1.0)
                Problem("simulation/rehearsals.csv", "fame ranges",
                        "no venue is expected from " + std::to_string(static_cast<long>(covered + 1.0)) + " to " +
                            std::to_string(static_cast<long>(std::ceil(low) - 1.0)));
            covered = std::max(covered, std::floor(high));
        }
    }

    void CheckCell(const std::string& file, const std::string& where, std::size_t column, Cell kind,
                   const std::string& cell, std::set<std::string>& keys) {
        const std::string at = where + " cell " + std::to_string(column);
        auto oneOf = [&](const std::set<std::string>& allowed, const char* what) {
            if (!allowed.count(cell)) Problem(file, at, "'" + cell + "' is not " + what);
        };
        switch (kind) {
        case Cell::kText: break;
        case Cell::kName:
            if (cell.empty()) Problem(file, at, "empty");
            break;
        case Cell::kKey:
            if (cell.empty()) Problem(file, at, "empty");
            else if (!keys.insert(cell).second) Problem(file, at, "'" + cell + "' is used by an earlier row");
            break;
        case Cell::kInt:
            if (!IsNumber(cell, true)) Problem(file, at, "'" + cell + "' is not a whole number");
            break;
        case Cell::kFloat:
            if (!IsNumber(cell, false)) Problem(file, at, "'" + cell + "' is not a number");
            break;
        case Cell::kOptFloat:
            if (!cell.empty() && !IsNumber(cell, false)) Problem(file, at, "'" + cell + "' is not a number");
            break;
        case Cell::kFraction:
            if (!IsNumber(cell, false)) Problem(file, at, "'" + cell + "' is not a number");
            else if (const double v = std::strtod(cell.c_str(), nullptr); v < 0.0 || v > 1.0)
                Problem(file, at, "'" + cell + "' is outside 0..1");
            break;
        case Cell::kFlag: oneOf({"0", "1"}, "0 or 1"); break;
        case Cell::kPicture: NeedPicture(file, at, cell); break;
        case Cell::kOptSound:
            if (!cell.empty()) NeedSound(file, at, cell);
            break;
        case Cell::kInstrument: oneOf(kInstruments, "an instrument"); break;
        case Cell::kInstrumentOrBand:
            if (!cell.empty() && cell != "BAND") oneOf(kInstruments, "an instrument, BAND or empty");
            break;
        case Cell::kGender: oneOf({"MALE", "FEMALE"}, "MALE or FEMALE"); break;
        case Cell::kVenueType: oneOf({"LOCAL", "DISTANT"}, "LOCAL or DISTANT"); break;
        case Cell::kElementType: oneOf({"MUSIC", "LYRICS"}, "MUSIC or LYRICS"); break;
        case Cell::kWarningSide: oneOf({"above", "below", "neither"}, "above, below or neither"); break;
        case Cell::kElement: oneOf(elements_, "a song element of simulation/song_elements.csv"); break;
        case Cell::kAsset: oneOf(assets_, "an asset of simulation/assets.csv"); break;
        case Cell::kAttribute:
            if (!cell.empty()) oneOf(attributes_, "an attribute of simulation/attributes.csv");
            break;
        case Cell::kAssetFlags: {
            LibTokenizer words(cell);
            while (!words.AtEnd()) {
                const std::string flag = Trim(words.Next());
                static const std::set<std::string> kFlags = {"STEALABLE", "SELLABLE", "REBUYABLE",
                                                             "SERVICE",   "DESIRABLE", "EMPLOYEE"};
                if (!flag.empty() && !kFlags.count(flag)) Problem(file, at, "unknown flag '" + flag + "'");
            }
            break;
        }
        case Cell::kHook:
            if (!cell.empty()) oneOf(hooks_, "a hook the game registers");
            break;
        }
    }

    // The cells of each asset kind, before the spacer and the modifiers.
    std::vector<std::string> CheckAssetTail(const std::string& file, const std::string& where, const std::string& kind,
                                            const std::vector<std::string>& tail) {
        static const std::map<std::string, std::vector<Cell>> kKinds = {
            {"asset", {}},
            {"instrument", {Cell::kFraction}},
            {"stage_equipment", {Cell::kFloat, Cell::kFloat}},
            {"video", {Cell::kFraction, Cell::kFraction}},
            {"merchandise", {Cell::kInt, Cell::kFloat, Cell::kName}},
            {"recorded_music", {Cell::kElement, Cell::kText}},
        };
        const auto found = kKinds.find(kind);
        if (found == kKinds.end()) {
            Problem(file, where, "unknown asset kind '" + kind + "'");
            return {};
        }
        const std::vector<Cell>& cells = found->second;
        if (tail.size() < cells.size() + 1) {
            Problem(file, where, "a " + kind + " needs " + std::to_string(cells.size()) + " cells of its own and a spacer");
            return {};
        }
        std::set<std::string> unused;
        for (std::size_t i = 0; i < cells.size(); ++i) CheckCell(file, where, 16 + i, cells[i], tail[i], unused);
        return {tail.begin() + static_cast<std::ptrdiff_t>(cells.size() + 1), tail.end()};
    }

    void CheckTail(const std::string& file, const std::string& where, Tail tail, const std::vector<std::string>& cells) {
        bool inModifiers = tail == Tail::kModifiers;
        for (const std::string& cell : cells) {
            switch (tail) {
            case Tail::kNone:
                if (!cell.empty()) Problem(file, where, "unexpected extra cell '" + cell + "'");
                break;
            case Tail::kTraits:
                // The reader skips cells shorter than four characters.
                if (cell.size() >= 4 && !personalities_.count(cell))
                    Problem(file, where, "trait '" + cell + "' is not in simulation/personalities.csv");
                break;
            case Tail::kModifiers:
            case Tail::kPublicityFactors:
                if (!cell.empty() && cell[0] == '#') {
                    if (tail == Tail::kModifiers || inModifiers) return;
                    inModifiers = true;
                } else if (inModifiers) {
                    CheckModifier(file, where, cell);
                } else if (!cell.empty()) {
                    CheckFactor(file, where, cell);
                }
                break;
            }
        }
    }

    // "name,amount,degrade": a band value, a world value ("glob_") or a player attribute; an
    // amount starting with "_" and a degrade starting with a letter or "_" name tuning keys.
    void CheckModifier(const std::string& file, const std::string& where, const std::string& cell) {
        if (cell.size() < 2 || !(std::isalpha(static_cast<unsigned char>(cell[0])) || cell[0] == '_')) {
            if (!cell.empty()) Problem(file, where, "modifier '" + cell + "' does not start with a name");
            return;
        }
        LibTokenizer parts(cell);
        const std::string name = Trim(parts.Next());
        const std::string amount = Trim(parts.Next());
        const std::string degrade = Trim(parts.Next());
        modifierNames_.insert(name);
        if (name.find("glob_") != std::string::npos) {
        } else if (name.find("band_") != std::string::npos) {
            if (!SIM_Band::IsModifiableBandValue(name))
                Problem(file, where, "modifier names '" + name + "', not a band value a modifier may change");
        } else if (!attributes_.count(name)) {
            Problem(file, where, "modifier names '" + name + "', not a player attribute");
        }
        auto number = [&](const std::string& text, bool tuningIfLetter, const char* what) {
            const bool tuning = !text.empty() && (text[0] == '_' || (tuningIfLetter && std::isalpha(static_cast<unsigned char>(text[0]))));
            if (tuning) {
                if (!HasTuning(text))
                    Problem(file, where, std::string("modifier ") + what + " '" + text + "' is missing from config.txt");
            } else if (!IsNumber(text, false)) {
                Problem(file, where, "modifier '" + cell + "' has no number for its " + what);
            }
        };
        number(amount, false, "amount");
        number(degrade, true, "degrade");
    }

    // "random,min,max", "milo_<attribute>,min,max" or "<trait>,min,max".
    void CheckFactor(const std::string& file, const std::string& where, const std::string& cell) {
        LibTokenizer parts(cell);
        const std::string name = Trim(parts.Next());
        const std::string low = Trim(parts.Next());
        if (!IsNumber(low, false)) Problem(file, where, "factor '" + cell + "' has no number");
        if (name == "random") return;
        if (name.rfind("milo_", 0) == 0) {
            if (!attributes_.count(name.substr(5)))
                Problem(file, where, "factor '" + name + "' names no attribute of simulation/attributes.csv");
        } else if (!personalities_.count(name)) {
            Problem(file, where, "factor '" + name + "' is neither random, milo_<attribute> nor a personality");
        }
    }

    void CheckHintPositions() {
        const auto found = catalogues_.find("hints.csv");
        if (found == catalogues_.end()) return;
        for (const auto& row : found->second.rows) {
            if (row.size() < 4) continue;
            const int x = std::atoi(row[2].c_str()), y = std::atoi(row[3].c_str());
            if (x < 0 || x > 724 || y < 0 || y > 568)
                Problem("simulation/hints.csv", row[0], "window at " + row[2] + "," + row[3] + " leaves the screen");
        }
    }

    // -- keys the code reads
    void NeedText(const ScannedKey& from, const std::string& key) {
        if (!HasText(key)) Problem("strings.ini", key, "text missing (" + Origin(from) + ")");
        else CheckTokens(key, texts_.Lookup(key));
    }
    void NeedSection(const ScannedKey& from, const std::string& name) {
        if (!HasSection(name)) {
            Problem("strings.ini", "[" + name + "]", "numbered section missing (" + Origin(from) + ")");
            return;
        }
        LibConfigSection section;
        section.Load(name, Path("strings.ini"));
        for (const auto& entry : section.Entries()) CheckTokens("[" + name + "] " + entry.key, entry.value);
    }
    // A placeholder no code fills would reach the player as written.
    void CheckTokens(const std::string& where, const std::string& text) {
        for (std::size_t open = text.find('<'); open != std::string::npos; open = text.find('<', open + 1)) {
            const std::size_t close = text.find('>', open);
            if (close == std::string::npos) break;
            const std::string token = text.substr(open, close - open + 1);
            const bool shaped = std::all_of(token.begin() + 1, token.end() - 1, [](char c) {
                return std::isupper(static_cast<unsigned char>(c)) || c == '_';
            });
            if (shaped && token.size() > 2 && !tokens_.count(token))
                Problem("strings.ini", where, "placeholder " + token + " is filled by no code");
        }
    }
    static std::string Origin(const ScannedKey& key) { return "used at " + key.file + ":" + std::to_string(key.line); }

    void CheckCodeKeys() {
        const std::set<std::string> hints = Keys("hints.csv", 0);
        for (const ScannedKey& key : codeKeys_)
            if (key.kind == ScannedKind::kToken) tokens_.insert(key.key);
        for (const ScannedKey& key : codeKeys_) {
            switch (key.kind) {
            case ScannedKind::kTuning:
                if (!HasTuning(key.key)) Problem("config.txt", key.key, "tuning value missing (" + Origin(key) + ")");
                break;
            case ScannedKind::kText: NeedText(key, key.key); break;
            case ScannedKind::kSection: NeedSection(key, key.key); break;
            case ScannedKind::kTextOrSection:
                if (HasText(key.key)) NeedText(key, key.key);
                else if (HasSection(key.key)) NeedSection(key, key.key);
                else Problem("strings.ini", key.key, "text or numbered section missing (" + Origin(key) + ")");
                break;
            case ScannedKind::kToken: break;
            case ScannedKind::kHint:
                if (!hints.count(key.key)) Problem("simulation/hints.csv", key.key, "hint missing (" + Origin(key) + ")");
                break;
            case ScannedKind::kHook: break;
            case ScannedKind::kTrait:
                if (!personalities_.count(key.key))
                    Problem("simulation/personalities.csv", key.key, "trait missing (" + Origin(key) + ")");
                break;
            case ScannedKind::kAsset:
                if (!assets_.count(key.key)) Problem("simulation/assets.csv", key.key, "asset missing (" + Origin(key) + ")");
                break;
            case ScannedKind::kAttribute:
                if (!attributes_.count(key.key))
                    Problem("simulation/attributes.csv", key.key, "attribute missing (" + Origin(key) + ")");
                break;
            case ScannedKind::kBandValue:
                if (!bandValues_.count(key.key)) Problem("simulation/band.csv", key.key, "band value missing (" + Origin(key) + ")");
                break;
            case ScannedKind::kPicture:
                if (key.key.rfind("data/", 0) == 0) NeedFile(key.file, std::to_string(key.line), key.key, "picture");
                else NeedPicture(key.file, std::to_string(key.line), key.key);
                break;
            case ScannedKind::kSound: NeedSound(key.file, std::to_string(key.line), key.key); break;
            default: ExpandDynamic(key); break;
            }
        }
        // Read by position rather than through a key in the code.
        LibConfigSection months;
        months.Load("MonthNames", Path("strings.ini"));
        for (int m = 0; m < SIM_Date::kMonthsPerYear; ++m) {
            if (months.Find(std::to_string(m)).empty())
                Problem("strings.ini", "[MonthNames] " + std::to_string(m), "month name missing");
        }
    }

    // Keys the code builds at run time: each rule says what completes the fixed part. A fixed
    // part without a rule is itself a problem, so a new one cannot slip past unchecked.
    void ExpandDynamic(const ScannedKey& key) {
        const std::string& k = key.key;
        if (key.kind == ScannedKind::kTextPrefix && k == "COMMENT_POSSESION_DEMAND_") {
            // Whatever a member can want: assets with a value, for an instrument or the band.
            const auto found = catalogues_.find("assets.csv");
            if (found == catalogues_.end()) return;
            for (const auto& row : found->second.rows) {
                if (row.size() < 15 || std::strtod(row[10].c_str(), nullptr) <= 0.0) continue;
                if (!kInstruments.count(row[12]) && row[12] != "BAND") continue;
                NeedText(key, k + Upper(row[14].empty() ? row[1] : row[14]));
            }
        } else if (key.kind == ScannedKind::kTextPrefix && k == "SONG_DESCRIPTION_") {
            for (const std::string& element : elements_) NeedSection(key, k + Upper(element));
        } else if (key.kind == ScannedKind::kTextPrefix && k == "nv_") {
            for (const std::string& name : modifierNames_) NeedText(key, k + name);
        } else if (key.kind == ScannedKind::kTextSuffix && (k == "_TEXT" || k == "_TIP")) {
            // Added to the keys the same source file names (career stages, gig meters).
            for (const ScannedKey& other : codeKeys_)
                if (other.file == key.file && other.kind == ScannedKind::kTextOrSection &&
                    (k == "_TEXT" ? other.key.rfind("GAMEMODE_", 0) == 0 : other.key.rfind("VU_", 0) == 0))
                    NeedText(key, other.key + k);
        } else if (key.kind == ScannedKind::kTextSuffix && k == "_THANKS") {
            // A member thanks the band for an instrument bought for him.
            const auto found = catalogues_.find("assets.csv");
            if (found == catalogues_.end()) return;
            for (const auto& row : found->second.rows)
                if (row.size() > 12 && kInstruments.count(row[12])) NeedText(key, WithoutBlanks(row[1]) + k);
        } else if (key.kind == ScannedKind::kPattern && k == "data/sounds/song_match_%d.ogg") {
            for (int n = 0; n < 3; ++n) NeedSound(key.file, std::to_string(key.line), FillNumber(k, n));
        } else if (key.kind == ScannedKind::kPattern && k == "postit%d.dds") {
            // A song element's post-it colour 0..2, plus one.
            for (int n = 1; n <= 3; ++n) NeedPicture(key.file, std::to_string(key.line), FillNumber(k, n));
        } else if (key.kind == ScannedKind::kPattern && k == "jigsaw_%dnotes1.dds") {
            for (int n = 2; n <= 5; ++n) NeedPicture(key.file, std::to_string(key.line), FillNumber(k, n));
        } else if (key.kind == ScannedKind::kPattern && k == "DAY_ABBV_%d") {
            for (int n = 0; n < SIM_Date::kDaysPerMonth; ++n) NeedText(key, FillNumber(k, n));
        } else {
            Problem(key.file, std::to_string(key.line),
                    std::string("builds ") + ScannedKindName(key.kind) + " '" + k +
                        "' at run time; tools/validate/DataValidator.cpp has no rule for it");
        }
    }

    // -- practice: every set's five note sounds and its melodies of notes 1 to 5.
    void CheckMelodies() {
        const std::string file = Path("practice/melodies.txt");
        if (!Exists("practice/melodies.txt")) {
            Problem("practice/melodies.txt", "-", "file missing");
            return;
        }
        for (int set = 0; set < kPracticeSets; ++set) {
            const std::string name = PracticeSetName(set);
            LibConfigSection sounds;
            sounds.Load(name, file);
            for (int note = 0; note < 5; ++note) {
                const std::string sound = sounds.Find(std::to_string(note));
                if (sound.empty()) Problem("practice/melodies.txt", "[" + name + "] " + std::to_string(note), "note sound missing");
                else NeedSound("practice/melodies.txt", "[" + name + "] " + std::to_string(note), sound);
            }
            LibConfigSection melodies;
            melodies.Load(PracticeMelodySection(set), file);
            const std::size_t n = melodies.Entries().size();
            if (n == 0) Problem("practice/melodies.txt", "[" + std::string(PracticeMelodySection(set)) + "]", "no melodies");
            for (std::size_t i = 0; i < n; ++i) {
                const std::string where = "[" + std::string(PracticeMelodySection(set)) + "] " + std::to_string(i);
                const std::string melody = melodies.Find(std::to_string(i));
                if (melody.empty()) {
                    Problem("practice/melodies.txt", where, "melody missing (keys must run 0.." + std::to_string(n - 1) + ")");
                    continue;
                }
                LibTokenizer notes(melody);
                while (!notes.AtEnd()) {
                    const std::string note = Trim(notes.Next());
                    if (!IsNumber(note, true) || std::atoi(note.c_str()) < 1 || std::atoi(note.c_str()) > 5)
                        Problem("practice/melodies.txt", where, "'" + note + "' is not a note from 1 to 5");
                }
            }
        }
    }

    void CheckFonts() {
        for (const FontEntry& font : GameFonts()) {
            NeedFile("fonts", font.widthFile, font.widthFile, "glyph widths");
            NeedPicture("fonts", font.widthFile, font.texture);
        }
    }

    std::string dir_;
    const std::vector<ScannedKey>& codeKeys_;
    std::vector<DataProblem> problems_;
    LibConfigSection tuning_;
    GHashTable texts_;
    std::set<std::string> sections_;
    std::set<std::string> pictures_;
    std::set<std::string> tokens_;
    std::map<std::string, Catalogue> catalogues_;
    std::set<std::string> elements_, personalities_, assets_, attributes_, bandValues_, hooks_, modifierNames_;
};

}  // namespace

std::string FormatProblem(const DataProblem& problem) {
    return problem.file + ": " + problem.where + ": " + problem.what;
}

std::vector<DataProblem> ValidateData(const std::string& dataDir, const std::vector<ScannedKey>& codeKeys) {
    return Validator(dataDir, codeKeys).Run();
}
