// Renders the game's bitmap fonts at build time: for each font a 10 by 10 grid of glyph cells
// as an uncompressed 32-bit DDS texture (white, coverage in alpha) and its .dat file of 256
// little-endian glyph widths. The widths are measured from the rendered cells, so what is
// measured is what is drawn. Same inputs, same bytes.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

struct FontJob {
    const char* texture;
    const char* face;  // key into the faces given on the command line
    int cellSize;
    // Blank columns before every glyph's ink: the game's font table draws the handwriting 3
    // pixels a glyph tighter (at cell scale) than its ink, which needs that air or the letters
    // overlap. The width of a cell stays the right edge of what it draws.
    int leftPad = 0;
};

// Cell sizes as the game loads them (the nominal sizes live with the game's font table).
const FontJob kJobs[] = {
    {"verdana12.dds", "sans", 12},          {"verdana14.dds", "sans", 14},
    {"LCD18.dds", "lcd", 24},               {"LCD16.dds", "lcd", 24},
    {"LCD10.dds", "lcd", 12},               {"verdana14_i.dds", "italic", 14},
    {"verdanabold16.dds", "bold", 24},      {"verdanabold18.dds", "bold", 24},
    {"verdanabold20.dds", "bold", 24},      {"verdanabold22.dds", "bold", 24},
    {"verdanabold24.dds", "bold", 24},      {"verdanabold32.dds", "bold", 36},
    {"journal48.dds", "hand", 36, 5},
};

constexpr int kGrid = 10;

// The Unicode character drawn in each cell. Cells follow the game's mapping: code - 33, with
// "%" in cell 93 (the game never shows "~"), the pound sign in 92 and the accented letters after.
std::vector<std::uint32_t> CellCharacters() {
    std::vector<std::uint32_t> cells(kGrid * kGrid, 0);
    for (int cell = 0; cell < 92; ++cell) cells[static_cast<std::size_t>(cell)] = static_cast<std::uint32_t>(cell + 33);
    cells[92] = 0x00A3;  // pound sign
    cells[93] = '%';
    cells[94] = 0x20AC;  // euro sign
    cells[95] = 0x00DF;
    cells[96] = 0x00E4;
    cells[97] = 0x00EB;
    cells[98] = 0x00F6;
    cells[99] = 0x00FC;
    return cells;
}

struct Glyph {
    int width = 0, rows = 0, left = 0, top = 0;
    std::vector<std::uint8_t> coverage;
};

class Face {
public:
    Face(FT_Library library, const std::string& path) {
        if (FT_New_Face(library, path.c_str(), 0, &face_) != 0) face_ = nullptr;
    }
    ~Face() {
        if (face_) FT_Done_Face(face_);
    }
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;
    bool Ok() const { return face_ != nullptr; }
    bool Has(std::uint32_t c) const { return FT_Get_Char_Index(face_, c) != 0; }
    // Ascender plus descender per pixel of em.
    float Height() const {
        return static_cast<float>(face_->ascender - face_->descender) / static_cast<float>(face_->units_per_EM);
    }
    bool Render(std::uint32_t c, int em, Glyph& out) {
        if (FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(em)) != 0) return false;
        if (FT_Load_Char(face_, c, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0) return false;
        const FT_Bitmap& bitmap = face_->glyph->bitmap;
        out.width = static_cast<int>(bitmap.width);
        out.rows = static_cast<int>(bitmap.rows);
        out.left = face_->glyph->bitmap_left;
        out.top = face_->glyph->bitmap_top;
        out.coverage.assign(static_cast<std::size_t>(out.width * out.rows), 0);
        for (int y = 0; y < out.rows; ++y)
            for (int x = 0; x < out.width; ++x)
                out.coverage[static_cast<std::size_t>(y * out.width + x)] = bitmap.buffer[y * bitmap.pitch + x];
        return true;
    }

private:
    FT_Face face_ = nullptr;
};

bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// An uncompressed A8R8G8B8 DDS file, top row first.
std::vector<std::uint8_t> EncodeDDS(const std::vector<std::uint32_t>& pixels, int width, int height) {
    std::vector<std::uint8_t> out;
    out.reserve(128 + pixels.size() * 4);
    Put32(out, 0x20534444);  // "DDS "
    Put32(out, 124);
    Put32(out, 0x1 | 0x2 | 0x4 | 0x8 | 0x1000);  // caps, height, width, pitch, pixel format
    Put32(out, static_cast<std::uint32_t>(height));
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(width * 4));
    Put32(out, 0);  // depth
    Put32(out, 0);  // mipmaps
    for (int i = 0; i < 11; ++i) Put32(out, 0);
    Put32(out, 32);
    Put32(out, 0x1 | 0x40);  // alpha pixels, RGB
    Put32(out, 0);
    Put32(out, 32);
    Put32(out, 0x00FF0000);
    Put32(out, 0x0000FF00);
    Put32(out, 0x000000FF);
    Put32(out, 0xFF000000);
    Put32(out, 0x1000);  // texture
    for (int i = 0; i < 4; ++i) Put32(out, 0);
    for (std::uint32_t pixel : pixels) Put32(out, pixel);
    return out;
}

// Renders one font; false when a face is missing.
bool RenderFont(const FontJob& job, Face& face, Face& fallback, const std::filesystem::path& outRoot) {
    const int cell = job.cellSize;
    const std::vector<std::uint32_t> characters = CellCharacters();
    auto faceFor = [&](std::uint32_t c) -> Face& { return face.Has(c) ? face : fallback; };

    // The largest em whose glyphs all fit the cell, measured on the rendered glyphs themselves
    // (some faces draw well outside their declared ascender and descender).
    int em = static_cast<int>(static_cast<float>(cell) / face.Height()) + 2;
    std::vector<Glyph> glyphs(characters.size());
    int above = 0, below = 0;
    for (; em > 4; --em) {
        above = below = 0;
        bool fits = true;
        for (std::size_t i = 0; i < characters.size() && fits; ++i) {
            if (!characters[i]) continue;
            if (!faceFor(characters[i]).Render(characters[i], em, glyphs[i])) glyphs[i] = Glyph{};
            if (glyphs[i].rows == 0) continue;
            above = std::max(above, glyphs[i].top);
            below = std::max(below, glyphs[i].rows - glyphs[i].top);
            fits = job.leftPad + std::max(0, glyphs[i].left) + glyphs[i].width <= cell && above + below <= cell;
        }
        if (fits) break;
    }
    // Centred vertically in the cell.
    const int baseline = above + (cell - above - below) / 2;

    const int size = cell * kGrid;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size * size), 0x00FFFFFF);
    std::vector<std::uint8_t> widths;
    std::vector<std::int32_t> cellWidths(256, 0);
    for (std::size_t i = 0; i < characters.size(); ++i) {
        const Glyph& g = glyphs[i];
        const int cx = static_cast<int>(i % kGrid) * cell, cy = static_cast<int>(i / kGrid) * cell;
        const int ox = job.leftPad + std::max(0, g.left), oy = baseline - g.top;
        int right = 0;
        for (int y = 0; y < g.rows; ++y)
            for (int x = 0; x < g.width; ++x) {
                const int px = ox + x, py = oy + y;
                const std::uint8_t a = g.coverage[static_cast<std::size_t>(y * g.width + x)];
                if (!a || px < 0 || py < 0 || px >= cell || py >= cell) continue;
                pixels[static_cast<std::size_t>((cy + py) * size + cx + px)] = static_cast<std::uint32_t>(a) << 24 | 0x00FFFFFF;
                right = std::max(right, px + 1);
            }
        cellWidths[i] = right;
    }
    for (std::int32_t w : cellWidths) Put32(widths, static_cast<std::uint32_t>(w));

    const std::string name = job.texture;
    return WriteFile(outRoot / "bitmaps" / "fonts" / name, EncodeDDS(pixels, size, size)) &&
           WriteFile(outRoot / "fonts" / (name + ".dat"), widths);
}

int Usage() {
    std::fprintf(stderr,
                 "usage: gigvale-fontgen DATA_DIR sans=FILE bold=FILE italic=FILE lcd=FILE hand=FILE fallback=FILE\n"
                 "writes DATA_DIR/bitmaps/fonts/*.dds and DATA_DIR/fonts/*.dds.dat\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::filesystem::path outRoot = argv[1];
    std::map<std::string, std::string> files;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const std::size_t eq = arg.find('=');
        if (eq == std::string::npos) return Usage();
        files[arg.substr(0, eq)] = arg.substr(eq + 1);
    }
    for (const char* key : {"sans", "bold", "italic", "lcd", "hand", "fallback"})
        if (!files.count(key)) return Usage();

    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        std::fprintf(stderr, "gigvale-fontgen: FreeType did not start\n");
        return 1;
    }
    int status = 0;
    {
        std::map<std::string, std::unique_ptr<Face>> faces;
        for (const auto& [key, path] : files) {
            faces[key] = std::make_unique<Face>(library, path);
            if (!faces[key]->Ok()) {
                std::fprintf(stderr, "gigvale-fontgen: cannot open %s face %s\n", key.c_str(), path.c_str());
                status = 1;
            }
        }
        for (const FontJob& job : kJobs) {
            if (status) break;
            if (!RenderFont(job, *faces[job.face], *faces["fallback"], outRoot)) {
                std::fprintf(stderr, "gigvale-fontgen: cannot write %s\n", job.texture);
                status = 1;
            }
        }
    }
    FT_Done_FreeType(library);
    return status;
}
