#include "ArtCatalogue.h"

#include "ArtCanvas.h"
#include "ArtPictures.h"
#include "ArtShapes.h"
#include "LibSpreadsheet.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>

namespace {

// Which cells of which catalogue hold pictures, and which cell names the row.
struct Layout {
    const char* file;
    int titleCell;
    std::vector<std::pair<int, CatalogueKind>> pictureCells;
};

const std::vector<Layout>& Layouts() {
    static const std::vector<Layout> layouts = {
        {"venues.csv", 3, {{16, CatalogueKind::VenueCard}, {17, CatalogueKind::Backdrop}}},
        {"record_studios.csv", 2, {{6, CatalogueKind::Studio}}},
        {"rehearsals.csv", 3, {{9, CatalogueKind::RehearsalRoom}}},
        {"publicity.csv", 4, {{5, CatalogueKind::OptionCard}}},
        {"relax.csv", 3, {{6, CatalogueKind::ResultScene}, {7, CatalogueKind::OptionCard}}},
        {"charities.csv", 3, {{4, CatalogueKind::Charity}}},
        {"otherbands.csv", 5, {{7, CatalogueKind::RivalBand}, {8, CatalogueKind::RivalBand},
                               {9, CatalogueKind::RivalBand}, {10, CatalogueKind::RivalBand}}},
        {"assets.csv", 4, {{7, CatalogueKind::Asset}}},
    };
    return layouts;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char ch) { return std::tolower(ch); });
    return text;
}

bool IsPictureName(const std::string& cell) {
    const std::string lower = Lower(cell);
    for (const char* ext : {".jpg", ".bmp", ".png", ".dds"})
        if (lower.size() > 4 && lower.compare(lower.size() - 4, 4, ext) == 0) return true;
    return false;
}

std::uint32_t NameSeed(const std::string& text) {
    std::uint32_t h = 2166136261u;
    for (unsigned char ch : text) h = (h ^ ch) * 16777619u;
    return h;
}

// Title words made readable: keys such as "the_dive_bar" become "THE DIVE BAR" on signs.
std::string SignText(const std::string& title) {
    std::string out;
    for (char ch : title) out += ch == '_' ? ' ' : static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return out;
}

const ArtColor kNeons[] = {Palette::kNeonPink, Palette::kNeonCyan, Palette::kNeonAmber, {0.6, 1.0, 0.3, 1},
                           {0.7, 0.4, 1.0, 1}};

void VenueCard(ArtCanvas& c, const std::string& title, std::uint32_t seed) {
    const ArtColor neon = kNeons[seed % 5];
    StageScene(c, static_cast<int>(seed % 3) + 2, 1 + static_cast<int>(seed / 7 % 2), neon, seed);
    SceneCaption(c, SignText(title), neon);
}

// Venues share their backdrops, so the sign over the stage names no venue.
void Backdrop(ArtCanvas& c, std::uint32_t seed) {
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    const ArtColor neon = kNeons[seed % 5];
    if (seed % 2) {
        BrickWall(c, neon, seed);
    } else {  // velvet curtain
        for (int i = 0; i < 24; ++i) {
            cairo_pattern_t* pat = cairo_pattern_create_linear(i * w / 24, 0, (i + 1) * w / 24, 0);
            cairo_pattern_add_color_stop_rgb(pat, 0, 0.18, 0.02, 0.04);
            cairo_pattern_add_color_stop_rgb(pat, 0.5, 0.45, 0.05, 0.1);
            cairo_pattern_add_color_stop_rgb(pat, 1, 0.18, 0.02, 0.04);
            cairo_rectangle(cr, i * w / 24, 0, w / 24 + 1, h);
            cairo_set_source(cr, pat);
            cairo_fill(cr);
            cairo_pattern_destroy(pat);
        }
    }
    FloorBoards(c, h * 0.78);
    SelectFont(cr, ArtFont::Condensed, h * 0.14);
    NeonText(cr, "LIVE", w / 2, h * 0.28, neon);
    for (int i = 0; i < 4; ++i) LightCone(cr, w * (0.2 + 0.2 * i), 0, w * (0.2 + 0.2 * i), h * 0.8, w * 0.08, neon, 0.2);
}

void Studio(ArtCanvas& c, const std::string& title, std::uint32_t seed) {
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    FillWood(c, Mix(Palette::kWood, kNeons[seed % 5], 0.1), seed, true);
    // Mixing desk: rows of faders and knobs under an LCD with the studio's name.
    RoundRect(cr, w * 0.05, h * 0.45, w * 0.9, h * 0.5, 6);
    cairo_set_source_rgb(cr, 0.12, 0.12, 0.13);
    cairo_fill(cr);
    for (int i = 0; i < 12; ++i) {
        const double x = w * (0.1 + 0.067 * i);
        cairo_set_source_rgb(cr, 0.05, 0.05, 0.05);
        cairo_rectangle(cr, x - 1, h * 0.62, 2, h * 0.26);
        cairo_fill(cr);
        cairo_set_source_rgb(cr, 0.85, 0.85, 0.8);
        cairo_rectangle(cr, x - 4, h * (0.65 + 0.18 * HashNoise(i, 0, seed)), 8, 5);
        cairo_fill(cr);
        SetColor(cr, kNeons[(seed + static_cast<std::uint32_t>(i)) % 5]);
        cairo_arc(cr, x, h * 0.54, 3, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    LcdPanel(cr, w * 0.1, h * 0.08, w * 0.8, h * 0.3, Palette::kLcd);
    SetColor(cr, Palette::kLcd);
    FitFont(cr, ArtFont::MonoBold, SignText(title), w * 0.74, h * 0.14);
    TextCentered(cr, SignText(title), w / 2, h * 0.28);
    BrassFrame(cr, 0, 0, w, h, 6, 3);
}

void RehearsalRoom(ArtCanvas& c, const std::string& title, std::uint32_t seed) {
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    BrickWall(c, kNeons[seed % 5], seed);
    FloorBoards(c, h * 0.72);
    // Amplifier stack and a drum kit.
    RoundRect(cr, w * 0.08, h * 0.42, w * 0.3, h * 0.4, 3);
    cairo_set_source_rgb(cr, 0.08, 0.08, 0.08);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.2, 0.18, 0.16);
    cairo_arc(cr, w * 0.23, h * 0.64, w * 0.1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.04, 0.03, 0.03);
    ShapeDrumKit(cr, w * 0.68, h * 0.62, w * 0.5);
    const std::string sign = SignText(title);
    FitFont(cr, ArtFont::Condensed, sign, w * 0.86, h * 0.14);
    NeonText(cr, sign, w / 2, h * 0.22, kNeons[(seed / 5) % 5]);
    BrassFrame(cr, 0, 0, w, h, 6, 3);
}

void OptionCard(ArtCanvas& c, const std::string& title, std::uint32_t seed) {
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    FillLeather(c, Mix(Palette::kLeather, kNeons[seed % 5], 0.15), seed);
    // A poster pinned to the leather, with the title hand-lettered on it.
    cairo_save(cr);
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, (HashNoise(1, 1, seed) - 0.5) * 0.15);
    const ArtColor papers[3] = {Rgb(0xfff27a), Rgb(0xff9ad0), Rgb(0xa8e6ff)};
    PaperWithShadow(cr, -w * 0.38, -h * 0.36, w * 0.76, h * 0.72, papers[seed % 3], 0.45);
    cairo_set_source_rgb(cr, 0.12, 0.08, 0.25);
    SelectFont(cr, ArtFont::SansBold, h * 0.13);
    WrappedText(cr, title, 0, -h * 0.34, w * 0.68, h * 0.15, 3);
    ShapeStar(cr, 0, h * 0.24, h * 0.08, h * 0.035, 5);
    SetColor(cr, Rgb(0xc02020));
    cairo_arc(cr, 0, -h * 0.33, h * 0.03, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_restore(cr);
    BrassFrame(cr, 0, 0, w, h, 6, 3);
}

void ResultScene(ArtCanvas& c, const std::string& title, std::uint32_t seed) {
    LoungeScene(c);
    cairo_t* cr = c.cr();
    cairo_set_source_rgba(cr, kNeons[seed % 5].r, kNeons[seed % 5].g, kNeons[seed % 5].b, 0.12);
    cairo_paint(cr);
    SceneCaption(c, SignText(title), kNeons[seed % 5]);
}

void Charity(ArtCanvas& c, const std::string& title, std::uint32_t seed) {
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    FillLeather(c, Rgb(0x2a1a24), seed);
    // A heart badge over a ribbon, then the charity's name.
    const ArtColor heart = kNeons[seed % 2 ? 0 : 2];
    SetColor(cr, heart);
    const double cx = w / 2, cy = h * 0.42, r = h * 0.17;
    cairo_move_to(cr, cx, cy + r * 1.3);
    cairo_curve_to(cr, cx - r * 2.2, cy - r * 0.1, cx - r * 0.9, cy - r * 1.6, cx, cy - r * 0.5);
    cairo_curve_to(cr, cx + r * 0.9, cy - r * 1.6, cx + r * 2.2, cy - r * 0.1, cx, cy + r * 1.3);
    cairo_fill(cr);
    Glow(cr, cx, cy, r * 2, heart, 0.3);
    SetColor(cr, Palette::kCream);
    FitFont(cr, ArtFont::SansBold, title, w * 0.9, h * 0.12);
    TextCentered(cr, title, w / 2, h * 0.88);
    BrassFrame(cr, 0, 0, w, h, 6, 3);
}

void RivalBand(ArtCanvas& c, const std::string& title, std::uint32_t seed) {
    const ArtColor neon = kNeons[seed % 5];
    StageScene(c, 3 + static_cast<int>(seed % 2), 2, neon, seed);
    SceneCaption(c, SignText(title), neon);
}

// Asset icons pick a motif from words in the name or the picture's file name ("asset_album_x"
// for a record with a fanciful title), so a new row still gets a fitting symbol.
void Asset(ArtCanvas& c, const std::string& title, const std::string& file, std::uint32_t seed) {
    LeatherKey(c, false, Palette::kNeonAmber);
    cairo_t* cr = c.cr();
    const double s = c.width();
    const std::string t = Lower(title + " " + file);
    auto has = [&t](const char* word) { return t.find(word) != std::string::npos; };
    SetColor(cr, Mix(Palette::kCream, Palette::kBrass, 0.35));
    // Records first: an album named after an instrument is still a record.
    if (has("cd") || has("album") || has("record") || has("video")) {
        cairo_arc(cr, s / 2, s * 0.42, s * 0.22, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_set_source_rgb(cr, 0.1, 0.05, 0.03);
        cairo_arc(cr, s / 2, s * 0.42, s * 0.05, 0, 2 * M_PI);
        cairo_fill(cr);
    } else if (has("bass")) ShapeGuitar(cr, s / 2, s * 0.48, s * 0.42, 0.6, true);
    else if (has("guitar")) ShapeGuitar(cr, s / 2, s * 0.5, s * 0.4, 0.6);
    else if (has("drum")) ShapeDrumKit(cr, s / 2, s * 0.45, s * 0.6);
    else if (has("key") || has("synth") || has("piano")) ShapeKeyboard(cr, s / 2, s * 0.4, s * 0.6);
    else if (has("sax")) ShapeSax(cr, s / 2, s * 0.45, s * 0.55);
    else if (has("mic") || has("vocal") || has("pa ")) ShapeMic(cr, s / 2, s * 0.45, s * 0.6);
    else if (has("light") || has("laser") || has("spot") || has("pyro") || has("smoke") || has("fog")) {
        Glow(cr, s / 2, s * 0.4, s * 0.3, Palette::kNeonAmber, 0.9);
        SetColor(cr, Palette::kCream);
        ShapeStar(cr, s / 2, s * 0.4, s * 0.16, s * 0.06, 8);
    } else if (has("van") || has("bus") || has("car")) {
        RoundRect(cr, s * 0.18, s * 0.3, s * 0.64, s * 0.22, s * 0.05);
        cairo_fill(cr);
        cairo_arc(cr, s * 0.32, s * 0.54, s * 0.06, 0, 2 * M_PI);
        cairo_arc(cr, s * 0.68, s * 0.54, s * 0.06, 0, 2 * M_PI);
        cairo_fill(cr);
    } else if (has("shirt") || has("merch") || has("cap")) {
        cairo_move_to(cr, s * 0.3, s * 0.25);
        cairo_line_to(cr, s * 0.7, s * 0.25);
        cairo_line_to(cr, s * 0.82, s * 0.38);
        cairo_line_to(cr, s * 0.7, s * 0.42);
        cairo_line_to(cr, s * 0.68, s * 0.65);
        cairo_line_to(cr, s * 0.32, s * 0.65);
        cairo_line_to(cr, s * 0.3, s * 0.42);
        cairo_line_to(cr, s * 0.18, s * 0.38);
        cairo_close_path(cr);
        cairo_fill(cr);
    } else {  // people and anything else: a person
        ShapePerson(cr, s / 2, s * 0.68, s * 0.5, static_cast<int>(seed % 3));
    }
    SetColor(cr, Palette::kCream);
    FitFont(cr, ArtFont::Condensed, title, s * 0.82, s * 0.11);
    TextCentered(cr, title, s / 2, s * 0.84);
}

}  // namespace

std::vector<CataloguePicture> CollectCataloguePictures(const std::string& simulationDir,
                                                       const std::set<std::string>& covered) {
    std::vector<CataloguePicture> pictures;
    std::set<std::string> seen = covered;
    for (const Layout& layout : Layouts()) {
        const auto sheet = LoadSpreadsheet(simulationDir + "/" + layout.file);
        for (const std::string& row : sheet->rows) {
            std::vector<std::string> cells;
            LibTokenizer tokens(row);
            while (!tokens.AtEnd()) cells.push_back(tokens.NextText());
            auto cell = [&cells](int column) {
                return column >= 1 && static_cast<std::size_t>(column) <= cells.size() ? cells[static_cast<std::size_t>(column - 1)]
                                                                                         : std::string();
            };
            for (const auto& [column, kind] : layout.pictureCells) {
                std::string file = cell(column);
                // Only the file's own name counts: the game finds pictures by name.
                const std::size_t slash = file.find_last_of("/\\");
                if (slash != std::string::npos) file = file.substr(slash + 1);
                if (!IsPictureName(file) || !seen.insert(file).second) continue;
                std::string title = cell(layout.titleCell);
                if (title.empty()) title = file.substr(0, file.size() - 4);
                pictures.push_back({file, title, kind});
            }
        }
    }
    return pictures;
}

void CatalogueSize(CatalogueKind kind, int& width, int& height) {
    switch (kind) {
        case CatalogueKind::Backdrop: width = 1024; height = 512; break;
        case CatalogueKind::Studio: width = 171; height = 126; break;
        case CatalogueKind::RehearsalRoom: width = 116; height = 116; break;
        case CatalogueKind::ResultScene: case CatalogueKind::RivalBand: width = 400; height = 300; break;
        case CatalogueKind::Asset: width = 128; height = 128; break;
        default: width = 160; height = 120; break;
    }
}

bool MakeCataloguePictures(const std::vector<CataloguePicture>& pictures, const std::string& dataDir) {
    // The folder holds only what the catalogues name now: a removed row leaves no stale picture.
    std::error_code ec;
    std::filesystem::remove_all(dataDir + "/bitmaps/catalogue", ec);
    bool ok = true;
    for (const CataloguePicture& picture : pictures) {
        int width = 0, height = 0;
        CatalogueSize(picture.kind, width, height);
        ArtCanvas canvas(width, height);
        const std::uint32_t seed = NameSeed(picture.file);
        switch (picture.kind) {
            case CatalogueKind::VenueCard: VenueCard(canvas, picture.title, seed); break;
            case CatalogueKind::Backdrop: Backdrop(canvas, seed); break;
            case CatalogueKind::Studio: Studio(canvas, picture.title, seed); break;
            case CatalogueKind::RehearsalRoom: RehearsalRoom(canvas, picture.title, seed); break;
            case CatalogueKind::OptionCard: OptionCard(canvas, picture.title, seed); break;
            case CatalogueKind::ResultScene: ResultScene(canvas, picture.title, seed); break;
            case CatalogueKind::Charity: Charity(canvas, picture.title, seed); break;
            case CatalogueKind::RivalBand: RivalBand(canvas, picture.title, seed); break;
            case CatalogueKind::Asset: Asset(canvas, picture.title, picture.file, seed); break;
        }
        if (!canvas.Save(dataDir + "/bitmaps/catalogue/" + picture.file)) {
            std::fprintf(stderr, "artgen: cannot write %s\n", picture.file.c_str());
            ok = false;
        }
    }
    return ok;
}
