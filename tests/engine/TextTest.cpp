#include "LibDebugLog.h"
#include "LibErrors.h"
#include "LibFont.h"
#include "RenderFixture.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {
constexpr int kCell = 8;

// The ink width of the test font's glyph in a cell: a solid block from column 0.
int BlockWidth(int cell) { return 1 + cell % 7; }

std::vector<std::uint32_t> BlockFont() {
    const int size = kCell * 10;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size * size), 0x00FFFFFF);
    for (int cell = 0; cell < 100; ++cell)
        for (int y = 1; y < kCell - 1; ++y)
            for (int x = 0; x < BlockWidth(cell); ++x)
                pixels[static_cast<std::size_t>(((cell / 10) * kCell + y) * size + (cell % 10) * kCell + x)] = 0xFFFFFFFF;
    return pixels;
}

void WriteWidths(const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    for (int cell = 0; cell < 256; ++cell) {
        const std::int32_t width = cell < 100 ? BlockWidth(cell) : 0;
        out.write(reinterpret_cast<const char*>(&width), 4);
    }
}

// Leftmost and rightmost lit columns on one row of the frame; {-1, -1} when dark.
std::pair<int, int> InkSpan(const std::vector<std::uint32_t>& frame, int y) {
    int first = -1, last = -1;
    for (int x = 0; x < kScreenWidth; ++x)
        if (frame[static_cast<std::size_t>(y * kScreenWidth + x)] & 0x00FFFFFF) {
            if (first < 0) first = x;
            last = x;
        }
    return {first, last};
}
}  // namespace

class TextTest : public RenderFixture {
protected:
    LibFontManager text;
    std::string widths;
    std::string log;

    void SetUp() override {
        RenderFixture::SetUp();
        Picture("blocks.png", kCell * 10, kCell * 10, BlockFont());
        widths = folder.path() + "/blocks.png.dat";
        WriteWidths(widths);
        ASSERT_NE(text.CreateFont(widths, "blocks.png", 8, kCell, 10, 10, 0), nullptr);
        text.SelectFont("blocks.png");
        text.SetSize(8.0f);
        log = folder.path() + "/debug.txt";
        SetDebugLogPath(log);
        OpenDebugLog();
    }
    void TearDown() override {
        CloseDebugLog();
        RenderFixture::TearDown();
    }
    std::string Log() {
        CloseDebugLog();
        const std::string content = ReadWholeFile(log);
        OpenDebugLog();
        return content;
    }
    // Drawn width of a text at (100, 100) in pixels.
    int DrawnWidth(const std::string& s, float size) {
        Renderer().BeginFrame();
        text.Draw(s, 100.0f, 100.0f, 0xFFFFFFFF, size);
        const auto span = InkSpan(Frame(), 100 + static_cast<int>(size / 2));
        return span.first < 0 ? 0 : span.second - span.first + 1;
    }
};

TEST(GlyphCells, SpecialCharactersUseTheirFixedCells) {
    EXPECT_EQ(GlyphCell('!'), 0);
    EXPECT_EQ(GlyphCell(' '), 0);
    EXPECT_EQ(GlyphCell(0xA3), 92);  // pound sign
    EXPECT_EQ(GlyphCell(0xDC), 103);  // U umlaut, past the grid
    EXPECT_EQ(GlyphCell(0xFF), 0xFF - 33);
}

TEST_F(TextTest, MeasureAddsAdvancesAtTheCurrentSize) {
    // "A" is cell 32 (width 5), "B" cell 33 (width 6).
    EXPECT_EQ(text.Measure("AB"), 11);
    text.SetSize(16.0f);
    EXPECT_EQ(text.Measure("AB"), 22);
    EXPECT_EQ(text.Measure("A B"), 26);  // a space advances a quarter of the size
    text.SetSize(12.0f);
    EXPECT_EQ(text.Measure("AB"), 16);  // 16.5 truncated
    text.SetMonospace(true);
    EXPECT_EQ(text.Measure("AB"), 18);
    text.SetMonospace(false);
    LibFont* spaced = text.CreateFont(widths, "spaced", 8, kCell, 10, 10, 2);
    ASSERT_NE(spaced, nullptr);
    text.SelectFont("spaced");
    text.SetSize(8.0f);
    EXPECT_EQ(text.Measure("AB"), 15);
}

TEST_F(TextTest, DrawingAppliesKerningThatMeasuringIgnores) {
    // "f" is cell 69, a 7-pixel block; the pair ("f","f") pulls in by 2 pixels.
    EXPECT_EQ(text.Measure("ff"), 14);
    EXPECT_EQ(DrawnWidth("ff", 8.0f), 12);
    EXPECT_EQ(DrawnWidth("ff", 16.0f), 24);  // scaled with the size
    text.SetSize(8.0f);
    EXPECT_EQ(text.Measure("fg"), 8);
    EXPECT_EQ(DrawnWidth("fg", 8.0f), 8);  // no pair, no kerning
    EXPECT_EQ(DrawnWidth("A", 8.0f), 5);
}

TEST_F(TextTest, PercentDrawsTheGlyphOfCell93) {
    EXPECT_EQ(DrawnWidth("%", 8.0f), BlockWidth(93));
    EXPECT_EQ(DrawnWidth("~", 8.0f), BlockWidth(93));
    EXPECT_NE(BlockWidth(93), BlockWidth('%' - 33));
    EXPECT_EQ(text.Measure("%"), BlockWidth(93));
    // Cells past the 10 by 10 grid have no texels: "\xC4" (cell 100) draws nothing.
    EXPECT_EQ(DrawnWidth("\xC4", 8.0f), 0);
    EXPECT_EQ(DrawnWidth("\xFC", 8.0f), BlockWidth(99));
}

TEST_F(TextTest, SplittingKeepsWordsWhole) {
    std::string first, rest;
    // Each "AA" is 10 px, a space 2 px.
    text.SplitLine(30.0f, "AA AA AA AA", first, rest);
    EXPECT_EQ(first, "AA AA");
    EXPECT_EQ(rest, "AA AA");
    text.SplitLine(100.0f, "AA AA", first, rest);
    EXPECT_EQ(first, "AA AA");
    EXPECT_EQ(rest, "");
    // A word wider than the line gets a line of its own instead of an empty one.
    text.SplitLine(12.0f, "AAAAAA AA", first, rest);
    EXPECT_EQ(first, "AAAAAA");
    EXPECT_EQ(rest, "AA");
    EXPECT_FLOAT_EQ(text.WrappedHeight("AAAAAA AA", 12.0f), 16.0f);
    EXPECT_EQ(text.WidestLine("AAAAAA AA", 12.0f), 30);
    EXPECT_EQ(text.WidestLine("", 12.0f), -1);
    text.SplitLine(100.0f, "AA\nAA", first, rest);
    EXPECT_EQ(first, "AA");
    EXPECT_EQ(rest, "AA");
}

TEST_F(TextTest, WrappedDrawingAcceptsUpTo2047Characters) {
    std::string words;
    while (words.size() < 2047) words += words.size() % 10 == 9 ? ' ' : 'A';
    EXPECT_EQ(words.size(), 2047u);
    const float below = text.DrawWrapped(words, 0.0f, 0.0f, 0xFFFFFFFF, 1000.0f);
    EXPECT_FLOAT_EQ(below, text.WrappedHeight(words, 1000.0f));
    EXPECT_GT(below, 8.0f);
    EXPECT_FLOAT_EQ(text.DrawWrapped(words + "A", 0.0f, 0.0f, 0xFFFFFFFF, 1000.0f), 0.0f);
    EXPECT_NE(Log().find("Text too long in one chunk (max 2048)"), std::string::npos);
    // A single character is a line too.
    EXPECT_FLOAT_EQ(text.DrawWrapped("A", 0.0f, 50.0f, 0xFFFFFFFF, 100.0f), 58.0f);
}

TEST_F(TextTest, OneDrawHoldsAtMost2000Glyphs) {
    const std::string many(2001, 'A');
    text.Draw(many, 0.0f, 0.0f, 0xFFFFFFFF, 1.0f);
    EXPECT_NE(Log().find("ERROR - Text exceeds max characters"), std::string::npos);
    EXPECT_EQ(text.PendingVertices(), 0u);
}

TEST_F(TextTest, MissingWidthsAreBuiltFromTheTexture) {
    const std::string built = folder.path() + "/built.dat";
    std::filesystem::create_directories("data");
    LibFont* font = text.CreateFont(built, "blocks.png", 8, kCell);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(std::filesystem::file_size(built), 1024u);
    EXPECT_EQ(font->widths[69], BlockWidth(69) - 1);  // the last column with alpha
    EXPECT_EQ(font->widths[100], 0);
    const std::string listing = ReadWholeFile("./data/blocks.png.txt");
    std::filesystem::remove("./data/blocks.png.txt");
    EXPECT_NE(listing.find("Width of char 69 is 6\n"), std::string::npos);
}

TEST_F(TextTest, UnknownFontIsFatalAndNoFontMeansNoText) {
    ThrowingErrorHandler handler;
    ErrorHandler* previous = SetErrorHandler(&handler);
    EXPECT_THROW(text.SelectFont("nosuch.dds"), FatalErrorException);
    SetErrorHandler(previous);
    EXPECT_NE(Log().find("missing font: nosuch.dds"), std::string::npos);

    LibFontManager empty;
    EXPECT_EQ(empty.Measure("abc"), 0);
    EXPECT_NE(Log().find("Text Not Initialised"), std::string::npos);
}

// The game's own fonts, as rendered by the build: loaded without duplicates, with widths that
// agree with what their textures draw.
TEST_F(TextTest, GameFontsMatchTheirTextures) {
    Renderer().ClearTextureFolders();
    Renderer().AddTextureFolder("data/bitmaps");
    LoadGameFonts();
    LoadGameFonts();
    LibFontManager& fonts = FontManager();
    ASSERT_EQ(fonts.FontCount(), 13u);
    for (const FontEntry& entry : GameFonts()) {
        LibFont* font = fonts.FindFont(entry.texture);
        ASSERT_NE(font, nullptr) << entry.texture;
        EXPECT_EQ(std::filesystem::file_size(entry.widthFile), 1024u);
        GTexture* texture = font->texture.Get();
        ASSERT_NE(texture, nullptr) << entry.texture;
        ASSERT_EQ(texture->width, entry.cellSize * 10);
        std::vector<std::uint32_t> pixels;
        int w = 0, h = 0;
        ASSERT_TRUE(LoadPicturePixels(texture->path, pixels, w, h));
        for (int cell = 0; cell < 100; ++cell) {
            int right = 0;
            for (int y = 0; y < entry.cellSize; ++y)
                for (int x = 0; x < entry.cellSize; ++x)
                    if (pixels[static_cast<std::size_t>(((cell / 10) * entry.cellSize + y) * w + (cell % 10) * entry.cellSize + x)] >> 24)
                        right = std::max(right, x + 1);
            ASSERT_EQ(font->widths[static_cast<std::size_t>(cell)], right) << entry.texture << " cell " << cell;
        }
        EXPECT_GT(font->widths[static_cast<std::size_t>(GlyphCell('W'))], 0) << entry.texture;
    }
    fonts.SelectFont("verdana14.dds");
    fonts.SetSize(14.0f);
    EXPECT_GT(fonts.Measure("Gigvale"), 30);
    fonts.ClearFonts();
}
