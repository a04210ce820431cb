#include "LibFont.h"

#include "FrameRecord.h"
#include "LibDataFolder.h"
#include "LibDebugLog.h"
#include "LibErrors.h"
#include "LibString.h"

#include <cmath>
#include <cstdio>
#include <fstream>

namespace {
constexpr float kSpaceAdvance = 0.25f;

bool IsBlank(unsigned char c) { return c == ' ' || c == '\0'; }
}  // namespace

LibFontManager& FontManager() {
    static LibFontManager manager;
    return manager;
}

int GlyphCell(unsigned char c) {
    switch (c) {
        case '%': return 93;  // shares the last printable cell with "~"
        case 0xA3: return 92;
        case 0x80: return 94;
        case 0xDF: return 95;
        case 0xE4: return 96;
        case 0xEB: return 97;
        case 0xF6: return 98;
        case 0xFC: return 99;
        case 0xC4: return 100;
        case 0xCB: return 101;
        case 0xD6: return 102;
        case 0xDC: return 103;
        default: break;
    }
    const int cell = static_cast<int>(c) - 33;
    return cell < 0 || cell > 255 ? 0 : cell;
}

float LibFont::Kerning(unsigned char first, unsigned char second) const {
    const auto it = kerning.find(first);
    if (it == kerning.end()) return 0.0f;
    for (const auto& [next, adjustment] : it->second)
        if (next == second) return adjustment;
    return 0.0f;
}

LibFontManager::LibFontManager() : batch_(kBatchVertices) {}

bool LibFontManager::Ready() const {
    if (current_) return true;
    WriteDebugLine("Text Not Initialised");
    return false;
}

void LibFontManager::BuildWidths(LibFont& font, const std::string& widthFile) {
    // The widest column with any coverage in each cell, read from the texture file itself.
    GTexture* texture = font.texture.Get();
    std::vector<std::uint32_t> pixels;
    int w = 0, h = 0;
    if (!texture || !LoadPicturePixels(texture->path, pixels, w, h)) {
        ReportError(__FILE__, "Cannot build glyph widths without the texture " + font.name, __LINE__);
        return;
    }
    const int cellW = w / font.columns, cellH = h / font.rows;
    for (int cell = 0; cell < font.rows * font.columns && cell < 256; ++cell) {
        const int cx = (cell % font.columns) * cellW, cy = (cell / font.columns) * cellH;
        int widest = 0;
        for (int y = 0; y < cellH; ++y)
            for (int x = 0; x < cellW; ++x)
                if (pixels[static_cast<std::size_t>(cy + y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(cx + x)] >> 24)
                    widest = std::max(widest, x);
        font.widths[static_cast<std::size_t>(cell)] = widest;
    }
    // An installed game's data folder is read-only: the widths serve this run only.
    if (DataFolderIsShared()) return;
    std::ofstream out(DataFile(widthFile), std::ios::binary);
    for (std::int32_t width : font.widths) {
        const unsigned char bytes[4] = {static_cast<unsigned char>(width), static_cast<unsigned char>(width >> 8),
                                        static_cast<unsigned char>(width >> 16), static_cast<unsigned char>(width >> 24)};
        out.write(reinterpret_cast<const char*>(bytes), 4);
    }
    if (!out) ReportError(__FILE__, "Cannot write glyph widths " + widthFile, __LINE__);
    std::ofstream listing(DataFile("data/" + font.name + ".txt"));
    for (std::size_t cell = 0; cell < font.widths.size(); ++cell)
        listing << "Width of char " << cell << " is " << font.widths[cell] << "\n";
}

LibFont* LibFontManager::CreateFont(const std::string& widthFile, const std::string& textureName, int size,
                                    int cellSize, int rows, int columns, int letterSpacing) {
    auto font = std::make_unique<LibFont>();
    font->name = textureName.substr(0, 255);
    font->nominalSize = size;
    font->cellSize = cellSize > 0 ? cellSize : 1;
    font->rows = rows > 0 ? rows : 10;
    font->columns = columns > 0 ? columns : 10;
    font->letterSpacing = letterSpacing;
    font->texture.SetName(font->name);

    auto readWidths = [&] {
        std::ifstream in(DataFile(widthFile), std::ios::binary);
        unsigned char bytes[256 * 4];
        if (!in.read(reinterpret_cast<char*>(bytes), sizeof bytes)) return false;
        for (std::size_t i = 0; i < 256; ++i)
            font->widths[i] = static_cast<std::int32_t>(static_cast<std::uint32_t>(bytes[i * 4]) |
                                                        static_cast<std::uint32_t>(bytes[i * 4 + 1]) << 8 |
                                                        static_cast<std::uint32_t>(bytes[i * 4 + 2]) << 16 |
                                                        static_cast<std::uint32_t>(bytes[i * 4 + 3]) << 24);
        return true;
    };
    if (!readWidths()) {
        BuildWidths(*font, widthFile);
        if (!readWidths()) font->widths.fill(0);
    }

    const float cellU = 1.0f / static_cast<float>(font->columns), cellV = 1.0f / static_cast<float>(font->rows);
    for (int cell = 0; cell < font->rows * font->columns && cell < 256; ++cell) {
        const float u = static_cast<float>(cell % font->columns) * cellU, v = static_cast<float>(cell / font->columns) * cellV;
        font->cells[static_cast<std::size_t>(cell)] = GUVRect{u, v, u + cellU, v + cellV};
    }
    font->kerning['f'] = {{'o', -1.0f}, {'e', -1.0f}, {'a', -1.0f}, {'f', -2.0f}, {'u', -1.0f}};
    font->kerning['o'] = {{'w', -1.0f}};
    fonts_.push_back(std::move(font));
    return fonts_.back().get();
}

void LibFontManager::ClearFonts() {
    batch_.Clear();
    current_ = nullptr;
    fonts_.clear();
}

LibFont* LibFontManager::FindFont(const std::string& name) {
    for (const auto& font : fonts_)
        if (font->name == name) return font.get();
    return nullptr;
}

void LibFontManager::SelectFont(const std::string& name) {
    if (fonts_.empty()) {
        WriteDebugLine("Text Not Initialised");
        return;
    }
    if (current_ && current_->name == name) return;
    LibFont* font = FindFont(name);
    if (!font) {
        WriteDebugLine(FormatText("missing font: %s", name.c_str()));
        FatalError(__FILE__, "missing font: " + name, __LINE__);
    }
    Flush();
    current_ = font;
}

float LibFontManager::Advance(unsigned char c) const {
    const LibFont& font = *current_;
    const float cell = static_cast<float>(font.cellSize);
    float advance;
    if (IsBlank(c)) advance = size_ * kSpaceAdvance;
    else if (monospace_) advance = size_ / 12.0f * 9.0f;
    else advance = static_cast<float>(font.widths[static_cast<std::size_t>(GlyphCell(c))]) * size_ / cell;
    return advance + static_cast<float>(font.letterSpacing) * size_ / cell;
}

int LibFontManager::Measure(std::string_view text) {
    if (!Ready()) return 0;
    float total = 0.0f;
    for (char c : text) total += Advance(static_cast<unsigned char>(c));
    return static_cast<int>(total);
}

void LibFontManager::SplitLine(float width, std::string_view text, std::string& firstLine, std::string& rest) {
    firstLine.assign(text);
    rest.clear();
    if (!Ready()) return;
    float total = 0.0f;
    std::size_t wordStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n') {  // an explicit line break
            firstLine.assign(text.substr(0, i));
            rest.assign(text.substr(i + 1));
            return;
        }
        if (c == ' ') wordStart = i + 1;
        total += Advance(static_cast<unsigned char>(c));
        if (static_cast<float>(static_cast<int>(total)) < width) continue;
        std::size_t cut = c == ' ' ? i : wordStart;
        std::size_t resume = c == ' ' ? i + 1 : wordStart;
        if (cut == 0 || text.substr(0, cut).find_first_not_of(' ') == std::string_view::npos) {
            // A word wider than the line goes on a line of its own rather than looping for ever.
            cut = text.find_first_of(" \n", i);
            if (cut == std::string_view::npos) return;
            resume = cut + 1;
        }
        std::size_t end = cut;
        while (end > 0 && text[end - 1] == ' ') --end;
        firstLine.assign(text.substr(0, end));
        rest.assign(text.substr(std::min(resume, text.size())));
        return;
    }
}

float LibFontManager::WrappedHeight(std::string_view text, float width) {
    if (!Ready()) return 0.0f;
    float height = 0.0f;
    std::string remaining(text), line, rest;
    while (!remaining.empty()) {
        SplitLine(width, remaining, line, rest);
        height += size_;
        remaining.swap(rest);
    }
    return height;
}

int LibFontManager::WidestLine(std::string_view text, float width) {
    if (!Ready()) return 0;
    int widest = -1;
    std::string remaining(text), line, rest;
    while (!remaining.empty()) {
        SplitLine(width, remaining, line, rest);
        widest = std::max(widest, Measure(line));
        remaining.swap(rest);
    }
    return widest;
}

void LibFontManager::Draw(std::string_view text, float x, float y, std::uint32_t colour, float size, int flags) {
    if (!Ready()) return;
    size_ = size;
    if (flags & TEXT_CENTRED) x -= static_cast<float>(Measure(text)) * 0.5f;
    else if (flags & TEXT_RIGHT) x -= static_cast<float>(Measure(text));
    const LibFont& font = *current_;
    if (FrameRecorder().Enabled() && !text.empty())
        FrameRecorder().AddText(std::string(text), font.name, size_,
                                GRect{x, y, x + static_cast<float>(Measure(text)), y + size_});
    const float scale = size_ / static_cast<float>(font.cellSize);
    float pen = x;
    unsigned char previous = 0;
    bool overflow = false;
    for (char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        pen += font.Kerning(previous, c) * scale;
        previous = c;
        const GUVRect& uv = font.cells[static_cast<std::size_t>(GlyphCell(c))];
        const bool drawable = !IsBlank(c) && (uv.u1 > uv.u0);
        if (drawable && !overflow) {
            GVertex quad[4];
            const float left = std::round(pen), top = std::round(y);
            const float right = left + size_, bottom = top + size_;
            quad[QUAD_TL] = GVertex{left, top, 0.0f, 1.0f, colour, 0xFFFFFFFF, uv.u0, uv.v0};
            quad[QUAD_TR] = GVertex{right, top, 0.0f, 1.0f, colour, 0xFFFFFFFF, uv.u1, uv.v0};
            quad[QUAD_BL] = GVertex{left, bottom, 0.0f, 1.0f, colour, 0xFFFFFFFF, uv.u0, uv.v1};
            quad[QUAD_BR] = GVertex{right, bottom, 0.0f, 1.0f, colour, 0xFFFFFFFF, uv.u1, uv.v1};
            if (!batch_.AddQuad(quad)) {
                WriteDebugLine("ERROR - Text exceeds max characters");
                overflow = true;
            }
        }
        pen += Advance(c);
    }
    Flush();
}

float LibFontManager::DrawWrapped(std::string_view text, float x, float y, std::uint32_t colour, float width) {
    if (!Ready()) return y;
    if (text.size() >= kMaxWrappedText) {
        WriteDebugLine("Text too long in one chunk (max 2048)");
        return y;
    }
    std::string remaining(text), line, rest;
    while (!remaining.empty()) {
        SplitLine(width, remaining, line, rest);
        Draw(line, x, y, colour, size_);
        y += size_ + static_cast<float>(current_->lineSpacing);
        remaining.swap(rest);
    }
    return y;
}

void LibFontManager::Flush() {
    if (!current_ || batch_.VertexCount() == 0) {
        batch_.Clear();
        return;
    }
    GTexture* texture = current_->texture.Get();
    if (!texture) {
        batch_.Clear();
        return;
    }
    // At a whole-pixel size other than the cell size, the glyphs come from a copy of the
    // texture resampled once to that size: sharper, and copied without stretching.
    const float cells = size_ * static_cast<float>(current_->columns);
    if (size_ != static_cast<float>(current_->cellSize) && size_ >= 4.0f && size_ <= 128.0f &&
        size_ == std::floor(size_) && texture->width == current_->cellSize * current_->columns)
        texture = Renderer().ScaledTexture(texture, static_cast<int>(cells),
                                           static_cast<int>(size_ * static_cast<float>(current_->rows)));
    batch_.Flush(texture);
}

const std::vector<FontEntry>& GameFonts() {
    static const std::vector<FontEntry> fonts = {
        {"data/fonts/verdana12.dds.dat", "verdana12.dds", 12, 12, 1},
        {"data/fonts/verdana14.dds.dat", "verdana14.dds", 14, 14, 1},
        {"data/fonts/LCD18.dds.dat", "LCD18.dds", 24, 24, 1},
        {"data/fonts/LCD16.dds.dat", "LCD16.dds", 24, 24, 1},
        {"data/fonts/LCD10.dds.dat", "LCD10.dds", 12, 12, 1},
        {"data/fonts/verdana14_i.dds.dat", "verdana14_i.dds", 14, 14, 0},
        {"data/fonts/verdanabold16.dds.dat", "verdanabold16.dds", 16, 24, 2},
        {"data/fonts/verdanabold18.dds.dat", "verdanabold18.dds", 18, 24, 2},
        {"data/fonts/verdanabold20.dds.dat", "verdanabold20.dds", 20, 24, 2},
        {"data/fonts/verdanabold22.dds.dat", "verdanabold22.dds", 22, 24, 2},
        {"data/fonts/verdanabold24.dds.dat", "verdanabold24.dds", 24, 24, 2},
        {"data/fonts/verdanabold32.dds.dat", "verdanabold32.dds", 32, 36, 2},
        {"data/fonts/journal48.dds.dat", "journal48.dds", 48, 36, -3},
    };
    return fonts;
}

void LoadGameFonts() {
    LibFontManager& manager = FontManager();
    manager.ClearFonts();
    for (const FontEntry& entry : GameFonts())
        manager.CreateFont(entry.widthFile, entry.texture, entry.size, entry.cellSize, 10, 10, entry.letterSpacing);
}
