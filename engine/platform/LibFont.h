#pragma once
// Bitmap-font text: each font is a texture holding a 10 by 10 grid of glyph cells plus a table
// of glyph widths. The text service selects fonts by name, measures, wraps and draws text.
#include "Sprites.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class LibFont {
public:
    std::string name;  // the texture's file name, e.g. "verdana12.dds"
    int nominalSize = 12;
    int cellSize = 12;
    int rows = 10;
    int columns = 10;
    int letterSpacing = 0;
    int lineSpacing = 0;
    std::array<std::int32_t, 256> widths{};
    std::array<GUVRect, 256> cells;  // texture coordinates; cells beyond the grid stay all zero
    std::map<unsigned char, std::vector<std::pair<unsigned char, float>>> kerning;
    SmartTexture texture;

    LibFont() { cells.fill(GUVRect{0.0f, 0.0f, 0.0f, 0.0f}); }
    float Kerning(unsigned char first, unsigned char second) const;
};

// The glyph cell of a single-byte (Windows-1252) character.
int GlyphCell(unsigned char character);

// Draw flags: 0 draws from x; the others align the text on x.
enum : int { TEXT_LEFT = 0, TEXT_CENTRED = 1, TEXT_RIGHT = 2 };

class LibFontManager {
public:
    static constexpr std::size_t kBatchVertices = 8000;
    static constexpr std::size_t kMaxWrappedText = 2048;

    LibFontManager();

    // Loads the widths (building them from the texture's alpha when the file is missing),
    // computes the cell coordinates, sets the default kerning and adds the font.
    LibFont* CreateFont(const std::string& widthFile, const std::string& textureName, int size, int cellSize,
                        int rows = 10, int columns = 10, int letterSpacing = 0);
    // Empties the font list (the textures stay in the renderer's list).
    void ClearFonts();
    std::size_t FontCount() const { return fonts_.size(); }
    LibFont* FindFont(const std::string& name);

    // A name that was never created is a data-installation fault and ends the program.
    void SelectFont(const std::string& name);
    LibFont* CurrentFont() { return current_; }
    void SetSize(float pixels) { size_ = pixels; }
    float Size() const { return size_; }
    void SetMonospace(bool on) { monospace_ = on; }

    int Measure(std::string_view text);
    // Cuts the text before the word that makes it measure width or more.
    void SplitLine(float width, std::string_view text, std::string& firstLine, std::string& rest);
    float WrappedHeight(std::string_view text, float width);
    int WidestLine(std::string_view text, float width);

    void Draw(std::string_view text, float x, float y, std::uint32_t colour, float size, int flags = TEXT_LEFT);
    // Draws line by line and returns the y below the last line.
    float DrawWrapped(std::string_view text, float x, float y, std::uint32_t colour, float width);
    void Flush();
    // The per-frame reset of the glyph batch.
    void ResetFrame() { batch_.Clear(); }
    std::size_t PendingVertices() const { return batch_.VertexCount(); }

    // The advance of one character at the current size, without kerning.
    float Advance(unsigned char character) const;

private:
    // Text operations need a selected font; before that they log and do nothing.
    bool Ready() const;
    void BuildWidths(LibFont& font, const std::string& widthFile);

    std::vector<std::unique_ptr<LibFont>> fonts_;
    LibFont* current_ = nullptr;
    float size_ = 12.0f;
    bool monospace_ = false;
    GVertexBuffer batch_;
};

LibFontManager& FontManager();

// The thirteen fonts of the game, in load order, as (width file, texture, size, cell, spacing).
struct FontEntry {
    const char* widthFile;
    const char* texture;
    int size;
    int cellSize;
    int letterSpacing;
};
const std::vector<FontEntry>& GameFonts();
// Clears the font list and loads the game's fonts.
void LoadGameFonts();
